// A wizard plug-in for the host's tests, built in several variants (see
// tests/prefs/CMakeLists.txt): WIZ_NAME and WIZ_VERSION give what it
// reports, WIZ_NO_NAME leaves out the name export, WIZ_CANCELS makes
// ExecuteWizzard return the empty text. Run, it returns its own file
// name + ".qrn", so a test sees which library ran.
#include <cstdint>
#include <string>

#include "framework/rtl/CallConv.h"
#include "framework/rtl/win/WinApi.h"

namespace {

std::string Returned;

std::string OwnPath() {
    HMODULE Self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnPath), &Self);
    char Path[MAX_PATH] = {};
    GetModuleFileNameA(Self, Path, MAX_PATH);
    return Path;
}

}  // namespace

#ifndef WIZ_NO_NAME
extern "C" __declspec(dllexport) const char* QRN_CALL WizzardName(char* Buffer) {
    // The host's buffer must be writable over its whole length.
    Buffer[0] = 'x';
    Buffer[1023] = '\0';
    return WIZ_NAME;
}
#endif

extern "C" __declspec(dllexport) uint16_t QRN_CALL WizzardVersion() { return WIZ_VERSION; }

extern "C" __declspec(dllexport) const char* QRN_CALL ExecuteWizzard(char* Buffer) {
    Buffer[1023] = '\0';
#ifdef WIZ_CANCELS
    Returned.clear();
#else
    Returned = OwnPath() + ".qrn";
#endif
    return Returned.c_str();
}
