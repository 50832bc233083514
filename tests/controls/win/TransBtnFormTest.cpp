// The transparent button and the bitmap check box on a form read from a
// text form, driven by window messages.
#include <gtest/gtest.h>

#include "controls/BitCheckGlyphArt.h"
#include "controls/win/BtChkBox.h"
#include "controls/win/TransBtn.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/forms/Forms.h"
#include "tests/common/win/Pump.h"
#include "tests/common/win/ProgramFolder.h"

namespace {

class TTransBtnForm : public TForm {
    QRN_CLASS(TTransBtnForm, TForm)
public:
    explicit TTransBtnForm(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("TRANSBTNFORM"); }
    TTransparentButton* OkButton = nullptr;
    TTransparentButton* FlatButton = nullptr;
    TBitCheckBox* DontLink = nullptr;
    int OkClicks = 0, FlatClicks = 0, BoxClicks = 0;
    void OkButtonClick(TObject*) { ++OkClicks; }
    void FlatButtonClick(TObject*) { ++FlatClicks; }
    void DontLinkClick(TObject*) { ++BoxClicks; }
};

LPARAM Pt(int X, int Y) { return MAKELPARAM(X, Y); }

// A solid-colour strip of Cells square cells, each Size pixels.
std::unique_ptr<TBitmap> Strip(int Cells, int Size, TColor Back, TColor Fill) {
    auto B = std::make_unique<TBitmap>();
    B->SetSize(Cells * Size, Size);
    B->Canvas()->Brush()->SetColor(Back);
    B->Canvas()->FillRect(Rect(0, 0, Cells * Size, Size));
    B->Canvas()->Brush()->SetColor(Fill);
    for (int I = 0; I < Cells; ++I) B->Canvas()->FillRect(Rect(I * Size + 3, 3, I * Size + Size - 3, Size - 3));
    return B;
}

class TransBtnFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClasses({TTransparentButton::StaticClass(), TBitCheckBox::StaticClass()});
        Form = new TTransBtnForm(nullptr);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    // A pixel as the screen shows it, in the form's client coordinates.
    COLORREF FormPixel(int X, int Y) {
        Form->Repaint();
        HDC DC = GetDC(Form->Handle());
        const COLORREF C = GetPixel(DC, X, Y);
        ReleaseDC(Form->Handle(), DC);
        return C;
    }
    COLORREF BoxPixel(int X, int Y) {
        Form->DontLink->Repaint();
        HDC DC = GetDC(Form->DontLink->Handle());
        const COLORREF C = GetPixel(DC, X, Y);
        ReleaseDC(Form->DontLink->Handle(), DC);
        return C;
    }
    void ClickForm(int X, int Y) {
        SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(X, Y));
        SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Pt(X, Y));
    }
    TTransBtnForm* Form = nullptr;
};

}  // namespace

QRN_PUBLISHED(TTransBtnForm) {
    B.Field("OkButton", &TTransBtnForm::OkButton);
    B.Field("FlatButton", &TTransBtnForm::FlatButton);
    B.Field("DontLink", &TTransBtnForm::DontLink);
    B.Handler("OkButtonClick", &TTransBtnForm::OkButtonClick);
    B.Handler("FlatButtonClick", &TTransBtnForm::FlatButtonClick);
    B.Handler("DontLinkClick", &TTransBtnForm::DontLinkClick);
}

TEST(TransparentButtonDefaults, CreationSetsSizeStyleAndDefaults) {
    auto* B = new TTransparentButton(nullptr);
    EXPECT_EQ(B->Width(), 40);
    EXPECT_EQ(B->Height(), 40);
    EXPECT_FALSE(B->ControlStyle().Contains(csOpaque));
    EXPECT_FALSE(B->ControlStyle().Contains(csDoubleClicks));
    EXPECT_EQ(B->FrameStyle(), fsExplorer);
    EXPECT_EQ(B->TextAlign(), ttaCenter);
    EXPECT_EQ(B->Spacing(), 2);
    EXPECT_EQ(B->BorderWidth(), 1u);
    EXPECT_TRUE(B->AutoGray() && B->ShowPressed() && B->Transparent());
    EXPECT_FALSE(B->Down() || B->WordWrap() || B->Movable());
    EXPECT_EQ(B->NumGlyphs(), 1);
    EXPECT_EQ(GetPropValue(B, "FrameStyle"), "fsExplorer");
    B->Free();
}

TEST(TransparentButtonGlyph, SquareCellsSetTheCountAndFillTheImageList) {
    auto* B = new TTransparentButton(nullptr);
    auto Four = Strip(4, 16, clWhite, clRed);
    B->SetGlyph(Four.get());
    EXPECT_EQ(B->NumGlyphs(), 4);
    ASSERT_NE(B->Images(), nullptr);
    EXPECT_EQ(B->Images()->Count(), 6);
    auto Five = Strip(5, 16, clWhite, clRed);
    B->SetGlyph(Five.get());
    EXPECT_EQ(B->NumGlyphs(), 1);
    EXPECT_EQ(B->Images()->Width(), 80);
    EXPECT_EQ(B->Images()->Count(), 3);
    // An empty glyph leaves the list as it was.
    B->SetGlyph(nullptr);
    EXPECT_EQ(B->Images()->Count(), 3);
    B->Free();
}

TEST_F(TransBtnFormTest, FormValuesReachTheControls) {
    ASSERT_NE(Form->OkButton, nullptr);
    ASSERT_NE(Form->DontLink, nullptr);
    EXPECT_EQ(Form->OkButton->Caption(), "&OK");
    EXPECT_EQ(Form->OkButton->FrameStyle(), fsRegular);
    EXPECT_EQ(Form->OkButton->BorderWidth(), 2u);
    EXPECT_EQ(Form->OkButton->Spacing(), 4);
    EXPECT_EQ(Form->OkButton->TextAlign(), ttaBottom);
    EXPECT_FALSE(Form->OkButton->Transparent());
    EXPECT_EQ(Form->FlatButton->FrameStyle(), fsExplorer);
    EXPECT_EQ(Form->FlatButton->TextAlign(), ttaRight);
    EXPECT_EQ(Form->DontLink->Caption(), "  &Dont link OBJ file  ");
    EXPECT_TRUE(Form->DontLink->AllowGrayed());
    EXPECT_EQ(Form->DontLink->Width(), 160);
    EXPECT_EQ(GetPropValue(Form->DontLink, "State"), "cbUnchecked");
    EXPECT_EQ(GetPropValue(Form->OkButton, "TextAlign"), "ttaBottom");
}

TEST_F(TransBtnFormTest, MouseClickFiresOnClickOnceAndShowsThePressedLook) {
    SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(30, 20));
    EXPECT_TRUE(Form->OkButton->Pressed());
    EXPECT_EQ(Form->OkClicks, 0);
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Pt(30, 20));
    EXPECT_FALSE(Form->OkButton->Pressed());
    EXPECT_EQ(Form->OkClicks, 1);
    EXPECT_EQ(Form->FlatClicks, 0);
}

TEST_F(TransBtnFormTest, ReleaseOutsideDoesNotClick) {
    SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(30, 20));
    SendMessageA(Form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(200, 100));
    EXPECT_FALSE(Form->OkButton->Pressed());
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Pt(200, 100));
    EXPECT_EQ(Form->OkClicks, 0);
}

TEST_F(TransBtnFormTest, AcceleratorClicksTheMatchingButtonOnly) {
    EXPECT_NE(Form->Perform(CM_DIALOGCHAR, 'o', 0), 0);
    EXPECT_EQ(Form->OkClicks, 1);
    EXPECT_EQ(Form->FlatClicks, 0);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'z', 0), 0);
    EXPECT_EQ(Form->OkClicks, 1);
}

TEST_F(TransBtnFormTest, DisabledButtonIgnoresMouseAndAccelerator) {
    Form->OkButton->SetEnabled(false);
    ClickForm(30, 20);
    EXPECT_FALSE(Form->OkButton->Pressed());
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'o', 0), 0);
    EXPECT_EQ(Form->OkClicks, 0);
}

TEST_F(TransBtnFormTest, DisablingWhilePressedDropsThePressedLook) {
    SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(30, 20));
    ASSERT_TRUE(Form->OkButton->Pressed());
    Form->OkButton->SetEnabled(false);
    EXPECT_FALSE(Form->OkButton->Pressed());
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Pt(30, 20));
    Form->OkButton->SetEnabled(true);
    // The next press works again.
    ClickForm(30, 20);
    EXPECT_EQ(Form->OkClicks, 1);
}

TEST_F(TransBtnFormTest, DownButtonStaysPressedAfterRelease) {
    Form->OkButton->SetDown(true);
    ClickForm(30, 20);
    EXPECT_TRUE(Form->OkButton->Pressed());
    EXPECT_TRUE(Form->OkButton->Down());
    Form->OkButton->SetDown(false);
    EXPECT_FALSE(Form->OkButton->Pressed());
}

TEST_F(TransBtnFormTest, MovableButtonFollowsTheDrag) {
    Form->OkButton->SetMovable(true);
    SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(30, 20));
    SendMessageA(Form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(40, 20));
    EXPECT_EQ(Form->OkButton->Left(), 18);
    EXPECT_TRUE(Form->OkButton->Pressed());
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, Pt(40, 20));
    EXPECT_EQ(Form->OkButton->Left(), 18);
}

TEST_F(TransBtnFormTest, MouseEnterAndExitFireOnlyWhileEnabled) {
    int Enters = 0, Exits = 0;
    Form->FlatButton->OnMouseEnter = [&](TObject*) { ++Enters; };
    Form->FlatButton->OnMouseExit = [&](TObject*) { ++Exits; };
    Form->FlatButton->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_TRUE(Form->FlatButton->Hot());
    Form->FlatButton->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(Form->FlatButton->Hot());
    Form->FlatButton->SetEnabled(false);
    Form->FlatButton->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(Form->FlatButton->Hot());
    EXPECT_EQ(Enters, 1);
    EXPECT_EQ(Exits, 1);
}

TEST_F(TransBtnFormTest, ExplorerGlyphIsGreyUntilTheMouseIsOver) {
    auto Red = Strip(1, 16, clWhite, clRed);
    Form->FlatButton->SetGlyph(Red.get());
    // ttaRight: glyph at (Spacing, (H - 16) / 2) = (2, 12) in the button.
    const int X = 100 + 2 + 8, Y = 8 + 12 + 8;
    const COLORREF Grey = FormPixel(X, Y);
    EXPECT_EQ(GetRValue(Grey), GetGValue(Grey));
    EXPECT_EQ(GetRValue(Grey), 76);
    Form->FlatButton->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(FormPixel(X, Y), RGB(255, 0, 0));
    // The frame shows only while hot: its top-left corner is the highlight.
    EXPECT_EQ(FormPixel(100, 8), ColorToRGB(clBtnHighlight));
    Form->FlatButton->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(FormPixel(100, 8), ColorToRGB(clBtnFace));
}

TEST_F(TransBtnFormTest, DisabledSingleCellGlyphIsEmbossed) {
    auto Red = Strip(1, 16, clWhite, clRed);
    Form->FlatButton->SetGlyph(Red.get());
    Form->FlatButton->SetEnabled(false);
    // Inside the red square: drawn in the shadow colour; its top-left
    // edge outside the square keeps the face.
    const int X = 100 + 2 + 8, Y = 8 + 12 + 8;
    EXPECT_EQ(FormPixel(X, Y), ColorToRGB(clBtnShadow));
    EXPECT_EQ(FormPixel(100 + 2 + 2, 8 + 12 + 2), ColorToRGB(clBtnFace));
    // Below-right of the square the highlight copy shows.
    EXPECT_EQ(FormPixel(100 + 2 + 13, 8 + 12 + 13), ColorToRGB(clBtnHighlight));
}

TEST_F(TransBtnFormTest, OpaqueButtonFillsItsFace) {
    // Transparent False: the face is filled clBtnFace inside the frame.
    EXPECT_EQ(FormPixel(8 + 40, 8 + 5), ColorToRGB(clBtnFace));
    Form->Color();
    Form->SetColor(clYellow);
    EXPECT_EQ(FormPixel(8 + 40, 8 + 5), ColorToRGB(clBtnFace));
    // The flat button lets the form show through.
    EXPECT_EQ(FormPixel(100 + 30, 8 + 3), RGB(255, 255, 0));
}

TEST(BitCheckBoxDefaults, CreationSetsSizeStyleAndGlyphs) {
    auto* C = new TBitCheckBox(nullptr);
    EXPECT_EQ(C->Width(), 97);
    EXPECT_EQ(C->Height(), 17);
    EXPECT_TRUE(C->TabStop());
    EXPECT_EQ(C->ControlStyle(), (TControlStyle{csClickEvents, csSetCaption}));
    EXPECT_EQ(C->Color(), clWindow);
    EXPECT_FALSE(C->ParentColor());
    EXPECT_EQ(C->Alignment(), taRightJustify);
    EXPECT_EQ(C->State(), cbUnchecked);
    for (TBitmap* G : {C->CheckedGlyph(), C->GrayedGlyph(), C->UncheckedGlyph()}) {
        EXPECT_EQ(G->Width(), 19);
        EXPECT_EQ(G->Height(), 14);
    }
    EXPECT_EQ(C->CheckedNumGlyphs(), 1);
    C->Free();
}

TEST(BitCheckBoxState, CheckedAndStateAgree) {
    auto* C = new TBitCheckBox(nullptr);
    C->SetChecked(true);
    EXPECT_EQ(C->State(), cbChecked);
    C->SetState(cbGrayed);
    EXPECT_FALSE(C->Checked());
    C->SetChecked(false);
    EXPECT_EQ(C->State(), cbUnchecked);
    C->Free();
}

TEST(BitCheckBoxGlyphs, CountsAreLimitedAndNilRestoresTheDefault) {
    auto* C = new TBitCheckBox(nullptr);
    C->SetCheckedNumGlyphs(5);
    EXPECT_EQ(C->CheckedNumGlyphs(), 2);
    C->SetCheckedNumGlyphs(0);
    EXPECT_EQ(C->CheckedNumGlyphs(), 1);
    TBitmap Pair;
    Pair.SetSize(28, 14);
    C->SetGrayedGlyph(&Pair);
    EXPECT_EQ(C->GrayedNumGlyphs(), 2);
    EXPECT_EQ(C->GrayedGlyph()->Width(), 28);
    TBitmap Flat;
    Flat.SetSize(10, 0);
    C->SetGrayedGlyph(&Flat);
    EXPECT_EQ(C->GrayedNumGlyphs(), 2);  // height 0: count unchanged
    C->SetGrayedGlyph(nullptr);
    EXPECT_EQ(C->GrayedGlyph()->Width(), 19);
    EXPECT_EQ(C->GrayedGlyph()->Height(), 14);
    C->Free();
}

TEST_F(TransBtnFormTest, ThreeClicksWithGrayedGoGrayedCheckedUnchecked) {
    TBitCheckBox* C = Form->DontLink;
    C->Click();
    EXPECT_EQ(C->State(), cbGrayed);
    C->Click();
    EXPECT_EQ(C->State(), cbChecked);
    C->Click();
    EXPECT_EQ(C->State(), cbUnchecked);
    EXPECT_EQ(Form->BoxClicks, 3);
    EXPECT_TRUE(C->Focused());
}

TEST_F(TransBtnFormTest, MouseAndSpaceToggleTheBoxAndFireOnClickOnce) {
    TBitCheckBox* C = Form->DontLink;
    C->SetAllowGrayed(false);
    HWND W = C->Handle();
    SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, Pt(5, 5));
    SendMessageA(W, WM_LBUTTONUP, 0, Pt(5, 5));
    EXPECT_TRUE(C->Checked());
    EXPECT_EQ(Form->BoxClicks, 1);
    SendMessageA(W, WM_CHAR, ' ', 0);
    EXPECT_FALSE(C->Checked());
    EXPECT_EQ(Form->BoxClicks, 2);
}

TEST_F(TransBtnFormTest, AcceleratorTogglesTheBoxWithoutOnClick) {
    TBitCheckBox* C = Form->DontLink;
    C->SetAllowGrayed(false);
    EXPECT_NE(Form->Perform(CM_DIALOGCHAR, 'd', 0), 0);
    EXPECT_TRUE(C->Checked());
    EXPECT_TRUE(C->Focused());
    EXPECT_EQ(Form->BoxClicks, 0);
}

TEST_F(TransBtnFormTest, DisabledBoxIgnoresItsAccelerator) {
    TBitCheckBox* C = Form->DontLink;
    C->SetEnabled(false);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'd', 0), 0);
    EXPECT_EQ(C->State(), cbUnchecked);
    EXPECT_EQ(Form->BoxClicks, 0);
}

TEST_F(TransBtnFormTest, BoxPaintsTheImageOfItsState) {
    TBitCheckBox* C = Form->DontLink;
    // A pixel of the check mark (row 7, column 6 of the image; the image
    // sits at y = (17 - 14) / 2 = 1).
    const int X = 6, Y = 7 + 1;
    EXPECT_EQ(BoxPixel(X, Y), ColorToRGB(clWindow));
    C->SetChecked(true);
    EXPECT_EQ(BoxPixel(X, Y), ColorToRGB(clWindowText));
    // The image's background shows the box's colour, not the image's.
    EXPECT_EQ(BoxPixel(0, 8), ColorToRGB(clWindow));
    C->SetAlignment(taLeftJustify);
    EXPECT_EQ(BoxPixel(160 - 19 + X, Y), ColorToRGB(clWindowText));
}

TEST_F(TransBtnFormTest, ScreenshotOfBothControls) {
    auto Glyph = Strip(1, 16, clWhite, clNavy);
    Form->OkButton->SetGlyph(Glyph.get());
    Form->FlatButton->SetGlyph(Glyph.get());
    Form->FlatButton->Perform(CM_MOUSEENTER, 0, 0);
    Form->DontLink->SetChecked(true);
    Form->Repaint();
    Pump();
    const std::string File = TestProgramFolder() + "TransBtnForm.png";
    CaptureWindowToFile(Form->Handle(), File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
}
