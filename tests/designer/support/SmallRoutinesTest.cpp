// Marked hint texts, bar-separated fields and variant type names.
#include <gtest/gtest.h>

#include "designer/support/MarkedText.h"
#include "designer/support/VariantTypeNames.h"

TEST(MarkedText, TheFirstTwoTildesMarkTheBoldStretch) {
    TMarkedText M = SplitMarkedText("Left: ~120~ px");
    EXPECT_EQ(M.Plain, "Left: 120 px");
    EXPECT_EQ(M.Start, 7);
    EXPECT_EQ(M.Length, 3);
    M = SplitMarkedText("plain");
    EXPECT_EQ(M.Plain, "plain");
    EXPECT_EQ(M.Start, 0);
    EXPECT_EQ(M.Length, 0);
    M = SplitMarkedText("a~bold to the end");
    EXPECT_EQ(M.Plain, "abold to the end");
    EXPECT_EQ(M.Start, 2);
    EXPECT_EQ(M.Length, 15);
    size_t Pos = 0;
    EXPECT_EQ(NextBarField("one|two", Pos), "one");
    EXPECT_EQ(NextBarField("one|two", Pos), "two");
    EXPECT_EQ(Pos, 7u);
}

TEST(VariantTypeNames, TheTableAndItsGaps) {
    EXPECT_EQ(VariantTypeName(-1), "TColor");
    EXPECT_EQ(VariantTypeName(3), "Longint");
    EXPECT_EQ(VariantTypeName(25), "HResult");
    EXPECT_EQ(VariantTypeName(31), "PWideChar");
    for (int Code : {0, 1, 15, 32, -2}) EXPECT_EQ(VariantTypeName(Code), "") << Code;
    SetVariantTypeNameHook([](int Code) { return Code == 3 ? std::string("OLE_HANDLE") : std::string(); });
    EXPECT_EQ(VariantTypeName(3), "OLE_HANDLE");
    EXPECT_EQ(VariantTypeName(5), "Double");
    SetVariantTypeNameHook(nullptr);
}
