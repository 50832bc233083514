// Tindrel.dll as the IDE uses it: loaded from the wizzards folder, its
// three exports called, the wizard driven through the library's own modal
// dialog hook, and the library unloaded again.
#include <gtest/gtest.h>

#include <cstdint>

#include "framework/rtl/CallConv.h"
#include "framework/rtl/FileUtils.h"
#include "tests/wizards/dos/win/TindrelScript.h"
#include "tests/wizards/dos/win/WizardTestHelpers.h"
#include "wizards/dos/ProjectGenerator.h"
#include "wizards/dos/win/WizardTitle.h"

namespace {

using TWizzardName = const char*(QRN_CALL*)(char* Buffer);
using TWizzardVersion = uint16_t(QRN_CALL*)();
using TExecuteWizzard = const char*(QRN_CALL*)(char* Buffer);

class TindrelLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Lib = LoadLibraryA(TindrelPath().c_str());
        ASSERT_NE(Lib, nullptr) << TindrelPath();
        Name = Export<TWizzardName>(Lib, "WizzardName");
        Version = Export<TWizzardVersion>(Lib, "WizzardVersion");
        Execute = Export<TExecuteWizzard>(Lib, "ExecuteWizzard");
        SetHook = Export<TSetWizzardDialogHook>(Lib, "SetWizzardDialogHook");
        ASSERT_TRUE(Name && Version && Execute && SetHook);
    }
    void TearDown() override {
        if (Lib) FreeLibrary(Lib);
        Pump();
    }
    HMODULE Lib = nullptr;
    TWizzardName Name = nullptr;
    TWizzardVersion Version = nullptr;
    TExecuteWizzard Execute = nullptr;
    TSetWizzardDialogHook SetHook = nullptr;
    char Buffer[1024] = {};
};

TEST_F(TindrelLoaderTest, NameAndVersion) {
    EXPECT_STREQ(Name(Buffer), "DOS Application Wizzard");
    EXPECT_EQ(Buffer[0], '\0');  // the host's buffer is not used
    EXPECT_EQ(Version(), 0x0100);
}

TEST_F(TindrelLoaderTest, CancelReturnsAnEmptyPathAndWritesNothing) {
    TTestFolder Folder;
    TTindrelScript Script;
    SetHook(DriveTindrel, &Script);
    const char* Result = Execute(Buffer);
    ASSERT_NE(Result, nullptr);
    EXPECT_STREQ(Result, "");
    EXPECT_EQ(Script.Forms, 1);
    EXPECT_EQ(Script.Clicks, 1);
    EXPECT_EQ(Script.FirstCaption, "Dos Application Wizzard : Step 1 of 3");
    EXPECT_TRUE(Folder.Empty());
    SetHook(nullptr, nullptr);
}

TEST_F(TindrelLoaderTest, NextNextFinishWritesTheProject) {
    TTestFolder Folder;
    TTindrelScript Script;
    Script.Folder = Folder.Dir();
    Script.Name = "hello";
    SetHook(DriveTindrel, &Script);
    const char* Result = Execute(Buffer);
    const std::string Expected = Folder.Dir() + "\\hello.qrn";
    EXPECT_STREQ(Result, Expected.c_str());
    EXPECT_EQ(Script.Clicks, 3);  // Back and the third Next found nothing to click
    TDosWizardChoices C;
    C.ProjectName = "hello";
    C.ProjectPath = Folder.Dir();
    // The library's title is built from the same host executable.
    const TDosProject P = GenerateDosProject(C, WizardTitleString());
    EXPECT_EQ(ReadFileToString(Expected), P.ProjectText);
    EXPECT_EQ(ReadFileToString(Folder.Dir() + "\\hello.asm"), P.SourceText);
    // The text stays until the next call, which replaces it.
    EXPECT_STREQ(Result, Expected.c_str());
    Script.Folder.clear();
    EXPECT_STREQ(Execute(Buffer), "");
    SetHook(nullptr, nullptr);
}

TEST(TindrelLoader, LoadsRunsAndUnloadsFiveTimes) {
    for (int Round = 0; Round < 5; ++Round) {
        HMODULE Lib = LoadLibraryA(TindrelPath().c_str());
        ASSERT_NE(Lib, nullptr);
        char Buffer[1024] = {};
        EXPECT_STREQ(Export<TWizzardName>(Lib, "WizzardName")(Buffer), "DOS Application Wizzard");
        EXPECT_EQ(Export<TWizzardVersion>(Lib, "WizzardVersion")(), 0x0100);
        TTindrelScript Script;
        Export<TSetWizzardDialogHook>(Lib, "SetWizzardDialogHook")(DriveTindrel, &Script);
        EXPECT_STREQ(Export<TExecuteWizzard>(Lib, "ExecuteWizzard")(Buffer), "") << "round " << Round;
        EXPECT_EQ(Script.Forms, 1);
        ASSERT_TRUE(FreeLibrary(Lib));
        // Nothing of the library stays behind: no form, no window class.
        WNDCLASSA C{};
        EXPECT_FALSE(GetClassInfoA(Lib, "TMainForm", &C)) << "round " << Round;
        EXPECT_EQ(FindWindowA("TMainForm", nullptr), nullptr);
        Pump();
    }
}

}  // namespace
