#pragma once
// Row arrangement of a dock: which row each bar sits in, where along the
// row, how thick each row is and how thick the dock becomes. The dock's
// window code copies its bars into TDockBarSlot values, calls
// LayoutDockRows and writes the results back to the bars.
#include <vector>

#include "docking/DockGeometry.h"

// One bar of a dock's bar list, as the arrangement sees it.
struct TDockBarSlot {
    int DockRow = 0;
    int DockPos = -1;
    bool FullSize = false;
    bool Shown = false;      // parent is the dock and visible (or designed)
    int Width = 0;           // current outer size
    int Height = 0;
    int SizeAcross = 0;      // GetDockedSizeAcross for the dock's orientation
};

struct TDockLayoutOptions {
    TDockPosition Position = dpTop;
    int ClientLength = 0;    // client width (top/bottom) or height (left/right)
    bool Designing = false;
    bool FixAlign = false;
    bool LimitToOneRow = false;
    bool StorePositions = false;
};

struct TDockLayout {
    // Indices into the bar list, sorted by row then position; the dock
    // reorders its bar list (and, filtered, its shown list) this way.
    std::vector<int> Order;
    // Bounds of every shown bar in dock client coordinates, by bar index
    // (empty rectangles for bars that are not shown).
    std::vector<TRect> BarBounds;
    // Thickness of each row (0 for a row without a shown bar).
    std::vector<int> RowSizes;
    // The dock's client thickness across its edge.
    int Thickness = 0;
};

// Pitch of a row: its thickness plus the bars' docked frame, 0 when empty.
inline int DockRowPitch(int RowSize) { return RowSize > 0 ? RowSize + 4 : 0; }

// Client thickness of a dock without any shown bar.
int EmptyDockThickness(bool Designing, bool FixAlign);

// The largest DockRow of the bars, -1 when there are none.
int GetHighestRow(const std::vector<TDockBarSlot>& Bars);

// Bars in Row, leaving out the one at index NotIncluding (-1 for none).
int GetNumberOfToolbarsOnRow(const std::vector<TDockBarSlot>& Bars, int Row, int NotIncluding = -1);

// Renumbers the rows in use so that they follow each other without gaps.
void RemoveBlankRows(std::vector<TDockBarSlot>& Bars);

// Every bar at Row or below moves one row further out.
void InsertRowBefore(std::vector<TDockBarSlot>& Bars, int Row);

// The stored thickness of Row, or DefaultSize when the row has none.
int GetRowSize(const std::vector<int>& RowSizes, int Row, int DefaultSize);

// The whole arrangement. Bars' DockRow (and, with StorePositions, DockPos)
// are updated in place.
TDockLayout LayoutDockRows(std::vector<TDockBarSlot>& Bars, const TDockLayoutOptions& Options);

// Where a dragged bar's middle (across the dock, client coordinates) falls:
// the row, and whether it falls on the boundary before that row (a new row
// is to be inserted there). Past the last row: the next row number.
struct TRowHit {
    int Row = 0;
    bool Before = false;
    friend bool operator==(const TRowHit&, const TRowHit&) = default;
};
TRowHit GetRowOf(const std::vector<int>& RowSizes, int Coord);

// The row a designer-moved bar goes to: the first whose running end passes
// Coord; past the last row, the next row number.
int GetDesiredRow(const std::vector<int>& RowSizes, int Coord);

// Row and position for a bar dropped on a dock at the end of a drag. The
// bar list is updated when a new row has to be made, and so is the dropped
// bar's own row and position when it is in the list.
struct TDropPlace {
    int Row = 0;
    int Pos = 0;
};
// DroppedBar is the bar's index when it is already in the list, else -1.
TDropPlace PlaceDroppedBar(std::vector<TDockBarSlot>& Bars, int DroppedBar, bool FullSize,
                           const std::vector<int>& RowSizes, bool Vertical, const TRect& OutlineInDockClient);

// Row and position of a docked bar that a designer moved to NewBounds
// (dock client coordinates): the desired row at its middle.
TDropPlace DesignerMovePlace(const std::vector<int>& RowSizes, bool Vertical, const TRect& NewBounds);

// The dock's new bounds for a client thickness plus its non-client border:
// a bottom dock keeps its bottom edge, a right dock its right edge, the
// others their top or left edge.
TRect ResizeDockAlongEdge(const TRect& Bounds, TDockPosition Position, int Thickness);

enum TDockBoundLine { blTop, blBottom, blLeft, blRight };
using TDockBoundLines = TSmallSet<TDockBoundLine>;

// One pixel off the client area on each side with a bound line.
TEdgeInsets DockBoundLineInsets(TDockBoundLines Lines);
