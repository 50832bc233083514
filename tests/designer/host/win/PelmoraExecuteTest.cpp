// The designer library as the IDE calls it: Pelmora.dll loaded by path,
// Execute on a project in a temporary folder, the user played from a
// timer (message boxes answered, the designed window closed), and the
// files the run writes compared with golden files.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

#include "designer/engine/win/LiteDesigner.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/Registry.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "ide/win/PluginCalls.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/LoadedLibrary.h"
#include "tests/designer/host/win/GeneratedProgram.h"

namespace {

const std::string GoldenDir = std::string(QRN_SOURCE_DIR) + "/tests/designer/host/golden/";

// The user, played from a timer that runs inside the library's modal loop.
struct TPlayer {
    std::vector<std::string> Boxes;  // texts of the message boxes answered
    int Closes = 0;                  // how often "Main Window" was closed
    int MaxCloses = 1;
    int Ticks = 0;
    std::function<void()> BeforeClose;  // runs once the designed window shows
};
TPlayer* GPlayer = nullptr;

HWND ThreadWindow(const char* Class, const char* Title) {
    HWND W = FindWindowA(Class, Title);
    return W && GetWindowThreadProcessId(W, nullptr) == GetCurrentThreadId() ? W : nullptr;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TPlayer& P = *GPlayer;
    ++P.Ticks;
    if (HWND Box = ThreadWindow("#32770", nullptr)) {
        char Text[1024] = {};
        GetDlgItemTextA(Box, 0xFFFF, Text, sizeof(Text));
        P.Boxes.push_back(Text);
        PostMessageA(Box, WM_COMMAND, IDOK, 0);
        return;
    }
    HWND Window = ThreadWindow(nullptr, "Main Window");
    if (Window && IsWindowVisible(Window) && P.Closes < P.MaxCloses && P.Ticks > 10) {
        // Taken first: it may leave the step for the next close.
        if (auto Step = std::exchange(P.BeforeClose, nullptr)) Step();
        ++P.Closes;
        PostMessageA(Window, WM_CLOSE, 0, 0);
        P.Ticks = 0;
    }
    // A run that never ends is ended by closing the host.
    if (P.Ticks > 400)
        if (HWND Host = ThreadWindow(nullptr, "Designer")) PostMessageA(Host, WM_CLOSE, 0, 0);
}

// The library saves its options under the user's own key when a run ends;
// the tests leave that key as they found it.
struct TUserKeyGuard {
    const std::string Key = "\\" + std::string(DefaultDesignerBaseKey);
    bool Existed = TRegistry().KeyExists(Key);
    ~TUserKeyGuard() {
        if (!Existed) TRegistry().DeleteKey(Key);
    }
};

class PelmoraExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Library.Module(), nullptr);
        Execute = Library.Proc<TPelmoraExecuteProc>("Execute");
        ASSERT_NE(Execute, nullptr);
    }
    bool Run(const std::string& ProjectFile) {
        GPlayer = &Player;
        const UINT_PTR Timer = SetTimer(nullptr, 0, 50, Tick);
        const bool Result = Execute(ProjectFile.c_str());
        KillTimer(nullptr, Timer);
        GPlayer = nullptr;
        return Result;
    }
    std::string Project(const std::string& Lines) { return Dir.Write("win.qrn", Lines); }
    // The three generated files against the golden ones of a case.
    void ExpectGenerated(const std::string& Case) {
        for (const char* Name : {"appvar.inc", "window1.def", "wmcreate.inc"}) {
            const std::string Got = ReadFileToString(Dir / Name);
            const std::string Golden = GoldenDir + Case + "/" + Name;
            if (getenv("QRN_WRITE_GOLDEN")) WriteFileAtomic(Golden, Got);
            EXPECT_EQ(Got, ReadFileToString(Golden)) << Name;
        }
    }

    TUserKeyGuard UserKey;  // first made, last gone: after the library is unloaded
    TLoadedLibrary Library{"Pelmora.dll"};
    TPelmoraExecuteProc Execute = nullptr;
    TTestFolder Dir;
    TPlayer Player;
};

const char* const ProjectWithForm = "project win\r\naddform  window1.frm\r\nkind 5\r\nend\r\n";

// One control of each supported class and a memo, saved as the host saves.
void WriteFormWithEveryControl(const std::string& Path) {
    std::unique_ptr<TForm, TObjectFree> F(new TForm(nullptr));
    F->SetName("Window1");
    F->SetCaption("Main Window");
    F->SetBounds(320, 200, 640, 480);
    int Top = 8;
    auto Place = [&](TControl* C, const std::string& Name) {
        C->SetName(Name);
        C->SetParent(F.get());
        C->SetBounds(16, Top, 120, 24);
        Top += 32;
    };
    auto* Button = new TButton(F.get());
    Place(Button, "Button1");
    Button->SetCaption("Say \"hi\"");
    auto* Label = new TLabel(F.get());
    Place(Label, "Label1");
    Label->SetCaption("a;b>c");
    Place(new TComboBox(F.get()), "ComboBox1");
    auto* Edit = new TEdit(F.get());
    Place(Edit, "Edit1");
    Edit->SetText("");
    Place(new TListBox(F.get()), "ListBox1");
    Place(new TCheckBox(F.get()), "CheckBox1");
    Place(new TRadioButton(F.get()), "RadioButton1");
    Place(new TScrollBar(F.get()), "ScrollBar1");
    Place(new TPanel(F.get()), "Panel1");
    auto* Memo = new TMemo(F.get());
    Place(Memo, "Memo1");
    Memo->Lines()->SetText("one\r\ntwo\r\n");
    auto* D = new TZelLiteDesigner(F.get());
    D->SetName("Tarns");
    D->SaveToFile(Path);
}

// Every supported control, hidden, checked and unchecked, with captions
// holding quotes, a leading tab and characters below 32, on a window of a
// plain colour whose cursor the system does not have.
void WriteFormToRun(const std::string& Path) {
    std::unique_ptr<TForm, TObjectFree> F(new TForm(nullptr));
    F->SetName("Window1");
    F->SetCaption("Main Window");
    F->SetBounds(240, 160, 400, 330);
    SetPropValue(F.get(), "Color", "clTeal");
    SetPropValue(F.get(), "Cursor", "crHSplit");
    SetPropValue(F.get(), "BorderStyle", "bsSingle");
    SetPropValue(F.get(), "BorderIcons", "[biSystemMenu,biMinimize]");
    int Slot = 0;  // two columns
    auto Place = [&](auto* C, const std::string& Name) {
        TControl* Control = C;
        Control->SetName(Name);
        Control->SetParent(F.get());
        Control->SetBounds(16 + Slot % 2 * 184, 8 + Slot / 2 * 40, 160, 24);
        ++Slot;
        return C;
    };
    Place(new TButton(F.get()), "Button1")->SetCaption("Say \"hi\"");
    auto* Hidden = Place(new TButton(F.get()), "Button2");
    Hidden->SetCaption("Hidden");
    Hidden->SetVisible(false);
    Place(new TLabel(F.get()), "Label1")->SetCaption("\tTab, \x01 and 'it'");
    Place(new TEdit(F.get()), "Edit1")->SetText("it's \"quoted\"");
    Place(new TComboBox(F.get()), "ComboBox1");
    Place(new TListBox(F.get()), "ListBox1");
    auto* Checked = Place(new TCheckBox(F.get()), "CheckBox1");
    Checked->SetCaption("Checked");
    Checked->SetChecked(true);
    Place(new TCheckBox(F.get()), "CheckBox2")->SetCaption("Not checked");
    auto* Radio = Place(new TRadioButton(F.get()), "RadioButton1");
    Radio->SetCaption("Chosen");
    Radio->SetChecked(true);
    Place(new TRadioButton(F.get()), "RadioButton2")->SetCaption("Not chosen");
    Place(new TScrollBar(F.get()), "ScrollBar1");
    Place(new TPanel(F.get()), "Panel1")->SetCaption("Line 1\r\nLine 2");
    auto* D = new TZelLiteDesigner(F.get());
    D->SetName("Tarns");
    D->SaveToFile(Path);
}

}  // namespace

TEST_F(PelmoraExecuteTest, ANewFormIsSavedAndWrittenAsAssemblySource) {
    EXPECT_TRUE(Run(Project(ProjectWithForm)));
    EXPECT_EQ(Player.Boxes, std::vector<std::string>{});
    EXPECT_EQ(Player.Closes, 1);
    const std::string Form = ReadFileToString(Dir / "window1.frm");
    EXPECT_EQ(Form.substr(0, 12), std::string("\xFF\x0A\x00TWINDOW1\x00", 12));
    EXPECT_NE(Form.find("Tarns"), std::string::npos);
    ExpectGenerated("empty");
}

TEST_F(PelmoraExecuteTest, AFormWithEveryControlGivesEachItsCode) {
    WriteFormWithEveryControl(Dir / "window1.frm");
    // The picture for the README: host, palette, inspector and the window.
    Player.BeforeClose = [] { CaptureWindowToFile(GetDesktopWindow(), TestProgramFolder() + "designer.png"); };
    EXPECT_TRUE(Run(Project(ProjectWithForm)));
    EXPECT_EQ(Player.Boxes, std::vector<std::string>{});
    ExpectGenerated("controls");
    {
        TGeneratedProgram Program(ReadGeneratedSource(Dir.Dir(), "window1.def"));
        HWND Window = Program.Start();
        ExpectWindowShowsForm(Window, *ReadDesignedForm(Dir / "window1.frm"));
        // The picture for the README, beside the designer's.
        if (Window) CaptureWindowToFile(Window, TestProgramFolder() + "generated.png");
    }
    // Opened again, the saved form comes back with one designer component.
    RemoveFile(Dir / "appvar.inc");
    Player.MaxCloses = 2;
    EXPECT_TRUE(Run(Project(ProjectWithForm)));
    EXPECT_EQ(Player.Closes, 2);
    ExpectGenerated("controls");
    const std::string Form = ReadFileToString(Dir / "window1.frm");
    EXPECT_EQ(Form.find("TZelLiteDesigner"), Form.rfind("TZelLiteDesigner"));
    EXPECT_NE(Form.find("\x05Tarns"), std::string::npos);
}

TEST_F(PelmoraExecuteTest, EachProjectErrorIsShownAndTheNextRunStillWorks) {
    EXPECT_TRUE(Run(Project("project win\r\nkind 5\r\n")));
    EXPECT_TRUE(Run(Project("project win\r\naddform\r\nADDFORM x.frm\r\n")));
    EXPECT_TRUE(Run(""));
    const std::string Path = Dir / "win.qrn";
    ASSERT_EQ(Player.Boxes.size(), 3u);
    EXPECT_EQ(Player.Boxes[0], "Cannot find forms in " + Path + " !");
    EXPECT_EQ(Player.Boxes[1], "Well, I have a form but not a filename in " + Path + " !");
    EXPECT_FALSE(Player.Boxes[2].empty());
    EXPECT_EQ(Player.Closes, 0);
    // The same library, loaded all along, designs again.
    EXPECT_TRUE(Run(Project(ProjectWithForm)));
    EXPECT_EQ(Player.Closes, 1);
    EXPECT_TRUE(FileExists(Dir / "wmcreate.inc"));
}

TEST_F(PelmoraExecuteTest, AFileErrorKeepsTheHostOpenAndClosingAgainRetries) {
    // A folder where "appvar.inc" should go: the file cannot be written.
    CreateDir(Dir / "appvar.inc");
    Player.MaxCloses = 2;
    Player.BeforeClose = [this] {
        Player.BeforeClose = [this] { RemoveDir(Dir / "appvar.inc"); };
    };
    EXPECT_TRUE(Run(Project(ProjectWithForm)));
    EXPECT_EQ(Player.Closes, 2);
    ASSERT_EQ(Player.Boxes.size(), 1u);
    EXPECT_NE(Player.Boxes[0].find("appvar.inc"), std::string::npos);
    EXPECT_TRUE(FileExists(Dir / "appvar.inc"));
}

// The files the run writes, built and run as the example program: the
// windows made are the designed ones.
TEST_F(PelmoraExecuteTest, TheGeneratedProgramMakesTheDesignedWindow) {
    WriteFormToRun(Dir / "window1.frm");
    EXPECT_TRUE(Run(Project(ProjectWithForm)));
    EXPECT_EQ(Player.Boxes, std::vector<std::string>{});
    TGeneratedProgram Program(ReadGeneratedSource(Dir.Dir(), "window1.def"));
    ExpectWindowShowsForm(Program.Start(), *ReadDesignedForm(Dir / "window1.frm"));
}
