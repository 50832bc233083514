#include "framework/classes/ClassRegistry.h"
#include "framework/rtl/StrUtils.h"

#include <mutex>
#include <vector>

namespace {
struct TRegistry {
    std::mutex Lock;
    std::vector<const TClass*> Classes;
};
TRegistry& Registry() {
    static TRegistry R;
    return R;
}
}  // namespace

void RegisterClass(const TClass* Class) {
    if (!Class) return;
    TRegistry& R = Registry();
    std::lock_guard<std::mutex> L(R.Lock);
    for (const TClass* C : R.Classes) {
        if (C == Class) return;
        if (SameText(C->Name(), Class->Name())) throw EFilerError("A class named " + Class->Name() + " already exists");
    }
    R.Classes.push_back(Class);
}

void RegisterClasses(std::initializer_list<const TClass*> Classes) {
    for (const TClass* C : Classes) RegisterClass(C);
}

void UnRegisterClass(const TClass* Class) {
    TRegistry& R = Registry();
    std::lock_guard<std::mutex> L(R.Lock);
    std::erase(R.Classes, Class);
}

const TClass* GetClass(std::string_view ClassName) {
    TRegistry& R = Registry();
    std::lock_guard<std::mutex> L(R.Lock);
    for (const TClass* C : R.Classes)
        if (SameText(C->Name(), ClassName)) return C;
    return nullptr;
}

const TClass* FindClass(std::string_view ClassName) {
    if (const TClass* C = GetClass(ClassName)) return C;
    throw EClassNotFound("Class " + std::string(ClassName) + " not found");
}
