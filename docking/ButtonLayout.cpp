#include "docking/ButtonLayout.h"

#include <algorithm>

namespace {

bool IsSideLayout(TGlyphLayout L) { return L == TGlyphLayout::GlyphLeft || L == TGlyphLayout::GlyphRight; }

// Half, rounded towards plus infinity.
int HalfRoundedUp(int Value) { return Value >= 0 ? (Value + 1) / 2 : -((-Value) / 2); }

}  // namespace

TGlyphLayout EffectiveGlyphLayout(TGlyphLayout Layout, TExtent Glyph) {
    const bool HasGlyph = Glyph.Width > 0 && Glyph.Height > 0;
    if (!HasGlyph && !IsSideLayout(Layout)) return TGlyphLayout::GlyphLeft;
    return Layout;
}

int CaptionMeasureWidth(int ContentWidth, TGlyphLayout Layout, bool Arrow, bool WordWrap, int GlyphWidth, int Spacing,
                        int Margin) {
    int Width = ContentWidth;
    if (Arrow && IsSideLayout(Layout)) Width -= DropdownArrowWidth;
    if (WordWrap) {
        const int S = Spacing == -1 ? 4 : Spacing;
        const int M = Margin == -1 ? S : Margin;
        Width -= GlyphWidth + S + 2 * M;
    }
    return std::max(0, Width);
}

TButtonGlyphLayout LayoutButtonGlyph(const TButtonGlyphLayoutInput& In) {
    TButtonGlyphLayout Out;
    const TGlyphLayout Layout = EffectiveGlyphLayout(In.Layout, In.Glyph);
    Out.Layout = Layout;
    const bool Side = IsSideLayout(Layout);
    const int W = In.Content.Width();
    const int H = In.Content.Height();
    const int GW = In.Glyph.Width, GH = In.Glyph.Height;
    const int TW = In.Text.Width, TH = In.Text.Height;
    const bool HasGlyph = GW > 0 && GH > 0;
    const bool HasCaption = TW > 0 || TH > 0;
    const int Arrow = In.Arrow ? DropdownArrowWidth : 0;

    int GX = 0, GY = 0, TX = 0, TY = 0;
    if (Side) {
        GY = (H - GH + 1) / 2;
        TY = (H + 1 - TH) / 2;
    } else {
        GX = (W - GW - Arrow + 1) / 2;
        TX = (W + 1 - TW) / 2;
    }

    int Margin = In.Margin;
    int Spacing = (HasCaption && HasGlyph) ? In.Spacing : 0;
    const int Free = Side ? W : H;
    const int Content = Side ? GW + TW + Arrow : GH + TH;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = Spacing = (Free - Content) / 3;
        } else {
            Margin = (Free - (Content + Spacing) + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = HalfRoundedUp(Free - (Margin + Content));
    }
    Out.Margin = Margin;
    Out.Spacing = Spacing;

    int AX = 0;
    switch (Layout) {
        case TGlyphLayout::GlyphLeft:
            GX = Margin;
            TX = Margin + GW + Spacing;
            AX = TX + TW;
            break;
        case TGlyphLayout::GlyphRight:
            GX = W - Margin - Arrow - GW;
            TX = GX - Spacing - TW;
            AX = W - Margin - DropdownArrowWidth;
            break;
        case TGlyphLayout::GlyphTop:
            GY = Margin;
            TY = Margin + GH + Spacing;
            AX = HasGlyph ? GX + GW : TX + TW;
            break;
        case TGlyphLayout::GlyphBottom:
            GY = H - Margin - GH;
            TY = GY - Spacing - TH;
            AX = HasGlyph ? GX + GW : TX + TW;
            break;
    }
    const int AY = HasGlyph ? GY + (GH - DropdownArrowHeight) / 2 : TY + (TH - DropdownArrowHeight) / 2;

    const int Shift = In.Pushed ? 1 : 0;
    const int DX = In.Content.Left + Shift;
    const int DY = In.Content.Top + Shift;
    Out.GlyphPos = {GX + DX, GY + DY};
    Out.TextRect = Bounds(TX + DX, TY + DY, TW, TH);
    Out.ArrowPos = {AX + DX, AY + DY};
    return Out;
}

std::array<TPoint, 3> DropdownArrowPoints(TPoint O) {
    return {TPoint{O.X + 4, O.Y}, TPoint{O.X + 8, O.Y}, TPoint{O.X + 6, O.Y + 2}};
}

TRect ButtonContentRect(const TRect& Client, bool Flat, bool NoBorder, bool ComboWithDropdown) {
    TRect R = Client;
    if (ComboWithDropdown) R.Right -= ComboArrowPartWidth;
    if (!NoBorder) {
        const int Inset = Flat ? 1 : 2;
        R.Inflate(-Inset, -Inset);
    }
    return R;
}

TPoint ComboArrowOrigin(TExtent Client) { return {Client.Width - 13, (Client.Height - DropdownArrowHeight) / 2}; }

bool PressOpensDropdown(int X, int Width, bool HasDropdown, bool Combo) {
    return HasDropdown && (!Combo || X >= Width - ComboArrowPartWidth);
}

bool PointInsideButton(TPoint P, TExtent Client, bool ComboWithDropdown) {
    const int Right = ComboWithDropdown ? Client.Width - ComboArrowPartWidth : Client.Width;
    return P.X >= 0 && P.X < Right && P.Y >= 0 && P.Y < Client.Height;
}

int WidthAfterComboChange(int Width, bool ComboOn) {
    return ComboOn ? Width + ComboArrowPartWidth : std::max(1, Width - ComboArrowPartWidth);
}

TToolbarButtonState StateAfterMouseEnter(TToolbarButtonState State) { return State == tbsUp ? tbsHot : State; }

TToolbarButtonState StateAfterMouseLeave(TToolbarButtonState State, bool Down, int GroupIndex, bool InClick) {
    if (State == tbsHot || (State == tbsPushed && !InClick)) return (Down && GroupIndex != 0) ? tbsExclusive : tbsUp;
    return State;
}

bool ButtonDrawsBorder(TToolbarButtonState State, bool Flat, bool NoBorder, bool MouseIn, bool Designing) {
    if (Designing) return true;
    if (NoBorder) return false;
    const bool PushedLooking = State == tbsPushed || State == tbsExclusive;
    return PushedLooking || !Flat || (MouseIn && State != tbsDisabled);
}

TMenuAnchor DropdownMenuAnchor(const TRect& B, TButtonBarPlace Place) {
    switch (Place) {
        case bbpLeftDock: return {{B.Right, B.Top}, false};
        case bbpRightDock: return {{B.Left, B.Top}, true};
        case bbpOther: break;
    }
    return {{B.Left, B.Bottom}, false};
}

int ClampNumGlyphs(int NumGlyphs) { return std::clamp(NumGlyphs, 1, 5); }

int NumGlyphsForStrip(int Width, int Height) {
    if (Width <= 0 || Height <= 0) return 1;
    if (Width % Height == 0 && Width / Height < 6) return std::max(1, Width / Height);
    return 1;
}

TExtent GlyphCellSize(TExtent Strip, int NumGlyphs) {
    return {Strip.Width / ClampNumGlyphs(NumGlyphs), Strip.Height};
}

int GlyphCellForState(TToolbarButtonState State, int NumGlyphs) {
    const int Cell = static_cast<int>(State);
    if (Cell < ClampNumGlyphs(NumGlyphs)) return Cell;
    return State == tbsDisabled ? -1 : 0;
}
