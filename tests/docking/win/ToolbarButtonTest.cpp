// Toolbar buttons on the docking test form: hot tracking, groups, the
// combo drop-down part, the swallowed closing click, auto-repeat and the
// generated disabled glyph from the shared cache.
#include <gtest/gtest.h>

#include "DockingTestSupport.h"
#include "framework/rtl/Exceptions.h"

#include <commctrl.h>

namespace {

class ToolbarButtonTest : public DockFormFixture {
protected:
    // Puts the cursor on the button's middle and tells its toolbar.
    void MoveOver(TQToolbarButton* B) {
        const TPoint P = B->ClientToScreen({B->Width() / 2, B->Height() / 2});
        SetCursorPos(P.X, P.Y);
        SendMessageA(B->Parent()->Handle(), WM_MOUSEMOVE, 0,
                     Pt(B->Left() + B->Width() / 2, B->Top() + B->Height() / 2));
    }
    void Press(TQToolbarButton* B, int X, int Y) {
        SendMessageA(B->Parent()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(B->Left() + X, B->Top() + Y));
    }
    void Release(TQToolbarButton* B, int X, int Y) {
        SendMessageA(B->Parent()->Handle(), WM_LBUTTONUP, 0, Pt(B->Left() + X, B->Top() + Y));
    }
};

// A 16 x 16 glyph on magenta with a black and a dark blue pixel and a
// white and a silver one.
std::unique_ptr<TBitmap> TestGlyph() {
    auto B = std::make_unique<TBitmap>();
    B->SetSize(16, 16);
    B->Canvas()->Brush()->SetColor(static_cast<TColor>(RGB(255, 0, 255)));
    B->Canvas()->FillRect(Rect(0, 0, 16, 16));
    B->Canvas()->SetPixel(3, 3, static_cast<TColor>(RGB(0, 0, 0)));
    B->Canvas()->SetPixel(8, 5, static_cast<TColor>(RGB(0, 0, 128)));
    B->Canvas()->SetPixel(10, 10, static_cast<TColor>(RGB(255, 255, 255)));
    B->Canvas()->SetPixel(12, 12, static_cast<TColor>(RGB(192, 192, 192)));
    return B;
}

}  // namespace

TEST_F(ToolbarButtonTest, CreationDefaults) {
    auto* B = new TQToolbarButton(nullptr);
    EXPECT_EQ(B->Width(), 22);
    EXPECT_EQ(B->Height(), 23);
    EXPECT_TRUE(B->Flat());
    EXPECT_TRUE(B->ControlStyle().Contains(csOpaque));
    B->SetOpaque(false);
    EXPECT_FALSE(B->ControlStyle().Contains(csOpaque));
    B->SetNumGlyphs(9);
    EXPECT_EQ(B->NumGlyphs(), 5);
    B->SetMargin(-5);
    EXPECT_EQ(B->Margin(), -1);
    B->Free();
}

TEST_F(ToolbarButtonTest, HotTrackingMovesFromButtonToButton) {
    Form->NewBtn->SetShowBorderWhenInactive(true);
    Form->OpenBtn->SetShowBorderWhenInactive(true);
    Form->Events.clear();
    MoveOver(Form->NewBtn);
    EXPECT_EQ(TQToolbarButton::HotButton(), Form->NewBtn);
    EXPECT_TRUE(Form->NewBtn->MouseIn());
    EXPECT_EQ(Form->NewBtn->State(), tbsHot);
    MoveOver(Form->OpenBtn);
    EXPECT_EQ(TQToolbarButton::HotButton(), Form->OpenBtn);
    EXPECT_FALSE(Form->NewBtn->MouseIn());
    EXPECT_EQ(Form->Events, (std::vector<std::string>{"enter New", "exit New", "enter Open"}));
    // Leaving for somewhere else clears the border within the timer's tick.
    const TRect Client = Form->BoundsRect();
    SetCursorPos(Client.Left + Client.Width() / 2, Client.Bottom - 20);
    EXPECT_TRUE(PumpUntil([&] { return !Form->OpenBtn->MouseIn(); }, 600));
    EXPECT_EQ(TQToolbarButton::HotButton(), nullptr);
    EXPECT_EQ(Form->Events.back(), "exit Open");
}

TEST_F(ToolbarButtonTest, AClickFiresOnClickAndLeavesTheButtonUp) {
    TQToolbarButton* B = Form->NewBtn;
    MoveOver(B);
    Press(B, 5, 5);
    EXPECT_EQ(B->State(), tbsPushed);
    Release(B, 5, 5);
    EXPECT_EQ(Form->NewClicks, 1);
    EXPECT_NE(B->State(), tbsPushed);
    // Released outside: no click.
    Press(B, 5, 5);
    Release(B, 40, 40);
    EXPECT_EQ(Form->NewClicks, 1);
}

TEST_F(ToolbarButtonTest, ButtonsOfAGroupLatchOneAtATime) {
    TQToolbarButton* L = Form->LeftBtn;
    TQToolbarButton* R = Form->RightBtn;
    EXPECT_TRUE(L->Down());
    EXPECT_EQ(L->State(), tbsExclusive);
    Press(R, 5, 5);
    Release(R, 5, 5);
    EXPECT_TRUE(R->Down());
    EXPECT_FALSE(L->Down());
    EXPECT_EQ(R->State(), tbsExclusive);
    // Without AllowAllUp a down button stays down when clicked.
    Press(R, 5, 5);
    Release(R, 5, 5);
    EXPECT_TRUE(R->Down());
    // AllowAllUp is shared by the group.
    L->SetAllowAllUp(true);
    EXPECT_TRUE(R->AllowAllUp());
    Press(R, 5, 5);
    Release(R, 5, 5);
    EXPECT_FALSE(R->Down());
    // No group: never down.
    Form->NewBtn->SetDown(true);
    EXPECT_FALSE(Form->NewBtn->Down());
}

TEST_F(ToolbarButtonTest, AComboButtonOpensItsMenuFromTheArrowPartOnly) {
    TQToolbarButton* B = Form->MenuBtn;
    // The form file holds the width with the arrow part: not widened again.
    EXPECT_EQ(B->Width(), 23);
    Press(B, 5, 5);
    Release(B, 5, 5);
    EXPECT_EQ(Form->MenuClicks, 1);
    EXPECT_EQ(Form->Dropdowns, 0);
    Press(B, B->Width() - 3, 5);
    Release(B, B->Width() - 3, 5);
    EXPECT_EQ(Form->Dropdowns, 1);
    EXPECT_EQ(Form->MenuClicks, 1);
    B->SetDropdownCombo(false);
    EXPECT_EQ(B->Width(), 12);
    auto* Fresh = new TQToolbarButton(Form);
    Fresh->SetWidth(23);
    Fresh->SetDropdownCombo(true);
    EXPECT_EQ(Fresh->Width(), 34);
}

TEST_F(ToolbarButtonTest, TheClickThatClosesTheMenuDoesNotReopenIt) {
    Form->PostPressDuringDropdown = true;
    TQToolbarButton* B = Form->MenuBtn;
    Press(B, B->Width() - 3, 5);
    Release(B, B->Width() - 3, 5);
    Pump();
    EXPECT_EQ(Form->Dropdowns, 1);
}

TEST_F(ToolbarButtonTest, ARepeatingButtonClicksWhileHeld) {
    TQToolbarButton* B = Form->NewBtn;
    B->SetRepeating(true);
    B->SetRepeatDelay(100);
    B->SetRepeatInterval(50);
    MoveOver(B);
    Press(B, 5, 5);
    EXPECT_EQ(Form->NewClicks, 1);
    EXPECT_TRUE(PumpUntil([&] { return Form->NewClicks >= 3; }, 2000));
    Release(B, 5, 5);
    const int After = Form->NewClicks;
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(Form->NewClicks, After);
}

TEST_F(ToolbarButtonTest, DisablingShowsTheEmbossedGlyphFromTheSharedCache) {
    auto Glyph = TestGlyph();
    TQToolbarButton* B = Form->SaveBtn;
    B->SetGlyph(Glyph.get());
    EXPECT_EQ(B->NumGlyphs(), 1);
    B->SetEnabled(false);
    EXPECT_EQ(B->State(), tbsDisabled);
    int Index = -1;
    TGlyphList* List = B->ButtonGlyph()->StateImage(tbsDisabled, Index);
    ASSERT_NE(List, nullptr);
    EXPECT_EQ(List->Width(), 17);
    EXPECT_EQ(List->Height(), 17);
    // Drawn on red: shadow under the ink, highlight one pixel right and
    // down, everything else transparent.
    TBitmap Out;
    Out.SetSize(17, 17);
    Out.Canvas()->Brush()->SetColor(clRed);
    Out.Canvas()->FillRect(Rect(0, 0, 17, 17));
    ImageList_DrawEx(List->Handle(), Index, Out.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
    const COLORREF Shadow = ColorToRGB(clBtnShadow), Light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(static_cast<COLORREF>(Out.Canvas()->Pixel(3, 3)), Shadow);
    EXPECT_EQ(static_cast<COLORREF>(Out.Canvas()->Pixel(4, 4)), Light);
    EXPECT_EQ(static_cast<COLORREF>(Out.Canvas()->Pixel(8, 5)), Shadow);
    EXPECT_EQ(static_cast<COLORREF>(Out.Canvas()->Pixel(10, 10)), ColorToRGB(clRed));
    EXPECT_EQ(static_cast<COLORREF>(Out.Canvas()->Pixel(12, 12)), ColorToRGB(clRed));
    EXPECT_EQ(static_cast<COLORREF>(Out.Canvas()->Pixel(0, 0)), ColorToRGB(clRed));
    // A second button with the same glyph size shares the lists.
    Form->NewBtn->SetGlyph(Glyph.get());
    Form->NewBtn->SetEnabled(false);
    int Other = -1;
    EXPECT_EQ(Form->NewBtn->ButtonGlyph()->StateImage(tbsDisabled, Other), List);
    EXPECT_NE(Other, Index);
    const int Lists = GlyphListsInCache();
    EXPECT_GE(Lists, 2);
    Form->Repaint();
    Pump();
}

TEST(GlyphListTest, AddingASmallerImageRaisesAndALargerOneIsAccepted) {
    TGlyphList List(16, 16);
    TBitmap Small;
    Small.SetSize(8, 16);
    try {
        List.AddMasked(&Small, clBtnFace);
        FAIL();
    } catch (const EInvalidOperation& E) {
        EXPECT_STREQ(E.what(), "Invalid image size");
    }
    TBitmap Large;
    Large.SetSize(32, 16);
    const int Index = List.AddMasked(&Large, clBtnFace);
    EXPECT_GE(Index, 0);
    // Every entry the add appended is gone again: one image per add.
    EXPECT_EQ(List.Count(), Index + 1);
    List.Release(Index);
    EXPECT_EQ(List.AddMasked(&Large, clBtnFace), Index);
}
