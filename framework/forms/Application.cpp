// The application object: message loop, exceptions, hints; and the
// module's globals.
#include <algorithm>

#include "framework/controls/AppWindow.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/ScreenDC.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/uicore/HintText.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

void CALLBACK HintTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    try {
        if (Application) Application->HintTimerExpiredPublic();
    } catch (...) {
        HandleCallbackException(Application);
    }
}

const char* const AppClassName = "TApplication";

}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
    FIsLibrary = FrameworkInstance() != GetModuleHandleA(nullptr);
    FTitle = ChangeFileExt(ExtractFileName(ExeName()), "");
    ApplicationHandleProc = []() -> HWND { return Application ? Application->Handle() : nullptr; };
    ApplicationControlDestroyedProc = [](TControl* Control) {
        if (Application) Application->ControlDestroyed(Control);
    };
    ApplicationHandleExceptionProc = [](TObject* Sender) {
        if (Application) Application->HandleException(Sender);
        else throw;
    };
}

TApplication::~TApplication() {
    CancelHint();
    if (FHandle) DestroyWindow(FHandle);
    FHandle = nullptr;
}

void TApplication::BeforeDestruction() {
    CancelHint();
    inherited::BeforeDestruction();
}

std::string TApplication::ExeName() const {
    char Buf[MAX_PATH] = {};
    GetModuleFileNameA(FrameworkInstance(), Buf, MAX_PATH);
    return Buf;
}

LRESULT CALLBACK TApplication::AppWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    static const UINT FindMsg = RegisterWindowMessageA(FINDMSGSTRINGA);
    try {
        if (Msg == FindMsg && LParam) {
            const auto* FR = reinterpret_cast<const FINDREPLACEA*>(LParam);
            if (const auto* Handler = reinterpret_cast<const TFindMessageHandler*>(FR->lCustData); Handler && *Handler)
                (*Handler)();
            return 0;
        }
        // A key no control's own form took: the main form's menu may, unless
        // a modal window (or a build) has disabled the main form.
        if (Msg == CM_APPKEYDOWN) {
            TMessage Key{Msg, WParam, LParam, 0};
            TCustomForm* Main = Application ? Application->MainForm() : nullptr;
            return Main && Main->HandleAllocated() && IsWindowEnabled(Main->Handle()) && Main->IsShortCut(Key) ? 1 : 0;
        }
        // The application window lives as long as the application: closing
        // it (its taskbar button) closes the main form instead.
        if (Msg == WM_CLOSE) {
            if (TCustomForm* Main = Application ? Application->MainForm() : nullptr) Main->Close();
            return 0;
        }
        if (Msg == WM_NCDESTROY && Application && Application->FHandle == Wnd) Application->FHandle = nullptr;
        if (Msg == WM_SYSCOLORCHANGE && Screen)
            for (int I = 0; I < Screen->FormCount(); ++I) Screen->Forms(I)->Perform(CM_SYSCOLORCHANGE, 0, 0);
    } catch (...) {
        HandleCallbackException(Application);
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

HWND TApplication::Handle() {
    if (!FHandle && !FIsLibrary) {
        WNDCLASSA C{};
        if (!GetClassInfoA(FrameworkInstance(), AppClassName, &C)) {
            C = WNDCLASSA{};
            C.lpfnWndProc = AppWndProc;
            C.hInstance = FrameworkInstance();
            C.lpszClassName = AppClassName;
            RegisterClassA(&C);
        }
        FHandle = CreateWindowExA(0, AppClassName, FTitle.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                                  nullptr, nullptr, FrameworkInstance(), nullptr);
    }
    return FHandle;
}

void TApplication::SetTitle(const std::string& Value) {
    FTitle = Value;
    if (FHandle) SetWindowTextA(FHandle, Value.c_str());
}

void TApplication::SetHint(const std::string& Value) {
    if (Value == FHint) return;
    FHint = Value;
    if (OnHint) OnHint(this);
}

void TApplication::SetShowHint(bool Value) {
    FShowHint = Value;
    if (!Value) CancelHint();
}

void TApplication::Terminate() {
    FTerminated = true;
    // A library's application must not end its host's message loop.
    if (!FIsLibrary) PostQuitMessage(0);
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::ProcessMessages() {
    MSG Msg;
    while (ProcessMessage(Msg)) {
    }
}

void TApplication::HandleMessage() {
    MSG Msg;
    if (!ProcessMessage(Msg)) Idle(Msg);
}

bool TApplication::ProcessMessage(MSG& Msg) {
    if (!PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
    // Keys and painting leave the mouse where it was; any other message may
    // come with it moved (timers stand for a move outside the windows).
    if ((Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) && Msg.message != WM_PAINT) FMouseMayHaveMoved = true;
    if (Msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    bool Handled = false;
    if (OnMessage) OnMessage(Msg, Handled);
    if (!IsHintMsg(Msg) && !Handled && !IsMDIMsg(Msg) && !IsKeyMsg(Msg) && !IsDlgMsg(Msg)) {
        TranslateMessage(&Msg);
        DispatchMessageA(&Msg);
    }
    return true;
}

void TApplication::Idle(const MSG&) {
    DoMouseIdle();
    bool Done = true;
    if (OnIdle) OnIdle(this, Done);
    if (Done) WaitMessage();
}

// Keys go to the focused control as CN_ messages first: menu short-cuts
// and dialog keys are handled there before the control sees the key.
bool TApplication::IsKeyMsg(MSG& Msg) {
    if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
    // Escape cancels a drag (the drag's window holds the mouse, not the keys).
    if (DragControl() && Msg.message == WM_KEYDOWN && Msg.wParam == VK_ESCAPE) {
        CancelDrag();
        return true;
    }
    // A control holding the mouse takes the keys a control can act on (a
    // key going down, a system character); no control acts on the others,
    // which go to their own window without asking the system for the
    // capture (a round trip under Wine for every character typed).
    bool Actionable = Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN || Msg.message == WM_SYSCHAR;
    HWND Wnd = Actionable ? GetCapture() : nullptr;
    if (!Wnd) Wnd = Msg.hwnd;
    if (FMainForm && FMainForm->FormStyle() == fsMDIForm && Wnd == FMainForm->ClientHandle()) Wnd = FMainForm->Handle();
    TWinControl* Control = FindVCLWindow(Wnd);
    if (!Control || !Control->HandleAllocated()) return false;
    return SendMessageA(Control->Handle(), CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

void TApplication::AddModelessDialog(HWND Wnd) {
    if (std::find(FModelessDialogs.begin(), FModelessDialogs.end(), Wnd) == FModelessDialogs.end())
        FModelessDialogs.push_back(Wnd);
}

void TApplication::RemoveModelessDialog(HWND Wnd) {
    std::erase(FModelessDialogs, Wnd);
}

bool TApplication::IsDlgMsg(MSG& Msg) {
    for (HWND Dlg : FModelessDialogs)
        if (IsWindow(Dlg) && (Msg.hwnd == Dlg || IsChild(Dlg, Msg.hwnd))) return IsDialogMessageA(Dlg, &Msg) != 0;
    return false;
}

bool TApplication::IsMDIMsg(MSG& Msg) {
    if (!FMainForm || FMainForm->FormStyle() != fsMDIForm || !FMainForm->ActiveMDIChild()) return false;
    // A key the main menu has as a short-cut (Ctrl+Shift+F4) is the menu's,
    // not the MDI client's "close the child".
    if ((Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) && FMainForm->Menu()) {
        TShiftState Shift;
        if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
        if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
        if (Msg.lParam & 0x20000000) Shift.Include(ssAlt);
        const TShortCut Key = ::ShortCut(static_cast<uint16_t>(Msg.wParam & 0xFF), Shift);
        if (FMainForm->Menu()->FindItem(Key, fkShortCut)) return false;
    }
    return TranslateMDISysAccel(FMainForm->ClientHandle(), &Msg) != 0;
}

bool TApplication::IsHintMsg(MSG& Msg) {
    if (FHintActive && ((Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST) ||
                        Msg.message == WM_LBUTTONDOWN || Msg.message == WM_RBUTTONDOWN ||
                        Msg.message == WM_MBUTTONDOWN || Msg.message == WM_ACTIVATE || Msg.message == WM_NCLBUTTONDOWN))
        CancelHint();
    return false;
}

void TApplication::HandleException(TObject*) {
    if (HWND Cap = GetCapture()) SendMessageA(Cap, WM_CANCELMODE, 0, 0);
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& E) {
        if (OnException) OnException(this, E);
        else ShowException(E);
    } catch (...) {
        Exception E("Unknown exception");
        if (OnException) OnException(this, E);
        else ShowException(E);
    }
}

void TApplication::ShowException(const std::exception& E) {
    std::string Msg = E.what();
    if (!Msg.empty() && static_cast<unsigned char>(Msg.back()) > '.') Msg += '.';
    MessageBox(Msg, FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) {
    HWND Owner = GetActiveWindow();
    return ShowMessageBox(Owner, Text, Caption, Flags);
}

// ---- mouse tracking and hints

void TApplication::ControlDestroyed(TControl* Control) {
    if (FMouseControl == Control) {
        FMouseControl = nullptr;
        FMouseMayHaveMoved = true;  // another control may be under the mouse now
    }
    if (FHintControl == Control) CancelHint();
    if (Screen) Screen->ControlDestroyed(Control);
}

void TApplication::DoMouseIdle() {
    // Asking where the mouse is costs a round trip to the window system
    // (a tenth of a millisecond under Wine, on every key otherwise).
    if (!FMouseMayHaveMoved) return;
    FMouseMayHaveMoved = false;
    POINT P{};
    GetCursorPos(&P);
    TControl* Control = FindDragTarget({P.x, P.y}, true);
    if (Control != FMouseControl) {
        TControl* Old = FMouseControl;
        FMouseControl = Control;
        if (Old) Old->Perform(CM_MOUSELEAVE, 0, 0);
        if (Control) Control->Perform(CM_MOUSEENTER, 0, 0);
        // The long hint of the control under the mouse, for a status line.
        TControl* WithHint = Control;
        while (WithHint && WithHint->Hint().empty()) WithHint = WithHint->Parent();
        SetHint(WithHint ? GetLongHint(WithHint->Hint()) : std::string());
    }
    if (!FShowHint) return;
    TControl* HintFor = Control;
    while (HintFor && HintFor->Hint().empty() && HintFor->Parent()) HintFor = HintFor->Parent();
    if (HintFor && (HintFor->Hint().empty() || !HintFor->ShowHint())) HintFor = nullptr;
    if (HintFor == FHintControl) return;
    const bool WasActive = FHintActive;
    CancelHint();
    FHintControl = HintFor;
    if (!HintFor) return;
    FHintTimer = SetTimer(nullptr, 0, static_cast<UINT>(WasActive ? FHintShortPause : FHintPause), HintTimerProc);
}

void TApplication::HintTimerExpiredPublic() {
    if (FHintTimer) KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
    if (FHintActive) {
        CancelHint();
        return;
    }
    POINT P{};
    GetCursorPos(&P);
    ActivateHint({P.x, P.y});
}

void TApplication::ActivateHint(TPoint CursorPos) {
    if (!FHintControl) return;
    const std::string Text = GetShortHint(FHintControl->Hint());
    if (Text.empty()) return;
    if (!FHintWindow) FHintWindow = new THintWindow(this);
    FHintWindow->SetColor(FHintColor);
    TRect R = FHintWindow->CalcHintRect(300, Text);
    R.Offset(CursorPos.X, CursorPos.Y + 20);
    FHintWindow->ActivateHint(R, Text);
    FHintActive = true;
    FHintTimer = SetTimer(nullptr, 0, static_cast<UINT>(FHintHidePause), HintTimerProc);
}

void TApplication::CancelHint() {
    if (FHintTimer) KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
    if (FHintWindow) FHintWindow->ReleaseHandle();
    FHintActive = false;
    FHintControl = nullptr;
}

// ---- THintWindow

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    FVisible = false;
    FColor = clInfoBk;
    FParentColor = false;
    FParentFont = false;
}

void THintWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    Params.WndParent = nullptr;
    Params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) {
    RECT R{0, 0, MaxWidth, 0};
    HDC DC = ScreenDC();
    HGDIOBJ Old = SelectObject(DC, FFont->Handle());
    DrawTextA(DC, AHint.c_str(), -1, &R, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(DC, Old);
    return {0, 0, R.right + 6, R.bottom + 4};
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
    SetText(AHint);
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == WM_NCPAINT && HandleAllocated()) {
        HDC DC = GetWindowDC(Handle());
        NCPaint(DC);
        ReleaseDC(Handle(), DC);
    }
}

void THintWindow::Paint() {
    RECT R{2, 2, FWidth, FHeight};
    Canvas()->Font()->SetColor(clInfoText);
    Canvas()->Brush()->SetStyle(bsClear);
    HDC DC = Canvas()->Handle();
    Canvas()->TextExtent("");  // selects the canvas's font and colours
    DrawTextA(DC, FText.c_str(), -1, &R, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

// ---- module globals

namespace {

BOOL CALLBACK ForgetWindow(HWND Wnd, LPARAM) {
    // Windows that would call into code about to go away answer nothing more.
    if (FindControl(Wnd)) {
        SetWindowLongPtrA(Wnd, GWLP_USERDATA, 0);
        SetWindowLongPtrA(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    }
    return TRUE;
}

BOOL CALLBACK ForgetTopWindow(HWND Wnd, LPARAM) {
    const bool Ours = FindControl(Wnd) != nullptr;
    EnumChildWindows(Wnd, ForgetWindow, 0);
    ForgetWindow(Wnd, 0);
    if (Ours) DestroyWindow(Wnd);
    return TRUE;
}

// Creates the module's application and screen at start-up (no window is
// made then) and cleans up when the module goes away.
struct TFrameworkGlobals {
    TFrameworkGlobals() {
        TouchFrameworkRegistries();
        Screen = new TScreen(nullptr);
        ScreenCursors = Screen;
        Application = new TApplication(nullptr);
    }
    ~TFrameworkGlobals() {
        // Component code may already be gone at this point: only the
        // system's objects are cleaned up.
        if (Application) Application->ReleaseSystemResources();
        EnumThreadWindows(GetCurrentThreadId(), ForgetTopWindow, 0);
        TWinControl::UnregisterWindowClasses();
        UnregisterClassA(AppClassName, FrameworkInstance());
        RunFrameworkCleanups();
    }
};

TFrameworkGlobals Globals;

}  // namespace

void TApplication::ReleaseSystemResources() {
    if (FHintTimer) KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
    if (FHandle) DestroyWindow(FHandle);
    FHandle = nullptr;
}

void DoneApplication() {
    if (!Application) return;
    Application->CancelHint();
    // Forms first (they may use other owned components while closing).
    while (Screen && Screen->FormCount() > 0) Screen->Forms(Screen->FormCount() - 1)->Free();
    Application->DestroyComponents();
    Application->ReleaseSystemResources();
    RunFrameworkCleanups();
}

QRN_PUBLISHED(TApplication) {}
QRN_PUBLISHED(THintWindow) {}
