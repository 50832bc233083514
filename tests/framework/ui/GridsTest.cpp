#include <gtest/gtest.h>

#include <vector>

#include "UiTestSupport.h"
#include "framework/stdctrls/Grids.h"

namespace {

// Records the painted rows of the value column; may refuse one row.
class TTestGrid : public TCustomGrid {
    QRN_CLASS(TTestGrid, TCustomGrid)
public:
    explicit TTestGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
    std::vector<int> Painted;
    int Refused = -1;

protected:
    void DrawCell(int ACol, int ARow, const TRect&, TGridDrawState) override {
        if (ACol == 1) Painted.push_back(ARow);
    }
    bool SelectCell(int, int ARow) override { return ARow != Refused; }
};

}  // namespace

QRN_PUBLISHED(TTestGrid) {}

namespace {

class Grids : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 300);
        Grid = new TTestGrid(Form);
        Grid->SetParent(Form);
        Grid->SetColCount(2);
        Grid->SetFixedRows(0);
        Grid->SetRowCount(30);
        Grid->SetDefaultRowHeight(16);
        Grid->SetColWidths(0, 80);
        Grid->SetColWidths(1, 100);
        Form->Show();
        Grid->SetClientHeight(10 * 17);  // ten rows and their lines
        Pump();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    void Key(uint16_t K) { SendMessageA(Grid->Handle(), WM_KEYDOWN, K, 1); }
    TForm* Form = nullptr;
    TTestGrid* Grid = nullptr;
};

// The rows a paint reaches follow the row height: with a height of 1
// every row of a long grid is painted, which is how a caller has every
// cell drawn once.
TEST_F(Grids, CellsAndPaintingFollowTheRowHeight) {
    EXPECT_EQ(Grid->VisibleRowCount(), 10);
    const TRect R = Grid->CellRect(1, 3);
    EXPECT_EQ(R.Left, 81);
    EXPECT_EQ(R.Top, 51);
    EXPECT_EQ(R.Width(), 100);
    EXPECT_EQ(R.Height(), 16);
    EXPECT_TRUE(Grid->CellRect(1, 10).IsEmpty());
    const TGridCoord C = Grid->MouseCoord(90, 52);
    EXPECT_EQ(C.X, 1);
    EXPECT_EQ(C.Y, 3);

    Grid->Painted.clear();
    Grid->Repaint();
    EXPECT_EQ(Grid->Painted.size(), 10u);
    Grid->SetDefaultRowHeight(1);
    Grid->Painted.clear();
    Grid->Repaint();
    ASSERT_EQ(Grid->Painted.size(), 30u);
    EXPECT_EQ(Grid->Painted.back(), 29);
}

// Keys, clicks, the scroll bar and the wheel move through the rows; the
// current row stays in view and a refused row is never entered.
TEST_F(Grids, KeysMouseAndScrollingKeepTheCurrentRowInView) {
    Grid->SetFocus();
    for (int I = 0; I < 12; ++I) Key(VK_DOWN);
    EXPECT_EQ(Grid->Row(), 12);
    EXPECT_EQ(Grid->TopRow(), 3);
    Grid->Refused = 13;
    Key(VK_DOWN);
    EXPECT_EQ(Grid->Row(), 12);
    Grid->Refused = -1;
    Key(VK_PRIOR);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->TopRow(), 2);

    SendMessageA(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(120, 4 * 17 + 3));
    SendMessageA(Grid->Handle(), WM_LBUTTONUP, 0, Pt(120, 4 * 17 + 3));
    EXPECT_EQ(Grid->Row(), 6);

    SendMessageA(Grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(Grid->TopRow(), 20);
    SendMessageA(Grid->Handle(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(Grid->TopRow(), 10);
    // Half a notch twice is one row.
    SendMessageA(Grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
    EXPECT_EQ(Grid->TopRow(), 10);
    SendMessageA(Grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
    EXPECT_EQ(Grid->TopRow(), 9);
    SCROLLINFO SI{};
    SI.cbSize = sizeof(SI);
    SI.fMask = SIF_ALL;
    GetScrollInfo(Grid->Handle(), SB_VERT, &SI);
    EXPECT_EQ(SI.nPos, 9);
    EXPECT_EQ(SI.nMax, 29);
    EXPECT_EQ(static_cast<int>(SI.nPage), 10);
}

}  // namespace
