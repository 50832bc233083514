#include "designer/inspector/core/InspectorAliases.h"

#include <algorithm>

#include "framework/rtl/StrUtils.h"

namespace {

// The line without its comment, trimmed.
std::string Content(const std::string& Line) { return Trim(std::string_view(Line).substr(0, Line.find(';'))); }

bool IsGroupLine(const std::string& L) { return !L.empty() && L[0] == '[' && L.find(']') != std::string::npos; }

std::string GroupName(const std::string& L) { return L.substr(1, L.find(']') - 1); }

TPInfo ParseEntry(const std::string& L, std::string& Name) {
    TPInfo Info;
    const size_t NameEnd = L.find_first_of("=,");
    Name = Trim(std::string_view(L).substr(0, NameEnd));
    const size_t Comma = L.find(',');
    if (NameEnd != std::string::npos && L[NameEnd] == '=') {
        const size_t AliasEnd = Comma == std::string::npos ? L.size() : Comma;
        Info.Alias = Trim(std::string_view(L).substr(NameEnd + 1, AliasEnd - NameEnd - 1));
    }
    if (Comma != std::string::npos) {
        const std::string Flags = UpperCase(std::string_view(L).substr(Comma + 1));
        auto Has = [&](const char* Flag) { return Flags.find(Flag) != std::string::npos; };
        Info.AutoExpand = Has("AUTOEXPAND");
        Info.AlwaysExpand = Has("ALWAYSEXPAND");
        Info.NeverExpand = Has("NEVEREXPAND");
        Info.NeverShow = Has("NEVERSHOW");
        Info.ReadOnlyRow = Has("READONLY");
    }
    return Info;
}

}  // namespace

void TAliasTable::Clear() {
    FEntries.clear();
    FGroups.clear();
    FOtherGroup = -1;
}

int TAliasTable::GroupOf(std::string_view Name) const {
    for (size_t I = 0; I < FGroups.size(); ++I)
        if (AnsiSameText(FGroups[I], Name)) return static_cast<int>(I);
    return -1;
}

int TAliasTable::AddGroup(const std::string& Name, bool Sorted) {
    if (const int Found = GroupOf(Name); Found >= 0) return Found;
    auto At = FGroups.end();
    if (Sorted)
        At = std::find_if(FGroups.begin(), FGroups.end(),
                          [&](const std::string& G) { return AnsiCompareText(Name, G) < 0; });
    return static_cast<int>(FGroups.insert(At, Name) - FGroups.begin());
}

void TAliasTable::Parse(const std::vector<std::string>& Lines, bool SortGroups, const std::string& OtherGroupName) {
    Clear();
    for (const std::string& Line : Lines)
        if (const std::string L = Content(Line); IsGroupLine(L)) AddGroup(GroupName(L), SortGroups);
    AddGroup(OtherGroupName, SortGroups);
    FOtherGroup = GroupOf(OtherGroupName);

    int Current = -1;
    for (const std::string& Line : Lines) {
        const std::string L = Content(Line);
        if (L.empty()) continue;
        if (IsGroupLine(L)) {
            Current = GroupOf(GroupName(L));
            continue;
        }
        std::string Name;
        TPInfo Info = ParseEntry(L, Name);
        Info.GroupIndex = Current;
        FEntries[AnsiUpperCase(Name)] = std::move(Info);
    }
}

const TPInfo* TAliasTable::Find(std::string_view PropName) const {
    const auto It = FEntries.find(AnsiUpperCase(PropName));
    return It == FEntries.end() ? nullptr : &It->second;
}

std::vector<std::string> DefaultInspectorAliases() {
    static const std::vector<std::pair<const char*, std::vector<const char*>>> Groups = {
        {"[Appearance]",
         {"Color", "Caption", "Cursor", "Alignment", "ParentColor", "Transparent", "WordWrap", "Flat", "Glyph",
          "Ctl3d"}},
        {"[Behavior]",
         {"OnEditButtonClick", "OnEnter", "OnExit", "TabOrder", "TabStop", "DragCursor", "DragMode", "Cancel",
          "Default", "Enabled", "Visible", "GroupIndex", "ImeMode", "ImeName"}},
        {"[List]", {"IntegralHeight", "ItemHeight", "Items", "MultiSelect"}},
        {"[Font]", {"Font", "ParentFont"}},
        {"[Misc]", {"Name", "PopupMenu", "HelpContext", "Tag", "FocusControl"}},
        {"[Hint]", {"ParentShowHint", "ShowHint", "Hint"}},
        {"[Position]", {"Height", "Top", "Left", "Width", "Autosize", "Align"}},
        {"[Data]", {"DataSource", "DataSet", "DataField"}},
        {"[Keyboard]", {"OnKeyDown", "OnKeyPress", "OnKeyUp"}},
        {"[Mouse]", {"OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"}},
        {"[DragDrop]", {"OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag"}},
    };
    std::vector<std::string> Lines;
    for (const auto& [Group, Props] : Groups) {
        if (!Lines.empty()) Lines.emplace_back();  // an empty line ends each group but the last
        Lines.emplace_back(Group);
        Lines.insert(Lines.end(), Props.begin(), Props.end());
    }
    return Lines;
}
