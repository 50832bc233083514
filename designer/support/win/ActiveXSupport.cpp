#include "designer/support/win/ActiveXSupport.h"

#include <objbase.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "designer/support/DesignStrings.h"
#include "designer/support/DesignerTexts.h"
#include "framework/rtl/win/Registry.h"

namespace {
struct TLibraryFree {
    void operator()(HMODULE Module) const { FreeLibrary(Module); }
};
using TLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, TLibraryFree>;

constexpr const char* RegisterServerName = "DllRegisterServer";
}  // namespace

GUID StringToCLSID(const std::string& S) {
    std::vector<wchar_t> Wide(S.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, S.c_str(), -1, Wide.data(), static_cast<int>(Wide.size()));
    GUID Id{};
    if (FAILED(CLSIDFromString(Wide.data(), &Id))) RaiseDesignErrorFmt("Invalid class string %s", {S});
    return Id;
}

std::string CLSIDToString(const GUID& Id) {
    LPOLESTR Text = nullptr;
    if (FAILED(StringFromCLSID(Id, &Text)) || !Text) return {};
    char Buffer[64] = {};
    WideCharToMultiByte(CP_ACP, 0, Text, -1, Buffer, sizeof(Buffer), nullptr, nullptr);
    CoTaskMemFree(Text);
    return Buffer;
}

std::string GetTypeLibDescription(const GUID& LibID) {
    TRegistry Registry;
    Registry.SetRootKey(HKEY_CLASSES_ROOT);
    if (!Registry.OpenKeyReadOnly("\\TypeLib\\" + CLSIDToString(LibID))) return {};
    const std::string Version = Registry.FirstKeyName();
    if (Version.empty() || !Registry.OpenKeyReadOnly(Version)) return {};
    return Registry.ReadString("");
}

void RegisterActiveXServer(const std::string& FileName) {
    TLibrary Library(LoadLibraryA(FileName.c_str()));
    if (!Library) RaiseDesignErrorFmt(SFailedToLoadLibrary, {FileName});
    using TRegisterServer = HRESULT(WINAPI*)();
    auto Register = reinterpret_cast<TRegisterServer>(
        reinterpret_cast<void*>(GetProcAddress(Library.get(), RegisterServerName)));
    if (!Register) RaiseDesignErrorFmt(SProcedureNotFound, {RegisterServerName, FileName});
    if (Register() != S_OK) RaiseDesignErrorFmt(SCallFailed, {RegisterServerName, FileName});
}
