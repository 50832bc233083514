// Module clean-up, tracked hooks and hidden helper windows.
#include <algorithm>
#include <map>
#include <memory>

#include "framework/controls/Controls.h"

namespace {

std::vector<void (*)()>& Cleanups() {
    static std::vector<void (*)()> List;
    return List;
}

std::vector<HHOOK>& Hooks() {
    static std::vector<HHOOK> List;
    return List;
}

std::map<HWND, std::function<void(TMessage&)>>& HelperWindows() {
    static std::map<HWND, std::function<void(TMessage&)>> Map;
    return Map;
}

const char* const HelperClassName = "TPUtilWindow";

LRESULT CALLBACK HelperWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto& Map = HelperWindows();
    auto It = Map.find(Wnd);
    if (It == Map.end()) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    TMessage M{Msg, WParam, LParam, 0};
    try {
        // A copy: the method may deallocate its window.
        auto Method = It->second;
        Method(M);
        if (M.Result == 0 && Msg != WM_TIMER) M.Result = DefWindowProcA(Wnd, Msg, WParam, LParam);
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    return M.Result;
}

void DestroyHelpers() {
    auto Map = std::move(HelperWindows());
    HelperWindows().clear();
    for (auto& [Wnd, Method] : Map) DestroyWindow(Wnd);
    UnregisterClassA(HelperClassName, FrameworkInstance());
    for (HHOOK H : Hooks()) UnhookWindowsHookEx(H);
    Hooks().clear();
}

}  // namespace

void TouchFrameworkRegistries() {
    Cleanups();
    Hooks();
    HelperWindows();
    TWinControl::UnregisterWindowClasses();  // creates the class list (empty now)
}

void AddFrameworkCleanup(void (*Proc)()) {
    if (std::find(Cleanups().begin(), Cleanups().end(), Proc) == Cleanups().end()) Cleanups().push_back(Proc);
}

void RunFrameworkCleanups() {
    auto List = Cleanups();
    for (auto It = List.rbegin(); It != List.rend(); ++It) (*It)();
    DestroyHelpers();
}

HHOOK SetFrameworkHook(int IdHook, HOOKPROC Proc) {
    HHOOK H = SetWindowsHookExA(IdHook, Proc, nullptr, GetCurrentThreadId());
    if (H) Hooks().push_back(H);
    return H;
}

void RemoveFrameworkHook(HHOOK Hook) {
    auto& L = Hooks();
    auto It = std::find(L.begin(), L.end(), Hook);
    if (It == L.end()) return;
    L.erase(It);
    UnhookWindowsHookEx(Hook);
}

HWND AllocateHWnd(std::function<void(TMessage&)> Method) {
    WNDCLASSA C{};
    if (!GetClassInfoA(FrameworkInstance(), HelperClassName, &C)) {
        C = WNDCLASSA{};
        C.lpfnWndProc = HelperWndProc;
        C.hInstance = FrameworkInstance();
        C.lpszClassName = HelperClassName;
        RegisterClassA(&C);
    }
    // A message-only window: never shown, never in the window list.
    HWND Wnd = CreateWindowExA(0, HelperClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, FrameworkInstance(), nullptr);
    if (Wnd) HelperWindows()[Wnd] = std::move(Method);
    return Wnd;
}

void DeallocateHWnd(HWND Wnd) {
    if (HelperWindows().erase(Wnd)) DestroyWindow(Wnd);
}
