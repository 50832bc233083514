#include "docking/DockDrag.h"

#include <algorithm>

namespace {

// Where the grab point sits in a bar of Size when scaled to Target.
int ScaledGrab(int Grab, int Target, int Size) { return Size > 0 ? MulDivRound(Grab, Target, Size) : 0; }

}  // namespace

TRect PlaceOutlineUnderCursor(TPoint Cursor, TPoint Grab, TExtent BarSize, TExtent OutlineSize) {
    const int Left = Cursor.X - ScaledGrab(Grab.X, OutlineSize.Width, BarSize.Width);
    const int Top = Cursor.Y - ScaledGrab(Grab.Y, OutlineSize.Height, BarSize.Height);
    return Bounds(Left, Top, OutlineSize.Width, OutlineSize.Height);
}

bool CursorInDockZone(const TDockZone& Zone, TPoint Cursor, TPoint Grab, TExtent BarSize) {
    TRect R = Zone.DockRect;
    // An empty dock still has a line to dock on.
    if (R.Width() == 0) ++R.Right;
    if (R.Height() == 0) ++R.Bottom;
    const int A = MulDivRound(32, Grab.X, BarSize.Width - 1);
    const int B = MulDivRound(20, Grab.Y, BarSize.Height - 1);
    if (Cursor.X < R.Left + A - 32 || Cursor.X > R.Right + A - 1) return false;
    if (IsVerticalDock(Zone.Position) && (Cursor.Y < R.Top || Cursor.Y >= R.Bottom)) return false;
    if (Cursor.Y < R.Top + B - 20 || Cursor.Y > R.Bottom + B - 1) return false;
    TRect Outline = PlaceOutlineUnderCursor(Cursor, Grab, BarSize, Zone.DockedSize);
    return !IntersectRect(Outline, R).IsEmpty();
}

TRect KeepFloatingOutlineReachable(TRect O, const TRect& WA, int FrameX, int FrameY, int CaptionHeight) {
    const int KeepX = FrameX + 4;
    const int KeepY = FrameY + 4;
    if (O.Left > WA.Right - KeepX) O.Offset(WA.Right - KeepX - O.Left, 0);
    if (O.Right < WA.Left + KeepX) O.Offset(WA.Left + KeepX - O.Right, 0);
    if (O.Top > WA.Bottom - KeepY) O.Offset(0, WA.Bottom - KeepY - O.Top);
    if (O.Bottom < WA.Top + KeepY) O.Offset(0, WA.Top + KeepY - O.Bottom);
    const int HighestTop = WA.Top - CaptionHeight + 4;
    if (O.Top < HighestTop) O.Offset(0, HighestTop - O.Top);
    return O;
}

TRect FloatingDragOutline(TPoint Cursor, TPoint Grab, TExtent BarSize, TExtent FloatingSize, const TRect& WorkArea,
                          int FrameX, int FrameY, int CaptionHeight) {
    return KeepFloatingOutlineReachable(PlaceOutlineUnderCursor(Cursor, Grab, BarSize, FloatingSize), WorkArea, FrameX,
                                        FrameY, CaptionHeight);
}

int FindDragTargetDock(const std::vector<TDockZone>& Candidates, TPoint Cursor, TPoint Grab, TExtent BarSize,
                       bool CtrlHeld, const std::function<bool(int Candidate)>& Accepts) {
    if (CtrlHeld) return -1;
    for (size_t I = 0; I < Candidates.size(); ++I)
        if (CursorInDockZone(Candidates[I], Cursor, Grab, BarSize) && (!Accepts || Accepts(static_cast<int>(I))))
            return static_cast<int>(I);
    return -1;
}

TPoint ClampCursorToWorkArea(TPoint C, const TRect& WA) {
    if (WA.IsEmpty()) return C;
    return {std::clamp(C.X, WA.Left, WA.Right - 1), std::clamp(C.Y, WA.Top, WA.Bottom - 1)};
}

TDragOutlineKind DragOutlineKind(bool HasTargetDock, bool CanFloat) {
    if (HasTargetDock) return dokDocked;
    return CanFloat ? dokFloating : dokNone;
}

TBarDoubleClickAction BarDoubleClickAction(bool Docked, TToolWindowDockMode Mode, bool HasLastDock,
                                           bool HasDefaultDock) {
    if (Docked) return Mode == dmCanFloat ? bdcFloat : bdcNothing;
    if (HasLastDock) return bdcDockToLastDock;
    if (HasDefaultDock) return bdcDockToDefaultDock;
    return bdcNothing;
}

bool FloatingBarShouldShow(const TFloatingVisibilityState& S) {
    if (!S.Visible || S.BeingMoved) return false;
    if (S.FloatingMode == fmOnTopOfParentForm && (S.ApplicationMinimized || S.OwnerFormHiddenOrMinimized))
        return false;
    if (S.HideWhenInactive && !S.ThreadHasActiveWindow) return false;
    return true;
}

int WindowToActivate(const std::vector<TActivationCandidate>& InZOrder) {
    int Topmost = -1;
    for (size_t I = 0; I < InZOrder.size(); ++I) {
        const TActivationCandidate& C = InZOrder[I];
        if (!C.Visible || !C.Enabled) continue;
        if (!C.Topmost) return static_cast<int>(I);
        if (Topmost < 0) Topmost = static_cast<int>(I);
    }
    return Topmost;
}

TRect MoveRectOnScreen(TRect R, const TRect& WA, bool OnlyWhenOff) {
    if (OnlyWhenOff && !IntersectRect(R, WA).IsEmpty()) return R;
    if (R.Right > WA.Right) R.Offset(WA.Right - R.Right, 0);
    if (R.Bottom > WA.Bottom) R.Offset(0, WA.Bottom - R.Bottom);
    if (R.Left < WA.Left) R.Offset(WA.Left - R.Left, 0);
    if (R.Top < WA.Top) R.Offset(0, WA.Top - R.Top);
    return R;
}

bool IsResizeHitCode(int HitCode) { return HitCode >= dhtLeft && HitCode <= dhtBottomRight; }

TResizeSides ResizeSidesForHitCode(int HitCode) {
    TResizeSides S;
    if (!IsResizeHitCode(HitCode)) return S;
    S.Left = HitCode == dhtLeft || HitCode == dhtTopLeft || HitCode == dhtBottomLeft;
    S.Right = HitCode == dhtRight || HitCode == dhtTopRight || HitCode == dhtBottomRight;
    S.Top = HitCode == dhtTop || HitCode == dhtTopLeft || HitCode == dhtTopRight;
    S.Bottom = HitCode == dhtBottom || HitCode == dhtBottomLeft || HitCode == dhtBottomRight;
    return S;
}

TRect ResizeOutline(const TRect& Start, TResizeSides Sides, TPoint Travel, TExtent MinimumOuter) {
    TRect R = Start;
    if (Sides.Left) R.Left += Travel.X;
    if (Sides.Right) R.Right += Travel.X;
    if (Sides.Top) R.Top += Travel.Y;
    if (Sides.Bottom) R.Bottom += Travel.Y;
    if (R.Width() < MinimumOuter.Width) {
        if (Sides.Left)
            R.Left = R.Right - MinimumOuter.Width;
        else if (Sides.Right)
            R.Right = R.Left + MinimumOuter.Width;
    }
    if (R.Height() < MinimumOuter.Height) {
        if (Sides.Top)
            R.Top = R.Bottom - MinimumOuter.Height;
        else if (Sides.Bottom)
            R.Bottom = R.Top + MinimumOuter.Height;
    }
    return R;
}
