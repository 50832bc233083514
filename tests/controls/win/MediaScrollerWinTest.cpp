// The multimedia window controls on a real form: the bevelled graphic
// control, the DIB canvas and its control, and the text scroller driven
// by the shared multimedia timer.
#include <gtest/gtest.h>

#include <memory>

#include "controls/win/MediaDIBCanvas.h"
#include "controls/win/MediaScroller.h"
#include "framework/classes/TypeInfo.h"
#include "framework/forms/Forms.h"
#include "tests/common/win/Pump.h"

namespace {

std::unique_ptr<TBitmap> SolidBitmap(int W, int H, TColor Color) {
    auto B = std::make_unique<TBitmap>();
    B->SetPixelFormat(pf24bit);
    B->SetSize(W, H);
    B->Canvas()->Brush()->SetColor(Color);
    B->Canvas()->FillRect(Rect(0, 0, W, H));
    return B;
}

TEST(MediaDIBCanvas, OnlyEightAndTwentyFourBitsAreAccepted) {
    TMediaDIBCanvas C;
    EXPECT_EQ(C.BitsPerPixel(), 8);
    try {
        C.SetBitsPerPixel(16);
        FAIL() << "16 bits accepted";
    } catch (const EMediaDIBError& E) {
        EXPECT_STREQ(E.what(), "Bitlength not supported yet");
    }
    EXPECT_EQ(C.BitsPerPixel(), 8);
    C.SetBitsPerPixel(24);
    EXPECT_EQ(C.Bits().BitsPerPixel(), 24);  // rebuilt at once
}

TEST(MediaDIBCanvas, ResizingWhileDrawingRaisesAtTheRebuild) {
    TMediaDIBCanvas C;
    C.SetSize(20, 10);
    C.BeginDraw();
    EXPECT_EQ(C.Bits().Width(), 20);
    C.SetSize(30, 10);
    try {
        C.Handle();
        FAIL() << "rebuilt while drawing";
    } catch (const EMediaDIBError& E) {
        EXPECT_STREQ(E.what(), "Attempt to create new DIB while initialized for drawing");
    }
    C.EndDraw();
    C.BeginDraw();
    EXPECT_EQ(C.Bits().Width(), 30);
    C.EndDraw();
}

TEST(MediaDIBCanvas, GdiAndThePixelRoutinesShareTheBits) {
    TMediaDIBCanvas C;
    C.SetBitsPerPixel(24);
    C.SetSize(8, 6);
    C.BeginDraw();
    C.ColorToFill(RGBColor(10, 20, 30));
    C.Bits().FillDIB();
    GdiFlush();
    EXPECT_EQ(GetPixel(C.Handle(), 7, 5), RGB(10, 20, 30));
    C.Brush()->SetColor(RGBColor(200, 0, 0));
    C.FillRect(Rect(0, 0, 2, 2));
    GdiFlush();
    EXPECT_EQ(C.Bits().Pixel(1, 1), static_cast<uint32_t>(RGBColor(200, 0, 0)));
    EXPECT_EQ(C.Bits().Pixel(2, 2), static_cast<uint32_t>(RGBColor(10, 20, 30)));
    C.EndDraw();
}

TEST(MediaDIBCanvas, BackgroundIsTiledWithoutStretching) {
    TMediaDIBCanvas C;
    C.SetBitsPerPixel(24);
    C.SetSize(100, 100);
    auto Picture = SolidBitmap(40, 30, RGBColor(0, 0, 255));
    // A mark in the picture's top-left corner shows where each tile starts.
    Picture->Canvas()->Brush()->SetColor(RGBColor(255, 0, 0));
    Picture->Canvas()->FillRect(Rect(0, 0, 1, 1));
    C.SetStretchBackGround(false);
    C.SetBackGroundBitmap(Picture.get());
    C.BeginDraw();
    const TDIBBits& Back = C.BackgroundBits();
    ASSERT_TRUE(Back.HasPixels());
    int Marks = 0;
    for (int Y = 0; Y < 100; ++Y)
        for (int X = 0; X < 100; ++X)
            if (Back.Pixel(X, Y) == static_cast<uint32_t>(RGBColor(255, 0, 0))) {
                EXPECT_EQ(X % 40, 0);
                EXPECT_EQ(Y % 30, 0);
                ++Marks;
            }
    EXPECT_EQ(Marks, 3 * 4);
    EXPECT_EQ(Back.Pixel(99, 99), static_cast<uint32_t>(RGBColor(0, 0, 255)));
    C.EndDraw();
}

TEST(MediaDIBGraphicControl, BackgroundPictureOrColor) {
    auto Form = std::make_unique<TForm>(nullptr);
    auto* Control = new TMediaDIBGraphicControl(Form.get());
    Control->SetParent(Form.get());
    Control->SetBounds(0, 0, 16, 8);
    Control->SetBitsPerPixel(24);
    Control->SetColor(RGBColor(0, 128, 0));
    TMediaDIBCanvas* C = Control->DIBCanvas();
    C->BeginDraw();
    Control->DrawBackground();
    EXPECT_EQ(C->Bits().Pixel(15, 7), static_cast<uint32_t>(RGBColor(0, 128, 0)));
    C->EndDraw();

    auto Picture = SolidBitmap(16, 8, RGBColor(1, 2, 3));
    Control->SetBackGroundDIB(Picture.get());
    Control->SetUseBackGroundDIB(true);
    EXPECT_TRUE(Control->UseBackGroundDIB());
    EXPECT_TRUE(Control->PaletteRealize());
    C->BeginDraw();
    Control->DrawBackground();
    EXPECT_EQ(C->Bits().Pixel(0, 0), static_cast<uint32_t>(RGBColor(1, 2, 3)));
    EXPECT_EQ(C->Bits().Pixel(15, 7), static_cast<uint32_t>(RGBColor(1, 2, 3)));
    C->EndDraw();

    // Without a picture the switch stays off.
    auto* Plain = new TMediaDIBGraphicControl(Form.get());
    Plain->SetUseBackGroundDIB(true);
    EXPECT_FALSE(Plain->UseBackGroundDIB());
}

TEST(MediaBevelProperties, FormFilesNameTheRingsAsPanelBevels) {
    TMediaBevel Bevel;
    EXPECT_EQ(GetEnumProp(&Bevel, GetPropInfo(&Bevel, "BevelOuter")), "bvLowered");
    SetEnumProp(&Bevel, GetPropInfo(&Bevel, "BevelOuter"), "bvNone");
    SetEnumProp(&Bevel, GetPropInfo(&Bevel, "BorderStyle"), "bsSingle");
    EXPECT_EQ(Bevel.BevelOuter(), mrkNone);
    EXPECT_TRUE(Bevel.SingleBorder());
    EXPECT_EQ(Bevel.TotalWidth(), 1);
}

class MediaScrollerWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 300, 200);
        Form->SetColor(clBlack);
        Scroller = new TMediaScroller(Form);
        Scroller->SetParent(Form);
        Scroller->Bevel()->SetBevelOuter(mrkNone);
        Scroller->SetBounds(10, 10, 200, 100);
        Scroller->SetColor(clBlack);
        Scroller->Font()->SetColor(clWhite);
        Scroller->Lines()->Add("First line");
        Scroller->Lines()->Add("Second line");
        Form->Show();
        PumpFor(20);
    }
    void TearDown() override {
        if (Form) Form->Free();
        PumpFor(20);
    }
    TForm* Form = nullptr;
    TMediaScroller* Scroller = nullptr;
};

TEST_F(MediaScrollerWinTest, SpeedIsStoredInWholeTicks) {
    Scroller->SetScrollSpeed(60);
    EXPECT_EQ(Scroller->ScrollSpeed(), 50);
    Scroller->SetScrollSpeed(10);
    EXPECT_EQ(Scroller->ScrollSpeed(), 25);
}

TEST_F(MediaScrollerWinTest, ClimbsFromTheBottomAndStartsOver) {
    Scroller->SetScrollStepY(-1);
    Scroller->SetVertStart(vpTopTop);
    Scroller->SetVertEnd(vpBottomBottom);
    ASSERT_GT(Scroller->TextHeight(), 0);
    Scroller->SetAutoScroll(true);
    Scroller->SetAutoScroll(false);  // positions reset; no timer
    EXPECT_EQ(Scroller->ScrollPosY(), 100);
    int Ends = 0;
    Scroller->OnEndY = TMediaEndNotifyEvent([&](TObject*, bool&) { ++Ends; });
    EXPECT_TRUE(Scroller->StepNow());
    EXPECT_EQ(Scroller->ScrollPosY(), 99);
    for (int I = 0; I < 100 + Scroller->TextHeight() - 1; ++I) Scroller->StepNow();
    EXPECT_EQ(Ends, 1);
    EXPECT_EQ(Scroller->ScrollPosY(), 100);
}

TEST_F(MediaScrollerWinTest, PaintedTextLandsInTheDib) {
    Scroller->SetVertStart(vpTopBottom);
    Scroller->SetVertEnd(vpTopBottom);
    Form->Repaint();
    PumpFor(20);
    const TDIBBits& Bits = Scroller->DIBCanvas()->Bits();
    int Lit = 0;
    for (int Y = 0; Y < Bits.Height(); ++Y)
        for (int X = 0; X < Bits.Width(); ++X)
            if (Bits.Pixel(X, Y) != Bits.Pixel(0, 0)) ++Lit;
    EXPECT_GT(Lit, 20);
}

TEST_F(MediaScrollerWinTest, TimerStaysPausedWithoutAutoScroll) {
    TMediaTimerClient* Client = Scroller->Core().Client();
    ASSERT_NE(Client, nullptr);
    EXPECT_EQ(MediaTimer().ClientPauseCount(Client), 1);
    Scroller->SetScrollStepY(-1);
    Scroller->SetVertStart(vpTopTop);
    Scroller->SetVertEnd(vpBottomBottom);
    const int Before = Scroller->ScrollPosY();
    PumpFor(150);
    EXPECT_EQ(Scroller->ScrollPosY(), Before);
}

TEST_F(MediaScrollerWinTest, SharedTimerDrivesTheSteps) {
    Scroller->SetScrollSpeed(25);
    Scroller->SetScrollStepY(-1);
    Scroller->SetVertStart(vpTopTop);
    Scroller->SetVertEnd(vpBottomBottom);
    Scroller->SetAutoScroll(true);
    EXPECT_EQ(MediaTimer().ClientPauseCount(Scroller->Core().Client()), 0);
    const DWORD Start = GetTickCount();
    while (Scroller->ScrollPosY() == 100 && GetTickCount() - Start < 3000) PumpFor(10);
    EXPECT_LT(Scroller->ScrollPosY(), 100);
}

TEST_F(MediaScrollerWinTest, FreedWhileScrollingLeavesNoClientBehind) {
    const int Clients = MediaTimer().ClientCount();
    auto* Second = new TMediaScroller(Form);
    Second->SetParent(Form);
    Second->SetScrollSpeed(25);
    Second->SetScrollStepY(-1);
    Second->SetAutoScroll(true);
    EXPECT_EQ(MediaTimer().ClientCount(), Clients + 1);
    PumpFor(100);
    Second->Free();
    EXPECT_EQ(MediaTimer().ClientCount(), Clients);
    PumpFor(100);  // no step message reaches the freed scroller
}

}  // namespace
