#include <gtest/gtest.h>

#include "designer/inspector/rows/InspectorOptions.h"
#include "designer/inspector/rows/PropertyDescriptions.h"
#include "framework/classes/Component.h"

namespace {

// The stored number of the default options: every saved setting depends on
// the order of the elements.
TEST(InspectorOptions, StoredValueAndStyleRules) {
    EXPECT_EQ(DefaultOIOptions.Mask(), 0x31CFu);
    EXPECT_EQ(TOIOptions{oiShowAxHelp}.Mask(), 1u << 13);
    // Under a style, only behaviour options follow a new value.
    const TOIOptions Current{oiHorzLine, oiSunkenEditor, oiUseGroups};
    EXPECT_TRUE(MergeOIOptions(Current, TOIOptions{oiEditBorder, oiTabMoveDown}, isVB) ==
                (TOIOptions{oiHorzLine, oiSunkenEditor, oiTabMoveDown}));
    EXPECT_TRUE(MergeOIOptions(Current, TOIOptions{oiEditBorder}, isCustom) == TOIOptions{oiEditBorder});
}

TEST(PropertyDescriptions, ClassThenAncestorsThenName) {
    const std::vector<std::string> Lines = {"Name=any name", "tcomponent.tag=a component's tag",
                                            "TPersistent.Name=an ancestor's"};
    EXPECT_EQ(FindPropertyDescription(Lines, TComponent::StaticClass(), "Tag"), "a component's tag");
    EXPECT_EQ(FindPropertyDescription(Lines, TComponent::StaticClass(), "Name"), "an ancestor's");
    EXPECT_EQ(FindPropertyDescription(Lines, TObject::StaticClass(), "Name"), "any name");
    EXPECT_EQ(FindPropertyDescription(Lines, TComponent::StaticClass(), "Left"), "");
}

}  // namespace
