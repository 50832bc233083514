// The embedded buttons, their settings, the plain inner edit and the font
// measures the drop-down lists use.
#include <memory>

#include "designer/inspector/ZelEdit.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "framework/graphics/ScreenDC.h"

namespace {
// The two standard glyphs, a small arrow and three dots, are black on white
// in the module's resources; a button shows them in the button-text colour
// on the button face.
TBitmap* LoadButtonGlyph(const char* Resource) {
    auto* Bmp = new TBitmap();
    LoadGlyphResource(Bmp, Resource);
    TCanvas* C = Bmp->Canvas();
    const TColor Face = ColorToRGB(clBtnFace), Text = ColorToRGB(clBtnText);
    for (int Y = 0; Y < Bmp->Height(); ++Y)
        for (int X = 0; X < Bmp->Width(); ++X)
            C->SetPixel(X, Y, (C->Pixel(X, Y) & 0xFFFFFF) == 0 ? Text : Face);
    return Bmp;
}

TBitmap* DropDownGlyph() {
    static std::unique_ptr<TBitmap, TObjectFree> Glyph(LoadButtonGlyph("ZELEDIT_DROPDOWN"));
    return Glyph.get();
}

TBitmap* DotsGlyph() {
    static std::unique_ptr<TBitmap, TObjectFree> Glyph(LoadButtonGlyph("ZELEDIT_DOTS"));
    return Glyph.get();
}

TCustomZelEdit* EditOf(TControl* Button) { return dynamic_cast<TCustomZelEdit*>(Button->Owner()); }
}  // namespace

// ---- TEditButton

TEditButton::TEditButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    SetWidth(GetSystemMetrics(SM_CXHTHUMB));
    SetControlStyle(ControlStyle() + TControlStyle{csNoDesignVisible});
    SetVisible(true);
    if (auto* Parent = dynamic_cast<TWinControl*>(AOwner)) SetParent(Parent);
}

void TEditButton::Click() {
    const bool HasHandler = static_cast<bool>(OnClick);
    TCustomZelEdit* Edit = EditOf(this);
    if (Edit && Edit->CanFocus()) Edit->SetFocus();
    inherited::Click();
    if (HasHandler || !Edit) return;
    if (Edit->DroppedDown())
        Edit->CloseUp(true);
    else
        Edit->DropDown();
}

void TEditButton::Paint() {
    inherited::Paint();
    TCustomZelEdit* Edit = EditOf(this);
    if (!Edit) return;
    TCanvas* C = Canvas();
    const int W = Width(), H = Height();
    if (Edit->FlatIdle()) {
        C->Brush()->SetColor(Edit->Color());
        C->FrameRect(TRect{1, 1, W - 1, H - 1});
        C->Pen()->SetColor(clBtnFace);
        C->MoveTo(0, 0);
        C->LineTo(W - 1, 0);
        C->LineTo(W - 1, H - 1);
        C->LineTo(-1, H - 1);
        return;
    }
    C->Pen()->SetColor(clBtnFace);
    C->MoveTo(0, H - 1);
    C->LineTo(0, 0);
    C->LineTo(W, 0);
    C->Pen()->SetColor(clBtnHighlight);
    C->MoveTo(1, H - 2);
    C->LineTo(1, 1);
    C->LineTo(W - 1, 1);
    if (!Edit->Flat()) {
        C->Pen()->SetColor(clBlack);
        C->MoveTo(W - 1, 0);
        C->LineTo(W - 1, 1);
    } else {
        C->Brush()->SetColor(clBtnFace);
        C->FrameRect(TRect{0, 0, W, H});
    }
}

QRN_PUBLISHED(TEditButton) {}

// ---- TButtonParams

TButtonParams::TButtonParams(TCustomZelEdit* AEdit, TEditButton* AButton) : FEdit(AEdit), FButton(AButton) {}

void TButtonParams::SetKind(TButtonKind Value) {
    if (Value == FKind) return;
    FKind = Value;
    if (Value == bkDropDown) FButton->SetGlyph(DropDownGlyph());
    if (Value == bkDots) FButton->SetGlyph(DotsGlyph());
    SetNumGlyphs(NumGlyphs());
    GlyphSizeRule();
}

void TButtonParams::SetGlyph(TBitmap* Value) {
    FKind = bkCustom;
    FButton->SetLayout(blGlyphLeft);
    FButton->SetGlyph(Value);
    GlyphSizeRule();
}

void TButtonParams::GlyphSizeRule() {
    if (FKind != bkCustom || FWidth != 0) return;
    FButton->SetWidth(FButton->Glyph()->Width() + 4);
    FEdit->ArrangeButtons();
}

void TButtonParams::SetWidth(int Value) {
    if (Value == FButton->Width()) return;
    if (Value != 0)
        FButton->SetWidth(Value);
    else if (FKind != bkCustom)
        FButton->SetWidth(GetSystemMetrics(SM_CXHTHUMB));
    FWidth = Value;
    FEdit->ArrangeButtons();
}

void TButtonParams::SetVisible(bool Value) {
    FButton->SetVisible(Value);
    const int Count = (FEdit->Button1Params()->Visible() ? 1 : 0) + (FEdit->Button2Params()->Visible() ? 1 : 0);
    // The count decides which buttons show: one visible button is always Button1.
    FEdit->SetButtonCount(Count);
}

QRN_PUBLISHED(TButtonParams) {
    B.Prop("Width", &TButtonParams::Width, &TButtonParams::SetWidth).Default(0);
    B.Prop("Cursor", &TButtonParams::Cursor, &TButtonParams::SetCursor).Type(QRN_TYPE(TCursor)).Default(crDefault);
    B.Prop("Kind", &TButtonParams::Kind, &TButtonParams::SetKind).NoDefault();
    B.Prop("Glyph", &TButtonParams::Glyph, &TButtonParams::SetGlyph)
        .Stored([](TObject* O) { return static_cast<TButtonParams*>(O)->Kind() == bkCustom; });
    B.Prop("Hint", &TButtonParams::Hint, &TButtonParams::SetHint);
    B.Prop("NumGlyphs", &TButtonParams::NumGlyphs, &TButtonParams::SetNumGlyphs).Default(1);
    B.Prop("ParentShowHint", &TButtonParams::ParentShowHint, &TButtonParams::SetParentShowHint).Default(true);
    B.Prop("ShowHint", &TButtonParams::ShowHint, &TButtonParams::SetShowHint).Default(false);
    B.Prop("Visible", &TButtonParams::Visible, &TButtonParams::SetVisible).NoDefault();
}

// ---- TZelSimpleEdit

TZelSimpleEdit::TZelSimpleEdit(TComponent* AOwner) : TCustomEdit(AOwner) { SetCtl3D(false); }

void TZelSimpleEdit::SetOEMConvert(bool Value) {
    if (Value == FOEMConvert) return;
    FOEMConvert = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TZelSimpleEdit::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style = (Params.Style | WS_CLIPCHILDREN) & ~static_cast<DWORD>(WS_BORDER);
    if (FOEMConvert) Params.Style |= ES_OEMCONVERT;
    Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
}

QRN_PUBLISHED(TZelSimpleEdit) {
    B.Prop("CharCase", &TZelSimpleEdit::CharCase, &TZelSimpleEdit::SetCharCase).Default(ecNormal);
    B.Prop("Color", &TZelSimpleEdit::Color, &TZelSimpleEdit::SetColor).Type(QRN_TYPE(TColor)).Default(clWindow);
    B.Prop("Font", &TZelSimpleEdit::Font, &TZelSimpleEdit::SetFont);
    B.Prop("MaxLength", &TZelSimpleEdit::MaxLength, &TZelSimpleEdit::SetMaxLength).Default(0);
    B.Prop("OEMConvert", &TZelSimpleEdit::OEMConvert, &TZelSimpleEdit::SetOEMConvert).Default(false);
    B.Prop("ReadOnly", &TZelSimpleEdit::ReadOnly, &TZelSimpleEdit::SetReadOnly).Default(false);
}

// ---- font measures

int FontTextHeight(TFont* Font) {
    HDC DC = ScreenDC();
    HGDIOBJ Old = SelectObject(DC, Font->Handle());
    TEXTMETRICA Tm{};
    GetTextMetricsA(DC, &Tm);
    SelectObject(DC, Old);
    return Tm.tmHeight + 1;
}

SIZE FontTextExtent(TFont* Font, const std::string& Text) {
    HDC DC = ScreenDC();
    HGDIOBJ Old = SelectObject(DC, Font->Handle());
    SIZE Size{};
    GetTextExtentPoint32A(DC, Text.c_str(), static_cast<int>(Text.size()), &Size);
    SelectObject(DC, Old);
    return Size;
}

int FontTextWidth(TFont* Font, const std::string& Text) { return FontTextExtent(Font, Text).cx; }
