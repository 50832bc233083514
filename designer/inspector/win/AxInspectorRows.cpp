// How TCustomAxInspector collects the property editors of a selection:
// each ActiveX control is a set of its own, the other components one more
// set, and only names that every set has become rows.
#include <algorithm>

#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/win/ZelOleControl.h"
#include "framework/rtl/StrUtils.h"

TCustomAxInspector::TCustomAxInspector(TComponent* AOwner) : TCustomObjectInspector(AOwner) {}

TCustomAxInspector::~TCustomAxInspector() = default;

void TCustomAxInspector::SetOnCompare(const TOICompareEvent& Value) {
    FOnCompare = Value;
    RebuildRows();
}

bool TCustomAxInspector::IsOleControl(TComponent* Component) {
    return Options().Contains(oiShowActiveX) && dynamic_cast<TCustomZelOleControl*>(Component);
}

void TCustomAxInspector::SetAxState(bool AxMode, bool IsZelControl, TCustomZelOleControl* Control) {
    FAxMode = AxMode;
    FIsZelControl = IsZelControl;
    FOleControl = Control;
}

void TCustomAxInspector::EnumerateAxControl(TComponent* Control, TTypeKinds AFilter, TFormDesigner* ADesigner) {
    TDesignerSelectionList One;
    One.Add(Control);
    GetComponentProperties(One, AFilter, ADesigner,
                           [this](std::unique_ptr<TPropertyEditor> E) { AddEditor(std::move(E)); });
}

std::unique_ptr<TPropertyEditor> TCustomAxInspector::CreateGroupEditor(const std::vector<TPropertyEditor*>&) {
    return nullptr;
}

int TCustomAxInspector::CompareRows(TPropertyEditor* PropEdit1, TPropertyEditor* PropEdit2) {
    const std::string N1 = PropEdit1->GetName(), N2 = PropEdit2->GetName();
    int Compare = N1.compare(N2);
    Compare = Compare < 0 ? -1 : Compare > 0 ? 1 : 0;
    if (CustomSort()) {
        const int I1 = PropOrder()->IndexOf(N1), I2 = PropOrder()->IndexOf(N2);
        if (I1 >= 0 && I2 >= 0)
            Compare = I1 - I2;
        else if (I1 >= 0 || I2 >= 0)
            Compare = I2 - I1;  // the listed one first
    }
    FOnCompare(this, PropEdit1, PropEdit2, Compare);
    return Compare;
}

void TCustomAxInspector::GetProperties(const TDesignerSelectionList& Components, TTypeKinds AFilter,
                                       TFormDesigner* ADesigner, const TGetPropEditProc& Proc) {
    // A new rebuild frees the editors of the last one (its rows are gone).
    if (FFreshRebuild) {
        FEditorList.clear();
        FFreshRebuild = false;
    }
    const size_t First = FEditorList.size();
    int Sets = 0;
    TDesignerSelectionList Others;
    for (int I = 0; I < Components.Count(); ++I) {
        auto* C = dynamic_cast<TComponent*>(Components.Items(I));
        if (C && IsOleControl(C)) {
            EnumerateAxControl(C, AFilter, ADesigner);
            ++Sets;
        } else {
            Others.Add(Components.Items(I));
        }
    }
    if (Others.Count() > 0) {
        ++Sets;
        GetComponentProperties(Others, AFilter, ADesigner,
                               [this](std::unique_ptr<TPropertyEditor> E) { AddEditor(std::move(E)); });
    }
    const auto Begin = FEditorList.begin() + static_cast<std::ptrdiff_t>(First);
    if (CustomSort())
        std::stable_sort(Begin, FEditorList.end(),
                         [this](const auto& A, const auto& B) { return CompareRows(A.get(), B.get()) < 0; });

    // Editors of one name, in the order the names first occur.
    std::vector<std::vector<size_t>> Runs;
    std::vector<std::string> Names;
    for (size_t I = First; I < FEditorList.size(); ++I) {
        const std::string Name = FEditorList[I]->GetName();
        const auto It = std::find(Names.begin(), Names.end(), Name);
        if (It == Names.end()) {
            Names.push_back(Name);
            Runs.push_back({I});
        } else {
            Runs[static_cast<size_t>(It - Names.begin())].push_back(I);
        }
    }
    for (const std::vector<size_t>& Run : Runs) {
        if (static_cast<int>(Run.size()) != Sets) continue;
        if (Run.size() == 1) {
            // The row takes the editor over.
            Proc(std::move(FEditorList[Run.front()]));
            continue;
        }
        std::vector<TPropertyEditor*> Members;
        for (size_t I : Run)
            if (FEditorList[I]->GetAttributes().Contains(paMultiSelect)) Members.push_back(FEditorList[I].get());
        if (Members.empty()) continue;
        // The group editor belongs to its row and goes with the rows at the
        // next rebuild; its members stay in the editor list until then.
        if (std::unique_ptr<TPropertyEditor> Group = CreateGroupEditor(Members)) Proc(std::move(Group));
    }
    std::erase(FEditorList, nullptr);
}

QRN_PUBLISHED(TCustomAxInspector) {}
