#pragma once
// The IDE's settings: string values under one key of the current user's
// registry hive. The options library writes the tool settings; the IDE reads
// them whenever a command needs them.
#include <string>

// Value names under the settings key.
namespace SettingNames {
constexpr const char* TasmPath = "TasmPath";
constexpr const char* TLinkPath = "TLinkPath";
constexpr const char* TdPath = "TdPath";
constexpr const char* Includes = "Includes";
constexpr const char* Objects = "Objects";
constexpr const char* Library = "Library";
constexpr const char* TasmParams = "TasmParams";
constexpr const char* TLinkParams = "TLinkParams";
constexpr const char* CleanFiles = "CleanFiles";
}  // namespace SettingNames

// The tool paths, folders and switches a build needs.
struct TToolSettings {
    std::string TasmPath;
    std::string TLinkPath;
    std::string TdPath;
    std::string Includes;
    std::string Objects;
    std::string Library;
    std::string TasmParams;
    std::string TLinkParams;

    bool operator==(const TToolSettings&) const = default;
};

// The key (below HKEY_CURRENT_USER, ending in a backslash) every setting is
// read from and written to. Default "Software\Quorlen PRO\".
const std::string& SettingsKeyPath();
// Test seam: points the settings at another key.
void SetSettingsKeyPathForTesting(const std::string& KeyPath);

#ifdef _WIN32
// Every tool setting, read from the registry now; a missing value reads as
// empty.
TToolSettings ReadToolSettings();
// Writes every tool setting as a string value.
void WriteToolSettings(const TToolSettings& Settings);
// The CleanFiles value as an integer; empty or not a number gives 0.
int GetCleanFiles();
// Writes CleanFiles as "1" or "0".
void WriteCleanFiles(bool Clean);
#endif
