#include <gtest/gtest.h>

#include "controls/Brkapart.h"

namespace {

using Items = std::vector<std::string>;

TEST(BreakApart, DropsEmptyItemsUnlessAllowed) {
    EXPECT_EQ(BreakApartText("a;;b;", ";", false), (Items{"a", "b"}));
    EXPECT_EQ(BreakApartText("a;;b;", ";", true), (Items{"a", "", "b", ""}));
}

TEST(BreakApart, EmptyBase) {
    EXPECT_EQ(BreakApartText("", ";", false), Items{});
    EXPECT_EQ(BreakApartText("", ";", true), Items{""});
}

TEST(BreakApart, EmptySeparatorNeverSplits) {
    EXPECT_EQ(BreakApartText("a;b", "", false), Items{"a;b"});
    EXPECT_EQ(BreakApartText("", "", false), Items{});
}

TEST(BreakApart, MultiCharacterSeparator) {
    EXPECT_EQ(BreakApartText("one, two,,three", ", ", false), (Items{"one", "two,,three"}));
    EXPECT_EQ(BreakApartText("x<>y<><>z", "<>", true), (Items{"x", "y", "", "z"}));
    // Overlapping candidates: the first occurrence wins.
    EXPECT_EQ(BreakApartText("a;;;b", ";;", true), (Items{"a", ";b"}));
}

TEST(BreakApart, SeparatorOnlyText) {
    EXPECT_EQ(BreakApartText(";", ";", false), Items{});
    EXPECT_EQ(BreakApartText(";", ";", true), (Items{"", ""}));
}

TEST(BuildString, JoinsKeepingTheFirstItemAlways) {
    EXPECT_EQ(BuildStringFromItems(Items{"a", "", "b"}, ";", false), "a;b");
    EXPECT_EQ(BuildStringFromItems(Items{"a", "", "b"}, ";", true), "a;;b");
    EXPECT_EQ(BuildStringFromItems(Items{"", "b"}, ";", false), ";b");
    EXPECT_EQ(BuildStringFromItems(Items{}, ";", true), "");
    EXPECT_EQ(BuildStringFromItems(Items{"only"}, "--", false), "only");
    EXPECT_EQ(BuildStringFromItems(Items{"a", "b"}, "", false), "ab");
}

TEST(BuildString, RoundTripsWhenEmptyItemsAreAllowed) {
    for (const char* S : {"a;;b;", ";", "", "x", ";;;"})
        EXPECT_EQ(BuildStringFromItems(BreakApartText(S, ";", true), ";", true), S) << S;
}

}  // namespace
