#include <gtest/gtest.h>

#include "controls/Brkapart.h"
#include "controls/Match.h"
#include "framework/rtl/StringList.h"

namespace {

TEST(BrkApartComponent, SplitsAndJoinsThroughItsProperties) {
    TComponent Owner(nullptr);
    auto* B = new TBrkApart(&Owner);  // freed by its owner
    SetStrProp(B, "BreakString", ";");
    SetStrProp(B, "BaseString", "a;;b;");
    B->BreakApart();
    EXPECT_EQ(B->StringList()->Text(), "a\r\nb\r\n");

    SetOrdProp(B, "AllowEmptyString", 1);
    B->BreakApart();
    EXPECT_EQ(B->StringList()->Count(), 4);

    B->StringList()->Delete(3);
    B->BuildString();
    EXPECT_EQ(GetStrProp(B, "BaseString"), "a;;b");
}

TEST(BrkApartComponent, AssigningTheListCopiesItsItems) {
    TBrkApart B(nullptr);
    TStringList Other;
    Other.Add("x");
    Other.Add("y");
    B.SetStringList(&Other);
    Other.Clear();
    EXPECT_EQ(B.StringList()->Count(), 2);
    B.SetBreakString(", ");
    B.BuildString();
    EXPECT_EQ(B.BaseString(), "x, y");
}

TEST(BrkApartComponent, StartsWithoutEmptyItemsAndPublishesEveryProperty) {
    TBrkApart B(nullptr);
    EXPECT_FALSE(B.AllowEmptyString());
    for (const char* Name : {"BreakString", "BaseString", "AllowEmptyString", "StringList"})
        EXPECT_TRUE(IsPublishedProp(&B, Name)) << Name;
}

TEST(MatchComponent, PublishedPropertiesDriveTheMatch) {
    TMatch M(nullptr);
    EXPECT_FALSE(M.CaseSensitive());
    EXPECT_FALSE(M.SourceIsFile());
    SetStrProp(&M, "Pattern", "a?c");
    SetStrProp(&M, "Source", "xxABCxx");
    EXPECT_EQ(GetStrProp(&M, "Pattern"), "a?c");
    EXPECT_TRUE(M.IsMatch());
    SetOrdProp(&M, "CaseSensitive", 1);
    EXPECT_FALSE(M.IsMatch());
}

TEST(MatchComponent, SourceAsFileListReadsBackJoined) {
    TMatch M(nullptr);
    SetOrdProp(&M, "SourceIsFile", 1);
    SetStrProp(&M, "Source", ";one.asm;;two.asm");
    EXPECT_EQ(GetStrProp(&M, "Source"), "one.asm;two.asm");
}

}  // namespace
