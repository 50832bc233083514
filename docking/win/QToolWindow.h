#pragma once
// TQCustomToolWindow: the bar that lives on a TQDock or floats above its
// form in a window with a small caption. It draws its own frame, is
// dragged between docks and the desktop with an inverted outline, can be
// resized while floating, and keeps floating bars shown, hidden and
// stacked as the application and its forms are activated. Descendants
// lay out their children through ArrangeControls and friends.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "docking/DockDrag.h"
#include "docking/HookRegistry.h"
#include "docking/ToolWindowFrame.h"
#include "docking/win/QDock.h"
#include "framework/forms/Forms.h"

QRN_ENUM(TToolWindowDockMode, dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks)
QRN_ENUM(TToolWindowFloatingMode, fmOnTopOfParentForm, fmOnTopOfAllForms)
QRN_ENUM(TDragHandleStyle, dhDouble, dhNone, dhSingle)

using TDockChangingExEvent = TEvent<void(TObject* Sender, TQDock* DockingTo)>;

// Reads or writes one integer of a bar's saved position by (section, key).
using TPositionReadIntProc = std::function<int(const std::string& Section, const std::string& Key, int Default)>;
using TPositionWriteIntProc = std::function<void(const std::string& Section, const std::string& Key, int Value)>;

// The invisible host form of a floating bar: the floating bar's window is
// owned by it, and it is owned by the form the bar floats for.
class TFloatingWindowParent : public TForm {
    QRN_CLASS(TFloatingWindowParent, TForm)
public:
    TFloatingWindowParent(TComponent* AOwner, TCustomForm* ParentForm);
    TCustomForm* ParentForm() const { return FParentForm; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ShowingChanged() override;
    void WndProc(TMessage& Message) override;

private:
    TCustomForm* FParentForm;
};

class TQCustomToolWindow : public TCustomControl {
    QRN_CLASS(TQCustomToolWindow, TCustomControl)
public:
    explicit TQCustomToolWindow(TComponent* AOwner);
    ~TQCustomToolWindow() override;
    void BeforeDestruction() override;

    bool ActivateParent() const { return FActivateParent; }
    void SetActivateParent(bool Value) { FActivateParent = Value; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    bool CloseButton() const { return FCloseButton; }
    void SetCloseButton(bool Value);
    TQDock* DefaultDock() const { return FDefaultDock; }
    void SetDefaultDock(TQDock* Value);
    TDockableTo DockableTo() const { return FDockableTo; }
    void SetDockableTo(TDockableTo Value) { FDockableTo = Value; }
    TQDock* DockedTo() const { return FDockedTo; }
    // Docks there; nil floats the bar on its form. Errors are swallowed.
    void SetDockedTo(TQDock* Value);
    TToolWindowDockMode DockMode() const { return FDockMode; }
    void SetDockMode(TToolWindowDockMode Value) { FDockMode = Value; }
    int DockPos() const { return FDockPos; }
    void SetDockPos(int Value);
    int DockRow() const { return FDockRow; }
    void SetDockRow(int Value);
    TDragHandleStyle DragHandleStyle() const { return FDragHandleStyle; }
    void SetDragHandleStyle(TDragHandleStyle Value);
    TToolWindowFloatingMode FloatingMode() const { return FFloatingMode; }
    void SetFloatingMode(TToolWindowFloatingMode Value);
    bool FullSize() const { return FFullSize; }
    void SetFullSize(bool Value);
    bool HideWhenInactive() const { return FHideWhenInactive; }
    void SetHideWhenInactive(bool Value);
    TQDock* LastDock() const { return FLastDock; }
    void SetLastDock(TQDock* Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    bool UseLastDock() const { return FUseLastDock; }
    void SetUseLastDock(bool Value);
    bool Resizable() const { return FResizable; }
    void SetResizable(bool Value);

    TNotifyEvent OnClose;
    TNotifyEvent OnDockChanged;
    TNotifyEvent OnDockChanging;
    TDockChangingExEvent OnDockChangingEx;
    TDockChangingExEvent OnDockChangingHidden;
    TNotifyEvent OnMove;
    TNotifyEvent OnRecreated;
    TNotifyEvent OnRecreating;
    TNotifyEvent OnVisibleChanged;

    bool Docked() const { return FDockedTo != nullptr; }
    bool Floating() const;
    // The host form while floating.
    TFloatingWindowParent* FloatParent() const { return FFloatParent.get(); }
    // The form the bar belongs to (docked or floating).
    TCustomForm* OwnerForm();

    // A floating bar names the form it floats for, not its invisible
    // host, so that the form writes it and reading floats it again.
    TComponent* GetParentComponent() const override;
    void SetParent(TWinControl* AParent) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Asks ArrangeControls for the client size and takes it.
    void Arrange();
    void MoveOnScreen(bool OnlyWhenOff);
    // Other forms whose docks a drag may use.
    void AddDockForm(TCustomForm* Form);
    void RemoveDockForm(TCustomForm* Form);

    // Size across a dock of the given orientation; the smallest floating
    // client size; the layout of the children for TargetDock's orientation
    // (nil: floating), moving them only when CanMove, returning the client
    // size they need.
    virtual int GetDockedSizeAcross(TDockOrientation Orientation) = 0;
    virtual void GetMinimumSize(int& AWidth, int& AHeight) = 0;
    virtual TExtent ArrangeControls(bool CanMove, TDockOrientation CurrentOrientation, TQDock* TargetDock) = 0;
    virtual void SizeChanging(int, int) {}

    virtual void ReadPositionData(const TPositionReadIntProc&) {}
    virtual void WritePositionData(const TPositionWriteIntProc&) {}

    // The frame sizes for the bar's present state.
    TEdgeInsets NonClientInsets();
    TEdgeInsets FloatingInsets();
    TFloatingFrame FloatingFrame();
    // Re-evaluates whether a floating bar is to be seen.
    void UpdateVisibility();
    void KeepAboveForm();

    // The drag loop started by a press at Grab (window coordinates), and
    // the floating resize loop started by a press on a border.
    void BeginMoving(TPoint Grab);
    void BeginSizing(int HitCode);

protected:
    struct TToolWindowParams {
        bool CallAlignControls = true;
        bool ResizeEightCorner = true;
        bool ResizeClipCursor = true;
    };
    virtual TToolWindowParams GetParams() { return {}; }
    // Whether a press on Child is a press on the bar (it drags).
    virtual bool ChildControlTransparent(TControl*) { return false; }
    virtual void ResizeBegin(int) {}
    virtual void ResizeTrack(TRect&, const TRect&) {}
    virtual void ResizeEnd(bool) {}

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    TRect ClientRect() override;

    int FSizeUpdateSuspended = 0;
    TDockOrientation FLastOrientation = doNoDock;
    bool FMeasured = false;

private:
    friend class TQDock;
    static void HookProc(THookKind Kind, void* Wnd, uintptr_t WParam, intptr_t LParam);
    void DoDoubleClick();
    // ThreadActive: whether the thread has an active window (asked when
    // not given); a floating caption shows it.
    void DrawNonClient(std::optional<bool> ThreadActive = std::nullopt);
    void DrawFloatingNonClient(HDC DC, bool ThreadActive);
    // A floating bar that hid while active hands activation on.
    void HandOnActivation();
    void MirrorActivationOnForm(bool Active);
    void DrawDockedNonClient(HDC DC);
    void TrackCloseButton();
    bool PressOnChild(TPoint ClientPoint);
    void FloatAt(TPoint ScreenTopLeft);
    TExtent FloatingOuterSize();
    std::vector<TQDock*> CandidateDocks();
    bool ShouldFloatBeShown(bool ThreadActive);
    void ApplyFloatingVisibility(bool Show);
    TCustomForm* ParentFormFor(TWinControl* AParent);

    bool FActivateParent = true;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FCloseButton = true;
    TQDock* FDefaultDock = nullptr;
    TDockableTo FDockableTo{dpTop, dpBottom, dpLeft, dpRight};
    TQDock* FDockedTo = nullptr;
    TToolWindowDockMode FDockMode = dmCanFloat;
    int FDockPos = -1;
    int FDockRow = 0;
    TDragHandleStyle FDragHandleStyle = dhDouble;
    TToolWindowFloatingMode FFloatingMode = fmOnTopOfParentForm;
    bool FFullSize = false;
    bool FHideWhenInactive = true;
    TQDock* FLastDock = nullptr;
    bool FShowCaption = true;
    bool FUseLastDock = true;
    bool FResizable = true;

    TPoint FFloatingPos{0, 0};
    bool FCloseButtonDown = false;
    int FMovingParent = 0;
    int FDockPositioning = 0;
    bool FSavedAtRunTime = false;
    std::vector<TCustomForm*> FDockForms;
    std::unique_ptr<TFloatingWindowParent, TObjectFree> FFloatParent;
};
