#include "docking/GlyphImages.h"

#include <algorithm>

TPixelImage TPixelImage::Filled(int Width, int Height, uint32_t Colour) {
    TPixelImage P;
    P.Width = std::max(0, Width);
    P.Height = std::max(0, Height);
    P.Pixels.assign(static_cast<size_t>(P.Width) * static_cast<size_t>(P.Height), Colour);
    return P;
}

TPixelMask TPixelMask::Filled(int Width, int Height, bool IsWhite) {
    TPixelMask M;
    M.Width = std::max(0, Width);
    M.Height = std::max(0, Height);
    M.Bits.assign(static_cast<size_t>(M.Width) * static_cast<size_t>(M.Height), IsWhite ? 1 : 0);
    return M;
}

TPixelImage GlyphStripCell(const TPixelImage& Strip, int Index, TExtent Cell) {
    TPixelImage C = TPixelImage::Filled(Cell.Width, Cell.Height, 0);
    const int X0 = Index * Cell.Width;
    for (int Y = 0; Y < C.Height && Y < Strip.Height; ++Y)
        for (int X = 0; X < C.Width && X0 + X < Strip.Width; ++X) C.Set(X, Y, Strip.At(X0 + X, Y));
    return C;
}

TPixelMask MaskFromColors(const TPixelImage& Source, TPoint Origin, TExtent Cell, const std::vector<int64_t>& Colours) {
    TPixelMask M = TPixelMask::Filled(Cell.Width, Cell.Height, false);
    if (Source.Width <= 0 || Source.Height <= 0) return M;
    std::vector<uint32_t> Wanted;
    for (int64_t C : Colours) Wanted.push_back(C == AutoMaskColour ? Source.BottomLeft() : static_cast<uint32_t>(C));
    for (int Y = 0; Y < Cell.Height; ++Y)
        for (int X = 0; X < Cell.Width; ++X) {
            const int SX = Origin.X + X, SY = Origin.Y + Y;
            if (SX < 0 || SY < 0 || SX >= Source.Width || SY >= Source.Height) continue;
            const uint32_t P = Source.At(SX, SY);
            M.Set(X, Y, std::any_of(Wanted.begin(), Wanted.end(), [&](uint32_t W) { return SameRGB(P, W); }));
        }
    return M;
}

std::vector<int64_t> InkMatchColours(bool OldStyle, bool HasMask, uint32_t TransparentColour) {
    if (OldStyle) return {GlyphBlack};
    std::vector<int64_t> Colours{GlyphWhite, GlyphSilver};
    if (!HasMask) Colours.push_back(TransparentColour & 0xFFFFFF);
    return Colours;
}

TPixelMask InkFromMatches(const TPixelMask& Matched, const TPixelMask* Transparent, bool OldStyle) {
    TPixelMask Ink = TPixelMask::Filled(Matched.Width, Matched.Height, false);
    for (int Y = 0; Y < Matched.Height; ++Y)
        for (int X = 0; X < Matched.Width; ++X) {
            if (Transparent && Transparent->At(X, Y)) continue;
            Ink.Set(X, Y, OldStyle == Matched.At(X, Y));
        }
    return Ink;
}

TPixelMask DisabledInk(const TPixelImage& Cell, const TPixelMask* Transparent, uint32_t TransparentColour,
                       bool OldStyle) {
    const TExtent Size{Cell.Width, Cell.Height};
    const TPixelMask Matched =
        MaskFromColors(Cell, {0, 0}, Size, InkMatchColours(OldStyle, Transparent != nullptr, TransparentColour));
    return InkFromMatches(Matched, Transparent, OldStyle);
}

TPixelImage GenerateDisabledImage(const TPixelMask& Ink, uint32_t Face, uint32_t Highlight, uint32_t Shadow) {
    TPixelImage D = TPixelImage::Filled(Ink.Width + 1, Ink.Height + 1, Face);
    for (int Y = 0; Y < Ink.Height; ++Y)
        for (int X = 0; X < Ink.Width; ++X)
            if (Ink.At(X, Y)) D.Set(X + 1, Y + 1, Highlight);
    for (int Y = 0; Y < Ink.Height; ++Y)
        for (int X = 0; X < Ink.Width; ++X)
            if (Ink.At(X, Y)) D.Set(X, Y, Shadow);
    return D;
}

TMaskedPixels DisabledFromOwnCell(const TPixelImage& Cell, const TPixelMask& CellTransparent, uint32_t Highlight,
                                  uint32_t Shadow) {
    const TExtent Size{Cell.Width, Cell.Height};
    return DisabledFromOwnCell(Cell, CellTransparent, MaskFromColors(Cell, {0, 0}, Size, {GlyphWhite}),
                               MaskFromColors(Cell, {0, 0}, Size, {GlyphGrey}), Highlight, Shadow);
}

TMaskedPixels DisabledFromOwnCell(const TPixelImage& Cell, const TPixelMask& CellTransparent,
                                  const TPixelMask& WhitePixels, const TPixelMask& GreyPixels, uint32_t Highlight,
                                  uint32_t Shadow) {
    TMaskedPixels R;
    R.Image = TPixelImage::Filled(Cell.Width + 1, Cell.Height + 1, 0);
    R.Mask = TPixelMask::Filled(Cell.Width + 1, Cell.Height + 1, true);
    auto Inside = [](const TPixelMask& M, int X, int Y) { return Y < M.Height && X < M.Width && M.At(X, Y); };
    for (int Y = 0; Y < Cell.Height; ++Y)
        for (int X = 0; X < Cell.Width; ++X) {
            uint32_t P = Cell.At(X, Y);
            if (Inside(WhitePixels, X, Y))
                P = Highlight;
            else if (Inside(GreyPixels, X, Y))
                P = Shadow;
            R.Image.Set(X, Y, P);
            R.Mask.Set(X, Y, Inside(CellTransparent, X, Y));
        }
    return R;
}
