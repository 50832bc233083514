#include "designer/support/win/PageControlEditors.h"

#include "designer/support/win/CompPalette.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/design/DesignIntf.h"

namespace {
TPageControl* EditedPageControl(TComponent* C) {
    if (auto* Sheet = dynamic_cast<TTabSheet*>(C)) return Sheet->PageControl();
    return dynamic_cast<TPageControl*>(C);
}
}  // namespace

std::string TPageControlEditor::GetVerb(int Index) {
    static const char* const Verbs[] = {"New Page", "Next Page", "Previous Page"};
    return Index >= 0 && Index < 3 ? Verbs[Index] : std::string();
}

void TPageControlEditor::ExecuteVerb(int Index) {
    TPageControl* Pages = EditedPageControl(Component());
    TFormDesigner* D = Designer();
    if (!Pages || !D) return;
    if (Index == 0) {
        // The palette manages its own sheets.
        if (dynamic_cast<TZelPageControl*>(Pages)) return;
        TComponent* Root = D->GetRootComponent();
        auto* Sheet = new TTabSheet(Root);
        Sheet->SetName(D->MakeUniqueName("TabSheet"));
        Sheet->SetPageControl(Pages);
        Pages->SetActivePage(Sheet);
        D->SelectSingle(Sheet);
    } else if (Pages->PageCount() > 0) {
        const int Count = Pages->PageCount();
        const int Step = Index == 1 ? 1 : -1;
        const int Current = Pages->ActivePageIndex();
        Pages->SetActivePageIndex(((Current < 0 ? 0 : Current) + Step + Count) % Count);
        if (dynamic_cast<TTabSheet*>(Component()) && Pages->ActivePage()) D->SelectSingle(Pages->ActivePage());
    } else {
        return;
    }
    D->NotifyModified();
}

void TActivePageProperty::GetValues(TGetStrProc Proc) {
    auto* Pages = dynamic_cast<TPageControl*>(GetComponent(0));
    TComponent* Root = Designer() ? Designer()->GetRootComponent() : nullptr;
    if (!Pages || !Root) return;
    for (int I = 0; I < Root->ComponentCount(); ++I)
        if (auto* Sheet = dynamic_cast<TTabSheet*>(Root->Components(I));
            Sheet && Sheet->PageControl() == Pages && !Sheet->Name().empty())
            Proc(Sheet->Name());
}

void RegisterPageControlEditors() {
    RegisterComponentEditor(TPageControl::StaticClass(), ComponentEditorClass<TPageControlEditor>());
    RegisterComponentEditor(TTabSheet::StaticClass(), ComponentEditorClass<TPageControlEditor>());
    if (const TPropInfo* P = TPageControl::StaticClass()->FindProperty("ActivePage"))
        RegisterPropertyEditor(P->PropType, TPageControl::StaticClass(), "ActivePage",
                               PropertyEditorClass<TActivePageProperty>());
}
