// The build road on a system without command.com: this program lives in a
// folder of its own, away from the stand-in command.com of the test folder,
// and Wine's system folders hold none. The command lines the user reads
// still name command.com; the system's interpreter runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ide/IdeTexts.h"
#include "tests/common/win/MouseInput.h"
#include "tests/ide/BuildRecorders.h"
#include "tests/ide/win/BuildGuiFixture.h"

namespace {

bool CommandComFound() { return SearchPathA(nullptr, "command.com", nullptr, 0, nullptr, nullptr) != 0; }

// Files straight in Folder (its subfolders are other tests' folders).
int FilesIn(const std::string& Folder) {
    int N = 0;
    for (const auto& E : std::filesystem::directory_iterator(Folder)) N += E.is_regular_file() ? 1 : 0;
    return N;
}

class NoCommandCom : public TBuildGuiTest {
protected:
    void SetUp() override {
        TBuildGuiTest::SetUp();
        ASSERT_FALSE(CommandComFound());
    }
    std::string AssemblerArgs(const std::string& File) const {
        return FakeToolsDir() + "tasm.exe /ml " + ShortSource(File) + " ";
    }
};

}  // namespace

TEST_F(NoCommandCom, TheBuildRunsThroughTheInterpreterComSpecNames) {
    char ComSpec[MAX_PATH] = {};
    ASSERT_NE(GetEnvironmentVariableA("COMSPEC", ComSpec, MAX_PATH), 0u);
    TRecordingView View;
    TBuildServices Svc{View, DefaultToolRunner(), GetShortPath, nullptr};
    const TBuildResult R = BuildProject(Ide.Proj, ReadBuildSettings(), false, Svc);
    EXPECT_TRUE(R.Success) << R.Refusal;
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 3u);
    EXPECT_EQ(L[0].Cmd, AssemblerArgs("main.asm"));
    EXPECT_EQ(L[1].Cmd, AssemblerArgs("util.asm"));
    EXPECT_EQ(L[2].Cmd, FakeToolsDir() + "tlink.exe main+util");
    EXPECT_EQ(View.Messages[1], "Executing command.com /c " + L[0].Cmd);
    // The tools' output came back through the interpreter.
    EXPECT_EQ(std::count(View.Output.begin(), View.Output.end(), "Assembling file:   " + ShortSource("main.asm")), 1);
    EXPECT_EQ(View.Messages.back(), "Success.");
    for (const char* F : {"main.obj", "util.obj", "main.exe"}) EXPECT_TRUE(FileExists(Proj / F)) << F;
}

TEST_F(NoCommandCom, WithoutComSpecForceCompileRunsThroughCmd) {
    TEnvironmentOverride NoComSpec("COMSPEC", nullptr);
    TTestFolder Loose;
    Loose.Write("solo.asm", "; solo\r\n ret\r\n");
    const TBuildSettings S = ReadBuildSettings();
    const TForceCompilePlan Plan = PlanForceCompile(S.Tools, Loose / "solo.asm", "");
    ASSERT_EQ(Plan.Refusal, "");
    TRecordingView View;
    TBuildServices Svc{View, DefaultToolRunner(), GetShortPath, nullptr};
    EXPECT_TRUE(ForceCompile(Plan.Target, {"/la", "", false}, S, Svc));
    const std::vector<TToolLogEntry> L = Log();
    ASSERT_EQ(L.size(), 2u);
    EXPECT_EQ(L[0].Cmd, FakeToolsDir() + "tasm.exe /m  /la " + GetShortPath(Loose / "solo.asm"));
    EXPECT_TRUE(InFolder(L[0], Loose.Path()));
    EXPECT_TRUE(FileExists(Loose / "solo.exe"));
    EXPECT_EQ(View.Messages.back(), "Success.");
}

TEST_F(NoCommandCom, AMissingInterpreterIsNamedAndTheBuildEndsCleanly) {
    const std::string Missing = "C:\\nowhere\\shell.exe";
    TEnvironmentOverride ComSpec("COMSPEC", Missing.c_str());
    const int TempFiles = FilesIn(Temp.Path());
    Ctl->BuildProject(false);

    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(FilesIn(Temp.Path()), TempFiles);
    const std::vector<std::string> M = Items(Messages);
    ASSERT_EQ(M.size(), 3u);
    EXPECT_EQ(M[1], "Executing command.com /c " + AssemblerArgs("main.asm"));
    EXPECT_EQ(M[2], IdeTexts::NoCommandInterpreter("command.com", Missing));
    EXPECT_NE(M[2].find(Missing), std::string::npos);
    EXPECT_FALSE(Ide.Built);

    ASSERT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->CompilingSt->Caption(), IdeTexts::CompilingNotStarted);
    EXPECT_EQ(Progress()->Button->Caption(), "Ok");
    ASSERT_TRUE(Progress()->Button->Enabled());
    TButton* Ok = Progress()->Button;
    Click(At(Ok, Ok->Width() / 2, Ok->Height() / 2));
    Pump();
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_TRUE(MainEnabled());
}
