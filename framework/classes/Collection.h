#pragma once
// TCollection: an owned, ordered list of items of one class, streamed as
// a vaCollection. Items are TCollectionItem descendants created through
// their class record (constructor taking the collection).
#include <string>
#include <vector>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Object.h"

class TCollection;

class TCollectionItem : public TPersistent {
    QRN_CLASS(TCollectionItem, TPersistent)
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item into another collection (nullptr: out of any).
    void SetCollection(TCollection* Value);
    int Index() const;
    void SetIndex(int Value);
    int ID() const { return FID; }
    virtual std::string GetDisplayName() const;
    virtual void SetDisplayName(const std::string& Value);
    std::string DisplayName() const { return GetDisplayName(); }
    std::string GetNamePath() const override;
    TPersistent* GetOwner() const override;

protected:
    // Tells the collection that this item (or, AllItems, every item) changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    QRN_CLASS(TCollection, TPersistent)
public:
    explicit TCollection(const TClass* ItemClass);
    ~TCollection() override;

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int Index) const;  // EListError when out of range
    TCollectionItem* FindItemID(int ID) const;
    const TClass* ItemClass() const { return FItemClass; }

    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    void Assign(TPersistent* Source) override;
    std::string GetNamePath() const override;
    // Name of the property of the owner that holds this collection.
    std::string PropName() const;

protected:
    // Called with the changed item, or nullptr when the whole collection
    // changed; not while an update is open (EndUpdate calls it once).
    virtual void Update(TCollectionItem* Item);
    void Changed();
    virtual void Added(TCollectionItem* Item) { (void)Item; }
    virtual void Deleting(TCollectionItem* Item) { (void)Item; }

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);

    const TClass* FItemClass;
    std::vector<TCollectionItem*> FItems;  // owned
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection with an owner (the object whose property it is).
class TOwnedCollection : public TCollection {
    QRN_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* AOwner, const TClass* ItemClass) : TCollection(ItemClass), FOwner(AOwner) {}
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
