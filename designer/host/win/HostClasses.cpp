#include "designer/host/win/HostClasses.h"

#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/win/CompPalette.h"
#include "docking/win/DockingControls.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"

void RegisterHostClasses() {
    for (const TClass* C :
         {TQToolbarButton::StaticClass(), TQToolWindow::StaticClass(), TZelCompPalette::StaticClass(),
          TObjectInspector::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass(),
          TPanel::StaticClass(), TComboBox::StaticClass(), TListBox::StaticClass(), TPopupMenu::StaticClass(),
          TMenuItem::StaticClass()})
        RegisterClassOnce(C);
}

void RefreshPalette(TWinControl* Palette) {
    SetPaletteClassSource(nullptr);  // the library's registered classes
    if (auto* P = dynamic_cast<TZelCompPalette*>(Palette)) P->RecreatePages();
}
