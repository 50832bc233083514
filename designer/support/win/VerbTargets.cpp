// How a verb shows on the components it can be bound to.
#include "designer/support/ObjectParams.h"
#include "designer/support/win/VerbDispatcher.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {
bool GRegistered = false;

TNotifyEvent RunVerb(TVerbListItem* Item) {
    return Item ? TNotifyEvent([Item](TObject*) { Item->Execute(); }) : TNotifyEvent();
}

void AssignToMenuItem(TComponent* Target, TVerbListItem* Item) {
    auto* MenuItem = static_cast<TMenuItem*>(Target);
    MenuItem->OnClick = RunVerb(Item);
    if (!Item) return;
    MenuItem->SetVisible(Item->State() & VerbVisible);
    MenuItem->SetEnabled(Item->State() & VerbEnabled);
    MenuItem->SetChecked(Item->State() & VerbChecked);
}

void AssignToControl(TComponent* Target, TVerbListItem* Item) {
    auto* Control = static_cast<TControl*>(Target);
    Control->OnClick = RunVerb(Item);
    if (!Item) return;
    Control->SetVisible(Item->State() & VerbVisible);
    Control->SetEnabled(Item->State() & VerbEnabled);
}

void Register(const TClass* Class, TVerbAssignProc Proc) {
    AddObjectParams(Class, {{"AssignVerb", Variant("AssignVerb.VerbProc")},
                            {"AssignVerb.VerbProc", Variant(static_cast<int64_t>(reinterpret_cast<intptr_t>(Proc)))}});
}
}  // namespace

void RegisterDefaultVerbTargets() {
    if (GRegistered) return;
    GRegistered = true;
    Register(TMenuItem::StaticClass(), &AssignToMenuItem);
    Register(TSpeedButton::StaticClass(), &AssignToControl);
    Register(TButton::StaticClass(), &AssignToControl);
}

void ForgetDefaultVerbTargets() { GRegistered = false; }
