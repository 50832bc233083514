#include <gtest/gtest.h>

#include "framework/uicore/Hotkeys.h"

TEST(Hotkeys, StripRemovesMarkersAndKeepsDoubledAmpersands) {
    EXPECT_EQ(StripHotkey("&File"), "File");
    EXPECT_EQ(StripHotkey("Save &As..."), "Save As...");
    EXPECT_EQ(StripHotkey("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(StripHotkey("trailing&"), "trailing");
    EXPECT_EQ(StripHotkey(""), "");
}

TEST(Hotkeys, AcceleratorIsTheCharacterAfterASingleAmpersand) {
    EXPECT_EQ(GetHotkey("E&xit"), 'x');
    EXPECT_EQ(GetHotkey("A && B"), '\0');
    EXPECT_EQ(GetHotkey("A && &B"), 'B');
    EXPECT_EQ(GetHotkey("end&"), '\0');
    EXPECT_TRUE(IsAccel('X', "E&xit"));
    EXPECT_TRUE(IsAccel('x', "E&Xit"));
    EXPECT_FALSE(IsAccel('E', "E&xit"));
    EXPECT_FALSE(IsAccel(0x1234, "E&xit"));
}

#include "framework/uicore/HintText.h"

TEST(HintText, ShortAndLongParts) {
    EXPECT_EQ(GetShortHint("Open|Opens a project"), "Open");
    EXPECT_EQ(GetLongHint("Open|Opens a project"), "Opens a project");
    EXPECT_EQ(GetShortHint("Plain"), "Plain");
    EXPECT_EQ(GetLongHint("Plain"), "Plain");
    EXPECT_EQ(GetShortHint("|only long"), "");
    EXPECT_EQ(GetLongHint("a|b|c"), "b|c");
}
