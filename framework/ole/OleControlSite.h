#pragma once
// The container side that a hosted ActiveX control talks to: client site,
// in-place site and frame, control site and the ambient properties, in one
// reference-counted object. It reaches its TOleControl through a back
// pointer that the host clears when it goes, so a control that keeps the
// site longer gets failures instead of a dangling host.
#include <atomic>

#include "framework/ole/OleControl.h"

class TOleControlSite final : public IOleClientSite,
                              public IOleInPlaceSite,
                              public IOleInPlaceFrame,
                              public IOleControlSite,
                              public IDispatch {
public:
    explicit TOleControlSite(TOleControl* Control) : FControl(Control) {}
    TOleControlSite(const TOleControlSite&) = delete;
    TOleControlSite& operator=(const TOleControlSite&) = delete;
    void Detach() { FControl = nullptr; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID Iid, void** Object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** Moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** Container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL) override;
    STDMETHODIMP RequestNewObjectLayout() override;
    // IOleWindow (of the in-place site and of the frame)
    STDMETHODIMP GetWindow(HWND* Wnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override;
    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** Frame, IOleInPlaceUIWindow** Doc, LPRECT PosRect,
                                  LPRECT ClipRect, LPOLEINPLACEFRAMEINFO FrameInfo) override;
    STDMETHODIMP Scroll(SIZE) override;
    STDMETHODIMP OnUIDeactivate(BOOL) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT PosRect) override;
    // IOleInPlaceUIWindow, IOleInPlaceFrame: no menus, tools or status.
    STDMETHODIMP GetBorder(LPRECT) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override;
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override;
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override;
    STDMETHODIMP RemoveMenus(HMENU) override;
    STDMETHODIMP SetStatusText(LPCOLESTR) override;
    STDMETHODIMP EnableModeless(BOOL) override;
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override;
    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override;
    STDMETHODIMP LockInPlaceActive(BOOL) override;
    STDMETHODIMP GetExtendedControl(IDispatch** Disp) override;
    STDMETHODIMP TransformCoords(POINTL* Himetric, POINTF* Container, DWORD Flags) override;
    STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override;
    STDMETHODIMP OnFocus(BOOL) override;
    STDMETHODIMP ShowPropertyFrame() override;
    // IDispatch: the ambient properties.
    STDMETHODIMP GetTypeInfoCount(UINT* Count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** Info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID DispID, REFIID, LCID, WORD Flags, DISPPARAMS*, VARIANT* Result, EXCEPINFO*,
                        UINT*) override;

private:
    ~TOleControlSite() = default;
    std::atomic<ULONG> FRefCount{1};
    TOleControl* FControl;
};

// HIMETRIC (0.01 mm) and screen pixels.
SIZEL PixelsToHimetric(int Width, int Height);
SIZE HimetricToPixels(const SIZEL& Extent);
