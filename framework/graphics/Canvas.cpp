// The canvas: drawing on a device context with the canvas's tools.
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/Exceptions.h"

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
    InitializeCriticalSection(&FLock);
    // A changed tool is selected again before the next drawing call; a
    // tool about to drop its handle is taken out of the context first.
    FFont->OnChange = [this](TObject*) { FFontSelected = false; };
    FPen->OnChange = [this](TObject*) { FPenSelected = false; };
    FBrush->OnChange = [this](TObject*) { FBrushSelected = false; };
    FFont->OnHandleChanging = [this] {
        if (FHandle && FFontSelected) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
        FFontSelected = false;
    };
    FPen->OnHandleChanging = [this] {
        if (FHandle && FPenSelected) SelectObject(FHandle, GetStockObject(BLACK_PEN));
        FPenSelected = false;
    };
    FBrush->OnHandleChanging = [this] {
        if (FHandle && FBrushSelected) SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
        FBrushSelected = false;
    };
}

TCanvas::~TCanvas() {
    DeselectTools();
    // The tools go before the context bookkeeping: their destructors call back.
    FFont->OnHandleChanging = nullptr;
    FPen->OnHandleChanging = nullptr;
    FBrush->OnHandleChanging = nullptr;
    DeleteCriticalSection(&FLock);
}

HDC TCanvas::Handle() {
    if (!FHandle) CreateHandle();
    if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
    return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
    if (Value == FHandle) return;
    DeselectTools();
    FHandle = Value;
}

void TCanvas::DeselectTools() {
    if (FHandle) {
        if (FOldFont) SelectObject(FHandle, FOldFont);
        if (FOldPen) SelectObject(FHandle, FOldPen);
        if (FOldBrush) SelectObject(FHandle, FOldBrush);
    }
    FOldFont = FOldPen = FOldBrush = nullptr;
    FFontSelected = FPenSelected = FBrushSelected = false;
}

void TCanvas::Refresh() { DeselectTools(); }

void TCanvas::RequireTools() {
    HDC DC = Handle();
    if (!FFontSelected) {
        HGDIOBJ Old = SelectObject(DC, FFont->Handle());
        if (!FOldFont) FOldFont = Old;
        SetTextColor(DC, ColorToRGB(FFont->Color()));
        FFontSelected = true;
    }
    if (!FPenSelected) {
        HGDIOBJ Old = SelectObject(DC, FPen->Handle());
        if (!FOldPen) FOldPen = Old;
        static const int Rops[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                                   R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,
                                   R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN};
        SetROP2(DC, Rops[FPen->Mode()]);
        FPenSelected = true;
    }
    if (!FBrushSelected) {
        HGDIOBJ Old = SelectObject(DC, FBrush->Handle());
        if (!FOldBrush) FOldBrush = Old;
        // Text and hatches are drawn over the brush colour, or left
        // transparent with a clear brush.
        SetBkColor(DC, ColorToRGB(FBrush->Color()));
        SetBkMode(DC, FBrush->Style() == bsSolid ? OPAQUE : TRANSPARENT);
        FBrushSelected = true;
    }
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
    POINT P{};
    GetCurrentPositionEx(Handle(), &P);
    return {P.x, P.y};
}

TRect TCanvas::ClipRect() {
    RECT R{};
    GetClipBox(Handle(), &R);
    return FromRECT(R);
}

void TCanvas::SetClipRect(const TRect& R) {
    HDC DC = Handle();
    if (R.IsEmpty()) {
        SelectClipRgn(DC, nullptr);
        return;
    }
    // The region is in device units; the rectangle in logical ones.
    POINT P[2] = {{R.Left, R.Top}, {R.Right, R.Bottom}};
    LPtoDP(DC, P, 2);
    HRGN Rgn = CreateRectRgn(P[0].x, P[0].y, P[1].x, P[1].y);
    SelectClipRgn(DC, Rgn);
    DeleteObject(Rgn);
}

void TCanvas::MoveTo(int X, int Y) { MoveToEx(Handle(), X, Y, nullptr); }

void TCanvas::LineTo(int X, int Y) {
    Changing();
    RequireTools();
    ::LineTo(FHandle, X, Y);
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    Changing();
    RequireTools();
    ::Rectangle(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    Changing();
    RequireTools();
    ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Changing();
    RequireTools();
    ::Ellipse(FHandle, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
    Changing();
    RequireTools();
    static_assert(sizeof(TPoint) == sizeof(POINT));
    ::Polygon(FHandle, reinterpret_cast<const POINT*>(Points), Count);
    Changed();
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
    Changing();
    RequireTools();
    ::Polyline(FHandle, reinterpret_cast<const POINT*>(Points), Count);
    Changed();
}

void TCanvas::FillRect(const TRect& R) {
    Changing();
    RequireTools();
    RECT W = ToRECT(R);
    ::FillRect(FHandle, &W, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& R) {
    Changing();
    RequireTools();
    RECT W = ToRECT(R);
    ::FrameRect(FHandle, &W, FBrush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
    Changing();
    RequireTools();
    RECT W = ToRECT(R);
    ::DrawFocusRect(FHandle, &W);
    Changed();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
    Changing();
    RequireTools();
    ExtTextOutA(FHandle, X, Y, 0, nullptr, Text.data(), static_cast<UINT>(Text.size()), nullptr);
    MoveTo(X + TextWidth(Text), Y);
    Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const std::string& Text) {
    Changing();
    RequireTools();
    RECT W = ToRECT(R);
    UINT Options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear) Options |= ETO_OPAQUE;
    ExtTextOutA(FHandle, X, Y, Options, &W, Text.data(), static_cast<UINT>(Text.size()), nullptr);
    Changed();
}

TSize TCanvas::TextExtent(const std::string& Text) {
    RequireTools();
    SIZE S{};
    GetTextExtentPoint32A(FHandle, Text.data(), static_cast<int>(Text.size()), &S);
    return S;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    RequireTools();
    Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    RequireTools();
    Graphic->Draw(this, R);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    Changing();
    RequireTools();
    Canvas->RequireTools();
    StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->Handle(), Source.Left, Source.Top,
               Source.Width(), Source.Height(), FCopyMode);
    Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
    if (!Bitmap || Bitmap->Empty()) return;
    Changing();
    RequireTools();
    const int W = Source.Width(), H = Source.Height();
    HDC SrcDC = Bitmap->Canvas()->Handle();
    // Mask: white where the source has Color.
    HDC MaskDC = CreateCompatibleDC(nullptr);
    HBITMAP Mask = CreateBitmap(W, H, 1, 1, nullptr);
    HGDIOBJ OldMask = SelectObject(MaskDC, Mask);
    COLORREF OldBk = SetBkColor(SrcDC, ColorToRGB(Color));
    BitBlt(MaskDC, 0, 0, W, H, SrcDC, Source.Left, Source.Top, SRCCOPY);
    SetBkColor(SrcDC, OldBk);
    // Source where the mask is black, brush where it is white.
    HDC TmpDC = CreateCompatibleDC(FHandle);
    HBITMAP Tmp = CreateCompatibleBitmap(FHandle, W, H);
    HGDIOBJ OldTmp = SelectObject(TmpDC, Tmp);
    BitBlt(TmpDC, 0, 0, W, H, SrcDC, Source.Left, Source.Top, SRCCOPY);
    HGDIOBJ OldBrush = SelectObject(TmpDC, FBrush->Handle());
    COLORREF OldTmpBk = SetBkColor(TmpDC, RGB(255, 255, 255));
    COLORREF OldTmpText = SetTextColor(TmpDC, RGB(0, 0, 0));
    // Where the mask is 1 (white) take the brush, else keep the source.
    BitBlt(TmpDC, 0, 0, W, H, MaskDC, 0, 0, 0x00E20746);
    SetBkColor(TmpDC, OldTmpBk);
    SetTextColor(TmpDC, OldTmpText);
    SelectObject(TmpDC, OldBrush);
    StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), TmpDC, 0, 0, W, H, SRCCOPY);
    SelectObject(TmpDC, OldTmp);
    DeleteObject(Tmp);
    DeleteDC(TmpDC);
    SelectObject(MaskDC, OldMask);
    DeleteObject(Mask);
    DeleteDC(MaskDC);
    Changed();
}

TColor TCanvas::Pixel(int X, int Y) { return static_cast<TColor>(GetPixel(Handle(), X, Y)); }

void TCanvas::SetPixel(int X, int Y, TColor Color) {
    Changing();
    ::SetPixel(Handle(), X, Y, ColorToRGB(Color));
    Changed();
}

void TCanvas::Lock() {
    EnterCriticalSection(&FLock);
    ++FLockCount;
}

void TCanvas::Unlock() {
    --FLockCount;
    LeaveCriticalSection(&FLock);
}

bool TCanvas::TryLock() {
    if (!TryEnterCriticalSection(&FLock)) return false;
    ++FLockCount;
    return true;
}

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    Canvas->Pen()->SetWidth(1);
    --Rect.Bottom;
    --Rect.Right;
    for (int I = 0; I < Width; ++I) {
        Canvas->Pen()->SetColor(TopColor);
        TPoint Top[3] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
        Canvas->Polyline(Top, 3);
        Canvas->Pen()->SetColor(BottomColor);
        TPoint Bottom[3] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
        Canvas->Polyline(Bottom, 3);
        Rect.Inflate(-1, -1);
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

QRN_PUBLISHED(TCanvas) {}
