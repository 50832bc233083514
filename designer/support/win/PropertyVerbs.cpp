#include "designer/support/win/PropertyVerbs.h"

#include <memory>

#include "designer/support/PropertyVerbList.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignerLookups.h"
#include "designer/support/win/FDesigner.h"
#include "framework/rtl/StrUtils.h"

namespace {
TActionListItem* VerbOf(TComponent* Component, int Index) {
    return DesignApplication ? DesignApplication->ActionsList()->Matching(Component, Index) : nullptr;
}
}  // namespace

void RegisterPropertyVerb(const std::string& Caption, const TClass* ComponentClass, const std::string& PropName) {
    if (DesignApplication) DesignApplication->ActionsList()->Add(Caption, ComponentClass, PropName);
}

void OpenPropertyEditor(TComponent* Component, const std::string& PropName) {
    if (!Component) return;
    TDesignerSelectionList List;
    List.Add(Component);
    std::unique_ptr<TFDesigner> Temporary;
    TFormDesigner* Designer = FindFormDesignerOf(Component);
    if (!Designer) {
        Temporary = std::make_unique<TFDesigner>();
        Temporary->SetForm(FindOwnerForm(Component));
        Temporary->SetDesignRoot(FindDesignRootOf(Component));
        Designer = Temporary.get();
    }
    std::unique_ptr<TPropertyEditor> Kept;
    GetComponentProperties(List, tkAny, Designer, [&](std::unique_ptr<TPropertyEditor> Editor) {
        if (SameText(Editor->GetName(), PropName)) Kept = std::move(Editor);
    });
    if (Kept) Kept->Edit();
}

int TActionEditor::GetVerbCount() {
    return DesignApplication ? DesignApplication->ActionsList()->MatchingCount(Component()) : 0;
}

std::string TActionEditor::GetVerb(int Index) {
    TActionListItem* Verb = VerbOf(Component(), Index);
    return Verb ? Verb->Caption : std::string();
}

void TActionEditor::ExecuteVerb(int Index) {
    if (TActionListItem* Verb = VerbOf(Component(), Index)) OpenPropertyEditor(Component(), Verb->PropName);
}
