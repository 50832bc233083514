#pragma once
// Align, size and scale of the designer's selection, on plain rectangles.
#include <vector>

#include "framework/classes/UiTypes.h"

// Alignment codes of either axis.
enum TAlignCode : int {
    acNone = 0,
    acNearEdges = 1,  // horizontal: left edges
    acTops = 2,
    acCenters = 3,
    acRightEdges = 4,
    acBottoms = 5,
    acSpaceEqually = 6,
    acCenterInWindow = 7
};
// Size values: an exact extent is 1 or more.
inline constexpr int szNoChange = -1;
inline constexpr int szShrink = -2;
inline constexpr int szGrow = -3;

struct TAlignItem {
    TRect Bounds;
    const void* Parent = nullptr;  // only compared: codes 6 and 7 need one parent
};

// Moves the items (sizes stay); the first item is the reference. The
// parent's client extent serves "centre in window". False when nothing
// may be aligned (codes 6/7 across parents).
bool AlignItems(std::vector<TAlignItem>& Items, int Horz, int Vert, int ParentClientWidth, int ParentClientHeight);
// Resizes the items by the size values (positions stay).
void SizeItems(std::vector<TRect>& Items, int Width, int Height);
// An extent scaled by a percentage, to the nearest integer (halves even).
int ScaleExtent(int Extent, int Percent);
