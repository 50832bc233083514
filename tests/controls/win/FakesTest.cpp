// The stand-ins other tests start in place of the real tools.
#include <gtest/gtest.h>

#include <vector>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "tests/common/TestFolder.h"

namespace {

// Runs CommandLine in Folder with the caller's handles; returns the exit code.
DWORD RunForExitCode(const std::string& CommandLine, const std::string& Folder) {
    STARTUPINFOA Startup{};
    Startup.cb = sizeof(STARTUPINFOA);
    PROCESS_INFORMATION Process{};
    std::vector<char> Command(CommandLine.begin(), CommandLine.end());
    Command.push_back('\0');
    if (!CreateProcessA(nullptr, Command.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder.c_str(), &Startup,
                        &Process)) {
        return 0xFFFFFFFF;
    }
    WaitForSingleObject(Process.hProcess, INFINITE);
    DWORD Code = 0xFFFFFFFF;
    GetExitCodeProcess(Process.hProcess, &Code);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return Code;
}

std::string FakeConsole() { return "\"" + GetExeDir() + "fake_console.exe\""; }

}  // namespace

TEST(FakeConsole, ExitsWithTheScriptedCode) {
    TTestFolder Dir;
    EXPECT_EQ(RunForExitCode(FakeConsole() + " exit 3 out never", Dir.Path()), 3u);
    EXPECT_EQ(RunForExitCode(FakeConsole(), Dir.Path()), 0u);
}

TEST(FakeConsole, LogsCommandLineAndFolder) {
    TTestFolder Dir;
    const std::string Command = FakeConsole() + " /zi log run.log main.asm";
    EXPECT_EQ(RunForExitCode(Command, Dir.Path()), 0u);
    TStringList Log;
    Log.LoadFromFile(Dir / "run.log");
    ASSERT_EQ(Log.Count(), 2);
    EXPECT_EQ(Log[0], "cmd: " + Command);
    EXPECT_TRUE(SameFileName(Log[1], "dir: " + ExcludeTrailingBackslash(Dir.Path()))) << Log[1];
}

TEST(FakeConsole, LogsToTheFileNamedByTheEnvironment) {
    TTestFolder Dir;
    const std::string LogPath = Dir / "env.log";
    SetEnvironmentVariableA("QRN_FAKE_LOG", LogPath.c_str());
    const DWORD Code = RunForExitCode(FakeConsole() + " exit 0", Dir.Path());
    SetEnvironmentVariableA("QRN_FAKE_LOG", nullptr);
    EXPECT_EQ(Code, 0u);
    TStringList Log;
    Log.LoadFromFile(LogPath);
    ASSERT_EQ(Log.Count(), 2);
    EXPECT_EQ(Log[0], "cmd: " + FakeConsole() + " exit 0");
}

TEST(CommandCom, PassesTheExitCodeOn) {
    TTestFolder Dir;
    EXPECT_EQ(RunForExitCode("command.com /c " + FakeConsole() + " exit 7", Dir.Path()), 7u);
    EXPECT_EQ(RunForExitCode("command.com /C " + FakeConsole() + " exit 5", Dir.Path()), 5u);
}

TEST(CommandCom, RunsTheCommandInTheCurrentFolder) {
    TTestFolder Dir;
    EXPECT_EQ(RunForExitCode("command.com /c " + FakeConsole() + " log here.log", Dir.Path()), 0u);
    EXPECT_TRUE(FileExists(Dir / "here.log"));
}
