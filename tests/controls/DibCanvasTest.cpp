#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "controls/DIBBits.h"

namespace {

// Every byte a different value, so a misplaced byte shows.
void FillPattern(TDIBBits& D, uint8_t Seed) {
    for (size_t I = 0; I < D.ImageSize(); ++I) D.Bits()[I] = static_cast<uint8_t>(Seed + I * 7);
}

std::vector<uint8_t> Snapshot(const TDIBBits& D) { return {D.Bits(), D.Bits() + D.ImageSize()}; }

// The expected result of an aligned, clipped copy worked out pixel by
// pixel: a pixel is copied when its source lies in the source bitmap and
// its target in the destination's clip rectangle.
std::vector<uint8_t> ExpectedCopy(const TDIBBits& Dest, const std::vector<uint8_t>& Before,
                                  const std::vector<uint8_t>& Source, int SourceW, int SourceH, int SourceStride,
                                  int DX, int DY, int W, int H, int SX, int SY) {
    std::vector<uint8_t> Result = Before;
    const int BPP = Dest.BytesPerPixel();
    const TRect Clip = Dest.ClipRect();
    for (int J = 0; J < H; ++J)
        for (int I = 0; I < W; ++I) {
            const int X = SX + I, Y = SY + J, TX = DX + I, TY = DY + J;
            if (X < 0 || Y < 0 || X >= SourceW || Y >= SourceH) continue;
            if (!Clip.Contains(Point(TX, TY))) continue;
            std::memcpy(&Result[static_cast<size_t>(TY) * Dest.RowStride() + TX * BPP],
                        &Source[static_cast<size_t>(Y) * SourceStride + X * BPP], BPP);
        }
    return Result;
}

class DibBitsDepth : public ::testing::TestWithParam<int> {};

TEST(DibFill, TwentyFourBitsKeepsRowPadding) {
    TDIBBits D;
    D.Allocate(3, 4, 24);
    ASSERT_EQ(D.RowStride(), 12);
    std::memset(D.Bits(), 0xEE, D.ImageSize());
    D.SetFillValue(0x00332211);  // red 11, green 22, blue 33
    D.FillDIB();
    for (int Y = 0; Y < 4; ++Y) {
        const uint8_t* Row = D.ScanLine(Y);
        for (int X = 0; X < 3; ++X) {
            EXPECT_EQ(Row[3 * X + 0], 0x33);
            EXPECT_EQ(Row[3 * X + 1], 0x22);
            EXPECT_EQ(Row[3 * X + 2], 0x11);
        }
        for (int P = 9; P < 12; ++P) EXPECT_EQ(Row[P], 0xEE) << "padding of row " << Y;
    }
}

TEST(DibFill, EightBitsWritesWholeRowsWithPadding) {
    TDIBBits D;
    D.Allocate(3, 5, 8);
    ASSERT_EQ(D.RowStride(), 4);
    std::memset(D.Bits(), 0xEE, D.ImageSize());
    D.SetFillIndex(0x42);
    D.FillDIB();
    for (size_t I = 0; I < D.ImageSize(); ++I) EXPECT_EQ(D.Bits()[I], 0x42);
}

TEST(DibFill, EmptyBitmapDrawsNothing) {
    TDIBBits D;
    D.Allocate(0, 10, 24);
    EXPECT_FALSE(D.HasPixels());
    D.FillDIB();
    D.FillRect(Rect(0, 0, 5, 5));
    D.CopyDIBRect(D, 0, 0, 5, 5, 0, 0);
    EXPECT_EQ(D.Pixel(0, 0), 0u);
}

TEST(DibFill, FillRectIsClippedToTheClipRectangle) {
    TDIBBits D;
    D.Allocate(8, 8, 8);
    D.SetClipRect(Rect(2, 2, 6, 6));
    D.SetFillIndex(9);
    D.FillRect(Rect(-100, -100, 100, 4));
    for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < 8; ++X)
            EXPECT_EQ(D.Pixel(X, Y), (X >= 2 && X < 6 && Y >= 2 && Y < 4) ? 9u : 0u) << X << "," << Y;
    // Padding bytes beyond the width stay untouched by clipped drawing.
    TDIBBits E;
    E.Allocate(5, 2, 24);
    E.SetFillValue(0xFFFFFF);
    E.FillRect(Rect(0, 0, 99, 99));
    EXPECT_EQ(E.ScanLine(0)[15], 0);
    EXPECT_EQ(E.ScanLine(0)[14], 0xFF);
}

TEST(DibFill, FrameRectDrawsTheOutlineOnly) {
    TDIBBits D;
    D.Allocate(6, 5, 8);
    D.SetFillIndex(1);
    D.FrameRect(Rect(1, 1, 5, 4));
    const char* Expected[] = {"000000", "011110", "010010", "011110", "000000"};
    for (int Y = 0; Y < 5; ++Y)
        for (int X = 0; X < 6; ++X) EXPECT_EQ(D.Pixel(X, Y), static_cast<uint32_t>(Expected[Y][X] - '0')) << X << "," << Y;
}

TEST(DibFill, ColorToFillPicksTheNearestPaletteEntryAtEightBits) {
    TMediaPalette P = DefaultMediaPalette();
    TDIBBits D;
    D.Allocate(2, 2, 8);
    D.ColorToFill(RGBColor(250, 5, 5), P);  // nearest: pure red at 249
    EXPECT_EQ(D.FillValue(), 0x01010101u * 249);
    D.FillDIB();
    EXPECT_EQ(D.Pixel(1, 1), 249u);

    TDIBBits T;
    T.Allocate(2, 2, 24);
    T.ColorToFill(RGBColor(1, 2, 3), P);
    T.FillDIB();
    EXPECT_EQ(T.ScanLine(0)[0], 3);
    EXPECT_EQ(T.ScanLine(0)[1], 2);
    EXPECT_EQ(T.ScanLine(0)[2], 1);
    EXPECT_EQ(T.Pixel(1, 1), static_cast<uint32_t>(RGBColor(1, 2, 3)));
}

TEST(DibState, EachCanvasKeepsItsOwnClipAndFill) {
    TDIBBits A, B;
    A.Allocate(4, 4, 8);
    B.Allocate(4, 4, 8);
    A.SetFillIndex(1);
    A.SetClipRect(Rect(0, 0, 1, 1));
    B.SetFillIndex(2);
    A.BeginDraw();
    B.BeginDraw();
    B.FillRect(Rect(0, 0, 4, 4));
    A.FillRect(Rect(0, 0, 4, 4));
    B.EndDraw();
    A.EndDraw();
    EXPECT_EQ(A.Pixel(0, 0), 1u);
    EXPECT_EQ(A.Pixel(3, 3), 0u);
    for (int I = 0; I < 16; ++I) EXPECT_EQ(B.Bits()[I], 2);
    EXPECT_EQ(B.ClipRect(), Rect(0, 0, 4, 4));
}

TEST(DibState, ClipRectangleStaysInsideAndFollowsResizes) {
    TDIBBits D;
    D.Allocate(10, 6, 8);
    EXPECT_EQ(D.ClipRect(), Rect(0, 0, 10, 6));
    D.SetClipRect(Rect(-5, 2, 50, 4));
    EXPECT_EQ(D.ClipRect(), Rect(0, 2, 10, 4));
    D.Allocate(20, 30, 24);
    EXPECT_EQ(D.ClipRect(), Rect(0, 0, 20, 30));
}

TEST(DibState, OnlyEightAndTwentyFourBitsAreAccepted) {
    TDIBBits D;
    D.Allocate(2, 2, 8);
    try {
        D.Allocate(2, 2, 16);
        FAIL() << "16 bits accepted";
    } catch (const EMediaDIBError& E) {
        EXPECT_STREQ(E.what(), "Bitlength not supported yet");
    }
    EXPECT_EQ(D.BitsPerPixel(), 8);
    EXPECT_TRUE(D.HasPixels());
}

TEST(DibState, PixelsCannotBeReplacedWhileDrawing) {
    TDIBBits D;
    D.Allocate(2, 2, 8);
    D.BeginDraw();
    EXPECT_THROW(D.Allocate(4, 4, 8), EMediaDIBError);
    try {
        D.Release();
    } catch (const EMediaDIBError& E) {
        EXPECT_STREQ(E.what(), "Attempt to create new DIB while initialized for drawing");
    }
    EXPECT_EQ(D.Width(), 2);
    D.EndDraw();
    D.Allocate(4, 4, 8);
    EXPECT_EQ(D.Width(), 4);
}

TEST(DibState, AttachedMemoryIsWrittenInPlace) {
    std::vector<uint8_t> Memory(12 * 2, 0xAA);
    TDIBBits D;
    D.Attach(Memory.data(), 3, 2, 24);
    D.SetPixel(2, 1, RGBColor(0x10, 0x20, 0x30));
    EXPECT_EQ(Memory[12 + 6], 0x30);
    EXPECT_EQ(Memory[12 + 7], 0x20);
    EXPECT_EQ(Memory[12 + 8], 0x10);
    EXPECT_EQ(Memory[12 + 9], 0xAA);
    D.Release();
    EXPECT_FALSE(D.HasPixels());
    EXPECT_EQ(Memory[12 + 6], 0x30);
}

TEST(DibCopy, ShiftRightWithinOneRowDoesNotSmear) {
    TDIBBits D;
    D.Allocate(11, 1, 8);
    for (int X = 0; X < 11; ++X) D.SetPixel(X, 0, 100 + X);
    D.CopyDIBRect(D.Bits(), 1, 0, 10, 1, 0, 0);
    EXPECT_EQ(D.Pixel(0, 0), 100u);
    for (int X = 1; X < 11; ++X) EXPECT_EQ(D.Pixel(X, 0), static_cast<uint32_t>(100 + X - 1));
}

TEST_P(DibBitsDepth, OverlappingCopiesInEveryDirectionActAsThroughABuffer) {
    const int Depth = GetParam();
    for (int DX = -3; DX <= 3; ++DX)
        for (int DY = -3; DY <= 3; ++DY) {
            TDIBBits D;
            D.Allocate(13, 9, Depth);
            FillPattern(D, static_cast<uint8_t>(DX * 16 + DY));
            const auto Before = Snapshot(D);
            D.CopyDIBRect(D.Bits(), 3 + DX, 3 + DY, 7, 5, 3, 3);
            EXPECT_EQ(Snapshot(D), ExpectedCopy(D, Before, Before, 13, 9, D.RowStride(), 3 + DX, 3 + DY, 7, 5, 3, 3))
                << "shift " << DX << "," << DY;
        }
}

TEST_P(DibBitsDepth, ClippedCopiesAtEveryEdgeStayAligned) {
    const int Depth = GetParam();
    TDIBBits Source;
    Source.Allocate(7, 6, Depth);
    FillPattern(Source, 1);
    const auto SourceBytes = Snapshot(Source);
    for (int SX = -8; SX <= 8; SX += 2)
        for (int SY = -7; SY <= 7; SY += 2)
            for (int DX = -8; DX <= 10; DX += 3)
                for (int DY = -7; DY <= 9; DY += 3) {
                    TDIBBits Dest;
                    Dest.Allocate(9, 8, Depth);
                    FillPattern(Dest, 99);
                    Dest.SetClipRect(Rect(1, 0, 8, 7));
                    const auto Before = Snapshot(Dest);
                    Dest.CopyDIBRect(Source, DX, DY, 6, 5, SX, SY);
                    ASSERT_EQ(Snapshot(Dest), ExpectedCopy(Dest, Before, SourceBytes, 7, 6, Source.RowStride(), DX, DY,
                                                           6, 5, SX, SY))
                        << "source " << SX << "," << SY << " dest " << DX << "," << DY;
                }
}

TEST_P(DibBitsDepth, SameLayoutCopyIsClippedToTheBitmap) {
    const int Depth = GetParam();
    TDIBBits Dest, Source;
    Dest.Allocate(6, 5, Depth);
    Source.Allocate(6, 5, Depth);
    FillPattern(Source, 3);
    const auto SourceBytes = Snapshot(Source);
    for (int Off = -7; Off <= 7; ++Off) {
        FillPattern(Dest, 50);
        const auto Before = Snapshot(Dest);
        Dest.CopyDIBRect(Source.Bits(), Off, -Off, 6, 5, -Off / 2, Off / 2);
        ASSERT_EQ(Snapshot(Dest),
                  ExpectedCopy(Dest, Before, SourceBytes, 6, 5, Dest.RowStride(), Off, -Off, 6, 5, -Off / 2, Off / 2))
            << Off;
    }
}

TEST_P(DibBitsDepth, BlocksWithoutExtentOrOutsideChangeNothing) {
    const int Depth = GetParam();
    TDIBBits D, S;
    D.Allocate(5, 5, Depth);
    S.Allocate(5, 5, Depth);
    FillPattern(D, 7);
    FillPattern(S, 70);
    const auto Before = Snapshot(D);
    D.CopyDIBRect(S, 0, 0, 0, 3, 0, 0);
    D.CopyDIBRect(S, 0, 0, 3, -1, 0, 0);
    D.CopyDIBRect(S, 5, 0, 3, 3, 0, 0);   // right of the clip
    D.CopyDIBRect(S, -3, 0, 3, 3, 0, 0);  // left of it
    D.CopyDIBRect(S, 0, 5, 3, 3, 0, 0);   // below
    D.CopyDIBRect(S, 0, -3, 3, 3, 0, 0);  // above
    D.CopyDIBRect(S, 0, 0, 3, 3, 5, 0);   // source outside its bitmap
    D.CopyDIBRect(S, 0, 0, 3, 3, 0, -3);
    D.CopyDIBRect(S, 0, 0, 2000000000, 2000000000, -2000000000, -2000000000);  // no overflow, nothing inside
    EXPECT_EQ(Snapshot(D), Before);
}

TEST_P(DibBitsDepth, TransparentCopySkipsTheKeyColour) {
    const int Depth = GetParam();
    TDIBBits D, S;
    D.Allocate(4, 1, Depth);
    S.Allocate(4, 1, Depth);
    D.SetFillValue(Depth == 8 ? 0x05050505u : 0x050505u);
    D.FillDIB();
    const uint32_t Key = Depth == 8 ? 7u : 0x070707u;
    const uint32_t Ink = Depth == 8 ? 9u : 0x0A0B0Cu;
    S.SetPixel(0, 0, Ink);
    S.SetPixel(1, 0, Key);
    S.SetPixel(2, 0, Ink);
    S.SetPixel(3, 0, Key);
    D.CopyDIBRectTransparent(S, 0, 0, 4, 1, 0, 0, Key);
    const uint32_t Paper = Depth == 8 ? 5u : 0x050505u;
    EXPECT_EQ(D.Pixel(0, 0), Ink);
    EXPECT_EQ(D.Pixel(1, 0), Paper);
    EXPECT_EQ(D.Pixel(2, 0), Ink);
    EXPECT_EQ(D.Pixel(3, 0), Paper);
}

TEST_P(DibBitsDepth, TransparentCopyWithinOneBitmapDoesNotSmear) {
    const int Depth = GetParam();
    TDIBBits D;
    D.Allocate(8, 1, Depth);
    for (int X = 0; X < 8; ++X) D.SetPixel(X, 0, static_cast<uint32_t>(10 + X));
    D.CopyDIBRectTransparent(D, 1, 0, 6, 1, 0, 0, 0xFFFFFF);
    EXPECT_EQ(D.Pixel(0, 0), 10u);
    for (int X = 1; X < 7; ++X) EXPECT_EQ(D.Pixel(X, 0), static_cast<uint32_t>(10 + X - 1));
    EXPECT_EQ(D.Pixel(7, 0), 17u);
}

INSTANTIATE_TEST_SUITE_P(Depths, DibBitsDepth, ::testing::Values(8, 24));

TEST(DibCopy, DifferentDepthsAreNotMixed) {
    TDIBBits D, S;
    D.Allocate(3, 3, 8);
    S.Allocate(3, 3, 24);
    FillPattern(S, 1);
    D.CopyDIBRect(S, 0, 0, 3, 3, 0, 0);
    for (size_t I = 0; I < D.ImageSize(); ++I) EXPECT_EQ(D.Bits()[I], 0);
}

TEST(DibLine, EndPointIsNotDrawn) {
    TDIBBits D;
    D.Allocate(6, 3, 8);
    D.SetFillIndex(1);
    D.Line(0, 1, 4, 1);
    for (int X = 0; X < 6; ++X) EXPECT_EQ(D.Pixel(X, 1), X < 4 ? 1u : 0u) << X;
    D.Line(5, 0, 5, 0);  // no length: nothing
    EXPECT_EQ(D.Pixel(5, 0), 0u);
}

TEST(DibLine, DiagonalsAndSteepLinesTouchOnePixelPerStep) {
    TDIBBits D;
    D.Allocate(5, 5, 8);
    D.SetFillIndex(1);
    D.Line(4, 4, 0, 0);
    for (int I = 1; I <= 4; ++I) EXPECT_EQ(D.Pixel(I, I), 1u);
    EXPECT_EQ(D.Pixel(0, 0), 0u);
    TDIBBits S;
    S.Allocate(3, 9, 8);
    S.SetFillIndex(1);
    S.Line(0, 0, 2, 8);
    for (int Y = 0; Y < 8; ++Y) {
        int Count = 0;
        for (int X = 0; X < 3; ++X) Count += S.Pixel(X, Y) == 1u;
        EXPECT_EQ(Count, 1) << "row " << Y;
    }
}

TEST(DibLine, ClippedLineMatchesTheUnclippedOneInsideTheClip) {
    const int Lines[][4] = {{-20, -7, 30, 25}, {15, -10, -4, 12}, {3, 40, 8, -30}, {-50, 5, 60, 6}};
    for (const auto& L : Lines) {
        // The same line drawn on a large canvas, shifted so that nothing is cut.
        TDIBBits Big;
        Big.Allocate(200, 200, 8);
        Big.SetFillIndex(1);
        Big.Line(L[0] + 100, L[1] + 100, L[2] + 100, L[3] + 100);
        TDIBBits Small;
        Small.Allocate(12, 10, 8);
        Small.SetClipRect(Rect(1, 2, 11, 9));
        Small.SetFillIndex(1);
        Small.Line(L[0], L[1], L[2], L[3]);
        for (int Y = 0; Y < 10; ++Y)
            for (int X = 0; X < 12; ++X) {
                const bool Inside = Small.ClipRect().Contains(Point(X, Y));
                EXPECT_EQ(Small.Pixel(X, Y), Inside ? Big.Pixel(X + 100, Y + 100) : 0u) << X << "," << Y;
            }
    }
}

TEST(DibLine, HugeCoordinatesReturnPromptly) {
    TDIBBits D;
    D.Allocate(4, 4, 8);
    D.SetFillIndex(1);
    D.Line(-2000000000, 2, 2000000000, 2);
    D.Line(2, -100000000, 2, 100000000);
    EXPECT_EQ(D.Pixel(2, 3), 1u);  // the second line crosses the whole bitmap
}

TEST(DibBackground, TilesCoverTheCanvasAndCutAtItsEdges) {
    const auto Tiles = BackgroundTiles(40, 30, 100, 100);
    ASSERT_EQ(Tiles.size(), 12u);  // three across, four down
    EXPECT_EQ(Tiles[0], Rect(0, 0, 40, 30));
    EXPECT_EQ(Tiles[2], Rect(80, 0, 100, 30));
    EXPECT_EQ(Tiles[11], Rect(80, 90, 100, 100));
    EXPECT_TRUE(BackgroundTiles(0, 30, 100, 100).empty());
}

}  // namespace

namespace {

TEST(DibBackground, PictureIsCopiedUnchangedAndColourIgnored) {
    for (int Depth : {8, 24}) {
        TDIBBits Picture, Frame;
        Picture.Allocate(9, 4, Depth);
        Frame.Allocate(9, 4, Depth);
        FillPattern(Picture, 11);
        FillPattern(Frame, 77);
        DrawMediaBackground(Frame, &Picture, clRed, DefaultMediaPalette());
        // Every pixel byte equals the picture's; the padding is left alone.
        for (int Y = 0; Y < 4; ++Y)
            EXPECT_EQ(std::memcmp(Frame.ScanLine(Y), Picture.ScanLine(Y), 9 * Depth / 8), 0) << Depth;
    }
}

TEST(DibBackground, WithoutPictureEveryPixelTakesTheColour) {
    TDIBBits Frame;
    Frame.Allocate(5, 3, 8);
    DrawMediaBackground(Frame, nullptr, RGBColor(0, 0, 255), DefaultMediaPalette());
    for (int Y = 0; Y < 3; ++Y)
        for (int X = 0; X < 5; ++X) EXPECT_EQ(Frame.Pixel(X, Y), 252u);
    TDIBBits Empty;  // a picture without pixels counts as none
    TDIBBits True;
    True.Allocate(2, 2, 24);
    DrawMediaBackground(True, &Empty, RGBColor(9, 8, 7), DefaultMediaPalette());
    EXPECT_EQ(True.Pixel(1, 1), static_cast<uint32_t>(RGBColor(9, 8, 7)));
    TDIBBits NoPixels;
    DrawMediaBackground(NoPixels, &True, clRed, DefaultMediaPalette());
    EXPECT_FALSE(NoPixels.HasPixels());
}

}  // namespace
