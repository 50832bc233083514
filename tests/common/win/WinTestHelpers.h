#pragma once
// Helpers of the Windows-side tests: a throwaway registry key, environment
// variables set for a while and a private temporary folder.
#include <string>

#include "framework/rtl/win/Registry.h"
#include "framework/rtl/win/WinApi.h"

// A fresh key "Software\Quorlen PRO Tests\<unique>" below HKEY_CURRENT_USER,
// deleted with everything in it afterwards.
class TScratchKey {
public:
    TScratchKey() {
        static int Counter = 0;
        FPath = "Software\\Quorlen PRO Tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount()) + "-" + std::to_string(Counter++);
    }
    ~TScratchKey() {
        TRegistry Reg;
        Reg.DeleteKey("\\" + FPath);
        // Not recursive: keys of tests running in parallel stay.
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quorlen PRO Tests");
    }
    TScratchKey(const TScratchKey&) = delete;
    TScratchKey& operator=(const TScratchKey&) = delete;

    // Without leading or trailing backslash.
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

// One environment variable set to Value (removed for a null Value) while
// it lives; what it held before comes back afterwards.
class TEnvironmentOverride {
public:
    TEnvironmentOverride(const char* Name, const char* Value) : FName(Name) {
        char Buf[1024];
        const DWORD Len = GetEnvironmentVariableA(Name, Buf, sizeof(Buf));
        FHad = Len > 0 && Len < sizeof(Buf);
        if (FHad) FOld.assign(Buf, Len);
        SetEnvironmentVariableA(Name, Value);
    }
    ~TEnvironmentOverride() { SetEnvironmentVariableA(FName.c_str(), FHad ? FOld.c_str() : nullptr); }
    TEnvironmentOverride(const TEnvironmentOverride&) = delete;
    TEnvironmentOverride& operator=(const TEnvironmentOverride&) = delete;

private:
    std::string FName, FOld;
    bool FHad = false;
};

// Points the temporary folder (TMP and TEMP) at Folder while it lives.
class TTempFolderOverride {
public:
    explicit TTempFolderOverride(const std::string& Folder)
        : FTmp("TMP", Folder.c_str()), FTemp("TEMP", Folder.c_str()) {}

private:
    TEnvironmentOverride FTmp, FTemp;
};
