#include "designer/engine/win/LimitInfos.h"

QRN_PUBLISHED(TLimitInfoItem) {
    B.Prop("Component", &TLimitInfoItem::Component, &TLimitInfoItem::SetComponent);
    B.Prop("AllowedActions", &TLimitInfoItem::AllowedActions, &TLimitInfoItem::SetAllowedActions)
        .Default(AllActionTypes);
    B.Prop("ReadOnlyProps", &TLimitInfoItem::ReadOnlyProps, &TLimitInfoItem::SetReadOnlyProps);
    B.Prop("HiddenProps", &TLimitInfoItem::HiddenProps, &TLimitInfoItem::SetHiddenProps);
}
QRN_PUBLISHED(TLimitInfos) {}

TLimitInfoItem::TLimitInfoItem(TCollection* Collection) : TZelNamedItem(Collection) {}
TLimitInfoItem::~TLimitInfoItem() = default;

void TLimitInfoItem::SetComponent(TComponent* Value) {
    FComponent = Value;
    // The designer component hears of the component's end and drops this item.
    if (auto* Owner = Collection() ? dynamic_cast<TComponent*>(Collection()->GetOwner()) : nullptr)
        if (Value) Value->FreeNotification(Owner);
}

TLimitInfoItem* TLimitInfos::Find(const TComponent* Component) const {
    if (!Component) return nullptr;
    for (int I = 0; I < Count(); ++I)
        if (Items(I)->Component() == Component) return Items(I);
    return nullptr;
}

void TLimitInfos::Forget(const TComponent* Component) {
    for (int I = Count() - 1; I >= 0; --I)
        if (Items(I)->Component() == Component) Delete(I);
}
