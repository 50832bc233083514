// An in-process ActiveX control for the OLE tests: a "gauge" with a few
// properties, one event through a connection point, in-place activation in
// a plain child window, a type library built at run time (no .tlb file,
// nothing that depends on what Wine ships) and real reference counting, so
// the tests can see that a host gives everything back.
#include "tests/fakes/FakeAxControl.h"

#include <ocidl.h>
#include <olectl.h>

#include <atomic>
#include <string>
#include <vector>

#include "framework/ole/OleStrings.h"

namespace {

std::atomic<long> GLiveObjects{0};
std::atomic<long> GServerLocks{0};
long GSinks = 0;
long GLastSinkRefs = -1;
long GLastUserMode = -1;
HINSTANCE GInstance = nullptr;

// ---- type information, built once per process

struct TTypes {
    ITypeInfo* Gauge = nullptr;   // dispinterface IFakeGauge
    ITypeInfo* Events = nullptr;  // dispinterface IFakeGaugeEvents
    ITypeInfo* Class = nullptr;   // coclass FakeGauge
};
TTypes GTypes;

void AddProperty(ICreateTypeInfo* Info, UINT& Index, MEMBERID Id, const wchar_t* Name, VARTYPE Vt, bool ReadOnly,
                 WORD Flags = 0, HREFTYPE UserType = 0) {
    LPOLESTR Names[] = {const_cast<LPOLESTR>(Name)};
    FUNCDESC Get{};
    Get.memid = Id;
    Get.funckind = FUNC_DISPATCH;
    Get.invkind = INVOKE_PROPERTYGET;
    Get.callconv = CC_STDCALL;
    Get.elemdescFunc.tdesc.vt = Vt;
    Get.elemdescFunc.tdesc.hreftype = UserType;
    Get.wFuncFlags = Flags;
    Info->AddFuncDesc(Index, &Get);
    Info->SetFuncAndParamNames(Index++, Names, 1);
    if (ReadOnly) return;
    ELEMDESC Param{};
    Param.tdesc = Get.elemdescFunc.tdesc;
    FUNCDESC Put = Get;
    Put.invkind = INVOKE_PROPERTYPUT;
    Put.cParams = 1;
    Put.lprgelemdescParam = &Param;
    Put.elemdescFunc.tdesc.vt = VT_VOID;
    Info->AddFuncDesc(Index, &Put);
    Info->SetFuncAndParamNames(Index++, Names, 1);
}

ITypeInfo* InfoOf(ICreateTypeInfo* Create) {
    ITypeInfo* Info = nullptr;
    Create->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&Info));
    return Info;
}

// Dispinterfaces derive from IDispatch, as the system's standard library
// describes it.
void DeriveFromIDispatch(ICreateTypeInfo* Info, ITypeLib* Std) {
    ITypeInfo* Dispatch = nullptr;
    if (!Std || FAILED(Std->GetTypeInfoOfGuid(IID_IDispatch, &Dispatch))) return;
    HREFTYPE Ref = 0;
    if (SUCCEEDED(Info->AddRefTypeInfo(Dispatch, &Ref))) Info->AddImplType(0, Ref);
    Dispatch->Release();
}

void BuildTypes() {
    if (GTypes.Class) return;
    ITypeLib* Std = nullptr;
    LoadTypeLib(L"stdole2.tlb", &Std);
    wchar_t Temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, Temp);
    std::wstring File = std::wstring(Temp) + L"qrn_fake_gauge.tlb";
    ICreateTypeLib2* Lib = nullptr;
    if (FAILED(CreateTypeLib2(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, File.c_str(), &Lib))) return;
    Lib->SetGuid(LIBID_FakeGauge);
    Lib->SetName(const_cast<LPOLESTR>(L"FakeGaugeLib"));
    Lib->SetVersion(1, 0);

    // enum GaugeShape { gsRound = 0, gsSquare = 1 }
    ICreateTypeInfo* Shape = nullptr;
    Lib->CreateTypeInfo(const_cast<LPOLESTR>(L"GaugeShape"), TKIND_ENUM, &Shape);
    const wchar_t* ShapeNames[] = {L"gsRound", L"gsSquare"};
    for (UINT I = 0; I < 2; ++I) {
        VARIANT Value;
        VariantInit(&Value);
        Value.vt = VT_I4;
        Value.lVal = static_cast<LONG>(I);
        VARDESC Const{};
        Const.memid = static_cast<MEMBERID>(0x40000000 + I);
        Const.varkind = VAR_CONST;
        Const.lpvarValue = &Value;
        Const.elemdescVar.tdesc.vt = VT_I4;
        Shape->AddVarDesc(I, &Const);
        Shape->SetVarName(I, const_cast<LPOLESTR>(ShapeNames[I]));
    }
    Shape->LayOut();
    ITypeInfo* ShapeInfo = InfoOf(Shape);

    ICreateTypeInfo* Gauge = nullptr;
    Lib->CreateTypeInfo(const_cast<LPOLESTR>(L"IFakeGauge"), TKIND_DISPATCH, &Gauge);
    Gauge->SetGuid(DIID_IFakeGauge);
    DeriveFromIDispatch(Gauge, Std);
    UINT Index = 0;
    AddProperty(Gauge, Index, FakeDispValue, L"Value", VT_I4, false);
    AddProperty(Gauge, Index, FakeDispCaption, L"Caption", VT_BSTR, false);
    AddProperty(Gauge, Index, FakeDispStyle, L"Style", VT_I4, false);
    AddProperty(Gauge, Index, FakeDispCount, L"Count", VT_I4, true);
    AddProperty(Gauge, Index, FakeDispSecret, L"_Secret", VT_I4, false);
    AddProperty(Gauge, Index, FakeDispHidden, L"Hidden", VT_I4, false, FUNCFLAG_FHIDDEN);
    AddProperty(Gauge, Index, FakeDispBackColor, L"BackColor", VT_I4, false);
    AddProperty(Gauge, Index, DISPID_FONT, L"Font", VT_DISPATCH, false);
    HREFTYPE ShapeRef = 0;
    Gauge->AddRefTypeInfo(ShapeInfo, &ShapeRef);
    AddProperty(Gauge, Index, FakeDispShape, L"Shape", VT_USERDEFINED, false, 0, ShapeRef);
    AddProperty(Gauge, Index, FakeDispLines, L"Lines", VT_DISPATCH, false);
    Gauge->LayOut();
    ShapeInfo->Release();
    Shape->Release();

    ICreateTypeInfo* Events = nullptr;
    Lib->CreateTypeInfo(const_cast<LPOLESTR>(L"IFakeGaugeEvents"), TKIND_DISPATCH, &Events);
    Events->SetGuid(DIID_IFakeGaugeEvents);
    DeriveFromIDispatch(Events, Std);
    ELEMDESC Param{};
    Param.tdesc.vt = VT_I4;
    FUNCDESC Changed{};
    Changed.memid = FakeEventChanged;
    Changed.funckind = FUNC_DISPATCH;
    Changed.invkind = INVOKE_FUNC;
    Changed.callconv = CC_STDCALL;
    Changed.cParams = 1;
    Changed.lprgelemdescParam = &Param;
    Changed.elemdescFunc.tdesc.vt = VT_VOID;
    Events->AddFuncDesc(0, &Changed);
    LPOLESTR ChangedNames[] = {const_cast<LPOLESTR>(L"Changed"), const_cast<LPOLESTR>(L"NewValue")};
    Events->SetFuncAndParamNames(0, ChangedNames, 2);
    Events->LayOut();

    ICreateTypeInfo* Class = nullptr;
    Lib->CreateTypeInfo(const_cast<LPOLESTR>(L"FakeGauge"), TKIND_COCLASS, &Class);
    Class->SetGuid(CLSID_FakeGauge);
    Class->SetTypeFlags(TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL);
    GTypes.Gauge = InfoOf(Gauge);
    GTypes.Events = InfoOf(Events);
    HREFTYPE GaugeRef = 0, EventsRef = 0;
    Class->AddRefTypeInfo(GTypes.Gauge, &GaugeRef);
    Class->AddRefTypeInfo(GTypes.Events, &EventsRef);
    Class->AddImplType(0, GaugeRef);
    Class->SetImplTypeFlags(0, IMPLTYPEFLAG_FDEFAULT);
    Class->AddImplType(1, EventsRef);
    Class->SetImplTypeFlags(1, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    Class->LayOut();
    GTypes.Class = InfoOf(Class);
    Gauge->Release();
    Events->Release();
    Class->Release();
    Lib->Release();
    if (Std) Std->Release();
}

struct TName {
    const wchar_t* Name;
    DISPID Id;
};
constexpr TName GNames[] = {{L"Value", FakeDispValue},   {L"Caption", FakeDispCaption},
                            {L"Style", FakeDispStyle},   {L"Count", FakeDispCount},
                            {L"_Secret", FakeDispSecret}, {L"Hidden", FakeDispHidden},
                            {L"BackColor", FakeDispBackColor}, {L"Shape", FakeDispShape},
                            {L"Font", DISPID_FONT}, {L"Lines", FakeDispLines}};

std::vector<std::wstring> LinesOf(IStrings* Source) {
    std::vector<std::wstring> Lines;
    long Count = 0;
    if (!Source || FAILED(Source->get_Count(&Count))) return Lines;
    for (long I = 0; I < Count; ++I) {
        BSTR Text = nullptr;
        if (SUCCEEDED(Source->get_Item(I, &Text))) Lines.emplace_back(Text ? Text : L"");
        SysFreeString(Text);
    }
    return Lines;
}

// ---- the control

class TGauge;

class TEventPoint final : public IConnectionPoint {
public:
    explicit TEventPoint(TGauge* Owner) : FOwner(Owner) {}
    ~TEventPoint() {
        for (auto& S : FSinks)
            if (S.Sink) {
                S.Sink->Release();
                --GSinks;
            }
    }
    STDMETHODIMP QueryInterface(REFIID Iid, void** Object) override {
        if (Iid == IID_IUnknown || Iid == IID_IConnectionPoint) {
            *Object = this;
            AddRef();
            return S_OK;
        }
        *Object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetConnectionInterface(IID* Iid) override {
        *Iid = DIID_IFakeGaugeEvents;
        return S_OK;
    }
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** Container) override;
    STDMETHODIMP Advise(IUnknown* Sink, DWORD* Cookie) override {
        if (!Sink || !Cookie) return E_POINTER;
        IDispatch* Disp = nullptr;
        if (FAILED(Sink->QueryInterface(DIID_IFakeGaugeEvents, reinterpret_cast<void**>(&Disp))))
            return CONNECT_E_CANNOTCONNECT;
        FSinks.push_back({Disp, ++FNextCookie});
        ++GSinks;
        *Cookie = FNextCookie;
        return S_OK;
    }
    STDMETHODIMP Unadvise(DWORD Cookie) override {
        for (auto& S : FSinks)
            if (S.Sink && S.Cookie == Cookie) {
                GLastSinkRefs = static_cast<long>(S.Sink->Release());
                S.Sink = nullptr;
                --GSinks;
                return S_OK;
            }
        return CONNECT_E_NOCONNECTION;
    }
    STDMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

    void Fire(long NewValue) {
        for (auto& S : FSinks) {
            if (!S.Sink) continue;
            VARIANT Arg;
            VariantInit(&Arg);
            Arg.vt = VT_I4;
            Arg.lVal = NewValue;
            DISPPARAMS Params{&Arg, nullptr, 1, 0};
            S.Sink->Invoke(FakeEventChanged, IID_NULL, 0, DISPATCH_METHOD, &Params, nullptr, nullptr, nullptr);
        }
    }

private:
    struct TSink {
        IDispatch* Sink;
        DWORD Cookie;
    };
    TGauge* FOwner;
    std::vector<TSink> FSinks;
    DWORD FNextCookie = 0;
};

class TGauge final : public IOleObject,
                     public IOleInPlaceObject,
                     public IDispatch,
                     public IProvideClassInfo,
                     public IConnectionPointContainer,
                     public IPersistStreamInit,
                     public IPerPropertyBrowsing {
public:
    TGauge() : FPoint(this) { ++GLiveObjects; }
    ~TGauge() {
        DestroyOwnWindow();
        if (FFont) FFont->Release();
        if (FInPlaceSite) FInPlaceSite->Release();
        if (FSite) FSite->Release();
        --GLiveObjects;
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID Iid, void** Object) override {
        if (!Object) return E_POINTER;
        *Object = nullptr;
        if (Iid == IID_IUnknown || Iid == IID_IOleObject)
            *Object = static_cast<IOleObject*>(this);
        else if (Iid == IID_IOleWindow || Iid == IID_IOleInPlaceObject)
            *Object = static_cast<IOleInPlaceObject*>(this);
        else if (Iid == IID_IDispatch || Iid == DIID_IFakeGauge)
            *Object = static_cast<IDispatch*>(this);
        else if (Iid == IID_IProvideClassInfo)
            *Object = static_cast<IProvideClassInfo*>(this);
        else if (Iid == IID_IConnectionPointContainer)
            *Object = static_cast<IConnectionPointContainer*>(this);
        else if (Iid == IID_IPersist || Iid == IID_IPersistStreamInit)
            *Object = static_cast<IPersistStreamInit*>(this);
        else if (Iid == IID_IPerPropertyBrowsing)
            *Object = static_cast<IPerPropertyBrowsing*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++FRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG N = --FRefs;
        if (N == 0) delete this;
        return N;
    }

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* Site) override {
        if (Site) Site->AddRef();
        if (FSite) FSite->Release();
        FSite = Site;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite** Site) override {
        *Site = FSite;
        if (FSite) FSite->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override {
        InPlaceDeactivate();
        return S_OK;
    }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG Verb, LPMSG, IOleClientSite* Site, LONG, HWND Parent, LPCRECT Rect) override {
        if (Verb != OLEIVERB_INPLACEACTIVATE && Verb != OLEIVERB_SHOW && Verb != OLEIVERB_UIACTIVATE)
            return OLEOBJ_S_INVALIDVERB;
        if (FWindow) return S_OK;
        if (!Site || !Parent || !Rect) return E_INVALIDARG;
        ReadUserMode();
        IOleInPlaceSite* InPlace = nullptr;
        if (FAILED(Site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&InPlace)))) return E_FAIL;
        if (InPlace->CanInPlaceActivate() != S_OK) {
            InPlace->Release();
            return E_FAIL;
        }
        InPlace->OnInPlaceActivate();
        IOleInPlaceFrame* Frame = nullptr;
        IOleInPlaceUIWindow* Doc = nullptr;
        RECT Pos{}, Clip{};
        OLEINPLACEFRAMEINFO Info{};
        Info.cb = sizeof(Info);
        if (SUCCEEDED(InPlace->GetWindowContext(&Frame, &Doc, &Pos, &Clip, &Info))) {
            if (Frame) Frame->Release();
            if (Doc) Doc->Release();
        }
        FInPlaceSite = InPlace;
        FWindow = CreateWindowExA(0, "QrnFakeGauge", "gauge", WS_CHILD | WS_VISIBLE, Rect->left, Rect->top,
                                  Rect->right - Rect->left, Rect->bottom - Rect->top, Parent, nullptr, GInstance,
                                  nullptr);
        return S_OK;
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* Id) override {
        *Id = CLSID_FakeGauge;
        return S_OK;
    }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return OLE_S_USEREG; }
    STDMETHODIMP SetExtent(DWORD, SIZEL* Size) override {
        FExtent = *Size;
        if (FExtent.cx < FakeGaugeMinWidth) FExtent.cx = FakeGaugeMinWidth;
        return S_OK;
    }
    STDMETHODIMP GetExtent(DWORD, SIZEL* Size) override {
        *Size = FExtent;
        return S_OK;
    }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP Unadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* Status) override {
        *Status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_RECOMPOSEONRESIZE | OLEMISC_INSIDEOUT |
                  OLEMISC_ACTIVATEWHENVISIBLE;
        return S_OK;
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleInPlaceObject
    STDMETHODIMP GetWindow(HWND* Wnd) override {
        *Wnd = FWindow;
        return FWindow ? S_OK : E_FAIL;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override {
        if (!FInPlaceSite) return S_OK;
        DestroyOwnWindow();
        IOleInPlaceSite* Site = FInPlaceSite;
        FInPlaceSite = nullptr;
        Site->OnInPlaceDeactivate();
        Site->Release();
        return S_OK;
    }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT Pos, LPCRECT) override {
        if (FWindow) MoveWindow(FWindow, Pos->left, Pos->top, Pos->right - Pos->left, Pos->bottom - Pos->top, TRUE);
        return S_OK;
    }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* Count) override {
        *Count = GTypes.Gauge ? 1 : 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT Index, LCID, ITypeInfo** Info) override {
        *Info = nullptr;
        if (Index != 0 || !GTypes.Gauge) return DISP_E_BADINDEX;
        *Info = GTypes.Gauge;
        GTypes.Gauge->AddRef();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* Names, UINT Count, LCID, DISPID* Ids) override {
        HRESULT R = S_OK;
        for (UINT I = 0; I < Count; ++I) {
            Ids[I] = DISPID_UNKNOWN;
            for (const TName& N : GNames)
                if (I == 0 && lstrcmpiW(N.Name, Names[I]) == 0) Ids[I] = N.Id;
            if (Ids[I] == DISPID_UNKNOWN) R = DISP_E_UNKNOWNNAME;
        }
        return R;
    }
    STDMETHODIMP Invoke(DISPID Id, REFIID, LCID, WORD Flags, DISPPARAMS* Params, VARIANT* Result, EXCEPINFO*,
                        UINT*) override {
        const bool Put = (Flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
        if (Put && Id == DISPID_FONT) {
            if (!Params || Params->cArgs != 1 || Params->rgvarg[0].vt != VT_DISPATCH) return DISP_E_TYPEMISMATCH;
            IFontDisp* Font = nullptr;
            if (Params->rgvarg[0].pdispVal)
                Params->rgvarg[0].pdispVal->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(&Font));
            if (FFont) FFont->Release();
            FFont = Font;
            return S_OK;
        }
        if (Put && Id == FakeDispLines) {
            if (!Params || Params->cArgs != 1 || Params->rgvarg[0].vt != VT_DISPATCH) return DISP_E_TYPEMISMATCH;
            IStrings* Lines = nullptr;
            if (Params->rgvarg[0].pdispVal)
                Params->rgvarg[0].pdispVal->QueryInterface(IID_IStrings, reinterpret_cast<void**>(&Lines));
            if (!Lines) return DISP_E_TYPEMISMATCH;
            FLines = LinesOf(Lines);
            Lines->Release();
            return S_OK;
        }
        if (Put) {
            if (!Params || Params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
            VARIANT V;
            VariantInit(&V);
            const VARTYPE Want = Id == FakeDispCaption ? VT_BSTR : VT_I4;
            if (FAILED(VariantChangeType(&V, &Params->rgvarg[0], 0, Want))) return DISP_E_TYPEMISMATCH;
            switch (Id) {
                case FakeDispValue:
                    FValue = V.lVal;
                    FPoint.Fire(FValue);
                    break;
                case FakeDispCaption:
                    FCaption = V.bstrVal ? V.bstrVal : L"";
                    break;
                case FakeDispStyle: FStyle = V.lVal; break;
                case FakeDispSecret: FSecret = V.lVal; break;
                case FakeDispHidden: FHidden = V.lVal; break;
                case FakeDispBackColor: FBackColor = V.lVal; break;
                case FakeDispShape: FShape = V.lVal; break;
                default: VariantClear(&V); return DISP_E_MEMBERNOTFOUND;
            }
            VariantClear(&V);
            return S_OK;
        }
        if (!(Flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
        if (!Result) return E_POINTER;
        VariantInit(Result);
        Result->vt = VT_I4;
        switch (Id) {
            case FakeDispValue: Result->lVal = FValue; break;
            case FakeDispStyle: Result->lVal = FStyle; break;
            case FakeDispCount: Result->lVal = 3; break;
            case FakeDispSecret: Result->lVal = FSecret; break;
            case FakeDispHidden: Result->lVal = FHidden; break;
            case FakeDispBackColor: Result->lVal = FBackColor; break;
            case FakeDispShape: Result->lVal = FShape; break;
            case DISPID_FONT:
                Result->vt = VT_DISPATCH;
                Result->pdispVal = Font();
                break;
            case FakeDispLines:
                Result->vt = VT_DISPATCH;
                Result->pdispVal = new TOleStringList(FLines);
                break;
            case FakeDispCaption:
                Result->vt = VT_BSTR;
                Result->bstrVal = SysAllocString(FCaption.c_str());
                break;
            default: Result->vt = VT_EMPTY; return DISP_E_MEMBERNOTFOUND;
        }
        return S_OK;
    }

    // IProvideClassInfo (the Windows headers named its method through the
    // ANSI macro before the project's header dropped the macro).
    STDMETHODIMP GetClassInfoA(ITypeInfo** Info) override {
        *Info = GTypes.Class;
        if (!GTypes.Class) return E_FAIL;
        GTypes.Class->AddRef();
        return S_OK;
    }

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    STDMETHODIMP FindConnectionPoint(REFIID Iid, IConnectionPoint** Point) override {
        *Point = nullptr;
        if (Iid != DIID_IFakeGaugeEvents) return CONNECT_E_NOCONNECTION;
        *Point = &FPoint;
        FPoint.AddRef();
        return S_OK;
    }

    // IPersistStreamInit: Value, Style and the lines (a count, then each
    // line's length and characters).
    STDMETHODIMP GetClassID(CLSID* Id) override {
        *Id = CLSID_FakeGauge;
        return S_OK;
    }
    STDMETHODIMP IsDirty() override { return S_OK; }
    STDMETHODIMP Load(LPSTREAM Stream) override {
        LONG Data[2] = {};
        ULONG Read = 0;
        if (FAILED(Stream->Read(Data, sizeof(Data), &Read)) || Read != sizeof(Data)) return E_FAIL;
        FValue = Data[0];
        FStyle = Data[1];
        LONG Count = 0;
        FLines.clear();
        if (FAILED(Stream->Read(&Count, sizeof Count, &Read)) || Read != sizeof Count) return S_OK;
        for (LONG I = 0; I < Count; ++I) {
            LONG Length = 0;
            if (FAILED(Stream->Read(&Length, sizeof Length, &Read)) || Read != sizeof Length || Length < 0)
                return E_FAIL;
            std::wstring Line(static_cast<size_t>(Length), L'\0');
            const ULONG Bytes = static_cast<ULONG>(Length) * sizeof(wchar_t);
            if (Bytes && (FAILED(Stream->Read(Line.data(), Bytes, &Read)) || Read != Bytes)) return E_FAIL;
            FLines.push_back(std::move(Line));
        }
        return S_OK;
    }
    STDMETHODIMP Save(LPSTREAM Stream, BOOL) override {
        const LONG Data[3] = {FValue, FStyle, static_cast<LONG>(FLines.size())};
        HRESULT R = Stream->Write(Data, sizeof(Data), nullptr);
        for (const std::wstring& Line : FLines) {
            const LONG Length = static_cast<LONG>(Line.size());
            if (SUCCEEDED(R)) R = Stream->Write(&Length, sizeof Length, nullptr);
            if (SUCCEEDED(R) && Length) R = Stream->Write(Line.data(), static_cast<ULONG>(Length) * sizeof(wchar_t), nullptr);
        }
        return R;
    }
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* Size) override {
        Size->QuadPart = 3 * sizeof(LONG);
        for (const std::wstring& Line : FLines) Size->QuadPart += sizeof(LONG) + Line.size() * sizeof(wchar_t);
        return S_OK;
    }
    STDMETHODIMP InitNew() override { return S_OK; }

    // IPerPropertyBrowsing: Style offers "Flat" (10) and "Raised" (20).
    STDMETHODIMP GetDisplayString(DISPID Id, BSTR* Text) override {
        if (Id != FakeDispStyle || (FStyle != 10 && FStyle != 20)) return E_NOTIMPL;
        *Text = SysAllocString(FStyle == 10 ? L"Flat" : L"Raised");
        return S_OK;
    }
    STDMETHODIMP MapPropertyToPage(DISPID, CLSID* Page) override {
        *Page = CLSID_NULL;
        return PERPROP_E_NOPAGEAVAILABLE;
    }
    STDMETHODIMP GetPredefinedStrings(DISPID Id, CALPOLESTR* Strings, CADWORD* Cookies) override {
        if (Id != FakeDispStyle) return E_NOTIMPL;
        const wchar_t* Texts[] = {L"Flat", L"Raised"};
        Strings->cElems = Cookies->cElems = 2;
        Strings->pElems = static_cast<LPOLESTR*>(CoTaskMemAlloc(2 * sizeof(LPOLESTR)));
        Cookies->pElems = static_cast<DWORD*>(CoTaskMemAlloc(2 * sizeof(DWORD)));
        for (int I = 0; I < 2; ++I) {
            const size_t Bytes = (lstrlenW(Texts[I]) + 1) * sizeof(wchar_t);
            Strings->pElems[I] = static_cast<LPOLESTR>(CoTaskMemAlloc(Bytes));
            memcpy(Strings->pElems[I], Texts[I], Bytes);
            Cookies->pElems[I] = static_cast<DWORD>(I);
        }
        return S_OK;
    }
    STDMETHODIMP GetPredefinedValue(DISPID Id, DWORD Cookie, VARIANT* Value) override {
        if (Id != FakeDispStyle || Cookie > 1) return E_INVALIDARG;
        VariantInit(Value);
        Value->vt = VT_I4;
        Value->lVal = Cookie == 0 ? 10 : 20;
        return S_OK;
    }

private:
    // A new reference to the control's font ("Arial", 8 points at first).
    IDispatch* Font() {
        if (!FFont) {
            FONTDESC Desc{};
            Desc.cbSizeofstruct = sizeof(Desc);
            Desc.lpstrName = const_cast<LPOLESTR>(L"Arial");
            Desc.cySize.int64 = 80000;
            Desc.sWeight = FW_NORMAL;
            OleCreateFontIndirect(&Desc, IID_IFontDisp, reinterpret_cast<void**>(&FFont));
        }
        if (FFont) FFont->AddRef();
        return FFont;
    }
    void DestroyOwnWindow() {
        if (FWindow) DestroyWindow(FWindow);
        FWindow = nullptr;
    }
    // The ambient user mode, as the container's IDispatch gives it.
    void ReadUserMode() {
        IDispatch* Ambient = nullptr;
        if (!FSite || FAILED(FSite->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&Ambient)))) return;
        VARIANT V;
        VariantInit(&V);
        DISPPARAMS None{nullptr, nullptr, 0, 0};
        if (SUCCEEDED(Ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, 0, DISPATCH_PROPERTYGET, &None, &V,
                                      nullptr, nullptr)) &&
            V.vt == VT_BOOL)
            GLastUserMode = V.boolVal ? 1 : 0;
        VariantClear(&V);
        Ambient->Release();
    }

    std::atomic<ULONG> FRefs{1};
    TEventPoint FPoint;
    IOleClientSite* FSite = nullptr;
    IOleInPlaceSite* FInPlaceSite = nullptr;
    HWND FWindow = nullptr;
    SIZEL FExtent{FakeGaugeMinWidth, FakeGaugeMinWidth};
    LONG FValue = 0;
    LONG FStyle = 10;
    LONG FSecret = 0;
    LONG FHidden = 0;
    LONG FBackColor = 0xFFFFFF;
    LONG FShape = 0;
    IFontDisp* FFont = nullptr;
    std::wstring FCaption = L"Gauge";
    std::vector<std::wstring> FLines;
};

STDMETHODIMP_(ULONG) TEventPoint::AddRef() { return FOwner->AddRef(); }
STDMETHODIMP_(ULONG) TEventPoint::Release() { return FOwner->Release(); }
STDMETHODIMP TEventPoint::GetConnectionPointContainer(IConnectionPointContainer** Container) {
    *Container = FOwner;
    FOwner->AddRef();
    return S_OK;
}

class TFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID Iid, void** Object) override {
        if (Iid == IID_IUnknown || Iid == IID_IClassFactory) {
            *Object = this;
            AddRef();
            return S_OK;
        }
        *Object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* Outer, REFIID Iid, void** Object) override {
        *Object = nullptr;
        if (Outer) return CLASS_E_NOAGGREGATION;
        BuildTypes();
        auto* G = new TGauge;
        const HRESULT R = G->QueryInterface(Iid, Object);
        G->Release();
        return R;
    }
    STDMETHODIMP LockServer(BOOL Lock) override {
        Lock ? ++GServerLocks : --GServerLocks;
        return S_OK;
    }
};
TFactory GFactory;

void RegisterWindowClass() {
    WNDCLASSA C{};
    C.lpfnWndProc = DefWindowProcA;
    C.hInstance = GInstance;
    C.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    C.lpszClassName = "QrnFakeGauge";
    RegisterClassA(&C);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE Instance, DWORD Reason, LPVOID) {
    if (Reason == DLL_PROCESS_ATTACH) {
        GInstance = Instance;
        RegisterWindowClass();
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID Id, REFIID Iid, void** Object) {
    if (Id != CLSID_FakeGauge) {
        *Object = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return GFactory.QueryInterface(Iid, Object);
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllCanUnloadNow() {
    // Stays loaded: the tests read its counters after the last control went.
    return S_FALSE;
}

// 0 live controls, 1 advised sinks, 2 the last unadvised sink's Release
// result, 3 the ambient user mode read at the last activation.
extern "C" __declspec(dllexport) long FakeAxStat(int Which) {
    switch (Which) {
        case 0: return GLiveObjects;
        case 1: return GSinks;
        case 2: return GLastSinkRefs;
        case 3: return GLastUserMode;
        default: return -1;
    }
}
