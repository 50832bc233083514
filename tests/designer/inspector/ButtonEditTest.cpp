#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "designer/inspector/PopupLists.h"
#include "designer/inspector/ZelEdit.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/Pump.h"

namespace {
class ButtonEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 400, 200);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(8, 8, 100, 21);
        Edit = new TCustomZelEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(8, 40, 160, 21);
        Edit->SetPopupClass(TPopupColorBox::StaticClass());
        Form->Show();
        Pump();
        Other->SetFocus();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    HWND Inner() { return static_cast<TWinControl*>(Edit->Edit())->Handle(); }
    void ClickInner(int X) {
        PostMessageA(Inner(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, 5));
        PostMessageA(Inner(), WM_LBUTTONUP, 0, MAKELPARAM(X, 5));
        Pump();
    }
    std::pair<DWORD, DWORD> Selection() {
        DWORD Start = 0, End = 0;
        SendMessageA(Inner(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
        return {Start, End};
    }
    RECT WindowRect(HWND Wnd) {
        RECT R{};
        GetWindowRect(Wnd, &R);
        return R;
    }
    TForm* Form = nullptr;
    TEdit* Other = nullptr;
    TCustomZelEdit* Edit = nullptr;
};
}  // namespace

TEST_F(ButtonEditTest, ClickOnAnUnfocusedEditOnlyFocusesIt) {
    Edit->SetText("clRed and more");
    ClickInner(40);
    EXPECT_EQ(GetFocus(), Inner());
    // Entering selected everything; the press did not place the caret.
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{14}));
    ClickInner(40);
    EXPECT_EQ(Selection().first, Selection().second);
}

TEST_F(ButtonEditTest, AltDownOpensAltUpAcceptsEscapeCancelsAndFocusStays) {
    Edit->SetText("clBlack");
    Edit->SetFocus();
    Pump();
    PressKey(Inner(), VK_DOWN, kmAlt);
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(TCustomZelEdit::ActivePopupEdit(), Edit);
    EXPECT_TRUE(IsWindowVisible(Edit->Popup()->Handle()));
    EXPECT_EQ(GetFocus(), Inner());
    const LONG_PTR ExStyle = GetWindowLongPtrA(Edit->Popup()->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ExStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ExStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindow(Edit->Popup()->Handle(), GW_OWNER), Form->Handle());

    // Keys go to the list while it is open; Alt+Up takes its value.
    auto* List = static_cast<TPopupListBox*>(Edit->Popup());
    EXPECT_EQ(List->ItemIndex(), 0);
    PressKey(Inner(), VK_DOWN);
    EXPECT_EQ(List->ItemIndex(), 1);
    PressKey(Inner(), VK_UP, kmAlt);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), "clMaroon");
    EXPECT_EQ(TCustomZelEdit::ActivePopup(), nullptr);

    PressKey(Inner(), VK_DOWN, kmAlt);
    PressKey(Inner(), VK_DOWN);
    PressKey(Inner(), VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), "clMaroon");

    // Without a visible first button Alt+Down does nothing.
    Edit->SetButtonCount(0);
    PressKey(Inner(), VK_DOWN, kmAlt);
    EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(ButtonEditTest, ReturnOrTheCommitMessageCommitsThroughTheEditSource) {
    Edit->SetFocus();
    Pump();
    int Changes = 0;
    Edit->OnChange = [&](TObject*) { ++Changes; };
    PostMessageA(Inner(), WM_CHAR, 'x', 1);
    Pump();
    EXPECT_EQ(Changes, 1);
    // The same text again changes nothing.
    Edit->SetText("x");
    EXPECT_EQ(Changes, 1);
    PressKey(Inner(), VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->EditSource()->GetText(), "x");
    // The library's commit message commits as Return does.
    Edit->SetText("y");
    SendMessageA(Edit->Handle(), CommitTextMessage, 0, 0);
    EXPECT_EQ(Edit->EditSource()->GetText(), "y");
}

TEST_F(ButtonEditTest, WideDropDownIsRightAlignedAndOpensAboveNearTheScreenBottom) {
    Edit->SetBounds(200, 40, 60, 21);
    Edit->DropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    const RECT Popup = WindowRect(Edit->Popup()->Handle());
    const RECT Box = WindowRect(Edit->Handle());
    EXPECT_GT(Popup.right - Popup.left, Box.right - Box.left);
    EXPECT_NEAR(Popup.right, Box.right, 2);
    EXPECT_GE(Popup.top, Box.bottom - 2);
    Edit->CloseUp(false);

    Form->SetTop(GetSystemMetrics(SM_CYSCREEN) - 110);
    Pump();
    Edit->DropDown();
    const RECT Above = WindowRect(Edit->Popup()->Handle());
    const RECT Moved = WindowRect(Edit->Handle());
    EXPECT_LE(Above.bottom, Moved.top + 2);
    Edit->CloseUp(false);
}

TEST_F(ButtonEditTest, OneVisibleButtonIsAlwaysTheFirst) {
    Edit->Button1Params()->SetVisible(false);
    EXPECT_EQ(Edit->ButtonCount(), 0);
    Edit->Button2Params()->SetVisible(true);
    EXPECT_EQ(Edit->ButtonCount(), 1);
    EXPECT_TRUE(Edit->Button1()->Visible());
    EXPECT_FALSE(Edit->Button2()->Visible());
}

TEST_F(ButtonEditTest, CaptionIsTheWindowTextAndItsAcceleratorClicks) {
    Edit->SetCaption("&Colour");
    char Text[32] = {};
    GetWindowTextA(Edit->Handle(), Text, sizeof(Text));
    EXPECT_STREQ(Text, "&Colour");
    // The caption is apart from the edited text, both ways.
    Edit->SetText("clRed");
    SetWindowTextA(Edit->Handle(), "&Value");
    EXPECT_EQ(Edit->Caption(), "&Value");
    EXPECT_EQ(Edit->GetText(), "clRed");

    int Clicks = 0;
    Edit->OnClick = [&](TObject*) { ++Clicks; };
    PressKey(Other->Handle(), 'V', kmAlt);
    EXPECT_EQ(Clicks, 1);
    PressKey(Other->Handle(), 'X', kmAlt);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonEditTest, TabMovesOnFromTheInnerEdit) {
    auto* Third = new TEdit(Form);
    Third->SetParent(Form);
    Third->SetBounds(8, 80, 100, 21);
    Pump();
    Edit->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), Inner());
    std::vector<TWinControl*> List;
    Form->GetTabOrderList(List);
    EXPECT_NE(std::find(List.begin(), List.end(), Edit->Edit()), List.end());
    EXPECT_EQ(std::find(List.begin(), List.end(), Edit), List.end());
    PressKey(Inner(), VK_TAB);
    EXPECT_EQ(GetFocus(), Third->Handle());
}

TEST_F(ButtonEditTest, HeightFollowsTheFontAndCtl3DTheBorder) {
    const int Normal = Edit->Height();
    Edit->Font()->SetSize(20);
    const int Large = Edit->Height();
    EXPECT_GT(Large, Normal + 10);
    Edit->Font()->SetSize(8);
    EXPECT_LT(Edit->Height(), Large);

    EXPECT_TRUE(GetWindowLongPtrA(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    Edit->SetCtl3D(false);
    EXPECT_FALSE(GetWindowLongPtrA(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongPtrA(Edit->Handle(), GWL_STYLE) & WS_BORDER);
}
