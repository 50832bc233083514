#include "framework/classes/ClassPatches.h"

#include <map>

namespace {
struct TClassPatch {
    const char* Name = nullptr;
    const void* MethodTable = nullptr;
};

std::map<const TClass*, TClassPatch>& Patches() {
    static std::map<const TClass*, TClassPatch> Map;
    return Map;
}

void Forget(const TClass* Class) {
    auto It = Patches().find(Class);
    if (It != Patches().end() && !It->second.Name && !It->second.MethodTable) Patches().erase(It);
}
}  // namespace

void SetClassNamePatch(const TClass* Class, const char* Name) {
    Patches()[Class].Name = Name;
    Forget(Class);
}

const char* ClassNamePatch(const TClass* Class) {
    auto It = Patches().find(Class);
    return It == Patches().end() ? nullptr : It->second.Name;
}

void SetClassMethodTable(const TClass* Class, const void* Table) {
    Patches()[Class].MethodTable = Table;
    Forget(Class);
}

const void* GetClassMethodTable(const TClass* Class) {
    auto It = Patches().find(Class);
    return It == Patches().end() ? nullptr : It->second.MethodTable;
}
