#include "ide/MyTypes.h"

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"

const std::array<std::string, ProjectKindCount> ProjectKindNames = {
    "Unknown", "Dos Exe", "Dos Com", "Win16 Exe", "Win16 Dll", "Win32 Exe", "Win32 Dll",
};

namespace {

std::string& SettingsKey() {
    static std::string Key = "Software\\Quorlen PRO\\";
    return Key;
}

}  // namespace

void SetSettingsKeyPathForTesting(const std::string& KeyPath) { SettingsKey() = KeyPath; }

const std::string& SettingsKeyPath() { return SettingsKey(); }

void DeleteFilesByMask(const std::string& Folder, const std::string& Mask) {
    TSearchRec Found;
    if (FindFirst(Folder + Mask, faAnyFile, Found) == 0) {
        do {
            // Folders cannot be wiped; and the search also matches longer
            // extensions through their short names ("*.map" finds "a.mapx").
            if ((Found.Attr & faDirectory) == 0 && MatchesMask(Found.Name, Mask)) {
                WipeFile(Folder + Found.Name);
            }
        } while (FindNext(Found) == 0);
    }
    FindClose(Found);
}
