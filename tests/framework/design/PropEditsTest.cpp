// Property and component editors: registry precedence, editor groups, the
// selection's common properties, value texts and the default editor.
#include <gtest/gtest.h>

#include "framework/design/ComponentEditors.h"
#include "framework/design/DesignRegistration.h"
#include "framework/design/PropEdits.h"
#include "framework/rtl/StringList.h"
#include "framework/uicore/Colors.h"
#include "tests/framework/design/FakeDesigner.h"

bool TFakeDesigner::IsDesignMessage(TControl*, TMessage&) { return false; }

namespace {

class TPart : public TPersistent {
    QRN_CLASS(TPart, TPersistent)
public:
    int Size = 8;
};
QRN_PUBLISHED(TPart) { B.Prop("Size", &TPart::Size); }

class TWidget : public TComponent {
    QRN_CLASS(TWidget, TComponent)
public:
    explicit TWidget(TComponent* AOwner) : TComponent(AOwner) {}
    ~TWidget() override = default;
    int Width = 10;
    int Color = 0x0F;
    char Letter = 'A';
    std::string Caption;
    TPart* Part() const { return FPart.get(); }
    TStrings* Lines() const { return FLines.get(); }
    TWidget* Buddy = nullptr;
    TNotifyEvent OnClick, OnChange;

private:
    std::unique_ptr<TPart> FPart = std::make_unique<TPart>();
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
};
QRN_PUBLISHED(TWidget) {
    B.Prop("Width", &TWidget::Width);
    B.Prop("Color", &TWidget::Color).Type(QRN_TYPE(TColor));
    B.Prop("Letter", &TWidget::Letter);
    B.Prop("Caption", &TWidget::Caption).Type(QRN_TYPE(TCaption));
    B.Prop("Part", &TWidget::Part);
    B.Prop("Lines", &TWidget::Lines);
    B.Prop("Buddy", &TWidget::Buddy);
    B.Event("OnClick", &TWidget::OnClick);
    B.Event("OnChange", &TWidget::OnChange);
}

// A descendant without Width, with a Caption of another type.
class TGadget : public TComponent {
    QRN_CLASS(TGadget, TComponent)
public:
    explicit TGadget(TComponent* AOwner) : TComponent(AOwner) {}
    int Color = 0;
    int Caption = 0;
};
QRN_PUBLISHED(TGadget) {
    B.Prop("Color", &TGadget::Color).Type(QRN_TYPE(TColor));
    B.Prop("Caption", &TGadget::Caption);
}

class TRedWidget : public TWidget {
    QRN_CLASS(TRedWidget, TWidget)
public:
    using TWidget::TWidget;
};
QRN_PUBLISHED(TRedWidget) {}

class TMarkedString : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
};
class TMarkedCaption : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
};
class TMarkedClass : public TClassProperty {
public:
    using TClassProperty::TClassProperty;
};
class TWidgetEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
};

// Each test registers in a group of its own and drops it at the end.
class Editors : public ::testing::Test {
protected:
    void SetUp() override {
        Group = NewEditorGroup();
        RegisterPropertyEditor(TTypeInfoOf<TComponent*>::Get(), nullptr, "", PropertyEditorClass<TComponentProperty>());
        Designer.Root = &Root;
        W1 = new TWidget(&Root);
        W1->SetName("Widget1");
        W2 = new TRedWidget(&Root);
        W2->SetName("Widget2");
    }
    void TearDown() override { FreeEditorGroup(Group); }

    // Name + "=" + value text of every editor the selection lists.
    std::vector<std::string> Rows(std::initializer_list<TPersistent*> Selection, TTypeKinds Filter = tkProperties) {
        TDesignerSelectionList List;
        for (TPersistent* P : Selection) List.Add(P);
        std::vector<std::string> Result;
        GetComponentProperties(List, Filter, &Designer,
                               [&](std::unique_ptr<TPropertyEditor> E) { Result.push_back(E->GetName() + "=" + E->GetValue()); });
        return Result;
    }
    std::unique_ptr<TPropertyEditor> EditorOf(TPersistent* Instance, const std::string& Name) {
        TDesignerSelectionList List;
        List.Add(Instance);
        std::unique_ptr<TPropertyEditor> Found;
        GetComponentProperties(List, tkAny, &Designer, [&](std::unique_ptr<TPropertyEditor> E) {
            if (E->GetName() == Name) Found = std::move(E);
        });
        return Found;
    }

    int Group = 0;
    TComponent Root{nullptr};
    TFakeDesigner Designer;
    TWidget* W1 = nullptr;
    TWidget* W2 = nullptr;
};

}  // namespace

TEST_F(Editors, LookupPrefersNameThenComponentClassThenExactTypeThenNewest) {
    const TPropInfo* Caption = W1->ClassType()->FindProperty("Caption");
    const TPropInfo* Lines = W1->ClassType()->FindProperty("Lines");
    // Nothing registered: the editor of the kind.
    EXPECT_TRUE(dynamic_cast<TStringProperty*>(GetEditorClass(Caption, W1)->Create(&Designer, 1).get()));
    EXPECT_TRUE(dynamic_cast<TClassProperty*>(GetEditorClass(Lines, W1)->Create(&Designer, 1).get()));
    // A plain string editor does not cover the named type TCaption.
    RegisterPropertyEditor(TTypeInfoOf<std::string>::Get(), nullptr, "", PropertyEditorClass<TMarkedString>());
    EXPECT_NE(GetEditorClass(Caption, W1), PropertyEditorClass<TMarkedString>());
    RegisterPropertyEditor(QRN_TYPE(TCaption), nullptr, "", PropertyEditorClass<TMarkedCaption>());
    EXPECT_EQ(GetEditorClass(Caption, W1), PropertyEditorClass<TMarkedCaption>());
    // A named property beats a newer unnamed one; a component class beats none.
    RegisterPropertyEditor(QRN_TYPE(TCaption), nullptr, "Caption", PropertyEditorClass<TCaptionProperty>());
    RegisterPropertyEditor(QRN_TYPE(TCaption), nullptr, "", PropertyEditorClass<TMarkedString>());
    EXPECT_EQ(GetEditorClass(Caption, W1), PropertyEditorClass<TCaptionProperty>());
    RegisterPropertyEditor(QRN_TYPE(TCaption), TRedWidget::StaticClass(), "", PropertyEditorClass<TMarkedString>());
    EXPECT_EQ(GetEditorClass(Caption, W2), PropertyEditorClass<TCaptionProperty>());
    RegisterPropertyEditor(QRN_TYPE(TCaption), TRedWidget::StaticClass(), "Caption", PropertyEditorClass<TMarkedCaption>());
    RegisterPropertyEditor(QRN_TYPE(TCaption), TComponent::StaticClass(), "Caption", PropertyEditorClass<TMarkedString>());
    EXPECT_EQ(GetEditorClass(Caption, W2), PropertyEditorClass<TMarkedCaption>());
    EXPECT_EQ(GetEditorClass(Caption, W1), PropertyEditorClass<TMarkedString>());
    // Class types: an ancestor's registration covers descendants; the
    // nearer class wins over a newer registration for a farther one.
    RegisterPropertyEditor(TTypeInfoOf<TStrings*>::Get(), nullptr, "", PropertyEditorClass<TMarkedClass>());
    RegisterPropertyEditor(TTypeInfoOf<TPersistent*>::Get(), nullptr, "", PropertyEditorClass<TClassProperty>());
    EXPECT_EQ(GetEditorClass(Lines, W1), PropertyEditorClass<TMarkedClass>());
    // Among equal matches the newest wins, and freeing its group brings
    // the older one back.
    const int Newer = NewEditorGroup();
    RegisterPropertyEditor(TTypeInfoOf<TStrings*>::Get(), nullptr, "", PropertyEditorClass<TClassProperty>());
    EXPECT_EQ(GetEditorClass(Lines, W1), PropertyEditorClass<TClassProperty>());
    static int Freed;
    Freed = -1;
    FreeEditorGroupHandler = [](int G) { Freed = G; };
    FreeEditorGroup(Newer);
    FreeEditorGroupHandler = nullptr;
    EXPECT_EQ(Freed, Newer);
    EXPECT_EQ(GetEditorClass(Lines, W1), PropertyEditorClass<TMarkedClass>());
}

TEST_F(Editors, SeveralComponentsShareOnlyCommonMultiSelectProperties) {
    EXPECT_EQ(Rows({W1}), (std::vector<std::string>{"Name=Widget1", "Tag=0", "Width=10", "Color=15", "Letter=A",
                                                     "Caption=", "Part=(TPart)", "Lines=(TStrings)", "Buddy="}));
    // A gadget shares Tag and Color (same type) but not Caption (another
    // type); the name is for one component only.
    RegisterPropertyEditor(QRN_TYPE(TComponentName), nullptr, "", PropertyEditorClass<TComponentNameProperty>());
    TGadget G(&Root);
    EXPECT_EQ(Rows({W1, &G}), (std::vector<std::string>{"Tag=0", "Color=15"}));
    EXPECT_EQ(Rows({W1}).front(), "Name=Widget1");
    // Events are listed only when asked for.
    EXPECT_EQ(Rows({W1, W2}, tkMethods), (std::vector<std::string>{"OnClick=", "OnChange="}));
}

TEST_F(Editors, ValueTextsAndSetting) {
    W1->Letter = '\t';
    W1->Buddy = W2;
    EXPECT_EQ(EditorOf(W1, "Letter")->GetValue(), "#9");
    EditorOf(W1, "Letter")->SetValue("#65");
    EXPECT_EQ(W1->Letter, 'A');
    EXPECT_EQ(EditorOf(W1, "Buddy")->GetValue(), "Widget2");
    EditorOf(W1, "Buddy")->SetValue("Widget1");
    EXPECT_EQ(W1->Buddy, W1);
    EXPECT_THROW(EditorOf(W1, "Buddy")->SetValue("Nobody"), EPropertyError);
    EXPECT_THROW(EditorOf(W1, "Width")->SetValue("ten"), EPropertyError);
    EXPECT_EQ(W1->Width, 10);
    EXPECT_GT(Designer.Modifications, 0);

    RegisterPropertyEditor(QRN_TYPE(TColor), nullptr, "", PropertyEditorClass<TColorProperty>());
    W1->Color = clBtnFace;
    EXPECT_EQ(EditorOf(W1, "Color")->GetValue(), "clBtnFace");
    EditorOf(W1, "Color")->SetValue("$00112233");
    EXPECT_EQ(EditorOf(W1, "Color")->GetValue(), "$00112233");

    // A sub-object's properties are sub-properties.
    std::vector<std::string> Parts;
    EditorOf(W1, "Part")->GetProperties([&](std::unique_ptr<TPropertyEditor> E) { Parts.push_back(E->GetName()); });
    EXPECT_EQ(Parts, std::vector<std::string>{"Size"});
}

TEST_F(Editors, DefaultEditorMakesTheHandlerOfTheBestEvent) {
    // OnChange ranks above OnClick, whatever their order.
    GetComponentEditor(W1, &Designer)->Edit();
    EXPECT_EQ(Designer.CreatedMethods, std::vector<std::string>{"Widget1Change"});
    EXPECT_EQ(Designer.ShownMethods, std::vector<std::string>{"Widget1Change"});
    EXPECT_EQ(W1->OnChange.Name, "Widget1Change");
    // A second edit goes to the existing handler.
    GetComponentEditor(W1, &Designer)->Edit();
    EXPECT_EQ(Designer.CreatedMethods.size(), 1u);
    EXPECT_EQ(Designer.ShownMethods.size(), 2u);

    TWidget Unnamed(&Root);
    EXPECT_THROW(GetComponentEditor(&Unnamed, &Designer)->Edit(), EPropertyError);

    RegisterComponentEditor(TWidget::StaticClass(), ComponentEditorClass<TWidgetEditor>());
    EXPECT_TRUE(dynamic_cast<TWidgetEditor*>(GetComponentEditor(W2, &Designer).get()));
}

TEST(DesignRegistration, CallsTheInstalledHandlerOrRaises) {
    EXPECT_THROW(RegisterComponents("Standard", {TComponent::StaticClass()}), EComponentError);
    static std::string Seen;
    RegisterComponentsProc = [](const std::string& Page, const TComponentClasses& Classes) {
        Seen = Page + ":" + Classes.front()->Name();
    };
    RegisterComponents("Standard", {TComponent::StaticClass()});
    RegisterComponentsProc = nullptr;
    EXPECT_EQ(Seen, "Standard:TComponent");
}
