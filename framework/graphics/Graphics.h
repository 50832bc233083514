#pragma once
// Drawing tools and the canvas. Fonts, pens and brushes create their GDI
// object on first use and keep it until a property changes; a canvas
// selects them into its device context just before it draws.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/Object.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/uicore/Colors.h"
#include "framework/classes/UiTypes.h"

class TGraphic;
class TBitmap;

using TSize = SIZE;

// The RGB value a colour stands for now (system colours looked up).
COLORREF ColorToRGB(TColor Color);
// Gives TColor its names (clBtnFace, ...) in streams and the inspector.
void RegisterColorIdents();

class TGraphicsObject : public TPersistent {
    QRN_CLASS(TGraphicsObject, TPersistent)
public:
    TNotifyEvent OnChange;
    // Called just before the object drops its GDI handle, so a canvas can
    // deselect it first (a selected object cannot be deleted).
    std::function<void()> OnHandleChanging;

protected:
    virtual void Changed();
    void HandleChanging() {
        if (OnHandleChanging) OnHandleChanging();
    }
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
QRN_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSmallSet<TFontStyle>;
QRN_SET_NAME(TFontStyles)
enum TFontPitch { fpDefault, fpVariable, fpFixed };
QRN_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
using TFontName = std::string;
using TFontCharset = uint8_t;

class TFont : public TGraphicsObject {
    QRN_CLASS(TFont, TGraphicsObject)
public:
    TFont();
    ~TFont() override;
    void Assign(TPersistent* Source) override;

    HFONT Handle();
    // Takes over a font handle: the properties are read back from it.
    void SetHandle(HFONT Value);

    const TFontName& Name() const { return FName; }
    void SetName(const TFontName& Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }

private:
    void DestroyHandle();
    void PropertyChanged();
    HFONT FHandle = nullptr;
    TFontName FName = "MS Sans Serif";
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    int FPixelsPerInch = 96;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
QRN_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
QRN_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
         pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)

class TPen : public TGraphicsObject {
    QRN_CLASS(TPen, TGraphicsObject)
public:
    TPen() = default;
    ~TPen() override;
    void Assign(TPersistent* Source) override;

    HPEN Handle();
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    void DestroyHandle();
    HPEN FHandle = nullptr;
    TColor FColor = clBlack;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
    TPenMode FMode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
QRN_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
    QRN_CLASS(TBrush, TGraphicsObject)
public:
    TBrush();
    ~TBrush() override;
    void Assign(TPersistent* Source) override;

    HBRUSH Handle();
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // A pattern bitmap (the brush keeps its own copy); nullptr clears it.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(TBitmap* Value);

private:
    void DestroyHandle();
    HBRUSH FHandle = nullptr;
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::unique_ptr<TBitmap> FBitmap;
};

using TCopyMode = DWORD;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmWhiteness = WHITENESS;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmDstInvert = DSTINVERT;

enum TTextFormatFlag { tfClipped, tfOpaque };

class TCanvas : public TPersistent {
    QRN_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The device context; a canvas that makes its own (a control's, a
    // bitmap's) creates it here. Throws EInvalidOperation "Canvas does not
    // allow drawing" when there is none.
    HDC Handle();
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont* Font() { return FFont.get(); }
    TPen* Pen() { return FPen.get(); }
    TBrush* Brush() { return FBrush.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    void SetPen(TPen* Value) { FPen->Assign(Value); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
    TPoint PenPos();
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
    TRect ClipRect();
    // Narrows drawing to R (in the canvas's coordinates); an empty rectangle
    // removes the clip region.
    void SetClipRect(const TRect& R);

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Polygon(const TPoint* Points, int Count);
    void Polyline(const TPoint* Points, int Count);
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void DrawFocusRect(const TRect& R);
    void TextOut(int X, int Y, const std::string& Text);
    void TextRect(const TRect& R, int X, int Y, const std::string& Text);
    TSize TextExtent(const std::string& Text);
    int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
    int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& R, TGraphic* Graphic);
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
    // Copies Source's part of Bitmap to Dest, drawing the pixels of Color
    // in the brush instead.
    void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
    TColor Pixel(int X, int Y);
    void SetPixel(int X, int Y, TColor Color);
    void Refresh();  // drops and reselects the tools

    // Serialises drawing from several threads.
    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const { return FLockCount; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void CreateHandle() {}
    void Changing();
    void Changed();
    // Puts the canvas's tools into the context if they are not there.
    void RequireTools();
    void DeselectTools();

private:
    HDC FHandle = nullptr;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
    HGDIOBJ FOldFont = nullptr, FOldPen = nullptr, FOldBrush = nullptr;
    bool FFontSelected = false, FPenSelected = false, FBrushSelected = false;
    CRITICAL_SECTION FLock;
    int FLockCount = 0;
};

// Draws Width nested one-pixel frames inside Rect, top and left in
// TopColor, bottom and right in BottomColor, and shrinks Rect by Width.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

inline RECT ToRECT(const TRect& R) { return RECT{R.Left, R.Top, R.Right, R.Bottom}; }
inline TRect FromRECT(const RECT& R) { return TRect{R.left, R.top, R.right, R.bottom}; }
