#include "designer/engine/win/ControlHandles.h"

#include "designer/engine/win/DragFrame.h"
#include "framework/forms/Forms.h"

namespace {

constexpr char HandleClassName[] = "TCHandle";
constexpr int HandleSize = 4;

void RegisterHandleClass(WNDPROC Proc) {
    WNDCLASSA Existing{};
    if (GetClassInfoA(FrameworkInstance(), HandleClassName, &Existing)) return;
    WNDCLASSA C{};
    C.lpfnWndProc = Proc;
    C.hInstance = FrameworkInstance();
    C.lpszClassName = HandleClassName;
    RegisterClassA(&C);
}

HWND FormWindowOf(TControl* Control) {
    TCustomForm* Form = Control ? GetParentForm(Control) : nullptr;
    if (!Form) Form = dynamic_cast<TCustomForm*>(Control);
    return Form ? Form->Handle() : nullptr;
}

LPCSTR CursorOf(THandlePosition P) {
    switch (P) {
        case THandlePosition::TopLeft:
        case THandlePosition::BottomRight: return IDC_SIZENWSE;
        case THandlePosition::Top:
        case THandlePosition::Bottom: return IDC_SIZENS;
        case THandlePosition::TopRight:
        case THandlePosition::BottomLeft: return IDC_SIZENESW;
        default: return IDC_SIZEWE;
    }
}

bool OfferedToDesigner(UINT Msg) {
    return Msg != WM_SIZE && Msg != WM_MOVE && Msg != WM_WINDOWPOSCHANGED && Msg != WM_SIZING && Msg != WM_MOVING;
}

}  // namespace

TRect ScreenBounds(TControl* Control) {
    TRect R = Control->BoundsRect();
    if (TWinControl* P = Control->Parent()) {
        const TPoint O = P->ClientOrigin();
        R.Offset(O.X, O.Y);
    }
    return R;
}

TRect VisibleClientRect(TControl* Control) {
    TRect Visible;
    bool First = true;
    for (TControl* C = Control; C; C = C->Parent()) {
        const TPoint O = C->ClientOrigin();
        TRect Client = C->ClientRect();
        Client.Offset(O.X, O.Y);
        Visible = First ? Client : IntersectRect(Visible, Client);
        First = false;
        if (dynamic_cast<TCustomForm*>(C)) break;
    }
    return Visible;
}

// ---- TCHandle

TCHandle::TCHandle(TControlHandles* Owner, THandlePosition Position) : FOwner(Owner), FPosition(Position) {
    RegisterHandleClass(&TCHandle::WindowProcedure);
    FWindow = CreateWindowExA(WS_EX_TOPMOST, HandleClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              FrameworkInstance(), nullptr);
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(FWindow, GWL_STYLE, WS_CHILD);
}

TCHandle::~TCHandle() {
    if (FDragging) ReleaseCapture();
    SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
    DestroyWindow(FWindow);
}

void TCHandle::SetMode(TCHShowMode Value) {
    FMode = Value;
    FCanSize = Value != smInActive && Value != smInvisible;
    InvalidateRect(FWindow, nullptr, TRUE);
}

void TCHandle::Reposition() {
    TControl* Control = FOwner->Control();
    if (!Control || Control->ComponentState().Contains(csDestroying)) return;
    HWND FormWnd = FormWindowOf(Control);
    if (!FormWnd) return;
    if (GetParent(FWindow) != FormWnd) SetParent(FWindow, FormWnd);
    const bool BorderX = Control->ClientWidth() != Control->Width();
    const bool BorderY = Control->ClientHeight() != Control->Height();
    TPoint P = HandlePoint(FPosition, Control->Width(), Control->Height(), BorderX, BorderY);
    const TRect Screen = ScreenBounds(Control);
    P = {P.X + Screen.Left, P.Y + Screen.Top};
    TControl* Parent = Control->Parent() ? static_cast<TControl*>(Control->Parent()) : Control;
    const TRect Visible = VisibleClientRect(Parent);
    // The right and bottom edges count as inside: handles sit on them.
    const bool Inside = P.X >= Visible.Left && P.X <= Visible.Right && P.Y >= Visible.Top && P.Y <= Visible.Bottom;
    if (!Inside) {
        P = {-10000, -10000};
    } else {
        POINT Client{P.X, P.Y};
        ScreenToClient(FormWnd, &Client);
        P = {Client.x, Client.y};
    }
    SetWindowPos(FWindow, HWND_TOP, P.X - HandleSize / 2, P.Y - HandleSize / 2, HandleSize, HandleSize,
                 SWP_SHOWWINDOW);
}

void TCHandle::StopDragging() {
    if (!FDragging) return;
    FDragging = false;
    ReleaseCapture();
}

void TCHandle::Paint() {
    PAINTSTRUCT PS;
    HDC DC = BeginPaint(FWindow, &PS);
    const RECT R{0, 0, HandleSize, HandleSize};
    switch (FMode) {
        case smActive:
            SelectObject(DC, GetStockObject(BLACK_BRUSH));
            PatBlt(DC, 0, 0, HandleSize, HandleSize, PATCOPY);
            break;
        case smInActive: {
            HGDIOBJ OldPen = SelectObject(DC, GetStockObject(BLACK_PEN));
            HGDIOBJ OldBrush = SelectObject(DC, GetStockObject(GRAY_BRUSH));
            Rectangle(DC, R.left, R.top, R.right, R.bottom);
            SelectObject(DC, OldBrush);
            SelectObject(DC, OldPen);
            break;
        }
        case smGrayed: FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))); break;
        case smInvisible: break;
    }
    EndPaint(FWindow, &PS);
}

LRESULT CALLBACK TCHandle::WindowProcedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = reinterpret_cast<TCHandle*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA));
    if (!Self) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    try {
        return Self->Handle(Msg, WParam, LParam);
    } catch (...) {
        HandleCallbackException(nullptr);
        return 0;
    }
}

LRESULT TCHandle::Handle(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TControl* Control = FOwner->Control();
    if (!FDragging && Msg != WM_LBUTTONDOWN && OfferedToDesigner(Msg) && Control && FOwner->FilterMessage) {
        TMessage M{Msg, WParam, LParam, 0};
        if (FOwner->FilterMessage(Control, M)) return M.Result;
    }
    switch (Msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (FCanSize && Control && FOwner->Enabled()) {
                FOwner->Press(*this, Msg == WM_LBUTTONDOWN ? mbLeft : mbRight);
                FDragging = true;
                SetCapture(FWindow);
            }
            return 0;
        case WM_MOUSEMOVE:
            if (FDragging) {
                POINT P{static_cast<int16_t>(LOWORD(LParam)), static_cast<int16_t>(HIWORD(LParam))};
                ClientToScreen(FWindow, &P);
                FOwner->MoveTo(*this, {P.x, P.y});
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (FDragging) {
                FOwner->Release(*this);
                StopDragging();
            }
            return 0;
        case WM_ERASEBKGND: return 0;
        case WM_SETCURSOR:
            if (FCanSize && FMode != smInvisible) {
                SetCursor(LoadCursorA(nullptr, CursorOf(FPosition)));
                return 1;
            }
            break;
        case WM_PAINT: Paint(); return 0;
        default: break;
    }
    return DefWindowProcA(FWindow, Msg, WParam, LParam);
}

// ---- TControlHandles

TControlHandles::TControlHandles() {
    for (int I = 0; I < 8; ++I)
        FHandles[static_cast<size_t>(I)] = std::make_unique<TCHandle>(this, static_cast<THandlePosition>(I + 1));
}

TControlHandles::~TControlHandles() {
    if (FSizing) Cancel();
}

TCHandle* TControlHandles::FindHandle(HWND Wnd) {
    for (auto& H : FHandles)
        if (H->Window() == Wnd) return H.get();
    return nullptr;
}

void TControlHandles::SetControl(TControl* Value) {
    if (FSizing) Cancel();
    FControl = Value;
    for (auto& H : FHandles) {
        H->SetMode(smActive);
        if (FControl && FVisible) H->Reposition();
    }
    FShowMode = smActive;
}

void TControlHandles::SetHandlesVisible(bool Value) {
    FVisible = Value;
    for (auto& H : FHandles) {
        if (Value && FControl)
            H->Reposition();
        else
            ShowWindow(H->Window(), SW_HIDE);
    }
}

void TControlHandles::SetShowMode(TCHShowMode Mode) {
    if (!FControl) return;
    FShowMode = Mode;
    for (auto& H : FHandles) H->SetMode(Mode);
    if (TWinControl* P = FControl->Parent()) P->Invalidate();
    FControl->Invalidate();
}

void TControlHandles::Update() {
    if (!FVisible || !FControl || FControl->ComponentState().Contains(csDestroying)) return;
    for (auto& H : FHandles) H->Reposition();
}

void TControlHandles::DrawFrame() const { DrawDragFrame(FSizingRect, FClipRect, true); }

void TControlHandles::Press(TCHandle& Handle, TMouseButton Button) {
    FSavedMode = FShowMode;
    SetShowMode(smInvisible);
    if (TCustomForm* Form = GetParentForm(FControl)) Form->Update();
    TControl* Parent = FControl->Parent() ? static_cast<TControl*>(FControl->Parent()) : FControl;
    FClipRect = VisibleClientRect(Parent);
    const RECT Clip{FClipRect.Left, FClipRect.Top, FClipRect.Right, FClipRect.Bottom};
    ClipCursor(&Clip);
    FSizingRect = ScreenBounds(FControl);
    FSizing = true;
    DrawFrame();
    if (OnMouseDown) OnMouseDown(this, Button, {}, Handle.Position());
    if (OnStartSizeChanging) OnStartSizeChanging(this);
}

void TControlHandles::MoveTo(TCHandle& Handle, TPoint ScreenPoint) {
    if (!FSizing) return;
    TRect R = ResizeByHandle(FSizingRect, Handle.Position(), ScreenPoint);
    if (OnValidateRect) OnValidateRect(this, R);
    if (R == FSizingRect) return;
    DrawFrame();
    FSizingRect = R;
    DrawFrame();
    if (OnSizeChanging) OnSizeChanging(this, R.Width(), R.Height());
}

void TControlHandles::Release(TCHandle&) {
    if (!FSizing) return;
    DrawFrame();
    FSizing = false;
    ClipCursor(nullptr);
    TRect R = NormalizeRect(FSizingRect);
    if (TWinControl* P = FControl->Parent()) {
        const TPoint O = P->ClientOrigin();
        R.Offset(-O.X, -O.Y);
    }
    FControl->SetBoundsRect(R);
    Update();
    SetShowMode(FSavedMode);
    if (OnSizeChanged) OnSizeChanged(this, R.Width(), R.Height());
}

void TControlHandles::Cancel() {
    if (!FSizing) return;
    FSizing = false;
    for (auto& H : FHandles) H->StopDragging();
    DrawFrame();
    ClipCursor(nullptr);
    SetShowMode(FSavedMode);
}
