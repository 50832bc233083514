// The wizard host against real plug-in libraries built for the test
// (tests/ide/win/WizardHostPlugins): listing, version, running by index and
// the New Project dialog answered through the modal test seam.
#include <gtest/gtest.h>

#include "controls/UtilProcs.h"
#include "controls/win/TransBtn.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/stdctrls/ListCtrls.h"
#include "ide/win/WizardHost.h"
#include "ide/win/WizardPicker.h"
#include "tests/common/TestFolder.h"

namespace {

const char* const Plugins[] = {"wiz_valid.dll", "wiz_empty.dll", "wiz_noname.dll", "wiz_paren.dll", "wiz_cancel.dll"};

// A wizzards folder of its own: the test plug-ins, a text file named like a
// library and a name with no file behind it.
class WizardHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* Name : Plugins) {
            ASSERT_TRUE(CopyFileA((GetExeDir() + "wizhost\\" + Name).c_str(), (Folder / Name).c_str(), FALSE))
                << Name;
        }
        Folder.Write("wiz_text.dll", "This is no library.\r\n");
        for (const char* Name : {"wiz_text.dll", "wiz_valid.dll", "wiz_empty.dll", "wiz_gone.dll", "wiz_noname.dll",
                                 "wiz_paren.dll", "wiz_cancel.dll"}) {
            Files.Add(Name);
        }
    }
    void TearDown() override { SetModalDialogHook(Old); }

    static bool Loaded(const std::string& Path) { return GetModuleHandleA(Path.c_str()) != nullptr; }

    TTestFolder Folder;
    TStringList Files;
    TModalDialogHook Old = SetModalDialogHook({});
};

}  // namespace

TEST_F(WizardHostTest, ListsOnlyLibrariesWithANameInListingOrder) {
    const std::vector<TWizzardEntry> Entries = CollectWizzards(Folder.Path(), Files);
    ASSERT_EQ(Entries.size(), 3u);
    EXPECT_EQ(Entries[0], (TWizzardEntry{"Valid Test Wizzard", "wiz_valid.dll", 0x0102}));
    EXPECT_EQ(Entries[1], (TWizzardEntry{"Odd (wiz_valid.dll) Wizzard", "wiz_paren.dll", 0x020A}));
    EXPECT_EQ(Entries[2], (TWizzardEntry{"Cancelling Wizzard", "wiz_cancel.dll", 0x0001}));
    EXPECT_EQ(WizzardEntryText(Entries[0]), "Valid Test Wizzard (wiz_valid.dll) (ver 1.2)");
    EXPECT_EQ(WizzardEntryText(Entries[1]), "Odd (wiz_valid.dll) Wizzard (wiz_paren.dll) (ver 2.10)");
}

TEST_F(WizardHostTest, EachCallLoadsTheLibraryOnlyForItsLength) {
    const std::string Valid = Folder / "wiz_valid.dll";
    EXPECT_EQ(GetWizzardName(Valid), "Valid Test Wizzard");
    EXPECT_FALSE(Loaded(Valid));
    EXPECT_EQ(GetWizzardVersion(Valid), 0x0102);
    EXPECT_FALSE(Loaded(Valid));
    EXPECT_TRUE(SameFileName(RunWizzard(Valid), Valid + ".qrn"));
    EXPECT_FALSE(Loaded(Valid));
}

TEST_F(WizardHostTest, MissingLibrariesAndExportsGiveNothing) {
    for (const char* Name : {"wiz_text.dll", "wiz_gone.dll"}) {
        EXPECT_EQ(GetWizzardName(Folder / Name), "") << Name;
        EXPECT_EQ(GetWizzardVersion(Folder / Name), 0) << Name;
        EXPECT_EQ(RunWizzard(Folder / Name), "") << Name;
    }
    EXPECT_EQ(GetWizzardName(Folder / "wiz_noname.dll"), "");
    EXPECT_EQ(GetWizzardVersion(Folder / "wiz_noname.dll"), 0x0100);
    EXPECT_EQ(GetWizzardName(Folder / "wiz_empty.dll"), "");
    EXPECT_EQ(RunWizzard(Folder / "wiz_cancel.dll"), "");
}

TEST_F(WizardHostTest, NewProjectRunsTheChosenEntrysLibraryEvenWithParenthesesInItsName) {
    std::vector<std::string> Shown;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        auto* Picker = dynamic_cast<TWizzardContainer*>(R.Form);
        if (!Picker) return 2;
        EXPECT_EQ(R.Caption, "New Project Wizzards");
        for (int I = 0; I < Picker->WizzardList->Items()->Count(); ++I)
            Shown.push_back((*Picker->WizzardList->Items())[I]);
        EXPECT_EQ(Picker->WizzardList->ItemIndex(), 0);
        Picker->WizzardList->SetItemIndex(1);
        return 1;
    });
    std::vector<std::string> Calls;
    NewProjectFromWizzard(
        nullptr, Folder.Path(), Files, [&] { Calls.push_back("close"); },
        [&](const std::string& Path) { Calls.push_back("open " + Path); });
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_EQ(Shown[1], "Odd (wiz_valid.dll) Wizzard (wiz_paren.dll) (ver 2.10)");
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[0], "close");
    EXPECT_TRUE(SameFileName(Calls[1], "open " + (Folder / "wiz_paren.dll.qrn"))) << Calls[1];
}

TEST_F(WizardHostTest, CancelEmptyListAndCancelledWizardOpenNothing) {
    int Closes = 0, Opens = 0;
    auto Close = [&] { ++Closes; };
    auto Open = [&](const std::string&) { ++Opens; };
    // Cancel in the dialog: the open project stays.
    SetModalDialogHook([](const TDialogRequest&) -> std::optional<int> { return 2; });
    NewProjectFromWizzard(nullptr, Folder.Path(), Files, Close, Open);
    EXPECT_EQ(Closes + Opens, 0);
    // OK on an empty list does nothing.
    SetModalDialogHook([](const TDialogRequest&) -> std::optional<int> { return 1; });
    TStringList None;
    NewProjectFromWizzard(nullptr, Folder.Path(), None, Close, Open);
    EXPECT_EQ(Closes + Opens, 0);
    // The wizard cancelled: the project was closed, nothing opens.
    SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        static_cast<TWizzardContainer*>(R.Form)->WizzardList->SetItemIndex(2);
        return 1;
    });
    NewProjectFromWizzard(nullptr, Folder.Path(), Files, Close, Open);
    EXPECT_EQ(Closes, 1);
    EXPECT_EQ(Opens, 0);
}

TEST(WizardPicker, ButtonsDoubleClickAndKeysSetTheModalResult) {
    std::unique_ptr<TWizzardContainer, TObjectFree> Picker(new TWizzardContainer(nullptr));
    EXPECT_EQ(Picker->Caption(), "New Project Wizzards");
    EXPECT_EQ(Picker->ClientWidth(), 391);
    EXPECT_EQ(Picker->ClientHeight(), 338);
    EXPECT_EQ(Picker->WizzardList->Width(), 323);
    EXPECT_EQ(Picker->WizzardList->Height(), 231);
    Picker->WizzardList->Items()->Add("One (one.dll) (ver 1.0)");
    Picker->Show();
    const HWND List = Picker->WizzardList->Handle();
    SendMessageA(List, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(Picker->ModalResult(), 1);
    Picker->SetModalResult(0);
    SendMessageA(List, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Picker->ModalResult(), 2);
    Picker->SetModalResult(0);
    SendMessageA(List, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Picker->ModalResult(), 1);
    Picker->SetModalResult(0);
    Picker->CancelBtn->Click();
    EXPECT_EQ(Picker->ModalResult(), 2);
    Picker->OkBtn->Click();
    EXPECT_EQ(Picker->ModalResult(), 1);
}
