#pragma once
// Pictures: the abstract TGraphic, bitmaps, icons and TPicture, which holds
// one graphic of either kind.
#include <memory>
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Streams.h"

class TGraphic : public TPersistent {
    QRN_CLASS(TGraphic, TPersistent)
public:
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    void LoadFromFile(const std::string& FileName);
    // Written whole or not at all.
    void SaveToFile(const std::string& FileName);

    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

    TNotifyEvent OnChange;

    // Draws the graphic stretched into R; TCanvas::Draw and StretchDraw call it.
    virtual void Draw(TCanvas* ACanvas, const TRect& R) = 0;

    // The image in a form file ("Glyph.Data", and inside "Picture.Data"):
    // the file bytes; a bitmap puts their 32-bit length first.
    void DefineProperties(TFiler* Filer) override;
    virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
    virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }

protected:
    virtual void Changed();
    bool FTransparent = false;
    bool FModified = false;
};

enum TBitmapHandleType { bmDIB, bmDDB };
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
    QRN_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    ~TBitmap() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FWidth == 0 || FHeight == 0; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override { SetSize(Value, FHeight); }
    void SetHeight(int Value) override { SetSize(FWidth, Value); }
    // Keeps the top-left part of the image; new area is white.
    void SetSize(int AWidth, int AHeight);

    // The bitmap handle, made on demand. It is taken out of the canvas's
    // context first so other code may select it.
    HBITMAP Handle();
    // Takes ownership of Value.
    void SetHandle(HBITMAP Value);
    // Gives up the handle to the caller (the bitmap becomes empty).
    HBITMAP ReleaseHandle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    TCanvas* Canvas();

    TBitmapHandleType HandleType() const { return FHandleType; }
    void SetHandleType(TBitmapHandleType Value);
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat Value);
    bool Monochrome() const { return FPixelFormat == pf1bit; }
    void SetMonochrome(bool Value) { SetPixelFormat(Value ? pf1bit : pfDevice); }
    // The palette of an 8-bit or smaller image, made from its colour
    // table on demand; the bitmap owns it.
    HPALETTE Palette();
    void SetPalette(HPALETTE Value);  // takes ownership

    TColor TransparentColor();
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    // A bitmap resource of Instance (a module handle: the DLLs pass theirs).
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);
    void LoadFromResourceID(HINSTANCE Instance, int ResID);
    // Keeps the image as file bytes and gives its GDI handle back;
    // the next use makes the handle again.
    void Dormant();
    // Drops the kept file bytes of a bitmap that has a handle.
    void FreeImage();
    bool IsDormant() const { return !FHandle && !FImage.empty(); }

    // Monochrome mask: white where the image has TransparentColor.
    HBITMAP CreateMask(TColor Color);

    void Draw(TCanvas* ACanvas, const TRect& R) override;

protected:
    void Changed() override;

private:
    void HandleNeeded();
    void ReleaseCanvasContext();
    void FreeHandleOnly();
    void MakeBitmap(int AWidth, int AHeight, TPixelFormat Format, TBitmapHandleType Type, HBITMAP CopyFrom);
    void ReadDib(const std::string& Bytes);
    std::string WriteDib();
    void ReadFacts();

    HBITMAP FHandle = nullptr;
    HPALETTE FPalette = nullptr;
    std::string FImage;  // file bytes while dormant (or loaded, until FreeImage)
    int FWidth = 0;
    int FHeight = 0;
    TBitmapHandleType FHandleType = bmDIB;
    TPixelFormat FPixelFormat = pfDevice;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    std::unique_ptr<TCanvas> FCanvas;
    friend class TBitmapCanvas;
};

class TIcon : public TGraphic {
    QRN_CLASS(TIcon, TGraphic)
public:
    TIcon() = default;
    ~TIcon() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return FHandle == nullptr && FImage.empty(); }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // An icon's size comes from its image.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    HICON Handle();
    void SetHandle(HICON Value);  // takes ownership
    HICON ReleaseHandle();
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);
    void Draw(TCanvas* ACanvas, const TRect& R) override;

private:
    void ReadFacts();
    HICON FHandle = nullptr;
    std::string FImage;  // .ico bytes when loaded from a stream
    int FWidth = 0;
    int FHeight = 0;
};

class TPicture : public TPersistent {
    QRN_CLASS(TPicture, TPersistent)
public:
    TPicture() = default;
    ~TPicture() override;
    void Assign(TPersistent* Source) override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Copies Value (nullptr empties the picture).
    void SetGraphic(TGraphic* Value);
    // The picture as a bitmap (an empty one replaces any other graphic).
    TBitmap* Bitmap();
    TIcon* Icon();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    // Chooses the graphic by extension: .bmp or .ico; others raise
    // EInvalidGraphic "Unknown picture file extension (.xyz)".
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);
    // "Picture.Data" in a form file: the graphic's class name as a short
    // string, then the graphic's own data.
    void DefineProperties(TFiler* Filer) override;

    TNotifyEvent OnChange;

private:
    void Adopt(std::unique_ptr<TGraphic> G);
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};

QRN_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
