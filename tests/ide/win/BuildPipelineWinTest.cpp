// Whole builds, runs and force compiles with the stand-in tools: real
// processes through command.com, settings in a throwaway registry key, the
// stand-ins' log showing each command line and the folder it ran in.
#include <gtest/gtest.h>

#include "ide/BuildPipeline.h"
#include "ide/IdeTexts.h"
#include "tests/ide/BuildRecorders.h"
#include "tests/ide/win/BuildToolsFixture.h"

namespace {

const std::string CommandCom = "command.com /c ";

bool Contains(const std::vector<std::string>& Lines, const std::string& Part) {
    for (const std::string& L : Lines)
        if (L.find(Part) != std::string::npos) return true;
    return false;
}

class EndToEnd : public TBuildToolsTest {
protected:
    void SetUp() override {
        TBuildToolsTest::SetUp();
        Project.Name = "Demo";
        Project.Kind = pkDosExe;
        Project.Dir = Proj.Path();
        Project.Files = {"main.asm", "util.asm"};
    }

    TBuildResult Build(bool Debug = false) {
        TBuildServices Svc{View, DefaultToolRunner(), GetShortPath, &Desktop};
        return BuildProject(Project, ReadBuildSettings(), Debug, Svc);
    }
    // The assembler's command line as the stand-in sees it (after command.com).
    std::string AssemblerArgs(const std::string& File, const std::string& Tail = " ") const {
        return FakeToolsDir() + "tasm.exe /ml " + ShortSource(File) + Tail;
    }

    TProjectInfo Project;
    TRecordingView View;
    TRecordingDesktop Desktop;
};

using TLogEntry = TToolLogEntry;

}  // namespace

TEST_F(EndToEnd, CleanTwoFileBuildAssemblesBothLinksAndSucceeds) {
    // The command.com beside this program runs the line: the interpreter
    // COMSPEC names is not wanted then.
    TEnvironmentOverride ComSpec("COMSPEC", "C:\\nowhere\\shell.exe");
    const TBuildResult R = Build();
    EXPECT_TRUE(R.Success) << R.Refusal;
    const std::vector<TLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, AssemblerArgs("main.asm"));
    EXPECT_EQ(L[1].Cmd, AssemblerArgs("util.asm"));
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink.exe main+util");
    for (const TLogEntry& E : L) EXPECT_TRUE(InFolder(E, Proj.Path())) << E.Dir;
    EXPECT_EQ(View.Messages[1], "Executing " + CommandCom + L[0].Cmd);
    EXPECT_EQ(View.Messages.back(), "Success.");
    EXPECT_EQ(View.Output.back(), "Success.");
    EXPECT_TRUE(Contains(View.Output, "Assembling file:"));
    EXPECT_TRUE(Contains(View.Output, "Fake Linker"));
    EXPECT_FALSE(Contains(View.Output, "standard error"));
    for (const char* F : {"main.obj", "util.obj", "main.map", "main.exe"}) EXPECT_TRUE(FileExists(Proj / F)) << F;
    EXPECT_TRUE(CurrentIs(GetCurrentDir()));
    EXPECT_EQ(View.ButtonCaption, "Done");
    EXPECT_FALSE(View.MainEnabled);
}

TEST_F(EndToEnd, AnErrorInTheFirstFileStopsTheBuildInTheProjectFolder) {
    Proj.Write("main.asm", "; main\r\n mov ax, FOO ;FAKE_ERROR Undefined symbol: FOO\r\n");
    EXPECT_FALSE(Build().Success);
    const std::vector<TLogEntry> L = Log();
    ASSERT_EQ(L.size(), 1u);
    const std::string Source = ShortSource("main.asm");
    EXPECT_EQ(View.Messages.back(), "**Error** " + Source + "(2) Undefined symbol: FOO");
    EXPECT_EQ(View.Panel(TProgressPanel::Compiling), IdeTexts::CompilingGotErrors);
    EXPECT_FALSE(FileExists(Proj / "util.obj"));
    EXPECT_FALSE(FileExists(Proj / "main.exe"));
    EXPECT_TRUE(CurrentIs(Proj.Path()));
    EXPECT_FALSE(View.MainEnabled);
}

TEST_F(EndToEnd, WarningsAloneStillLink) {
    Proj.Write("util.asm", "; util\r\n ret ;FAKE_WARNING Reserved word\r\n");
    EXPECT_TRUE(Build().Success);
    EXPECT_EQ(Log().size(), 3u);
    EXPECT_TRUE(Contains(View.Messages, "*Warning* "));
    EXPECT_TRUE(Contains(View.Messages, "util.asm(2) Reserved word"));
}

TEST_F(EndToEnd, LinkerErrorsFailInTheProjectFolder) {
    Proj.Write("util.asm", "; util\r\n call Missing ;FAKE_LINK_ERROR Undefined symbol MISSING\r\n");
    EXPECT_FALSE(Build().Success);
    EXPECT_EQ(Log().size(), 3u);
    EXPECT_EQ(View.Messages.back(), "Error: Undefined symbol MISSING in module util.obj");
    EXPECT_EQ(View.Panel(TProgressPanel::Linking), IdeTexts::LinkingGotErrors);
    EXPECT_TRUE(CurrentIs(Proj.Path()));
}

TEST_F(EndToEnd, KindFiveRunsTheThirtyTwoBitToolsFromTheConfiguredFolders) {
    Project.Kind = pkWin32Exe;
    EXPECT_TRUE(Build().Success);
    const std::vector<TLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm32.exe /mx /c " + ShortSource("main.asm") + " ");
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink32.exe main+util import32.lib -Tpe -aa");
}

TEST_F(EndToEnd, BuildDebugPassesTheDebugSwitches) {
    Store("TasmParams", "/w2");
    EXPECT_TRUE(Build(true).Success);
    const std::vector<TLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, AssemblerArgs("main.asm", "  /zi/w2"));
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink.exe main+util/v ");
}

TEST_F(EndToEnd, CleanFilesWipesMapAndObjectFiles) {
    Store("CleanFiles", "1");
    EXPECT_TRUE(Build().Success);
    for (const char* F : {"main.obj", "util.obj", "main.map"}) EXPECT_FALSE(FileExists(Proj / F)) << F;
    EXPECT_TRUE(FileExists(Proj / "main.exe"));
    EXPECT_TRUE(FileExists(Proj / "main.asm"));
    EXPECT_EQ(View.Messages.back(), IdeTexts::DoneCleaning);
}

TEST_F(EndToEnd, RunStartsTheBuiltProgramAndTheDebuggerItsShortPath) {
    ASSERT_TRUE(Build().Success);
    ASSERT_TRUE(Launch(PlanRunProject(Project, true), DefaultToolRunner()));
    std::vector<TLogEntry> L = LogWithAtLeast(4);
    ASSERT_EQ(L.size(), 4u);
    EXPECT_EQ(L[3].Cmd, "\"" + Project.Dir + "\\main.exe\"");

    SetCurrentDir(Temp.Path());
    const TLaunchPlan Debug = PlanRunInDebugger(Project, ReadBuildSettings().Tools, GetShortPath);
    ASSERT_TRUE(Launch(Debug, DefaultToolRunner()));
    L = LogWithAtLeast(5);
    ASSERT_EQ(L.size(), 5u);
    EXPECT_EQ(L[4].Cmd, FakeToolsDir() + "td.exe " + GetShortPath(Project.Dir + "\\main.exe"));
    EXPECT_TRUE(InFolder(L[4], Proj.Path()));
}

TEST_F(EndToEnd, KindFiveDebugsWithTheThirtyTwoBitDebugger) {
    Project.Kind = pkWin32Exe;
    ASSERT_TRUE(Build().Success);
    ASSERT_TRUE(Launch(PlanRunInDebugger(Project, ReadBuildSettings().Tools, GetShortPath), DefaultToolRunner()));
    const std::vector<TLogEntry> L = LogWithAtLeast(4);
    ASSERT_EQ(L.size(), 4u);
    EXPECT_EQ(L[3].Cmd, FakeToolsDir() + "td32.exe  " + GetShortPath(Project.Dir + "\\main.exe"));
}

TEST_F(EndToEnd, KindTwoRunsTheComFile) {
    Project.Kind = pkDosCom;
    Project.Files = {"main.asm"};
    Store("TLinkParams", "/t");
    ASSERT_TRUE(Build().Success);
    EXPECT_TRUE(FileExists(Proj / "main.com"));
    ASSERT_TRUE(Launch(PlanRunProject(Project, true), DefaultToolRunner()));
    const std::vector<TLogEntry> L = LogWithAtLeast(3);
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[2].Cmd, "\"" + Project.Dir + "\\main.com\"");
}

TEST_F(EndToEnd, ForceCompileAssemblesAndLinksALooseFile) {
    TTestFolder Loose;
    Loose.Write("solo.asm", "; solo\r\n ret\r\n");
    const TBuildSettings S = ReadBuildSettings();
    const TForceCompilePlan Plan = PlanForceCompile(S.Tools, Loose / "solo.asm", Project.Dir);
    ASSERT_EQ(Plan.Refusal, "");
    TBuildServices Svc{View, DefaultToolRunner(), GetShortPath, nullptr};
    EXPECT_TRUE(ForceCompile(Plan.Target, {"/la", "/m", false}, S, Svc));
    const std::vector<TLogEntry> L = Log();
    ASSERT_EQ(L.size(), 2u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm.exe /m  /la " + GetShortPath(Loose / "solo.asm"));
    EXPECT_EQ(L[1].Cmd, FakeToolsDir() + "tlink.exe solo /m");
    for (const TLogEntry& E : L) EXPECT_TRUE(InFolder(E, Loose.Path())) << E.Dir;
    EXPECT_TRUE(FileExists(Loose / "solo.exe"));
    EXPECT_EQ(View.Messages.back(), "Success.");
}

TEST_F(EndToEnd, ForceCompileWithoutLinkingOfAProjectFileByBareName) {
    const TBuildSettings S = ReadBuildSettings();
    const TForceCompilePlan Plan = PlanForceCompile(S.Tools, "main.asm", Project.Dir);
    ASSERT_EQ(Plan.Refusal, "");
    TBuildServices Svc{View, DefaultToolRunner(), GetShortPath, nullptr};
    EXPECT_TRUE(ForceCompile(Plan.Target, {"", "", true}, S, Svc));
    const std::vector<TLogEntry> L = Log();
    ASSERT_EQ(L.size(), 1u);
    EXPECT_TRUE(InFolder(L[0], Proj.Path()));
    EXPECT_TRUE(FileExists(Proj / "main.obj"));
    EXPECT_FALSE(FileExists(Proj / "main.exe"));
    EXPECT_EQ(View.Panel(TProgressPanel::Linking), IdeTexts::LinkingNotSelected);
}

TEST_F(EndToEnd, EmptySettingsRefuseEveryCommand) {
    TScratchKey Empty;
    SetSettingsKeyPathForTesting(Empty.Path() + "\\");
    const TBuildSettings S = ReadBuildSettings();
    EXPECT_EQ(Build().Refusal, IdeTexts::TasmPathMissing);
    EXPECT_EQ(PlanForceCompile(S.Tools, Proj / "main.asm", Project.Dir).Refusal, IdeTexts::TasmPathMissing);
    EXPECT_EQ(PlanRunInDebugger(Project, S.Tools, GetShortPath).Refusal, IdeTexts::TdPathMissing);
    EXPECT_EQ(PlanRunProject(Project, false).Refusal, IdeTexts::ProjectNotBuilt);
    EXPECT_TRUE(View.Events.empty());
    EXPECT_TRUE(Log().empty());
}

TEST(DesktopLinkerWindow, NoWindowWithTheTitleMeansNoKeys) {
    EXPECT_FALSE(DismissLinkerWindow(DefaultLinkerWindowInput(), "C:\\no such\\linker window 7f3a.exe"));
}
