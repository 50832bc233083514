#include "framework/classes/Collection.h"

#include <algorithm>

#include "framework/rtl/Exceptions.h"

QRN_PUBLISHED(TCollectionItem) {}
QRN_PUBLISHED(TCollection) {}
QRN_PUBLISHED(TOwnedCollection) {}

// ------------------------------------------------------ TCollectionItem

// Joining from the constructor is silent: the collection's Update would see
// an item whose derived part is not built yet. Add() reports the change once
// the item is complete.
TCollectionItem::TCollectionItem(TCollection* Collection) {
    if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (FCollection == Value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) {
        Value->InsertItem(this);
        Value->Changed();
    }
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    auto& L = FCollection->FItems;
    auto It = std::find(L.begin(), L.end(), this);
    return It == L.end() ? -1 : static_cast<int>(It - L.begin());
}

void TCollectionItem::SetIndex(int Value) {
    int Cur = Index();
    if (Cur < 0 || Value == Cur) return;
    auto& L = FCollection->FItems;
    if (Value < 0 || Value >= static_cast<int>(L.size()))
        throw EListError("List index out of bounds (" + std::to_string(Value) + ")");
    L.erase(L.begin() + Cur);
    L.insert(L.begin() + Value, this);
    Changed(true);
}

std::string TCollectionItem::GetDisplayName() const { return ClassName(); }
void TCollectionItem::SetDisplayName(const std::string&) { Changed(false); }

std::string TCollectionItem::GetNamePath() const {
    if (!FCollection) return ClassName();
    return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

// ---------------------------------------------------------- TCollection

TCollection::TCollection(const TClass* ItemClass) : FItemClass(ItemClass ? ItemClass : TCollectionItem::StaticClass()) {}

TCollection::~TCollection() {
    FUpdateCount = 1;  // no change notifications while going away
    while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* Item = FItemClass->CreateItem(this);
    Added(Item);
    Changed();
    return Item;
}

TCollectionItem* TCollection::Insert(int Index) {
    BeginUpdate();
    TCollectionItem* Item = nullptr;
    try {
        Item = Add();
        if (Index >= 0 && Index < Count() - 1) Item->SetIndex(Index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return Item;
}

void TCollection::Delete(int Index) {
    TCollectionItem* Item = Items(Index);
    Deleting(Item);
    delete Item;
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    try {
        while (!FItems.empty()) {
            Deleting(FItems.back());
            delete FItems.back();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::FindItemID(int ID) const {
    for (TCollectionItem* I : FItems)
        if (I->FID == ID) return I;
    return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    std::erase(FItems, Item);
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::Assign(TPersistent* Source) {
    auto* Src = dynamic_cast<TCollection*>(Source);
    if (!Src) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* I : Src->FItems) Add()->Assign(I);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TCollection::PropName() const {
    TPersistent* Owner = GetOwner();
    if (!Owner) return {};
    for (const TPropInfo* P : Owner->ClassType()->Properties()) {
        if (P->Kind() == tkClass && P->GetObj && P->GetObj(Owner) == this) return P->Name;
    }
    return {};
}

std::string TCollection::GetNamePath() const {
    TPersistent* Owner = GetOwner();
    if (!Owner) return ClassName();
    std::string OwnerPath = Owner->GetNamePath();
    std::string Prop = PropName();
    if (OwnerPath.empty() || Prop.empty()) return ClassName();
    return OwnerPath + "." + Prop;
}
