// The mouse: placing the caret, selecting by characters or words, dragging
// the selection to move or copy it, automatic scrolling beyond the edges
// (from a window timer) and clicks on regions with a context number.
#include <algorithm>

#include "editor/QuillHighlighter.h"
#include "editor/win/QuillMemo.h"
#include "framework/forms/Forms.h"

namespace {
// Milliseconds between scroll steps for speeds 1 to 7; faster beyond.
constexpr UINT StepDelays[] = {400, 400, 300, 200, 130, 78, 48, 30};
constexpr int DragEdge = 24;
}  // namespace

void TQuillMemo::ChangeCursor(HCURSOR C) {
    if (!C && FDragging) {
        POINT P{};
        GetCursorPos(&P);
        TPoint L = ScreenToClient({P.x, P.y});
        bool Inside = L.X >= 0 && L.Y >= 0 && L.X < ClientWidth() && L.Y < ClientHeight();
        if (!Inside)
            C = Screen->Cursors(crNoDrop);
        else if (FDragCopy) {
            C = LoadCursorA(GetModuleHandleA(nullptr), "DRAGCOPY");
            if (!C) C = Screen->Cursors(crDrag);
        } else
            C = Screen->Cursors(crDrag);
    }
    FShownCursor = C;
    ::SetCursor(C ? C : Screen->Cursors(Cursor()));
}

void TQuillMemo::SelectWordAt(int32_t Pos, int32_t* Start, int32_t* End) {
    auto Sep = [this](char C) { return SeparatorSet()[static_cast<unsigned char>(C)]; };
    auto IsEnd = [](char C) { return C == '\r' || C == '\n' || C == 0; };
    int32_t S = Pos;
    while (S > 0 && Sep(CharAt(S))) --S;
    while (S > 0 && !Sep(CharAt(S - 1)) && !IsEnd(CharAt(S - 1))) --S;
    int32_t E = Pos;
    while (E < CharCount() && !Sep(CharAt(E)) && !IsEnd(CharAt(E))) ++E;
    if (HasOption(pmoLargeWordSelect))
        while (E < CharCount() && Sep(CharAt(E))) ++E;
    *Start = S;
    *End = std::max(E, S);
}

void TQuillMemo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQuillMemoBase::MouseDown(Button, Shift, X, Y);
    // A drag shows its drop place with the system's caret.
    EndTypingCaret();
    if (Button != mbLeft || FUpdateCount > 0) return;
    FClickX = X;
    FClickY = Y;
    FClickPos = PositionAt(X, Y);
    FRememberedX = -1;
    // The press of a double click: the word selection follows in DblClick.
    if (FDisplayOnly || Shift.Contains(ssDouble)) return;
    if (FDragPossible && FSelLength != 0 && FClickPos >= SelStartNav()->Pos && FClickPos <= SelEndNav()->Pos) {
        FDragging = true;
        FDragCopy = Shift.Contains(ssCtrl);
        FDropPos = FClickPos;
        ChangeCursor(nullptr);
        return;
    }
    if (CanFocus() && !Focused()) SetFocus();
    int32_t Line = 0;
    PositionAt(X, Y, &Line);
    int32_t Virt = 0;
    int32_t Pos = FClickPos;
    bool AtEnd = false;
    if (Line < FLineCount && FClickPos < CharCount()) Pos = LineAtX(Line, X, &Virt, &AtEnd);
    MoveCaret(Pos, Shift.Contains(ssShift), false, AtEnd);
    if (Virt > 0 && !Shift.Contains(ssShift)) {
        FVirtualColumns = Virt;
        UpdateCaret();
    }
    FMouseSelecting = true;
    FWordSelect = false;
}

void TQuillMemo::DblClick() {
    TQuillMemoBase::DblClick();
    if (FDisplayOnly || FUpdateCount > 0) return;
    int32_t S = 0, E = 0;
    SelectWordAt(FClickPos >= 0 ? FClickPos : Caret()->Pos, &S, &E);
    InvalidateSelection();
    SetSelStart(S);
    SetSelLength(E - S);
    FWordSelect = true;
    FWordAnchorStart = S;
    FWordAnchorEnd = E;
    FMouseSelecting = true;
    UpdateCaret();
}

void TQuillMemo::ExtendMouseSelection(int X, int Y) {
    int32_t H = ClientHeight();
    int32_t Pos = PositionAt(X, std::clamp(Y, 0, std::max(H - 1, 0)));
    if (!FWordSelect) {
        MoveCaret(Pos, true);
        return;
    }
    int32_t S = 0, E = 0;
    SelectWordAt(Pos, &S, &E);
    int32_t Anchor = Pos < FWordAnchorStart ? FWordAnchorEnd : FWordAnchorStart;
    int32_t To = Pos < FWordAnchorStart ? S : std::max(E, FWordAnchorEnd);
    int32_t Old = Caret()->Pos;
    TQuillNavigator A(this), B(this);
    A.SetPos(std::min({Old, To, Anchor}));
    B.SetPos(std::max({Old, To, Anchor, Old + FSelLength}));
    SetSelStart(To);
    SetSelLength(Anchor - To);
    InvalidateLines(A.GetLineNb(), B.GetLineNb());
    ScrollCaretIntoView();
    UpdateCaret();
    UpdateWindow(FHandle);
}

void TQuillMemo::MouseMove(TShiftState Shift, int X, int Y) {
    TQuillMemoBase::MouseMove(Shift, X, Y);
    FMouseX = X;
    FMouseY = Y;
    if (FUpdateCount > 0 || !HandleAllocated()) return;
    int32_t W = ClientWidth(), H = ClientHeight();
    if (!Shift.Contains(ssLeft) && !FDragging) {
        FMouseSelecting = false;
        int32_t Pos = PositionAt(X, std::clamp(Y, 0, std::max(H - 1, 0)));
        bool OverSel = FSelLength != 0 && Pos >= SelStartNav()->Pos && Pos < SelEndNav()->Pos;
        FDragPossible = OverSel && !FReadOnly && !FDisplayOnly && !HasOption(pmoNoDragnDrop);
        if (FDragPossible) {
            ChangeCursor(Screen->Cursors(crArrow));
            return;
        }
        const TFormatStop& S = StopAt(Pos);
        if (IsHighlightingStop(S) && S.Cursor != 0)
            ChangeCursor(Screen->Cursors(S.Cursor));
        else if (FShownCursor)
            ChangeCursor(nullptr);
        return;
    }
    // Beyond an edge the view scrolls from the timer.
    bool Edge = Y < -3 || Y >= H || X < 0 || X >= W;
    if (FDragging) Edge = Y < DragEdge || Y >= H - DragEdge || X < DragEdge || X >= W - DragEdge;
    if (Edge && !FAutoScrolling && (FDragging || FMouseSelecting)) {
        FAutoScrolling = true;
        SetTimer(FHandle, QuillAutoScrollTimer, 1, nullptr);
    }
    if (FDragging) {
        FDropPos = PositionAt(X, std::clamp(Y, 0, std::max(H - 1, 0)));
        TQuillNavigator N(this);
        N.SetPos(FDropPos);
        int32_t P = N.LocatePar();
        if (FHasCaret) {
            SetCaretPos(ColumnToX(*N.Par, P, N.GetColumn(), N.GetLineInPar()), LineToPixel(N.GetLineNb() - TopLine()));
            FCaretAtX = -1;
        }
        ChangeCursor(nullptr);
        return;
    }
    if (FMouseSelecting && !FDisplayOnly) ExtendMouseSelection(X, Y);
}

void TQuillMemo::StopAutoScroll() {
    if (FAutoScrolling && HandleAllocated()) KillTimer(FHandle, QuillAutoScrollTimer);
    FAutoScrolling = false;
}

void TQuillMemo::AutoScrollTick() {
    if (!FAutoScrolling || !HandleAllocated()) return;
    KillTimer(FHandle, QuillAutoScrollTimer);
    if (!FDragging && !FMouseSelecting) {
        FAutoScrolling = false;
        return;
    }
    int32_t W = ClientWidth(), H = ClientHeight();
    int Zone = FDragging ? DragEdge : 0;
    int X = FMouseX, Y = FMouseY;
    int Dist = 0;
    if (Y < (FDragging ? Zone : -3) && !(FDragging && (X < -3 || X > W + 3))) {
        Dist = (FDragging ? Zone - Y : -Y);
        Perform(WM_VSCROLL, SB_LINEUP, 0);
        Y = -3 * std::max(Dist / 3, 1);
    } else if (Y >= H - Zone && !(FDragging && (X < -3 || X > W + 3))) {
        Dist = Y - (H - Zone) + (FDragging ? 0 : 1);
        Perform(WM_VSCROLL, SB_LINEDOWN, 0);
        Y = H + 3 * std::max(Dist / 3, 1);
    } else if (X < Zone) {
        Dist = Zone - X;
        Perform(WM_HSCROLL, SB_LINELEFT, 0);
    } else if (X >= W - Zone) {
        Dist = X - (W - Zone) + 1;
        Perform(WM_HSCROLL, SB_LINERIGHT, 0);
    } else {
        FAutoScrolling = false;
        return;
    }
    int Speed = Dist / 3;
    if (FDragging)
        FDropPos = PositionAt(std::clamp(X, 0, std::max(W - 1, 0)), std::clamp(Y, 0, std::max(H - 1, 0)));
    else
        ExtendMouseSelection(X, Y);
    UINT Delay = Speed >= 1 && Speed <= 7 ? StepDelays[Speed] : (Speed < 1 ? StepDelays[0] : USER_TIMER_MINIMUM);
    SetTimer(FHandle, QuillAutoScrollTimer, Delay, nullptr);
}

void TQuillMemo::DropSelection(int32_t At, bool Copy) {
    int32_t SS = SelStartNav()->Pos, SE = SelEndNav()->Pos;
    if (At >= SS && At <= SE) {
        // Dropped onto itself: the drag ends as a plain click.
        MoveCaret(At, false);
        return;
    }
    std::string Text = GetSelText();
    InvalidateSelection();
    int32_t Dest = At;
    if (!Copy) {
        DeleteRange(SS, SE);
        if (At > SE) Dest = At - (SE - SS);
    }
    int32_t Records = FDoc->UndoIndex();
    SetSelStart(Dest);
    SetSelText(Text);
    // The deletion and the insertion undo as one step.
    int32_t Now = FDoc->UndoIndex();
    if (!Copy && Now == Records + 1 && Now >= 2) FDoc->UndoRecord(Now - 1).Link = true;
    int32_t End = Caret()->Pos;
    SetSelStart(Dest);
    SetSelLength(End - Dest);
    ScrollCaretIntoView();
    UpdateCaret();
}

TFormatStop TQuillMemo::StopAt(int32_t Pos, int32_t* RegionStart, int32_t* RegionEnd) {
    TQuillNavigator N(this);
    N.SetPos(std::clamp(Pos, 0, CharCount()));
    int32_t P = N.LocatePar();
    TParagraph& Par = Paragraph(P);
    int32_t Idx = 0;
    while (Idx < Par.StopCount && Par.StopOffset(Idx) <= N.ParOffset) ++Idx;
    const TFormatStop& S = Idx > 0 ? Par.Stop(Idx - 1) : *Par.StartContext;
    if (RegionStart) {
        int32_t Start = 0;
        if (Idx > 0)
            Start = ParagraphStart(P) + Par.StopOffset(Idx - 1);
        else
            for (int32_t k = P - 1; k >= 0; --k)
                if (Paragraph(k).StopCount > 0) {
                    TParagraph& Q = Paragraph(k);
                    Start = ParagraphStart(k) + Q.StopOffset(Q.StopCount - 1);
                    break;
                }
        *RegionStart = Start;
    }
    if (RegionEnd) {
        int32_t End = CharCount();
        if (Idx < Par.StopCount)
            End = ParagraphStart(P) + Par.StopOffset(Idx);
        else
            for (int32_t k = P + 1; k < ParagraphCount(); ++k)
                if (Paragraph(k).StopCount > 0) {
                    End = ParagraphStart(k) + Paragraph(k).StopOffset(0);
                    break;
                }
        *RegionEnd = End;
    }
    return S;
}

void TQuillMemo::ContextClick(int32_t Pos) {
    int32_t Start = 0, End = 0;
    const TFormatStop S = StopAt(Pos, &Start, &End);
    if (!IsHighlightingStop(S) || S.Context == 0) return;
    if ((!FAttached.empty() || Highlighter()) && HandleAllocated()) {
        std::string Text = GetTextRange(Start, End);
        // Only ever sent: the string lives for the length of the call.
        SendMessageA(FHandle, QM_CONTEXTCLICK, static_cast<WPARAM>(S.Context), reinterpret_cast<LPARAM>(&Text));
        if (Highlighter()) static_cast<TComponent*>(Highlighter())->Notification(this, static_cast<TOperation>(QuillRelayOperation));
    }
    if (OnContext) OnContext(this, S.Context, Start, End);
}

void TQuillMemo::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TQuillMemoBase::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    StopAutoScroll();
    if (FDragging) {
        FDragging = false;
        bool Inside = X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight();
        ChangeCursor(nullptr);
        if (Inside) DropSelection(PositionAt(X, Y), FDragCopy || Shift.Contains(ssCtrl));
        UpdateCaret();
        return;
    }
    bool WasSelecting = FMouseSelecting;
    FMouseSelecting = false;
    FWordSelect = false;
    if ((WasSelecting || FDisplayOnly) && X == FClickX && Y == FClickY && FClickPos >= 0) ContextClick(FClickPos);
}
