#include "designer/support/win/VerbDispatcher.h"

#include "designer/support/ObjectParams.h"
#include "designer/support/win/DesignLibrary.h"
#include "framework/rtl/StrUtils.h"

QRN_PUBLISHED(TVerbListItem) {
    B.Prop("VerbComp", &TVerbListItem::VerbComp, &TVerbListItem::SetVerbComp);
    B.Prop("VerbName", &TVerbListItem::VerbName, &TVerbListItem::SetVerbName);
}
QRN_PUBLISHED(TVerbList) {}
QRN_PUBLISHED(TVerbDispatcher) {
    B.Prop("VerbList", &TVerbDispatcher::VerbList);
    B.Prop("Version", &TVerbDispatcher::Version, &TVerbDispatcher::SetVersion).Stored(false);
    B.Message(PackageLoadedMessage, &TVerbDispatcher::PackageLoaded);
    B.Message(ModuleUnloadingMessage, &TVerbDispatcher::ModuleUnloading);
    B.Message(DesignerModifiedMessage, &TVerbDispatcher::StateMayHaveChanged);
    B.Message(VerbsChangedMessage, &TVerbDispatcher::StateMayHaveChanged);
}

namespace {
constexpr const char* AssignVerbParam = "AssignVerb";
constexpr const char* AssignVerbProcParam = "AssignVerb.VerbProc";

TVerbDispatcher* DispatcherOf(const TVerbListItem* Item) {
    return Item->Collection() ? dynamic_cast<TVerbDispatcher*>(Item->Collection()->GetOwner()) : nullptr;
}

TVerbAssignProc FindAssignProc(const TComponent* Target) {
    TObjectParamListItem* Entry =
        FindObjectParams(Target->ClassType(), {{AssignVerbParam, Variant(AssignVerbProcParam)}});
    const Variant Proc = GetParam(Entry, AssignVerbProcParam);
    return Proc.VarType() == varInteger ? reinterpret_cast<TVerbAssignProc>(static_cast<intptr_t>(Proc.AsInt64()))
                                        : nullptr;
}
}  // namespace

TVerbListItem::~TVerbListItem() {
    if (FVerbComp && FAssignProc) FAssignProc(FVerbComp, nullptr);
}

bool TVerbListItem::DispatcherDesigning() const {
    const TVerbDispatcher* D = DispatcherOf(this);
    return D && D->ComponentState().Contains(csDesigning);
}

void TVerbListItem::SetVerbComp(TComponent* Value) {
    if (Value == FVerbComp) return;
    Unbind();
    FVerbComp = Value;
    if (TVerbDispatcher* D = DispatcherOf(this); D && Value) Value->FreeNotification(D);
    Bind();
}

void TVerbListItem::SetVerbName(const std::string& Value) {
    const std::string Trimmed = Trim(Value);
    if (Trimmed == FVerbName) return;
    FVerbName = Trimmed;
    Bind();
}

void TVerbListItem::Unbind() {
    if (FVerbComp && FAssignProc) FAssignProc(FVerbComp, nullptr);
    FAssignProc = nullptr;
    FGetStateProc = nullptr;
    FExecuteProc = nullptr;
    FEditorGroup = 0;
    FState = 0;
}

void TVerbListItem::Bind() {
    if (DispatcherDesigning()) return;
    Unbind();
    if (!FVerbComp || FVerbName.empty()) return;
    TVerbAssignProc Assign = FindAssignProc(FVerbComp);
    TVerbStateProc GetState = nullptr;
    TVerbExecuteProc Run = nullptr;
    TObjectParamListItem* Verb = FindVerb(FVerbName, GetState, Run);
    if (!Assign || !Verb) return;
    FAssignProc = Assign;
    FGetStateProc = GetState;
    FExecuteProc = Run;
    FEditorGroup = Verb->EditorGroup;
    UpdateState();
}

void TVerbListItem::UpdateState() {
    if (!FAssignProc || !FVerbComp) return;
    uint8_t NewState = VerbVisible | VerbEnabled;
    if (FGetStateProc) FGetStateProc(NewState);
    if (NewState == FState) return;
    FState = NewState;
    FAssignProc(FVerbComp, this);
}

void TVerbListItem::Execute() {
    if (!FExecuteProc) return;
    BeginVerbUpdate();
    try {
        FExecuteProc();
    } catch (...) {
        EndVerbUpdate();
        throw;
    }
    EndVerbUpdate();
}

void TVerbListItem::ComponentFreed() {
    FVerbComp = nullptr;
    FAssignProc = nullptr;
    Unbind();
}

std::string TVerbListItem::GetDisplayName() const {
    if (FVerbComp) return FVerbComp->Name() + " - " + FVerbName;
    if (!FVerbName.empty()) return FVerbName;
    return TZelNamedItem::GetDisplayName();
}

TVerbDispatcher::TVerbDispatcher(TComponent* AOwner) : TComponent(AOwner) {
    RegisterDefaultVerbTargets();
    FVerbList.reset(new TVerbList(this));
    AddListener(this);
    InitDesignLibrary();
}

TVerbDispatcher::~TVerbDispatcher() { RemoveListener(this); }

void TVerbDispatcher::BeforeDestruction() {
    RemoveListener(this);
    TComponent::BeforeDestruction();
}

void TVerbDispatcher::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || !FVerbList) return;
    for (int I = 0; I < FVerbList->Count(); ++I)
        if (FVerbList->Verbs(I)->VerbComp() == AComponent) FVerbList->Verbs(I)->ComponentFreed();
}

void TVerbDispatcher::RebindAll() {
    for (int I = 0; I < FVerbList->Count(); ++I) FVerbList->Verbs(I)->Bind();
}

void TVerbDispatcher::UpdateAll() {
    for (int I = 0; I < FVerbList->Count(); ++I) FVerbList->Verbs(I)->UpdateState();
}

void TVerbDispatcher::PackageLoaded(TZelMessage&) { RebindAll(); }

void TVerbDispatcher::ModuleUnloading(TZelMessage& Message) {
    for (int I = 0; I < FVerbList->Count(); ++I)
        if (FVerbList->Verbs(I)->EditorGroup() == Message.WParam) FVerbList->Verbs(I)->Bind();
}

void TVerbDispatcher::StateMayHaveChanged(TZelMessage&) {
    const TComponentState S = ComponentState();
    if (VerbUpdateCount() > 0 || S.Contains(csLoading) || S.Contains(csReading) || S.Contains(csDestroying) ||
        S.Contains(csDesigning))
        return;
    UpdateAll();
}
