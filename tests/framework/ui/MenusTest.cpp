#include <gtest/gtest.h>

#include "framework/classes/ClassErrors.h"
#include "framework/controls/Messages.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/Exceptions.h"

namespace {

TMenuItem* Item(TComponent* Owner, const std::string& Caption, TShortCut SC = 0, int Group = 0) {
    auto* I = new TMenuItem(Owner);
    I->SetCaption(Caption);
    I->SetShortCut(SC);
    I->SetGroupIndex(Group);
    return I;
}

}  // namespace

TEST(Menus, FindByCaptionShortCutAndCommand) {
    TComponent Owner(nullptr);
    TMainMenu Menu(&Owner);
    TMenuItem* File = Item(&Owner, "&File");
    TMenuItem* Save = Item(&Owner, "&Save", TextToShortCut("Ctrl+S"));
    File->Add(Item(&Owner, "-"));
    File->Add(Save);
    Menu.Items()->Add(File);
    EXPECT_EQ(Menu.Items()->Find("file"), File);
    EXPECT_EQ(File->Find("Save"), Save);
    EXPECT_TRUE(File->Items(0)->IsLine());
    EXPECT_EQ(Menu.FindItem(TextToShortCut("Ctrl+S"), fkShortCut), Save);
    EXPECT_EQ(Menu.FindItem(Save->Command(), fkCommand), Save);
    EXPECT_EQ(Menu.FindItem(0, fkShortCut), nullptr);
    EXPECT_EQ(Save->GetParentMenu(), &Menu);
    EXPECT_EQ(Save->MenuIndex(), 1);
}

TEST(Menus, HandleListsVisibleItemsWithShortCutText) {
    TComponent Owner(nullptr);
    TPopupMenu Menu(&Owner);
    TMenuItem* A = Item(&Owner, "&Copy", TextToShortCut("Ctrl+C"));
    TMenuItem* B = Item(&Owner, "Hidden");
    B->SetVisible(false);
    TMenuItem* C = Item(&Owner, "Checked");
    C->SetChecked(true);
    Menu.Items()->Add(A);
    Menu.Items()->Add(B);
    Menu.Items()->Add(C);
    HMENU H = Menu.Handle();
    ASSERT_EQ(GetMenuItemCount(H), 2);
    char Text[64] = {};
    GetMenuStringA(H, 0, Text, sizeof Text, MF_BYPOSITION);
    EXPECT_STREQ(Text, "&Copy\tCtrl+C");
    EXPECT_TRUE(GetMenuState(H, 1, MF_BYPOSITION) & MF_CHECKED);
    B->SetVisible(true);  // rebuilt at once
    EXPECT_EQ(GetMenuItemCount(H), 3);
}

TEST(Menus, ShortCutClicksOnlyEnabledItems) {
    TComponent Owner(nullptr);
    TMainMenu Menu(&Owner);
    TMenuItem* Top = Item(&Owner, "&Edit");
    TMenuItem* Undo = Item(&Owner, "&Undo", TextToShortCut("F9"));
    int Clicks = 0;
    Undo->OnClick = [&](TObject*) { ++Clicks; };
    Top->Add(Undo);
    Menu.Items()->Add(Top);
    TMessage M{WM_KEYDOWN, VK_F9, 0, 0};
    EXPECT_TRUE(Menu.IsShortCut(M));
    EXPECT_EQ(Clicks, 1);
    Top->SetEnabled(false);  // a disabled parent blocks its items
    EXPECT_FALSE(Menu.IsShortCut(M));
    EXPECT_EQ(Clicks, 1);
    TMessage Other{WM_KEYDOWN, VK_F8, 0, 0};
    EXPECT_FALSE(Menu.IsShortCut(Other));
}

TEST(Menus, RadioItemsOfAGroupExcludeEachOther) {
    TComponent Owner(nullptr);
    TMenuItem Root(nullptr);
    TMenuItem* A = Item(&Owner, "A", 0, 1);
    TMenuItem* B = Item(&Owner, "B", 0, 1);
    TMenuItem* C = Item(&Owner, "C", 0, 2);
    for (TMenuItem* I : {A, B, C}) {
        I->SetRadioItem(true);
        Root.Add(I);
    }
    A->SetChecked(true);
    C->SetChecked(true);
    B->SetChecked(true);
    EXPECT_FALSE(A->Checked());
    EXPECT_TRUE(B->Checked());
    EXPECT_TRUE(C->Checked());
    for (TMenuItem* I : {A, B, C}) Root.Remove(I);
}

TEST(Menus, MergeReplacesGroupsAndInsertsByGroupIndex) {
    TComponent Owner(nullptr);
    TMainMenu Frame(&Owner);
    TMainMenu Child(&Owner);
    TMenuItem* File = Item(&Owner, "File", 0, 0);
    TMenuItem* Edit = Item(&Owner, "Edit", 0, 1);
    TMenuItem* Window = Item(&Owner, "Window", 0, 9);
    Frame.Items()->Add(File);
    Frame.Items()->Add(Edit);
    Frame.Items()->Add(Window);
    TMenuItem* ChildEdit = Item(&Owner, "Child Edit", 0, 1);
    TMenuItem* Search = Item(&Owner, "Search", 0, 2);
    Child.Items()->Add(ChildEdit);
    Child.Items()->Add(Search);
    Frame.Merge(&Child);
    auto Shown = Frame.VisibleTopItems();
    std::vector<std::string> Names;
    for (TMenuItem* I : Shown) Names.push_back(I->Caption());
    EXPECT_EQ(Names, (std::vector<std::string>{"File", "Child Edit", "Search", "Window"}));
    HMENU H = Frame.Handle();
    EXPECT_EQ(GetMenuItemCount(H), 4);
    Frame.Unmerge(&Child);
    EXPECT_EQ(Frame.VisibleTopItems().size(), 3u);
    EXPECT_EQ(GetMenuItemCount(H), 3);
}

TEST(Menus, AnItemCannotSitInTwoMenus) {
    TComponent Owner(nullptr);
    TMenuItem Root1(nullptr), Root2(nullptr);
    TMenuItem* A = Item(&Owner, "A");
    Root1.Add(A);
    EXPECT_THROW(Root2.Add(A), EInvalidOperation);
    EXPECT_THROW(Root1.Delete(5), EListError);
    Root1.Remove(A);
}

TEST(Menus, FreeingAnItemTakesItOutOfItsParent) {
    TComponent Owner(nullptr);
    TMainMenu Menu(&Owner);
    TMenuItem* A = Item(&Owner, "A");
    TMenuItem* B = Item(&Owner, "B");
    Menu.Items()->Add(A);
    Menu.Items()->Add(B);
    Menu.Handle();
    A->Free();
    EXPECT_EQ(Menu.Items()->Count(), 1);
    EXPECT_EQ(GetMenuItemCount(Menu.Handle()), 1);
}

TEST(Menus, UnownedSubItemsGoWithTheirParent) {
    auto* Top = new TMenuItem(nullptr);
    auto* Sub = new TMenuItem(nullptr);
    auto* Watched = new TMenuItem(nullptr);
    Sub->Add(Watched);
    Top->Add(Sub);
    struct TWatch : TComponent {
        TWatch() : TComponent(nullptr) {}
        int Gone = 0;
        void Notification(TComponent* C, TOperation Op) override {
            TComponent::Notification(C, Op);
            if (Op == opRemove && C != this) ++Gone;
        }
    } W;
    Watched->FreeNotification(&W);
    Top->Free();
    EXPECT_EQ(W.Gone, 1);
}

// ---- popup menus on a real window

#include "UiTestSupport.h"

namespace {

struct TPopupFixture {
    TForm* Form = new TForm(nullptr);
    TPopupMenu* Menu = new TPopupMenu(Form);
    TMenuItem* Open = Item(Form, "&Open");
    TMenuItem* Del = Item(Form, "&Delete");
    std::vector<std::string> Clicked;
    int Popups = 0;
    TPopupFixture() {
        Form->SetBounds(80, 80, 300, 200);
        Menu->Items()->Add(Open);
        Menu->Items()->Add(Del);
        Open->OnClick = [this](TObject*) { Clicked.push_back("open"); };
        Del->OnClick = [this](TObject*) { Clicked.push_back("delete"); };
        Form->Show();
        Pump();
    }
    ~TPopupFixture() {
        Form->Free();
        Pump();
    }
    // The menu's own loop reads these while it is open.
    void AnswerWith(UINT Msg, WPARAM Key) {
        Menu->OnPopup = [this, Msg, Key](TObject*) {
            ++Popups;
            PostMessageA(Form->Handle(), Msg, Key, 0);
        };
    }
};

}  // namespace

TEST(PopupMenu, PopupRunsOnPopupThenTheChosenItem) {
    TPopupFixture F;
    F.Menu->SetPopupComponent(F.Form);
    F.AnswerWith(WM_CHAR, 'd');
    F.Menu->Popup(120, 120);
    EXPECT_EQ(F.Popups, 1);
    ASSERT_EQ(F.Clicked.size(), 1u);
    EXPECT_EQ(F.Clicked[0], "delete");
}

TEST(PopupMenu, EscapeClosesWithoutAClick) {
    TPopupFixture F;
    F.Menu->SetPopupComponent(F.Form);
    F.AnswerWith(WM_KEYDOWN, VK_ESCAPE);
    F.Menu->Popup(120, 120);
    EXPECT_EQ(F.Popups, 1);
    EXPECT_TRUE(F.Clicked.empty());
}

TEST(PopupMenu, ARightClickOnTheControlOpensItsMenuThere) {
    TPopupFixture F;
    auto* P = new TProbeControl(F.Form);
    P->SetParent(F.Form);
    P->SetBounds(10, 10, 100, 50);
    P->SetPopupMenu(F.Menu);
    F.AnswerWith(WM_CHAR, 'o');
    SendMessageA(P->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, Pt(5, 5));
    SendMessageA(P->Handle(), WM_RBUTTONUP, 0, Pt(5, 5));
    EXPECT_EQ(F.Menu->PopupComponent(), P);
    ASSERT_EQ(F.Clicked.size(), 1u);
    EXPECT_EQ(F.Clicked[0], "open");
    // Without AutoPopup the right click does nothing.
    F.Menu->SetAutoPopup(false);
    SendMessageA(P->Handle(), WM_RBUTTONUP, 0, Pt(5, 5));
    EXPECT_EQ(F.Popups, 1);
}

TEST(PopupMenu, AlignmentFlagAndAForgottenPopupComponent) {
    TPopupFixture F;
    EXPECT_EQ(F.Menu->AlignmentFlag(), static_cast<UINT>(TPM_LEFTALIGN));
    F.Menu->SetAlignment(paRight);
    EXPECT_EQ(F.Menu->AlignmentFlag(), static_cast<UINT>(TPM_RIGHTALIGN));
    F.Menu->SetAlignment(paCenter);
    EXPECT_EQ(F.Menu->AlignmentFlag(), static_cast<UINT>(TPM_CENTERALIGN));
    EXPECT_EQ(GetPropValue(F.Menu, "Alignment"), "paCenter");
    auto* P = new TProbeControl(F.Form);
    F.Menu->SetPopupComponent(P);
    P->Free();
    EXPECT_EQ(F.Menu->PopupComponent(), nullptr);
}

TEST(PopupMenu, AControlsPopupMenuPropertyTakesOnlyPopupMenusAndForgetsAFreedOne) {
    TPopupFixture F;
    auto* P = new TProbeControl(F.Form);
    const TPropInfo* Prop = P->ClassType()->FindProperty("PopupMenu");
    ASSERT_NE(Prop, nullptr);
    EXPECT_EQ(Prop->PropType->ClassType(), TPopupMenu::StaticClass());
    auto* Main = new TMainMenu(F.Form);
    EXPECT_THROW(SetObjectProp(P, Prop, Main), EPropertyError);
    SetObjectProp(P, Prop, F.Menu);
    EXPECT_EQ(P->PopupMenu(), F.Menu);
    F.Menu->Free();
    EXPECT_EQ(P->PopupMenu(), nullptr);
    EXPECT_EQ(GetObjectProp(P, Prop), nullptr);
}
