#include "docking/win/GlyphBlits.h"

bool ColoursMatchExactly(TBitmap* Glyph) {
    if (!Glyph || Glyph->Empty()) return false;
    Glyph->Handle();  // the format is known once the image is read
    if (Glyph->HandleType() != bmDIB) return false;
    switch (Glyph->PixelFormat()) {
        case pf8bit:
        case pf15bit:
        case pf16bit:
        case pf24bit:
        case pf32bit: return true;
        default: return false;
    }
}

std::unique_ptr<TBitmap> CopyBitmapAsDIB(TBitmap* Bitmap) {
    // Assigning reads the pixels in the bitmap's own format, colour table
    // included, into a device-independent bitmap.
    auto Copy = std::make_unique<TBitmap>();
    Copy->Assign(Bitmap);
    Copy->SetHandleType(bmDIB);
    return Copy;
}

void MaskFromColorsByBlt(TBitmap* Mask, TBitmap* Source, const TRect& Cell, const std::vector<TColor>& Colours) {
    const int W = Cell.Width(), H = Cell.Height();
    HBITMAP Mono = CreateBitmap(W, H, 1, 1, nullptr);
    HDC Dest = CreateCompatibleDC(nullptr);
    HGDIOBJ OldMono = SelectObject(Dest, Mono);
    // Nothing to match: all black.
    PatBlt(Dest, 0, 0, W, H, BLACKNESS);
    // A blit between monochrome bitmaps copies the bits and compares
    // nothing, so a monochrome source is compared through a colour copy.
    std::unique_ptr<TBitmap> Colour;
    if (Source->Monochrome()) {
        Colour = CopyBitmapAsDIB(Source);
        Colour->SetPixelFormat(pf4bit);
        Source = Colour.get();
    }
    HDC Src = Source->Canvas()->Handle();
    const COLORREF OldBack = GetBkColor(Src);
    bool First = true;
    for (TColor C : Colours) {
        SetBkColor(Src, ColorToRGB(C));
        BitBlt(Dest, 0, 0, W, H, Src, Cell.Left, Cell.Top, First ? SRCCOPY : SRCPAINT);
        First = false;
    }
    SetBkColor(Src, OldBack);
    SelectObject(Dest, OldMono);
    DeleteDC(Dest);
    Mask->SetHandle(Mono);
}
