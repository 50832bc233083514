// The property editor base, the editor registry and the listing of a
// selection's editors. The standard editors are in PropEditsStd.cpp.
#include "framework/design/PropEdits.h"

#include "framework/design/ComponentEditors.h"

#include <tuple>

#include "framework/rtl/StrUtils.h"

void (*FreeEditorGroupHandler)(int Group) = nullptr;
bool (*EditColorProc)(int32_t& Color) = nullptr;
bool (*EditFontProc)(TPersistent* Font) = nullptr;
void (*GetFontNamesProc)(const TGetStrProc& Proc) = nullptr;
void (*GetImeNamesProc)(const TGetStrProc& Proc) = nullptr;

// ------------------------------------------------------------ TPropertyEditor

TPropertyEditor::TPropertyEditor(TFormDesigner* Designer, int PropCount)
    : FDesigner(Designer), FProps(static_cast<size_t>(PropCount > 0 ? PropCount : 1)) {}

void TPropertyEditor::SetPropEntry(int Index, TPersistent* Instance, const TPropInfo* Prop) {
    FProps.at(static_cast<size_t>(Index)) = {Instance, Prop};
}

std::string TPropertyEditor::GetName() { return GetPropInfo()->Name; }
std::string TPropertyEditor::GetValue() { return "(unknown)"; }
void TPropertyEditor::SetValue(const std::string&) {}
TPropertyAttributes TPropertyEditor::GetAttributes() { return {paMultiSelect, paRevertable}; }
void TPropertyEditor::GetValues(TGetStrProc) {}
void TPropertyEditor::GetProperties(TGetPropEditProc) {}

void TPropertyEditor::Edit() {
    // Without a dialog, editing steps to the next value of the list.
    if (!GetAttributes().Contains(paValueList)) return;
    std::vector<std::string> Values;
    GetValues([&](const std::string& S) { Values.push_back(S); });
    if (Values.empty()) return;
    const std::string Current = GetValue();
    size_t Next = 0;
    for (size_t I = 0; I < Values.size(); ++I)
        if (SameText(Values[I], Current)) Next = (I + 1) % Values.size();
    SetValue(Values[Next]);
}

bool TPropertyEditor::AllEqual() { return PropCount() == 1; }
int TPropertyEditor::GetEditLimit() { return 255; }

bool TPropertyEditor::ValueAvailable() {
    // Components that say their properties may be unreadable are tried.
    for (const TEntry& E : FProps) {
        auto* C = dynamic_cast<TComponent*>(E.Instance);
        if (!C || !C->ComponentStyle().Contains(csCheckPropAvail)) continue;
        try {
            (void)GetValue();
        } catch (const std::exception&) {
            return false;
        }
        break;
    }
    return true;
}

void TPropertyEditor::Modified() {
    if (FDesigner) FDesigner->NotifyModified();
}

bool TPropertyEditor::AllSame(const std::function<bool(int, int)>& Same) {
    for (int I = 1; I < PropCount(); ++I)
        if (!Same(0, I)) return false;
    return true;
}

int64_t TPropertyEditor::GetOrdValue(int Index) {
    const TEntry& E = FProps.at(static_cast<size_t>(Index));
    return GetOrdProp(E.Instance, E.Prop);
}
void TPropertyEditor::SetOrdValue(int64_t Value) {
    for (const TEntry& E : FProps) SetOrdProp(E.Instance, E.Prop, Value);
    Modified();
}
double TPropertyEditor::GetFloatValue(int Index) {
    const TEntry& E = FProps.at(static_cast<size_t>(Index));
    return GetFloatProp(E.Instance, E.Prop);
}
void TPropertyEditor::SetFloatValue(double Value) {
    for (const TEntry& E : FProps) SetFloatProp(E.Instance, E.Prop, Value);
    Modified();
}
std::string TPropertyEditor::GetStrValue(int Index) {
    const TEntry& E = FProps.at(static_cast<size_t>(Index));
    return GetStrProp(E.Instance, E.Prop);
}
void TPropertyEditor::SetStrValue(const std::string& Value) {
    for (const TEntry& E : FProps) SetStrProp(E.Instance, E.Prop, Value);
    Modified();
}
TObject* TPropertyEditor::GetObjValue(int Index) {
    const TEntry& E = FProps.at(static_cast<size_t>(Index));
    return GetObjectProp(E.Instance, E.Prop);
}
void TPropertyEditor::SetObjValue(TObject* Value) {
    for (const TEntry& E : FProps) SetObjectProp(E.Instance, E.Prop, Value);
    Modified();
}
TMethod TPropertyEditor::GetMethodValue(int Index) {
    const TEntry& E = FProps.at(static_cast<size_t>(Index));
    return GetMethodProp(E.Instance, E.Prop);
}
void TPropertyEditor::SetMethodValue(const TMethod& Value) {
    for (const TEntry& E : FProps) SetMethodProp(E.Instance, E.Prop, Value);
    Modified();
}
Variant TPropertyEditor::GetVarValue(int Index) {
    const TEntry& E = FProps.at(static_cast<size_t>(Index));
    if (!E.Prop->GetVar) throw EPropertyError("Invalid property type: " + E.Prop->Name);
    return E.Prop->GetVar(E.Instance);
}
void TPropertyEditor::SetVarValue(const Variant& Value) {
    for (const TEntry& E : FProps) {
        if (!E.Prop->SetVar) throw EPropertyError("Property " + E.Prop->Name + " is read-only");
        E.Prop->SetVar(E.Instance, Value);
    }
    Modified();
}

// ------------------------------------------------------------ registry

namespace {

struct TEditorEntry {
    const TTypeInfo* PropertyType;
    const TClass* ComponentClass;
    std::string PropertyName;
    TPropertyEditorClass EditorClass;
    int Group;
};

struct TEditorRegistry {
    std::vector<TEditorEntry> Entries;  // oldest first
    int CurrentGroup = 0;
    int LastGroup = 0;
};

TEditorRegistry& Registry() {
    static TEditorRegistry R;
    return R;
}

const TClass* ClassOf(const TTypeInfo* T) { return T && T->Kind == tkClass ? T->ClassType() : nullptr; }

bool SameType(const TTypeInfo* A, const TTypeInfo* B) {
    if (A == B) return true;
    const TClass* CA = ClassOf(A);
    return CA && CA == ClassOf(B);
}

// Entry's type covers the property's type: the same type, or both are
// classes and the property's class descends from the entry's.
bool TypeMatches(const TTypeInfo* EntryType, const TTypeInfo* PropType) {
    if (SameType(EntryType, PropType)) return true;
    const TClass* E = ClassOf(EntryType);
    const TClass* P = ClassOf(PropType);
    return E && P && P->InheritsFrom(E);
}

// How deep a class sits (the farther from TObject, the more specific).
int Depth(const TClass* C) {
    int N = 0;
    for (; C; C = C->Parent()) ++N;
    return N;
}

// Ranks a matching entry: a given property name first, then the most
// specific component class, then the exact type, then the nearest class type.
std::tuple<bool, int, bool, int> Rank(const TEditorEntry& E, const TTypeInfo* PropType) {
    return {!E.PropertyName.empty(), Depth(E.ComponentClass), SameType(E.PropertyType, PropType),
            Depth(ClassOf(E.PropertyType))};
}

TPropertyEditorClass KindEditor(const TTypeInfo* Type) {
    switch (Type ? Type->Kind : tkUnknown) {
    case tkInteger: return PropertyEditorClass<TIntegerProperty>();
    case tkChar: return PropertyEditorClass<TCharProperty>();
    case tkEnumeration: return PropertyEditorClass<TEnumProperty>();
    case tkFloat: return PropertyEditorClass<TFloatProperty>();
    case tkString:
    case tkLString: return PropertyEditorClass<TStringProperty>();
    case tkSet: return PropertyEditorClass<TSetProperty>();
    case tkClass: return PropertyEditorClass<TClassProperty>();
    case tkMethod: return PropertyEditorClass<TMethodProperty>();
    case tkVariant: return PropertyEditorClass<TVariantProperty>();
    case tkInt64: return PropertyEditorClass<TIntegerProperty>();
    default: return nullptr;
    }
}

// The published properties of Instance of the given kinds that can be
// read, and written unless they hold an object.
std::vector<const TPropInfo*> EditableProps(const TPersistent* Instance, TTypeKinds Filter) {
    std::vector<const TPropInfo*> Result;
    for (const TPropInfo* P : Instance->ClassType()->Properties())
        if (Filter.Contains(P->Kind()) && (P->Kind() == tkClass || P->Writable())) Result.push_back(P);
    return Result;
}

const TPropInfo* FindSame(const std::vector<const TPropInfo*>& List, const TPropInfo* Prop) {
    for (const TPropInfo* P : List)
        if (SameText(P->Name, Prop->Name) && SameType(P->PropType, Prop->PropType)) return P;
    return nullptr;
}

}  // namespace

void RegisterPropertyEditor(const TTypeInfo* PropertyType, const TClass* ComponentClass,
                            const std::string& PropertyName, TPropertyEditorClass EditorClass) {
    if (!PropertyType || !EditorClass) return;
    Registry().Entries.push_back({PropertyType, ComponentClass, PropertyName, EditorClass, Registry().CurrentGroup});
}

TPropertyEditorClass GetEditorClass(const TPropInfo* Prop, const TPersistent* Instance) {
    const TTypeInfo* PropType = Prop->PropType;
    const TEditorEntry* Best = nullptr;
    const auto& Entries = Registry().Entries;
    for (auto It = Entries.rbegin(); It != Entries.rend(); ++It) {
        const TEditorEntry& P = *It;
        if (!TypeMatches(P.PropertyType, PropType)) continue;
        if (P.ComponentClass && !Instance->InheritsFrom(P.ComponentClass)) continue;
        if (!P.PropertyName.empty() && !SameText(P.PropertyName, Prop->Name)) continue;
        if (!Best || Rank(P, PropType) > Rank(*Best, PropType)) Best = &P;  // newest first: ties keep it
    }
    return Best ? Best->EditorClass : KindEditor(PropType);
}

void GetComponentProperties(const TDesignerSelectionList& Components, TTypeKinds Filter, TFormDesigner* Designer,
                            const TGetPropEditProc& Proc) {
    const int Count = Components.Count();
    if (Count == 0) return;
    TPersistent* First = Components.Items(0);
    // The first component's candidates: those with an editor that allows
    // this selection.
    std::vector<const TPropInfo*> Candidates;
    for (const TPropInfo* P : EditableProps(First, Filter)) {
        TPropertyEditorClass EditClass = GetEditorClass(P, First);
        if (!EditClass) continue;
        std::unique_ptr<TPropertyEditor> Probe = EditClass->Create(Designer, 1);
        Probe->SetPropEntry(0, First, P);
        Probe->Initialize();
        if (Count > 1 && !Probe->GetAttributes().Contains(paMultiSelect)) continue;
        if (!Probe->ValueAvailable()) continue;
        Candidates.push_back(P);
    }
    // Only the properties every component has (same name and type).
    std::vector<std::vector<const TPropInfo*>> Others;
    for (int I = 1; I < Count; ++I) Others.push_back(EditableProps(Components.Items(I), Filter));
    for (const auto& List : Others)
        std::erase_if(Candidates, [&](const TPropInfo* P) { return !FindSame(List, P); });

    for (const TPropInfo* P : Candidates) {
        TPropertyEditorClass EditClass = GetEditorClass(P, First);
        std::unique_ptr<TPropertyEditor> Editor = EditClass->Create(Designer, Count);
        Editor->SetPropEntry(0, First, P);
        bool Add = true;
        for (int J = 1; J < Count && Add; ++J) {
            TPersistent* C = Components.Items(J);
            const TPropInfo* Own = FindSame(Others[static_cast<size_t>(J - 1)], P);
            // Components of other classes must get the same editor.
            if (C->ClassType() != First->ClassType() && GetEditorClass(Own, C) != EditClass) Add = false;
            Editor->SetPropEntry(J, C, Own);
        }
        if (!Add) continue;
        Editor->Initialize();
        if (Editor->ValueAvailable()) Proc(std::move(Editor));
    }
}

// ------------------------------------------------------------ groups

int NewEditorGroup() {
    TEditorRegistry& R = Registry();
    R.CurrentGroup = ++R.LastGroup;
    return R.CurrentGroup;
}

int CurrentEditorGroup() { return Registry().CurrentGroup; }

void FreeEditorGroup(int Group) {
    // Freeing the open group closes it: later registrations stand in no
    // group until the next one is opened.
    if (Registry().CurrentGroup == Group) Registry().CurrentGroup = 0;
    std::erase_if(Registry().Entries, [Group](const TEditorEntry& E) { return E.Group == Group; });
    FreeComponentEditorGroup(Group);
    if (FreeEditorGroupHandler) FreeEditorGroupHandler(Group);
}
