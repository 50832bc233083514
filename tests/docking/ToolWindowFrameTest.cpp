#include <gtest/gtest.h>

#include <string>

#include "docking/ToolWindowFrame.h"

TEST(ToolWindowNonClient, DockedFrameWithDragHandle) {
    EXPECT_EQ(DockedNonClientInsets(false, true, dhDouble), (TEdgeInsets{11, 2, 2, 2}));
    EXPECT_EQ(DockedNonClientInsets(true, true, dhSingle), (TEdgeInsets{2, 8, 2, 2}));
    EXPECT_EQ(DockedNonClientInsets(false, true, dhNone), (TEdgeInsets{2, 2, 2, 2}));
    // A dock that does not allow dragging shows no handle.
    EXPECT_EQ(DockedNonClientInsets(false, false, dhDouble), (TEdgeInsets{2, 2, 2, 2}));
}

TEST(ToolWindowNonClient, FloatingFrameAndCaption) {
    EXPECT_EQ(FloatingCaptionHeight(true, 15, 19), 15);
    EXPECT_EQ(FloatingCaptionHeight(false, 15, 19), 18);
    EXPECT_EQ(FloatingNonClientInsets(4, 4, 15, true), (TEdgeInsets{4, 19, 4, 4}));
    EXPECT_EQ(FloatingNonClientInsets(3, 3, 15, false), (TEdgeInsets{3, 3, 3, 3}));
    const TEdgeInsets NC{4, 19, 4, 4};
    EXPECT_EQ(OuterSizeForClient({100, 50}, NC), (TExtent{108, 73}));
    EXPECT_EQ(ClientSizeForOuter({108, 73}, NC), (TExtent{100, 50}));
}

TEST(ToolWindowNonClient, ToolWindowKeepsItsClientSizeAcrossDocks) {
    const TExtent Kept{120, 80};
    EXPECT_EQ(ToolWindowSizeAcross(Kept, true), 120);
    EXPECT_EQ(ToolWindowSizeAcross(Kept, false), 80);
    // Docked and floated again: the client size survives the round trip.
    const TEdgeInsets Docked = DockedNonClientInsets(false, true, dhDouble);
    const TEdgeInsets Floating = FloatingNonClientInsets(4, 4, 15, true);
    TExtent Outer = OuterSizeForClient(Kept, Docked);
    TExtent Back = ClientSizeForOuter(OuterSizeForClient(ClientSizeForOuter(Outer, Docked), Floating), Floating);
    EXPECT_EQ(Back, Kept);
}

namespace {

TFloatingFrame Frame() {
    TFloatingFrame F;
    F.WindowSize = {100, 80};
    F.FrameX = 4;
    F.FrameY = 4;
    F.CaptionHeight = 15;
    return F;
}

}  // namespace

TEST(FloatingHitTest, BordersAndCorners) {
    TFloatingFrame F = Frame();
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 0}), dhtTopLeft);
    EXPECT_EQ(FloatingNonClientHitTest(F, {50, 0}), dhtTop);
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 40}), dhtLeft);
    EXPECT_EQ(FloatingNonClientHitTest(F, {99, 40}), dhtRight);
    EXPECT_EQ(FloatingNonClientHitTest(F, {50, 79}), dhtBottom);
    // Corner zones reach caption height + frame - 1 = 18 along the edges.
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 17}), dhtTopLeft);
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 18}), dhtLeft);
    EXPECT_EQ(FloatingNonClientHitTest(F, {82, 0}), dhtTopRight);
    EXPECT_EQ(FloatingNonClientHitTest(F, {99, 79}), dhtBottomRight);
    EXPECT_EQ(FloatingNonClientHitTest(F, {17, 79}), dhtBottomLeft);
}

TEST(FloatingHitTest, ToolbarsHaveEdgeCodesOnlyTopFirst) {
    TFloatingFrame F = Frame();
    F.CornerZones = false;
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 0}), dhtTop);
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 79}), dhtBottom);
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 10}), dhtLeft);
}

TEST(FloatingHitTest, CaptionAndCloseButton) {
    TFloatingFrame F = Frame();
    EXPECT_EQ(FloatingCaptionRect(F), Rect(4, 4, 96, 18));
    EXPECT_EQ(FloatingCloseButtonRect(F), Rect(82, 4, 96, 18));
    EXPECT_EQ(FloatingNonClientHitTest(F, {30, 8}), dhtCaption);
    EXPECT_EQ(FloatingNonClientHitTest(F, {90, 8}), dhtClose);
    EXPECT_EQ(FloatingNonClientHitTest(F, {81, 8}), dhtCaption);
    EXPECT_EQ(FloatingNonClientHitTest(F, {50, 40}), dhtNowhere);
    F.CloseButton = false;
    EXPECT_EQ(FloatingNonClientHitTest(F, {90, 8}), dhtCaption);
    F.ShowCaption = false;
    EXPECT_EQ(FloatingNonClientHitTest(F, {30, 8}), dhtNowhere);
    F = Frame();
    F.Resizable = false;
    EXPECT_EQ(FloatingNonClientHitTest(F, {0, 0}), dhtNowhere);
    EXPECT_EQ(FloatingNonClientHitTest(F, {50, 2}), dhtNowhere);
}

TEST(CaptionText, ShortenedWithEllipsisDownToFourCharacters) {
    auto Width = [](const std::string& S) { return static_cast<int>(S.size()) * 6; };
    EXPECT_EQ(FitCaptionText("Toolbar", 42, Width), "Toolbar");
    EXPECT_EQ(FitCaptionText("Toolbar", 41, Width), "Too...");
    EXPECT_EQ(FitCaptionText("Toolbar", 0, Width), "T...");
    EXPECT_EQ(FitCaptionText("", 0, Width), "");
}

TEST(DockedBarSize, RowThicknessAndFullSize) {
    const TEdgeInsets NC = DockedNonClientInsets(false, true, dhDouble);
    EXPECT_EQ(DockedBarClientSize({80, 22}, false, 30, false, 640, NC), (TExtent{80, 30}));
    EXPECT_EQ(DockedBarClientSize({80, 40}, false, 30, false, 640, NC), (TExtent{80, 40}));
    EXPECT_EQ(DockedBarClientSize({80, 22}, false, 30, true, 640, NC), (TExtent{627, 30}));
    const TEdgeInsets VC = DockedNonClientInsets(true, true, dhDouble);
    EXPECT_EQ(DockedBarClientSize({22, 80}, true, 26, true, 400, VC), (TExtent{26, 387}));
}

TEST(DragHandle, Sizes) {
    EXPECT_EQ(DragHandleSize(dhDouble), 9);
    EXPECT_EQ(DragHandleSize(dhSingle), 6);
    EXPECT_EQ(DragHandleSize(dhNone), 0);
}
