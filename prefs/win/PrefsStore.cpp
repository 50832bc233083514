#include "prefs/win/PrefsStore.h"

#include <utility>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/CodeTemplates.h"
#include "ide/MyTypes.h"
#include "ide/ToolsFile.h"

namespace {

void WriteSetting(const char* Name, const std::string& Value) {
    WriteRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Name, Value);
}

std::string ReadDataFile(const std::string& Path) { return FileExists(Path) ? ReadFileToString(Path) : std::string(); }

}  // namespace

TPrefsValues LoadPrefs(const std::string& DataDir) {
    TPrefsValues V;
    TToolSettings& S = V.Settings;
    S.TasmPath = GetTasmPath();
    S.TLinkPath = GetTLinkPath();
    S.TdPath = GetTdPath();
    S.Includes = GetIncludesPath();
    S.Objects = GetObjectsPath();
    S.Library = GetLibraryPath();
    S.TasmParams = GetTasmParams();
    S.TLinkParams = GetTLinkParams();
    // The IDE reads the value's low byte as a Boolean.
    V.CleanFiles = (GetCleanFiles() & 0xFF) != 0;
    if (auto Tools = LoadToolsFile(ToolsFilePath(DataDir))) V.ToolsList = ToolsFileText(*Tools);
    V.Templates = ReadDataFile(TemplatesPath(DataDir));
    return V;
}

void SavePrefs(const TPrefsValues& Values, const TPrefsValues& Loaded, const std::string& DataDir) {
    const TToolSettings& S = Values.Settings;
    const std::pair<const char*, const std::string&> Named[] = {
        {"TasmPath", S.TasmPath}, {"TLinkPath", S.TLinkPath}, {"TdPath", S.TdPath},
        {"Includes", S.Includes}, {"Objects", S.Objects},     {"Library", S.Library},
        {"TasmParams", S.TasmParams}, {"TLinkParams", S.TLinkParams},
    };
    for (const auto& [Name, Value] : Named) WriteSetting(Name, Value);
    WriteSetting("CleanFiles", Values.CleanFiles ? "1" : "0");
    // Through the parser, so that blank lines and missing line ends come
    // out as the IDE writes the file itself.
    const std::vector<TToolEntry> Tools = ParseToolsFile(Values.ToolsList);
    if (Tools != ParseToolsFile(Loaded.ToolsList)) SaveToolsFile(ToolsFilePath(DataDir), Tools);
    if (Values.Templates != Loaded.Templates) WriteFileAtomic(TemplatesPath(DataDir), Values.Templates);
}
