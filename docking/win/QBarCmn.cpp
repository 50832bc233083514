#include "docking/win/QBarCmn.h"

#include "framework/controls/Controls.h"

namespace {

HHOOK HookHandles[ThreadHookCount] = {};

LRESULT CALLBACK CallWndProcHook(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK CbtHook(int Code, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK GetMessageHook(int Code, WPARAM WParam, LPARAM LParam);

bool InstallHook(TThreadHook Hook) {
    static constexpr int Ids[ThreadHookCount] = {WH_CALLWNDPROC, WH_CBT, WH_GETMESSAGE};
    static constexpr HOOKPROC Procs[ThreadHookCount] = {CallWndProcHook, CbtHook, GetMessageHook};
    HookHandles[Hook] = SetFrameworkHook(Ids[Hook], Procs[Hook]);
    return HookHandles[Hook] != nullptr;
}

void RemoveHook(TThreadHook Hook) {
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

LRESULT CALLBACK CallWndProcHook(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HC_ACTION && DockingHooks().HasCallbacks()) {
        const auto* M = reinterpret_cast<const CWPSTRUCT*>(LParam);
        if (M->message == WM_ACTIVATEAPP) Dispatch(hkActivateApp, M->hwnd, M->wParam, M->lParam);
        else if (M->message == WM_WINDOWPOSCHANGED) Dispatch(hkWindowPosChanged, M->hwnd, M->wParam, M->lParam);
    }
    return CallNextHookEx(HookHandles[thCallWndProc], Code, WParam, LParam);
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
