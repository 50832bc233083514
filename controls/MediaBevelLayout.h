#pragma once
// The geometry of a multimedia bevel: which rings it draws, in which
// colours and widths, and the inner rectangle left inside them. The bevel
// object and the control paint these rings with the framework's Frame3D;
// the arithmetic lives here so it needs no device.
#include <vector>

#include "framework/uicore/Colors.h"
#include "framework/classes/UiTypes.h"

// Same order as the framework's panel bevel kinds (none, lowered, raised).
enum TMediaRingKind { mrkNone, mrkLowered, mrkRaised };

struct TMediaBevelValues {
    TMediaRingKind BevelInner = mrkNone;
    TMediaRingKind BevelOuter = mrkLowered;
    int BevelInnerWidth = 1;
    int BevelOuterWidth = 1;
    bool SingleBorder = false;  // BorderStyle bsSingle
    int BorderWidth = 0;
    int BorderSpace = 0;
    TColor BorderColor = clBtnFace;
    TColor BorderSpaceColor = clBlack;
    TColor InnerLightColor = clBtnHighlight;
    TColor OuterLightColor = clBtnHighlight;
    TColor InnerShadowColor = clBtnShadow;
    TColor OuterShadowColor = clBtnShadow;
    friend bool operator==(const TMediaBevelValues&, const TMediaBevelValues&) = default;
};

// One Frame3D call: Width nested frames inside Rect, top/left in TopColor,
// bottom/right in BottomColor.
struct TMediaBevelRing {
    TRect Rect;
    TColor TopColor = 0;
    TColor BottomColor = 0;
    int Width = 0;
    friend bool operator==(const TMediaBevelRing&, const TMediaBevelRing&) = default;
};

struct TMediaBevelPlan {
    std::vector<TMediaBevelRing> Rings;  // in drawing order, outermost first
    TRect Inner;
};

// Pixels the bevel takes on each side.
int MediaBevelTotalWidth(const TMediaBevelValues& V);
// The client rectangle shrunk by the total width on every side.
TRect MediaBevelInnerRect(const TMediaBevelValues& V, const TRect& Client);
// The rings to draw over Rect. Without DrawBorderRing the BorderWidth ring
// only takes its room. Rings of width 0 or less are left out.
TMediaBevelPlan MediaBevelLayout(const TMediaBevelValues& V, const TRect& Rect, bool DrawBorderRing);
