#pragma once
// The arithmetic of the form designer that needs no window: grid rounding,
// grab-handle points, resizing by a handle, message positions, icon
// positions kept in a component's design information, the nearest control
// in a direction and where pasted components land.
#include <cstdint>
#include <vector>

#include "framework/classes/UiTypes.h"

// Value rounded to a multiple of Step (halves to the even multiple).
int RoundToGrid(int Value, int Step);
TRect RoundRectToGrid(const TRect& R, int StepX, int StepY);

// A grab handle's place, numbered 1..8 from the top-left corner along the
// rows: 1 2 3 / 4 5 / 6 7 8.
enum class THandlePosition : uint8_t { TopLeft = 1, Top, TopRight, Left, Right, BottomLeft, Bottom, BottomRight };

// The handle's centre in the control's coordinates. A bordered control
// (client extent differs from the outer one) gets its right and bottom
// handles two pixels further in.
TPoint HandlePoint(THandlePosition Position, int Width, int Height, bool BorderX, bool BorderY);
// The rectangle as its handle is dragged to P: the handle's edges follow.
TRect ResizeByHandle(const TRect& R, THandlePosition Position, TPoint P);
// Right/Bottom not left of Left/Top.
TRect NormalizeRect(const TRect& R);

// The screen point packed in a message position (GetMessagePos): two
// signed 16-bit halves, since screens left of or above the primary one
// have negative coordinates.
TPoint DecodeMessagePos(uint32_t Pos);

// A non-visual component's icon position lives in its design information:
// Left in the low 16 bits, Top in the high 16 bits, each signed.
TPoint IconPosFromDesignInfo(int32_t DesignInfo);
int32_t DesignInfoFromIconPos(TPoint Pos);
// The square a component icon covers.
inline constexpr int IconSize = 28;
inline TRect IconRect(TPoint Pos) { return Bounds(Pos.X, Pos.Y, IconSize, IconSize); }

enum class TDirection : uint8_t { Up, Down, Left, Right };
// Index of the candidate nearest to Reference in Direction (-1: none).
// Only the coordinate along the direction counts; an earlier candidate
// wins ties, and edges at or beyond 0 / 100000 are out.
int NearestInDirection(const TRect& Reference, const std::vector<TRect>& Candidates, TDirection Direction);

// Where a pasted control's stored bounds land in a container whose client
// area is W x H: the first of a paste moves Count grid steps on, and no
// control leaves the area at the right or bottom.
TPoint PastePosition(const TRect& Stored, bool FirstOfPaste, int Count, int StepX, int StepY, int W, int H);
