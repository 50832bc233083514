#include "docking/HookRegistry.h"

#include <algorithm>

TThreadHooks HooksForKinds(THookKinds Kinds) {
    TThreadHooks H;
    if (Kinds.Contains(hkActivateApp) || Kinds.Contains(hkWindowPosChanged)) H.Include(thCallWndProc);
    if (Kinds.Contains(hkActivate)) H.Include(thCbt);
    if (Kinds.Contains(hkMouseMove)) H.Include(thGetMessage);
    return H;
}

THookRegistry::TEntry* THookRegistry::Find(THookProc Proc) {
    for (TEntry& E : FEntries)
        if (E.Proc == Proc) return &E;
    return nullptr;
}

bool THookRegistry::IsRegistered(THookProc Proc) const {
    return std::any_of(FEntries.begin(), FEntries.end(), [Proc](const TEntry& E) { return E.Proc == Proc; });
}

bool THookRegistry::Wants(THookKind Kind) const {
    return std::any_of(FEntries.begin(), FEntries.end(), [Kind](const TEntry& E) { return E.Kinds.Contains(Kind); });
}

void THookRegistry::Register(THookProc Proc, THookKinds Kinds, bool NoInstall) {
    TEntry* E = Find(Proc);
    if (!E) {
        FEntries.push_back(TEntry{Proc, Kinds, {}});
        E = &FEntries.back();
    }
    const TThreadHooks Hooks = NoInstall ? TThreadHooks{} : HooksForKinds(E->Kinds);
    E->Acquired.push_back(Hooks);
    Acquire(Hooks);
}

void THookRegistry::Unregister(THookProc Proc) {
    auto It = std::find_if(FEntries.begin(), FEntries.end(), [Proc](const TEntry& E) { return E.Proc == Proc; });
    if (It == FEntries.end()) return;
    TThreadHooks Hooks;
    if (!It->Acquired.empty()) {
        Hooks = It->Acquired.back();
        It->Acquired.pop_back();
    }
    if (It->Acquired.empty()) FEntries.erase(It);
    Release(Hooks, false);
}

void THookRegistry::Acquire(TThreadHooks Hooks) {
    for (int I = 0; I < ThreadHookCount; ++I) {
        const auto H = static_cast<TThreadHook>(I);
        if (!Hooks.Contains(H)) continue;
        ++FHooks[I].Count;
        if (!FHooks[I].Installed && FInstaller.Install) FHooks[I].Installed = FInstaller.Install(H);
    }
}

void THookRegistry::Release(TThreadHooks Hooks, bool Force) {
    for (int I = 0; I < ThreadHookCount; ++I) {
        const auto H = static_cast<TThreadHook>(I);
        if (!Hooks.Contains(H)) continue;
        if (FHooks[I].Count > 0) --FHooks[I].Count;
        if ((Force || FHooks[I].Count == 0) && FHooks[I].Installed) {
            if (FInstaller.Remove) FInstaller.Remove(H);
            FHooks[I].Installed = false;
        }
    }
}

void THookRegistry::Shutdown() {
    Release({thCallWndProc, thCbt, thGetMessage}, true);
    for (THookState& S : FHooks) S.Count = 0;
    FEntries.clear();
}

void THookRegistry::Dispatch(THookKind Kind, void* Wnd, uintptr_t WParam, intptr_t LParam) {
    std::vector<THookProc> Snapshot;
    for (const TEntry& E : FEntries)
        if (E.Kinds.Contains(Kind)) Snapshot.push_back(E.Proc);
    for (THookProc Proc : Snapshot) {
        if (!IsRegistered(Proc)) continue;
        try {
            Proc(Kind, Wnd, WParam, LParam);
        } catch (...) {
            // A faulty callback must not keep the others, or the next hook
            // in the chain, from their event.
        }
    }
}
