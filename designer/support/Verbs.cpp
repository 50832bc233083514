#include "designer/support/Verbs.h"

#include "designer/support/MessageBus.h"

QRN_PUBLISHED(TVerbObject) {}

namespace {
int GVerbUpdates = 0;

// Routines travel as integers in the parameters.
template <class Proc>
Variant ProcValue(Proc P) {
    return Variant(static_cast<int64_t>(reinterpret_cast<intptr_t>(P)));
}
template <class Proc>
Proc ProcOf(const Variant& V) {
    return V.VarType() == varInteger ? reinterpret_cast<Proc>(static_cast<intptr_t>(V.AsInt64())) : nullptr;
}
}  // namespace

TObjectParamListItem* RegisterVerb(const std::string& Name, TVerbStateProc GetState, TVerbExecuteProc Execute) {
    TObjectParamListItem* Entry = AddObjectParams(
        TVerbObject::StaticClass(),
        {{"Verb.Name", Variant(Name)}, {"Verb.GetState", ProcValue(GetState)}, {"Verb.Execute", ProcValue(Execute)}});
    VerbsChanged();
    return Entry;
}

void RegisterVerbs(std::initializer_list<TVerbDefinition> Verbs) {
    BeginVerbUpdate();
    try {
        for (const TVerbDefinition& V : Verbs) RegisterVerb(V.Name, V.GetState, V.Execute);
    } catch (...) {
        EndVerbUpdate();
        throw;
    }
    EndVerbUpdate();
}

void UnregisterVerb(TObjectParamListItem* Entry) {
    TObjectParamList& List = ObjectParamList();
    for (int I = 0; I < List.Count(); ++I)
        if (List.Items(I) == Entry) {
            Entry->Free();
            VerbsChanged();
            return;
        }
}

TObjectParamListItem* FindVerb(const std::string& Name, TVerbStateProc& GetState, TVerbExecuteProc& Execute) {
    TObjectParamListItem* Entry =
        FindObjectParamsOfClass(TVerbObject::StaticClass(), {{"Verb.Name", Variant(Name)}}, {pmoIgnoreCase});
    GetState = ProcOf<TVerbStateProc>(GetParam(Entry, "Verb.GetState"));
    Execute = ProcOf<TVerbExecuteProc>(GetParam(Entry, "Verb.Execute"));
    return Entry;
}

void VerbsChanged() {
    if (GVerbUpdates == 0) BroadcastSimple(VerbsChangedMessage);
}

void BeginVerbUpdate() {
    if (GVerbUpdates == 0) BroadcastSimple(BeginVerbUpdateMessage);
    ++GVerbUpdates;
}

void EndVerbUpdate() {
    if (GVerbUpdates <= 0) return;
    if (--GVerbUpdates == 0) {
        BroadcastSimple(EndVerbUpdateMessage);
        VerbsChanged();
    }
}

int VerbUpdateCount() { return GVerbUpdates; }

void ResetVerbUpdates() { GVerbUpdates = 0; }
