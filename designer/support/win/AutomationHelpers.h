#pragma once
// Two small automation routines the designer's ActiveX parts share: the
// event interface of a control, and a property put through IDispatch.
#include <memory>

#include "framework/rtl/win/WinApi.h"

#include <oaidl.h>

// Releases a COM reference held in a unique_ptr.
struct TComRelease {
    void operator()(IUnknown* Object) const {
        if (Object) Object->Release();
    }
};
template <class T>
using TComRef = std::unique_ptr<T, TComRelease>;

// The type information of the object's default source interface (the
// interface its class implements flagged both default and source), found
// through the object's class information; empty when the object tells
// none.
TComRef<ITypeInfo> GetDefaultEventTypeInfo(IUnknown* OleObject);

// Puts Value into the property DispID with the one named argument
// DISPID_PROPERTYPUT: by reference for an object (VT_DISPATCH), else a
// plain put. Returns the call's result; E_POINTER for no object.
HRESULT SetDispatchProperty(IDispatch* Dispatch, DISPID DispID, const VARIANT& Value);
