#pragma once
// Bookkeeping of the application-wide message hooks the docking classes
// share: one list of registered callbacks and, per kind of thread hook, a
// reference count. The window code supplies the hook installation and
// feeds the hooks' events into Dispatch.
#include <cstdint>
#include <functional>
#include <vector>

#include "framework/classes/UiTypes.h"

// What a callback wants to hear of.
enum THookKind {
    hkActivateApp = 0,       // a sent WM_ACTIVATEAPP
    hkWindowPosChanged = 1,  // a sent WM_WINDOWPOSCHANGED
    hkActivate = 2,          // a window being activated
    hkMouseMove = 3          // a retrieved WM_MOUSEMOVE
};
using THookKinds = TSmallSet<THookKind>;

// The thread hooks, in the order they are kept.
enum TThreadHook { thCallWndProc, thCbt, thGetMessage };
using TThreadHooks = TSmallSet<TThreadHook>;
inline constexpr int ThreadHookCount = 3;

// Kinds 0 and 1 need the call-window-procedure "hook" (delivered by the
// framework's message watcher), 2 the CBT hook, 3 the get-message hook.
TThreadHooks HooksForKinds(THookKinds Kinds);

// A callback: the kind, the window concerned and the message's parameters.
using THookProc = void (*)(THookKind Kind, void* Wnd, uintptr_t WParam, intptr_t LParam);

class THookRegistry {
public:
    struct TInstaller {
        // Installs a hook; false when the system refused (tried again on
        // the next acquisition).
        std::function<bool(TThreadHook)> Install;
        std::function<void(TThreadHook)> Remove;
    };
    explicit THookRegistry(TInstaller Installer) : FInstaller(std::move(Installer)) {}

    // A routine registered again only counts up. Unless NoInstall, the
    // hooks its kinds need are acquired; the registration remembers what
    // it acquired so that its removal releases exactly that.
    void Register(THookProc Proc, THookKinds Kinds, bool NoInstall);
    // Undoes one registration of Proc.
    void Unregister(THookProc Proc);

    void Acquire(TThreadHooks Hooks);
    void Release(TThreadHooks Hooks, bool Force);
    // Unit shut-down: every hook removed, the list emptied.
    void Shutdown();

    // Calls every callback registered for Kind, in list order, on a copy of
    // the list: callbacks may register or unregister meanwhile (one that was
    // removed is not called). A callback's exception is swallowed and the
    // next one still runs.
    void Dispatch(THookKind Kind, void* Wnd, uintptr_t WParam, intptr_t LParam);

    bool HasCallbacks() const { return !FEntries.empty(); }
    bool IsRegistered(THookProc Proc) const;
    bool Installed(TThreadHook Hook) const { return FHooks[Hook].Installed; }
    int RefCount(TThreadHook Hook) const { return FHooks[Hook].Count; }
    // Whether any callback wants Kind.
    bool Wants(THookKind Kind) const;

private:
    struct TEntry {
        THookProc Proc = nullptr;
        THookKinds Kinds;
        std::vector<TThreadHooks> Acquired;  // one per registration
    };
    struct THookState {
        bool Installed = false;
        int Count = 0;
    };
    TEntry* Find(THookProc Proc);

    TInstaller FInstaller;
    std::vector<TEntry> FEntries;
    THookState FHooks[ThreadHookCount];
};
