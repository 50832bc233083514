#include <gtest/gtest.h>

#include "wizards/dos/FolderPathText.h"

namespace {

TEST(FolderPathText, ShortPathsStayWhole) {
    EXPECT_EQ(ShortenFolderPath("C:\\Quorlen\\Projects"), "C:\\Quorlen\\Projects");
    const std::string Exactly35 = "C:\\" + std::string(32, 'a');
    EXPECT_EQ(ShortenFolderPath(Exactly35), Exactly35);
}

TEST(FolderPathText, TheSecondPartBecomesTheFiller) {
    // 36 characters, four parts: the filler alone is enough.
    const std::string Path = "C:\\Programs and more\\Quorlen\\Example";
    ASSERT_EQ(Path.size(), 36u);
    EXPECT_EQ(ShortenFolderPath(Path), "C:\\...\\Quorlen\\Example");
}

TEST(FolderPathText, PartsAfterTheFillerGoUntilItFits) {
    EXPECT_EQ(ShortenFolderPath("C:\\Work\\Assembler\\Projects\\Current\\Sources\\Dos\\Hello"),
              "C:\\...\\Current\\Sources\\Dos\\Hello");
    // Never fewer than three parts, even when still too long.
    const std::string Long(40, 'x');
    EXPECT_EQ(ShortenFolderPath("C:\\a\\b\\" + Long), "C:\\...\\" + Long);
}

TEST(FolderPathText, TwoPartsCannotBeShortened) {
    const std::string Long = "C:\\" + std::string(40, 'y');
    EXPECT_EQ(ShortenFolderPath(Long), Long);
}

TEST(FolderPathText, OtherSeparatorFillerAndLength) {
    EXPECT_EQ(ShortenFolderPath("/usr/local/share/quorlen", '/', "~", 10), "/~/quorlen");
}

}  // namespace
