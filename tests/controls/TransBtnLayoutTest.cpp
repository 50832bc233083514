#include <gtest/gtest.h>

#include "controls/TransBtnLayout.h"

TEST(TransBtnGlyphCells, SquareCellsDecideTheCount) {
    EXPECT_EQ(TransNumGlyphsFor(64, 16, 1), 4);
    EXPECT_EQ(TransNumGlyphsFor(32, 16, 1), 2);
    EXPECT_EQ(TransNumGlyphsFor(16, 16, 3), 1);
}

TEST(TransBtnGlyphCells, MoreThanFourCellsMakeOneCell) {
    EXPECT_EQ(TransNumGlyphsFor(80, 16, 2), 1);
    EXPECT_EQ(TransCellWidth(80, 1), 80);
}

TEST(TransBtnGlyphCells, UnevenOrEmptyGlyphKeepsTheCount) {
    EXPECT_EQ(TransNumGlyphsFor(30, 16, 3), 3);
    EXPECT_EQ(TransNumGlyphsFor(16, 0, 2), 2);
    EXPECT_EQ(TransNumGlyphsFor(0, 16, 2), 2);
}

TEST(TransBtnGlyphCells, CellWidthFallsBackToTheWholeStrip) {
    EXPECT_EQ(TransCellWidth(64, 4), 16);
    EXPECT_EQ(TransCellWidth(64, 0), 64);
    EXPECT_EQ(TransCellWidth(3, 4), 3);  // narrower than the count
}

TEST(TransBtnLayout, GlyphSitsByTheCaptionSide) {
    // 40 x 40 button, 16 x 16 cell, spacing 2.
    EXPECT_EQ(TransGlyphRect(ttaCenter, 40, 40, 16, 16, 2), Rect(12, 12, 28, 28));
    EXPECT_EQ(TransGlyphRect(ttaBottom, 40, 40, 16, 16, 2), Rect(12, 2, 28, 18));
    EXPECT_EQ(TransGlyphRect(ttaTop, 40, 40, 16, 16, 2), Rect(12, 22, 28, 38));
    EXPECT_EQ(TransGlyphRect(ttaLeft, 40, 40, 16, 16, 2), Rect(22, 12, 38, 28));
    EXPECT_EQ(TransGlyphRect(ttaRight, 40, 40, 16, 16, 2), Rect(2, 12, 18, 28));
}

TEST(TransBtnLayout, OddSizesTruncateTowardZero) {
    EXPECT_EQ(TransGlyphRect(ttaCenter, 41, 41, 16, 16, 2).TopLeft(), Point(12, 12));
    // A glyph larger than the button goes up and left of it.
    EXPECT_EQ(TransGlyphRect(ttaCenter, 10, 10, 15, 15, 2).TopLeft(), Point(-2, -2));
}

TEST(TransBtnLayout, CaptionGoesOppositeTheGlyph) {
    const TRect G = Rect(12, 2, 28, 18);
    // caption 20 x 10 in an 80 x 40 button
    EXPECT_EQ(TransCaptionOffset(ttaBottom, 80, 40, 20, 10, 2, G), Point(30, 20));
    EXPECT_EQ(TransCaptionOffset(ttaBottomLeft, 80, 40, 20, 10, 2, G), Point(2, 20));
    EXPECT_EQ(TransCaptionOffset(ttaBottomRight, 80, 40, 20, 10, 2, G), Point(58, 20));
    const TRect Low = Rect(12, 22, 28, 38);
    EXPECT_EQ(TransCaptionOffset(ttaTop, 80, 40, 20, 10, 2, Low), Point(30, 10));
    EXPECT_EQ(TransCaptionOffset(ttaTopLeft, 80, 40, 20, 10, 2, Low), Point(2, 10));
    EXPECT_EQ(TransCaptionOffset(ttaTopRight, 80, 40, 20, 10, 2, Low), Point(58, 10));
    EXPECT_EQ(TransCaptionOffset(ttaLeft, 80, 40, 20, 10, 2, G), Point(2, 15));
    EXPECT_EQ(TransCaptionOffset(ttaRight, 80, 40, 20, 10, 2, G), Point(58, 15));
    EXPECT_EQ(TransCaptionOffset(ttaCenter, 80, 40, 21, 11, 2, G), Point(30, 15));
}

namespace {
TTransImageChoice Choice(int NumGlyphs) {
    TTransImageChoice C;
    C.NumGlyphs = NumGlyphs;
    C.ImageCount = NumGlyphs + 2;
    C.Explorer = false;
    return C;
}
}  // namespace

TEST(TransBtnImage, CellsByState) {
    auto C = Choice(3);
    EXPECT_EQ(TransImageIndex(C), 0);
    C.Pressed = true;
    EXPECT_EQ(TransImageIndex(C), 2);
    C.Enabled = false;
    EXPECT_EQ(TransImageIndex(C), 1);
    auto Two = Choice(2);
    Two.Pressed = true;
    EXPECT_EQ(TransImageIndex(Two), 0);  // no pressed cell
    Two.Enabled = false;
    EXPECT_EQ(TransImageIndex(Two), 1);
}

TEST(TransBtnImage, ExplorerShowsGreyUntilHot) {
    auto C = Choice(1);
    C.Explorer = true;
    EXPECT_EQ(TransImageIndex(C), 1);  // grey is Count-2
    C.Hot = true;
    EXPECT_EQ(TransImageIndex(C), 0);
    C.Hot = false;
    C.AutoGray = false;
    EXPECT_EQ(TransImageIndex(C), 0);
}

TEST(TransBtnImage, DisabledSingleCellUsesTheEmbossedImageEvenWhenGrey) {
    auto C = Choice(1);
    C.Explorer = true;
    C.Enabled = false;
    EXPECT_EQ(TransImageIndex(C), 2);  // disabled is Count-1
    auto Four = Choice(4);
    Four.Enabled = false;
    EXPECT_EQ(TransImageIndex(Four), 1);  // its own disabled cell
}

TEST(TransBtnImage, GreyLevelWeightsGreenMost) {
    EXPECT_EQ(TransGreyLevel(255, 255, 255), 255);
    EXPECT_EQ(TransGreyLevel(0, 255, 0), 150);
    EXPECT_EQ(TransGreyLevel(255, 0, 0), 76);
    EXPECT_EQ(TransGreyLevel(0, 0, 255), 28);
}

TEST(TransBtnState, PressInsideThenReleaseClearsThePressedLook) {
    TTransButtonState S;
    bool Repaint = false;
    EXPECT_TRUE(S.BeginPress(true, Repaint));
    EXPECT_TRUE(Repaint);
    EXPECT_TRUE(S.Pressed && S.Tracking && S.Holding);
    EXPECT_EQ(S.Release(), TTransButtonState::rrReleased);
    EXPECT_FALSE(S.Pressed || S.Tracking || S.Holding);
    EXPECT_EQ(S.Release(), TTransButtonState::rrIgnored);
}

TEST(TransBtnState, SecondPressWhileHoldingIsIgnored) {
    TTransButtonState S;
    bool Repaint = false;
    S.BeginPress(true, Repaint);
    EXPECT_FALSE(S.BeginPress(true, Repaint));
    EXPECT_FALSE(Repaint);
}

TEST(TransBtnState, PressedFollowsTheMouseWhileTracking) {
    TTransButtonState S;
    bool Repaint = false;
    S.BeginPress(true, Repaint);
    EXPECT_TRUE(S.Track(false));
    EXPECT_FALSE(S.Pressed);
    EXPECT_FALSE(S.Track(false));
    EXPECT_TRUE(S.Track(true));
    EXPECT_TRUE(S.Pressed);
}

TEST(TransBtnState, PressOutsideDoesNotTrack) {
    TTransButtonState S;
    bool Repaint = true;
    EXPECT_TRUE(S.BeginPress(false, Repaint));
    EXPECT_FALSE(Repaint);
    EXPECT_FALSE(S.Track(true));
    EXPECT_FALSE(S.Pressed);
}

TEST(TransBtnState, DownButtonStaysPressedAfterRelease) {
    TTransButtonState S;
    S.SetDown(true);
    bool Repaint = false;
    S.BeginPress(true, Repaint);
    EXPECT_EQ(S.Release(), TTransButtonState::rrLatched);
    EXPECT_TRUE(S.Pressed);
    EXPECT_FALSE(S.Holding);
    S.SetDown(false);
    EXPECT_FALSE(S.Pressed || S.Tracking);
}

TEST(TransBtnState, DisablingDropsEveryTransientFlag) {
    TTransButtonState S;
    bool Repaint = false;
    S.Hot = true;
    S.BeginPress(true, Repaint);
    S.Disable();
    EXPECT_FALSE(S.Hot || S.Holding || S.Tracking || S.Pressed);
}
