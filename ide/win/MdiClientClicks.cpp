#include "ide/win/MdiClientClicks.h"

#include <cstdlib>

#include "framework/controls/Controls.h"

namespace {
const char* const WatcherProp = "QrnMdiClientClicks";
}  // namespace

void TMdiClientClicks::Watch(HWND Client) {
    if (Client == FClient) return;
    Unwatch();
    if (!Client) return;
    FClient = Client;
    SetPropA(Client, WatcherProp, this);
    FOldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMdiClientClicks::ClientProc)));
}

void TMdiClientClicks::Unwatch() {
    if (!FClient) return;
    if (IsWindow(FClient)) {
        SetWindowLongPtrA(FClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
        RemovePropA(FClient, WatcherProp);
    }
    FClient = nullptr;
    FOldProc = nullptr;
    FArmed = false;
}

bool TMdiClientClicks::IsSecondPress(LPARAM LParam) {
    const POINT P{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
    const DWORD Now = static_cast<DWORD>(GetMessageTime());
    const bool Second = FArmed && Now - FLastDownTime <= GetDoubleClickTime() &&
                        std::abs(P.x - FLastDown.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                        std::abs(P.y - FLastDown.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    FArmed = !Second;
    FLastDownTime = Now;
    FLastDown = P;
    return Second;
}

LRESULT CALLBACK TMdiClientClicks::ClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = static_cast<TMdiClientClicks*>(GetPropA(Wnd, WatcherProp));
    if (!Self) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    const WNDPROC Old = Self->FOldProc;
    try {
        bool Double = false;
        if (Msg == WM_LBUTTONDBLCLK) {
            Self->FArmed = false;
            Double = true;
        } else if (Msg == WM_LBUTTONDOWN) {
            Double = Self->IsSecondPress(LParam);
        }
        if (Double && Self->FOnDoubleClick) Self->FOnDoubleClick();
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    if (Msg == WM_NCDESTROY) Self->Unwatch();
    return CallWindowProcA(Old, Wnd, Msg, WParam, LParam);
}
