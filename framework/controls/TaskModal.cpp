#include "framework/controls/TaskModal.h"

TTaskWindowsDisabled::TTaskWindowsDisabled(HWND Except) : FExcept(Except) {
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(this));
}

TTaskWindowsDisabled::~TTaskWindowsDisabled() {
    for (HWND W : FDisabled)
        if (IsWindow(W)) EnableWindow(W, TRUE);
}

BOOL CALLBACK TTaskWindowsDisabled::DisableOne(HWND Wnd, LPARAM Data) {
    auto* Self = reinterpret_cast<TTaskWindowsDisabled*>(Data);
    if (Wnd != Self->FExcept && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) {
        Self->FDisabled.push_back(Wnd);
        EnableWindow(Wnd, FALSE);
    }
    return TRUE;
}
