#include "controls/TransBtnLayout.h"

int TransNumGlyphsFor(int GlyphWidth, int GlyphHeight, int Current) {
    if (GlyphHeight <= 0 || GlyphWidth <= 0 || GlyphWidth % GlyphHeight != 0) return Current;
    const int Cells = GlyphWidth / GlyphHeight;
    return Cells > MaxTransGlyphs ? 1 : Cells;
}

int TransCellWidth(int GlyphWidth, int NumGlyphs) {
    if (NumGlyphs <= 0) return GlyphWidth;
    const int W = GlyphWidth / NumGlyphs;
    return W <= 0 ? GlyphWidth : W;
}

TRect TransGlyphRect(TTextAlign Align, int W, int H, int CellWidth, int CellHeight, int Spacing) {
    int Top = 0;
    switch (Align) {
        case ttaBottomRight: case ttaBottom: case ttaBottomLeft: Top = Spacing; break;
        case ttaRight: case ttaLeft: case ttaCenter: Top = (H - CellHeight) / 2; break;
        case ttaTopLeft: case ttaTop: case ttaTopRight: Top = H - CellHeight - Spacing; break;
    }
    int Left = 0;
    if (Align == ttaLeft) Left = W - CellWidth - Spacing;
    else if (Align == ttaRight) Left = Spacing;
    else Left = (W - CellWidth) / 2;
    return Rect(Left, Top, Left + CellWidth, Top + CellHeight);
}

TPoint TransCaptionOffset(TTextAlign Align, int W, int H, int TW, int TH, int Spacing, const TRect& G) {
    const int Above = G.Top - TH - Spacing;
    const int Below = G.Bottom + Spacing;
    const int MidX = W / 2 - TW / 2;
    const int MidY = H / 2 - TH / 2;
    const int RightX = W - TW - Spacing;
    switch (Align) {
        case ttaTopLeft: return {Spacing, Above};
        case ttaTop: return {MidX, Above};
        case ttaTopRight: return {RightX, Above};
        case ttaRight: return {RightX, MidY};
        case ttaBottomRight: return {RightX, Below};
        case ttaBottom: return {MidX, Below};
        case ttaBottomLeft: return {Spacing, Below};
        case ttaLeft: return {Spacing, MidY};
        case ttaCenter: break;
    }
    return {MidX, MidY};
}

int TransImageIndex(const TTransImageChoice& C) {
    int Index = 0;
    if (C.NumGlyphs == 2) Index = C.Enabled ? 0 : 1;
    else if (C.NumGlyphs >= 3) Index = !C.Enabled ? 1 : C.Pressed ? 2 : 0;
    if (C.Explorer && C.AutoGray && !C.Hot) Index = C.ImageCount - 2;
    if (!C.Enabled && C.NumGlyphs == 1) Index = C.ImageCount - 1;
    return Index;
}

int TransGreyLevel(int Red, int Green, int Blue) { return (30 * Red + 59 * Green + 11 * Blue) / 100; }

bool TTransButtonState::BeginPress(bool Inside, bool& Repaint) {
    Repaint = false;
    if (Holding) return false;
    Holding = true;
    if (Inside) {
        Tracking = Pressed = true;
        Repaint = true;
    }
    return true;
}

bool TTransButtonState::Track(bool Inside) {
    if (!Tracking || Pressed == Inside) return false;
    Pressed = Inside;
    return true;
}

TTransButtonState::TReleaseResult TTransButtonState::Release() {
    if (!Holding) return rrIgnored;
    Holding = false;
    if (Down) return rrLatched;
    Tracking = Pressed = false;
    return rrReleased;
}

void TTransButtonState::SetDown(bool Value) { Down = Tracking = Pressed = Value; }

void TTransButtonState::Disable() { Pressed = Tracking = Holding = Hot = false; }
