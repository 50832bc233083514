#include "designer/support/win/AxEventType.h"

#include <functional>
#include <memory>
#include <vector>

#include "designer/support/VariantTypeNames.h"
#include "designer/support/win/AxDispatch.h"
#include "framework/ole/OleErrors.h"
#include "framework/rtl/win/WideText.h"

namespace {
// Names are short strings in a method's type data.
constexpr size_t MaxNameLength = 255;
}  // namespace

std::string AxTypeName(ITypeInfo* TypeInfo, const TYPEDESC* TypeDesc) {
    std::string Name;
    if (TypeDesc->vt == VT_PTR) {
        Name = TypeDesc->lptdesc ? AxTypeName(TypeInfo, TypeDesc->lptdesc) : VariantTypeName(VT_PTR);
    } else if (TypeDesc->vt == VT_USERDEFINED) {
        TComPtr<ITypeInfo> Ref;
        TYPEATTR* Attr = nullptr;
        if (SUCCEEDED(TypeInfo->GetRefTypeInfo(TypeDesc->hreftype, Ref.Put())) &&
            SUCCEEDED(Ref->GetTypeAttr(&Attr))) {
            if (IsEqualGUID(Attr->guid, OleColorGuid)) Name = VariantTypeName(-1);
            else if (Attr->typekind == TKIND_ALIAS) Name = AxTypeName(Ref.Get(), &Attr->tdescAlias);
            Ref->ReleaseTypeAttr(Attr);
        }
    } else if (TypeDesc->vt <= 31) {
        Name = VariantTypeName(TypeDesc->vt);
    }
    return Name.empty() ? "Variant" : Name;
}

TTypeInfo AxEventType(ITypeInfo* TypeInfo, const FUNCDESC* Func) {
    std::vector<BSTR> Names(static_cast<size_t>(Func->cParams) + 1, nullptr);
    UINT Got = 0;
    OleCheck(TypeInfo->GetNames(Func->memid, Names.data(), static_cast<UINT>(Names.size()), &Got));
    const bool IsFunction = Func->elemdescFunc.paramdesc.wParamFlags != 0;
    std::string Heading = IsFunction ? "function(Sender: TObject" : "procedure(Sender: TObject";
    for (SHORT I = 0; I < Func->cParams; ++I) {
        const TYPEDESC& Type = Func->lprgelemdescParam[I].tdesc;
        const bool ByRef = Type.vt == VT_PTR && Type.lptdesc;
        const size_t At = static_cast<size_t>(I) + 1;
        const std::string Param = At < Got ? Narrow(Names[At]).substr(0, MaxNameLength) : std::string();
        Heading += "; " + std::string(ByRef ? "var " : "") + Param + ": " + AxTypeName(TypeInfo, &Type);
    }
    Heading += ")";
    if (IsFunction) Heading += ": " + AxTypeName(TypeInfo, &Func->elemdescFunc.tdesc);
    for (BSTR B : Names) SysFreeString(B);
    TTypeInfo Result;
    Result.Kind = tkMethod;
    Result.Name = Heading;
    return Result;
}

TTypeInfo AxEventTypeOf(IUnknown* OleObject, int DispID) {
    TComPtr<ITypeInfo> Info = GetDefaultEventTypeInfo(OleObject);
    if (!Info) return {};
    struct TAttr {
        ITypeInfo* Owner;
        TYPEATTR* Attr = nullptr;
        ~TAttr() {
            if (Attr) Owner->ReleaseTypeAttr(Attr);
        }
    } Attr{Info.Get()};
    if (FAILED(Info->GetTypeAttr(&Attr.Attr))) return {};
    for (UINT I = 0; I < Attr.Attr->cFuncs; ++I) {
        FUNCDESC* Func = nullptr;
        if (FAILED(Info->GetFuncDesc(I, &Func))) continue;
        const std::unique_ptr<FUNCDESC, std::function<void(FUNCDESC*)>> Hold(
            Func, [&](FUNCDESC* F) { Info->ReleaseFuncDesc(F); });
        if (Func->memid == DispID && Func->invkind == INVOKE_FUNC) return AxEventType(Info.Get(), Func);
    }
    return {};
}
