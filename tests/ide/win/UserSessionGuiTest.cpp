// The main window with an open project, worked as a user works it: keys
// pressed while a code window has the focus, the Edit menu's commands
// through the menu's command path, the system clipboard, a build with the
// console-program stand-ins and the progress form, and a double click on
// the empty client area.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "docking/win/DockingControls.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/uicore/ShortCuts.h"
#include "ide/win/ProgressForm.h"
#include "ide/win/QuillMemoCI.h"
#include "tests/common/win/KeyInput.h"
#include "tests/ide/win/BuildToolsFixture.h"
#include "tests/ide/win/ProjectGuiFixture.h"

namespace {

// The short-cuts of the main menu as the user reads them.
const char* const MenuShortCuts[] = {
    "Ctrl+N",       "Ctrl+O", "Ctrl+Shift+F4", "Ctrl+S", "Alt+F9",   "Alt+X",       "Ctrl+Z",
    "Ctrl+R",       "Ctrl+X", "Ctrl+C",        "Ctrl+V", "Ctrl+F",   "Ctrl+L",      "Ctrl+F9",
    "Ctrl+Shift+F9", "F9",    "Shift+F9",      "Ctrl+Shift+F11", "Ctrl+F2", "Ctrl+F3", "Ctrl+F12"};

int ModsOf(TShortCut SC) {
    return ((SC & scShift) ? kmShift : 0) | ((SC & scCtrl) ? kmCtrl : 0) | ((SC & scAlt) ? kmAlt : 0);
}

std::string ClipboardText() {
    std::string Text;
    if (!OpenClipboard(nullptr)) return Text;
    if (HANDLE H = GetClipboardData(CF_TEXT)) {
        if (const auto* P = static_cast<const char*>(GlobalLock(H))) {
            Text = P;
            GlobalUnlock(H);
        }
    }
    CloseClipboard();
    return Text;
}

void EmptySystemClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

class UserSession : public TBuildToolsTest {
protected:
    void SetUp() override {
        TBuildToolsTest::SetUp();
        CopyHelloExample(Proj.Path());
        // The IDE is a GUI program: console tools get a console of their own.
        FreeConsole();
        Form = new TMainForm(Application);
        FOldMain = Application->MainForm();
        Application->SetMainForm(Form);
        Form->Show();
        Pump();
        ASSERT_TRUE(Form->OpenProject(Proj / "hello.qrn"));
        Pump();
        Main = Form->FindCodeWindow("main.asm");
        ASSERT_NE(Main, nullptr);
        Main->CodeEditor->SetFocus();
        Pump();
        ASSERT_EQ(GetFocus(), Main->CodeEditor->Handle());
    }
    void TearDown() override {
        if (TProgressFrm* P = Progress()) P->Close();
        Form->ProjectUnchanged = true;
        for (int I = 0; I < Form->CodeWindowCount(); ++I) Form->CodeWindows(I)->SetModified(false);
        Form->Free();
        Application->SetMainForm(FOldMain);
        Pump();
        EXPECT_TRUE(Dialogs.AllUsed());
        TBuildToolsTest::TearDown();
    }

    // A key pressed while the focused window has the keyboard.
    void Press(WORD Vk, int Mods = kmNone) {
        HWND Focused = GetFocus();
        ASSERT_NE(Focused, nullptr);
        PressKey(Focused, Vk, Mods);
    }
    void PressShortCut(TShortCut SC) { Press(static_cast<WORD>(SC & 0xFF), ModsOf(SC)); }
    // A menu item chosen with the mouse: its command reaches the frame.
    void Choose(TMenuItem* Item) {
        PostMessageA(Form->Handle(), WM_COMMAND, static_cast<WPARAM>(Item->Command()), 0);
        Pump();
    }
    std::string AllText(TCodeWindow* W) const {
        return W->CodeEditor->GetTextRange(0, W->CodeEditor->CharCount());
    }
    // Selects a line's text with the keyboard: Home, then Shift+End.
    void SelectLine(int Paragraph) {
        Main->CodeEditor->SetSelStart(Main->CodeEditor->ParagraphStart(Paragraph));
        Press(VK_HOME);
        Press(VK_END, kmShift);
    }
    TProgressFrm* Progress() const {
        for (int I = 0; I < Form->ComponentCount(); ++I)
            if (auto* P = dynamic_cast<TProgressFrm*>(Form->Components(I))) return P;
        return nullptr;
    }
    bool MainEnabled() const { return IsWindowEnabled(Form->Handle()) != FALSE; }
    // The files in the temporary folder.
    std::vector<std::string> TempFiles() const {
        std::vector<std::string> Names;
        // The project and log folders live there too.
        for (const auto& E : std::filesystem::directory_iterator(Temp.Path()))
            if (E.is_regular_file()) Names.push_back(E.path().string());
        return Names;
    }

    TScriptedDialogs Dialogs;
    TMainForm* Form = nullptr;
    TCodeWindow* Main = nullptr;

private:
    TCustomForm* FOldMain = nullptr;
};

}  // namespace

TEST_F(UserSession, EveryMenuShortCutReachesItsCommandFromACodeWindowAndAToolWindow) {
    std::map<TMenuItem*, int> Clicks;
    for (const char* Text : MenuShortCuts) {
        TMenuItem* Item = Form->MainMenu->FindItem(TextToShortCut(Text), fkShortCut);
        ASSERT_NE(Item, nullptr) << Text;
        Item->OnClick = [&Clicks, Item](TObject*) { ++Clicks[Item]; };
    }
    const std::string Before = AllText(Main);
    for (const char* Text : MenuShortCuts) {
        const TShortCut SC = TextToShortCut(Text);
        TMenuItem* Item = Form->MainMenu->FindItem(SC, fkShortCut);
        Item->SetEnabled(true);
        Main->CodeEditor->SetFocus();
        Pump();
        PressShortCut(SC);
        EXPECT_EQ(Clicks[Item], 1) << Text;
    }
    EXPECT_EQ(AllText(Main), Before) << "a short-cut the menu took must not reach the editor too";

    // A floating tool window has no menu of its own either.
    Form->FIleList->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), Form->FIleList->Handle());
    TMenuItem* SaveAll = Form->MainMenu->FindItem(TextToShortCut("Ctrl+S"), fkShortCut);
    PressShortCut(TextToShortCut("Ctrl+S"));
    EXPECT_EQ(Clicks[SaveAll], 2);
}

TEST_F(UserSession, CtrlSInTheCodeWindowSavesWhatWasTyped) {
    Press(VK_HOME, kmCtrl);
    PostMessageA(Main->CodeEditor->Handle(), WM_CHAR, ';', 1);
    Pump();
    Press('S', kmCtrl);
    EXPECT_EQ(ReadAll(Proj / "main.asm").substr(0, 3), ";; ");
}

TEST_F(UserSession, EditMenuCutPutsTheTextOnTheClipboardAndPasteGivesItBack) {
    EmptySystemClipboard();
    const std::string Line = Main->CodeEditor->GetParagraphText(8);
    ASSERT_EQ(Line.rfind("Greeting db", 0), 0u);
    SelectLine(8);
    Choose(Form->EditCut1);
    EXPECT_EQ(ClipboardText(), Line);
    EXPECT_EQ(Main->CodeEditor->GetParagraphText(8), "");

    Press(VK_HOME, kmCtrl);
    Choose(Form->EditPaste1);
    EXPECT_EQ(Main->CodeEditor->GetParagraphText(0).rfind(Line, 0), 0u);
    EXPECT_EQ(ClipboardText(), Line);
}

TEST_F(UserSession, CtrlCAndCtrlVCopyAndPasteThroughTheSystemClipboard) {
    EmptySystemClipboard();
    const std::string Line = Main->CodeEditor->GetParagraphText(8);
    SelectLine(8);
    Press('C', kmCtrl);
    EXPECT_EQ(ClipboardText(), Line);
    EXPECT_EQ(Main->CodeEditor->GetParagraphText(8), Line);
    Press(VK_END);
    Press('V', kmCtrl);
    EXPECT_EQ(Main->CodeEditor->GetParagraphText(8), Line + Line);
}

TEST_F(UserSession, CtrlF9BuildsWithConsoleToolsAndTheMainWindowWaitsForTheProgressForm) {
    Press(VK_F9, kmCtrl);
    ASSERT_EQ(Log().size(), 3u);
    EXPECT_EQ(Form->Messages->Items()->Strings(Form->Messages->Items()->Count() - 1), "Success.");
    // Every tool line is one line: no blank line after each.
    for (int I = 0; I < Form->FOut->Items()->Count(); ++I)
        if (Form->FOut->Items()->Strings(I).empty()) {
            const std::string Before = I > 0 ? Form->FOut->Items()->Strings(I - 1) : std::string();
            EXPECT_EQ(Before.rfind("Fake Assembler", 0), 0u) << "blank line after: " << Before;
        }
    EXPECT_EQ(TempFiles(), std::vector<std::string>{});
    TProgressFrm* P = Progress();
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->Button->Caption(), "Done");
    EXPECT_FALSE(MainEnabled());

    SendMessageA(P->Button->Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_TRUE(MainEnabled());
}

TEST_F(UserSession, ADoubleClickOnTheEmptyClientAreaOpensTheOpenDialog) {
    // The code windows open maximized: with the project closed the client
    // area is empty.
    ASSERT_TRUE(Form->CloseProjectQuery());
    Pump();
    Dialogs.Answer(0);  // cancelled
    HWND Client = Form->ClientHandle();
    RECT R{};
    GetClientRect(Client, &R);
    // Bottom right: no code window covers it.
    const LPARAM At = MAKELPARAM(R.right - 4, R.bottom - 4);
    ASSERT_EQ(ChildWindowFromPoint(Client, POINT{R.right - 4, R.bottom - 4}), Client);
    PostMessageA(Client, WM_LBUTTONDOWN, MK_LBUTTON, At);
    PostMessageA(Client, WM_LBUTTONUP, 0, At);
    PostMessageA(Client, WM_LBUTTONDBLCLK, MK_LBUTTON, At);
    PostMessageA(Client, WM_LBUTTONUP, 0, At);
    Pump();
    EXPECT_TRUE(Dialogs.Saw("Open File ...."));
    EXPECT_TRUE(Dialogs.AllUsed());
}
