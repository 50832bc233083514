// Builds through the IDE's windows: the stand-in tools run for real, and
// what they report lands in the Messages and Full Output list boxes and
// on the progress form.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "framework/rtl/StrUtils.h"
#include "ide/IdeTexts.h"
#include "ide/win/MessagePanes.h"
#include "tests/ide/win/BuildGuiFixture.h"

namespace {

const std::string CommandCom = "command.com /c ";

class BuildGui : public TBuildGuiTest {
protected:
    std::string AssemblerLine(const std::string& File) const {
        return CommandCom + FakeToolsDir() + "tasm.exe /ml " + ShortSource(File) + " ";
    }
};

// A runner whose tool blows up, as an unexpected failure would.
class TThrowingRunner : public IToolRunner {
public:
    bool Capture(const std::string&, TStrings&) override { throw std::runtime_error("tool exploded"); }
    bool Start(const std::string&) override { return false; }
};

}  // namespace

TEST_F(BuildGui, CleanTwoFileBuildFillsBothPanesAndEndsWithDone) {
    Ctl->BuildProject(false);
    ASSERT_EQ(Log().size(), 3u);
    const std::vector<std::string> M = Items(Messages);
    ASSERT_GE(M.size(), 7u);
    EXPECT_EQ(M[0], "Compiling main.asm ...");
    EXPECT_EQ(M[1], "Executing " + AssemblerLine("main.asm"));
    EXPECT_EQ(M[2], "Compiling util.asm ...");
    EXPECT_EQ(M[3], "Executing " + AssemblerLine("util.asm"));
    EXPECT_EQ(M[4], "Linking Demo ...");
    EXPECT_EQ(M[5], "Executing " + FakeToolsDir() + "tlink.exe main+util");
    EXPECT_EQ(M[6], "Success.");
    EXPECT_EQ(Messages->ItemIndex(), 6);
    EXPECT_EQ(Last(Output), "Success.");
    EXPECT_EQ(Output->ItemIndex(), Output->Items()->Count() - 1);
    EXPECT_TRUE(Has(Output, "****** LINKING OBJECTS ******"));
    EXPECT_GE(IndexOf(Output, "Assembling file:"), 0);
    EXPECT_LT(IndexOf(Output, "standard error"), 0);

    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->Project->Caption(), "   Project : Demo");
    EXPECT_EQ(Progress()->CompilingSt->Caption(), IdeTexts::CompilingDone);
    EXPECT_EQ(Progress()->LinkingSt->Caption(), IdeTexts::LinkingDone);
    EXPECT_EQ(Progress()->Lines->Caption(), "   Project Type : Dos Exe");
    EXPECT_EQ(Progress()->Button->Caption(), "Done");
    EXPECT_TRUE(Progress()->Button->Enabled());
    EXPECT_TRUE(Progress()->Showing());
    EXPECT_FALSE(MainEnabled());
    EXPECT_EQ(Ide.Saves, 1);
    EXPECT_EQ(Ide.MessagePages, 1);
    EXPECT_TRUE(Ide.Built);
    EXPECT_TRUE(Boxes.empty());

    // The button closes the form.
    Progress()->Button->Click();
    Pump();
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_TRUE(MainEnabled());
}

TEST_F(BuildGui, AnErrorInTheFirstFileStopsBeforeTheLinkAndItsLineIsReachedByDoubleClick) {
    Proj.Write("main.asm", "; main\r\n mov ax, FOO ;FAKE_ERROR Undefined symbol: FOO\r\n");
    TFakeCodeWindow* Other = Ide.AddWindow(Temp / "main.asm");
    // The window holds the name as the project lists it.
    TFakeCodeWindow* Main = Ide.AddWindow(Proj / "Main.asm");
    Ctl->BuildProject(false);
    ASSERT_EQ(Log().size(), 1u);
    const std::string ErrorLine = "**Error** " + ShortSource("main.asm") + "(2) Undefined symbol: FOO";
    EXPECT_EQ(Last(Messages), ErrorLine);
    EXPECT_TRUE(Has(Output, ErrorLine));
    EXPECT_FALSE(Has(Output, "****** LINKING OBJECTS ******"));
    EXPECT_FALSE(FileExists(Proj / "util.obj"));
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->CompilingSt->Caption(), IdeTexts::CompilingGotErrors);
    EXPECT_EQ(Progress()->LinkingSt->Caption(), "   Linking :");
    EXPECT_EQ(Progress()->Button->Caption(), "Ok");
    EXPECT_TRUE(Progress()->Button->Enabled());
    EXPECT_FALSE(Ide.Built);
    EXPECT_FALSE(MainEnabled());

    DoubleClickMessage(Messages->Items()->Count() - 1);
    EXPECT_EQ(Ide.Shown, Main);
    EXPECT_EQ(Main->ShownLine, 1);
    EXPECT_EQ(Other->ShownLine, -1);
    EXPECT_TRUE(Ide.Opened.empty());
}

TEST_F(BuildGui, AMessageOnAFileWithoutWindowOpensItOnceUnderItsLongName) {
    Proj.Write("util.asm", "; util\r\n ret ;FAKE_WARNING Reserved word\r\n");
    Ctl->BuildProject(false);
    EXPECT_TRUE(Ide.Built);
    EXPECT_EQ(Log().size(), 3u);
    const int Warning = IndexOf(Messages, "*Warning* ");
    ASSERT_GE(Warning, 0);
    EXPECT_NE(Messages->Items()->Strings(Warning).find("util.asm(2) Reserved word"), std::string::npos);
    EXPECT_EQ(Last(Messages), "Success.");

    DoubleClickMessage(Warning);
    ASSERT_EQ(Ide.Opened.size(), 1u);
    EXPECT_TRUE(SameText(Ide.Opened[0], ResolvedLongPath(Proj / "util.asm"))) << Ide.Opened[0];
    EXPECT_EQ(Ide.Opened[0].find('~'), std::string::npos);
    ASSERT_NE(Ide.Shown, nullptr);
    EXPECT_EQ(Ide.Shown->ShownLine, 1);

    // The second jump finds the window the first one opened.
    Ide.Shown = nullptr;
    DoubleClickMessage(Warning);
    EXPECT_EQ(Ide.Opened.size(), 1u);
    EXPECT_EQ(Ide.Shown, Ide.Windows[0].get());
}

TEST_F(BuildGui, JumpRulesForLineNumbersFatalLinesAndBadNumbers) {
    TFakeCodeWindow* Main = Ide.AddWindow(Proj / "main.asm");
    const std::string Source = ShortSource("main.asm");
    Ctl->Panes().AddMessage("**Error** " + Source + "(0) Line zero");
    Ctl->Panes().AddMessage("**Fatal** " + Source + "(5) Out of memory");
    Ctl->Panes().AddMessage("*Warning* " + Source + "(x7) Odd");
    Ctl->Panes().AddMessage("Error: Undefined symbol FOO in module main.obj");

    DoubleClickMessage(0);
    EXPECT_EQ(Main->ShownLine, 0);
    Main->ShownLine = -1;
    DoubleClickMessage(1);
    DoubleClickMessage(3);
    EXPECT_EQ(Main->ShownLine, -1);
    EXPECT_TRUE(Boxes.empty());
    DoubleClickMessage(2);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("'x7' is not a valid integer value"), std::string::npos);
    EXPECT_EQ(Main->ShownLine, -1);
    EXPECT_TRUE(Ide.Opened.empty());
}

TEST_F(BuildGui, KindFiveRunsTheThirtyTwoBitToolsAndNamesTheKind) {
    Ide.Proj.Kind = pkWin32Exe;
    Ctl->BuildProject(false);
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm32.exe /mx /c " + ShortSource("main.asm") + " ");
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink32.exe main+util import32.lib -Tpe -aa");
    EXPECT_EQ(Items(Messages)[1], "Executing " + CommandCom + L[0].Cmd);
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->Lines->Caption(), "   Project Type : Win32 Exe");
    EXPECT_TRUE(FileExists(Proj / "main.exe"));
}

TEST_F(BuildGui, BuildDebugPassesTheDebugSwitchesAndLeavesThePageAlone) {
    Ctl->BuildProject(true);
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm.exe /ml " + ShortSource("main.asm") + "  /zi");
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink.exe main+util/v ");
    EXPECT_EQ(Ide.MessagePages, 0);
    // A later plain build passes neither switch.
    Ctl->BuildProject(false);
    const std::vector<TToolLogEntry> L2 = Log();
    ASSERT_EQ(L2.size(), 6u);
    EXPECT_EQ(L2[3].Cmd.find("/zi"), std::string::npos);
    EXPECT_EQ(L2[5].Cmd, FakeToolsDir() + "tlink.exe main+util");
}

TEST_F(BuildGui, CleanFilesOnWipesMapAndObjectFilesAfterSuccess) {
    Store("CleanFiles", "1");
    Ctl->BuildProject(false);
    for (const char* F : {"main.obj", "util.obj", "main.map"}) EXPECT_FALSE(FileExists(Proj / F)) << F;
    EXPECT_TRUE(FileExists(Proj / "main.exe"));
    const std::vector<std::string> M = Items(Messages);
    ASSERT_GE(M.size(), 3u);
    EXPECT_EQ(M[M.size() - 3], "Success.");
    EXPECT_EQ(M[M.size() - 2], "Cleaning redudant files ...");
    EXPECT_EQ(M[M.size() - 1], "Done cleaning.");
}

TEST_F(BuildGui, CleanFilesOnLeavesTheFilesOfAFailedBuild) {
    Store("CleanFiles", "1");
    Proj.Write("util.asm", "; util\r\n call X ;FAKE_LINK_ERROR Undefined symbol X\r\n");
    Ctl->BuildProject(false);
    EXPECT_TRUE(FileExists(Proj / "main.obj"));
    EXPECT_TRUE(FileExists(Proj / "util.obj"));
    EXPECT_EQ(Last(Messages), "Error: Undefined symbol X in module util.obj");
    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->LinkingSt->Caption(), IdeTexts::LinkingGotErrors);
    EXPECT_EQ(Progress()->Button->Caption(), "Ok");
}

TEST_F(BuildGui, CleanFilesOffKeepsMapAndObjectFiles) {
    Store("CleanFiles", "0");
    Ctl->BuildProject(false);
    for (const char* F : {"main.obj", "util.obj", "main.map"}) EXPECT_TRUE(FileExists(Proj / F)) << F;
    EXPECT_EQ(Last(Messages), "Success.");
}

TEST_F(BuildGui, MissingToolPathsAreRefusedInAnErrorBox) {
    TScratchKey Empty;
    SetSettingsKeyPathForTesting(Empty.Path() + "\\");
    Ctl->BuildProject(false);
    WriteRegString(HKEY_CURRENT_USER, Empty.Path() + "\\TasmPath", FakeToolsDir() + "tasm.exe");
    Ctl->BuildProject(true);
    ASSERT_EQ(Boxes.size(), 2u);
    EXPECT_EQ(Boxes[0], IdeTexts::TasmPathMissing);
    EXPECT_EQ(Boxes[1], IdeTexts::TLinkPathMissing);
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_EQ(Ide.Saves, 0);
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(Messages->Items()->Count(), 0);
}

TEST_F(BuildGui, NothingHappensWithoutAProject) {
    Ide.Open = false;
    Ctl->BuildProject(false);
    Ctl->BuildProject(true);
    EXPECT_EQ(Ide.Saves, 0);
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(Log().empty());
}

TEST_F(BuildGui, TheMainWindowIsEnabledAgainWhenTheBuildThrows) {
    TThrowingRunner Runner;
    Form->Free();  // a fresh form for a controller over the throwing runner
    Ctl.reset();
    Form = new TForm(nullptr);
    Messages = NewList(0);
    Output = NewList(250);
    Form->Show();
    MakeController(Runner);
    EXPECT_THROW(Ctl->BuildProject(false), std::runtime_error);
    EXPECT_TRUE(MainEnabled());
    ASSERT_NE(Progress(), nullptr);
    // A form the user can still close.
    EXPECT_TRUE(Progress()->Button->Enabled());
    Progress()->Button->Click();
    Pump();
    EXPECT_EQ(Progress(), nullptr);
}

// The Win32 example builds from what the form designer wrote (the window's
// definitions, its variables and the creation of its controls) and the
// shipped include file; without a generated file the build stops on it.
TEST_F(BuildGui, TheDesignedWindowExampleBuildsFromItsGeneratedFiles) {
    const std::string Example = std::string(QRN_SOURCE_DIR) + "/examples/winform/";
    for (const char* Name : {"main.asm", "window1.def", "appvar.inc", "wmcreate.inc"})
        std::filesystem::copy_file(Example + Name, Proj / Name, std::filesystem::copy_options::overwrite_existing);
    std::string Includes = "Z:" + std::string(QRN_SOURCE_DIR) + "/data/includes";
    for (char& C : Includes)
        if (C == '/') C = '\\';
    Store("Includes", Includes);
    Ide.Proj.Kind = pkWin32Exe;
    Ide.Proj.Files = {"main.asm"};

    Ctl->BuildProject(false);
    EXPECT_EQ(Last(Messages), "Success.");
    EXPECT_TRUE(FileExists(Proj / "main.exe"));
    Progress()->Button->Click();
    Pump();

    std::filesystem::remove(Proj / "wmcreate.inc");
    Ctl->BuildProject(false);
    EXPECT_GE(IndexOf(Messages, "Can't locate file: wmcreate.inc"), 0);
    EXPECT_NE(Last(Messages), "Success.");
}
