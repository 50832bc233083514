// TCustomForm: top-level windows, modal forms, MDI frames and children.
#include <algorithm>

#include <memory>

#include "framework/classes/FormResource.h"
#include "framework/controls/TaskModal.h"
#include "framework/forms/Forms.h"
#include "framework/forms/TopmostOrder.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

void (*FormBeforeDestructionHook)(TCustomForm* Form) = nullptr;

namespace {

// The nearest form up the parent chain that has a designer takes the
// messages of its designed controls (a form embedded in another control
// designs its own controls).
bool FormDesignerMessage(TControl* Sender, TMessage& Message) {
    for (TControl* C = Sender; C; C = C->Parent())
        if (auto* Form = dynamic_cast<TCustomForm*>(C); Form && Form->Designer())
            return Form->Designer()->IsDesignMessage(Sender, Message);
    return false;
}

}  // namespace

TCustomForm* GetParentForm(TControl* Control) { return dynamic_cast<TCustomForm*>(FormSiteOf(Control)); }

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner), FIcon(std::make_unique<TIcon>()) {
    FVisible = false;
    FColor = clBtnFace;
    FParentColor = false;
    FParentFont = false;
    FParentCtl3D = false;
    FParentShowHint = false;
    FControlStyle += TControlStyle{csAcceptsControls};
    FBrush->SetColor(FColor);
    FLeft = 100;
    FTop = 100;
    FWidth = 320;
    FHeight = 240;
    if (Screen) {
        Screen->AddForm(this);
        FPixelsPerInch = Screen->PixelsPerInch();
    }
}

TCustomForm::~TCustomForm() {
    if (Screen) Screen->RemoveForm(this);
}

void TCustomForm::BeforeDestruction() {
    if (FormBeforeDestructionHook) FormBeforeDestructionHook(this);
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            HandleCallbackException(this);
        }
    }
    if (Screen) Screen->RemoveForm(this);
    if (Application && Application->FMainForm == this) Application->FMainForm = nullptr;
    MergeMenu(false);
    inherited::BeforeDestruction();
}

void TCustomForm::AfterConstruction() {
    if (FCreated) return;
    FCreated = true;
    if (OnCreate) OnCreate(this);
    if (FFormStyle == fsMDIChild) Show();
}

void TCustomForm::ReadFormResource(const std::string& ResName) {
    LoadFormResource(FrameworkInstance(), ResName, this);
    AfterConstruction();
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
    TWinControl::GetChildren(Proc, Root);
    for (int I = 0; I < ComponentCount(); ++I) {
        TComponent* C = Components(I);
        // The form's non-visual components travel with the form itself.
        if (!C->HasParent()) {
            if (Root == this) Proc(C);
            continue;
        }
        if (C->Owner() != Root || C->GetParentComponent() != this) continue;
        auto* Control = dynamic_cast<TControl*>(C);
        if (!Control || Control->Parent() != this) Proc(C);
    }
}

void TCustomForm::Loaded() {
    inherited::Loaded();
    // A form stored visible shows once it is read.
    if (FVisible && !FParent && FFormStyle != fsMDIChild) UpdateShowing();
    if (FActiveControl && !FActiveControl->ComponentState().Contains(csLoading)) FFocusedControl = FActiveControl;
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove) {
        if (AComponent == FMenu) {
            if (FHandle && FFormStyle != fsMDIChild) ::SetMenu(FHandle, nullptr);
            FMenu = nullptr;
        }
        if (AComponent == FActiveControl) FActiveControl = nullptr;
        if (AComponent == FFocusedControl) FFocusedControl = nullptr;
    }
    if (FDesigner) FDesigner->ComponentNotification(AComponent, Operation);
}

void TCustomForm::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) {
    inherited::ValidateRename(AComponent, CurName, NewName);
    if (FDesigner) FDesigner->NotifyRename(AComponent, CurName, NewName);
}

void TCustomForm::SetDesigner(IDesignerHook* Value) {
    FDesigner = Value;
    if (Value) DesignMessageHook = FormDesignerMessage;
}

// ---- window

void TCustomForm::FormStyles(DWORD& Style, DWORD& ExStyle) {
    Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    ExStyle = 0;
    if (FParent) {
        Style |= WS_CHILD;
        return;
    }
    switch (FBorderStyle) {
        case bsNone: Style |= WS_POPUP; break;
        case bsSingle: Style |= WS_CAPTION | WS_BORDER; break;
        case bsSizeable: Style |= WS_CAPTION | WS_THICKFRAME; break;
        case bsDialog:
            Style |= WS_POPUP | WS_CAPTION;
            ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case bsToolWindow:
            Style |= WS_CAPTION;
            ExStyle |= WS_EX_TOOLWINDOW;
            break;
        case bsSizeToolWin:
            Style |= WS_CAPTION | WS_THICKFRAME;
            ExStyle |= WS_EX_TOOLWINDOW;
            break;
    }
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        Style |= WS_SYSMENU;
        const bool Boxes = FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin;
        if (Boxes && FBorderIcons.Contains(biMinimize)) Style |= WS_MINIMIZEBOX;
        if (Boxes && FBorderIcons.Contains(biMaximize)) Style |= WS_MAXIMIZEBOX;
        if (FBorderIcons.Contains(biHelp)) ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (FFormStyle == fsStayOnTop) ExStyle |= WS_EX_TOPMOST;
    // A window made maximised takes its final size while still hidden:
    // its controls are aligned once, before anything is painted, instead of
    // at the normal size first and again when it is shown.
    if (FWindowState == wsMaximized) Style |= WS_MAXIMIZE;
    if (FFormStyle == fsMDIChild) {
        ExStyle |= WS_EX_MDICHILD;
        Style |= WS_VISIBLE;
    }
}

void TCustomForm::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    FormStyles(Params.Style, Params.ExStyle);
    if (FAcceptFiles) Params.ExStyle |= WS_EX_ACCEPTFILES;
    if (FParent) {
        if (FVisible) Params.Style |= WS_VISIBLE;
        return;
    }
    if (!FEnabled && !KeepsEnabledForDesign(this)) Params.Style |= WS_DISABLED;
    if (FFormStyle == fsMDIChild) {
        TCustomForm* Frame = Application ? Application->MainForm() : nullptr;
        if (!Frame || Frame->FormStyle() != fsMDIForm)
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        // A child may be opened before the frame was first shown (a project
        // named on the command line): the frame's client must exist first.
        Frame->HandleNeeded();
        Params.WndParent = Frame->ClientHandle();
    } else if (!FParentWindow && Application) {
        // Forms belong to the main form (or the application window), so
        // they stay above it and leave with it.
        TCustomForm* Main = Application->MainForm();
        if (Main && Main != this && Main->HandleAllocated()) Params.WndParent = Main->FHandle;
        else if (!Application->IsLibrary()) Params.WndParent = Application->Handle();
    }
}

void TCustomForm::CreateWnd() {
    TCustomControl::CreateWnd();
    if (FFormStyle == fsMDIForm && !FClientHandle) {
        CLIENTCREATESTRUCT CCS{nullptr, 0xFF00};
        RECT R{};
        GetClientRect(FHandle, &R);
        FClientHandle = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0,
                                        R.right, R.bottom, FHandle, nullptr, FrameworkInstance(), &CCS);
        // The client shows its scroll bars only once a child reaches past
        // its edges; made with them, it would draw both until then.
        if (FClientHandle) ShowScrollBar(FClientHandle, SB_BOTH, FALSE);
    }
    if (FMenu && FFormStyle != fsMDIChild) FMenu->SetWindowHandle(FHandle);
    if (!FIcon->Empty()) SendMessageA(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FIcon->Handle()));
    if (FClientWidth >= 0) {
        SetClientSize(FClientWidth, FClientHeight);
        FClientWidth = FClientHeight = -1;
    }
}

void TCustomForm::DestroyWindowHandle() {
    if (FHandle && FMenu && FFormStyle != fsMDIChild) ::SetMenu(FHandle, nullptr);  // the menu outlives the window
    if (FMenu) FMenu->SetWindowHandle(nullptr);
    if (FFormStyle == fsMDIChild && FHandle) {
        TCustomForm* Frame = Application ? Application->MainForm() : nullptr;
        if (Frame && Frame->ClientHandle()) {
            MergeMenu(false);
            SendMessageA(Frame->ClientHandle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(FHandle), 0);
            FHandle = nullptr;
            FShowing = false;
            return;
        }
    }
    FClientHandle = nullptr;  // a child window: goes with the frame
    TCustomControl::DestroyWindowHandle();
}

void TCustomForm::DefaultHandler(void* Msg) {
    auto& M = *static_cast<TMessage*>(Msg);
    if (!FHandle) return;
    if (FFormStyle == fsMDIForm && FClientHandle) {
        M.Result = DefFrameProcA(FHandle, FClientHandle, M.Msg, M.WParam, M.LParam);
        return;
    }
    if (FFormStyle == fsMDIChild && !FParent) {
        M.Result = DefMDIChildProcA(FHandle, M.Msg, M.WParam, M.LParam);
        return;
    }
    TCustomControl::DefaultHandler(Msg);
}

TRect TCustomForm::ClientRect() {
    if (FHandle) return TCustomControl::ClientRect();
    DWORD Style = 0, ExStyle = 0;
    FormStyles(Style, ExStyle);
    RECT R{0, 0, 0, 0};
    AdjustWindowRectEx(&R, Style, FMenu != nullptr && !FParent, ExStyle);
    return {0, 0, std::max(0, FWidth - static_cast<int>(R.right - R.left)), std::max(0, FHeight - static_cast<int>(R.bottom - R.top))};
}

void TCustomForm::SetClientSize(int W, int H) {
    if (FHandle) {
        TCustomControl::SetClientSize(W, H);
        return;
    }
    TRect C = ClientRect();
    SetBounds(FLeft, FTop, FWidth - C.Width() + W, FHeight - C.Height() + H);
}

// ---- properties

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    if (FBorderStyle == bsDialog) FBorderIcons -= TBorderIcons{biMinimize, biMaximize};
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (Value == FBorderIcons) return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (Value == FFormStyle) return;
    if (FHandle && (Value == fsMDIChild || FFormStyle == fsMDIChild || Value == fsMDIForm || FFormStyle == fsMDIForm))
        throw EInvalidOperation("Cannot change the MDI style of a form that has a window");
    FFormStyle = Value;
    if (FHandle && !FParent)
        SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
    if (FHandle && !FParent) {
        if (IsIconic(FHandle)) return wsMinimized;
        if (IsZoomed(FHandle)) return wsMaximized;
        return wsNormal;
    }
    return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState Value) {
    FWindowState = Value;
    if (FHandle && FShowing && !FParent)
        ShowWindow(FHandle, Value == wsMinimized ? SW_MINIMIZE : Value == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetPosition(TPosition Value) { FPosition = Value; }

void TCustomForm::SetMenu(TMainMenu* Value) {
    if (Value == FMenu) return;
    if (FMenu) FMenu->SetWindowHandle(nullptr);
    FMenu = Value;
    if (Value) Value->FreeNotification(this);
    if (!FHandle || FFormStyle == fsMDIChild) return;
    if (Value) Value->SetWindowHandle(FHandle);
    else ::SetMenu(FHandle, nullptr);
}

void TCustomForm::MergeMenu(bool Merge) {
    if (FFormStyle != fsMDIChild || !Application) return;
    TCustomForm* Frame = Application->MainForm();
    if (!Frame || Frame == this || !Frame->Menu()) return;
    if (Merge && FMenu) Frame->Menu()->Merge(FMenu);
    else if (!Merge && Frame->Menu()->Merged() == FMenu) Frame->Menu()->Unmerge(FMenu);
}

// ---- showing and closing

void TCustomForm::PlaceForm() {
    if (FParent || FFormStyle == fsMDIChild) return;
    TRect Area = Screen ? Screen->WorkAreaRect() : Rect(0, 0, 800, 600);
    TCustomForm* Center = nullptr;
    switch (FPosition) {
        case poMainFormCenter: Center = Application ? Application->MainForm() : nullptr; break;
        case poOwnerFormCenter: Center = dynamic_cast<TCustomForm*>(Owner()); break;
        case poScreenCenter:
        case poDesktopCenter: break;
        default: return;
    }
    if (Center == this) Center = nullptr;
    TRect Around = Center ? Center->BoundsRect() : Area;
    SetBounds(Around.Left + (Around.Width() - FWidth) / 2, Around.Top + (Around.Height() - FHeight) / 2, FWidth, FHeight);
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::BringToFront() {
    if (FHandle && !FParent && FShowing) {
        if (FFormStyle == fsMDIChild && Application && Application->MainForm())
            SendMessageA(Application->MainForm()->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
        else
            SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    } else {
        TControl::BringToFront();
    }
}

void TCustomForm::ShowingChanged() {
    if (FParent) {
        TCustomControl::ShowingChanged();
        return;
    }
    if (!FHandle) return;
    if (FShowing) {
        if (!FFormState.Contains(fsVisible)) PlaceForm();
        FFormState.Include(fsVisible);
        DoShow();
        int Cmd = SW_SHOWNORMAL;
        if (FWindowState == wsMaximized) Cmd = SW_SHOWMAXIMIZED;
        else if (FWindowState == wsMinimized) Cmd = SW_SHOWMINIMIZED;
        ShowWindow(FHandle, Cmd);
        if (FFormStyle == fsMDIChild) MergeMenu(true);
        if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->Handle());
    } else {
        DoHide();
        if (FFormStyle == fsMDIChild) MergeMenu(false);
        ShowWindow(FHandle, SW_HIDE);
        FFormState.Exclude(fsVisible);
    }
    Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
    FActive = true;
    if (Screen) Screen->SetActiveForm(this);
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    FActive = false;
    if (OnDeactivate) OnDeactivate(this);
}

bool TCustomForm::CloseQuery() {
    if (FFormStyle == fsMDIForm)
        for (int I = 0; I < MDIChildCount(); ++I)
            if (!MDIChildren(I)->CloseQuery()) return false;
    bool CanClose = true;
    if (OnCloseQuery) OnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
    // A modal form only gets its result here; the modal loop closes it.
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction Action = caHide;
    if (FFormStyle == fsMDIChild) Action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(Action);
    if (Action == caNone) return;
    if (Application && Application->MainForm() == this) Application->Terminate();
    else if (Action == caHide) Hide();
    else if (Action == caMinimize) SetWindowState(wsMinimized);
    else Release();
}

void TCustomForm::CloseModal() {
    TCloseAction Action = caNone;
    if (CloseQuery()) {
        Action = caHide;
        DoClose(Action);
    }
    if (Action == caNone) FModalResult = mrNone;
    else if (Action == caFree) Release();
}

void TCustomForm::Release() {
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

TModalResult TCustomForm::ShowModal() {
    if (FVisible || !FEnabled || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    TDialogRequest Request;
    Request.Kind = dkModalForm;
    Request.Caption = Caption();
    Request.Form = this;
    if (auto Answer = AskModalDialogHook(Request)) {
        FModalResult = mrNone;
        return *Answer;
    }
    if (HWND Cap = GetCapture()) SendMessageA(Cap, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    HWND ActiveWindow = GetActiveWindow();
    FFormState.Include(fsModal);
    auto Disabled = std::make_unique<TTaskWindowsDisabled>(Handle());
    struct TRestore {
        TCustomForm* Form;
        std::unique_ptr<TTaskWindowsDisabled>& Disabled;
        HWND Active;
        ~TRestore() {
            Disabled.reset();
            Form->FFormState.Exclude(fsModal);
            if (Form->FVisible) Form->Hide();
            if (Active && IsWindow(Active)) SetActiveWindow(Active);
        }
    } Restore{this, Disabled, ActiveWindow};
    Show();
    FModalResult = mrNone;
    do {
        Application->HandleMessage();
        if (Application->Terminated()) FModalResult = mrCancel;
        else if (FModalResult != mrNone) CloseModal();
    } while (FModalResult == mrNone);
    return FModalResult;
}

// ---- focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (Control == FActiveControl) return;
    if (Control && !ContainsControl(Control)) throw EInvalidOperation("Invalid control: not on this form");
    FActiveControl = Control;
    if (Control) Control->FreeNotification(this);
    if (ComponentState().Contains(csLoading) || !Control) return;
    if (FActive && FHandle && Control->CanFocus() && TopLevelShown()) ::SetFocus(Control->Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
    FActiveControl = Control;
    if (Control) Control->FreeNotification(this);
    if (FHandle && Control->CanFocus() && TopLevelShown()) ::SetFocus(Control->Handle());
}

bool TCustomForm::TopLevelShown() const {
    // A form whose window is not shown yet (an MDI child opened before its
    // frame appears) keeps the control as its active one: the focus reaches
    // it when the window is shown, through WM_SETFOCUS. Focusing it now
    // would activate the hidden window and draw it for nothing.
    return IsWindowVisible(GetAncestor(FHandle, GA_ROOT)) != FALSE;
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (Control == FFocusedControl) return true;
    TWinControl* Old = FFocusedControl;
    FFocusedControl = Control;
    if (Control != this) {
        FActiveControl = Control;
        Control->FreeNotification(this);
    }
    if (Screen) Screen->SetFocusedControl(Control);
    if (Old && Old != this && ContainsControl(Old)) Old->Perform(CM_EXIT, 0, 0);
    if (Control != this) Control->Perform(CM_ENTER, 0, 0);
    TMessage M{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control), 0};
    Broadcast(M);
    return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool) {
    if (FActiveControl && Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    if (FFocusedControl && Control->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
    if (Screen && Screen->FActiveControl && Control->ContainsControl(Screen->FActiveControl))
        Screen->FActiveControl = nullptr;
}

bool TCustomForm::IsShortCut(TMessage& Message) {
    bool Handled = false;
    if (OnShortCut) OnShortCut(Message, Handled);
    if (Handled) return true;
    if (FMenu && FMenu->IsShortCut(Message)) return true;
    if (FFormStyle == fsMDIForm)
        if (TCustomForm* Child = ActiveMDIChild(); Child && Child != this) return Child->IsShortCut(Message);
    return false;
}

// ---- MDI

TCustomForm* TCustomForm::ActiveMDIChild() {
    if (FFormStyle != fsMDIForm || !FClientHandle) return nullptr;
    HWND W = reinterpret_cast<HWND>(SendMessageA(FClientHandle, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(W));
}

int TCustomForm::MDIChildCount() {
    int N = 0;
    if (FFormStyle == fsMDIForm && Screen)
        for (int I = 0; I < Screen->FormCount(); ++I)
            if (Screen->Forms(I)->FormStyle() == fsMDIChild && Screen->Forms(I)->HandleAllocated()) ++N;
    return N;
}

TCustomForm* TCustomForm::MDIChildren(int Index) {
    if (FFormStyle == fsMDIForm && Screen)
        for (int I = 0; I < Screen->FormCount(); ++I) {
            TCustomForm* F = Screen->Forms(I);
            if (F->FormStyle() == fsMDIChild && F->HandleAllocated() && Index-- == 0) return F;
        }
    return nullptr;
}

void TCustomForm::Cascade() {
    if (FClientHandle) SendMessageA(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile() {
    if (FClientHandle) SendMessageA(FClientHandle, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void TCustomForm::ArrangeIcons() {
    if (FClientHandle) SendMessageA(FClientHandle, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
    if (FClientHandle) SendMessageA(FClientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
    if (FClientHandle) SendMessageA(FClientHandle, WM_MDINEXT, 0, 1);
}

void TCustomForm::Paint() {
    // A designed form shows the designer's grid instead of its own painting.
    if (FDesigner && ComponentState().Contains(csDesigning))
        FDesigner->PaintGrid();
    else if (OnPaint)
        OnPaint(this);
}

// ---- messages

void TCustomForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_CLOSE:
            Close();
            Message.Result = 0;
            return;
        case CM_RELEASE:
            Free();
            return;  // nothing of this object may be touched now
        case WM_DROPFILES:
            WMDropFiles(Message);
            return;
        case WM_ACTIVATE:
            if (LOWORD(Message.WParam) != WA_INACTIVE) {
                // After the activation is through: it is what raises this form.
                PostMessageA(FHandle, CM_RESTACKTOPMOST, 0, 0);
                Activate();
            } else {
                Deactivate();
            }
            break;
        case CM_RESTACKTOPMOST:
            RestackStayOnTopWindows();
            return;
        case WM_MDIACTIVATE:
            if (FFormStyle == fsMDIChild) {
                const bool Activating = reinterpret_cast<HWND>(Message.LParam) == FHandle;
                if (Activating) {
                    Activate();
                    MergeMenu(true);
                } else {
                    Deactivate();
                }
            }
            break;
        case WM_COMMAND:
            if (Message.LParam == 0 && HIWORD(Message.WParam) == 0) {
                const int Command = LOWORD(Message.WParam);
                if (FMenu && FMenu->DispatchCommand(Command)) return;
                if (FFormStyle == fsMDIForm)
                    if (TCustomForm* Child = ActiveMDIChild(); Child && Child->Menu() && Child->Menu()->DispatchCommand(Command))
                        return;
            }
            break;
        case WM_INITMENUPOPUP:
            if (FMenu) FMenu->DispatchPopup(reinterpret_cast<HMENU>(Message.WParam));
            break;
        case CM_DIALOGKEY:
            if (GetKeyState(VK_MENU) >= 0) {
                switch (Message.WParam) {
                    case VK_TAB:
                        if (GetKeyState(VK_CONTROL) >= 0) {
                            SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                            Message.Result = 1;
                            return;
                        }
                        break;
                    case VK_LEFT:
                    case VK_RIGHT:
                    case VK_UP:
                    case VK_DOWN:
                        if (FActiveControl && FActiveControl->Parent()) {
                            FActiveControl->Parent()->SelectNext(FActiveControl,
                                                                 Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
                            Message.Result = 1;
                            return;
                        }
                        break;
                }
            }
            break;
        case WM_SETFOCUS:
            // The form passes the focus on to its active control.
            if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus()) {
                ::SetFocus(FActiveControl->Handle());
                return;
            }
            break;
    }
    TCustomControl::WndProc(Message);
}

QRN_PUBLISHED(TCustomForm) {
    B.Prop("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    B.Prop("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    B.Prop("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    B.Prop("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight).NoDefault();
    B.Prop("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth).NoDefault();
    B.Prop("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    B.Prop("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    B.Prop("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    B.Prop("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch).NoDefault();
    B.Prop("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
    B.Prop("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
    B.Event("OnActivate", &TCustomForm::OnActivate);
    B.Event("OnClose", &TCustomForm::OnClose);
    B.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    B.Event("OnCreate", &TCustomForm::OnCreate);
    B.Event("OnDeactivate", &TCustomForm::OnDeactivate);
    B.Event("OnDropFiles", &TCustomForm::OnDropFiles);
    B.Event("OnDestroy", &TCustomForm::OnDestroy);
    B.Event("OnHide", &TCustomForm::OnHide);
    B.Event("OnPaint", &TCustomForm::OnPaint);
    B.Event("OnShow", &TCustomForm::OnShow);
}

QRN_PUBLISHED(TForm) {}
