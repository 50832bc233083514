#pragma once
// Arithmetic of a toolbar button: where glyph, caption and drop-down arrow
// go inside the button, its content rectangle, the combo arrow part, which
// state a mouse change leads to and where a drop-down menu opens.
#include <array>

#include "docking/DockGeometry.h"

// The glyph's place relative to the caption; same order as the button's
// published Layout values (glyph left, right, top, bottom).
enum class TGlyphLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

// The button's state; same numbers as the glyph strip's cells.
enum TToolbarButtonState { tbsUp = 0, tbsDisabled = 1, tbsPushed = 2, tbsExclusive = 3, tbsHot = 4 };

inline constexpr int DropdownArrowWidth = 9;    // room the small arrow takes
inline constexpr int DropdownArrowHeight = 3;
inline constexpr int ComboArrowPartWidth = 11;  // the separate arrow part of a combo button

// Top and bottom layouts without a glyph are laid out as glyph left.
TGlyphLayout EffectiveGlyphLayout(TGlyphLayout Layout, TExtent Glyph);

// Width of the rectangle the caption is measured in (DT_CALCRECT).
int CaptionMeasureWidth(int ContentWidth, TGlyphLayout EffectiveLayout, bool Arrow, bool WordWrap, int GlyphWidth,
                        int Spacing, int Margin);

struct TButtonGlyphLayoutInput {
    TRect Content;                         // the button's content rectangle
    TExtent Glyph;                         // 0 x 0 when no glyph is shown
    TExtent Text;                          // measured caption, 0 x 0 without one
    TGlyphLayout Layout = TGlyphLayout::GlyphLeft;
    int Margin = -1;                       // -1: automatic
    int Spacing = 4;                       // -1: automatic
    bool Arrow = false;                    // the small drop-down arrow is drawn
    bool Pushed = false;                   // content moves one pixel right and down
};

struct TButtonGlyphLayout {
    TGlyphLayout Layout = TGlyphLayout::GlyphLeft;  // the layout actually used
    TPoint GlyphPos;
    TRect TextRect;
    TPoint ArrowPos;                       // top-left of the arrow (when drawn)
    int Margin = 0;                        // the margin and spacing used
    int Spacing = 0;
};

// The button glyph's layout routine.
TButtonGlyphLayout LayoutButtonGlyph(const TButtonGlyphLayoutInput& In);

// The three points of the filled arrow at Origin.
std::array<TPoint, 3> DropdownArrowPoints(TPoint Origin);

// Client rectangle inset by the border (1 flat, 2 raised; none without
// border); a combo's main part leaves out the arrow part.
TRect ButtonContentRect(const TRect& Client, bool Flat, bool NoBorder, bool ComboWithDropdown);

// The combo's arrow: drawn at x = width - 13, centred vertically.
TPoint ComboArrowOrigin(TExtent Client);

// A left press opens the menu instead of pressing the button.
bool PressOpensDropdown(int X, int Width, bool HasDropdown, bool Combo);

// The cursor counts as inside while a press is held (a combo's arrow part
// does not count).
bool PointInsideButton(TPoint P, TExtent Client, bool ComboWithDropdown);

// Width after switching the combo arrow part on or off.
int WidthAfterComboChange(int Width, bool ComboOn);

// State changes of hot tracking.
TToolbarButtonState StateAfterMouseEnter(TToolbarButtonState State);
TToolbarButtonState StateAfterMouseLeave(TToolbarButtonState State, bool Down, int GroupIndex, bool InClick);

// Whether the border is drawn.
bool ButtonDrawsBorder(TToolbarButtonState State, bool Flat, bool NoBorder, bool MouseIn, bool Designing);

// Margin values below -1 are ignored: the old value stays.
inline int AcceptedMargin(int Current, int Value) { return Value < -1 ? Current : Value; }

// Where the drop-down menu opens (screen coordinates): below the button,
// or beside it when its toolbar is docked at the left or right.
struct TMenuAnchor {
    TPoint Point;
    bool RightAligned = false;
    friend bool operator==(const TMenuAnchor&, const TMenuAnchor&) = default;
};
enum TButtonBarPlace { bbpOther, bbpLeftDock, bbpRightDock };
TMenuAnchor DropdownMenuAnchor(const TRect& ButtonOnScreen, TButtonBarPlace Place);

// Glyph strip arithmetic.
int ClampNumGlyphs(int NumGlyphs);
int NumGlyphsForStrip(int Width, int Height);
TExtent GlyphCellSize(TExtent Strip, int NumGlyphs);
// The strip cell a state's image comes from; -1 for a disabled image that
// must be generated (no disabled cell).
int GlyphCellForState(TToolbarButtonState State, int NumGlyphs);
