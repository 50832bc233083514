// The event interface of an ActiveX object, found through its class
// information (a type library made in memory), and a property put through
// IDispatch as a control receives it.
#include <gtest/gtest.h>

#include <ocidl.h>

#include "designer/support/win/AxDispatch.h"

namespace {

// Answers IUnknown and IProvideClassInfo with a given class type.
class TClassInfoObject : public IProvideClassInfo {
public:
    explicit TClassInfoObject(ITypeInfo* Class) : FClass(Class) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Id, void** Out) override {
        if (Id != IID_IUnknown && Id != IID_IProvideClassInfo) return *Out = nullptr, E_NOINTERFACE;
        *Out = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    // GetClassInfo under the name the system headers give it.
    HRESULT STDMETHODCALLTYPE GetClassInfoA(ITypeInfo** Out) override {
        FClass->AddRef();
        *Out = FClass;
        return S_OK;
    }

private:
    ITypeInfo* FClass;
};

// Records how a property was put.
class TPutRecorder : public IDispatch {
public:
    WORD Kind = 0;
    DISPID Member = 0, Named = 0;
    UINT Args = 0, NamedArgs = 0;
    VARTYPE Type = VT_EMPTY;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** Out) override { return *Out = this, S_OK; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID Id, REFIID, LCID, WORD Flags, DISPPARAMS* Params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        Member = Id;
        Kind = Flags;
        Args = Params->cArgs;
        NamedArgs = Params->cNamedArgs;
        Named = NamedArgs ? Params->rgdispidNamedArgs[0] : 0;
        Type = Args ? V_VT(&Params->rgvarg[0]) : VARTYPE{VT_EMPTY};
        return S_OK;
    }
};

TComPtr<ITypeInfo> AddInterface(ICreateTypeLib2* Lib, const wchar_t* Name, TComPtr<ICreateTypeInfo>& Keep) {
    ICreateTypeInfo* Create = nullptr;
    EXPECT_EQ(Lib->CreateTypeInfo(const_cast<LPOLESTR>(Name), TKIND_INTERFACE, &Create), S_OK);
    Keep = TComPtr<ICreateTypeInfo>::Attach(Create);
    EXPECT_EQ(Create->LayOut(), S_OK);
    ITypeInfo* Info = nullptr;
    Create->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&Info));
    return TComPtr<ITypeInfo>::Attach(Info);
}

}  // namespace

TEST(AxDispatch, TheDefaultSourceInterfaceIsTheEventInterface) {
    ICreateTypeLib2* LibRaw = nullptr;
    ASSERT_EQ(CreateTypeLib2(SYS_WIN32, const_cast<LPOLESTR>(L"probe.tlb"), &LibRaw), S_OK);
    const auto Lib = TComPtr<ICreateTypeLib2>::Attach(LibRaw);
    TComPtr<ICreateTypeInfo> KeepA, KeepB, KeepC, KeepClass;
    const TComPtr<ITypeInfo> OtherEvents = AddInterface(LibRaw, L"IOtherEvents", KeepA);
    const TComPtr<ITypeInfo> Props = AddInterface(LibRaw, L"IProps", KeepB);
    const TComPtr<ITypeInfo> Events = AddInterface(LibRaw, L"IEvents", KeepC);
    ICreateTypeInfo* Class = nullptr;
    ASSERT_EQ(LibRaw->CreateTypeInfo(const_cast<LPOLESTR>(L"Thing"), TKIND_COCLASS, &Class), S_OK);
    KeepClass = TComPtr<ICreateTypeInfo>::Attach(Class);
    // A source that is not the default, the default interface, then the
    // default source.
    const std::pair<ITypeInfo*, INT> Implemented[] = {{OtherEvents.Get(), IMPLTYPEFLAG_FSOURCE},
                                                      {Props.Get(), IMPLTYPEFLAG_FDEFAULT},
                                                      {Events.Get(), IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}};
    for (UINT I = 0; I < 3; ++I) {
        HREFTYPE Ref = 0;
        ASSERT_EQ(Class->AddRefTypeInfo(Implemented[I].first, &Ref), S_OK);
        ASSERT_EQ(Class->AddImplType(I, Ref), S_OK);
        ASSERT_EQ(Class->SetImplTypeFlags(I, Implemented[I].second), S_OK);
    }
    ASSERT_EQ(Class->LayOut(), S_OK);
    ITypeInfo* ClassInfo = nullptr;
    ASSERT_EQ(Class->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&ClassInfo)), S_OK);
    const auto ClassRef = TComPtr<ITypeInfo>::Attach(ClassInfo);

    TClassInfoObject Object(ClassInfo);
    const TComPtr<ITypeInfo> Found = GetDefaultEventTypeInfo(&Object);
    ASSERT_TRUE(Found);
    BSTR Name = nullptr;
    Found->GetDocumentation(MEMBERID_NIL, &Name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(Name, L"IEvents");
    SysFreeString(Name);

    EXPECT_FALSE(GetDefaultEventTypeInfo(nullptr));
}

TEST(AxDispatch, APropertyPutNamesItsArgumentAndPutsObjectsByReference) {
    TPutRecorder Target;
    VARIANT Number;
    VariantInit(&Number);
    V_VT(&Number) = VT_I4;
    V_I4(&Number) = 7;
    SetDispatchProperty(&Target, 12, Number);
    EXPECT_EQ(Target.Member, 12);
    EXPECT_EQ(Target.Kind, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(Target.Args, 1u);
    EXPECT_EQ(Target.NamedArgs, 1u);
    EXPECT_EQ(Target.Named, DISPID_PROPERTYPUT);
    EXPECT_EQ(Target.Type, VT_I4);

    VARIANT Object;
    VariantInit(&Object);
    V_VT(&Object) = VT_DISPATCH;
    V_DISPATCH(&Object) = &Target;
    SetDispatchProperty(&Target, 13, Object);
    EXPECT_EQ(Target.Kind, DISPATCH_PROPERTYPUTREF);
}
