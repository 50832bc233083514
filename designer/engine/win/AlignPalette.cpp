#include "designer/engine/win/AlignPalette.h"

#include <memory>
#include <utility>
#include <vector>

#include "designer/engine/win/res/AlignTextIds.h"
#include "designer/support/Verbs.h"
#include "designer/support/win/FormPlacement.h"
#include "designer/support/win/LibraryStrings.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/classes/ClassRegistry.h"

QRN_PUBLISHED(TAlignForm) {
    B.Field("LeftEdges", &TAlignForm::LeftEdges);
    B.Field("VertCenters", &TAlignForm::VertCenters);
    B.Field("BottomEdges", &TAlignForm::BottomEdges);
    B.Field("RightEdges", &TAlignForm::RightEdges);
    B.Field("CenterHinWindow", &TAlignForm::CenterHinWindow);
    B.Field("CenterVertinForm", &TAlignForm::CenterVertinForm);
    B.Field("SpaceEquallyHor", &TAlignForm::SpaceEquallyHor);
    B.Field("VSpaceequal", &TAlignForm::VSpaceequal);
    B.Field("HorzCenters", &TAlignForm::HorzCenters);
    B.Field("TopEdges", &TAlignForm::TopEdges);
    B.Field("PaletteMenu", &TAlignForm::PaletteMenu);
    B.Field("Stayontop1", &TAlignForm::Stayontop1);
    B.Field("Hide1", &TAlignForm::Hide1);
    B.Field("Help1", &TAlignForm::Help1);
    B.Field("Verbs", &TAlignForm::Verbs);
    B.Handler("PaletteMenuPopup", &TAlignForm::PaletteMenuPopup);
    B.Handler("Stayontop1Click", &TAlignForm::Stayontop1Click);
    B.Handler("Hide1Click", &TAlignForm::Hide1Click);
    B.Message(AlignPaletteHideMessage, &TAlignForm::HideMessage);
    B.Message(ToolWindowQueryMessage, &TAlignForm::ToolWindowQuery);
}

namespace {
constexpr const char* PlacementName = "AlignPalette";

std::unique_ptr<TAlignForm, TObjectFree> GPalette;
int GStarts = 0;
TObjectParamListItem* GVerb = nullptr;

// Shows the palette on 2065 unless it is visible and WParam is 0.
class TAlignPalMessageAnswer : public TMessageAnswer {
    QRN_CLASS(TAlignPalMessageAnswer, TMessageAnswer)
public:
    void ShowMessage(TZelMessage& M) {
        if (M.WParam == 0 && GPalette && GPalette->Visible()) return;
        ShowAlignmentPalette();
    }
};
std::unique_ptr<TAlignPalMessageAnswer, TObjectFree> GAnswer;
}  // namespace

QRN_PUBLISHED(TAlignPalMessageAnswer) { B.Message(AlignPaletteShowMessage, &TAlignPalMessageAnswer::ShowMessage); }

TAlignForm::TAlignForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterClasses({TSpeedButton::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass(),
                     TVerbDispatcher::StaticClass()});
    ReadFormResource("ALIGNPALETTEFORM");
    ApplyMainFormFont(this);
    AddListener(this);
    const std::vector<TSpeedButton*> Buttons{LeftEdges,       VertCenters,      BottomEdges,     RightEdges,
                                             CenterHinWindow, CenterVertinForm, SpaceEquallyHor, VSpaceequal,
                                             HorzCenters,     TopEdges};
    SetSpeedButtonsFlat(Buttons, true);
    for (TSpeedButton* B : Buttons) LoadGlyphResource(B->Glyph(), "ALIGN_" + B->Name());
    RestoreFormPlacement(this, PlacementName);
    CaptionFromLibrary(this, SAlignPaletteCaption);
    for (size_t I = 0; I < Buttons.size(); ++I)
        Buttons[I]->SetHint(LibraryString(SAlignPaletteHints + static_cast<unsigned>(I), Buttons[I]->Hint()));
    CaptionFromLibrary(Stayontop1, SAlignStayOnTop);
    CaptionFromLibrary(Hide1, SAlignHide);
    CaptionFromLibrary(Help1, SAlignHelp);
}

void TAlignForm::BeforeDestruction() {
    RemoveListener(this);
    SaveFormPlacementQuietly(this, PlacementName);
    TForm::BeforeDestruction();
}

void TAlignForm::PaletteMenuPopup(TObject*) { Stayontop1->SetChecked(FormStyle() == fsStayOnTop); }

void TAlignForm::Stayontop1Click(TObject*) {
    Stayontop1->SetChecked(!Stayontop1->Checked());
    SetFormStyle(Stayontop1->Checked() ? fsStayOnTop : fsNormal);
}

void TAlignForm::Hide1Click(TObject*) { Close(); }

void TAlignForm::HideMessage(TZelMessage&) { Hide(); }

void TAlignForm::ToolWindowQuery(TZelMessage& M) { M.Result = 1; }

TAlignForm* AlignmentPaletteInstance() { return GPalette.get(); }

void ShowAlignmentPalette() {
    if (!GPalette) GPalette.reset(new TAlignForm(nullptr));
    GPalette->SetFormStyle(ToolWindowFormStyle());
    GPalette->Show();
}

void StartAlignPalette() {
    if (GStarts++ > 0) return;
    GVerb = RegisterVerb("View.AlignmentPalette", nullptr, &ShowAlignmentPalette);
    GAnswer.reset(new TAlignPalMessageAnswer());
}

void EndAlignPalette() {
    if (GStarts == 0 || --GStarts > 0) return;
    GAnswer.reset();
    GPalette.reset();
    UnregisterVerb(std::exchange(GVerb, nullptr));
}
