#include "framework/ole/OleControl.h"

#include "framework/graphics/OleGraphics.h"
#include "framework/ole/OleControlSite.h"
#include "framework/ole/OleErrors.h"
#include "framework/rtl/win/WideText.h"

TOleControl::TOleControl(TComponent* AOwner, const TControlData& Data) : TWinControl(AOwner), FClassID(Data.ClassID) {
    FOleInitialized = SUCCEEDED(OleInitialize(nullptr));
    FSite = TComPtr<TOleControlSite>::Attach(new TOleControlSite(this));
    try {
        OleCheck(CoCreateInstance(FClassID, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  FOleObject.PutVoid()));
        DWORD Misc = 0;
        FOleObject->GetMiscStatus(DVASPECT_CONTENT, &Misc);
        // Some controls read ambient properties while they initialise.
        const bool SiteFirst = (Misc & OLEMISC_SETCLIENTSITEFIRST) != 0;
        if (SiteFirst) OleCheck(FOleObject->SetClientSite(FSite.Get()));
        if (auto Persist = FOleObject.As<IPersistStreamInit>(IID_IPersistStreamInit)) Persist->InitNew();
        if (!SiteFirst) OleCheck(FOleObject->SetClientSite(FSite.Get()));
        FDispatch = FOleObject.As<IDispatch>(IID_IDispatch);
        SIZEL Extent = PixelsToHimetric(Width(), Height());
        FOleObject->SetExtent(DVASPECT_CONTENT, &Extent);
    } catch (...) {
        ReleaseControl();
        throw;
    }
}

TOleControl::~TOleControl() {
    ReleaseControl();
}

void TOleControl::BeforeDestruction() {
    ReleaseControl();
    inherited::BeforeDestruction();
}

// Deactivates, closes and gives back everything the control holds of us and
// we of it; the site is detached so late calls find no host.
void TOleControl::ReleaseControl() {
    if (FOleObject) {
        DeactivateInPlace();
        FOleObject->Close(OLECLOSE_NOSAVE);
        FOleObject->SetClientSite(nullptr);
    }
    FInPlaceObject.Reset();
    FDispatch.Reset();
    FOleObject.Reset();
    if (FSite) {
        FSite->Detach();
        FSite.Reset();
    }
    if (FOleInitialized) {
        FOleInitialized = false;
        OleUninitialize();
    }
}

void TOleControl::CreateWnd() {
    inherited::CreateWnd();
    ActivateInPlace();
}

void TOleControl::DestroyWnd() {
    DeactivateInPlace();
    inherited::DestroyWnd();
}

void TOleControl::ActivateInPlace() {
    if (!FOleObject || FInPlaceObject || !HandleAllocated()) return;
    RECT Rect{0, 0, Width(), Height()};
    if (FAILED(FOleObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, FSite.Get(), 0, Handle(), &Rect)))
        FOleObject->DoVerb(OLEIVERB_SHOW, nullptr, FSite.Get(), 0, Handle(), &Rect);
}

void TOleControl::DeactivateInPlace() {
    // The control answers through OnInPlaceDeactivate; keep our reference
    // until the call is over.
    if (TComPtr<IOleInPlaceObject> InPlace = FInPlaceObject) InPlace->InPlaceDeactivate();
    FInPlaceObject.Reset();
}

void TOleControl::InPlaceActivated() {
    FInPlaceObject = FOleObject.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
}

void TOleControl::InPlaceDeactivated() { FInPlaceObject.Reset(); }

void TOleControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FOleObject && !FInPosRectChange) {
        // The control may keep or snap its extent: take the size it has.
        SIZEL Extent = PixelsToHimetric(AWidth, AHeight);
        FOleObject->SetExtent(DVASPECT_CONTENT, &Extent);
        if (SUCCEEDED(FOleObject->GetExtent(DVASPECT_CONTENT, &Extent))) {
            const SIZE Size = HimetricToPixels(Extent);
            AWidth = Size.cx;
            AHeight = Size.cy;
        }
    }
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FInPlaceObject) {
        RECT Rect{0, 0, Width(), Height()};
        FInPlaceObject->SetObjectRects(&Rect, &Rect);
    }
}

// The control asks for another size while it is active.
void TOleControl::PosRectChanged(const RECT& Rect) {
    if (FInPosRectChange) return;
    FInPosRectChange = true;
    try {
        SetBounds(Left(), Top(), Rect.right - Rect.left, Rect.bottom - Rect.top);
    } catch (...) {
        FInPosRectChange = false;
        throw;
    }
    FInPosRectChange = false;
}

namespace {

void SetBool(VARIANT* V, bool Value) {
    V->vt = VT_BOOL;
    V->boolVal = Value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetInt(VARIANT* V, LONG Value) {
    V->vt = VT_I4;
    V->lVal = Value;
}

}  // namespace

HRESULT TOleControl::AmbientProperty(DISPID DispID, VARIANT* Result) {
    const bool Designing = ComponentState().Contains(csDesigning);
    switch (DispID) {
        case DISPID_AMBIENT_USERMODE:
            SetBool(Result, !Designing);
            return S_OK;
        case DISPID_AMBIENT_UIDEAD:
            SetBool(Result, Designing);
            return S_OK;
        case DISPID_AMBIENT_SHOWGRABHANDLES:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_MESSAGEREFLECT:
        case DISPID_AMBIENT_SUPPORTSMNEMONICS:
            SetBool(Result, false);
            return S_OK;
        case DISPID_AMBIENT_AUTOCLIP:
            SetBool(Result, true);
            return S_OK;
        case DISPID_AMBIENT_BACKCOLOR:
            SetInt(Result, static_cast<LONG>(ColorToRGB(Color())));
            return S_OK;
        case DISPID_AMBIENT_FORECOLOR:
            SetInt(Result, static_cast<LONG>(ColorToRGB(Font()->Color())));
            return S_OK;
        case DISPID_AMBIENT_LOCALEID:
            SetInt(Result, static_cast<LONG>(GetUserDefaultLCID()));
            return S_OK;
        case DISPID_AMBIENT_APPEARANCE:
            SetInt(Result, 1);  // 3D
            return S_OK;
        case DISPID_AMBIENT_DISPLAYNAME: {
            const std::wstring Text = Widen(Name());
            Result->vt = VT_BSTR;
            Result->bstrVal = SysAllocString(Text.c_str());
            return S_OK;
        }
        case DISPID_AMBIENT_FONT: {
            IFontDisp* OleFont = nullptr;
            const HRESULT R = GetOleFont(Font(), &OleFont);
            if (FAILED(R)) return R;
            Result->vt = VT_DISPATCH;
            Result->pdispVal = OleFont;
            return S_OK;
        }
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

QRN_PUBLISHED(TOleControl) {}
