#include "designer/inspector/win/InspectorGlobalOptions.h"

#include "designer/inspector/core/InspectorAliases.h"
#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/EnvironmentOptions.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/win/PaletteGlyphs.h"

TInspectorOptions::TInspectorOptions()
    : FAliases(std::make_unique<TStringList>()), FHiddenProps(std::make_unique<TStringList>()) {
    FAliases->OnChange = TNotifyEvent(this, &TInspectorOptions::ListChanged);
    FHiddenProps->OnChange = TNotifyEvent(this, &TInspectorOptions::ListChanged);
}

TInspectorOptions::~TInspectorOptions() = default;

void TInspectorOptions::SetDefaults() {
    BeginUpdate();
    FOptions = DefaultOIOptions;
    FStyle = isOstrel;
    FShowHints = false;
    FHiddenProps->Clear();
    FAliases->Clear();
    for (const std::string& L : DefaultInspectorAliases()) FAliases->Add(L);
    EndUpdate();
}

void TInspectorOptions::Notify() {
    if (UpdateCount() == 0) Changed();
}

void TInspectorOptions::ListChanged(TObject*) { Notify(); }

void TInspectorOptions::SetAliases(TStrings* Value) {
    if (Value && Value->Text() == FAliases->Text()) return;
    FAliases->Assign(Value);
}

void TInspectorOptions::SetHiddenProps(TStrings* Value) {
    if (Value && Value->Text() == FHiddenProps->Text()) return;
    FHiddenProps->Assign(Value);
}

void TInspectorOptions::SetOptions(TOIOptions Value) {
    if (Value == FOptions) return;
    FOptions = Value;
    Notify();
}

void TInspectorOptions::SetStyle(TInspectorStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Notify();
}

void TInspectorOptions::SetShowHints(bool Value) {
    if (Value == FShowHints) return;
    FShowHints = Value;
    Notify();
}

void TInspectorOptions::Apply() {
    if (!IsGlobal()) return;
    for (TCustomObjectInspector* I : std::vector(InspectorList()))
        if (I->UseGlobalOptions()) ApplyTo(I);
}

void TInspectorOptions::ApplyTo(TCustomObjectInspector* Inspector) {
    Inspector->BeginUpdate();
    try {
        Inspector->SetOptions(FOptions);
        Inspector->SetStyle(FStyle);
        Inspector->SetAliases(FAliases.get());
        Inspector->SetShowHints(FShowHints);
        Inspector->SetHiddenProps(FHiddenProps.get());
    } catch (...) {
        Inspector->EndUpdate();
        throw;
    }
    Inspector->EndUpdate();
}

QRN_PUBLISHED(TInspectorOptions) {
    B.Prop("Aliases", &TInspectorOptions::Aliases, &TInspectorOptions::SetAliases);
    B.Prop("HiddenProps", &TInspectorOptions::HiddenProps, &TInspectorOptions::SetHiddenProps);
    B.Prop("Options", &TInspectorOptions::Options, &TInspectorOptions::SetOptions).Default(DefaultOIOptions);
    B.Prop("Style", &TInspectorOptions::Style, &TInspectorOptions::SetStyle).Default(isOstrel);
    B.Prop("ShowHints", &TInspectorOptions::ShowHints, &TInspectorOptions::SetShowHints).Default(false);
}

void LoadInspectorGlyphs(TBitmap* Plus, TBitmap* Minus) {
    LoadGlyphResource(Plus, "OBJECTINSPECTOR_PLUS");
    LoadGlyphResource(Minus, "OBJECTINSPECTOR_MINUS");
}

void InitObjectInspectorUnit() {
    for (const TClass* C : {TObjectInspector::StaticClass(), TOInplaceEdit::StaticClass()}) RegisterClassOnce(C);
    RegisterEnvironmentOptions(TInspectorOptions::StaticClass());
}
