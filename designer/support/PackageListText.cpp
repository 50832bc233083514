#include "designer/support/PackageListText.h"

#include <algorithm>

#include "framework/rtl/StringList.h"

std::string PackageListText(const std::vector<TPackageLine>& Lines) {
    std::string Text;
    for (const TPackageLine& L : Lines) {
        TStringList Fields;
        Fields.Add(L.Desc.empty() ? L.Path : L.Desc);
        Fields.Add(L.Path);
        Fields.Add(L.Loaded ? "1" : "0");
        Text += Fields.CommaText();
        Text += '\0';
    }
    Text += '\0';
    return Text;
}

std::vector<TPackageLine> ParsePackageListText(const std::string& Text) {
    std::vector<TPackageLine> Lines;
    size_t Pos = 0;
    while (Pos < Text.size()) {
        const size_t End = std::min(Text.find('\0', Pos), Text.size());
        const std::string Line = Text.substr(Pos, End - Pos);
        if (Line.empty()) break;
        Pos = End + 1;
        TStringList Fields;
        Fields.SetCommaText(Line);
        if (Fields.Count() != 3) continue;
        const std::string& State = Fields.Strings(2);
        if (State.empty() || (State[0] != '0' && State[0] != '1')) continue;
        Lines.push_back({Fields.Strings(0), Fields.Strings(1), State == "1"});
    }
    return Lines;
}

std::string PackageTextToRegistry(std::string Text) {
    std::replace(Text.begin(), Text.end(), '\0', '\1');
    return Text;
}

std::string PackageTextFromRegistry(std::string Text) {
    std::replace(Text.begin(), Text.end(), '\1', '\0');
    return Text;
}
