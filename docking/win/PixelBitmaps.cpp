#include "docking/win/PixelBitmaps.h"

#include <vector>

#include "framework/graphics/ScreenDC.h"

namespace {

// A top-down 32-bit device-independent layout of Width x Height.
BITMAPINFO TopDown32(int Width, int Height) {
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = Width;
    Info.bmiHeader.biHeight = -Height;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    return Info;
}

// DIB pixels are 0x00RRGGBB; colour references are 0x00BBGGRR.
uint32_t SwapRedBlue(uint32_t P) { return ((P & 0xFF) << 16) | (P & 0xFF00) | ((P >> 16) & 0xFF); }

}  // namespace

TPixelImage ReadPixels(HBITMAP Bitmap, int Width, int Height) {
    TPixelImage Img = TPixelImage::Filled(Width, Height, 0);
    if (!Bitmap || Width <= 0 || Height <= 0) return Img;
    BITMAPINFO Info = TopDown32(Width, Height);
    std::vector<uint32_t> Bgra(static_cast<size_t>(Width) * static_cast<size_t>(Height));
    HDC DC = ScreenDC();
    GetDIBits(DC, Bitmap, 0, static_cast<UINT>(Height), Bgra.data(), &Info, DIB_RGB_COLORS);
    for (size_t I = 0; I < Bgra.size(); ++I) Img.Pixels[I] = SwapRedBlue(Bgra[I]);
    return Img;
}

TPixelImage ReadPixels(TBitmap* Bitmap) {
    if (!Bitmap || Bitmap->Empty()) return {};
    return ReadPixels(Bitmap->Handle(), Bitmap->Width(), Bitmap->Height());
}

TPixelMask ReadMask(TBitmap* Bitmap) {
    const TPixelImage Pixels = ReadPixels(Bitmap);
    return MaskFromColors(Pixels, {0, 0}, {Pixels.Width, Pixels.Height}, {GlyphWhite});
}

std::unique_ptr<TBitmap> BitmapFromPixels(const TPixelImage& Image) {
    auto B = std::make_unique<TBitmap>();
    B->SetSize(Image.Width, Image.Height);
    if (Image.Width <= 0 || Image.Height <= 0) return B;
    BITMAPINFO Info = TopDown32(Image.Width, Image.Height);
    std::vector<uint32_t> Bgra(Image.Pixels.size());
    for (size_t I = 0; I < Bgra.size(); ++I) Bgra[I] = SwapRedBlue(Image.Pixels[I]);
    HDC DC = ScreenDC();
    SetDIBits(DC, B->Handle(), 0, static_cast<UINT>(Image.Height), Bgra.data(), &Info, DIB_RGB_COLORS);
    return B;
}

std::unique_ptr<TBitmap> BitmapFromMask(const TPixelMask& Mask) {
    auto B = std::make_unique<TBitmap>();
    if (Mask.Width <= 0 || Mask.Height <= 0) return B;
    const int Stride = ((Mask.Width + 31) / 32) * 4;
    std::vector<uint8_t> Bits(static_cast<size_t>(Stride) * static_cast<size_t>(Mask.Height), 0);
    for (int Y = 0; Y < Mask.Height; ++Y)
        for (int X = 0; X < Mask.Width; ++X)
            if (Mask.At(X, Y)) Bits[static_cast<size_t>(Y * Stride + X / 8)] |= static_cast<uint8_t>(0x80 >> (X % 8));
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colors[2];
    } Info{};
    Info.Header.biSize = sizeof(BITMAPINFOHEADER);
    Info.Header.biWidth = Mask.Width;
    Info.Header.biHeight = -Mask.Height;
    Info.Header.biPlanes = 1;
    Info.Header.biBitCount = 1;
    Info.Header.biCompression = BI_RGB;
    Info.Colors[1] = RGBQUAD{255, 255, 255, 0};
    HBITMAP H = CreateBitmap(Mask.Width, Mask.Height, 1, 1, nullptr);
    HDC DC = ScreenDC();
    SetDIBits(DC, H, 0, static_cast<UINT>(Mask.Height), Bits.data(), reinterpret_cast<BITMAPINFO*>(&Info),
              DIB_RGB_COLORS);
    B->SetHandle(H);
    return B;
}
