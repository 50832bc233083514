#pragma once
// The global inspector options, kept in the registry below the designer
// library's key ("Inspector\"): every inspector whose UseGlobalOptions is
// set follows them. Also the inspector unit's start-up and its glyphs.
#include <memory>

#include "designer/inspector/core/InspectorOptions.h"
#include "designer/support/win/OptionExt.h"
#include "framework/rtl/StringList.h"

class TCustomObjectInspector;
class TBitmap;

class TInspectorOptions : public TOptionExt {
    QRN_CLASS(TInspectorOptions, TOptionExt)
public:
    TInspectorOptions();
    ~TInspectorOptions() override;
    static TInspectorOptions* Global() { return TOptionExt::Global<TInspectorOptions>(); }

    TStrings* Aliases() const { return FAliases.get(); }
    void SetAliases(TStrings* Value);
    TStrings* HiddenProps() const { return FHiddenProps.get(); }
    void SetHiddenProps(TStrings* Value);
    TOIOptions Options() const { return FOptions; }
    void SetOptions(TOIOptions Value);
    TInspectorStyle Style() const { return FStyle; }
    void SetStyle(TInspectorStyle Value);
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool Value);

    std::string GetRegistryKey() const override { return "Inspector\\"; }
    void SetDefaults() override;
    // Every live inspector that uses the global options takes them.
    void Apply() override;
    // Options, Style, Aliases, ShowHints and HiddenProps, in this order.
    void ApplyTo(TCustomObjectInspector* Inspector);

private:
    void ListChanged(TObject*);
    void Notify();
    std::unique_ptr<TStringList> FAliases, FHiddenProps;
    TOIOptions FOptions = DefaultOIOptions;
    TInspectorStyle FStyle = isOstrel;
    bool FShowHints = false;
};

// The expand and collapse glyphs ("OBJECTINSPECTOR_PLUS" and
// "OBJECTINSPECTOR_MINUS"); a missing resource leaves a bitmap empty.
void LoadInspectorGlyphs(TBitmap* Plus, TBitmap* Minus);

// The inspector unit's start-up (again after each end of the library):
// its classes become creatable by name and its options join the
// environment options.
void InitObjectInspectorUnit();
