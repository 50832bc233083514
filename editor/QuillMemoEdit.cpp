// The one operation that changes text: InsertTextAtSelection, with the
// selection model around it.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "editor/QuillEditor.h"

namespace {

uint8_t Toggles(std::string_view S) {
    uint8_t T = 0;
    for (char C : S) T = ApplyStyleCode(T, C);
    return T;
}

// Closing codes for the style bits left toggled, in the fixed order.
std::string ClosingCodes(uint8_t Bits) {
    std::string S;
    if (Bits & qsUnderline) S += qcUnderline;
    if (Bits & qsItalic) S += qcItalic;
    if (Bits & qsBold) S += qcBold;
    if (Bits & qsHighlight) S += qcHighlight;
    if (Bits & qsAltFont) S += qcAltFont;
    return S;
}

// Splits at line ends as loading does: CR, LF, CR LF and LF CR each end
// one paragraph.
std::vector<std::string_view> SplitPieces(std::string_view T) {
    std::vector<std::string_view> Pieces;
    size_t Start = 0;
    for (size_t i = 0; i < T.size(); ++i) {
        if (T[i] == '\r' || T[i] == '\n') {
            Pieces.push_back(T.substr(Start, i - Start));
            if (i + 1 < T.size() && (T[i + 1] == '\r' || T[i + 1] == '\n') && T[i + 1] != T[i]) ++i;
            Start = i + 1;
        }
    }
    Pieces.push_back(T.substr(Start));
    return Pieces;
}

void StoreParagraphText(TParagraph& P, const std::string& S) {
    auto L = static_cast<int32_t>(S.size());
    int32_t Cap = ParagraphTextCapacity(P);
    bool Fits = Cap >= L + 1 && Cap - (L + 1) <= (L + 1) / 8;
    if (!Fits) {
        int32_t Old = P.Length;
        P.Length = 0;  // nothing to keep
        ReserveParagraphText(P, L, false);
        P.Length = Old;
    }
    if (L) std::memcpy(P.Text(), S.data(), S.size());
    P.Text()[L] = 0;
    P.Length = L;
}

// Replaces the text from OA to OB by Piece: in place while the buffer
// keeps its size, so a keystroke in a long line copies only what follows.
void SpliceParagraphText(TParagraph& P, int32_t OA, int32_t OB, std::string_view Piece) {
    auto NewLen = static_cast<int32_t>(OA + static_cast<int64_t>(Piece.size()) + (P.Length - OB));
    int32_t Cap = ParagraphTextCapacity(P);
    if (Cap >= NewLen + 1 && Cap - (NewLen + 1) <= (NewLen + 1) / 8) {
        std::memmove(P.Text() + OA + Piece.size(), P.Text() + OB, static_cast<size_t>(P.Length - OB));
        if (!Piece.empty()) std::memcpy(P.Text() + OA, Piece.data(), Piece.size());
        P.Text()[NewLen] = 0;
        P.Length = NewLen;
        return;
    }
    std::string S;
    S.reserve(static_cast<size_t>(NewLen));
    S.append(P.Text() ? P.Text() : "", static_cast<size_t>(OA));
    S.append(Piece);
    if (P.Length > OB) S.append(P.Text() + OB, static_cast<size_t>(P.Length - OB));
    StoreParagraphText(P, S);
}

}  // namespace

void TQuillEditor::RenumberLines(int32_t First, int32_t Last) {
    int32_t Count = ParagraphCount();
    Last = std::min(Last, Count - 1);
    if (Last >= FLayouts.Count()) MakeLayouts(Last);
    FLayouts.RunKeys<0>(First, Last, [this](int32_t P) { return ParagraphLineCount(P); });
    // Paragraphs whose records are not made yet are one line each.
    FLineCount = MadeLinesEnd() + (Count - FLayouts.Count());
}

void TQuillEditor::KeepLinesForRebreak(int32_t Par, int32_t OA, int32_t OB, int32_t Delta, int32_t Inserted) {
    const TParagraph& P = Paragraph(Par);
    TRebreakHint& H = FRebreak;
    int32_t N = ParagraphLineCount(Par);
    H.Lines.resize(static_cast<size_t>(N));
    int32_t Edited = 0;
    H.FirstReusable = N;
    for (int32_t l = 0; l < N; ++l) {
        TDisplayLine DL = ParagraphLine(Par, l);
        if (DL.Start <= OA) Edited = l;
        // Old lines from the edit on stand where their text now is.
        if (DL.End >= OB) {
            H.FirstReusable = std::min(H.FirstReusable, l);
            DL.End += Delta;
            if (DL.Start >= OB) {
                DL.Start += Delta;
                DL.JustifyFrom += Delta;
            }
        }
        H.Lines[static_cast<size_t>(l)] = DL;
    }
    // The line before may take up the edited line's first word.
    H.FromLine = std::max(Edited - 1, 0);
    H.EditEnd = OA + Inserted;
    H.Length = P.Length + Delta;
    H.Par = Par;
}

TQuillDocument::TEdit TQuillDocument::Replace(int32_t A, int32_t B, std::string_view Text, bool NewRecord, bool Replaying) {
    A = std::clamp(A, 0, FCharCount);
    B = std::clamp(B, 0, FCharCount);
    // Normalise both ends onto characters or paragraph ends.
    int32_t PA = ParagraphAt(A);
    int32_t OA = std::min(A - ParagraphStart(PA), Paragraph(PA).Length);
    int32_t PB = ParagraphAt(B);
    int32_t OB = B - ParagraphStart(PB);
    if (OB > Paragraph(PB).Length) {
        if (PB + 1 < ParagraphCount()) {
            ++PB;
            OB = 0;
        } else
            OB = Paragraph(PB).Length;
    }
    if (PB < PA || (PB == PA && OB < OA)) {
        PB = PA;
        OB = OA;
    }
    A = ParagraphStart(PA) + OA;
    B = ParagraphStart(PB) + OB;
    if (A == B && Text.empty()) return TEdit{A, 0, PA, 1, false, false};
    std::string Removed = A < B ? GetTextRange(A, B) : std::string();

    std::vector<std::string_view> Pieces = SplitPieces(Text);
    auto N = static_cast<int32_t>(Pieces.size());
    int64_t Inserted = 2 * static_cast<int64_t>(N - 1);
    for (auto P : Pieces) Inserted += static_cast<int64_t>(P.size());

    // Every limit is checked before anything, the undo list included, changes.
    const TParagraph& PAr = Paragraph(PA);
    const TParagraph& PBr = Paragraph(PB);
    int64_t Suffix = PBr.Length - OB;
    auto TooLong = [](int64_t L) { return L > QuillMaxParLength; };
    if (N == 1) {
        if (TooLong(OA + static_cast<int64_t>(Pieces[0].size()) + Suffix)) throw Exception("Text too long");
    } else {
        if (TooLong(OA + static_cast<int64_t>(Pieces[0].size())) ||
            TooLong(static_cast<int64_t>(Pieces.back().size()) + Suffix))
            throw Exception("Text too long");
        for (auto P : Pieces)
            if (TooLong(static_cast<int64_t>(P.size()))) throw Exception("Text too long");
    }
    if (static_cast<int64_t>(FCharCount) - (B - A) + Inserted > 2147483647) throw Exception("Text too long");
    auto Ins = static_cast<int32_t>(Inserted);

    RecordUndo(A, Ins, Removed, NewRecord || A != B, Replaying);
    int32_t InPlace = N == 1 && PA == PB ? static_cast<int32_t>(Pieces[0].size()) : -1;
    for (IQuillDocumentListener* L : FListeners) L->ParagraphsChanging(PA, PB, OA, OB, InPlace);

    TEdit Edit{A, Ins, PA, N, PAr.Highlighted != 0, PAr.Parsed != 0};
    int32_t OldCount = ParagraphCount();

    if (N == 1 && PA == PB) {
        TParagraph& P = Paragraph(PA);
        int32_t NewLen = OA + static_cast<int32_t>(Pieces[0].size()) + (P.Length - OB);
        int32_t Delta = NewLen - P.Length;
        std::vector<TFormatStop> Stops;
        for (int32_t k = 0; k < P.StopCount; ++k) {
            TFormatStop St = P.Stop(k);
            if (St.Offset >= OB) {
                St.Offset += Delta;
                Stops.push_back(St);
            } else if (St.Offset < OA || OA == OB)
                Stops.push_back(St);
        }
        SpliceParagraphText(P, OA, OB, Pieces[0]);
        SetParagraphStops(P, Stops);
        P.Highlighted = P.Parsed = 0;
    } else {
        TParagraph& First = Paragraph(PA);
        TParagraph& Last = Paragraph(PB);
        std::string FirstText(First.Text() ? First.Text() : "", static_cast<size_t>(OA));
        FirstText.append(Pieces[0]);
        std::string SuffixText(Last.Text() ? Last.Text() + OB : "", static_cast<size_t>(Last.Length - OB));
        std::vector<TFormatStop> FirstStops, LastStops;
        for (int32_t k = 0; k < First.StopCount; ++k)
            if (First.StopOffset(k) < OA) FirstStops.push_back(First.Stop(k));
        int32_t LastPieceLen = N == 1 ? static_cast<int32_t>(FirstText.size()) : static_cast<int32_t>(Pieces.back().size());
        for (int32_t k = 0; k < Last.StopCount; ++k)
            if (Last.StopOffset(k) >= OB) {
                TFormatStop St = Last.Stop(k);
                St.Offset = St.Offset - OB + LastPieceLen;
                LastStops.push_back(St);
            }
        if (N == 1) {
            FirstText += SuffixText;
            FirstStops.insert(FirstStops.end(), LastStops.begin(), LastStops.end());
        }
        for (int32_t k = PA + 1; k <= PB; ++k) FreeParagraph(Paragraph(k));
        StoreParagraphText(First, FirstText);
        SetParagraphStops(First, FirstStops);
        First.Highlighted = First.Parsed = 0;
        ResizeRange(PA, PB - PA + 1, N);
        for (int32_t k = 1; k < N; ++k) {
            TParagraph& P = Paragraph(PA + k);
            P = TParagraph();
            ShareParagraphContext(P, Paragraph(PA));
            std::string T(Pieces[static_cast<size_t>(k)]);
            if (k == N - 1) T += SuffixText;
            StoreParagraphText(P, T);
            if (k == N - 1) SetParagraphStops(P, LastStops);
        }
    }
    int32_t ParDelta = ParagraphCount() - OldCount;
    RenumberStarts(PA, PA + N - 1);
    int32_t Delta = Ins - (B - A);

    // Registered navigators keep their place in the text.
    for (TQuillNavigator* Nv : FNavigators) {
        if (Nv->Pos > B) {
            bool Known = Nv->Par && Nv->ParNb > PB;
            int32_t NewNb = Nv->ParNb + ParDelta;
            Nv->Pos += Delta;
            if (Known) {
                Nv->ParNb = NewNb;
                Nv->Par = &Paragraph(NewNb);
                Nv->ParOffset = Nv->Pos - ParagraphStart(NewNb);
                Nv->Rebind();
            } else
                Nv->ResetCache();
        } else if (Nv->Pos >= A) {
            Nv->Pos = A;
            Nv->ResetCache();
        } else if (Nv->Par && Nv->ParNb >= PA) {
            Nv->ResetCache();
        } else if (Nv->Par) {
            // Records move between the paragraph list's blocks, earlier ones too.
            Nv->Par = &Paragraph(Nv->ParNb);
            Nv->Rebind();
        }
    }
    HighlightAgainFrom(PA);
    for (IQuillDocumentListener* L : FListeners) L->ParagraphsChanged(PA, PB - PA + 1, N);
    return Edit;
}

void TQuillEditor::TDocumentLink::ParagraphsChanging(int32_t First, int32_t Last, int32_t OA, int32_t OB, int32_t InPlace) {
    TQuillEditor& E = Editor;
    // The records of the changing paragraphs are made while the document's
    // paragraphs still line up with them.
    if (Last >= E.FLayouts.Count()) E.MakeLayouts(Last);
    E.MarkLayoutPending(First, 0, Last);
    E.FRebreak.Par = -1;
    FirstStyle = E.ParagraphLine(First, 0).Style();
    if (InPlace >= 0 && E.Layout(First).Formatted && E.FWindow) {
        int32_t Delta = InPlace - (OB - OA);
        E.KeepLinesForRebreak(First, OA, OB, Delta, InPlace);
    }
}

void TQuillEditor::TDocumentLink::ParagraphsChanged(int32_t First, int32_t OldCount, int32_t N) {
    TQuillEditor& E = Editor;
    int32_t PA = First, PB = First + OldCount - 1;
    // The layouts follow the paragraphs: those of removed ones go.
    for (int32_t k = PA + std::min(OldCount, N); k <= PB; ++k) FreeLayout(E.Layout(k));
    if (N > OldCount)
        E.FLayouts.Insert(PA + OldCount, N - OldCount, TParLayout());
    else
        E.FLayouts.Delete(PA + N, OldCount - N);
    // New paragraphs' first lines start in the in-text style running on
    // from the first one's.
    uint8_t Style = FirstStyle;
    for (int32_t k = 0; k < N; ++k) {
        const TParagraph& P = E.Paragraph(PA + k);
        TParLayout& L = E.Layout(PA + k);
        SetPlainLine(L, P.Length, Style);
        L.Formatted = 0;
        if (E.FStaticFormat && k + 1 < N)
            for (int32_t i = 0; i < P.Length; ++i) Style = ApplyStyleCode(Style, P.Text()[i]);
    }
    int32_t ParDelta = N - OldCount;
    E.RenumberLines(PA, PA + N - 1);

    // Layout bookkeeping follows the paragraphs that moved.
    if (E.FLayoutEnd > PB) E.FLayoutEnd += ParDelta;
    else if (E.FLayoutEnd >= PA) E.FLayoutEnd = std::max(E.FLayoutEnd, PA + N - 1);
    if (E.FLayoutFrontier > PB) E.FLayoutFrontier += ParDelta;
    if (E.FPendLastPar > PB) E.FPendLastPar += ParDelta;
    E.FPendLastPar = std::max(E.FPendLastPar, PA + N - 1);
    if (E.FPendLastPar >= E.ParagraphCount()) E.FPendLastPar = E.ParagraphCount() - 1;
    if (E.FWidestPar > PB) E.FWidestPar += ParDelta;
    else if (E.FWidestPar >= PA) E.FWidestPar = -1;
}

void TQuillEditor::TDocumentLink::HighlightingChanged(int32_t First, int32_t Last, bool Relayout) {
    // Stops may change fonts: the paragraphs are broken into lines again.
    for (int32_t p = First; p <= Last; ++p) Editor.Layout(p).Formatted = 0;
    if (Relayout) Editor.MarkLayoutPending(First, 0, Last);
}

void TQuillEditor::TDocumentLink::TextReplaced() {
    // A loaded paragraph is one plain line, numbered as it comes.
    TQuillEditor& E = Editor;
    E.ResetLayouts();
    E.FSelLength = 0;
    E.FVirtualColumns = 0;
    E.FScrollX = 0;
    E.FScrollY = 0;
}

void TQuillDocument::HighlightEdited(const TEdit& E) {
    if (!E.WasHighlighted) return;
    int32_t PA = E.FirstPar, N = E.ParCount;
    TQuillNavigator* F = FNav.EditFrom.get();
    TQuillNavigator* T = FNav.EditTo.get();
    F->ResetCache();
    F->Pos = ParagraphStart(PA);
    T->ResetCache();
    T->Pos = ParagraphStart(PA + N - 1) + Paragraph(PA + N - 1).Length;
    HighlightStartStop(F, T);
    if (E.WasParsed)
        for (int32_t k = PA; k < PA + N; ++k)
            if (!Paragraph(k).Parsed && Paragraph(k).Highlighted) HighlightParagraphKeywords(k);
}

void TQuillEditor::InsertTextAtSelection(std::string_view Text) {
    TQuillNavigator* SS = SelStartNav();
    TQuillNavigator* SE = SelEndNav();
    if (SS->Pos == SE->Pos && Text.empty()) return;
    FVirtualColumns = 0;

    std::string Full(Text);
    if (FStaticFormat && !FWrapping) Full += ClosingCodes(Toggles(Text) ^ Toggles(GetTextRange(SS->Pos, SE->Pos)));
    TQuillDocument::TEdit Ed = FDoc->Replace(SS->Pos, SE->Pos, Full, FSelectionMoved, FReplaying);
    FSelectionMoved = false;
    int32_t A = Ed.Start, Ins = Ed.Inserted;

    ++FUpdateCount;
    try {
        if (OnParse) OnParse(this, A, A + Ins);
        if (FUpdateCount == 1) FDoc->HighlightEdited(Ed);
        SS->ResetCache();
        SE->ResetCache();
        SS->Pos = SE->Pos = A + Ins;
        FSelLength = 0;
    } catch (...) {
        --FUpdateCount;
        throw;
    }
    --FUpdateCount;
    if (FUpdateCount == 0) {
        LayoutLines();
        ScrollCaretIntoView();
    }
}

void TQuillEditor::SetSelLength(int32_t N) {
    if (N == FSelLength) return;
    int32_t C = Caret()->Pos;
    int64_t Target = std::clamp<int64_t>(static_cast<int64_t>(C) + N, 0, CharCount());
    int32_t OldEnd = FSelLength > 0 ? SelEndNav()->Pos : SelStartNav()->Pos;
    auto T = static_cast<int32_t>(Target);
    if (T >= C) {
        SelStartNav()->SetPos(C);
        SelEndNav()->SetPos(T);
    } else {
        SelStartNav()->SetPos(T);
        SelEndNav()->SetPos(C);
    }
    FSelLength = T - C;
    FSelectionMoved = true;
    if (FWindow && FUpdateCount == 0) {
        TQuillNavigator* W = FNav.SelectionLines.get();
        W->ResetCache();
        W->Pos = std::min(OldEnd, T);
        int32_t L1 = W->GetLineNb();
        W->ResetCache();
        W->Pos = std::max(OldEnd, T);
        FWindow->InvalidateLines(L1, W->GetLineNb());
    }
}

std::string TQuillDocument::GetTextRange(int32_t From, int32_t To) const {
    From = std::max(From, 0);
    To = std::min(To, CharCount());
    std::string R;
    if (From >= To) return R;
    int32_t P = ParagraphAt(From);
    int32_t Off = From - ParagraphStart(P);
    R.reserve(static_cast<size_t>(To - From));
    int32_t Pos = From;
    while (Pos < To && P < ParagraphCount()) {
        const TParagraph& Pr = Paragraph(P);
        int32_t Avail = To - Pos;
        if (Off < Pr.Length) {
            int32_t N = std::min(Pr.Length - Off, Avail);
            R.append(Pr.Text() + Off, static_cast<size_t>(N));
            Pos += N;
            Off += N;
            continue;
        }
        if (Off == Pr.Length && Pos < To) {
            R += '\r';
            ++Pos;
            ++Off;
        }
        if (Off == Pr.Length + 1 && Pos < To) {
            R += '\n';
            ++Pos;
        }
        ++P;
        Off = 0;
    }
    return R;
}

std::string TQuillEditor::GetSelText() {
    return GetTextRange(SelStartNav()->Pos, SelEndNav()->Pos);
}

int32_t TQuillEditor::GetSelTextBuf(char* Buffer, int32_t Size) {
    if (Size <= 0 || !Buffer) return 0;
    int32_t Len = std::abs(FSelLength);
    int32_t N = std::min(Len, Size - 1);
    std::string S = GetTextRange(SelStartNav()->Pos, SelStartNav()->Pos + N);
    std::memcpy(Buffer, S.data(), S.size());
    Buffer[S.size()] = 0;
    return static_cast<int32_t>(S.size());
}

void TQuillEditor::SetSelText(std::string_view Text) {
    if (FSelLength == 0 && FVirtualColumns > 0 && HasOption(pmoPutExtraSpaces)) {
        std::string S(static_cast<size_t>(FVirtualColumns), ' ');
        S += Text;
        InsertTextAtSelection(S);
        return;
    }
    InsertTextAtSelection(Text);
}

void TQuillEditor::Clear() { ReplaceAllText({}); }

int32_t TQuillEditor::CaretLine() { return Caret()->GetLineNb(); }

void TQuillEditor::SetCaretLine(int32_t Line) {
    while (Line >= FLineCount && FLayoutEnd >= 0 && FLayoutFrontier < ParagraphCount())
        FormatRange(FLayoutFrontier, std::min(FLayoutFrontier + 64, ParagraphCount() - 1), false);
    TQuillNavigator* W = FNav.LineLookup.get();
    W->ResetCache();
    W->SetLineNb(std::max(Line, 0));
    SetSelStart(W->Pos);
}

int32_t TQuillEditor::CaretColumn() { return Caret()->GetColumn() + FVirtualColumns; }

std::string TQuillEditor::GetLineText(int32_t Line) {
    if (Line < 0) return {};
    while (Line >= FLineCount && FLayoutEnd >= 0 && FLayoutFrontier < ParagraphCount())
        FormatRange(FLayoutFrontier, std::min(FLayoutFrontier + 64, ParagraphCount() - 1), false);
    if (Line >= FLineCount) return {};
    TQuillNavigator* W = FNav.LineLookup.get();
    W->ResetCache();
    const TDisplayLine& L = W->SetLineNb(Line);
    if (L.End <= L.Start) return {};
    return std::string(W->Par->Text() + L.Start, static_cast<size_t>(L.End - L.Start));
}
