#pragma once
// Forms, the application object and the screen.
//
// A form class made in the form designer reads its form resource at the
// end of its constructor:
//
//   TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("MAINUNIT"); }
//
// The resource (RCDATA named after the form file, upper-case, embedded with
// qrn_form_resources) sets the published properties, creates the
// components into the published fields and binds events by handler name;
// OnCreate runs after it.
#include <functional>
#include <map>
#include <new>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Controls.h"
#include "framework/controls/FormSite.h"
#include "framework/controls/ModalHook.h"
#include "framework/controls/ScreenCursors.h"
#include "framework/graphics/Bitmap.h"
#include "framework/uicore/DesignerHook.h"

class TMainMenu;
class TMenuItem;
class TDataModule;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
QRN_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
QRN_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSmallSet<TBorderIcon>;
QRN_SET_NAME(TBorderIcons)
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
QRN_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
QRN_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
    poOwnerFormCenter
};
QRN_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
         poMainFormCenter, poOwnerFormCenter)
enum TCloseAction { caNone, caHide, caFree, caMinimize };
QRN_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
enum TFormStateFlag { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSmallSet<TFormStateFlag>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrAll = mrNo + 1;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
using TShortCutEvent = TEvent<void(TMessage& Msg, bool& Handled)>;
// Files dropped from the shell: every name whole, and the drop point in
// the form's client coordinates.
using TDropFilesEvent = TEvent<void(TObject* Sender, const std::vector<std::string>& Files, int X, int Y)>;

// The form a control sits on (nullptr when it sits on none).
TCustomForm* GetParentForm(TControl* Control);

// Reads the names and the drop point of a shell drop (WM_DROPFILES) and
// releases the drop handle, in every case (also when reading fails).
std::vector<std::string> TakeDroppedFiles(HDROP Drop, TPoint& Pos);

class TCustomForm : public TCustomControl, public IFormSite {
    QRN_CLASS(TCustomForm, TCustomControl)
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    void BeforeDestruction() override;
    void AfterConstruction();  // runs OnCreate; called by CreateForm and ReadFormResource

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value);
    bool KeyPreview() const override { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    TIcon* Icon() const { return FIcon.get(); }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TFormState FormState() const { return FFormState; }
    bool Active() const { return FActive; }
    // The designer of a designed form (nullptr when none), typed as the
    // caller needs it: Designer<TFormDesigner>() (nullptr for another kind).
    template <class T = IDesignerHook>
    T* Designer() const {
        return dynamic_cast<T*>(FDesigner);
    }
    // Also routes the messages of the form's designed controls to it.
    void SetDesigner(IDesignerHook* Value);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    // Whether files dropped from the shell reach OnDropFiles; kept when
    // the window is made again.
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool Value);

    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form modally and returns its ModalResult. The modal
    // dialog hook may answer instead.
    virtual TModalResult ShowModal();
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages being handled are done.
    void Release();
    void BringToFront();
    TWinControl* FormControl() override { return this; }
    void FocusControl(TWinControl* Control) override;
    bool SetFocusedControl(TWinControl* Control) override;
    void DefocusControl(TWinControl* Control, bool Removing) override;
    bool IsShortCut(TMessage& Message) override;

    // MDI frame.
    HWND ClientHandle() const { return FClientHandle; }
    TCustomForm* ActiveMDIChild();
    int MDIChildCount();
    TCustomForm* MDIChildren(int Index);
    void Cascade();
    void Tile();
    void ArrangeIcons();
    void Next();
    void Previous();

    TRect ClientRect() override;
    void SetClientSize(int W, int H) override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(void* Message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;
    TDropFilesEvent OnDropFiles;

protected:
    void ReadFormResource(const std::string& ResName);
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWindowHandle() override;
    void ShowingChanged() override;
    void Paint() override;
    void Loaded() override;
    // The controls on the form, then the ones it owns that live in a
    // window of their own (a floating bar) but name the form as their
    // parent: writing the form keeps them too.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    // Both also tell the designer (its component notification and its
    // rename notification, which may refuse the name by raising).
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) override;
    virtual void DoClose(TCloseAction& Action);
    virtual void DropFiles(const std::vector<std::string>& Files, int X, int Y);
    void WMDropFiles(TMessage& Message);
    virtual void DoShow();
    virtual void DoHide();
    virtual void Activate();
    virtual void Deactivate();
    void CloseModal();
    void PlaceForm();
    bool TopLevelShown() const;
    void FormStyles(DWORD& Style, DWORD& ExStyle);
    void MergeMenu(bool Merge);

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    TPosition FPosition = poDesigned;
    bool FKeyPreview = false;
    bool FActive = false;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TMainMenu* FMenu = nullptr;
    std::unique_ptr<TIcon> FIcon;
    TModalResult FModalResult = mrNone;
    TFormState FFormState;
    IDesignerHook* FDesigner = nullptr;
    int FPixelsPerInch = 96;
    HWND FClientHandle = nullptr;
    WNDPROC FDefClientProc = nullptr;
    int FClientWidth = -1, FClientHeight = -1;  // asked for before the window exists
    bool FCreated = false;
    bool FAcceptFiles = false;
};

// Called first when a form is freed (before OnDestroy), so that the
// designer library can leave design mode; nullptr when nobody listens.
// Must not raise.
extern void (*FormBeforeDestructionHook)(TCustomForm* Form);

class TForm : public TCustomForm {
    QRN_CLASS(TForm, TCustomForm)
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// The little window that shows a control's hint.
class THintWindow : public TCustomControl {
    QRN_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* AOwner);
    // Places and shows the window without activating it; descendants may
    // measure or place differently.
    virtual void ActivateHint(TRect Rect, const std::string& AHint);
    void ReleaseHandle() { DestroyHandle(); }
    TRect CalcHintRect(int MaxWidth, const std::string& AHint);
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    // Draws the frame after the system's non-client painting; DC is the
    // whole window's context. The base leaves the system's frame.
    virtual void NCPaint(HDC DC) { (void)DC; }
};

using TExceptionEvent = TEvent<void(TObject* Sender, const std::exception& E)>;
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;
using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
// A find/replace dialog owned by the application window points its
// lCustData at one of these: the application calls it for the registered
// find message.
using TFindMessageHandler = std::function<void()>;

class TApplication : public TComponent {
    QRN_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;
    void BeforeDestruction() override;

    void Initialize() {}
    // Creates a form owned by the application; the first one becomes
    // MainForm. Reference is set before the constructor runs, so the
    // form's own start-up code may already use it.
    template <class T>
    void CreateForm(T*& Reference) {
        void* Memory = ::operator new(sizeof(T));
        Reference = static_cast<T*>(Memory);
        T* Form = nullptr;
        try {
            Form = new (Memory) T(this);
        } catch (...) {
            Reference = nullptr;
            ::operator delete(Memory);
            throw;
        }
        if (!FMainForm) FMainForm = Form;
        Form->AfterConstruction();
    }
    void Run();
    void ProcessMessages();
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Shows the message of the exception being handled (or calls
    // OnException); EAbort is silent. Call only inside a catch block.
    void HandleException(TObject* Sender);
    void ShowException(const std::exception& E);
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);

    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* Value) { FMainForm = Value; }
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);
    std::string ExeName() const;
    bool IsLibrary() const { return FIsLibrary; }

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    int HintPause() const { return FHintPause; }
    void SetHintPause(int Value) { FHintPause = Value; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int Value) { FHintShortPause = Value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int Value) { FHintHidePause = Value; }
    void CancelHint();
    THintWindow* HintWindow() const { return FHintWindow; }
    // The control whose hint is shown or pending.
    TControl* HintControl() const { return FHintControl; }
    // Checks the control under the mouse: enter/leave notifications, hints.
    void DoMouseIdle();

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TMessageEvent OnMessage;
    TNotifyEvent OnHint;

    bool ProcessMessage(MSG& Msg);
    // Modeless dialogs (find/replace) get their keyboard messages through
    // IsDialogMessage in the loop.
    void AddModelessDialog(HWND Wnd);
    void RemoveModelessDialog(HWND Wnd);
    // A control going away: dropped from the mouse and hint tracking.
    void ControlDestroyed(TControl* Control);
    void HintTimerExpiredPublic();
    // Destroys the application window and timers (not the components).
    void ReleaseSystemResources();

private:
    void Idle(const MSG& Msg);
    bool IsKeyMsg(MSG& Msg);
    bool IsMDIMsg(MSG& Msg);
    bool IsHintMsg(MSG& Msg);
    bool IsDlgMsg(MSG& Msg);
    void ActivateHint(TPoint CursorPos);
    static LRESULT CALLBACK AppWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

    HWND FHandle = nullptr;
    TCustomForm* FMainForm = nullptr;
    std::string FTitle;
    bool FTerminated = false;
    bool FIsLibrary = false;
    bool FHandleException = false;
    std::string FHint;
    bool FShowHint = true;
    TColor FHintColor = clInfoBk;
    int FHintPause = 500;
    int FHintShortPause = 50;
    int FHintHidePause = 2500;
    THintWindow* FHintWindow = nullptr;
    TControl* FHintControl = nullptr;
    TControl* FMouseControl = nullptr;
    bool FMouseMayHaveMoved = true;
    bool FHintActive = false;
    UINT_PTR FHintTimer = 0;
    std::vector<HWND> FModelessDialogs;
    friend class TCustomForm;
};

class TScreen : public TComponent, public IScreenCursors {
    QRN_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    // Forms in z-order: the active form first.
    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }
    // The data modules alive in this binary, oldest first.
    int DataModuleCount() const;
    TDataModule* DataModules(int Index) const;  // EListError when out of range
    // The cursor over the whole application (crDefault: each control's own).
    TCursor Cursor() const override { return FCursor; }
    void SetCursor(TCursor Value);
    // The cursor for a TCursor value; unknown ones give the arrow.
    HCURSOR Cursors(int Index) override;
    void SetCursors(int Index, HCURSOR Handle);
    // Adds a cursor resource of Instance under Index.
    void LoadCursor(int Index, HINSTANCE Instance, const std::string& ResName);
    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int PixelsPerInch() const { return FPixelsPerInch; }

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

private:
    friend class TCustomForm;
    friend class TWinControl;
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void SetFocusedControl(TWinControl* Control);

public:
    void ControlDestroyed(TControl* Control);

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    std::map<int, HCURSOR> FCursorMap;
    std::vector<HCURSOR> FLoadedCursors;  // destroyed with the screen
    int FPixelsPerInch = 96;
};

// This module's application object and screen (each DLL has its own).
extern TApplication* Application;
extern TScreen* Screen;

// Frees the module's forms, removes its timers, hooks and window classes:
// run when a DLL unloads (the executable runs it at exit).
void DoneApplication();
