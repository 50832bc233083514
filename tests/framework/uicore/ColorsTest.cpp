#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/rtl/Exceptions.h"
#include "framework/uicore/Colors.h"

TEST(ColorNames, NamedColoursRoundTrip) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(StringToColor("clBtnFace"), clBtnFace);
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(StringToColor("CLRED"), clRed);
}

TEST(ColorNames, AliasesReadButSilverAndGrayAreWritten) {
    EXPECT_EQ(StringToColor("clLtGray"), clSilver);
    EXPECT_EQ(ColorToString(clLtGray), "clSilver");
    EXPECT_EQ(ColorToString(clDkGray), "clGray");
}

TEST(ColorNames, UnnamedColourIsHex) {
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(StringToColor("$00123456"), 0x00123456);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("$80000005"), clWindow);
}

TEST(ColorNames, GarbageIsAConvertError) {
    EXPECT_THROW(StringToColor("clNotAColour"), EConvertError);
    EXPECT_THROW(StringToColor(""), EConvertError);
    EXPECT_THROW(StringToColor("$1FFFFFFFFF"), EConvertError);
}

TEST(ColorNames, IdentLookupFailsForUnknownNames) {
    TColor C = 7;
    EXPECT_FALSE(IdentToColor("clFoo", C));
    EXPECT_EQ(C, 7);
    std::string Ident;
    EXPECT_FALSE(ColorToIdent(0x00010203, Ident));
}

TEST(ColorNames, ListHoldsEveryNameOnce) {
    std::vector<std::string> Names;
    GetColorValues([&](const std::string& N) { Names.push_back(N); });
    EXPECT_EQ(Names.front(), "clBlack");
    EXPECT_NE(std::find(Names.begin(), Names.end(), "clInfoBk"), Names.end());
    std::sort(Names.begin(), Names.end());
    EXPECT_EQ(std::adjacent_find(Names.begin(), Names.end()), Names.end());
}

TEST(ColorValues, SystemColoursAreFlagged) {
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(RGBColor(1, 2, 3), 0x030201);
    EXPECT_EQ(BlueOf(clBlue), 255);
}
