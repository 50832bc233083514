// The stored package list: three comma fields per #0-ended line.
#include <gtest/gtest.h>

#include "designer/support/PackageListText.h"

TEST(PackageListText, RoundTripsAndSkipsMalformedLines) {
    const std::vector<TPackageLine> Lines{{"Extra controls", "C:\\pkg\\extra.kvx", true},
                                          {"", "C:\\My Packages\\b.kvx", false}};
    const std::string Text = PackageListText(Lines);
    const char Expected[] = "\"Extra controls\",C:\\pkg\\extra.kvx,1\0"
                            "\"C:\\My Packages\\b.kvx\",\"C:\\My Packages\\b.kvx\",0\0\0";
    EXPECT_EQ(Text, std::string(Expected, sizeof Expected - 1));
    const std::vector<TPackageLine> Back = ParsePackageListText(Text);
    ASSERT_EQ(Back.size(), 2u);
    EXPECT_EQ(Back[0].Desc, "Extra controls");
    EXPECT_TRUE(Back[0].Loaded);
    EXPECT_EQ(Back[1].Path, "C:\\My Packages\\b.kvx");
    EXPECT_FALSE(Back[1].Loaded);

    const char OddLines[] = "a,b\0d,e,2\0d,e,10\0\0x,y,1\0";
    const std::string Odd(OddLines, sizeof OddLines - 1);
    const std::vector<TPackageLine> Kept = ParsePackageListText(Odd);
    ASSERT_EQ(Kept.size(), 1u);  // stops at the empty line
    EXPECT_FALSE(Kept[0].Loaded);  // "10" starts with 1 but is not "1"

    const std::string Stored = PackageTextToRegistry(Text);
    EXPECT_EQ(Stored.find('\0'), std::string::npos);
    EXPECT_EQ(Stored.back(), '\1');
    EXPECT_EQ(PackageTextFromRegistry(Stored), Text);
}
