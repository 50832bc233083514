// TWinControl: the window, children, painting, focus, keys and alignment.
#include <algorithm>

#include "framework/controls/AppWindow.h"
#include "framework/controls/Controls.h"
#include "framework/controls/FormSite.h"
#include "framework/controls/PopupMenuLink.h"
#include "framework/controls/ScreenCursors.h"
#include "framework/rtl/Exceptions.h"

namespace {

thread_local TWinControl* CreationControl = nullptr;

// The window a child's window goes under: that of the nearest later
// windowed child that has one (later children lie above), or the top.
HWND WindowAbove(const TWinControl* Parent, const TWinControl* Child) {
    bool After = false;
    for (int I = 0; I < Parent->ControlCount(); ++I) {
        TControl* C = Parent->Controls(I);
        if (auto* W = dynamic_cast<TWinControl*>(C); After && W && W->HandleAllocated()) return W->Handle();
        if (C == Child) After = true;
    }
    return HWND_TOP;
}

std::vector<std::string>& RegisteredClasses() {
    static std::vector<std::string> Names;
    return Names;
}

// Restores a device context's state on every way out of a paint.
struct TSavedDC {
    HDC DC;
    int Saved;
    explicit TSavedDC(HDC ADC) : DC(ADC), Saved(SaveDC(ADC)) {}
    ~TSavedDC() { RestoreDC(DC, Saved); }
};

}  // namespace

void (*FrameworkMessageWatch)(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) = nullptr;

LRESULT CALLBACK QrnStdWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (FrameworkMessageWatch) FrameworkMessageWatch(Wnd, Msg, WParam, LParam);
    auto* Control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA));
    if (!Control) {
        Control = CreationControl;
        if (!Control) return DefWindowProcA(Wnd, Msg, WParam, LParam);
        CreationControl = nullptr;
        Control->FHandle = Wnd;
        SetWindowLongPtrA(Wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Control));
    }
    TMessage M{Msg, WParam, LParam, 0};
    try {
        Control->WindowProc(M);
    } catch (...) {
        HandleCallbackException(Control);
    }
    if (Msg == WM_NCDESTROY) {
        SetWindowLongPtrA(Wnd, GWLP_USERDATA, 0);
        if (Control->FHandle == Wnd) Control->FHandle = nullptr;
    }
    return M.Result;
}

TWinControl* FindControl(HWND Wnd) {
    if (!Wnd || !IsWindow(Wnd)) return nullptr;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Wnd, GWLP_WNDPROC)) != QrnStdWndProc) return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA));
}

TWinControl* FindVCLWindow(HWND Wnd) {
    while (Wnd) {
        if (TWinControl* C = FindControl(Wnd)) return C;
        Wnd = GetParent(Wnd);
    }
    return nullptr;
}

TControl* FindDragTarget(TPoint Pos, bool AllowDisabled) {
    TWinControl* W = FindVCLWindow(WindowFromPoint(POINT{Pos.X, Pos.Y}));
    if (!W) return nullptr;
    if (TControl* C = W->ControlAtPos(W->ScreenToClient(Pos), AllowDisabled)) return C;
    return W;
}

void TWinControl::UnregisterWindowClasses() {
    for (const std::string& Name : RegisteredClasses()) UnregisterClassA(Name.c_str(), FrameworkInstance());
    RegisteredClasses().clear();
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
    FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
    DestroyHandle();
    // Children not owned by this control outlive it: they just lose their parent.
    while (!FControls.empty()) RemoveControl(FControls.back());
}

void TWinControl::BeforeDestruction() {
    inherited::BeforeDestruction();
    // The window goes while the object is whole, so its last messages still
    // reach the overrides.
    DestroyHandle();
}

// ---- window

void TWinControl::CreateParams(TCreateParams& Params) {
    Params = TCreateParams{};
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FParent && FVisible) Params.Style |= WS_VISIBLE;
    if (!FEnabled && !KeepsEnabledForDesign(this)) Params.Style |= WS_DISABLED;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WndParent = FParent ? FParent->Handle() : FParentWindow;
    Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    Params.WindowClass.lpfnWndProc = DefWindowProcA;
    Params.WindowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // arrow
    Params.WindowClass.hInstance = FrameworkInstance();
    Params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* ControlClassName) {
    WNDCLASSA Sys{};
    if (!GetClassInfoA(nullptr, ControlClassName, &Sys) && !GetClassInfoA(FrameworkInstance(), ControlClassName, &Sys))
        throw EInvalidOperation(std::string("Window class ") + ControlClassName + " does not exist");
    Sys.hInstance = FrameworkInstance();
    Sys.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    Params.WindowClass = Sys;
}

void TWinControl::CreateWnd() {
    TCreateParams P;
    CreateParams(P);
    if ((P.Style & WS_CHILD) && !P.WndParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    FDefWndProc = P.WindowClass.lpfnWndProc ? P.WindowClass.lpfnWndProc : DefWindowProcA;
    WNDCLASSA Existing{};
    const bool Found = GetClassInfoA(P.WindowClass.hInstance, P.WinClassName.c_str(), &Existing);
    if (!Found || Existing.lpfnWndProc != QrnStdWndProc) {
        if (Found) UnregisterClassA(P.WinClassName.c_str(), P.WindowClass.hInstance);
        WNDCLASSA C = P.WindowClass;
        C.lpfnWndProc = QrnStdWndProc;
        C.lpszClassName = P.WinClassName.c_str();
        if (!RegisterClassA(&C)) throw EOutOfResources("Error creating window class");
        RegisteredClasses().push_back(P.WinClassName);
    }
    CreateWindowHandle(P);
    if (!FHandle) throw EOutOfResources("Error creating window");
    if (FFont) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
}

void TWinControl::CreateWindowHandle(const TCreateParams& P) {
    CreationControl = this;
    HWND Wnd = CreateWindowExA(P.ExStyle, P.WinClassName.c_str(), P.Caption.c_str(), P.Style, P.X, P.Y, P.Width,
                               P.Height, P.WndParent, nullptr, FrameworkInstance(), P.Param);
    CreationControl = nullptr;
    if (Wnd) FHandle = Wnd;
}

void TWinControl::CreateHandle() {
    if (FHandle) return;
    FControlState.Include(csCreating);
    try {
        CreateWnd();
    } catch (...) {
        FControlState.Exclude(csCreating);
        throw;
    }
    FControlState.Exclude(csCreating);
    // A new window lies in its place among the siblings' windows, whatever
    // order the windows are made in: a later control above an earlier one.
    if (FParent) SetWindowPos(FHandle, WindowAbove(FParent, this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateBounds();
    // Windowed children that are to be seen get their windows now.
    for (TWinControl* W : FTabList)
        if (W->FVisible) W->HandleNeeded();
    Realign();
}

void TWinControl::HandleNeeded() {
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded();
    CreateHandle();
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::SetParentWindow(HWND Value) {
    if (FParent || Value == FParentWindow) return;
    FParentWindow = Value;
    if (FHandle) RecreateWnd();
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    for (TWinControl* W : FTabList) W->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    FText = GetText();
    for (TControl* C : FControls)
        if (auto* G = dynamic_cast<TGraphicControl*>(C)) static_cast<TControlCanvas*>(G->Canvas())->FreeHandle();
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
    FControlState.Include(csDestroyingHandle);
    HWND Wnd = FHandle;
    if (Wnd) DestroyWindow(Wnd);
    FHandle = nullptr;
    FShowing = false;
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    const bool WasFocused = Focused();
    DestroyHandle();
    HandleNeeded();
    UpdateShowing();
    if (WasFocused && CanFocus()) SetFocus();
}

std::string TWinControl::GetText() {
    if (!FHandle) return FText;
    int Len = GetWindowTextLengthA(FHandle);
    std::string S(static_cast<size_t>(Len) + 1, '\0');
    Len = GetWindowTextA(FHandle, S.data(), Len + 1);
    S.resize(static_cast<size_t>(std::max(Len, 0)));
    return S;
}

void TWinControl::SetTextInternal(const std::string& Value) {
    FText = Value;
    if (FHandle) SetWindowTextA(FHandle, Value.c_str());
}

void TWinControl::UpdateShowing() {
    bool ShowIt = FVisible || (ComponentState().Contains(csDesigning) && !FControlStyle.Contains(csNoDesignVisible));
    if (FParent) ShowIt = ShowIt && FParent->Showing();
    if (ShowIt && !FHandle) {
        if (ComponentState().Contains(csLoading)) return;
        HandleNeeded();
    }
    if (ShowIt == FShowing) return;
    FShowing = ShowIt;
    try {
        ShowingChanged();
    } catch (...) {
        FShowing = !ShowIt;
        throw;
    }
    for (TWinControl* W : FTabList) W->UpdateShowing();
}

void TWinControl::ShowingChanged() {
    if (!FHandle) return;
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TWinControl::UpdateBounds() {
    if (!FHandle) return;
    RECT R{};
    GetWindowRect(FHandle, &R);
    HWND ParentWnd = GetParent(FHandle);
    if ((GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD) && ParentWnd)
        MapWindowPoints(nullptr, ParentWnd, reinterpret_cast<POINT*>(&R), 2);
    FLeft = R.left;
    FTop = R.top;
    FWidth = R.right - R.left;
    FHeight = R.bottom - R.top;
}

void TWinControl::Loaded() {
    inherited::Loaded();
    Realign();
    // Read into a parent that is already on the screen (a paste, an undo):
    // the window is made now, as for a control inserted by code.
    if (FParent && FParent->HandleAllocated() && !FParent->ComponentState().Contains(csLoading)) UpdateShowing();
}

// ---- bounds and painting

TRect TWinControl::ClientRect() {
    if (FHandle) {
        RECT R{};
        GetClientRect(FHandle, &R);
        return FromRECT(R);
    }
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() {
    if (FHandle) {
        POINT P{0, 0};
        ::ClientToScreen(FHandle, &P);
        return {P.x, P.y};
    }
    if (FParent) return TControl::ClientOrigin();
    return {FLeft, FTop};
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    if (FHandle && !IsIconic(FHandle)) {
        // WM_WINDOWPOSCHANGED reads the bounds back; WM_SIZE realigns.
        // The uncovered parts are erased with the next paint, not at once:
        // a realignment moves many windows, and erasing the parent and all
        // its children after each move repaints them all as often.
        SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
    } else {
        FLeft = ALeft;
        FTop = ATop;
        const bool Sized = AWidth != FWidth || AHeight != FHeight;
        FWidth = AWidth;
        FHeight = AHeight;
        if (Sized) {
            Realign();
            Resize();
        }
    }
    RequestAlign();
}

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
    if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::PaintWindow(HDC DC) {
    TMessage M{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(&M);
}

void TWinControl::PaintHandler(TMessage& Message) {
    PAINTSTRUCT PS{};
    HDC DC = reinterpret_cast<HDC>(Message.WParam);
    const bool Own = DC == nullptr;
    if (Own) DC = BeginPaint(FHandle, &PS);
    struct TEnd {
        HWND Wnd;
        PAINTSTRUCT* PS;
        bool Own;
        ~TEnd() {
            if (Own) EndPaint(Wnd, PS);
        }
    } End{FHandle, &PS, Own};
    {
        TSavedDC Saved(DC);
        // Opaque windowless children paint their own area.
        for (TControl* C : FControls)
            if (!dynamic_cast<TWinControl*>(C) && C->Visible() && C->ControlStyle().Contains(csOpaque))
                ExcludeClipRect(DC, C->Left(), C->Top(), C->Left() + C->Width(), C->Top() + C->Height());
        PaintWindow(DC);
    }
    PaintControls(DC, nullptr);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    auto It = FControls.begin();
    if (First) It = std::find(FControls.begin(), FControls.end(), First);
    for (; It != FControls.end(); ++It) {
        TControl* C = *It;
        if (dynamic_cast<TWinControl*>(C)) continue;
        const bool Seen = C->Visible() || (C->ComponentState().Contains(csDesigning) &&
                                           !C->ControlStyle().Contains(csNoDesignVisible));
        if (!Seen) continue;
        RECT Clip{};
        GetClipBox(DC, &Clip);
        RECT Bounds = ToRECT(C->BoundsRect()), Both{};
        if (!IntersectRect(&Both, &Clip, &Bounds)) continue;
        TSavedDC Saved(DC);
        POINT Org{};
        GetWindowOrgEx(DC, &Org);
        SetWindowOrgEx(DC, Org.x - C->Left(), Org.y - C->Top(), nullptr);
        IntersectClipRect(DC, 0, 0, C->Width(), C->Height());
        C->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    }
}

// ---- children

void TWinControl::InsertControl(TControl* AControl) {
    AControl->FParent = this;
    FControls.push_back(AControl);
    if (auto* W = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(W);
    if (!AControl->ComponentState().Contains(csLoading)) {
        AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
        AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        AControl->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
        if (FHandle && !AControl->ComponentState().Contains(csLoading)) W->UpdateShowing();
    } else {
        AControl->Invalidate();
    }
    if (AControl->Align() != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* AControl) {
    auto It = std::find(FControls.begin(), FControls.end(), AControl);
    if (It == FControls.end()) return;
    if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
        if (IFormSite* Form = FormSiteOf(this)) Form->DefocusControl(W, true);
        W->DestroyHandle();
    } else {
        AControl->InvalidateControl(AControl->Visible(), false);
    }
    // By address: a control deleted without Free() is no longer a
    // TWinControl by the time its base destructor gets here.
    FTabList.erase(std::remove_if(FTabList.begin(), FTabList.end(),
                                  [AControl](TWinControl* W) { return static_cast<TControl*>(W) == AControl; }),
                   FTabList.end());
    if (GetCaptureControl() == AControl) SetCaptureControl(nullptr);
    FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
    AControl->FParent = nullptr;
    if (!ComponentState().Contains(csDestroying)) {
        Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
        if (AControl->Align() != alNone) Realign();
    }
}

bool TWinControl::ContainsControl(TControl* Control) const {
    for (; Control; Control = Control->Parent())
        if (Control == this) return true;
    return false;
}

void TWinControl::ShowControl(TControl*) {
    if (Parent()) Parent()->ShowControl(this);
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) {
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
        TControl* C = *It;
        const bool Windowed = dynamic_cast<TWinControl*>(C) != nullptr;
        if (Windowed && !AllowWinControls) continue;
        const bool Seen = C->Visible() || (C->ComponentState().Contains(csDesigning) &&
                                           !C->ControlStyle().Contains(csNoDesignVisible));
        if (!Seen || !(C->Enabled() || AllowDisabled) || !C->BoundsRect().Contains(Pos)) continue;
        const TPoint Local{Pos.X - C->Left(), Pos.Y - C->Top()};
        if (C->Perform(CM_HITTEST, 0, MAKELPARAM(Local.X, Local.Y)) != 0) return C;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
    // A copy: a handler may add or remove controls.
    std::vector<TControl*> List = FControls;
    for (TControl* C : List) {
        C->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(uint32_t Msg) {
    TMessage M{Msg, 0, 0, 0};
    Broadcast(M);
}

void TWinControl::SetZOrderPosition(TControl* Control, int Position) {
    auto It = std::find(FControls.begin(), FControls.end(), Control);
    if (It == FControls.end()) return;
    FControls.erase(It);
    Position = std::clamp(Position, 0, static_cast<int>(FControls.size()));
    FControls.insert(FControls.begin() + Position, Control);
    if (auto* W = dynamic_cast<TWinControl*>(Control)) {
        if (W->FHandle)
            SetWindowPos(W->FHandle, WindowAbove(this, W), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        Control->Invalidate();
    }
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
    for (TControl* C : FControls)
        if (C->Owner() == Root) Proc(C);
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
    if (auto* C = dynamic_cast<TControl*>(Child)) SetZOrderPosition(C, Order);
}

// ---- alignment

void TWinControl::Realign() {
    TRect R = ClientRect();
    AlignControls(nullptr, R);
}

void TWinControl::EnableAlign() {
    if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading)) {
        FControlState.Include(csAlignmentNeeded);
        return;
    }
    FControlState.Exclude(csAlignmentNeeded);
    ++FAlignLevel;
    struct TLevel {
        int& L;
        ~TLevel() { --L; }
    } Level{FAlignLevel};
    AdjustClientRect(Rect);
    for (TAlign A : {alTop, alBottom, alLeft, alRight, alClient}) DoAlign(A, Rect);
}

void TWinControl::DoAlign(TAlign Align, TRect& Rect) {
    std::vector<TControl*> List;
    for (TControl* C : FControls)
        if (C->Align() == Align && (C->Visible() || C->ComponentState().Contains(csDesigning))) List.push_back(C);
    // Nearest to the side being filled goes first.
    std::stable_sort(List.begin(), List.end(), [Align](TControl* A, TControl* B) {
        switch (Align) {
            case alTop: return A->Top() < B->Top();
            case alBottom: return A->Top() + A->Height() > B->Top() + B->Height();
            case alLeft: return A->Left() < B->Left();
            case alRight: return A->Left() + A->Width() > B->Left() + B->Width();
            default: return false;
        }
    });
    for (TControl* C : List) {
        const int W = C->Width(), H = C->Height();
        switch (Align) {
            case alTop:
                C->SetBounds(Rect.Left, Rect.Top, Rect.Width(), H);
                Rect.Top += C->Height();
                break;
            case alBottom:
                C->SetBounds(Rect.Left, Rect.Bottom - H, Rect.Width(), H);
                Rect.Bottom -= C->Height();
                break;
            case alLeft:
                C->SetBounds(Rect.Left, Rect.Top, W, Rect.Height());
                Rect.Left += C->Width();
                break;
            case alRight:
                C->SetBounds(Rect.Right - W, Rect.Top, W, Rect.Height());
                Rect.Right -= C->Width();
                break;
            case alClient:
                C->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            default:
                break;
        }
    }
}

// ---- tab order and focus

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    auto& L = FParent->FTabList;
    auto It = std::find(L.begin(), L.end(), this);
    return It == L.end() ? -1 : static_cast<int>(It - L.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (!FParent) return;
    auto& L = FParent->FTabList;
    auto It = std::find(L.begin(), L.end(), this);
    if (It == L.end()) return;
    L.erase(It);
    Value = std::clamp(Value, 0, static_cast<int>(L.size()));
    L.insert(L.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
    if (Value == FTabStop) return;
    FTabStop = Value;
    if (FHandle) {
        LONG_PTR Style = GetWindowLongPtrA(FHandle, GWL_STYLE);
        SetWindowLongPtrA(FHandle, GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
    }
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
    for (TWinControl* W : FTabList) {
        List.push_back(W);
        W->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty()) return nullptr;
    const int Count = static_cast<int>(List.size());
    auto Found = std::find(List.begin(), List.end(), CurControl);
    int Start = Found == List.end() ? (GoForward ? Count - 1 : 0) : static_cast<int>(Found - List.begin());
    int I = Start;
    do {
        if (GoForward) {
            if (++I == Count) I = 0;
        } else {
            if (I == 0) I = Count;
            --I;
        }
        TWinControl* W = List[static_cast<size_t>(I)];
        if (W != CurControl && W->CanFocus() && (!CheckTabStop || W->TabStop()) && (!CheckParent || W->Parent() == this))
            return W;
    } while (I != Start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* W = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) W->SetFocus();
}

bool TWinControl::CanFocus() {
    for (TControl* C = this; C; C = C->Parent())
        if (!C->Visible() || !C->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    if (IFormSite* Form = FormSiteOf(this); Form && Form->FormControl() != this) Form->FocusControl(this);
    else ::SetFocus(Handle());
}

void TWinControl::WMSetFocus(TMessage&) {
    if (IFormSite* Form = FormSiteOf(this)) Form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage&) {}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

// ---- keys

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

bool TWinControl::DoKeyDown(TMessage& Message) {
    IFormSite* Form = FormSiteOf(this);
    if (Form && Form->FormControl() != this && Form->KeyPreview() && Form->FormControl()->DoKeyDown(Message)) return true;
    if (FControlStyle.Contains(csNoStdEvents)) return false;
    uint16_t Key = static_cast<uint16_t>(Message.WParam);
    KeyDown(Key, KeyDataToShiftState(Message.LParam));
    Message.WParam = Key;
    return Key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
    IFormSite* Form = FormSiteOf(this);
    if (Form && Form->FormControl() != this && Form->KeyPreview() && Form->FormControl()->DoKeyPress(Message)) return true;
    if (FControlStyle.Contains(csNoStdEvents)) return false;
    char Ch = static_cast<char>(Message.WParam);
    KeyPress(Ch);
    Message.WParam = static_cast<unsigned char>(Ch);
    return Ch == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
    IFormSite* Form = FormSiteOf(this);
    if (Form && Form->FormControl() != this && Form->KeyPreview() && Form->FormControl()->DoKeyUp(Message)) return true;
    if (FControlStyle.Contains(csNoStdEvents)) return false;
    uint16_t Key = static_cast<uint16_t>(Message.WParam);
    KeyUp(Key, KeyDataToShiftState(Message.LParam));
    Message.WParam = Key;
    return Key == 0;
}

// A key no menu of the control's own form takes goes on to the application,
// which offers it to the main form's menu: a code window (an MDI child) or a
// floating tool window has no menu of its own.
bool TWinControl::IsMenuKey(TMessage& Message) {
    if (!ComponentState().Contains(csDesigning)) {
        for (TControl* C = this; C; C = C->Parent())
            if (C->FPopupLink && C->FPopupLink->IsShortCut(Message)) return true;
        IFormSite* Form = FormSiteOf(this);
        if (Form && Form->IsShortCut(Message)) return true;
    }
    HWND App = ApplicationHandleProc ? ApplicationHandleProc() : nullptr;
    return App && SendMessageA(App, CM_APPKEYDOWN, Message.WParam, Message.LParam) != 0;
}

// Menu short-cuts come first; then a dialog key (tab, arrows, enter,
// escape) goes to the form unless the control asks for that key itself.
void TWinControl::CNKeyDown(TMessage& Message) {
    Message.Result = 1;
    if (IsMenuKey(Message)) return;
    if (!ComponentState().Contains(csDesigning)) {
        if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
        LRESULT Mask = 0;
        switch (Message.WParam) {
            case VK_TAB: Mask = DLGC_WANTTAB; break;
            case VK_LEFT:
            case VK_RIGHT:
            case VK_UP:
            case VK_DOWN: Mask = DLGC_WANTARROWS; break;
            case VK_RETURN:
            case VK_EXECUTE:
            case VK_ESCAPE:
            case VK_CANCEL: Mask = DLGC_WANTALLKEYS; break;
        }
        // Each key is decided by its own bit: a control that wants all keys
        // but not Tab (DLGC_WANTALLKEYS without DLGC_WANTTAB) lets Tab move on.
        if (Mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 &&
            (Perform(WM_GETDLGCODE, 0, 0) & Mask) == 0) {
            IFormSite* Form = FormSiteOf(this);
            if (Form && Form->FormControl()->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
        }
    }
    Message.Result = 0;
}

// ---- messages

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
    TControl* Control = nullptr;
    TControl* Capture = GetCaptureControl();
    if (Capture && Capture->Parent() == this && !dynamic_cast<TWinControl*>(Capture)) {
        Control = Capture;
    } else if (!Capture || Capture == this) {
        // At design time a windowless child is picked even when disabled:
        // the designer selects it through the messages it receives.
        TPoint P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
        Control = ControlAtPos(P, ComponentState().Contains(csDesigning));
    }
    if (!Control) return false;
    const int X = static_cast<short>(LOWORD(Message.LParam)) - Control->Left();
    const int Y = static_cast<short>(HIWORD(Message.LParam)) - Control->Top();
    Message.Result = Control->Perform(Message.Msg, Message.WParam, MAKELPARAM(X, Y));
    return true;
}

void TWinControl::Reflect(TMessage& Message, HWND Child) {
    if (TWinControl* C = FindControl(Child); C && C != this) {
        Message.Result = C->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    DefaultHandler(&Message);
}

void TWinControl::DefaultHandler(void* Msg) {
    auto& M = *static_cast<TMessage*>(Msg);
    if (!FHandle) return;
    M.Result = CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, M.Msg, M.WParam, M.LParam);
}

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_SETFOCUS:
            WMSetFocus(Message);
            break;
        case WM_KILLFOCUS:
            WMKillFocus(Message);
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (DoKeyDown(Message)) return;
            break;
        case WM_CHAR:
            if (DoKeyPress(Message)) return;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (DoKeyUp(Message)) return;
            break;
        case CN_KEYDOWN:
        case CN_SYSKEYDOWN:
            CNKeyDown(Message);
            return;
        case CN_SYSCHAR:
            if (Message.WParam != VK_SPACE) {
                if (IFormSite* Form = FormSiteOf(this))
                    Message.Result = Form->FormControl()->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
            }
            return;
        case CN_CHAR:
        case CN_KEYUP:
            return;
        case WM_PAINT:
            if (FDefWndProc != DefWindowProcA && FControls.empty() && !FControlState.Contains(csCustomPaint)) break;
            PaintHandler(Message);
            return;
        case WM_ERASEBKGND:
            if (FDefWndProc != DefWindowProcA) break;
            if (FControlStyle.Contains(csOpaque)) {
                Message.Result = 1;
                return;
            } else {
                RECT R{};
                GetClientRect(FHandle, &R);
                FBrush->SetColor(FColor);
                FillRect(reinterpret_cast<HDC>(Message.WParam), &R, FBrush->Handle());
                Message.Result = 1;
                return;
            }
        case WM_COMMAND:
            if (Message.LParam) {
                Reflect(Message, reinterpret_cast<HWND>(Message.LParam));
                return;
            }
            break;
        case WM_NOTIFY:
            Reflect(Message, reinterpret_cast<NMHDR*>(Message.LParam)->hwndFrom);
            return;
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORMSGBOX:
            if (Message.LParam) {
                Reflect(Message, reinterpret_cast<HWND>(Message.LParam));
                return;
            }
            break;
        case WM_DRAWITEM:
            Reflect(Message, reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->hwndItem);
            return;
        case WM_SIZE:
            if (Message.WParam != SIZE_MINIMIZED) {
                UpdateBounds();
                Realign();
                Resize();
            }
            break;
        case WM_WINDOWPOSCHANGED:
            UpdateBounds();
            break;
        case WM_SETCURSOR:
            if (LOWORD(Message.LParam) == HTCLIENT && ScreenCursors) {
                TCursor Cur = ScreenCursors->Cursor();
                if (Cur == crDefault) {
                    POINT P{};
                    GetCursorPos(&P);
                    TPoint Local = ScreenToClient({P.x, P.y});
                    TControl* C = ControlAtPos(Local, false);
                    Cur = (C ? C : this)->Cursor();
                }
                if (Cur != crDefault) {
                    ::SetCursor(ScreenCursors->Cursors(Cur));
                    Message.Result = 1;
                    return;
                }
            }
            break;
        case WM_SYSCOLORCHANGE:
            Perform(CM_SYSCOLORCHANGE, 0, 0);
            break;
        case CM_ENABLEDCHANGED:
            if (FHandle) EnableWindow(FHandle, FEnabled || KeepsEnabledForDesign(this));
            Invalidate();
            return;
        case CM_VISIBLECHANGED:
            UpdateShowing();
            return;
        case CM_COLORCHANGED:
            FBrush->SetColor(FColor);
            NotifyControls(CM_PARENTCOLORCHANGED);
            Invalidate();
            return;
        case CM_FONTCHANGED:
            if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 1);
            NotifyControls(CM_PARENTFONTCHANGED);
            Invalidate();
            return;
        case CM_CTL3DCHANGED:
            NotifyControls(CM_PARENTCTL3DCHANGED);
            return;
        case CM_SHOWHINTCHANGED:
            NotifyControls(CM_PARENTSHOWHINTCHANGED);
            return;
        case CM_SYSCOLORCHANGE:
            // Brushes hold the RGB value of a system colour: make them anew.
            FBrush->SetColor(clNone);
            FBrush->SetColor(FColor);
            NotifyControls(CM_SYSCOLORCHANGE);
            Invalidate();
            return;
        case CM_TEXTCHANGED:
            return;
        case CM_ENTER:
            DoEnter();
            return;
        case CM_EXIT:
            DoExit();
            return;
        case CM_DIALOGKEY:
        case CM_DIALOGCHAR:
            Broadcast(Message);
            return;
        default:
            if (IsChildMouseMsg(Message.Msg) && IsControlMouseMsg(Message)) return;
            break;
    }
    TControl::WndProc(Message);
}

QRN_PUBLISHED(TWinControl) {
    B.Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Type(QRN_TYPE(TTabOrder)).Default(-1);
    B.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
    B.Event("OnEnter", &TWinControl::OnEnter);
    B.Event("OnExit", &TWinControl::OnExit);
    B.Event("OnKeyDown", &TWinControl::OnKeyDown);
    B.Event("OnKeyPress", &TWinControl::OnKeyPress);
    B.Event("OnKeyUp", &TWinControl::OnKeyUp);
}
