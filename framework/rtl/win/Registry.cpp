#include "framework/rtl/win/Registry.h"

#include <vector>

namespace {

std::string TrimBackslashes(const std::string& S) {
    size_t First = 0;
    while (First < S.size() && S[First] == '\\') ++First;
    size_t Last = S.size();
    while (Last > First && S[Last - 1] == '\\') --Last;
    return S.substr(First, Last - First);
}

[[noreturn]] void RaiseFor(const char* What, const std::string& Name) {
    throw ERegistryException(std::string(What) + " '" + Name + "'");
}

bool IsStringType(DWORD Type) { return Type == REG_SZ || Type == REG_EXPAND_SZ; }

// Deletes Name below Parent after deleting all of its subkeys.
LONG DeleteKeyTree(HKEY Parent, const std::string& Name) {
    HKEY Key = nullptr;
    LONG Rc = RegOpenKeyExA(Parent, Name.c_str(), 0, KEY_READ | KEY_WRITE, &Key);
    if (Rc != ERROR_SUCCESS) return Rc;
    std::vector<std::string> Children;
    for (DWORD Index = 0;; ++Index) {
        char Buf[256];  // the longest key name the registry allows is 255
        DWORD Len = sizeof(Buf);
        LONG E = RegEnumKeyExA(Key, Index, Buf, &Len, nullptr, nullptr, nullptr, nullptr);
        if (E != ERROR_SUCCESS) break;
        Children.emplace_back(Buf, Len);
    }
    for (const std::string& Child : Children) DeleteKeyTree(Key, Child);
    RegCloseKey(Key);
    return RegDeleteKeyA(Parent, Name.c_str());
}

}  // namespace

TRegistry::TRegistry() : FRootKey(HKEY_CURRENT_USER) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Value) {
    if (Value == FRootKey) return;
    CloseKey();
    FRootKey = Value;
}

HKEY TRegistry::BaseKeyFor(const std::string& Key, std::string& Relative) const {
    Relative = TrimBackslashes(Key);
    const bool Absolute = !Key.empty() && Key[0] == '\\';
    return (Absolute || !FCurrentKey) ? FRootKey : FCurrentKey;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
    std::string Relative;
    HKEY Base = BaseKeyFor(Key, Relative);
    const bool FromRoot = Base == FRootKey;
    HKEY NewKey = nullptr;
    LONG Rc;
    if (CanCreate) {
        Rc = RegCreateKeyExA(Base, Relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &NewKey, nullptr);
    } else {
        Rc = RegOpenKeyExA(Base, Relative.c_str(), 0, KEY_ALL_ACCESS, &NewKey);
        // A key we may not write can still be read.
        if (Rc == ERROR_ACCESS_DENIED) Rc = RegOpenKeyExA(Base, Relative.c_str(), 0, KEY_READ, &NewKey);
    }
    if (Rc != ERROR_SUCCESS) return false;

    std::string NewPath;
    if (FromRoot || FCurrentPath.empty()) {
        NewPath = Relative;
    } else {
        NewPath = Relative.empty() ? FCurrentPath : FCurrentPath + "\\" + Relative;
    }
    CloseKey();
    FCurrentKey = NewKey;
    FCurrentPath = NewPath;
    return true;
}

void TRegistry::CloseKey() {
    if (FCurrentKey) {
        RegCloseKey(FCurrentKey);
        FCurrentKey = nullptr;
    }
    FCurrentPath.clear();
}

std::string TRegistry::ReadString(const std::string& Name) {
    DWORD Type = 0;
    DWORD Size = 0;
    LONG Rc = RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, &Type, nullptr, &Size);
    if (Rc == ERROR_FILE_NOT_FOUND) return std::string();
    if (Rc != ERROR_SUCCESS) RaiseFor("Failed to get data for", Name);
    if (!IsStringType(Type)) RaiseFor("Invalid data type for", Name);
    // The value may change between the two calls: retry on a larger one.
    std::vector<char> Buf;
    for (;;) {
        Buf.assign(Size + 1, '\0');
        DWORD Got = Size;
        Rc = RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, &Type,
                              reinterpret_cast<BYTE*>(Buf.data()), &Got);
        if (Rc == ERROR_MORE_DATA) {
            Size = Got > Size ? Got : Size * 2 + 16;
            continue;
        }
        if (Rc == ERROR_FILE_NOT_FOUND) return std::string();
        if (Rc != ERROR_SUCCESS) RaiseFor("Failed to get data for", Name);
        if (!IsStringType(Type)) RaiseFor("Invalid data type for", Name);
        Size = Got;
        break;
    }
    // Stored strings need not carry their terminating zero.
    std::string Result(Buf.data(), Size);
    size_t Zero = Result.find('\0');
    if (Zero != std::string::npos) Result.resize(Zero);
    return Result;
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
    LONG Rc = RegSetValueExA(ValueKey(), Name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(Value.c_str()),
                             static_cast<DWORD>(Value.size() + 1));
    if (Rc != ERROR_SUCCESS) RaiseFor("Failed to set data for", Name);
}

int TRegistry::ReadInteger(const std::string& Name) {
    DWORD Type = 0;
    DWORD Value = 0;
    DWORD Size = sizeof(Value);
    LONG Rc = RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, &Type,
                               reinterpret_cast<BYTE*>(&Value), &Size);
    if (Rc == ERROR_MORE_DATA || (Rc == ERROR_SUCCESS && Type != REG_DWORD)) {
        RaiseFor("Invalid data type for", Name);
    }
    if (Rc != ERROR_SUCCESS) RaiseFor("Failed to get data for", Name);
    return static_cast<int>(Value);
}

void TRegistry::WriteInteger(const std::string& Name, int Value) {
    DWORD Data = static_cast<DWORD>(Value);
    LONG Rc = RegSetValueExA(ValueKey(), Name.c_str(), 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&Data), sizeof(Data));
    if (Rc != ERROR_SUCCESS) RaiseFor("Failed to set data for", Name);
}

bool TRegistry::ValueExists(const std::string& Name) {
    return RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& Name) {
    return RegDeleteValueA(ValueKey(), Name.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const std::string& Key) {
    std::string Relative;
    HKEY Base = BaseKeyFor(Key, Relative);
    HKEY Probe = nullptr;
    if (RegOpenKeyExA(Base, Relative.c_str(), 0, KEY_READ, &Probe) != ERROR_SUCCESS) return false;
    RegCloseKey(Probe);
    return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
    std::string Relative;
    HKEY Base = BaseKeyFor(Key, Relative);
    // An empty path would name the base key itself, which is not ours to drop.
    if (Relative.empty()) return false;
    return DeleteKeyTree(Base, Relative) == ERROR_SUCCESS;
}
