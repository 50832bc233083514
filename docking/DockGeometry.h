#pragma once
// Value types and small helpers shared by the docking arithmetic. Points and
// rectangles are the framework's portable ones (same layout as the system's
// POINT and RECT); a plain width/height pair is added here because the
// framework's TSize is the system's SIZE and lives behind windows.h.
#include "framework/classes/UiTypes.h"

struct TExtent {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TExtent&, const TExtent&) = default;
};

inline TExtent Extent(int Width, int Height) { return {Width, Height}; }

// The edge of the form a dock sits on.
enum TDockPosition { dpTop, dpBottom, dpLeft, dpRight };

// The orientation a bar lays out its children for; the numbers are the
// ones ArrangeControls receives (no dock = floating).
enum TDockOrientation { doNoDock = 0, doHorizontal = 1, doVertical = 2 };

inline bool IsVerticalDock(TDockPosition Position) { return Position == dpLeft || Position == dpRight; }

inline TDockOrientation OrientationOfDock(TDockPosition Position) {
    return IsVerticalDock(Position) ? doVertical : doHorizontal;
}

// Non-client sizes on each side of a window.
struct TEdgeInsets {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Horizontal() const { return Left + Right; }
    int Vertical() const { return Top + Bottom; }
    friend bool operator==(const TEdgeInsets&, const TEdgeInsets&) = default;
};

// Number * Numerator / Denominator rounded to the nearest integer (halves
// away from zero) with a 64-bit intermediate; -1 for a zero denominator.
// This is the rounding the drag arithmetic was tuned with.
int MulDivRound(int Number, int Numerator, int Denominator);

// The along-the-dock and across-the-dock parts of a rectangle or size.
inline int AlongOf(TExtent E, bool Vertical) { return Vertical ? E.Height : E.Width; }
inline int AcrossOf(TExtent E, bool Vertical) { return Vertical ? E.Width : E.Height; }
inline TExtent ExtentOf(const TRect& R) { return {R.Width(), R.Height()}; }

// Non-client hit codes the docking code answers with (the system's values).
enum TDockHitCode {
    dhtNowhere = 0,
    dhtClient = 1,
    dhtCaption = 2,
    dhtLeft = 10,
    dhtRight = 11,
    dhtTop = 12,
    dhtTopLeft = 13,
    dhtTopRight = 14,
    dhtBottom = 15,
    dhtBottomLeft = 16,
    dhtBottomRight = 17,
    dhtClose = 20
};
