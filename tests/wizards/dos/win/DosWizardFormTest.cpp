// The wizard's form in this process: its pages, its defaults and what
// Finish does with good and bad choices. Message boxes and the folder
// browser are answered through the modal dialog hook.
#include <gtest/gtest.h>

#include "controls/UtilProcs.h"
#include "controls/win/BtChkBox.h"
#include "controls/win/TransBtn.h"
#include "framework/rtl/FileUtils.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/wizards/dos/win/WizardTestHelpers.h"
#include "wizards/dos/ProjectGenerator.h"
#include "wizards/dos/win/BrowseFolder.h"
#include "wizards/dos/win/DosSteps.h"
#include "wizards/dos/win/MediaEdit.h"
#include "wizards/dos/win/StepPages.h"
#include "wizards/dos/win/WizardTitle.h"

namespace {

class DosWizardFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Old = SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            Asked.push_back(R);
            if (R.Kind == dkCommonDialog) return BrowseAnswer;
            return IDOK;
        });
        F = new TMainForm(nullptr);
    }
    void TearDown() override {
        F->Free();
        SetModalDialogHook(Old);
        Pump();
    }
    void GoToLastPage() {
        F->xdkSteps1->Next();
        F->xdkSteps1->Next();
    }
    // Finish the way the user does: Next on the last page.
    void Finish() { F->xdkSteps1->Next(); }
    TModalDialogHook Old;
    std::vector<TDialogRequest> Asked;
    int BrowseAnswer = 0;
    TMainForm* F = nullptr;
};

TEST_F(DosWizardFormTest, StartsOnStepOneWithTheDefaults) {
    EXPECT_EQ(F->Caption(), "Dos Application Wizzard : Step 1 of 3");
    EXPECT_EQ(F->BorderStyle(), bsToolWindow);
    EXPECT_EQ(F->Position(), poScreenCenter);
    EXPECT_EQ(F->ClientWidth(), 483);
    EXPECT_EQ(F->ClientHeight(), 309);
    EXPECT_EQ(F->cpu->ItemIndex(), 3);
    EXPECT_EQ(F->cpu->Items()->Count(), 7);
    EXPECT_EQ(F->cpu->Items()->Strings(6), "Pentium MMX");
    EXPECT_EQ(F->Exetype->ItemIndex(), 0);
    EXPECT_EQ(F->Model->ItemIndex(), 0);
    EXPECT_EQ(F->Model->Items()->Strings(8), "FLAT");
    EXPECT_EQ(F->Stack->Text(), "256");
    EXPECT_EQ(F->Stack->MaxValue(), 65535);
    EXPECT_EQ(F->pname->Text(), "dos_app");
    EXPECT_EQ(F->pname->MaxLength(), 8);
    EXPECT_EQ(F->ppath->Text(), GetExeDir());
    EXPECT_EQ(F->Browser->Directory(), GetExeDir());
    EXPECT_FALSE(F->cf->Checked());
    EXPECT_EQ(F->cf->Caption(), "&Create a folder upon project name");
    EXPECT_EQ(F->fname->Text(), "A Dos Application");
    EXPECT_EQ(F->Image1->Picture()->Width(), 127);
    EXPECT_EQ(F->Image3->Picture()->Height(), 238);
    GoToLastPage();
    EXPECT_EQ(F->Caption(), "Dos Application Wizzard : Step 3 of 3");
    EXPECT_EQ(F->xdkSteps1->NextButton()->Caption(), "Finish");
}

TEST_F(DosWizardFormTest, TheStackIsForExeFilesOnly) {
    F->Exetype->SetItemIndex(1);
    EXPECT_FALSE(F->Stack->Enabled());
    F->Exetype->SetItemIndex(0);
    EXPECT_TRUE(F->Stack->Enabled());
}

TEST_F(DosWizardFormTest, FinishWritesBothFilesAndCloses) {
    TTestFolder Folder;
    F->ppath->SetText(Folder.Dir());
    F->pname->SetText("hello");
    F->cf->SetChecked(true);
    F->cpu->SetItemIndex(6);
    F->Model->SetItemIndex(1);
    F->Stack->SetText("70000");  // not left yet: Finish writes what leaving would show
    GoToLastPage();
    Finish();
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(F->ModalResult(), mrOk);
    const std::string Expected = Folder.Dir() + "\\hello\\hello.qrn";
    EXPECT_EQ(F->ProjectFilePath(), Expected);
    EXPECT_EQ(F->ProjectFolder(), Folder.Dir() + "\\hello");
    TDosWizardChoices C;
    C.Cpu = 6;
    C.Model = 1;
    C.Stack = "65535";
    C.ProjectName = "hello";
    C.ProjectPath = Folder.Dir();
    C.CreateFolder = true;
    const TDosProject P = GenerateDosProject(C, WizardTitleString());
    EXPECT_EQ(ReadFileToString(Expected), P.ProjectText);
    EXPECT_EQ(ReadFileToString(Folder.Dir() + "\\hello\\hello.asm"), P.SourceText);
}

TEST_F(DosWizardFormTest, FinishIsRefusedWithAMessageForBadNamesAndFolders) {
    TTestFolder Folder;
    GoToLastPage();
    struct TCase {
        const char* Name;
        std::string Path;
    };
    for (const TCase& Case : {TCase{"", Folder.Dir()}, TCase{"a*b", Folder.Dir()}, TCase{"..", Folder.Dir()},
                              TCase{"ok", ""}}) {
        Asked.clear();
        F->pname->SetText(Case.Name);
        F->ppath->SetText(Case.Path);
        Finish();
        ASSERT_EQ(Asked.size(), 1u) << Case.Name;
        EXPECT_EQ(Asked[0].Kind, dkMessageBox);
        EXPECT_FALSE(Asked[0].Text.empty());
        EXPECT_EQ(F->ModalResult(), mrNone) << Case.Name;
        EXPECT_TRUE(Folder.Empty()) << Case.Name;
    }
    EXPECT_NE(Asked[0].Text.find("path"), std::string::npos);
}

TEST_F(DosWizardFormTest, AFileThatCannotBeWrittenKeepsTheFormOpen) {
    TTestFolder Folder;
    F->ppath->SetText(Folder.Dir() + "\\missing\\deeper");
    F->cf->SetChecked(true);
    GoToLastPage();
    Finish();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_NE(Asked[0].Text.find("dos_app"), std::string::npos);
    EXPECT_EQ(F->ModalResult(), mrNone);
    EXPECT_TRUE(F->ProjectFilePath().empty());
}

TEST_F(DosWizardFormTest, BrowseTakesTheChosenFolder) {
    F->Browser->SetDirectory("C:\\Chosen");
    BrowseAnswer = 0;
    F->BrowseButton->Click();
    EXPECT_EQ(F->ppath->Text(), GetExeDir());
    BrowseAnswer = 1;
    F->BrowseButton->Click();
    EXPECT_EQ(F->ppath->Text(), "C:\\Chosen");
    ASSERT_EQ(Asked.size(), 2u);
    EXPECT_EQ(Asked[0].DialogClass, "TBrowseFolder");
}

TEST_F(DosWizardFormTest, AboutNamesTheWizard) {
    F->xdkSteps1->AboutButton()->Click();
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text.rfind("DOS Project Wizzard", 0), 0u);
    EXPECT_TRUE(Asked[0].Flags & MB_ICONINFORMATION);
}

TEST(DosWizardRun, CancelGivesAnEmptyPath) {
    TModalDialogHook Old = SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkModalForm) return std::nullopt;
        static_cast<TMainForm*>(R.Form)->xdkSteps1->CancelButton()->Click();
        return R.Form->ModalResult();
    });
    EXPECT_EQ(RunDosWizard(), "");
    SetModalDialogHook(Old);
}

}  // namespace
