#include <gtest/gtest.h>

#include "designer/inspector/core/InspectorColors.h"
#include "designer/inspector/core/InspectorOptions.h"
#include "designer/inspector/core/PropertyDescriptions.h"
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

namespace {

// The two presets set every colour, and each changed colour is reported
// once; a custom style keeps the colours.
TEST(InspectorColors, StylePresets) {
    TOIColors C;
    int Changes = 0;
    C.OnChange = TNotifyEvent([&](TObject*) { ++Changes; });
    TStyleLook Look = ApplyStyleColors(C, isVB);
    EXPECT_EQ(Look.Color, clWindow);
    EXPECT_EQ(Look.LineStyle, SolidLine);
    EXPECT_EQ(C.HorzLineColor(), 0xC0C0C0);
    EXPECT_EQ(C.Col1Color(), clBlack);
    EXPECT_EQ(Changes, 5);  // Col0Color and HighlightColor stay black
    C.SetCol0Color(clRed);
    Look = ApplyStyleColors(C, isCustom);
    EXPECT_EQ(C.Col0Color(), clRed);
    Look = ApplyStyleColors(C, isOstrel);
    EXPECT_EQ(Look.LineStyle, DottedLine);
    EXPECT_EQ(C.BackColor(), clBtnFace);
    EXPECT_EQ(C.Col1Color(), clNavy);
    EXPECT_EQ(C.VertLineColor(), clBtnShadow);
}

}  // namespace
