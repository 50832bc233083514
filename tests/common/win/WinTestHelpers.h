#pragma once
// Helpers of the Windows-side tests: a throwaway registry key and a private
// temporary folder.
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

// Points the temporary folder (TMP and TEMP) at Folder while it lives.
class TTempFolderOverride {
public:
    explicit TTempFolderOverride(const std::string& Folder) {
        Save("TMP", FOldTmp, FHadTmp);
        Save("TEMP", FOldTemp, FHadTemp);
        SetEnvironmentVariableA("TMP", Folder.c_str());
        SetEnvironmentVariableA("TEMP", Folder.c_str());
    }
    ~TTempFolderOverride() {
        SetEnvironmentVariableA("TMP", FHadTmp ? FOldTmp.c_str() : nullptr);
        SetEnvironmentVariableA("TEMP", FHadTemp ? FOldTemp.c_str() : nullptr);
    }
    TTempFolderOverride(const TTempFolderOverride&) = delete;
    TTempFolderOverride& operator=(const TTempFolderOverride&) = delete;

private:
    static void Save(const char* Name, std::string& Value, bool& Had) {
        char Buf[1024];
        const DWORD Len = GetEnvironmentVariableA(Name, Buf, sizeof(Buf));
        Had = Len > 0 && Len < sizeof(Buf);
        if (Had) Value.assign(Buf, Len);
    }
    std::string FOldTmp, FOldTemp;
    bool FHadTmp = false, FHadTemp = false;
};
