#include "docking/win/QToolbarButton.h"

#include <algorithm>

#include "docking/win/QBarCmn.h"
#include "docking/win/QToolWindow.h"
#include "framework/uicore/Hotkeys.h"

namespace {

// The hidden window that receives the commands of drop-down menus.
class TDropdownList : public TComponent {
public:
    TDropdownList() : TComponent(nullptr) {}
    ~TDropdownList() override {
        if (FWindow) DeallocateHWnd(FWindow);
    }
    void AddMenu(TPopupMenu* Menu) {
        if (std::find(FMenus.begin(), FMenus.end(), Menu) != FMenus.end()) return;
        FMenus.push_back(Menu);
        Menu->FreeNotification(this);
        if (!FWindow) FWindow = AllocateHWnd([this](TMessage& M) { WndProc(M); });
    }
    HWND Window() const { return FWindow; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        FMenus.erase(std::remove_if(FMenus.begin(), FMenus.end(),
                                    [AComponent](TPopupMenu* M) { return static_cast<TComponent*>(M) == AComponent; }),
                     FMenus.end());
        if (FMenus.empty() && FWindow) {
            DeallocateHWnd(FWindow);
            FWindow = nullptr;
        }
    }

private:
    void WndProc(TMessage& M) {
        const std::vector<TPopupMenu*> Menus = FMenus;
        switch (M.Msg) {
            case WM_COMMAND:
                for (TPopupMenu* Menu : Menus)
                    if (Menu->DispatchCommand(LOWORD(M.WParam))) return;
                return;
            case WM_INITMENUPOPUP:
                for (TPopupMenu* Menu : Menus)
                    if (Menu->DispatchPopup(reinterpret_cast<HMENU>(M.WParam))) return;
                return;
            case WM_MENUSELECT: {
                std::string Hint;
                const bool IsPopup = (HIWORD(M.WParam) & MF_POPUP) != 0;
                for (TPopupMenu* Menu : Menus) {
                    TMenuItem* Item = IsPopup ? Menu->FindItem(reinterpret_cast<intptr_t>(GetSubMenu(
                                                                   reinterpret_cast<HMENU>(M.LParam), LOWORD(M.WParam))),
                                                               fkHandle)
                                              : Menu->FindItem(LOWORD(M.WParam), fkCommand);
                    if (Item) {
                        Hint = Item->Hint();
                        break;
                    }
                }
                if (Application) Application->SetHint(Hint);
                return;
            }
            default:
                M.Result = DefWindowProcA(FWindow, M.Msg, M.WParam, M.LParam);
        }
    }

    std::vector<TPopupMenu*> FMenus;
    HWND FWindow = nullptr;
};

std::unique_ptr<TDropdownList, TObjectFree>& DropdownList() {
    static std::unique_ptr<TDropdownList, TObjectFree> List;
    return List;
}

void FreeDropdownList() { DropdownList().reset(); }

TDropdownList* NeedDropdownList() {
    if (!DropdownList()) {
        DropdownList().reset(new TDropdownList);
        AddFrameworkCleanup(FreeDropdownList);
    }
    return DropdownList().get();
}

// Shared by every button of the module.
TQToolbarButton* Hot = nullptr;
std::unique_ptr<TTimer, TObjectFree> HotTimer;
std::vector<TQToolbarButton*> Buttons;
std::unique_ptr<TBitmap> Checker;
COLORREF CheckerFace = 0, CheckerLight = 0;

bool Alive(TQToolbarButton* B) { return std::find(Buttons.begin(), Buttons.end(), B) != Buttons.end(); }

// Only the hot button needs the mouse-move and activation hooks, so they are
// taken while a button is hot rather than for every button's life: under
// Wine each message a thread hook sees costs a round trip through the
// system. A designed button takes none.
bool HotHooksTaken = false;

void SetHot(TQToolbarButton* Button) {
    Hot = Button;
    if (HotTimer) HotTimer->SetEnabled(Button != nullptr);
    const bool Want = Button && !Button->ComponentState().Contains(csDesigning);
    if (Want == HotHooksTaken) return;
    HotHooksTaken = Want;
    const TThreadHooks Hooks = HooksForKinds({hkActivateApp, hkMouseMove});
    if (Want)
        AcquireThreadHooks(Hooks);
    else
        ReleaseThreadHooks(Hooks, false);
}

TControl* ControlUnderCursor() {
    POINT P{};
    GetCursorPos(&P);
    return FindDragTarget({P.x, P.y}, true);
}

TBitmap* CheckerBitmap() {
    const COLORREF Face = ColorToRGB(clBtnFace), Light = ColorToRGB(clBtnHighlight);
    if (Checker && (Face != CheckerFace || Light != CheckerLight)) Checker.reset();
    if (!Checker) {
        Checker = std::make_unique<TBitmap>();
        Checker->SetSize(8, 8);
        for (int Y = 0; Y < 8; ++Y)
            for (int X = 0; X < 8; ++X)
                Checker->Canvas()->SetPixel(X, Y, static_cast<TColor>((X % 2) == (Y % 2) ? Light : Face));
        CheckerFace = Face;
        CheckerLight = Light;
    }
    return Checker.get();
}

}  // namespace

TQToolbarButton* TQToolbarButton::HotButton() { return Hot; }

void TQToolbarButton::CheckHot() {
    if (Hot && ControlUnderCursor() != Hot) Hot->MouseLeave();
}

void TQToolbarButton::HookProc(THookKind Kind, void*, uintptr_t WParam, intptr_t) {
    if (!Hot) return;
    if (Kind == hkMouseMove) {
        CheckHot();
    } else if (Kind == hkActivateApp && WParam == 0 && !Hot->FShowBorderWhenInactive) {
        Hot->MouseLeave();
    }
}

TQToolbarButton::TQToolbarButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TButtonGlyph>()) {
    FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    SetBounds(Left(), Top(), 22, 23);
    SetParentColor(false);
    SetColor(clBtnFace);
    FGlyph->OnChange = [this] { Redraw(true); };
    Buttons.push_back(this);
    if (!HotTimer) {
        HotTimer.reset(new TTimer(nullptr));
        HotTimer->SetEnabled(false);
        HotTimer->SetInterval(125);
        HotTimer->OnTimer = [](TObject*) { CheckHot(); };
    }
    // The hooks themselves are taken while a button is hot (SetHot).
    RegisterHookCallback(&TQToolbarButton::HookProc, {hkActivateApp, hkMouseMove}, true);
}

void TQToolbarButton::BeforeDestruction() {
    if (Alive(this)) {
        Buttons.erase(std::remove(Buttons.begin(), Buttons.end(), this), Buttons.end());
        if (Hot == this) SetHot(nullptr);
        StopRepeat();
        UnregisterHookCallback(&TQToolbarButton::HookProc);
        if (Buttons.empty()) {
            Checker.reset();
            HotTimer.reset();
        }
    }
    TGraphicControl::BeforeDestruction();
}

TQToolbarButton::~TQToolbarButton() {
    if (Alive(this)) {
        Buttons.erase(std::remove(Buttons.begin(), Buttons.end(), this), Buttons.end());
        if (Hot == this) SetHot(nullptr);
        UnregisterHookCallback(&TQToolbarButton::HookProc);
        if (Buttons.empty()) {
            Checker.reset();
            HotTimer.reset();
        }
    }
}

// ---- properties

void TQToolbarButton::Redraw(bool EraseBackground) {
    if (EraseBackground && FFlat && !FOpaque) Invalidate();
    else InvalidateControl(FVisible, true);
}

void TQToolbarButton::UpdateOpaque() {
    if (FOpaque || !FFlat) FControlStyle.Include(csOpaque);
    else FControlStyle.Exclude(csOpaque);
}

void TQToolbarButton::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Redraw(true);
}

void TQToolbarButton::SetAllowAllUp(bool Value) {
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TQToolbarButton::SetGroupIndex(int Value) {
    FGroupIndex = Value;
    UpdateExclusive();
}

void TQToolbarButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !FParent) return;
    for (int I = 0; I < FParent->ControlCount(); ++I) {
        auto* B = dynamic_cast<TQToolbarButton*>(FParent->Controls(I));
        if (!B || B == this || B->FGroupIndex != FGroupIndex) continue;
        if (FDown && B->FDown) {
            B->FDown = false;
            B->FState = B->Enabled() ? tbsUp : tbsDisabled;
            B->Redraw(true);
        }
        B->FAllowAllUp = FAllowAllUp;
    }
}

void TQToolbarButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = Value;
    if (!Enabled()) FState = tbsDisabled;
    else if (Value) FState = tbsExclusive;
    else if (FState == tbsExclusive) FState = tbsUp;
    Redraw(true);
    if (Value) UpdateExclusive();
}

void TQToolbarButton::SetDisplayMode(TButtonDisplayMode Value) {
    if (Value == FDisplayMode) return;
    FDisplayMode = Value;
    Redraw(true);
}

void TQToolbarButton::SetDropdownAlways(bool Value) {
    const bool Had = HasDropdown();
    FDropdownAlways = Value;
    if (Had != HasDropdown() && (FDropdownArrow || FDropdownCombo)) Redraw(true);
}

void TQToolbarButton::SetDropdownArrow(bool Value) {
    if (Value == FDropdownArrow) return;
    FDropdownArrow = Value;
    Redraw(true);
}

void TQToolbarButton::SetDropdownCombo(bool Value) {
    if (Value == FDropdownCombo) return;
    FDropdownCombo = Value;
    if (!ComponentState().Contains(csLoading)) SetWidth(WidthAfterComboChange(Width(), Value));
    Redraw(true);
}

void TQToolbarButton::SetDropdownMenu(TPopupMenu* Value) {
    if (Value == FDropdownMenu) return;
    const bool Had = HasDropdown();
    FDropdownMenu = Value;
    if (Value) {
        Value->FreeNotification(this);
        NeedDropdownList()->AddMenu(Value);
    }
    if (Had != HasDropdown() && (FDropdownArrow || FDropdownCombo)) Redraw(true);
}

void TQToolbarButton::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    UpdateOpaque();
    Redraw(true);
}

void TQToolbarButton::SetImages(TCustomImageList* Value) {
    if (Value) Value->FreeNotification(this);
    FGlyph->SetImages(Value);
}

void TQToolbarButton::SetLayout(TButtonLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    Redraw(true);
}

void TQToolbarButton::SetMargin(int Value) {
    const int M = AcceptedMargin(FMargin, Value);
    if (M == FMargin) return;
    FMargin = M;
    Redraw(true);
}

void TQToolbarButton::SetNoBorder(bool Value) {
    if (Value == FNoBorder) return;
    FNoBorder = Value;
    Redraw(true);
}

void TQToolbarButton::SetOpaque(bool Value) {
    if (Value == FOpaque) return;
    FOpaque = Value;
    UpdateOpaque();
    Redraw(true);
}

void TQToolbarButton::SetSpacing(int Value) {
    if (Value == FSpacing) return;
    FSpacing = Value;
    Redraw(true);
}

void TQToolbarButton::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    Redraw(true);
}

void TQToolbarButton::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == static_cast<TComponent*>(FDropdownMenu)) {
        FDropdownMenu = nullptr;
        Redraw(true);
    }
    if (AComponent == static_cast<TComponent*>(FGlyph->Images())) FGlyph->SetImages(nullptr);
}

void TQToolbarButton::Loaded() {
    TGraphicControl::Loaded();
    if (!Enabled()) FState = tbsDisabled;
    else if (FDown && FGroupIndex != 0) FState = tbsExclusive;
}

// ---- hot tracking

void TQToolbarButton::MouseEnter() {
    if (!Enabled() || FMouseIn) return;
    FMouseIn = true;
    FState = StateAfterMouseEnter(FState);
    if (FFlat || NumGlyphs() == 5) Redraw(FDown || NumGlyphs() == 5);
    if (OnMouseEnter) OnMouseEnter(this);
}

void TQToolbarButton::MouseLeave() {
    if (!Enabled() || !FMouseIn || FDragging) return;
    FMouseIn = false;
    if (Hot == this) SetHot(nullptr);
    const TToolbarButtonState Old = FState;
    FState = StateAfterMouseLeave(FState, FDown, FGroupIndex, FInClick);
    if (FFlat || NumGlyphs() == 5 || (Old != FState && Old != tbsHot)) Redraw(true);
    if (OnMouseExit) OnMouseExit(this);
}

// ---- mouse

void TQToolbarButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != mbLeft || !Enabled()) {
        TGraphicControl::MouseDown(Button, Shift, X, Y);
        return;
    }
    MouseEnter();
    FMenuDown = PressOpensDropdown(X, Width(), HasDropdown(), FDropdownCombo);
    if (!FDown) {
        FState = tbsPushed;
        Redraw(false);
    } else if (FAllowAllUp) {
        Redraw(false);
    }
    if (!FMenuDown) FDragging = true;
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!Alive(this)) return;
    if (FMenuDown) {
        Click();
    } else if (FRepeating) {
        Click();
        if (!Alive(this)) return;
        if (!FRepeatTimer) {
            FRepeatTimer.reset(new TTimer(nullptr));
            FRepeatTimer->OnTimer = [this](TObject* S) { RepeatTick(S); };
        }
        FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FRepeatDelay, 1)));
        FRepeatTimer->SetEnabled(true);
    }
    FMenuDown = false;
}

void TQToolbarButton::MouseMove(TShiftState Shift, int X, int Y) {
    if (Hot != this && ControlUnderCursor() == this) {
        if (Hot) Hot->MouseLeave();
        if (FShowBorderWhenInactive || ThreadHasActiveWindow()) {
            SetHot(this);
            MouseEnter();
        }
    }
    if (FDragging) {
        const bool Inside = PointInsideButton({X, Y}, {Width(), Height()}, ComboWithDropdown());
        if (Inside && FRepeatTimer) FRepeatTimer->SetEnabled(true);
        const TToolbarButtonState New = FDown ? tbsExclusive : Inside ? tbsPushed : tbsUp;
        if (New != FState) {
            FState = New;
            Redraw(false);
        }
    }
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TQToolbarButton::RepeatTick(TObject*) {
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FRepeatInterval, 1)));
    POINT P{};
    GetCursorPos(&P);
    const TPoint Local = ScreenToClient({P.x, P.y});
    if (FRepeating && FDragging && MouseCapture() && PointInsideButton(Local, {Width(), Height()}, ComboWithDropdown()))
        Click();
    else
        FRepeatTimer->SetEnabled(false);
}

void TQToolbarButton::StopRepeat() { FRepeatTimer.reset(); }

void TQToolbarButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    StopRepeat();
    if (Button == mbRight && Enabled()) {
        FDragging = false;
        TGraphicControl::MouseUp(Button, Shift, X, Y);
        return;
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!Alive(this) || Button != mbLeft || !FDragging) return;
    FDragging = false;
    const bool Inside = PointInsideButton({X, Y}, {Width(), Height()}, ComboWithDropdown());
    if (Inside && !FRepeating) {
        Click();
    } else {
        if (FState == tbsPushed) FState = FDown ? tbsExclusive : tbsUp;
        MouseLeave();
        Redraw(false);
    }
}

void TQToolbarButton::DblClick() {
    if (FDown) TGraphicControl::DblClick();
}

// ---- click

void TQToolbarButton::Click() {
    if (FRepeating && !FMenuDown) {
        TGraphicControl::Click();
        return;
    }
    FInClick = true;
    if (FGroupIndex != 0) SetDown(!FDown);
    if (FState == tbsUp || FState == tbsHot) {
        FState = tbsPushed;
        Repaint();
    }
    MouseLeave();
    if (HasDropdown() && (!FDropdownCombo || FMenuDown)) {
        if (!FDropdownCombo) TGraphicControl::Click();
        if (!Alive(this)) return;
        if (MouseCapture()) SetMouseCapture(false);
        ShowDropdown();
    } else {
        if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
        TGraphicControl::Click();
    }
    if (!Alive(this)) return;
    FInClick = false;
    if (FState == tbsPushed) FState = FDown && FGroupIndex != 0 ? tbsExclusive : tbsUp;
    if (ComponentState().Contains(csDestroying)) return;
    Redraw(true);
    if (FParent && FParent->HandleAllocated() && ControlUnderCursor() == this) MouseEnter();
    else MouseLeave();
}

void TQToolbarButton::ShowDropdown() {
    bool ShowMenu = FDropdownMenu != nullptr, RemoveClicks = true;
    if (OnDropdown) OnDropdown(this, ShowMenu, RemoveClicks);
    if (!Alive(this)) return;
    if (FDropdownMenu && ShowMenu) {
        TButtonBarPlace Place = bbpOther;
        if (auto* Bar = dynamic_cast<TQCustomToolWindow*>(FParent); Bar && Bar->DockedTo()) {
            if (Bar->DockedTo()->Position() == dpLeft) Place = bbpLeftDock;
            else if (Bar->DockedTo()->Position() == dpRight) Place = bbpRightDock;
        }
        const TPoint Origin = ClientToScreen({0, 0});
        const TMenuAnchor A = DropdownMenuAnchor(Bounds(Origin.X, Origin.Y, Width(), Height()), Place);
        TPopupMenu* Menu = FDropdownMenu;
        Menu->SetPopupComponent(this);
        if (Menu->ClassType() == TPopupMenu::StaticClass()) {
            if (Menu->OnPopup) Menu->OnPopup(Menu);
            TrackPopupMenu(Menu->Handle(), (A.RightAligned ? TPM_RIGHTALIGN : TPM_LEFTALIGN) | TPM_LEFTBUTTON,
                           A.Point.X, A.Point.Y, 0, NeedDropdownList()->Window(), nullptr);
        } else {
            Menu->Popup(A.Point.X, A.Point.Y);
        }
        if (!Alive(this)) return;
    }
    if (RemoveClicks) RemoveMenuClicks();
}

void TQToolbarButton::RemoveMenuClicks() {
    const TPoint Origin = FParent && FParent->HandleAllocated() ? ClientToScreen({0, 0}) : TPoint{};
    const TRect OnScreen = Bounds(Origin.X, Origin.Y, Width(), Height());
    std::vector<MSG> Kept;
    MSG Msg{};
    while (PeekMessageA(&Msg, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_REMOVE)) {
        if (Msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(Msg.wParam));
            break;
        }
        const bool Press = Msg.message == WM_LBUTTONDOWN || Msg.message == WM_LBUTTONDBLCLK ||
                           Msg.message == WM_RBUTTONDOWN || Msg.message == WM_RBUTTONDBLCLK ||
                           Msg.message == WM_MBUTTONDOWN || Msg.message == WM_MBUTTONDBLCLK;
        POINT P{static_cast<short>(LOWORD(Msg.lParam)), static_cast<short>(HIWORD(Msg.lParam))};
        ::ClientToScreen(Msg.hwnd, &P);
        if (Press && OnScreen.Contains({P.x, P.y})) continue;
        Kept.push_back(Msg);
    }
    for (const MSG& M : Kept) PostMessageA(M.hwnd, M.message, M.wParam, M.lParam);
}

// ---- keys and state messages

bool TQToolbarButton::ClickKeyAllowed() {
    return FParent && FParent->CanFocus() && Enabled() && Visible();
}

void TQToolbarButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_DIALOGCHAR:
            if (FDisplayMode != dmGlyphOnly && ClickKeyAllowed() &&
                IsAccel(static_cast<unsigned>(Message.WParam), Caption())) {
                Click();
                Message.Result = 1;
                return;
            }
            break;
        case CM_DIALOGKEY:
            if (((Message.WParam == VK_RETURN && FDefault) || (Message.WParam == VK_ESCAPE && FCancel)) &&
                GetShiftState().Empty() && FDisplayMode != dmGlyphOnly && ClickKeyAllowed()) {
                Click();
                Message.Result = 1;
                return;
            }
            break;
        case CM_ENABLEDCHANGED:
            if (!Enabled()) {
                FState = tbsDisabled;
                FMouseIn = false;
                FDragging = false;
                if (Hot == this) SetHot(nullptr);
                Perform(WM_CANCELMODE, 0, 0);
            } else if (FState == tbsDisabled) {
                FState = FDown && FGroupIndex != 0 ? tbsExclusive : tbsUp;
            }
            Redraw(true);
            return;
        case WM_CANCELMODE:
            StopRepeat();
            if (FDragging) {
                FDragging = false;
                MouseLeave();
            }
            return;
        case CM_SYSCOLORCHANGE:
            FGlyph->Invalidate();
            Redraw(true);
            return;
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            Redraw(true);
            return;
        default:
            break;
    }
    TGraphicControl::WndProc(Message);
}

// ---- painting

void TQToolbarButton::Paint() {
    const int W = Width(), H = Height();
    const bool Offscreen = FOpaque || !FFlat;
    TBitmap Buffer;
    TCanvas* C = Canvas();
    if (Offscreen) {
        Buffer.SetSize(W, H);
        C = Buffer.Canvas();
        C->Brush()->SetColor(FColor);
        C->FillRect(Rect(0, 0, W, H));
    }
    C->SetFont(Font());
    HDC DC = C->Handle();
    const bool Designing = ComponentState().Contains(csDesigning);
    const bool PushedLooking = FState == tbsPushed || FState == tbsExclusive;
    const bool Combo = ComboWithDropdown();
    if (ButtonDrawsBorder(FState, FFlat, FNoBorder, FMouseIn, Designing)) {
        RECT Main{0, 0, Combo ? W - ComboArrowPartWidth : W, H};
        const bool Sunken = PushedLooking && !FMenuDown;
        if (FFlat) DrawEdge(DC, &Main, Sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        else DrawEdge(DC, &Main, Sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
        if (Combo) {
            RECT Arrow{W - ComboArrowPartWidth, 0, W, H};
            if (FFlat) DrawEdge(DC, &Arrow, FMenuDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
            else DrawEdge(DC, &Arrow, FMenuDown ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT);
        }
    }
    TRect Content = ButtonContentRect(Rect(0, 0, W, H), FFlat, FNoBorder, Combo);
    if (FState == tbsExclusive && !(FFlat && FMouseIn)) {
        HBRUSH Brush = CreatePatternBrush(CheckerBitmap()->Handle());
        RECT R = ToRECT(Content);
        FillRect(DC, &R, Brush);
        DeleteObject(Brush);
    }
    TButtonGlyph::TDrawParams P;
    P.Content = Content;
    P.Caption = Caption();
    P.Layout = static_cast<TGlyphLayout>(FLayout);
    P.Margin = FMargin;
    P.Spacing = FSpacing;
    P.Alignment = FAlignment;
    P.WordWrap = FWordWrap;
    P.ShowGlyph = FDisplayMode != dmTextOnly;
    P.ShowText = FDisplayMode != dmGlyphOnly;
    P.Arrow = FDropdownArrow && HasDropdown() && !FDropdownCombo;
    P.Pushed = PushedLooking && !FMenuDown;
    P.State = FState;
    P.FontColor = Font()->Color();
    FGlyph->Draw(C, P);
    if (Combo) DrawDropdownArrow(C, ComboArrowOrigin({W, H}), FState != tbsDisabled, Font()->Color());
    if (Offscreen) BitBlt(Canvas()->Handle(), 0, 0, W, H, DC, 0, 0, SRCCOPY);
}
