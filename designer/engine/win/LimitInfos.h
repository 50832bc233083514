#pragma once
// Per-component limits of a designer component: which actions the user may
// take on a component and which of its properties are hidden or read-only.
#include <memory>

#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/NamedItems.h"
#include "framework/classes/TypeInfo.h"
#include "framework/rtl/StringList.h"

QRN_ENUM(TActionType, atSelect, atDelete, atInsertInto, atMove, atResize, atShow, atEdit)
using TActionTypes = TSmallSet<TActionType>;
QRN_SET_NAME(TActionTypes)

inline const TActionTypes AllActionTypes{atSelect, atDelete, atInsertInto, atMove, atResize, atShow, atEdit};

class TLimitInfoItem : public TZelNamedItem {
    QRN_CLASS(TLimitInfoItem, TZelNamedItem)
public:
    explicit TLimitInfoItem(TCollection* Collection);
    ~TLimitInfoItem() override;

    TComponent* Component() const { return FComponent; }
    void SetComponent(TComponent* Value);
    TActionTypes AllowedActions() const { return FAllowedActions; }
    void SetAllowedActions(TActionTypes Value) { FAllowedActions = Value; }
    TStrings* ReadOnlyProps() const { return FReadOnlyProps.get(); }
    void SetReadOnlyProps(TStrings* Value) { FReadOnlyProps->Assign(Value); }
    TStrings* HiddenProps() const { return FHiddenProps.get(); }
    void SetHiddenProps(TStrings* Value) { FHiddenProps->Assign(Value); }

private:
    TComponent* FComponent = nullptr;
    TActionTypes FAllowedActions = AllActionTypes;
    std::unique_ptr<TStringList> FReadOnlyProps = std::make_unique<TStringList>();
    std::unique_ptr<TStringList> FHiddenProps = std::make_unique<TStringList>();
};

class TLimitInfos : public TZelNamedItems {
    QRN_CLASS(TLimitInfos, TZelNamedItems)
public:
    explicit TLimitInfos(TPersistent* AOwner) : TZelNamedItems(AOwner, TLimitInfoItem::StaticClass()) {}

    TLimitInfoItem* Items(int Index) const { return static_cast<TLimitInfoItem*>(TCollection::Items(Index)); }
    // The item that limits Component; nullptr when none does.
    TLimitInfoItem* Find(const TComponent* Component) const;
    // Drops the items of a component that goes away.
    void Forget(const TComponent* Component);
};
