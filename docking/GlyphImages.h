#pragma once
// Pixel arithmetic of button glyph images: transparency masks from
// colours, the generated (embossed) disabled image and the disabled image
// made from the strip's own disabled cell. The window code reads bitmaps
// as top-down 32-bit pixels, runs these and writes the result back.
#include <cstdint>
#include <vector>

#include "docking/DockGeometry.h"

// Pixels as 0x00BBGGRR values (the system's colour reference), top row
// first. The top byte is ignored when colours are compared.
struct TPixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    static TPixelImage Filled(int Width, int Height, uint32_t Colour);
    uint32_t At(int X, int Y) const { return Pixels[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)]; }
    void Set(int X, int Y, uint32_t Colour) { Pixels[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)] = Colour; }
    uint32_t BottomLeft() const { return At(0, Height - 1); }
};

// One bit per pixel; true is white.
struct TPixelMask {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Bits;

    static TPixelMask Filled(int Width, int Height, bool White);
    bool At(int X, int Y) const { return Bits[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)] != 0; }
    void Set(int X, int Y, bool White) { Bits[static_cast<size_t>(Y) * static_cast<size_t>(Width) + static_cast<size_t>(X)] = White ? 1 : 0; }
};

inline bool SameRGB(uint32_t A, uint32_t B) { return (A & 0xFFFFFF) == (B & 0xFFFFFF); }

// In a colour list: stands for the source's bottom-left pixel.
inline constexpr int64_t AutoMaskColour = -1;

// The glyph's transparent colour: its bottom-left pixel, palette-relative.
inline uint32_t GlyphTransparentColour(const TPixelImage& Glyph) {
    return (Glyph.BottomLeft() & 0xFFFFFF) | 0x02000000u;
}

// Cell of a glyph strip (cell Index of width Cell.Width from x = Index * width).
TPixelImage GlyphStripCell(const TPixelImage& Strip, int Index, TExtent Cell);

// A W x H mask of the cell at CellOrigin in Source: white where the pixel's
// red, green and blue equal those of any listed colour.
TPixelMask MaskFromColors(const TPixelImage& Source, TPoint CellOrigin, TExtent Cell, const std::vector<int64_t>& Colours);

// The colours a disabled image is made from.
inline constexpr uint32_t GlyphWhite = 0xFFFFFF;
inline constexpr uint32_t GlyphSilver = 0xC0C0C0;
inline constexpr uint32_t GlyphGrey = 0x808080;
inline constexpr uint32_t GlyphBlack = 0x000000;

// The ink of a cell for a generated disabled image (true = ink).
// Newer style: every pixel that is not white, silver or transparent.
// Older style: the black pixels that are not transparent. Transparent is
// where Transparent is white when a mask is given, else (newer style only)
// where the pixel equals TransparentColour.
TPixelMask DisabledInk(const TPixelImage& Cell, const TPixelMask* Transparent, uint32_t TransparentColour,
                       bool OldStyle);

// The same in two steps, so that the colours can be matched exactly or
// through blits: the colours to match (newer style: white, silver and,
// without a mask, the transparent colour, all of them not ink; older
// style: black, the ink), then the ink from the matched pixels.
std::vector<int64_t> InkMatchColours(bool OldStyle, bool HasMask, uint32_t TransparentColour);
TPixelMask InkFromMatches(const TPixelMask& Matched, const TPixelMask* Transparent, bool OldStyle);

// The generated disabled image, one pixel larger each way: button face,
// the highlight colour under the ink moved one pixel right and down, the
// shadow colour under the ink itself. Face-coloured pixels are the
// transparent ones.
TPixelImage GenerateDisabledImage(const TPixelMask& Ink, uint32_t Face, uint32_t Highlight, uint32_t Shadow);

// A disabled image from the strip's own disabled cell: one pixel larger each
// way, white pixels painted in the highlight colour and (128, 128, 128)
// pixels in the shadow colour, other colours kept. Its mask is the cell's
// transparency mask enlarged with a transparent bottom row and right column.
struct TMaskedPixels {
    TPixelImage Image;
    TPixelMask Mask;  // white = transparent
};
TMaskedPixels DisabledFromOwnCell(const TPixelImage& Cell, const TPixelMask& CellTransparent, uint32_t Highlight,
                                  uint32_t Shadow);
// The same with the white and the grey pixels already matched.
TMaskedPixels DisabledFromOwnCell(const TPixelImage& Cell, const TPixelMask& CellTransparent,
                                  const TPixelMask& WhitePixels, const TPixelMask& GreyPixels, uint32_t Highlight,
                                  uint32_t Shadow);
