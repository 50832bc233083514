#include "designer/inspector/win/AxPropEditor.h"

#include <olectl.h>

#include "designer/inspector/GlyphEditForm.h"
#include "designer/inspector/PropEdit.h"
#include "designer/inspector/StringsEditForm.h"
#include "designer/inspector/win/AxGroupEditor.h"
#include "designer/inspector/win/AxRowSource.h"
#include "designer/support/win/AxDispatch.h"
#include "designer/support/win/AxEventType.h"
#include "designer/support/win/ZelOleControl.h"
#include "framework/graphics/OleGraphics.h"
#include "framework/ole/OleErrors.h"
#include "framework/ole/OleStrings.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/win/WideText.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/uicore/Colors.h"

namespace {

[[noreturn]] void InvalidValue() { throw EPropertyError("Invalid property value"); }

std::string VariantText(const TOleVariant& Value) {
    TOleVariant Text;
    if (FAILED(VariantChangeType(Text.Get(), const_cast<VARIANT*>(Value.Get()), VARIANT_ALPHABOOL, VT_BSTR)))
        return {};
    return Narrow(Text->bstrVal);
}

bool IsSmallInteger(const TOleVariant& Value, long& Number) {
    switch (Value.Type()) {
        case VT_I2: Number = Value->iVal; return true;
        case VT_UI2: Number = Value->uiVal; return true;
        case VT_I4: Number = Value->lVal; return true;
        case VT_UI4: Number = static_cast<long>(Value->ulVal); return true;
        case VT_INT: Number = Value->intVal; return true;
        case VT_UINT: Number = static_cast<long>(Value->uintVal); return true;
        default: return false;
    }
}

}  // namespace

TAxPropEditor::~TAxPropEditor() {
    if (MemberTypeInfo && FuncDesc) MemberTypeInfo->ReleaseFuncDesc(FuncDesc);
}

HRESULT TAxPropEditor::ReadValue(TOleVariant& Value) { return GetDispatchProperty(AutoDispatch.Get(), DispID, Value); }

// ---- attributes and values

TPropertyAttributes TAxPropEditor::GetAttributes() {
    if (IsEvent) return {paValueList, paMultiSelect, paSortList, paRevertable};
    TPropertyAttributes Result{paMultiSelect};
    if (IsPicture || IsStrings || !IsEqualGUID(PageClassID, GUID_NULL)) {
        Result.Include(paDialog);
        Result.Include(paReadOnly);
    } else if (!Predefined.empty() || !EnumNames.empty() || IsColor || DisplayBind) {
        Result.Include(paValueList);
    }
    return Result;
}

std::string TAxPropEditor::GetValue() {
    if (IsEvent)
        return Inspector && Inspector->IsZelControl && Inspector->OleControl
                   ? Inspector->OleControl->GetEventHandler(DispID)
                   : std::string();
    if (IsPicture) return "(Bitmap)";
    if (IsStrings) return "(Strings)";
    TOleVariant Value;
    if (FAILED(ReadValue(Value)) || Value.Type() == VT_EMPTY || Value.Type() == VT_NULL) return {};
    if (!Predefined.empty()) return PredefinedText(Value);
    long Number = 0;
    if (IsColor && IsSmallInteger(Value, Number)) return ColorToString(static_cast<TColor>(Number));
    if (!EnumNames.empty()) {
        IsSmallInteger(Value, Number);
        for (const auto& [Name, N] : EnumNames)
            if (N == Number) return Name;
        return {};
    }
    if (Value.Type() == VT_BOOL) return Value->boolVal ? "True" : "False";
    return VariantText(Value);
}

// The control's own display text, else the predefined text the value
// indexes (when it is a valid index), else the value itself.
std::string TAxPropEditor::PredefinedText(const TOleVariant& Value) {
    BSTR Text = nullptr;
    if (Browsing && SUCCEEDED(Browsing->GetDisplayString(DispID, &Text))) {
        std::string Result = Narrow(Text);
        SysFreeString(Text);
        return Result;
    }
    long Index = 0;
    if (IsSmallInteger(Value, Index) && Index >= 0 && Index < static_cast<long>(Predefined.size()))
        return Predefined[static_cast<size_t>(Index)].first;
    return VariantText(Value);
}

void TAxPropEditor::GetValues(TGetStrProc Proc) {
    if (IsEvent) {
        if (Designer()) Designer()->EnumEventMethods(EventType(), Proc);
    } else if (IsColor) {
        GetColorValues(Proc);
    } else if (!Predefined.empty()) {
        for (const auto& P : Predefined) Proc(P.first);
    } else {
        for (const auto& E : EnumNames) Proc(E.first);
    }
}

void TAxPropEditor::SetValue(const std::string& Value) {
    if (IsEvent) {
        SetEventValue(Value);
        return;
    }
    TOleVariant V;
    if (IsColor) {
        V->vt = VT_I4;
        V->lVal = static_cast<LONG>(ColorToRGB(StringToColor(Value)));
    } else if (!EnumNames.empty()) {
        auto It = std::find_if(EnumNames.begin(), EnumNames.end(), [&](const auto& E) { return SameText(E.first, Value); });
        if (It == EnumNames.end()) InvalidValue();
        V->vt = VT_I4;
        V->lVal = It->second;
    } else if (!Predefined.empty()) {
        auto It = std::find_if(Predefined.begin(), Predefined.end(), [&](const auto& P) { return SameText(P.first, Value); });
        if (It == Predefined.end() || !Browsing) InvalidValue();
        OleCheck(Browsing->GetPredefinedValue(DispID, It->second, V.Get()));
    } else {
        const std::wstring Text = Widen(Value);
        V->vt = VT_BSTR;
        V->bstrVal = SysAllocString(Text.c_str());
    }
    SetDispatchProperty(AutoDispatch.Get(), DispID != 0 ? DispID : MemberID, *V.Get());
    Modified();
}

// A changed name renames the handler; a new one attaches (and shows) it.
void TAxPropEditor::SetEventValue(const std::string& Value) {
    if (!Inspector || !Inspector->IsZelControl || !Inspector->OleControl) return;
    TFormDesigner* D = Designer();
    const std::string Current = GetValue();
    if (D && !Current.empty() && !Value.empty() && (SameText(Current, Value) || !D->EventMethodExists(Value))) {
        D->RenameEventMethod(Current, Value);
    } else {
        const bool NewMethod = D && !Value.empty() && !D->EventMethodExists(Value);
        Inspector->OleControl->SetEventHandler(DispID, Value);
        if (NewMethod) D->ShowEventMethod(Value);
    }
    Modified();
}

// ---- dialogs

void TAxPropEditor::Edit() {
    if (IsEvent)
        EditEvent();
    else if (IsPicture)
        EditPicture();
    else if (IsStrings)
        EditStrings();
    else if (IsEqualGUID(PageClassID, GUID_NULL))
        TPropertyEditor::Edit();
    else
        ShowPropertyPages();
}

TPersistent* TAxPropEditor::FirstSelected() {
    if (Designer()) {
        TDesignerSelectionList List;
        Designer()->GetSelectedComponents(&List);
        if (List.Count() > 0) return List.Items(0);
    }
    return Inspector ? Inspector->OleControl : nullptr;
}

const TTypeInfo* TAxPropEditor::EventType() {
    if (FEventType.Kind == tkUnknown && MemberTypeInfo && FuncDesc)
        FEventType = AxEventType(MemberTypeInfo.Get(), FuncDesc);
    return FEventType.Kind == tkMethod ? &FEventType : nullptr;
}

void TAxPropEditor::EditEvent() {
    TFormDesigner* D = Designer();
    if (!D) return;
    std::string Name = GetValue();
    TMethod Method;
    Method.Name = Name;
    if (Name.empty() || D->IsInheritedMethod(Method)) Name = MakeEventMethodName(D, FirstSelected(), MemberName);
    D->CreateEventMethod(Name, EventType());
    SetValue(Name);
    D->ShowEventMethod(Name);
}

// The picture editor on a copy: OK puts the edited picture back, Cancel
// the picture as it was read.
void TAxPropEditor::EditPicture() {
    std::unique_ptr<TGlyphEditForm, TObjectFree> Form(new TGlyphEditForm(nullptr));
    auto* Named = dynamic_cast<TComponent*>(FirstSelected());
    Form->SetCaption((Named ? Named->Name() : std::string()) + "." + MemberName);
    TPicture Kept;
    TOleVariant Value;
    if (SUCCEEDED(ReadValue(Value)) && Value.Type() == VT_DISPATCH && Value->pdispVal) {
        TComPtr<IPictureDisp> Picture;
        if (SUCCEEDED(Value->pdispVal->QueryInterface(IID_IPictureDisp, Picture.PutVoid()))) {
            SetOlePicture(Form->Image->Picture(), Picture.Get());
            Kept.Assign(Form->Image->Picture());
        }
    }
    TPicture* Result = Form->ShowModal() == 1 ? Form->Image->Picture() : &Kept;
    TComPtr<IPictureDisp> Ole;
    OleCheck(GetOlePicture(Result, Ole.Put()));
    VARIANT Put;
    VariantInit(&Put);
    V_VT(&Put) = VT_DISPATCH;
    V_DISPATCH(&Put) = Ole.Get();
    SetDispatchProperty(AutoDispatch.Get(), DispID, Put);
}

// The lines in the string-list editor; OK hands them back as a new list.
void TAxPropEditor::EditStrings() {
    TOleVariant Value;
    OleCheck(ReadValue(Value));
    TComPtr<IStrings> Lines;
    if ((Value.Type() == VT_DISPATCH || Value.Type() == VT_UNKNOWN) && Value->punkVal)
        OleCheck(Value->punkVal->QueryInterface(IID_IStrings, Lines.PutVoid()));
    std::unique_ptr<TStringsEditForm, TObjectFree> Form(new TStringsEditForm(Application));
    Form->DisplayName = MemberName;
    SetOleStrings(Form->Memo1->Lines(), Lines.Get());
    Form->UpdateCaption();
    if (Form->ShowModal() != 1) return;
    TComPtr<IStrings> Edited;
    OleCheck(GetOleStrings(Form->Memo1->Lines(), Edited.Put()));
    TOleVariant Put;
    Put->vt = VT_DISPATCH;
    Put->pdispVal = Edited.Get();
    Put->pdispVal->AddRef();
    SetDispatchProperty(AutoDispatch.Get(), DispID, *Put.Get());
    Modified();
}

void TAxPropEditor::ShowPropertyPages() {
    TComPtr<ISpecifyPropertyPages> Pages = AutoDispatch.As<ISpecifyPropertyPages>(IID_ISpecifyPropertyPages);
    if (!Pages) return;
    CAUUID List{};
    if (FAILED(Pages->GetPages(&List))) return;
    TPersistent* Selected = FirstSelected();
    auto* Named = dynamic_cast<TComponent*>(Selected);
    std::wstring Caption = Widen(Named ? Named->Name() : std::string());
    IUnknown* Objects[] = {AutoDispatch.Get()};
    OCPFIPARAMS Params{};
    Params.cbStructSize = sizeof(Params);
    Params.hWndOwner = Inspector && Inspector->OwnerWindow ? Inspector->OwnerWindow() : nullptr;
    Params.lpszCaption = Caption.c_str();
    Params.cObjects = 1;
    Params.lplpUnk = Objects;
    Params.cPages = List.cElems;
    Params.lpPages = List.pElems;
    Params.dispidInitialProperty = DispID;
    OleCreatePropertyFrameIndirect(&Params);
    CoTaskMemFree(List.pElems);
}

// ---- fonts

void TMFontProperty::Attach(std::unique_ptr<TFakeFont> Fake, const std::string& Name, IDispatch* Dispatch,
                            DISPID DispID) {
    FFake = std::move(Fake);
    FName = Name;
    FDispatch = TComPtr<IDispatch>::Share(Dispatch);
    FDispID = DispID;
    FFake->A()->OnChange = [this](TObject*) {
        IFontDisp* OleFont = nullptr;
        OleCheck(GetOleFont(FFake->A(), &OleFont));
        TOleVariant V;
        V->vt = VT_DISPATCH;
        V->pdispVal = OleFont;
        SetDispatchProperty(FDispatch.Get(), FDispID, *V.Get());
    };
}

// ---- helpers

bool IsColorMember(MEMBERID MemberID, ITypeInfo* TypeInfo, const TYPEDESC* TypeDesc) {
    switch (MemberID) {
        case DISPID_BACKCOLOR:
        case DISPID_BORDERCOLOR:
        case DISPID_FILLCOLOR:
        case DISPID_FORECOLOR:
        case DISPID_AMBIENT_BACKCOLOR:
        case DISPID_AMBIENT_FORECOLOR: return true;
        default: break;
    }
    if (!TypeDesc) return false;
    if (TypeDesc->vt == VT_PTR && TypeDesc->lptdesc) return IsColorMember(0, TypeInfo, TypeDesc->lptdesc);
    if (TypeDesc->vt != VT_USERDEFINED || !TypeInfo) return false;
    TComPtr<ITypeInfo> Ref;
    if (FAILED(TypeInfo->GetRefTypeInfo(TypeDesc->hreftype, Ref.Put()))) return false;
    TYPEATTR* Attr = nullptr;
    if (FAILED(Ref->GetTypeAttr(&Attr))) return false;
    const bool Result = IsEqualGUID(Attr->guid, OleColorGuid);
    Ref->ReleaseTypeAttr(Attr);
    return Result;
}

const TTypeInfo* AxPropTypeInfo(TAxPropEditor* Editor) {
    if (Editor->IsColor) return QRN_TYPE(TColor);
    if (Editor->IsPicture) return TTypeInfoOf<TImage*>::Get();
    if (Editor->IsStrings) return TTypeInfoOf<TStrings*>::Get();
    if (Editor->Predefined.empty()) {
        TOleVariant Value;
        if (SUCCEEDED(GetDispatchProperty(Editor->AutoDispatch.Get(), Editor->DispID, Value)) &&
            Value.Type() == VT_BOOL)
            return TTypeInfoOf<bool>::Get();
    }
    return nullptr;
}

const TClass* AxEditClass(TPropertyEditor* Editor) {
    // A group asks as its first member would.
    if (auto* Group = dynamic_cast<TAxMultiSelectPropEdit*>(Editor); Group && !Group->Editors.empty())
        return AxEditClass(Group->Editors.front());
    if (auto* Ax = dynamic_cast<TAxPropEditor*>(Editor); Ax && !Ax->IsEvent)
        if (const TTypeInfo* Type = AxPropTypeInfo(Ax)) return EditClassFor(Type, nullptr, {});
    return EditClassForEditor(Editor);
}

const TClass* AxPopupClass(TPropertyEditor* Editor) {
    if (auto* Group = dynamic_cast<TAxMultiSelectPropEdit*>(Editor); Group && !Group->Editors.empty())
        return AxPopupClass(Group->Editors.front());
    if (auto* Ax = dynamic_cast<TAxPropEditor*>(Editor); Ax && Ax->IsColor)
        return PopupClassFor(QRN_TYPE(TColor), nullptr, {});
    return PopupClassForEditor(Editor);
}
