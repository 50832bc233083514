// The build engine with a scripted runner: order of steps, what the panes
// and the progress form show, refusals, the current folder and clean-up.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/rtl/FileUtils.h"
#include "ide/BuildPipeline.h"
#include "ide/IdeTexts.h"
#include "product/ProjectInfo.h"
#include "tests/common/TestFolder.h"
#include "tests/ide/BuildRecorders.h"

namespace {

std::string Same(const std::string& Path) { return Path; }

std::string S(std::string_view V) { return std::string(V); }

TBuildSettings Tools() {
    TBuildSettings S;
    S.Tools.TasmPath = "C:\\TASM\\BIN\\TASM.EXE";
    S.Tools.TLinkPath = "C:\\TASM\\BIN\\TLINK.EXE";
    S.Tools.TdPath = "C:\\TASM\\BIN\\TD.EXE";
    return S;
}

// A project in a fresh folder; the current folder is restored afterwards.
class BuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        FStartDir = GetCurrentDir();
        Project.Name = "Demo";
        Project.Kind = pkDosExe;
        Project.Dir = Folder.Path();
        Project.Files = {"main.asm", "util.asm"};
    }
    void TearDown() override { SetCurrentDir(FStartDir); }

    TBuildResult Build(bool Debug = false) { return BuildProject(Project, Settings, Debug, Services); }
    const std::string& StartDir() const { return FStartDir; }
    bool InProjectFolder() const { return SameFileName(IncludeTrailingPathDelimiter(GetCurrentDir()), Folder.Path()); }

    TTestFolder Folder;
    TProjectInfo Project;
    TBuildSettings Settings = Tools();
    TRecordingView View;
    TScriptedRunner Runner;
    TRecordingDesktop Desktop;
    TBuildServices Services{View, Runner, Same, &Desktop};

private:
    std::string FStartDir;
};

}  // namespace

TEST_F(BuildTest, MissingToolPathsRefuseBeforeAnythingHappens) {
    Settings.Tools.TasmPath.clear();
    TBuildResult R = Build();
    EXPECT_EQ(R.Refusal, IdeTexts::TasmPathMissing);
    Settings = Tools();
    Settings.Tools.TLinkPath.clear();
    R = Build();
    EXPECT_EQ(R.Refusal, IdeTexts::TLinkPathMissing);
    EXPECT_FALSE(R.Success);
    EXPECT_TRUE(View.Events.empty());
    EXPECT_TRUE(Runner.Commands.empty());
}

TEST_F(BuildTest, CleanBuildAssemblesEachFileThenLinksAndSucceeds) {
    Runner.Scripts = {{"main.asm", {"Assembling file: main.asm"}}, {"TLINK", {"Fake Linker"}}};
    const TBuildResult R = Build();
    EXPECT_TRUE(R.Success);
    EXPECT_TRUE(R.Refusal.empty());
    ASSERT_EQ(Runner.Commands.size(), 3u);
    EXPECT_NE(Runner.Commands[0].find("main.asm"), std::string::npos);
    EXPECT_NE(Runner.Commands[1].find("util.asm"), std::string::npos);
    EXPECT_EQ(Runner.Commands[2], "C:\\TASM\\BIN\\TLINK.EXE main+util");
    for (const std::string& F : Runner.Folders)
        EXPECT_TRUE(SameFileName(IncludeTrailingPathDelimiter(F), Folder.Path())) << F;

    const std::vector<std::string> Expected{
        "Compiling main.asm ...", "Executing " + Runner.Commands[0], "Compiling util.asm ...",
        "Executing " + Runner.Commands[1], "Linking Demo ...",     "Executing " + Runner.Commands[2],
        "Success."};
    EXPECT_EQ(View.Messages, Expected);
    const std::vector<std::string> Output{"Assembling file: main.asm", S(IdeTexts::LinkingBanner), "Fake Linker",
                                          "Success."};
    EXPECT_EQ(View.Output, Output);
    EXPECT_EQ(View.Panel(TProgressPanel::Project), "   Project : Demo");
    EXPECT_EQ(View.Panel(TProgressPanel::Compiling), IdeTexts::CompilingDone);
    EXPECT_EQ(View.Panel(TProgressPanel::Linking), IdeTexts::LinkingDone);
    EXPECT_EQ(View.Panel(TProgressPanel::Lines), "   Project Type : Dos Exe");
    EXPECT_EQ(View.ButtonCaption, "Done");
    EXPECT_TRUE(View.ButtonEnabled);
    // A successful build gives the folder back.
    EXPECT_TRUE(SameFileName(GetCurrentDir(), StartDir()));
}

TEST_F(BuildTest, SavesShowsProgressAndLeavesTheMainWindowDisabledForTheProgressForm) {
    Build();
    const std::vector<std::string> Events{"save", "progress", "main disabled", "messages page"};
    EXPECT_EQ(View.Events, Events);
    EXPECT_FALSE(View.MainEnabled);
}

TEST_F(BuildTest, AnErrorInTheFirstFileStopsBeforeTheSecondAndTheLinker) {
    const std::string ErrorLine = "**Error** main.asm(3) Undefined symbol: FOO";
    Runner.Scripts = {{"main.asm", {"Assembling file: main.asm", ErrorLine, "Error messages: 1"}}};
    const TBuildResult R = Build();
    EXPECT_FALSE(R.Success);
    ASSERT_EQ(Runner.Commands.size(), 1u);
    EXPECT_EQ(View.Messages.back(), ErrorLine);
    EXPECT_EQ(View.Output.size(), 3u);
    EXPECT_EQ(View.Panel(TProgressPanel::Compiling), IdeTexts::CompilingGotErrors);
    EXPECT_EQ(View.ButtonCaption, "Ok");
    EXPECT_TRUE(View.ButtonEnabled);
    EXPECT_FALSE(View.MainEnabled);
    EXPECT_TRUE(InProjectFolder());
}

TEST_F(BuildTest, FatalLinesFailAndWarningsOnlyAreReported) {
    Runner.Scripts = {{"util.asm", {"*Warning* util.asm(7) Reserved word used as symbol"}}};
    EXPECT_TRUE(Build().Success);
    EXPECT_EQ(Runner.Commands.size(), 3u);
    EXPECT_EQ(View.Messages[4], "*Warning* util.asm(7) Reserved word used as symbol");

    TRecordingView Second;
    TBuildServices Svc{Second, Runner, Same, nullptr};
    Runner.Scripts = {{"util.asm", {"**Fatal** util.asm(1) Out of memory"}}};
    EXPECT_FALSE(BuildProject(Project, Settings, false, Svc).Success);
    EXPECT_EQ(Second.Panel(TProgressPanel::Compiling), IdeTexts::CompilingGotErrors);
}

TEST_F(BuildTest, AnAssemblerThatCannotStartEndsTheBuildInTheProjectFolder) {
    Runner.Scripts = {{"main.asm", {}, false}};
    EXPECT_FALSE(Build().Success);
    EXPECT_EQ(Runner.Commands.size(), 1u);
    EXPECT_EQ(View.Panel(TProgressPanel::Compiling), IdeTexts::CompilingNotStarted);
    EXPECT_EQ(View.ButtonCaption, "Ok");
    EXPECT_TRUE(View.ButtonEnabled);
    EXPECT_TRUE(InProjectFolder());
}

TEST_F(BuildTest, LinkerErrorsAndALinkerThatCannotStartFail) {
    Runner.Scripts = {{"TLINK", {"Error: Undefined symbol FOO in module main.obj", "Warning: No stack"}}};
    EXPECT_FALSE(Build().Success);
    EXPECT_EQ(View.Panel(TProgressPanel::Linking), IdeTexts::LinkingGotErrors);
    EXPECT_EQ(View.Messages[View.Messages.size() - 2], "Error: Undefined symbol FOO in module main.obj");
    EXPECT_EQ(View.Messages.back(), "Warning: No stack");
    EXPECT_EQ(View.ButtonCaption, "Ok");
    EXPECT_TRUE(View.ButtonEnabled);
    EXPECT_TRUE(InProjectFolder());

    SetCurrentDir(StartDir());
    TRecordingView Second;
    TBuildServices Svc{Second, Runner, Same, nullptr};
    Runner.Scripts = {{"TLINK", {}, false}};
    EXPECT_FALSE(BuildProject(Project, Settings, false, Svc).Success);
    EXPECT_EQ(Second.Panel(TProgressPanel::Linking), IdeTexts::LinkingNotStarted);
    EXPECT_TRUE(InProjectFolder());
}

TEST_F(BuildTest, ProjectFolderThatCannotBeEnteredCountsAsNotStarted) {
    Project.Dir = Folder / "missing" + PathDelim;
    EXPECT_FALSE(Build().Success);
    EXPECT_TRUE(Runner.Commands.empty());
    EXPECT_EQ(View.Panel(TProgressPanel::Compiling), IdeTexts::CompilingNotStarted);
}

TEST_F(BuildTest, DebugBuildAddsTheSwitchesAndKeepsTheMessagesPage) {
    Build(true);
    ASSERT_EQ(Runner.Commands.size(), 3u);
    EXPECT_NE(Runner.Commands[0].find(" /zi"), std::string::npos);
    EXPECT_EQ(Runner.Commands[2], "C:\\TASM\\BIN\\TLINK.EXE main+util/v ");
    EXPECT_FALSE(View.Saw("messages page"));

    // A plain build afterwards carries neither switch.
    Runner.Commands.clear();
    Build(false);
    for (const std::string& C : Runner.Commands) {
        EXPECT_EQ(C.find("/zi"), std::string::npos) << C;
        EXPECT_EQ(C.find("/v"), std::string::npos) << C;
    }
}

TEST_F(BuildTest, KindFiveShowsItsNameAndUsesTheThirtyTwoBitTools) {
    Project.Kind = pkWin32Exe;
    Build();
    ASSERT_EQ(Runner.Commands.size(), 3u);
    EXPECT_EQ(Runner.Commands[0].rfind("command.com /c C:\\TASM\\BIN\\tasm32.exe /mx /c ", 0), 0u);
    EXPECT_EQ(Runner.Commands[2], "C:\\TASM\\BIN\\tlink32.exe main+util import32.lib -Tpe -aa");
    EXPECT_EQ(View.Panel(TProgressPanel::Lines), "   Project Type : Win32 Exe");
}

TEST_F(BuildTest, CleanFilesWipesMapAndObjectFilesAfterSuccessOnly) {
    Folder.Write("main.obj", "obj");
    Folder.Write("main.map", "map");
    Folder.Write("main.exe", "exe");
    Folder.Write("main.mapx", "keep");
    Settings.CleanFiles = 1;
    Runner.Scripts = {{"TLINK", {"Error: boom"}}};
    Build();
    EXPECT_TRUE(FileExists(Folder / "main.obj"));
    EXPECT_TRUE(FileExists(Folder / "main.map"));

    SetCurrentDir(StartDir());
    Runner.Scripts.clear();
    TRecordingView Second;
    TBuildServices Svc{Second, Runner, Same, nullptr};
    EXPECT_TRUE(BuildProject(Project, Settings, false, Svc).Success);
    EXPECT_FALSE(FileExists(Folder / "main.obj"));
    EXPECT_FALSE(FileExists(Folder / "main.map"));
    EXPECT_TRUE(FileExists(Folder / "main.exe"));
    EXPECT_TRUE(FileExists(Folder / "main.mapx"));
    const std::vector<std::string> Tail(Second.Messages.end() - 3, Second.Messages.end());
    EXPECT_EQ(Tail, (std::vector<std::string>{"Success.", S(IdeTexts::Cleaning), S(IdeTexts::DoneCleaning)}));
}

TEST_F(BuildTest, CleanFilesOffKeepsThem) {
    Folder.Write("main.obj", "obj");
    Folder.Write("main.map", "map");
    EXPECT_TRUE(Build().Success);
    EXPECT_TRUE(FileExists(Folder / "main.obj"));
    EXPECT_TRUE(FileExists(Folder / "main.map"));
    EXPECT_EQ(View.Messages.back(), "Success.");
}

TEST_F(BuildTest, TheMainWindowIsEnabledAgainWhenAToolThrows) {
    Runner.Scripts = {{"util.asm", {}, true, [] { throw std::runtime_error("disk gone"); }}};
    EXPECT_THROW(Build(), std::runtime_error);
    EXPECT_EQ(View.Events.back(), "main enabled");
    EXPECT_TRUE(View.MainEnabled);
}

TEST(MainWindowGuard, EnablesOnlyWhenAnExceptionLeavesAndSwallowsItsOwnFailure) {
    std::vector<bool> Calls;
    {
        TMainWindowGuard Guard([&](bool E) { Calls.push_back(E); });
        EXPECT_EQ(Calls, std::vector<bool>{false});
    }
    EXPECT_EQ(Calls, std::vector<bool>{false});
    try {
        TMainWindowGuard Guard([&](bool E) { Calls.push_back(E); });
        throw std::runtime_error("tool gone");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Calls, (std::vector<bool>{false, false, true}));
    EXPECT_THROW(
        {
            TMainWindowGuard Guard([](bool E) {
                if (E) throw std::logic_error("window gone");
            });
            throw std::runtime_error("tool gone");
        },
        std::runtime_error);
}

TEST_F(BuildTest, TheLinkerWindowIsLookedForByTheLinkerPathAfterTheWait) {
    Desktop.WindowTitle = Settings.Tools.TLinkPath;
    Build();
    EXPECT_EQ(Desktop.Waits, std::vector<int>{500});
    EXPECT_EQ(Desktop.Searched, std::vector<std::string>{Settings.Tools.TLinkPath});
    EXPECT_EQ(Desktop.Sent.size(), 5u);
}

TEST(DismissLinkerWindow, SendsNothingUnlessTheWindowIsFoundAndInFront) {
    TRecordingDesktop D;
    D.WindowTitle = "C:\\TASM\\BIN\\TLINK.EXE";
    EXPECT_FALSE(DismissLinkerWindow(D, "C:\\OTHER\\TLINK.EXE"));
    EXPECT_TRUE(D.Foregrounded.empty());
    D.ComesToFront = false;
    EXPECT_FALSE(DismissLinkerWindow(D, D.WindowTitle));
    EXPECT_TRUE(D.Sent.empty());
    EXPECT_FALSE(DismissLinkerWindow(D, ""));
    EXPECT_EQ(D.Searched.size(), 2u);
    D.ComesToFront = true;
    EXPECT_TRUE(DismissLinkerWindow(D, D.WindowTitle));
    EXPECT_EQ(D.Sent, ControlCKeyEvents(0x1D));
}

TEST(DismissLinkerWindow, ControlCSequence) {
    const std::vector<TKeyStroke> E = ControlCKeyEvents(0x1D);
    const std::vector<TKeyStroke> Expected{
        {0x11, 0x1D, false, 0x1D01},
        {0x43, 0x2E, false, 0x2E01},
        {0x11, 0x00, true, 0xC0001D00u},
        {0x43, 0x2E, false, 0x2E01},
        {0x43, 0x2E, true, 0x2E01},
    };
    EXPECT_EQ(E, Expected);
}

// Force Compile.

TEST(PlanForceCompile, RefusesMissingPathsAndFilesWithoutFolder) {
    TBuildSettings S = Tools();
    S.Tools.TasmPath.clear();
    EXPECT_EQ(PlanForceCompile(S.Tools, "C:\\Src\\x.asm", "").Refusal, IdeTexts::TasmPathMissing);
    S = Tools();
    S.Tools.TLinkPath.clear();
    EXPECT_EQ(PlanForceCompile(S.Tools, "C:\\Src\\x.asm", "").Refusal, IdeTexts::TLinkPathMissing);
    S = Tools();
    EXPECT_EQ(PlanForceCompile(S.Tools, "x.asm", "").Refusal, IdeTexts::ForceCompileWithoutFolder("x.asm"));
    EXPECT_NE(PlanForceCompile(S.Tools, "sub\\x.asm", "").Refusal, "");
}

TEST(PlanForceCompile, ResolvesRelativeNamesAgainstTheProjectFolder) {
    const TBuildSettings S = Tools();
    TForceCompilePlan P = PlanForceCompile(S.Tools, "C:\\Src\\x.asm", "D:\\Proj\\");
    EXPECT_EQ(P.Refusal, "");
    EXPECT_EQ(P.Target.FullPath, "C:\\Src\\x.asm");
    EXPECT_EQ(P.Target.Folder, "C:\\Src\\");
    P = PlanForceCompile(S.Tools, "sub\\x.asm", "D:\\Proj\\");
    EXPECT_EQ(P.Target.FullPath, "D:\\Proj\\sub\\x.asm");
    EXPECT_EQ(P.Target.Folder, "D:\\Proj\\sub\\");
    P = PlanForceCompile(S.Tools, "x.asm", "D:\\Proj\\");
    EXPECT_EQ(P.Target.FullPath, "D:\\Proj\\x.asm");
    EXPECT_EQ(P.Target.Folder, "D:\\Proj\\");
}

TEST_F(BuildTest, ForceCompileAssemblesAndLinksTheOneFile) {
    const TForceCompileTarget T{Folder.Path(), Folder / "solo.asm"};
    Settings.CleanFiles = 1;
    Folder.Write("solo.obj", "obj");
    EXPECT_TRUE(ForceCompile(T, {"/la", "/m", false}, Settings, Services));
    ASSERT_EQ(Runner.Commands.size(), 2u);
    EXPECT_EQ(Runner.Commands[0], "command.com /c C:\\TASM\\BIN\\TASM.EXE /m  /la " + Folder / "solo.asm");
    EXPECT_EQ(Runner.Commands[1], "C:\\TASM\\BIN\\TLINK.EXE solo /m");
    for (const std::string& F : Runner.Folders)
        EXPECT_TRUE(SameFileName(IncludeTrailingPathDelimiter(F), Folder.Path()));
    EXPECT_EQ(View.Panel(TProgressPanel::Project), "   Project : NONE");
    EXPECT_EQ(View.Panel(TProgressPanel::Lines), IdeTexts::ForceCompileKindLine);
    EXPECT_EQ(View.Panel(TProgressPanel::Linking), "   Linking : Done");
    EXPECT_EQ(View.Messages[0], "Compiling solo.asm ...");
    EXPECT_EQ(View.Messages[2], "Linking NONE ...");
    EXPECT_EQ(View.Output.back(), "Success.");
    EXPECT_EQ(View.ButtonCaption, "Ok");
    EXPECT_TRUE(View.ButtonEnabled);
    EXPECT_FALSE(FileExists(Folder / "solo.obj"));
    EXPECT_TRUE(SameFileName(GetCurrentDir(), StartDir()));
    EXPECT_FALSE(View.MainEnabled);
}

TEST_F(BuildTest, ForceCompileWithoutLinkingStartsNoLinker) {
    const TForceCompileTarget T{Folder.Path(), Folder / "solo.asm"};
    EXPECT_TRUE(ForceCompile(T, {"", "", true}, Settings, Services));
    EXPECT_EQ(Runner.Commands.size(), 1u);
    EXPECT_EQ(View.Panel(TProgressPanel::Linking), IdeTexts::LinkingNotSelected);
    EXPECT_EQ(View.Messages.back(), "Success.");
}

TEST_F(BuildTest, ForceCompileErrorsLeaveTheFilesFolderCurrent) {
    const TForceCompileTarget T{Folder.Path(), Folder / "solo.asm"};
    Runner.Scripts = {{"solo.asm", {"**Error** solo.asm(2) Illegal instruction"}}};
    EXPECT_FALSE(ForceCompile(T, {}, Settings, Services));
    EXPECT_EQ(Runner.Commands.size(), 1u);
    EXPECT_EQ(View.Panel(TProgressPanel::Compiling), IdeTexts::CompilingGotErrors);
    EXPECT_TRUE(InProjectFolder());
    EXPECT_NE(View.Output.back(), "Success.");
}

// Run and debugger.

namespace {
TProjectInfo HelloProject(ProjectKind Kind, const std::string& Dir) {
    TProjectInfo P;
    P.Name = "Hello";
    P.Kind = Kind;
    P.Files = {"hello.asm"};
    P.Dir = Dir;
    return P;
}
}  // namespace

TEST(PlanRunProject, RefusesUnbuiltAndDllProjectsAndQuotesTheTarget) {
    TProjectInfo P = HelloProject(pkDosCom, "C:\\My Proj\\");
    EXPECT_EQ(PlanRunProject(P, false).Refusal, IdeTexts::ProjectNotBuilt);
    const TLaunchPlan Plan = PlanRunProject(P, true);
    EXPECT_EQ(Plan.Refusal, "");
    EXPECT_EQ(Plan.CommandLine, "\"C:\\My Proj\\\\hello.com\"");
    EXPECT_EQ(Plan.Folder, "");
    P.Kind = pkWin32Dll;
    EXPECT_EQ(PlanRunProject(P, true).Refusal, IdeTexts::CannotRunDll);
    P.Kind = pkDosExe;
    P.Files.clear();
    EXPECT_EQ(PlanRunProject(P, true).Refusal, IdeTexts::ProjectHasNoFiles);
}

TEST(PlanRunInDebugger, RefusesWithoutDebuggerOrForADllAndStartsInTheProjectFolder) {
    TProjectInfo P = HelloProject(pkDosExe, "C:\\P\\");
    TToolSettings S = Tools().Tools;
    S.TdPath.clear();
    EXPECT_EQ(PlanRunInDebugger(P, S, Same).Refusal, IdeTexts::TdPathMissing);
    S = Tools().Tools;
    TLaunchPlan Plan = PlanRunInDebugger(P, S, Same);
    EXPECT_EQ(Plan.Folder, "C:\\P\\");
    EXPECT_EQ(Plan.CommandLine, "C:\\TASM\\BIN\\TD.EXE C:\\P\\\\hello.exe");
    P.Kind = pkWin32Exe;
    EXPECT_EQ(PlanRunInDebugger(P, S, Same).CommandLine, "C:\\TASM\\BIN\\td32.exe  C:\\P\\\\hello.exe");
    P.Kind = pkWin32Dll;
    EXPECT_EQ(PlanRunInDebugger(P, S, Same).Refusal, IdeTexts::CannotRunDll);
}

TEST(Launch, EntersTheFolderThenStartsAndNeverStartsARefusal) {
    const std::string Start = GetCurrentDir();
    TTestFolder Folder;
    TScriptedRunner Runner;
    EXPECT_FALSE(Launch({"Project not built !", "", "x"}, Runner));
    EXPECT_TRUE(Runner.Started.empty());
    EXPECT_FALSE(Launch({"", Folder / "missing", "x"}, Runner));
    EXPECT_TRUE(Runner.Started.empty());
    EXPECT_TRUE(Launch({"", Folder.Path(), "td x"}, Runner));
    ASSERT_EQ(Runner.Started, std::vector<std::string>{"td x"});
    EXPECT_TRUE(SameFileName(IncludeTrailingPathDelimiter(Runner.StartFolders[0]), Folder.Path()));
    SetCurrentDir(Start);
}

TEST(AssemblerCommandLine, AFileAddedByItsFullPathIsNotPutUnderTheProjectFolder) {
    const TToolSettings S = Tools().Tools;
    EXPECT_EQ(AssemblerCommandLine(S, pkDosExe, "C:\\P\\", "D:\\Lib\\x.asm", false, Same),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml d:\\lib\\x.asm ");
    EXPECT_EQ(AssemblerCommandLine(S, pkDosExe, "C:\\P\\", "x.asm", false, Same),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml c:\\p\\\\x.asm ");
}
