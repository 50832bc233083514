// Plain-text search, the word at the caret, and the clipboard.
#include <algorithm>

#include "editor/QuillEditor.h"
#include "editor/QuillText.h"

bool TQuillEditor::FindText(std::string_view Text, bool Forward, bool WholeWord, bool MatchCase) {
    if (Text.empty()) return false;
    std::string Pattern(Text);
    if (!MatchCase) QuillUpperInPlace(Pattern.data(), static_cast<int32_t>(Pattern.size()));
    auto Len = static_cast<int32_t>(Pattern.size());
    TQuillNavigator* C = Caret();
    int32_t Par = C->LocatePar();
    int32_t Off = std::min(C->ParOffset, Paragraph(Par).Length);
    auto Copy = [&](int32_t P) {
        std::string S = GetParagraphText(P);
        if (!MatchCase) QuillUpperInPlace(S.data(), static_cast<int32_t>(S.size()));
        return S;
    };
    auto WordOk = [&](const std::string& S, size_t Q) {
        if (!WholeWord) return true;
        bool Before = Q == 0 || SeparatorSet()[static_cast<unsigned char>(S[Q - 1])];
        bool After = Q + Pattern.size() >= S.size() || SeparatorSet()[static_cast<unsigned char>(S[Q + Pattern.size()])];
        return Before && After;
    };
    if (Forward) {
        for (int32_t P = Par; P < ParagraphCount(); ++P) {
            std::string S = Copy(P);
            size_t From = P == Par ? static_cast<size_t>(Off) : 0;
            while (From + Pattern.size() <= S.size()) {
                size_t Q = S.find(Pattern, From);
                if (Q == std::string::npos) break;
                if (WordOk(S, Q)) {
                    // Selected backward: the next forward search starts after it.
                    SetSelStart(ParagraphStart(P) + static_cast<int32_t>(Q) + Len);
                    SetSelLength(-Len);
                    return true;
                }
                From = Q + 1;
            }
        }
        return false;
    }
    for (int32_t P = Par; P >= 0; --P) {
        std::string S = Copy(P);
        if (S.size() < Pattern.size()) continue;
        size_t Last = S.size() - Pattern.size();
        if (P == Par) {
            if (Off == 0) continue;
            Last = std::min(Last, static_cast<size_t>(Off - 1));
        }
        size_t From = Last;
        while (true) {
            size_t Q = S.rfind(Pattern, From);
            if (Q == std::string::npos) break;
            if (WordOk(S, Q)) {
                SetSelStart(ParagraphStart(P) + static_cast<int32_t>(Q));
                SetSelLength(Len);
                return true;
            }
            if (Q == 0) break;
            From = Q - 1;
        }
    }
    return false;
}

std::string TQuillEditor::GetCurrentWord() {
    TQuillNavigator* C = Caret();
    int32_t P = C->LocatePar();
    const TParagraph& Pr = Paragraph(P);
    int32_t R = std::min(C->ParOffset, Pr.Length);
    auto Sep = [&](int32_t i) { return SeparatorSet()[static_cast<unsigned char>(Pr.Text()[i])]; };
    while (R < Pr.Length && !Sep(R)) ++R;
    int32_t L = R;
    while (L > 0 && !Sep(L - 1)) --L;
    if (R <= L) return {};
    return std::string(Pr.Text() + L, static_cast<size_t>(R - L));
}

void TQuillEditor::CopyToClipboard() {
    if (FSelLength == 0 || !FClipboard) return;
    FClipboard->SetText(GetSelText());
}

void TQuillEditor::CutToClipboard() {
    // What the clipboard did not take stays in the text.
    if (FSelLength == 0 || !FClipboard || !FClipboard->SetText(GetSelText())) return;
    ClearSelection();
}

void TQuillEditor::PasteFromClipboard() {
    if (!FClipboard || !FClipboard->HasText()) return;
    std::string T = FClipboard->GetText();
    // The text ends at its first NUL, as a zero-terminated text would.
    size_t Nul = T.find('\0');
    if (Nul != std::string::npos) T.resize(Nul);
    FSelectionMoved = true;
    InsertTextAtSelection(T);
    FSelectionMoved = true;
}
