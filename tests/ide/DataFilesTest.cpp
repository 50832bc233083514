// recent.dat, hfiles.dat and tools.dat: formats, list rules, round trips.
#include <gtest/gtest.h>

#include <set>

#include "framework/rtl/FileUtils.h"
#include "ide/HotFiles.h"
#include "ide/ProjectFile.h"
#include "ide/RecentFiles.h"
#include "product/ToolsFile.h"
#include "tests/common/TestFolder.h"

namespace {

TFileExistsFunc Existing(std::set<std::string> Names) {
    return [Names = std::move(Names)](const std::string& P) { return Names.count(P) != 0; };
}

TEST(RecentFiles, LoadingSkipsMissingFilesAndMarksProjects) {
    auto Items = ParseRecentFiles("c:\\p\\one.qrn\r\nc:\\gone.asm\r\n\r\nc:\\p\\two.asm",
                                  Existing({"c:\\p\\one.qrn", "c:\\p\\two.asm"}));
    ASSERT_EQ(Items.size(), 2u);
    EXPECT_EQ(Items[0], (TRecentItem{"one.qrn", "c:\\p\\one.qrn", 1}));
    EXPECT_EQ(Items[1], (TRecentItem{"two.asm", "c:\\p\\two.asm", 0}));
    // The missing entry is gone at the next save.
    EXPECT_EQ(RecentFilesText(Items), "c:\\p\\one.qrn\r\nc:\\p\\two.asm\r\n");
}

TEST(RecentFiles, ReopeningInAnotherCaseAddsNothing) {
    std::vector<TRecentItem> Items;
    EXPECT_TRUE(AddRecentFile(Items, "C:\\Work\\Demo.QRN"));
    EXPECT_FALSE(AddRecentFile(Items, "c:\\work\\demo.qrn"));
    EXPECT_FALSE(AddRecentFile(Items, "C:\\WORK\\DEMO.qrn"));
    ASSERT_EQ(Items.size(), 1u);
    EXPECT_EQ(Items[0].Path, "c:\\work\\demo.qrn");
    EXPECT_EQ(Items[0].ImageIndex, 1);
}

TEST(RecentFiles, NewestStandLastWithoutLimitOrReordering) {
    std::vector<TRecentItem> Items;
    for (int I = 0; I < 40; ++I) AddRecentFile(Items, "c:\\f" + std::to_string(I) + ".asm");
    AddRecentFile(Items, "c:\\f0.asm");
    ASSERT_EQ(Items.size(), 40u);
    EXPECT_EQ(Items.front().Path, "c:\\f0.asm");
    EXPECT_EQ(Items.back().Path, "c:\\f39.asm");
}

TEST(RecentFiles, DeleteRemovesOnlyAValidIndex) {
    std::vector<TRecentItem> Items;
    AddRecentFile(Items, "c:\\a.asm");
    AddRecentFile(Items, "c:\\b.asm");
    EXPECT_FALSE(DeleteRecentFile(Items, 2));
    EXPECT_FALSE(DeleteRecentFile(Items, -1));
    EXPECT_TRUE(DeleteRecentFile(Items, 0));
    ASSERT_EQ(Items.size(), 1u);
    EXPECT_EQ(Items[0].Path, "c:\\b.asm");
}

TEST(RecentFiles, ProjectsOpenOnlyByTheExactExtension) {
    EXPECT_TRUE(IsProjectFileName("c:\\a\\x.qrn"));
    EXPECT_FALSE(IsProjectFileName("c:\\a\\x.QRN"));
    EXPECT_FALSE(IsProjectFileName("c:\\a.qrn\\x"));
}

TEST(RecentFiles, FileRoundTripAndMissingFile) {
    TTestFolder Dir;
    const std::string Data = RecentFilesPath(Dir.Path());
    EXPECT_FALSE(LoadRecentFiles(Data, [](const std::string&) { return true; }).has_value());
    std::vector<TRecentItem> Items;
    AddRecentFile(Items, Dir.Write("a.asm", ""));
    AddRecentFile(Items, Dir.Write("b.qrn", ""));
    SaveRecentFiles(Data, Items);
    auto Loaded = LoadRecentFiles(Data, [](const std::string& P) { return FileExists(P); });
    ASSERT_TRUE(Loaded.has_value());
    EXPECT_EQ(*Loaded, Items);
    EXPECT_EQ(ReadAll(Data).find('\n'), ReadAll(Data).find("\r\n") + 1);
}

TEST(RecentFiles, AFailedSaveLeavesTheOldFile) {
    TTestFolder Dir;
    const std::string Data = RecentFilesPath(Dir.Path());
    Dir.Write("recent.dat", "old\r\n");
    std::vector<TRecentItem> Items{MakeRecentItem("new")};
    EXPECT_THROW(SaveRecentFiles(Dir.Path() + "missing" + PathDelim + "recent.dat", Items), Exception);
    EXPECT_EQ(ReadAll(Data), "old\r\n");
}

TEST(HotFiles, LinesAreCutAtTheFirstBar) {
    auto Items = ParseHotFiles("c:\\x\\a.asm|c:\\x\\a.asm\r\nshown|c:\\p|q.inc\r\n\r\nc:\\lone.mac\r\n");
    ASSERT_EQ(Items.size(), 3u);
    EXPECT_EQ(Items[0], (THotItem{"a.asm", "c:\\x\\a.asm", 0}));
    EXPECT_EQ(Items[1], (THotItem{"shown", "c:\\p|q.inc", 0}));
    EXPECT_EQ(Items[2], (THotItem{"lone.mac", "c:\\lone.mac", 0}));
}

TEST(HotFiles, RoundTripThroughTheFile) {
    TTestFolder Dir;
    const std::string Data = HotFilesPath(Dir.Path());
    EXPECT_FALSE(LoadHotFiles(Data).has_value());
    std::vector<THotItem> Items{HotItemForFile("c:\\a\\one.asm"), HotItemForWindow("two.inc", "c:\\proj\\")};
    SaveHotFiles(Data, Items);
    EXPECT_EQ(ReadAll(Data), "one.asm|c:\\a\\one.asm\r\ntwo.inc|c:\\proj\\\\two.inc\r\n");
    auto Loaded = LoadHotFiles(Data);
    ASSERT_TRUE(Loaded.has_value());
    EXPECT_EQ(*Loaded, Items);
}

TEST(HotFiles, CurrentWindowRelativeOrFull) {
    EXPECT_EQ(HotItemForWindow("main.asm", "c:\\proj\\"), (THotItem{"main.asm", "c:\\proj\\\\main.asm", 0}));
    EXPECT_EQ(HotItemForWindow("d:\\lib\\io.inc", "c:\\proj\\"), (THotItem{"io.inc", "d:\\lib\\io.inc", 0}));
}

TEST(HotFiles, AddedToAProjectKeepsItsAbsolutePath) {
    const THotItem Item = HotItemForFile("d:\\lib\\io.inc");
    const std::string Entry = ProjectEntryForHotFile(Item);
    EXPECT_EQ(Entry, "d:\\lib\\io.inc");
    EXPECT_EQ(ProjectMemberPath("c:\\proj\\", Entry), "d:\\lib\\io.inc");
}

TEST(HotFiles, IncludeStatementQuotesTheShortPath) {
    EXPECT_EQ(IncludeStatement("C:\\LIB\\IO.INC"), "include \"C:\\LIB\\IO.INC\"");
}

TEST(ToolsFile, LineWithoutBarIsAllProgram) {
    EXPECT_EQ(SplitToolLine("c:\\tools\\hexed.exe"), (TToolEntry{"c:\\tools\\hexed.exe", "c:\\tools\\hexed.exe", ""}));
    EXPECT_EQ(SplitToolLine("notepad.exe|a.txt|b"), (TToolEntry{"notepad.exe|a.txt|b", "notepad.exe", "a.txt|b"}));
    EXPECT_EQ(SplitToolLine("calc.exe|"), (TToolEntry{"calc.exe|", "calc.exe", ""}));
}

TEST(ToolsFile, ParseKeepsOrderAndSkipsBlankLines) {
    auto Tools = ParseToolsFile("a.exe|1\r\n\r\n  \r\nb.exe\nc.exe|x y");
    ASSERT_EQ(Tools.size(), 3u);
    EXPECT_EQ(Tools[0].Program, "a.exe");
    EXPECT_EQ(Tools[1].Program, "b.exe");
    EXPECT_EQ(Tools[2].Parameters, "x y");
    EXPECT_TRUE(ParseToolsFile("").empty());
}

TEST(ToolsFile, MissingFileChangesNothingAndEmptyFileMeansNoTools) {
    TTestFolder Dir;
    const std::string Data = ToolsFilePath(Dir.Path());
    EXPECT_FALSE(LoadToolsFile(Data).has_value());
    Dir.Write("tools.dat", "");
    auto Empty = LoadToolsFile(Data);
    ASSERT_TRUE(Empty.has_value());
    EXPECT_TRUE(Empty->empty());
    std::vector<TToolEntry> Tools{SplitToolLine("x.exe|-a"), SplitToolLine("y.exe")};
    SaveToolsFile(Data, Tools);
    EXPECT_EQ(ReadAll(Data), "x.exe|-a\r\ny.exe\r\n");
    EXPECT_EQ(*LoadToolsFile(Data), Tools);
}

}  // namespace
