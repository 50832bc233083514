// Fonts, pens and brushes.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ScreenDC.h"
#include "framework/rtl/Exceptions.h"

COLORREF ColorToRGB(TColor Color) {
    if (IsSystemColor(Color)) return GetSysColor(Color & 0xFF);
    if (Color == clNone || Color == clDefault) return RGB(0, 0, 0);
    return static_cast<COLORREF>(Color & 0xFFFFFF);
}

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

// ---- TFont

TFont::TFont() {
    // Follow the screen's resolution so Size means points on this display.
    FPixelsPerInch = ScreenPixelsPerInch();
    FHeight = -MulDiv(8, FPixelsPerInch, 72);
}

TFont::~TFont() { DestroyHandle(); }

void TFont::DestroyHandle() {
    if (!FHandle) return;
    HandleChanging();
    DeleteObject(FHandle);
    FHandle = nullptr;
}

void TFont::PropertyChanged() {
    DestroyHandle();
    Changed();
}

void TFont::Assign(TPersistent* Source) {
    if (auto* F = dynamic_cast<TFont*>(Source)) {
        if (F == this) return;
        DestroyHandle();
        FName = F->FName;
        FHeight = F->Height();
        if (F->FPixelsPerInch != FPixelsPerInch) FHeight = -MulDiv(F->Size(), FPixelsPerInch, 72);
        FStyle = F->FStyle;
        FColor = F->FColor;
        FCharset = F->FCharset;
        FPitch = F->FPitch;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

HFONT TFont::Handle() {
    if (!FHandle) {
        LOGFONTA LF{};
        LF.lfHeight = FHeight;
        LF.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        LF.lfItalic = FStyle.Contains(fsItalic);
        LF.lfUnderline = FStyle.Contains(fsUnderline);
        LF.lfStrikeOut = FStyle.Contains(fsStrikeOut);
        LF.lfCharSet = FCharset;
        LF.lfOutPrecision = OUT_DEFAULT_PRECIS;
        LF.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        LF.lfQuality = DEFAULT_QUALITY;
        LF.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
        lstrcpynA(LF.lfFaceName, FName.c_str(), LF_FACESIZE);
        FHandle = CreateFontIndirectA(&LF);
        if (!FHandle) throw EOutOfResources("Out of system resources");
    }
    return FHandle;
}

void TFont::SetHandle(HFONT Value) {
    LOGFONTA LF{};
    if (!Value || GetObjectA(Value, sizeof LF, &LF) == 0) throw EInvalidOperation("Invalid font handle");
    DestroyHandle();
    FHandle = Value;
    FName = LF.lfFaceName;
    FHeight = LF.lfHeight;
    FStyle = {};
    if (LF.lfWeight >= FW_BOLD) FStyle.Include(fsBold);
    if (LF.lfItalic) FStyle.Include(fsItalic);
    if (LF.lfUnderline) FStyle.Include(fsUnderline);
    if (LF.lfStrikeOut) FStyle.Include(fsStrikeOut);
    FCharset = LF.lfCharSet;
    FPitch = (LF.lfPitchAndFamily & 3) == FIXED_PITCH ? fpFixed : (LF.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable : fpDefault;
    Changed();
}

void TFont::SetName(const TFontName& Value) {
    if (Value.empty() || Value == FName) return;
    FName = Value;
    PropertyChanged();
}

void TFont::SetHeight(int Value) {
    if (Value == FHeight) return;
    FHeight = Value;
    PropertyChanged();
}

int TFont::Size() const {
    // A negative height is the character height; a positive one includes
    // the internal leading, which the size counts too.
    return FHeight < 0 ? MulDiv(-FHeight, 72, FPixelsPerInch) : MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    PropertyChanged();
}

void TFont::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    Changed();  // the colour is not part of the GDI font
}

void TFont::SetCharset(TFontCharset Value) {
    if (Value == FCharset) return;
    FCharset = Value;
    PropertyChanged();
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value == FPitch) return;
    FPitch = Value;
    PropertyChanged();
}

// ---- TPen

TPen::~TPen() { DestroyHandle(); }

void TPen::DestroyHandle() {
    if (!FHandle) return;
    HandleChanging();
    DeleteObject(FHandle);
    FHandle = nullptr;
}

void TPen::Assign(TPersistent* Source) {
    if (auto* P = dynamic_cast<TPen*>(Source)) {
        if (P == this) return;
        DestroyHandle();
        FColor = P->FColor;
        FStyle = P->FStyle;
        FWidth = P->FWidth;
        FMode = P->FMode;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

HPEN TPen::Handle() {
    if (!FHandle) {
        static const int Styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        FHandle = CreatePen(Styles[FStyle], FWidth, ColorToRGB(FColor));
        if (!FHandle) throw EOutOfResources("Out of system resources");
    }
    return FHandle;
}

void TPen::SetColor(TColor Value) {
    if (Value == FColor) return;
    DestroyHandle();
    FColor = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == FStyle) return;
    DestroyHandle();
    FStyle = Value;
    Changed();
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || Value == FWidth) return;
    DestroyHandle();
    FWidth = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value) {
    if (Value == FMode) return;
    FMode = Value;  // a drawing mode of the context, not of the pen
    Changed();
}

// ---- TBrush

TBrush::TBrush() = default;
TBrush::~TBrush() { DestroyHandle(); }

void TBrush::DestroyHandle() {
    if (!FHandle) return;
    HandleChanging();
    DeleteObject(FHandle);
    FHandle = nullptr;
}

void TBrush::Assign(TPersistent* Source) {
    if (auto* B = dynamic_cast<TBrush*>(Source)) {
        if (B == this) return;
        DestroyHandle();
        FColor = B->FColor;
        FStyle = B->FStyle;
        if (B->FBitmap) {
            FBitmap = std::make_unique<TBitmap>();
            FBitmap->Assign(B->FBitmap.get());
        } else {
            FBitmap.reset();
        }
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

HBRUSH TBrush::Handle() {
    if (!FHandle) {
        if (FBitmap && !FBitmap->Empty()) {
            FHandle = CreatePatternBrush(FBitmap->Handle());
        } else if (FStyle == bsClear) {
            LOGBRUSH LB{BS_NULL, 0, 0};
            FHandle = CreateBrushIndirect(&LB);
        } else if (FStyle == bsSolid) {
            FHandle = CreateSolidBrush(ColorToRGB(FColor));
        } else {
            static const int Hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
            FHandle = CreateHatchBrush(Hatches[FStyle], ColorToRGB(FColor));
        }
        if (!FHandle) throw EOutOfResources("Out of system resources");
    }
    return FHandle;
}

void TBrush::SetColor(TColor Value) {
    if (Value == FColor && FStyle != bsClear) return;
    DestroyHandle();
    FColor = Value;
    if (FStyle == bsClear) FStyle = bsSolid;  // a colour makes a clear brush visible again
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == FStyle) return;
    DestroyHandle();
    FStyle = Value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
    DestroyHandle();
    if (Value) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(Value);
    } else {
        FBitmap.reset();
    }
    Changed();
}

void RegisterColorIdents() {
    static const bool Done = [] {
        RegisterIntegerConsts(
            QRN_TYPE(TColor),
            [](const std::string& Ident, int64_t& Value) {
                TColor C = 0;
                if (!IdentToColor(Ident, C)) return false;
                Value = C;
                return true;
            },
            [](int64_t Value, std::string& Ident) { return ColorToIdent(static_cast<TColor>(Value), Ident); });
        return true;
    }();
    (void)Done;
}

QRN_PUBLISHED(TGraphicsObject) {}

QRN_PUBLISHED(TFont) {
    RegisterColorIdents();
    B.Prop("Charset", &TFont::Charset, &TFont::SetCharset).Type(QRN_TYPE(TFontCharset)).Default(DEFAULT_CHARSET);
    B.Prop("Color", &TFont::Color, &TFont::SetColor).Type(QRN_TYPE(TColor)).Default(clWindowText);
    B.Prop("Height", &TFont::Height, &TFont::SetHeight).NoDefault();
    B.Prop("Name", &TFont::Name, &TFont::SetName).Type(QRN_TYPE(TFontName));
    B.Prop("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    B.Prop("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    B.Prop("Style", &TFont::Style, &TFont::SetStyle).Default(TFontStyles{});
}

QRN_PUBLISHED(TPen) {
    RegisterColorIdents();
    B.Prop("Color", &TPen::Color, &TPen::SetColor).Type(QRN_TYPE(TColor)).Default(clBlack);
    B.Prop("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    B.Prop("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    B.Prop("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

QRN_PUBLISHED(TBrush) {
    RegisterColorIdents();
    B.Prop("Color", &TBrush::Color, &TBrush::SetColor).Type(QRN_TYPE(TColor)).Default(clWhite);
    B.Prop("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}
