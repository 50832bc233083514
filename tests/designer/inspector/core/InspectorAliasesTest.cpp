#include <gtest/gtest.h>

#include "designer/inspector/core/InspectorAliases.h"

namespace {

TEST(InspectorAliases, EntriesGroupsAndFlags) {
    TAliasTable T;
    T.Parse({"Tag,NEVERSHOW", "  [Zeta] ; comment", "Caption=Title,READONLY;a comment", "", "[alpha]",
             "Width = Breadth ,autoexpand never-expand", "width=Wide", "Font,NEVEREXPAND|ALWAYSEXPAND"},
            true, "Other");
    EXPECT_EQ(T.Groups(), (std::vector<std::string>{"alpha", "Other", "Zeta"}));
    EXPECT_EQ(T.OtherGroup(), 1);

    const TPInfo* Tag = T.Find("TAG");
    ASSERT_NE(Tag, nullptr);
    EXPECT_EQ(Tag->GroupIndex, -1);
    EXPECT_TRUE(Tag->NeverShow);
    const TPInfo* Caption = T.Find("caption");
    ASSERT_NE(Caption, nullptr);
    EXPECT_EQ(Caption->Alias, "Title");
    EXPECT_EQ(Caption->GroupIndex, 2);
    EXPECT_TRUE(Caption->ReadOnlyRow);
    const TPInfo* Width = T.Find("Width");  // the later entry wins, flags and all
    ASSERT_NE(Width, nullptr);
    EXPECT_EQ(Width->Alias, "Wide");
    EXPECT_FALSE(Width->AutoExpand);
    EXPECT_EQ(Width->GroupIndex, 0);
    const TPInfo* Font = T.Find("Font");
    ASSERT_NE(Font, nullptr);
    EXPECT_TRUE(Font->NeverExpand && Font->AlwaysExpand);
    EXPECT_EQ(T.Find("Height"), nullptr);

    T.Parse({"[Zeta]", "[alpha]"}, false, "Other");
    EXPECT_EQ(T.Groups(), (std::vector<std::string>{"Zeta", "alpha", "Other"}));
}

// The default text gives the groups in name order, Other among them,
// whatever their order in the text.
TEST(InspectorAliases, DefaultTextGroups) {
    TAliasTable T;
    T.Parse(DefaultInspectorAliases(), true, "Other");
    EXPECT_EQ(T.Groups(), (std::vector<std::string>{"Appearance", "Behavior", "Data", "DragDrop", "Font", "Hint",
                                                    "Keyboard", "List", "Misc", "Mouse", "Other", "Position"}));
    ASSERT_NE(T.Find("OnClick"), nullptr);
    EXPECT_EQ(T.Groups()[static_cast<size_t>(T.Find("OnClick")->GroupIndex)], "Mouse");
    EXPECT_EQ(T.Groups()[static_cast<size_t>(T.Find("Ctl3D")->GroupIndex)], "Appearance");
}

}  // namespace
