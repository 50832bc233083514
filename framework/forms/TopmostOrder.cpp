#include "framework/forms/TopmostOrder.h"

#include <vector>

#include "framework/controls/ThreadWindows.h"
#include "framework/rtl/win/WinApi.h"

namespace {

// Topmost and visible windows of this thread, the highest first.
std::vector<HWND> VisibleTopmostWindows() {
    const DWORD Thread = GetCurrentThreadId();
    std::vector<HWND> Result;
    for (HWND W = GetTopWindow(nullptr); W; W = GetWindow(W, GW_HWNDNEXT))
        if (GetWindowThreadProcessId(W, nullptr) == Thread && IsWindowVisible(W) &&
            (GetWindowLongPtrA(W, GWL_EXSTYLE) & WS_EX_TOPMOST))
            Result.push_back(W);
    return Result;
}

}  // namespace

void RestackStayOnTopWindows() {
    const std::vector<HWND> Topmost = VisibleTopmostWindows();
    if (Topmost.empty()) return;
    const std::vector<HWND> Windows = ThreadWindows();
    constexpr UINT Flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    for (auto It = Topmost.rbegin(); It != Topmost.rend(); ++It) {
        // A window's own popups are always moved in front of it, which
        // keeps it from being first, so they let go of it for the move
        // (their owner does not change their place in the order). Shown
        // ones stay above it only if they are restacked after it: those
        // that are not stay with it.
        std::vector<HWND> Owned;
        for (HWND W : Windows)
            if (GetWindow(W, GW_OWNER) == *It &&
                (!IsWindowVisible(W) || (GetWindowLongPtrA(W, GWL_EXSTYLE) & WS_EX_TOPMOST))) {
                Owned.push_back(W);
                SetWindowLongPtrA(W, GWLP_HWNDPARENT, 0);
            }
        SetWindowPos(*It, HWND_NOTOPMOST, 0, 0, 0, 0, Flags);
        SetWindowPos(*It, HWND_TOPMOST, 0, 0, 0, 0, Flags);
        for (HWND W : Owned) SetWindowLongPtrA(W, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(*It));
    }
}
