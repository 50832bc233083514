// The Find In Files page driven through its controls over a generated
// folder tree: the worker runs while the form stays responsive.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/controls/ModalHook.h"
#include "framework/forms/Forms.h"
#include "ide/win/FindFilesPane.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/Pump.h"

namespace {

class FindFilesPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 400, 300);
        C.FindWhat = new TEdit(Form);
        C.FindCase = new TCheckBox(Form);
        C.btnFindStart = new TTransparentButton(Form);
        C.findstat = new TLabel(Form);
        C.SearchResults = new TListBox(Form);
        TControl* All[] = {C.FindWhat, C.FindCase, C.btnFindStart, C.findstat, C.SearchResults};
        int Top = 0;
        for (TControl* Control : All) {
            Control->SetParent(Form);
            Control->SetBounds(0, Top, 300, Control == C.SearchResults ? 150 : 20);
            Top += 24;
        }
        Pane = new TFindFilesPane(Form, C);
        Pane->OnOpenFile = [this](const std::string& F) { Opened.push_back(F); };
        Pane->OnSearchFailed = [this](const std::string& M) { Failures.push_back(M); };
        Form->Show();
    }
    void TearDown() override { Form->Free(); }

    // Pumps messages until the search ended; false on timeout.
    bool WaitForEnd() {
        return PumpUntil([this] { return !Pane->Searching(); }, 20000);
    }
    std::vector<std::string> Results() {
        std::vector<std::string> R;
        for (int I = 0; I < C.SearchResults->Items()->Count(); ++I) R.push_back(C.SearchResults->Items()->Strings(I));
        return R;
    }

    TForm* Form = nullptr;
    TFindFilesControls C;
    TFindFilesPane* Pane = nullptr;
    std::vector<std::string> Opened, Failures;
    TTestFolder Dir;
};

// a.asm, b.inc, c.mac, skip.txt at the top; sub\d.asm and sub\deep\e.inc
// below; the text sits on the last line (no line end) of some of them.
void MakeTree(const TTestFolder& Dir) {
    CreateDir(Dir / "sub");
    CreateDir(Dir / "sub\\deep");
    Dir.Write("a.asm", "mov ax, bx\r\ncall Needle\r\n");
    Dir.Write("b.inc", "; nothing here\r\n");
    Dir.Write("c.mac", "line one\r\nlast line NEEDLE");
    Dir.Write("skip.txt", "Needle\r\n");
    Dir.Write("sub\\d.asm", "first\r\nsecond\r\nthe needle");
    Dir.Write("sub\\deep\\e.inc", "needle\r\n");
}

TEST_F(FindFilesPaneTest, StartIsOnlyEnabledWithAProject) {
    EXPECT_FALSE(C.btnFindStart->Enabled());
    EXPECT_EQ(C.findstat->Caption(), "Idle");
    Pane->SetProjectDir(Dir.Path());
    EXPECT_TRUE(C.btnFindStart->Enabled());
    Pane->SetProjectDir("");
    EXPECT_FALSE(C.btnFindStart->Enabled());
}

TEST_F(FindFilesPaneTest, FindsTheTextInTheProjectsSourcesInOrder) {
    MakeTree(Dir);
    Pane->SetProjectDir(Dir.Path().substr(0, Dir.Path().size() - 1));  // without the backslash
    C.FindWhat->SetText("needle");
    C.btnFindStart->Click();
    EXPECT_TRUE(Pane->Searching());
    EXPECT_FALSE(C.btnFindStart->Enabled());
    EXPECT_EQ(C.findstat->Caption().rfind("Searching ... ", 0), 0u);
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(Pane->FileFinder()->Tag(), 0);
    EXPECT_TRUE(C.btnFindStart->Enabled());
    Pane->UpdateStatus();
    EXPECT_EQ(C.findstat->Caption(), "Idle");
    // Pattern by pattern, each folder before its subfolders; the hits on a
    // last line without line end count.
    const std::vector<std::string> Expected = {Dir / "a.asm", Dir / "sub\\d.asm", Dir / "sub\\deep\\e.inc",
                                               Dir / "c.mac"};
    EXPECT_EQ(Results(), Expected);
    EXPECT_TRUE(Failures.empty());
}

TEST_F(FindFilesPaneTest, CaseSensitiveSearchAndDoubleClickOpens) {
    MakeTree(Dir);
    Pane->SetProjectDir(Dir.Path());
    C.FindWhat->SetText("NEEDLE");
    C.FindCase->SetChecked(true);
    Pane->Start();
    ASSERT_TRUE(WaitForEnd());
    ASSERT_EQ(Results(), std::vector<std::string>{Dir / "c.mac"});
    C.SearchResults->SetItemIndex(0);
    C.SearchResults->DblClick();
    ASSERT_FALSE(Opened.empty());
    EXPECT_EQ(Opened.back(), Dir / "c.mac");
}

TEST_F(FindFilesPaneTest, MissingProjectFolderStillEndsTheSearch) {
    Pane->SetProjectDir(Dir / "no such folder");
    C.FindWhat->SetText("x");
    Pane->Start();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(Failures.size(), 1u);
    EXPECT_TRUE(Results().empty());
    EXPECT_TRUE(C.btnFindStart->Enabled());
    Pane->UpdateStatus();
    EXPECT_EQ(C.findstat->Caption(), "Idle");
}

TEST_F(FindFilesPaneTest, FailureIsShownInAMessageBoxByDefault) {
    Pane->OnSearchFailed = nullptr;
    int Boxes = 0;
    auto Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind == dkMessageBox) ++Boxes;
        return IDOK;
    });
    Pane->SetProjectDir(Dir / "missing");
    Pane->Start();
    const bool Ended = WaitForEnd();
    SetModalDialogHook(Old);
    ASSERT_TRUE(Ended);
    EXPECT_EQ(Boxes, 1);
}

TEST_F(FindFilesPaneTest, ClosingMidSearchStopsTheWorker) {
    for (int F = 0; F < 40; ++F) {
        const std::string Sub = "f" + std::to_string(F);
        CreateDir(Dir / Sub);
        for (int I = 0; I < 25; ++I) Dir.Write(Sub + "\\x" + std::to_string(I) + ".asm", "nothing\r\nneedle\r\n");
    }
    Pane->SetProjectDir(Dir.Path());
    C.FindWhat->SetText("needle");
    Pane->Start();
    ASSERT_TRUE(Pane->Searching());
    Form->Free();  // the pane and its searcher go with it
    Form = nullptr;
    PumpFor(100);
    EXPECT_TRUE(Failures.empty());
    Form = new TForm(nullptr);  // for TearDown
}

}  // namespace
