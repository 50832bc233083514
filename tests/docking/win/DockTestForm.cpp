#include "DockTestForm.h"

QRN_PUBLISHED(TDockTestForm) {
    using F = TDockTestForm;
    B.Field("TopDock", &F::TopDock);
    B.Field("BottomDock", &F::BottomDock);
    B.Field("LeftDock", &F::LeftDock);
    B.Field("RightDock", &F::RightDock);
    B.Field("MainBar", &F::MainBar);
    B.Field("EditBar", &F::EditBar);
    B.Field("FloatBar", &F::FloatBar);
    B.Field("Tools", &F::Tools);
    B.Field("NewBtn", &F::NewBtn);
    B.Field("OpenBtn", &F::OpenBtn);
    B.Field("SaveBtn", &F::SaveBtn);
    B.Field("Sep1", &F::Sep1);
    B.Field("LeftBtn", &F::LeftBtn);
    B.Field("RightBtn", &F::RightBtn);
    B.Field("MenuBtn", &F::MenuBtn);
    B.Field("F1", &F::F1);
    B.Field("F2", &F::F2);
    B.Field("F3", &F::F3);
    B.Field("F4", &F::F4);
    B.Field("FSep", &F::FSep);
    B.Handler("TopDockInsertRemoveBar", &F::TopDockInsertRemoveBar);
    B.Handler("MainBarDockChanging", &F::MainBarDockChanging);
    B.Handler("MainBarDockChanged", &F::MainBarDockChanged);
    B.Handler("NewBtnClick", &F::NewBtnClick);
    B.Handler("NewBtnMouseEnter", &F::NewBtnMouseEnter);
    B.Handler("NewBtnMouseExit", &F::NewBtnMouseExit);
    B.Handler("OpenBtnMouseEnter", &F::OpenBtnMouseEnter);
    B.Handler("OpenBtnMouseExit", &F::OpenBtnMouseExit);
    B.Handler("MenuBtnClick", &F::MenuBtnClick);
    B.Handler("MenuBtnDropdown", &F::MenuBtnDropdown);
}
