#include <gtest/gtest.h>

#include <cstring>

#include "controls/BitCheckGlyphArt.h"
#include "controls/BitCheckLayout.h"

TEST(BitCheckState, ClicksCycleThroughGrayedOnlyWhenAllowed) {
    int S = BitCheck::Unchecked;
    S = NextCheckState(S, true);
    EXPECT_EQ(S, BitCheck::Grayed);
    S = NextCheckState(S, true);
    EXPECT_EQ(S, BitCheck::Checked);
    S = NextCheckState(S, true);
    EXPECT_EQ(S, BitCheck::Unchecked);
    EXPECT_EQ(NextCheckState(BitCheck::Unchecked, false), BitCheck::Checked);
    EXPECT_EQ(NextCheckState(BitCheck::Checked, false), BitCheck::Unchecked);
    // Grayed set by code still leads to checked.
    EXPECT_EQ(NextCheckState(BitCheck::Grayed, false), BitCheck::Checked);
}

TEST(BitCheckCells, CountIsLimitedToOneOrTwo) {
    EXPECT_EQ(ClampCheckNumGlyphs(5), 2);
    EXPECT_EQ(ClampCheckNumGlyphs(0), 1);
    EXPECT_EQ(ClampCheckNumGlyphs(-3), 1);
    EXPECT_EQ(CheckNumGlyphsFor(38, 19, 1), 2);
    EXPECT_EQ(CheckNumGlyphsFor(76, 19, 1), 2);
    EXPECT_EQ(CheckNumGlyphsFor(19, 14, 2), 2);  // not square: unchanged
    EXPECT_EQ(CheckNumGlyphsFor(19, 0, 2), 2);   // height 0: unchanged
    EXPECT_EQ(CheckNumGlyphsFor(14, 14, 2), 1);
}

TEST(BitCheckLayout, CaptionFollowsTheBoxOrLeadsIt) {
    TCheckLayoutInput In;
    In.ClientWidth = 97;
    In.ClientHeight = 17;
    In.CellWidth = 19;
    In.GlyphHeight = 14;
    In.TextWidth = 40;
    In.TextHeight = 13;
    EXPECT_EQ(CheckCaptionRect(In), Rect(23, 0, 63, 16));  // top (17-13)/2-2 = 0
    EXPECT_EQ(CheckGlyphPos(In), Point(0, 1));
    In.BoxAtLeft = false;
    EXPECT_EQ(CheckCaptionRect(In), Rect(1, 0, 41, 16));
    EXPECT_EQ(CheckGlyphPos(In), Point(78, 1));
}

TEST(BitCheckLayout, AccelMarkIsNotCountedAndRectStaysInside) {
    TCheckLayoutInput In;
    In.ClientWidth = 50;
    In.ClientHeight = 10;
    In.CellWidth = 19;
    In.TextWidth = 60;
    In.TextHeight = 13;
    In.HasAmp = true;
    In.AmpWidth = 5;
    const TRect R = CheckCaptionRect(In);
    EXPECT_EQ(R.Left, 23);
    EXPECT_EQ(R.Right, 50);  // 23 + 55 clipped
    EXPECT_EQ(R.Top, 0);     // -3 clipped
    EXPECT_EQ(R.Bottom, 10);
}

TEST(BitCheckArt, EveryImageIsNineteenByFourteenWithABackgroundCorner) {
    for (int S : {BitCheck::Unchecked, BitCheck::Checked, BitCheck::Grayed}) {
        const char* const* Rows = CheckGlyphArt(S);
        for (int Y = 0; Y < CheckGlyphHeight; ++Y) EXPECT_EQ(std::strlen(Rows[Y]), 19u) << S << " row " << Y;
        // The bottom-left pixel is the transparent colour.
        EXPECT_EQ(Rows[CheckGlyphHeight - 1][0], '.');
    }
    EXPECT_STREQ(CheckGlyphResourceName(BitCheck::Checked), "CHECKED");
    EXPECT_STREQ(CheckGlyphResourceName(BitCheck::Grayed), "GRAYED");
    EXPECT_STREQ(CheckGlyphResourceName(BitCheck::Unchecked), "UNCHECKED");
}

TEST(BitCheckArt, OnlyTheCheckedImageHasAMark) {
    auto Count = [](int S, char C) {
        int N = 0;
        for (int Y = 0; Y < CheckGlyphHeight; ++Y)
            for (const char* P = CheckGlyphArt(S)[Y]; *P; ++P) N += *P == C;
        return N;
    };
    EXPECT_GT(Count(BitCheck::Checked, 'K'), 10);
    EXPECT_EQ(Count(BitCheck::Unchecked, 'K'), 0);
    EXPECT_EQ(Count(BitCheck::Grayed, 'K'), 0);
    EXPECT_GT(Count(BitCheck::Grayed, 'G'), 10);
}
