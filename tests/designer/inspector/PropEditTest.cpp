#include <gtest/gtest.h>

#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/MultiSelectPropEdit.h"
#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"
#include "designer/support/EditorClassRegistry.h"
#include "designer/support/MessageBus.h"
#include "designer/support/PCNotifiers.h"
#include "designer/support/win/FDesigner.h"
#include "framework/menus/Menus.h"
#include "framework/stdctrls/ExtCtrls.h"
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

TEST_F(PropEditTest, CommitsAndRefreshesUseTheBusListOfModifiedObjects) {
    // The library's start listens for modified objects as lists.
    CreatePCNotifiers();
    std::vector<TPersistent*> Modified;
    PCNotifiers()->Add(Target, [&](TPersistent* P) { Modified.push_back(P); });
    TZelPropEditor* Size = AddEditor("Font.Size");
    HWND Inner = static_cast<TWinControl*>(Size->Edit())->Handle();
    Size->SetFocus();
    Pump();
    SendMessageA(Inner, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("14"));
    PressKey(Inner, VK_RETURN);
    EXPECT_EQ(Target->Font()->Size(), 14);
    EXPECT_EQ(Modified, std::vector<TPersistent*>{Target});
    FreePCNotifiers();

    // A change the designer reports shows in the bound edit.
    Target->Font()->SetSize(20);
    TFDesigner Designer;
    Designer.SetForm(Form);
    Designer.SelectSingle(Target);
    Designer.NotifyModified();
    char Shown[16] = {};
    GetWindowTextA(Inner, Shown, sizeof(Shown));
    EXPECT_STREQ(Shown, "20");
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

namespace {
std::unique_ptr<TPropertyEditor> EditorOf(TPersistent* Component, const std::string& Name) {
    TDesignerSelectionList Selection;
    Selection.Add(Component);
    std::unique_ptr<TPropertyEditor> Found;
    GetComponentProperties(Selection, tkProperties, nullptr, [&](std::unique_ptr<TPropertyEditor> E) {
        if (E->GetName() == Name) Found = std::move(E);
    });
    return Found;
}
}  // namespace

TEST_F(PropEditTest, EditAndPopupClassesComeFromTheSupportRegistries) {
    InitInspectorUnits();
    const std::pair<const char*, std::pair<const TClass*, const TClass*>> Expected[] = {
        {"Enabled", {TCheckEdit::StaticClass(), nullptr}},  // a Boolean row has no drop-down
        {"Hint", {TZelSimpleEdit::StaticClass(), TPopupListBox::StaticClass()}},
        {"Tag", {TZelSimpleEdit::StaticClass(), TPopupListBox::StaticClass()}},
    };
    for (const auto& [Name, Classes] : Expected) {
        auto Editor = EditorOf(Target, Name);
        ASSERT_NE(Editor, nullptr) << Name;
        EXPECT_EQ(EditClassForEditor(Editor.get()), Classes.first) << Name;
        EXPECT_EQ(PopupClassForEditor(Editor.get()), Classes.second) << Name;
    }
    EXPECT_EQ(EditClassFor(TTypeInfoOf<TPenStyle>::Get(), nullptr, ""), TPenStyleEdit::StaticClass());
    EXPECT_EQ(PopupClassFor(TTypeInfoOf<TBrushStyle>::Get(), nullptr, ""), TPopupBrushBox::StaticClass());
    // A descendant of a registered class type takes its entry.
    EXPECT_EQ(EditClassFor(TTypeInfoOf<TBitmap*>::Get(), nullptr, ""), TImageEdit::StaticClass());

    // A package's newer entry wins while the package is loaded and is gone with it.
    const int Group = NewEditorGroup();
    RegisterEditClass(TTypeInfoOf<bool>::Get(), TEdit::StaticClass(), "Enabled", TColorEdit::StaticClass());
    auto Enabled = EditorOf(Target, "Enabled");
    EXPECT_EQ(EditClassForEditor(Enabled.get()), TColorEdit::StaticClass());
    EXPECT_EQ(EditClassFor(TTypeInfoOf<bool>::Get(), Form, "Enabled"), TCheckEdit::StaticClass());
    FreeEditorGroup(Group);
    BroadcastToListeners(nullptr, ModuleUnloadingMessage, Group, 0);
    EXPECT_EQ(EditClassForEditor(Enabled.get()), TCheckEdit::StaticClass());
}

TEST_F(PropEditTest, ADesignerListsTheComponentsAndTheUsersButtonHandlerStays) {
    auto* Menu = new TPopupMenu(Form);
    Menu->SetName("PopupMenu1");
    TZelPropEditor* E = AddEditor("PopupMenu");
    ASSERT_NE(E->PropEditor(), nullptr);
    std::vector<std::string> Values;
    E->PropEditor()->GetValues([&](const std::string& S) { Values.push_back(S); });
    EXPECT_EQ(Values, std::vector<std::string>{"PopupMenu1"});

    // A double click runs the property editor's dialog: a list steps on.
    TZelPropEditor* Align = AddEditor("Align");
    HWND Inner = static_cast<TWinControl*>(Align->Edit())->Handle();
    PostMessageA(Inner, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    Pump();
    EXPECT_EQ(Target->Align(), alTop);

    // A refresh keeps the handler the user gave the first button.
    TZelPropEditor* Named = AddEditor("Hint");
    Named->SetButton1Kind(bkEllipsis);
    int Clicks = 0;
    Named->SetOnButton1Click(TNotifyEvent([&](TObject*) { ++Clicks; }));
    Named->SetPropName("Name");
    Named->Button1()->Click();
    EXPECT_EQ(Clicks, 1);
}

TEST_F(PropEditTest, MultiSelectionAnswersForEveryComponent) {
    auto* Second = new TEdit(Form);
    Second->SetName("Second");
    Target->SetHint("same");
    Second->SetHint("same");
    TMultiSelectPropEdit Multi(nullptr);
    Multi.Add(EditorOf(Target, "Hint"));
    Multi.Add(EditorOf(Second, "Hint"));
    EXPECT_EQ(Multi.GetName(), "Hint");
    EXPECT_TRUE(Multi.AllEqual());
    Multi.SetValue("both");
    EXPECT_EQ(Target->Hint(), "both");
    EXPECT_EQ(Second->Hint(), "both");
    Second->SetHint("other");
    EXPECT_FALSE(Multi.AllEqual());
    // The group is looked up by its first editor's type.
    EXPECT_EQ(Multi.GetPropType(), TTypeInfoOf<std::string>::Get());
    EXPECT_EQ(PopupClassForEditor(&Multi), TPopupListBox::StaticClass());
}

TEST_F(PropEditTest, PictureRowsPaintTheEditedGraphic) {
    InitInspectorUnits();
    auto* Image = new TImage(Form);
    Image->SetName("Image1");
    Image->SetParent(Form);
    Image->Picture()->Bitmap()->SetSize(6, 4);
    auto* E = new TZelPropEditor(Form);
    E->SetParent(Form);
    E->SetComponent(Image);
    E->SetPropName("Picture");
    auto* Painter = dynamic_cast<TPictureEdit*>(E->Edit());
    ASSERT_NE(Painter, nullptr);
    EXPECT_EQ(Painter->GetGraphic(), Image->Picture()->Graphic());
    EXPECT_EQ(E->GetText(), "(TBitmap)");
    // The picture editor opens from the dots button.
    EXPECT_TRUE(E->Button1()->Visible());
    EXPECT_EQ(E->Button1Params()->Kind(), bkDots);
}
