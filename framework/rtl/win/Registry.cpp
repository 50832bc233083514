#include "framework/rtl/win/Registry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
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
    return OpenKeyAccess(Key, CanCreate, KEY_ALL_ACCESS);
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key) { return OpenKeyAccess(Key, false, KEY_READ); }

bool TRegistry::OpenKeyAccess(const std::string& Key, bool CanCreate, REGSAM Access) {
    std::string Relative;
    HKEY Base = BaseKeyFor(Key, Relative);
    const bool FromRoot = Base == FRootKey;
    HKEY NewKey = nullptr;
    LONG Rc;
    if (CanCreate) {
        Rc = RegCreateKeyExA(Base, Relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             Access, nullptr, &NewKey, nullptr);
    } else {
        Rc = RegOpenKeyExA(Base, Relative.c_str(), 0, Access, &NewKey);
        // A key we may not write can still be read.
        if (Rc == ERROR_ACCESS_DENIED && Access != KEY_READ)
            Rc = RegOpenKeyExA(Base, Relative.c_str(), 0, KEY_READ, &NewKey);
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

bool TRegistry::QueryValue(const std::string& Name, DWORD& Type, std::string& Data) {
    DWORD Size = 0;
    LONG Rc = RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, &Type, nullptr, &Size);
    if (Rc == ERROR_FILE_NOT_FOUND) return false;
    if (Rc != ERROR_SUCCESS) RaiseFor("Failed to get data for", Name);
    // The value may change between the two calls: retry on a larger one.
    for (;;) {
        Data.assign(Size, '\0');
        DWORD Got = Size;
        Rc = RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, &Type,
                              reinterpret_cast<BYTE*>(Data.data()), &Got);
        if (Rc == ERROR_MORE_DATA) {
            Size = Got > Size ? Got : Size * 2 + 16;
            continue;
        }
        if (Rc == ERROR_FILE_NOT_FOUND) return false;
        if (Rc != ERROR_SUCCESS) RaiseFor("Failed to get data for", Name);
        Data.resize(Got);
        return true;
    }
}

std::string TRegistry::ReadString(const std::string& Name) {
    DWORD Type = 0;
    std::string Result;
    if (!QueryValue(Name, Type, Result)) return std::string();
    if (!IsStringType(Type)) RaiseFor("Invalid data type for", Name);
    // Stored strings need not carry their terminating zero.
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

void TRegistry::ReadFixed(const std::string& Name, DWORD Type, void* Buffer, DWORD Size) {
    DWORD Got = 0;
    std::string Data;
    if (!QueryValue(Name, Got, Data)) RaiseFor("Failed to get data for", Name);
    if (Got != Type || Data.size() != Size) RaiseFor("Invalid data type for", Name);
    std::memcpy(Buffer, Data.data(), Size);
}

void TRegistry::WriteTyped(const std::string& Name, DWORD Type, const void* Buffer, DWORD Size) {
    LONG Rc = RegSetValueExA(ValueKey(), Name.c_str(), 0, Type, static_cast<const BYTE*>(Buffer), Size);
    if (Rc != ERROR_SUCCESS) RaiseFor("Failed to set data for", Name);
}

int TRegistry::ReadInteger(const std::string& Name) {
    DWORD Value = 0;
    ReadFixed(Name, REG_DWORD, &Value, sizeof(Value));
    return static_cast<int>(Value);
}

void TRegistry::WriteInteger(const std::string& Name, int Value) {
    DWORD Data = static_cast<DWORD>(Value);
    WriteTyped(Name, REG_DWORD, &Data, sizeof(Data));
}

int64_t TRegistry::ReadInt64(const std::string& Name) {
    DWORD Type = 0;
    std::string Data;
    if (QueryValue(Name, Type, Data) && Type == REG_QWORD && Data.size() == sizeof(int64_t)) {
        int64_t Value = 0;
        std::memcpy(&Value, Data.data(), sizeof(Value));
        return Value;
    }
    return ReadInteger(Name);
}

void TRegistry::WriteInt64(const std::string& Name, int64_t Value) {
    if (Value >= INT32_MIN && Value <= INT32_MAX) return WriteInteger(Name, static_cast<int>(Value));
    WriteTyped(Name, REG_QWORD, &Value, sizeof(Value));
}

bool TRegistry::ReadBool(const std::string& Name) { return ReadInteger(Name) != 0; }

void TRegistry::WriteBool(const std::string& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }

double TRegistry::ReadFloat(const std::string& Name) {
    double Value = 0;
    ReadFixed(Name, REG_BINARY, &Value, sizeof(Value));
    return Value;
}

void TRegistry::WriteFloat(const std::string& Name, double Value) {
    WriteTyped(Name, REG_BINARY, &Value, sizeof(Value));
}

double TRegistry::ReadDateTime(const std::string& Name) { return ReadFloat(Name); }

void TRegistry::WriteDateTime(const std::string& Name, double Value) { WriteFloat(Name, Value); }

double TRegistry::ReadCurrency(const std::string& Name) {
    int64_t Scaled = 0;
    ReadFixed(Name, REG_BINARY, &Scaled, sizeof(Scaled));
    return static_cast<double>(Scaled) / 10000.0;
}

void TRegistry::WriteCurrency(const std::string& Name, double Value) {
    const int64_t Scaled = std::llround(Value * 10000.0);
    WriteTyped(Name, REG_BINARY, &Scaled, sizeof(Scaled));
}

int TRegistry::ReadBinaryData(const std::string& Name, void* Buffer, int BufSize) {
    DWORD Type = 0;
    std::string Data;
    if (!QueryValue(Name, Type, Data) || BufSize <= 0) return 0;
    const size_t Count = std::min(Data.size(), static_cast<size_t>(BufSize));
    std::memcpy(Buffer, Data.data(), Count);
    return static_cast<int>(Count);
}

void TRegistry::WriteBinaryData(const std::string& Name, const void* Buffer, int BufSize) {
    WriteTyped(Name, REG_BINARY, Buffer, static_cast<DWORD>(BufSize < 0 ? 0 : BufSize));
}

int TRegistry::GetDataSize(const std::string& Name) {
    DWORD Size = 0;
    LONG Rc = RegQueryValueExA(ValueKey(), Name.c_str(), nullptr, nullptr, nullptr, &Size);
    return Rc == ERROR_SUCCESS ? static_cast<int>(Size) : -1;
}

std::string TRegistry::FirstKeyName() {
    char Buf[256];  // the longest key name the registry allows is 255
    DWORD Len = sizeof(Buf);
    if (RegEnumKeyExA(ValueKey(), 0, Buf, &Len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return {};
    return std::string(Buf, Len);
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
