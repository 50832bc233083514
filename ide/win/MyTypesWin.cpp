// The IDE's version string and its settings in the registry.
#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/MyTypes.h"

namespace {

std::string ReadSetting(const char* Value) {
    return ReadRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Value);
}

}  // namespace

std::string TitleString = ProgramTitleString();

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
