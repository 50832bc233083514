#include "designer/support/win/FDesigner.h"

#include "controls/UtilProcs.h"
#include "designer/support/ComponentNames.h"
#include "designer/support/MessageBus.h"
#include "designer/support/WrapperInfo.h"
#include "designer/support/win/DesignerLookups.h"
#include "framework/classes/ClassErrors.h"
#include "framework/controls/Controls.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::unique_ptr<TList> GDesignerList;

// Selection entries are TPersistent pointers.
TPersistent* EntryAt(const TList& List, int Index) { return static_cast<TPersistent*>(List.Get(Index)); }

bool ForAll(const TList* List, const std::function<bool(TComponent*)>& Test) {
    if (!List) return true;
    for (int I = 0; I < List->Count(); ++I)
        if (!Test(dynamic_cast<TComponent*>(EntryAt(*List, I)))) return false;
    return true;
}
}  // namespace

TList& DesignerList() {
    if (!GDesignerList) GDesignerList = std::make_unique<TList>();
    return *GDesignerList;
}

TFDesigner* GetDesignerListItem(const TList& List, int Index) { return static_cast<TFDesigner*>(List.Get(Index)); }

void ShutdownDesignerList() { GDesignerList.reset(); }

bool IsFDesigner(const IDesignerHook* Designer) { return dynamic_cast<const TFDesigner*>(Designer) != nullptr; }

TFDesigner::TFDesigner() : FSelection(std::make_unique<TList>()) { DesignerList().Add(this); }

TFDesigner::~TFDesigner() {
    if (GDesignerList) GDesignerList->Remove(this);
}

bool TFDesigner::IsDesignMessage(TControl*, TMessage&) { return false; }

void TFDesigner::NotifyModified() {
    const bool WasEmpty = FSelection->Count() == 0;
    if (WasEmpty) {
        if (TComponent* Root = GetDesignRoot()) FSelection->Add(static_cast<TPersistent*>(Root));
    }
    BroadcastToListeners(nullptr, DesignerModifiedMessage, reinterpret_cast<intptr_t>(FSelection.get()), 0);
    if (WasEmpty) FSelection->Clear();
}

void TFDesigner::ComponentNotification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opInsert && AComponent && FindDesignRootOf(AComponent) == GetDesignRoot())
        BroadcastToListeners(nullptr, ComponentInsertedMessage, reinterpret_cast<intptr_t>(AComponent), 0);
}

void TFDesigner::PaintGrid() {}

void TFDesigner::NotifyRename(TComponent* AComponent, const std::string&, const std::string& NewName) {
    TComponent* Renamed = AComponent ? AComponent : GetDesignRoot();
    BroadcastToListeners(nullptr, ComponentRenamedMessage, reinterpret_cast<intptr_t>(Renamed),
                         reinterpret_cast<intptr_t>(NewName.c_str()));
}

TMethod TFDesigner::CreateEventMethod(const std::string&, const TTypeInfo*) { return {}; }

std::string TFDesigner::GetEventMethodName(const TMethod& Method) {
    if (!Method.Data || !Method.Code.has_value()) return {};
    const THandlerInfo* Handler = Method.Data->ClassType()->FindHandler(Method.Name);
    return Handler ? Handler->Name : std::string();
}

void TFDesigner::EnumEventMethods(const TTypeInfo*, TGetStrProc) {}

std::string TFDesigner::GetPrivateFolder() { return GetExeDir(); }

void TFDesigner::GetSelectedComponents(TDesignerSelectionList* List) {
    if (!List) return;
    for (int I = 0; I < FSelection->Count(); ++I) List->Add(EntryAt(*FSelection, I));
}

bool TFDesigner::EventMethodExists(const std::string& Name) {
    TComponent* Root = GetDesignRoot();
    // Handler names are short strings: longer ones are cut as the stream cuts them.
    return Root && Root->ClassType()->FindHandler(Name.substr(0, 255)) != nullptr;
}

void TFDesigner::RenameEventMethod(const std::string&, const std::string&) {}

void TFDesigner::SelectSingle(TPersistent* Instance) {
    FSelection->Clear();
    FSelection->Add(Instance);
    SelectionChanged();
}

void TFDesigner::SetSelectedComponents(TDesignerSelectionList* List) {
    FSelection->Clear();
    if (List) {
        FSelection->SetCapacity(List->Count());
        for (int I = 0; I < List->Count(); ++I) FSelection->Add(List->Items(I));
    }
    SelectionChanged();
}

void TFDesigner::ShowEventMethod(const std::string&) {}

std::string TFDesigner::MakeUniqueName(const std::string& BaseName) {
    return ::MakeUniqueName(GetDesignRoot(), BaseName);
}

void TFDesigner::EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) {
    TComponent* Root = GetDesignRoot();
    if (!Root || !Proc) return;
    const TClass* Class = TypeData ? TypeData->ClassType() : nullptr;
    EnumQualifiedComponentNames({Root}, Root, Class, Proc);
}

TComponent* TFDesigner::FindComponentByName(const std::string& Name) {
    if (Name.find('.') != std::string::npos) return FindComponentByPath(Name);
    TComponent* Root = GetDesignRoot();
    if (!Root) return nullptr;
    if (SameText(Root->Name(), Name)) return Root;
    return Root->FindComponent(Name);
}

std::string TFDesigner::GetQualifiedName(TComponent* Component) {
    if (!Component || Component->Name().empty()) return {};
    TComponent* Root = GetDesignRoot();
    if (Component != Root && Component->Owner() && Component->Owner() != Root)
        return Component->Owner()->Name() + "." + Component->Name();
    return Component->Name();
}

TPersistent* TFDesigner::FindObjectByName(const std::string&) { return nullptr; }

std::string TFDesigner::GetObjectDisplayName(TPersistent* Instance) {
    if (auto* Component = dynamic_cast<TComponent*>(Instance)) return Component->Name();
    return GetNamePathOf(Instance);
}

void TFDesigner::EnumObjectNames(const TTypeInfo*, TGetStrProc) {}

bool TFDesigner::IsInheritedMethod(const TMethod&) { return false; }

TComponent* TFDesigner::CreateComponentAt(const TClass*, TComponent*, int, int, int, int) { return nullptr; }

bool TFDesigner::IsLinkable(TComponent*) { return false; }

void TFDesigner::MakeLinkable(TComponent*) {}

TComponent* TFDesigner::GetRootComponent() { return GetDesignRoot(); }

void TFDesigner::RevertProperty(TPersistent*, const TPropInfo*) {}

bool TFDesigner::IsDormant() { return false; }

bool TFDesigner::HasCodeInterface() { return false; }

bool TFDesigner::HasCodeMember(const std::string&) { return false; }

void TFDesigner::AddCodeMember(const std::string&) {}

TComponent* TFDesigner::GetDesignRoot() { return FDesignRoot ? FDesignRoot : Form(); }

bool TFDesigner::CanSelectComponent(TComponent*) { return true; }

bool TFDesigner::CanEditProperty(TComponent*, const std::string&) { return true; }

bool TFDesigner::CanShowProperty(TComponent*, const std::string&) { return true; }

bool TFDesigner::CanShowPropertyForAll(const TList* List, const std::string& PropName) {
    return ForAll(List, [&](TComponent* C) { return CanShowProperty(C, PropName); });
}

bool TFDesigner::CanEditPropertyForAll(const TList* List, const std::string& PropName) {
    return ForAll(List, [&](TComponent* C) { return CanEditProperty(C, PropName); });
}

void TFDesigner::SetDesignContainer(TWinControl* Control) {
    if (Control && !Control->ControlStyle().Contains(csAcceptsControls))
        throw EPropertyError("Invalid property value");
    FDesignContainer = Control;
}

void TFDesigner::NormalizeSelection() {
    FSelection->Remove(nullptr);
    if (FSelection->Count() == 0 && !FDesignContainer) {
        if (TComponent* Root = GetDesignRoot()) FSelection->Add(static_cast<TPersistent*>(Root));
    }
    for (int I = 0; I < FSelection->Count(); ++I) {
        auto* Entry = dynamic_cast<TComponent*>(EntryAt(*FSelection, I));
        if (TComponent* Wrapped = Entry ? WrappedObjectOf(Entry) : nullptr)
            FSelection->Put(I, static_cast<TPersistent*>(Wrapped));
    }
}

void TFDesigner::SelectionChanged() {
    NormalizeSelection();
    BroadcastToListeners(nullptr, SelectionChangedMessage, reinterpret_cast<intptr_t>(FSelection.get()),
                         reinterpret_cast<intptr_t>(this));
}
