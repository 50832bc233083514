#include "designer/support/PropertyVerbList.h"

QRN_PUBLISHED(TActionListItem) {}
QRN_PUBLISHED(TActionsList) {}

namespace {
bool Fits(const TActionListItem* Item, const TObject* Component) {
    return !Item->ComponentClass || (Component && Component->InheritsFrom(Item->ComponentClass));
}
}  // namespace

void TActionsList::Add(const std::string& Caption, const TClass* ComponentClass, const std::string& PropName) {
    auto* Item = static_cast<TActionListItem*>(TCollection::Add());
    Item->Caption = Caption;
    Item->ComponentClass = ComponentClass;
    Item->PropName = PropName;
}

int TActionsList::MatchingCount(const TObject* Component) const {
    int N = 0;
    for (int I = 0; I < Count(); ++I) N += Fits(static_cast<TActionListItem*>(Items(I)), Component);
    return N;
}

TActionListItem* TActionsList::Matching(const TObject* Component, int Index) const {
    if (Index < 0) return nullptr;
    for (int I = 0; I < Count(); ++I) {
        auto* Item = static_cast<TActionListItem*>(Items(I));
        if (Fits(Item, Component) && Index-- == 0) return Item;
    }
    return nullptr;
}
