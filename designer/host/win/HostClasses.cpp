#include "designer/host/win/HostClasses.h"

#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/ClassItems.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/DesignApplication.h"
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

namespace {

// The classes registered with a palette page, as the palette asks for them.
std::vector<TPaletteClassEntry> RegisteredPaletteClasses() {
    std::vector<TPaletteClassEntry> Entries;
    if (!DesignApplication) return Entries;
    TClassItems* Items = DesignApplication->ClassItems();
    for (int I = 0; I < Items->Count(); ++I) {
        const TClassItem* Item = Items->ClassItems(I);
        if ((Item->Flags & ClassOnPage) && !Item->PageName.empty())
            Entries.push_back({Item->ComponentClass, Item->PageName, Item->Module});
    }
    return Entries;
}

}  // namespace

void RefreshPalette(TWinControl* Palette) {
    SetPaletteClassSource(&RegisteredPaletteClasses);
    if (auto* P = dynamic_cast<TZelCompPalette*>(Palette)) P->RecreatePages();
}
