#include "ide/CodeAssist.h"

#include <algorithm>

#include "controls/Brkapart.h"

namespace {

bool IsSeparator(char C, std::string_view Separators) { return Separators.find(C) != std::string_view::npos; }

int Clamp(int Caret, std::string_view Line) { return std::clamp(Caret, 0, static_cast<int>(Line.size())); }

}  // namespace

TWordSpan WordSpanAt(std::string_view Line, int Caret, std::string_view Separators) {
    int End = Clamp(Caret, Line);
    const int Size = static_cast<int>(Line.size());
    while (End < Size && !IsSeparator(Line[End], Separators)) ++End;
    int Start = End;
    while (Start > 0 && !IsSeparator(Line[Start - 1], Separators)) --Start;
    return {Start, End - Start};
}

std::string WordAt(std::string_view Line, int Caret, std::string_view Separators) {
    const TWordSpan W = WordSpanAt(Line, Caret, Separators);
    return std::string(Line.substr(W.Start, W.Length));
}

TLineEdit RemoveWordAtCaret(std::string_view Line, int Caret, std::string_view Separators) {
    const TWordSpan W = WordSpanAt(Line, Caret, Separators);
    TLineEdit R;
    R.Line = std::string(Line.substr(0, W.Start)) + std::string(Line.substr(W.Start + W.Length));
    R.Caret = W.Start;
    return R;
}

TLineEdit RemoveTypedWord(std::string_view Line, int Caret) {
    const int End = Clamp(Caret, Line);
    int Start = 0;
    for (int I = End - 2; I >= 0; --I)
        if (Line[I] == ' ') {
            Start = I + 1;
            break;
        }
    TLineEdit R;
    R.Line = std::string(Line.substr(0, Start)) + std::string(Line.substr(End));
    R.Caret = Start;
    return R;
}

std::string TemplateInsertText(const std::vector<std::string>& Body) {
    std::string R;
    for (const std::string& L : Body) R += L + "\r\n";
    return R;
}

TParamInfo ParseParams(std::string_view Item) {
    TParamInfo P;
    const size_t Blank = Item.find(' ');
    std::string_view Rest = Blank == std::string_view::npos ? Item : Item.substr(Blank + 1);
    if (!Rest.empty()) Rest.remove_suffix(1);
    P.HintText = std::string(Rest);
    const int Commas = static_cast<int>(std::count(Rest.begin(), Rest.end(), ','));
    P.ParamCount = Commas > 0 ? Commas + 1 : 0;
    return P;
}

std::vector<std::string> HintPieces(std::string_view HintText) { return BreakApartText(HintText, " ", false); }

std::vector<THintPiece> LayoutHint(std::string_view HintText, int CurrentParam, const THintTextWidth& Width) {
    std::vector<THintPiece> Pieces;
    int X = 5;
    int Index = 1;
    for (std::string& Text : HintPieces(HintText)) {
        THintPiece P;
        P.Bold = Index++ == CurrentParam;
        P.X = X;
        X += Width(Text, P.Bold) + 2;
        P.Text = std::move(Text);
        Pieces.push_back(std::move(P));
    }
    return Pieces;
}

int HintWindowWidth(std::string_view HintText, int ParamCount, const THintTextWidth& Width) {
    return Width(std::string(HintText), false) + 5 * ParamCount + 15;
}

bool TParamHintTracker::Open(std::string_view Item, int CaretColumn, int CaretLine) {
    const TParamInfo P = ParseParams(Item);
    if (!P.Accepted()) return false;
    FHintText = P.HintText;
    FParamCount = P.ParamCount;
    FCurrentParam = 1;
    FHintColumn = CaretColumn;
    FHintLine = CaretLine;
    FSkipTrack = false;
    FVisible = true;
    return true;
}

THintAction TParamHintTracker::CaretMoved(int CaretColumn, int CaretLine, char LeftChar) {
    if (!FVisible || FSkipTrack) return THintAction::None;
    if (CaretColumn < FHintColumn) {
        FVisible = false;
        return THintAction::Hide;
    }
    if (CaretLine != FHintLine) {
        FVisible = false;
        return THintAction::HideAndRefresh;
    }
    if (LeftChar == ' ' && FParamCount == FCurrentParam + 1) {
        FVisible = false;
        return THintAction::Hide;
    }
    if (LeftChar == ',') {
        ++FCurrentParam;
        if (FCurrentParam > FParamCount) {
            FVisible = false;
            return THintAction::Hide;
        }
        return THintAction::Repaint;
    }
    return THintAction::None;
}

THintAction TParamHintTracker::StepBack(char LeftChar) {
    // Never before the first parameter.
    if (LeftChar != ',' || FCurrentParam <= 1) return THintAction::None;
    --FCurrentParam;
    return THintAction::Repaint;
}

THintAction TParamHintTracker::KeyLeft(char LeftChar) {
    if (!FVisible) return THintAction::None;
    return StepBack(LeftChar);
}

THintAction TParamHintTracker::KeyBackspace(int CaretColumn, char LeftChar) {
    if (!FVisible) return THintAction::None;
    if (FHintColumn + 1 < CaretColumn) {
        FSkipTrack = true;
        return StepBack(LeftChar);
    }
    FVisible = false;
    return THintAction::Hide;
}

THintAction TParamHintTracker::FocusLost() {
    if (!FVisible) return THintAction::None;
    FVisible = false;
    return THintAction::Hide;
}
