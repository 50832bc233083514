// The drag loop that moves a bar between docks and the desktop, and the
// resize loop of a floating bar. Both are modal loops of their own; the
// outline guard gives back capture, clipping and the desktop lock however
// they end.
#include <algorithm>
#include <functional>

#include "docking/win/DragOutline.h"
#include "docking/win/QToolWindow.h"
#include "docking/win/ScreenAreas.h"

namespace {

TRect ScreenRectOf(TWinControl* C) {
    RECT R{};
    GetWindowRect(C->Handle(), &R);
    return FromRECT(R);
}

TPoint MessagePoint(const MSG& Msg) {
    POINT P{static_cast<short>(LOWORD(Msg.lParam)), static_cast<short>(HIWORD(Msg.lParam))};
    ClientToScreen(Msg.hwnd, &P);
    return {P.x, P.y};
}

// Docks of Parent: its own docks first (top, bottom, left, right), then
// those inside its other windowed children.
void CollectDocks(TWinControl* Parent, std::vector<TQDock*>& Out) {
    std::vector<TQDock*> Own;
    for (int I = 0; I < Parent->ControlCount(); ++I)
        if (auto* D = dynamic_cast<TQDock*>(Parent->Controls(I))) Own.push_back(D);
    std::stable_sort(Own.begin(), Own.end(), [](TQDock* A, TQDock* B) { return A->Position() < B->Position(); });
    Out.insert(Out.end(), Own.begin(), Own.end());
    for (int I = 0; I < Parent->ControlCount(); ++I) {
        auto* W = dynamic_cast<TWinControl*>(Parent->Controls(I));
        if (W && !dynamic_cast<TQDock*>(W) && !dynamic_cast<TQCustomToolWindow*>(W)) CollectDocks(W, Out);
    }
}

enum TLoopEnd { leRunning, leCancel, leAccept };

// Runs a modal mouse loop until it ends: OnMove gets every cursor position
// (and a Ctrl change), a left release accepts, Esc or a new press cancels.
TLoopEnd RunMouseLoop(HWND Wnd, TPoint Start, const std::function<void(TPoint, bool)>& OnMove) {
    TPoint Last = Start;
    bool LastCtrl = GetKeyState(VK_CONTROL) < 0;
    for (;;) {
        MSG Msg{};
        if (!GetMessageA(&Msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(Msg.wParam));
            return leCancel;
        }
        switch (Msg.message) {
            case WM_MOUSEMOVE: {
                const TPoint P = MessagePoint(Msg);
                const bool Ctrl = (Msg.wParam & MK_CONTROL) != 0;
                if (P == Last && Ctrl == LastCtrl) break;
                Last = P;
                LastCtrl = Ctrl;
                OnMove(P, Ctrl);
                break;
            }
            case WM_LBUTTONUP:
                Last = MessagePoint(Msg);
                OnMove(Last, (Msg.wParam & MK_CONTROL) != 0);
                return leAccept;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_NCLBUTTONDOWN:
            case WM_NCLBUTTONDBLCLK:
            case WM_CANCELMODE:
                return leCancel;
            case WM_KEYDOWN:
            case WM_KEYUP:
                if (Msg.wParam == VK_ESCAPE) return leCancel;
                if (Msg.wParam == VK_CONTROL) {
                    LastCtrl = Msg.message == WM_KEYDOWN;
                    OnMove(Last, LastCtrl);
                }
                break;
            case WM_RBUTTONDOWN:
            case WM_RBUTTONUP:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDOWN:
            case WM_MBUTTONUP:
            case WM_MBUTTONDBLCLK:
            case WM_SYSKEYDOWN:
            case WM_SYSKEYUP:
            case WM_CHAR:
                break;
            default:
                TranslateMessage(&Msg);
                DispatchMessageA(&Msg);
                if (GetCapture() != Wnd && GetCapture() != nullptr) return leCancel;
                break;
        }
    }
}

}  // namespace

std::vector<TQDock*> TQCustomToolWindow::CandidateDocks() {
    std::vector<TQDock*> All;
    if (FDockMode == dmCannotFloatOrChangeDocks) {
        if (FDockedTo) All.push_back(FDockedTo);
        return All;
    }
    std::vector<TCustomForm*> Forms;
    if (TCustomForm* Form = OwnerForm()) Forms.push_back(Form);
    for (TCustomForm* F : FDockForms)
        if (std::find(Forms.begin(), Forms.end(), F) == Forms.end()) Forms.push_back(F);
    for (TCustomForm* F : Forms) CollectDocks(F, All);
    std::vector<TQDock*> Result;
    for (TQDock* D : All)
        if (D->Visible() && D->AllowDrag() && FDockableTo.Contains(D->Position()) && D->HandleAllocated())
            Result.push_back(D);
    return Result;
}

void TQCustomToolWindow::BeginMoving(TPoint Grab) {
    HWND Wnd = Handle();
    const bool CanFloat = FDockMode == dmCanFloat;
    const TExtent BarSize{FWidth, FHeight};
    const std::vector<TQDock*> Docks = CandidateDocks();
    std::vector<TDockZone> Zones;
    for (TQDock* D : Docks) {
        TDockZone Z;
        Z.DockRect = ScreenRectOf(D);
        if (Z.DockRect.Width() == 0) Z.DockRect.Right += 1;
        if (Z.DockRect.Height() == 0) Z.DockRect.Bottom += 1;
        Z.Position = D->Position();
        const TEdgeInsets I = DockedNonClientInsets(D->Vertical(), D->AllowDrag(), FDragHandleStyle);
        const TExtent Client = D == FDockedTo ? ExtentOf(ClientRect())
                                              : ArrangeControls(false, FLastOrientation, D);
        Z.DockedSize = OuterSizeForClient(Client, I);
        Zones.push_back(Z);
    }
    const TExtent FloatSize = FloatingOuterSize();
    const TFloatingFrame Frame = FloatingFrame();

    int Target = -1;
    TRect Outline;
    TDragOutlineKind Kind = dokNone;
    TLoopEnd End = leCancel;
    {
        TDesktopOutline Drawing(Wnd, false, {});
        auto Track = [&](TPoint Cursor, bool Ctrl) {
            Target = FindDragTargetDock(Zones, Cursor, Grab, BarSize, Ctrl, [&](int Index) {
                bool Accept = true;
                TQDock* D = Docks[static_cast<size_t>(Index)];
                if (D->OnRequestDock) D->OnRequestDock(D, this, Accept);
                return Accept;
            });
            Kind = DragOutlineKind(Target >= 0, CanFloat);
            if (Kind == dokDocked) {
                Outline = PlaceOutlineUnderCursor(Cursor, Grab, BarSize, Zones[static_cast<size_t>(Target)].DockedSize);
            } else if (Kind == dokFloating) {
                const TRect Work = WorkAreaOfPoint(Cursor);
                Outline = FloatingDragOutline(ClampCursorToWorkArea(Cursor, Work), Grab, BarSize, FloatSize, Work,
                                              Frame.FrameX, Frame.FrameY, Frame.CaptionHeight);
            } else {
                Outline = {};
            }
            ::SetCursor(LoadCursorA(nullptr, Kind == dokNone ? MAKEINTRESOURCEA(32648) : MAKEINTRESOURCEA(32512)));
            Drawing.Show(Outline, DragOutlineThickness(Kind, Frame.FrameX));
        };
        POINT C{};
        GetCursorPos(&C);
        Track({C.x, C.y}, GetKeyState(VK_CONTROL) < 0);
        End = RunMouseLoop(Wnd, {C.x, C.y}, Track);
    }
    if (End != leAccept || Outline.IsEmpty() || Kind == dokNone) return;
    if (Target >= 0) {
        TQDock* Dock = Docks[static_cast<size_t>(Target)];
        const TPoint Origin = Dock->ClientOrigin();
        TRect InDock = Outline;
        InDock.Offset(-Origin.X, -Origin.Y);
        std::vector<TDockBarSlot> Slots;
        int Mine = -1;
        for (TQCustomToolWindow* B : Dock->DockList()) {
            if (B == this) Mine = static_cast<int>(Slots.size());
            TDockBarSlot S;
            S.DockRow = B->FDockRow;
            S.DockPos = B->FDockPos;
            Slots.push_back(S);
        }
        const TDropPlace Place = PlaceDroppedBar(Slots, Mine, FFullSize, Dock->RowSizes(), Dock->Vertical(), InDock);
        const std::vector<TQCustomToolWindow*> Bars = Dock->DockList();
        for (size_t I = 0; I < Bars.size(); ++I) Bars[I]->FDockRow = Slots[I].DockRow;
        FDockRow = Place.Row;
        FDockPos = Place.Pos;
        if (FParent == Dock) Dock->LayoutDockRows(true);
        else {
            SetParent(Dock);
            Dock->LayoutDockRows(true);
        }
    } else {
        FloatAt(Outline.TopLeft());
    }
    MoveOnScreen(true);
}

void TQCustomToolWindow::BeginSizing(int HitCode) {
    HWND Wnd = Handle();
    const TResizeSides Sides = ResizeSidesForHitCode(HitCode);
    int MinW = 0, MinH = 0;
    GetMinimumSize(MinW, MinH);
    const TEdgeInsets I = NonClientInsets();
    const TExtent MinOuter{MinW + I.Horizontal(), MinH + I.Vertical()};
    ResizeBegin(HitCode);
    const TRect Start = BoundsRect();
    const int Thickness = FloatingFrame().FrameX;
    TRect Outline = Start;
    TLoopEnd End = leCancel;
    {
        const bool Clip = GetParams().ResizeClipCursor && !HasSeveralMonitors();
        TDesktopOutline Drawing(Wnd, Clip, WorkAreaOfRect(Start));
        Drawing.Show(Outline, Thickness);
        POINT C{};
        GetCursorPos(&C);
        const TPoint Origin{C.x, C.y};
        End = RunMouseLoop(Wnd, Origin, [&](TPoint Cursor, bool) {
            TRect R = ResizeOutline(Start, Sides, {Cursor.X - Origin.X, Cursor.Y - Origin.Y}, MinOuter);
            ResizeTrack(R, Start);
            Outline = R;
            Drawing.Show(Outline, Thickness);
        });
    }
    ResizeEnd(End == leAccept);
    if (End != leAccept) return;
    {
        struct TSuspend {
            int& Count;
            ~TSuspend() { --Count; }
        } Suspend{++FSizeUpdateSuspended};
        SetBounds(Outline.Left, Outline.Top, Outline.Width(), Outline.Height());
    }
    // A toolbar takes the layout of the wrap width it was resized to.
    Arrange();
    MoveOnScreen(true);
}
