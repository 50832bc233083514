#include "designer/support/SortedList.h"
#include "designer/support/ListHelpers.h"

#include <gtest/gtest.h>

#include "framework/rtl/Exceptions.h"

namespace {
// Items are small integers carried in the pointers; keys the same.
class TIntList : public TSortedList {
public:
    int Compare(const void* A, const void* B) override { return Value(A) - Value(B); }
    static int Value(const void* P) { return static_cast<int>(reinterpret_cast<intptr_t>(P)); }
};
void* P(intptr_t V) { return reinterpret_cast<void*>(V); }
}  // namespace

TEST(SortedList, DuplicatesIgnoreAcceptAndError) {
    TIntList L;
    for (int V : {5, 1, 3}) L.Add(P(V));
    EXPECT_EQ(L.Add(P(3)), 1);  // ignore: the existing index, no growth
    EXPECT_EQ(L.Count(), 3);

    L.Duplicates = TSortedDuplicates::Accept;
    EXPECT_EQ(L.Add(P(3)), 1);  // the search ends at the first equal item
    EXPECT_EQ(L.Count(), 4);

    L.Duplicates = TSortedDuplicates::Error;
    try {
        L.Add(P(5));
        ADD_FAILURE() << "duplicate accepted";
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message, "Can't insert duplicate item");
    }
    EXPECT_EQ(L.Count(), 4);
    std::vector<int> Order;
    for (int I = 0; I < L.Count(); ++I) Order.push_back(TIntList::Value(L.Items(I)));
    EXPECT_EQ(Order, (std::vector<int>{1, 3, 3, 5}));
}

TEST(SortedList, SearchesGiveInsertionPointAndUnsortedFallsBack) {
    TIntList L;
    for (int V : {10, 20, 30}) L.Add(P(V));
    int Index = -7;
    EXPECT_FALSE(L.FindKey(P(25), Index));
    EXPECT_EQ(Index, 2);
    EXPECT_EQ(L.IndexOf(P(30)), 2);
    EXPECT_EQ(L.Remove(P(20)), 1);
    EXPECT_EQ(L.Remove(P(20)), -1);

    L.Sorted = false;
    L.Add(P(1));  // appended
    EXPECT_EQ(L.IndexOf(P(1)), 2);
    EXPECT_FALSE(L.FindItem(P(99), Index));
    EXPECT_EQ(Index, -1);
}

TEST(SortedList, ListHelpersFreeTheItemsThroughTheListsOwnDelete) {
    struct TCountingList : TSortedList {
        int Deletes = 0;
        void Delete(int Index) override {
            ++Deletes;
            TSortedList::Delete(Index);
        }
    } Sorted;
    TList Plain;
    for (int I = 0; I < 3; ++I) {
        Sorted.Add(new TObject());
        Plain.Add(new TObject());
    }
    TList Copy;
    CopyListItems(&Plain, &Copy);
    EXPECT_TRUE(SameListItems(Plain, Copy));
    Copy.Delete(0);
    EXPECT_FALSE(SameListItems(Plain, Copy));
    EXPECT_TRUE(ListsShareItem(Plain, Copy));
    FreeListItems(&Plain);  // the sanitizers catch a leak or a double free
    ClearSortedList(&Sorted);
    EXPECT_EQ(Plain.Count(), 0);
    EXPECT_EQ(Sorted.Deletes, 3);
}
