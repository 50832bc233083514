#pragma once
// Access to the Windows registry: one open key at a time below a root key.
#include <cstdint>
#include <string>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Object.h"
#include "framework/rtl/win/WinApi.h"

QRN_DECLARE_EXCEPTION(ERegistryException, Exception)

class TRegistry : public TObject {
public:
    TRegistry();
    ~TRegistry() override;

    HKEY RootKey() const { return FRootKey; }
    // Closes the current key: a path is only meaningful below its root.
    void SetRootKey(HKEY Value);

    HKEY CurrentKey() const { return FCurrentKey; }
    // Path of the current key below the root, without leading or trailing '\'.
    const std::string& CurrentPath() const { return FCurrentPath; }

    // A leading '\' makes Key absolute (from the root); otherwise it is
    // relative to the current key. A trailing '\' is ignored. Returns False
    // when the key is missing (and CanCreate is False) or cannot be opened.
    bool OpenKey(const std::string& Key, bool CanCreate);
    // Opens for reading only: the way into keys a user may not write
    // (HKEY_CLASSES_ROOT among them).
    bool OpenKeyReadOnly(const std::string& Key);
    void CloseKey();

    // A missing value reads as the empty string; a value that is not a
    // string raises ERegistryException.
    std::string ReadString(const std::string& Name);
    void WriteString(const std::string& Name, const std::string& Value);
    int ReadInteger(const std::string& Name);
    void WriteInteger(const std::string& Name, int Value);
    // A 64-bit integer: a 32-bit value when it fits (so readers of
    // integers still read it), else a 64-bit one; reads either.
    int64_t ReadInt64(const std::string& Name);
    void WriteInt64(const std::string& Name, int64_t Value);
    // Booleans are integers 0 and 1.
    bool ReadBool(const std::string& Name);
    void WriteBool(const std::string& Name, bool Value);
    // Floats, date-times and currency amounts are 8-byte binary values:
    // a double, a double (days since 30 Dec 1899) and a 64-bit integer
    // counting ten-thousandths.
    double ReadFloat(const std::string& Name);
    void WriteFloat(const std::string& Name, double Value);
    double ReadDateTime(const std::string& Name);
    void WriteDateTime(const std::string& Name, double Value);
    double ReadCurrency(const std::string& Name);
    void WriteCurrency(const std::string& Name, double Value);
    // Raw binary values. ReadBinaryData copies at most BufSize bytes and
    // returns how many it copied (a missing value gives 0); GetDataSize is
    // the stored size in bytes, -1 for a missing value.
    int ReadBinaryData(const std::string& Name, void* Buffer, int BufSize);
    void WriteBinaryData(const std::string& Name, const void* Buffer, int BufSize);
    int GetDataSize(const std::string& Name);
    // The name of the current key's first sub-key in enumeration order;
    // empty when it has none.
    std::string FirstKeyName();
    bool ValueExists(const std::string& Name);
    bool DeleteValue(const std::string& Name);

    // Key paths as for OpenKey.
    bool KeyExists(const std::string& Key);
    // Deletes the key with all its subkeys.
    bool DeleteKey(const std::string& Key);

private:
    // The key a path is resolved against and the path itself without its
    // leading and trailing backslashes.
    HKEY BaseKeyFor(const std::string& Key, std::string& Relative) const;
    HKEY ValueKey() const { return FCurrentKey ? FCurrentKey : FRootKey; }
    bool OpenKeyAccess(const std::string& Key, bool CanCreate, REGSAM Access);
    // The whole value (retrying while it grows) and its data kind; false
    // when it is missing.
    bool QueryValue(const std::string& Name, DWORD& Type, std::string& Data);
    // A value of exactly Size bytes of kind Type; raises on any other.
    void ReadFixed(const std::string& Name, DWORD Type, void* Buffer, DWORD Size);
    void WriteTyped(const std::string& Name, DWORD Type, const void* Buffer, DWORD Size);

    HKEY FRootKey;
    HKEY FCurrentKey = nullptr;
    std::string FCurrentPath;
};
