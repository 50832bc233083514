#include "ide/RecentFiles.h"

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "product/TextLines.h"

bool IsProjectFileName(std::string_view Path) { return ExtractFileExt(Path) == ".qrn"; }

TRecentItem MakeRecentItem(const std::string& Path) {
    TRecentItem Item;
    Item.Caption = ExtractFileName(Path);
    Item.Path = Path;
    Item.ImageIndex = SameText(ExtractFileExt(Path), ".qrn") ? 1 : 0;
    return Item;
}

std::vector<TRecentItem> ParseRecentFiles(std::string_view Text, const TFileExistsFunc& Exists) {
    std::vector<TRecentItem> Items;
    for (const std::string& Line : SplitTextLines(Text))
        if (!Line.empty() && Exists(Line)) Items.push_back(MakeRecentItem(Line));
    return Items;
}

std::string RecentFilesText(const std::vector<TRecentItem>& Items) {
    std::string R;
    for (const TRecentItem& Item : Items) R += Item.Path + "\r\n";
    return R;
}

bool AddRecentFile(std::vector<TRecentItem>& Items, const std::string& Path) {
    const std::string Lower = LowerCaseStr(Path);
    for (const TRecentItem& Item : Items)
        if (AnsiSameText(Item.Path, Lower)) return false;
    Items.push_back(MakeRecentItem(Lower));
    return true;
}

bool DeleteRecentFile(std::vector<TRecentItem>& Items, int Index) {
    if (Index < 0 || Index >= static_cast<int>(Items.size())) return false;
    Items.erase(Items.begin() + Index);
    return true;
}

std::string RecentFilesPath(const std::string& ExeDir) { return ExeDir + "recent.dat"; }

std::optional<std::vector<TRecentItem>> LoadRecentFiles(const std::string& FileName, const TFileExistsFunc& Exists) {
    if (!FileExists(FileName)) return std::nullopt;
    return ParseRecentFiles(ReadFileToString(FileName), Exists);
}

void SaveRecentFiles(const std::string& FileName, const std::vector<TRecentItem>& Items) {
    WriteFileAtomic(FileName, RecentFilesText(Items));
}
