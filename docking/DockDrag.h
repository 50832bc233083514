#pragma once
// Arithmetic of dragging a bar between docks and the desktop, and of
// resizing a floating bar: the docking zone of a dock, where the outline
// goes, which sides a border drag moves and the minimum-size clamp.
#include <functional>
#include <vector>

#include "docking/DockGeometry.h"

// The rectangle of OutlineSize that keeps the grab point (window
// coordinates in a bar of BarSize) at the same relative place under the
// cursor.
TRect PlaceOutlineUnderCursor(TPoint Cursor, TPoint Grab, TExtent BarSize, TExtent OutlineSize);

// Everything the zone test needs about one candidate dock.
struct TDockZone {
    TRect DockRect;            // the dock's screen rectangle
    TDockPosition Position = dpTop;
    TExtent DockedSize;        // the bar's outline size on this dock
};

// Whether the cursor lies in the dock's docking zone for a bar of BarSize
// grabbed at Grab: a band around the dock shifted by where the bar was
// grabbed, and the docked outline must touch the dock.
bool CursorInDockZone(const TDockZone& Zone, TPoint Cursor, TPoint Grab, TExtent BarSize);

// A floating outline moved so that the frame plus 4 pixels of it stay on
// the work area on every side, and its top never more than the caption
// height less 4 above the work area.
TRect KeepFloatingOutlineReachable(TRect Outline, const TRect& WorkArea, int FrameX, int FrameY, int CaptionHeight);

// The whole floating outline while dragging: the floating size placed under
// the cursor, then kept reachable.
TRect FloatingDragOutline(TPoint Cursor, TPoint Grab, TExtent BarSize, TExtent FloatingSize, const TRect& WorkArea,
                          int FrameX, int FrameY, int CaptionHeight);

// The dock a drag targets: the first candidate (in search order) whose zone
// holds the cursor and that accepts the bar; -1 for none, and always none
// while Ctrl is held.
int FindDragTargetDock(const std::vector<TDockZone>& Candidates, TPoint Cursor, TPoint Grab, TExtent BarSize,
                       bool CtrlHeld, const std::function<bool(int Candidate)>& Accepts);

// The cursor kept on the work area while no dock is targeted.
TPoint ClampCursorToWorkArea(TPoint Cursor, const TRect& WorkArea);

// What the drag shows for the current cursor position.
enum TDragOutlineKind {
    dokNone,      // no outline, no-entry cursor: nothing happens on release
    dokDocked,    // 1-pixel outline on the target dock
    dokFloating   // frame-width outline where the bar would float
};
TDragOutlineKind DragOutlineKind(bool HasTargetDock, bool CanFloat);

// Thickness of the drawn outline.
inline int DragOutlineThickness(TDragOutlineKind Kind, int FrameWidth) {
    return Kind == dokFloating ? FrameWidth : 1;
}

enum TToolWindowDockMode { dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks };

// Double click on a bar.
enum TBarDoubleClickAction {
    bdcNothing,
    bdcFloat,             // float on its form and move it on screen
    bdcDockToLastDock,
    bdcDockToDefaultDock  // DockRow 0, DockPos -8
};
TBarDoubleClickAction BarDoubleClickAction(bool Docked, TToolWindowDockMode Mode, bool HasLastDock,
                                           bool HasDefaultDock);

enum TToolWindowFloatingMode { fmOnTopOfParentForm, fmOnTopOfAllForms };

struct TFloatingVisibilityState {
    bool Visible = true;
    bool BeingMoved = false;
    TToolWindowFloatingMode FloatingMode = fmOnTopOfParentForm;
    bool ApplicationMinimized = false;
    bool OwnerFormHiddenOrMinimized = false;  // the form or its MDI parent form
    bool HideWhenInactive = true;
    bool ThreadHasActiveWindow = true;
};
bool FloatingBarShouldShow(const TFloatingVisibilityState& S);

// A top-level window of the thread, in z-order, that may take over the
// activation of a floating bar that hides while active.
struct TActivationCandidate {
    bool Visible = true;
    bool Enabled = true;
    bool Topmost = false;
};
// The first visible enabled window, one with the topmost style only when
// there is no other; -1 when there is none.
int WindowToActivate(const std::vector<TActivationCandidate>& InZOrder);

// A floating bar moved onto the work area: right and bottom first, then
// left and top. With OnlyWhenOff it stays put while any part is on it.
TRect MoveRectOnScreen(TRect R, const TRect& WorkArea, bool OnlyWhenOff);

// Sides a floating resize moves.
struct TResizeSides {
    bool Left = false;
    bool Top = false;
    bool Right = false;
    bool Bottom = false;
    friend bool operator==(const TResizeSides&, const TResizeSides&) = default;
};
bool IsResizeHitCode(int HitCode);
TResizeSides ResizeSidesForHitCode(int HitCode);

// The resize outline: the start bounds with the moving sides moved by the
// cursor's travel; a side that would make the bar smaller than the minimum
// outer size is pulled back.
TRect ResizeOutline(const TRect& Start, TResizeSides Sides, TPoint Travel, TExtent MinimumOuter);
