#include <gtest/gtest.h>

#include "docking/ButtonLayout.h"

namespace {

TButtonGlyphLayoutInput Input(TRect Content, TExtent Glyph, TExtent Text, TGlyphLayout Layout, int Margin,
                              int Spacing) {
    TButtonGlyphLayoutInput In;
    In.Content = Content;
    In.Glyph = Glyph;
    In.Text = Text;
    In.Layout = Layout;
    In.Margin = Margin;
    In.Spacing = Spacing;
    return In;
}

}  // namespace

TEST(ButtonGlyphLayout, LoneGlyphIsCentredInTheDefaultButton) {
    // 22 x 23 flat button: content inset by 1.
    TRect Content = ButtonContentRect(Rect(0, 0, 22, 23), true, false, false);
    EXPECT_EQ(Content, Rect(1, 1, 21, 22));
    TButtonGlyphLayout L = LayoutButtonGlyph(Input(Content, {16, 16}, {0, 0}, TGlyphLayout::GlyphLeft, -1, 4));
    EXPECT_EQ(L.Spacing, 0);  // no caption: no spacing
    EXPECT_EQ(L.GlyphPos, (TPoint{3, 4}));
    TButtonGlyphLayoutInput In = Input(Content, {16, 16}, {0, 0}, TGlyphLayout::GlyphLeft, -1, 4);
    In.Pushed = true;
    EXPECT_EQ(LayoutButtonGlyph(In).GlyphPos, (TPoint{4, 5}));
}

TEST(ButtonGlyphLayout, AutomaticMarginAndSpacingSplitTheFreeRoomInThree) {
    TButtonGlyphLayout L =
        LayoutButtonGlyph(Input(Rect(0, 0, 60, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, -1, -1));
    EXPECT_EQ(L.Margin, 8);
    EXPECT_EQ(L.Spacing, 8);
    EXPECT_EQ(L.GlyphPos, (TPoint{8, 2}));
    EXPECT_EQ(L.TextRect, Bounds(32, 4, 20, 13));
}

TEST(ButtonGlyphLayout, AutomaticMarginCentresTheBlock) {
    TButtonGlyphLayout L =
        LayoutButtonGlyph(Input(Rect(0, 0, 60, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, -1, 4));
    EXPECT_EQ(L.Margin, 10);
    EXPECT_EQ(L.TextRect.Left, 30);
}

TEST(ButtonGlyphLayout, AutomaticSpacingIsHalfTheRestRoundedUp) {
    TButtonGlyphLayout L =
        LayoutButtonGlyph(Input(Rect(0, 0, 60, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, 2, -1));
    EXPECT_EQ(L.Spacing, 11);
    EXPECT_EQ(L.TextRect.Left, 29);
    L = LayoutButtonGlyph(Input(Rect(0, 0, 59, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, 2, -1));
    EXPECT_EQ(L.Spacing, 11);  // 21 / 2 rounded up
    // No room left: rounded towards plus infinity.
    L = LayoutButtonGlyph(Input(Rect(0, 0, 34, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, 2, -1));
    EXPECT_EQ(L.Spacing, -2);
    L = LayoutButtonGlyph(Input(Rect(0, 0, 35, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, 2, -1));
    EXPECT_EQ(L.Spacing, -1);
}

TEST(ButtonGlyphLayout, GlyphRightWithArrow) {
    TButtonGlyphLayoutInput In = Input(Rect(0, 0, 60, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphRight, 2, 4);
    In.Arrow = true;
    TButtonGlyphLayout L = LayoutButtonGlyph(In);
    EXPECT_EQ(L.GlyphPos.X, 33);
    EXPECT_EQ(L.TextRect.Left, 9);
    EXPECT_EQ(L.ArrowPos, (TPoint{49, 2 + 6}));
}

TEST(ButtonGlyphLayout, GlyphLeftArrowFollowsTheCaption) {
    TButtonGlyphLayoutInput In = Input(Rect(0, 0, 60, 20), {16, 16}, {20, 13}, TGlyphLayout::GlyphLeft, 2, 4);
    In.Arrow = true;
    TButtonGlyphLayout L = LayoutButtonGlyph(In);
    EXPECT_EQ(L.TextRect.Left, 22);
    EXPECT_EQ(L.ArrowPos.X, 42);
    // Without glyph the arrow is centred on the caption.
    In.Glyph = {0, 0};
    L = LayoutButtonGlyph(In);
    EXPECT_EQ(L.ArrowPos, (TPoint{2 + 20, 4 + 5}));
}

TEST(ButtonGlyphLayout, TopAndBottomLayouts) {
    TButtonGlyphLayout L =
        LayoutButtonGlyph(Input(Rect(0, 0, 40, 50), {16, 16}, {30, 13}, TGlyphLayout::GlyphTop, 3, 2));
    EXPECT_EQ(L.GlyphPos, (TPoint{12, 3}));
    EXPECT_EQ(L.TextRect, Bounds(5, 21, 30, 13));
    L = LayoutButtonGlyph(Input(Rect(0, 0, 40, 50), {16, 16}, {30, 13}, TGlyphLayout::GlyphBottom, 3, 2));
    EXPECT_EQ(L.GlyphPos, (TPoint{12, 31}));
    EXPECT_EQ(L.TextRect.Top, 16);
    // The arrow sits right after the glyph; the glyph makes room for it.
    TButtonGlyphLayoutInput In = Input(Rect(0, 0, 40, 50), {16, 16}, {30, 13}, TGlyphLayout::GlyphTop, 3, 2);
    In.Arrow = true;
    L = LayoutButtonGlyph(In);
    EXPECT_EQ(L.GlyphPos.X, 8);
    EXPECT_EQ(L.ArrowPos, (TPoint{24, 9}));
}

TEST(ButtonGlyphLayout, TopLayoutWithoutGlyphIsLaidOutAsGlyphLeft) {
    TButtonGlyphLayout L =
        LayoutButtonGlyph(Input(Rect(5, 5, 45, 55), {0, 0}, {30, 13}, TGlyphLayout::GlyphTop, -1, 4));
    EXPECT_EQ(L.Layout, TGlyphLayout::GlyphLeft);
    EXPECT_EQ(L.TextRect, Bounds(10, 24, 30, 13));
}

TEST(ButtonGlyphLayout, CaptionMeasureWidth) {
    EXPECT_EQ(CaptionMeasureWidth(60, TGlyphLayout::GlyphLeft, false, false, 16, 4, -1), 60);
    EXPECT_EQ(CaptionMeasureWidth(60, TGlyphLayout::GlyphLeft, true, false, 16, 4, -1), 51);
    EXPECT_EQ(CaptionMeasureWidth(60, TGlyphLayout::GlyphTop, true, false, 16, 4, -1), 60);
    // Word wrap: less glyph, spacing and twice the margin (the spacing or 4
    // when automatic).
    EXPECT_EQ(CaptionMeasureWidth(60, TGlyphLayout::GlyphLeft, false, true, 16, 4, 2), 36);
    EXPECT_EQ(CaptionMeasureWidth(60, TGlyphLayout::GlyphLeft, false, true, 16, 3, -1), 35);
    EXPECT_EQ(CaptionMeasureWidth(60, TGlyphLayout::GlyphLeft, false, true, 16, -1, -1), 32);
    EXPECT_EQ(CaptionMeasureWidth(10, TGlyphLayout::GlyphLeft, true, true, 16, 4, 2), 0);
}

TEST(ButtonArrow, PointsAndComboPart) {
    auto P = DropdownArrowPoints({10, 20});
    EXPECT_EQ(P[0], (TPoint{14, 20}));
    EXPECT_EQ(P[1], (TPoint{18, 20}));
    EXPECT_EQ(P[2], (TPoint{16, 22}));
    EXPECT_EQ(ComboArrowOrigin({34, 23}), (TPoint{21, 10}));
    EXPECT_EQ(ButtonContentRect(Rect(0, 0, 34, 23), false, false, true), Rect(2, 2, 21, 21));
    EXPECT_EQ(ButtonContentRect(Rect(0, 0, 34, 23), true, true, false), Rect(0, 0, 34, 23));
}

TEST(ButtonCombo, WidenedByElevenAndPressInLastElevenOpensTheMenu) {
    EXPECT_EQ(WidthAfterComboChange(23, true), 34);
    EXPECT_EQ(WidthAfterComboChange(34, false), 23);
    EXPECT_EQ(WidthAfterComboChange(5, false), 1);
    EXPECT_TRUE(PressOpensDropdown(23, 34, true, true));
    EXPECT_TRUE(PressOpensDropdown(33, 34, true, true));
    EXPECT_FALSE(PressOpensDropdown(22, 34, true, true));
    EXPECT_TRUE(PressOpensDropdown(0, 34, true, false));
    EXPECT_FALSE(PressOpensDropdown(30, 34, false, true));
    EXPECT_TRUE(PointInsideButton({22, 5}, {34, 23}, true));
    EXPECT_FALSE(PointInsideButton({23, 5}, {34, 23}, true));
    EXPECT_TRUE(PointInsideButton({33, 22}, {34, 23}, false));
    EXPECT_FALSE(PointInsideButton({-1, 5}, {34, 23}, false));
    EXPECT_FALSE(PointInsideButton({5, 23}, {34, 23}, false));
}

TEST(ButtonState, HotTrackingTransitions) {
    EXPECT_EQ(StateAfterMouseEnter(tbsUp), tbsHot);
    EXPECT_EQ(StateAfterMouseEnter(tbsExclusive), tbsExclusive);
    EXPECT_EQ(StateAfterMouseLeave(tbsHot, false, 0, false), tbsUp);
    EXPECT_EQ(StateAfterMouseLeave(tbsHot, true, 1, false), tbsExclusive);
    EXPECT_EQ(StateAfterMouseLeave(tbsPushed, false, 0, false), tbsUp);
    // During a click the pushed look stays.
    EXPECT_EQ(StateAfterMouseLeave(tbsPushed, false, 0, true), tbsPushed);
    EXPECT_EQ(StateAfterMouseLeave(tbsDisabled, false, 0, false), tbsDisabled);
}

TEST(ButtonState, BorderRules) {
    EXPECT_FALSE(ButtonDrawsBorder(tbsUp, true, false, false, false));
    EXPECT_TRUE(ButtonDrawsBorder(tbsUp, true, false, true, false));
    EXPECT_TRUE(ButtonDrawsBorder(tbsUp, false, false, false, false));
    EXPECT_TRUE(ButtonDrawsBorder(tbsExclusive, true, false, false, false));
    EXPECT_FALSE(ButtonDrawsBorder(tbsDisabled, true, false, true, false));
    EXPECT_FALSE(ButtonDrawsBorder(tbsPushed, false, true, true, false));
    EXPECT_TRUE(ButtonDrawsBorder(tbsUp, true, false, false, true));
    EXPECT_EQ(AcceptedMargin(3, -5), 3);
    EXPECT_EQ(AcceptedMargin(3, -1), -1);
}

TEST(ButtonMenu, AnchorBelowOrBesideTheButton) {
    const TRect B = Rect(100, 50, 123, 73);
    EXPECT_EQ(DropdownMenuAnchor(B, bbpOther), (TMenuAnchor{{100, 73}, false}));
    EXPECT_EQ(DropdownMenuAnchor(B, bbpLeftDock), (TMenuAnchor{{123, 50}, false}));
    EXPECT_EQ(DropdownMenuAnchor(B, bbpRightDock), (TMenuAnchor{{100, 50}, true}));
}

TEST(GlyphStrip, NumGlyphsFromTheStripShape) {
    EXPECT_EQ(NumGlyphsForStrip(80, 16), 5);
    EXPECT_EQ(NumGlyphsForStrip(96, 16), 1);
    EXPECT_EQ(NumGlyphsForStrip(32, 16), 2);
    EXPECT_EQ(NumGlyphsForStrip(8, 16), 1);
    EXPECT_EQ(NumGlyphsForStrip(40, 16), 1);
    EXPECT_EQ(NumGlyphsForStrip(0, 0), 1);
    EXPECT_EQ(ClampNumGlyphs(0), 1);
    EXPECT_EQ(ClampNumGlyphs(9), 5);
    EXPECT_EQ(GlyphCellSize({80, 16}, 5), (TExtent{16, 16}));
}

TEST(GlyphStrip, CellForEachState) {
    EXPECT_EQ(GlyphCellForState(tbsUp, 1), 0);
    EXPECT_EQ(GlyphCellForState(tbsDisabled, 1), -1);
    EXPECT_EQ(GlyphCellForState(tbsPushed, 1), 0);
    EXPECT_EQ(GlyphCellForState(tbsHot, 4), 0);
    EXPECT_EQ(GlyphCellForState(tbsDisabled, 2), 1);
    EXPECT_EQ(GlyphCellForState(tbsPushed, 2), 0);
    EXPECT_EQ(GlyphCellForState(tbsExclusive, 5), 3);
    EXPECT_EQ(GlyphCellForState(tbsHot, 5), 4);
}
