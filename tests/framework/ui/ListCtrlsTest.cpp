#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/ListCtrls.h"
#include "tests/common/FormAsText.h"

namespace {

class TListCtrlsForm : public TForm {
    QRN_CLASS(TListCtrlsForm, TForm)
public:
    explicit TListCtrlsForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("LISTCTRLSFORM"); }
    TListBox* List1 = nullptr;
    TListBox* Multi1 = nullptr;
    TListBox* Draw1 = nullptr;
    TComboBox* Combo1 = nullptr;
    TComboBox* Edit1 = nullptr;
    TScrollBar* Scroll1 = nullptr;

    int ListClicks = 0, ListDblClicks = 0;
    std::vector<TObject*> Changes;
    int ComboClicks = 0;
    int ScrollChanges = 0;
    std::vector<TScrollCode> Scrolls;
    int ScrollOverride = -1;  // when set, OnScroll moves the thumb there
    std::vector<int> Measured;
    std::vector<int> Drawn;
    std::vector<TOwnerDrawState> DrawnStates;

    void List1Click(TObject*) { ++ListClicks; }
    void List1DblClick(TObject*) { ++ListDblClicks; }
    void Combo1Change(TObject* Sender) { Changes.push_back(Sender); }
    void Combo1Click(TObject*) { ++ComboClicks; }
    void Scroll1Change(TObject*) { ++ScrollChanges; }
    void Scroll1Scroll(TObject*, TScrollCode Code, int& Pos) {
        Scrolls.push_back(Code);
        if (ScrollOverride >= 0) Pos = ScrollOverride;
    }
    void Draw1MeasureItem(TWinControl*, int Index, int& Height) {
        Measured.push_back(Index);
        Height = 14 + 10 * (Index % 3);
    }
    void Draw1DrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State) {
        Drawn.push_back(Index);
        DrawnStates.push_back(State);
        auto* L = static_cast<TListBox*>(Control);
        L->Canvas()->FillRect(Rect);
        L->Canvas()->TextOut(Rect.Left + 1, Rect.Top + 1, L->Items()->Get(Index));
    }
};

}  // namespace

QRN_PUBLISHED(TListCtrlsForm) {
    B.Field("List1", &TListCtrlsForm::List1);
    B.Field("Multi1", &TListCtrlsForm::Multi1);
    B.Field("Draw1", &TListCtrlsForm::Draw1);
    B.Field("Combo1", &TListCtrlsForm::Combo1);
    B.Field("Edit1", &TListCtrlsForm::Edit1);
    B.Field("Scroll1", &TListCtrlsForm::Scroll1);
    B.Handler("List1Click", &TListCtrlsForm::List1Click);
    B.Handler("List1DblClick", &TListCtrlsForm::List1DblClick);
    B.Handler("Combo1Change", &TListCtrlsForm::Combo1Change);
    B.Handler("Combo1Click", &TListCtrlsForm::Combo1Click);
    B.Handler("Scroll1Change", &TListCtrlsForm::Scroll1Change);
    B.Handler("Scroll1Scroll", &TListCtrlsForm::Scroll1Scroll);
    B.Handler("Draw1MeasureItem", &TListCtrlsForm::Draw1MeasureItem);
    B.Handler("Draw1DrawItem", &TListCtrlsForm::Draw1DrawItem);
}

namespace {

class ListCtrls : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterListControls();
        F = new TListCtrlsForm(nullptr);
        F->Show();
        Pump();
    }
    void TearDown() override {
        F->Free();
        Pump();
    }
    // A press and release of the left button at a point of a control's window.
    static void ClickAt(TWinControl* C, TPoint P, WPARAM Keys = 0) {
        SendMessageA(C->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | Keys, Pt(P.X, P.Y));
        SendMessageA(C->Handle(), WM_LBUTTONUP, Keys, Pt(P.X, P.Y));
    }
    static TPoint Middle(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
    TListCtrlsForm* F = nullptr;
};

std::vector<std::string> Lines(TStrings* S) {
    std::vector<std::string> V;
    for (int I = 0; I < S->Count(); ++I) V.push_back(S->Get(I));
    return V;
}

}  // namespace

TEST_F(ListCtrls, ItemsFromTheResourceReachTheWindowSorted) {
    ASSERT_NE(F->List1, nullptr);
    EXPECT_TRUE(F->List1->HandleAllocated());
    EXPECT_EQ(SendMessageA(F->List1->Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Lines(F->List1->Items()), (std::vector<std::string>{"apple", "fig", "pear"}));
    EXPECT_EQ(F->List1->Items()->Add("banana"), 1);
    EXPECT_EQ(F->List1->Items()->IndexOf("PEAR"), 3);
    EXPECT_EQ(F->List1->Items()->IndexOf("plum"), -1);
    EXPECT_EQ(F->List1->ItemIndex(), -1);
}

TEST_F(ListCtrls, ItemsWithObjectsAndSelectionSurviveRecreateWnd) {
    TListBox* L = F->List1;
    TObject A, B;
    L->Items()->Clear();
    L->Items()->AddObject("b-item", &B);
    L->Items()->AddObject("a-item", &A);
    L->SetItemIndex(1);
    const HWND Old = L->Handle();
    L->RecreateWnd();
    EXPECT_NE(L->Handle(), Old);
    EXPECT_FALSE(IsWindow(Old));
    ASSERT_EQ(L->Items()->Count(), 2);
    EXPECT_EQ(L->Items()->Get(0), "a-item");
    EXPECT_EQ(L->Items()->GetObject(0), &A);
    EXPECT_EQ(L->Items()->GetObject(1), &B);
    EXPECT_EQ(L->ItemIndex(), 1);
}

TEST_F(ListCtrls, TurningSortedOffKeepsOrderAndNewItemsAppend) {
    TListBox* L = F->List1;
    L->SetSorted(false);
    EXPECT_EQ((GetWindowLongA(L->Handle(), GWL_STYLE) & LBS_SORT), 0);
    EXPECT_EQ(Lines(L->Items()), (std::vector<std::string>{"apple", "fig", "pear"}));
    EXPECT_EQ(L->Items()->Add("banana"), 3);
    L->Items()->Insert(0, "zebra");
    EXPECT_EQ(L->Items()->Get(0), "zebra");
    L->Items()->Delete(1);
    EXPECT_EQ(Lines(L->Items()), (std::vector<std::string>{"zebra", "fig", "pear", "banana"}));
    EXPECT_THROW(L->Items()->Delete(4), EStringListError);
    EXPECT_THROW(L->Items()->Get(-1), EStringListError);
}

TEST_F(ListCtrls, ClickingAnItemSelectsItAndFiresOnClickOnce) {
    TListBox* L = F->List1;
    ClickAt(L, Middle(L->ItemRect(1)));
    Pump();
    EXPECT_EQ(L->ItemIndex(), 1);
    EXPECT_EQ(F->ListClicks, 1);
    EXPECT_EQ(F->ListDblClicks, 0);
    SendMessageA(L->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Pt(5, Middle(L->ItemRect(1)).Y));
    SendMessageA(L->Handle(), WM_LBUTTONUP, 0, Pt(5, Middle(L->ItemRect(1)).Y));
    Pump();
    EXPECT_EQ(F->ListDblClicks, 1);
    // Setting the index in code is no user action.
    const int Clicks = F->ListClicks;
    L->SetItemIndex(2);
    EXPECT_EQ(F->ListClicks, Clicks);
    EXPECT_EQ(SendMessageA(L->Handle(), LB_GETCURSEL, 0, 0), 2);
}

TEST_F(ListCtrls, MultiSelectKeepsEverySelectedItem) {
    TListBox* L = F->Multi1;
    EXPECT_NE((GetWindowLongA(L->Handle(), GWL_STYLE) & LBS_EXTENDEDSEL), 0);
    L->SetSelected(0, true);
    L->SetSelected(2, true);
    EXPECT_EQ(L->SelCount(), 2);
    EXPECT_TRUE(L->Selected(0));
    EXPECT_FALSE(L->Selected(1));
    EXPECT_TRUE(L->Selected(2));
    // A control-click adds to the selection.
    ClickAt(L, Middle(L->ItemRect(3)), MK_CONTROL);
    Pump();
    EXPECT_EQ(L->SelCount(), 3);
    EXPECT_TRUE(L->Selected(3));
    L->RecreateWnd();
    EXPECT_EQ(L->SelCount(), 3);
    EXPECT_TRUE(L->Selected(0));
    EXPECT_FALSE(L->Selected(1));
    L->SetItemIndex(1);
    EXPECT_EQ(L->SelCount(), 1);
    EXPECT_EQ(L->ItemIndex(), 1);
    EXPECT_THROW(L->Selected(9), EListError);
    L->SetMultiSelect(false);
    EXPECT_EQ((GetWindowLongA(L->Handle(), GWL_STYLE) & LBS_EXTENDEDSEL), 0);
    EXPECT_EQ(L->Items()->Count(), 4);
}

TEST_F(ListCtrls, OwnerDrawVariableMeasuresAndDrawsEachItem) {
    TListBox* L = F->Draw1;
    EXPECT_NE((GetWindowLongA(L->Handle(), GWL_STYLE) & LBS_OWNERDRAWVARIABLE), 0);
    EXPECT_EQ(F->Measured, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(L->ItemRect(0).Height(), 14);
    EXPECT_EQ(L->ItemRect(1).Height(), 24);
    EXPECT_EQ(L->ItemRect(2).Height(), 34);
    F->Drawn.clear();
    InvalidateRect(L->Handle(), nullptr, TRUE);
    UpdateWindow(L->Handle());
    ASSERT_GE(F->Drawn.size(), 3u);
    EXPECT_EQ(F->Drawn[0], 0);
    // A new item is measured as it goes in, and selecting one draws it selected.
    L->Items()->Add("fourth");
    EXPECT_EQ(F->Measured.back(), 3);
    EXPECT_EQ(L->ItemRect(3).Height(), 14);
    F->Drawn.clear();
    F->DrawnStates.clear();
    L->SetItemIndex(1);
    UpdateWindow(L->Handle());
    bool SawSelected = false;
    for (size_t I = 0; I < F->Drawn.size(); ++I)
        if (F->Drawn[I] == 1 && F->DrawnStates[I].Contains(odSelected)) SawSelected = true;
    EXPECT_TRUE(SawSelected);
}

TEST_F(ListCtrls, OwnerDrawFixedUsesItemHeight) {
    TListBox* L = F->Multi1;
    L->SetItemHeight(20);
    L->SetStyle(lbOwnerDrawFixed);
    EXPECT_NE((GetWindowLongA(L->Handle(), GWL_STYLE) & LBS_OWNERDRAWFIXED), 0);
    EXPECT_EQ(L->ItemRect(0).Height(), 20);
    EXPECT_EQ(L->ItemRect(3).Top, 60);
    L->SetItemHeight(25);
    EXPECT_EQ(L->ItemRect(1).Height(), 25);
    // Without a handler the control draws the item text itself.
    Pump();
    F->Drawn.clear();
    InvalidateRect(L->Handle(), nullptr, TRUE);
    UpdateWindow(L->Handle());
    EXPECT_TRUE(F->Drawn.empty());
    EXPECT_EQ(L->Items()->Get(1), "two");
}

TEST_F(ListCtrls, ComboBoxItemIndexAndTextComeFromTheResource) {
    TComboBox* C = F->Combo1;
    EXPECT_EQ(C->Items()->Count(), 3);
    EXPECT_EQ(C->ItemIndex(), 1);
    EXPECT_EQ(C->Text(), "green");
    EXPECT_NE((GetWindowLongA(C->Handle(), GWL_STYLE) & CBS_DROPDOWNLIST), 0);
    EXPECT_EQ(F->Edit1->Text(), "typed");
    EXPECT_EQ(F->Edit1->ItemIndex(), -1);
    EXPECT_TRUE(F->Changes.empty());
}

TEST_F(ListCtrls, ChoosingAComboItemFiresChangeAndClickOnce) {
    TComboBox* C = F->Combo1;
    C->SetFocus();
    SendMessageA(C->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(C->Handle(), WM_KEYUP, VK_DOWN, 0);
    Pump();
    EXPECT_EQ(C->ItemIndex(), 2);
    EXPECT_EQ(C->Text(), "blue");
    ASSERT_EQ(F->Changes.size(), 1u);
    EXPECT_EQ(F->Changes[0], C);
    EXPECT_EQ(F->ComboClicks, 1);
    // Setting it in code fires nothing.
    C->SetItemIndex(0);
    EXPECT_EQ(F->Changes.size(), 1u);
    EXPECT_EQ(C->Text(), "red");
}

TEST_F(ListCtrls, TypingInADropDownComboFiresOnChange) {
    TComboBox* C = F->Edit1;
    HWND Edit = FindWindowExA(C->Handle(), nullptr, "Edit", nullptr);
    ASSERT_NE(Edit, nullptr);
    SendMessageA(Edit, EM_SETSEL, 5, 5);
    SendMessageA(Edit, WM_CHAR, 'x', 0);
    Pump();
    EXPECT_EQ(C->Text(), "typedx");
    EXPECT_EQ(F->Changes.size(), 1u);
}

TEST_F(ListCtrls, ComboItemsSurviveStyleChange) {
    TComboBox* C = F->Combo1;
    TObject Tag;
    C->Items()->PutObject(2, &Tag);
    C->SetStyle(csDropDown);
    EXPECT_EQ((GetWindowLongA(C->Handle(), GWL_STYLE) & 3), CBS_DROPDOWN);
    EXPECT_EQ(Lines(C->Items()), (std::vector<std::string>{"red", "green", "blue"}));
    EXPECT_EQ(C->Items()->GetObject(2), &Tag);
    EXPECT_EQ(C->ItemIndex(), 1);
    EXPECT_EQ(C->DropDownCount(), 5);
}

TEST_F(ListCtrls, ScrollBarPositionReachesTheWindow) {
    TScrollBar* S = F->Scroll1;
    EXPECT_EQ(S->Position(), 10);
    EXPECT_EQ(GetScrollPos(S->Handle(), SB_CTL), 10);
    int Lo = 0, Hi = 0;
    GetScrollRange(S->Handle(), SB_CTL, &Lo, &Hi);
    EXPECT_EQ(Lo, 0);
    EXPECT_EQ(Hi, 50);
    S->SetPosition(70);
    EXPECT_EQ(S->Position(), 50);
    EXPECT_EQ(GetScrollPos(S->Handle(), SB_CTL), 50);
    EXPECT_THROW(S->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_EQ(S->Max(), 50);
    S->SetKind(sbVertical);
    EXPECT_NE((GetWindowLongA(S->Handle(), GWL_STYLE) & SBS_VERT), 0);
    EXPECT_EQ(S->Width(), 17);
    EXPECT_EQ(S->Height(), 200);
    EXPECT_EQ(GetScrollPos(S->Handle(), SB_CTL), 50);
}

TEST_F(ListCtrls, ScrollMessagesMoveByTheChangesAndFireOncePerAction) {
    TScrollBar* S = F->Scroll1;
    F->ScrollChanges = 0;
    SendMessageA(F->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(S->Handle()));
    EXPECT_EQ(S->Position(), 11);
    EXPECT_EQ(F->ScrollChanges, 1);
    ASSERT_EQ(F->Scrolls.size(), 1u);
    EXPECT_EQ(F->Scrolls[0], scLineDown);
    SendMessageA(F->Handle(), WM_HSCROLL, SB_PAGEUP, reinterpret_cast<LPARAM>(S->Handle()));
    EXPECT_EQ(S->Position(), 1);
    SendMessageA(F->Handle(), WM_HSCROLL, SB_PAGEUP, reinterpret_cast<LPARAM>(S->Handle()));
    EXPECT_EQ(S->Position(), 0);
    EXPECT_EQ(F->ScrollChanges, 3);
    // The end of a scroll is reported but changes nothing.
    SendMessageA(F->Handle(), WM_HSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(S->Handle()));
    EXPECT_EQ(F->ScrollChanges, 3);
    EXPECT_EQ(F->Scrolls.back(), scEndScroll);
    // The handler may move the thumb elsewhere.
    F->ScrollOverride = 42;
    SendMessageA(F->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(S->Handle()));
    EXPECT_EQ(S->Position(), 42);
    EXPECT_EQ(GetScrollPos(S->Handle(), SB_CTL), 42);
}

TEST(ListCtrlsStreaming, ListPropertiesArePublished) {
    RegisterListControls();
    EXPECT_NE(FindClass("TListBox"), nullptr);
    EXPECT_NE(FindClass("TComboBox"), nullptr);
    EXPECT_NE(FindClass("TScrollBar"), nullptr);
    auto* L = new TListBox(nullptr);
    EXPECT_EQ(GetPropValue(L, "Style"), "lbStandard");
    SetPropValue(L, "Style", "lbOwnerDrawFixed");
    EXPECT_EQ(L->Style(), lbOwnerDrawFixed);
    EXPECT_NE(GetPropInfo(L, "OnDrawItem"), nullptr);
    EXPECT_NE(GetPropInfo(L, "OnClick"), nullptr);
    EXPECT_NE(GetPropInfo(L, "Items"), nullptr);
    // Without a window the items are kept aside.
    L->Items()->Add("x");
    L->SetItemIndex(0);
    EXPECT_EQ(L->Items()->Count(), 1);
    EXPECT_EQ(L->ItemIndex(), 0);
    EXPECT_FALSE(L->HandleAllocated());
    L->Free();
}

TEST_F(ListCtrls, WrittenFormKeepsItemsAndStyles) {
    const std::string Text = FormAsText(F);
    for (const char* Expected : {"Sorted = True", "Style = lbOwnerDrawVariable", "Style = csDropDownList",
                                 "ItemIndex = 1", "DropDownCount = 5", "MultiSelect = True", "Max = 50",
                                 "Position = 10", "OnDrawItem = Draw1DrawItem", "Text = 'typed'",
                                 "Items.Strings = (\r\n      'apple'\r\n      'fig'\r\n      'pear')"})
        EXPECT_NE(Text.find(Expected), std::string::npos) << Expected << "\n" << Text;
    EXPECT_EQ(Text.find("ItemIndex = -1"), std::string::npos);
}
