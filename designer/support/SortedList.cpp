#include "designer/support/SortedList.h"

#include <functional>

#include "designer/support/DesignerTexts.h"
#include "framework/rtl/Exceptions.h"

template <class Cmp>
bool TCustomSortedList::Search(Cmp Compare, int& Index) const {
    bool Found = false;
    int Low = 0;
    int High = Count() - 1;
    while (Low <= High) {
        const int I = static_cast<int>((static_cast<unsigned>(Low) + static_cast<unsigned>(High)) >> 1);
        const int C = Compare(FList.Get(I));
        if (C < 0) {
            Low = I + 1;
        } else {
            High = I - 1;
            if (C == 0) {
                Found = true;
                // Accept inserts behind the run of equal items.
                if (Duplicates != TSortedDuplicates::Accept) Low = I;
            }
        }
    }
    Index = Low;
    return Found;
}

bool TCustomSortedList::FindKey(const void* Key, int& Index) {
    if (!Sorted) {
        Index = IndexOf(Key);
        return Index >= 0;
    }
    return Search([&](const void* Item) { return CompareKey(Item, Key); }, Index);
}

bool TCustomSortedList::FindItem(void* Item, int& Index) {
    if (!Sorted) {
        Index = FList.IndexOf(Item);
        return Index >= 0;
    }
    return Search([&](const void* Other) { return Compare(Other, Item); }, Index);
}

int TCustomSortedList::Add(void* Item) {
    if (!Sorted) return FList.Add(Item);
    int Index = 0;
    if (FindItem(Item, Index)) {
        if (Duplicates == TSortedDuplicates::Ignore) return Index;
        if (Duplicates == TSortedDuplicates::Error) throw Exception(SDuplicateItem);
    }
    FList.Insert(Index, Item);
    return Index;
}

int TCustomSortedList::IndexOf(const void* Key) {
    if (Sorted) {
        int Index = 0;
        return FindKey(Key, Index) ? Index : -1;
    }
    for (int I = 0; I < Count(); ++I)
        if (CompareKey(FList.Get(I), Key) == 0) return I;
    return -1;
}

int TCustomSortedList::Remove(void* Item) {
    int Index = 0;
    if (!FindItem(Item, Index)) return -1;
    Delete(Index);
    return Index;
}

int TCustomSortedList::CompareKey(const void* Item, const void* Key) { return Compare(Item, Key); }

int TCustomSortedList::Compare(const void* Item1, const void* Item2) {
    // Ordered by address; compared, not subtracted, so that 64-bit
    // addresses do not overflow the result.
    std::less<const void*> Less;
    return Less(Item1, Item2) ? -1 : (Less(Item2, Item1) ? 1 : 0);
}

void TCustomSortedList::Delete(int Index) { FList.Delete(Index); }
