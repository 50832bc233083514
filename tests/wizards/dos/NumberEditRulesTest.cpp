#include <gtest/gtest.h>

#include "wizards/dos/NumberEditRules.h"

namespace {

TEST(NumberEditRules, DigitsSignsAndControlKeysOnly) {
    for (char C : std::string("0123456789+-")) EXPECT_TRUE(NumberEditAcceptsChar(C, true)) << C;
    for (char C : {'\b', '\x03', '\x16', '\x18', '\x1A'}) EXPECT_TRUE(NumberEditAcceptsChar(C, true)) << int(C);
    for (char C : std::string("aZ .,$e\x7F")) EXPECT_FALSE(NumberEditAcceptsChar(C, true)) << C;
    EXPECT_FALSE(NumberEditAcceptsChar('\r', true));
    EXPECT_FALSE(NumberEditAcceptsChar(static_cast<char>(0xB5), true));
}

TEST(NumberEditRules, ADisabledEditTakesNoTypingOrBackspace) {
    EXPECT_FALSE(NumberEditAcceptsChar('5', false));
    EXPECT_FALSE(NumberEditAcceptsChar('-', false));
    EXPECT_FALSE(NumberEditAcceptsChar('\b', false));
    // Clipboard keys (Ctrl+C) still reach the edit.
    EXPECT_TRUE(NumberEditAcceptsChar('\x03', false));
}

TEST(NumberEditRules, ClampingAndNoLimitForEqualBounds) {
    EXPECT_EQ(ClampNumber(70000, 0, 65535), 65535);
    EXPECT_EQ(ClampNumber(-3, 0, 65535), 0);
    EXPECT_EQ(ClampNumber(256, 0, 65535), 256);
    EXPECT_EQ(ClampNumber(70000, 5, 5), 70000);
    EXPECT_EQ(ClampNumber(-70000, 0, 0), -70000);
}

TEST(NumberEditRules, TextThatIsNoNumberReadsAsTheMinimum) {
    EXPECT_EQ(NumberFromText("256", 0), 256);
    EXPECT_EQ(NumberFromText("-12", 0), -12);
    EXPECT_EQ(NumberFromText("+7", 0), 7);
    EXPECT_EQ(NumberFromText("", 16), 16);
    EXPECT_EQ(NumberFromText("-", 16), 16);
    EXPECT_EQ(NumberFromText("1-2", 3), 3);
    EXPECT_EQ(NumberFromText("99999999999", 4), 4);
}

}  // namespace
