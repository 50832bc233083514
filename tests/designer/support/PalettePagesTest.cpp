// The palette's page list, its sixteen default pages (stored in every saved
// form, so they never change) and the row layout of a page's buttons.
#include <gtest/gtest.h>

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
