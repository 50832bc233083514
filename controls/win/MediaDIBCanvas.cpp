#include "controls/win/MediaDIBCanvas.h"

#include <cstring>

#include "controls/win/MediaWinRoutines.h"
#include "framework/graphics/ScreenDC.h"

namespace {

// The colour table of a bitmap as 256 palette entries (what an 8-bit copy
// of it would use).
TMediaPalette BitmapPalette(TBitmap* Bitmap) {
    TMediaPalette Result{};
    std::vector<uint8_t> Info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    auto* Header = reinterpret_cast<BITMAPINFOHEADER*>(Info.data());
    Header->biSize = sizeof(BITMAPINFOHEADER);
    Header->biWidth = Bitmap->Width();
    Header->biHeight = Bitmap->Height();
    Header->biPlanes = 1;
    Header->biBitCount = 8;
    Header->biCompression = BI_RGB;
    GetDIBits(ScreenDC(), Bitmap->Handle(), 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(Header), DIB_RGB_COLORS);
    const auto* Quads = reinterpret_cast<const RGBQUAD*>(Info.data() + sizeof(BITMAPINFOHEADER));
    for (int I = 0; I < 256; ++I) Result[I] = {Quads[I].rgbRed, Quads[I].rgbGreen, Quads[I].rgbBlue, 0};
    return Result;
}

}  // namespace

TMediaDIBCanvas::TMediaDIBCanvas() = default;

TMediaDIBCanvas::~TMediaDIBCanvas() {
    SetHandle(nullptr);
    while (FBits.Drawing()) FBits.EndDraw();
    ReleaseDIB();
    if (FMemDC) DeleteDC(FMemDC);
}

void TMediaDIBCanvas::MarkRebuild() {
    FNeedRebuild = true;
    // The handle is asked for again before the next drawing: that rebuilds.
    SetHandle(nullptr);
}

void TMediaDIBCanvas::SetBitsPerPixel(int Value) {
    if (Value != 8 && Value != 24) throw EMediaDIBError(SMediaDIBBitLength);
    if (Value == FBitsPerPixel) return;
    FBitsPerPixel = Value;
    MarkRebuild();
    Handle();
}

void TMediaDIBCanvas::SetSize(int AWidth, int AHeight) {
    if (AWidth == FWidth && AHeight == FHeight) return;
    FWidth = AWidth;
    FHeight = AHeight;
    MarkRebuild();
}

void TMediaDIBCanvas::SetBackGroundBitmap(TBitmap* Value) {
    if (Value && !Value->Empty()) {
        if (!FBackground) FBackground = std::make_unique<TBitmap>();
        FBackground->Assign(Value);
    } else {
        FBackground.reset();
    }
    MarkRebuild();
}

void TMediaDIBCanvas::SetStretchBackGround(bool Value) {
    if (Value == FStretch) return;
    FStretch = Value;
    if (FBackground) MarkRebuild();
}

HPALETTE TMediaDIBCanvas::Palette() {
    if (FNeedRebuild) Handle();
    return FPaletteHandle;
}

void TMediaDIBCanvas::CreateHandle() {
    if (!FMemDC) {
        FMemDC = CreateCompatibleDC(nullptr);
        if (!FMemDC) throw EMediaDIBError(SMediaDIBNoDC);
        FNeedRebuild = true;
    }
    if (FNeedRebuild) Rebuild();
    SetHandle(FMemDC);
}

void TMediaDIBCanvas::ReleaseDIB() {
    FBits.Release();
    FBackBits.Release();
    if (FOldBitmap && FMemDC) SelectObject(FMemDC, FOldBitmap);
    FOldBitmap = nullptr;
    if (FDIB) DeleteObject(FDIB);
    if (FBackDIB) DeleteObject(FBackDIB);
    if (FPaletteHandle) DeleteObject(FPaletteHandle);
    FDIB = FBackDIB = nullptr;
    FPaletteHandle = nullptr;
    void* Header = FHeader;
    MediaGlobalFree(Header);
    FHeader = nullptr;
}

void TMediaDIBCanvas::Rebuild() {
    if (FBits.Drawing()) throw EMediaDIBError(SMediaDIBInDrawing);
    ReleaseDIB();
    const int W = FWidth > 0 ? FWidth : 1;
    const int H = FHeight > 0 ? FHeight : 1;
    FHeader = MediaCreateDIBHeader(FBitsPerPixel, -H, W, false, 1);
    if (!FHeader) throw EOutOfMemory("Out of memory");

    TMediaPalette BackPalette{};
    if (FBackground) BackPalette = BitmapPalette(FBackground.get());
    FPalette = BuildMediaCanvasPalette(MediaScreenDefaultPalette(), FBackground ? &BackPalette : nullptr, nullptr, 0);
    std::memcpy(FHeader->bmiColors, FPalette.ColorTable.data(), FPalette.ColorTable.size());
    FPaletteHandle = MediaCreatePalette(FPalette.Entries);

    if (FBackground) {
        void* Bits = nullptr;
        FBackDIB = CreateDIBSection(FMemDC, FHeader, DIB_RGB_COLORS, &Bits, nullptr, 0);
        if (FBackDIB) {
            HGDIOBJ Old = SelectObject(FMemDC, FBackDIB);
            PaintBackground(FMemDC);
            SelectObject(FMemDC, Old);
            GdiFlush();
            FBackBits.Attach(static_cast<uint8_t*>(Bits), W, H, FBitsPerPixel);
        }
    }

    void* Bits = nullptr;
    FDIB = CreateDIBSection(FMemDC, FHeader, DIB_RGB_COLORS, &Bits, nullptr, 0);
    if (FDIB) {
        FOldBitmap = SelectObject(FMemDC, FDIB);
        PatBlt(FMemDC, 0, 0, W, H, BLACKNESS);
        GdiFlush();
        FBits.Attach(static_cast<uint8_t*>(Bits), W, H, FBitsPerPixel);
    }
    FNeedRebuild = false;
}

void TMediaDIBCanvas::PaintBackground(HDC DC) {
    HDC Source = FBackground->Canvas()->Handle();
    const int PW = FBackground->Width(), PH = FBackground->Height();
    const int W = FWidth > 0 ? FWidth : 1, H = FHeight > 0 ? FHeight : 1;
    const int OldMode = SetStretchBltMode(DC, COLORONCOLOR);
    if (FStretch) {
        StretchBlt(DC, 0, 0, W, H, Source, 0, 0, PW, PH, SRCCOPY);
    } else {
        for (const TRect& Tile : BackgroundTiles(PW, PH, W, H))
            BitBlt(DC, Tile.Left, Tile.Top, Tile.Width(), Tile.Height(), Source, 0, 0, SRCCOPY);
    }
    SetStretchBltMode(DC, OldMode);
}

void TMediaDIBCanvas::BeginDraw() {
    Changing();
    Handle();  // rebuilds when needed
    FBits.BeginDraw();
    GdiFlush();
}

void TMediaDIBCanvas::EndDraw() {
    FBits.EndDraw();
    Changed();
}

void TMediaDIBCanvas::ColorToFill(TColor Color) {
    FBits.ColorToFill(static_cast<TColor>(ColorToRGB(Color)), FPalette.Entries);
}

void TMediaDIBCanvas::CopyTo(HDC DC, const TRect& Dest, int SourceX, int SourceY) {
    HDC Source = Handle();
    HPALETTE Old = nullptr;
    if (FPaletteRealize && FPaletteHandle) {
        Old = SelectPalette(DC, FPaletteHandle, FPaletteMapped ? FALSE : TRUE);
        RealizePalette(DC);
    }
    BitBlt(DC, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Source, SourceX, SourceY, SRCCOPY);
    if (Old) {
        SelectPalette(DC, Old, TRUE);
        RealizePalette(DC);
    }
    GdiFlush();
}

QRN_PUBLISHED(TMediaDIBCanvas) {}

// ---- TMediaDIBGraphicControl

TMediaDIBGraphicControl::TMediaDIBGraphicControl(TComponent* AOwner)
    : TMediaGraphicControl(AOwner),
      FDIBCanvas(std::make_unique<TMediaDIBCanvas>()),
      FBackGroundDIB(std::make_unique<TBitmap>()) {
    FPaintsInside = true;
    FBackGroundDIB->OnChange = TNotifyEvent(this, &TMediaDIBGraphicControl::BackGroundChanged);
    SizeCanvas();
}

TMediaDIBGraphicControl::~TMediaDIBGraphicControl() { FBackGroundDIB->OnChange = TNotifyEvent(); }

void TMediaDIBGraphicControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TMediaGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FDIBCanvas) SizeCanvas();
}

void TMediaDIBGraphicControl::SizeCanvas() { FDIBCanvas->SetSize(Width(), Height()); }

void TMediaDIBGraphicControl::SetBitsPerPixel(int Bits) {
    FDIBCanvas->SetBitsPerPixel(Bits);
    Invalidate();
}

void TMediaDIBGraphicControl::SetPaletteRealize(bool Value) {
    if (Value == FDIBCanvas->PaletteRealize()) return;
    FDIBCanvas->SetPaletteRealize(Value);
    Invalidate();
}

void TMediaDIBGraphicControl::SetPaletteMapped(bool Value) {
    if (Value == FDIBCanvas->PaletteMapped()) return;
    FDIBCanvas->SetPaletteMapped(Value);
    Invalidate();
}

HPALETTE TMediaDIBGraphicControl::GetPalette() {
    return FDIBCanvas->PaletteRealize() ? FDIBCanvas->Palette() : nullptr;
}

void TMediaDIBGraphicControl::ApplyBackground() {
    FDIBCanvas->SetBackGroundBitmap(FUseBackGroundDIB ? FBackGroundDIB.get() : nullptr);
    Invalidate();
}

void TMediaDIBGraphicControl::BackGroundChanged(TObject*) {
    if (ComponentState().Contains(csLoading)) return;
    if (ComponentState().Contains(csDesigning)) {
        const bool Has = !FBackGroundDIB->Empty();
        FDIBCanvas->SetPaletteRealize(Has);
        if (!Has) FDIBCanvas->SetPaletteMapped(false);
        FUseBackGroundDIB = Has;
    }
    ApplyBackground();
}

void TMediaDIBGraphicControl::SetUseBackGroundDIB(bool Value) {
    if (ComponentState().Contains(csLoading)) {
        FUseBackGroundDIB = Value;  // applied in Loaded
        return;
    }
    FUseBackGroundDIB = Value && !FBackGroundDIB->Empty();
    FDIBCanvas->SetPaletteRealize(FUseBackGroundDIB);
    ApplyBackground();
}

void TMediaDIBGraphicControl::Loaded() {
    TMediaGraphicControl::Loaded();
    SetUseBackGroundDIB(FUseBackGroundDIB);
}

void TMediaDIBGraphicControl::DrawBackground() {
    TDIBBits& Drawing = FDIBCanvas->Bits();
    if (!Drawing.HasPixels()) return;
    TDIBBits& Back = FDIBCanvas->BackgroundBits();
    DrawMediaBackground(Drawing, Back.HasPixels() ? &Back : nullptr, static_cast<TColor>(ColorToRGB(Color())),
                        FDIBCanvas->CanvasPalette().Entries);
}

void TMediaDIBGraphicControl::PaintThrough() {
    if (!Visible() || !Parent() || !Parent()->HandleAllocated()) return;
    TControlCanvas* C = static_cast<TControlCanvas*>(Canvas());
    C->Lock();
    struct TRelease {
        TControlCanvas* C;
        ~TRelease() {
            C->FreeHandle();
            C->Unlock();
        }
    } Guard{C};
    C->FreeHandle();
    HDC DC = C->Handle();  // the parent's context, moved to and clipped to this control
    const RECT Own{0, 0, Width(), Height()};
    if (!RectVisible(DC, &Own)) return;
    C->SetFont(Font());
    Paint();
}

QRN_PUBLISHED(TMediaDIBGraphicControl) {}
