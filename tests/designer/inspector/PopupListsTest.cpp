#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/PopupLists.h"
#include "designer/inspector/ZelEdit.h"
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
