#include <gtest/gtest.h>

#include "framework/uicore/ShortCuts.h"

TEST(ShortCutText, ModifiersAndFunctionKeys) {
    TShortCut S = ShortCut(0x7A, {ssCtrl, ssShift});  // F11
    EXPECT_EQ(S, 0x7A | scCtrl | scShift);
    EXPECT_EQ(ShortCutToText(S), "Shift+Ctrl+F11");
    EXPECT_EQ(TextToShortCut("Ctrl+Shift+F11"), S);
    EXPECT_EQ(TextToShortCut("shift+ctrl+f11"), S);
}

TEST(ShortCutText, LettersDigitsAndNamedKeys) {
    EXPECT_EQ(ShortCutToText(ShortCut('O', {ssCtrl})), "Ctrl+O");
    EXPECT_EQ(TextToShortCut("Ctrl+o"), ShortCut('O', {ssCtrl}));
    EXPECT_EQ(ShortCutToText(ShortCut(0x2E, {})), "Del");
    EXPECT_EQ(TextToShortCut("Alt+BkSp"), 0x08 | scAlt);
    EXPECT_EQ(ShortCutToText(ShortCut('5', {ssAlt})), "Alt+5");
}

TEST(ShortCutText, UnknownTextIsNoShortCut) {
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+Banana"), 0);
    EXPECT_EQ(TextToShortCut("F0"), 0);
    EXPECT_EQ(TextToShortCut("F25"), 0);
    EXPECT_EQ(TextToShortCut("F1x"), 0);
    EXPECT_EQ(ShortCutToText(0), "");
}

TEST(ShortCutText, KeyAndShiftSplitBack) {
    uint16_t Key = 0;
    TShiftState Shift;
    ShortCutToKey(TextToShortCut("Alt+Ctrl+F9"), Key, Shift);
    EXPECT_EQ(Key, 0x78);
    EXPECT_TRUE(Shift.Contains(ssCtrl));
    EXPECT_TRUE(Shift.Contains(ssAlt));
    EXPECT_FALSE(Shift.Contains(ssShift));
}

TEST(ShortCutText, WideKeyCodeIsRefused) {
    EXPECT_EQ(ShortCut(0x1FF, {ssCtrl}), 0);
}
