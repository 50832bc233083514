#pragma once
// TMediaDIBCanvas: a canvas drawing into a top-down DIB section held in a
// memory device context, with its own palette and an optional background
// picture (stretched or tiled). GDI draws through the canvas handle; the
// pixel routines of TDIBBits write straight into the same memory between
// BeginDraw and EndDraw. The drawing state (clip, fill value) belongs to
// each canvas.
//
// TMediaDIBGraphicControl: a bevelled multimedia control that owns such a
// canvas and copies it to the screen, so a frame is drawn off screen and
// shown without flicker.
#include <memory>

#include "controls/DIBBits.h"
#include "controls/MediaCanvasPalette.h"
#include "controls/win/MediaGraphicControl.h"
#include "framework/graphics/Bitmap.h"

class TMediaDIBCanvas : public TCanvas {
    QRN_CLASS(TMediaDIBCanvas, TCanvas)
public:
    TMediaDIBCanvas();
    ~TMediaDIBCanvas() override;

    int BitsPerPixel() const { return FBitsPerPixel; }
    // 8 or 24; anything else raises EMediaDIBError "Bitlength not supported
    // yet" and keeps the depth. A new depth rebuilds at once.
    void SetBitsPerPixel(int Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // A new size drops the DIB; it is rebuilt when next needed.
    void SetSize(int AWidth, int AHeight);
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); }

    // The background picture, copied (nullptr or an empty one: none).
    TBitmap* BackGroundBitmap() const { return FBackground.get(); }
    void SetBackGroundBitmap(TBitmap* Value);
    bool StretchBackGround() const { return FStretch; }
    void SetStretchBackGround(bool Value);
    bool PaletteRealize() const { return FPaletteRealize; }
    void SetPaletteRealize(bool Value) { FPaletteRealize = Value; }
    bool PaletteMapped() const { return FPaletteMapped; }
    void SetPaletteMapped(bool Value) { FPaletteMapped = Value; }
    HPALETTE Palette();

    // The pixel bracket: rebuilds when needed, then hands out the bits. A
    // rebuild in between (a size change, then drawing) raises
    // EMediaDIBError "Attempt to create new DIB while initialized for drawing".
    void BeginDraw();
    void EndDraw();
    bool Drawing() const { return FBits.Drawing(); }
    // The drawing DIB's pixels and the background's (no pixels without one).
    TDIBBits& Bits() { return FBits; }
    TDIBBits& BackgroundBits() { return FBackBits; }
    // The fill value for a colour (system colours resolved).
    void ColorToFill(TColor Color);
    const TMediaCanvasPalette& CanvasPalette() const { return FPalette; }

    // Copies the DIB to DC at Dest from (SourceX, SourceY); with
    // PaletteRealize the canvas palette is realized in DC meanwhile.
    void CopyTo(HDC DC, const TRect& Dest, int SourceX, int SourceY);

protected:
    void CreateHandle() override;

private:
    void Rebuild();
    void ReleaseDIB();
    void PaintBackground(HDC DC);
    void MarkRebuild();

    HDC FMemDC = nullptr;
    int FBitsPerPixel = 8;
    int FWidth = 1;
    int FHeight = 1;
    std::unique_ptr<TBitmap> FBackground;
    bool FStretch = true;
    bool FPaletteRealize = false;
    bool FPaletteMapped = false;
    TMediaCanvasPalette FPalette;
    BITMAPINFO* FHeader = nullptr;  // global memory
    HPALETTE FPaletteHandle = nullptr;
    HBITMAP FDIB = nullptr;
    HBITMAP FBackDIB = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
    TDIBBits FBits;
    TDIBBits FBackBits;
    bool FNeedRebuild = true;
};

class TMediaDIBGraphicControl : public TMediaGraphicControl {
    QRN_CLASS(TMediaDIBGraphicControl, TMediaGraphicControl)
public:
    explicit TMediaDIBGraphicControl(TComponent* AOwner);
    ~TMediaDIBGraphicControl() override;

    TMediaDIBCanvas* DIBCanvas() const { return FDIBCanvas.get(); }
    TBitmap* BackGroundDIB() const { return FBackGroundDIB.get(); }
    void SetBackGroundDIB(TBitmap* Value) { FBackGroundDIB->Assign(Value); }
    bool UseBackGroundDIB() const { return FUseBackGroundDIB; }
    void SetUseBackGroundDIB(bool Value);
    bool PaletteRealize() const { return FDIBCanvas->PaletteRealize(); }
    void SetPaletteRealize(bool Value);
    bool PaletteMapped() const { return FDIBCanvas->PaletteMapped(); }
    void SetPaletteMapped(bool Value);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Gives the depth to the canvas and repaints.
    virtual void SetBitsPerPixel(int Bits);
    // The frame's background: the picture when there is one, else Color.
    // Only between the canvas's BeginDraw and EndDraw.
    virtual void DrawBackground();
    HPALETTE GetPalette();

protected:
    void Loaded() override;
    // Paints at once, outside the parent's painting.
    void PaintThrough();
    // The canvas size for a control size (the whole control here).
    virtual void SizeCanvas();
    void ApplyBackground();

private:
    void BackGroundChanged(TObject* Sender);
    std::unique_ptr<TMediaDIBCanvas> FDIBCanvas;
    std::unique_ptr<TBitmap> FBackGroundDIB;
    bool FUseBackGroundDIB = false;
};
