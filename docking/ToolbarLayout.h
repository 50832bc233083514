#pragma once
// Layout of a toolbar's children: one line along a dock, wrapped lines when
// floating; the size across a dock; the sizes a floating toolbar may be
// resized to; and the separator sizes.
#include <vector>

#include "docking/DockGeometry.h"

// Which member of an alternate pair a child is (a control meant for a
// horizontal or a vertical toolbar only).
enum TAlternateRole { arNone, arHorizontal, arVertical };

// One child of a toolbar, as the layout sees it.
struct TToolbarItem {
    bool Separator = false;
    int SizeHorz = 6;         // separator size on a horizontal or floating bar
    int SizeVert = 6;         // separator size on a vertical dock
    bool Visible = true;      // visible or being designed
    TAlternateRole Alternate = arNone;
    TRect Bounds;             // current bounds (width and height are its size)
};

// Whether an alternate pair member should be shown for an orientation.
bool AlternateMemberShown(TAlternateRole Role, TDockOrientation Orientation);

// Whether a child takes part in the layout for an orientation.
bool ToolbarItemCounts(const TToolbarItem& Item, TDockOrientation Orientation);

// The toolbar's size across a dock (or line height when floating): 8, or
// the tallest (widest on a vertical dock) counting non-separator child.
int ToolbarSizeAcross(const std::vector<TToolbarItem>& Items, TDockOrientation Orientation);

// The widest counting non-separator child.
int WidestToolbarItem(const std::vector<TToolbarItem>& Items, TDockOrientation Orientation);

// Order of children while designing: by Left (by Top on a vertical dock),
// equal positions keeping their control order. Returns indices.
std::vector<int> ToolbarOrderByPosition(const std::vector<TToolbarItem>& Items, bool ByTop);

struct TToolbarLayoutInput {
    TDockOrientation Orientation = doNoDock;   // from the target dock
    int FloatRightX = 0;                       // floating wrap width, 0 = none
    int RowThickness = 0;                      // > 0: the bar's own dock's row thickness
};

struct TToolbarLayout {
    // New bounds of each child by index (unchanged for children that do not
    // count); a separator that ends a wrapped line gets width 0.
    std::vector<TRect> Bounds;
    // For each child whether it is shown (alternate pairs).
    std::vector<bool> Shown;
    // Cross positions of the lines that start after a separator-ended line:
    // a divider is painted 3 and 4 pixels above each.
    std::vector<int> LineDividers;
    TExtent ClientSize;
    int Thickness = 0;      // T: the line height used
    int WrapWidth = 0;      // the wrap width used (0 = no wrapping)
};

// ArrangeControls of the toolbar: Items are in control order.
TToolbarLayout ArrangeToolbarControls(const std::vector<TToolbarItem>& Items, const TToolbarLayoutInput& Input);

// A size a floating toolbar may take, and the FloatRightX that gives it.
struct TToolbarFloatSize {
    TExtent Outer;          // client plus frame and caption
    int FloatRightX = 0;
    friend bool operator==(const TToolbarFloatSize&, const TToolbarFloatSize&) = default;
};

// Every size the floating layout can produce (each entered once), sorted by
// width (ByHeight false: a side edge is dragged) or by height.
std::vector<TToolbarFloatSize> AllowedFloatingSizes(const std::vector<TToolbarItem>& Items,
                                                    const TEdgeInsets& FloatingNonClient, bool ByHeight);

// The allowed size equal to Current (or else nearest to it) in a sorted list.
int FindFloatingSize(const std::vector<TToolbarFloatSize>& Sizes, TExtent Current, bool ByHeight);

// The smaller gap from the current size to its neighbours, 0..12.
int FloatingSnapDistance(const std::vector<TToolbarFloatSize>& Sizes, int CurrentIndex, bool ByHeight);

// The size the outline takes while tracking: Desired is the cursor's
// distance from the fixed edge. Within the snap distance the current size
// holds; otherwise the allowed size on the side the cursor moved to that is
// nearest to Desired.
int ChooseFloatingSize(const std::vector<TToolbarFloatSize>& Sizes, int CurrentIndex, int Desired, int Snap,
                       bool ByHeight);

// The outline for a chosen size, keeping the edge opposite the dragged one.
TRect FloatingResizeOutline(const TRect& Start, TExtent Outer, bool DraggingLeft, bool DraggingTop);

// A horizontal line of the painting: from (Left, Y) to (Right, Y).
struct THorzLine {
    int Left = 0;
    int Right = 0;
    int Y = 0;
    friend bool operator==(const THorzLine&, const THorzLine&) = default;
};

// The two lines painted for a line divider of a floating toolbar: the
// shadow line 4 and the highlight line 3 pixels above its cross position,
// across the client inset by 1.
struct TDividerLines {
    THorzLine Shadow;
    THorzLine Highlight;
};
TDividerLines ToolbarDividerLines(int ClientWidth, int CrossPosition);

// The separator's etched line through its middle: horizontal on a vertical
// dock, vertical otherwise. Offset is along the line's normal: the shadow
// line at Middle - 1, the highlight line at Middle.
struct TSeparatorEtch {
    bool Horizontal = false;
    int ShadowAt = 0;
    int HighlightAt = 0;
    int Length = 0;
    friend bool operator==(const TSeparatorEtch&, const TSeparatorEtch&) = default;
};
TSeparatorEtch SeparatorEtch(TExtent Size, bool VerticalDock);
