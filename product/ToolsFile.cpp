#include "product/ToolsFile.h"

#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "product/TextLines.h"

TToolEntry SplitToolLine(std::string_view Line) {
    TToolEntry T;
    T.Line = std::string(Line);
    const size_t Bar = Line.find('|');
    if (Bar == std::string_view::npos) {
        T.Program = T.Line;
    } else {
        T.Program = std::string(Line.substr(0, Bar));
        T.Parameters = std::string(Line.substr(Bar + 1));
    }
    return T;
}

std::vector<TToolEntry> ParseToolsFile(std::string_view Text) {
    std::vector<TToolEntry> Tools;
    for (const std::string& Line : SplitTextLines(Text))
        if (!Trim(Line).empty()) Tools.push_back(SplitToolLine(Line));
    return Tools;
}

std::string ToolsFileText(const std::vector<TToolEntry>& Tools) {
    std::string R;
    for (const TToolEntry& T : Tools) R += T.Line + "\r\n";
    return R;
}

std::string ToolsFilePath(const std::string& ExeDir) { return ExeDir + "tools.dat"; }

std::optional<std::vector<TToolEntry>> LoadToolsFile(const std::string& FileName) {
    if (!FileExists(FileName)) return std::nullopt;
    return ParseToolsFile(ReadFileToString(FileName));
}

void SaveToolsFile(const std::string& FileName, const std::vector<TToolEntry>& Tools) {
    WriteFileAtomic(FileName, ToolsFileText(Tools));
}
