#include "designer/support/PropertyHelpers.h"

#include "framework/classes/ClassErrors.h"
#include "framework/rtl/StrUtils.h"

namespace {
bool IsOrdinalKind(TTypeKind Kind) { return tkOrdinal.Contains(Kind); }
bool IsStringKind(TTypeKind Kind) { return tkStrings.Contains(Kind); }

// A number from outside (a stored option) checked against the property's
// type, as the form reader checks it: an enumeration outside its values is
// refused, a set keeps only its elements' bits.
int64_t OrdinalOfType(const TTypeInfo* Type, int64_t Ord) {
    if (Type->Kind == tkEnumeration && (Ord < Type->MinValue || Ord > Type->MaxValue))
        throw EPropertyError("Invalid property value");
    if (Type->Kind == tkSet) {
        const TTypeInfo* Element = Type->CompType();
        const int64_t Last = Element ? Element->MaxValue : 31;
        return Last >= 31 ? Ord & 0xFFFFFFFF : Ord & ((int64_t{1} << (Last + 1)) - 1);
    }
    return Ord;
}

bool HasSetterFor(const TPropInfo* Prop) {
    switch (Prop->Kind()) {
        case tkFloat: return static_cast<bool>(Prop->SetFloat);
        case tkClass: return static_cast<bool>(Prop->SetObj);
        case tkVariant: return static_cast<bool>(Prop->SetVar);
        default:
            if (IsStringKind(Prop->Kind())) return static_cast<bool>(Prop->SetStr);
            return IsOrdinalKind(Prop->Kind()) && static_cast<bool>(Prop->SetOrd);
    }
}
}  // namespace

void CopyObjectProperties(TObject* Source, TObject* Dest, const TStrings* Exclude) {
    if (!Source || !Dest || Source == Dest) return;
    for (const TPropInfo* Prop : Source->ClassType()->Properties())
        if (!Exclude || Exclude->IndexOf(Prop->Name) < 0) CopyObjectProperty(Source, Dest, Prop->Name);
}

void CopyObjectProperty(TObject* Source, TObject* Dest, const std::string& Name) {
    const TPropInfo* From = Source->ClassType()->FindProperty(Name);
    const TPropInfo* To = Dest->ClassType()->FindProperty(Name);
    if (!From || !To || From->Kind() != To->Kind() || !HasSetterFor(To)) return;
    switch (From->Kind()) {
        case tkFloat: SetFloatProp(Dest, To, GetFloatProp(Source, From)); break;
        case tkClass: SetObjectProp(Dest, To, GetObjectProp(Source, From)); break;
        case tkVariant: To->SetVar(Dest, From->GetVar(Source)); break;
        default:
            if (IsStringKind(From->Kind()))
                SetStrProp(Dest, To, GetStrProp(Source, From));
            else if (IsOrdinalKind(From->Kind()))
                SetOrdProp(Dest, To, GetOrdProp(Source, From));
            break;
    }
}

Variant GetPropertyAsVariant(TObject* Instance, const TPropInfo* Prop) {
    if (!Prop) return {};
    if (IsOrdinalKind(Prop->Kind())) return Variant(GetOrdProp(Instance, Prop));
    if (Prop->Kind() == tkFloat) return Variant(GetFloatProp(Instance, Prop));
    if (IsStringKind(Prop->Kind())) return Variant(GetStrProp(Instance, Prop));
    if (Prop->Kind() == tkVariant && Prop->GetVar) return Prop->GetVar(Instance);
    return {};
}

void SetPropertyFromVariant(TObject* Instance, const TPropInfo* Prop, const Variant& Value) {
    if (!Prop) return;
    if (IsOrdinalKind(Prop->Kind())) {
        int64_t Ord = 0;
        if (Value.VarType() == varString)
            Ord = StrToInt64(Value.AsString());
        else if (Value.VarType() == varBoolean)
            Ord = Value.AsBoolean() ? 1 : 0;
        else
            Ord = Value.AsInt64();
        SetOrdProp(Instance, Prop, OrdinalOfType(Prop->PropType, Ord));
    } else if (Prop->Kind() == tkFloat) {
        SetFloatProp(Instance, Prop, Value.AsDouble());
    } else if (IsStringKind(Prop->Kind())) {
        SetStrProp(Instance, Prop, Value.AsString());
    } else if (Prop->Kind() == tkVariant && Prop->SetVar) {
        Prop->SetVar(Instance, Value);
    }
}

void ForEachPropertyOfKinds(TObject* Instance, TTypeKinds Kinds, bool StoredOnly, const TPropertyProc& Proc) {
    if (!Instance || !Proc) return;
    for (const TPropInfo* Prop : Instance->ClassType()->Properties()) {
        if (!Kinds.Contains(Prop->Kind())) continue;
        if (StoredOnly && !Prop->IsStored(Instance)) continue;
        Proc(Instance, Prop);
    }
}

void ForEachProperty(TObject* Instance, bool StoredOnly, const TPropertyProc& Proc) {
    ForEachPropertyOfKinds(Instance, TTypeKinds::FromMask(~0u), StoredOnly, Proc);
}
