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
    void CloseKey();

    // A missing value reads as the empty string; a value that is not a
    // string raises ERegistryException.
    std::string ReadString(const std::string& Name);
    void WriteString(const std::string& Name, const std::string& Value);
    int ReadInteger(const std::string& Name);
    void WriteInteger(const std::string& Name, int Value);
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

    HKEY FRootKey;
    HKEY FCurrentKey = nullptr;
    std::string FCurrentPath;
};
