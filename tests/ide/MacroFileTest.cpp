#include "ide/MacroFile.h"

#include <gtest/gtest.h>

#include "framework/rtl/Exceptions.h"
#include "tests/common/TestFolder.h"

namespace {

TEST(MacroFile, DeclarationGivesNameParametersAndBlanks) {
    std::string Item;
    ASSERT_TRUE(MacroListItem("WriteText Macro x,y,color", Item));
    EXPECT_EQ(Item, "WriteText x, y, color ");
    EXPECT_EQ(MacroItemName(Item), "WriteText");
    ASSERT_TRUE(MacroListItem("Beep Macro", Item));
    EXPECT_EQ(Item, "Beep  ");
    EXPECT_EQ(MacroItemName(Item), "Beep");
}

TEST(MacroFile, OnlyCaseSensitiveMacroLinesCount) {
    std::string Item;
    EXPECT_FALSE(MacroListItem("x macro a", Item));
    EXPECT_FALSE(MacroListItem("    endm", Item));
    EXPECT_EQ(ParseMacroFile("; helpers\r\nOne Macro a\r\n  mov ax, a\r\nendm\r\nTwo Macro a,b\r\n"),
              (std::vector<std::string>{"One a ", "Two a, b "}));
}

TEST(MacroFile, TheStandAloneKeywordWinsOverOneInsideAName) {
    std::string Item;
    ASSERT_TRUE(MacroListItem("DoMacroCall Macro p1,p2", Item));
    EXPECT_EQ(Item, "DoMacroCall p1, p2 ");
    ASSERT_TRUE(MacroListItem("MyMacros", Item));
    EXPECT_EQ(Item, "M  ");
}

TEST(MacroFile, FindListItemByUpperCasedPrefix) {
    std::vector<std::string> Items{"Print a, b ", "prolog2 x ", "PUSHALL "};
    EXPECT_EQ(FindListItem(Items, "pr"), 0);
    EXPECT_EQ(FindListItem(Items, "PRO"), 1);
    EXPECT_EQ(FindListItem(Items, "push"), 2);
    EXPECT_EQ(FindListItem(Items, ""), 0);
    EXPECT_EQ(FindListItem(Items, "x"), -1);
}

TEST(MacroFile, UnreadableFileIsAnInputOutputError) {
    TTestFolder Dir;
    EXPECT_THROW(LoadMacroFile(Dir.Path() + "missing.mac"), EInOutError);
    EXPECT_EQ(LoadMacroFile(Dir.Write("q.mac", "A Macro b,c")), (std::vector<std::string>{"A b, c "}));
    EXPECT_EQ(MacroFilePath("C:\\Q\\"), "C:\\Q\\includes\\quor32.mac");
}

}  // namespace
