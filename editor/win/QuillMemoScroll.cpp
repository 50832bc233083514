// Scroll bars of 32,760 units at most, scrolling the view and keeping the
// window, the caret and attached controls in step.
#include <algorithm>
#include <iterator>

#include "editor/win/QuillMemo.h"
#include "editor/win/ScrollBarShaft.h"

namespace {
constexpr int64_t MaxUnits = 32760;

bool SameScrollInfo(const SCROLLINFO& A, const SCROLLINFO& B) {
    return A.fMask == B.fMask && A.nMax == B.nMax && A.nPage == B.nPage && A.nPos == B.nPos;
}

bool SameLook(const SCROLLBARINFO& A, const SCROLLBARINFO& B) {
    return EqualRect(&A.rcScrollBar, &B.rcScrollBar) && A.xyThumbTop == B.xyThumbTop &&
           A.xyThumbBottom == B.xyThumbBottom && std::equal(std::begin(A.rgstate), std::end(A.rgstate), B.rgstate);
}

// Drawing a whole scroll bar can take milliseconds (a themed bar under Wine
// takes 6-13), and in a long text a keystroke moves the thumb by no pixel:
// the values are set without drawing, a thumb that moved is drawn at once
// with its tracks, and the bar is painted again by the system, with the
// window, only when more of it looks different.
void SetScrollInfoQuietly(HWND Wnd, TScrollBarTheme& Theme, int Bar, const SCROLLINFO& Info) {
    const LONG Object = Bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL;
    SCROLLBARINFO Before{}, After{};
    Before.cbSize = After.cbSize = sizeof(SCROLLBARINFO);
    if (!GetScrollBarInfo(Wnd, Object, &Before)) {
        SetScrollInfo(Wnd, Bar, &Info, TRUE);
        return;
    }
    SetScrollInfo(Wnd, Bar, &Info, FALSE);
    const bool Known = GetScrollBarInfo(Wnd, Object, &After);
    if (Known && (SameLook(Before, After) || DrawScrollBarShaft(Wnd, Theme, Bar, Before, After))) return;
    // The bar lies in the frame, outside the client area.
    RECT R = After.rcScrollBar;
    MapWindowPoints(nullptr, Wnd, reinterpret_cast<POINT*>(&R), 2);
    RedrawWindow(Wnd, Known ? &R : nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}
}  // namespace

void TQuillMemo::UpdateScrollBars() {
    if (!HandleAllocated() || FInScrollUpdate) return;
    FInScrollUpdate = true;
    struct TReset {
        bool& B;
        ~TReset() { B = false; }
    } Reset{FInScrollUpdate};
    // A bar shown or hidden resizes the client area, and with it the other
    // bar's page: the bars are set once more for the new size.
    for (int Pass = 0; Pass < 2; ++Pass) {
        const int32_t ClientW = ClientWidth(), ClientH = ClientHeight();
        SetScrollBarValues(ClientW, ClientH);
        if (ClientWidth() == ClientW && ClientHeight() == ClientH) break;
    }
    // Showing or hiding a bar leaves the window's size as it was: nothing
    // else tells the layout that the client's width changed.
    if (FLastClientWidth >= 0 && ClientWidth() != FLastClientWidth) {
        FWidthCheckDue = true;
        InvalidateClient(nullptr);
    }
}

void TQuillMemo::SetScrollBarValues(int32_t ClientW, int32_t ClientH) {
    int32_t LH = std::max(FLineHeightPx, 1);
    // Until its first paint the window is still being placed, and each move
    // or size draws its frame again: the bars show no text till then (a
    // shown bar takes about 7 ms to draw under Wine, and the IDE's start
    // sizes the code window a dozen times).
    const bool Shown = FPaintedOnce;
    int64_t Total = Shown ? static_cast<int64_t>(FLineCount) * LH : 0;
    FVUnit = static_cast<int32_t>(Total / MaxUnits + 1);
    SCROLLINFO V{};
    V.cbSize = sizeof(V);
    V.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (HasOption(pmoAutoScrollBars) ? 0 : SIF_DISABLENOSCROLL);
    V.nMax = static_cast<int>(Total / FVUnit);
    V.nPage = static_cast<UINT>(std::max<int64_t>((ClientH - LH) / FVUnit, 0));
    if (!HasOption(pmoAutoScrollBars) && Total <= ClientH) V.nMax += 1;
    V.nPos = Shown ? FScrollY / FVUnit : 0;
    // A bar that is off is never touched: setting a range would show it.
    // Unchanged values are not set again (each call redraws the bar).
    if ((FScrollBars == ssVertical || FScrollBars == ssBoth) && !SameScrollInfo(FLastV, V)) {
        SetScrollInfoQuietly(FHandle, FScrollTheme, SB_VERT, V);
        FLastV = V;
    }

    int32_t Margins = FLeftMargin + FRightMargin;
    int64_t Width = Shown ? static_cast<int64_t>(FMaxWidth) + Margins : 0;
    FHUnit = static_cast<int32_t>(Width / MaxUnits + 1);
    SCROLLINFO H{};
    H.cbSize = sizeof(H);
    H.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (HasOption(pmoAutoScrollBars) ? 0 : SIF_DISABLENOSCROLL);
    int64_t Page = std::max(ClientW - Margins, 0);
    H.nMax = (FAlignment != qaLeftJustify) ? static_cast<int>(Page / FHUnit) : static_cast<int>(Width / FHUnit);
    H.nPage = static_cast<UINT>(Page / FHUnit);
    if (Shown && Width <= Page && FScrollX != 0) ScrollTo(FScrollY, 0);
    H.nPos = Shown ? FScrollX / FHUnit : 0;
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !SameScrollInfo(FLastH, H)) {
        SetScrollInfoQuietly(FHandle, FScrollTheme, SB_HORZ, H);
        FLastH = H;
    }
}

void TQuillMemo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TQuillMemoBase::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!HandleAllocated() || FInScrollUpdate) return;
    ClientWidthChanged();
    UpdateScrollBars();
}

void TQuillMemo::ClientWidthChanged() {
    FWidthCheckDue = false;
    int32_t W = ClientWidth();
    if (W != FLastClientWidth) {
        bool First = FLastClientWidth < 0;
        FLastClientWidth = W;
        if (W > FLineBitmapWidth || W < FLineBitmapWidth) MakeLineBitmap();
        if (!First && (FWordWrap || FAlignment != qaLeftJustify || FJustified)) {
            StartFullFormat();
            InvalidateClient(nullptr);
        }
    }
}

void TQuillMemo::InvalidateLines(int32_t First, int32_t Last) {
    if (!HandleAllocated()) return;
    if (First > Last) std::swap(First, Last);
    int32_t Top = TopLine();
    int32_t H = ClientHeight();
    int32_t Y1 = First < Top ? 0 : LineToPixel(First - Top);
    int32_t Y2 = Last - Top > VisibleLines() ? H : LineToPixel(Last - Top) + FLineHeightPx;
    if (Y2 <= 0 || Y1 >= H) return;
    RECT R{0, std::max(Y1, 0), ClientWidth(), std::min(Y2, H)};
    InvalidateClient(&R);
}

void TQuillMemo::InvalidateClient(const RECT* R) {
    FPaintDue = true;
    if (FTypedPaint && R) {
        UnionRect(&FTypedRect, &FTypedRect, R);
        return;
    }
    InvalidateRect(FHandle, R, FALSE);
    FSystemDue = true;
}

void TQuillMemo::HandOverTypedRect() {
    if (IsRectEmpty(&FTypedRect)) return;
    InvalidateRect(FHandle, &FTypedRect, FALSE);
    FTypedRect = RECT{};
    FSystemDue = true;
}

// A typed key's lines are painted through the window's own DC when the
// system holds nothing of the editor's to paint: BeginPaint and EndPaint ask
// the server for the update and visible regions and hide and show the
// system's caret, round trips that were most of a key's time under Wine.
bool TQuillMemo::CanPaintTyped() const {
    return FTypedPaint && !FSystemDue && FUpdateCount == 0 && !FPainting && FLineDC && FPaintedOnce &&
           !FWidthCheckDue && FLastClientWidth >= 0;
}

void TQuillMemo::PaintDue() {
    if (!HandleAllocated()) return;
    if (!IsRectEmpty(&FTypedRect) && CanPaintTyped()) {
        const RECT R = FTypedRect;
        FTypedRect = RECT{};
        BeginTypingCaret();
        HDC DC = GetDC(FHandle);
        EraseTypingCaret(DC);
        try {
            Paint(DC, R);
        } catch (...) {
            ReleaseDC(FHandle, DC);
            InvalidateClient(nullptr);
            throw;
        }
        PlaceDueCaret();
        DrawTypingCaret(DC);
        ReleaseDC(FHandle, DC);
        FPaintDue = false;
        return;
    }
    HandOverTypedRect();
    // What the editor invalidated is painted without asking the system
    // first whether anything is invalid (two round trips under Wine).
    if (FPaintDue)
        Perform(WM_PAINT, 0, 0);
    else
        UpdateWindow(FHandle);
}

void TQuillMemo::MoveLinesBelow(int32_t OldFirst, int32_t Delta) {
    if (!HandleAllocated() || Delta == 0 || FLineHeightPx <= 0) return;
    // The caret's pixels would move with the lines.
    EraseTypingCaret(nullptr);
    int32_t H = ClientHeight();
    int64_t Y = static_cast<int64_t>(OldFirst - TopLine()) * FLineHeightPx - FScrollY % FLineHeightPx;
    int64_t DY = static_cast<int64_t>(Delta) * FLineHeightPx;
    if (Y >= H) return;
    RECT R{0, static_cast<LONG>(std::max<int64_t>(Y, 0)), ClientWidth(), H};
    // Lines that start above the view, or a move as tall as what is left,
    // leave nothing worth moving.
    if (Y < 0 || std::abs(DY) >= H - Y) {
        InvalidateClient(&R);
        return;
    }
    // Lines moving up land above R: the clip takes in where they land.
    RECT Clip{0, static_cast<LONG>(std::max<int64_t>(Y + std::min<int64_t>(DY, 0), 0)), R.right, H};
    FPaintDue = true;
    FCaretAtX = -1;  // the system may move the caret with the pixels
    if (CanPaintTyped()) {
        // A typed Enter moves the pixels in the window's own DC and paints
        // what they uncover with its lines.
        ScrollTypedPixels(0, static_cast<int>(DY), R, Clip);
        return;
    }
    // The system moves its update region with the pixels: what is to be
    // painted goes to it first.
    HandOverTypedRect();
    ScrollWindowEx(FHandle, 0, static_cast<int>(DY), &R, &Clip, nullptr, nullptr, SW_INVALIDATE);
    FSystemDue = true;
}

// The system's caret must not be on the pixels that move; what was to be
// painted in the moved part moves with them.
void TQuillMemo::ScrollTypedPixels(int DX, int DY, const RECT& R, const RECT& Clip) {
    BeginTypingCaret();
    RECT Moved{};
    if (IntersectRect(&Moved, &FTypedRect, &R)) {
        OffsetRect(&Moved, DX, DY);
        if (IntersectRect(&Moved, &Moved, &Clip)) UnionRect(&FTypedRect, &FTypedRect, &Moved);
    }
    HDC DC = GetDC(FHandle);
    HRGN Uncovered = CreateRectRgn(0, 0, 0, 0);
    ScrollDC(DC, DX, DY, &R, &Clip, Uncovered, nullptr);
    ReleaseDC(FHandle, DC);
    RECT Box{};
    GetRgnBox(Uncovered, &Box);
    DeleteObject(Uncovered);
    UnionRect(&FTypedRect, &FTypedRect, &Box);
}

void TQuillMemo::ViewScrolled(int32_t OldY, int32_t OldX) {
    if (!HandleAllocated()) return;
    int32_t DY = OldY - FScrollY, DX = OldX - FScrollX;
    if (DX != 0 || DY != 0) {
        EraseTypingCaret(nullptr);
        FCaretAtX = -1;  // scrolling the window moves the caret with it
        RECT R{};
        GetClientRect(FHandle, &R);
        // A move that keeps less than half of the pixels (Page Down keeps
        // one line) paints all again: moving the few it keeps (ScrollWindow,
        // under Wine 0.5-1 ms) costs more than painting their lines.
        const bool Far = std::abs(DY) * 2 > R.bottom || std::abs(DX) * 2 > R.right;
        if (CanPaintTyped()) {
            // A typed key that moves the view (to a caret far away, or by
            // the line an Enter adds at the bottom) paints what it uncovers
            // with its lines: ScrollWindow and the system's paint that
            // follows are round trips to the window server under Wine.
            FPaintDue = true;
            if (Far)
                FTypedRect = R;
            else
                ScrollTypedPixels(DX, DY, R, R);
        } else if (Far) {
            HandOverTypedRect();
            InvalidateClient(nullptr);
        } else {
            HandOverTypedRect();
            ScrollWindow(FHandle, DX, DY, nullptr, &R);
            FPaintDue = FSystemDue = true;
        }
    }
    if (!FInScrollUpdate && FPaintedOnce) {
        int VPos = FScrollY / std::max(FVUnit, 1), HPos = FScrollX / std::max(FHUnit, 1);
        SCROLLINFO Pos{};
        Pos.cbSize = sizeof(Pos);
        Pos.fMask = SIF_POS;
        if ((FScrollBars == ssVertical || FScrollBars == ssBoth) && VPos != FLastV.nPos) {
            Pos.nPos = FLastV.nPos = VPos;
            SetScrollInfoQuietly(FHandle, FScrollTheme, SB_VERT, Pos);
        }
        if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && HPos != FLastH.nPos) {
            Pos.nPos = FLastH.nPos = HPos;
            SetScrollInfoQuietly(FHandle, FScrollTheme, SB_HORZ, Pos);
        }
    }
    if (FHasCaret || (FDisplayOnly && GetFocus() == FHandle)) UpdateCaret();
    if (DY != 0) {
        if (!FAttached.empty()) SendMessageA(FHandle, QM_VSCROLLED, 0, 0);
        if (OnVScroll) OnVScroll(this);
    }
}

void TQuillMemo::VScroll(int Code) {
    if (FUpdateCount > 0 || FLineHeightPx <= 0) return;
    int32_t LH = FLineHeightPx;
    int32_t Top = TopLine();
    int32_t Vis = VisibleLines();
    int32_t Y = FScrollY;
    int32_t Bottom = std::max(FLineCount - Vis + 2, 0);
    switch (Code) {
        case SB_LINEUP: Y = (Y % LH) ? Y - Y % LH : Y - LH; break;
        case SB_LINEDOWN:
            if (Top < FLineCount - Vis + 2) Y += LH;
            break;
        case SB_PAGEUP:
            Y -= std::max(Vis - 2, 1) * LH;
            EnsureLinesLaidOut(std::max(Y / LH, 0), Top);
            break;
        case SB_PAGEDOWN:
            EnsureLinesLaidOut(Top, Top + 2 * Vis);
            Bottom = std::max(FLineCount - VisibleLines() + 2, 0);
            Y = std::min<int64_t>(static_cast<int64_t>(Y) + std::max(Vis - 1, 1) * LH, static_cast<int64_t>(Bottom) * LH);
            Y = std::max(Y, FScrollY);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            Y = ScrollTrackPos(FHandle, SB_VERT, 0) * FVUnit;
            if (HasOption(pmoNoFineScroll)) Y = Y / LH * LH;
            break;
        case SB_TOP: Y = 0; break;
        case SB_BOTTOM: Y = Bottom * LH; break;
        default: return;
    }
    ScrollTo(std::max(Y, 0), FScrollX);
    EnsureLinesLaidOut(TopLine(), TopLine() + VisibleLines());
    UpdateWindow(FHandle);
}

void TQuillMemo::HScroll(int Code) {
    if (FUpdateCount > 0) return;
    int32_t W = ClientWidth();
    int32_t X = FScrollX;
    switch (Code) {
        case SB_LINELEFT: X -= W / 20 + 1; break;
        case SB_LINERIGHT: X += W / 20 + 1; break;
        case SB_PAGELEFT: X -= W - W / 20; break;
        case SB_PAGERIGHT: X += W - W / 20; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            X = ScrollTrackPos(FHandle, SB_HORZ, 0) * FHUnit;
            break;
        case SB_LEFT: X = 0; break;
        default: return;
    }
    int64_t MaxX = std::max<int64_t>(static_cast<int64_t>(FMaxWidth) + FLeftMargin + FRightMargin - W, 0);
    ScrollTo(FScrollY, static_cast<int32_t>(std::clamp<int64_t>(X, 0, MaxX)));
    UpdateWindow(FHandle);
}
