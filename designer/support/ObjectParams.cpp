#include "designer/support/ObjectParams.h"

#include <memory>

#include "framework/design/PropEdits.h"

QRN_PUBLISHED(TObjectParamListItem) {}
QRN_PUBLISHED(TObjectParamList) {}

namespace {
std::unique_ptr<TObjectParamList, TObjectFree> GParams;
intptr_t GModule = 0;

bool StringsMatch(std::string A, std::string B, TParamMatchOptions Options) {
    if (Options.Contains(pmoIgnoreCase)) {
        A = AnsiUpperCase(A);
        B = AnsiUpperCase(B);
    }
    if (Options.Contains(pmoPartial))
        return A.find(B) != std::string::npos || B.find(A) != std::string::npos;
    return A == B;
}

bool ValuesMatch(const Variant& Stored, const Variant& Given, TParamMatchOptions Options) {
    if (Stored.VarType() != Given.VarType()) return false;
    if (Stored.VarType() == varString) return StringsMatch(Stored.AsString(), Given.AsString(), Options);
    return Stored == Given;
}

bool ParamsMatch(const TObjectParamListItem* Entry, TParamValues Params, TParamMatchOptions Options) {
    for (const TParamValue& P : Params) {
        auto It = Entry->Params.find(P.Name);
        if (It == Entry->Params.end() || !ValuesMatch(It->second, P.Value, Options)) return false;
    }
    return true;
}

template <class ClassFits>
TObjectParamListItem* FindFirst(ClassFits Fits, TParamValues Params, TParamMatchOptions Options) {
    if (!GParams) return nullptr;
    for (int I = 0; I < GParams->Count(); ++I) {
        TObjectParamListItem* Entry = GParams->Entries(I);
        if (Entry->Enabled && Entry->ObjectClass && Fits(Entry->ObjectClass) && ParamsMatch(Entry, Params, Options))
            return Entry;
    }
    return nullptr;
}
}  // namespace

TObjectParamList& ObjectParamList() {
    if (!GParams) GParams.reset(new TObjectParamList());
    return *GParams;
}

void ShutdownObjectParams() { GParams.reset(); }

void SetObjectParamsModule(intptr_t Module) { GModule = Module; }

intptr_t ObjectParamsModule() { return GModule; }

void RemoveObjectParamsOfGroup(int Group) {
    if (!GParams) return;
    for (int I = GParams->Count() - 1; I >= 0; --I)
        if (GParams->Entries(I)->EditorGroup == Group) GParams->Delete(I);
}

TObjectParamListItem* AddObjectParams(const TClass* ObjectClass, TParamValues Params, bool Enabled) {
    auto* Entry = static_cast<TObjectParamListItem*>(ObjectParamList().Add());
    Entry->ObjectClass = ObjectClass;
    Entry->Enabled = Enabled;
    Entry->Module = GModule;
    Entry->EditorGroup = CurrentEditorGroup();
    for (const TParamValue& P : Params) Entry->Params[P.Name] = P.Value;
    return Entry;
}

Variant GetParam(const TObjectParamListItem* Entry, const std::string& Name) {
    if (!Entry) return {};
    auto It = Entry->Params.find(Name);
    return It == Entry->Params.end() ? Variant() : It->second;
}

void SetParam(TObjectParamListItem* Entry, const std::string& Name, const Variant& Value) {
    if (Entry) Entry->Params[Name] = Value;
}

TObjectParamListItem* FindObjectParams(const TClass* ObjectClass, TParamValues Params, TParamMatchOptions Options) {
    return FindFirst([ObjectClass](const TClass* C) { return ObjectClass && ObjectClass->InheritsFrom(C); }, Params,
                     Options);
}

TObjectParamListItem* FindObjectParamsOfClass(const TClass* ObjectClass, TParamValues Params,
                                              TParamMatchOptions Options) {
    return FindFirst([ObjectClass](const TClass* C) { return C->InheritsFrom(ObjectClass); }, Params, Options);
}
