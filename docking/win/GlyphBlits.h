#pragma once
// Colour matching done by the display driver: the glyph images of bitmaps
// whose pixels are not held exactly (device-dependent bitmaps, 1 or 4 bits
// per pixel, image-list entries) are matched through blits, which compare
// each pixel with a colour as the device would show it.
#include <memory>
#include <vector>

#include "framework/graphics/Bitmap.h"

// True when the glyph's colours can be compared pixel by pixel: a
// device-independent bitmap of 8 or more bits per pixel.
bool ColoursMatchExactly(TBitmap* Glyph);

// A copy of Bitmap as a device-independent bitmap in its own format, with
// its palette.
std::unique_ptr<TBitmap> CopyBitmapAsDIB(TBitmap* Bitmap);

// Replaces Mask with a monochrome bitmap of Cell's size, white where the
// pixel of Cell in Source matches any of Colours (system colours as RGB):
// each colour in turn becomes the source's background colour and the cell
// is blitted, the first with SRCCOPY and every further one with SRCPAINT.
// A monochrome source is compared through a colour copy of it.
void MaskFromColorsByBlt(TBitmap* Mask, TBitmap* Source, const TRect& Cell, const std::vector<TColor>& Colours);
