#pragma once
// Controls: TControl (windowless or windowed), TWinControl (owns a window
// and child controls), TCustomControl (a windowed control that paints on a
// canvas) and TGraphicControl (windowless: painted by its parent, which
// also routes the mouse to it).
//
// Every window of the framework has one window procedure; it finds the
// control and calls its WindowProc (by default the virtual WndProc) inside
// a handler that passes any exception to the application's
// HandleException. Perform calls WindowProc directly, so exceptions reach
// Perform's caller.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/classes/Component.h"
#include "framework/controls/Messages.h"
#include "framework/graphics/Graphics.h"
#include "framework/classes/UiTypes.h"

class TControl;
class TWinControl;
class TPopupMenu;
class IControlPopupMenu;

QRN_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
QRN_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
QRN_ENUM(TShiftStateValue, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
QRN_SET_NAME(TShiftState)

enum TControlStyleFlag {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
    csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
QRN_ENUM(TControlStyleFlag, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
         csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
         csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents)
using TControlStyle = TSmallSet<TControlStyleFlag>;
QRN_SET_NAME(TControlStyle)

enum TControlStateFlag {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
    csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
QRN_ENUM(TControlStateFlag, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
         csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking)
using TControlState = TSmallSet<TControlStateFlag>;
QRN_SET_NAME(TControlState)

// Dragging between controls: a control starts a drag (BeginDrag, or by
// itself with DragMode dmAutomatic); the control under the mouse is asked
// through OnDragOver whether it accepts the source, and gets OnDragDrop
// when the button is released over it; the source hears OnEndDrag.
enum TDragMode { dmManual, dmAutomatic };
QRN_ENUM(TDragMode, dmManual, dmAutomatic)
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
QRN_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
// WParam of CM_DRAG; LParam points to a TDragRec. The answer to the
// enter and move kinds is nonzero when the control accepts the drop.
enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop };

// What OnStartDrag may hand out in place of the dragged control: targets
// then get it as their Source. It stays its creator's to free.
class TDragObject : public TObject {
public:
    // The cursor shown while dragging over a target that does (or does
    // not) accept the drop; crDefault leaves the choice to the framework.
    virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
};

struct TDragRec {
    TPoint Pos;        // screen coordinates
    TObject* Source;   // the dragged control or its drag object
    TControl* Target;  // the control asked
};

using TDragOverEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = TEvent<void(TObject* Sender, TDragObject*& DragObject)>;
// Target is the control that took the drop, or nullptr when the drag was
// cancelled or ended where nothing accepted it.
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TWndMethod = std::function<void(TMessage& Message)>;
using TCaption = std::string;

// The shift state from a mouse message's key flags and from the keyboard.
TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyDataToShiftState(LPARAM KeyData);
TShiftState GetShiftState();

// The full 32-bit thumb position of a scroll bar being dragged (Bar is
// SB_HORZ, SB_VERT or SB_CTL); scroll messages carry only 16 bits of it.
// Fallback when the bar cannot be read.
int ScrollTrackPos(HWND Wnd, int Bar, int Fallback);

class TControl : public TComponent {
    QRN_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    void BeforeDestruction() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // Bounds, in the parent's client coordinates (screen for a top-level window).
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual TRect ClientRect();
    int ClientWidth() { return ClientRect().Width(); }
    int ClientHeight() { return ClientRect().Height(); }
    void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
    void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
    virtual void SetClientSize(int W, int H);
    // Screen position of the client area's origin.
    virtual TPoint ClientOrigin();
    TPoint ClientToScreen(TPoint P) { TPoint O = ClientOrigin(); return {P.X + O.X, P.Y + O.Y}; }
    TPoint ScreenToClient(TPoint P) { TPoint O = ClientOrigin(); return {P.X - O.X, P.Y - O.Y}; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show();
    void Hide() { SetVisible(false); }
    // Visible, and so are all parents.
    virtual bool Showing() const;
    virtual bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    // The pop-up menu's class sits in the menus layer, above this one: the
    // typed accessors compile where that class is complete.
    template <class M = TPopupMenu>
    M* PopupMenu() const {
        return static_cast<M*>(FPopupMenu);
    }
    template <class M = TPopupMenu>
    void SetPopupMenu(std::type_identity_t<M>* Value) {
        SetPopupMenuComponent(Value);
    }
    TComponent* PopupMenuComponent() const { return FPopupMenu; }
    void SetPopupMenuComponent(TComponent* Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }
    // Caption and Text are the same string.
    std::string Text() { return GetText(); }
    void SetText(const std::string& Value);
    std::string Caption() { return GetText(); }
    void SetCaption(const std::string& Value) { SetText(Value); }
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    void SetZOrder(bool TopMost);

    // Sends a message to the control's WindowProc; the result comes back.
    LRESULT Perform(uint32_t Msg, WPARAM WParam, LPARAM LParam);
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& Message);
    void DefaultHandler(void* Message) override;

    virtual void Click();
    virtual void DblClick();

    // Dragging. BeginDrag starts at once when Immediate, otherwise once the
    // mouse has moved Threshold pixels (-1: the system's drag distance).
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends this control's drag: dropped where the mouse is, or cancelled.
    void EndDrag(bool Drop);
    bool Dragging() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // Target side of a drag (X, Y in client coordinates). The base
    // accepts only when OnDragOver is assigned and leaves Accept set.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);

protected:
    virtual std::string GetText();
    virtual void SetTextInternal(const std::string& Value) { FText = Value; }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Resize();
    virtual void VisibleChanging() {}
    virtual void RequestAlign();
    void InvalidateControl(bool IsVisible, bool IsOpaque);
    // Tells the parent a property it may inherit changed in this control.
    void SendParentNotify(uint32_t Msg);
    void Loaded() override;
    void ReadState(TReader* Reader) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // With csSetCaption, a text that equals the old name follows a rename
    // (not while loading).
    void ChangeName(const std::string& NewName) override;
    void FontChanged(TObject* Sender);
    // Source side of a drag.
    virtual void DoStartDrag(TDragObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    // Answers CM_DRAG.
    void CMDrag(TMessage& Message);
    // A press with DragMode dmAutomatic starts a drag instead of the usual
    // mouse handling: true when it did.
    virtual bool BeginAutoDrag();

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TComponent* FPopupMenu = nullptr;
    IControlPopupMenu* FPopupLink = nullptr;  // the same menu, as a control uses it
    TCursor FCursor = crDefault;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    std::string FText;
    bool FInAssignParentFont = false;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;

private:
    friend class TWinControl;
    friend struct TDragAccess;
    // The default WindowProc: the design filter, then WndProc.
    void FilterAndWndProc(TMessage& Message);
    void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TMessage& Message, TMouseButton Button);
    void CheckPopup(TMessage& Message);
};

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    WNDCLASSA WindowClass{};
    std::string WinClassName;
};

class TWinControl : public TControl {
    QRN_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    // The window, made on first use (and its parents' windows with it).
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Gives the window back; the control keeps its state and makes the
    // window again on the next use.
    void DestroyHandle();
    // Destroys and makes the window again, e.g. after a style change.
    void RecreateWnd();
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND Value);

    // Children: windowless and windowed, in z-order (bottom first).
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(static_cast<size_t>(Index)); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(TControl* Control) const;
    // Brings a child into view: the parents up the chain do the same for
    // this control, and a container of pages turns to the child's page.
    virtual void ShowControl(TControl* AControl);
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false);
    // Sends Message to every child until one sets a nonzero Result.
    void Broadcast(TMessage& Message);
    void NotifyControls(uint32_t Msg);
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();

    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    // The windowed children in tab order, depth first.
    virtual void GetTabOrderList(std::vector<TWinControl*>& List);
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    virtual bool CanFocus();
    bool Focused();
    virtual void SetFocus();

    TRect ClientRect() override;
    TPoint ClientOrigin() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool Showing() const override { return FShowing; }
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(void* Message) override;
    TBrush* Brush() { return FBrush.get(); }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    // Window classes this module registered; unregistered on unload.
    static void UnregisterWindowClasses();

protected:
    virtual void CreateParams(TCreateParams& Params);
    // Uses a system window class (BUTTON, EDIT, MDICLIENT...) under the
    // control's own class name, keeping the system procedure as default.
    void CreateSubClass(TCreateParams& Params, const char* ControlClassName);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    virtual void CreateHandle();
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect&) {}
    virtual void PaintWindow(HDC DC);
    void PaintHandler(TMessage& Message);
    void PaintControls(HDC DC, TControl* First);
    virtual void UpdateShowing();
    virtual void ShowingChanged();
    void UpdateBounds();
    void Loaded() override;
    virtual bool DoKeyDown(TMessage& Message);
    virtual bool DoKeyPress(TMessage& Message);
    virtual bool DoKeyUp(TMessage& Message);
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();
    std::string GetText() override;
    void SetTextInternal(const std::string& Value) override;
    bool IsMenuKey(TMessage& Message);
    // Whether the windowed child at this point should get the mouse.
    bool IsControlMouseMsg(TMessage& Message);
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    void SetZOrderPosition(TControl* Control, int Position);

    HWND FHandle = nullptr;
    HWND FParentWindow = nullptr;
    WNDPROC FDefWndProc = nullptr;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    bool FShowing = false;
    int FAlignLevel = 0;
    std::unique_ptr<TBrush> FBrush;
    std::string FSavedText;  // while the window is recreated

private:
    friend class TControl;
    friend LRESULT CALLBACK QrnStdWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    void Reflect(TMessage& Message, HWND Child);
    void DoAlign(TAlign Align, TRect& Rect);
    void CNKeyDown(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
};

// A control canvas: the control's window DC (its parent's, clipped to it,
// for a windowless control) while used outside painting.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* AControl) : FControl(AControl) {}
    ~TControlCanvas() override { FreeHandle(); }
    void FreeHandle();
    TControl* Control() const { return FControl; }

protected:
    void CreateHandle() override;

private:
    TControl* FControl;
    HDC FDC = nullptr;
    HWND FWindow = nullptr;
};

class TCustomControl : public TWinControl {
    QRN_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas* Canvas() { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;
    void DestroyWnd() override;
    std::unique_ptr<TControlCanvas> FCanvas;
};

class TGraphicControl : public TControl {
    QRN_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    TCanvas* Canvas() { return FCanvas.get(); }
    void WndProc(TMessage& Message) override;

protected:
    virtual void Paint() {}
    std::unique_ptr<TControlCanvas> FCanvas;
};

// The control whose window this is (nullptr for foreign windows).
TWinControl* FindControl(HWND Wnd);
// The windowed control owning Wnd or one of its ancestors.
TWinControl* FindVCLWindow(HWND Wnd);
// The control under a screen point: windowless children included.
TControl* FindDragTarget(TPoint Pos, bool AllowDisabled);
// The control being dragged (nullptr when no drag runs in this module).
TControl* DragControl();
// Ends the running drag without a drop.
void CancelDrag();
// The drag forgets a control that goes away (its source or its target).
void DragControlDestroyed(TControl* Control);
// The control holding the mouse capture, windowless ones included.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// Design time: every message of a csDesigning control is offered to this
// hook first, before the control's own WndProc (overrides included) sees
// it; true when the designer took it. The forms layer sets it (the
// nearest form's designer); nullptr: nothing is designed.
extern bool (*DesignMessageHook)(TControl* Sender, TMessage& Message);
// Every message a framework window receives is shown to this watcher first,
// before its control handles it; nullptr: nobody watches. A library that
// must learn of messages no single control receives (the application being
// activated, any window moving) sets it: a thread hook on sent messages
// would cost a round trip through the system for every message the thread
// sends (a sixth of a millisecond under Wine). The watcher must not throw.
extern void (*FrameworkMessageWatch)(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Mouse messages a windowed control hands to the windowless child under
// the mouse.
inline bool IsChildMouseMsg(uint32_t Msg) {
    return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK && Msg != WM_MOUSEWHEEL;
}
// True while the control is designed: a disabled control then keeps an
// enabled window, so that the designer can still select it.
inline bool KeepsEnabledForDesign(const TComponent* Control) {
    return Control->ComponentState().Contains(csDesigning);
}
// The module whose code this is: the executable, or the DLL that holds
// this copy of the framework.
HINSTANCE FrameworkInstance();

// Passes the exception being handled to the application's HandleException;
// for window procedures, hook procedures and timer callbacks, which must
// not let an exception out. Call only inside a catch block.
void HandleCallbackException(TObject* Sender) noexcept;
// Set by the application object.
extern void (*ApplicationHandleExceptionProc)(TObject* Sender);

// Work to do when the module unloads (timers killed, hooks removed,
// helper windows destroyed); run by DoneApplication and at unload.
void AddFrameworkCleanup(void (*Proc)());
// Makes the module's registries of windows, classes, hooks and clean-ups
// before the object that cleans up at unload, so they outlive it.
void TouchFrameworkRegistries();
void RunFrameworkCleanups();

// Message hooks of this thread that are removed when the module unloads.
// Proc must catch every exception and pass it to HandleCallbackException.
HHOOK SetFrameworkHook(int IdHook, HOOKPROC Proc);
void RemoveFrameworkHook(HHOOK Hook);

// A hidden window whose messages go to Method (for timers and other
// helpers that need a window); exceptions go to HandleException.
HWND AllocateHWnd(std::function<void(TMessage&)> Method);
void DeallocateHWnd(HWND Wnd);
