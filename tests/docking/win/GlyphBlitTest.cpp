// Colour matching through blits gives the same masks, bit for bit, as the
// exact pixel comparison on bitmaps of every depth, and a glyph matched
// through blits (4 bits per pixel) gives the same state images as the same
// glyph held exactly (24 bits per pixel).
#include <gtest/gtest.h>

#include <vector>

#include "docking/win/DockingControls.h"
#include "docking/win/GlyphBlits.h"
#include "docking/win/PixelBitmaps.h"

#include <commctrl.h>

namespace {

TColor Rgb(int R, int G, int B) { return static_cast<TColor>(RGB(R, G, B)); }

// A two-cell 32 x 16 strip: magenta ground, a cyan second cell, and black,
// navy, white, silver and grey pixels in both cells.
std::unique_ptr<TBitmap> Strip(TPixelFormat Format, TBitmapHandleType Type = bmDIB) {
    auto B = std::make_unique<TBitmap>();
    B->SetPixelFormat(Format);
    B->SetSize(32, 16);
    TCanvas* C = B->Canvas();
    C->Brush()->SetColor(Rgb(255, 0, 255));
    C->FillRect(Rect(0, 0, 32, 16));
    C->Brush()->SetColor(Rgb(0, 255, 255));
    C->FillRect(Rect(16, 0, 32, 8));
    for (int Cell = 0; Cell < 2; ++Cell) {
        const int X = Cell * 16;
        C->SetPixel(X + 3, 3, Rgb(0, 0, 0));
        C->SetPixel(X + 8, 5, Rgb(0, 0, 128));
        C->SetPixel(X + 10, 10, Rgb(255, 255, 255));
        C->SetPixel(X + 12, 12, Rgb(192, 192, 192));
        C->SetPixel(X + 5, 14, Rgb(128, 128, 128));
        C->SetPixel(X + 1, 1, Rgb(255, 255, 255));
    }
    if (Type == bmDDB) B->SetHandleType(bmDDB);
    return B;
}

// The mask's rows as 1-bit device-independent bytes, top row first, bits
// past the width cleared.
std::vector<uint8_t> MaskBytes(TBitmap* Mask) {
    const int W = Mask->Width(), H = Mask->Height();
    const int Stride = ((W + 31) / 32) * 4;
    std::vector<uint8_t> Bits(static_cast<size_t>(Stride) * static_cast<size_t>(H));
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colors[2];
    } Info{};
    Info.Header.biSize = sizeof(BITMAPINFOHEADER);
    Info.Header.biWidth = W;
    Info.Header.biHeight = -H;
    Info.Header.biPlanes = 1;
    Info.Header.biBitCount = 1;
    HDC DC = GetDC(nullptr);
    GetDIBits(DC, Mask->Handle(), 0, static_cast<UINT>(H), Bits.data(), reinterpret_cast<BITMAPINFO*>(&Info),
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, DC);
    for (int Y = 0; Y < H; ++Y)
        for (int X = W; X < Stride * 8; ++X)
            Bits[static_cast<size_t>(Y * Stride + X / 8)] &= static_cast<uint8_t>(~(0x80 >> (X % 8)));
    return Bits;
}

// One glyph's state image drawn on dark teal.
TPixelImage StateImagePixels(TButtonGlyph& Glyph, TToolbarButtonState State) {
    int Index = -1;
    TGlyphList* List = Glyph.StateImage(State, Index);
    if (!List) return {};
    TBitmap Out;
    Out.SetSize(List->Width(), List->Height());
    Out.Canvas()->Brush()->SetColor(Rgb(0, 128, 128));
    Out.Canvas()->FillRect(Rect(0, 0, List->Width(), List->Height()));
    ImageList_DrawEx(List->Handle(), Index, Out.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
    return ReadPixels(&Out);
}

}  // namespace

TEST(GlyphBlits, OnlyDeepDeviceIndependentGlyphsMatchExactly) {
    EXPECT_TRUE(ColoursMatchExactly(Strip(pf24bit).get()));
    EXPECT_TRUE(ColoursMatchExactly(Strip(pf8bit).get()));
    EXPECT_FALSE(ColoursMatchExactly(Strip(pf4bit).get()));
    EXPECT_FALSE(ColoursMatchExactly(Strip(pf1bit).get()));
    EXPECT_FALSE(ColoursMatchExactly(Strip(pf24bit, bmDDB).get()));
    // The copy keeps the depth and the colours, as a device-independent bitmap.
    auto Source = Strip(pf4bit);
    auto Copy = CopyBitmapAsDIB(Source.get());
    EXPECT_EQ(Copy->HandleType(), bmDIB);
    EXPECT_EQ(Copy->PixelFormat(), pf4bit);
    EXPECT_EQ(ReadPixels(Copy.get()).Pixels, ReadPixels(Source.get()).Pixels);
}

// (8 bits per pixel are matched exactly: their palette lacks some of the
// colours, which a blit would match with their nearest entries.)
TEST(GlyphBlits, BlitMasksEqualExactMasksByteForByte) {
    struct TCase {
        const char* Name;
        std::unique_ptr<TBitmap> Bitmap;
    };
    std::vector<TCase> Cases;
    Cases.push_back({"4 bits", Strip(pf4bit)});
    Cases.push_back({"24 bits", Strip(pf24bit)});
    Cases.push_back({"device", Strip(pf24bit, bmDDB)});
    Cases.push_back({"1 bit", Strip(pf1bit)});
    for (TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TPixelImage Pixels = ReadPixels(C.Bitmap.get());
        const uint32_t BottomLeft = Pixels.BottomLeft() & 0xFFFFFF;
        // What the glyph images match: the automatic colour, the newer
        // style's non-ink, the older style's ink, white and grey.
        const std::vector<std::vector<uint32_t>> Lists{
            {BottomLeft}, {0xFFFFFF, 0xC0C0C0, BottomLeft}, {0x000000}, {0xFFFFFF}, {0x808080}, {}};
        auto Blit = CopyBitmapAsDIB(C.Bitmap.get());
        const COLORREF Background = GetBkColor(Blit->Canvas()->Handle());
        for (const TPoint Origin : {TPoint{0, 0}, TPoint{16, 0}}) {
            for (const auto& Colours : Lists) {
                std::vector<int64_t> Exact;
                std::vector<TColor> ByBlt;
                for (uint32_t Colour : Colours) {
                    Exact.push_back(Colour);
                    ByBlt.push_back(static_cast<TColor>(Colour));
                }
                auto Expected = BitmapFromMask(MaskFromColors(Pixels, Origin, {16, 16}, Exact));
                TBitmap Mask;
                MaskFromColorsByBlt(&Mask, Blit.get(), Bounds(Origin.X, Origin.Y, 16, 16), ByBlt);
                ASSERT_EQ(Mask.Width(), 16);
                ASSERT_EQ(Mask.Height(), 16);
                EXPECT_TRUE(Mask.Monochrome());
                EXPECT_EQ(MaskBytes(&Mask), MaskBytes(Expected.get()))
                    << "cell at " << Origin.X << ", " << Colours.size() << " colours";
            }
        }
        // The source's background colour is given back.
        EXPECT_EQ(GetBkColor(Blit->Canvas()->Handle()), Background);
    }
}

TEST(GlyphBlits, AGlyphMatchedByBlitsGivesTheSameImagesAsOneMatchedExactly) {
    for (const bool OldStyle : {false, true}) {
        for (const int Cells : {1, 2}) {
            SCOPED_TRACE(std::string(OldStyle ? "older" : "newer") + " style, cells " + std::to_string(Cells));
            TButtonGlyph Exact, ByBlt;
            auto Deep = Strip(pf24bit);
            auto Shallow = Strip(pf4bit);
            Deep->SetWidth(16 * Cells);
            Shallow->SetWidth(16 * Cells);
            Exact.SetGlyph(Deep.get());
            ByBlt.SetGlyph(Shallow.get());
            ASSERT_EQ(ByBlt.NumGlyphs(), Cells);
            ASSERT_FALSE(ColoursMatchExactly(ByBlt.Glyph()));
            Exact.SetOldDisabledStyle(OldStyle);
            ByBlt.SetOldDisabledStyle(OldStyle);
            for (const TToolbarButtonState State : {tbsUp, tbsDisabled, tbsPushed}) {
                const TPixelImage A = StateImagePixels(Exact, State);
                const TPixelImage B = StateImagePixels(ByBlt, State);
                ASSERT_GT(A.Width, 0);
                EXPECT_EQ(A.Pixels, B.Pixels) << "state " << static_cast<int>(State);
            }
        }
    }
}
