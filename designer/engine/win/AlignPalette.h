#pragma once
// The modeless alignment palette: a tool window of ten buttons bound to the
// designer's alignment verbs, shown on request through the listener bus.
#include "designer/support/MessageBus.h"
#include "designer/support/win/VerbDispatcher.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/ExtCtrls.h"

class TAlignForm : public TForm {
    QRN_CLASS(TAlignForm, TForm)
public:
    explicit TAlignForm(TComponent* AOwner);
    void BeforeDestruction() override;

    TSpeedButton* LeftEdges = nullptr;
    TSpeedButton* VertCenters = nullptr;
    TSpeedButton* BottomEdges = nullptr;
    TSpeedButton* RightEdges = nullptr;
    TSpeedButton* CenterHinWindow = nullptr;
    TSpeedButton* CenterVertinForm = nullptr;
    TSpeedButton* SpaceEquallyHor = nullptr;
    TSpeedButton* VSpaceequal = nullptr;
    TSpeedButton* HorzCenters = nullptr;
    TSpeedButton* TopEdges = nullptr;
    TPopupMenu* PaletteMenu = nullptr;
    TMenuItem* Stayontop1 = nullptr;
    TMenuItem* Hide1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TVerbDispatcher* Verbs = nullptr;

    void PaletteMenuPopup(TObject* Sender);
    void Stayontop1Click(TObject* Sender);
    void Hide1Click(TObject* Sender);

private:
    void HideMessage(TZelMessage& M);
    void ToolWindowQuery(TZelMessage& M);
};

// The single palette, made on first use; nullptr before.
TAlignForm* AlignmentPaletteInstance();
// Shows the palette (its form style from the stay-on-top switch).
void ShowAlignmentPalette();
// The unit's start and end: the "View.AlignmentPalette" verb and the
// listener that shows the palette on 2065; the end frees the palette.
// Nested: only the outermost start and end do the work.
void StartAlignPalette();
void EndAlignPalette();
