#include "editor/QuillNavigator.h"

#include <algorithm>
#include <cstdlib>

#include "editor/QuillEditor.h"
#include "framework/rtl/Exceptions.h"

TQuillNavigator::TQuillNavigator(TObject* AEditor) {
    if (AEditor) {
        Editor = dynamic_cast<TQuillEditor*>(AEditor);
        if (!Editor) throw Exception("Internal error: component is not a TQuillMemo");
        Doc = &Editor->Document();
        Doc->RegisterNavigator(this);
    }
}

TQuillNavigator::TQuillNavigator(TQuillDocument& ADoc) : Doc(&ADoc) { Doc->RegisterNavigator(this); }

TQuillNavigator::~TQuillNavigator() {
    if (Doc) Doc->UnregisterNavigator(this);
}

void TQuillNavigator::Rebind() {
    // A lines list handed out follows no moved or other paragraph.
    if (FLinesList) FLinesList->Layout = nullptr;
}

void TQuillNavigator::ResetCache() {
    Par = nullptr;
    ParNb = -1;
    ForgetStopAndLine();
    Rebind();
}

void TQuillNavigator::PlaceAt(int32_t ParIndex, int32_t Offset) {
    Par = &Doc->Paragraph(ParIndex);
    ParNb = ParIndex;
    ParOffset = Offset;
    Pos = Doc->ParagraphStart(ParIndex) + Offset;
    ForgetStopAndLine();
    Rebind();
}

int32_t TQuillNavigator::LocatePar() {
    if (Par) return ParNb;
    ForgetStopAndLine();
    int32_t Lo = Doc->ParagraphAt(Pos);
    ParNb = Lo;
    Par = &Doc->Paragraph(Lo);
    ParOffset = Pos - Doc->ParagraphStart(Lo);
    Rebind();
    return ParNb;
}

int32_t TQuillNavigator::GetPar() { return LocatePar(); }

TParagraph* TQuillNavigator::Paragraph() {
    LocatePar();
    return Par;
}

int32_t TQuillNavigator::GetParOffset() {
    LocatePar();
    return ParOffset;
}

int32_t TQuillNavigator::GetStopIndex() {
    LocatePar();
    if (StopIndex == QuillUnknown) {
        int32_t i = 0;
        while (i < Par->StopCount && Par->StopOffset(i) < ParOffset) ++i;
        StopIndex = i;
    }
    return StopIndex;
}

int32_t TQuillNavigator::GetLineInPar() {
    LocatePar();
    if (LineInPar == QuillUnknown) {
        int32_t i = 0;
        while (i < Editor->ParagraphLineCount(ParNb) - 1 && Editor->ParagraphLine(ParNb, i).End <= ParOffset) ++i;
        LineInPar = i;
    }
    return LineInPar;
}

int32_t TQuillNavigator::GetLineNb() { return GetLineInPar() + Editor->ParagraphFirstLine(ParNb); }

TDisplayLine TQuillNavigator::SetLineNb(int32_t Line) {
    Line = std::clamp(Line, 0, Editor->LineCount() - 1);
    int32_t Lo = Editor->ParagraphAtLine(Line);
    ParNb = Lo;
    Par = &Doc->Paragraph(Lo);
    LineInPar = std::clamp(Line - Editor->ParagraphFirstLine(Lo), 0, Editor->ParagraphLineCount(Lo) - 1);
    TDisplayLine DL = Editor->ParagraphLine(Lo, LineInPar);
    ParOffset = DL.Start;
    Pos = Doc->ParagraphStart(Lo) + ParOffset;
    StopIndex = QuillUnknown;
    Rebind();
    return DL;
}

int32_t TQuillNavigator::GetColumn() {
    int32_t L = GetLineInPar();
    return ParOffset - Editor->ParagraphLine(ParNb, L).Start;
}

int32_t TQuillNavigator::SetColumn(int32_t Col) {
    int32_t L = GetLineInPar();
    const TDisplayLine DL = Editor->ParagraphLine(ParNb, L);
    int32_t Off = DL.Start + std::min(std::max(Col, 0), DL.End - DL.Start);
    Pos = Doc->ParagraphStart(ParNb) + Off;
    ParOffset = Off;
    StopIndex = QuillUnknown;
    return Pos;
}

void TQuillNavigator::SetPos(int32_t NewPos) {
    if (ParNb == -1 || !Par) {
        Pos = NewPos;
        return;
    }
    int32_t Start = Doc->ParagraphStart(ParNb);
    int64_t Last = static_cast<int64_t>(Start) + Par->Length + 1;
    if (NewPos < Pos || NewPos > Last) {
        ForgetStopAndLine();
        Pos = NewPos;
        if (NewPos >= Start && NewPos <= Last)
            ParOffset = NewPos - Start;
        else
            ResetCache();
        return;
    }
    Pos = NewPos;
    ParOffset = NewPos - Start;
    if (StopIndex != QuillUnknown)
        while (StopIndex < Par->StopCount && Par->StopOffset(StopIndex) < ParOffset) ++StopIndex;
    if (LineInPar != QuillUnknown && Editor)
        while (LineInPar < Editor->ParagraphLineCount(ParNb) - 1 &&
               ParOffset >= Editor->ParagraphLine(ParNb, LineInPar).End)
            ++LineInPar;
}

char TQuillNavigator::GetChar() {
    LocatePar();
    if (ParOffset < Par->Length) return Par->Text()[ParOffset];
    return ParOffset == Par->Length ? '\r' : '\n';
}

void TQuillNavigator::InsertFormatStop(const TFormatStop& Stop) {
    int32_t I = GetStopIndex();
    TFormatStop S = Stop;
    S.Offset = ParOffset;
    InsertParagraphStop(*Par, I, S);
    StopIndex = I + 1;
}

void TQuillNavigator::DeleteFormatStop() {
    int32_t I = GetStopIndex();
    TParagraph& P = *Par;
    if (I >= P.StopCount || P.StopOffset(I) != ParOffset) throw Exception("Internal QuillMemo error");
    DeleteParagraphStop(P, I);
    LineInPar = QuillUnknown;
}

void TQuillNavigator::SkipStopsAtPos() {
    GetStopIndex();
    while (StopIndex < Par->StopCount && Par->StopOffset(StopIndex) == ParOffset) ++StopIndex;
}

void TQuillNavigator::MoveOntoStop(int32_t N, int32_t Idx) {
    Par = &Doc->Paragraph(N);
    ParNb = N;
    ParOffset = Par->StopOffset(Idx);
    Pos = Doc->ParagraphStart(N) + ParOffset;
    StopIndex = Idx;
    LineInPar = QuillUnknown;
    Rebind();
}

bool TQuillNavigator::NextStop(int32_t Limit) {
    GetStopIndex();
    int32_t N = ParNb;
    int32_t Idx = StopIndex;
    while (true) {
        TParagraph& P = Doc->Paragraph(N);
        if (Idx < P.StopCount) {
            if (Doc->ParagraphStart(N) + P.StopOffset(Idx) > Limit) return false;
            MoveOntoStop(N, Idx);
            return true;
        }
        if (N >= Doc->ParagraphCount() - 1 || static_cast<int64_t>(Doc->ParagraphStart(N)) + P.Length + 2 > Limit) return false;
        ++N;
        Idx = 0;
    }
}

bool TQuillNavigator::PrevStop(int32_t Limit) {
    GetStopIndex();
    int32_t N = ParNb;
    int32_t Idx = StopIndex - 1;
    while (true) {
        TParagraph& P = Doc->Paragraph(N);
        if (Idx >= 0 && Idx < P.StopCount) {
            if (Doc->ParagraphStart(N) + P.StopOffset(Idx) < Limit) return false;
            MoveOntoStop(N, Idx);
            return true;
        }
        if (N == 0 || Doc->ParagraphStart(N) <= Limit) return false;
        --N;
        Idx = Doc->Paragraph(N).StopCount - 1;
    }
}

const TFormatStop& TQuillNavigator::CurrentStop() {
    int32_t I = GetStopIndex();
    if (I == 0) return *Par->StartContext;
    FCurrent = Par->Stop(I - 1);
    return FCurrent;
}

uint8_t TQuillNavigator::GetStyle() {
    if (!Editor || !Editor->StaticFormat()) return 0;
    int32_t L = GetLineInPar();
    const TDisplayLine DL = Editor->ParagraphLine(ParNb, L);
    uint8_t S = DL.Style();
    for (int32_t i = DL.Start; i < ParOffset && i < Par->Length; ++i) S = ApplyStyleCode(S, Par->Text()[i]);
    return S;
}

void TQuillNavigator::Assign(const TQuillNavigator& Other) {
    Pos = Other.Pos;
    Par = Other.Par;
    ParNb = Other.ParNb;
    ParOffset = Other.ParOffset;
    StopIndex = Other.StopIndex;
    LineInPar = Other.LineInPar;
    Rebind();
}

TLinesList* TQuillNavigator::GetLinesList() {
    if (!FLinesList) FLinesList = std::make_unique<TLinesList>();
    int32_t P = LocatePar();
    FLinesList->Layout = &Editor->Layout(P);
    FLinesList->Length = Par->Length;
    return FLinesList.get();
}
