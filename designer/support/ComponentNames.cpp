#include "designer/support/ComponentNames.h"

#include "designer/support/PropertyHelpers.h"
#include "framework/rtl/StrUtils.h"

std::string GetNamePathOf(const TPersistent* Obj) { return Obj ? Obj->GetNamePath() : std::string(); }

void EnumQualifiedComponentNames(const std::vector<TComponent*>& Roots, const TComponent* CurrentRoot,
                                 const TClass* ClassRef, const std::function<void(const std::string&)>& Proc) {
    for (const TComponent* Root : Roots) {
        if (!Root) continue;
        for (int I = 0; I < Root->ComponentCount(); ++I) {
            const TComponent* C = Root->Components(I);
            if (C->Name().empty() || (ClassRef && !C->InheritsFrom(ClassRef))) continue;
            Proc(Root == CurrentRoot ? C->Name() : Root->Name() + "." + C->Name());
        }
    }
}

bool IsNameFree(const TComponent* Root, const std::string& Name) {
    for (const TComponent* C = Root; C; C = C->Owner())
        if (C->FindComponent(Name)) return false;
    return true;
}

std::string MakeUniqueName(const TComponent* Root, const std::string& BaseName) {
    for (int N = 1;; ++N) {
        std::string Name = BaseName + IntToStr(N);
        if (!Root || IsNameFree(Root, Name)) return Name;
    }
}

void SetPropValueByName(TObject* Instance, const std::string& PropName, const Variant& Value) {
    if (Instance) SetPropertyFromVariant(Instance, GetPropInfo(Instance, PropName), Value);
}

bool ObjectInheritsFromName(const TObject* Obj, const std::string& ClassName) {
    if (!Obj) return false;
    for (const TClass* C = Obj->ClassType(); C; C = C->Parent())
        if (SameText(C->Name(), ClassName)) return true;
    return false;
}

TPersistent* OwnerOfPersistent(TObject* Obj) {
    auto* P = dynamic_cast<TPersistent*>(Obj);
    return P ? P->GetOwner() : nullptr;
}

const TClass* CommonAncestorClass(const std::vector<TObject*>& Objects) {
    const TClass* Result = nullptr;
    for (const TObject* Obj : Objects) {
        const TClass* C = Obj->ClassType();
        if (!Result) {
            Result = C;
            continue;
        }
        while (Result && !C->InheritsFrom(Result)) Result = Result->Parent();
    }
    return Result;
}
