#include <gtest/gtest.h>

#include <filesystem>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"
#include "tests/common/TestFolder.h"

TEST(WipeFile, FileThatCannotBeOpenedIsStillDeleted) {
    TTestFolder Dir;
    const std::string Path = Dir.Write("busy.obj", "busy data");
    std::filesystem::create_hard_link(Path, Dir / "witness");
    // Another program holds the file and allows nothing but its deletion.
    HANDLE Holder = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(Holder, INVALID_HANDLE_VALUE);
    WipeFile(Path);
    CloseHandle(Holder);
    EXPECT_FALSE(FileExists(Path));
    EXPECT_EQ(ReadAll(Dir / "witness"), "busy data");
}
