#include "ide/HotFiles.h"

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "ide/ProjectFile.h"
#include "product/TextLines.h"

std::vector<THotItem> ParseHotFiles(std::string_view Text) {
    std::vector<THotItem> Items;
    for (const std::string& Line : SplitTextLines(Text)) {
        if (Line.empty()) continue;
        const size_t Bar = Line.find('|');
        THotItem Item;
        if (Bar == std::string::npos) {
            Item.Path = Line;
            Item.Caption = ExtractFileName(Line);
        } else {
            Item.Caption = ExtractFileName(Line.substr(0, Bar));
            Item.Path = Line.substr(Bar + 1);
        }
        Items.push_back(std::move(Item));
    }
    return Items;
}

std::string HotFilesText(const std::vector<THotItem>& Items) {
    std::string R;
    for (const THotItem& Item : Items) R += Item.Caption + "|" + Item.Path + "\r\n";
    return R;
}

THotItem HotItemForFile(const std::string& FullPath) {
    THotItem Item;
    Item.Caption = ExtractFileName(FullPath);
    Item.Path = FullPath;
    return Item;
}

THotItem HotItemForWindow(const std::string& WindowFileName, const std::string& ProjectDir) {
    THotItem Item;
    const bool Full = WindowFileName.size() >= 3 && WindowFileName.compare(1, 2, ":\\") == 0;
    if (Full) {
        Item.Caption = ExtractFileName(WindowFileName);
        Item.Path = WindowFileName;
    } else {
        Item.Caption = WindowFileName;
        Item.Path = ProjectMemberPath(ProjectDir, WindowFileName);
    }
    Item.ImageIndex = 0;
    return Item;
}

std::string IncludeStatement(std::string_view ShortPath) { return "include \"" + std::string(ShortPath) + "\""; }

std::string ProjectEntryForHotFile(const THotItem& Item) { return Item.Path; }

std::string HotFilesPath(const std::string& ExeDir) { return ExeDir + "hfiles.dat"; }

std::optional<std::vector<THotItem>> LoadHotFiles(const std::string& FileName) {
    if (!FileExists(FileName)) return std::nullopt;
    return ParseHotFiles(ReadFileToString(FileName));
}

void SaveHotFiles(const std::string& FileName, const std::vector<THotItem>& Items) {
    WriteFileAtomic(FileName, HotFilesText(Items));
}
