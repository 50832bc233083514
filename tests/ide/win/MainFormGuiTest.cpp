// The main window's own rules: the layout kept in the registry, the
// command-state timer, the tool windows and their View items, the
// minimise commands, the tools toolbar, search in the active code window
// and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/UtilProcs.h"
#include "docking/win/DockingControls.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/controls/Timer.h"
#include "framework/menus/Menus.h"
#include "framework/uicore/ShortCuts.h"
#include "ide/win/FindFilesPane.h"
#include "ide/win/QuillMemoCI.h"
#include "product/ProductTitle.h"
#include "product/ProjectKind.h"
#include "product/Settings.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/WinTestHelpers.h"
#include "tests/ide/win/ProjectGuiFixture.h"

namespace {

class MainFormGui : public ProjectGui {
protected:
    void SetUp() override {
        // The layout is read while the window is created: point the
        // settings at a scratch key first.
        FOldKey = SettingsKeyPath();
        SetSettingsKeyPathForTesting(Key.Path() + "\\");
        ProjectGui::SetUp();
    }
    void TearDown() override {
        ProjectGui::TearDown();
        SetSettingsKeyPathForTesting(FOldKey);
    }
    std::string Stored(const std::string& Name) const {
        return ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name);
    }
    void Store(const std::string& Name, const std::string& Value) const {
        WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name, Value);
    }
    // The window the next start of the IDE would make.
    void Restart() {
        Form->Free();
        Form = new TMainForm(Application);
        Application->SetMainForm(Form);
        Form->Show();
        Pump();
    }
    std::vector<std::string> Hints(TQCustomToolbar* Bar) const {
        std::vector<std::string> R;
        for (TControl* C : Bar->OrderList())
            if (dynamic_cast<TQToolbarButton*>(C)) R.push_back(C->Hint());
        return R;
    }

    TScratchKey Key;

private:
    std::string FOldKey;
};

TEST_F(MainFormGui, TheWindowIsBuiltAsDescribed) {
    EXPECT_EQ(Form->Caption(), TitleString);
    EXPECT_EQ(Form->TopDock->Tag(), 1);
    EXPECT_EQ(Form->LeftDock->Tag(), 2);
    EXPECT_EQ(Form->RightDock->Tag(), 3);
    EXPECT_EQ(Form->MainToolbar->DockedTo(), Form->TopDock);
    EXPECT_EQ(Form->MainToolbar->DefaultDock(), Form->LeftDock);
    EXPECT_FALSE(Form->MainToolbar->CloseButton());
    const std::vector<std::string> Expected = {"New Project",
                                               "Open project or file",
                                               "Save current file",
                                               "Save all files and the project",
                                               "Close Project",
                                               "Compile project with debug info",
                                               "Compile project w/o debug info",
                                               "Run project in debugger",
                                               "Run project",
                                               "Show designer"};
    EXPECT_EQ(Hints(Form->MainToolbar), Expected);
    for (TControl* C : Form->MainToolbar->OrderList()) {
        if (auto* B = dynamic_cast<TQToolbarButton*>(C)) {
            EXPECT_FALSE(B->Glyph()->Empty()) << B->Hint();
        }
    }

    // The bottom pages; the full output lives in its own tool window.
    std::vector<std::string> Pages;
    for (int I = 0; I < Form->DownPage->PageCount(); ++I) Pages.push_back(Form->DownPage->Pages(I)->Caption());
    EXPECT_EQ(Pages, (std::vector<std::string>{"Messagess", "Find In Files", "Hot Files", "Recent Files"}));
    EXPECT_EQ(Form->FOut->Parent(), Form->Output);
    EXPECT_EQ(Form->FOut->ItemHeight(), 10);
    EXPECT_EQ(Form->FIleList->Parent(), Form->ProjectManager);
    EXPECT_EQ(Form->ImageList1->Count(), 2);

    // Both tool windows float, side by side with the window's right edge.
    for (TQToolWindow* W : {Form->ProjectManager, Form->Output}) {
        EXPECT_TRUE(W->Floating());
        EXPECT_TRUE(W->DockableTo().Empty());
    }
    EXPECT_EQ(Form->ProjectManager->ClientAreaWidth(), 258);
    EXPECT_EQ(Form->ProjectManager->ClientAreaHeight(), 173);
    EXPECT_EQ(Form->Output->ClientAreaHeight(), 126);
    const int Left = Form->Left() + Form->Width() - Form->ProjectManager->Width() - 30;
    EXPECT_EQ(Form->ProjectManager->Left(), Left);
    EXPECT_EQ(Form->ProjectManager->Top(),
              Form->TopDock->Height() + Form->Top() + Form->tabWindowList->Height() + 25);
    EXPECT_EQ(Form->Output->Left(), Left);
    EXPECT_EQ(Form->Output->Top(), Form->ProjectManager->Top() + Form->ProjectManager->Height());
}

TEST_F(MainFormGui, LayoutRoundTripsThroughTheRegistry) {
    Form->DownPage->SetHeight(150);
    Form->ProjectManager->SetBounds(100, 120, 300, 220);
    Form->Output->SetBounds(110, 400, 280, 160);
    Form->MainToolbar->SetDockedTo(Form->RightDock);
    Form->SaveLayout();
    EXPECT_EQ(Stored("BottomBar"), "150");
    EXPECT_EQ(Stored("PmTop") + " " + Stored("PmLeft") + " " + Stored("PmWidth") + " " + Stored("PmHeight"),
              "120 100 300 220");
    EXPECT_EQ(Stored("FoTop") + " " + Stored("FoLeft") + " " + Stored("FoWidth") + " " + Stored("FoHeight"),
              "400 110 280 160");
    EXPECT_EQ(Stored("ToolbarDock"), "3");
    EXPECT_EQ(Stored("ToolsBar"), "");  // no tools toolbar, no value

    Restart();
    EXPECT_EQ(Form->DownPage->Height(), 150);
    EXPECT_EQ(Form->MainToolbar->DockedTo(), Form->RightDock);
    // The sizes come back; showing the window placed the tool windows anew.
    EXPECT_EQ(Form->ProjectManager->Width(), 300);
    EXPECT_EQ(Form->ProjectManager->Height(), 220);
    EXPECT_EQ(Form->Output->Width(), 280);
    EXPECT_EQ(Form->Output->Height(), 160);
    EXPECT_EQ(Form->ProjectManager->Left(), Form->Left() + Form->Width() - 300 - 30);
    EXPECT_EQ(Form->Output->Top(), Form->ProjectManager->Top() + 220);
}

TEST_F(MainFormGui, BadValuesAreSkippedAndAFloatingToolbarComesBackOnTop) {
    Form->MainToolbar->SetDockedTo(nullptr);
    ASSERT_TRUE(Form->MainToolbar->Floating());
    Form->SaveLayout();
    EXPECT_EQ(Stored("ToolbarDock"), "-1");

    const int PmHeight = Form->ProjectManager->Height();
    Store("BottomBar", "12x");
    Store("PmWidth", "");
    Store("PmHeight", "wide");
    Store("FoWidth", "290");
    Store("ToolsBar", "2");  // without a tools toolbar: ignored
    Restart();
    EXPECT_EQ(Form->DownPage->Height(), 120);
    EXPECT_EQ(Form->ProjectManager->ClientAreaWidth(), 258);
    EXPECT_EQ(Form->ProjectManager->Height(), PmHeight);
    EXPECT_EQ(Form->Output->Width(), 290);
    EXPECT_EQ(Form->MainToolbar->DockedTo(), Form->TopDock);
    EXPECT_EQ(Form->ToolsBar, nullptr);

    Store("ToolbarDock", "7");
    Form->LoadLayout();
    EXPECT_EQ(Form->MainToolbar->DockedTo(), Form->TopDock);
    Store("ToolbarDock", "2");
    Form->LoadLayout();
    EXPECT_EQ(Form->MainToolbar->DockedTo(), Form->LeftDock);
}

TEST_F(MainFormGui, ToolsToolbarFollowsToolsDatAndItsDockIsKept) {
    const std::string Tools = Folder.Write("tools.dat", "notepad.exe|readme.txt\r\nwinver.exe\r\n");
    Form->LoadToolsBar(Tools);
    ASSERT_NE(Form->ToolsBar, nullptr);
    EXPECT_EQ(Form->ToolsBar->Owner(), Form);
    EXPECT_FALSE(Form->ToolsBar->CloseButton());
    EXPECT_EQ(Form->ToolsBar->DockedTo(), Form->TopDock);
    EXPECT_EQ(Form->MainToolbar->DockPos(), 0);
    EXPECT_EQ(Hints(Form->ToolsBar), (std::vector<std::string>{"notepad.exe", "winver.exe"}));
    auto* First = dynamic_cast<TQToolbarButton*>(Form->ToolsBar->OrderList().front());
    ASSERT_NE(First, nullptr);
    EXPECT_EQ(First->Path(), "notepad.exe|readme.txt");
    EXPECT_EQ(First->Images(), Form->ToolImgs);

    Form->ToolsBar->SetDockedTo(Form->LeftDock);
    Form->SaveLayout();
    EXPECT_EQ(Stored("ToolsBar"), "2");
    Form->ToolsBar->SetDockedTo(Form->TopDock);
    Form->LoadLayout();
    EXPECT_EQ(Form->ToolsBar->DockedTo(), Form->LeftDock);

    // A changed file replaces the whole toolbar; a missing one keeps it; an
    // empty one leaves none.
    Folder.Write("tools.dat", "winver.exe\r\n");
    Form->LoadToolsBar(Tools);
    ASSERT_NE(Form->ToolsBar, nullptr);
    EXPECT_EQ(Hints(Form->ToolsBar), std::vector<std::string>{"winver.exe"});
    Form->LoadToolsBar(Folder / "missing.dat");
    EXPECT_NE(Form->ToolsBar, nullptr);
    Folder.Write("tools.dat", "");
    Form->LoadToolsBar(Tools);
    EXPECT_EQ(Form->ToolsBar, nullptr);
}

TEST_F(MainFormGui, TimerKeepsCommandsCaptionAndFindStatusInStep) {
    TQToolbarButton* const ProjectButtons[] = {Form->btnSave,     Form->btnSaveAll,     Form->btnClose,
                                               Form->CompileProj, Form->BUildProj, Form->btnRunDebugger,
                                               Form->btnRun};
    TFindFilesPane* Find = Form->FindPane();
    auto Tick = [&] {
        Form->Timer1Timer(nullptr);
        EXPECT_TRUE(Form->Timer1->Enabled());
    };
    Form->SetProjectManagerCaption("stale");
    Form->SetCaption("stale");
    Tick();
    EXPECT_EQ(Form->ProjectManagerCaption(), "Project Manager - No Project");
    EXPECT_EQ(Form->Caption(), TitleString);
    for (TQToolbarButton* B : ProjectButtons) EXPECT_FALSE(B->Enabled()) << B->Hint();
    EXPECT_FALSE(Form->btnDesigner->Enabled());
    EXPECT_TRUE(Form->NewBtn->Enabled());
    EXPECT_TRUE(Find->ProjectDir().empty());

    OpenHello();
    Tick();
    EXPECT_EQ(Form->ProjectManagerCaption(), "Project Manager - hello (8086)");
    for (TQToolbarButton* B : ProjectButtons) EXPECT_TRUE(B->Enabled()) << B->Hint();
    EXPECT_FALSE(Form->btnDesigner->Enabled());  // a DOS project
    EXPECT_EQ(Find->ProjectDir(), Form->Project.Dir);
    Form->Project.Kind = pkWin32Exe;
    Tick();
    EXPECT_TRUE(Form->btnDesigner->Enabled());

    // The menu is left to its commands.
    EXPECT_TRUE(Form->FileSaveAll1->Enabled());
    ASSERT_TRUE(Form->CloseProjectQuery());
    Tick();
    EXPECT_TRUE(Form->FileSaveAll1->Enabled());
    EXPECT_FALSE(Form->btnRun->Enabled());
}

TEST_F(MainFormGui, ViewItemsAndCloseButtonsShowAndHideTheToolWindows) {
    EXPECT_EQ(Form->ViewProjectManager1->ShortCut(), TextToShortCut("Ctrl+F2"));
    EXPECT_EQ(Form->ViewFullOutput1->ShortCut(), TextToShortCut("Ctrl+F3"));
    const struct {
        TMenuItem* Item;
        TQToolWindow* Window;
        void (TMainForm::*Toggle)(TObject*);
    } Views[] = {{Form->ViewProjectManager1, Form->ProjectManager, &TMainForm::ViewProjectManager1Click},
                 {Form->ViewFullOutput1, Form->Output, &TMainForm::ViewFullOutput1Click}};
    for (const auto& V : Views) {
        EXPECT_TRUE(V.Item->Checked());
        EXPECT_TRUE(V.Window->Visible());
        (Form->*V.Toggle)(nullptr);
        EXPECT_FALSE(V.Item->Checked());
        EXPECT_FALSE(V.Window->Visible());
        (Form->*V.Toggle)(nullptr);
        EXPECT_TRUE(V.Item->Checked());
        EXPECT_TRUE(V.Window->Visible());
        // The close button hides the window and fires its OnClose.
        V.Window->SetVisible(false);
        V.Window->OnClose(V.Window);
        EXPECT_FALSE(V.Item->Checked());
        (Form->*V.Toggle)(nullptr);
        EXPECT_TRUE(V.Window->Visible());
    }
}

TEST_F(MainFormGui, MinimiseCommandsOfTheBottomPagesAndTheProjectManager) {
    TPageControl* Pages = Form->DownPage;
    bool Allow = true;
    Pages->SetHeight(150);
    Form->TabControlMinimize1Click(nullptr);
    EXPECT_EQ(Pages->Height(), 19);
    EXPECT_EQ(Form->TabControlMinimize1->Caption(), "Maximize");
    Form->DownPageChanging(Pages, Allow);
    EXPECT_FALSE(Allow);
    Form->TabControlMinimize1Click(nullptr);
    EXPECT_EQ(Pages->Height(), 150);  // the height before, not the default
    EXPECT_EQ(Form->TabControlMinimize1->Caption(), "Minimize");
    Allow = true;
    Form->DownPageChanging(Pages, Allow);
    EXPECT_TRUE(Allow);
    Form->TabControlMinimize1Click(nullptr);
    Form->TabControlDefaultSize1Click(nullptr);
    EXPECT_EQ(Pages->Height(), 123);
    EXPECT_EQ(Form->TabControlMinimize1->Caption(), "Minimize");

    TQToolWindow* Pm = Form->ProjectManager;
    Form->PmanagerMinimize1Click(nullptr);
    EXPECT_EQ(Pm->ClientAreaHeight(), 24);
    Form->PmanagerMinimize1Click(nullptr);
    EXPECT_EQ(Pm->ClientAreaHeight(), 173);
    Pm->SetClientAreaHeight(90);
    Form->PmanagerMinimize1Click(nullptr);
    EXPECT_EQ(Pm->ClientAreaHeight(), 173);
}

TEST_F(MainFormGui, FindAndFindAgainSearchTheActiveEditor) {
    Form->EditFindAgain1Click(nullptr);  // no code window: nothing happens
    OpenHello();
    TQuillMemoCI* Editor = Window("main.asm")->CodeEditor;
    Form->FindDialog1->SetFindText("Greeting");
    Form->FindDialog1->SetOptions({frDown});
    Form->FindDialog1Find(nullptr);
    EXPECT_EQ(Editor->CaretLine(), 8);
    Form->EditFindAgain1Click(nullptr);
    EXPECT_EQ(Editor->CaretLine(), 15);
    Dialogs.Answer(mrOk);
    Form->EditFindAgain1Click(nullptr);
    EXPECT_EQ(Editor->CaretLine(), 15);
    Form->FindDialog1->SetFindText("no such text");
    Dialogs.Answer(mrOk);
    Form->FindDialog1Find(nullptr);
    EXPECT_EQ(Dialogs.Texts, (std::vector<std::string>{"Search string not found !", "Search string not found !"}));
}

TEST_F(MainFormGui, SaveButtonWritesTheActiveFileOnly) {
    OpenHello();
    const std::string Project = ReadAll(ProjectPath());
    Window("main.asm")->CodeEditor->SetSelText("; saved by the button\r\n");
    Form->Project.Cpu = "386";
    Form->btnSave->Click();
    EXPECT_EQ(ReadAll(Folder / "main.asm").rfind("; saved by the button", 0), 0u);
    EXPECT_EQ(ReadAll(ProjectPath()), Project);
}

TEST_F(MainFormGui, CancelWhileClosingKeepsTheIdeOpenAndWritesNoLayout) {
    OpenHello();
    Form->ProjectUnchanged = false;
    Dialogs.Answer(mrCancel);
    TCloseAction Action = caFree;
    Form->FormClose(Form, Action);
    EXPECT_EQ(Action, caNone);
    EXPECT_TRUE(Form->ProjectOpen);
    EXPECT_EQ(Stored("BottomBar"), "");

    Dialogs.Answer(mrNo);
    Action = caFree;
    Form->FormClose(Form, Action);
    EXPECT_EQ(Action, caFree);
    EXPECT_FALSE(Form->ProjectOpen);
    EXPECT_EQ(Stored("BottomBar"), "120");
    EXPECT_EQ(Stored("ToolbarDock"), "1");

    // Without a project the close query asks each changed window once; the
    // close itself asks nothing more (a second dialog would fail the test).
    TCodeWindow* Loose = Form->OpenFile(Folder / "print.asm");
    ASSERT_NE(Loose, nullptr);
    Loose->SetModified(true);
    Dialogs.Answer(mrNo);
    ASSERT_TRUE(Form->CloseQuery());
    Action = caFree;
    Form->FormClose(Form, Action);
    EXPECT_EQ(Action, caFree);
    EXPECT_TRUE(Dialogs.AllUsed());
}

}  // namespace

TEST_F(MainFormGui, WithAProjectOpenTheToolWindowsStayAboveTheWindowForTheScreenshot) {
    OpenHello();
    SetForegroundWindow(Form->Handle());
    // Raising the window must not leave its floating tool windows beneath it.
    SetWindowPos(Form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    auto AboveForm = [&](TQToolWindow* W) {
        for (HWND H = GetWindow(Form->Handle(), GW_HWNDPREV); H; H = GetWindow(H, GW_HWNDPREV))
            if (H == W->Handle()) return true;
        return false;
    };
    EXPECT_TRUE(PumpUntil([&] { return AboveForm(Form->ProjectManager) && AboveForm(Form->Output); }, 3000));
    const std::string File = TestProgramFolder() + "MainWindow.png";
    CaptureWindowToFile(GetDesktopWindow(), File);
    EXPECT_TRUE(FileExists(File));
}
