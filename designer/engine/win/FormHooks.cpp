#include "designer/engine/win/FormHooks.h"

#include <algorithm>

QRN_PUBLISHED(TFormHooks) {}

namespace {
// Every chain, one per hooked form.
std::vector<std::unique_ptr<TFormHooks, TObjectFree>>& Chains() {
    static std::vector<std::unique_ptr<TFormHooks, TObjectFree>> List;
    return List;
}

// The chain holding the hook, found without touching the hook (it may be
// gone with its form).
TFormHooks* ChainOf(TFormHook* Hook) {
    for (auto& C : Chains())
        for (const auto& H : C->Hooks())
            if (H.get() == Hook) return C.get();
    return nullptr;
}

// Chains of forms that went away are dropped here, outside their own
// notification.
void DropOrphans() {
    std::erase_if(Chains(), [](const auto& C) { return C->Form() == nullptr; });
}
}  // namespace

TFormHooks::TFormHooks(TCustomForm* Form) : TComponent(nullptr), FForm(Form) { Form->FreeNotification(this); }

void TFormHooks::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FForm) return;
    // The form goes: its hooks with it. Its last messages go straight to
    // its own handling again.
    if (!FHooks.empty()) FForm->WindowProc = FHooks.front()->Previous;
    FForm = nullptr;
    FHooks.clear();
}

TFormHook::TFormHook(TFormHooks* Chain, TWndMethod Proc) : FChain(Chain), FProc(std::move(Proc)) {}

TFormHooks* FindFormHooks(TCustomForm* Form) {
    DropOrphans();
    for (auto& C : Chains())
        if (C->Form() == Form) return C.get();
    return nullptr;
}

TFormHook* AddFormHook(TCustomForm* Form, TWndMethod Proc) {
    TFormHooks* Chain = FindFormHooks(Form);
    if (!Chain) Chain = Chains().emplace_back(new TFormHooks(Form)).get();
    auto Hook = std::make_unique<TFormHook>(Chain, std::move(Proc));
    TFormHook* Raw = Hook.get();
    Raw->Previous = Form->WindowProc;
    Form->WindowProc = [Raw](TMessage& M) { Raw->FProc(M); };
    Chain->FHooks.push_back(std::move(Hook));
    return Raw;
}

void RemoveFormHook(TFormHook* Hook) {
    // The hook's chain may have gone with its form already.
    TFormHooks* Chain = Hook ? ChainOf(Hook) : nullptr;
    if (!Chain) return;
    auto& Hooks = Chain->FHooks;
    const auto It = std::find_if(Hooks.begin(), Hooks.end(), [Hook](const auto& H) { return H.get() == Hook; });
    if (It == Hooks.end()) return;
    if (It + 1 != Hooks.end()) (*(It + 1))->Previous = Hook->Previous;
    else Chain->Form()->WindowProc = Hook->Previous;
    Hooks.erase(It);
    if (Hooks.empty())
        std::erase_if(Chains(), [Chain](const auto& C) { return C.get() == Chain; });
}
