#include "designer/support/win/CommonPropEditors.h"

#include <memory>
#include <typeinfo>

#include "designer/support/win/FDesigner.h"
#include "designer/support/win/PathDialog.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Graphics.h"

QRN_PUBLISHED(TFakeComponent) { B.Prop("NN", &TFakeComponent::NN); }

namespace {
constexpr const char* AllFilesFilter = "All files (*.*)|*.*";

// The probe StandardEditorsRegistered asks about.
class TMClass : public TComponent {
    QRN_CLASS(TMClass, TComponent)
public:
    using TComponent::TComponent;
    TColor c = clBlack;
};

template <class T>
void RegisterForAny(const TTypeInfo* Type) {
    RegisterPropertyEditor(Type, nullptr, "", PropertyEditorClass<T>());
}
}  // namespace

QRN_PUBLISHED(TMClass) { B.Prop("c", &TMClass::c).Type(QRN_TYPE(TColor)); }

TPropertyAttributes TFontSizePropEdit::GetAttributes() {
    TPropertyAttributes A = TIntegerProperty::GetAttributes();
    A.Include(paValueList);
    return A;
}

void TFontSizePropEdit::GetValues(TGetStrProc Proc) {
    for (int Size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}) Proc(std::to_string(Size));
}

TPropertyAttributes TFileNameEdit::GetAttributes() { return {paDialog}; }

std::string TFileNameEdit::GetValue() { return GetStrValue(); }

void TFileNameEdit::SetValue(const std::string& Value) { SetStrValue(Value); }

void TFileNameEdit::Edit() {
    std::unique_ptr<TOpenDialog, TObjectFree> Dialog(new TOpenDialog(nullptr));
    Dialog->SetDefaultExt(GetDefaultExt());
    Dialog->SetFilter(GetFilter());
    if (Dialog->Execute()) SetStrValue(Dialog->FileName());
}

std::string TFileNameEdit::GetDefaultExt() { return {}; }

std::string TFileNameEdit::GetFilter() { return AllFilesFilter; }

TPropertyAttributes TComputerNameProperty::GetAttributes() {
    TPropertyAttributes A = TStringProperty::GetAttributes();
    A.Include(paDialog);
    return A;
}

void TComputerNameProperty::Edit() {
    std::string Name = GetStrValue();
    HWND Owner = Application ? Application->Handle() : nullptr;
    if (BrowseForComputer("", Name, Owner)) SetStrValue(Name);
}

void RegisterFakeEditors() {
    RegisterPropertyEditor(TTypeInfoOf<std::string>::Get(), TFakeComponent::StaticClass(), "NN",
                           PropertyEditorClass<TFakePropertyEditor>());
    RegisterComponentEditor(TFakeComponent::StaticClass(), ComponentEditorClass<TFakeComponentEditor>());
}

bool StandardEditorsRegistered() {
    std::unique_ptr<TMClass, TObjectFree> Probe(new TMClass(nullptr));
    TDesignerSelectionList List;
    List.Add(Probe.get());
    TFDesigner Designer;
    bool Found = false;
    GetComponentProperties(List, tkProperties, &Designer, [&](std::unique_ptr<TPropertyEditor> Editor) {
        if (Editor->GetName() == "c") Found = typeid(*Editor) == typeid(TColorProperty);
    });
    return Found;
}

void RegisterStandardPropertyEditors() {
    if (StandardEditorsRegistered()) return;
    RegisterForAny<TClassProperty>(TTypeInfoOf<TObject*>::Get());
    RegisterForAny<TComponentProperty>(TTypeInfoOf<TComponent*>::Get());
    RegisterForAny<TIntegerProperty>(TTypeInfoOf<int>::Get());
    RegisterForAny<TCharProperty>(TTypeInfoOf<char>::Get());
    RegisterForAny<TStringProperty>(TTypeInfoOf<std::string>::Get());
    RegisterForAny<TColorProperty>(QRN_TYPE(TColor));
    RegisterForAny<TFontProperty>(TTypeInfoOf<TFont*>::Get());
    RegisterForAny<TCursorProperty>(QRN_TYPE(TCursor));
    RegisterForAny<TCaptionProperty>(QRN_TYPE(TCaption));
    RegisterForAny<TFontNameProperty>(QRN_TYPE(TFontName));
    RegisterForAny<TModalResultProperty>(QRN_TYPE(TModalResult));
    RegisterForAny<TShortCutProperty>(QRN_TYPE(TShortCut));
    RegisterForAny<TComponentNameProperty>(QRN_TYPE(TComponentName));
    RegisterForAny<TTabOrderProperty>(QRN_TYPE(TTabOrder));
    RegisterForAny<TDateTimeProperty>(QRN_TYPE(TDateTime));
    RegisterForAny<TFontCharsetProperty>(QRN_TYPE(TFontCharset));
    RegisterForAny<TImeNameProperty>(QRN_TYPE(TImeName));
    RegisterForAny<TDateProperty>(QRN_TYPE(TDate));
    RegisterForAny<TTimeProperty>(QRN_TYPE(TTime));
    RegisterPropertyEditor(TTypeInfoOf<Variant>::Get(), TPersistent::StaticClass(), "",
                           PropertyEditorClass<TVariantProperty>());
    RegisterPropertyEditor(TTypeInfoOf<int>::Get(), TFont::StaticClass(), "Size",
                           PropertyEditorClass<TFontSizePropEdit>());
}

void RegisterNamedPropertyEditors() {
    const TTypeInfo* Str = TTypeInfoOf<std::string>::Get();
    RegisterPropertyEditor(Str, TComponent::StaticClass(), "FileName", PropertyEditorClass<TFileNameEdit>());
    RegisterPropertyEditor(Str, TComponent::StaticClass(), "ComputerName",
                           PropertyEditorClass<TComputerNameProperty>());
}
