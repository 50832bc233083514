#include <gtest/gtest.h>

#include <filesystem>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "tests/common/TestFolder.h"

TEST(DeleteFilesByMask, WipesOnlyMatchingFiles) {
    TTestFolder Dir;
    const std::string Map = Dir.Write("prog.map", "map data");
    Dir.Write("other.MAP", "more");
    Dir.Write("prog.obj", "object");
    Dir.Write("prog.mapx", "not a map");
    std::filesystem::create_directory(Dir / "sub.map");
    // A second name for the data shows the overwrite that precedes the delete.
    std::filesystem::create_hard_link(Map, Dir / "witness");

    DeleteFilesByMask(Dir.Path(), "*.map");

    EXPECT_FALSE(FileExists(Dir / "prog.map"));
    EXPECT_FALSE(FileExists(Dir / "other.MAP"));
    EXPECT_EQ(ReadAll(Dir / "witness"), "XXXXXXXX");
    EXPECT_EQ(ReadAll(Dir / "prog.obj"), "object");
    EXPECT_EQ(ReadAll(Dir / "prog.mapx"), "not a map");
    EXPECT_TRUE(DirectoryExists(Dir / "sub.map"));
}

TEST(DeleteFilesByMask, NoMatchIsHarmless) {
    TTestFolder Dir;
    Dir.Write("prog.asm", "code");
    DeleteFilesByMask(Dir.Path(), "*.obj");
    EXPECT_EQ(ReadAll(Dir / "prog.asm"), "code");
}
