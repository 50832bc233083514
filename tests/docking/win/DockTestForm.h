#pragma once
// The form the docking window tests run on: docks on all four sides, two
// docked toolbars, a floating toolbar and a floating tool window, and
// the events they fire, recorded.
#include <string>
#include <vector>

#include "docking/win/DockingControls.h"

class TDockTestForm : public TForm {
    QRN_CLASS(TDockTestForm, TForm)
public:
    explicit TDockTestForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("DOCKTESTFORM"); }

    TQDock* TopDock = nullptr;
    TQDock* BottomDock = nullptr;
    TQDock* LeftDock = nullptr;
    TQDock* RightDock = nullptr;
    TQToolbar* MainBar = nullptr;
    TQToolbar* EditBar = nullptr;
    TQToolbar* FloatBar = nullptr;
    TQToolWindow* Tools = nullptr;
    TQToolbarButton* NewBtn = nullptr;
    TQToolbarButton* OpenBtn = nullptr;
    TQToolbarButton* SaveBtn = nullptr;
    TQToolbarSep* Sep1 = nullptr;
    TQToolbarButton* LeftBtn = nullptr;
    TQToolbarButton* RightBtn = nullptr;
    TQToolbarButton* MenuBtn = nullptr;
    TQToolbarButton* F1 = nullptr;
    TQToolbarButton* F2 = nullptr;
    TQToolbarButton* F3 = nullptr;
    TQToolbarButton* F4 = nullptr;
    TQToolbarSep* FSep = nullptr;

    std::vector<std::string> Events;
    // WM_NCACTIVATE as the form received it: whether its caption is to
    // show active.
    std::vector<bool> CaptionActive;
    int NewClicks = 0, MenuClicks = 0, Dropdowns = 0;
    // What the drop-down handler does: show the menu, and a press to post
    // over the button (as if it closed the menu).
    bool DropdownShowsMenu = false;
    bool PostPressDuringDropdown = false;

    void TopDockInsertRemoveBar(TObject*, bool Inserting, TQCustomToolWindow* Bar) {
        Events.push_back(std::string(Inserting ? "insert " : "remove ") + Bar->Name());
    }
    void MainBarDockChanging(TObject*) { Events.push_back("changing"); }
    void MainBarDockChanged(TObject*) { Events.push_back("changed"); }
    void NewBtnClick(TObject*) { ++NewClicks; }
    void NewBtnMouseEnter(TObject*) { Events.push_back("enter New"); }
    void NewBtnMouseExit(TObject*) { Events.push_back("exit New"); }
    void OpenBtnMouseEnter(TObject*) { Events.push_back("enter Open"); }
    void OpenBtnMouseExit(TObject*) { Events.push_back("exit Open"); }
    void MenuBtnClick(TObject*) { ++MenuClicks; }
    void MenuBtnDropdown(TObject*, bool& ShowMenu, bool&) {
        ++Dropdowns;
        ShowMenu = DropdownShowsMenu;
        if (PostPressDuringDropdown) {
            const TPoint P{MenuBtn->Left() + MenuBtn->Width() - 3, MenuBtn->Top() + 5};
            PostMessageA(EditBar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(P.X, P.Y));
            PostMessageA(EditBar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(P.X, P.Y));
        }
    }

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_NCACTIVATE) CaptionActive.push_back(Message.WParam != 0);
        TForm::WndProc(Message);
    }
};
