// Joining the project folder with a file entry leaves absolute entries as
// they are.
#include <gtest/gtest.h>

#include "ide/ProjectFile.h"

namespace {

TEST(ProjectMemberPath, RelativeEntriesJoinTheFolder) {
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "main.asm"), "C:\\Work\\\\main.asm");
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "sub\\x.inc"), "C:\\Work\\\\sub\\x.inc");
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "x:y.inc"), "C:\\Work\\\\x:y.inc");
}

TEST(ProjectMemberPath, AbsoluteEntriesStayAsTheyAre) {
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "D:\\Lib\\io.inc"), "D:\\Lib\\io.inc");
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "d:/lib/io.inc"), "d:/lib/io.inc");
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "\\\\server\\share\\a.asm"), "\\\\server\\share\\a.asm");
    EXPECT_EQ(ProjectMemberPath("C:\\Work\\", "\\root.asm"), "\\root.asm");
    EXPECT_EQ(ProjectMemberPath("/home/p/", "/usr/inc/a.inc"), "/usr/inc/a.inc");
}

TEST(ProjectMemberPath, AbsoluteEntryRule) {
    EXPECT_TRUE(IsAbsoluteFileEntry("C:\\a"));
    EXPECT_TRUE(IsAbsoluteFileEntry("\\a"));
    EXPECT_FALSE(IsAbsoluteFileEntry("C:a"));
    EXPECT_FALSE(IsAbsoluteFileEntry("a.asm"));
    EXPECT_FALSE(IsAbsoluteFileEntry(""));
}

}  // namespace
