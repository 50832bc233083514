#pragma once
// Double clicks on the empty area of an MDI frame's client window. The
// system's MDI client class does not ask for double clicks everywhere, so
// two presses within the system's double-click time and rectangle count
// as one too.
#include <functional>

#include "framework/rtl/win/WinApi.h"

class TMdiClientClicks {
public:
    explicit TMdiClientClicks(std::function<void()> OnDoubleClick) : FOnDoubleClick(std::move(OnDoubleClick)) {}
    ~TMdiClientClicks() { Unwatch(); }
    TMdiClientClicks(const TMdiClientClicks&) = delete;
    TMdiClientClicks& operator=(const TMdiClientClicks&) = delete;

    // Subclasses Client (a new client window replaces the old one) until
    // it is destroyed or this object goes.
    void Watch(HWND Client);

private:
    static LRESULT CALLBACK ClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    void Unwatch();
    bool IsSecondPress(LPARAM LParam);

    std::function<void()> FOnDoubleClick;
    HWND FClient = nullptr;
    WNDPROC FOldProc = nullptr;
    DWORD FLastDownTime = 0;
    POINT FLastDown{};
    bool FArmed = false;  // a first press waits for its second
};
