#include "tests/fakes/FakeAxControl.h"

#include <cstring>

namespace {

std::string GuidText(const GUID& Id) {
    wchar_t W[64] = {};
    StringFromGUID2(Id, W, 64);
    char A[64] = {};
    WideCharToMultiByte(CP_ACP, 0, W, -1, A, sizeof(A), nullptr, nullptr);
    return A;
}

bool SetValue(HKEY Root, const std::string& Key, const char* Name, const std::string& Value) {
    HKEY K = nullptr;
    if (RegCreateKeyExA(Root, Key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &K, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG R = RegSetValueExA(K, Name, 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                                  static_cast<DWORD>(Value.size() + 1));
    RegCloseKey(K);
    return R == ERROR_SUCCESS;
}

// The component category of ActiveX controls.
const std::string ControlCategory = "{40FC6ED4-2438-11CF-A3DB-080036F12502}";

}  // namespace

bool RegisterFakeAxControl() {
    char Path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, Path, MAX_PATH);
    if (char* Slash = std::strrchr(Path, '\\')) Slash[1] = '\0';
    const std::string Server = std::string(Path) + FakeGaugeDll;
    const std::string Clsid = "CLSID\\" + GuidText(CLSID_FakeGauge);
    auto Register = [&](HKEY Root, const std::string& Base) {
        return SetValue(Root, Base + Clsid, nullptr, "Fake Gauge") &&
               SetValue(Root, Base + Clsid + "\\InprocServer32", nullptr, Server) &&
               SetValue(Root, Base + Clsid + "\\InprocServer32", "ThreadingModel", "Apartment") &&
               SetValue(Root, Base + Clsid + "\\ProgID", nullptr, FakeGaugeProgID) &&
               SetValue(Root, Base + Clsid + "\\Implemented Categories\\" + ControlCategory, nullptr, "") &&
               SetValue(Root, Base + FakeGaugeProgID + "\\CLSID", nullptr, GuidText(CLSID_FakeGauge));
    };
    // Under Wine some readers (the component categories among them) see
    // the machine's classes only: the entries go there too.
    return Register(HKEY_CURRENT_USER, "Software\\Classes\\") && Register(HKEY_CLASSES_ROOT, "");
}

TFakeAxStats FakeAxStats() {
    TFakeAxStats S;
    HMODULE M = GetModuleHandleA(FakeGaugeDll);
    if (!M) return S;
    using TGet = long (*)(int);
    auto Get = reinterpret_cast<TGet>(reinterpret_cast<void*>(GetProcAddress(M, "FakeAxStat")));
    if (!Get) return S;
    S.LiveObjects = static_cast<int>(Get(0));
    S.Sinks = static_cast<int>(Get(1));
    S.LastSinkRefs = Get(2);
    S.LastUserMode = static_cast<int>(Get(3));
    return S;
}
