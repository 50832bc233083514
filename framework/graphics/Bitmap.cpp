// Bitmaps: a GDI bitmap made on demand, kept as file bytes while dormant.
#include <cstring>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ScreenDC.h"
#include "framework/rtl/FileUtils.h"

// The canvas of a bitmap draws on a memory context holding the bitmap.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    void FreeContext() {
        HDC DC = HandleAllocated() ? Handle() : nullptr;
        if (!DC) return;
        SetHandle(nullptr);
        if (FOldBitmap) SelectObject(DC, FOldBitmap);
        if (FOldPalette) SelectPalette(DC, FOldPalette, TRUE);
        FOldBitmap = nullptr;
        FOldPalette = nullptr;
        DeleteDC(DC);
    }

protected:
    void CreateHandle() override {
        FBitmap->HandleNeeded();
        if (!FBitmap->FHandle) {
            // An empty bitmap still gets a context, so text can be measured.
            FBitmap->MakeBitmap(1, 1, FBitmap->FPixelFormat, FBitmap->FHandleType, nullptr);
            FBitmap->FWidth = FBitmap->FHeight = 0;
        }
        HDC DC = CreateCompatibleDC(nullptr);
        FOldBitmap = SelectObject(DC, FBitmap->FHandle);
        if (FBitmap->FPalette) {
            FOldPalette = SelectPalette(DC, FBitmap->FPalette, TRUE);
            RealizePalette(DC);
        }
        SetHandle(DC);
    }

private:
    TBitmap* FBitmap;
    HGDIOBJ FOldBitmap = nullptr;
    HPALETTE FOldPalette = nullptr;
};

namespace {

int BitsOf(TPixelFormat F) {
    switch (F) {
        case pf1bit: return 1;
        case pf4bit: return 4;
        case pf8bit: return 8;
        case pf15bit:
        case pf16bit: return 16;
        case pf32bit: return 32;
        default: return 24;
    }
}

TPixelFormat FormatOf(int Bits) {
    switch (Bits) {
        case 1: return pf1bit;
        case 4: return pf4bit;
        case 8: return pf8bit;
        case 16: return pf16bit;
        case 24: return pf24bit;
        case 32: return pf32bit;
        default: return pfCustom;
    }
}

// The default colour tables: black and white, the 16 VGA colours, or a
// 6x6x6 colour cube followed by greys.
void FillColorTable(RGBQUAD* Table, int Bits) {
    auto Set = [&](int I, int R, int G, int B) {
        Table[I] = RGBQUAD{static_cast<BYTE>(B), static_cast<BYTE>(G), static_cast<BYTE>(R), 0};
    };
    if (Bits == 1) {
        Set(0, 0, 0, 0);
        Set(1, 255, 255, 255);
    } else if (Bits == 4) {
        static const COLORREF Vga[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                         0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                         0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
        for (int I = 0; I < 16; ++I) Set(I, GetRValue(Vga[I]), GetGValue(Vga[I]), GetBValue(Vga[I]));
    } else if (Bits == 8) {
        int I = 0;
        for (int R = 0; R < 6; ++R)
            for (int G = 0; G < 6; ++G)
                for (int B = 0; B < 6; ++B) Set(I++, R * 51, G * 51, B * 51);
        for (int K = 0; I < 256; ++I, ++K) Set(I, K * 255 / 39, K * 255 / 39, K * 255 / 39);
    }
}

uint32_t Le32(const std::string& S, size_t At) {
    uint32_t V = 0;
    std::memcpy(&V, S.data() + At, 4);
    return V;
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
    FCanvas.reset();
    FreeHandleOnly();
}

void TBitmap::ReleaseCanvasContext() {
    if (FCanvas) static_cast<TBitmapCanvas*>(FCanvas.get())->FreeContext();
}

void TBitmap::FreeHandleOnly() {
    ReleaseCanvasContext();
    if (FHandle) DeleteObject(FHandle);
    if (FPalette) DeleteObject(FPalette);
    FHandle = nullptr;
    FPalette = nullptr;
}

void TBitmap::Changed() {
    if (FHandle) FImage.clear();  // a kept copy would be out of date
    FModified = true;
    TGraphic::Changed();
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(this);
        FCanvas->OnChange = [this](TObject*) { Changed(); };
    }
    return FCanvas.get();
}

void TBitmap::HandleNeeded() {
    if (FHandle) return;
    if (!FImage.empty()) {
        std::string Bytes = std::move(FImage);
        FImage.clear();
        ReadDib(Bytes);
        return;
    }
    if (FWidth > 0 && FHeight > 0) MakeBitmap(FWidth, FHeight, FPixelFormat, FHandleType, nullptr);
}

HBITMAP TBitmap::Handle() {
    HandleNeeded();
    ReleaseCanvasContext();
    return FHandle;
}

void TBitmap::SetHandle(HBITMAP Value) {
    if (Value == FHandle) return;
    FreeHandleOnly();
    FImage.clear();
    FHandle = Value;
    ReadFacts();
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    HandleNeeded();
    ReleaseCanvasContext();
    HBITMAP H = FHandle;
    FHandle = nullptr;
    FWidth = FHeight = 0;
    return H;
}

// Width, height, format and kind read back from the handle.
void TBitmap::ReadFacts() {
    FWidth = FHeight = 0;
    if (!FHandle) return;
    DIBSECTION DS{};
    int Got = GetObjectA(FHandle, sizeof DS, &DS);
    if (Got == 0) return;
    FWidth = DS.dsBm.bmWidth;
    FHeight = DS.dsBm.bmHeight;
    if (Got == sizeof(DIBSECTION)) {
        FHandleType = bmDIB;
        FPixelFormat = FormatOf(DS.dsBm.bmBitsPixel);
    } else {
        FHandleType = bmDDB;
        FPixelFormat = DS.dsBm.bmBitsPixel == 1 ? pf1bit : pfDevice;
    }
}

void TBitmap::MakeBitmap(int AWidth, int AHeight, TPixelFormat Format, TBitmapHandleType Type, HBITMAP CopyFrom) {
    HDC Screen = ScreenDC();
    HBITMAP New = nullptr;
    if (Type == bmDDB && Format == pf1bit) {
        New = CreateBitmap(AWidth, AHeight, 1, 1, nullptr);
    } else if (Type == bmDDB) {
        New = CreateCompatibleBitmap(Screen, AWidth, AHeight);
        Format = pfDevice;
    } else {
        const int Bits = BitsOf(Format);
        std::vector<char> Info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        auto* BI = reinterpret_cast<BITMAPINFO*>(Info.data());
        BI->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        BI->bmiHeader.biWidth = AWidth;
        BI->bmiHeader.biHeight = AHeight;
        BI->bmiHeader.biPlanes = 1;
        BI->bmiHeader.biBitCount = static_cast<WORD>(Bits);
        BI->bmiHeader.biCompression = BI_RGB;
        if (Bits <= 8) FillColorTable(BI->bmiColors, Bits);
        void* Bits_ = nullptr;
        New = CreateDIBSection(Screen, BI, DIB_RGB_COLORS, &Bits_, nullptr, 0);
        if (Format == pfDevice) Format = pf24bit;
    }
    if (!New) throw EOutOfResources("Out of system resources");
    HDC DC = CreateCompatibleDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, New);
    PatBlt(DC, 0, 0, AWidth, AHeight, WHITENESS);
    if (CopyFrom) {
        ReleaseCanvasContext();
        HDC Src = CreateCompatibleDC(nullptr);
        HGDIOBJ OldSrc = SelectObject(Src, CopyFrom);
        BitBlt(DC, 0, 0, std::min(AWidth, FWidth), std::min(AHeight, FHeight), Src, 0, 0, SRCCOPY);
        SelectObject(Src, OldSrc);
        DeleteDC(Src);
    }
    SelectObject(DC, Old);
    DeleteDC(DC);
    ReleaseCanvasContext();
    if (FHandle) DeleteObject(FHandle);
    if (FPalette) DeleteObject(FPalette);
    FPalette = nullptr;
    FHandle = New;
    FWidth = AWidth;
    FHeight = AHeight;
    FPixelFormat = Format;
    FHandleType = Type;
}

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight) return;
    HandleNeeded();
    if (AWidth == 0 || AHeight == 0) {
        FreeHandleOnly();
        FImage.clear();
        FWidth = AWidth;
        FHeight = AHeight;
    } else if (FHandle) {
        MakeBitmap(AWidth, AHeight, FPixelFormat, FHandleType, FHandle);
    } else {
        FWidth = AWidth;
        FHeight = AHeight;
    }
    Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType Value) {
    if (Value == FHandleType) return;
    HandleNeeded();
    if (FHandle) MakeBitmap(FWidth, FHeight, Value == bmDDB && FPixelFormat != pf1bit ? pfDevice : FPixelFormat, Value, FHandle);
    else FHandleType = Value;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == FPixelFormat || Value == pfCustom) return;
    HandleNeeded();
    TBitmapHandleType Type = Value == pfDevice ? bmDDB : bmDIB;
    if (FHandle) MakeBitmap(FWidth, FHeight, Value, Type, FHandle);
    else {
        FPixelFormat = Value;
        FHandleType = Type;
    }
    Changed();
}

HPALETTE TBitmap::Palette() {
    if (FPalette) return FPalette;
    HandleNeeded();
    if (!FHandle || FHandleType != bmDIB || BitsOf(FPixelFormat) > 8) return nullptr;
    RGBQUAD Table[256];
    HDC DC = Canvas()->Handle();
    UINT Count = GetDIBColorTable(DC, 0, 256, Table);
    if (Count == 0) return nullptr;
    std::vector<char> Buf(sizeof(LOGPALETTE) + Count * sizeof(PALETTEENTRY));
    auto* LP = reinterpret_cast<LOGPALETTE*>(Buf.data());
    LP->palVersion = 0x300;
    LP->palNumEntries = static_cast<WORD>(Count);
    for (UINT I = 0; I < Count; ++I)
        LP->palPalEntry[I] = PALETTEENTRY{Table[I].rgbRed, Table[I].rgbGreen, Table[I].rgbBlue, 0};
    FPalette = CreatePalette(LP);
    return FPalette;
}

void TBitmap::SetPalette(HPALETTE Value) {
    ReleaseCanvasContext();
    if (FPalette && FPalette != Value) DeleteObject(FPalette);
    FPalette = Value;
    Changed();
}

TColor TBitmap::TransparentColor() {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (Empty()) return clDefault;
    // The bottom-left pixel decides.
    return Canvas()->Pixel(0, FHeight - 1) & 0xFFFFFF;
}

void TBitmap::SetTransparentColor(TColor Value) {
    if (Value == FTransparentColor) return;
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == FTransparentMode) return;
    FTransparentMode = Value;
    if (Value == tmAuto) FTransparentColor = clDefault;
    else if (FTransparentColor == clDefault) FTransparentColor = TransparentColor();
    Changed();
}

void TBitmap::Assign(TPersistent* Source) {
    if (auto* B = dynamic_cast<TBitmap*>(Source)) {
        if (B == this) return;
        FreeHandleOnly();
        FImage.clear();
        FWidth = FHeight = 0;
        FPixelFormat = B->FPixelFormat;
        FHandleType = B->FHandleType;
        if (!B->Empty()) {
            if (B->FHandle || !B->FImage.empty()) ReadDib(B->FHandle ? B->WriteDib() : B->FImage);
            else {
                FWidth = B->FWidth;
                FHeight = B->FHeight;
            }
        }
        FTransparent = B->FTransparent;
        FTransparentColor = B->FTransparentColor;
        FTransparentMode = B->FTransparentMode;
        Changed();
        return;
    }
    if (Source == nullptr) {
        FreeHandleOnly();
        FImage.clear();
        FWidth = FHeight = 0;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TBitmap::ReadDib(const std::string& Bytes) {
    auto Bad = [] { return EInvalidGraphic("Bitmap image is not valid"); };
    if (Bytes.size() < 14 + 40 || Bytes[0] != 'B' || Bytes[1] != 'M') throw Bad();
    const uint32_t OffBits = Le32(Bytes, 10);
    const uint32_t HeaderSize = Le32(Bytes, 14);
    if (HeaderSize < 40 || 14 + HeaderSize > Bytes.size()) throw Bad();
    BITMAPINFOHEADER H{};
    std::memcpy(&H, Bytes.data() + 14, sizeof H);
    if (H.biWidth <= 0 || H.biHeight == 0 || H.biPlanes != 1 || H.biWidth > 0x8000 || H.biHeight > 0x8000 ||
        H.biHeight < -0x8000)
        throw Bad();
    const int Bits = H.biBitCount;
    if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 16 && Bits != 24 && Bits != 32) throw Bad();
    uint32_t Colors = Bits <= 8 ? (H.biClrUsed ? H.biClrUsed : (1u << Bits)) : 0;
    if (Colors > 256) throw Bad();
    const uint32_t Masks = H.biCompression == BI_BITFIELDS && HeaderSize == 40 ? 3 : 0;
    const size_t TableAt = 14 + HeaderSize;
    if (TableAt + (Colors + Masks) * 4 > Bytes.size() || OffBits > Bytes.size()) throw Bad();
    const int AbsHeight = H.biHeight < 0 ? -H.biHeight : H.biHeight;
    const size_t Stride = ((static_cast<size_t>(H.biWidth) * Bits + 31) / 32) * 4;

    std::vector<char> Info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* BI = reinterpret_cast<BITMAPINFO*>(Info.data());
    BI->bmiHeader = H;
    BI->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    std::memcpy(BI->bmiColors, Bytes.data() + TableAt, (Colors + Masks) * 4);
    const bool Rle = H.biCompression == BI_RLE4 || H.biCompression == BI_RLE8;
    if (!Rle && H.biCompression != BI_RGB && H.biCompression != BI_BITFIELDS) throw Bad();
    if (!Rle && OffBits + Stride * AbsHeight > Bytes.size()) throw Bad();

    // The new image goes to a DIB section of the same depth.
    BITMAPINFO* Target = BI;
    std::vector<char> TargetInfo;
    if (Rle) {
        TargetInfo = Info;
        Target = reinterpret_cast<BITMAPINFO*>(TargetInfo.data());
        Target->bmiHeader.biCompression = BI_RGB;
        Target->bmiHeader.biSizeImage = 0;
    }
    HDC Screen = ScreenDC();
    void* Pixels = nullptr;
    HBITMAP New = CreateDIBSection(Screen, Target, DIB_RGB_COLORS, &Pixels, nullptr, 0);
    if (!New) throw EOutOfResources("Out of system resources");
    if (Rle) SetDIBits(Screen, New, 0, AbsHeight, Bytes.data() + OffBits, BI, DIB_RGB_COLORS);
    else std::memcpy(Pixels, Bytes.data() + OffBits, Stride * AbsHeight);
    FreeHandleOnly();
    FHandle = New;
    ReadFacts();
}

std::string TBitmap::WriteDib() {
    HandleNeeded();
    ReleaseCanvasContext();
    if (!FHandle) return {};
    DIBSECTION DS{};
    int Got = GetObjectA(FHandle, sizeof DS, &DS);
    int Bits = Got == sizeof(DIBSECTION) ? DS.dsBm.bmBitsPixel : (DS.dsBm.bmBitsPixel == 1 ? 1 : 24);
    std::vector<char> Info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* BI = reinterpret_cast<BITMAPINFO*>(Info.data());
    BI->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    BI->bmiHeader.biWidth = FWidth;
    BI->bmiHeader.biHeight = FHeight;
    BI->bmiHeader.biPlanes = 1;
    BI->bmiHeader.biBitCount = static_cast<WORD>(Bits);
    BI->bmiHeader.biCompression = BI_RGB;
    const size_t Stride = ((static_cast<size_t>(FWidth) * Bits + 31) / 32) * 4;
    std::vector<char> Pixels(Stride * FHeight);
    HDC Screen = ScreenDC();
    if (GetDIBits(Screen, FHandle, 0, FHeight, Pixels.data(), BI, DIB_RGB_COLORS) == 0)
        throw EInvalidGraphic("Bitmap image is not valid");
    const uint32_t Colors = Bits <= 8 ? (1u << Bits) : 0;
    BI->bmiHeader.biClrUsed = Colors;
    BI->bmiHeader.biSizeImage = static_cast<DWORD>(Pixels.size());
    const uint32_t OffBits = 14 + 40 + Colors * 4;
    std::string Out;
    auto Put = [&](uint32_t V, int N) {
        for (int I = 0; I < N; ++I) Out += static_cast<char>(V >> (8 * I));
    };
    Out += "BM";
    Put(OffBits + static_cast<uint32_t>(Pixels.size()), 4);
    Put(0, 4);
    Put(OffBits, 4);
    Out.append(reinterpret_cast<const char*>(&BI->bmiHeader), 40);
    Out.append(reinterpret_cast<const char*>(BI->bmiColors), Colors * 4);
    Out.append(Pixels.data(), Pixels.size());
    return Out;
}

void TBitmap::LoadFromStream(TStream* Stream) {
    const std::string Bytes = Stream->ReadToEnd();
    FImage.clear();
    ReadDib(Bytes);
    Changed();
}

void TBitmap::SaveToStream(TStream* Stream) {
    std::string Bytes = FHandle || FImage.empty() ? WriteDib() : FImage;
    if (!Bytes.empty()) Stream->WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
}

void TBitmap::ReadData(TStream* Stream) {
    int32_t Size = 0;
    Stream->ReadBuffer(&Size, 4);
    if (Size < 0 || Size > Stream->Size() - Stream->Position()) throw EInvalidGraphic("Bitmap image is not valid");
    std::string Bytes(static_cast<size_t>(Size), '\0');
    if (Size) Stream->ReadBuffer(Bytes.data(), Size);
    TStringStream Image(std::move(Bytes));
    if (Size) LoadFromStream(&Image);
    else SetSize(0, 0);
}

void TBitmap::WriteData(TStream* Stream) {
    TStringStream Image;
    SaveToStream(&Image);
    const int32_t Size = static_cast<int32_t>(Image.DataString().size());
    Stream->WriteBuffer(&Size, 4);
    if (Size) Stream->WriteBuffer(Image.DataString().data(), Size);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
    HRSRC Res = FindResourceA(Instance, ResName.c_str(), MAKEINTRESOURCEA(2) /* bitmap */);
    if (!Res) throw EInvalidOperation("Resource " + ResName + " not found");
    HGLOBAL Data = LoadResource(Instance, Res);
    const char* P = static_cast<const char*>(LockResource(Data));
    DWORD Size = SizeofResource(Instance, Res);
    if (!P || Size < sizeof(BITMAPINFOHEADER)) throw EInvalidGraphic("Bitmap image is not valid");
    // A bitmap resource is a file without its file header.
    BITMAPINFOHEADER H{};
    std::memcpy(&H, P, sizeof H);
    uint32_t Colors = H.biBitCount <= 8 ? (H.biClrUsed ? H.biClrUsed : (1u << H.biBitCount)) : 0;
    uint32_t Masks = H.biCompression == BI_BITFIELDS && H.biSize == 40 ? 3 : 0;
    uint32_t OffBits = 14 + H.biSize + (Colors + Masks) * 4;
    std::string Bytes = "BM";
    auto Put = [&](uint32_t V) { Bytes.append(reinterpret_cast<const char*>(&V), 4); };
    Put(14 + Size);
    Put(0);
    Put(OffBits);
    Bytes.append(P, Size);
    FImage.clear();
    ReadDib(Bytes);
    Changed();
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResID) {
    LoadFromResourceName(Instance, "#" + std::to_string(ResID));
}

void TBitmap::Dormant() {
    if (!FHandle) return;
    FImage = WriteDib();
    int W = FWidth, H = FHeight;
    FreeHandleOnly();
    FWidth = W;
    FHeight = H;
}

void TBitmap::FreeImage() {
    if (FHandle) FImage.clear();
}

HBITMAP TBitmap::CreateMask(TColor Color) {
    HDC Src = Canvas()->Handle();
    HBITMAP Mask = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
    HDC DC = CreateCompatibleDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, Mask);
    COLORREF OldBk = SetBkColor(Src, ColorToRGB(Color));
    BitBlt(DC, 0, 0, FWidth, FHeight, Src, 0, 0, SRCCOPY);
    SetBkColor(Src, OldBk);
    SelectObject(DC, Old);
    DeleteDC(DC);
    return Mask;
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
    if (Empty()) return;
    HDC Dest = ACanvas->Handle();
    HDC Src = Canvas()->Handle();
    HPALETTE OldPal = nullptr;
    if (HPALETTE Pal = Palette()) {
        OldPal = SelectPalette(Dest, Pal, TRUE);
        RealizePalette(Dest);
    }
    SetStretchBltMode(Dest, COLORONCOLOR);
    if (!FTransparent) {
        StretchBlt(Dest, R.Left, R.Top, R.Width(), R.Height(), Src, 0, 0, FWidth, FHeight, ACanvas->CopyMode());
    } else {
        HBITMAP Mask = CreateMask(TransparentColor());
        HDC MaskDC = CreateCompatibleDC(nullptr);
        HGDIOBJ OldMask = SelectObject(MaskDC, Mask);
        // Source with its transparent pixels made black.
        HDC TmpDC = CreateCompatibleDC(Dest);
        HBITMAP Tmp = CreateCompatibleBitmap(Dest, FWidth, FHeight);
        HGDIOBJ OldTmp = SelectObject(TmpDC, Tmp);
        BitBlt(TmpDC, 0, 0, FWidth, FHeight, Src, 0, 0, SRCCOPY);
        SetBkColor(TmpDC, RGB(255, 255, 255));
        SetTextColor(TmpDC, RGB(0, 0, 0));
        BitBlt(TmpDC, 0, 0, FWidth, FHeight, MaskDC, 0, 0, 0x00220326);  // D and not S
        // Destination kept where transparent, black elsewhere; then merged.
        COLORREF OldBk = SetBkColor(Dest, RGB(255, 255, 255));
        COLORREF OldText = SetTextColor(Dest, RGB(0, 0, 0));
        StretchBlt(Dest, R.Left, R.Top, R.Width(), R.Height(), MaskDC, 0, 0, FWidth, FHeight, SRCAND);
        StretchBlt(Dest, R.Left, R.Top, R.Width(), R.Height(), TmpDC, 0, 0, FWidth, FHeight, SRCPAINT);
        SetBkColor(Dest, OldBk);
        SetTextColor(Dest, OldText);
        SelectObject(TmpDC, OldTmp);
        DeleteObject(Tmp);
        DeleteDC(TmpDC);
        SelectObject(MaskDC, OldMask);
        DeleteDC(MaskDC);
        DeleteObject(Mask);
    }
    if (OldPal) SelectPalette(Dest, OldPal, TRUE);
}
