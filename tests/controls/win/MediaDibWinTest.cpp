#include <gtest/gtest.h>

#include <cstring>

#include "controls/DIBBits.h"
#include "controls/win/MediaWinRoutines.h"

namespace {

// A top-down DIB section whose bits a TDIBBits draws into: what GDI reads
// back must be what was drawn.
struct TDibSection {
    HDC DC = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Old = nullptr;
    void* Bits = nullptr;
    BITMAPINFO* Header = nullptr;

    TDibSection(int W, int H, int Depth) {
        Header = MediaCreateDIBHeader(Depth, -H, W, false, 1);
        DC = CreateCompatibleDC(nullptr);
        Bitmap = CreateDIBSection(DC, Header, DIB_RGB_COLORS, &Bits, nullptr, 0);
        if (Bitmap) Old = SelectObject(DC, Bitmap);
    }
    ~TDibSection() {
        if (Old) SelectObject(DC, Old);
        if (Bitmap) DeleteObject(Bitmap);
        if (DC) DeleteDC(DC);
        void* P = Header;
        MediaGlobalFree(P);
    }
};

TEST(MediaWinDib, HeaderBlockMatchesThePortableOne) {
    BITMAPINFO* Info = MediaCreateDIBHeader(8, -20, 30, false, 1);
    ASSERT_NE(Info, nullptr);
    const auto Block = MakeDIBHeaderBlock(8, -20, 30, false, 1);
    EXPECT_EQ(std::memcmp(Info, Block.data(), Block.size()), 0);
    EXPECT_EQ(Info->bmiHeader.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(Info->bmiHeader.biHeight, -20);
    EXPECT_EQ(Info->bmiHeader.biClrUsed, 256u);
    EXPECT_EQ(GlobalFlags(GlobalHandle(Info)) & GMEM_DISCARDED, 0u);
    void* P = Info;
    MediaGlobalFree(P);
    EXPECT_EQ(P, nullptr);
    MediaGlobalFree(P);  // nothing for nullptr
}

TEST(MediaWinDib, TwentyFourBitPixelsLandWhereGdiReadsThem) {
    TDibSection S(7, 5, 24);
    ASSERT_NE(S.Bits, nullptr);
    TDIBBits D;
    D.Attach(static_cast<uint8_t*>(S.Bits), 7, 5, 24);
    D.SetFillValue(static_cast<uint32_t>(RGBColor(10, 20, 30)));
    D.FillDIB();
    D.SetFillValue(static_cast<uint32_t>(RGBColor(200, 100, 50)));
    D.FillRect(Rect(2, 1, 4, 3));
    GdiFlush();
    EXPECT_EQ(GetPixel(S.DC, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(S.DC, 2, 1), RGB(200, 100, 50));  // row 1 from the top
    EXPECT_EQ(GetPixel(S.DC, 3, 2), RGB(200, 100, 50));
    EXPECT_EQ(GetPixel(S.DC, 4, 2), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(S.DC, 6, 4), RGB(10, 20, 30));
    // And the other way: GDI draws, the bits show it.
    HBRUSH Brush = CreateSolidBrush(RGB(1, 2, 3));
    RECT R{6, 4, 7, 5};
    FillRect(S.DC, &R, Brush);
    DeleteObject(Brush);
    GdiFlush();
    EXPECT_EQ(D.Pixel(6, 4), static_cast<uint32_t>(RGBColor(1, 2, 3)));
}

TEST(MediaWinDib, EightBitPixelsAreIndicesIntoTheHeaderTable) {
    TDibSection S(5, 3, 8);
    ASSERT_NE(S.Bits, nullptr);
    TDIBBits D;
    D.Attach(static_cast<uint8_t*>(S.Bits), 5, 3, 8);
    D.SetFillIndex(9);  // red in the standard colours
    D.FillDIB();
    D.SetPixel(4, 2, 12);  // blue
    GdiFlush();
    EXPECT_EQ(GetPixel(S.DC, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(S.DC, 4, 2), RGB(0, 0, 255));
}

TEST(MediaWinDib, PaletteHelpers) {
    const TMediaPalette P = MediaScreenDefaultPalette();
    // Whatever the screen, entries 0 and 255 are black and white.
    EXPECT_EQ(P[0], (TMediaPaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(P[255], (TMediaPaletteEntry{255, 255, 255, 0}));
    HPALETTE Palette = MediaCreatePalette(DefaultMediaPalette());
    ASSERT_NE(Palette, nullptr);
    EXPECT_EQ(MediaNearestPaletteIndex(Palette, RGBColor(0, 0, 250)), 252);
    EXPECT_EQ(MediaNearestPaletteIndex(Palette, RGBColor(128, 0, 0)), 1);
    PALETTEENTRY E{};
    EXPECT_EQ(GetPaletteEntries(Palette, 247, 1, &E), 1u);
    EXPECT_EQ(E.peRed, 160);
    DeleteObject(Palette);
}

TEST(MediaWinDib, GlobalAllocZeroesAndFrees) {
    void* P = MediaGlobalAlloc(64);
    const auto* B = static_cast<const uint8_t*>(P);
    for (int I = 0; I < 64; ++I) ASSERT_EQ(B[I], 0);
    MediaGlobalFree(P);
    EXPECT_EQ(P, nullptr);
}

}  // namespace
