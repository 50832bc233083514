#pragma once
// The arithmetic of the bitmap check box: state order, cell counts and
// where caption and box go. Kept free of Windows so it is tested natively.
#include "framework/classes/UiTypes.h"

// The states, numbered as the framework's check-box state.
namespace BitCheck {
constexpr int Unchecked = 0;
constexpr int Checked = 1;
constexpr int Grayed = 2;
}  // namespace BitCheck

// unchecked -> grayed (when allowed) or checked -> unchecked; grayed -> checked.
int NextCheckState(int State, bool AllowGrayed);
// A cell count limited to 1 (one image) or 2 (enabled, disabled).
int ClampCheckNumGlyphs(int Value);
// The cell count after a new glyph: square cells decide it, else Current stays.
int CheckNumGlyphsFor(int GlyphWidth, int GlyphHeight, int Current);

struct TCheckLayoutInput {
    bool BoxAtLeft = true;  // else caption at the left, box at the right edge
    int ClientWidth = 0, ClientHeight = 0;
    int CellWidth = 0, GlyphHeight = 0;
    int TextWidth = 0, TextHeight = 0;  // of the caption as written
    int AmpWidth = 0;                   // of "&", taken off when the caption holds one
    bool HasAmp = false;
};
// The caption rectangle, clipped to the client area.
TRect CheckCaptionRect(const TCheckLayoutInput& In);
// Top-left of the box cell.
TPoint CheckGlyphPos(const TCheckLayoutInput& In);
