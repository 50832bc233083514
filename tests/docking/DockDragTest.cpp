#include <gtest/gtest.h>

#include "docking/DockDrag.h"

TEST(MulDiv, RoundsToNearestAndRefusesZeroDenominator) {
    EXPECT_EQ(MulDivRound(32, 10, 99), 3);
    EXPECT_EQ(MulDivRound(20, 13, 25), 10);
    EXPECT_EQ(MulDivRound(1, 3, 2), 2);
    EXPECT_EQ(MulDivRound(-1, 3, 2), -2);
    EXPECT_EQ(MulDivRound(5, 7, 0), -1);
    EXPECT_EQ(MulDivRound(2000000000, 2, 4), 1000000000);
}

TEST(DragOutline, KeepsTheGrabPointsRelativePlace) {
    // Grabbed at the middle of a 100 x 20 bar; the outline 50 x 40.
    TRect R = PlaceOutlineUnderCursor({300, 200}, {50, 10}, {100, 20}, {50, 40});
    EXPECT_EQ(R, Bounds(275, 180, 50, 40));
    // Same size: the bar's own position.
    EXPECT_EQ(PlaceOutlineUnderCursor({300, 200}, {7, 3}, {100, 20}, {100, 20}), Bounds(293, 197, 100, 20));
    // A bar without size does not divide by zero.
    EXPECT_EQ(PlaceOutlineUnderCursor({10, 10}, {0, 0}, {0, 0}, {20, 20}), Bounds(10, 10, 20, 20));
}

namespace {

TDockZone TopZone() { return {Rect(0, 50, 800, 76), dpTop, {100, 26}}; }

}  // namespace

TEST(DockZone, BandAroundTheDockShiftedByTheGrabPoint) {
    // Bar 100 x 26 grabbed at (10, 13): A = 3, B = 10; the zone is
    // x -29..802, y 40..85.
    const TPoint Grab{10, 13};
    const TExtent Bar{100, 26};
    EXPECT_TRUE(CursorInDockZone(TopZone(), {400, 60}, Grab, Bar));
    EXPECT_TRUE(CursorInDockZone(TopZone(), {400, 40}, Grab, Bar));
    EXPECT_TRUE(CursorInDockZone(TopZone(), {400, 85}, Grab, Bar));
    EXPECT_FALSE(CursorInDockZone(TopZone(), {400, 39}, Grab, Bar));
    EXPECT_FALSE(CursorInDockZone(TopZone(), {400, 86}, Grab, Bar));
    EXPECT_TRUE(CursorInDockZone(TopZone(), {-29, 60}, Grab, Bar));
    EXPECT_FALSE(CursorInDockZone(TopZone(), {-30, 60}, Grab, Bar));
    EXPECT_TRUE(CursorInDockZone(TopZone(), {802, 60}, Grab, Bar));
    EXPECT_FALSE(CursorInDockZone(TopZone(), {803, 60}, Grab, Bar));
}

TEST(DockZone, EmptyDockIsWidenedToOneLine) {
    TDockZone Z{Rect(0, 50, 800, 50), dpTop, {100, 26}};
    EXPECT_TRUE(CursorInDockZone(Z, {400, 55}, {50, 13}, {100, 26}));
    EXPECT_FALSE(CursorInDockZone(Z, {400, 61}, {50, 13}, {100, 26}));
}

TEST(DockZone, SideDockNeedsTheCursorInsideItVertically) {
    TDockZone Z{Rect(0, 100, 30, 400), dpLeft, {30, 100}};
    const TPoint Grab{5, 5};
    const TExtent Bar{100, 26};
    EXPECT_TRUE(CursorInDockZone(Z, {10, 200}, Grab, Bar));
    EXPECT_FALSE(CursorInDockZone(Z, {10, 99}, Grab, Bar));
    EXPECT_FALSE(CursorInDockZone(Z, {10, 400}, Grab, Bar));
}

TEST(DockZone, OutlineMustTouchTheDock) {
    // Cursor at the lower end of the band; with a very thin docked outline
    // it would lie below the dock.
    TDockZone Z = TopZone();
    EXPECT_TRUE(CursorInDockZone(Z, {400, 85}, {10, 13}, {100, 26}));
    Z.DockedSize = {100, 4};
    EXPECT_FALSE(CursorInDockZone(Z, {400, 85}, {10, 13}, {100, 26}));
}

TEST(DragOutline, FloatingOutlineStaysReachable) {
    const TRect WA = Rect(0, 0, 1024, 768);
    // Frame 3: 7 pixels must stay on the work area.
    EXPECT_EQ(KeepFloatingOutlineReachable(Rect(1100, 100, 1200, 150), WA, 3, 3, 15), Rect(1017, 100, 1117, 150));
    EXPECT_EQ(KeepFloatingOutlineReachable(Rect(-300, 100, -200, 150), WA, 3, 3, 15), Rect(-93, 100, 7, 150));
    EXPECT_EQ(KeepFloatingOutlineReachable(Rect(10, 800, 110, 850), WA, 3, 3, 15), Rect(10, 761, 110, 811));
    // The caption may go at most caption height - 4 above the top.
    EXPECT_EQ(KeepFloatingOutlineReachable(Rect(10, -50, 110, 0), WA, 3, 3, 15), Rect(10, -11, 110, 39));
    const TRect Inside = Rect(10, 10, 110, 60);
    EXPECT_EQ(KeepFloatingOutlineReachable(Inside, WA, 3, 3, 15), Inside);
}

TEST(DragOutline, CursorIsClampedToTheWorkArea) {
    const TRect WA = Rect(0, 0, 1024, 738);
    EXPECT_EQ(ClampCursorToWorkArea({-5, 900}, WA), (TPoint{0, 737}));
    EXPECT_EQ(ClampCursorToWorkArea({500, 300}, WA), (TPoint{500, 300}));
}

TEST(DragOutline, KindFollowsTargetAndFloatAbility) {
    // Ctrl held means no target: the outline floats.
    EXPECT_EQ(DragOutlineKind(false, true), dokFloating);
    EXPECT_EQ(DragOutlineKind(true, true), dokDocked);
    // Cannot float and no dock: nothing to drop.
    EXPECT_EQ(DragOutlineKind(false, false), dokNone);
    EXPECT_EQ(DragOutlineKind(true, false), dokDocked);
    EXPECT_EQ(DragOutlineThickness(dokDocked, 4), 1);
    EXPECT_EQ(DragOutlineThickness(dokFloating, 4), 4);
}

TEST(BarDoubleClick, Actions) {
    EXPECT_EQ(BarDoubleClickAction(false, dmCanFloat, false, false), bdcNothing);
    EXPECT_EQ(BarDoubleClickAction(false, dmCanFloat, true, true), bdcDockToLastDock);
    EXPECT_EQ(BarDoubleClickAction(false, dmCanFloat, false, true), bdcDockToDefaultDock);
    EXPECT_EQ(BarDoubleClickAction(true, dmCanFloat, true, true), bdcFloat);
    EXPECT_EQ(BarDoubleClickAction(true, dmCannotFloat, true, true), bdcNothing);
}

TEST(FloatingVisibility, Rules) {
    TFloatingVisibilityState S;
    EXPECT_TRUE(FloatingBarShouldShow(S));
    S.ThreadHasActiveWindow = false;
    EXPECT_FALSE(FloatingBarShouldShow(S));
    S.HideWhenInactive = false;
    EXPECT_TRUE(FloatingBarShouldShow(S));
    S.OwnerFormHiddenOrMinimized = true;
    EXPECT_FALSE(FloatingBarShouldShow(S));
    S.FloatingMode = fmOnTopOfAllForms;
    EXPECT_TRUE(FloatingBarShouldShow(S));
    S.BeingMoved = true;
    EXPECT_FALSE(FloatingBarShouldShow(S));
}

TEST(FloatingVisibility, ActivationGoesToTheFirstUsableWindowTopmostLast) {
    EXPECT_EQ(WindowToActivate({}), -1);
    TActivationCandidate Hidden{false, true, false}, Disabled{true, false, false}, Topmost{true, true, true},
        Plain{true, true, false};
    EXPECT_EQ(WindowToActivate({Hidden, Disabled, Topmost, Plain, Plain}), 3);
    EXPECT_EQ(WindowToActivate({Hidden, Topmost, Disabled, Topmost}), 1);
    EXPECT_EQ(WindowToActivate({Hidden, Disabled}), -1);
}

TEST(MoveOnScreen, MovesOffScreenBarsBack) {
    const TRect WA = Rect(0, 0, 1024, 738);
    EXPECT_EQ(MoveRectOnScreen(Rect(1000, 700, 1100, 760), WA, false), Rect(924, 678, 1024, 738));
    // Partly on the work area: left alone when only off-screen bars move.
    EXPECT_EQ(MoveRectOnScreen(Rect(1000, 700, 1100, 760), WA, true), Rect(1000, 700, 1100, 760));
    EXPECT_EQ(MoveRectOnScreen(Rect(2000, 900, 2100, 960), WA, true), Rect(924, 678, 1024, 738));
    // Larger than the work area: the left and top edges win.
    EXPECT_EQ(MoveRectOnScreen(Rect(-50, -50, 1100, 800), WA, false), Rect(0, 0, 1150, 850));
}

TEST(FloatingResize, HitCodesGiveTheMovingSides) {
    EXPECT_EQ(ResizeSidesForHitCode(dhtLeft), (TResizeSides{true, false, false, false}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtRight), (TResizeSides{false, false, true, false}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtTop), (TResizeSides{false, true, false, false}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtBottom), (TResizeSides{false, false, false, true}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtTopLeft), (TResizeSides{true, true, false, false}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtTopRight), (TResizeSides{false, true, true, false}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtBottomLeft), (TResizeSides{true, false, false, true}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtBottomRight), (TResizeSides{false, false, true, true}));
    EXPECT_EQ(ResizeSidesForHitCode(dhtCaption), TResizeSides{});
    EXPECT_FALSE(IsResizeHitCode(9));
    EXPECT_TRUE(IsResizeHitCode(17));
    EXPECT_FALSE(IsResizeHitCode(18));
}

TEST(FloatingResize, MovingSidesFollowTheCursorDownToTheMinimum) {
    const TRect Start = Rect(100, 100, 300, 250);
    const TExtent Min{60, 50};
    EXPECT_EQ(ResizeOutline(Start, ResizeSidesForHitCode(dhtBottomRight), {20, -30}, Min), Rect(100, 100, 320, 220));
    // Left edge dragged past the minimum: pulled back to right - minimum.
    EXPECT_EQ(ResizeOutline(Start, ResizeSidesForHitCode(dhtLeft), {190, 0}, Min), Rect(240, 100, 300, 250));
    // Right edge dragged past the left one.
    EXPECT_EQ(ResizeOutline(Start, ResizeSidesForHitCode(dhtRight), {-500, 0}, Min), Rect(100, 100, 160, 250));
    // Top edge.
    EXPECT_EQ(ResizeOutline(Start, ResizeSidesForHitCode(dhtTopLeft), {-10, 140}, Min), Rect(90, 200, 300, 250));
    // Exactly the minimum is kept as it is.
    EXPECT_EQ(ResizeOutline(Start, ResizeSidesForHitCode(dhtRight), {-140, 0}, Min), Rect(100, 100, 160, 250));
}

TEST(DragTarget, FirstAcceptingDockInZoneWinsAndCtrlKeepsFloating) {
    std::vector<TDockZone> Docks{{Rect(0, 50, 800, 76), dpTop, {100, 26}},
                                 {Rect(0, 50, 800, 76), dpTop, {100, 26}},
                                 {Rect(0, 500, 800, 526), dpBottom, {100, 26}}};
    const TPoint Grab{10, 13};
    const TExtent Bar{100, 26};
    EXPECT_EQ(FindDragTargetDock(Docks, {400, 60}, Grab, Bar, false, nullptr), 0);
    EXPECT_EQ(FindDragTargetDock(Docks, {400, 60}, Grab, Bar, true, nullptr), -1);
    // The first dock refuses the bar (OnRequestDock): the next one is asked.
    EXPECT_EQ(FindDragTargetDock(Docks, {400, 60}, Grab, Bar, false, [](int I) { return I != 0; }), 1);
    EXPECT_EQ(FindDragTargetDock(Docks, {400, 510}, Grab, Bar, false, nullptr), 2);
    EXPECT_EQ(FindDragTargetDock(Docks, {400, 300}, Grab, Bar, false, nullptr), -1);
}

TEST(DragOutline, FloatingOutlineUnderTheCursorStaysReachable) {
    const TRect WA = Rect(0, 0, 1024, 738);
    EXPECT_EQ(FloatingDragOutline({500, 300}, {10, 5}, {100, 26}, {106, 46}, WA, 3, 3, 15),
              Bounds(489, 291, 106, 46));
    EXPECT_EQ(FloatingDragOutline({500, 0}, {10, 40}, {100, 60}, {100, 60}, WA, 3, 3, 15), Bounds(490, -11, 100, 60));
}
