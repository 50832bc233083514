#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/ExtCtrls.h"

namespace {

class TExtCtrlsForm : public TForm {
    QRN_CLASS(TExtCtrlsForm, TForm)
public:
    explicit TExtCtrlsForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("EXTCTRLSFORM"); }
    TScrollBox* Box1 = nullptr;
    TImage* Inner1 = nullptr;
    TSplitter* Splitter1 = nullptr;
    TSpeedButton* Bold1 = nullptr;
    TSpeedButton* Italic1 = nullptr;
    TSpeedButton* Under1 = nullptr;
    TSpeedButton* Plain1 = nullptr;
    TImage* Image1 = nullptr;
    std::vector<TObject*> Clicks;
    int Moves = 0;
    void ButtonClick(TObject* Sender) { Clicks.push_back(Sender); }
    void Splitter1Moved(TObject*) { ++Moves; }
};

}  // namespace

QRN_PUBLISHED(TExtCtrlsForm) {
    B.Field("Box1", &TExtCtrlsForm::Box1);
    B.Field("Inner1", &TExtCtrlsForm::Inner1);
    B.Field("Splitter1", &TExtCtrlsForm::Splitter1);
    B.Field("Bold1", &TExtCtrlsForm::Bold1);
    B.Field("Italic1", &TExtCtrlsForm::Italic1);
    B.Field("Under1", &TExtCtrlsForm::Under1);
    B.Field("Plain1", &TExtCtrlsForm::Plain1);
    B.Field("Image1", &TExtCtrlsForm::Image1);
    B.Handler("ButtonClick", &TExtCtrlsForm::ButtonClick);
    B.Handler("Splitter1Moved", &TExtCtrlsForm::Splitter1Moved);
}

namespace {

class ExtCtrls : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterExtControls();
        F = new TExtCtrlsForm(nullptr);
        F->Show();
        Pump();
    }
    void TearDown() override {
        F->Free();
        Pump();
    }
    // A click on a windowless control: the form's window gets the mouse.
    void ClickOn(TControl* C) {
        const LPARAM P = Pt(C->Left() + C->Width() / 2, C->Top() + C->Height() / 2);
        SendMessageA(F->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, P);
        SendMessageA(F->Handle(), WM_LBUTTONUP, 0, P);
    }
    TExtCtrlsForm* F = nullptr;
};

}  // namespace

TEST_F(ExtCtrls, GroupedSpeedButtonsLatchExclusively) {
    EXPECT_TRUE(F->Bold1->Down());
    EXPECT_FALSE(F->Italic1->Down());
    ClickOn(F->Italic1);
    EXPECT_TRUE(F->Italic1->Down());
    EXPECT_FALSE(F->Bold1->Down());
    EXPECT_FALSE(F->Under1->Down());
    ASSERT_EQ(F->Clicks.size(), 1u);
    EXPECT_EQ(F->Clicks[0], F->Italic1);
    // Without AllowAllUp a click on the down button leaves it down, but still clicks.
    ClickOn(F->Italic1);
    EXPECT_TRUE(F->Italic1->Down());
    EXPECT_EQ(F->Clicks.size(), 2u);
    F->Under1->SetDown(true);
    EXPECT_FALSE(F->Italic1->Down());
    EXPECT_EQ(F->Clicks.size(), 2u);
}

TEST_F(ExtCtrls, AllowAllUpIsSharedByTheGroupAndLetsTheLastOneUp) {
    F->Bold1->SetAllowAllUp(true);
    EXPECT_TRUE(F->Under1->AllowAllUp());
    ClickOn(F->Bold1);
    EXPECT_FALSE(F->Bold1->Down());
    EXPECT_FALSE(F->Italic1->Down());
    EXPECT_FALSE(F->Under1->Down());
    EXPECT_EQ(F->Clicks.size(), 1u);
}

TEST_F(ExtCtrls, UngroupedSpeedButtonClicksButNeverLatches) {
    F->Plain1->SetDown(true);
    EXPECT_FALSE(F->Plain1->Down());
    ClickOn(F->Plain1);
    EXPECT_FALSE(F->Plain1->Down());
    ASSERT_EQ(F->Clicks.size(), 1u);
    EXPECT_EQ(F->Clicks[0], F->Plain1);
    // A press released outside the button is no click.
    SendMessageA(F->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(F->Plain1->Left() + 5, 15));
    EXPECT_TRUE(F->Plain1->Pressed());
    SendMessageA(F->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(390, 200));
    SendMessageA(F->Handle(), WM_LBUTTONUP, 0, Pt(390, 200));
    EXPECT_FALSE(F->Plain1->Pressed());
    EXPECT_EQ(F->Clicks.size(), 1u);
}

TEST_F(ExtCtrls, SplitterDragResizesItsNeighbour) {
    EXPECT_EQ(F->Splitter1->FindControl(), F->Box1);
    const int X = F->Splitter1->Left() + 1;
    SendMessageA(F->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(X, 50));
    SendMessageA(F->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(X + 20, 50));
    EXPECT_EQ(F->Box1->Width(), 140);
    EXPECT_EQ(F->Splitter1->Left(), 140);
    SendMessageA(F->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(X + 30, 50));
    SendMessageA(F->Handle(), WM_LBUTTONUP, 0, Pt(X + 30, 50));
    EXPECT_EQ(F->Box1->Width(), 150);
    EXPECT_EQ(F->Splitter1->Left(), 150);
    EXPECT_EQ(F->Moves, 1);
    RECT R{};
    GetWindowRect(F->Box1->Handle(), &R);
    EXPECT_EQ(R.right - R.left, 150);
    // Dragging far left stops at MinSize.
    SendMessageA(F->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(151, 50));
    SendMessageA(F->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(2, 50));
    SendMessageA(F->Handle(), WM_LBUTTONUP, 0, Pt(2, 50));
    EXPECT_EQ(F->Box1->Width(), 40);
    EXPECT_EQ(F->Moves, 2);
    // A press and release without moving is no move.
    SendMessageA(F->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(41, 50));
    SendMessageA(F->Handle(), WM_LBUTTONUP, 0, Pt(41, 50));
    EXPECT_EQ(F->Moves, 2);
}

TEST_F(ExtCtrls, ScrollBoxScrollsItsChildren) {
    TScrollBox* S = F->Box1;
    EXPECT_EQ(S->VertScrollBar()->Range(), 400);
    EXPECT_NE((GetWindowLongA(S->Handle(), GWL_STYLE) & WS_VSCROLL), 0);
    SendMessageA(S->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(S->VertScrollBar()->Position(), 10);
    EXPECT_EQ(F->Inner1->Top(), 290);
    EXPECT_EQ(GetScrollPos(S->Handle(), SB_VERT), 10);
    SendMessageA(S->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    const int Max = S->VertScrollBar()->MaxPosition();
    EXPECT_EQ(Max, 400 - S->ClientHeight());
    EXPECT_EQ(S->VertScrollBar()->Position(), Max);
    EXPECT_EQ(F->Inner1->Top(), 300 - Max);
    SendMessageA(S->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(F->Inner1->Top(), 300);
    S->ScrollInView(F->Inner1);
    EXPECT_LE(F->Inner1->Top() + F->Inner1->Height(), S->ClientHeight());
    EXPECT_GE(F->Inner1->Top(), 0);
    // A range that fits hides the bar and scrolls back.
    S->VertScrollBar()->SetRange(10);
    EXPECT_EQ(S->VertScrollBar()->Position(), 0);
    EXPECT_EQ(F->Inner1->Top(), 300);
}

TEST_F(ExtCtrls, ImageDrawsItsPictureCentredOrStretched) {
    TImage* I = F->Image1;
    TBitmap* Bmp = I->Picture()->Bitmap();
    Bmp->SetSize(20, 10);
    Bmp->Canvas()->Brush()->SetColor(clRed);
    Bmp->Canvas()->FillRect(Rect(0, 0, 20, 10));
    EXPECT_EQ(I->DestRect(), Rect(40, 35, 60, 45));
    F->Repaint();
    HDC DC = GetDC(F->Handle());
    EXPECT_EQ(GetPixel(DC, I->Left() + 50, I->Top() + 40), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(DC, I->Left() + 5, I->Top() + 5), RGB(255, 0, 0));
    ReleaseDC(F->Handle(), DC);
    I->SetStretch(true);
    EXPECT_EQ(I->DestRect(), Rect(0, 0, 100, 80));
    F->Repaint();
    DC = GetDC(F->Handle());
    EXPECT_EQ(GetPixel(DC, I->Left() + 5, I->Top() + 5), RGB(255, 0, 0));
    ReleaseDC(F->Handle(), DC);
    I->SetCenter(false);
    I->SetStretch(false);
    EXPECT_EQ(I->DestRect(), Rect(0, 0, 20, 10));
}

TEST(ExtCtrlsStreaming, ClassesAndPropertiesArePublished) {
    RegisterExtControls();
    EXPECT_NE(FindClass("TSpeedButton"), nullptr);
    EXPECT_NE(FindClass("TSplitter"), nullptr);
    auto* B = new TSpeedButton(nullptr);
    EXPECT_EQ(GetPropValue(B, "Layout"), "blGlyphLeft");
    SetPropValue(B, "Layout", "blGlyphTop");
    EXPECT_EQ(B->Layout(), blGlyphTop);
    EXPECT_EQ(GetPropValue(B, "Margin"), "-1");
    B->SetNumGlyphs(9);
    EXPECT_EQ(B->NumGlyphs(), 4);
    B->Free();
    auto* S = new TScrollBox(nullptr);
    SetPropValue(S, "HorzScrollBar.Range", "300");
    EXPECT_EQ(S->HorzScrollBar()->Range(), 300);
    S->Free();
}

TEST_F(ExtCtrls, SpeedButtonShowsTheGlyphForItsState) {
    auto* B = new TSpeedButton(F);
    B->SetParent(F);
    B->SetBounds(300, 160, 30, 30);
    TBitmap* G = B->Glyph();
    G->SetSize(32, 16);
    G->Canvas()->Brush()->SetColor(clLime);
    G->Canvas()->FillRect(Rect(0, 0, 16, 16));
    G->Canvas()->Brush()->SetColor(clBlue);
    G->Canvas()->FillRect(Rect(16, 0, 32, 16));
    B->SetNumGlyphs(2);
    auto PixelAtCentre = [&] {
        F->Repaint();
        HDC DC = GetDC(F->Handle());
        const COLORREF C = GetPixel(DC, B->Left() + 15, B->Top() + 15);
        ReleaseDC(F->Handle(), DC);
        return C;
    };
    EXPECT_EQ(PixelAtCentre(), RGB(0, 255, 0));
    // The second image of the strip is the disabled one.
    B->SetEnabled(false);
    EXPECT_EQ(PixelAtCentre(), RGB(0, 0, 255));
    // A disabled button ignores the mouse.
    ClickOn(B);
    EXPECT_TRUE(F->Clicks.empty());
}

TEST(SplitterCursor, FollowsTheAlignmentUnlessChosen) {
    auto* F = new TForm(nullptr);
    auto* S = new TSplitter(F);
    S->SetParent(F);
    EXPECT_EQ(S->Cursor(), crHSplit);
    S->SetAlign(alBottom);
    EXPECT_EQ(S->Cursor(), crVSplit);
    S->SetAlign(alRight);
    EXPECT_EQ(S->Cursor(), crHSplit);
    S->SetCursor(crArrow);
    S->SetAlign(alTop);
    EXPECT_EQ(S->Cursor(), crArrow);
    F->Free();
}
