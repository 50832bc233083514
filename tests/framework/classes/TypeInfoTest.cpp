#include <gtest/gtest.h>

#include <cstring>

#include "TestClasses.h"

namespace {
std::vector<std::string> PropNames(const TClass* C) {
    std::vector<std::string> R;
    for (const TPropInfo* P : C->Properties()) R.push_back(P->Name);
    return R;
}

struct TMsg {
    uint32_t Msg;
    int Result;
};

class TDispatcher : public TObject {
    QRN_CLASS(TDispatcher, TObject)
public:
    std::vector<std::string> Log;
    void WMOne(TMsg& M) {
        Log.push_back("one");
        M.Result = 1;
    }
    void DefaultHandler(void* Message) override {
        Log.push_back("default " + std::to_string(static_cast<TMsg*>(Message)->Msg));
    }
};

class TDerivedDispatcher : public TDispatcher {
    QRN_CLASS(TDerivedDispatcher, TDispatcher)
public:
    void WMOneAgain(TMsg& M) {
        Log.push_back("derived");
        DispatchInherited(TDerivedDispatcher::StaticClass(), &M);
    }
};
}  // namespace

QRN_PUBLISHED(TDispatcher) { B.Message(100, &TDispatcher::WMOne); }
QRN_PUBLISHED(TDerivedDispatcher) { B.Message(100, &TDerivedDispatcher::WMOneAgain); }

TEST(TypeInfo, ClassRecordsNameParentAndInheritance) {
    TTestPanel P(nullptr);
    EXPECT_EQ(P.ClassName(), "TTestPanel");
    EXPECT_EQ(P.ClassParent(), TTestComponent::StaticClass());
    EXPECT_TRUE(P.InheritsFrom(TComponent::StaticClass()));
    EXPECT_TRUE(P.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(P.InheritsFrom(TTestForm::StaticClass()));
    EXPECT_TRUE(P.ClassNameIs("ttestpanel"));
    EXPECT_EQ(TObject::StaticClass()->Parent(), nullptr);
}

TEST(TypeInfo, PropertiesAreListedBaseClassFirstInDeclarationOrder) {
    std::vector<std::string> Names = PropNames(TTestPanel::StaticClass());
    ASSERT_GE(Names.size(), 4u);
    EXPECT_EQ(Names[0], "Name");
    EXPECT_EQ(Names[1], "Tag");
    EXPECT_EQ(Names[2], "Number");
    EXPECT_EQ(Names[3], "Big");
    EXPECT_EQ(Names.back(), "OnKey");
    EXPECT_EQ(Names.size(), PropNames(TTestComponent::StaticClass()).size());
}

TEST(TypeInfo, RedeclaredPropertyKeepsItsPlace) {
    struct TDerived : TTestComponent {
        using TTestComponent::TTestComponent;
    };
    TClass C("TRedeclared", TTestComponent::StaticClass(), [](TClass& X) {
        TClassBuilder<TTestComponent> B(X);
        B.Prop("Number", &TTestComponent::Number).Default(5);
    });
    auto Names = PropNames(&C);
    EXPECT_EQ(Names, PropNames(TTestComponent::StaticClass()));
    EXPECT_EQ(C.FindProperty("Number")->Default, 5);
    EXPECT_EQ(C.FindProperty("Number")->DeclaringClass, &C);
}

TEST(TypeInfo, KindsAndNamedTypeIdentities) {
    const TClass* C = TTestComponent::StaticClass();
    EXPECT_EQ(C->FindProperty("Number")->Kind(), tkInteger);
    EXPECT_EQ(C->FindProperty("Big")->Kind(), tkInt64);
    EXPECT_EQ(C->FindProperty("Letter")->Kind(), tkChar);
    EXPECT_EQ(C->FindProperty("Shape")->Kind(), tkEnumeration);
    EXPECT_EQ(C->FindProperty("Enabled")->Kind(), tkEnumeration);
    EXPECT_EQ(C->FindProperty("Styles")->Kind(), tkSet);
    EXPECT_EQ(C->FindProperty("Ratio")->Kind(), tkFloat);
    EXPECT_EQ(C->FindProperty("Text")->Kind(), tkLString);  // std::string properties are long strings
    EXPECT_EQ(C->FindProperty("Font")->Kind(), tkClass);
    EXPECT_EQ(C->FindProperty("Link")->Kind(), tkClass);
    EXPECT_EQ(C->FindProperty("OnClick")->Kind(), tkMethod);

    const TTypeInfo* Color = C->FindProperty("Color")->PropType;
    EXPECT_EQ(Color->TypeName(), "TColor");
    EXPECT_NE(Color, TTypeInfoOf<int>::Get());
    EXPECT_TRUE(Color->IsA(TTypeInfoOf<int32_t>::Get()));
    EXPECT_EQ(C->FindProperty("Number")->PropType->TypeName(), "Integer");
    EXPECT_EQ(C->FindProperty("Caption")->PropType->TypeName(), "TCaption");
    EXPECT_EQ(C->FindProperty("Text")->PropType->TypeName(), "string");
    EXPECT_EQ(C->FindProperty("Name")->PropType->TypeName(), "TComponentName");
    EXPECT_EQ(C->FindProperty("Enabled")->PropType->TypeName(), "Boolean");
    EXPECT_EQ(C->FindProperty("Styles")->PropType->TypeName(), "TTestStyles");
    EXPECT_EQ(C->FindProperty("Font")->PropType->TypeName(), "TTestFont");
    EXPECT_EQ(C->FindProperty("Font")->PropType->ClassType(), TTestFont::StaticClass());
    EXPECT_EQ(C->FindProperty("OnClick")->PropType->TypeName(), "TNotifyEvent");
    EXPECT_NE(QRN_TYPE(TColor), QRN_TYPE(TCursor));
}

TEST(TypeInfo, NamedTypeMustStandOnThePropertysKind) {
    TClass C("TBad", TComponent::StaticClass(), nullptr);
    TPropInfo P;
    P.Name = "X";
    P.PropType = TTypeInfoOf<std::string>::Get();
    EXPECT_THROW(TPropBuilder(P).Type(QRN_TYPE(TColor)), EPropertyError);
}

TEST(TypeInfo, EnumerationAndSetNames) {
    const TTypeInfo* Shape = TTypeInfoOf<TTestShape>::Get();
    EXPECT_EQ(Shape->EnumNames, (std::vector<std::string>{"tsCircle", "tsSquare", "tsTriangle"}));
    EXPECT_EQ(GetEnumName(Shape, 2), "tsTriangle");
    EXPECT_EQ(GetEnumName(Shape, 3), "");
    EXPECT_EQ(GetEnumValue(Shape, "TSSQUARE"), 1);
    EXPECT_EQ(GetEnumValue(Shape, "tsHexagon"), -1);
    const TTypeInfo* Styles = TTypeInfoOf<TTestStyles>::Get();
    EXPECT_EQ(Styles->CompType(), TTypeInfoOf<TTestStyle>::Get());
    EXPECT_EQ(SetToString(Styles, 5, true), "[tyBold,tyUnderline]");
    EXPECT_EQ(StringToSet(Styles, "[tyItalic, tyUnderline]"), 6);
    EXPECT_EQ(StringToSet(Styles, "[]"), 0);
    EXPECT_THROW(StringToSet(Styles, "[tyBlink]"), EPropertyError);
    const TTypeInfo* State = TTypeInfoOf<TComponentState>::Get();
    EXPECT_EQ(GetEnumName(State->CompType(), csDesigning), "csDesigning");
}

TEST(TypeInfo, GetAndSetByKindAndByDottedPath) {
    TTestComponent C(nullptr);
    SetOrdProp(&C, "Number", 42);
    EXPECT_EQ(C.Number, 42);
    SetStrProp(&C, "Font.Name", "Arial");
    EXPECT_EQ(C.Font()->Name, "Arial");
    EXPECT_EQ(GetStrProp(&C, "font.name"), "Arial");
    SetOrdProp(&C, "Font.Size", 12);
    EXPECT_EQ(GetOrdProp(&C, "Font.Size"), 12);
    SetFloatProp(&C, "Ratio", 2.5);
    EXPECT_DOUBLE_EQ(C.Ratio, 2.5);
    EXPECT_EQ(GetObjectProp(&C, "Font"), C.Font());
    EXPECT_THROW(GetOrdProp(&C, "Font.Missing"), EPropertyError);
    EXPECT_THROW(GetOrdProp(&C, "Text"), EPropertyError);  // wrong kind
    EXPECT_THROW(SetObjectProp(&C, "Font", nullptr), EPropertyError);  // read-only
    EXPECT_TRUE(IsPublishedProp(&C, "Font.Style"));
    EXPECT_FALSE(IsPublishedProp(&C, "Number.Size"));
    EXPECT_EQ(PropType(&C, "Styles"), tkSet);
}

TEST(TypeInfo, TextualValuesForTheInspector) {
    TTestComponent C(nullptr);
    C.SetName("Comp");
    SetPropValue(&C, "Shape", "tsSquare");
    EXPECT_EQ(C.Shape, tsSquare);
    EXPECT_EQ(GetPropValue(&C, "Shape"), "tsSquare");
    SetPropValue(&C, "Styles", "[tyBold, tyItalic]");
    EXPECT_EQ(GetPropValue(&C, "Styles"), "[tyBold,tyItalic]");
    SetPropValue(&C, "Enabled", "False");
    EXPECT_FALSE(C.Enabled);
    SetPropValue(&C, "Number", "$10");
    EXPECT_EQ(C.Number, 16);
    SetPropValue(&C, "Letter", "Z");
    EXPECT_EQ(GetPropValue(&C, "Letter"), "Z");
    EXPECT_THROW(SetPropValue(&C, "Number", "12x"), EPropertyError);
    EXPECT_THROW(SetPropValue(&C, "Number", "99999999999"), EPropertyError);  // out of Integer
    EXPECT_THROW(SetPropValue(&C, "Shape", "tsOval"), EPropertyError);
    EXPECT_EQ(GetPropValue(&C, "Font"), "(TTestFont)");
    TTestComponent Other(nullptr);
    Other.SetName("Other");
    C.Link = &Other;
    EXPECT_EQ(GetPropValue(&C, "Link"), "Other");
}

TEST(TypeInfo, DefaultsAndStoredConditions) {
    TTestComponent C(nullptr);
    const TClass* K = C.ClassType();
    EXPECT_TRUE(IsDefaultPropValue(&C, K->FindProperty("Number")));
    EXPECT_TRUE(IsDefaultPropValue(&C, K->FindProperty("Letter")));
    EXPECT_FALSE(IsDefaultPropValue(&C, K->FindProperty("Big")));  // no default at all
    C.Letter = 'B';
    EXPECT_FALSE(IsDefaultPropValue(&C, K->FindProperty("Letter")));
    const TPropInfo* Hidden = K->FindProperty("Hidden");
    EXPECT_TRUE(Hidden->IsStored(&C));
    C.Visible = false;
    EXPECT_FALSE(Hidden->IsStored(&C));
    EXPECT_FALSE(K->FindProperty("Name")->IsStored(&C));
}

TEST(TypeInfo, EventsCarryTheHandlerNameAndTarget) {
    TTestForm Form(nullptr);
    auto* B = new TTestComponent(&Form);
    const THandlerInfo* H = Form.ClassType()->FindHandler("button1click");
    ASSERT_NE(H, nullptr);
    TMethod M{&Form, H->Name, H->Bind(&Form)};
    SetMethodProp(B, "OnClick", M);
    EXPECT_EQ(B->OnClick.Name, "Button1Click");
    EXPECT_EQ(B->OnClick.Data, &Form);
    B->OnClick(B);
    EXPECT_EQ(Form.Clicks, 1);
    TMethod Back = GetMethodProp(B, "OnClick");
    EXPECT_EQ(Back.Name, "Button1Click");
    // Renaming for the designer: the same handler under a new name.
    Back.Name = "OkClick";
    SetMethodProp(B, "OnClick", Back);
    B->OnClick(B);
    EXPECT_EQ(Form.Clicks, 2);
    EXPECT_EQ(B->OnClick.Name, "OkClick");
    // A handler of another signature is refused.
    EXPECT_THROW(SetMethodProp(B, "OnKey", M), EPropertyError);
    // A name-only handler (no code) is kept and harmless to call.
    SetMethodProp(B, "OnKey", TMethod{&Form, "KeyLater", {}});
    EXPECT_TRUE(static_cast<bool>(B->OnKey));
    int K = 5;
    B->OnKey(B, K);
    EXPECT_EQ(K, 5);
}

TEST(ClassRegistry, CreatesRegisteredClassesByName) {
    RegisterTestClasses();
    RegisterTestClasses();  // twice is harmless
    EXPECT_EQ(FindClass("ttestpanel"), TTestPanel::StaticClass());
    EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
    try {
        FindClass("TNoSuchClass");
        FAIL();
    } catch (const EClassNotFound& E) {
        EXPECT_EQ(E.Message, "Class TNoSuchClass not found");
    }
    TComponent Owner(nullptr);
    TComponent* C = FindClass("TTestPanel")->CreateComponent(&Owner);
    EXPECT_EQ(C->ClassName(), "TTestPanel");
    EXPECT_EQ(C->Owner(), &Owner);
    EXPECT_NE(dynamic_cast<TTestPanel*>(C), nullptr);
    // A different class under a registered name is refused.
    TClass Impostor("TTestPanel", TComponent::StaticClass(), nullptr);
    EXPECT_THROW(RegisterClass(&Impostor), EFilerError);
    UnRegisterClass(TTestControl::StaticClass());
    EXPECT_EQ(GetClass("TTestControl"), nullptr);
    RegisterClass(TTestControl::StaticClass());
}

TEST(Dispatch, ByMessageNumberWithDefaultHandlerAndInheritance) {
    TDispatcher D;
    TMsg M{100, 0};
    D.Dispatch(&M);
    EXPECT_EQ(M.Result, 1);
    TMsg Other{7, 0};
    D.Dispatch(&Other);
    EXPECT_EQ(D.Log, (std::vector<std::string>{"one", "default 7"}));
    TDerivedDispatcher E;
    TMsg N{100, 0};
    E.Dispatch(&N);
    EXPECT_EQ(E.Log, (std::vector<std::string>{"derived", "one"}));
    EXPECT_EQ(N.Result, 1);
    // A plain object sends everything to DefaultHandler (which ignores it).
    TObject O;
    O.Dispatch(&M);
}
