// The designer's event handlers. A designed form has no code behind it: a
// handler is a name, remembered with a code in the filer's method-name
// table so that the form's class carries the names while it is written.
#include "designer/engine/win/ZelFormDesigner.h"

#include <algorithm>

#include "designer/engine/win/DataModuleWrapper.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

namespace {
// Runs Proc on every event property of Component and of the components it
// owns, at any depth.
void ForEachEvent(TComponent* Component, const std::function<void(TComponent*, const TPropInfo*)>& Proc) {
    for (const TPropInfo* P : Component->ClassType()->Properties())
        if (P->Kind() == tkMethod && P->SetMeth) Proc(Component, P);
    for (int I = 0; I < Component->ComponentCount(); ++I) ForEachEvent(Component->Components(I), Proc);
}
}  // namespace

TMethod TZelFormDesigner::CreateEventMethod(const std::string& Name, const TTypeInfo* TypeData) {
    TFDesigner::CreateEventMethod(Name, TypeData);
    const std::string Trimmed = Trim(Name);
    if (Trimmed.empty()) return {};
    FFiler->MethodCodeOf(Trimmed);
    if (CodeDesigner) CodeDesigner->CreateMethod(Trimmed, TypeData);
    FCreatedMethod = Trimmed;
    // The handler a read form file binds: the name, with the root as its
    // object and nothing to call.
    return TMethod{GetDesignRoot(), Trimmed, {}};
}

std::string TZelFormDesigner::GetEventMethodName(const TMethod& Method) {
    std::string Name = TFDesigner::GetEventMethodName(Method);
    if (Name.empty() && FFiler->FindMethodCode(Method.Name)) Name = Method.Name;
    return Name;
}

void TZelFormDesigner::EnumEventMethods(const TTypeInfo* TypeData, TGetStrProc Proc) {
    for (const std::string& Name : FFiler->MethodNames()) Proc(Name);
    if (CodeDesigner) CodeDesigner->EnumMethods(TypeData, Proc);
}

bool TZelFormDesigner::EventMethodExists(const std::string& Name) {
    if (CodeDesigner) return CodeDesigner->MethodExists(Name);
    return FFiler->FindMethodCode(Trim(Name)) != 0;
}

void TZelFormDesigner::RenameEventMethod(const std::string& CurName, const std::string& NewName) {
    const std::string Old = Trim(CurName);
    const std::string New = Trim(NewName);
    if (SameText(Old, New)) return;
    TFDesigner::RenameEventMethod(CurName, NewName);
    FFiler->RenameMethodName(Old, New);
    if (CodeDesigner) {
        CodeDesigner->RenameMethod(Old, New);
    } else if (TComponent* Root = GetDesignRoot()) {
        // An event carries its handler's name: every one that still names
        // the old handler is bound to the new name.
        ForEachEvent(Root, [&](TComponent* C, const TPropInfo* P) {
            TMethod M = GetMethodProp(C, P);
            if (M.Assigned() && SameText(M.Name, Old)) {
                M.Name = New;
                SetMethodProp(C, P, M);
            }
        });
    }
    if (Scripter) Scripter->MethodRenamed(Old, New);
}

void TZelFormDesigner::CheckRenameWithCode(TComponent* Component, const std::string& CurName,
                                           const std::string& NewName) {
    // The data-module wrapper's hidden control is nothing of the code's.
    if (!CodeDesigner || dynamic_cast<TNotifier*>(Component)) return;
    if (!NewName.empty() && !CodeDesigner->IsValidName(NewName))
        throw Exception("'" + NewName + "' is not a valid name.");
    if (!Component && NewName.empty()) throw Exception("Form name can not be empty");
    CodeDesigner->Renamed(Component, CurName, NewName);
}

void TZelFormDesigner::RenameHandlersOf(TComponent* Component, const std::string& CurName,
                                        const std::string& NewName) {
    // The names first: a handler renamed on one event is renamed on all.
    std::vector<std::string> Handlers;
    for (const TPropInfo* P : Component->ClassType()->Properties()) {
        if (P->Kind() != tkMethod || !P->SetMeth) continue;
        const TMethod Method = GetMethodProp(Component, P);
        std::string Handler = GetEventMethodName(Method);
        if (Handler.empty()) Handler = Method.Name;
        if (Handler.size() >= CurName.size() && SameText(Handler.substr(0, CurName.size()), CurName) &&
            std::find(Handlers.begin(), Handlers.end(), Handler) == Handlers.end())
            Handlers.push_back(Handler);
    }
    for (const std::string& Handler : Handlers) RenameEventMethod(Handler, NewName + Handler.substr(CurName.size()));
}

void TZelFormDesigner::ShowEventMethod(const std::string& Name) {
    if (CodeDesigner) CodeDesigner->ShowMethod(Name);
}

void TZelFormDesigner::BeginSave() { FFiler->PatchClass(GetDesignRoot()); }

void TZelFormDesigner::EndSave() { FFiler->RestoreClass(GetDesignRoot()); }
