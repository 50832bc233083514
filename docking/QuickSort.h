#pragma once
// The in-place quicksort the bar lists are ordered with. Its order among
// equal items is part of the arrangement's behaviour, so it is this exact
// Hoare partition on the middle element rather than std::sort.
#include <utility>
#include <vector>

// Compare(A, B) < 0 means A goes first.
template <class T, class Compare>
void QuickSortRange(std::vector<T>& Items, int Low, int High, Compare&& Cmp) {
    int I;
    do {
        I = Low;
        int J = High;
        T Pivot = Items[static_cast<size_t>((Low + High) / 2)];
        do {
            while (Cmp(Items[static_cast<size_t>(I)], Pivot) < 0) ++I;
            while (Cmp(Items[static_cast<size_t>(J)], Pivot) > 0) --J;
            if (I <= J) {
                std::swap(Items[static_cast<size_t>(I)], Items[static_cast<size_t>(J)]);
                ++I;
                --J;
            }
        } while (I <= J);
        if (Low < J) QuickSortRange(Items, Low, J, Cmp);
        Low = I;
    } while (I < High);
}

template <class T, class Compare>
void QuickSortList(std::vector<T>& Items, Compare&& Cmp) {
    if (Items.size() < 2) return;
    QuickSortRange(Items, 0, static_cast<int>(Items.size()) - 1, Cmp);
}
