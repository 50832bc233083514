// TControl: bounds, appearance, messages and mouse events.
#include <algorithm>

#include "framework/controls/AppWindow.h"
#include "framework/controls/Controls.h"
#include "framework/controls/FormSite.h"
#include "framework/controls/ModalHook.h"
#include "framework/controls/PopupMenuLink.h"
#include "framework/controls/ScreenCursors.h"
#include "framework/rtl/Exceptions.h"
#include "framework/uicore/CursorNames.h"

void (*ApplicationHandleExceptionProc)(TObject* Sender) = nullptr;
HWND (*ApplicationHandleProc)() = nullptr;
void (*ApplicationControlDestroyedProc)(TControl* Control) = nullptr;
const TClass* (*PopupMenuClassProc)() = nullptr;
IScreenCursors* ScreenCursors = nullptr;

void HandleCallbackException(TObject* Sender) noexcept {
    try {
        if (ApplicationHandleExceptionProc) {
            ApplicationHandleExceptionProc(Sender);
            return;
        }
        try {
            throw;
        } catch (const EAbort&) {
        } catch (const std::exception& E) {
            ShowMessageBox(nullptr, E.what(), "Error", MB_OK | MB_ICONSTOP);
        }
    } catch (...) {
        // Nothing may leave a window procedure.
    }
}

HINSTANCE FrameworkInstance() {
    static HINSTANCE Instance = [] {
        HMODULE M = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&FrameworkInstance), &M);
        return static_cast<HINSTANCE>(M);
    }();
    return Instance;
}

TShiftState KeysToShiftState(WPARAM Keys) {
    TShiftState S;
    if (Keys & MK_SHIFT) S.Include(ssShift);
    if (Keys & MK_CONTROL) S.Include(ssCtrl);
    if (Keys & MK_LBUTTON) S.Include(ssLeft);
    if (Keys & MK_RBUTTON) S.Include(ssRight);
    if (Keys & MK_MBUTTON) S.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) S.Include(ssAlt);
    return S;
}

namespace {
// The keys' state in one call: each GetKeyState is a round trip to the
// window server under Wine, and every key message asks for two or more.
bool IsDown(const BYTE (&Keys)[256], int Vk) { return (Keys[Vk] & 0x80) != 0; }
}  // namespace

TShiftState KeyDataToShiftState(LPARAM KeyData) {
    TShiftState S;
    BYTE Keys[256] = {};
    GetKeyboardState(Keys);
    if (IsDown(Keys, VK_SHIFT)) S.Include(ssShift);
    if (IsDown(Keys, VK_CONTROL)) S.Include(ssCtrl);
    if (KeyDataToAlt(KeyData)) S.Include(ssAlt);
    return S;
}

int ScrollTrackPos(HWND Wnd, int Bar, int Fallback) {
    SCROLLINFO SI{};
    SI.cbSize = sizeof(SI);
    SI.fMask = SIF_TRACKPOS;
    return GetScrollInfo(Wnd, Bar, &SI) ? SI.nTrackPos : Fallback;
}

TShiftState GetShiftState() {
    TShiftState S;
    BYTE Keys[256] = {};
    GetKeyboardState(Keys);
    if (IsDown(Keys, VK_SHIFT)) S.Include(ssShift);
    if (IsDown(Keys, VK_CONTROL)) S.Include(ssCtrl);
    if (IsDown(Keys, VK_MENU)) S.Include(ssAlt);
    if (IsDown(Keys, VK_LBUTTON)) S.Include(ssLeft);
    if (IsDown(Keys, VK_RBUTTON)) S.Include(ssRight);
    if (IsDown(Keys, VK_MBUTTON)) S.Include(ssMiddle);
    return S;
}

namespace {
TControl* CaptureControl = nullptr;
}

TControl* GetCaptureControl() {
    HWND Wnd = GetCapture();
    if (!Wnd) {
        CaptureControl = nullptr;
        return nullptr;
    }
    if (CaptureControl && CaptureControl->Parent() && CaptureControl->Parent()->HandleAllocated() &&
        CaptureControl->Parent()->Handle() == Wnd)
        return CaptureControl;
    return FindControl(Wnd);
}

void SetCaptureControl(TControl* Control) {
    ReleaseCapture();
    CaptureControl = nullptr;
    if (!Control) return;
    if (auto* W = dynamic_cast<TWinControl*>(Control)) {
        SetCapture(W->Handle());
        return;
    }
    if (Control->Parent()) {
        CaptureControl = Control;
        SetCapture(Control->Parent()->Handle());
    }
}

IFormSite* FormSiteOf(TControl* Control) {
    while (Control && Control->Parent()) Control = Control->Parent();
    return dynamic_cast<IFormSite*>(Control);
}

// ---- TControl

bool (*DesignMessageHook)(TControl* Sender, TMessage& Message) = nullptr;

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& M) { FilterAndWndProc(M); };
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
}

TControl::~TControl() {
    DragControlDestroyed(this);
    if (CaptureControl == this) SetCaptureControl(nullptr);
    if (ApplicationControlDestroyedProc) ApplicationControlDestroyedProc(this);
    if (FParent) FParent->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    DragControlDestroyed(this);
    if (CaptureControl == this) SetCaptureControl(nullptr);
    if (ApplicationControlDestroyedProc) ApplicationControlDestroyedProc(this);
    inherited::BeforeDestruction();
    if (FParent) FParent->RemoveControl(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) {
        FPopupMenu = nullptr;
        FPopupLink = nullptr;
    }
}

void TControl::ChangeName(const std::string& NewName) {
    const auto Loading = [](const TComponent* C) { return C && C->ComponentState().Contains(csLoading); };
    const bool FollowName = FControlStyle.Contains(csSetCaption) && !Loading(this) &&
                            !(dynamic_cast<TControl*>(Owner()) && Loading(Owner())) && Name() == GetText();
    inherited::ChangeName(NewName);
    if (FollowName) SetText(NewName);
}

void TControl::FilterAndWndProc(TMessage& Message) {
    if (DesignMessageHook && ComponentState().Contains(csDesigning)) {
        // A windowless child under the mouse gets the message first, so
        // the designer sees the child as its target rather than this one.
        auto* W = dynamic_cast<TWinControl*>(this);
        if (W && IsChildMouseMsg(Message.Msg) && W->IsControlMouseMsg(Message)) return;
        if (DesignMessageHook(this, Message)) return;
    }
    WndProc(Message);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* W = dynamic_cast<TWinControl*>(Value)) SetParent(W);
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::ReadState(TReader* Reader) {
    FControlState.Include(csReadingState);
    try {
        inherited::ReadState(Reader);
    } catch (...) {
        FControlState.Exclude(csReadingState);
        throw;
    }
    FControlState.Exclude(csReadingState);
}

void TControl::Loaded() {
    inherited::Loaded();
    // Properties taken from the parent apply once the whole tree is read.
    if (FParent) {
        if (FParentColor) { FColor = FParent->Color(); }
        if (FParentFont) {
            FInAssignParentFont = true;
            FFont->Assign(FParent->Font());
            FInAssignParentFont = false;
        }
        if (FParentCtl3D) FCtl3D = FParent->Ctl3D();
        if (FParentShowHint) FShowHint = FParent->ShowHint();
    }
    RequestAlign();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    InvalidateControl(FVisible, false);
    FLeft = ALeft;
    FTop = ATop;
    FWidth = std::max(AWidth, 0);
    FHeight = std::max(AHeight, 0);
    InvalidateControl(FVisible, false);
    RequestAlign();
    Resize();
}

TRect TControl::ClientRect() { return {0, 0, FWidth, FHeight}; }

void TControl::SetClientSize(int W, int H) {
    TRect C = ClientRect();
    SetBounds(FLeft, FTop, FWidth - C.Width() + W, FHeight - C.Height() + H);
}

TPoint TControl::ClientOrigin() {
    if (!FParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    TPoint P = FParent->ClientOrigin();
    return {P.X + FLeft, P.Y + FTop};
}

void TControl::SetAlign(TAlign Value) {
    if (Value == FAlign) return;
    FAlign = Value;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

bool TControl::Showing() const { return FVisible && (!FParent || FParent->Showing()); }

void TControl::SetVisible(bool Value) {
    if (Value == FVisible) return;
    VisibleChanging();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value, 0);
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::Show() {
    if (FParent) FParent->Show();
    SetVisible(true);
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
    if (Value == FParentColor) return;
    FParentColor = Value;
    if (FParent && Value) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
    if (!FInAssignParentFont) FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
    if (Value == FParentFont) return;
    FParentFont = Value;
    if (FParent && Value) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool Value) {
    if (Value == FCtl3D) return;
    FCtl3D = Value;
    FParentCtl3D = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool Value) {
    if (Value == FParentCtl3D) return;
    FParentCtl3D = Value;
    if (FParent && Value) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
    if (Value == FShowHint) return;
    FShowHint = Value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
    if (Value == FParentShowHint) return;
    FParentShowHint = Value;
    if (FParent && Value) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenuComponent(TComponent* Value) {
    FPopupMenu = Value;
    FPopupLink = dynamic_cast<IControlPopupMenu*>(Value);
    if (Value) Value->FreeNotification(this);
}

void TControl::SetCursor(TCursor Value) {
    if (Value == FCursor) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

std::string TControl::GetText() { return FText; }

void TControl::SetText(const std::string& Value) {
    if (Value == GetText()) return;
    SetTextInternal(Value);
    Perform(CM_TEXTCHANGED, 0, 0);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
    if (MouseCapture() == Value) return;
    SetCaptureControl(Value ? this : nullptr);
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
    if ((IsVisible || ComponentState().Contains(csDesigning)) && FParent && FParent->HandleAllocated()) {
        RECT R = ToRECT(BoundsRect());
        InvalidateRect(FParent->Handle(), &R, !(IsOpaque || FControlStyle.Contains(csOpaque)));
    }
}

void TControl::Invalidate() { InvalidateControl(FVisible, FControlStyle.Contains(csOpaque)); }

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    if (FVisible && FParent && FParent->HandleAllocated()) {
        Invalidate();
        FParent->Update();
    }
}

void TControl::SetZOrder(bool TopMost) {
    if (FParent) FParent->SetZOrderPosition(this, TopMost ? FParent->ControlCount() - 1 : 0);
}

void TControl::BringToFront() { SetZOrder(true); }
void TControl::SendToBack() { SetZOrder(false); }

LRESULT TControl::Perform(uint32_t Msg, WPARAM WParam, LPARAM LParam) {
    TMessage M{Msg, WParam, LParam, 0};
    WindowProc(M);
    return M.Result;
}

void TControl::SendParentNotify(uint32_t Msg) {
    if (FParent) FParent->Perform(Msg, 0, reinterpret_cast<LPARAM>(this));
}

void TControl::DefaultHandler(void*) {}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (Button == mbLeft && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    const int X = static_cast<short>(LOWORD(Message.LParam)), Y = static_cast<short>(HIWORD(Message.LParam));
    MouseDown(Button, KeysToShiftState(Message.WParam) + Shift, X, Y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
    const int X = static_cast<short>(LOWORD(Message.LParam)), Y = static_cast<short>(HIWORD(Message.LParam));
    const bool WasClicked = FControlState.Contains(csClicked);
    FControlState.Exclude(csClicked);
    if (Button == mbLeft && FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (WasClicked && Button == mbLeft && ClientRect().Contains({X, Y})) Click();
    MouseUp(Button, KeysToShiftState(Message.WParam), X, Y);
}

void TControl::CheckPopup(TMessage& Message) {
    if (!FPopupLink || !FPopupLink->AutoPopup()) return;
    TPoint P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
    P = ClientToScreen(P);
    FPopupLink->PopupFor(this, P.X, P.Y);
    Message.Result = 1;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_LBUTTONDOWN:
            if (BeginAutoDrag()) return;
            Dispatch(&Message);
            DoMouseDown(Message, mbLeft, {});
            break;
        case WM_LBUTTONDBLCLK:
            if (BeginAutoDrag()) return;
            Dispatch(&Message);
            if (FControlStyle.Contains(csDoubleClicks)) {
                DoMouseDown(Message, mbLeft, {ssDouble});
                DblClick();
            } else {
                DoMouseDown(Message, mbLeft, {});
            }
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            Dispatch(&Message);
            DoMouseDown(Message, mbRight, {});
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            Dispatch(&Message);
            DoMouseDown(Message, mbMiddle, {});
            break;
        case WM_LBUTTONUP:
            Dispatch(&Message);
            DoMouseUp(Message, mbLeft);
            break;
        case WM_RBUTTONUP:
            Dispatch(&Message);
            DoMouseUp(Message, mbRight);
            if (!Message.Result) CheckPopup(Message);
            break;
        case WM_MBUTTONUP:
            Dispatch(&Message);
            DoMouseUp(Message, mbMiddle);
            break;
        case WM_MOUSEMOVE:
            Dispatch(&Message);
            MouseMove(KeysToShiftState(Message.WParam), static_cast<short>(LOWORD(Message.LParam)),
                      static_cast<short>(HIWORD(Message.LParam)));
            break;
        case CM_VISIBLECHANGED:
            InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
            break;
        case CM_ENABLEDCHANGED:
        case CM_COLORCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED:
            Invalidate();
            break;
        case CM_PARENTCOLORCHANGED:
            if (FParentColor && FParent) {
                FColor = FParent->Color();
                FParentColor = true;
                Perform(CM_COLORCHANGED, 0, 0);
            }
            break;
        case CM_PARENTFONTCHANGED:
            if (FParentFont && FParent) {
                FInAssignParentFont = true;
                FFont->Assign(FParent->Font());
                FInAssignParentFont = false;
            }
            break;
        case CM_PARENTCTL3DCHANGED:
            if (FParentCtl3D && FParent) {
                FCtl3D = FParent->Ctl3D();
                Perform(CM_CTL3DCHANGED, 0, 0);
            }
            break;
        case CM_PARENTSHOWHINTCHANGED:
            if (FParentShowHint && FParent) FShowHint = FParent->ShowHint();
            break;
        case CM_HITTEST:
            Message.Result = 1;  // HTCLIENT-like: the whole rectangle is the control
            break;
        case CM_DRAG:
            CMDrag(Message);
            break;
        default:
            Dispatch(&Message);
    }
}

QRN_PUBLISHED(TControl) {
    RegisterColorIdents();
    RegisterCursorIdents();
    B.Prop("Left", &TControl::Left, &TControl::SetLeft).NoDefault();
    B.Prop("Top", &TControl::Top, &TControl::SetTop).NoDefault();
    B.Prop("Width", &TControl::Width, &TControl::SetWidth).NoDefault();
    B.Prop("Height", &TControl::Height, &TControl::SetHeight).NoDefault();
    B.Prop("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    B.Prop("Caption", &TControl::Caption, &TControl::SetCaption).Type(QRN_TYPE(TCaption));
    B.Prop("Color", &TControl::Color, &TControl::SetColor).Type(QRN_TYPE(TColor)).Stored([](TObject* O) {
        return !static_cast<TControl*>(O)->ParentColor();
    });
    B.Prop("Cursor", &TControl::Cursor, &TControl::SetCursor).Type(QRN_TYPE(TCursor)).Default(crDefault);
    B.Prop("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Type(QRN_TYPE(TCursor)).Default(crDrag);
    B.Prop("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual);
    B.Prop("Ctl3D", &TControl::Ctl3D, &TControl::SetCtl3D).Stored([](TObject* O) {
        return !static_cast<TControl*>(O)->ParentCtl3D();
    });
    B.Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    B.Prop("Font", &TControl::Font).Stored([](TObject* O) { return !static_cast<TControl*>(O)->ParentFont(); });
    B.Prop("Hint", &TControl::Hint, &TControl::SetHint);
    B.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    B.Prop("ParentCtl3D", &TControl::ParentCtl3D, &TControl::SetParentCtl3D).Default(true);
    B.Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
    B.Prop("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    B.Prop("PopupMenu", &TControl::PopupMenuComponent, &TControl::SetPopupMenuComponent)
        .OfClass([]() -> const TClass* { return PopupMenuClassProc ? PopupMenuClassProc() : nullptr; });
    B.Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored([](TObject* O) {
        return !static_cast<TControl*>(O)->ParentShowHint();
    });
    B.Prop("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    B.Event("OnClick", &TControl::OnClick);
    B.Event("OnDblClick", &TControl::OnDblClick);
    B.Event("OnMouseDown", &TControl::OnMouseDown);
    B.Event("OnMouseMove", &TControl::OnMouseMove);
    B.Event("OnMouseUp", &TControl::OnMouseUp);
    B.Event("OnResize", &TControl::OnResize);
    B.Event("OnDragDrop", &TControl::OnDragDrop);
    B.Event("OnDragOver", &TControl::OnDragOver);
    B.Event("OnEndDrag", &TControl::OnEndDrag);
    B.Event("OnStartDrag", &TControl::OnStartDrag);
}
