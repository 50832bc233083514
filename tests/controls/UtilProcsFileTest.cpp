#include <gtest/gtest.h>

#include <filesystem>

#include "controls/UtilProcs.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/FileUtils.h"
#include "tests/common/TestFolder.h"

namespace {

// A date that a fresh file cannot have by accident.
const int32_t OldDosDate = DateTimeToFileDate(EncodeDate(2001, 2, 3) + EncodeTime(4, 5, 6, 0));

}  // namespace

TEST(FileSizeByName, MissingFileGivesZero) {
    TTestFolder Dir;
    EXPECT_EQ(FileSizeByName(Dir / "missing.obj"), 0);
}

TEST(FileSizeByName, GivesTheSizeInBytes) {
    TTestFolder Dir;
    EXPECT_EQ(FileSizeByName(Dir.Write("five.txt", "12345")), 5);
    EXPECT_EQ(FileSizeByName(Dir.Write("empty.txt", "")), 0);
}

TEST(GetFileDate, MissingFileGivesZero) {
    TTestFolder Dir;
    EXPECT_EQ(GetFileDate(Dir / "missing.obj"), 0.0);
}

TEST(GetFileDate, GivesTheLastWriteTime) {
    TTestFolder Dir;
    const std::string Path = Dir.Write("dated.txt", "x");
    ASSERT_EQ(FileSetDate(Path, OldDosDate), 0);
    EXPECT_DOUBLE_EQ(GetFileDate(Path), FileDateToDateTime(OldDosDate));
}

TEST(WipeFile, OverwritesTheWholeFileWithXThenDeletes) {
    TTestFolder Dir;
    // Larger than one write chunk, and not a multiple of it.
    const std::string Data(200001, 'a');
    const std::string Path = Dir.Write("secret.obj", Data);
    // A second name for the same data shows what was written before the delete.
    std::filesystem::create_hard_link(Path, Dir / "witness");
    WipeFile(Path);
    EXPECT_FALSE(FileExists(Path));
    EXPECT_EQ(ReadAll(Dir / "witness"), std::string(Data.size(), 'X'));
}

TEST(WipeFile, EmptyFileIsDeleted) {
    TTestFolder Dir;
    const std::string Path = Dir.Write("empty.map", "");
    WipeFile(Path);
    EXPECT_FALSE(FileExists(Path));
}

TEST(WipeFile, MissingFileIsHarmless) {
    TTestFolder Dir;
    WipeFile(Dir / "missing.map");
    EXPECT_FALSE(FileExists(Dir / "missing.map"));
}

TEST(CopyFileKeepDate, EmptySourceGivesEmptyDestWithItsDate) {
    TTestFolder Dir;
    const std::string Source = Dir.Write("empty.asm", "");
    ASSERT_EQ(FileSetDate(Source, OldDosDate), 0);
    EXPECT_TRUE(CopyFileKeepDate(Source, Dir / "copy.asm"));
    EXPECT_TRUE(FileExists(Dir / "copy.asm"));
    EXPECT_EQ(ReadAll(Dir / "copy.asm"), "");
    EXPECT_EQ(FileAge(Dir / "copy.asm"), OldDosDate);
}

TEST(CopyFileKeepDate, CopiesSeveralBlocksAndTheDate) {
    TTestFolder Dir;
    std::string Data;
    for (int I = 0; I < 50000; ++I) Data += static_cast<char>(I * 7 % 251);
    const std::string Source = Dir.Write("big.bin", Data);
    ASSERT_EQ(FileSetDate(Source, OldDosDate), 0);
    EXPECT_TRUE(CopyFileKeepDate(Source, Dir / "copy.bin"));
    EXPECT_EQ(ReadAll(Dir / "copy.bin"), Data);
    EXPECT_EQ(FileAge(Dir / "copy.bin"), OldDosDate);
}

TEST(CopyFileKeepDate, ReplacesALongerDestination) {
    TTestFolder Dir;
    const std::string Source = Dir.Write("short.txt", "new");
    const std::string Dest = Dir.Write("long.txt", "old and much longer");
    EXPECT_TRUE(CopyFileKeepDate(Source, Dest));
    EXPECT_EQ(ReadAll(Dest), "new");
}

TEST(CopyFileKeepDate, UnopenableSourceLeavesDestAlone) {
    TTestFolder Dir;
    const std::string Dest = Dir.Write("dest.txt", "keep me");
    EXPECT_FALSE(CopyFileKeepDate(Dir / "missing.txt", Dest));
    EXPECT_EQ(ReadAll(Dest), "keep me");
}

TEST(CopyFileKeepDate, UncreatableDestinationFails) {
    TTestFolder Dir;
    const std::string Source = Dir.Write("src.txt", "data");
    const std::string Dest = Dir.Path() + "no-such-folder" + PathDelim + "dest.txt";
    EXPECT_FALSE(CopyFileKeepDate(Source, Dest));
    EXPECT_FALSE(FileExists(Dest));
    EXPECT_EQ(ReadAll(Source), "data");
}
