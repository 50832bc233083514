// The keyboard: movement and selection keys, editing keys, hot keys and
// typed characters.
#include <algorithm>

#include "editor/win/QuillMemo.h"
#include "editor/win/QuillWindowSideWin.h"

namespace {
bool IsBlank(char C) { return C == ' ' || C == '\t'; }

// Columns the first N characters (blanks) take, a TAB reaching the next
// multiple of Tab.
int32_t IndentColumns(const char* T, int32_t N, int32_t Tab) {
    int32_t Col = 0;
    for (int32_t k = 0; k < N; ++k) Col = T[k] == '\t' ? (Col / Tab + 1) * Tab : Col + 1;
    return Col;
}
}  // namespace

char TQuillMemo::CharAt(int32_t Pos) {
    if (Pos < 0 || Pos >= CharCount()) return 0;
    TQuillNavigator* N = FNav.Probe.get();
    N->ResetCache();
    N->Pos = Pos;
    N->LocatePar();
    if (N->ParOffset < N->Par->Length) return N->Par->Text()[N->ParOffset];
    return N->ParOffset == N->Par->Length ? '\r' : '\n';
}

int32_t TQuillMemo::StepLeft(int32_t Pos) {
    if (Pos <= 0) return 0;
    TQuillNavigator N(this);
    N.SetPos(Pos);
    int32_t P = N.LocatePar();
    int32_t Off = N.ParOffset;
    TParagraph& Par = Paragraph(P);
    if (Off > Par.Length) return ParagraphStart(P) + Par.Length;
    if (Off == 0) {
        TParagraph& Prev = Paragraph(P - 1);
        int32_t E = Prev.Length;
        if (HasOption(pmoDiscardTrailingSpaces))
            while (E > 0 && IsBlank(Prev.Text()[E - 1])) --E;
        return ParagraphStart(P - 1) + E;
    }
    --Off;
    if (FStaticFormat && FPassOverCodes)
        while (Off > 0 && IsStyleCode(Par.Text()[Off])) --Off;
    return ParagraphStart(P) + Off;
}

int32_t TQuillMemo::StepRight(int32_t Pos) {
    if (Pos >= CharCount()) return CharCount();
    TQuillNavigator N(this);
    N.SetPos(Pos);
    int32_t P = N.LocatePar();
    int32_t Off = N.ParOffset;
    TParagraph& Par = Paragraph(P);
    bool RestBlank = HasOption(pmoDiscardTrailingSpaces);
    for (int32_t k = Off; RestBlank && k < Par.Length; ++k) RestBlank = IsBlank(Par.Text()[k]);
    if (Off >= Par.Length || RestBlank) return P + 1 < ParagraphCount() ? ParagraphStart(P + 1) : CharCount();
    bool Codes = FStaticFormat && FPassOverCodes;
    while (Codes && Off < Par.Length && IsStyleCode(Par.Text()[Off])) ++Off;
    if (Off < Par.Length) ++Off;
    while (Codes && Off < Par.Length && IsStyleCode(Par.Text()[Off])) ++Off;
    return ParagraphStart(P) + Off;
}

int32_t TQuillMemo::WordRight(int32_t Pos) {
    auto IsEnd = [](char C) { return C == '\r' || C == '\n'; };
    char C = CharAt(Pos);
    if (IsEnd(C)) {
        Pos = StepRight(Pos);
    } else {
        while (Pos < CharCount() && !IsEnd(CharAt(Pos)) && !SeparatorSet()[static_cast<unsigned char>(CharAt(Pos))]) ++Pos;
    }
    while (Pos < CharCount() && SeparatorSet()[static_cast<unsigned char>(CharAt(Pos))]) ++Pos;
    return Pos;
}

int32_t TQuillMemo::WordLeft(int32_t Pos) {
    auto IsEnd = [](char C) { return C == '\r' || C == '\n'; };
    while (Pos > 0) {
        char C = CharAt(Pos - 1);
        if (C == '\n') Pos -= 2;
        else if (C == '\r' || SeparatorSet()[static_cast<unsigned char>(C)]) --Pos;
        else break;
    }
    Pos = std::max(Pos, 0);
    while (Pos > 0) {
        char C = CharAt(Pos - 1);
        if (IsEnd(C) || SeparatorSet()[static_cast<unsigned char>(C)]) break;
        --Pos;
    }
    return Pos;
}

int32_t TQuillMemo::LineStartPos(int32_t Line) {
    EnsureLinesLaidOut(Line, Line);
    TQuillNavigator N(this);
    N.SetLineNb(Line);
    return N.Pos;
}

// The position behind a display line's last character; on a wrapped line
// (Wrapped) it is also the next line's start.
int32_t TQuillMemo::LineEndPos(int32_t Line, bool* Wrapped) {
    EnsureLinesLaidOut(Line, Line);
    TQuillNavigator N(this);
    const TDisplayLine DL = N.SetLineNb(Line);
    if (Wrapped) *Wrapped = N.LineInPar < ParagraphLineCount(N.ParNb) - 1 && DL.End > DL.Start;
    return ParagraphStart(N.ParNb) + DL.End;
}

int32_t TQuillMemo::LineAtX(int32_t Line, int32_t X, int32_t* Virtual, bool* AtLineEnd) {
    EnsureLinesLaidOut(Line, Line);
    TQuillNavigator N(this);
    const TDisplayLine DL = N.SetLineNb(Line);
    bool Keep = HasOption(pmoKeepColumnPos);
    int32_t Col = XToColumn(*N.Par, N.ParNb, Keep, X, N.LineInPar);
    int32_t Len = DL.End - DL.Start;
    if (AtLineEnd) *AtLineEnd = N.LineInPar < ParagraphLineCount(N.ParNb) - 1 && Len > 0 && Col == Len;
    if (Virtual) {
        *Virtual = 0;
        if (Keep && (Col == Len || (Col < Len && N.Par->Text()[DL.Start + Col] == '\t'))) {
            int32_t EndX = ColumnToX(*N.Par, N.ParNb, Col, N.LineInPar);
            if (X > EndX) *Virtual = (X - EndX) / std::max(FAvgCharWidth, 1);
        }
    }
    return ParagraphStart(N.ParNb) + DL.Start + Col;
}

// Backspace in a line's indentation goes back to the indentation of the
// nearest earlier line that is indented less (lines of blanks only do not
// count; none means the left edge). Returns where the blanks to replace by
// Pad start, or -1 when the caret is not in an indentation.
int32_t TQuillMemo::BackIndentStart(int32_t Pos, std::string* Pad) {
    TQuillNavigator N(this);
    N.SetPos(Pos);
    int32_t P = N.LocatePar();
    int32_t Off = N.ParOffset;
    const TParagraph& Par = Paragraph(P);
    if (Off <= 0 || Off > Par.Length) return -1;
    for (int32_t k = 0; k < Off; ++k)
        if (!IsBlank(Par.Text()[k])) return -1;
    int32_t Tab = std::max(FTabStops, 1);
    int32_t Col = IndentColumns(Par.Text(), Off, Tab);
    int32_t Target = 0;
    for (int32_t q = P - 1; q >= 0; --q) {
        const TParagraph& Q = Paragraph(q);
        int32_t n = 0;
        while (n < Q.Length && IsBlank(Q.Text()[n])) ++n;
        if (n == Q.Length) continue;
        int32_t C = IndentColumns(Q.Text(), n, Tab);
        if (C < Col) {
            Target = C;
            break;
        }
    }
    int32_t From = Off;
    while (From > 0 && IndentColumns(Par.Text(), From, Tab) > Target) --From;
    Pad->assign(static_cast<size_t>(Target - IndentColumns(Par.Text(), From, Tab)), ' ');
    return ParagraphStart(P) + From;
}

void TQuillMemo::MoveCaret(int32_t NewPos, bool Extend, bool KeepX, bool AtLineEnd) {
    NewPos = std::clamp(NewPos, 0, CharCount());
    if (!KeepX) FRememberedX = -1;
    FLineEndCaret = AtLineEnd ? NewPos : -1;
    int32_t Old = Caret()->Pos;
    int32_t Anchor = Old + FSelLength;
    bool HadSel = FSelLength != 0;
    if (Extend) {
        TQuillNavigator A(this), B(this);
        A.SetPos(Old);
        B.SetPos(NewPos);
        int32_t L1 = A.GetLineNb(), L2 = B.GetLineNb();
        SetSelStart(NewPos);
        SetSelLength(Anchor - NewPos);
        InvalidateLines(L1, L2);
    } else {
        if (HadSel) InvalidateSelection();
        SetSelStart(NewPos);
    }
    SetSelectionMoved();
    ScrollCaretIntoView();
    UpdateCaret();
    PaintDue();
}

void TQuillMemo::DeleteRange(int32_t From, int32_t To) {
    From = std::clamp(From, 0, CharCount());
    To = std::clamp(To, 0, CharCount());
    if (From >= To) return;
    SetSelStart(From);
    SetSelLength(To - From);
    ClearSelection();
}

bool TQuillMemo::KeyDownDisplayOnly(uint16_t Key, TShiftState Shift) {
    bool Ctrl = Shift.Contains(ssCtrl);
    switch (Key) {
        case VK_UP: VScroll(SB_LINEUP); return true;
        case VK_DOWN: VScroll(SB_LINEDOWN); return true;
        case VK_PRIOR: VScroll(Ctrl ? SB_TOP : SB_PAGEUP); return true;
        case VK_NEXT: VScroll(Ctrl ? SB_BOTTOM : SB_PAGEDOWN); return true;
        case VK_HOME: HScroll(SB_LEFT); return true;
        case VK_END: ScrollTo(FScrollY, std::max(FMaxWidth + FLeftMargin + FRightMargin - ClientWidth(), 0)); return true;
        case VK_LEFT: HScroll(SB_LINELEFT); return true;
        case VK_RIGHT: HScroll(SB_LINERIGHT); return true;
    }
    return false;
}

bool TQuillMemo::KeyDownMove(uint16_t Key, TShiftState Shift) {
    bool Ctrl = Shift.Contains(ssCtrl), Ext = Shift.Contains(ssShift);
    int32_t Pos = Caret()->Pos;
    switch (Key) {
        case VK_LEFT:
            if (Ctrl)
                MoveCaret(WordLeft(Pos), Ext);
            else if (FVirtualColumns > 0 && FSelLength == 0) {
                --FVirtualColumns;
                FRememberedX = -1;
                UpdateCaret();
            } else
                MoveCaret(StepLeft(Pos), Ext);
            return true;
        case VK_RIGHT: {
            if (Ctrl) {
                MoveCaret(WordRight(Pos), Ext);
                return true;
            }
            char C = CharAt(Pos);
            if ((C == '\r' || Pos == CharCount()) && HasOption(pmoKeepColumnPos) && !HasOption(pmoWrapCaret) && !Ext) {
                ++FVirtualColumns;
                FRememberedX = -1;
                ScrollCaretIntoView();
                UpdateCaret();
            } else
                MoveCaret(StepRight(Pos), Ext);
            return true;
        }
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: {
            int32_t Line = CaretDisplayLine();
            int32_t Step = (Key == VK_UP || Key == VK_DOWN) ? 1 : std::max(VisibleLines() - 1, 1);
            bool Down = Key == VK_DOWN || Key == VK_NEXT;
            if (Down) EnsureLinesLaidOut(Line, Line + Step);
            int32_t Target = Down ? std::min(Line + Step, FLineCount - 1) : std::max(Line - Step, 0);
            if (FRememberedX < 0) FRememberedX = CaretX() + FScrollX;
            int32_t Virt = 0;
            bool AtEnd = false;
            int32_t NewPos = LineAtX(Target, FRememberedX - FScrollX, &Virt, &AtEnd);
            MoveCaret(NewPos, Ext, true, AtEnd);
            if (Virt > 0 && !Ext) {
                FVirtualColumns = Virt;
                UpdateCaret();
            }
            return true;
        }
        case VK_HOME: MoveCaret(Ctrl ? 0 : LineStartPos(CaretDisplayLine()), Ext); return true;
        case VK_END: {
            if (Ctrl) {
                MoveCaret(CharCount(), Ext);
                return true;
            }
            bool Wrapped = false;
            int32_t End = LineEndPos(CaretDisplayLine(), &Wrapped);
            MoveCaret(End, Ext, false, Wrapped);
            return true;
        }
    }
    return false;
}

bool TQuillMemo::SelectionOnOneLine(int32_t* Line) {
    TQuillNavigator A(this), B(this);
    A.SetPos(SelStartNav()->Pos);
    B.SetPos(std::max(SelEndNav()->Pos - 1, SelStartNav()->Pos));
    *Line = A.GetLineNb();
    return B.GetLineNb() == *Line;
}

bool TQuillMemo::KeyDownEdit(uint16_t Key, TShiftState Shift) {
    bool Ctrl = Shift.Contains(ssCtrl), Sh = Shift.Contains(ssShift), Alt = Shift.Contains(ssAlt);
    int32_t Pos = Caret()->Pos;
    if (Ctrl && !Alt && FEnableHotKeys && !FReadOnly) {
        switch (Key) {
            case 'B': ToggleBold(); return true;
            case 'I': ToggleItalic(); return true;
            case 'U': ToggleUnderline(); return true;
            case 'H': ToggleHighlight(); return true;
            case 'F': ToggleAltFont(); return true;
            case 'P': SetSelText("\r\n\x10\r\n"); return true;
            case 'T': SetSelText("\t"); return true;
            case 'Z':
                if (Sh) Redo();
                else Undo();
                return true;
        }
    }
    std::string Pad;
    switch (Key) {
        case VK_BACK:
            if (FReadOnly) return true;
            if (FSelLength != 0) {
                ClearSelection();
            } else if (FVirtualColumns > 0) {
                --FVirtualColumns;
                UpdateCaret();
            } else if (Ctrl) {
                DeleteRange(WordLeft(Pos), Pos);
            } else if (int32_t From = HasOption(pmoBackIndent) ? BackIndentStart(Pos, &Pad) : -1; From >= 0) {
                SetSelStart(From);
                SetSelLength(Pos - From);
                InsertTextAtSelection(Pad);
            } else if (Pos > 0) {
                // Style codes before the caret are kept: the visible character goes.
                int32_t From = Pos - 1;
                while (FStaticFormat && From > 0 && IsStyleCode(CharAt(From))) --From;
                if (CharAt(From) == '\n') --From;
                DeleteRange(From, CharAt(From) == '\r' ? From + 2 : From + 1);
            }
            return true;
        case VK_DELETE:
            if (FReadOnly) return true;
            if (Sh) {
                if (FSelLength != 0) CutToClipboard();
                else if (Pos > 0) DeleteRange(StepLeft(Pos), Pos);
            } else if (int32_t Line = -1; Ctrl && (FSelLength == 0 || SelectionOnOneLine(&Line))) {
                // From the selection's start (or the caret) to the end of its display line.
                if (FSelLength == 0) Line = CaretDisplayLine();
                DeleteRange(SelStartNav()->Pos, LineEndPos(Line));
            } else if (FSelLength != 0) {
                ClearSelection();
            } else {
                int32_t To = Pos;
                while (FStaticFormat && To < CharCount() && IsStyleCode(CharAt(To))) ++To;
                DeleteRange(Pos, CharAt(To) == '\r' ? To + 2 : To + 1);
            }
            return true;
        case VK_INSERT:
            if (Sh) {
                if (!FReadOnly) PasteFromClipboard();
            } else if (Ctrl) {
                CopyToClipboard();
            } else if (HasOption(pmoInsertKeyActive)) {
                FOverwrite = !FOverwrite;
                UpdateCaret(true);
                if (OnStyleChange) OnStyleChange(this);
            }
            return true;
        case VK_TAB:
            if (Alt) return false;
            if (!FReadOnly) SetSelText("\t");
            return true;
    }
    return false;
}

// While a typed key edits, the lines it changes are painted by the key
// itself and the caret is placed once, after that paint; whatever is left
// goes to the system when the key is done.
class TQuillMemo::TTypedKey {
public:
    explicit TTypedKey(TQuillMemo* Memo) : M(Memo) {
        M->FKeyReleased = false;
        M->FCaretMoveInPaint = M->FTypedPaint = true;
    }
    ~TTypedKey() {
        M->FCaretMoveInPaint = M->FTypedPaint = false;
        M->HandOverTypedRect();
        M->PlaceDueCaret();
    }
    TTypedKey(const TTypedKey&) = delete;
    TTypedKey& operator=(const TTypedKey&) = delete;
    void Paint() {
        if (!M->FKeyReleased) M->PaintDue();
    }

private:
    TQuillMemo* M;
};

void TQuillMemo::KeyDown(uint16_t& Key, TShiftState Shift) {
    TQuillMemoBase::KeyDown(Key, Shift);
    if (Key == VK_CONTROL && FDragging) {
        FDragCopy = true;
        ChangeCursor(nullptr);
        return;
    }
    if (Key == 0 || FUpdateCount > 0 || FDragging) return;
    if (FDisplayOnly) {
        if (KeyDownDisplayOnly(Key, Shift)) Key = 0;
        return;
    }
    if (Key == VK_BACK || Key == VK_DELETE) {
        // Edits as a typed letter does (the lines it changes painted by the key).
        TTypedKey Typed(this);
        if (KeyDownEdit(Key, Shift)) Key = 0;
        Typed.Paint();
        return;
    }
    if (KeyDownMove(Key, Shift) || KeyDownEdit(Key, Shift)) Key = 0;
}

void TQuillMemo::KeyUp(uint16_t& Key, TShiftState Shift) {
    TQuillMemoBase::KeyUp(Key, Shift);
    FKeyReleased = true;
    if (Key == VK_CONTROL && FDragging) {
        FDragCopy = false;
        ChangeCursor(nullptr);
    }
}

void TQuillMemo::TypeEnter() {
    int32_t Pos = Caret()->Pos;
    if (FOverwrite && FSelLength == 0) {
        int32_t Line = CaretDisplayLine();
        if (Line + 1 < FLineCount)
            MoveCaret(LineStartPos(Line + 1), false);
        else {
            SetSelStart(CharCount());
            SetSelText("\r\n");
        }
        return;
    }
    if (HasOption(pmoAutoIndent) && FSelLength == 0) {
        std::string Text = GetLineText(CaretLine());
        int32_t Col = CaretColumn();
        size_t N = 0;
        while (N < Text.size() && static_cast<int32_t>(N) < Col && IsBlank(Text[N])) ++N;
        std::string Indent = Text.substr(0, N);
        if (HasOption(pmoDiscardTrailingSpaces) && (CharAt(Pos) == '\r' || Pos == CharCount())) {
            int32_t Virt = 0;
            for (char C : Indent) Virt = C == '\t' ? (Virt / std::max(FTabStops, 1) + 1) * std::max(FTabStops, 1) : Virt + 1;
            SetSelText("\r\n");
            FVirtualColumns = Virt;
            UpdateCaret();
            return;
        }
        SetSelText("\r\n" + Indent);
        return;
    }
    SetSelText("\r\n");
}

void TQuillMemo::TypeChar(char C) {
    int32_t Pos = Caret()->Pos;
    if (FOverwrite && FSelLength == 0) {
        char Next = CharAt(Pos);
        if (Next && Next != '\r') SetSelLength(1);
    }
    if (C == ' ' && FSelLength == 0 && HasOption(pmoDiscardTrailingSpaces) && HasOption(pmoKeepColumnPos) &&
        (CharAt(Pos) == '\r' || Pos == CharCount())) {
        ++FVirtualColumns;
        UpdateCaret();
        return;
    }
    SetSelText(std::string(1, C));
}

void TQuillMemo::KeyPress(char& Key) {
    TQuillMemoBase::KeyPress(Key);
    if (Key == 0 || FUpdateCount > 0 || FDragging || FDisplayOnly) return;
    unsigned char C = static_cast<unsigned char>(Key);
    if (FReadOnly && C != 3) return;
    TTypedKey Typed(this);
    switch (C) {
        case 3: CopyToClipboard(); break;
        case 5:
            Invalidate();
            CheckIntegrity();
            break;
        case 13: TypeEnter(); break;
        case 22: PasteFromClipboard(); break;
        case 24: CutToClipboard(); break;
        default:
            if (C < 32 || C == 127) return;
            TypeChar(Key);
            break;
    }
    Key = 0;
    Typed.Paint();
}
