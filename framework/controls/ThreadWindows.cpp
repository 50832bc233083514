#include "framework/controls/ThreadWindows.h"

namespace {

BOOL CALLBACK CollectThreadWindow(HWND Wnd, LPARAM List) {
    try {
        reinterpret_cast<std::vector<HWND>*>(List)->push_back(Wnd);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> Windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectThreadWindow, reinterpret_cast<LPARAM>(&Windows));
    return Windows;
}
