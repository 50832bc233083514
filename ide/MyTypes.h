#pragma once
// Shared IDE types: the version string, the project kinds, the record of the
// open project and the accessors of the IDE's settings in the registry.
#include <array>
#include <memory>
#include <string>

class TStringList;

// "Quorlen PRO v1.0a (Merivel <time of day>)": built at start-up from the
// executable's last-modification time of day.
extern std::string TitleString;

constexpr int ProjectKindCount = 7;
extern const std::array<std::string, ProjectKindCount> ProjectKindNames;

// Project kinds, the index into ProjectKindNames.
enum : short {
    pkUnknown = 0,
    pkDosExe = 1,
    pkDosCom = 2,
    pkWin16Exe = 3,
    pkWin16Dll = 4,
    pkWin32Exe = 5,
    pkWin32Dll = 6,
};

struct TProjectInfo {
    std::string Name;
    short Kind = pkUnknown;
    std::string Cpu;
    TStringList* Files = nullptr;  // owned by the main form
    TStringList* Forms = nullptr;  // owned by the main form
    std::string Dir;               // ends in a backslash
    std::string FileName;
    std::string Directives;
};

// Settings: read from the registry on every call, empty when missing.
std::string GetIncludesPath();
std::string GetObjectsPath();
std::string GetLibraryPath();
std::string GetTasmPath();
std::string GetTLinkPath();
std::string GetTdPath();
std::string GetTasmParams();
std::string GetTLinkParams();
// The CleanFiles value as an integer; empty or not a number gives 0.
int GetCleanFiles();

// Wipes (overwrites, then deletes) every file of Folder matching Mask.
// Folder must end in a backslash.
void DeleteFilesByMask(const std::string& Folder, const std::string& Mask);

// File names (no folder) of the plug-ins in the program's wizzards folder,
// in directory order.
std::unique_ptr<TStringList> ListWizzards();

// Test seam: the registry key (under HKEY_CURRENT_USER, ending in a
// backslash) the settings accessors read. Default "Software\Quorlen PRO\".
void SetSettingsKeyPathForTesting(const std::string& KeyPath);
const std::string& SettingsKeyPath();
