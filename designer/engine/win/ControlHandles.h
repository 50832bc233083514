#pragma once
// The eight grab handles of the selected control: 4 x 4 child windows of
// the designed form at the control's corners and edge midpoints. Dragging
// one resizes the control; the designer hears of it through the events.
#include <array>
#include <functional>
#include <memory>

#include "designer/engine/DesignGeometry.h"
#include "framework/controls/Controls.h"

enum TCHShowMode { smActive, smInActive, smGrayed, smInvisible };

class TControlHandles;

// One handle window.
class TCHandle {
public:
    TCHandle(TControlHandles* Owner, THandlePosition Position);
    ~TCHandle();
    TCHandle(const TCHandle&) = delete;
    TCHandle& operator=(const TCHandle&) = delete;

    HWND Window() const { return FWindow; }
    THandlePosition Position() const { return FPosition; }
    TCHShowMode Mode() const { return FMode; }
    void SetMode(TCHShowMode Value);
    bool CanSize() const { return FCanSize; }
    bool Dragging() const { return FDragging; }
    // Places the window centred on its point of the control (off the form
    // when the point is scrolled out of the parents' visible area).
    void Reposition();
    void StopDragging();

private:
    static LRESULT CALLBACK WindowProcedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT Handle(UINT Msg, WPARAM WParam, LPARAM LParam);
    void Paint();

    TControlHandles* FOwner;
    THandlePosition FPosition;
    TCHShowMode FMode = smActive;
    bool FCanSize = true;
    bool FDragging = false;
    HWND FWindow = nullptr;
};

class TControlHandles {
public:
    TControlHandles();
    ~TControlHandles();
    TControlHandles(const TControlHandles&) = delete;
    TControlHandles& operator=(const TControlHandles&) = delete;

    // Messages of the handle windows go to the designer first (with the
    // marked control as their target); true when it took one.
    std::function<bool(TControl* Sender, TMessage& Message)> FilterMessage;
    std::function<void(TControlHandles* Sender)> OnStartSizeChanging;
    std::function<void(TControlHandles* Sender, int NewWidth, int NewHeight)> OnSizeChanging;
    std::function<void(TControlHandles* Sender, int NewWidth, int NewHeight)> OnSizeChanged;
    // May change the sizing rectangle (screen coordinates), e.g. to the grid.
    std::function<void(TControlHandles* Sender, TRect& R)> OnValidateRect;
    std::function<void(TControlHandles* Sender, TMouseButton Button, TShiftState Shift, THandlePosition Position)>
        OnMouseDown;

    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);
    bool HandlesVisible() const { return FVisible; }
    void SetHandlesVisible(bool Value);
    TCHShowMode ShowMode() const { return FShowMode; }
    void SetShowMode(TCHShowMode Mode);
    bool Sizing() const { return FSizing; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // The rectangle of a resize in progress, in screen coordinates.
    TRect SizingRect() const { return FSizingRect; }
    TRect ClipRect() const { return FClipRect; }
    // Repositions the handles after the control moved.
    void Update();
    // Ends a resize without applying it (Esc).
    void Cancel();
    TCHandle& HandleAt(THandlePosition Position) { return *FHandles[static_cast<size_t>(Position) - 1]; }
    // A handle window of these handles (nullptr otherwise).
    TCHandle* FindHandle(HWND Wnd);

private:
    friend class TCHandle;
    void Press(TCHandle& Handle, TMouseButton Button);
    void MoveTo(TCHandle& Handle, TPoint ScreenPoint);
    void Release(TCHandle& Handle);
    void DrawFrame() const;

    std::array<std::unique_ptr<TCHandle>, 8> FHandles;
    TControl* FControl = nullptr;
    bool FVisible = false;
    bool FEnabled = true;
    bool FSizing = false;
    TCHShowMode FShowMode = smActive;
    TCHShowMode FSavedMode = smActive;
    TRect FSizingRect;
    TRect FClipRect;
};

// The control's bounds in screen coordinates.
TRect ScreenBounds(TControl* Control);
// The visible part of Control's client area, clipped by every parent up to
// the form, in screen coordinates.
TRect VisibleClientRect(TControl* Control);
