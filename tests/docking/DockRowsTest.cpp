#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "docking/DockRows.h"
#include "docking/QuickSort.h"

namespace {

TDockBarSlot Bar(int Row, int Pos, int Width, int Height = 26, bool FullSize = false, bool Shown = true) {
    TDockBarSlot B;
    B.DockRow = Row;
    B.DockPos = Pos;
    B.Width = Width;
    B.Height = Height;
    B.FullSize = FullSize;
    B.Shown = Shown;
    B.SizeAcross = Height - 4;
    return B;
}

TDockLayoutOptions TopDock(int ClientLength, bool Store = true) {
    TDockLayoutOptions O;
    O.Position = dpTop;
    O.ClientLength = ClientLength;
    O.StorePositions = Store;
    return O;
}

}  // namespace

TEST(DockRowLayout, OverlappingBarsArePushedApart) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(0, 10, 100)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500));
    EXPECT_EQ(L.BarBounds[0].Left, 0);
    EXPECT_EQ(L.BarBounds[1].Left, 100);
    EXPECT_EQ(Bars[0].DockPos, 0);
    EXPECT_EQ(Bars[1].DockPos, 100);
}

TEST(DockRowLayout, BarsBeyondFarEdgeArePushedBackButFirstStaysAtZero) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 200), Bar(0, 10, 200), Bar(0, 20, 200)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500));
    EXPECT_EQ(L.BarBounds[0].Left, 0);
    EXPECT_EQ(L.BarBounds[1].Left, 200);
    EXPECT_EQ(L.BarBounds[2].Left, 400);  // overflows the far edge

    std::vector<TDockBarSlot> Two{Bar(0, 450, 100), Bar(0, 0, 100)};
    L = LayoutDockRows(Two, TopDock(500));
    EXPECT_EQ(L.BarBounds[1].Left, 0);
    EXPECT_EQ(L.BarBounds[0].Left, 400);
    EXPECT_EQ(L.BarBounds[0].Right, 500);
    EXPECT_EQ((std::vector<int>{1, 0}), L.Order);
}

TEST(DockRowLayout, WithoutStoringOnlyTheOverlapPushReachesDockPos) {
    std::vector<TDockBarSlot> Bars{Bar(0, 450, 100), Bar(0, 420, 100)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500, false));
    // Sorted 420, 450; the push moves the second to 520, the clamp
    // (not stored) puts them at 300 and 400.
    EXPECT_EQ(Bars[1].DockPos, 420);
    EXPECT_EQ(Bars[0].DockPos, 520);
    EXPECT_EQ(L.BarBounds[1].Left, 300);
    EXPECT_EQ(L.BarBounds[0].Left, 400);
}

TEST(DockRowLayout, FullSizeBarGetsItsOwnRowAndSpansTheDock) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(0, 50, 120, 26, true), Bar(1, 0, 100)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(640));
    EXPECT_EQ(Bars[1].DockRow, 0);
    EXPECT_EQ(Bars[0].DockRow, 1);
    EXPECT_EQ(Bars[2].DockRow, 2);
    EXPECT_EQ(L.BarBounds[1], Rect(0, 0, 640, 26));
    EXPECT_EQ(L.BarBounds[0], Rect(0, 26, 100, 52));
    EXPECT_EQ(L.BarBounds[2], Rect(0, 52, 100, 78));
    EXPECT_EQ(L.Thickness, 78);
}

TEST(DockRowLayout, FullSizeBarAloneInItsRowMovesNothing) {
    std::vector<TDockBarSlot> Bars{Bar(0, 30, 100, 26, true), Bar(1, 0, 100)};
    LayoutDockRows(Bars, TopDock(640));
    EXPECT_EQ(Bars[0].DockRow, 0);
    EXPECT_EQ(Bars[1].DockRow, 1);
    EXPECT_EQ(Bars[0].DockPos, 0);
}

TEST(DockRowLayout, GapsBetweenRowsAreClosed) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(3, 0, 100)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500));
    EXPECT_EQ(Bars[1].DockRow, 1);
    EXPECT_EQ(L.RowSizes.size(), 2u);
    EXPECT_EQ(L.BarBounds[1].Top, 26);
}

TEST(DockRowLayout, EmptyDockThickness) {
    std::vector<TDockBarSlot> None;
    TDockLayoutOptions O = TopDock(500);
    EXPECT_EQ(LayoutDockRows(None, O).Thickness, 0);
    O.FixAlign = true;
    EXPECT_EQ(LayoutDockRows(None, O).Thickness, 1);
    O.Designing = true;
    EXPECT_EQ(LayoutDockRows(None, O).Thickness, 9);
    // A bar that is not shown leaves the dock empty.
    std::vector<TDockBarSlot> Hidden{Bar(0, 0, 100, 26, false, false)};
    EXPECT_EQ(LayoutDockRows(Hidden, TopDock(500)).Thickness, 0);
}

TEST(DockRowLayout, RowThicknessIsTheThickestBarAndAtLeastEight) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100, 26), Bar(0, 200, 100, 40), Bar(1, 0, 50, 6)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500));
    EXPECT_EQ(L.RowSizes, (std::vector<int>{36, 8}));
    // Every bar of a row is as high as the row's pitch.
    EXPECT_EQ(L.BarBounds[0].Height(), 40);
    EXPECT_EQ(L.BarBounds[1].Height(), 40);
    EXPECT_EQ(L.BarBounds[2], Rect(0, 40, 50, 52));
    EXPECT_EQ(L.Thickness, 52);
}

TEST(DockRowLayout, RowWithOnlyHiddenBarsTakesNoRoom) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(1, 0, 100, 26, false, false), Bar(2, 0, 100)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500));
    EXPECT_EQ(L.RowSizes, (std::vector<int>{22, 0, 22}));
    EXPECT_EQ(L.BarBounds[2].Top, 26);
    EXPECT_TRUE(L.BarBounds[1].IsEmpty());
    EXPECT_EQ(L.Thickness, 52);
}

TEST(DockRowLayout, VerticalDockSwapsAxes) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 30, 100), Bar(0, 10, 30, 80, false), Bar(1, 0, 30, 60, true)};
    for (TDockBarSlot& B : Bars) B.SizeAcross = B.Width - 4;
    TDockLayoutOptions O = TopDock(300);
    O.Position = dpLeft;
    TDockLayout L = LayoutDockRows(Bars, O);
    EXPECT_EQ(L.BarBounds[0], Rect(0, 0, 30, 100));
    EXPECT_EQ(L.BarBounds[1], Rect(0, 100, 30, 180));
    EXPECT_EQ(L.BarBounds[2], Rect(30, 0, 60, 300));
    EXPECT_EQ(L.Thickness, 60);
}

TEST(DockRowLayout, LimitToOneRowPutsEveryBarInRowZero) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(2, 50, 100), Bar(5, 0, 100, 26, false, false)};
    TDockLayoutOptions O = TopDock(500);
    O.LimitToOneRow = true;
    TDockLayout L = LayoutDockRows(Bars, O);
    for (const TDockBarSlot& B : Bars) EXPECT_EQ(B.DockRow, 0);
    EXPECT_EQ(L.BarBounds[1].Left, 100);
    EXPECT_EQ(L.Thickness, 26);
}

TEST(DockRowQueries, RowBookkeeping) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 10), Bar(2, 0, 10), Bar(2, 5, 10)};
    EXPECT_EQ(GetHighestRow(Bars), 2);
    EXPECT_EQ(GetHighestRow({}), -1);
    EXPECT_EQ(GetNumberOfToolbarsOnRow(Bars, 2), 2);
    EXPECT_EQ(GetNumberOfToolbarsOnRow(Bars, 2, 1), 1);
    InsertRowBefore(Bars, 1);
    EXPECT_EQ(Bars[0].DockRow, 0);
    EXPECT_EQ(Bars[1].DockRow, 3);
    RemoveBlankRows(Bars);
    EXPECT_EQ(Bars[1].DockRow, 1);
    EXPECT_EQ(Bars[2].DockRow, 1);
    EXPECT_EQ(GetRowSize({22, 0}, 0, 30), 22);
    EXPECT_EQ(GetRowSize({22, 0}, 1, 30), 30);
    EXPECT_EQ(GetRowSize({22, 0}, 7, 30), 30);
}

TEST(DockRowQueries, RowOfACoordinateMarksBoundariesWithinFivePixels) {
    const std::vector<int> Rows{22, 22};  // pitches 26: rows span 0..26, 26..52
    EXPECT_EQ(GetRowOf(Rows, -3), (TRowHit{0, true}));
    EXPECT_EQ(GetRowOf(Rows, 4), (TRowHit{0, true}));
    EXPECT_EQ(GetRowOf(Rows, 5), (TRowHit{0, false}));
    EXPECT_EQ(GetRowOf(Rows, 20), (TRowHit{0, false}));
    EXPECT_EQ(GetRowOf(Rows, 21), (TRowHit{1, true}));
    EXPECT_EQ(GetRowOf(Rows, 30), (TRowHit{1, true}));
    EXPECT_EQ(GetRowOf(Rows, 31), (TRowHit{1, false}));
    EXPECT_EQ(GetRowOf(Rows, 47), (TRowHit{2, false}));
    EXPECT_EQ(GetRowOf(Rows, 400), (TRowHit{2, false}));
    EXPECT_EQ(GetRowOf({}, 0), (TRowHit{0, false}));
}

TEST(DockRowQueries, DesiredRowIsTheFirstRowEndingPastTheCoordinate) {
    const std::vector<int> Rows{22, 30};
    EXPECT_EQ(GetDesiredRow(Rows, 0), 0);
    EXPECT_EQ(GetDesiredRow(Rows, 25), 0);
    EXPECT_EQ(GetDesiredRow(Rows, 26), 1);
    EXPECT_EQ(GetDesiredRow(Rows, 59), 1);
    EXPECT_EQ(GetDesiredRow(Rows, 60), 2);
}

TEST(DockDrop, DroppingOnARowBoundaryCreatesANewRowThere) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(1, 0, 100), Bar(1, 200, 80)};
    // Bar 2 is dragged; its outline's middle (y = 26) lies on the boundary
    // between rows 0 and 1.
    TDropPlace P = PlaceDroppedBar(Bars, 2, false, {22, 22}, false, Rect(150, 13, 230, 39));
    EXPECT_EQ(P.Row, 1);
    EXPECT_EQ(P.Pos, 150);
    EXPECT_EQ(Bars[0].DockRow, 0);
    EXPECT_EQ(Bars[1].DockRow, 2);
    EXPECT_EQ(Bars[2].DockRow, 1);
    EXPECT_EQ(Bars[2].DockPos, 150);
}

TEST(DockDrop, DroppingInsideARowJoinsIt) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(1, 0, 100)};
    TDropPlace P = PlaceDroppedBar(Bars, -1, false, {22, 22}, false, Rect(120, 0, 200, 26));
    EXPECT_EQ(P.Row, 0);
    EXPECT_EQ(Bars[1].DockRow, 1);
}

TEST(DockDrop, FullSizeBarDroppedOnAnOccupiedRowGetsANewRowAfterIt) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 100), Bar(1, 0, 100), Bar(2, 0, 100, 26, true)};
    TDropPlace P = PlaceDroppedBar(Bars, 2, true, {22, 22, 22}, false, Rect(0, 0, 100, 26));
    EXPECT_EQ(P.Row, 1);
    EXPECT_EQ(Bars[1].DockRow, 2);
    EXPECT_EQ(Bars[2].DockRow, 1);
    // Alone in its row it just takes it.
    std::vector<TDockBarSlot> Alone{Bar(0, 0, 100, 26, true)};
    P = PlaceDroppedBar(Alone, 0, true, {22}, false, Rect(40, 0, 140, 26));
    EXPECT_EQ(P.Row, 0);
}

TEST(DockDrop, VerticalDockUsesHorizontalMiddleAndVerticalPosition) {
    std::vector<TDockBarSlot> Bars{Bar(0, 0, 26, 100)};
    TDropPlace P = PlaceDroppedBar(Bars, -1, false, {22}, true, Rect(30, 70, 56, 170));
    EXPECT_EQ(P.Row, 1);
    EXPECT_EQ(P.Pos, 70);
}

TEST(DockResize, DockedEdgeStaysWhereItIs) {
    const TRect B = Rect(0, 400, 640, 430);
    EXPECT_EQ(ResizeDockAlongEdge(B, dpTop, 52), Rect(0, 400, 640, 452));
    EXPECT_EQ(ResizeDockAlongEdge(B, dpBottom, 52), Rect(0, 378, 640, 430));
    const TRect V = Rect(600, 0, 630, 480);
    EXPECT_EQ(ResizeDockAlongEdge(V, dpLeft, 0), Rect(600, 0, 600, 480));
    EXPECT_EQ(ResizeDockAlongEdge(V, dpRight, 52), Rect(578, 0, 630, 480));
}

TEST(DockResize, BoundLinesTakeOnePixelEach) {
    EXPECT_EQ(DockBoundLineInsets({blTop, blRight}), (TEdgeInsets{0, 1, 1, 0}));
    EXPECT_EQ(DockBoundLineInsets({}), (TEdgeInsets{}));
}

TEST(BarListSort, SortsLikeStdSortAndLeavesShortListsAlone) {
    std::mt19937 Rng(7);
    for (int Round = 0; Round < 50; ++Round) {
        std::vector<int> V(static_cast<size_t>(Round));
        for (int& X : V) X = static_cast<int>(Rng() % 10);
        std::vector<int> Expected = V;
        std::sort(Expected.begin(), Expected.end());
        QuickSortList(V, [](int A, int B) { return A - B; });
        EXPECT_EQ(V, Expected);
    }
    std::vector<int> One{5};
    int Calls = 0;
    QuickSortList(One, [&](int, int) { ++Calls; return 0; });
    EXPECT_EQ(Calls, 0);
}

TEST(DockRowLayout, NegativeRowCountsAsRowZero) {
    std::vector<TDockBarSlot> Bars{Bar(-3, 0, 100), Bar(1, 0, 100)};
    TDockLayout L = LayoutDockRows(Bars, TopDock(500));
    EXPECT_EQ(Bars[0].DockRow, 0);
    EXPECT_EQ(Bars[1].DockRow, 1);
    EXPECT_EQ(L.Thickness, 52);
}

TEST(DockDrop, DesignerMoveTakesTheDesiredRowAtTheBarsMiddle) {
    TDropPlace P = DesignerMovePlace({22, 22}, false, Bounds(70, 20, 100, 26));
    EXPECT_EQ(P.Row, 1);
    EXPECT_EQ(P.Pos, 70);
    P = DesignerMovePlace({22}, true, Bounds(3, 40, 26, 100));
    EXPECT_EQ(P.Row, 0);
    EXPECT_EQ(P.Pos, 40);
}
