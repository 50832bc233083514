#pragma once
// TComponentList: an ordered list of components that drops each one as it
// is freed, so it never hands out a freed component. It does not own them.
#include <memory>

#include "framework/classes/Component.h"
#include "framework/rtl/List.h"

class TComponentList {
public:
    TComponentList();
    ~TComponentList();
    TComponentList(const TComponentList&) = delete;
    TComponentList& operator=(const TComponentList&) = delete;

    int Add(TComponent* Item);
    void Insert(int Index, TComponent* Item);
    void Delete(int Index);
    // Removes the first occurrence; returns its former index or -1.
    int Remove(TComponent* Item);
    int IndexOf(TComponent* Item) const { return FItems.IndexOf(Item); }
    void Clear();
    int Count() const { return FItems.Count(); }
    TComponent* Items(int Index) const { return FItems.Items(Index); }
    TComponent* operator[](int Index) const { return Items(Index); }

private:
    class TWatcher;
    // Forgets Item's free notification when no entry refers to it any more.
    void Unwatch(TComponent* Item);
    void Freed(TComponent* Item);
    TTypedList<TComponent> FItems;
    std::unique_ptr<TWatcher, TObjectFree> FWatcher;
};
