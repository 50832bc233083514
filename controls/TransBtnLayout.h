#pragma once
// The arithmetic of the transparent button: how many cells a glyph strip
// holds, where glyph and caption go, which image is drawn, and how mouse
// presses change the pressed look. Kept free of Windows so it is tested
// natively.
#include "framework/classes/TypeInfo.h"
#include "framework/classes/UiTypes.h"

enum TFrameStyle { fsRegular, fsIndent, fsExplorer, fsNone, fsLight, fsDark, fsMono };
QRN_ENUM(TFrameStyle, fsRegular, fsIndent, fsExplorer, fsNone, fsLight, fsDark, fsMono)

enum TTextAlign {
    ttaTopLeft, ttaTop, ttaTopRight, ttaRight, ttaBottomRight, ttaBottom, ttaBottomLeft, ttaLeft, ttaCenter
};
QRN_ENUM(TTextAlign, ttaTopLeft, ttaTop, ttaTopRight, ttaRight, ttaBottomRight, ttaBottom, ttaBottomLeft,
         ttaLeft, ttaCenter)

using TNumGlyphs = int;  // 1..4
constexpr int MaxTransGlyphs = 4;

// The cell count after a new glyph of this size: square cells side by side
// decide it; a strip of more than four cells is one cell.
int TransNumGlyphsFor(int GlyphWidth, int GlyphHeight, int Current);
// Width of one cell (the whole strip when the count is not positive).
int TransCellWidth(int GlyphWidth, int NumGlyphs);
// Where the glyph cell goes in a W x H button.
TRect TransGlyphRect(TTextAlign Align, int W, int H, int CellWidth, int CellHeight, int Spacing);
// Offset of a caption measured as TW x TH, G being the unshifted glyph rectangle.
TPoint TransCaptionOffset(TTextAlign Align, int W, int H, int TW, int TH, int Spacing, const TRect& G);

struct TTransImageChoice {
    int NumGlyphs = 1;
    int ImageCount = 0;  // cells + grey + disabled
    bool Enabled = true;
    bool Pressed = false;
    bool Explorer = false;
    bool AutoGray = true;
    bool Hot = false;
};
// The image-list index to draw (grey and disabled are the last two).
int TransImageIndex(const TTransImageChoice& C);

// The grey level of a colour for the AutoGray image.
int TransGreyLevel(int Red, int Green, int Blue);

// Hot, Holding, Tracking, Pressed and Down of a button and what mouse
// input does to them. Each operation says whether the look changed.
struct TTransButtonState {
    bool Hot = false;
    bool Holding = false;
    bool Tracking = false;
    bool Pressed = false;
    bool Down = false;

    // False when the press is ignored (one is already in progress).
    bool BeginPress(bool Inside, bool& Repaint);
    // While tracking the pressed look follows the mouse.
    bool Track(bool Inside);
    enum TReleaseResult { rrIgnored, rrLatched, rrReleased };
    TReleaseResult Release();
    void SetDown(bool Value);
    void Disable();
};
