#include "docking/win/QBarCmn.h"

#include "framework/controls/Controls.h"

namespace {

HHOOK HookHandles[ThreadHookCount] = {};

LRESULT CALLBACK CbtHook(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK GetMessageHook(int Code, WPARAM WParam, LPARAM LParam);

void WatchSentMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// The two sent messages the callbacks want reach the framework's windows,
// which show them to a watcher: that takes the place of a WH_CALLWNDPROC
// hook, which Wine runs at great cost for every message sent (0.16 ms each,
// a sixth of the IDE's start-up). The owning forms and the windows the
// application is activated through are all the framework's.
bool InstallHook(TThreadHook Hook) {
    if (Hook == thCallWndProc) {
        FrameworkMessageWatch = WatchSentMessage;
        return true;
    }
    // In hook order; the first is the watcher above.
    static constexpr int Ids[ThreadHookCount] = {0, WH_CBT, WH_GETMESSAGE};
    static constexpr HOOKPROC Procs[ThreadHookCount] = {nullptr, CbtHook, GetMessageHook};
    HookHandles[Hook] = SetFrameworkHook(Ids[Hook], Procs[Hook]);
    return HookHandles[Hook] != nullptr;
}

void RemoveHook(TThreadHook Hook) {
    if (Hook == thCallWndProc && FrameworkMessageWatch == WatchSentMessage) FrameworkMessageWatch = nullptr;
    if (HookHandles[Hook]) RemoveFrameworkHook(HookHandles[Hook]);
    HookHandles[Hook] = nullptr;
}

void ShutdownHooks() { DockingHooks().Shutdown(); }

void Dispatch(THookKind Kind, HWND Wnd, WPARAM WParam, LPARAM LParam) {
    try {
        DockingHooks().Dispatch(Kind, Wnd, WParam, LParam);
    } catch (...) {
        HandleCallbackException(nullptr);
    }
}

void WatchSentMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg != WM_ACTIVATEAPP && Msg != WM_WINDOWPOSCHANGED) return;
    if (!DockingHooks().HasCallbacks()) return;
    Dispatch(Msg == WM_ACTIVATEAPP ? hkActivateApp : hkWindowPosChanged, Wnd, WParam, LParam);
}

LRESULT CALLBACK CbtHook(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HCBT_ACTIVATE && DockingHooks().HasCallbacks())
        Dispatch(hkActivate, reinterpret_cast<HWND>(WParam), 0, 0);
    return CallNextHookEx(HookHandles[thCbt], Code, WParam, LParam);
}

LRESULT CALLBACK GetMessageHook(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HC_ACTION && DockingHooks().HasCallbacks()) {
        const auto* M = reinterpret_cast<const MSG*>(LParam);
        if (M->message == WM_MOUSEMOVE) Dispatch(hkMouseMove, M->hwnd, M->wParam, M->lParam);
    }
    return CallNextHookEx(HookHandles[thGetMessage], Code, WParam, LParam);
}

}  // namespace

THookRegistry& DockingHooks() {
    static THookRegistry Registry(THookRegistry::TInstaller{InstallHook, RemoveHook});
    static const bool CleanupAdded = [] {
        AddFrameworkCleanup(ShutdownHooks);
        return true;
    }();
    (void)CleanupAdded;
    return Registry;
}

void RegisterHookCallback(THookProc Proc, THookKinds Kinds, bool NoInstall) {
    DockingHooks().Register(Proc, Kinds, NoInstall);
}

void UnregisterHookCallback(THookProc Proc) { DockingHooks().Unregister(Proc); }

void AcquireThreadHooks(TThreadHooks Hooks) { DockingHooks().Acquire(Hooks); }

void ReleaseThreadHooks(TThreadHooks Hooks, bool Force) { DockingHooks().Release(Hooks, Force); }

bool ThreadHasActiveWindow() { return GetActiveWindow() != nullptr; }
