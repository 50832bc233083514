#include "designer/support/win/AxDispatch.h"

#include <ocidl.h>

#include "framework/ole/OleErrors.h"

TComPtr<ITypeInfo> GetDefaultEventTypeInfo(IUnknown* OleObject) {
    TComPtr<ITypeInfo> Result;
    if (!OleObject) return Result;
    TComPtr<IProvideClassInfo> Provide;
    if (FAILED(OleObject->QueryInterface(IID_IProvideClassInfo, Provide.PutVoid()))) return Result;
    TComPtr<ITypeInfo> Class;
    // The Windows headers declared the method through the ANSI name macro.
    if (FAILED(Provide->GetClassInfoA(Class.Put())) || !Class) return Result;
    TYPEATTR* Attr = nullptr;
    if (FAILED(Class->GetTypeAttr(&Attr))) return Result;
    const int Count = Attr->cImplTypes;
    Class->ReleaseTypeAttr(Attr);
    for (int I = 0; I < Count; ++I) {
        INT Flags = 0;
        if (FAILED(Class->GetImplTypeFlags(I, &Flags))) continue;
        if ((Flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) != (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE))
            continue;
        HREFTYPE Ref = 0;
        if (SUCCEEDED(Class->GetRefTypeOfImplType(I, &Ref))) Class->GetRefTypeInfo(Ref, Result.Put());
        break;
    }
    return Result;
}

void SetDispatchProperty(IDispatch* Dispatch, DISPID DispID, const VARIANT& Value) {
    if (!Dispatch) return;
    DISPID Named = DISPID_PROPERTYPUT;
    VARIANT Arg = Value;  // read only by the callee
    DISPPARAMS Params{&Arg, &Named, 1, 1};
    const WORD Flags = Value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    OleCheck(Dispatch->Invoke(DispID, IID_NULL, 0, Flags, &Params, nullptr, nullptr, nullptr));
}

HRESULT GetDispatchProperty(IDispatch* Dispatch, DISPID DispID, TOleVariant& Value) {
    Value.Clear();
    if (!Dispatch) return E_POINTER;
    DISPPARAMS None{nullptr, nullptr, 0, 0};
    return Dispatch->Invoke(DispID, IID_NULL, 0, DISPATCH_PROPERTYGET, &None, Value.Get(), nullptr, nullptr);
}

namespace {

TComPtr<IConnectionPoint> FindPoint(IUnknown* Source, const IID& Iid) {
    TComPtr<IConnectionPoint> Point;
    if (!Source) return Point;
    TComPtr<IConnectionPointContainer> Container;
    if (SUCCEEDED(Source->QueryInterface(IID_IConnectionPointContainer, Container.PutVoid())))
        Container->FindConnectionPoint(Iid, Point.Put());
    return Point;
}

}  // namespace

void ConnectEvents(IUnknown* Source, const IID& Iid, IUnknown* Sink, DWORD& Cookie) {
    Cookie = 0;
    if (auto Point = FindPoint(Source, Iid)) {
        if (FAILED(Point->Advise(Sink, &Cookie))) Cookie = 0;
    }
}

void DisconnectEvents(IUnknown* Source, const IID& Iid, DWORD& Cookie) {
    if (Cookie == 0) return;
    if (auto Point = FindPoint(Source, Iid))
        if (SUCCEEDED(Point->Unadvise(Cookie))) Cookie = 0;
}
