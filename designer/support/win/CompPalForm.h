#pragma once
// The tool window that holds the component palette while design mode runs,
// and the request counters that show and hide the library's tool windows.
#include "designer/support/MessageBus.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/VerbDispatcher.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"

class TCompPalFrm : public TForm {
    QRN_CLASS(TCompPalFrm, TForm)
public:
    explicit TCompPalFrm(TComponent* AOwner);
    void BeforeDestruction() override;

    TZelCompPalette* Palette = nullptr;
    TPopupMenu* PaletteMenu = nullptr;
    TMenuItem* Components1 = nullptr;
    TVerbDispatcher* Verbs = nullptr;

    bool ActiveXPage() const { return FActiveXPage; }
    // The menu item runs the ActiveX page of the packages dialog, or the
    // packages page.
    void SetPackagesVerb(bool ActiveXPage);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    void ToolWindowQuery(TZelMessage& M) { M.Result = 1; }
    void HideMessage(TZelMessage&) { Hide(); }
    bool FActiveXPage = true;
};

// The single window, made on first use and not shown.
TCompPalFrm* ComponentPaletteForm();
// Its palette; nullptr while the window does not exist.
TZelCompPalette* GetComponentPalette();

// Each request shows its window (2063, 2065) and keeps the active form in
// front; the last release hides it again (2064, 2066).
void RequestComponentPalette();
void ReleaseComponentPalette();
void RequestAlignPalette();
void ReleaseAlignPalette();
void BeginBusyBracket();
void EndBusyBracket();

// The unit's start and end: the listener that shows the palette window,
// and at the end the window itself.
void StartComponentPalette();
void EndComponentPalette();
