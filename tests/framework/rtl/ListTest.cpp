#include "framework/rtl/Exceptions.h"
#include "framework/rtl/List.h"

#include <gtest/gtest.h>

namespace {
int A = 1, B = 2, C = 3, D = 4;

void ExpectListError(const std::function<void()>& F, const std::string& Msg) {
    try {
        F();
        ADD_FAILURE() << "no error, expected " << Msg;
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message, Msg);
    }
}
}  // namespace

TEST(List, AddInsertDeleteKeepOrder) {
    TList l;
    EXPECT_EQ(l.Add(&A), 0);
    EXPECT_EQ(l.Add(&C), 1);
    l.Insert(1, &B);
    l.Insert(3, &D);  // inserting at Count appends
    ASSERT_EQ(l.Count(), 4);
    EXPECT_EQ(l[0], &A);
    EXPECT_EQ(l.Items(1), &B);
    EXPECT_EQ(l.Get(2), &C);
    EXPECT_EQ(l.Last(), &D);
    l.Delete(0);
    EXPECT_EQ(l.First(), &B);
    EXPECT_EQ(l.IndexOf(&D), 2);
    EXPECT_EQ(l.IndexOf(&A), -1);
}

TEST(List, RemoveAndExtractTakeTheFirstOccurrence) {
    TList l;
    l.Add(&A);
    l.Add(&B);
    l.Add(&A);
    EXPECT_EQ(l.Remove(&A), 0);
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l[1], &A);
    EXPECT_EQ(l.Remove(&C), -1);
    EXPECT_EQ(l.Extract(&A), &A);
    EXPECT_EQ(l.Extract(&A), nullptr);
    EXPECT_EQ(l.Count(), 1);
}

TEST(List, IndexErrorsNameTheIndex) {
    TList l;
    l.Add(&A);
    ExpectListError([&] { l.Get(1); }, "List index out of bounds (1)");
    ExpectListError([&] { l.Get(-1); }, "List index out of bounds (-1)");
    ExpectListError([&] { l.Put(5, &B); }, "List index out of bounds (5)");
    ExpectListError([&] { l.Insert(2, &B); }, "List index out of bounds (2)");
    ExpectListError([&] { l.Delete(1); }, "List index out of bounds (1)");
    ExpectListError([&] { l.Exchange(0, 3); }, "List index out of bounds (3)");
    ExpectListError([&] { l.Move(0, 1); }, "List index out of bounds (1)");
    ExpectListError([&] { l.SetCount(-1); }, "List count out of bounds (-1)");
    ExpectListError([&] { l.SetCapacity(0); }, "List capacity out of bounds (0)");
    TList empty;
    ExpectListError([&] { empty.First(); }, "List index out of bounds (0)");
    ExpectListError([&] { empty.Last(); }, "List index out of bounds (-1)");
}

TEST(List, CountAndCapacity) {
    TList l;
    l.SetCount(3);
    EXPECT_EQ(l.Count(), 3);
    EXPECT_EQ(l[2], nullptr);  // growing fills with nil
    EXPECT_GE(l.Capacity(), 3);
    l.SetItem(1, &B);
    l.SetCount(2);
    EXPECT_EQ(l.Count(), 2);
    EXPECT_EQ(l[1], &B);
    l.SetCapacity(100);
    EXPECT_EQ(l.Capacity(), 100);
    EXPECT_EQ(l.Count(), 2);
    TList g;
    for (int i = 0; i < 100; ++i) g.Add(&A);
    EXPECT_GE(g.Capacity(), g.Count());
    g.Clear();
    EXPECT_EQ(g.Count(), 0);
    EXPECT_EQ(g.Capacity(), 0);
    EXPECT_GT(g.Expand()->Capacity(), 0);
}

TEST(List, ExchangeMovePackSort) {
    TList l;
    l.Add(&C);
    l.Add(nullptr);
    l.Add(&A);
    l.Add(nullptr);
    l.Add(&B);
    l.Pack();
    ASSERT_EQ(l.Count(), 3);
    l.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
    EXPECT_EQ(l[0], &A);
    EXPECT_EQ(l[1], &B);
    EXPECT_EQ(l[2], &C);
    l.Move(0, 2);
    EXPECT_EQ(l[0], &B);
    EXPECT_EQ(l[2], &A);
    l.Exchange(0, 2);
    EXPECT_EQ(l[0], &A);
    EXPECT_EQ(l[2], &B);
}

TEST(List, TypedListCastsForTheCaller) {
    TTypedList<int> l;
    l.Add(&B);
    l.Add(&A);
    l.Sort([](int* x, int* y) { return *x - *y; });
    EXPECT_EQ(*l[0], 1);
    EXPECT_EQ(*l.Last(), 2);
    EXPECT_EQ(l.Extract(&A), &A);
    EXPECT_EQ(l.Count(), 1);
}
