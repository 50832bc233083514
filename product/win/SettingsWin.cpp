#include <array>
#include <utility>

#include "controls/UtilProcs.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/win/WinApi.h"
#include "product/Settings.h"

namespace {

std::string ReadSetting(const char* Name) { return ReadRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Name); }

void WriteSetting(const char* Name, const std::string& Value) {
    WriteRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Name, Value);
}

// Each tool setting with its value name (S's fields by reference), in
// the order they are written.
template <class Settings>
auto NamedToolSettings(Settings& S) {
    using Entry = std::pair<const char*, decltype((S.TasmPath))>;
    return std::array<Entry, 8>{{
        {SettingNames::TasmPath, S.TasmPath},
        {SettingNames::TLinkPath, S.TLinkPath},
        {SettingNames::TdPath, S.TdPath},
        {SettingNames::Includes, S.Includes},
        {SettingNames::Objects, S.Objects},
        {SettingNames::Library, S.Library},
        {SettingNames::TasmParams, S.TasmParams},
        {SettingNames::TLinkParams, S.TLinkParams},
    }};
}

}  // namespace

TToolSettings ReadToolSettings() {
    TToolSettings S;
    for (auto& [Name, Value] : NamedToolSettings(S)) Value = ReadSetting(Name);
    return S;
}

void WriteToolSettings(const TToolSettings& Settings) {
    for (const auto& [Name, Value] : NamedToolSettings(Settings)) WriteSetting(Name, Value);
}

int GetCleanFiles() { return StrToIntDef(ReadSetting(SettingNames::CleanFiles), 0); }

void WriteCleanFiles(bool Clean) { WriteSetting(SettingNames::CleanFiles, Clean ? "1" : "0"); }
