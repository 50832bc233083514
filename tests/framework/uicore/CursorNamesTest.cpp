#include <gtest/gtest.h>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Exceptions.h"
#include "framework/uicore/CursorNames.h"

TEST(CursorNames, StockCursorsHaveNamesAndOthersNumbers) {
    EXPECT_EQ(CursorToString(crDrag), "crDrag");
    EXPECT_EQ(CursorToString(crHSplit), "crHSplit");
    EXPECT_EQ(CursorToString(crDefault), "crDefault");
    // crSize and crSizeAll are one cursor: the newer name is written.
    EXPECT_EQ(CursorToString(crSize), "crSizeAll");
    EXPECT_EQ(CursorToString(5), "5");
    EXPECT_EQ(CursorToString(-40), "-40");
}

TEST(CursorNames, ReadingAcceptsNamesInAnyCaseAndNumbers) {
    EXPECT_EQ(StringToCursor("crnodrop"), crNoDrop);
    EXPECT_EQ(StringToCursor(" crSize "), crSize);
    EXPECT_EQ(StringToCursor("7"), 7);
    EXPECT_EQ(StringToCursor("-12"), crDrag);
    EXPECT_THROW(StringToCursor("crWobble"), EConvertError);
    EXPECT_THROW(StringToCursor("40000"), EConvertError);
    int C = 0;
    EXPECT_FALSE(IdentToCursor("clRed", C));
}

TEST(CursorNames, EveryListedNameReadsBackToItsValue) {
    int Count = 0;
    GetCursorValues([&](const std::string& Name) {
        ++Count;
        std::string Back;
        ASSERT_TRUE(CursorToIdent(StringToCursor(Name), Back));
        EXPECT_EQ(Back, Name);
    });
    EXPECT_EQ(Count, 22);
}

TEST(CursorNames, TheFormStreamKnowsTheNames) {
    RegisterCursorIdents();
    const TTypeInfo* T = QRN_TYPE(TCursor);
    ASSERT_TRUE(T->IdentToInt);
    int64_t V = 0;
    EXPECT_TRUE(T->IdentToInt("crHandPoint", V));
    EXPECT_EQ(V, crHandPoint);
    std::string Name;
    EXPECT_TRUE(T->IntToIdent(crMultiDrag, Name));
    EXPECT_EQ(Name, "crMultiDrag");
}
