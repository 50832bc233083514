#include "framework/classes/Component.h"
#include "framework/rtl/StrUtils.h"

#include <algorithm>

#include "framework/classes/Filer.h"
#include "framework/rtl/Exceptions.h"

// Set by the reader while it constructs a component, so that the
// component is csLoading from its first moment (its constructor and the
// setters called while reading can tell). The first constructor to run
// takes it, so components that constructor creates are not marked: the
// reader never reads them and would never tell them it is done.
thread_local bool GQrnCreatingForStream = false;

namespace {
int32_t LowWord(int32_t V) { return static_cast<int16_t>(V & 0xFFFF); }
int32_t HighWord(int32_t V) { return static_cast<int16_t>((static_cast<uint32_t>(V) >> 16) & 0xFFFF); }
int32_t MakeLong(int32_t Lo, int32_t Hi) {
    return static_cast<int32_t>((static_cast<uint32_t>(Hi & 0xFFFF) << 16) | static_cast<uint32_t>(Lo & 0xFFFF));
}
}  // namespace

bool IsValidIdent(std::string_view Ident) {
    if (Ident.empty()) return false;
    auto Alpha = [](char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; };
    if (!Alpha(Ident[0])) return false;
    for (char C : Ident)
        if (!Alpha(C) && !(C >= '0' && C <= '9')) return false;
    return true;
}

QRN_PUBLISHED(TComponent) {
    B.Prop("Name", &TComponent::Name, &TComponent::SetName).Type(QRN_TYPE(TComponentName)).Stored(false);
    B.Prop("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* AOwner) {
    if (GQrnCreatingForStream) {
        GQrnCreatingForStream = false;
        FComponentState.Include(csLoading);
    }
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    // Reached without Free(): do what BeforeDestruction would have done.
    TearDown();
}

void TComponent::BeforeDestruction() { TearDown(); }

void TComponent::TearDown() {
    if (FTornDown) return;
    FTornDown = true;
    Destroying();
    while (!FFreeNotifies.empty()) {
        TComponent* C = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        C->Notification(this, opRemove);
        // The other side drops its link to us in its Notification; make
        // sure it does even if an override forgot to call the base.
        auto& Theirs = C->FFreeNotifies;
        Theirs.erase(std::remove(Theirs.begin(), Theirs.end(), this), Theirs.end());
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* C : FComponents) C->Destroying();
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* C = FComponents.back();
        // Through RemoveComponent, so that overrides of Notification (ours
        // and those of the other owned components) hear of it.
        RemoveComponent(C);
        if (C->FOwner == this) Remove(C);
        C->Free();
    }
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& L = FOwner->FComponents;
    auto It = std::find(L.begin(), L.end(), this);
    return It == L.end() ? -1 : static_cast<int>(It - L.begin());
}

void TComponent::SetComponentIndex(int Value) {
    if (!FOwner) return;
    auto& L = FOwner->FComponents;
    int Cur = ComponentIndex();
    if (Cur < 0) return;
    int Count = static_cast<int>(L.size());
    if (Value < 0) Value = 0;
    if (Value >= Count) Value = Count - 1;
    if (Value == Cur) return;
    L.erase(L.begin() + Cur);
    L.insert(L.begin() + Value, this);
}

void TComponent::Insert(TComponent* AComponent) {
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
    AComponent->FOwner = nullptr;
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (!AComponent) return;
    AComponent->ValidateContainer(this);
    ValidateInsert(AComponent);
    if (!AComponent->FName.empty()) ValidateRename(AComponent, {}, AComponent->FName);
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    AComponent->SetReference(true);
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner != this) return;
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* C : FComponents)
        if (SameText(C->FName, AName)) return C;
    return nullptr;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) {
    if (AComponent && !NewName.empty() && !SameText(CurName, NewName) && FindComponent(NewName))
        throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::ValidateInsert(TComponent*) {}
void TComponent::ValidateContainer(TComponent* AComponent) { AComponent->ValidateInsert(this); }

void TComponent::SetName(const std::string& NewName) {
    if (FName == NewName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    if (FOwner && !NewName.empty()) {
        // Check the owner's field before anything changes.
        if (const TFieldInfo* F = FOwner->ClassType()->FindField(NewName)) {
            if (F->ClassFn && !InheritsFrom(F->ClassFn()))
                throw EComponentError("Field " + NewName + " is not a " + F->ClassFn()->Name());
        }
    }
    SetReference(false);
    ChangeName(NewName);
    SetReference(true);
}

void TComponent::ChangeName(const std::string& NewName) { FName = NewName; }

void TComponent::SetReference(bool Enable) {
    if (!FOwner || FName.empty()) return;
    if (const TFieldInfo* F = FOwner->ClassType()->FindField(FName)) F->Set(FOwner, Enable ? this : nullptr);
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    if (SetChildren)
        for (TComponent* C : FComponents) C->SetDesigning(Value, true);
}

void TComponent::SetInline(bool Value) {
    if (Value)
        FComponentState.Include(csInline);
    else
        FComponentState.Exclude(csInline);
}

void TComponent::SetDesignInstance(bool Value) {
    if (Value)
        FComponentState.Include(csDesignInstance);
    else
        FComponentState.Exclude(csDesignInstance);
}

void TComponent::SetAncestor(bool Value) {
    if (Value)
        FComponentState.Include(csAncestor);
    else
        FComponentState.Exclude(csAncestor);
    for (TComponent* C : FComponents) C->SetAncestor(Value);
}

void TComponent::SetSubComponent(bool Value) {
    if (Value)
        FComponentStyle.Include(csSubComponent);
    else
        FComponentStyle.Exclude(csSubComponent);
}

void TComponent::Updating() { FComponentState.Include(csUpdating); }
void TComponent::Updated() { FComponentState.Exclude(csUpdating); }

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // Pass it on; a receiver may free components, so re-check the bounds.
    int I = ComponentCount() - 1;
    while (I >= 0) {
        FComponents[static_cast<size_t>(I)]->Notification(AComponent, Operation);
        --I;
        if (I >= ComponentCount()) I = ComponentCount() - 1;
    }
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent), FFreeNotifies.end());
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent) return;
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::GetChildren(TGetChildProc Proc, TComponent* Root) {
    if (Root != this) return;
    for (size_t I = 0; I < FComponents.size(); ++I) {
        TComponent* C = FComponents[I];
        if (!C->HasParent() || !C->GetParentComponent()) Proc(C);
    }
}

TComponent* TComponent::GetChildOwner() { return nullptr; }
TComponent* TComponent::GetChildParent() { return this; }
void TComponent::SetChildOrder(TComponent*, int) {}
void TComponent::SetParentComponent(TComponent*) {}

void TComponent::ReadState(TReader* Reader) {
    if (HasParent() && Reader->Parent() && Reader->Parent() != this) SetParentComponent(Reader->Parent());
    Reader->ReadData(this);
}

void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }

void TComponent::DefineProperties(TFiler* Filer) {
    // Position of a non-visual component on its designed form.
    auto* Ancestor = dynamic_cast<TComponent*>(Filer->Ancestor());
    int32_t AncestorInfo = Ancestor ? Ancestor->FDesignInfo : 0;
    Filer->DefineProperty(
        "Left", [this](TReader* R) { FDesignInfo = MakeLong(R->ReadInteger(), HighWord(FDesignInfo)); },
        [this](TWriter* W) { W->WriteInteger(LowWord(FDesignInfo)); },
        LowWord(FDesignInfo) != LowWord(AncestorInfo));
    Filer->DefineProperty(
        "Top", [this](TReader* R) { FDesignInfo = MakeLong(LowWord(FDesignInfo), R->ReadInteger()); },
        [this](TWriter* W) { W->WriteInteger(HighWord(FDesignInfo)); },
        HighWord(FDesignInfo) != HighWord(AncestorInfo));
}

std::string TComponent::GetNamePath() const { return FName; }
