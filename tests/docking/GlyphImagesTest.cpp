#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "docking/GlyphImages.h"

namespace {

constexpr uint32_t Magenta = 0xFF00FF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t DarkBlue = 0x800000;  // red 0, green 0, blue 128
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Silver = 0xC0C0C0;
constexpr uint32_t Grey = 0x808080;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Cyan = 0xFFFF00;
constexpr uint32_t Face = 0xC8D0D4;
constexpr uint32_t Highlight = 0xFFFFFE;
constexpr uint32_t Shadow = 0x404040;

TPixelImage TestGlyph() {
    TPixelImage G = TPixelImage::Filled(16, 16, Magenta);
    G.Set(2, 2, Black);
    G.Set(3, 2, Black);
    G.Set(4, 3, Black);  // diagonal neighbour of (3, 2): stays shadow
    G.Set(5, 7, DarkBlue);
    G.Set(15, 15, DarkBlue);  // its highlight falls in the added column/row
    G.Set(8, 8, White);
    G.Set(9, 9, Silver);
    return G;
}

bool IsMarked(const TPixelImage& G, int X, int Y, bool OldStyle) {
    if (X < 0 || Y < 0 || X >= G.Width || Y >= G.Height) return false;
    const uint32_t P = G.At(X, Y);
    return OldStyle ? P == Black : (P == Black || P == DarkBlue);
}

void ExpectEmbossed(const TPixelImage& Glyph, const TPixelImage& D, bool OldStyle) {
    ASSERT_EQ(D.Width, 17);
    ASSERT_EQ(D.Height, 17);
    for (int Y = 0; Y < 17; ++Y)
        for (int X = 0; X < 17; ++X) {
            uint32_t Expected = Face;
            if (IsMarked(Glyph, X, Y, OldStyle))
                Expected = Shadow;
            else if (IsMarked(Glyph, X - 1, Y - 1, OldStyle))
                Expected = Highlight;
            EXPECT_EQ(D.At(X, Y), Expected) << "pixel " << X << "," << Y;
        }
}

}  // namespace

TEST(DisabledGlyph, NewerStyleEmbossesEveryInkPixel) {
    const TPixelImage G = TestGlyph();
    TPixelMask Ink = DisabledInk(G, nullptr, G.BottomLeft(), false);
    ExpectEmbossed(G, GenerateDisabledImage(Ink, Face, Highlight, Shadow), false);
}

TEST(DisabledGlyph, OlderStyleEmbossesOnlyBlackPixels) {
    const TPixelImage G = TestGlyph();
    TPixelMask Ink = DisabledInk(G, nullptr, G.BottomLeft(), true);
    ExpectEmbossed(G, GenerateDisabledImage(Ink, Face, Highlight, Shadow), true);
}

TEST(DisabledGlyph, MaskDecidesTransparencyWhenGiven) {
    TPixelImage G = TestGlyph();
    TPixelMask Mask = TPixelMask::Filled(16, 16, false);
    Mask.Set(2, 2, true);  // a masked black pixel is no ink in either style
    TPixelMask NewInk = DisabledInk(G, &Mask, G.BottomLeft(), false);
    EXPECT_FALSE(NewInk.At(2, 2));
    EXPECT_TRUE(NewInk.At(3, 2));
    // With a mask the background colour is no longer transparent by itself.
    EXPECT_TRUE(NewInk.At(0, 0));
    TPixelMask OldInk = DisabledInk(G, &Mask, G.BottomLeft(), true);
    EXPECT_FALSE(OldInk.At(2, 2));
    EXPECT_TRUE(OldInk.At(3, 2));
}

TEST(DisabledGlyph, OwnDisabledCellRecolouredAndMaskEnlarged) {
    TPixelImage Strip = TPixelImage::Filled(32, 16, Magenta);
    Strip.Set(16 + 1, 1, White);
    Strip.Set(16 + 2, 1, Grey);
    Strip.Set(16 + 3, 1, Red);
    const TExtent Cell{16, 16};
    TPixelMask CellMask = MaskFromColors(Strip, {16, 0}, Cell, {static_cast<int64_t>(Strip.BottomLeft())});
    TMaskedPixels D = DisabledFromOwnCell(GlyphStripCell(Strip, 1, Cell), CellMask, Highlight, Shadow);
    ASSERT_EQ(D.Image.Width, 17);
    ASSERT_EQ(D.Image.Height, 17);
    EXPECT_EQ(D.Image.At(1, 1), Highlight);
    EXPECT_EQ(D.Image.At(2, 1), Shadow);
    EXPECT_EQ(D.Image.At(3, 1), Red);
    EXPECT_FALSE(D.Mask.At(1, 1));
    EXPECT_FALSE(D.Mask.At(3, 1));
    EXPECT_TRUE(D.Mask.At(0, 0));
    for (int I = 0; I < 17; ++I) {
        EXPECT_TRUE(D.Mask.At(16, I));
        EXPECT_TRUE(D.Mask.At(I, 16));
    }
}

TEST(GlyphMasks, EachCellUsesItsOwnBottomLeftButDisabledUsesTheStrips) {
    TPixelImage Strip = TPixelImage::Filled(32, 16, Magenta);
    for (int Y = 0; Y < 16; ++Y)
        for (int X = 16; X < 32; ++X) Strip.Set(X, Y, Cyan);
    Strip.Set(20, 4, Magenta);
    const TExtent Cell{16, 16};
    // Up, pushed, exclusive, hot: the cell's own bottom-left colour.
    TPixelImage Second = GlyphStripCell(Strip, 1, Cell);
    TPixelMask Own = MaskFromColors(Second, {0, 0}, Cell, {AutoMaskColour});
    EXPECT_TRUE(Own.At(0, 0));
    EXPECT_FALSE(Own.At(4, 4));
    // Disabled: the strip's bottom-left colour.
    TPixelMask StripWide = MaskFromColors(Strip, {16, 0}, Cell, {AutoMaskColour});
    EXPECT_FALSE(StripWide.At(0, 0));
    EXPECT_TRUE(StripWide.At(4, 4));
}

TEST(GlyphMasks, AnyListedColourMatchesIgnoringTheTopByte) {
    TPixelImage G = TPixelImage::Filled(4, 1, Black);
    G.Set(1, 0, White);
    G.Set(2, 0, Silver | 0x02000000u);
    const std::vector<int64_t> Colours{White, Silver | 0x02000000u};
    TPixelMask M = MaskFromColors(G, {0, 0}, {4, 1}, Colours);
    EXPECT_EQ((std::vector<bool>{M.At(0, 0), M.At(1, 0), M.At(2, 0), M.At(3, 0)}),
              (std::vector<bool>{false, true, true, false}));
    // A cell reaching past the source stays black there.
    TPixelMask Past = MaskFromColors(G, {2, 0}, {4, 1}, {AutoMaskColour});
    EXPECT_TRUE(Past.At(1, 0));
    EXPECT_FALSE(Past.At(3, 0));
}

TEST(GlyphMasks, TransparentColourIsTheBottomLeftPixelPaletteRelative) {
    TPixelImage G = TPixelImage::Filled(4, 4, Black);
    G.Set(0, 3, Magenta);
    EXPECT_EQ(GlyphTransparentColour(G), 0x02FF00FFu);
}
