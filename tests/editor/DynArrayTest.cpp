#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/DynArray.h"
#include "editor/ParagraphsList.h"

TEST(DynArray, ItemsOutsideCountRaiseListIndexOutOfBounds) {
    TDynArray A(4, 8);
    int32_t V = 7;
    EXPECT_EQ(A.Add(&V), 0);
    EXPECT_EQ(*static_cast<int32_t*>(A.Items(0)), 7);
    try {
        A.Items(1);
        FAIL();
    } catch (const ERangeError& E) {
        EXPECT_EQ(E.Message, "List index out of bounds");
    }
    EXPECT_THROW(A.Items(-1), ERangeError);
}

TEST(DynArray, SetCountNegativeCountsAsZeroAndNeverShrinksCapacity) {
    TDynArray A(4, 4);
    A.SetCount(10);
    EXPECT_EQ(A.Capacity(), 10);
    A.SetCount(-3);
    EXPECT_EQ(A.Count(), 0);
    EXPECT_EQ(A.Capacity(), 10);
}

TEST(DynArray, CapacityPastTwoGigabytesIsOutOfMemoryAndChangesNothing) {
    TDynArray A(4, 48);
    EXPECT_THROW(A.SetCapacity(2147483647 / 48 + 1), EOutOfMemory);
    EXPECT_EQ(A.Capacity(), 0);
}

TEST(DynArray2, RecordsNeverMoveWhileTheListGrows) {
    TDynArray2 A(8, 8, 4096);
    int64_t V = 42;
    A.Add(&V);
    void* First = A.Items(0);
    for (int i = 0; i < 20000; ++i) A.Add(&V);
    EXPECT_EQ(First, A.Items(0));
    EXPECT_EQ(A.Capacity() % 4096, 0);
    int64_t Out = 0;
    A.ReadItem(20000, &Out);
    EXPECT_EQ(Out, 42);
    EXPECT_THROW(A.ReadItem(20001, &Out), ERangeError);
}

TEST(DynArray2, SetCapacityKeepsWholeBlocks) {
    TDynArray2 A(8, 8, 10);
    A.SetCapacity(11);
    EXPECT_EQ(A.Capacity(), 20);
    A.SetCapacity(1);
    EXPECT_EQ(A.Capacity(), 10);
}

TEST(ParagraphsList, InsertAndDeleteSlotsMoveLaterRecords) {
    TParagraphsList L;
    for (int i = 0; i < 5; ++i) {
        TParagraph P;
        P.Length = i;
        L.AddPar(P);
    }
    L.InsertSlots(2, 3);
    ASSERT_EQ(L.Count(), 8);
    EXPECT_EQ(L.Par(1).Length, 1);
    EXPECT_EQ(L.Par(2).Length, 0);
    EXPECT_EQ(L.Par(5).Length, 2);
    EXPECT_EQ(L.Par(7).Length, 4);
    L.DeleteSlots(2, 3);
    ASSERT_EQ(L.Count(), 5);
    EXPECT_EQ(L.Par(2).Length, 2);
    // Insertions and deletions here and there, across blocks, against a
    // plain vector; appending after them lands at the end.
    std::vector<int32_t> Model{0, 1, 2, 3, 4};
    uint32_t X = 7;
    int32_t Next = 100;
    for (int Step = 0; Step < 3000; ++Step) {
        X = X * 1103515245u + 12345u;
        auto At = static_cast<int32_t>((X >> 8) % (Model.size() + 1));
        if ((X >> 4) % 3 != 0 || Model.empty()) {
            int32_t N = 1 + static_cast<int32_t>((X >> 20) % 3);
            L.InsertSlots(At, N);
            for (int32_t k = 0; k < N; ++k) {
                L.Par(At + k).Length = Next;
                Model.insert(Model.begin() + At + k, Next++);
            }
        } else {
            At = std::min<int32_t>(At, static_cast<int32_t>(Model.size()) - 1);
            L.DeleteSlots(At, 1);
            Model.erase(Model.begin() + At);
        }
    }
    TParagraph P;
    P.Length = -1;
    L.AddPar(P);
    Model.push_back(-1);
    ASSERT_EQ(L.Count(), static_cast<int32_t>(Model.size()));
    for (int32_t i = 0; i < L.Count(); ++i) ASSERT_EQ(L.Par(i).Length, Model[static_cast<size_t>(i)]) << i;
}

TEST(LinesList, OnePlainLineNeedsNoStorageOfItsOwn) {
    TParLayout Lay;
    TLinesList L(&Lay, 0);
    EXPECT_EQ(L.Count(), 1);
    TDisplayLine D;
    D.Start = 3;
    D.End = 9;
    L.AddLine(D);
    EXPECT_EQ(L.Count(), 2);
    EXPECT_EQ(L.Items(1).End, 9);
    EXPECT_THROW(L.Items(2), ERangeError);
    L.SetCount(1);
    EXPECT_EQ(Lay.Lines, 0u);
    EXPECT_EQ(L.Items(0).End, 0);
    FreeLayout(Lay);
    // A measured line with blanks, its paragraph's only one, keeps only its
    // width and style; one too wide to be held so keeps a block.
    TDisplayLine M;
    M.End = 9;
    M.Width = M.Width2 = 72;
    M.SpaceCount = 2;
    M.StyleWord = qsBold | qsAltFont;
    SetLayoutLines(Lay, 9, &M, 1);
    EXPECT_FALSE(Lay.HasExtraBlock());
    EXPECT_EQ(LayoutLine(Lay, 9, 0).Width, 72);
    EXPECT_EQ(LayoutLine(Lay, 9, 0).Style(), qsBold | qsAltFont);
    M.Width = M.Width2 = 1 << 25;
    SetLayoutLines(Lay, 9, &M, 1);
    EXPECT_TRUE(Lay.HasExtraBlock());
    EXPECT_EQ(LayoutLine(Lay, 9, 0).Width, 1 << 25);
    FreeLayout(Lay);
}
