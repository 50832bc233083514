// The button edit's message handling: the inner edit's chained window
// procedure, the drop-down with its mouse hook, main-window hook and timer.
#include <memory>
#include <utility>

#include "designer/inspector/PopupLists.h"
#include "designer/inspector/ZelEdit.h"

#include "framework/uicore/Hotkeys.h"

namespace {
constexpr UINT_PTR FlatTimer = 1;
TWinControl* GActivePopup = nullptr;
TCustomZelEdit* GActivePopupEdit = nullptr;
HHOOK GMouseHook = nullptr;

bool InRect(const RECT& R, POINT P) { return PtInRect(&R, P) != 0; }

LRESULT CALLBACK PopupMouseHook(int Code, WPARAM WParam, LPARAM LParam) {
    try {
        if (Code >= 0 && GActivePopup && GActivePopup->HandleAllocated()) {
            const auto* Info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(LParam);
            HWND PopupWnd = GActivePopup->Handle();
            RECT PopupRect{}, EditRect{};
            GetWindowRect(PopupWnd, &PopupRect);
            if (TCustomZelEdit* Edit = GActivePopupEdit; Edit && Edit->HandleAllocated()) {
                GetWindowRect(Edit->Handle(), &EditRect);
                // The buttons sit inside the edit; their width counts on the right.
                for (TEditButton* B : {Edit->Button1(), Edit->Button2()})
                    if (B->Visible()) EditRect.right += B->Width();
            }
            const bool Outside = !InRect(PopupRect, Info->pt) && !InRect(EditRect, Info->pt);
            switch (WParam) {
                case WM_LBUTTONDOWN:
                case WM_LBUTTONUP:
                case WM_NCLBUTTONDOWN:
                case WM_NCLBUTTONUP:
                    if (Outside) {
                        if (auto* List = dynamic_cast<TPopupListBox*>(GActivePopup))
                            List->ClosePopup(false);
                        else if (GActivePopupEdit)
                            GActivePopupEdit->CloseUp(false);
                    } else if (WParam == WM_LBUTTONDOWN && InRect(PopupRect, Info->pt)) {
                        SetCapture(PopupWnd);
                    }
                    break;
                case WM_MOUSEMOVE:
                    if (GetCapture() == PopupWnd) {
                        POINT P = Info->pt;
                        ScreenToClient(PopupWnd, &P);
                        SendMessageA(PopupWnd, WM_MOUSEMOVE, 0, MAKELPARAM(P.x, P.y));
                        if (Outside) return 0;
                    }
                    break;
            }
        }
    } catch (...) {
        HandleCallbackException(GActivePopupEdit);
    }
    return CallNextHookEx(GMouseHook, Code, WParam, LParam);
}
}  // namespace

TWinControl* TCustomZelEdit::ActivePopup() { return GActivePopup; }
TCustomZelEdit* TCustomZelEdit::ActivePopupEdit() { return GActivePopupEdit; }

// ---- drop-down

void TCustomZelEdit::DropDown() {
    FDropArmed = false;
    if (!FPopup || dynamic_cast<TDummyPopup*>(FPopup) || FDroppedDown || !Parent()) return;
    if (GActivePopupEdit && GActivePopupEdit != this) GActivePopupEdit->CloseUp(false);
    // The lists fill themselves with their window: it must exist before the
    // current value is looked up in them.
    DetachPopup();
    FPopup->HandleNeeded();
    FPopup->SetClientWidth(ClientWidth());
    if (OnDropDown) OnDropDown(this);
    UpdatePopupText();
    const TPoint Origin = Parent()->ScreenToClient(ClientOrigin());
    int X = Origin.X - 2;
    int Y = Origin.Y + ClientHeight();
    if (FPopup->Width() > Width())
        X -= FPopup->Width() - Width();
    else
        FPopup->SetWidth(Width());
    if (X < 0) X = Origin.X - 2;
    SetFocus();
    TPoint Screen = Parent()->ClientToScreen({X, Y});
    if (GetSystemMetrics(SM_CYSCREEN) < Screen.Y + FPopup->Height()) Screen.Y -= FPopup->Height() + Height();
    SetWindowPos(FPopup->Handle(), HWND_TOPMOST, Screen.X, Screen.Y, FPopup->Width(), FPopup->Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FPopup->SetVisible(true);
    GActivePopup = FPopup;
    GActivePopupEdit = this;
    if (!GMouseHook) GMouseHook = SetFrameworkHook(WH_MOUSE, PopupMouseHook);
    HookMainWindow();
    SetTimer(Handle(), FlatTimer, 20, nullptr);
    FDroppedDown = true;
}

void TCustomZelEdit::CloseUp(bool Accept) {
    FDropArmed = false;
    if (!FDroppedDown) return;
    if (HWND Capture = GetCapture()) SendMessageA(Capture, WM_CANCELMODE, 0, 0);
    if (GMouseHook) {
        RemoveFrameworkHook(GMouseHook);
        GMouseHook = nullptr;
    }
    if (HandleAllocated()) KillTimer(Handle(), FlatTimer);
    UnhookMainWindow();
    if (FPopup && FPopup->HandleAllocated())
        SetWindowPos(FPopup->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (FPopup) FPopup->SetVisible(false);
    GActivePopup = nullptr;
    GActivePopupEdit = nullptr;
    FDroppedDown = false;
    TCustomForm* Form = GetParentForm(this);
    if (Form && Form->HandleAllocated() && GetFocus() == Form->Handle()) SetFocus();
    if (Accept) {
        ReadPopupText();
        if (EditSource()) {
            EditSource()->SetText(GetText());
            const std::string Back = EditSource()->GetText();
            if (Back != GetText()) SetText(Back);
        }
    }
    if (FPopup) FPopup->SetTabStop(false);
    if (auto* Win = dynamic_cast<TWinControl*>(Edit()); Win && Win->HandleAllocated())
        SendMessageA(Win->Handle(), EM_SETSEL, 0, -1);
}

// The application ceasing to be active closes the drop-down: the main
// form's chained window procedure watches for it while the list is open.
void TCustomZelEdit::HookMainWindow() {
    TCustomForm* Main = Application ? Application->MainForm() : nullptr;
    if (!Main) Main = GetParentForm(this);
    if (!Main || FHookedForm) return;
    FHookedForm = Main;
    FSavedMainProc = Main->WindowProc;
    Main->WindowProc = [this, Saved = FSavedMainProc](TMessage& Message) {
        if (Message.Msg == WM_ACTIVATEAPP && Message.WParam == 0) CloseUp(false);
        Saved(Message);
    };
}

void TCustomZelEdit::UnhookMainWindow() {
    if (!FHookedForm) return;
    FHookedForm->WindowProc = FSavedMainProc;
    FSavedMainProc = nullptr;
    FHookedForm = nullptr;
}

void TCustomZelEdit::TimerTick() {
    if (FMouseLeft) {
        RefreshFlat();
        if (!FDroppedDown) KillTimer(Handle(), FlatTimer);
        FMouseLeft = false;
        return;
    }
    if (FPopup && FPopup->HandleAllocated() && GetCapture() == FPopup->Handle()) {
        POINT P{};
        GetCursorPos(&P);
        ::ScreenToClient(FPopup->Handle(), &P);
        SendMessageA(FPopup->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(P.x, P.y));
    }
}

// ---- the inner edit's window procedure

void TCustomZelEdit::SubclassEdit() {
    auto* Win = dynamic_cast<TWinControl*>(Edit());
    if (FSubclassed || !Win || !Win->HandleAllocated()) return;
    HWND Wnd = Win->Handle();
    SetWindowLongPtrA(Wnd, GWL_EXSTYLE, GetWindowLongPtrA(Wnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_NOPARENTNOTIFY));
    FSavedEditProc = Win->WindowProc;
    Win->WindowProc = [this](TMessage& Message) { EditWndProc(Message); };
    FSubclassed = true;
}

void TCustomZelEdit::RestoreEditProc() {
    if (!FSubclassed) return;
    if (Edit()) Edit()->WindowProc = FSavedEditProc;
    FSavedEditProc = nullptr;
    FSubclassed = false;
}

void TCustomZelEdit::EditWndProc(TMessage& Message) {
    if (ComponentState().Contains(csDestroying)) {
        FSavedEditProc(Message);
        return;
    }
    auto* Win = dynamic_cast<TWinControl*>(Edit());
    const bool WasDropped = FDroppedDown;
    bool DropDue = false;
    if (!ComponentState().Contains(csDesigning)) {
        const TShiftState Shift = KeysToShiftState(Message.WParam);
        POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
        if (Win && Win->HandleAllocated()) MapWindowPoints(Win->Handle(), Handle(), &P, 1);
        switch (Message.Msg) {
            case WM_LBUTTONDOWN: {
                // A press on an unfocused edit only focuses it: no caret placed.
                const bool OnlyFocus = FFocusClick || !EditHasFocus();
                FFocusClick = false;
                FPressTaken = false;
                MouseDown(mbLeft, Shift, P.x, P.y);
                if (OnlyFocus || !EditHasFocus() || FFocusClick || std::exchange(FPressTaken, false)) {
                    Message.Result = 0;
                    return;
                }
                break;
            }
            case WM_LBUTTONUP:
                DropDue = FDropOnClick && !FDroppedDown && FDropArmed;
                break;
            case WM_LBUTTONDBLCLK:
                MouseDown(mbLeft, FDroppedDown ? Shift : Shift + TShiftState{ssDouble}, P.x, P.y);
                Message.Result = 0;
                return;
            case WM_RBUTTONUP:
                WndProc(Message);
                if (Message.Result == 1) return;
                break;
            case CN_KEYDOWN:
                if (FDroppedDown) {
                    Message.Result = 0;
                    return;
                }
                if (Message.WParam == VK_RETURN) CommitText();
                break;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
            case WM_KEYUP:
            case WM_CHAR:
                if (FDroppedDown) {
                    if (Popup()) Message.Result = SendMessageA(Popup()->Handle(), Message.Msg, Message.WParam, Message.LParam);
                    if (Message.Msg == WM_SYSKEYDOWN && Message.WParam == VK_UP) DoKeyDown(Message);
                    return;
                }
                if (Message.Msg == WM_CHAR) {
                    if (DoKeyPress(Message)) return;
                } else if (Message.Msg != WM_KEYUP) {
                    if (DoKeyDown(Message)) return;
                }
                break;
        }
    }
    if (!FDroppedDown) {
        if (Message.Msg == CM_ENTER) WndProc(Message);
        if (Message.Msg == WM_KILLFOCUS) {
            FFocusClick = true;
            TCustomForm* Form = GetParentForm(this);
            HWND Gaining = reinterpret_cast<HWND>(Message.WParam);
            if (Form && Form->Visible() && Form->HandleAllocated() && Gaining != Form->Handle() &&
                !IsChild(Form->Handle(), Gaining))
                CommitText();
        }
    }
    // Typing that changes the text fires Change once the edit has it.
    const bool Watch = Message.Msg == WM_CHAR ||
                       ((Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN) &&
                        (Message.WParam == VK_DELETE || GetKeyState(VK_MENU) < 0));
    const std::string Old = Watch ? GetText() : std::string();
    if (Message.Msg == CN_KEYDOWN) {
        LRESULT Class = 0;
        switch (Message.WParam) {
            case VK_UP:
            case VK_DOWN:
            case VK_LEFT:
            case VK_RIGHT: Class = DLGC_WANTARROWS; break;
            case VK_TAB: Class = DLGC_WANTTAB; break;
            case VK_RETURN:
            case VK_EXECUTE:
            case VK_ESCAPE:
            case VK_CANCEL: Class = DLGC_WANTALLKEYS; break;
        }
        // Keys the edit itself wants never become dialog keys.
        if (Class && ((Perform(WM_GETDLGCODE, 0, 0) & Class) || Perform(CM_WANTSPECIALKEY, Message.WParam, 0))) {
            Message.Result = 0;
            return;
        }
    }
    TCustomForm* Form = GetParentForm(this);
    const bool KeyMsg = Message.Msg == WM_KEYDOWN || Message.Msg == WM_CHAR || Message.Msg == WM_SYSKEYDOWN;
    const bool Preview = Form && Form->KeyPreview();
    if (KeyMsg && Preview) Form->SetKeyPreview(false);
    FSavedEditProc(Message);
    if (KeyMsg && Preview) Form->SetKeyPreview(true);
    if ((Message.Msg == WM_LBUTTONDOWN && !WasDropped) || Message.Msg == WM_LBUTTONUP)
        FDropArmed = Edit() && Edit()->ControlState().Contains(csClicked);
    if (Message.Msg == WM_LBUTTONUP) DropDue = DropDue || (FDropOnClick && !FDroppedDown && FDropArmed);
    if (Message.Msg == WM_SETFOCUS && FHideCaret && Win) ::HideCaret(Win->Handle());
    if (!FDroppedDown) {
        if (DropDue) DropDown();
        if (Watch && GetText() != Old) Change();
        if (Message.Msg == WM_KILLFOCUS && FFocusRepaint && !Flat()) {
            Invalidate();
            Update();
        }
    }
}

// ---- the edit's own messages

void TCustomZelEdit::WndProc(TMessage& Message) {
    if (ComponentState().Contains(csDestroying)) {
        inherited::WndProc(Message);
        return;
    }
    switch (Message.Msg) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (FDroppedDown && Popup()) {
                Message.Result = SendMessageA(Popup()->Handle(), Message.Msg, Message.WParam, Message.LParam);
                return;
            }
            break;
        case WM_TIMER:
            if (Message.WParam == FlatTimer) {
                TimerTick();
                return;
            }
            break;
        case WM_SIZE:
            inherited::WndProc(Message);
            ArrangeButtons();
            return;
        case CommitTextMessage:
            // A commit asked from outside the edit: its property-bound
            // form does not announce it as a change of its own.
            FSuppressBroadcast = true;
            try {
                CommitText();
            } catch (...) {
                FSuppressBroadcast = false;
                throw;
            }
            FSuppressBroadcast = false;
            return;
        case CM_MOUSEENTER:
            // Entering again makes the drop-down's capture tracking reachable.
            FMouseOutside = false;
            FMouseLeft = false;
            RefreshFlat();
            break;
        case CM_MOUSELEAVE:
            FMouseOutside = true;
            FMouseLeft = true;
            if (HandleAllocated()) SetTimer(Handle(), FlatTimer, 10, nullptr);
            break;
        case CM_VISIBLECHANGED:
            if (FDroppedDown) CloseUp(false);
            break;
        case CM_COLORCHANGED:
            if (Edit()) Edit()->SetColor(Color());
            break;
        case CM_ENABLEDCHANGED:
            if (Edit()) {
                Edit()->SetEnabled(Enabled());
                Edit()->Invalidate();
            }
            break;
        case CM_WANTSPECIALKEY:
            if (Message.WParam == VK_UP || Message.WParam == VK_DOWN ||
                (FDroppedDown && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE))) {
                Message.Result = 1;
                return;
            }
            break;
        case CM_ENTER: {
            if (FEntering) {
                FEntering = false;
                return;
            }
            inherited::WndProc(Message);
            RefreshFlat();
            auto* Win = dynamic_cast<TWinControl*>(Edit());
            if (Win && Win->HandleAllocated() && GetFocus() != Win->Handle()) {
                FEntering = true;
                ::SetFocus(Win->Handle());
                FEntering = false;
            }
            return;
        }
        case CM_EXIT:
            CommitText();
            RefreshFlat();
            break;
        case WM_KILLFOCUS:
            CloseUp(false);
            CommitText();
            RefreshFlat();
            break;
        case WM_SETCURSOR:
            if (!ComponentState().Contains(csDesigning) && LOWORD(Message.LParam) == HTCLIENT) {
                POINT P{};
                GetCursorPos(&P);
                TCursor Cur = Cursor();
                auto ScreenLeft = [this](TEditButton* B) { return ClientToScreen({B->Left(), 0}).X; };
                if (FButton2->Visible() && P.x >= ScreenLeft(FButton2))
                    Cur = FButton2Params->Cursor();
                else if (FButton1->Visible() && P.x > ScreenLeft(FButton1))
                    Cur = FButton1Params->Cursor();
                ::SetCursor(Screen->Cursors(Cur));
                Message.Result = 1;
                return;
            }
            break;
        case WM_SETTEXT:
            FCaption = Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "";
            Invalidate();
            break;
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<unsigned>(Message.WParam), FCaption) && CanFocus()) {
                Click();
                Message.Result = 1;
                return;
            }
            break;
        case CM_CTL3DCHANGED:
            if (FBorderStyle == bsSingle && HandleAllocated()) RecreateWnd();
            ArrangeButtons();
            break;
        case CM_FONTCHANGED:
            inherited::WndProc(Message);
            AdjustHeight();
            return;
        case WM_PARENTNOTIFY:
            inherited::WndProc(Message);
            if (LOWORD(Message.WParam) == WM_CREATE) {
                SubclassEdit();
                ArrangeButtons();
                DetachPopup();
                UpdateReadOnly();
            } else if (LOWORD(Message.WParam) == WM_DESTROY) {
                auto* Win = dynamic_cast<TWinControl*>(Edit());
                if (Win && reinterpret_cast<HWND>(Message.LParam) == Win->Handle()) RestoreEditProc();
            }
            return;
    }
    inherited::WndProc(Message);
}
