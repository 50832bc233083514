#include "designer/support/win/CompPalForm.h"

#include <memory>

#include "designer/support/win/FormPlacement.h"
#include "designer/support/win/PaletteOptions.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/classes/ClassRegistry.h"

QRN_PUBLISHED(TCompPalFrm) {
    B.Field("Palette", &TCompPalFrm::Palette);
    B.Field("PaletteMenu", &TCompPalFrm::PaletteMenu);
    B.Field("Components1", &TCompPalFrm::Components1);
    B.Field("Verbs", &TCompPalFrm::Verbs);
    B.Handler("FormClose", &TCompPalFrm::FormClose);
    B.Message(ToolWindowQueryMessage, &TCompPalFrm::ToolWindowQuery);
    B.Message(ComponentPaletteHideMessage, &TCompPalFrm::HideMessage);
}

namespace {
constexpr const char* PlacementName = "CompPalFrm";
std::unique_ptr<TCompPalFrm, TObjectFree> GWindow;

// Shows the palette window on 2063 unless it is visible.
class TPalMessageAnswer : public TMessageAnswer {
    QRN_CLASS(TPalMessageAnswer, TMessageAnswer)
public:
    void ShowMessage(TZelMessage&) {
        TCompPalFrm* W = ComponentPaletteForm();
        if (W->Visible()) return;
        W->SetFormStyle(ToolWindowFormStyle());
        W->Show();
    }
};
std::unique_ptr<TPalMessageAnswer, TObjectFree> GAnswer;

int GPaletteRequests = 0, GAlignRequests = 0, GBusy = 0;

// Keeps the focus on the form the user works in after a tool window came.
void ShowActiveFormAgain() {
    if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->HandleAllocated())
        ShowWindow(Screen->ActiveForm()->Handle(), SW_SHOW);
}
}  // namespace

QRN_PUBLISHED(TPalMessageAnswer) { B.Message(ComponentPaletteShowMessage, &TPalMessageAnswer::ShowMessage); }

TCompPalFrm::TCompPalFrm(TComponent* AOwner) : TForm(AOwner) {
    RegisterClasses({TZelCompPalette::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass(),
                     TVerbDispatcher::StaticClass()});
    ReadFormResource("COMPPALFRM");
    ApplyMainFormFont(this);
    AddListener(this);
    SetClientHeight(57);
    RestoreFormPlacement(this, PlacementName);
    SetCaption("Component Palette");
    FillDefaultPages(Palette->PageItems());
}

void TCompPalFrm::BeforeDestruction() {
    RemoveListener(this);
    SaveFormPlacementQuietly(this, PlacementName);
    TForm::BeforeDestruction();
}

void TCompPalFrm::SetPackagesVerb(bool ActiveXPage) {
    if (FActiveXPage == ActiveXPage) return;
    FActiveXPage = ActiveXPage;
    if (Verbs->VerbList()->Count() > 0)
        Verbs->VerbList()->Verbs(0)->SetVerbName(ActiveXPage ? "View.PackagesActiveX" : "View.PackagesConfig");
}

void TCompPalFrm::FormClose(TObject*, TCloseAction&) {
    SelectedPaletteClass.clear();
    Palette->ResetSelection();
}

TCompPalFrm* ComponentPaletteForm() {
    if (!GWindow) GWindow.reset(new TCompPalFrm(nullptr));
    return GWindow.get();
}

TZelCompPalette* GetComponentPalette() { return GWindow ? GWindow->Palette : nullptr; }

void RequestComponentPalette() {
    BroadcastToListeners(nullptr, ComponentPaletteShowMessage, 1, 0);
    ++GPaletteRequests;
    ShowActiveFormAgain();
}

void ReleaseComponentPalette() {
    if (--GPaletteRequests == 0) BroadcastToListeners(nullptr, ComponentPaletteHideMessage, 0, 0);
}

void RequestAlignPalette() {
    BroadcastToListeners(nullptr, AlignPaletteShowMessage, 1, 0);
    ++GAlignRequests;
    ShowActiveFormAgain();
}

void ReleaseAlignPalette() {
    if (--GAlignRequests == 0) BroadcastToListeners(nullptr, AlignPaletteHideMessage, 0, 0);
}

void BeginBusyBracket() {
    BroadcastToListeners(nullptr, BusyStateMessage, 0, 0);
    ++GBusy;
    ShowActiveFormAgain();
}

void EndBusyBracket() {
    if (--GBusy == 0) BroadcastToListeners(nullptr, BusyEndMessage, 0, 0);
}

void StartComponentPalette() {
    if (!GAnswer) GAnswer.reset(new TPalMessageAnswer());
}

void EndComponentPalette() {
    GAnswer.reset();
    GWindow.reset();
    GPaletteRequests = GAlignRequests = GBusy = 0;
}
