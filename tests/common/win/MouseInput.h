#pragma once
// The mouse as a person uses it: the pointer moved and the buttons pressed
// through the system's input queue, so that the windows under the pointer
// get the real messages (capture, hit testing and message positions
// included).
#include "framework/controls/Controls.h"
#include "framework/rtl/win/WinApi.h"
#include "tests/common/win/Pump.h"

inline void SendMouseInput(INPUT In) {
    SendInput(1, &In, sizeof(INPUT));
    Pump();
}

inline void MouseTo(TPoint Screen) {
    INPUT In{};
    In.type = INPUT_MOUSE;
    In.mi.dx = Screen.X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    In.mi.dy = Screen.Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    In.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendMouseInput(In);
}

// MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, ...
inline void MouseButton(DWORD Flags) {
    INPUT In{};
    In.type = INPUT_MOUSE;
    In.mi.dwFlags = Flags;
    SendMouseInput(In);
}

// A button message with modifier flags, posted to the window under the
// point as the input queue would (the pointer is moved there first, so the
// message position is right). Modifier keys injected as input do not reach
// the mouse flags under the X server, hence posted.
inline void PostButton(TPoint P, UINT Msg, WPARAM Keys) {
    MouseTo(P);
    HWND W = WindowFromPoint({P.X, P.Y});
    POINT C{P.X, P.Y};
    ScreenToClient(W, &C);
    PostMessageA(W, Msg, Keys, MAKELPARAM(C.x, C.y));
    Pump();
}

inline void ClickWith(TPoint P, WPARAM Keys) {
    PostButton(P, WM_LBUTTONDOWN, MK_LBUTTON | Keys);
    PostButton(P, WM_LBUTTONUP, Keys);
}

// A point of a control's client area on the screen.
inline TPoint At(TControl* C, int X, int Y) { return C->ClientToScreen({X, Y}); }

inline void Click(TPoint P) {
    MouseTo(P);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
}

inline void Drag(TPoint From, TPoint To) {
    MouseTo(From);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseTo({(From.X + To.X) / 2, (From.Y + To.Y) / 2});
    MouseTo(To);
    MouseButton(MOUSEEVENTF_LEFTUP);
}
