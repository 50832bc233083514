#pragma once
// The pixel side of a DIB canvas: a top-down block of 8-bit (palette
// index) or 24-bit (blue, green, red) pixels, rows padded to whole 32-bit
// words, with its own clip rectangle and fill value. The canvas hands the
// bits of its DIB section to Attach; tests and off-screen work let the
// object own its memory (Allocate). All drawing state belongs to the
// object, so two canvases never see each other's clip or colour.
#include <cstdint>
#include <vector>

#include "controls/MediaRoutines.h"
#include "framework/rtl/Exceptions.h"
#include "framework/uicore/Colors.h"
#include "framework/classes/UiTypes.h"

QRN_DECLARE_EXCEPTION(EMediaDIBError, Exception)

extern const char* const SMediaDIBNoDC;        // "Unable to access DIB device context"
extern const char* const SMediaDIBBitLength;   // "Bitlength not supported yet"
extern const char* const SMediaDIBInDrawing;   // "Attempt to create new DIB while initialized for drawing"

class TDIBBits {
public:
    TDIBBits() = default;
    TDIBBits(const TDIBBits&) = delete;
    TDIBBits& operator=(const TDIBBits&) = delete;

    // Own zeroed memory for Width x Height pixels. Raises EMediaDIBError
    // for a depth other than 8 or 24, or while drawing.
    void Allocate(int Width, int Height, int BitsPerPixel);
    // Use memory owned elsewhere (a DIB section's bits), laid out top-down
    // with rows padded to 32 bits. Same errors as Allocate.
    void Attach(uint8_t* Bits, int Width, int Height, int BitsPerPixel);
    // Forget the pixels (frees them when owned). Raises while drawing.
    void Release();

    // The drawing bracket: the pixels may not be replaced in between.
    void BeginDraw() { ++FDrawing; }
    void EndDraw() {
        if (FDrawing > 0) --FDrawing;
    }
    bool Drawing() const { return FDrawing > 0; }

    bool HasPixels() const { return FBits != nullptr; }
    uint8_t* Bits() { return FBits; }
    const uint8_t* Bits() const { return FBits; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int BitsPerPixel() const { return FBitsPerPixel; }
    int BytesPerPixel() const { return FBitsPerPixel / 8; }
    int RowStride() const { return FStride; }
    size_t ImageSize() const { return static_cast<size_t>(FStride) * static_cast<size_t>(FHeight); }
    uint8_t* ScanLine(int Y) { return FBits + static_cast<size_t>(Y) * FStride; }
    const uint8_t* ScanLine(int Y) const { return FBits + static_cast<size_t>(Y) * FStride; }

    // The clip rectangle is the whole bitmap after every size change; a
    // narrower one is kept inside the bitmap.
    const TRect& ClipRect() const { return FClip; }
    void SetClipRect(const TRect& R);
    void ResetClipRect() { FClip = Rect(0, 0, FWidth, FHeight); }

    // Fill value: 24 bits: the colour (0x00BBGGRR); 8 bits: the palette
    // index repeated in all four bytes.
    uint32_t FillValue() const { return FFillValue; }
    void SetFillValue(uint32_t Value) { FFillValue = Value; }
    void SetFillIndex(uint8_t Index) { FFillValue = 0x01010101u * Index; }
    // The fill value for Color (an RGB colour, not a system colour):
    // itself at 24 bits, the nearest entry of Palette at 8 bits.
    void ColorToFill(TColor Color, const TMediaPalette& Palette);

    // Whole bitmap in the fill value, no clipping. 8 bits: every byte of
    // every row, padding included; 24 bits: the pixels only, padding kept.
    void FillDIB();
    // Clipped rectangle in the fill value.
    void FillRect(const TRect& R);
    // One-pixel outline of R (clipped) in the fill value.
    void FrameRect(const TRect& R);
    // Line from (X1, Y1) towards (X2, Y2) in the fill value, clipped; the
    // end point itself is not drawn, as with the system's line drawing.
    void Line(int X1, int Y1, int X2, int Y2);
    // Single pixels: the index (8 bits) or 0x00BBGGRR (24 bits); reads
    // outside the bitmap give 0, writes outside the clip do nothing.
    uint32_t Pixel(int X, int Y) const;
    void SetPixel(int X, int Y, uint32_t Value);

    // Copies a Width x Height block at (SourceX, SourceY) of a pixel block
    // laid out like this one (it may be this one's own bits) to (DestX,
    // DestY). The source block is clipped to the bitmap, the destination to
    // the clip rectangle; whatever one side loses at its left or top edge
    // the other loses too, so every copied pixel lands where it would have
    // landed unclipped. Overlapping blocks copy as if through a buffer.
    void CopyDIBRect(const uint8_t* SourceBits, int DestX, int DestY, int Width, int Height, int SourceX,
                     int SourceY);
    // The same from another canvas of the same depth but any size (nothing
    // when the depths differ or it has no pixels).
    void CopyDIBRect(const TDIBBits& Source, int DestX, int DestY, int Width, int Height, int SourceX, int SourceY);
    // As CopyDIBRect, but source pixels equal to Transparent (an index or
    // 0x00BBGGRR) leave the destination as it was.
    void CopyDIBRectTransparent(const TDIBBits& Source, int DestX, int DestY, int Width, int Height, int SourceX,
                                int SourceY, uint32_t Transparent);

private:
    void SetLayout(uint8_t* Bits, int Width, int Height, int BitsPerPixel);
    void CheckChangeAllowed(int BitsPerPixel) const;
    void PutPixel(uint8_t* P, uint32_t Value) const;
    uint32_t GetPixel(const uint8_t* P) const;
    void FillSpan(int X1, int X2, int Y);
    void CopyBlock(const uint8_t* SourceBits, int SourceStride, int SourceW, int SourceH, int DestX, int DestY,
                   int Width, int Height, int SourceX, int SourceY, const uint32_t* Transparent);

    std::vector<uint8_t> FOwned;
    uint8_t* FBits = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    int FBitsPerPixel = 8;
    int FStride = 0;
    TRect FClip;
    uint32_t FFillValue = 0;
    int FDrawing = 0;
};

// Index of the palette entry nearest to Color (squared distance in RGB,
// first entry wins a tie).
uint8_t NearestPaletteIndex(const TMediaPalette& Palette, TColor Color);

// Where a background picture of PictureW x PictureH lands on a canvas of
// CanvasW x CanvasH when tiled from the top-left corner: one rectangle per
// tile, row by row; the last tiles of a row or column are cut at the edge.
std::vector<TRect> BackgroundTiles(int PictureW, int PictureH, int CanvasW, int CanvasH);

// A frame's background: the whole Background copied over Drawing when both
// have pixels (Color plays no part), else Drawing filled with Color (an RGB
// colour; at 8 bits its nearest Palette entry). Nothing without pixels.
void DrawMediaBackground(TDIBBits& Drawing, const TDIBBits* Background, TColor Color, const TMediaPalette& Palette);
