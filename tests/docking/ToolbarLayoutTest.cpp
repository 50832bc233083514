#include <gtest/gtest.h>

#include <vector>

#include "docking/ToolbarLayout.h"

namespace {

TToolbarItem Button(int W, int H, TAlternateRole Role = arNone) {
    TToolbarItem I;
    I.Bounds = Bounds(0, 0, W, H);
    I.Alternate = Role;
    return I;
}

TToolbarItem Sep(int Horz = 6, int Vert = 6) {
    TToolbarItem I;
    I.Separator = true;
    I.SizeHorz = Horz;
    I.SizeVert = Vert;
    I.Bounds = Bounds(0, 0, Horz, 22);
    return I;
}

TToolbarLayout Floating(const std::vector<TToolbarItem>& Items, int FloatRightX) {
    return ArrangeToolbarControls(Items, {doNoDock, FloatRightX, 0});
}

std::vector<TToolbarItem> FourButtons() { return {Button(23, 22), Button(23, 22), Button(23, 22), Button(23, 22)}; }

}  // namespace

TEST(ToolbarSizeAcross, TallestCountingChildAtLeastEight) {
    EXPECT_EQ(ToolbarSizeAcross({}, doHorizontal), 8);
    std::vector<TToolbarItem> Items{Button(23, 22), Sep(), Button(40, 30)};
    Items[1].Bounds = Bounds(0, 0, 6, 50);  // separators do not count
    EXPECT_EQ(ToolbarSizeAcross(Items, doHorizontal), 30);
    EXPECT_EQ(ToolbarSizeAcross(Items, doNoDock), 30);
    EXPECT_EQ(ToolbarSizeAcross(Items, doVertical), 40);
    Items[2].Visible = false;
    EXPECT_EQ(ToolbarSizeAcross(Items, doHorizontal), 22);
}

TEST(ToolbarLayoutFloating, NoWrapWidthPutsEverythingOnOneLine) {
    std::vector<TToolbarItem> Items{Button(23, 22), Button(23, 22), Sep(), Button(23, 22)};
    TToolbarLayout L = Floating(Items, 0);
    EXPECT_EQ(L.Bounds[0], Bounds(4, 2, 23, 22));
    EXPECT_EQ(L.Bounds[1], Bounds(27, 2, 23, 22));
    EXPECT_EQ(L.Bounds[2], Bounds(50, 2, 6, 22));
    EXPECT_EQ(L.Bounds[3], Bounds(56, 2, 23, 22));
    EXPECT_EQ(L.ClientSize, (TExtent{83, 25}));
    EXPECT_TRUE(L.LineDividers.empty());
    EXPECT_EQ(L.WrapWidth, 0);
}

TEST(ToolbarLayoutFloating, SeparatorEndingAWrappedLineBecomesADivider) {
    std::vector<TToolbarItem> Items{Button(23, 22), Button(23, 22), Sep(), Button(23, 22)};
    TToolbarLayout L = Floating(Items, 60);
    EXPECT_EQ(L.WrapWidth, 60);
    EXPECT_EQ(L.Bounds[2].Width(), 0);
    EXPECT_EQ(L.Bounds[3], Bounds(4, 30, 23, 22));
    EXPECT_EQ(L.LineDividers, (std::vector<int>{30}));
    EXPECT_EQ(L.ClientSize, (TExtent{54, 53}));
}

TEST(ToolbarLayoutFloating, ChildThatDoesNotFitBreaksItsGroupAndTheNextGroupStartsANewLine) {
    std::vector<TToolbarItem> Items{Button(23, 22), Button(23, 22), Button(23, 22), Sep(), Button(23, 22)};
    TToolbarLayout L = Floating(Items, 60);
    EXPECT_EQ(L.Bounds[2], Bounds(4, 24, 23, 22));  // cross advances by T only
    EXPECT_EQ(L.Bounds[3].Width(), 0);
    // It would fit after the separator, but the broken line forces a new one.
    EXPECT_EQ(L.Bounds[4], Bounds(4, 52, 23, 22));
    EXPECT_EQ(L.LineDividers, (std::vector<int>{52}));
    EXPECT_EQ(L.ClientSize, (TExtent{54, 75}));
}

TEST(ToolbarLayoutFloating, WrapWidthIsAtLeastTheWidestChildPlusEight) {
    std::vector<TToolbarItem> Items{Button(23, 22), Button(40, 22)};
    TToolbarLayout L = Floating(Items, 5);
    EXPECT_EQ(L.WrapWidth, 48);
    EXPECT_EQ(L.Bounds[1], Bounds(4, 24, 40, 22));
    EXPECT_EQ(L.ClientSize, (TExtent{48, 47}));
}

TEST(ToolbarLayoutFloating, EmptyToolbar) {
    EXPECT_EQ(Floating({}, 0).ClientSize, (TExtent{16, 11}));
    EXPECT_EQ(ArrangeToolbarControls({}, {doHorizontal, 0, 0}).ClientSize, (TExtent{8, 8}));
}

TEST(ToolbarLayoutDocked, VerticalDockCentresButtonsAndLaysSeparatorsAcross) {
    std::vector<TToolbarItem> Items{Button(20, 22), Button(16, 22), Sep(6, 5), Button(18, 20)};
    TToolbarLayout L = ArrangeToolbarControls(Items, {doVertical, 0, 0});
    EXPECT_EQ(L.Thickness, 20);
    EXPECT_EQ(L.Bounds[0], Bounds(0, 0, 20, 22));
    EXPECT_EQ(L.Bounds[1], Bounds(2, 22, 16, 22));
    EXPECT_EQ(L.Bounds[2], Bounds(0, 44, 20, 5));
    EXPECT_EQ(L.Bounds[3], Bounds(1, 49, 18, 20));
    EXPECT_EQ(L.ClientSize, (TExtent{20, 69}));
}

TEST(ToolbarLayoutDocked, HorizontalDockUsesTheRowThicknessOfItsOwnDock) {
    std::vector<TToolbarItem> Items{Button(23, 22), Sep(8, 6), Button(23, 22)};
    TToolbarLayout L = ArrangeToolbarControls(Items, {doHorizontal, 0, 30});
    EXPECT_EQ(L.Bounds[0], Bounds(0, 4, 23, 22));
    EXPECT_EQ(L.Bounds[1], Bounds(23, 0, 8, 30));
    EXPECT_EQ(L.Bounds[2], Bounds(31, 4, 23, 22));
    EXPECT_EQ(L.ClientSize, (TExtent{54, 30}));
    // FloatRightX means nothing on a dock.
    EXPECT_EQ(ArrangeToolbarControls(Items, {doHorizontal, 30, 0}).ClientSize, (TExtent{54, 22}));
}

TEST(ToolbarLayoutDocked, AlternatePairShowsTheMemberForTheOrientation) {
    std::vector<TToolbarItem> Items{Button(60, 22, arHorizontal), Button(22, 60, arVertical)};
    TToolbarLayout H = ArrangeToolbarControls(Items, {doHorizontal, 0, 0});
    EXPECT_EQ(H.Shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(H.ClientSize, (TExtent{60, 22}));
    TToolbarLayout V = ArrangeToolbarControls(Items, {doVertical, 0, 0});
    EXPECT_EQ(V.Shown, (std::vector<bool>{false, true}));
    EXPECT_EQ(V.ClientSize, (TExtent{22, 60}));
    EXPECT_EQ(ToolbarSizeAcross(Items, doVertical), 22);
}

TEST(ToolbarLayoutDocked, HiddenChildrenKeepTheirBoundsAndTakeNoRoom) {
    std::vector<TToolbarItem> Items{Button(23, 22), Button(23, 22), Button(23, 22)};
    Items[1].Visible = false;
    Items[1].Bounds = Bounds(500, 500, 23, 22);
    TToolbarLayout L = ArrangeToolbarControls(Items, {doHorizontal, 0, 0});
    EXPECT_EQ(L.Bounds[1], Bounds(500, 500, 23, 22));
    EXPECT_EQ(L.Bounds[2].Left, 23);
    EXPECT_EQ(L.Shown, (std::vector<bool>{true, false, true}));
}

TEST(ToolbarOrder, DesigningSortsByPositionKeepingEqualOnesInOrder) {
    std::vector<TToolbarItem> Items{Button(10, 10), Button(10, 10), Button(10, 10), Button(10, 10)};
    Items[0].Bounds = Bounds(50, 9, 10, 10);
    Items[1].Bounds = Bounds(10, 3, 10, 10);
    Items[2].Bounds = Bounds(50, 1, 10, 10);
    Items[3].Bounds = Bounds(0, 7, 10, 10);
    EXPECT_EQ(ToolbarOrderByPosition(Items, false), (std::vector<int>{3, 1, 0, 2}));
    EXPECT_EQ(ToolbarOrderByPosition(Items, true), (std::vector<int>{2, 1, 3, 0}));
}

TEST(ToolbarFloatingResize, AllowedSizesAreTheOnesWrapWidthsProduce) {
    const TEdgeInsets NC{3, 18, 3, 3};
    std::vector<TToolbarFloatSize> Sizes = AllowedFloatingSizes(FourButtons(), NC, false);
    ASSERT_EQ(Sizes.size(), 4u);
    EXPECT_EQ(Sizes[0], (TToolbarFloatSize{{37, 112}, 53}));
    EXPECT_EQ(Sizes[1], (TToolbarFloatSize{{60, 68}, 76}));
    EXPECT_EQ(Sizes[2], (TToolbarFloatSize{{83, 68}, 99}));
    EXPECT_EQ(Sizes[3], (TToolbarFloatSize{{106, 46}, 0}));
    // Every allowed size is what its FloatRightX lays out to.
    for (const TToolbarFloatSize& S : Sizes) {
        TExtent Client = Floating(FourButtons(), S.FloatRightX).ClientSize;
        EXPECT_EQ((TExtent{Client.Width + 6, Client.Height + 21}), S.Outer);
    }
    std::vector<TToolbarFloatSize> ByHeight = AllowedFloatingSizes(FourButtons(), NC, true);
    EXPECT_EQ(ByHeight.front().Outer.Height, 46);
    EXPECT_EQ(ByHeight.back().Outer.Height, 112);
}

TEST(ToolbarFloatingResize, RightEdgeOnlyEverGivesAllowedWidths) {
    const TEdgeInsets NC{3, 18, 3, 3};
    std::vector<TToolbarFloatSize> Sizes = AllowedFloatingSizes(FourButtons(), NC, false);
    int Current = FindFloatingSize(Sizes, {106, 46}, false);
    ASSERT_EQ(Current, 3);
    const int Snap = FloatingSnapDistance(Sizes, Current, false);
    for (int Desired = 0; Desired < 200; ++Desired) {
        int Chosen = ChooseFloatingSize(Sizes, Current, Desired, Snap, false);
        ASSERT_GE(Chosen, 0);
        ASSERT_LT(Chosen, 4);
    }
}

TEST(ToolbarFloatingResize, SnapDistanceIsTheSmallerGapCappedAtTwelve) {
    std::vector<TToolbarFloatSize> Sizes{{{50, 10}, 1}, {{55, 10}, 2}, {{70, 10}, 3}};
    EXPECT_EQ(FloatingSnapDistance(Sizes, 1, false), 5);
    EXPECT_EQ(FloatingSnapDistance(Sizes, 2, false), 12);
    EXPECT_EQ(FloatingSnapDistance(Sizes, 0, false), 5);
    EXPECT_EQ(FloatingSnapDistance({Sizes[0]}, 0, false), 12);
}

TEST(ToolbarFloatingResize, TrackingHoldsWithinSnapThenTakesTheNearestSizeOnThatSide) {
    std::vector<TToolbarFloatSize> Sizes = AllowedFloatingSizes(FourButtons(), {3, 18, 3, 3}, false);
    // Widths 37, 60, 83, 106.
    EXPECT_EQ(ChooseFloatingSize(Sizes, 3, 100, 12, false), 3);
    EXPECT_EQ(ChooseFloatingSize(Sizes, 3, 58, 12, false), 1);
    EXPECT_EQ(ChooseFloatingSize(Sizes, 3, 10, 12, false), 0);
    EXPECT_EQ(ChooseFloatingSize(Sizes, 3, 200, 12, false), 3);
    EXPECT_EQ(ChooseFloatingSize(Sizes, 0, 45, 12, false), 0);
    // Growing just past the snap distance takes the next larger size.
    EXPECT_EQ(ChooseFloatingSize(Sizes, 0, 50, 12, false), 1);
    EXPECT_EQ(FindFloatingSize(Sizes, {90, 10}, false), 2);
}

TEST(ToolbarFloatingResize, OutlineKeepsTheFixedEdge) {
    const TRect Start = Rect(100, 100, 206, 146);
    EXPECT_EQ(FloatingResizeOutline(Start, {60, 68}, false, false), Rect(100, 100, 160, 168));
    EXPECT_EQ(FloatingResizeOutline(Start, {60, 68}, true, false), Rect(146, 100, 206, 168));
    EXPECT_EQ(FloatingResizeOutline(Start, {60, 68}, false, true), Rect(100, 78, 160, 146));
}

TEST(ToolbarPainting, DividerLinesAndSeparatorEtch) {
    TDividerLines D = ToolbarDividerLines(54, 30);
    EXPECT_EQ(D.Shadow, (THorzLine{1, 53, 26}));
    EXPECT_EQ(D.Highlight, (THorzLine{1, 53, 27}));
    EXPECT_EQ(SeparatorEtch({20, 6}, true), (TSeparatorEtch{true, 2, 3, 20}));
    EXPECT_EQ(SeparatorEtch({6, 22}, false), (TSeparatorEtch{false, 2, 3, 22}));
}

TEST(ToolbarFloatingResize, TieBetweenTwoSizesGoesToTheOneNearerTheCurrent) {
    std::vector<TToolbarFloatSize> Sizes{{{40, 10}, 1}, {{60, 10}, 2}, {{100, 10}, 0}};
    EXPECT_EQ(ChooseFloatingSize(Sizes, 2, 50, 12, false), 1);
    EXPECT_EQ(ChooseFloatingSize(Sizes, 0, 80, 12, false), 1);
}
