#include "designer/engine/win/OleEventSink.h"

#include <vector>

#include "designer/support/win/ZelOleControl.h"
#include "framework/ole/OleErrors.h"
#include "framework/ole/OleVariant.h"

STDMETHODIMP TOLEEventDispatch::QueryInterface(REFIID Iid, void** Object) {
    if (!Object) return E_POINTER;
    *Object = nullptr;
    if (Iid != IID_IUnknown && Iid != IID_IDispatch && Iid != EventIID) return E_NOINTERFACE;
    *Object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TOLEEventDispatch::AddRef() { return ++FRefCount; }

STDMETHODIMP_(ULONG) TOLEEventDispatch::Release() {
    const ULONG N = --FRefCount;
    if (N == 0) delete this;
    return N;
}

STDMETHODIMP TOLEEventDispatch::GetTypeInfoCount(UINT* Count) {
    if (!Count) return E_POINTER;
    *Count = 0;
    return S_OK;
}

STDMETHODIMP TOLEEventDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** Info) {
    if (Info) *Info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TOLEEventDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP TOLEEventDispatch::Invoke(DISPID DispID, REFIID, LCID, WORD, DISPPARAMS* Params, VARIANT*,
                                       EXCEPINFO*, UINT*) {
    ComBoundary([&]() -> HRESULT {
        TCustomZelOleControl* Owner = FOwner;
        if (!Owner || Owner->ComponentState().Contains(csDesigning)) return S_OK;
        const std::string Name = Owner->GetEventHandler(static_cast<int>(DispID));
        if (Name.empty()) return S_OK;
        // The arguments as automation passes them (last parameter first),
        // then the control: read backwards, the control comes first.
        const UINT Count = Params ? Params->cArgs : 0;
        std::vector<TOleVariant> Args(Count + 1);
        for (UINT I = 0; I < Count; ++I) VariantCopy(Args[I].Get(), &Params->rgvarg[I]);
        IDispatch* Control = nullptr;
        if (IUnknown* Object = Owner->GetOleObject())
            Object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&Control));
        Args[Count]->vt = VT_DISPATCH;
        Args[Count]->pdispVal = Control;
        if (Owner->OnOleEvent) {
            std::vector<VARIANT> Raw;
            Raw.reserve(Args.size());
            for (auto& A : Args) Raw.push_back(*A.Get());
            TOleVariant Result;
            Owner->OnOleEvent(Name.c_str(), static_cast<int>(Raw.size()), Raw.data(), *Result.Get());
        }
        return S_OK;
    });
    return S_OK;
}
