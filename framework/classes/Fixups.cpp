#include <algorithm>
#include "framework/rtl/StrUtils.h"
#include <atomic>
#include <mutex>

#include "framework/classes/Filer.h"
#include "framework/classes/FixupList.h"

namespace {
struct TFixup {
    TReader* Reader;  // nullptr once the reader is done: a global fix-up
    TComponent* Root;
    TPersistent* Instance;
    const TPropInfo* Prop;
    std::string Name;
};

struct TState {
    std::recursive_mutex Lock;
    std::vector<TFixup> Fixups;
    std::vector<TComponent*> Roots;
    std::vector<TComponent*> GlobalLoaded;
    int GlobalLoading = 0;
    std::function<TComponent*(std::string_view)> FindHook;
    std::atomic<int> Activity{0};  // anything listed at all (cheap test on destruction)
    void Touch() {
        Activity.store(static_cast<int>(Fixups.size() + Roots.size() + GlobalLoaded.size()));
    }
};
TState& State() {
    static TState* S = new TState();  // outlives static destructors of other units
    return *S;
}

// An empty name names nothing: not an unnamed root either.
bool HasName(const TComponent* C, std::string_view Name) { return !Name.empty() && SameText(C->Name(), Name); }

TComponent* FindInRoots(std::string_view Name) {
    if (Name.empty()) return nullptr;
    TState& S = State();
    if (S.FindHook)
        if (TComponent* C = S.FindHook(Name)) return C;
    for (TComponent* R : S.Roots)
        if (HasName(R, Name)) return R;
    return nullptr;
}

TComponent* Lookup(TComponent* Root, const std::string& Name) {
    size_t Dot = Name.find('.');
    if (Dot == std::string::npos) {
        if (Root) {
            if (TComponent* C = Root->FindComponent(Name)) return C;
            if (HasName(Root, Name)) return Root;
        }
        return FindInRoots(Name);
    }
    std::string_view RootName = std::string_view(Name).substr(0, Dot);
    TComponent* R = Root && HasName(Root, RootName) ? Root : FindInRoots(RootName);
    std::string_view Rest = std::string_view(Name).substr(Dot + 1);
    while (R && !Rest.empty()) {
        size_t D = Rest.find('.');
        R = R->FindComponent(Rest.substr(0, D));
        Rest = D == std::string_view::npos ? std::string_view() : Rest.substr(D + 1);
    }
    return R;
}

// Resolves the matching entries; the caller holds the lock.
void ResolveWhere(const std::function<bool(const TFixup&)>& Match) {
    TState& S = State();
    for (size_t I = 0; I < S.Fixups.size();) {
        TFixup F = S.Fixups[I];
        if (!Match(F)) {
            ++I;
            continue;
        }
        TComponent* Target = Lookup(F.Root, F.Name);
        if (!Target) {
            ++I;
            continue;
        }
        S.Fixups.erase(S.Fixups.begin() + static_cast<std::ptrdiff_t>(I));
        try {
            F.Prop->SetObj(F.Instance, Target);
        } catch (const Exception&) {
            // A reference of the wrong class stays unset.
        }
    }
    S.Touch();
}
}  // namespace

void QrnRemoveFixupsOf(TPersistent* Instance) {
    TState& S = State();
    if (S.Activity.load(std::memory_order_relaxed) == 0) return;
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    std::erase_if(S.Fixups, [&](const TFixup& F) {
        return F.Instance == Instance || static_cast<TPersistent*>(F.Root) == Instance;
    });
    std::erase_if(S.Roots, [&](TComponent* R) { return static_cast<TPersistent*>(R) == Instance; });
    std::erase_if(S.GlobalLoaded, [&](TComponent* R) { return static_cast<TPersistent*>(R) == Instance; });
    S.Touch();
}

namespace qrn_fixup {

void Add(TReader* Reader, TComponent* Root, TPersistent* Instance, const TPropInfo* Prop, const std::string& Name) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    S.Fixups.push_back({Reader, Root, Instance, Prop, Name});
    S.Touch();
}

void Resolve(TReader* Reader) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    ResolveWhere([Reader](const TFixup& F) { return F.Reader == Reader; });
    for (TFixup& F : S.Fixups)
        if (F.Reader == Reader) F.Reader = nullptr;
}

void ForgetReader(TReader* Reader) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    for (TFixup& F : S.Fixups)
        if (F.Reader == Reader) F.Reader = nullptr;
}

void RemoveFor(TComponent* Root, TPersistent* Instance) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    std::erase_if(S.Fixups, [&](const TFixup& F) {
        return (Root && F.Root == Root) || (Instance && F.Instance == Instance);
    });
    S.Touch();
}

void AddRoot(TComponent* Root) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    if (std::find(S.Roots.begin(), S.Roots.end(), Root) == S.Roots.end()) S.Roots.push_back(Root);
    S.Touch();
}

void AddGlobalLoaded(const std::vector<TComponent*>& Components) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    for (TComponent* C : Components)
        if (std::find(S.GlobalLoaded.begin(), S.GlobalLoaded.end(), C) == S.GlobalLoaded.end())
            S.GlobalLoaded.push_back(C);
    S.Touch();
}

}  // namespace qrn_fixup

void BeginGlobalLoading() {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    ++S.GlobalLoading;
}

void NotifyGlobalLoading() {
    GlobalFixupReferences();
    std::vector<TComponent*> Pending;
    {
        TState& S = State();
        std::lock_guard<std::recursive_mutex> L(S.Lock);
        Pending.swap(S.GlobalLoaded);
        S.Touch();
    }
    for (TComponent* C : Pending) C->Loaded();
}

void EndGlobalLoading() {
    bool Last;
    {
        TState& S = State();
        std::lock_guard<std::recursive_mutex> L(S.Lock);
        if (S.GlobalLoading > 0) --S.GlobalLoading;
        Last = S.GlobalLoading == 0;
    }
    if (Last) NotifyGlobalLoading();
}

bool GlobalLoadingActive() {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    return S.GlobalLoading > 0;
}

void GlobalFixupReferences() {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    ResolveWhere([](const TFixup& F) { return F.Reader == nullptr; });
}

void RemoveFixupReferences(TComponent* Root, TPersistent* Instance) { qrn_fixup::RemoveFor(Root, Instance); }

int PendingFixupCount() {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    return static_cast<int>(S.Fixups.size());
}

void RegisterGlobalRoot(TComponent* Root) { qrn_fixup::AddRoot(Root); }

void UnregisterGlobalRoot(TComponent* Root) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    std::erase(S.Roots, Root);
    S.Touch();
}

TComponent* FindGlobalComponent(std::string_view Name) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    return FindInRoots(Name);
}

void SetFindGlobalComponentHook(std::function<TComponent*(std::string_view Name)> Hook) {
    TState& S = State();
    std::lock_guard<std::recursive_mutex> L(S.Lock);
    S.FindHook = std::move(Hook);
}
