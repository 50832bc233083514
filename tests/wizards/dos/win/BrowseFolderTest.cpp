// The folder browser over the shell's real dialog: preselection, the extra
// button, and OK travelling on to the shell's own dialog procedure.
#include <gtest/gtest.h>

#include "framework/rtl/StrUtils.h"
#include "tests/wizards/dos/win/WizardTestHelpers.h"
#include "wizards/dos/win/BrowseFolder.h"

namespace {

std::string LongPath(const std::string& Path) {
    char Buf[MAX_PATH] = {};
    const DWORD N = GetLongPathNameA(Path.c_str(), Buf, MAX_PATH);
    return N > 0 && N < MAX_PATH ? std::string(Buf, N) : Path;
}

// A cold shell may drop the first selection request while it still reads
// the drives: it is asked again every 250 ms, and after 5 s the dialog is
// cancelled so that a selection never reached fails instead of hanging.
std::string GRetryFolder;
int GRetries = 0;
void CALLBACK RetrySelection(HWND Dlg, UINT, UINT_PTR, DWORD) {
    if (++GRetries > 20) {
        PostMessageA(Dlg, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SendMessageA(Dlg, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(GRetryFolder.c_str()));
}

class BrowseFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Owner = new TForm(nullptr);
        Owner->SetBounds(100, 100, 400, 300);
        Owner->Show();
        Pump();
        Browser = new TBrowseFolder(Owner);
        Browser->SetTitle("Pick one");
    }
    void TearDown() override {
        Owner->Free();
        Pump();
    }
    TForm* Owner = nullptr;
    TBrowseFolder* Browser = nullptr;
};

TEST_F(BrowseFolderTest, PreselectsTheFolderAndOkStoresTheCheckBox) {
    TTestFolder Folder;
    Browser->SetDirectory(Folder.Dir());
    Browser->SetCustomButtonVisible(true);
    Browser->SetCustomButtonType(btCheckBox);
    Browser->SetCustomButtonCaption("Keep");
    Browser->SetCustomButtonWidth(0);  // stored as the default width
    EXPECT_EQ(Browser->CustomButtonWidth(), 75);
    HWND Seen = nullptr;
    HWND Button = nullptr;
    std::string ButtonText;
    Browser->OnInitialized = [&](TObject*, HWND Dlg) {
        Seen = Dlg;
        EXPECT_EQ(Browser->DialogHandle(), Dlg);
        Button = GetDlgItem(Dlg, BrowseCustomButtonId);
        char Text[32] = {};
        GetWindowTextA(Button, Text, sizeof(Text));
        ButtonText = Text;
        // The caption follows the property while the dialog is open.
        Browser->SetCustomButtonCaption("Keep it");
        GetWindowTextA(Button, Text, sizeof(Text));
        EXPECT_STREQ(Text, "Keep it");
        SendMessageA(Button, BM_SETCHECK, BST_CHECKED, 0);
        // The shell may apply the preselection after this event: OK waits
        // for it (below).
        GRetryFolder = Folder.Dir();
        GRetries = 0;
        SetTimer(Dlg, 1, 250, RetrySelection);
    };
    Browser->OnSelectionChanged = [&](TObject*, HWND Dlg, const _ITEMIDLIST*, const std::string& Path) {
        if (AnsiSameText(LongPath(Path), LongPath(Folder.Dir()))) PostMessageA(Dlg, WM_COMMAND, IDOK, 0);
    };
    ASSERT_TRUE(Browser->RunDialog());
    ASSERT_NE(Seen, nullptr);
    EXPECT_FALSE(IsWindow(Seen));
    EXPECT_EQ(ButtonText, "Keep");
    EXPECT_TRUE(Browser->CustomButtonChecked());
    EXPECT_TRUE(AnsiSameText(LongPath(Browser->Directory()), LongPath(Folder.Dir()))) << Browser->Directory();
    EXPECT_EQ(Browser->LastSelectedFolder(), Browser->Directory());
    EXPECT_EQ(Browser->DialogHandle(), nullptr);
}

TEST_F(BrowseFolderTest, CancelLeavesTheDirectoryAndAMissingFolderIsNotSelected) {
    Browser->SetDirectory("C:\\no\\such\\folder\\here");
    Browser->OnInitialized = [&](TObject*, HWND Dlg) {
        EXPECT_EQ(GetDlgItem(Dlg, BrowseCustomButtonId), nullptr);  // not asked for
        PostMessageA(Dlg, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_FALSE(Browser->RunDialog());
    EXPECT_EQ(Browser->Directory(), "C:\\no\\such\\folder\\here");
    EXPECT_TRUE(Browser->LastSelectedFolder().find("such") == std::string::npos);
}

TEST_F(BrowseFolderTest, TheCustomPushButtonReportsItsClicks) {
    Browser->SetCustomButtonVisible(true);
    Browser->SetCustomButtonCaption("More");
    Browser->SetCustomButtonEnabled(false);
    int Clicks = 0;
    bool WasEnabled = true;
    Browser->OnCustomButtonClick = [&](TObject*, HWND) { ++Clicks; };
    Browser->OnInitialized = [&](TObject*, HWND Dlg) {
        HWND Button = GetDlgItem(Dlg, BrowseCustomButtonId);
        WasEnabled = IsWindowEnabled(Button);
        Browser->SetCustomButtonEnabled(true);
        EXPECT_TRUE(IsWindowEnabled(Button));
        RECT R{};
        GetWindowRect(Button, &R);
        EXPECT_EQ(R.right - R.left, 75);
        EXPECT_EQ(R.bottom - R.top, 23);
        SendMessageA(Dlg, WM_COMMAND, MAKEWPARAM(BrowseCustomButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(Button));
        EXPECT_TRUE(IsWindow(Dlg));  // the click is ours: the dialog stays
        PostMessageA(Dlg, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_FALSE(Browser->RunDialog());
    EXPECT_FALSE(WasEnabled);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(BrowseFolderTest, TheDialogSitsAQuarterDownOverItsReference) {
    RECT Placed{}, Ref{};
    Browser->OnInitialized = [&](TObject*, HWND Dlg) {
        GetWindowRect(Dlg, &Placed);
        HWND Over = GetForegroundWindow();
        if (!Over || Over == Dlg) Over = GetWindow(Dlg, GW_OWNER);
        if (Over && Over != Dlg) GetWindowRect(Over, &Ref);
        else Ref = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        PostMessageA(Dlg, WM_COMMAND, IDCANCEL, 0);
    };
    Browser->RunDialog();
    EXPECT_EQ(Placed.top, Ref.top + (Ref.bottom - Ref.top) / 4);
    EXPECT_LE(std::abs((Placed.left + Placed.right) - (Ref.left + Ref.right)), 1);
}

TEST_F(BrowseFolderTest, TheModalHookMayAnswer) {
    std::string Class;
    TModalDialogHook Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Class = R.DialogClass;
        return 1;
    });
    Browser->SetDirectory("C:\\Given");
    EXPECT_TRUE(Browser->RunDialog());
    EXPECT_EQ(Browser->Directory(), "C:\\Given");
    EXPECT_EQ(Class, "TBrowseFolder");
    SetModalDialogHook(Old);
}

}  // namespace
