// The built libraries, loaded by path as another program would: prefs.dll
// through its test seam (its own framework copy answers its dialogs).
#include <gtest/gtest.h>

#include "controls/UtilProcs.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "ide/win/PluginCalls.h"
#include "prefs/dll/PrefsTestSeam.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/LoadedLibrary.h"
#include "tests/common/win/WinTestHelpers.h"

namespace {

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

    TLoadedLibrary Library{"prefs.dll"};
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
    TLoadedLibrary Library("prefs.dll");
    ASSERT_NE(Library.Module(), nullptr);
    EXPECT_EQ(Library.Proc<void*>("PrefsExecute"), nullptr);
    EXPECT_EQ(Library.Proc<void*>("_Execute"), nullptr);
    EXPECT_NE(Library.Proc<void*>("Execute"), nullptr);
}
