#include "controls/win/BtChkBox.h"

#include "controls/BitCheckGlyphArt.h"
#include "framework/uicore/Hotkeys.h"

namespace {

TColor ArtColor(char Code) {
    switch (Code) {
        case 'S': return clBtnShadow;
        case 'D': return cl3DDkShadow;
        case 'H': return clBtnHighlight;
        case 'F': return clBtnFace;
        case 'W': return clWindow;
        case 'K': return clWindowText;
        case 'G': return clGrayText;
        default: return clOlive;  // the transparent background
    }
}

static_assert(cbUnchecked == BitCheck::Unchecked && cbChecked == BitCheck::Checked && cbGrayed == BitCheck::Grayed);

}  // namespace

TBitCheckBox::TBitCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption});
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    SetParentCtl3D(true);
    // Its own window colour, not the form's (clWindow is also the inherited
    // default, so SetColor alone would not take the control off its parent's).
    SetParentColor(false);
    SetColor(clWindow);
    for (TCheckBoxState S : {cbUnchecked, cbChecked, cbGrayed}) {
        FGlyphs[S] = std::make_unique<TBitmap>();
        LoadDefaultGlyph(S);
    }
}

TBitCheckBox::~TBitCheckBox() = default;

void TBitCheckBox::LoadDefaultGlyph(TCheckBoxState Which) {
    TBitmap* G = FGlyphs[Which].get();
    const char* Name = CheckGlyphResourceName(Which);
    // A bitmap resource of that name in the module replaces the built-in image.
    if (FindResourceA(FrameworkInstance(), Name, MAKEINTRESOURCEA(2))) {
        G->LoadFromResourceName(FrameworkInstance(), Name);
        return;
    }
    TBitmap Art;
    Art.SetSize(CheckGlyphWidth, CheckGlyphHeight);
    const char* const* Rows = CheckGlyphArt(Which);
    for (int Y = 0; Y < CheckGlyphHeight; ++Y)
        for (int X = 0; X < CheckGlyphWidth; ++X)
            Art.Canvas()->SetPixel(X, Y, static_cast<TColor>(ColorToRGB(ArtColor(Rows[Y][X]))));
    G->Assign(&Art);
}

void TBitCheckBox::SetAlignment(TLeftRight Value) {
    // Only the two sides are meaningful for a check box.
    if (Value != taLeftJustify && Value != taRightJustify) return;
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TBitCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    Invalidate();
}

void TBitCheckBox::SetGlyph(TCheckBoxState Which, TBitmap* Value) {
    if (Value) FGlyphs[Which]->Assign(Value);
    else LoadDefaultGlyph(Which);
    TBitmap* G = FGlyphs[Which].get();
    FNumGlyphs[Which] = CheckNumGlyphsFor(G->Width(), G->Height(), FNumGlyphs[Which]);
    Invalidate();
}

void TBitCheckBox::SetNumGlyphs(TCheckBoxState Which, int Value) {
    FNumGlyphs[Which] = ClampCheckNumGlyphs(Value);
    Invalidate();
}

void TBitCheckBox::Toggle() { SetState(static_cast<TCheckBoxState>(NextCheckState(FState, FAllowGrayed))); }

void TBitCheckBox::Click() {
    Toggle();
    TCustomControl::Click();
    if (Showing() && CanFocus()) SetFocus();
}

void TBitCheckBox::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == ' ') Click();
}

void TBitCheckBox::Paint() {
    TCanvas* C = Canvas();
    const TRect Client = ClientRect();
    C->Brush()->SetColor(Color());
    C->Brush()->SetStyle(bsSolid);
    C->FillRect(Client);
    C->Brush()->SetStyle(bsClear);

    TBitmap* Glyph = FGlyphs[FState].get();
    const int Cells = FNumGlyphs[FState];
    const std::string Text = Caption();
    TCheckLayoutInput In;
    In.BoxAtLeft = FAlignment != taLeftJustify;
    In.ClientWidth = Client.Width();
    In.ClientHeight = Client.Height();
    In.CellWidth = Glyph->Width() / Cells;
    In.GlyphHeight = Glyph->Height();
    In.TextWidth = C->TextWidth(Text);
    In.TextHeight = C->TextHeight(Text.empty() ? std::string("W") : Text);
    In.HasAmp = Text.find('&') != std::string::npos;
    In.AmpWidth = In.HasAmp ? C->TextWidth("&") : 0;
    const TRect TextR = CheckCaptionRect(In);

    HDC DC = C->Handle();
    RECT R = ToRECT(TextR);
    const TColor FontColor = C->Font()->Color();
    if (Enabled()) {
        C->TextHeight("W");  // puts the canvas's font into the context
        SetBkMode(DC, TRANSPARENT);
        SetTextColor(DC, ColorToRGB(FontColor));
        DrawTextA(DC, Text.c_str(), -1, &R, DT_SINGLELINE | DT_VCENTER);
    } else {
        C->TextHeight("W");
        SetBkMode(DC, TRANSPARENT);
        if (Ctl3D()) {
            RECT Shifted = R;
            OffsetRect(&Shifted, 1, 1);
            SetTextColor(DC, ColorToRGB(clBtnHighlight));
            DrawTextA(DC, Text.c_str(), -1, &Shifted, DT_SINGLELINE | DT_VCENTER);
        }
        SetTextColor(DC, ColorToRGB(clGrayText));
        DrawTextA(DC, Text.c_str(), -1, &R, DT_SINGLELINE | DT_VCENTER);
    }
    C->Font()->SetColor(FontColor);
    C->Brush()->SetColor(Color());
    C->Brush()->SetStyle(bsSolid);
    if (Focused()) C->DrawFocusRect(TextR);

    if (Glyph->Empty() || In.CellWidth <= 0) return;
    const TPoint P = CheckGlyphPos(In);
    const int Cell = (!Enabled() && Cells == 2) ? 1 : 0;
    const TRect Source = Bounds(Cell * In.CellWidth, 0, In.CellWidth, In.GlyphHeight);
    C->BrushCopy(Bounds(P.X, P.Y, In.CellWidth, In.GlyphHeight), Glyph, Source, Glyph->TransparentColor());
}

void TBitCheckBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<unsigned>(Message.WParam), Caption()) && Enabled() && CanFocus()) {
                SetFocus();
                if (Focused()) Toggle();
                Message.Result = 1;
                return;
            }
            break;
        case CM_FONTCHANGED:
            TCustomControl::WndProc(Message);
            Canvas()->SetFont(Font());
            Invalidate();
            return;
        case CM_TEXTCHANGED: case CM_SYSCOLORCHANGE: case CM_CTL3DCHANGED: case CM_ENABLEDCHANGED:
        case WM_SETFOCUS: case WM_KILLFOCUS:
            TCustomControl::WndProc(Message);
            Invalidate();
            return;
        default:
            break;
    }
    TCustomControl::WndProc(Message);
}

QRN_PUBLISHED(TBitCheckBox) {
    B.Prop("Alignment", &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment).Default(taRightJustify);
    B.Prop("AllowGrayed", &TBitCheckBox::AllowGrayed, &TBitCheckBox::SetAllowGrayed).Default(false);
    B.Prop("Checked", &TBitCheckBox::Checked, &TBitCheckBox::SetChecked).Default(false);
    B.Prop("CheckedGlyph", &TBitCheckBox::CheckedGlyph, &TBitCheckBox::SetCheckedGlyph);
    B.Prop("GrayedGlyph", &TBitCheckBox::GrayedGlyph, &TBitCheckBox::SetGrayedGlyph);
    B.Prop("UncheckedGlyph", &TBitCheckBox::UncheckedGlyph, &TBitCheckBox::SetUncheckedGlyph);
    B.Prop("CheckedNumGlyphs", &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs).Default(1);
    B.Prop("GrayedNumGlyphs", &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs).Default(1);
    B.Prop("UncheckedNumGlyphs", &TBitCheckBox::UncheckedNumGlyphs, &TBitCheckBox::SetUncheckedNumGlyphs).Default(1);
    B.Prop("State", &TBitCheckBox::State, &TBitCheckBox::SetState).Default(cbUnchecked);
}
