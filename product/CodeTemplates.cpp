#include "product/CodeTemplates.h"

#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "product/TextLines.h"

namespace {
constexpr std::string_view StartMark = "_TEMPLATESTART_";
constexpr std::string_view EndMark = "_TEMPLATEEND_";
}  // namespace

bool TemplateHeaderName(std::string_view Line, std::string& Name) {
    const size_t At = Line.find(StartMark);
    if (At == std::string_view::npos) return false;
    // Skip the marker and the one blank after it.
    std::string_view Rest = Line.substr(std::min(Line.size(), At + StartMark.size() + 1));
    const size_t Bar = Rest.find('|');
    Name = std::string(Bar == std::string_view::npos ? Rest : Rest.substr(0, Bar));
    return true;
}

void TCodeTemplates::Load(std::string_view Text) {
    FLines = SplitTextLines(Text);
    FNames.clear();
    std::string Name;
    for (const std::string& Line : FLines)
        if (TemplateHeaderName(Line, Name)) FNames.push_back(Name);
}

bool TCodeTemplates::LoadFromFile(const std::string& FileName) {
    if (!FileExists(FileName)) return false;
    Load(ReadFileToString(FileName));
    return true;
}

bool TCodeTemplates::IsTemplateName(std::string_view Name) const {
    for (const std::string& N : FNames)
        if (AnsiSameText(N, Name)) return true;
    return false;
}

std::vector<std::string> TCodeTemplates::Body(std::string_view Name) const {
    std::vector<std::string> Body;
    std::string HeaderName;
    size_t I = 0;
    // The exact name: a longer name sharing its first letters is another
    // template.
    while (I < FLines.size() && !(TemplateHeaderName(FLines[I], HeaderName) && AnsiSameText(HeaderName, Name))) ++I;
    if (I == FLines.size()) return Body;
    for (++I; I < FLines.size() && FLines[I] != EndMark; ++I) Body.push_back(FLines[I]);
    return Body;
}

std::string TemplatesPath(const std::string& ExeDir) { return ExeDir + "templates.dat"; }

TCodeTemplates& SharedTemplates() {
    static TCodeTemplates Templates;
    return Templates;
}
