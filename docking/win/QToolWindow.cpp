#include "docking/win/QToolWindow.h"

#include <algorithm>

#include "docking/DockTexts.h"
#include "docking/win/NonClientRect.h"
#include "docking/win/QBarCmn.h"
#include "docking/win/ScreenAreas.h"
#include "framework/classes/Filer.h"
#include "framework/controls/ThreadWindows.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Format.h"

namespace {

// Every tool window of the module, for the hook callback.
std::vector<TQCustomToolWindow*>& AllToolWindows() {
    static std::vector<TQCustomToolWindow*> List;
    return List;
}

struct TCountGuard {
    int& Count;
    explicit TCountGuard(int& C) : Count(C) { ++Count; }
    ~TCountGuard() { --Count; }
};

// Suspends a dock's arrangement until the guard goes.
struct TArrangeGuard {
    TQDock* Dock;
    explicit TArrangeGuard(TQDock* D) : Dock(D) {
        if (Dock) Dock->BeginArrange();
    }
    ~TArrangeGuard() {
        if (Dock) Dock->EndArrange();
    }
};

void RedrawFrame(HWND Wnd) {
    if (Wnd) SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr UINT_PTR KeepAboveTimerId = 0x5142;
constexpr UINT KeepAboveInterval = 250;

}  // namespace

// ---- TFloatingWindowParent

TFloatingWindowParent::TFloatingWindowParent(TComponent* AOwner, TCustomForm* ParentForm)
    : TForm(AOwner), FParentForm(ParentForm) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 0, 0);
    SetShowHint(true);
    if (FParentForm) FParentForm->FreeNotification(this);
}

void TFloatingWindowParent::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle |= WS_EX_TOOLWINDOW;
    Params.X = Params.Y = Params.Width = Params.Height = 0;
    if (FParentForm) Params.WndParent = FParentForm->Handle();
}

void TFloatingWindowParent::ShowingChanged() {
    // Never seen and never activated: it only owns the floating bar.
    if (!HandleAllocated()) return;
    ShowWindow(Handle(), Showing() ? SW_SHOWNA : SW_HIDE);
    Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TFloatingWindowParent::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == static_cast<TComponent*>(FParentForm)) FParentForm = nullptr;
}

void TFloatingWindowParent::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_DIALOGKEY:
            // Esc in a floating bar goes to the form it floats for.
            if (Message.WParam == VK_ESCAPE && GetShiftState().Empty() && FParentForm) {
                Message.Result = FParentForm->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
                return;
            }
            break;
        default:
            break;
    }
    TForm::WndProc(Message);
}

// ---- TQCustomToolWindow: life

TQCustomToolWindow::TQCustomToolWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = TControlStyle{csAcceptsControls, csClickEvents, csDoubleClicks, csSetCaption};
    SetColor(clBtnFace);
    AllToolWindows().push_back(this);
    RegisterHookCallback(&TQCustomToolWindow::HookProc, {hkActivateApp, hkWindowPosChanged, hkActivate},
                         AOwner && AOwner->ComponentState().Contains(csDesigning));
}

TQCustomToolWindow::~TQCustomToolWindow() {
    auto& L = AllToolWindows();
    L.erase(std::remove(L.begin(), L.end(), this), L.end());
}

void TQCustomToolWindow::BeforeDestruction() {
    auto& L = AllToolWindows();
    L.erase(std::remove(L.begin(), L.end(), this), L.end());
    UnregisterHookCallback(&TQCustomToolWindow::HookProc);
    TQDock* Dock = FDockedTo;
    if (FLastDock && FLastDock != Dock) FLastDock->ChangeDockList(false, this);
    TCustomControl::BeforeDestruction();
    if (Dock) Dock->ChangeDockList(false, this);
    FDockedTo = nullptr;
    FFloatParent.reset();
}

bool TQCustomToolWindow::Floating() const {
    return FParent && FFloatParent && FParent == static_cast<TWinControl*>(FFloatParent.get());
}

TComponent* TQCustomToolWindow::GetParentComponent() const {
    if (Floating()) return FFloatParent->ParentForm();
    return TCustomControl::GetParentComponent();
}

TCustomForm* TQCustomToolWindow::OwnerForm() {
    if (Floating()) return FFloatParent->ParentForm();
    return GetParentForm(this);
}

TCustomForm* TQCustomToolWindow::ParentFormFor(TWinControl* AParent) {
    if (auto* Host = dynamic_cast<TFloatingWindowParent*>(AParent)) return Host->ParentForm();
    return dynamic_cast<TCustomForm*>(AParent);
}

// ---- properties

void TQCustomToolWindow::SetBorderStyle(TFormBorderStyle Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    if (HandleAllocated()) RedrawFrame(Handle());
}

void TQCustomToolWindow::SetCloseButton(bool Value) {
    if (Value == FCloseButton) return;
    FCloseButton = Value;
    if (HandleAllocated()) RedrawFrame(Handle());
}

void TQCustomToolWindow::SetDefaultDock(TQDock* Value) {
    FDefaultDock = Value;
    if (Value) Value->FreeNotification(this);
}

void TQCustomToolWindow::SetDockedTo(TQDock* Value) {
    try {
        if (Value) {
            SetParent(Value);
        } else if (TCustomForm* Form = OwnerForm()) {
            if (!Floating()) {
                FFloatingPos = ClientToScreen({0, 0});
                SetParent(Form);
            }
        }
    } catch (...) {
        // Docking through the property never fails loudly.
    }
}

void TQCustomToolWindow::SetDockPos(int Value) {
    FDockPos = Value;
    if (FDockedTo) FDockedTo->LayoutDockRows(false);
}

void TQCustomToolWindow::SetDockRow(int Value) {
    FDockRow = Value;
    if (FDockedTo) FDockedTo->LayoutDockRows(false);
}

void TQCustomToolWindow::SetDragHandleStyle(TDragHandleStyle Value) {
    if (Value == FDragHandleStyle) return;
    FDragHandleStyle = Value;
    if (HandleAllocated()) RedrawFrame(Handle());
    Arrange();
}

void TQCustomToolWindow::SetFloatingMode(TToolWindowFloatingMode Value) {
    if (Value == FFloatingMode) return;
    FFloatingMode = Value;
    if (Floating() && HandleAllocated())
        SetWindowPos(Handle(), Value == fmOnTopOfAllForms ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateVisibility();
}

void TQCustomToolWindow::SetFullSize(bool Value) {
    if (Value == FFullSize) return;
    FFullSize = Value;
    Arrange();
    if (FDockedTo) FDockedTo->LayoutDockRows(false);
}

void TQCustomToolWindow::SetHideWhenInactive(bool Value) {
    if (Value == FHideWhenInactive) return;
    FHideWhenInactive = Value;
    UpdateVisibility();
}

void TQCustomToolWindow::SetLastDock(TQDock* Value) {
    if (Value == FLastDock) return;
    if (FLastDock && FLastDock != FDockedTo) FLastDock->ChangeDockList(false, this);
    FLastDock = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->ChangeDockList(true, this);
    }
}

void TQCustomToolWindow::SetShowCaption(bool Value) {
    if (Value == FShowCaption) return;
    FShowCaption = Value;
    if (HandleAllocated()) RedrawFrame(Handle());
    Arrange();
}

void TQCustomToolWindow::SetUseLastDock(bool Value) {
    if (Value == FUseLastDock) return;
    FUseLastDock = Value;
    if (!Value && FLastDock && FLastDock != FDockedTo) {
        FLastDock->ChangeDockList(false, this);
        FLastDock = nullptr;
    }
}

void TQCustomToolWindow::SetResizable(bool Value) {
    if (Value == FResizable) return;
    FResizable = Value;
    if (Floating()) RecreateWnd();
}

void TQCustomToolWindow::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == static_cast<TComponent*>(FDefaultDock)) FDefaultDock = nullptr;
    if (AComponent == static_cast<TComponent*>(FLastDock)) FLastDock = nullptr;
    if (AComponent == static_cast<TComponent*>(FDockedTo)) FDockedTo = nullptr;
    FDockForms.erase(std::remove_if(FDockForms.begin(), FDockForms.end(),
                                    [AComponent](TCustomForm* F) { return static_cast<TComponent*>(F) == AComponent; }),
                     FDockForms.end());
}

void TQCustomToolWindow::AddDockForm(TCustomForm* Form) {
    if (!Form || std::find(FDockForms.begin(), FDockForms.end(), Form) != FDockForms.end()) return;
    FDockForms.push_back(Form);
    Form->FreeNotification(this);
}

void TQCustomToolWindow::RemoveDockForm(TCustomForm* Form) {
    FDockForms.erase(std::remove(FDockForms.begin(), FDockForms.end(), Form), FDockForms.end());
}

// ---- parent changes

void TQCustomToolWindow::SetParent(TWinControl* AParent) {
    if (AParent && !dynamic_cast<TQDock*>(AParent) && !dynamic_cast<TCustomForm*>(AParent))
        throw EInvalidOperation(SToolWindowParentInvalid);
    const bool Designing = ComponentState().Contains(csDesigning);
    TWinControl* Target = AParent;
    std::unique_ptr<TFloatingWindowParent, TObjectFree> NewHost;
    if (auto* Form = dynamic_cast<TCustomForm*>(AParent);
        Form && !Designing && !dynamic_cast<TFloatingWindowParent*>(Form)) {
        if (FFloatParent && FFloatParent->ParentForm() == Form) {
            Target = FFloatParent.get();
        } else {
            NewHost.reset(new TFloatingWindowParent(nullptr, Form));
            Form->FreeNotification(this);
            Target = NewHost.get();
        }
    }
    TQDock* NewDock = dynamic_cast<TQDock*>(Target);
    if (Target == FParent) {
        FDockedTo = NewDock;
        if (NewDock) NewDock->UpdateVisibleBar(this);
        return;
    }
    const bool Destroying = ComponentState().Contains(csDestroying);
    if (!Destroying && Target) {
        if (OnDockChanging) OnDockChanging(this);
        if (OnDockChangingEx) OnDockChangingEx(this, NewDock);
        if (OnRecreating) OnRecreating(this);
    }
    TQDock* OldDock = FDockedTo;
    {
        TArrangeGuard OldGuard(OldDock);
        TArrangeGuard NewGuard(NewDock != OldDock ? NewDock : nullptr);
        if (!Destroying && OnDockChangingHidden) OnDockChangingHidden(this, NewDock);
        TCountGuard Moving(FMovingParent);
        if (OldDock) {
            OldDock->UpdateVisibleBar(this, true);
            if (!FUseLastDock) OldDock->ChangeDockList(false, this);
        }
        const bool WasFloating = Floating();
        std::unique_ptr<TFloatingWindowParent, TObjectFree> OldHost;
        if (NewHost) {
            OldHost = std::move(FFloatParent);
            FFloatParent = std::move(NewHost);
        } else if (WasFloating && Target != FFloatParent.get()) {
            OldHost = std::move(FFloatParent);
        }
        // The old window goes first: its last position reports would
        // overwrite the floating position.
        if (HandleAllocated()) DestroyHandle();
        if (Floating() || (FFloatParent && Target == FFloatParent.get())) {
            FLeft = FFloatingPos.X;
            FTop = FFloatingPos.Y;
        }
        FDockedTo = NewDock;
        try {
            TCustomControl::SetParent(Target);
        } catch (...) {
            FDockedTo = OldDock;
            throw;
        }
        OldHost.reset();
        if (NewDock) {
            if (FUseLastDock) SetLastDock(NewDock);
            NewDock->ChangeDockList(true, this);
        }
        if (FFloatParent && Target == FFloatParent.get() && !ComponentState().Contains(csLoading)) {
            FFloatParent->SetVisible(true);
        }
    }
    if (Destroying || !Target) return;
    Arrange();
    if (OnMove) OnMove(this);
    if (OnRecreated) OnRecreated(this);
    if (OnDockChanged) OnDockChanged(this);
    UpdateVisibility();
}

void TQCustomToolWindow::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FDockPositioning == 0 && (AWidth != FWidth || AHeight != FHeight)) SizeChanging(AWidth, AHeight);
    if (FDockedTo && FDockPositioning == 0 && ComponentState().Contains(csDesigning) &&
        (ALeft != FLeft || ATop != FTop)) {
        const TDropPlace P =
            DesignerMovePlace(FDockedTo->RowSizes(), FDockedTo->Vertical(), Bounds(ALeft, ATop, AWidth, AHeight));
        FDockRow = P.Row;
        FDockPos = P.Pos;
        TCustomControl::SetBounds(FLeft, FTop, AWidth, AHeight);
        FDockedTo->LayoutDockRows(false);
        return;
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Floating()) FFloatingPos = {FLeft, FTop};
}

// ---- sizes

TEdgeInsets TQCustomToolWindow::FloatingInsets() {
    const int FrameX = GetSystemMetrics(FResizable ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    const int FrameY = GetSystemMetrics(FResizable ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    const int Caption = FloatingCaptionHeight(true, GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYCAPTION));
    return FloatingNonClientInsets(FrameX, FrameY, Caption, FShowCaption);
}

TFloatingFrame TQCustomToolWindow::FloatingFrame() {
    TFloatingFrame F;
    F.WindowSize = {FWidth, FHeight};
    F.FrameX = GetSystemMetrics(FResizable ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    F.FrameY = GetSystemMetrics(FResizable ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    F.CaptionHeight = FloatingCaptionHeight(true, GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYCAPTION));
    F.ShowCaption = FShowCaption;
    F.CloseButton = FCloseButton;
    F.Resizable = FResizable;
    F.CornerZones = GetParams().ResizeEightCorner;
    return F;
}

TEdgeInsets TQCustomToolWindow::NonClientInsets() {
    if (FDockedTo) return DockedNonClientInsets(FDockedTo->Vertical(), FDockedTo->AllowDrag(), FDragHandleStyle);
    if (Floating()) return FloatingInsets();
    return {};
}

TRect TQCustomToolWindow::ClientRect() {
    if (HandleAllocated()) return TCustomControl::ClientRect();
    const TEdgeInsets I = NonClientInsets();
    return {0, 0, std::max(FWidth - I.Horizontal(), 0), std::max(FHeight - I.Vertical(), 0)};
}

TExtent TQCustomToolWindow::FloatingOuterSize() {
    const TExtent Client = ArrangeControls(false, FLastOrientation, nullptr);
    return OuterSizeForClient(Client, FloatingInsets());
}

void TQCustomToolWindow::Arrange() {
    if (FSizeUpdateSuspended > 0 || !FParent) return;
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    TCountGuard Suspend(FSizeUpdateSuspended);
    const TDockOrientation Target = FDockedTo ? OrientationOfDock(FDockedTo->Position()) : doNoDock;
    TExtent Client = ArrangeControls(true, FMeasured ? FLastOrientation : Target, FDockedTo);
    FLastOrientation = Target;
    FMeasured = true;
    const TEdgeInsets I = NonClientInsets();
    if (FDockedTo) {
        const bool Vertical = FDockedTo->Vertical();
        const int Row = ::GetRowSize(FDockedTo->RowSizes(), FDockRow, 0);
        Client = DockedBarClientSize(Client, Vertical, Row, FFullSize, FDockedTo->ClientLength(), I);
    }
    const TExtent Outer = OuterSizeForClient(Client, I);
    if (Outer.Width != FWidth || Outer.Height != FHeight) {
        TCustomControl::SetBounds(FLeft, FTop, Outer.Width, Outer.Height);
        if (Floating()) FFloatingPos = {FLeft, FTop};
    }
    if (FDockedTo) FDockedTo->LayoutDockRows(false);
}

void TQCustomToolWindow::AlignControls(TControl* AControl, TRect& Rect) {
    if (GetParams().CallAlignControls) TCustomControl::AlignControls(AControl, Rect);
}

void TQCustomToolWindow::MoveOnScreen(bool OnlyWhenOff) {
    if (!Floating()) return;
    const TRect R = BoundsRect();
    const TRect Moved = MoveRectOnScreen(R, WorkAreaOfRect(R), OnlyWhenOff);
    if (!(Moved == R)) SetBounds(Moved.Left, Moved.Top, Moved.Width(), Moved.Height());
}

void TQCustomToolWindow::FloatAt(TPoint ScreenTopLeft) {
    TCustomForm* Form = OwnerForm();
    if (!Form) throw EInvalidOperation(Format(SControlHasNoParentWindow, {Name()}));
    FFloatingPos = ScreenTopLeft;
    if (Floating()) {
        SetBounds(ScreenTopLeft.X, ScreenTopLeft.Y, FWidth, FHeight);
        return;
    }
    SetParent(Form);
}

// ---- streaming

void TQCustomToolWindow::DefineProperties(TFiler* Filer) {
    TCustomControl::DefineProperties(Filer);
    Filer->DefineProperty(
        SSavedAtRunTime, [this](TReader* Reader) { FSavedAtRunTime = Reader->ReadBoolean(); },
        [](TWriter* Writer) { Writer->WriteBoolean(true); }, !ComponentState().Contains(csDesigning));
}

void TQCustomToolWindow::Loaded() {
    TCustomControl::Loaded();
    if (Floating()) {
        // The host needs the form's window, so the form's client origin is
        // known from here on.
        FFloatParent->SetVisible(true);
        if (!FSavedAtRunTime) {
            if (TCustomForm* Form = FFloatParent->ParentForm()) {
                // Designed positions are relative to the form's client area.
                const TPoint Origin = Form->ClientOrigin();
                SetBounds(FLeft + Origin.X, FTop + Origin.Y, FWidth, FHeight);
            }
        }
    }
    Arrange();
    if (FDockedTo) FDockedTo->UpdateVisibleBar(this);
    MoveOnScreen(true);
}

void TQCustomToolWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (!Floating()) return;
    Params.Style = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | (FResizable ? WS_THICKFRAME : 0);
    Params.ExStyle = WS_EX_TOOLWINDOW | (FFloatingMode == fmOnTopOfAllForms ? WS_EX_TOPMOST : 0);
    Params.WndParent = FFloatParent->Handle();
    Params.X = FLeft;
    Params.Y = FTop;
}

void TQCustomToolWindow::CreateWnd() {
    TCustomControl::CreateWnd();
    if (Floating()) {
        UpdateVisibility();
        SetTimer(Handle(), KeepAboveTimerId, KeepAboveInterval, nullptr);
    }
}

// A floating bar's owner is its hidden host, owned in turn by the form.
// Wine restacks a raised form above that chain without any message to
// react to, leaving the bar hidden behind its form: the bar's timer puts
// it back just above the form.
void TQCustomToolWindow::KeepAboveForm() {
    if (!Floating() || FFloatingMode != fmOnTopOfParentForm || !IsWindowVisible(Handle())) return;
    TCustomForm* Form = OwnerForm();
    // Only while the form is the foreground window: it is then on top, so
    // the top is just above it and no other program's window is covered.
    if (!Form || !Form->HandleAllocated() || GetForegroundWindow() != Form->Handle()) return;
    for (HWND W = GetWindow(Handle(), GW_HWNDPREV); W; W = GetWindow(W, GW_HWNDPREV))
        if (W == Form->Handle()) {
            SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
}

// ---- visibility of a floating bar

bool TQCustomToolWindow::ShouldFloatBeShown(bool ThreadActive) {
    TFloatingVisibilityState S;
    S.Visible = FVisible && FShowing;
    S.BeingMoved = FMovingParent > 0;
    S.FloatingMode = FFloatingMode;
    S.ApplicationMinimized = Application && Application->HandleAllocated() && IsIconic(Application->Handle());
    if (TCustomForm* Form = OwnerForm(); Form && Form->HandleAllocated()) {
        HWND W = Form->Handle();
        S.OwnerFormHiddenOrMinimized = !IsWindowVisible(W) || IsIconic(W);
    } else {
        S.OwnerFormHiddenOrMinimized = true;
    }
    S.HideWhenInactive = FHideWhenInactive;
    S.ThreadHasActiveWindow = ThreadActive;
    return FloatingBarShouldShow(S);
}

void TQCustomToolWindow::ApplyFloatingVisibility(bool Show) {
    if (!HandleAllocated()) return;
    if ((IsWindowVisible(Handle()) != FALSE) == Show) return;
    // Shown above its form (and above everything when asked to).
    HWND After = FFloatingMode == fmOnTopOfAllForms ? HWND_TOPMOST : HWND_TOP;
    const bool WasActive = !Show && GetActiveWindow() == Handle();
    SetWindowPos(Handle(), After, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (Show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW | SWP_NOZORDER));
    if (WasActive) HandOnActivation();
    if (OnVisibleChanged) OnVisibleChanged(this);
}

void TQCustomToolWindow::HandOnActivation() {
    const std::vector<HWND> Windows = ThreadWindows();
    // The invisible hosts of floating bars are never meant to be active.
    std::vector<HWND> Hosts;
    for (TQCustomToolWindow* Bar : AllToolWindows())
        if (Bar->FFloatParent && Bar->FFloatParent->HandleAllocated()) Hosts.push_back(Bar->FFloatParent->Handle());
    std::vector<TActivationCandidate> Candidates;
    for (HWND W : Windows) {
        TActivationCandidate C;
        C.Visible = IsWindowVisible(W) && std::find(Hosts.begin(), Hosts.end(), W) == Hosts.end();
        C.Enabled = IsWindowEnabled(W) != FALSE;
        C.Topmost = (GetWindowLongPtrA(W, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        Candidates.push_back(C);
    }
    const int Index = WindowToActivate(Candidates);
    if (Index >= 0) SetActiveWindow(Windows[static_cast<size_t>(Index)]);
}

void TQCustomToolWindow::MirrorActivationOnForm(bool Active) {
    if (!Floating()) return;
    TCustomForm* Form = OwnerForm();
    if (Form && Form->HandleAllocated()) SendMessageA(Form->Handle(), WM_NCACTIVATE, Active ? TRUE : FALSE, 0);
}

void TQCustomToolWindow::UpdateVisibility() {
    if (!Floating() || ComponentState().Contains(csDestroying)) return;
    ApplyFloatingVisibility(ShouldFloatBeShown(ThreadHasActiveWindow()));
}

void TQCustomToolWindow::HookProc(THookKind Kind, void* Wnd, uintptr_t WParam, intptr_t) {
    // A copy: showing or hiding a bar may create or free others.
    const std::vector<TQCustomToolWindow*> Bars = AllToolWindows();
    auto Alive = [](TQCustomToolWindow* B) {
        const auto& L = AllToolWindows();
        return std::find(L.begin(), L.end(), B) != L.end();
    };
    for (TQCustomToolWindow* Bar : Bars) {
        if (!Alive(Bar) || !Bar->Floating()) continue;
        switch (Kind) {
            case hkActivateApp: {
                const bool Active = WParam != 0 || ThreadHasActiveWindow();
                Bar->ApplyFloatingVisibility(Bar->ShouldFloatBeShown(Active));
                // A bar that stays shows on its caption whether the
                // application is active.
                if (Alive(Bar) && Bar->HandleAllocated() && IsWindowVisible(Bar->Handle()))
                    Bar->DrawNonClient(WParam != 0);
                break;
            }
            case hkWindowPosChanged: {
                if (Bar->FFloatingMode != fmOnTopOfParentForm) break;
                TCustomForm* Form = Bar->OwnerForm();
                if (!Form || !Form->HandleAllocated()) break;
                HWND Changed = static_cast<HWND>(Wnd);
                if (Changed == Form->Handle() || IsChild(Changed, Form->Handle())) Bar->UpdateVisibility();
                break;
            }
            case hkActivate:
                if (Bar->HandleAllocated() && GetWindow(Bar->Handle(), GW_OWNER) == static_cast<HWND>(Wnd) &&
                    static_cast<HWND>(Wnd) != Bar->FFloatParent->Handle())
                    SetWindowLongPtrA(Bar->Handle(), GWLP_HWNDPARENT,
                                      reinterpret_cast<LONG_PTR>(Bar->FFloatParent->Handle()));
                break;
            default:
                break;
        }
    }
}

// ---- mouse

bool TQCustomToolWindow::PressOnChild(TPoint ClientPoint) {
    for (int I = ControlCount() - 1; I >= 0; --I) {
        TControl* C = Controls(I);
        if (!C->Visible() || !C->BoundsRect().Contains(ClientPoint)) continue;
        return !ChildControlTransparent(C);
    }
    return false;
}

void TQCustomToolWindow::DoDoubleClick() {
    switch (BarDoubleClickAction(Docked(), FDockMode, FLastDock != nullptr, FDefaultDock != nullptr)) {
        case bdcFloat: {
            const TPoint P = ClientToScreen({0, 0});
            const TEdgeInsets I = FloatingInsets();
            FloatAt({P.X - I.Left, P.Y - I.Top});
            MoveOnScreen(true);
            break;
        }
        case bdcDockToLastDock:
            SetParent(FLastDock);
            break;
        case bdcDockToDefaultDock:
            FDockRow = 0;
            FDockPos = -8;
            SetParent(FDefaultDock);
            FDefaultDock->LayoutDockRows(true);
            break;
        default:
            break;
    }
}

// ---- painting

void TQCustomToolWindow::Paint() {
    const TRect R = ClientRect();
    if (FDockedTo && FDockedTo->HasBackground() && FDockedTo->BackgroundOnToolbars()) {
        const TEdgeInsets I = NonClientInsets();
        const TRect DockClient = FDockedTo->ClientRect();
        const TRect Draw = Bounds(-(FLeft + I.Left), -(FTop + I.Top), DockClient.Width(), DockClient.Height());
        FDockedTo->DrawBackground(Canvas()->Handle(), R, Draw, nullptr);
        return;
    }
    Canvas()->Brush()->SetColor(FColor);
    Canvas()->FillRect(R);
}

void TQCustomToolWindow::DrawNonClient(std::optional<bool> ThreadActive) {
    if (!HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    const int Saved = SaveDC(DC);
    RECT C{};
    GetClientRect(Handle(), &C);
    const TEdgeInsets I = NonClientInsets();
    ExcludeClipRect(DC, I.Left, I.Top, I.Left + C.right, I.Top + C.bottom);
    if (Floating()) DrawFloatingNonClient(DC, ThreadActive.value_or(ThreadHasActiveWindow()));
    else if (FDockedTo) DrawDockedNonClient(DC);
    RestoreDC(DC, Saved);
    ReleaseDC(Handle(), DC);
}

void TQCustomToolWindow::DrawDockedNonClient(HDC DC) {
    RECT R{0, 0, FWidth, FHeight};
    if (FDockedTo->HasBackground() && FDockedTo->BackgroundOnToolbars()) {
        FDockedTo->DrawBackground(DC, Rect(0, 0, FWidth, FHeight), Bounds(-FLeft, -FTop, FDockedTo->Width(), FDockedTo->Height()),
                                  nullptr);
    } else {
        HBRUSH Face = CreateSolidBrush(ColorToRGB(FColor));
        FillRect(DC, &R, Face);
        DeleteObject(Face);
    }
    if (FBorderStyle == bsNone) {
        HBRUSH Frame = CreateSolidBrush(ColorToRGB(FColor));
        FrameRect(DC, &R, Frame);
        DeleteObject(Frame);
    } else {
        DrawEdge(DC, &R, EDGE_RAISED, BF_RECT);
    }
    if (!FDockedTo->AllowDrag() || FDragHandleStyle == dhNone) return;
    const bool Vertical = FDockedTo->Vertical();
    const int Bars = FDragHandleStyle == dhDouble ? 2 : 1;
    for (int B = 0; B < Bars; ++B) {
        RECT H = Vertical ? RECT{2, 3 + B * 3, FWidth - 3, 6 + B * 3} : RECT{3 + B * 3, 2, 6 + B * 3, FHeight - 3};
        DrawEdge(DC, &H, BDR_RAISEDINNER, BF_RECT);
        const COLORREF Light = GetSysColor(COLOR_BTNHIGHLIGHT);
        if (Vertical) SetPixel(DC, H.right, H.top, Light);
        else SetPixel(DC, H.left, H.bottom, Light);
    }
}

void TQCustomToolWindow::DrawFloatingNonClient(HDC DC, bool ThreadActive) {
    const TFloatingFrame F = FloatingFrame();
    RECT R{0, 0, FWidth, FHeight};
    HBRUSH Face = GetSysColorBrush(COLOR_BTNFACE);
    FillRect(DC, &R, Face);
    DrawEdge(DC, &R, EDGE_RAISED, BF_RECT);
    if (!FShowCaption) return;
    const TRect Cap = FloatingCaptionRect(F);
    // A bar that stays while the application is inactive says so.
    const bool Active = FHideWhenInactive || ThreadActive;
    RECT CR = ToRECT(Cap);
    using TDrawCaption = BOOL(WINAPI*)(HWND, HDC, const RECT*, UINT);
    static const auto DrawCaptionProc = reinterpret_cast<TDrawCaption>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "DrawCaption")));
    const TRect Close = FloatingCloseButtonRect(F);
    RECT TextR = CR;
    if (!Close.IsEmpty()) TextR.right = Close.Left;
    if (DrawCaptionProc) {
        BOOL Gradient = FALSE;
        SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &Gradient, 0);
        DrawCaptionProc(Handle(), DC, &CR, DC_SMALLCAP | DC_TEXT | (Active ? DC_ACTIVE : 0) | (Gradient ? DC_GRADIENT : 0));
    } else {
        HBRUSH Back = GetSysColorBrush(Active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        FillRect(DC, &CR, Back);
        HFONT Font = CreateFontA(CaptionFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 SCaptionFontName);
        HGDIOBJ Old = SelectObject(DC, Font);
        SetBkMode(DC, TRANSPARENT);
        SetTextColor(DC, GetSysColor(Active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        const std::string Text = FitCaptionText(Caption(), TextR.right - TextR.left - 4, [DC](const std::string& S) {
            SIZE Sz{};
            GetTextExtentPoint32A(DC, S.c_str(), static_cast<int>(S.size()), &Sz);
            return static_cast<int>(Sz.cx);
        });
        RECT T = TextR;
        T.left += 2;
        DrawTextA(DC, Text.c_str(), -1, &T, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(DC, Old);
        DeleteObject(Font);
    }
    HPEN Line = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ OldPen = SelectObject(DC, Line);
    MoveToEx(DC, CR.left, CR.bottom, nullptr);
    LineTo(DC, CR.right, CR.bottom);
    SelectObject(DC, OldPen);
    DeleteObject(Line);
    if (!Close.IsEmpty()) {
        RECT B = ToRECT(Close);
        HBRUSH Frame = GetSysColorBrush(Active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        FrameRect(DC, &B, Frame);
        InflateRect(&B, -1, -1);
        DrawFrameControl(DC, &B, DFC_CAPTION, DFCS_CAPTIONCLOSE | (FCloseButtonDown ? DFCS_PUSHED : 0));
    }
}

void TQCustomToolWindow::TrackCloseButton() {
    const TRect Button = FloatingCloseButtonRect(FloatingFrame());
    HWND Wnd = Handle();
    SetCapture(Wnd);
    struct TRelease {
        TQCustomToolWindow* Self;
        ~TRelease() {
            if (GetCapture() == Self->Handle()) ReleaseCapture();
            Self->FCloseButtonDown = false;
            Self->DrawNonClient();
        }
    } Release{this};
    FCloseButtonDown = true;
    DrawNonClient();
    bool Closed = false;
    for (;;) {
        MSG Msg{};
        if (!GetMessageA(&Msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(Msg.wParam));
            break;
        }
        if (Msg.message == WM_MOUSEMOVE || Msg.message == WM_LBUTTONUP) {
            POINT P{static_cast<short>(LOWORD(Msg.lParam)), static_cast<short>(HIWORD(Msg.lParam))};
            ::ClientToScreen(Msg.hwnd, &P);
            RECT W{};
            GetWindowRect(Wnd, &W);
            const bool Over = Button.Contains({P.x - W.left, P.y - W.top});
            if (Msg.message == WM_LBUTTONUP) {
                Closed = Over;
                break;
            }
            if (Over != FCloseButtonDown) {
                FCloseButtonDown = Over;
                DrawNonClient();
            }
            continue;
        }
        if (Msg.message == WM_LBUTTONDOWN || Msg.message == WM_CANCELMODE) break;
        if ((Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST) ||
            (Msg.message >= WM_MOUSEFIRST && Msg.message <= WM_MOUSELAST))
            continue;
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    if (Closed) {
        SetVisible(false);
        if (OnClose) OnClose(this);
    }
}

// ---- messages

void TQCustomToolWindow::WndProc(TMessage& Message) {
    const bool Designing = ComponentState().Contains(csDesigning);
    switch (Message.Msg) {
        case WM_NCCALCSIZE: {
            InsetByNonClient(*reinterpret_cast<RECT*>(Message.LParam), NonClientInsets());
            Message.Result = 0;
            return;
        }
        case WM_NCPAINT:
            DrawNonClient();
            Message.Result = 0;
            return;
        case WM_TIMER:
            if (Message.WParam == KeepAboveTimerId) {
                KeepAboveForm();
                Message.Result = 0;
                return;
            }
            break;
        case CM_TEXTCHANGED:
            // The caption is ours to draw: the system does not redraw it.
            if (HandleAllocated() && Floating()) DrawNonClient();
            break;
        case WM_NCACTIVATE:
            // The form's caption shows this one's activation.
            DrawNonClient();
            if (!Designing) MirrorActivationOnForm(Message.WParam != 0);
            Message.Result = TRUE;
            return;
        case WM_NCHITTEST: {
            if (!Floating()) {
                Message.Result = HTCLIENT;
                return;
            }
            RECT W{};
            GetWindowRect(Handle(), &W);
            const TPoint P{static_cast<short>(LOWORD(Message.LParam)) - W.left,
                           static_cast<short>(HIWORD(Message.LParam)) - W.top};
            const int Code = FloatingNonClientHitTest(FloatingFrame(), P);
            if (Code != dhtNowhere) {
                Message.Result = Code;
                return;
            }
            RECT C{};
            GetClientRect(Handle(), &C);
            const TEdgeInsets I = NonClientInsets();
            Message.Result = TRect{I.Left, I.Top, I.Left + C.right, I.Top + C.bottom}.Contains(P) ? HTCLIENT : HTBORDER;
            return;
        }
        case WM_NCLBUTTONDOWN:
            if (!Designing && Floating()) {
                POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
                RECT W{};
                GetWindowRect(Handle(), &W);
                if (Message.WParam == HTCAPTION) BeginMoving({P.x - W.left, P.y - W.top});
                else if (Message.WParam == HTCLOSE) TrackCloseButton();
                else if (IsResizeHitCode(static_cast<int>(Message.WParam)) && FResizable)
                    BeginSizing(static_cast<int>(Message.WParam));
                Message.Result = 0;
                return;
            }
            break;
        case WM_NCLBUTTONDBLCLK:
            if (!Designing && Message.WParam == HTCAPTION) {
                DoDoubleClick();
                Message.Result = 0;
                return;
            }
            break;
        case WM_LBUTTONDOWN:
            if (!Designing) {
                const TPoint P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
                if (PressOnChild(P)) break;
                if (Floating() || (FDockedTo && FDockedTo->AllowDrag())) {
                    const TEdgeInsets I = NonClientInsets();
                    BeginMoving({P.X + I.Left, P.Y + I.Top});
                }
                return;
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (!Designing) {
                const TPoint P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
                if (PressOnChild(P)) break;
                DoDoubleClick();
                return;
            }
            break;
        case WM_MOUSEACTIVATE:
            if (Floating() && !Designing) {
                SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                if (FActivateParent && FFloatingMode == fmOnTopOfParentForm)
                    if (TCustomForm* Form = OwnerForm(); Form && Form->HandleAllocated() &&
                                                         GetActiveWindow() != Form->Handle())
                        SetActiveWindow(Form->Handle());
                Message.Result = MA_NOACTIVATE;
                return;
            }
            break;
        case WM_GETMINMAXINFO: {
            auto* Info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
            Info->ptMinTrackSize = {1, 1};
            Info->ptMaxTrackSize = {32767, 32767};
            Message.Result = 0;
            return;
        }
        case WM_SYSCOMMAND:
            if ((Message.WParam & 0xFFF0) == SC_CLOSE && Floating()) {
                if (TCustomForm* Form = OwnerForm()) Form->Close();
                return;
            }
            break;
        case WM_ERASEBKGND:
            Message.Result = 1;
            return;
        case WM_WINDOWPOSCHANGED:
            TCustomControl::WndProc(Message);
            // The frame is drawn for the whole size (the drag handle's
            // side turns with the dock): a new size redraws all of it.
            if (!(reinterpret_cast<const WINDOWPOS*>(Message.LParam)->flags & SWP_NOSIZE))
                RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return;
        case CM_VISIBLECHANGED: {
            const bool WasActive = Floating() && HandleAllocated() && GetActiveWindow() == Handle();
            TCustomControl::WndProc(Message);
            if (FDockedTo) FDockedTo->UpdateVisibleBar(this);
            UpdateVisibility();
            if (!Floating() && OnVisibleChanged) OnVisibleChanged(this);
            if (WasActive && !IsWindowVisible(Handle())) HandOnActivation();
            return;
        }
        case CM_SHOWINGCHANGED:
            UpdateVisibility();
            break;
        case CM_CONTROLLISTCHANGE:
            TCustomControl::WndProc(Message);
            Arrange();
            return;
        default:
            break;
    }
    TCustomControl::WndProc(Message);
}

QRN_PUBLISHED(TFloatingWindowParent) {}
