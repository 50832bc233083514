// The build commands wired into the main window: its menu handlers, its
// Messages pane and a real code window's caret.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/ModalHook.h"
#include "framework/stdctrls/ListCtrls.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/MainForm.h"
#include "ide/win/ProgressForm.h"
#include "ide/win/QuillMemoCI.h"
#include "tests/ide/win/BuildGuiFixture.h"
#include "tests/ide/win/ProjectGuiFixture.h"

namespace {

class BuildGuiMainForm : public TBuildToolsTest {
protected:
    void SetUp() override {
        TBuildToolsTest::SetUp();
        CopyHelloExample(Proj.Path());
        FOldHook = SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            Boxes.push_back(R.Text);
            return R.Kind == dkMessageBox ? IDOK : static_cast<int>(mrOk);
        });
        Form = new TMainForm(Application);
        FOldMain = Application->MainForm();
        Application->SetMainForm(Form);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->ProjectUnchanged = true;
        for (int I = 0; I < Form->CodeWindowCount(); ++I) Form->CodeWindows(I)->SetModified(false);
        Form->Free();
        Application->SetMainForm(FOldMain);
        Pump();
        SetModalDialogHook(FOldHook);
        TBuildToolsTest::TearDown();
    }
    void OpenHello() {
        ASSERT_TRUE(Form->OpenProject(Proj / "hello.qrn"));
        Pump();
    }
    std::string Last(TListBox* List) const {
        const int N = List->Items()->Count();
        return N == 0 ? std::string() : List->Items()->Strings(N - 1);
    }
    TProgressFrm* Progress() const {
        for (int I = 0; I < Form->ComponentCount(); ++I)
            if (auto* P = dynamic_cast<TProgressFrm*>(Form->Components(I))) return P;
        return nullptr;
    }

    TMainForm* Form = nullptr;
    std::vector<std::string> Boxes;

private:
    TModalDialogHook FOldHook;
    TCustomForm* FOldMain = nullptr;
};

}  // namespace

TEST_F(BuildGuiMainForm, BuildProjectFromTheMenuBuildsTheOpenProject) {
    OpenHello();
    Form->ProjectBuildProject1Click(nullptr);
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm.exe /ml " + ShortSource("main.asm") + " ");
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink.exe main+print");
    EXPECT_EQ(Last(Form->Messages), "Success.");
    EXPECT_EQ(Last(Form->FOut), "Success.");
    EXPECT_EQ(Form->DownPage->ActivePage(), Form->tsMessages);
    EXPECT_TRUE(Form->ProjectBuilt);
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->Project->Caption(), "   Project : hello");
    EXPECT_FALSE(IsWindowEnabled(Form->Handle()));
    EXPECT_TRUE(Boxes.empty());

    Form->ProjectRunProject1Click(nullptr);
    const std::vector<TToolLogEntry> Run = LogWithAtLeast(4);
    ASSERT_EQ(Run.size(), 4u);
    EXPECT_EQ(Run[3].Cmd, "\"" + Proj.Path() + "\\main.exe\"");
}

TEST_F(BuildGuiMainForm, DoubleClickOnAnErrorPutsTheCaretOnItsLineInTheOpenWindow) {
    Proj.Write("main.asm", "; main\r\n nop\r\n nop\r\n jmp Nowhere ;FAKE_ERROR Undefined symbol: NOWHERE\r\n");
    OpenHello();
    TCodeWindow* Main = Form->FindCodeWindow("main.asm");
    ASSERT_NE(Main, nullptr);
    const int Windows = Form->CodeWindowCount();
    Form->ProjectBuildDebugProject1Click(nullptr);
    EXPECT_EQ(Log().size(), 1u);
    EXPECT_FALSE(Form->ProjectBuilt);
    const int Index = Form->Messages->Items()->Count() - 1;
    ASSERT_EQ(Form->Messages->Items()->Strings(Index),
              "**Error** " + ShortSource("main.asm") + "(4) Undefined symbol: NOWHERE");
    if (Progress()) Progress()->Close();
    Pump();

    Form->Messages->SetItemIndex(Index);
    Form->Messages->DblClick();
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), Windows);
    EXPECT_EQ(Main->CodeEditor->CaretLine(), 3);
    EXPECT_TRUE(Boxes.empty());

    // A message about a file without a window opens it.
    Form->Messages->Items()->Add("*Warning* " + ShortSource("print.asm") + "(2) Reserved word");
    Form->Messages->SetItemIndex(Index + 1);
    Form->Messages->DblClick();
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), Windows + 1);
    TCodeWindow* Active = Form->ActiveCodeWindow();
    ASSERT_NE(Active, nullptr);
    EXPECT_NE(Active, Main);
    EXPECT_EQ(Active->CodeEditor->CaretLine(), 1);
}

TEST_F(BuildGuiMainForm, RunIsRefusedAfterOpeningUntilBuilt) {
    OpenHello();
    Form->ProjectRunProject1Click(nullptr);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], "Project not built !");
    EXPECT_TRUE(Log().empty());
}
