// Dragging between controls. A drag holds the mouse with a hidden window of
// its own, so no control's window procedure sees the drag's mouse
// messages and no message loop of its own is needed: the application's
// loop delivers them. Targets are asked through CM_DRAG, which passes
// through each control's WindowProc (a designer sees it first).
#include <algorithm>
#include <cstdlib>

#include "framework/controls/Controls.h"
#include "framework/controls/FormSite.h"
#include "framework/controls/ScreenCursors.h"
#include "framework/rtl/Exceptions.h"

// Reaches the source's protected drag steps from the drag's own code.
struct TDragAccess {
    static void EndDrag(TControl* C, TObject* Target, TPoint P) { C->DoEndDrag(Target, P.X, P.Y); }
};

namespace {

struct TDragSession {
    TControl* Control = nullptr;   // the source
    TDragObject* Object = nullptr; // handed out by OnStartDrag
    TControl* Target = nullptr;    // the control under the mouse
    bool Accepted = false;
    bool Started = false;          // the mouse went past the threshold
    TPoint StartPos{};
    int Threshold = 0;
    HWND Capture = nullptr;
};

// One drag at a time per module, on the user-interface thread.
TDragSession Drag;
// The drag being ended: its source and target are still told what
// happened, unless they go away meanwhile.
TDragSession* Ending = nullptr;

const char* const CaptureClassName = "TQrnDragCapture";

// Client coordinates where the control has any (a control taken off its
// parent during the drag has none: the screen point is kept).
TPoint ClientPoint(TControl* C, TPoint Pos) {
    auto* W = dynamic_cast<TWinControl*>(C);
    if (C->Parent() || (W && W->HandleAllocated())) return C->ScreenToClient(Pos);
    return Pos;
}

TObject* SourceOf(const TDragSession& S) { return S.Object ? static_cast<TObject*>(S.Object) : S.Control; }

LRESULT SendDragMessage(const TDragSession& S, TControl* Target, TDragMessage Kind, TPoint Pos) {
    TDragRec Rec{Pos, SourceOf(S), Target};
    return Target->Perform(CM_DRAG, Kind, reinterpret_cast<LPARAM>(&Rec));
}

HCURSOR CursorHandle(TCursor C) { return ScreenCursors ? ScreenCursors->Cursors(C) : LoadCursorA(nullptr, IDC_ARROW); }

void ShowDragCursor(TPoint Pos) {
    if (!Drag.Control || !Drag.Started) return;
    TCursor C = Drag.Accepted ? Drag.Control->DragCursor() : crNoDrop;
    if (Drag.Object) {
        const TPoint P = Drag.Target ? ClientPoint(Drag.Target, Pos) : Pos;
        if (TCursor Own = Drag.Object->GetDragCursor(Drag.Accepted, P.X, P.Y); Own != crDefault) C = Own;
    }
    ::SetCursor(CursorHandle(C));
}

void DragTo(TPoint Pos) {
    if (!Drag.Control) return;
    if (!Drag.Started) {
        if (std::abs(Pos.X - Drag.StartPos.X) < Drag.Threshold && std::abs(Pos.Y - Drag.StartPos.Y) < Drag.Threshold)
            return;
        Drag.Started = true;
    }
    TControl* Target = FindDragTarget(Pos, false);
    if (Target != Drag.Target) {
        if (TControl* Old = Drag.Target) {
            Drag.Target = nullptr;
            Drag.Accepted = false;
            SendDragMessage(Drag, Old, dmDragLeave, Pos);
            if (!Drag.Control) return;  // the handler ended the drag
            Target = FindDragTarget(Pos, false);  // the handler may have changed the window
        }
        Drag.Target = Target;
        if (Target) Drag.Accepted = SendDragMessage(Drag, Target, dmDragEnter, Pos) != 0;
    } else if (Target) {
        Drag.Accepted = SendDragMessage(Drag, Target, dmDragMove, Pos) != 0;
    }
    ShowDragCursor(Pos);
}

void DragDone(bool Drop, TPoint Pos) {
    if (!Drag.Control || Ending) return;
    if (Drop) DragTo(Pos);  // the release point decides
    if (!Drag.Control) return;
    TDragSession S = Drag;
    Drag = TDragSession{};
    Ending = &S;
    struct TEndGuard {
        ~TEndGuard() { Ending = nullptr; }
    } Guard;
    // Gives the mouse back (WM_CAPTURECHANGED finds no drag running).
    if (S.Capture) DestroyWindow(S.Capture);
    ::SetCursor(CursorHandle(ScreenCursors && ScreenCursors->Cursor() != crDefault ? ScreenCursors->Cursor() : crArrow));
    TControl* DropTarget = nullptr;
    if (S.Target && S.Started) {
        if (Drop && S.Accepted) {
            DropTarget = S.Target;
            SendDragMessage(S, S.Target, dmDragDrop, Pos);
        } else {
            SendDragMessage(S, S.Target, dmDragLeave, Pos);
        }
    }
    if (DropTarget && !S.Target) DropTarget = nullptr;  // freed by its own drop handler
    if (!S.Control) return;
    const TPoint P = ClientPoint(DropTarget ? DropTarget : S.Control, Pos);
    TControl* Source = S.Control;
    Ending = nullptr;
    TDragAccess::EndDrag(Source, DropTarget, P);
}

TPoint MessagePoint(HWND Wnd, LPARAM LParam) {
    POINT P{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
    ClientToScreen(Wnd, &P);
    return {P.x, P.y};
}

TPoint CursorPoint() {
    POINT P{};
    GetCursorPos(&P);
    return {P.x, P.y};
}

LRESULT CALLBACK CaptureWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    try {
        if (Drag.Control && Wnd == Drag.Capture) {
            switch (Msg) {
                case WM_MOUSEMOVE:
                    DragTo(MessagePoint(Wnd, LParam));
                    return 0;
                case WM_LBUTTONUP:
                case WM_RBUTTONUP:
                    DragDone(true, MessagePoint(Wnd, LParam));
                    return 0;
                case WM_CAPTURECHANGED:
                    if (reinterpret_cast<HWND>(LParam) != Wnd) DragDone(false, CursorPoint());
                    return 0;
                case WM_CANCELMODE:
                    DragDone(false, CursorPoint());
                    return 0;
                case WM_SETCURSOR:
                    ShowDragCursor(CursorPoint());
                    return TRUE;
                default:
                    break;
            }
        }
    } catch (...) {
        HandleCallbackException(Drag.Control);
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

void UnregisterCaptureClass() {
    if (Drag.Capture) DestroyWindow(Drag.Capture);
    Drag = TDragSession{};
    UnregisterClassA(CaptureClassName, FrameworkInstance());
}

HWND CreateCaptureWindow() {
    WNDCLASSA C{};
    if (!GetClassInfoA(FrameworkInstance(), CaptureClassName, &C)) {
        C = WNDCLASSA{};
        C.lpfnWndProc = CaptureWndProc;
        C.hInstance = FrameworkInstance();
        C.lpszClassName = CaptureClassName;
        if (!RegisterClassA(&C)) throw EOutOfResources("Error creating window class");
        AddFrameworkCleanup(UnregisterCaptureClass);
    }
    // Hidden and never shown: it only holds the mouse.
    HWND Wnd = CreateWindowExA(WS_EX_TOOLWINDOW, CaptureClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               FrameworkInstance(), nullptr);
    if (!Wnd) throw EOutOfResources("Error creating window");
    return Wnd;
}

}  // namespace

TCursor TDragObject::GetDragCursor(bool, int, int) { return crDefault; }

TControl* DragControl() { return Drag.Control; }

void CancelDrag() {
    if (Drag.Control) DragDone(false, CursorPoint());
}

void DragControlDestroyed(TControl* Control) {
    for (TDragSession* S : {&Drag, Ending}) {
        if (!S) continue;
        if (S->Target == Control) {
            S->Target = nullptr;
            S->Accepted = false;
        }
        if (S->Control == Control) {
            S->Control = nullptr;
            // A source that goes away ends its drag; nobody is told.
            if (S == &Drag) {
                HWND Capture = Drag.Capture;
                Drag = TDragSession{};
                if (Capture) DestroyWindow(Capture);
            }
        }
    }
}

bool TControl::Dragging() const { return Drag.Control == this; }

void TControl::BeginDrag(bool Immediate, int Threshold) {
    if (dynamic_cast<IFormSite*>(this)) throw EInvalidOperation("A form cannot be dragged");
    if (Drag.Control || Ending) return;
    if (Threshold < 0) Threshold = std::max(GetSystemMetrics(SM_CXDRAG), 1);
    FControlState.Exclude(csClicked).Exclude(csLButtonDown);
    Drag = TDragSession{};
    Drag.Control = this;
    Drag.Threshold = Threshold;
    Drag.Started = Immediate;
    Drag.StartPos = CursorPoint();
    TDragObject* Object = nullptr;
    try {
        DoStartDrag(Object);
    } catch (...) {
        if (Drag.Control == this) Drag = TDragSession{};
        throw;
    }
    if (Drag.Control != this) return;  // OnStartDrag ended it
    Drag.Object = Object;
    Drag.Capture = CreateCaptureWindow();
    SetCapture(Drag.Capture);
    if (Immediate) DragTo(Drag.StartPos);
}

void TControl::EndDrag(bool Drop) {
    if (Dragging()) DragDone(Drop, CursorPoint());
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
    if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
    if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Accept = false;
    if (OnDragOver) {
        Accept = true;
        OnDragOver(this, Source, X, Y, State, Accept);
    }
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
    if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::CMDrag(TMessage& Message) {
    Message.Result = 0;
    const auto* Rec = reinterpret_cast<const TDragRec*>(Message.LParam);
    if (!Rec) return;
    const TPoint P = ClientPoint(this, Rec->Pos);
    switch (static_cast<TDragMessage>(Message.WParam)) {
        case dmDragEnter:
        case dmDragMove:
        case dmDragLeave: {
            const TDragState State = Message.WParam == dmDragEnter   ? dsDragEnter
                                     : Message.WParam == dmDragLeave ? dsDragLeave
                                                                     : dsDragMove;
            bool Accept = false;
            DragOver(Rec->Source, P.X, P.Y, State, Accept);
            Message.Result = Accept ? 1 : 0;
            break;
        }
        case dmDragDrop:
            DragDrop(Rec->Source, P.X, P.Y);
            break;
    }
}

bool TControl::BeginAutoDrag() {
    if (FDragMode != dmAutomatic || ComponentState().Contains(csDesigning)) return false;
    BeginDrag(false);
    return true;
}
