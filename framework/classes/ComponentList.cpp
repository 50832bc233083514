#include "framework/classes/ComponentList.h"

// The component that hears of the listed components' destruction.
class TComponentList::TWatcher : public TComponent {
public:
    explicit TWatcher(TComponentList* AList) : TComponent(nullptr), FList(AList) {}
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) FList->Freed(AComponent);
    }

private:
    TComponentList* FList;
};

TComponentList::TComponentList() : FWatcher(new TWatcher(this)) {}

TComponentList::~TComponentList() = default;

int TComponentList::Add(TComponent* Item) {
    if (Item) Item->FreeNotification(FWatcher.get());
    return FItems.Add(Item);
}

void TComponentList::Insert(int Index, TComponent* Item) {
    FItems.Insert(Index, Item);
    if (Item) Item->FreeNotification(FWatcher.get());
}

void TComponentList::Delete(int Index) {
    TComponent* Item = FItems.Items(Index);
    FItems.Delete(Index);
    Unwatch(Item);
}

int TComponentList::Remove(TComponent* Item) {
    const int Index = FItems.Remove(Item);
    if (Index >= 0) Unwatch(Item);
    return Index;
}

void TComponentList::Clear() {
    while (Count() > 0) Delete(Count() - 1);
}

void TComponentList::Unwatch(TComponent* Item) {
    if (Item && FItems.IndexOf(Item) < 0) Item->RemoveFreeNotification(FWatcher.get());
}

void TComponentList::Freed(TComponent* Item) {
    while (FItems.Remove(Item) >= 0) {
    }
}
