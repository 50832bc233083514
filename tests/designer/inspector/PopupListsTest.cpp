#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/PopupLists.h"
#include "designer/inspector/ZelEdit.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/rtl/Exceptions.h"
#include "tests/common/win/Pump.h"

namespace {
std::vector<std::string> ItemsOf(TPopupListBox* Box) {
    Box->HandleNeeded();
    std::vector<std::string> Names;
    for (int I = 0; I < Box->Items()->Count(); ++I) Names.push_back(Box->Items()->Get(I));
    return Names;
}

std::string TextOf(TWinControl* Box) {
    char Buffer[64] = {};
    Box->Perform(WM_GETTEXT, sizeof(Buffer), reinterpret_cast<LPARAM>(Buffer));
    return Buffer;
}
}  // namespace

TEST(PopupLists, ValueListsFillThemselvesInTheirOrder) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    auto* Edit = new TCustomZelEdit(Form.get());
    Edit->SetParent(Form.get());

    Edit->SetPopupClass(TPopupColorBox::StaticClass());
    const std::vector<std::string> Colors{
        "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal", "clGray", "clSilver",
        "clRed", "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite", "clScrollBar", "clBackground",
        "clActiveCaption", "clInactiveCaption", "clMenu", "clWindow", "clWindowFrame", "clMenuText",
        "clWindowText", "clCaptionText", "clActiveBorder", "clInactiveBorder", "clAppWorkSpace", "clHighlight",
        "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText", "clBtnText", "clInactiveCaptionText",
        "clBtnHighlight", "cl3DDkShadow", "cl3DLight", "clInfoText", "clInfoBk", "clNone"};
    auto* ColorBox = static_cast<TPopupColorBox*>(Edit->Popup());
    EXPECT_EQ(ItemsOf(ColorBox), Colors);
    // The item the edit shows is selected; an unknown text selects none.
    Edit->SetText("clTeal");
    ColorBox->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(TextOf(ColorBox), "clTeal");
    EXPECT_EQ(ColorBox->Value(), clTeal);
    Edit->SetText("clNothing");
    ColorBox->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(TextOf(ColorBox), "");
    // Seven rows show at most.
    EXPECT_EQ(ColorBox->ClientHeight(), 7 * ColorBox->ItemHeight());

    Edit->SetPopupClass(TPopupBrushBox::StaticClass());
    EXPECT_EQ(ItemsOf(static_cast<TPopupListBox*>(Edit->Popup())),
              (std::vector<std::string>{"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                        "bsBDiagonal", "bsCross", "bsDiagCross"}));
    Edit->SetPopupClass(TPopupPenBox::StaticClass());
    EXPECT_EQ(ItemsOf(static_cast<TPopupListBox*>(Edit->Popup())),
              (std::vector<std::string>{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                                        "psInsideFrame"}));

    // A plain list without items keeps one row.
    Edit->SetPopupClass(TPopupListBox::StaticClass());
    auto* Plain = static_cast<TPopupListBox*>(Edit->Popup());
    Plain->HandleNeeded();
    Plain->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
    EXPECT_EQ(Plain->ClientHeight(), Plain->ItemHeight());
    // It picks the first item that starts with the text, in any case.
    Plain->Items()->SetText("Alpha\r\nBeta\r\nBravo\r\nBrown\r\n");
    Plain->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("br"));
    EXPECT_EQ(TextOf(Plain), "Bravo");
}

TEST(PopupLists, PaintedValueEditsReadTheirText) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    auto* Edit = new TCustomZelEdit(Form.get());
    Edit->SetParent(Form.get());
    Form->HandleNeeded();

    Edit->SetEditClass(TCheckEdit::StaticClass());
    auto* Check = static_cast<TCheckEdit*>(Edit->Edit());
    for (const char* True : {"True", "Yes", "T"}) {
        Edit->SetText("False");
        Edit->SetText(True);
        EXPECT_TRUE(Check->Value()) << True;
    }
    // An empty text, or any other first letter, is False.
    for (const char* False : {"", "true", "No"}) {
        Check->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("True"));
        Check->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(False));
        EXPECT_FALSE(Check->Value()) << '"' << False << '"';
    }
    EXPECT_EQ(Edit->GetText(), "False");
    Edit->SetReadOnly(true);
    Check->Toggle();
    EXPECT_FALSE(Check->Value());

    Edit->SetEditClass(TColorEdit::StaticClass());
    EXPECT_EQ(Edit->GetText(), "clBlack");
    Edit->SetText("clRed");
    EXPECT_THROW(Edit->SetText("clNoSuchColour"), EConvertError);
    EXPECT_EQ(Edit->GetText(), "clRed");
}

namespace {
// The colour PaintValueMessage leaves at (X, Y) of a 60 x 20 area.
COLORREF PaintedPixel(TWinControl* Painter, int X, int Y) {
    HDC Screen = GetDC(nullptr);
    HDC DC = CreateCompatibleDC(Screen);
    HBITMAP Bitmap = CreateCompatibleBitmap(Screen, 60, 20);
    HGDIOBJ Old = SelectObject(DC, Bitmap);
    Painter->Perform(PaintValueMessage, reinterpret_cast<WPARAM>(DC), MAKELPARAM(0, 0));
    const COLORREF Pixel = GetPixel(DC, X, Y);
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
    ReleaseDC(nullptr, Screen);
    return Pixel;
}
}  // namespace

TEST(PopupLists, ACheckEditShowsItsValueBesideTheBox) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    auto* Edit = new TCustomZelEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetBounds(0, 0, 60, 20);
    Edit->SetEditClass(TCheckEdit::StaticClass());
    auto* Check = static_cast<TCheckEdit*>(Edit->Edit());
    Check->SetBounds(0, 0, 60, 20);
    // "False" in the window's text colour, right of the box.
    const COLORREF Ink = ColorToRGB(clWindowText);
    bool Written = false;
    for (int Y = 2; Y < 18 && !Written; ++Y)
        for (int X = CheckBoxGlyphHeight() + 5; X < 58 && !Written; ++X) Written = PaintedPixel(Check, X, Y) == Ink;
    EXPECT_TRUE(Written);
}

TEST(PopupLists, StyleEditsPaintTheNamedStyle) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    auto* Edit = new TCustomZelEdit(Form.get());
    Edit->SetParent(Form.get());
    Form->HandleNeeded();

    Edit->SetEditClass(TPenStyleEdit::StaticClass());
    Edit->Edit()->SetBounds(0, 0, 60, 20);
    EXPECT_EQ(Edit->GetText(), "psSolid");
    EXPECT_EQ(PaintedPixel(static_cast<TWinControl*>(Edit->Edit()), 30, 10), RGB(0, 0, 0));
    Edit->SetText("psClear");
    EXPECT_NE(PaintedPixel(static_cast<TWinControl*>(Edit->Edit()), 30, 10), RGB(0, 0, 0));

    Edit->SetEditClass(TBrushStyleEdit::StaticClass());
    Edit->Edit()->SetBounds(0, 0, 60, 20);
    EXPECT_EQ(Edit->GetText(), "bsSolid");
    EXPECT_EQ(PaintedPixel(static_cast<TWinControl*>(Edit->Edit()), 12, 10), RGB(0, 0, 0));
    // The clear style shows as a tip-coloured sample, not as nothing.
    Edit->SetText("bsClear");
    EXPECT_EQ(PaintedPixel(static_cast<TWinControl*>(Edit->Edit()), 12, 10), ColorToRGB(clInfoBk));
}

TEST(PopupLists, ColumnsGrowToTheWidestFieldUnlessSized) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    auto* List = new TZelListBox(Form.get());
    List->SetParent(Form.get());
    List->SetColumned(true);
    List->HandleNeeded();
    EXPECT_TRUE(GetWindowLongPtrA(List->Handle(), GWL_STYLE) & LBS_OWNERDRAWFIXED);
    List->Items()->Add("a|x");
    const int Narrow = List->ColumnWidth(0);
    List->Items()->Add("a much longer ~first~ field|x");
    const int Wide = List->ColumnWidth(0);
    EXPECT_GT(Wide, Narrow);
    EXPECT_GT(List->ColumnWidth(1), 0) << Narrow << " " << Wide;
    // Widths only grow: rows drawn already stay aligned.
    List->Items()->Delete(1);
    EXPECT_EQ(List->ColumnWidth(0), Wide);
    static_cast<TZelListBoxColumn*>(List->Columns()->Add())->SetColumnSize(50);
    EXPECT_EQ(List->ColumnWidth(0), 50);
}
