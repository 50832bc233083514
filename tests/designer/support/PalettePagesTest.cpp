// The palette's page list, its sixteen default pages (stored in every saved
// form, so they never change) and the row layout of a page's buttons.
#include <gtest/gtest.h>

#include "designer/support/MarkedText.h"
#include "designer/support/PalettePages.h"

TEST(PalettePages, TheSixteenDefaultPagesAreFixed) {
    const std::vector<std::string> Expected{
        "Standard", "Additional", "Win32",  "System",  "Data Access", "Data Controls", "Quill",    "Toolbars",
        "Multimedia", "Dialogs",  "Win 3.1", "Buttons", "Search",     "Docking",       "Wizards", "ActiveX"};
    EXPECT_EQ(DefaultPaletteNames(), Expected);
}

TEST(PalettePages, LinesMapClassesToPagesWithBlanksRemoved) {
    TPageMap Map;
    Map.Parse({" Standard = TButton, TEdit ,TLabel", "Hidden=TTimer", "Extra", "Dialogs=T Open Dialog"});
    ASSERT_NE(Map.Find("tedit"), nullptr);
    EXPECT_EQ(Map.Find("TEdit")->PageName, "Standard");
    EXPECT_EQ(Map.Find("TEdit")->ItemIndex, 1);
    EXPECT_EQ(Map.Find("TLabel")->ItemIndex, 2);
    EXPECT_EQ(Map.Find("TTimer")->PageIndex, 1);
    EXPECT_EQ(Map.Find("TOpenDialog")->PageName, "Dialogs");
    EXPECT_EQ(Map.Find("TMemo"), nullptr);
    EXPECT_EQ(Map.PageOrder(), (std::vector<std::string>{"Standard", "Hidden", "Extra", "Dialogs"}));
    EXPECT_EQ(Map.PagePosition("extra"), 2);
    EXPECT_EQ(Map.PagePosition("Win32"), -1);
}

TEST(PalettePages, ThirtyButtonsWrapToASecondRowAtZeroAndScrollUp) {
    const std::vector<int> Widths(30, 25);
    // Room for the arrow and fourteen more buttons, not fifteen.
    const int ClientWidth = 26 + 14 * 25 + 10;
    TSheetLayout L = LayoutPaletteRow(Widths, 25, ClientWidth, 30, 26, 26, 0);
    EXPECT_EQ(L.Places[0].X, 26);
    EXPECT_EQ(L.Places[13].X, 26 + 13 * 25);
    EXPECT_EQ(L.Places[14].X, 0);
    EXPECT_EQ(L.Places[14].Y, 25);
    EXPECT_TRUE(L.HasMoreRows);
    L = LayoutPaletteRow(Widths, 25, ClientWidth, 30, 26, 26, 1);
    EXPECT_EQ(L.Places[0].Y, -26);
    EXPECT_EQ(L.Places[14].Y, -1);
    EXPECT_EQ(L.Places[14].X, 0);
}

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
