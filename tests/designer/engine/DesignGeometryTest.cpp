// The designer's window-free arithmetic: grid, handles, positions, the
// nearest control by arrow key, paste placement, align, size and scale.
#include <gtest/gtest.h>

#include "designer/engine/AlignLayout.h"
#include "designer/engine/DesignGeometry.h"

TEST(DesignGeometry, GridRoundsHalvesToTheEvenMultiple) {
    EXPECT_EQ(RoundToGrid(11, 8), 8);
    EXPECT_EQ(RoundToGrid(13, 8), 16);
    EXPECT_EQ(RoundToGrid(12, 8), 16);  // 1.5 steps -> 2
    EXPECT_EQ(RoundToGrid(4, 8), 0);    // 0.5 steps -> 0
    EXPECT_EQ(RoundToGrid(-12, 8), -16);
    EXPECT_EQ(RoundRectToGrid(Rect(3, 5, 21, 30), 8, 10), Rect(0, 0, 24, 30));
}

TEST(DesignGeometry, HandlesSitOnCornersAndMidpointsInsideABorder) {
    EXPECT_EQ(HandlePoint(THandlePosition::TopLeft, 75, 25, false, false), Point(0, 0));
    EXPECT_EQ(HandlePoint(THandlePosition::Top, 75, 25, false, false), Point(37, 0));
    EXPECT_EQ(HandlePoint(THandlePosition::Right, 75, 25, false, false), Point(75, 12));
    EXPECT_EQ(HandlePoint(THandlePosition::BottomRight, 75, 25, true, true), Point(73, 23));
    EXPECT_EQ(HandlePoint(THandlePosition::Bottom, 75, 25, true, true), Point(37, 23));

    const TRect R = Rect(10, 10, 50, 40);
    EXPECT_EQ(ResizeByHandle(R, THandlePosition::TopLeft, Point(5, 6)), Rect(5, 6, 50, 40));
    EXPECT_EQ(ResizeByHandle(R, THandlePosition::Top, Point(99, 6)), Rect(10, 6, 50, 40));
    EXPECT_EQ(ResizeByHandle(R, THandlePosition::BottomLeft, Point(60, 70)), Rect(60, 10, 50, 70));
    EXPECT_EQ(NormalizeRect(Rect(60, 10, 50, 70)), Rect(50, 10, 60, 70));
}

TEST(DesignGeometry, MessagePositionsAndIconPositionsAreSigned) {
    EXPECT_EQ(DecodeMessagePos(0x0014000A), Point(10, 20));
    EXPECT_EQ(DecodeMessagePos(0xFFF6FF38), Point(-200, -10));  // a screen left of and above the primary
    for (TPoint P : {Point(0, 0), Point(-5, 300), Point(32767, -32768)})
        EXPECT_EQ(IconPosFromDesignInfo(DesignInfoFromIconPos(P)), P);
    EXPECT_EQ(DesignInfoFromIconPos(Point(8, 16)), (16 << 16) | 8);
}

TEST(DesignGeometry, ArrowKeysFindTheNearestByOneCoordinate) {
    const TRect Ref = Bounds(100, 100, 50, 20);
    const std::vector<TRect> C = {Bounds(100, 40, 10, 10),  Bounds(300, 70, 10, 10),  // above: bottoms 50, 80
                                  Bounds(100, 200, 10, 10), Bounds(0, 150, 10, 10),   // below: tops 200, 150
                                  Bounds(20, 0, 30, 10),    Bounds(160, 500, 5, 5)};  // left right 50; right left 160
    EXPECT_EQ(NearestInDirection(Ref, C, TDirection::Up), 1);
    EXPECT_EQ(NearestInDirection(Ref, C, TDirection::Down), 3);
    EXPECT_EQ(NearestInDirection(Ref, C, TDirection::Left), 4);
    EXPECT_EQ(NearestInDirection(Ref, C, TDirection::Right), 5);
    // Equal distances: the first stays; nothing in the way: none.
    EXPECT_EQ(NearestInDirection(Ref, {Bounds(0, 0, 10, 80), Bounds(50, 0, 10, 80)}, TDirection::Up), 0);
    EXPECT_EQ(NearestInDirection(Ref, {Bounds(0, -30, 10, 30)}, TDirection::Up), -1);  // bottom edge at 0
}

TEST(DesignGeometry, PastedControlsStepOnAndStayInsideTheContainer) {
    const TRect Stored = Bounds(10, 20, 50, 30);
    EXPECT_EQ(PastePosition(Stored, true, 2, 8, 8, 400, 300), Point(26, 36));
    EXPECT_EQ(PastePosition(Stored, false, 2, 8, 8, 400, 300), Point(10, 20));
    EXPECT_EQ(PastePosition(Bounds(380, 290, 50, 30), true, 0, 8, 8, 400, 300), Point(350, 270));
}

namespace {
std::vector<TAlignItem> Items(std::initializer_list<TRect> Rects, const void* Parent = nullptr) {
    std::vector<TAlignItem> R;
    for (const TRect& B : Rects) R.push_back({B, Parent});
    return R;
}
}  // namespace

TEST(AlignLayout, EdgesAndCentresFollowTheFirstSelected) {
    auto I = Items({Bounds(10, 10, 40, 20), Bounds(30, 50, 20, 10), Bounds(0, 90, 61, 41)});
    ASSERT_TRUE(AlignItems(I, acCenters, acBottoms, 0, 0));
    EXPECT_EQ(I[1].Bounds, Bounds(20, 20, 20, 10));
    EXPECT_EQ(I[2].Bounds, Bounds(0, -11, 61, 41));  // (40 - 61) / 2 truncates toward zero
    auto J = Items({Bounds(10, 10, 40, 20), Bounds(30, 50, 20, 10)});
    AlignItems(J, acRightEdges, acTops, 0, 0);
    EXPECT_EQ(J[1].Bounds, Bounds(30, 10, 20, 10));
}

TEST(AlignLayout, SpaceEquallySortsNumericallyAndKeepsTheEnds) {
    // Negative and wide coordinates sort as numbers; equal ones keep their order.
    auto I = Items({Bounds(99990, 0, 10, 10), Bounds(-50, 5, 10, 10), Bounds(500, 7, 20, 10), Bounds(500, 9, 20, 10)});
    ASSERT_TRUE(AlignItems(I, acSpaceEqually, acTops, 0, 0));
    EXPECT_EQ(I[1].Bounds.Left, -50);
    EXPECT_EQ(I[0].Bounds.Left, 99990);
    const int Gap = (99990 - -50 - 10 - 40) / 3;
    EXPECT_EQ(I[2].Bounds.Left, -50 + 10 + Gap);
    EXPECT_EQ(I[3].Bounds.Left, -50 + 10 + Gap + 20 + Gap);
    EXPECT_EQ(I[1].Bounds.Top, 5);  // the other axis' code was ignored
}

TEST(AlignLayout, CentreInWindowShiftsTheGroupAndNeedsOneParent) {
    int ParentA = 0, ParentB = 0;
    auto I = Items({Bounds(0, 0, 20, 10), Bounds(40, 30, 20, 10)}, &ParentA);
    ASSERT_TRUE(AlignItems(I, acCenterInWindow, acCenterInWindow, 200, 100));
    // Mean centre (10 + 50) / 2 = 30 -> shifted by 70; vertically (5 + 35) / 2 = 20 -> 30.
    EXPECT_EQ(I[0].Bounds, Bounds(70, 30, 20, 10));
    EXPECT_EQ(I[1].Bounds, Bounds(110, 60, 20, 10));

    auto J = Items({Bounds(0, 0, 20, 10), Bounds(40, 30, 20, 10)}, &ParentA);
    J[1].Parent = &ParentB;
    EXPECT_FALSE(AlignItems(J, acNearEdges, acCenterInWindow, 200, 100));
    EXPECT_EQ(J[1].Bounds, Bounds(40, 30, 20, 10));  // not even the other axis moved
}

TEST(AlignLayout, SizeShrinksGrowsOrSetsExactly) {
    std::vector<TRect> One = {Bounds(0, 0, 30, 20)};
    SizeItems(One, szGrow, szShrink);
    EXPECT_EQ(One[0], Bounds(0, 0, 30, 20));
    SizeItems(One, 50, szNoChange);
    EXPECT_EQ(One[0], Bounds(0, 0, 50, 20));

    std::vector<TRect> Many = {Bounds(0, 0, 30, 20), Bounds(5, 5, 10, 40), Bounds(9, 9, 60, 5)};
    SizeItems(Many, szShrink, szGrow);
    for (const TRect& R : Many) {
        EXPECT_EQ(R.Width(), 10);
        EXPECT_EQ(R.Height(), 40);
    }
    EXPECT_EQ(Many[2].TopLeft(), Point(9, 9));
    SizeItems(Many, szNoChange, 7);
    EXPECT_EQ(Many[1], Bounds(5, 5, 10, 7));
}

TEST(AlignLayout, ScaleRoundsHalvesToEven) {
    EXPECT_EQ(ScaleExtent(75, 150), 112);  // 112.5
    EXPECT_EQ(ScaleExtent(25, 150), 38);   // 37.5
    EXPECT_EQ(ScaleExtent(40, 50), 20);
}
