// The built libraries, loaded by path as another program would: prefs.dll
// through its test seam (its own framework copy answers its dialogs) and
// Pelmora.dll with its message box answered from outside, as a user would.
#include <gtest/gtest.h>

#include "controls/UtilProcs.h"
#include "designer/host/win/DesignerUnavailable.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "ide/win/PluginCalls.h"
#include "prefs/dll/PrefsTestSeam.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/WinTestHelpers.h"

namespace {

// A library of bin/ beside testbin/, unloaded when this goes.
class TLibrary {
public:
    explicit TLibrary(const std::string& Name) : FModule(LoadLibraryA((GetExeDir() + "..\\bin\\" + Name).c_str())) {}
    ~TLibrary() {
        if (FModule) FreeLibrary(FModule);
    }
    template <class TProc>
    TProc Proc(const char* Name) const {
        return FModule ? reinterpret_cast<TProc>(reinterpret_cast<void*>(GetProcAddress(FModule, Name))) : nullptr;
    }
    HMODULE Module() const { return FModule; }

private:
    HMODULE FModule;
};

class PrefsLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Library.Module(), nullptr);
        Execute = Library.Proc<TPrefsExecuteProc>("Execute");
        SetSeam = Library.Proc<TSetPrefsTestSeam>("SetPrefsTestSeam");
        ASSERT_NE(Execute, nullptr);
        ASSERT_NE(SetSeam, nullptr);
    }
    void TearDown() override {
        if (SetSeam) SetSeam(nullptr);
    }
    void Run(const char* Edits, int Answer) {
        const std::string KeyPath = Key.Path() + "\\";
        const TPrefsTestSeam Seam{KeyPath.c_str(), Data.Path().c_str(), Edits, Answer, &Shown, "E:\\x"};
        SetSeam(&Seam);
        Execute();
    }
    std::string Stored(const std::string& Name) { return ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name); }

    TLibrary Library{"prefs.dll"};
    TPrefsExecuteProc Execute = nullptr;
    TSetPrefsTestSeam SetSeam = nullptr;
    TScratchKey Key;
    TTestFolder Data;
    int Shown = 0;
};

}  // namespace

TEST_F(PrefsLibraryTest, ExecuteEditsAndWritesTheSettingsAndTools) {
    WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\TdPath", "C:\\td.exe");
    Run("TasmPathEdit=C:\\tasm\\tasm.exe\nIncludesEdit=C:\\inc\nCleanFilesCheck=1\n"
        "ToolsMemo=notepad.exe|a.txt\\ncalc.exe|",
        mrOk);
    EXPECT_EQ(Shown, 1);
    EXPECT_EQ(Stored("TasmPath"), "C:\\tasm\\tasm.exe");
    EXPECT_EQ(Stored("Includes"), "C:\\inc");
    EXPECT_EQ(Stored("TdPath"), "C:\\td.exe");
    EXPECT_EQ(Stored("CleanFiles"), "1");
    EXPECT_EQ(ReadFileToString(Data / "tools.dat"), "notepad.exe|a.txt\r\ncalc.exe|\r\n");
    EXPECT_FALSE(FileExists(Data / "templates.dat"));
}

TEST_F(PrefsLibraryTest, CancelLeavesTheKeyEmpty) {
    Run("TasmPathEdit=C:\\x.exe", mrCancel);
    EXPECT_EQ(Shown, 1);
    EXPECT_EQ(Stored("TasmPath"), "");
    EXPECT_FALSE(FileExists(Data / "tools.dat"));
}

TEST(PrefsLibraryExports, OnlyTheUndecoratedNames) {
    TLibrary Library("prefs.dll");
    ASSERT_NE(Library.Module(), nullptr);
    EXPECT_EQ(Library.Proc<void*>("PrefsExecute"), nullptr);
    EXPECT_EQ(Library.Proc<void*>("_Execute"), nullptr);
    EXPECT_NE(Library.Proc<void*>("Execute"), nullptr);
}

TEST(DesignerEntry, SaysTheDesignerIsMissingOnceAndReturnsTrue) {
    std::vector<std::string> Boxes;
    TModalDialogHook Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Boxes.push_back(R.Caption + ": " + R.Text);
        return IDOK;
    });
    EXPECT_TRUE(ExecuteDesigner("C:\\p\\win.qrn"));
    SetModalDialogHook(Old);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], std::string("Form Designer: ") + DesignerUnavailableText);
}

namespace {

std::string BoxText;
int BoxesAnswered = 0;

// Plays the user: presses OK on the designer's message box.
void CALLBACK PressOk(HWND, UINT, UINT_PTR, DWORD) {
    HWND Box = FindWindowA("#32770", DesignerUnavailableCaption);
    if (!Box) return;
    char Text[512] = {};
    GetDlgItemTextA(Box, 0xFFFF, Text, sizeof(Text));
    BoxText = Text;
    ++BoxesAnswered;
    PostMessageA(Box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(DesignerLibrary, ExecuteByPathReturnsTrueAfterItsMessage) {
    TLibrary Library("Pelmora.dll");
    ASSERT_NE(Library.Module(), nullptr);
    const auto Execute = Library.Proc<TPelmoraExecuteProc>("Execute");
    ASSERT_NE(Execute, nullptr);
    const UINT_PTR Timer = SetTimer(nullptr, 0, 50, PressOk);
    const bool Result = Execute("C:\\project\\win.qrn");
    KillTimer(nullptr, Timer);
    EXPECT_TRUE(Result);
    EXPECT_EQ(BoxesAnswered, 1);
    EXPECT_EQ(BoxText, DesignerUnavailableText);
}
