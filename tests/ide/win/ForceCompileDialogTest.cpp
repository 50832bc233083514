// The Force Compile dialog and Force Compile through the IDE's windows
// with the stand-in tools.
#include <gtest/gtest.h>

#include "ide/IdeTexts.h"
#include "ide/win/ForceCompileDialog.h"
#include "tests/ide/win/BuildGuiFixture.h"

namespace {

class ForceCompileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Dialog = new TCompilerOptions(nullptr);
        Dialog->Show();
        Pump();
    }
    void TearDown() override {
        Dialog->Free();
        Pump();
    }
    int KeyIn(TWinControl* Control, uint16_t Key) {
        Dialog->SetModalResult(mrNone);
        SendMessageA(Control->Handle(), WM_KEYDOWN, Key, 0);
        return Dialog->ModalResult();
    }
    TCompilerOptions* Dialog = nullptr;
};

class ForceCompileGui : public TBuildGuiTest {
protected:
    // Answers the dialog with these switches, remembering what it showed.
    void AnswerWith(const std::string& Asm, const std::string& Link, bool DontLink, int Result = mrOk) {
        AnswerDialog = [=, this](TCustomForm* F) {
            auto* D = dynamic_cast<TCompilerOptions*>(F);
            if (!D) return static_cast<int>(mrCancel);
            Shown.push_back({D->ftasm->Text(), D->flink->Text()});
            D->ftasm->SetText(Asm);
            D->flink->SetText(Link);
            D->dontlink->SetChecked(DontLink);
            return Result;
        };
    }
    std::vector<std::pair<std::string, std::string>> Shown;
};

}  // namespace

TEST_F(ForceCompileDialog, ShowsItsFieldsAsDesigned) {
    EXPECT_EQ(Dialog->Caption(), "Force Compile");
    EXPECT_EQ(Dialog->BorderStyle(), bsDialog);
    EXPECT_EQ(Dialog->Position(), poScreenCenter);
    EXPECT_EQ(Dialog->ClientWidth(), 367);
    EXPECT_EQ(Dialog->ClientHeight(), 103);
    EXPECT_EQ(Dialog->Label1->Caption(), "Assembler Commandline : ");
    EXPECT_EQ(Dialog->Label2->Caption(), "Linker Commandline : ");
    EXPECT_EQ(Dialog->ftasm->Width(), 221);
    EXPECT_EQ(Dialog->flink->Width(), 221);
    EXPECT_EQ(Dialog->dontlink->Caption(), "  &Dont link OBJ file  ");
    EXPECT_FALSE(Dialog->dontlink->Checked());
    EXPECT_EQ(Dialog->OkBtn->Caption(), "&OK");
    EXPECT_EQ(Dialog->CancelBtn->Caption(), "&Cancel");
}

TEST_F(ForceCompileDialog, EnterConfirmsAndEscapeCancelsFromEachField) {
    for (TWinControl* C : {static_cast<TWinControl*>(Dialog->ftasm), static_cast<TWinControl*>(Dialog->flink),
                           static_cast<TWinControl*>(Dialog->dontlink)}) {
        EXPECT_EQ(KeyIn(C, VK_RETURN), 1);
        EXPECT_EQ(KeyIn(C, VK_ESCAPE), 2);
        EXPECT_EQ(KeyIn(C, 'A'), mrNone);
    }
}

TEST_F(ForceCompileDialog, TheButtonsGiveOkAndCancel) {
    Dialog->OkBtn->Click();
    EXPECT_EQ(Dialog->ModalResult(), 1);
    Dialog->CancelBtn->Click();
    EXPECT_EQ(Dialog->ModalResult(), 2);
}

TEST_F(ForceCompileGui, AssemblesAndLinksALooseFileWithTheConfirmedSwitches) {
    TTestFolder Loose;
    Loose.Write("solo.asm", "; solo\r\n ret\r\n");
    Ide.ActiveFile = Loose / "solo.asm";
    AnswerWith("/la", "/m", false);
    Ctl->ForceCompile();
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 2u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm.exe /m  /la " + GetShortPath(Loose / "solo.asm"));
    EXPECT_EQ(L[1].Cmd, FakeToolsDir() + "tlink.exe solo /m");
    for (const TToolLogEntry& E : L) EXPECT_TRUE(InFolder(E, Loose.Path())) << E.Dir;
    EXPECT_TRUE(FileExists(Loose / "solo.exe"));

    const std::vector<std::string> M = Items(Messages);
    ASSERT_GE(M.size(), 5u);
    EXPECT_EQ(M[0], "Compiling solo.asm ...");
    EXPECT_EQ(M[2], "Linking NONE ...");
    EXPECT_EQ(M.back(), "Success.");
    EXPECT_EQ(Last(Output), "Success.");
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->Project->Caption(), "   Project : NONE");
    EXPECT_EQ(Progress()->Lines->Caption(), IdeTexts::ForceCompileKindLine);
    EXPECT_EQ(Progress()->CompilingSt->Caption(), IdeTexts::CompilingDone);
    EXPECT_EQ(Progress()->LinkingSt->Caption(), IdeTexts::LinkingDone);
    EXPECT_EQ(Progress()->Button->Caption(), "Ok");
    EXPECT_TRUE(Progress()->Button->Enabled());
    EXPECT_FALSE(MainEnabled());
    EXPECT_EQ(Ide.Saves, 1);
    // The open project is left as it was, and so is its built state.
    EXPECT_EQ(Ide.Proj.Dir, Proj.Path());
    EXPECT_FALSE(Ide.Built);

    // The dialog offers the confirmed switches next time.
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0], (std::pair<std::string, std::string>{"", ""}));
    AnswerWith("", "", true, mrCancel);
    Ctl->ForceCompile();
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[1], (std::pair<std::string, std::string>{"/la", "/m"}));
    EXPECT_EQ(Log().size(), 2u);
    // A cancelled dialog keeps the switches confirmed before.
    EXPECT_EQ(Ctl->ForceCompileSwitches().AssemblerSwitches, "/la");
}

TEST_F(ForceCompileGui, WithoutLinkingAProjectFileByBareNameAssemblesInTheProjectFolder) {
    Store("CleanFiles", "1");
    Ide.ActiveFile = "main.asm";
    AnswerWith("", "", true);
    Ctl->ForceCompile();
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 1u);
    EXPECT_TRUE(InFolder(L[0], Proj.Path()));
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->LinkingSt->Caption(), IdeTexts::LinkingNotSelected);
    // CleanFiles wipes the object file the assembler made.
    EXPECT_FALSE(FileExists(Proj / "main.obj"));
    EXPECT_EQ(Last(Messages), "Done cleaning.");
    EXPECT_FALSE(FileExists(Proj / "main.exe"));
}

TEST_F(ForceCompileGui, AssemblerErrorsStopBeforeTheLinker) {
    Proj.Write("main.asm", "; main\r\n jmp X ;FAKE_ERROR Undefined symbol: X\r\n");
    Ide.ActiveFile = Proj / "main.asm";
    AnswerWith("", "", false);
    Ctl->ForceCompile();
    EXPECT_EQ(Log().size(), 1u);
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->CompilingSt->Caption(), IdeTexts::CompilingGotErrors);
    EXPECT_EQ(Progress()->Button->Caption(), "Ok");
    EXPECT_NE(Last(Messages).find("**Error** "), std::string::npos);
}

TEST_F(ForceCompileGui, RefusalsComeBeforeTheDialog) {
    // A bare name while no project gives it a folder.
    Ide.Open = false;
    Ide.ActiveFile = "main.asm";
    AnswerWith("", "", false);
    Ctl->ForceCompile();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], IdeTexts::ForceCompileWithoutFolder("main.asm"));

    // Missing linker path.
    Ide.Open = true;
    TScratchKey Empty;
    SetSettingsKeyPathForTesting(Empty.Path() + "\\");
    WriteRegString(HKEY_CURRENT_USER, Empty.Path() + "\\TasmPath", FakeToolsDir() + "tasm.exe");
    Ctl->ForceCompile();
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[1], IdeTexts::TLinkPathMissing);

    // No active code window: nothing at all.
    Ide.ActiveFile.clear();
    Ctl->ForceCompile();
    EXPECT_EQ(Boxes.size(), 2u);
    EXPECT_TRUE(Shown.empty());
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(Progress(), nullptr);
}
