#include "designer/support/NamedItems.h"

#include "designer/support/PropertyHelpers.h"

QRN_PUBLISHED(TZelNamedItem) { B.Prop("Name", &TZelNamedItem::Name, &TZelNamedItem::SetName); }
QRN_PUBLISHED(TCustomZelNamedItems) {}
QRN_PUBLISHED(TZelNamedItems) {}

void TZelNamedItem::Assign(TPersistent* Source) {
    if (dynamic_cast<TZelNamedItem*>(Source)) {
        CopyObjectProperties(Source, this);
        return;
    }
    TCollectionItem::Assign(Source);
}

std::string TZelNamedItem::GetDisplayName() const {
    return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
}

void TZelNamedItem::SetDisplayName(const std::string& Value) { FName = Value; }

void TCustomZelNamedItems::Update(TCollectionItem* Item) {
    TCollection::Update(Item);
    if (OnChange) OnChange(this);
    if (OnItemChange) OnItemChange(this, Item);
}
