#include "docking/win/DragOutline.h"

namespace {

void DispatchPendingPaints() {
    MSG Msg{};
    while (PeekMessageA(&Msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&Msg);
}

}  // namespace

TDesktopOutline::TDesktopOutline(HWND CaptureWnd, bool Clip, const TRect& ClipArea) : FWnd(CaptureWnd) {
    DispatchPendingPaints();
    HWND Desktop = GetDesktopWindow();
    FLocked = LockWindowUpdate(Desktop) != FALSE;
    FDC = GetDCEx(Desktop, nullptr, DCX_WINDOW | DCX_CACHE | (FLocked ? DCX_LOCKWINDOWUPDATE : 0));
    // 8 x 8 checker: every other pixel inverted.
    static const WORD Bits[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    FPattern = CreateBitmap(8, 8, 1, 1, Bits);
    FBrush = CreatePatternBrush(FPattern);
    SetCapture(FWnd);
    if (Clip) {
        const RECT R{ClipArea.Left, ClipArea.Top, ClipArea.Right, ClipArea.Bottom};
        FClipped = ClipCursor(&R) != FALSE;
    }
}

TDesktopOutline::~TDesktopOutline() {
    Hide();
    if (GetCapture() == FWnd) ReleaseCapture();
    if (FClipped) ClipCursor(nullptr);
    if (FDC) ReleaseDC(GetDesktopWindow(), FDC);
    if (FLocked) LockWindowUpdate(nullptr);
    if (FBrush) DeleteObject(FBrush);
    if (FPattern) DeleteObject(FPattern);
}

void TDesktopOutline::Invert(const TRect& R, int T) {
    if (!FDC || R.IsEmpty() || T <= 0) return;
    HGDIOBJ Old = SelectObject(FDC, FBrush);
    const int W = R.Width(), H = R.Height();
    PatBlt(FDC, R.Left, R.Top, W, T, PATINVERT);
    PatBlt(FDC, R.Left, R.Bottom - T, W, T, PATINVERT);
    PatBlt(FDC, R.Left, R.Top + T, T, H - 2 * T, PATINVERT);
    PatBlt(FDC, R.Right - T, R.Top + T, T, H - 2 * T, PATINVERT);
    SelectObject(FDC, Old);
}

void TDesktopOutline::Show(const TRect& R, int Thickness) {
    if (R == FShown && Thickness == FThickness) return;
    Invert(FShown, FThickness);
    FShown = R;
    FThickness = Thickness;
    Invert(FShown, FThickness);
}
