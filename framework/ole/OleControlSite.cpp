#include "framework/ole/OleControlSite.h"

#include "framework/ole/OleErrors.h"
#include "framework/graphics/ScreenDC.h"

namespace {

int ScreenPixelsPer(int Index) {
    const int N = GetDeviceCaps(ScreenDC(), Index);
    return N > 0 ? N : 96;
}

constexpr int HimetricPerInch = 2540;

}  // namespace

SIZEL PixelsToHimetric(int Width, int Height) {
    return {MulDiv(Width, HimetricPerInch, ScreenPixelsPer(LOGPIXELSX)),
            MulDiv(Height, HimetricPerInch, ScreenPixelsPer(LOGPIXELSY))};
}

SIZE HimetricToPixels(const SIZEL& Extent) {
    return {MulDiv(Extent.cx, ScreenPixelsPer(LOGPIXELSX), HimetricPerInch),
            MulDiv(Extent.cy, ScreenPixelsPer(LOGPIXELSY), HimetricPerInch)};
}

// ---- IUnknown

STDMETHODIMP TOleControlSite::QueryInterface(REFIID Iid, void** Object) {
    if (!Object) return E_POINTER;
    *Object = nullptr;
    if (Iid == IID_IUnknown || Iid == IID_IOleClientSite)
        *Object = static_cast<IOleClientSite*>(this);
    else if (Iid == IID_IOleWindow || Iid == IID_IOleInPlaceSite)
        *Object = static_cast<IOleInPlaceSite*>(this);
    else if (Iid == IID_IOleInPlaceUIWindow || Iid == IID_IOleInPlaceFrame)
        *Object = static_cast<IOleInPlaceFrame*>(this);
    else if (Iid == IID_IOleControlSite)
        *Object = static_cast<IOleControlSite*>(this);
    else if (Iid == IID_IDispatch)
        *Object = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TOleControlSite::AddRef() { return ++FRefCount; }

STDMETHODIMP_(ULONG) TOleControlSite::Release() {
    const ULONG N = --FRefCount;
    if (N == 0) delete this;
    return N;
}

// ---- IOleClientSite

STDMETHODIMP TOleControlSite::SaveObject() { return S_OK; }
STDMETHODIMP TOleControlSite::GetMoniker(DWORD, DWORD, IMoniker** Moniker) {
    if (Moniker) *Moniker = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP TOleControlSite::GetContainer(IOleContainer** Container) {
    if (Container) *Container = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP TOleControlSite::ShowObject() { return S_OK; }
STDMETHODIMP TOleControlSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP TOleControlSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// ---- IOleWindow

STDMETHODIMP TOleControlSite::GetWindow(HWND* Wnd) {
    if (!Wnd) return E_POINTER;
    *Wnd = nullptr;
    return ComBoundary([&]() -> HRESULT {
        if (!FControl || !FControl->HandleAllocated()) return E_FAIL;
        *Wnd = FControl->Handle();
        return S_OK;
    });
}
STDMETHODIMP TOleControlSite::ContextSensitiveHelp(BOOL) { return S_OK; }

// ---- IOleInPlaceSite

STDMETHODIMP TOleControlSite::CanInPlaceActivate() {
    return FControl && FControl->HandleAllocated() ? S_OK : S_FALSE;
}

STDMETHODIMP TOleControlSite::OnInPlaceActivate() {
    return ComBoundary([&]() -> HRESULT {
        if (!FControl) return E_UNEXPECTED;
        FControl->InPlaceActivated();
        return S_OK;
    });
}

STDMETHODIMP TOleControlSite::OnUIActivate() { return S_OK; }

STDMETHODIMP TOleControlSite::GetWindowContext(IOleInPlaceFrame** Frame, IOleInPlaceUIWindow** Doc,
                                               LPRECT PosRect, LPRECT ClipRect, LPOLEINPLACEFRAMEINFO FrameInfo) {
    if (!Frame || !Doc || !PosRect || !ClipRect || !FrameInfo) return E_POINTER;
    *Frame = nullptr;
    *Doc = nullptr;
    return ComBoundary([&]() -> HRESULT {
        if (!FControl || !FControl->HandleAllocated()) return E_UNEXPECTED;
        *Frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *PosRect = RECT{0, 0, FControl->Width(), FControl->Height()};
        *ClipRect = *PosRect;
        FrameInfo->fMDIApp = FALSE;
        FrameInfo->hwndFrame = FControl->Handle();
        FrameInfo->haccel = nullptr;
        FrameInfo->cAccelEntries = 0;
        return S_OK;
    });
}

STDMETHODIMP TOleControlSite::Scroll(SIZE) { return S_FALSE; }
STDMETHODIMP TOleControlSite::OnUIDeactivate(BOOL) { return S_OK; }

STDMETHODIMP TOleControlSite::OnInPlaceDeactivate() {
    return ComBoundary([&]() -> HRESULT {
        if (FControl) FControl->InPlaceDeactivated();
        return S_OK;
    });
}

STDMETHODIMP TOleControlSite::DiscardUndoState() { return S_OK; }
STDMETHODIMP TOleControlSite::DeactivateAndUndo() { return S_OK; }

STDMETHODIMP TOleControlSite::OnPosRectChange(LPCRECT PosRect) {
    if (!PosRect) return E_POINTER;
    return ComBoundary([&]() -> HRESULT {
        if (!FControl) return E_UNEXPECTED;
        FControl->PosRectChanged(*PosRect);
        return S_OK;
    });
}

// ---- IOleInPlaceUIWindow, IOleInPlaceFrame

STDMETHODIMP TOleControlSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TOleControlSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
STDMETHODIMP TOleControlSite::SetBorderSpace(LPCBORDERWIDTHS) { return OLE_E_INVALIDRECT; }
STDMETHODIMP TOleControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
STDMETHODIMP TOleControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return S_OK; }
STDMETHODIMP TOleControlSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
STDMETHODIMP TOleControlSite::RemoveMenus(HMENU) { return S_OK; }
STDMETHODIMP TOleControlSite::SetStatusText(LPCOLESTR) { return S_OK; }
STDMETHODIMP TOleControlSite::EnableModeless(BOOL) { return S_OK; }
STDMETHODIMP TOleControlSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

// ---- IOleControlSite

STDMETHODIMP TOleControlSite::OnControlInfoChanged() { return S_OK; }
STDMETHODIMP TOleControlSite::LockInPlaceActive(BOOL) { return S_OK; }
STDMETHODIMP TOleControlSite::GetExtendedControl(IDispatch** Disp) {
    if (Disp) *Disp = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TOleControlSite::TransformCoords(POINTL* Himetric, POINTF* Container, DWORD Flags) {
    if (!Himetric || !Container) return E_POINTER;
    if (Flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
        const SIZE P = HimetricToPixels({Himetric->x, Himetric->y});
        Container->x = static_cast<float>(P.cx);
        Container->y = static_cast<float>(P.cy);
    } else {
        const SIZEL H = PixelsToHimetric(static_cast<int>(Container->x), static_cast<int>(Container->y));
        Himetric->x = H.cx;
        Himetric->y = H.cy;
    }
    return S_OK;
}

STDMETHODIMP TOleControlSite::TranslateAccelerator(MSG*, DWORD) { return S_FALSE; }
STDMETHODIMP TOleControlSite::OnFocus(BOOL) { return S_OK; }
STDMETHODIMP TOleControlSite::ShowPropertyFrame() { return E_NOTIMPL; }

// ---- IDispatch

STDMETHODIMP TOleControlSite::GetTypeInfoCount(UINT* Count) {
    if (!Count) return E_POINTER;
    *Count = 0;
    return S_OK;
}
STDMETHODIMP TOleControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** Info) {
    if (Info) *Info = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP TOleControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP TOleControlSite::Invoke(DISPID DispID, REFIID, LCID, WORD Flags, DISPPARAMS*, VARIANT* Result,
                                     EXCEPINFO*, UINT*) {
    if (!(Flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (!Result) return E_POINTER;
    VariantInit(Result);
    return ComBoundary([&]() -> HRESULT {
        if (!FControl) return DISP_E_MEMBERNOTFOUND;
        return FControl->AmbientProperty(DispID, Result);
    });
}
