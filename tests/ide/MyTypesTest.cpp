#include <gtest/gtest.h>

#include <filesystem>

#include "framework/rtl/FileUtils.h"
#include "ide/MyTypes.h"
#include "tests/common/TestFolder.h"

TEST(ProjectKindNames, AreTheSevenKindsInFileOrder) {
    ASSERT_EQ(ProjectKindNames.size(), 7u);
    EXPECT_EQ(ProjectKindNames[pkUnknown], "Unknown");
    EXPECT_EQ(ProjectKindNames[pkDosCom], "Dos Com");
    EXPECT_EQ(ProjectKindNames[pkWin16Dll], "Win16 Dll");
    EXPECT_EQ(ProjectKindNames[pkWin32Dll], "Win32 Dll");
}

TEST(TitleString, NamesTheProductVersion) {
    EXPECT_EQ(TitleString.rfind("Quorlen PRO v1.0a (Merivel", 0), 0u);
    ASSERT_FALSE(TitleString.empty());
    EXPECT_EQ(TitleString.back(), ')');
}

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
