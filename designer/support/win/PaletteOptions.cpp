#include "designer/support/win/PaletteOptions.h"

#include "designer/support/PalettePages.h"
#include "designer/support/win/CompPalette.h"

QRN_PUBLISHED(TPageControlOptions) {
    B.Prop("PageItems", &TPageControlOptions::PageItems, &TPageControlOptions::SetPageItems);
}
QRN_PUBLISHED(TPaletteOptions) {}
QRN_PUBLISHED(TNewFormOptions) {}
QRN_PUBLISHED(TCompPaletteOptions) {
    B.Prop("CustomizePalette", &TCompPaletteOptions::CustomizePalette).Default(false);
    B.Prop("UseActiveX", &TCompPaletteOptions::UseActiveX).Default(false);
    B.Prop("OnlyDefinedItems", &TCompPaletteOptions::OnlyDefinedItems).Default(false);
    B.Prop("PredefinedPages", &TCompPaletteOptions::PredefinedPages, &TCompPaletteOptions::SetPredefinedPages);
}

void FillDefaultPages(TStrings* Strings) {
    Strings->Clear();
    for (const std::string& Name : DefaultPaletteNames()) Strings->Add(Name);
}

TPageControlOptions::TPageControlOptions() : FPageItems(std::make_unique<TStringList>()) {
    FPageItems->OnChange = TNotifyEvent(this, &TPageControlOptions::ItemsChanged);
}

TPageControlOptions::~TPageControlOptions() = default;

void TPaletteOptions::SetDefaults() { FillDefaultPages(PageItems()); }

void TPaletteOptions::Apply() {
    if (!IsGlobal() || UpdateCount() > 0) return;
    for (TZelCompPalette* P : PaletteList())
        if (P->UseGlobalOptions()) P->ApplyGlobalOptions();
}

void TNewFormOptions::SetDefaults() {
    PageItems()->Clear();
    for (const char* Name : {"Project", "Form", "Report", "Unit", "Data Module", "New"}) PageItems()->Add(Name);
}

TCompPaletteOptions::TCompPaletteOptions() : FPages(std::make_unique<TStringList>()) {
    FillDefaultPages(FPages.get());
}

void TCompPaletteOptions::Assign(TPersistent* Source) {
    auto* S = dynamic_cast<TCompPaletteOptions*>(Source);
    if (!S) return TPersistent::Assign(Source);
    CustomizePalette = S->CustomizePalette;
    UseActiveX = S->UseActiveX;
    OnlyDefinedItems = S->OnlyDefinedItems;
    FPages->Assign(S->FPages.get());
}
