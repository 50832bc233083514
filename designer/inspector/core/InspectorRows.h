#pragma once
// The rows of an object inspector, apart from its window: one row per
// property of the selection that may be shown (through the property
// editors), renamed and grouped by the alias text, with sub-properties
// opened and closed below their row. The view paints the rows and keeps
// the current row; this list owns the property editors the rows use.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "designer/inspector/core/InspectorAliases.h"
#include "framework/design/PropEdits.h"

// One row. Group header rows have no property editor.
struct TInfoRec {
    TPropertyEditor* PropEditor = nullptr;
    std::string DisplayName;  // the alias, when aliases are used and one is given
    std::string PropName;     // the property editor's name
    int Level = 0;            // rows in a group: 1; sub-properties: their parent's + 1
    int ParentRow = -1;       // the parent's index (the group's for rows in a group)
    int GroupIndex = -1;      // in the alias table's groups
    const TClass* EditClass = nullptr;   // the value's edit control class
    const TClass* PopupClass = nullptr;  // the value's drop-down list class
    int ExpandState = 0;                 // 0 no sub-properties, 1 expanded, 2 collapsed
    bool AutoExpand = false, AlwaysExpand = false, NeverExpand = false, NeverShow = false, ReadOnlyRow = false;
    bool IsGroup = false;
};

struct TInspectorRowRules {
    bool UseAliases = true;
    bool UseGroups = true;
    bool JoinControls = false;  // each component's own properties instead of the common ones
    bool Sorted = true;         // by display name; otherwise in enumeration order
    bool ExpandAll = false;     // every row opens after a rebuild
    bool KeepExpanded = false;  // no row can be closed
    TTypeKinds Filter = tkProperties;
    std::vector<std::string> HiddenProps;  // never shown (names without regard to case)
    // Whether a property may be shown (the designer's rules, the owner's
    // veto); unset: always.
    std::function<bool(TPropertyEditor& Editor)> CanShow;
    // Fills a new row's EditClass and PopupClass.
    std::function<void(TInfoRec& Row)> Classify;
    // Hands every property editor of a selection to Proc; unset: the class
    // library's GetComponentProperties.
    std::function<void(const TDesignerSelectionList& Selection, TTypeKinds Filter, TFormDesigner* Designer,
                       const TGetPropEditProc& Proc)>
        Enumerate;
};

class TInspectorRows {
public:
    TInspectorRowRules Rules;
    TAliasTable Aliases;

    // Rebuilds the rows for the selection, keeping what was open or closed
    // (by path name). Returns the row to make current: the row of
    // CurrentRow's property, else "Caption" when there was none, else
    // "Name", else the first row; -1 without rows.
    int Rebuild(const TDesignerSelectionList& Selection, TFormDesigner* Designer, int CurrentRow);
    void Clear();

    int Count() const { return static_cast<int>(FRows.size()); }
    const TInfoRec& Row(int Index) const { return FRows.at(static_cast<size_t>(Index)); }
    bool HasExpandableRows() const;

    // Opens a closed row (its sub-properties, or a group's rows, follow it)
    // or closes an open one.
    void ToggleExpand(int Index);
    // The row's name after its ancestors', joined by "." (up to a group);
    // a group row's path is "::" + its name.
    std::string PathName(int Index) const;
    // The row of a property by its editor's name; groups never match.
    int FindRow(const std::string& PropName) const;

private:
    bool AddPropertyRow(std::unique_ptr<TPropertyEditor> Editor, const TInfoRec* Parent,
                        std::vector<TInfoRec>& Into);
    void SortRows(std::vector<TInfoRec>& Rows) const;
    void Expand(size_t Index);
    void Collapse(size_t Index);
    void FixParents();
    bool Hidden(const std::string& Name) const;

    std::vector<TInfoRec> FRows;
    std::vector<std::unique_ptr<TPropertyEditor>> FEditors;  // every row's editor
    std::vector<std::vector<TInfoRec>> FClosedGroups;        // by group index: the rows of a closed group
};
