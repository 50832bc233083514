#include "framework/design/ComponentEditors.h"

#include <vector>

void TComponentEditor::Edit() {
    if (GetVerbCount() > 0) ExecuteVerb(0);
}
void TComponentEditor::ExecuteVerb(int) {}
std::string TComponentEditor::GetVerb(int) { return {}; }
int TComponentEditor::GetVerbCount() { return 0; }

void TDefaultEditor::Edit() {
    TDesignerSelectionList List;
    List.Add(Component());
    std::unique_ptr<TPropertyEditor> Best;
    int BestRank = 0;  // 3 OnCreate, 2 OnChange, 1 OnClick, 0 the first event
    GetComponentProperties(List, tkMethods, Designer(), [&](std::unique_ptr<TPropertyEditor> E) {
        const std::string N = E->GetName();
        const int Rank = N == "OnCreate" ? 3 : N == "OnChange" ? 2 : N == "OnClick" ? 1 : 0;
        if (!Best || Rank > BestRank) {
            Best = std::move(E);
            BestRank = Rank;
        }
    });
    if (Best) Best->Edit();
}

namespace {

struct TEntry {
    const TClass* ComponentClass;
    TComponentEditorClass EditorClass;
    int Group;
};

std::vector<TEntry>& Entries() {
    static std::vector<TEntry> E;
    return E;
}

}  // namespace

void RegisterComponentEditor(const TClass* ComponentClass, TComponentEditorClass EditorClass) {
    if (ComponentClass && EditorClass) Entries().push_back({ComponentClass, EditorClass, CurrentEditorGroup()});
}

std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* Component, TFormDesigner* Designer) {
    const TEntry* Best = nullptr;
    for (auto It = Entries().rbegin(); It != Entries().rend(); ++It)
        if (Component->InheritsFrom(It->ComponentClass) &&
            (!Best || (It->ComponentClass != Best->ComponentClass && It->ComponentClass->InheritsFrom(Best->ComponentClass))))
            Best = &*It;
    if (Best) return Best->EditorClass->Create(Component, Designer);
    return std::make_unique<TDefaultEditor>(Component, Designer);
}

void FreeComponentEditorGroup(int Group) {
    std::erase_if(Entries(), [Group](const TEntry& E) { return E.Group == Group; });
}
