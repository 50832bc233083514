#include <gtest/gtest.h>

#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"
#include "framework/rtl/Exceptions.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/Pump.h"

namespace {
class PropEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 400, 200);
        Target = new TEdit(Form);
        Target->SetName("Target");
        Target->SetParent(Form);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    TZelPropEditor* AddEditor(const std::string& PropName) {
        auto* E = new TZelPropEditor(Form);
        E->SetParent(Form);
        E->SetTop(40);
        E->SetComponent(Target);
        E->SetPropName(PropName);
        return E;
    }
    TForm* Form = nullptr;
    TEdit* Target = nullptr;
};
}  // namespace

TEST_F(PropEditTest, DottedPathBindsToTheSubPropertyInAnyCase) {
    Target->Font()->SetName("Arial");
    TZelPropEditor* Name = AddEditor("font.NAME");
    ASSERT_NE(Name->PropEditor(), nullptr);
    EXPECT_EQ(Name->GetText(), "Arial");
    Name->SetText("Courier New");
    EXPECT_EQ(Target->Font()->Name(), "Courier New");

    // The whole object shows as its type and is read-only.
    TZelPropEditor* Font = AddEditor("Font");
    EXPECT_EQ(Font->GetText(), "(TFont)");
    EXPECT_TRUE(Font->GetReadOnly());

    // A path that matches nothing leaves the edit unbound and empty.
    TZelPropEditor* Nothing = AddEditor("Font.Nowhere");
    EXPECT_EQ(Nothing->PropEditor(), nullptr);
    EXPECT_EQ(Nothing->GetText(), "");
}

TEST_F(PropEditTest, CommitAnnouncesAndRefreshesEditsOfTheSameComponent) {
    TZelPropEditor* First = AddEditor("Hint");
    TZelPropEditor* Second = AddEditor("Hint");
    First->SetFocus();
    Pump();
    SendMessageA(static_cast<TWinControl*>(First->Edit())->Handle(), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("typed"));
    PressKey(static_cast<TWinControl*>(First->Edit())->Handle(), VK_RETURN);
    EXPECT_EQ(Target->Hint(), "typed");
    EXPECT_EQ(Second->GetText(), "typed");
}

TEST_F(PropEditTest, EveryCycleOfLinkedEditsIsRefused) {
    TZelPropEditor* A = AddEditor("Hint");
    TZelPropEditor* B = AddEditor("Name");
    TZelPropEditor* C = AddEditor("Tag");
    try {
        A->SetLinkedEditor(A);
        FAIL() << "linked to itself";
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message, "Can't be linked to itself");
    }
    B->SetLinkedEditor(A);
    C->SetLinkedEditor(B);
    EXPECT_THROW(A->SetLinkedEditor(C), Exception);
    EXPECT_EQ(A->LinkedEditor(), nullptr);

    // A linked edit uses the component of the edit it links to.
    auto* Other = new TEdit(Form);
    Other->SetName("Other");
    A->SetComponent(Other);
    EXPECT_EQ(C->Component(), Other);
    EXPECT_EQ(C->GetText(), "0");
    EXPECT_EQ(B->GetText(), "Other");
}

TEST_F(PropEditTest, TypesPickTheirDropDownsAndValueListsCycleWithinBounds) {
    // The designer library's start-up registers the colour editor.
    RegisterPropertyEditor(QRN_TYPE(TColor), nullptr, "", PropertyEditorClass<TColorProperty>());
    TZelPropEditor* Color = AddEditor("Color");
    EXPECT_TRUE(dynamic_cast<TPopupColorBox*>(Color->Popup()));
    EXPECT_TRUE(Color->Button1()->Visible());
    TZelPropEditor* Enabled = AddEditor("Enabled");
    EXPECT_EQ(Enabled->Popup(), nullptr);

    Enabled->SetFocus();
    Pump();
    HWND Inner = static_cast<TWinControl*>(Enabled->Edit())->Handle();
    EXPECT_EQ(Enabled->GetText(), "True");
    PressKey(Inner, VK_DOWN);
    EXPECT_EQ(Enabled->GetText(), "True");
    PressKey(Inner, VK_UP);
    EXPECT_EQ(Enabled->GetText(), "False");
    PressKey(Inner, VK_UP);
    EXPECT_EQ(Enabled->GetText(), "False");
    // Cycling only shows the value: Escape takes it back.
    EXPECT_TRUE(Target->Enabled());
    PressKey(Inner, VK_ESCAPE);
    EXPECT_EQ(Enabled->GetText(), "True");
}
