#include "designer/support/PalettePages.h"

#include "framework/rtl/StrUtils.h"

const std::vector<std::string>& DefaultPaletteNames() {
    static const std::vector<std::string> Names{
        "Standard", "Additional", "Win32",  "System",  "Data Access", "Data Controls", "Quill",    "Toolbars",
        "Multimedia", "Dialogs",  "Win 3.1", "Buttons", "Search",     "Docking",       "Wizards", "ActiveX"};
    return Names;
}

void TPageMap::Parse(const std::vector<std::string>& Lines) {
    FClasses.clear();
    FPageOrder.clear();
    for (size_t Line = 0; Line < Lines.size(); ++Line) {
        const std::string& Text = Lines[Line];
        const size_t Eq = Text.find('=');
        if (Eq == std::string::npos) {
            FPageOrder.push_back(Trim(Text));
            continue;
        }
        const std::string Page = Trim(Text.substr(0, Eq));
        FPageOrder.push_back(Page);
        std::string Value;
        for (char C : Text.substr(Eq + 1))
            if (C != ' ' && C != '\t') Value += C;
        int Item = 0;
        size_t Pos = 0;
        while (Pos <= Value.size() && !Value.empty()) {
            const size_t Comma = Value.find(',', Pos);
            const std::string Name = Value.substr(Pos, Comma == std::string::npos ? std::string::npos : Comma - Pos);
            if (!Name.empty()) FClasses[UpperCase(Name)] = {Page, Item++, static_cast<int>(Line)};
            if (Comma == std::string::npos) break;
            Pos = Comma + 1;
        }
    }
}

const TPageOfClass* TPageMap::Find(const std::string& ClassName) const {
    const auto It = FClasses.find(UpperCase(ClassName));
    return It == FClasses.end() ? nullptr : &It->second;
}

int TPageMap::PagePosition(const std::string& PageName) const {
    for (size_t I = 0; I < FPageOrder.size(); ++I)
        if (SameText(FPageOrder[I], PageName)) return static_cast<int>(I);
    return -1;
}

TSheetLayout LayoutPaletteRow(const std::vector<int>& Widths, int ButtonHeight, int ClientWidth, int ClientHeight,
                              int ArrowWidth, int ArrowHeight, int ScrollRow) {
    TSheetLayout L;
    int X = ArrowWidth;
    int Y = -(ScrollRow * ArrowHeight);
    for (int W : Widths) {
        if (X + W > ClientWidth) {
            Y += ButtonHeight;
            X = Y == 0 ? ArrowWidth : 0;  // the arrow button keeps the top-left corner
        }
        L.Places.push_back({X, Y});
        L.HasMoreRows = Y + ButtonHeight > ClientHeight || X >= ClientWidth;
        X += W;
    }
    return L;
}
