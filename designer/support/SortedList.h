#pragma once
// A list of untyped pointers kept in order by a comparison that
// descendants supply, with a binary search by item or by key. The list
// never owns its items.
#include <cstdint>

#include "framework/rtl/List.h"
#include "framework/rtl/Object.h"

enum class TSortedDuplicates : uint8_t { Ignore = 0, Accept = 1, Error = 2 };

class TCustomSortedList : public TObject {
public:
    TCustomSortedList() = default;

    // Not sorted: appended. Sorted: inserted at its place; an equal item
    // already present is kept alone (Ignore, its index returned), joined
    // (Accept) or refused (Error: "Can't insert duplicate item").
    int Add(void* Item);
    // Index of the item matching Key (-1 when none).
    int IndexOf(const void* Key);
    // Binary searches by key and by item. On a miss Index is the insertion
    // position (sorted) or -1; unsorted lists search linearly.
    bool FindKey(const void* Key, int& Index);
    bool FindItem(void* Item, int& Index);
    // Takes the item out through the virtual Delete; its old index or -1.
    int Remove(void* Item);

    int Count() const { return FList.Count(); }
    void* Items(int Index) const { return FList.Get(Index); }
    TList& List() { return FList; }

    TSortedDuplicates Duplicates = TSortedDuplicates::Ignore;
    bool Sorted = true;

    virtual int CompareKey(const void* Item, const void* Key);
    // Default order: by address.
    virtual int Compare(const void* Item1, const void* Item2);
    virtual void Delete(int Index);

private:
    template <class Cmp>
    bool Search(Cmp Compare, int& Index) const;

    TList FList;
};

class TSortedList : public TCustomSortedList {};
