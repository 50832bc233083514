#pragma once
// TOleControl: a window that hosts an ActiveX control. The control is
// created from its class id when the host is constructed; it becomes
// in-place active inside the host's window once that window exists, and
// follows the host's size (the control may insist on its own extent) and,
// being a child window, its parent. The host gives the control a client
// site, an in-place site and frame, a control site and ambient properties
// (design mode is the host's csDesigning). Everything the control was
// given is taken back and released when the host goes.
#include "framework/controls/Controls.h"
#include "framework/rtl/win/ComPtr.h"

#include <ole2.h>
#include <olectl.h>

// What a descendant tells the host about the control to create.
struct TControlData {
    CLSID ClassID{};
};

class TOleControlSite;

class TOleControl : public TWinControl {
    QRN_CLASS(TOleControl, TWinControl)
public:
    // Creates the ActiveX object; raises EOleSysError when it cannot be
    // created.
    TOleControl(TComponent* AOwner, const TControlData& Data);
    ~TOleControl() override;
    void BeforeDestruction() override;

    const CLSID& ClassID() const { return FClassID; }
    IOleObject* OleObject() const { return FOleObject.Get(); }
    // The control's automation interface; nullptr when it has none.
    IDispatch* DefaultDispatch() const { return FDispatch.Get(); }
    bool InPlaceActive() const { return static_cast<bool>(FInPlaceObject); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void CreateWnd() override;
    void DestroyWnd() override;

private:
    friend class TOleControlSite;
    void ActivateInPlace();
    void DeactivateInPlace();
    void ReleaseControl();
    // The site's calls back.
    void InPlaceActivated();
    void InPlaceDeactivated();
    void PosRectChanged(const RECT& Rect);
    HRESULT AmbientProperty(DISPID DispID, VARIANT* Result);

    CLSID FClassID{};
    TComPtr<TOleControlSite> FSite;
    TComPtr<IOleObject> FOleObject;
    TComPtr<IDispatch> FDispatch;
    TComPtr<IOleInPlaceObject> FInPlaceObject;
    bool FOleInitialized = false;
    bool FInPosRectChange = false;
};
