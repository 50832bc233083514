#include "designer/support/win/AutomationHelpers.h"

#include <ocidl.h>

TComRef<ITypeInfo> GetDefaultEventTypeInfo(IUnknown* OleObject) {
    if (!OleObject) return nullptr;
    IProvideClassInfo* Provider = nullptr;
    if (FAILED(OleObject->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&Provider))))
        return nullptr;
    const TComRef<IProvideClassInfo> ProviderRef(Provider);
    ITypeInfo* ClassInfo = nullptr;
    // The system headers declare the method while user32's GetClassInfo
    // macro is defined: its name in the interface is GetClassInfoA.
    if (FAILED(Provider->GetClassInfoA(&ClassInfo)) || !ClassInfo) return nullptr;
    const TComRef<ITypeInfo> ClassRef(ClassInfo);
    TYPEATTR* Attr = nullptr;
    if (FAILED(ClassInfo->GetTypeAttr(&Attr))) return nullptr;
    const UINT Count = Attr->cImplTypes;
    ClassInfo->ReleaseTypeAttr(Attr);
    constexpr INT Wanted = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
    for (UINT I = 0; I < Count; ++I) {
        INT Flags = 0;
        if (FAILED(ClassInfo->GetImplTypeFlags(I, &Flags)) || (Flags & Wanted) != Wanted) continue;
        HREFTYPE Ref = 0;
        ITypeInfo* Events = nullptr;
        if (FAILED(ClassInfo->GetRefTypeOfImplType(I, &Ref)) || FAILED(ClassInfo->GetRefTypeInfo(Ref, &Events)))
            return nullptr;
        return TComRef<ITypeInfo>(Events);
    }
    return nullptr;
}

HRESULT SetDispatchProperty(IDispatch* Dispatch, DISPID DispID, const VARIANT& Value) {
    if (!Dispatch) return E_POINTER;
    DISPID Named = DISPID_PROPERTYPUT;
    VARIANT Argument = Value;  // Invoke only reads its arguments
    DISPPARAMS Params{&Argument, &Named, 1, 1};
    const WORD Kind = V_VT(&Value) == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    return Dispatch->Invoke(DispID, IID_NULL, LOCALE_USER_DEFAULT, Kind, &Params, nullptr, nullptr, nullptr);
}
