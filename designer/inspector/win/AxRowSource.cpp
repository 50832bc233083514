#include "designer/inspector/win/AxRowSource.h"

#include <algorithm>
#include <string>

#include "designer/inspector/win/AxGroupEditor.h"
#include "designer/inspector/win/AxPropEditor.h"
#include "designer/support/win/AxDispatch.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/ZelOleControl.h"
#include "framework/graphics/OleGraphics.h"
#include "framework/ole/OleErrors.h"
#include "framework/ole/OleStrings.h"
#include "framework/rtl/win/WideText.h"

namespace {

// A property getter met while reading type information; its description
// goes back to the type information with it.
struct TFuncInfo {
    TFuncInfo(ITypeInfo* AOwner, FUNCDESC* ADesc) : Owner(AOwner), Desc(ADesc) {}
    ~TFuncInfo() {
        if (Desc) Owner->ReleaseFuncDesc(Desc);
    }
    TFuncInfo(const TFuncInfo&) = delete;
    TFuncInfo& operator=(const TFuncInfo&) = delete;
    ITypeInfo* Owner;
    FUNCDESC* Desc;
    bool IsColor = false;
    bool DisplayBind = false;
};

struct TVarDescHold {
    ITypeInfo* Owner;
    VARDESC* Desc;
    ~TVarDescHold() { Owner->ReleaseVarDesc(Desc); }
};

struct TTypeAttrHold {
    ITypeInfo* Owner;
    TYPEATTR* Attr = nullptr;
    ~TTypeAttrHold() {
        if (Attr) Owner->ReleaseTypeAttr(Attr);
    }
};

// The editor of class T that an enumeration of Component hands out.
template <class T>
std::unique_ptr<T> EditorOf(TComponent* Component, TFormDesigner* Designer) {
    std::unique_ptr<T> Result;
    TDesignerSelectionList One;
    One.Add(Component);
    GetComponentProperties(One, tkAny, Designer, [&](std::unique_ptr<TPropertyEditor> E) {
        if (!Result && dynamic_cast<T*>(E.get())) Result.reset(static_cast<T*>(E.release()));
    });
    return Result;
}

std::string MemberNameOf(ITypeInfo* TypeInfo, MEMBERID MemberID) {
    BSTR Name = nullptr;
    UINT Got = 0;
    OleCheck(TypeInfo->GetNames(MemberID, &Name, 1, &Got));
    std::string Result = Narrow(Name);
    SysFreeString(Name);
    return Result;
}

void ReadDocumentation(ITypeInfo* TypeInfo, TAxPropEditor* Editor) {
    BSTR Doc = nullptr, File = nullptr;
    DWORD Context = 0;
    if (FAILED(TypeInfo->GetDocumentation(Editor->MemberID, nullptr, &Doc, &Context, &File))) return;
    Editor->DocString = Narrow(Doc);
    Editor->HelpFile = Narrow(File);
    Editor->HelpContext = static_cast<int>(Context);
    SysFreeString(Doc);
    SysFreeString(File);
}

// The constants of an enumeration type, with their values.
void ReadEnumNames(ITypeInfo* TypeInfo, const TYPEDESC* TypeDesc, TAxPropEditor* Editor) {
    if (!TypeDesc || TypeDesc->vt != VT_USERDEFINED) return;
    TComPtr<ITypeInfo> Ref;
    if (FAILED(TypeInfo->GetRefTypeInfo(TypeDesc->hreftype, Ref.Put()))) return;
    TTypeAttrHold Attr{Ref.Get()};
    if (FAILED(Ref->GetTypeAttr(&Attr.Attr)) || Attr.Attr->typekind != TKIND_ENUM) return;
    for (UINT I = 0; I < Attr.Attr->cVars; ++I) {
        VARDESC* Var = nullptr;
        if (FAILED(Ref->GetVarDesc(I, &Var))) continue;
        BSTR Name = nullptr;
        Ref->GetDocumentation(Var->memid, &Name, nullptr, nullptr, nullptr);
        TOleVariant Value;
        if (Var->varkind == VAR_CONST && Var->lpvarValue &&
            SUCCEEDED(VariantChangeType(Value.Get(), Var->lpvarValue, 0, VT_I4)))
            Editor->EnumNames.emplace_back(Narrow(Name), static_cast<int>(Value->lVal));
        SysFreeString(Name);
        Ref->ReleaseVarDesc(Var);
    }
}

void ReadPredefined(TAxPropEditor* Editor) {
    CALPOLESTR Texts{};
    CADWORD Cookies{};
    if (SUCCEEDED(Editor->Browsing->GetPredefinedStrings(Editor->DispID, &Texts, &Cookies))) {
        for (ULONG I = 0; I < Texts.cElems; ++I) {
            Editor->Predefined.emplace_back(Narrow(Texts.pElems[I]), I < Cookies.cElems ? Cookies.pElems[I] : 0);
            CoTaskMemFree(Texts.pElems[I]);
        }
        CoTaskMemFree(Texts.pElems);
        CoTaskMemFree(Cookies.pElems);
    }
    if (FAILED(Editor->Browsing->MapPropertyToPage(Editor->DispID, &Editor->PageClassID)))
        Editor->PageClassID = GUID_NULL;
}

}  // namespace

TAxRowSource::TAxRowSource(TComponent* AOwner)
    : TComponent(AOwner), FFakeComponent(std::make_unique<TFake>(nullptr)),
      FFake2Component(std::make_unique<TFake2>(nullptr)) {
    RegisterAxEditors();
}

TAxRowSource::~TAxRowSource() = default;

// The framework has no OLE document container: the designer's wrapper is
// the only component that hosts an ActiveX control.
bool TAxRowSource::IsOleControl(TComponent* Component) const {
    return ShowActiveX && dynamic_cast<TCustomZelOleControl*>(Component) != nullptr;
}

void TAxRowSource::EnumerateAxControl(TComponent* Control, bool IsOle, TTypeKinds Filter, TFormDesigner* Designer,
                                      const TGetPropEditProc& Rows) {
    AxMode = IsOle;
    if (!AxMode) return;
    auto* Zel = dynamic_cast<TCustomZelOleControl*>(Control);
    IsZelControl = Zel != nullptr;
    if (Zel) OleControl = Zel;
    OleObject.Reset();
    IUnknown* Object = Zel ? Zel->GetOleObject() : nullptr;
    // Without an automation interface the control shows only its own
    // published properties.
    if (!Object || FAILED(Object->QueryInterface(IID_IDispatch, OleObject.PutVoid()))) AxMode = false;

    TDesignerSelectionList One;
    One.Add(Control);
    GetComponentProperties(One, Filter, Designer, Rows);
    if (!AxMode) return;

    const bool EventsMode = Filter == tkMethods;
    TComPtr<ITypeInfo> Info;
    if (EventsMode)
        Info = GetDefaultEventTypeInfo(OleObject.Get());
    else
        OleCheck(OleObject->GetTypeInfo(0, 0, Info.Put()));
    if (Info) EnumerateTypeInfo(EventsMode, Info.Get(), OleObject.Get(), Designer, Rows);
}

void TAxRowSource::EnumerateTypeInfo(bool EventsMode, ITypeInfo* TypeInfo, IDispatch* Dispatch,
                                     TFormDesigner* Designer, const TGetPropEditProc& Rows) {
    if (!Dispatch) return;
    TTypeAttrHold Attr{TypeInfo};
    OleCheck(TypeInfo->GetTypeAttr(&Attr.Attr));
    auto Add = [&](std::unique_ptr<TPropertyEditor> Editor) {
        if (Editor) Rows(std::move(Editor));
    };

    for (UINT I = 0; I < Attr.Attr->cVars; ++I) {
        VARDESC* Var = nullptr;
        OleCheck(TypeInfo->GetVarDesc(I, &Var));
        const TVarDescHold Hold{TypeInfo, Var};
        if (Var->wVarFlags & (VARFLAG_FREADONLY | VARFLAG_FHIDDEN | VARFLAG_FNONBROWSABLE)) continue;
        const TYPEDESC* Type = &Var->elemdescVar.tdesc;
        Add(CreateAxEditor(Designer, TypeInfo, Var->memid, Type, IsColorMember(Var->memid, TypeInfo, Type),
                           (Var->wVarFlags & VARFLAG_FDISPLAYBIND) != 0, false));
    }

    std::vector<std::unique_ptr<TFuncInfo>> Getters;
    std::vector<MEMBERID> Putters;
    for (UINT I = 0; I < Attr.Attr->cFuncs; ++I) {
        FUNCDESC* Func = nullptr;
        OleCheck(TypeInfo->GetFuncDesc(I, &Func));
        auto Info = std::make_unique<TFuncInfo>(TypeInfo, Func);
        // Restricted: the IUnknown and IDispatch members a dispinterface
        // inherits, which are no events of the control.
        if (Func->wFuncFlags & (FUNCFLAG_FHIDDEN | FUNCFLAG_FNONBROWSABLE | FUNCFLAG_FRESTRICTED)) continue;
        if (Func->invkind == INVOKE_FUNC && EventsMode) {
            Info->Desc = nullptr;  // the editor releases it
            Info.reset();
            Add(CreateAxEditor(Designer, TypeInfo, Func->memid, nullptr, false, false, true, Func));
        } else if (Func->invkind == INVOKE_PROPERTYGET) {
            const TYPEDESC* Result = &Func->elemdescFunc.tdesc;
            Info->IsColor = IsColorMember(Func->memid, TypeInfo, Result);
            if (!Info->IsColor && Result->vt == VT_HRESULT && Func->cParams > 0)
                Info->IsColor = IsColorMember(Func->memid, TypeInfo, &Func->lprgelemdescParam[0].tdesc);
            Info->DisplayBind = (Func->wFuncFlags & FUNCFLAG_FDISPLAYBIND) != 0;
            Getters.push_back(std::move(Info));
        } else if (Func->invkind == INVOKE_PROPERTYPUT) {
            Putters.push_back(Func->memid);
        }
    }
    // Read-only properties (a getter without a putter) are not listed.
    for (const auto& Get : Getters)
        if (std::find(Putters.begin(), Putters.end(), Get->Desc->memid) != Putters.end())
            Add(CreateAxEditor(Designer, TypeInfo, Get->Desc->memid, &Get->Desc->elemdescFunc.tdesc, Get->IsColor,
                               Get->DisplayBind, false));
}

std::unique_ptr<TPropertyEditor> TAxRowSource::CreateAxEditor(TFormDesigner* Designer, ITypeInfo* TypeInfo,
                                                              MEMBERID MemberID, const TYPEDESC* TypeDesc,
                                                              bool IsColor, bool DisplayBind, bool IsEvent,
                                                              FUNCDESC* FuncDesc) {
    CapturedEditor = nullptr;
    auto Editor = EditorOf<TAxPropEditor>(FFakeComponent.get(), Designer);
    if (!Editor) {
        if (FuncDesc) TypeInfo->ReleaseFuncDesc(FuncDesc);
        return nullptr;
    }
    Editor->MemberTypeInfo = TComPtr<ITypeInfo>::Share(TypeInfo);
    Editor->FuncDesc = FuncDesc;
    Editor->MemberName = MemberNameOf(TypeInfo, MemberID);
    Editor->DisplayBind = DisplayBind;
    Editor->Inspector = this;
    Editor->MemberID = MemberID;
    ReadDocumentation(TypeInfo, Editor.get());
    Editor->AutoDispatch = OleObject;
    if (IsEvent) {
        Editor->IsEvent = true;
        Editor->DispID = MemberID;
        CapturedEditor = Editor.get();
        return Editor;
    }
    ReadEnumNames(TypeInfo, TypeDesc, Editor.get());
    if (Editor->MemberName.starts_with("_")) return nullptr;

    std::wstring Name = Widen(Editor->MemberName);
    LPOLESTR Names[] = {Name.data()};
    OleCheck(OleObject->GetIDsOfNames(IID_NULL, Names, 1, 0, &Editor->DispID));
    Editor->Browsing = OleObject.As<IPerPropertyBrowsing>(IID_IPerPropertyBrowsing);
    if (Editor->Browsing) ReadPredefined(Editor.get());
    Editor->IsColor = IsColor;
    if (Editor->Predefined.empty()) {
        TOleVariant Value;
        if (FAILED(GetDispatchProperty(OleObject.Get(), Editor->DispID, Value))) return nullptr;
    }
    if (MemberID == DISPID_FONT || ValueSupports(Editor.get(), IID_IFontDisp)) return FontEditor(Designer, Editor.get());
    if (MemberID == DISPID_PICTURE || ValueSupports(Editor.get(), IID_IPictureDisp))
        Editor->IsPicture = true;
    else if (ValueSupports(Editor.get(), IID_IStrings))
        Editor->IsStrings = true;
    else if (ValueSupports(Editor.get(), IID_IUnknown))
        return nullptr;  // other objects are not listed
    CapturedEditor = Editor.get();
    return Editor;
}

bool TAxRowSource::ValueSupports(TAxPropEditor* Editor, const IID& Iid) {
    if (Editor->IsEvent || !OleObject || !Editor->Predefined.empty()) return false;
    TOleVariant Value;
    if (FAILED(GetDispatchProperty(OleObject.Get(), Editor->DispID, Value))) return false;
    if (Value.Type() != VT_DISPATCH && Value.Type() != VT_UNKNOWN) return false;
    IUnknown* Object = Value->punkVal;
    if (!Object) return Iid == IID_IUnknown;
    TComPtr<IUnknown> Answer;
    return SUCCEEDED(Object->QueryInterface(Iid, Answer.PutVoid()));
}

std::unique_ptr<TPropertyEditor> TAxRowSource::FontEditor(TFormDesigner* Designer, TAxPropEditor* Editor) {
    TOleVariant Value;
    OleCheck(GetDispatchProperty(OleObject.Get(), Editor->DispID, Value));
    auto Fake = std::make_unique<TFakeFont>(nullptr);
    if ((Value.Type() == VT_DISPATCH || Value.Type() == VT_UNKNOWN) && Value->punkVal) {
        TComPtr<IFontDisp> Font;
        if (SUCCEEDED(Value->punkVal->QueryInterface(IID_IFontDisp, Font.PutVoid()))) SetOleFont(Fake->A(), Font.Get());
    }
    auto Result = EditorOf<TMFontProperty>(Fake.get(), PrivateDesigner ? PrivateDesigner : Designer);
    if (!Result) return nullptr;
    Result->Attach(std::move(Fake), Editor->MemberName, OleObject.Get(), Editor->DispID);
    CapturedEditor = CapturedFontEditor = Result.get();
    return Result;
}

std::unique_ptr<TPropertyEditor> TAxRowSource::CreateGroupEditor(const std::vector<TPropertyEditor*>& Run,
                                                                 TFormDesigner* Designer) {
    auto Group = EditorOf<TAxMultiSelectPropEdit>(FFake2Component.get(), Designer);
    if (!Group) return nullptr;
    for (TPropertyEditor* E : Run)
        if (E->GetAttributes().Contains(paMultiSelect)) Group->Editors.push_back(E);
    if (Group->Editors.empty()) return nullptr;
    return Group;
}

void RegisterAxEditors() {
    // The library's end frees the editor group these go into: each start
    // of the library needs them again.
    static int RegisteredIn = -1;
    if (RegisteredIn == DesignLibraryGeneration()) return;
    RegisteredIn = DesignLibraryGeneration();
    const TTypeInfo* Side = TTypeInfoOf<TAxRowSource*>::Get();
    RegisterPropertyEditor(Side, TFake::StaticClass(), "", PropertyEditorClass<TAxPropEditor>());
    RegisterPropertyEditor(Side, TFake2::StaticClass(), "", PropertyEditorClass<TAxMultiSelectPropEdit>());
    RegisterPropertyEditor(TTypeInfoOf<TFont*>::Get(), TFakeFont::StaticClass(), "",
                           PropertyEditorClass<TMFontProperty>());
}

QRN_PUBLISHED(TAxRowSource) {}
