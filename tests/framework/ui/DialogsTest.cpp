#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "UiTestSupport.h"
#include "framework/controls/Timer.h"
#include "framework/dialogs/Dialogs.h"

namespace {

class DialogsTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetModalDialogHook(nullptr);
        Pump();
    }
};

// The captions of the push buttons on a window, in creation order.
std::vector<std::string> ButtonCaptions(HWND Wnd) {
    std::vector<std::string> Result;
    for (HWND C = GetWindow(Wnd, GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT)) {
        char Class[32] = {}, Text[64] = {};
        GetClassNameA(C, Class, sizeof(Class));
        if (lstrcmpiA(Class, "Button") != 0) continue;
        GetWindowTextA(C, Text, sizeof(Text));
        Result.push_back(Text);
    }
    return Result;
}

// Clicks the button captioned Caption on Form once the modal loop runs.
void ClickLater(TCustomForm* Form, const std::string& Caption, TComponent* Owner) {
    auto* T = new TTimer(Owner);
    T->SetInterval(30);
    T->OnTimer = [Form, Caption, T](TObject*) {
        T->SetEnabled(false);
        HWND Button = FindWindowExA(Form->Handle(), nullptr, "Button", Caption.c_str());
        if (Button) PostMessageA(Button, BM_CLICK, 0, 0);
        else Form->SetModalResult(mrAbort);  // fail visibly instead of hanging
    };
    T->SetEnabled(true);
}

// Sets the text of the edit on Form and clicks Caption, from the loop.
void TypeAndClickLater(TCustomForm* Form, const std::string& Text, const std::string& Caption, TComponent* Owner) {
    auto* T = new TTimer(Owner);
    T->SetInterval(30);
    T->OnTimer = [=](TObject*) {
        T->SetEnabled(false);
        HWND Edit = FindWindowExA(Form->Handle(), nullptr, "Edit", nullptr);
        if (Edit) SetWindowTextA(Edit, Text.c_str());
        HWND Button = FindWindowExA(Form->Handle(), nullptr, "Button", Caption.c_str());
        if (Edit && Button) PostMessageA(Button, BM_CLICK, 0, 0);
        else Form->SetModalResult(mrAbort);
    };
    T->SetEnabled(true);
}

}  // namespace

// ---- message dialogs

TEST_F(DialogsTest, MessageDlgIsAnsweredThroughTheHookWithItsTypeAndButtons) {
    TDialogRequest Seen;
    int Calls = 0;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Seen = R;
        ++Calls;
        return mrNo;
    });
    EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, mbYesNoCancel, 0), mrNo);
    EXPECT_EQ(Calls, 1);  // answered: no form was made (it would ask again)
    EXPECT_EQ(Seen.Kind, dkMessageDlg);
    EXPECT_EQ(Seen.Text, "Save changes?");
    EXPECT_EQ(Seen.Caption, "Confirm");
    EXPECT_EQ(Seen.DlgType, mtConfirmation);
    EXPECT_EQ(TMsgDlgButtons::FromMask(Seen.Buttons), mbYesNoCancel);
}

TEST_F(DialogsTest, RealMessageDialogReturnsTheClickedButton) {
    std::unique_ptr<TComponent, TObjectFree> Timers(new TComponent(nullptr));
    std::vector<TDialogKind> Kinds;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Kinds.push_back(R.Kind);
        if (R.Kind == dkModalForm) ClickLater(R.Form, "&Retry", Timers.get());
        return std::nullopt;  // the real form runs
    });
    EXPECT_EQ(MessageDlg("Disk not ready.", mtError, mbAbortRetryIgnore, 0), mrRetry);
    EXPECT_EQ(Kinds, (std::vector<TDialogKind>{dkMessageDlg, dkModalForm}));
}

// The message text as its static control paints it, and whether any of
// it reaches the control's last column (a glyph cut off at the edge).
bool TextReachesRightEdge(HWND Static) {
    RECT R{};
    GetClientRect(Static, &R);
    HDC Screen = GetDC(nullptr);
    HDC DC = CreateCompatibleDC(Screen);
    HBITMAP B = CreateCompatibleBitmap(Screen, R.right, R.bottom);
    HGDIOBJ Old = SelectObject(DC, B);
    SendMessageA(Static, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC), PRF_CLIENT | PRF_ERASEBKGND);
    // The background is the colour most pixels have.
    std::map<COLORREF, int> Counts;
    for (int y = 0; y < R.bottom; ++y)
        for (int x = 0; x < R.right; ++x) ++Counts[GetPixel(DC, x, y)];
    COLORREF Back = std::max_element(Counts.begin(), Counts.end(), [](auto& A, auto& B) { return A.second < B.second; })->first;
    bool Ink = false;
    for (int y = 0; y < R.bottom; ++y) Ink = Ink || GetPixel(DC, R.right - 1, y) != Back;
    EXPECT_GT(Counts.size(), 1u);  // the text was drawn at all
    SelectObject(DC, Old);
    DeleteObject(B);
    DeleteDC(DC);
    ReleaseDC(nullptr, Screen);
    return Ink;
}

TEST_F(DialogsTest, NoLineOfTheMessageIsCutAtTheRightEdge) {
    int Checked = 0;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkModalForm) return std::nullopt;
        for (HWND C = GetWindow(R.Form->Handle(), GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT)) {
            char Class[32] = {}, Text[8] = {};
            GetClassNameA(C, Class, sizeof(Class));
            GetWindowTextA(C, Text, sizeof(Text));
            if (lstrcmpiA(Class, "Static") != 0 || !Text[0]) continue;
            EXPECT_FALSE(TextReachesRightEdge(C));
            ++Checked;
        }
        return mrOk;
    });
    // The keys.dat warning: two lines parted by a lone CR.
    MessageDlg("The keyword data was not found ! You will not be able to use syntax highlighting.\r"
               "It is likely you have erased keys.dat or the file is corrupted !",
               mtError, TMsgDlgButtons{mbOK}, 0);
    MessageDlg("The file C:\\Projects\\Hello\\HELLO.ASM cannot be found ! It may have been moved or deleted.",
               mtWarning, TMsgDlgButtons{mbOK}, 0);
    EXPECT_EQ(Checked, 2);
}

TEST_F(DialogsTest, NoAndIgnoreShowExactlyThoseButtons) {
    std::vector<std::string> Captions;
    std::string FormCaption;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkModalForm) return std::nullopt;
        Captions = ButtonCaptions(R.Form->Handle());
        FormCaption = R.Form->Caption();
        return mrIgnore;
    });
    EXPECT_EQ(MessageDlg("Replace it?", mtWarning, TMsgDlgButtons{mbIgnore, mbNo}, 0), mrIgnore);
    EXPECT_EQ(Captions, (std::vector<std::string>{"&No", "&Ignore"}));
    EXPECT_EQ(FormCaption, "Warning");
}

TEST_F(DialogsTest, EveryButtonHasItsOwnModalResult) {
    std::set<TModalResult> Results;
    for (int B = mbYes; B < mbHelp; ++B) Results.insert(MsgDlgButtonResult(static_cast<TMsgDlgBtn>(B)));
    EXPECT_EQ(Results.size(), static_cast<size_t>(mbHelp));
    EXPECT_EQ(Results.count(mrNone), 0u);
    EXPECT_EQ(MsgDlgButtonResult(mbYesToAll), mrYesToAll);
    EXPECT_EQ(MsgDlgButtonResult(mbHelp), mrNone);  // Help does not close the dialog
}

TEST_F(DialogsTest, EscapeGivesTheCautiousAnswer) {
    std::unique_ptr<TComponent, TObjectFree> Timers(new TComponent(nullptr));
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind == dkModalForm) {
            auto* T = new TTimer(Timers.get());
            T->SetInterval(30);
            TCustomForm* F = R.Form;
            T->OnTimer = [F, T](TObject*) {
                T->SetEnabled(false);
                // A command without a sender is no button click...
                PostMessageA(F->Handle(), WM_COMMAND, MAKEWPARAM(IDYES, 0), 0);
                // ...but what IsDialogMessage sends for the Escape key is.
                PostMessageA(F->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            };
            T->SetEnabled(true);
        }
        return std::nullopt;
    });
    EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0), mrNo);
}

TEST_F(DialogsTest, ShowMessageUsesTheApplicationTitle) {
    TDialogRequest Seen;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Seen = R;
        return mrOk;
    });
    ShowMessage("Done.");
    EXPECT_EQ(Seen.Kind, dkMessageDlg);
    EXPECT_EQ(Seen.Text, "Done.");
    EXPECT_EQ(Seen.Caption, Application->Title());
    EXPECT_EQ(TMsgDlgButtons::FromMask(Seen.Buttons), TMsgDlgButtons{mbOK});
}

TEST_F(DialogsTest, ApplicationMessageBoxKeepsTheSystemFlags) {
    TDialogRequest Seen;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Seen = R;
        return IDRETRY;
    });
    EXPECT_EQ(Application->MessageBox("Try again?", "Disk", MB_RETRYCANCEL | MB_ICONWARNING), IDRETRY);
    EXPECT_EQ(Seen.Kind, dkMessageBox);
    EXPECT_EQ(Seen.Flags, static_cast<unsigned>(MB_RETRYCANCEL | MB_ICONWARNING));
}

// ---- input queries

TEST_F(DialogsTest, InputQueryTellsCancelFromAnEmptyAnswer) {
    SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkInputQuery) return std::nullopt;
        *R.Value = "";
        return mrOk;
    });
    std::string Value = "old";
    EXPECT_TRUE(InputQuery("Name", "New name:", Value));
    EXPECT_EQ(Value, "");

    SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        *R.Value = "typed but cancelled";
        return mrCancel;
    });
    Value = "old";
    EXPECT_FALSE(InputQuery("Name", "New name:", Value));
    EXPECT_EQ(Value, "old");
    EXPECT_EQ(InputBox("Name", "New name:", "default"), "default");
}

TEST_F(DialogsTest, RealInputQueryReturnsTheTypedTextOrCancel) {
    std::unique_ptr<TComponent, TObjectFree> Timers(new TComponent(nullptr));
    std::string Text = "", Click = "OK";
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind == dkModalForm) TypeAndClickLater(R.Form, Text, Click, Timers.get());
        return std::nullopt;
    });
    std::string Value = "start";
    EXPECT_TRUE(InputQuery("Rename", "Name:", Value));
    EXPECT_EQ(Value, "");  // emptied and accepted

    Text = "typed";
    Click = "Cancel";
    Value = "start";
    EXPECT_FALSE(InputQuery("Rename", "Name:", Value));
    EXPECT_EQ(Value, "start");

    Click = "OK";
    EXPECT_EQ(InputBox("Rename", "Name:", "x"), "typed");
}

// ---- file dialogs

TEST_F(DialogsTest, OpenDialogAnsweredThroughTheHookGivesNamesAndFilterIndex) {
    std::unique_ptr<TOpenDialog, TObjectFree> Dlg(new TOpenDialog(nullptr));
    Dlg->SetFilter("Text|*.txt|All|*.*");
    Dlg->SetTitle("Open a file");
    Dlg->SetOptions(TOpenOptions{ofAllowMultiSelect, ofFileMustExist});
    TDialogRequest Seen;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Seen = R;
        auto* Open = static_cast<TOpenDialog*>(R.Dialog);
        Open->Files()->Add("C:\\data\\a.txt");
        Open->Files()->Add("C:\\data\\b.txt");
        Open->SetFilterIndex(2);
        return 1;
    });
    ASSERT_TRUE(Dlg->Execute());
    EXPECT_EQ(Seen.Kind, dkCommonDialog);
    EXPECT_EQ(Seen.DialogClass, "TOpenDialog");
    EXPECT_EQ(Seen.Caption, "Open a file");
    EXPECT_EQ(Dlg->FilterIndex(), 2);
    ASSERT_EQ(Dlg->Files()->Count(), 2);
    EXPECT_EQ(Dlg->Files()->Strings(1), "C:\\data\\b.txt");
    EXPECT_EQ(Dlg->FileName(), "C:\\data\\a.txt");
}

TEST_F(DialogsTest, CancelledFileDialogKeepsTheFileNameAndEmptiesFiles) {
    std::unique_ptr<TSaveDialog, TObjectFree> Dlg(new TSaveDialog(nullptr));
    Dlg->SetFileName("kept.txt");
    std::string Class;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Class = R.DialogClass;
        return 0;
    });
    EXPECT_FALSE(Dlg->Execute());
    EXPECT_EQ(Class, "TSaveDialog");
    EXPECT_EQ(Dlg->FileName(), "kept.txt");
    EXPECT_EQ(Dlg->Files()->Count(), 0);

    SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        static_cast<TSaveDialog*>(R.Dialog)->SetFileName("C:\\out\\new.txt");
        return 1;
    });
    ASSERT_TRUE(Dlg->Execute());
    ASSERT_EQ(Dlg->Files()->Count(), 1);
    EXPECT_EQ(Dlg->Files()->Strings(0), "C:\\out\\new.txt");
}

TEST(DialogsFilter, FilterBecomesZeroSeparatedPairs) {
    EXPECT_EQ(MakeFilterList("Text|*.txt|All|*.*"), std::string("Text\0*.txt\0All\0*.*\0\0", 20));
    // A trailing description without a pattern is dropped, not paired with garbage.
    EXPECT_EQ(MakeFilterList("Text|*.txt|Broken"), std::string("Text\0*.txt\0\0", 12));
}

TEST(DialogsFilter, MultiSelectBufferGivesFullPaths) {
    TStringList Files;
    ParseMultiSelect(std::string("C:\\dir\0a.txt\0b.txt\0\0", 20).c_str(), &Files);
    ASSERT_EQ(Files.Count(), 2);
    EXPECT_EQ(Files.Strings(0), "C:\\dir\\a.txt");
    EXPECT_EQ(Files.Strings(1), "C:\\dir\\b.txt");
    // One file chosen: the buffer holds its full path alone.
    ParseMultiSelect(std::string("C:\\dir\\one.txt\0\0", 16).c_str(), &Files);
    ASSERT_EQ(Files.Count(), 1);
    EXPECT_EQ(Files.Strings(0), "C:\\dir\\one.txt");
    // The root folder already ends in a backslash.
    ParseMultiSelect(std::string("C:\\\0x\0y\0\0", 9).c_str(), &Files);
    ASSERT_EQ(Files.Count(), 2);
    EXPECT_EQ(Files.Strings(0), "C:\\x");
}

// ---- font and find dialogs

TEST_F(DialogsTest, FontDialogGoesThroughTheHook) {
    std::unique_ptr<TFontDialog, TObjectFree> Dlg(new TFontDialog(nullptr));
    SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        static_cast<TFontDialog*>(R.Dialog)->Font()->SetName("Courier New");
        return R.DialogClass == "TFontDialog" ? 1 : 0;
    });
    ASSERT_TRUE(Dlg->Execute());
    EXPECT_EQ(Dlg->Font()->Name(), "Courier New");
}

TEST_F(DialogsTest, FindDialogFiresOnFindThroughTheRoutedMessage) {
    std::unique_ptr<TFindDialog, TObjectFree> Dlg(new TFindDialog(nullptr));
    Dlg->SetFindText("first");
    Dlg->SetOptions(TFindOptions{frDown});
    int Finds = 0;
    std::string Found;
    bool MatchCase = false;
    Dlg->OnFind = [&](TObject* Sender) {
        ++Finds;
        Found = static_cast<TFindDialog*>(Sender)->FindText();
        MatchCase = static_cast<TFindDialog*>(Sender)->Options().Contains(frMatchCase);
    };
    ASSERT_TRUE(Dlg->Execute());  // modeless: returns at once
    ASSERT_TRUE(Dlg->Handle());
    EXPECT_TRUE(IsWindowVisible(Dlg->Handle()));
    char Text[64] = {};
    GetDlgItemTextA(Dlg->Handle(), 0x480, Text, sizeof(Text));
    EXPECT_STREQ(Text, "first");

    SetDlgItemTextA(Dlg->Handle(), 0x480, "needle");
    CheckDlgButton(Dlg->Handle(), 0x411 /*match case*/, BST_CHECKED);
    PostMessageA(Dlg->Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);  // "Find Next"
    EXPECT_TRUE(PumpUntil([&] { return Finds == 1; }));
    EXPECT_EQ(Found, "needle");
    EXPECT_TRUE(MatchCase);
    EXPECT_TRUE(Dlg->Options().Contains(frDown));

    // Keyboard messages of the modeless dialog go through IsDialogMessage:
    // Enter in its edit is "Find Next" again.
    HWND Edit = GetDlgItem(Dlg->Handle(), 0x480);
    SetFocus(Edit);
    PostMessageA(Edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    EXPECT_TRUE(PumpUntil([&] { return Finds == 2; }));

    bool Closed = false;
    Dlg->OnClose = [&](TObject*) { Closed = true; };
    PostMessageA(Dlg->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(PumpUntil([&] { return Closed; }));
    EXPECT_EQ(Dlg->Handle(), nullptr);
}

TEST_F(DialogsTest, FindDialogAnsweredByTheHookShowsNothing) {
    std::unique_ptr<TFindDialog, TObjectFree> Dlg(new TFindDialog(nullptr));
    std::string Class;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Class = R.DialogClass;
        return 1;
    });
    EXPECT_TRUE(Dlg->Execute());
    EXPECT_EQ(Class, "TFindDialog");
    EXPECT_EQ(Dlg->Handle(), nullptr);
}
