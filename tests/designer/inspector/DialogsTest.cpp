#include <gtest/gtest.h>

#include <memory>

#include "designer/inspector/InputLineForm.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/ReaderErrorDlg.h"
#include "designer/inspector/StringsEditForm.h"
#include "framework/controls/ModalHook.h"
#include "framework/rtl/Exceptions.h"
#include "framework/stdctrls/ListCtrls.h"
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
