#include "controls/BitCheckLayout.h"

#include <algorithm>

int NextCheckState(int State, bool AllowGrayed) {
    switch (State) {
        case BitCheck::Unchecked: return AllowGrayed ? BitCheck::Grayed : BitCheck::Checked;
        case BitCheck::Grayed: return BitCheck::Checked;
        default: return BitCheck::Unchecked;
    }
}

int ClampCheckNumGlyphs(int Value) { return std::clamp(Value, 1, 2); }

int CheckNumGlyphsFor(int GlyphWidth, int GlyphHeight, int Current) {
    if (GlyphHeight <= 0 || GlyphWidth <= 0 || GlyphWidth % GlyphHeight != 0) return Current;
    return ClampCheckNumGlyphs(GlyphWidth / GlyphHeight);
}

TRect CheckCaptionRect(const TCheckLayoutInput& In) {
    TRect R;
    R.Left = In.BoxAtLeft ? In.CellWidth + 4 : 1;
    R.Right = R.Left + In.TextWidth - (In.HasAmp ? In.AmpWidth : 0);
    R.Top = (In.ClientHeight - In.TextHeight) / 2 - 2;
    R.Bottom = R.Top + In.TextHeight + 3;
    R.Left = std::max(R.Left, 0);
    R.Top = std::max(R.Top, 0);
    R.Right = std::min(R.Right, In.ClientWidth);
    R.Bottom = std::min(R.Bottom, In.ClientHeight);
    return R;
}

TPoint CheckGlyphPos(const TCheckLayoutInput& In) {
    const int X = In.BoxAtLeft ? 0 : In.ClientWidth - In.CellWidth;
    return {X, (In.ClientHeight - In.GlyphHeight) / 2};
}
