#include "designer/support/win/DesignerLookups.h"

#include "designer/support/MessageBus.h"
#include "designer/support/WrapperInfo.h"
#include "framework/classes/DataModule.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/StrUtils.h"

namespace {
TDataModule* NearestDataModule(TComponent* Component) {
    for (TComponent* C = Component; C; C = C->Owner())
        if (auto* Module = dynamic_cast<TDataModule*>(C)) return Module;
    return nullptr;
}

bool HasVisibleWindow(TCustomForm* Form) { return Form->HandleAllocated() && IsWindowVisible(Form->Handle()); }

// The palette and the alignment palette answer ToolWindowQueryMessage.
bool IsToolWindow(TCustomForm* Form) {
    TZelMessage Query{ToolWindowQueryMessage, 0, 0, 0};
    Form->Dispatch(&Query);
    return Query.Result != 0;
}
}  // namespace

TCustomForm* FindOwnerForm(TComponent* Component) {
    if (auto* Control = dynamic_cast<TControl*>(Component))
        if (TCustomForm* Form = GetParentForm(Control)) return Form;
    for (TComponent* C = Component; C; C = C->Owner())
        if (auto* Form = dynamic_cast<TCustomForm*>(C)) return Form;
    return nullptr;
}

TComponent* FindDesignRootOf(TComponent* Component) {
    if (TDataModule* Module = NearestDataModule(Component)) return Module;
    return FindOwnerForm(Component);
}

TFormDesigner* FindFormDesignerOf(TComponent* Component) {
    TCustomForm* Form = FindOwnerForm(Component);
    if (!Form) Form = dynamic_cast<TCustomForm*>(WrapperOf(NearestDataModule(Component)));
    if (!Form || !Form->Designer()) return nullptr;
    auto* Designer = Form->Designer<TFormDesigner>();
    if (!Designer) throw EInvalidCast("Invalid class typecast");
    return Designer;
}

void NotifyComponentModified(TComponent* Component) {
    if (TFormDesigner* Designer = FindFormDesignerOf(Component)) Designer->NotifyModified();
}

TComponent* FindComponentByPath(const std::string& Path) {
    if (Path.empty() || !Screen) return nullptr;
    const size_t Dot = Path.rfind('.');
    const std::string RootPart = Dot == std::string::npos ? std::string() : Path.substr(0, Dot);
    const std::string NamePart = Dot == std::string::npos ? std::string() : Path.substr(Dot + 1);
    std::vector<TComponent*> Roots;
    for (int I = 0; I < Screen->FormCount(); ++I) Roots.push_back(Screen->Forms(I));
    for (int I = 0; I < Screen->DataModuleCount(); ++I) Roots.push_back(Screen->DataModules(I));
    for (TComponent* Root : Roots) {
        if (SameText(Root->Name(), Path)) return Root;
        if (Dot != std::string::npos && SameText(Root->Name(), RootPart)) return Root->FindComponent(NamePart);
    }
    return nullptr;
}

void CopyComponentListToList(const TDesignerSelectionList& ComponentList, TList* List) {
    if (!List) return;
    List->Clear();
    List->SetCapacity(ComponentList.Count());
    for (int I = 0; I < ComponentList.Count(); ++I) List->Add(ComponentList.Items(I));
}

void CopyListToComponentList(const TList& List, TDesignerSelectionList* ComponentList) {
    if (!ComponentList) return;
    for (int I = 0; I < List.Count(); ++I) ComponentList->Add(static_cast<TPersistent*>(List.Get(I)));
}

int ScreenFormCount() { return Screen ? Screen->FormCount() : 0; }

TCustomForm* ScreenForm(int Index) { return Screen ? Screen->Forms(Index) : nullptr; }

bool IsTopmostVisibleForm(TCustomForm* Form) {
    if (!Form || !HasVisibleWindow(Form)) return false;
    TCustomForm* MainForm = Application ? Application->MainForm() : nullptr;
    for (int I = 0; I < ScreenFormCount(); ++I) {
        TCustomForm* Other = ScreenForm(I);
        if (!HasVisibleWindow(Other)) continue;
        if (Other == Form) return true;
        if (Other != MainForm && !IsToolWindow(Other)) return false;
    }
    return false;
}
