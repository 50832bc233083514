#include "ide/MacroFile.h"

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "product/TextLines.h"

namespace {

constexpr std::string_view Keyword = "Macro";

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

size_t FindKeyword(std::string_view Line) {
    for (size_t At = Line.find(Keyword); At != std::string_view::npos; At = Line.find(Keyword, At + 1)) {
        const size_t End = At + Keyword.size();
        if ((At == 0 || IsBlank(Line[At - 1])) && (End == Line.size() || IsBlank(Line[End]))) return At;
    }
    return Line.find(Keyword);
}

}  // namespace

bool MacroListItem(std::string_view Line, std::string& Item) {
    const size_t At = FindKeyword(Line);
    if (At == std::string_view::npos) return false;
    std::string_view Before = Line.substr(0, At);
    std::string_view After = Line.substr(At + Keyword.size());
    if (!Before.empty()) Before.remove_suffix(1);
    if (!After.empty()) After.remove_prefix(1);
    std::string Raw = std::string(Before) + " " + std::string(After) + " ";
    Item.clear();
    for (char C : Raw) {
        Item += C;
        if (C == ',') Item += ' ';
    }
    return true;
}

std::vector<std::string> ParseMacroFile(std::string_view Text) {
    std::vector<std::string> Items;
    std::string Item;
    for (const std::string& Line : SplitTextLines(Text))
        if (MacroListItem(Line, Item)) Items.push_back(Item);
    return Items;
}

std::string MacroItemName(std::string_view Item) {
    const size_t Blank = Item.find(' ');
    return std::string(Blank == std::string_view::npos ? Item : Item.substr(0, Blank));
}

int FindListItem(const std::vector<std::string>& Items, std::string_view Text) {
    const std::string Wanted = AnsiUpperCase(Text);
    for (size_t I = 0; I < Items.size(); ++I)
        if (AnsiUpperCase(Items[I]).compare(0, Wanted.size(), Wanted) == 0) return static_cast<int>(I);
    return -1;
}

std::vector<std::string> LoadMacroFile(const std::string& FileName) {
    try {
        return ParseMacroFile(ReadFileToString(FileName));
    } catch (const EStreamError& E) {
        throw EInOutError(E.Message);
    }
}

std::string MacroFilePath(const std::string& ExeDir) { return ExeDir + "includes\\quor32.mac"; }
