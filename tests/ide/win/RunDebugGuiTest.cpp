// Run Project and Run in debugger through the IDE's commands, with the
// stand-in tools and run target.
#include <gtest/gtest.h>

#include "ide/IdeTexts.h"
#include "tests/ide/win/BuildGuiFixture.h"

namespace {

using RunDebugGui = TBuildGuiTest;

}  // namespace

TEST_F(RunDebugGui, RunIsRefusedUntilABuildSucceededThenStartsTheQuotedTarget) {
    Ctl->RunProject();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], IdeTexts::ProjectNotBuilt);
    EXPECT_TRUE(Log().empty());

    Ctl->BuildProject(false);
    ASSERT_TRUE(Ide.Built);
    SetCurrentDir(Temp.Path());
    Ctl->RunProject();
    const std::vector<TToolLogEntry> L = LogWithAtLeast(4);
    ASSERT_EQ(L.size(), 4u);
    EXPECT_EQ(L[3].Cmd, "\"" + Proj.Path() + "\\main.exe\"");
    // Run leaves the current folder alone.
    EXPECT_TRUE(CurrentIs(Temp.Path()));
    EXPECT_EQ(Boxes.size(), 1u);
}

TEST_F(RunDebugGui, KindTwoRunsTheComFile) {
    Ide.Proj.Kind = pkDosCom;
    Ide.Proj.Files = {"main.asm"};
    Store("TLinkParams", "/t");
    Ctl->BuildProject(false);
    Ctl->RunProject();
    const std::vector<TToolLogEntry> L = LogWithAtLeast(3);
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[2].Cmd, "\"" + Proj.Path() + "\\main.com\"");
}

TEST_F(RunDebugGui, TheDebuggerGetsTheTargetsShortPathInTheProjectFolder) {
    SetCurrentDir(Temp.Path());
    // The debugger does not wait for a build.
    Ctl->RunInDebugger();
    const std::vector<TToolLogEntry> L = LogWithAtLeast(1);
    ASSERT_EQ(L.size(), 1u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "td.exe " + GetShortPath(Proj.Path() + "\\main.exe"));
    EXPECT_TRUE(InFolder(L[0], Proj.Path()));
    EXPECT_TRUE(CurrentIs(Proj.Path()));
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(RunDebugGui, KindFiveDebugsWithTd32) {
    Ide.Proj.Kind = pkWin32Exe;
    Ctl->RunInDebugger();
    const std::vector<TToolLogEntry> L = LogWithAtLeast(1);
    ASSERT_EQ(L.size(), 1u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "td32.exe  " + GetShortPath(Proj.Path() + "\\main.exe"));
}

TEST_F(RunDebugGui, ADllProjectIsRefusedByBothCommands) {
    Ide.Proj.Kind = pkWin32Dll;
    Ide.Built = true;
    Ctl->RunProject();
    Ctl->RunInDebugger();
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0], IdeTexts::CannotRunDll);
    EXPECT_EQ(Boxes[1], IdeTexts::CannotRunDll);
    Sleep(200);
    EXPECT_TRUE(Log().empty());
}

TEST_F(RunDebugGui, TheDebuggerNeedsItsPath) {
    TScratchKey Empty;
    SetSettingsKeyPathForTesting(Empty.Path() + "\\");
    Ctl->RunInDebugger();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], IdeTexts::TdPathMissing);
}

TEST_F(RunDebugGui, NothingHappensWithoutAProject) {
    Ide.Open = false;
    Ide.Built = true;
    Ctl->RunProject();
    Ctl->RunInDebugger();
    Sleep(200);
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Log().empty());
}
