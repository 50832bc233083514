#pragma once
// Option sets of the palette kept in the registry: the page list of page
// controls, of the component palette and of the new-form control, and the
// palette settings the designer component carries.
#include <memory>

#include "designer/support/win/OptionExt.h"
#include "framework/rtl/StringList.h"

class TPageControlOptions : public TOptionExt {
    QRN_CLASS(TPageControlOptions, TOptionExt)
public:
    TPageControlOptions();
    ~TPageControlOptions() override;
    TStrings* PageItems() const { return FPageItems.get(); }
    void SetPageItems(TStrings* Value) { FPageItems->Assign(Value); }

private:
    void ItemsChanged(TObject*) { Changed(); }
    std::unique_ptr<TStringList> FPageItems;
};

// The global page list of palettes that use the global options.
class TPaletteOptions : public TPageControlOptions {
    QRN_CLASS(TPaletteOptions, TPageControlOptions)
public:
    std::string GetRegistryKey() const override { return "ComponentPalette\\"; }
    void SetDefaults() override;
    void Apply() override;
};

class TNewFormOptions : public TPageControlOptions {
    QRN_CLASS(TNewFormOptions, TPageControlOptions)
public:
    std::string GetRegistryKey() const override { return "NewFormControl\\"; }
    void SetDefaults() override;
};

class TCompPaletteOptions : public TPersistent {
    QRN_CLASS(TCompPaletteOptions, TPersistent)
public:
    TCompPaletteOptions();
    void Assign(TPersistent* Source) override;
    bool CustomizePalette = false;
    bool UseActiveX = false;
    bool OnlyDefinedItems = false;
    TStrings* PredefinedPages() const { return FPages.get(); }
    void SetPredefinedPages(TStrings* Value) { FPages->Assign(Value); }

private:
    std::unique_ptr<TStringList> FPages;
};

// The sixteen default page names as a list.
void FillDefaultPages(TStrings* Strings);
