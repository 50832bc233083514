#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/WinTestHelpers.h"

namespace {

std::string FakeConsole() { return "\"" + GetExeDir() + "fake_console.exe\""; }

int FilesIn(const std::string& Folder) {
    int Count = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder)) {
        (void)Entry;
        ++Count;
    }
    return Count;
}

// Every test runs with the temporary folder pointed at a private one, so
// that leftovers can be counted.
class ProcessTest : public ::testing::Test {
protected:
    TTestFolder Temp;
    TTempFolderOverride Override{Temp.Path()};
};

}  // namespace

TEST_F(ProcessTest, CaptureKeepsStandardOutputLinesInOrder) {
    TStringList Lines;
    Lines.Add("stale");
    EXPECT_TRUE(RunAndCapture(
        FakeConsole() + " out \"line one\" err \"to stderr\" out \"line two\" exit 3", Lines));
    ASSERT_EQ(Lines.Count(), 2);
    EXPECT_EQ(Lines[0], "line one");
    EXPECT_EQ(Lines[1], "line two");
    EXPECT_EQ(FilesIn(Temp.Path()), 0);
}

TEST_F(ProcessTest, CaptureOfOnlyStandardErrorGivesNoLines) {
    TStringList Lines;
    EXPECT_TRUE(RunAndCapture(FakeConsole() + " err \"Fatal: nothing\" exit 1", Lines));
    EXPECT_EQ(Lines.Count(), 0);
    EXPECT_EQ(FilesIn(Temp.Path()), 0);
}

TEST_F(ProcessTest, CaptureOfMissingProgramFailsAndLeavesNoTemporaryFile) {
    TStringList Lines;
    Lines.Add("stale");
    EXPECT_FALSE(RunAndCapture("\"" + Temp.Path() + "no-such-tool.exe\" /x", Lines));
    EXPECT_EQ(Lines.Count(), 0);
    EXPECT_EQ(FilesIn(Temp.Path()), 0);
}

TEST_F(ProcessTest, CaptureThroughCommandCom) {
    TStringList Lines;
    EXPECT_TRUE(RunAndCapture("command.com /c " + FakeConsole() + " out first err hidden out second", Lines));
    ASSERT_EQ(Lines.Count(), 2);
    EXPECT_EQ(Lines[0], "first");
    EXPECT_EQ(Lines[1], "second");
    EXPECT_EQ(FilesIn(Temp.Path()), 0);
}

TEST_F(ProcessTest, CaptureRunsInTheCurrentFolder) {
    TTestFolder Work;
    const std::string Old = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(Work.Path()));
    TStringList Lines;
    const bool Ok = RunAndCapture(FakeConsole() + " log fake.log", Lines);
    SetCurrentDir(Old);
    EXPECT_TRUE(Ok);
    EXPECT_TRUE(FileExists(Work / "fake.log"));
}

TEST_F(ProcessTest, RunProgramWithWaitReturnsAfterTheProgramEnded) {
    const std::string Marker = Temp / "marker.txt";
    EXPECT_TRUE(RunProgram(FakeConsole() + " sleep 300 write \"" + Marker + "\" done", true, true));
    EXPECT_EQ(ReadAll(Marker), "done\n");
}

TEST_F(ProcessTest, CaptureWaitsForTheProgramToEnd) {
    TStringList Lines;
    EXPECT_TRUE(RunAndCapture(FakeConsole() + " sleep 500 out late", Lines));
    ASSERT_EQ(Lines.Count(), 1);
    EXPECT_EQ(Lines[0], "late");
}

TEST_F(ProcessTest, RunProgramWithoutWaitReturnsAtOnce) {
    const std::string Marker = Temp / "marker.txt";
    EXPECT_TRUE(RunProgram(FakeConsole() + " sleep 1500 write \"" + Marker + "\" done", false, false));
    EXPECT_FALSE(FileExists(Marker));
    // Let the program finish before its folder goes.
    for (int I = 0; I < 200 && !FileExists(Marker); ++I) Sleep(50);
    Sleep(100);
    EXPECT_TRUE(FileExists(Marker));
}

TEST_F(ProcessTest, RunProgramOfMissingProgramFails) {
    EXPECT_FALSE(RunProgram("\"" + Temp.Path() + "no-such-tool.exe\"", true, false));
}

TEST_F(ProcessTest, TempFileNameIsANewEmptyFileWithTheExtension) {
    const std::string A = GetTempFileNameExt(".asm");
    const std::string B = GetTempFileNameExt(".asm");
    ASSERT_FALSE(A.empty());
    EXPECT_NE(A, B);
    EXPECT_EQ(ExtractFileExt(A), ".asm");
    EXPECT_TRUE(SameText(ExtractFilePath(A), Temp.Path()));
    EXPECT_TRUE(FileExists(A));
    EXPECT_EQ(FileSizeByName(A), 0);
    // Only the two files: no stray .tmp file beside them.
    EXPECT_EQ(FilesIn(Temp.Path()), 2);
}

TEST_F(ProcessTest, TempFileNameNeverHandsOutAnExistingFile) {
    // Learn where the system's numbering is, then occupy the following
    // names with the wanted extension.
    char Probe[MAX_PATH];
    ASSERT_NE(GetTempFileNameA(Temp.Path().c_str(), "TMP", 0, Probe), 0u);
    DeleteFileA(Probe);
    const std::string ProbeName = ExtractFileName(Probe);
    const unsigned First = std::stoul(ProbeName.substr(3, ProbeName.find('.') - 3), nullptr, 16);
    constexpr int Occupied = 600;
    for (int I = 0; I < Occupied; ++I) {
        char Name[32];
        std::snprintf(Name, sizeof(Name), "TMP%X.abc", (First + I) & 0xFFFF);
        Temp.Write(Name, "other");
    }
    const std::string Result = GetTempFileNameExt(".abc");
    ASSERT_FALSE(Result.empty());
    EXPECT_EQ(FileSizeByName(Result), 0);
    EXPECT_EQ(FilesIn(Temp.Path()), Occupied + 1);
    int Intact = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Temp.Path())) {
        if (ReadAll(Entry.path().string()) == "other") ++Intact;
    }
    EXPECT_EQ(Intact, Occupied);
}

TEST(GetShortPath, MissingPathIsReturnedUnchanged) {
    TTestFolder Dir;
    const std::string Missing = Dir.Path() + "no such folder\\long file name.asm";
    EXPECT_EQ(GetShortPath(Missing), Missing);
}

TEST(GetShortPath, GivesTheSystemsShortForm) {
    TTestFolder Dir;
    const std::string Path = Dir.Write("a rather long file name.asm", "");
    char Expected[1024];
    const DWORD Len = GetShortPathNameA(Path.c_str(), Expected, sizeof(Expected));
    ASSERT_GT(Len, 0u);
    EXPECT_EQ(GetShortPath(Path), std::string(Expected, Len));
}

namespace {

// Removes what the long-path test made, deepest first: the generic removal
// cannot reach paths this long.
struct TDeepTree {
    std::vector<std::string> Dirs;
    std::string File;
    ~TDeepTree() {
        if (!File.empty()) DeleteFileA(File.c_str());
        for (auto It = Dirs.rbegin(); It != Dirs.rend(); ++It) RemoveDirectoryA(It->c_str());
    }
};

}  // namespace

TEST(GetShortPath, ShortFormLongerThanTheBufferGivesTheInput) {
    TTestFolder Dir;
    char ShortDir[1024];
    const DWORD DirLen = GetShortPathNameA(Dir.Path().c_str(), ShortDir, sizeof(ShortDir));
    ASSERT_GT(DirLen, 0u);
    // Folders and a file with 8.3 names, so the short form is as long as the
    // path: 255 characters or more.
    TDeepTree Tree;
    std::string Path(ShortDir, DirLen);
    while (Path.size() + 9 <= 244) {
        Path += "abcdefgh\\";
        ASSERT_TRUE(CreateDirectoryA(Path.c_str(), nullptr));
        Tree.Dirs.push_back(Path);
    }
    if (Path.size() < 243) {
        Path += std::string(243 - Path.size(), 'x') + "\\";
        ASSERT_TRUE(CreateDirectoryA(Path.c_str(), nullptr));
        Tree.Dirs.push_back(Path);
    }
    Path += "abcdefgh.asm";
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(File, INVALID_HANDLE_VALUE);
    CloseHandle(File);
    Tree.File = Path;
    char Big[1024];
    ASSERT_GE(GetShortPathNameA(Path.c_str(), Big, sizeof(Big)), 255u);
    EXPECT_EQ(GetShortPath(Path), Path);
}

TEST(GetExeDir, IsTheFolderOfTheRunningProgram) {
    const std::string Dir = GetExeDir();
    ASSERT_FALSE(Dir.empty());
    EXPECT_EQ(Dir.back(), '\\');
    EXPECT_TRUE(FileExists(Dir + "fake_console.exe"));
}
