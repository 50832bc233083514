#include "designer/support/win/PropFileSystem.h"

#include "designer/support/win/DesignerLookups.h"
#include "framework/classes/TypeInfo.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/classes/DataModule.h"

QRN_PUBLISHED(TPropFileSystem) {
    B.Prop("ObjectPath", &TPropFileSystem::ObjectPath, &TPropFileSystem::SetObjectPath);
    B.Prop("PropName", &TPropFileSystem::PropName, &TPropFileSystem::SetPropName);
}

namespace {
bool IsTextKind(const TPropInfo* P) { return P && (P->Kind() == tkString || P->Kind() == tkLString); }

[[noreturn]] void StreamError() { throw Exception("Error in property stream"); }
}  // namespace

TPropStream::TPropStream(TComponent* Component, uint16_t Mode, const std::string& PropName)
    : FComponent(Component), FMode(Mode & 3) {
    if (!Component || PropName.empty()) StreamError();
    FProp = GetPropInfo(Component, PropName);
    if (!FProp) StreamError();
    if (FProp->Kind() == tkClass) FStrings = dynamic_cast<TStrings*>(GetObjectProp(Component, FProp));
    if (!FStrings && !IsTextKind(FProp)) StreamError();
    if (FMode == 1) return;
    const std::string Text = FStrings ? FStrings->Text() : GetStrProp(Component, FProp);
    Write(Text.data(), static_cast<int32_t>(Text.size()));
    SetPosition(0);
}

void TPropStream::WriteBack() {
    const std::string Text(static_cast<const char*>(Memory()), static_cast<size_t>(Size()));
    if (FStrings) FStrings->SetText(Text);
    else SetStrProp(FComponent, FProp, Text);
    // The component's form hears of the change through its designer.
    TComponent* Root = FComponent;
    while (Root->Owner() && !dynamic_cast<TCustomForm*>(Root)) Root = Root->Owner();
    if (auto* Form = dynamic_cast<TCustomForm*>(Root); Form && Form->Designer()) Form->Designer()->NotifyModified();
}

TPropStream::~TPropStream() {
    if (FMode == 0) return;
    try {
        WriteBack();
    } catch (...) {
        // A destructor may not raise; the text stays as it was.
    }
}

void TPropFileSystem::SetObjectPath(const std::string& Value) {
    FObjectPath = Value;
    if (FComponent) FComponent->RemoveFreeNotification(this);
    FComponent = FindComponentByPath(Value);
    if (FComponent) FComponent->FreeNotification(this);
}

void TPropFileSystem::Notification(TComponent* AComponent, TOperation Operation) {
    TFileSystem::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FComponent) FComponent = nullptr;
}

std::unique_ptr<TStream, TObjectFree> TPropFileSystem::CreateStream(const std::string&, uint16_t Mode) {
    TComponent* C = FindComponentByPath(FObjectPath);
    if (!C) throw Exception(Format("Component %s doesn't exist", {FObjectPath}));
    return std::unique_ptr<TStream, TObjectFree>(new TPropStream(C, Mode, FPropName));
}

bool TPropFileSystem::FileExists(const std::string&) {
    TComponent* C = FindComponentByPath(FObjectPath);
    if (!C || FPropName.empty()) return false;
    const TPropInfo* P = GetPropInfo(C, FPropName);
    if (IsTextKind(P)) return true;
    return P && P->Kind() == tkClass && dynamic_cast<TStrings*>(GetObjectProp(C, P));
}
