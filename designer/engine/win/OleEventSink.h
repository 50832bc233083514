#pragma once
// TOLEEventDispatch: receives the events of a wrapped ActiveX control and
// hands those with an attached handler name to the wrapper's OnOleEvent.
// It is reference-counted (the control holds it while advised); the
// wrapper clears the back pointer when it goes, after which late events
// are ignored.
#include <atomic>

#include "framework/rtl/win/WinApi.h"

#include <oaidl.h>

class TCustomZelOleControl;

class TOLEEventDispatch final : public IDispatch {
public:
    explicit TOLEEventDispatch(TCustomZelOleControl* Owner) : FOwner(Owner) {}
    TOLEEventDispatch(const TOLEEventDispatch&) = delete;
    TOLEEventDispatch& operator=(const TOLEEventDispatch&) = delete;

    TCustomZelOleControl* Owner() const { return FOwner; }
    void ClearOwner() { FOwner = nullptr; }
    // The control's default source interface; null until known.
    IID EventIID{};

    STDMETHODIMP QueryInterface(REFIID Iid, void** Object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* Count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** Info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID DispID, REFIID, LCID, WORD, DISPPARAMS* Params, VARIANT*, EXCEPINFO*,
                        UINT*) override;

private:
    ~TOLEEventDispatch() = default;
    std::atomic<ULONG> FRefCount{1};
    TCustomZelOleControl* FOwner;
};
