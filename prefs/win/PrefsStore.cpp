#include "prefs/win/PrefsStore.h"

#include "framework/rtl/FileUtils.h"
#include "product/CodeTemplates.h"
#include "product/Settings.h"
#include "product/ToolsFile.h"

namespace {

std::string ReadDataFile(const std::string& Path) { return FileExists(Path) ? ReadFileToString(Path) : std::string(); }

}  // namespace

TPrefsValues LoadPrefs(const std::string& DataDir) {
    TPrefsValues V;
    V.Settings = ReadToolSettings();
    // The IDE reads the value's low byte as a Boolean.
    V.CleanFiles = (GetCleanFiles() & 0xFF) != 0;
    if (auto Tools = LoadToolsFile(ToolsFilePath(DataDir))) V.ToolsList = ToolsFileText(*Tools);
    V.Templates = ReadDataFile(TemplatesPath(DataDir));
    return V;
}

void SavePrefs(const TPrefsValues& Values, const TPrefsValues& Loaded, const std::string& DataDir) {
    WriteToolSettings(Values.Settings);
    WriteCleanFiles(Values.CleanFiles);
    // Through the parser, so that blank lines and missing line ends come
    // out as the IDE writes the file itself.
    const std::vector<TToolEntry> Tools = ParseToolsFile(Values.ToolsList);
    if (Tools != ParseToolsFile(Loaded.ToolsList)) SaveToolsFile(ToolsFilePath(DataDir), Tools);
    if (Values.Templates != Loaded.Templates) WriteFileAtomic(TemplatesPath(DataDir), Values.Templates);
}
