#pragma once
// Moves pixels between bitmaps and the portable pixel images the glyph
// arithmetic works on.
#include <memory>

#include "docking/GlyphImages.h"
#include "framework/graphics/Bitmap.h"

// The whole bitmap as top-down 32-bit pixels.
TPixelImage ReadPixels(TBitmap* Bitmap);
TPixelImage ReadPixels(HBITMAP Bitmap, int Width, int Height);
// A monochrome (or any) bitmap as a mask: white pixels are set.
TPixelMask ReadMask(TBitmap* Bitmap);
// A device-dependent colour bitmap holding Image.
std::unique_ptr<TBitmap> BitmapFromPixels(const TPixelImage& Image);
// A monochrome bitmap: white where the mask is white.
std::unique_ptr<TBitmap> BitmapFromMask(const TPixelMask& Mask);
