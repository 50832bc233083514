#pragma once
// The inverted outline the drag and resize loops draw on the locked
// desktop, and the guard that gives back capture, cursor clipping, the
// update lock and the device context on every way out of a loop.
#include "framework/rtl/win/WinApi.h"
#include "framework/classes/UiTypes.h"

class TDesktopOutline {
public:
    // Dispatches pending paints, locks the desktop against updates, takes
    // its device context and captures the mouse for CaptureWnd; with Clip
    // the cursor is kept inside ClipArea.
    TDesktopOutline(HWND CaptureWnd, bool Clip, const TRect& ClipArea);
    ~TDesktopOutline();
    TDesktopOutline(const TDesktopOutline&) = delete;
    TDesktopOutline& operator=(const TDesktopOutline&) = delete;

    // Moves the outline (an empty rectangle hides it).
    void Show(const TRect& R, int Thickness);
    void Hide() { Show({}, 0); }

private:
    void Invert(const TRect& R, int Thickness);
    HWND FWnd;
    HDC FDC = nullptr;
    HBRUSH FBrush = nullptr;
    HBITMAP FPattern = nullptr;
    bool FLocked = false;
    bool FClipped = false;
    TRect FShown;
    int FThickness = 0;
};
