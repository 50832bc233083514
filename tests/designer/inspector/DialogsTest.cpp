#include <gtest/gtest.h>

#include <memory>

#include "designer/inspector/GlyphEditForm.h"
#include "designer/inspector/HistComponent.h"
#include "designer/inspector/InputLineForm.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/ReaderErrorDlg.h"
#include "designer/inspector/StringsEditForm.h"
#include "designer/support/win/FormOfClass.h"
#include "framework/controls/Clipboard.h"
#include "framework/controls/ModalHook.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/rtl/Exceptions.h"
#include "framework/stdctrls/ListCtrls.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/Pump.h"

namespace {
// Answers the next modal form with Result after Work has filled it.
template <class TFormClass, class F>
struct TAnswer {
    TAnswer(int Result, F Work)
        : Old(SetModalDialogHook([=](const TDialogRequest& R) -> std::optional<int> {
              if (R.Kind != dkModalForm) return std::nullopt;
              Work(dynamic_cast<TFormClass*>(R.Form));
              return Result;
          })) {}
    ~TAnswer() { SetModalDialogHook(Old); }
    TModalDialogHook Old;
};
}  // namespace

TEST(InspectorDialogs, ScaleDialogTurnsPercentIntoFactor) {
    double Factor = 0;
    {
        TAnswer<TInputLineForm, std::function<void(TInputLineForm*)>> A(1, [](TInputLineForm* F) {
            ASSERT_NE(F, nullptr);
            EXPECT_EQ(F->Caption(), "Scale");
            F->HandleNeeded();
            EXPECT_EQ(F->PropEdit->GetText(), "100");
            EXPECT_THROW(F->PropEdit->SetText("abc"), Exception);
            F->PropEdit->SetText("150");
        });
        EXPECT_TRUE(ShowScaleDialog(Factor));
    }
    EXPECT_DOUBLE_EQ(Factor, 1.5);
    TAnswer<TInputLineForm, std::function<void(TInputLineForm*)>> Cancel(2, [](TInputLineForm* F) {
        F->HandleNeeded();
        F->PropEdit->SetText("300");
    });
    EXPECT_FALSE(ShowScaleDialog(Factor));
    EXPECT_DOUBLE_EQ(Factor, 1.0);
}

TEST(InspectorDialogs, ReaderErrorAnswers) {
    bool Ignore = false, IgnoreAll = false;
    {
        TAnswer<TReaderErrorDlg, std::function<void(TReaderErrorDlg*)>> A(5, [](TReaderErrorDlg* D) {
            EXPECT_EQ(D->Caption(), "Error Reading Form");
            EXPECT_EQ(D->LerrMess->Caption().rfind("Property Foo does not exist.  Ignore the error and continue?", 0), 0u);
        });
        ReaderErrorCallback("Property Foo does not exist", Ignore, IgnoreAll);
    }
    EXPECT_TRUE(Ignore);
    EXPECT_TRUE(IgnoreAll);
    IgnoreAll = false;
    TAnswer<TReaderErrorDlg, std::function<void(TReaderErrorDlg*)>> Cancel(2, [](TReaderErrorDlg*) {});
    ReaderErrorCallback("Bad", Ignore, IgnoreAll);
    EXPECT_FALSE(Ignore);
    EXPECT_FALSE(IgnoreAll);
}

TEST(InspectorDialogs, StringListEditorGivesEverySelectedListTheLines) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    TDesignerSelectionList Selection;
    for (const char* Name : {"ListBox1", "ListBox2", "ListBox3"}) {
        auto* List = new TListBox(Form.get());
        List->SetName(Name);
        List->SetParent(Form.get());
        List->Items()->Add("old");
        Selection.Add(List);
    }
    std::unique_ptr<TPropertyEditor> Items;
    InitInspectorUnits();
    GetComponentProperties(Selection, tkProperties, nullptr, [&](std::unique_ptr<TPropertyEditor> E) {
        if (E->GetName() == "Items") Items = std::move(E);
    });
    ASSERT_NE(Items, nullptr);
    EXPECT_EQ(Items->GetValue(), "(TStrings)");

    TAnswer<TStringsEditForm, std::function<void(TStringsEditForm*)>> A(1, [](TStringsEditForm* F) {
        EXPECT_EQ(F->Caption(), "Editing ListBox1.Items (1 lines)");
        EXPECT_FALSE(F->CodeButton->Enabled());
        F->HandleNeeded();
        F->Memo1->Lines()->SetText("one\r\ntw");
        SendMessageA(F->Memo1->Handle(), EM_SETSEL, 7, 7);
        SendMessageA(F->Memo1->Handle(), WM_CHAR, 'o', 1);
        // The caption follows the line count while typing.
        EXPECT_EQ(F->Caption(), "Editing ListBox1.Items (2 lines)");
        EXPECT_EQ(F->ZelPropEditor1->GetText(), F->Memo1->Font()->Name());
    });
    Items->Edit();
    for (int I = 0; I < 3; ++I)
        EXPECT_EQ(static_cast<TListBox*>(Selection.Items(I))->Items()->Text(), "one\r\ntwo\r\n");
}

namespace {
// The window as the screen shows it, saved as a bitmap file.
void SaveWindowShot(HWND Wnd, const std::string& File) {
    RECT R{};
    GetWindowRect(Wnd, &R);
    TBitmap Shot;
    Shot.SetSize(R.right - R.left, R.bottom - R.top);
    HDC DC = GetWindowDC(Wnd);
    BitBlt(Shot.Canvas()->Handle(), 0, 0, R.right - R.left, R.bottom - R.top, DC, 0, 0, SRCCOPY);
    ReleaseDC(Wnd, DC);
    Shot.SaveToFile(File);
}

// A press and release of the left button over a windowless button.
void ClickButton(TSpeedButton* Button) {
    HWND Wnd = Button->Parent()->Handle();
    const LPARAM At = MAKELPARAM(Button->Left() + Button->Width() / 2, Button->Top() + Button->Height() / 2);
    PostMessageA(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, At);
    PostMessageA(Wnd, WM_LBUTTONUP, 0, At);
    Pump();
}
}  // namespace

TEST(InspectorDialogs, PictureEditorOpensCopiesClearsPastesAndStores) {
    InitInspectorUnits();
    TTestFolder Folder;
    TBitmap Source;
    Source.SetSize(48, 32);
    Source.Canvas()->Brush()->SetColor(clRed);
    Source.Canvas()->FillRect(TRect{0, 0, 48, 32});
    Source.Canvas()->Brush()->SetColor(clBlue);
    Source.Canvas()->Ellipse(8, 4, 40, 28);
    const std::string File = Folder / "picture.bmp";
    Source.SaveToFile(File);

    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    auto* Image = new TImage(Form.get());
    Image->SetName("Image1");
    std::unique_ptr<TPropertyEditor> Picture;
    TDesignerSelectionList Selection;
    Selection.Add(Image);
    GetComponentProperties(Selection, tkProperties, nullptr, [&](std::unique_ptr<TPropertyEditor> E) {
        if (E->GetName() == "Picture") Picture = std::move(E);
    });
    ASSERT_TRUE(dynamic_cast<TGlyphEdit*>(Picture.get()));
    EXPECT_EQ(Picture->GetValue(), "(TBitmap)");  // the property holds a picture object, empty or not

    std::string OfferedFilter;
    auto Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind == dkCommonDialog) {
            auto* Open = static_cast<TOpenDialog*>(R.Dialog);
            OfferedFilter = Open->Filter();
            Open->SetFileName(File);
            return 1;
        }
        if (R.Kind != dkModalForm) return std::nullopt;
        auto* F = dynamic_cast<TGlyphEditForm*>(R.Form);
        EXPECT_EQ(F->Caption(), "Image1.Picture");
        EXPECT_EQ(F->ClearButton->Hint(), "Clear");
        F->Show();
        Pump();
        ClickButton(F->OpenButton);
        EXPECT_EQ(F->Image->Picture()->Width(), 48);
        ClickButton(F->CopyButton);
        ClickButton(F->ClearButton);
        EXPECT_EQ(F->Image->Picture()->Graphic(), nullptr);
        ClickButton(F->PasteButton);
        EXPECT_EQ(F->Image->Picture()->Height(), 32);
        SaveWindowShot(F->Handle(), TestProgramFolder() + "GlyphEditForm.bmp");
        return 1;
    });
    Picture->Edit();
    SetModalDialogHook(Old);
    EXPECT_EQ(OfferedFilter, GraphicFilter());
    EXPECT_EQ(Image->Picture()->Width(), 48);
    EXPECT_TRUE(dynamic_cast<TBitmap*>(Image->Picture()->Graphic()));
}

TEST(InspectorDialogs, FormOfClassReadsItsDataOrIsAnEmptyForm) {
    EXPECT_TRUE(FormHasResource(TGlyphEditForm::StaticClass()));
    EXPECT_FALSE(FormHasResource(TForm::StaticClass()));
    std::unique_ptr<TCustomForm, TObjectFree> Glyph(CreateFormOfClass(TGlyphEditForm::StaticClass()));
    ASSERT_TRUE(dynamic_cast<TGlyphEditForm*>(Glyph.get()));
    EXPECT_NE(static_cast<TGlyphEditForm*>(Glyph.get())->Image, nullptr);
    EXPECT_EQ(Glyph->Owner(), nullptr);
    std::unique_ptr<TCustomForm, TObjectFree> Plain(CreateFormOfClass(TListBox::StaticClass()));
    EXPECT_EQ(Plain->ClassType(), TCustomForm::StaticClass());
    EXPECT_EQ(Plain->ComponentCount(), 0);
}

namespace {
class THistoryTestOwner : public TComponent, public THistoryOwner {
public:
    using TComponent::TComponent;
};
}  // namespace

TEST(InspectorDialogs, HistoryOfTheInspectorsStringGoesThroughItsOwner) {
    InitInspectorUnits();
    THistoryTestOwner Owner(nullptr);
    auto* Hist = new THistComponent(&Owner);
    TDesignerSelectionList Selection;
    Selection.Add(Hist);
    std::unique_ptr<TPropertyEditor> Prop;
    GetComponentProperties(Selection, tkProperties, nullptr, [&](std::unique_ptr<TPropertyEditor> E) {
        if (E->GetName() == "Prop") Prop = std::move(E);
    });
    auto* Edit = dynamic_cast<THistoryStringEdit2*>(Prop.get());
    ASSERT_NE(Edit, nullptr);
    EXPECT_EQ(Edit->GetHistoryKey(), "EditHistory\\Prop");  // no names: the inherited key
    Owner.HistoryKey = "Inspector\\Strings";
    EXPECT_EQ(Edit->GetHistoryKey(), "Inspector\\Strings");

    std::string Saved;
    Owner.OnLoadHistory = [](THistoryStringEdit2*, TStringList* History) { History->Add("loaded"); };
    Owner.OnSaveHistory = [&](THistoryStringEdit2*, TStringList* History) { Saved = History->Text(); };
    Edit->SetValue("typed");
    EXPECT_EQ(Hist->Prop(), "typed");
    EXPECT_EQ(Saved, "typed\r\nloaded\r\n");
}
