// Loading the common controls and naming the components for the reader.
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/win/WinApi.h"

#include <commctrl.h>

void InitComCtrls() {
    static const bool Done = [] {
        INITCOMMONCONTROLSEX Icc{};
        Icc.dwSize = sizeof(Icc);
        Icc.dwICC = ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES;
        return InitCommonControlsEx(&Icc) != FALSE;
    }();
    (void)Done;
}

void RegisterComCtrls() {
    RegisterClasses({TTabControl::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass(),
                     TListView::StaticClass(), TStatusBar::StaticClass()});
}

namespace {
// Any program that links a component of this file can stream it.
const bool Registered = (RegisterComCtrls(), true);
}  // namespace
