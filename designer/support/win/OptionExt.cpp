#include "designer/support/win/OptionExt.h"

#include <exception>
#include <map>

#include "designer/support/PropertyHelpers.h"
#include "designer/support/win/RegistryPersistence.h"
#include "framework/rtl/StrUtils.h"

QRN_PUBLISHED(TOptionExt) {}

namespace {
struct TClassNameLess {
    bool operator()(const std::string& A, const std::string& B) const { return CompareText(A, B) < 0; }
};
// The global instance of each options class, by class name.
std::map<std::string, std::unique_ptr<TOptionExt, TObjectFree>, TClassNameLess>& OptionsRegistry() {
    static std::map<std::string, std::unique_ptr<TOptionExt, TObjectFree>, TClassNameLess> Registry;
    return Registry;
}
}  // namespace

TOptionExt* TOptionExt::GetGlobalOptionsInstance(const TClass* Class) {
    auto& Registry = OptionsRegistry();
    auto It = Registry.find(Class->Name());
    return It == Registry.end() ? nullptr : It->second.get();
}

TOptionExt* TOptionExt::GetGlobalOptions(const TClass* Class) {
    if (TOptionExt* Existing = GetGlobalOptionsInstance(Class)) return Existing;
    std::unique_ptr<TObject, TObjectFree> Made(Class->CreateObject());
    auto* Options = dynamic_cast<TOptionExt*>(Made.get());
    if (!Options) return nullptr;
    Made.release();
    OptionsRegistry()[Class->Name()].reset(Options);
    Options->BecomeGlobal();
    return Options;
}

void TOptionExt::BecomeGlobal() {
    SetDefaults();
    LoadFromRegistry();
}

void TOptionExt::BecomeLocalCopy(TOptionExt* Global) {
    FGlobalInstance = Global;
    if (Global) Assign(Global);
}

void TOptionExt::EndUpdate() {
    if (FUpdateCount <= 0) return;
    if (--FUpdateCount == 0) Apply();
}

void TOptionExt::Assign(TPersistent* Source) { CopyObjectProperties(Source, this); }

void TOptionExt::LoadFromRegistry() {
    BeginUpdate();
    try {
        LoadObjectFromRegistry(GetPersistentObject(), GetRegistryKey());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TOptionExt::SaveToRegistry() { SaveObjectToRegistry(GetPersistentObject(), GetRegistryKey()); }

std::string TOptionExt::GetRegistryKey() const { return ClassName().substr(1); }

void TOptionExt::Changed() {
    if (IsGlobal()) {
        Apply();
        return;
    }
    BeginUpdate();
    try {
        FGlobalInstance->Assign(this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void SaveGlobalOptions() {
    std::exception_ptr First;
    for (auto& [Name, Options] : OptionsRegistry()) {
        try {
            Options->SaveToRegistry();
        } catch (...) {
            if (!First) First = std::current_exception();
        }
    }
    if (First) std::rethrow_exception(First);
}

void FreeGlobalOptions() { OptionsRegistry().clear(); }
