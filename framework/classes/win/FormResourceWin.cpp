// Form data embedded in a module as RCDATA.
#include "framework/classes/ClassErrors.h"
#include "framework/classes/FormResource.h"
#include "framework/rtl/win/WinApi.h"

namespace {
bool FindData(void* Module, const std::string& ResName, const void*& Data, size_t& Size) {
    HMODULE M = Module ? static_cast<HMODULE>(Module) : GetModuleHandleA(nullptr);
    HRSRC Res = FindResourceA(M, ResName.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!Res) return false;
    HGLOBAL Handle = LoadResource(M, Res);
    if (!Handle) return false;
    Data = LockResource(Handle);
    Size = SizeofResource(M, Res);
    return Data != nullptr;
}
}  // namespace

bool FormResourceExists(void* Module, const std::string& ResName) {
    const void* Data;
    size_t Size;
    return FindData(Module, ResName, Data, Size);
}

TComponent* LoadFormResource(void* Module, const std::string& ResName, TComponent* Root,
                             const std::function<void(TReader&)>& Setup) {
    const void* Data;
    size_t Size;
    if (!FindData(Module, ResName, Data, Size)) throw EResNotFound("Resource " + ResName + " not found");
    return ReadFormData(Data, Size, Root, Setup);
}
