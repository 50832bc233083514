// The IDE's version string and its settings in the registry.
#include <cmath>

#include "controls/UtilProcs.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/LocaleFormat.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/MyTypes.h"

namespace {

std::string ExePath() {
    char Buf[MAX_PATH * 4];
    const DWORD Len = GetModuleFileNameA(nullptr, Buf, sizeof(Buf));
    return Len == 0 || Len >= sizeof(Buf) ? std::string() : std::string(Buf, Len);
}

// Built from the locale directly: the global settings may not be set up yet
// while static objects are being initialised.
std::string BuildTitleString() {
    TFormatSettings Settings;
    GetLocaleFormatSettings(Settings);
    const TDateTime Modified = GetFileDate(ExePath());
    const TDateTime TimeOfDay = Modified - std::floor(Modified);
    return "Quorlen PRO v1.0a (Merivel " + FormatDateTime(Settings.LongTimeFormat, TimeOfDay, Settings) + ")";
}

std::string ReadSetting(const char* Value) {
    return ReadRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Value);
}

}  // namespace

std::string TitleString = BuildTitleString();

std::string GetIncludesPath() { return ReadSetting("Includes"); }
std::string GetObjectsPath() { return ReadSetting("Objects"); }
std::string GetLibraryPath() { return ReadSetting("Library"); }
std::string GetTasmPath() { return ReadSetting("TasmPath"); }
std::string GetTLinkPath() { return ReadSetting("TLinkPath"); }
std::string GetTdPath() { return ReadSetting("TdPath"); }
std::string GetTasmParams() { return ReadSetting("TasmParams"); }
std::string GetTLinkParams() { return ReadSetting("TLinkParams"); }
int GetCleanFiles() { return StrToIntDef(ReadSetting("CleanFiles"), 0); }

std::unique_ptr<TStringList> ListWizzards() {
    auto Result = std::make_unique<TStringList>();
    // GetExeDir already ends in a backslash.
    TSearchRec Found;
    if (FindFirst(GetExeDir() + "wizzards\\*.dll", faAnyFile, Found) == 0) {
        do {
            // A search for "*.dll" also matches longer extensions through
            // their short names; and a folder is no plug-in.
            if ((Found.Attr & faDirectory) == 0 && SameText(ExtractFileExt(Found.Name), ".dll")) {
                Result->Add(Found.Name);
            }
        } while (FindNext(Found) == 0);
    }
    FindClose(Found);
    return Result;
}
