#include "designer/inspector/core/InspectorRows.h"

#include <algorithm>

#include "framework/rtl/StrUtils.h"

namespace {

// Opening every row stops this deep: a property chain may lead back to an
// object it started from.
constexpr int MaxLevel = 16;

bool Listed(const std::vector<std::string>& List, const std::string& S) {
    return std::find(List.begin(), List.end(), S) != List.end();
}

}  // namespace

void TInspectorRows::Clear() {
    FRows.clear();
    FClosedGroups.clear();
    FEditors.clear();
}

bool TInspectorRows::Hidden(const std::string& Name) const {
    for (const std::string& H : Rules.HiddenProps)
        if (SameText(H, Name)) return true;
    return false;
}

bool TInspectorRows::AddPropertyRow(std::unique_ptr<TPropertyEditor> Editor, const TInfoRec* Parent,
                                    std::vector<TInfoRec>& Into) {
    const std::string Name = Editor->GetName();
    if (!Editor->ValueAvailable() || Hidden(Name)) return false;
    if (Rules.CanShow && !Rules.CanShow(*Editor)) return false;
    TInfoRec R;
    R.PropEditor = Editor.get();
    R.PropName = Name;
    R.DisplayName = Name;
    R.Level = Parent ? Parent->Level + 1 : 0;
    R.GroupIndex = Parent ? Parent->GroupIndex : -1;
    R.ExpandState = Editor->GetAttributes().Contains(paSubProperties) ? 2 : 0;
    if (Rules.UseAliases || Rules.UseGroups) {
        if (const TPInfo* A = Aliases.Find(Name)) {
            if (A->NeverShow) return false;
            R.AutoExpand = A->AutoExpand;
            R.AlwaysExpand = A->AlwaysExpand;
            R.NeverExpand = A->NeverExpand;
            R.ReadOnlyRow = A->ReadOnlyRow;
            R.GroupIndex = A->GroupIndex;
            if (Rules.UseAliases && !A->Alias.empty()) R.DisplayName = A->Alias;
        }
    }
    if (Rules.Classify) Rules.Classify(R);
    FEditors.push_back(std::move(Editor));
    Into.push_back(std::move(R));
    return true;
}

void TInspectorRows::SortRows(std::vector<TInfoRec>& Rows) const {
    if (!Rules.Sorted) return;
    std::stable_sort(Rows.begin(), Rows.end(), [](const TInfoRec& A, const TInfoRec& B) {
        return AnsiCompareText(A.DisplayName, B.DisplayName) < 0;
    });
}

void TInspectorRows::FixParents() {
    std::vector<int> LastAt;
    for (size_t I = 0; I < FRows.size(); ++I) {
        TInfoRec& R = FRows[I];
        const auto Level = static_cast<size_t>(R.Level);
        R.ParentRow = Level == 0 || Level > LastAt.size() ? -1 : LastAt[Level - 1];
        LastAt.resize(Level + 1);
        LastAt[Level] = static_cast<int>(I);
    }
}

int TInspectorRows::Rebuild(const TDesignerSelectionList& Selection, TFormDesigner* Designer, int CurrentRow) {
    std::vector<std::string> Opened, Closed;
    for (int I = 0; I < Count(); ++I) {
        if (FRows[static_cast<size_t>(I)].ExpandState == 1) Opened.push_back(PathName(I));
        if (FRows[static_cast<size_t>(I)].ExpandState == 2) Closed.push_back(PathName(I));
    }
    const std::string Remembered =
        CurrentRow >= 0 && CurrentRow < Count() && !Row(CurrentRow).IsGroup ? Row(CurrentRow).PropName : "";
    Clear();
    if (Selection.Count() == 0) return -1;

    std::vector<TInfoRec> Top;
    auto Enumerate = [&](const TDesignerSelectionList& List) {
        const TGetPropEditProc Add = [&](std::unique_ptr<TPropertyEditor> E) {
            AddPropertyRow(std::move(E), nullptr, Top);
        };
        if (Rules.Enumerate) Rules.Enumerate(List, Rules.Filter, Designer, Add);
        else GetComponentProperties(List, Rules.Filter, Designer, Add);
    };
    if (!Rules.JoinControls) {
        Enumerate(Selection);
    } else {
        for (int I = 0; I < Selection.Count(); ++I) {
            TDesignerSelectionList One;
            One.Add(Selection.Items(I));
            Enumerate(One);
        }
    }
    SortRows(Top);

    const auto& Groups = Aliases.Groups();
    std::vector<std::vector<TInfoRec>> ByGroup(Groups.size());
    if (Rules.UseGroups)
        for (TInfoRec& R : Top) {
            const int G = R.GroupIndex >= 0 ? R.GroupIndex : Aliases.OtherGroup();
            if (G >= 0 && static_cast<size_t>(G) < ByGroup.size()) ByGroup[static_cast<size_t>(G)].push_back(R);
        }
    const auto Filled = std::count_if(ByGroup.begin(), ByGroup.end(), [](const auto& G) { return !G.empty(); });
    if (Filled > 1) {
        FClosedGroups.resize(Groups.size());
        for (size_t G = 0; G < Groups.size(); ++G) {
            if (ByGroup[G].empty()) continue;
            TInfoRec Header;
            Header.IsGroup = true;
            Header.DisplayName = Groups[G];
            Header.GroupIndex = static_cast<int>(G);
            Header.ExpandState = 1;
            FRows.push_back(Header);
            for (TInfoRec& R : ByGroup[G]) {
                R.Level = 1;
                FRows.push_back(R);
            }
        }
    } else {
        // One group only (or none): a plain list without its header.
        FRows = std::move(Top);
    }
    FixParents();

    for (size_t I = 0; I < FRows.size(); ++I) {
        const TInfoRec& R = FRows[I];
        const std::string Path = PathName(static_cast<int>(I));
        if (R.ExpandState == 2 && (Rules.ExpandAll || R.AutoExpand || R.AlwaysExpand || Listed(Opened, Path)))
            Expand(I);
        else if (R.ExpandState == 1 && !Rules.ExpandAll && Listed(Closed, Path))
            Collapse(I);
    }

    int Current = FindRow(Remembered.empty() ? "Caption" : Remembered);
    if (Current < 0) Current = FindRow("Name");
    return Current >= 0 ? Current : (FRows.empty() ? -1 : 0);
}

bool TInspectorRows::HasExpandableRows() const {
    return std::any_of(FRows.begin(), FRows.end(), [](const TInfoRec& R) { return R.ExpandState != 0; });
}

void TInspectorRows::ToggleExpand(int Index) {
    if (Index < 0 || Index >= Count()) return;
    if (FRows[static_cast<size_t>(Index)].ExpandState == 2)
        Expand(static_cast<size_t>(Index));
    else
        Collapse(static_cast<size_t>(Index));
}

void TInspectorRows::Expand(size_t Index) {
    TInfoRec& R = FRows[Index];
    if (R.ExpandState != 2 || R.NeverExpand || R.Level >= MaxLevel) return;
    std::vector<TInfoRec> Below;
    if (R.IsGroup) {
        Below = std::move(FClosedGroups[static_cast<size_t>(R.GroupIndex)]);
        FClosedGroups[static_cast<size_t>(R.GroupIndex)].clear();
    } else {
        const TInfoRec Parent = R;  // the enumeration adds editors, not rows
        Parent.PropEditor->GetProperties(
            [&](std::unique_ptr<TPropertyEditor> E) { AddPropertyRow(std::move(E), &Parent, Below); });
        SortRows(Below);
    }
    FRows[Index].ExpandState = 1;
    const int Level = FRows[Index].Level;
    const bool WasGroup = FRows[Index].IsGroup;
    FRows.insert(FRows.begin() + static_cast<std::ptrdiff_t>(Index) + 1, Below.begin(), Below.end());
    FixParents();
    if (!WasGroup) return;
    // A group's rows come back as they were; those whose alias says so open.
    for (size_t J = Index + 1; J < FRows.size() && FRows[J].Level > Level; ++J)
        if (FRows[J].ExpandState == 2 && (FRows[J].AutoExpand || FRows[J].AlwaysExpand)) Expand(J);
}

void TInspectorRows::Collapse(size_t Index) {
    TInfoRec& R = FRows[Index];
    if (R.ExpandState != 1 || Rules.KeepExpanded || R.AlwaysExpand) return;
    size_t End = Index + 1;
    while (End < FRows.size() && FRows[End].Level > R.Level) ++End;
    const auto First = FRows.begin() + static_cast<std::ptrdiff_t>(Index) + 1;
    const auto Last = FRows.begin() + static_cast<std::ptrdiff_t>(End);
    if (R.IsGroup) {
        FClosedGroups[static_cast<size_t>(R.GroupIndex)].assign(First, Last);
    } else {
        // Sub-property editors live as long as their rows.
        for (auto It = First; It != Last; ++It)
            std::erase_if(FEditors, [&](const auto& E) { return E.get() == It->PropEditor; });
    }
    R.ExpandState = 2;
    FRows.erase(First, Last);
    FixParents();
}

std::string TInspectorRows::PathName(int Index) const {
    const TInfoRec& R = Row(Index);
    if (R.IsGroup) return "::" + R.DisplayName;
    std::string Path = R.PropName;
    for (int P = R.ParentRow; P >= 0 && !Row(P).IsGroup; P = Row(P).ParentRow) Path = Row(P).PropName + "." + Path;
    return Path;
}

int TInspectorRows::FindRow(const std::string& PropName) const {
    for (int I = 0; I < Count(); ++I)
        if (!Row(I).IsGroup && Row(I).PropName == PropName) return I;
    return -1;
}
