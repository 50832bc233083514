#pragma once
// Collection items known by a name, and collections that report every
// change of their items.
#include <functional>
#include <string>

#include "framework/classes/Collection.h"

class TZelNamedItem : public TCollectionItem {
    QRN_CLASS(TZelNamedItem, TCollectionItem)
public:
    explicit TZelNamedItem(TCollection* Collection) : TCollectionItem(Collection) {}

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }

    // From another named item: every published property.
    void Assign(TPersistent* Source) override;
    std::string GetDisplayName() const override;
    void SetDisplayName(const std::string& Value) override;

private:
    std::string FName;
};

class TCustomZelNamedItems : public TCollection {
    QRN_CLASS(TCustomZelNamedItems, TCollection)
public:
    TCustomZelNamedItems(TPersistent* AOwner, const TClass* ItemClass) : TCollection(ItemClass), FOwner(AOwner) {}

    TPersistent* GetOwner() const override { return FOwner; }

    TNotifyEvent OnChange;
    std::function<void(TObject* Sender, TCollectionItem* Item)> OnItemChange;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TPersistent* FOwner;
};

class TZelNamedItems : public TCustomZelNamedItems {
    QRN_CLASS(TZelNamedItems, TCustomZelNamedItems)
public:
    using TCustomZelNamedItems::TCustomZelNamedItems;
};
