#include "framework/forms/StayOnTopWindows.h"

#include <vector>

void RaiseStayOnTopWindows(HWND Shown) {
    if (GetWindowLongA(Shown, GWL_EXSTYLE) & WS_EX_TOPMOST) return;
    std::vector<HWND> Above;  // top first, as the system orders them
    const DWORD Thread = GetCurrentThreadId();
    for (HWND W = GetTopWindow(nullptr); W; W = GetWindow(W, GW_HWNDNEXT)) {
        if (!(GetWindowLongA(W, GWL_EXSTYLE) & WS_EX_TOPMOST)) break;  // the topmost ones come first
        if (W != Shown && IsWindowVisible(W) && GetWindowThreadProcessId(W, nullptr) == Thread) Above.push_back(W);
    }
    for (auto W = Above.rbegin(); W != Above.rend(); ++W)
        SetWindowPos(*W, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
