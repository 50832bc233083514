#pragma once
// The inspector's alias text: which properties it shows under another
// name, in which group, and with which expansion and editing rules.
//
// One entry per line; a line is cut at its first ';' (the rest is a
// comment) and trimmed; empty lines are ignored. "[Name]" opens a group
// that the following entries belong to. An entry is Prop, Prop=Alias,
// Prop,FLAGS or Prop=Alias,FLAGS; property names are compared without
// regard to case, and a later entry for a property replaces the earlier
// one. FLAGS may hold AUTOEXPAND, ALWAYSEXPAND, NEVEREXPAND, NEVERSHOW and
// READONLY, with any separators.
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct TPInfo {
    std::string Alias;
    int GroupIndex = -1;  // -1: the entry stands before any group line
    bool AutoExpand = false;
    bool AlwaysExpand = false;
    bool NeverExpand = false;
    bool NeverShow = false;
    bool ReadOnlyRow = false;
};

class TAliasTable {
public:
    // Reads the text; the groups are sorted by name (without regard to
    // case) when SortGroups is set, else kept in the order they appear.
    // OtherGroupName joins them as the group of every property that no
    // entry places.
    void Parse(const std::vector<std::string>& Lines, bool SortGroups, const std::string& OtherGroupName);
    void Clear();

    const TPInfo* Find(std::string_view PropName) const;
    const std::vector<std::string>& Groups() const { return FGroups; }
    int OtherGroup() const { return FOtherGroup; }

private:
    int AddGroup(const std::string& Name, bool Sorted);
    int GroupOf(std::string_view Name) const;
    std::map<std::string, TPInfo> FEntries;  // by upper-cased property name
    std::vector<std::string> FGroups;
    int FOtherGroup = -1;
};

// The inspector's default alias text: its eleven groups of common control
// properties and events.
std::vector<std::string> DefaultInspectorAliases();
