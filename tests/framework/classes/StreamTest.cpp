#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "TestClasses.h"
#include "framework/classes/FormResource.h"
#include "framework/classes/FormText.h"

namespace {

std::string Bytes(TMemoryStream& S) {
    return std::string(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size()));
}

std::string Binary(TComponent* Root, TComponent* Ancestor = nullptr) {
    TMemoryStream S;
    TWriter W(&S);
    W.WriteDescendent(Root, Ancestor);
    return Bytes(S);
}

std::string Text(TComponent* Root, TComponent* Ancestor = nullptr) { return ObjectBinaryToText(Binary(Root, Ancestor)); }

TComponent* ReadBinary(const std::string& Data, TComponent* Root = nullptr,
                       const std::function<void(TReader&)>& Setup = {}) {
    TStringStream S(Data);
    TReader R(&S);
    if (Setup) Setup(R);
    return R.ReadRootComponent(Root);
}

template <class T>
std::unique_ptr<T, TObjectFree> Owned(T* P) {
    return std::unique_ptr<T, TObjectFree>(P);
}

class Stream : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestClasses(); }
};

void FillEveryKind(TTestComponent* C) {
    C->Number = -70000;
    C->Big = int64_t{1} << 40;
    C->Letter = 'q';
    C->Shape = tsTriangle;
    C->Enabled = false;
    C->Styles = TTestStyles{tyBold, tyUnderline};
    C->Ratio = 0.1;
    C->Scale = 1.5f;
    C->Price = 12.3456;
    C->When = 36526.5;
    C->Text = std::string(300, 'x') + "'end'";
    C->Caption = "Line1\r\nLine2";
    C->Color = 0x00FF00;
    C->Visible = false;
    C->Hidden = 9;  // not stored: Visible is false
    C->Font()->Name = "Courier";
    C->Font()->Style = TTestStyles{tyItalic};
    C->Lines()->Add("one");
    C->Lines()->Add("two");
    auto* I = static_cast<TTestItem*>(C->Columns()->Add());
    I->Width = 40;
    I->Caption = "First";
    C->Columns()->Add();
    C->Extra = 77;
    C->Blob = std::string("\x00\x01\xFF", 3);
}

}  // namespace

TEST_F(Stream, IntegersUseTheSmallestType) {
    TMemoryStream S;
    TWriter W(&S);
    for (int64_t V : {int64_t{0}, int64_t{-128}, int64_t{127}, int64_t{128}, int64_t{-32768}, int64_t{40000},
                      int64_t{INT32_MIN}, int64_t{INT32_MAX} + 1})
        W.WriteInteger(V);
    const uint8_t* P = static_cast<const uint8_t*>(S.Memory());
    std::vector<uint8_t> Types;
    size_t Off = 0;
    const size_t Sizes[] = {0, 0, 1, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};
    while (Off < static_cast<size_t>(S.Size())) {
        Types.push_back(P[Off]);
        Off += 1 + Sizes[P[Off]];
    }
    EXPECT_EQ(Types, (std::vector<uint8_t>{2, 2, 2, 3, 3, 4, 4, 19}));
    S.SetPosition(0);
    TReader R(&S);
    EXPECT_EQ(R.ReadInteger(), 0);
    EXPECT_EQ(R.ReadInteger(), -128);
    EXPECT_EQ(R.ReadInteger(), 127);
    EXPECT_EQ(R.ReadInteger(), 128);
    EXPECT_EQ(R.ReadInteger(), -32768);
    EXPECT_EQ(R.ReadInt64(), 40000);
    EXPECT_EQ(R.ReadInteger(), INT32_MIN);
    EXPECT_THROW(R.ReadInteger(), EReadError);  // does not fit
}

TEST_F(Stream, EveryValueTypeRoundTrips) {
    TMemoryStream S;
    TWriter W(&S);
    W.WriteListBegin();
    W.WriteString("short");
    W.WriteString(std::string(256, 'L'));
    W.WriteFloat(3.25);
    W.WriteSingle(0.5f);
    W.WriteCurrency(-7.1234);
    W.WriteDate(45000.25);
    W.WriteDouble(1e300);
    W.WriteBoolean(true);
    W.WriteBoolean(false);
    W.WriteIdent("clRed");
    W.WriteIdent("nil");
    W.WriteChar('z');
    W.WriteSet({"a", "b"});
    W.WriteBinary("\x01\x02", 2);
    W.WriteUTF8String("caf\xC3\xA9");
    W.WriteListEnd();
    S.SetPosition(0);
    TReader R(&S);
    R.ReadListBegin();
    EXPECT_EQ(R.ReadString(), "short");
    EXPECT_EQ(R.NextValue(), TValueType::vaLString);
    EXPECT_EQ(R.ReadString(), std::string(256, 'L'));
    EXPECT_EQ(R.NextValue(), TValueType::vaExtended);
    EXPECT_EQ(R.ReadFloat(), 3.25);
    EXPECT_EQ(R.ReadSingle(), 0.5f);
    EXPECT_DOUBLE_EQ(R.ReadCurrency(), -7.1234);
    EXPECT_EQ(R.NextValue(), TValueType::vaDate);
    EXPECT_EQ(R.ReadDate(), 45000.25);
    EXPECT_EQ(R.ReadFloat(), 1e300);
    EXPECT_TRUE(R.ReadBoolean());
    EXPECT_FALSE(R.ReadBoolean());
    EXPECT_EQ(R.ReadIdent(), "clRed");
    EXPECT_EQ(R.NextValue(), TValueType::vaNil);
    EXPECT_EQ(R.ReadIdent(), "nil");
    EXPECT_EQ(R.ReadChar(), 'z');
    EXPECT_EQ(R.ReadSet(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(R.NextValue(), TValueType::vaBinary);
    R.SkipValue();
    EXPECT_EQ(R.ReadString(), "caf\xE9");  // UTF-8 comes back as ANSI
    EXPECT_TRUE(R.EndOfList());
    R.ReadListEnd();
    EXPECT_EQ(R.Position(), S.Size());
}

TEST_F(Stream, ExtendedFloatsKeepTheirValue) {
    for (double V : {0.0, -0.0, 1.0, -2.5, 0.1, 1e-310, 1.7976931348623157e308, 123456789.125}) {
        TMemoryStream S;
        TWriter(&S).WriteFloat(V);
        ASSERT_EQ(S.Size(), 11);
        S.SetPosition(0);
        EXPECT_EQ(TReader(&S).ReadFloat(), V) << V;
    }
    // 1.0 as x87 extended: mantissa 8000000000000000, exponent 3FFF.
    TMemoryStream S;
    TWriter(&S).WriteFloat(1.0);
    const uint8_t* P = static_cast<const uint8_t*>(S.Memory());
    EXPECT_EQ(P[8], 0x80);
    EXPECT_EQ(P[9], 0xFF);
    EXPECT_EQ(P[10], 0x3F);
}

TEST_F(Stream, WideStringsAreReadAsAnsi) {
    TMemoryStream S;
    const uint8_t Data[] = {18, 3, 0, 0, 0, 'a', 0, 0xAC, 0x20, 0xE9, 0x00};
    S.WriteBuffer(Data, sizeof Data);
    S.SetPosition(0);
    EXPECT_EQ(TReader(&S).ReadString(), "a\x80\xE9");
}

TEST_F(Stream, ComponentTreeWithEveryValueKindRoundTrips) {
    auto Form = Owned(new TTestForm(nullptr));
    Form->SetName("Form1");
    auto* B1 = new TTestComponent(Form.get());
    B1->SetName("Button1");
    FillEveryKind(B1);
    auto* B2 = new TTestComponent(Form.get());
    B2->SetName("Button2");
    B1->Link = B2;  // a forward reference
    B2->Link = B1;
    B1->OnClick = TNotifyEvent(Form.get(), &TTestForm::Button1Click, "Button1Click");
    B2->OnKey = TTestKeyEvent(Form.get(), &TTestForm::EditKey, "EditKey");
    std::string Data = Binary(Form.get());

    auto Copy = Owned(dynamic_cast<TTestForm*>(ReadBinary(Data)));
    ASSERT_NE(Copy, nullptr);
    EXPECT_EQ(Copy->Name(), "Form1");
    ASSERT_EQ(Copy->ComponentCount(), 2);
    auto* C1 = Copy->Button1;
    auto* C2 = Copy->Button2;
    ASSERT_NE(C1, nullptr);
    ASSERT_NE(C2, nullptr);
    EXPECT_EQ(C1->Number, -70000);
    EXPECT_EQ(C1->Big, int64_t{1} << 40);
    EXPECT_EQ(C1->Letter, 'q');
    EXPECT_EQ(C1->Shape, tsTriangle);
    EXPECT_FALSE(C1->Enabled);
    EXPECT_EQ(C1->Styles, (TTestStyles{tyBold, tyUnderline}));
    EXPECT_EQ(C1->Ratio, 0.1);
    EXPECT_EQ(C1->Scale, 1.5f);
    EXPECT_DOUBLE_EQ(C1->Price, 12.3456);
    EXPECT_EQ(C1->When, 36526.5);
    EXPECT_EQ(C1->Text, B1->Text);
    EXPECT_EQ(C1->Caption, "Line1\r\nLine2");
    EXPECT_EQ(C1->Color, 0x00FF00);
    EXPECT_FALSE(C1->Visible);
    EXPECT_EQ(C1->Hidden, 0);
    EXPECT_EQ(C1->Font()->Name, "Courier");
    EXPECT_EQ(C1->Font()->Style, TTestStyles{tyItalic});
    EXPECT_EQ(C1->Lines()->Text(), "one\r\ntwo\r\n");
    ASSERT_EQ(C1->Columns()->Count(), 2);
    EXPECT_EQ(static_cast<TTestItem*>(C1->Columns()->Items(0))->Width, 40);
    EXPECT_EQ(static_cast<TTestItem*>(C1->Columns()->Items(0))->Caption, "First");
    EXPECT_EQ(static_cast<TTestItem*>(C1->Columns()->Items(1))->Width, 50);
    EXPECT_EQ(C1->Extra, 77);
    EXPECT_EQ(C1->Blob, B1->Blob);
    EXPECT_EQ(C1->Link, C2);
    EXPECT_EQ(C2->Link, C1);
    EXPECT_EQ(C1->OnClick.Name, "Button1Click");
    EXPECT_EQ(C1->OnClick.Data, Copy.get());
    C1->OnClick(C1);
    EXPECT_EQ(Copy->Clicks, 1);
    int Key = 13;
    C2->OnKey(C2, Key);
    EXPECT_EQ(Copy->LastKey, 13);
    EXPECT_EQ(Key, 0);
    // Written again, the copy gives the same bytes.
    EXPECT_EQ(Binary(Copy.get()), Data);
}

TEST_F(Stream, OnlyPropertiesThatDifferFromTheirDefaultsAreWritten) {
    TTestForm Form(nullptr);
    Form.SetName("F");
    auto* B = new TTestComponent(&Form);
    B->SetName("B");
    EXPECT_EQ(Text(&Form),
              "object F: TTestForm\r\n"
              "  object B: TTestComponent\r\n"
              "    Big = 0\r\n"
              "    Hidden = 0\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST_F(Stream, AgainstAnAncestorOnlyDifferencesAreWritten) {
    TTestForm Base(nullptr);
    Base.SetName("Base");
    auto* BB = new TTestComponent(&Base);
    BB->SetName("Button1");
    BB->Number = 5;
    BB->Text = "same";
    BB->Lines()->Add("a");
    BB->Columns()->Add();
    BB->Extra = 3;

    TTestForm Derived(nullptr);
    Derived.SetName("Derived");
    auto* DB = new TTestComponent(&Derived);
    DB->SetName("Button1");
    DB->Number = 5;
    DB->Text = "changed";
    DB->Lines()->Add("a");
    DB->Columns()->Add();
    DB->Extra = 3;
    auto* New = new TTestComponent(&Derived);
    New->SetName("Button2");
    New->Big = 1;
    EXPECT_EQ(Text(&Derived, &Base),
              "inherited Derived: TTestForm\r\n"
              "  inherited Button1: TTestComponent\r\n"
              "    Text = 'changed'\r\n"
              "  end\r\n"
              "  object Button2: TTestComponent\r\n"
              "    Big = 1\r\n"
              "    Hidden = 0\r\n"
              "  end\r\n"
              "end\r\n");
    // Reading the differences over a copy of the ancestor gives the descendant.
    TTestForm Target(nullptr);
    auto* TB = new TTestComponent(&Target);
    TB->SetName("Button1");
    TB->Number = 5;
    ReadBinary(Binary(&Derived, &Base), &Target);
    EXPECT_EQ(Target.Name(), "Derived");
    EXPECT_EQ(Target.Button1, TB);
    EXPECT_EQ(TB->Text, "changed");
    EXPECT_EQ(TB->Number, 5);
    ASSERT_NE(Target.Button2, nullptr);
    EXPECT_EQ(Target.Button2->Big, 1);
}

TEST_F(Stream, ChildrenFollowGetChildrenAndKeepTheirPositions) {
    TTestForm Form(nullptr);
    Form.SetName("F");
    auto* Panel = new TTestPanel(&Form);
    Panel->SetName("Panel1");
    auto* A = new TTestControl(&Form);
    A->SetName("A");
    A->SetParentComponent(Panel);
    auto* B = new TTestControl(&Form);
    B->SetName("B");
    B->SetParentComponent(Panel);
    std::string Data = Binary(&Form);
    std::string T = ObjectBinaryToText(Data);
    EXPECT_NE(T.find("  object Panel1: TTestPanel\r\n"), std::string::npos);
    EXPECT_NE(T.find("    object A: TTestControl\r\n"), std::string::npos);
    EXPECT_LT(T.find("object A:"), T.find("object B:"));
    auto Copy = Owned(dynamic_cast<TTestForm*>(ReadBinary(Data)));
    auto* P = dynamic_cast<TTestPanel*>(Copy->FindComponent("Panel1"));
    ASSERT_NE(P, nullptr);
    ASSERT_EQ(P->Kids.size(), 2u);
    EXPECT_EQ(P->Kids[0]->Name(), "A");
    EXPECT_EQ(P->Kids[1]->Name(), "B");
    EXPECT_EQ(Copy->ComponentCount(), 3);  // all owned by the root
    // A stored child position reorders the children.
    std::string Moved = ObjectTextToBinary(
        "object F: TTestForm\r\n  object Panel1: TTestPanel\r\n    object A: TTestControl\r\n    end\r\n"
        "    object B: TTestControl [0]\r\n    end\r\n  end\r\nend\r\n");
    auto Copy2 = Owned(dynamic_cast<TTestForm*>(ReadBinary(Moved)));
    auto* P2 = dynamic_cast<TTestPanel*>(Copy2->FindComponent("Panel1"));
    EXPECT_EQ(P2->Kids[0]->Name(), "B");
}

TEST_F(Stream, LoadedRunsOnceForEveryComponentAfterReferencesAreFixed) {
    auto Root = Owned(new TTestComponent(nullptr));
    Root->SetName("Root");
    auto* A = new TTestComponent(Root.get());
    A->SetName("A");
    auto* B = new TTestComponent(Root.get());
    B->SetName("B");
    A->Link = B;
    std::string Data = Binary(Root.get());
    RegisterClass(TTestComponent::StaticClass());
    auto Copy = Owned(dynamic_cast<TTestComponent*>(ReadBinary(Data)));
    ASSERT_NE(Copy, nullptr);
    EXPECT_EQ(Copy->LoadedLog, (std::vector<std::string>{"Root", "A", "B"}));
    for (int I = 0; I < Copy->ComponentCount(); ++I) {
        EXPECT_FALSE(Copy->Components(I)->ComponentState().Contains(csLoading));
        EXPECT_FALSE(Copy->Components(I)->ComponentState().Contains(csReading));
    }
    EXPECT_FALSE(Copy->ComponentState().Contains(csLoading));
    EXPECT_EQ(static_cast<TTestComponent*>(Copy->FindComponent("A"))->Link, Copy->FindComponent("B"));
}

TEST_F(Stream, ReferencesAcrossRootsResolveDuringGlobalLoading) {
    std::string First = ObjectTextToBinary(
        "object FormA: TTestForm\r\n  object Button1: TTestComponent\r\n    Link = FormB.Button2\r\n  end\r\nend\r\n");
    std::string Second = ObjectTextToBinary("object FormB: TTestForm\r\n  object Button2: TTestComponent\r\n  end\r\nend\r\n");
    BeginGlobalLoading();
    auto A = Owned(dynamic_cast<TTestForm*>(ReadBinary(First)));
    EXPECT_EQ(A->Button1->Link, nullptr);
    EXPECT_EQ(PendingFixupCount(), 1);
    EXPECT_TRUE(A->Button1->LoadedLog.empty());  // Loaded waits for the end
    auto B = Owned(dynamic_cast<TTestForm*>(ReadBinary(Second)));
    EndGlobalLoading();
    EXPECT_EQ(A->Button1->Link, B->Button2);
    EXPECT_EQ(PendingFixupCount(), 0);
    EXPECT_EQ(A->Button1->LoadedLog, (std::vector<std::string>{"Button1"}));
}

TEST_F(Stream, AnEmptyReferenceNamesNoComponent) {
    // Hand-made: the writer never writes an empty reference.
    TMemoryStream S;
    {
        TWriter W(&S);
        W.WriteSignature();
        W.WriteStr("TTestComponent");
        W.WriteStr("");  // an unnamed root
        W.WriteStr("Link");
        W.WriteIdent("");
        W.WriteListEnd();
        W.WriteListEnd();
    }
    auto Root = Owned(dynamic_cast<TTestComponent*>(ReadBinary(Bytes(S))));
    ASSERT_NE(Root, nullptr);
    EXPECT_EQ(Root->Link, nullptr);
}

TEST_F(Stream, PendingReferencesDieWithTheirComponent) {
    std::string First = ObjectTextToBinary(
        "object FormA: TTestForm\r\n  object Button1: TTestComponent\r\n    Link = Elsewhere.X\r\n  end\r\nend\r\n");
    {
        auto A = Owned(dynamic_cast<TTestForm*>(ReadBinary(First)));
        EXPECT_EQ(PendingFixupCount(), 1);
    }
    EXPECT_EQ(PendingFixupCount(), 0);
}

TEST_F(Stream, UnknownPropertyGoesToOnErrorAndCanBeSkipped) {
    std::string Data = ObjectTextToBinary(
        "object F: TTestForm\r\n  object Button1: TTestComponent\r\n    Bogus = (1 2 <item end>)\r\n"
        "    Number = 3\r\n    Font.Nope = 'x'\r\n  end\r\nend\r\n");
    std::vector<std::string> Errors;
    auto Form = Owned(dynamic_cast<TTestForm*>(ReadBinary(Data, nullptr, [&](TReader& R) {
        R.OnError = [&](TReader*, const std::string& Msg, bool& Handled) {
            Errors.push_back(Msg);
            Handled = true;
        };
    })));
    ASSERT_EQ(Errors.size(), 2u);
    EXPECT_EQ(Errors[0], "Error reading Button1.Bogus: Property Bogus does not exist");
    EXPECT_EQ(Errors[1], "Error reading Button1.Font.Nope: Property Nope does not exist");
    EXPECT_EQ(Form->Button1->Number, 3);
    // Without a handler the read fails and nothing is left behind.
    EXPECT_THROW(ReadBinary(Data), EReadError);
}

TEST_F(Stream, WrongValueTypeIsAnError) {
    std::string Data = ObjectTextToBinary(
        "object F: TTestForm\r\n  object Button1: TTestComponent\r\n    Number = 'text'\r\n    Shape = tsOval\r\n"
        "    Text = 'ok'\r\n  end\r\nend\r\n");
    int Count = 0;
    auto Form = Owned(dynamic_cast<TTestForm*>(ReadBinary(Data, nullptr, [&](TReader& R) {
        R.OnError = [&](TReader*, const std::string&, bool& Handled) {
            ++Count;
            Handled = true;
        };
    })));
    EXPECT_EQ(Count, 2);
    EXPECT_EQ(Form->Button1->Text, "ok");
}

TEST_F(Stream, ReaderHooksForClassesNamesAndMethods) {
    std::string Data = ObjectTextToBinary(
        "object F: TTestForm\r\n  object Button1: TMysteryButton\r\n    OnClick = Button1Click\r\n"
        "    OnKey = NotCompiled\r\n  end\r\n  object Gone: TUnknownThing\r\n    Number = 1\r\n"
        "    object Inner: TTestComponent\r\n    end\r\n  end\r\nend\r\n");
    std::vector<std::string> Errors, Methods;
    auto Form = Owned(dynamic_cast<TTestForm*>(ReadBinary(Data, nullptr, [&](TReader& R) {
        R.OnFindComponentClass = [](TReader*, const std::string& Name, const TClass*& C) {
            if (Name == "TMysteryButton") C = TTestComponent::StaticClass();
        };
        R.OnSetName = [](TReader*, TComponent*, std::string& Name) {
            if (Name == "Button1") Name = "Button2";
        };
        R.OnFindMethod = [&](TReader*, const std::string& Name, TMethod& M, bool& Error) {
            Methods.push_back(Name + (Error ? " missing" : " found"));
            if (Error) {
                M = TMethod{nullptr, Name, {}};
                Error = false;
            }
        };
        R.OnError = [&](TReader*, const std::string& Msg, bool& Handled) {
            Errors.push_back(Msg);
            Handled = true;
        };
    })));
    ASSERT_NE(Form->Button2, nullptr);
    EXPECT_EQ(Form->Button1, nullptr);
    EXPECT_EQ(Form->ComponentCount(), 1);  // the unknown one was skipped, with its child
    EXPECT_EQ(Errors, (std::vector<std::string>{"Class TUnknownThing not found"}));
    EXPECT_EQ(Methods, (std::vector<std::string>{"Button1Click found", "NotCompiled missing"}));
    EXPECT_EQ(Form->Button2->OnKey.Name, "NotCompiled");
    EXPECT_FALSE(Form->Button2->OnKey.Callable());
}

TEST_F(Stream, MissingHandlerIsAnError) {
    std::string Data = ObjectTextToBinary(
        "object F: TTestForm\r\n  object Button1: TTestComponent\r\n    OnClick = NoSuchHandler\r\n  end\r\nend\r\n");
    try {
        ReadBinary(Data);
        FAIL();
    } catch (const EReadError& E) {
        EXPECT_EQ(E.Message, "Error reading Button1.OnClick: Method NoSuchHandler not found");
    }
}

TEST_F(Stream, ReadingIntoAnExistingRootBindsHandlersAndFields) {
    TTestForm Form(nullptr);
    ReadFormText("object MainForm: TTestForm\r\n"
                 "  object Button1: TTestComponent\r\n"
                 "    Caption = 'OK'\r\n"
                 "    OnClick = Button1Click\r\n"
                 "  end\r\n"
                 "end\r\n",
                 &Form);
    EXPECT_EQ(Form.Name(), "MainForm");
    ASSERT_NE(Form.Button1, nullptr);
    EXPECT_EQ(Form.Button1->Caption, "OK");
    Form.Button1->OnClick(Form.Button1);
    EXPECT_EQ(Form.Clicks, 1);
    // A designed root keeps its name.
    TTestForm Designed(nullptr);
    Designed.SetName("Keep");
    Designed.SetDesigning(true);
    ReadFormText("object Other: TTestForm\r\n  object Button1: TTestComponent\r\n  end\r\nend\r\n", &Designed);
    EXPECT_EQ(Designed.Name(), "Keep");
    EXPECT_TRUE(Designed.Button1->ComponentState().Contains(csDesigning));
}

TEST_F(Stream, SecondRootReadFromOneFormUnderOneOwnerGetsAFreeName) {
    const std::string Form = "object Child: TTestForm\r\n  object Button1: TTestComponent\r\n  end\r\nend\r\n";
    TTestComponent Owner(nullptr);
    auto* First = new TTestForm(&Owner);
    auto* Second = new TTestForm(&Owner);
    auto* Third = new TTestForm(&Owner);
    ReadFormText(Form, First);
    ReadFormText(Form, Second);
    ReadFormText(Form, Third);
    EXPECT_EQ(First->Name(), "Child");
    EXPECT_EQ(Second->Name(), "Child_1");
    EXPECT_EQ(Third->Name(), "Child_2");
    // Reading the first one again keeps its own name.
    ReadFormText(Form, First);
    EXPECT_EQ(First->Name(), "Child");
}

TEST_F(Stream, ComponentOfAnExistingNameIsReadIntoAgain) {
    std::string Data = ObjectTextToBinary(
        "object F: TTestComponent\r\n  object A: TTestComponent\r\n    Link = B\r\n  end\r\n"
        "  object B: TTestPanel\r\n  end\r\n  object b: TTestPanel\r\n  end\r\nend\r\n");
    RegisterClass(TTestComponent::StaticClass());
    // The second "b" is found as the existing B and read into it again.
    auto Root = Owned(ReadBinary(Data));
    EXPECT_EQ(Root->ComponentCount(), 2);
    EXPECT_EQ(PendingFixupCount(), 0);
}

TEST_F(Stream, IgnoreChildrenWritesOneComponent) {
    TTestForm Form(nullptr);
    Form.SetName("F");
    auto* B = new TTestComponent(&Form);
    B->SetName("B");
    TMemoryStream S;
    TWriter W(&S);
    W.SetRoot(&Form);
    W.SetIgnoreChildren(true);
    W.WriteSignature();
    W.WriteComponent(&Form);
    std::string T = ObjectBinaryToText(Bytes(S));
    EXPECT_EQ(T, "object F: TTestForm\r\nend\r\n");
}

TEST_F(Stream, ResourceHeaderIsWrittenAndSkipped) {
    TTestForm Form(nullptr);
    Form.SetName("MainForm");
    TMemoryStream S;
    int64_t SizePos = BeginResourceHeader(&S, "T" + Form.Name());
    TWriter(&S).WriteRootComponent(&Form);
    FixupResourceHeader(&S, SizePos);
    const uint8_t* P = static_cast<const uint8_t*>(S.Memory());
    std::string Name = "TMAINFORM";
    ASSERT_GT(S.Size(), 20);
    EXPECT_EQ(P[0], 0xFF);
    EXPECT_EQ(P[1], 0x0A);
    EXPECT_EQ(P[2], 0x00);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(P + 3), Name.size()), Name);
    EXPECT_EQ(P[3 + Name.size()], 0);
    EXPECT_EQ(P[4 + Name.size()], 0x30);
    EXPECT_EQ(P[5 + Name.size()], 0x10);
    uint32_t Len = P[6 + Name.size()] | (P[7 + Name.size()] << 8) | (P[8 + Name.size()] << 16);
    EXPECT_EQ(static_cast<int64_t>(Len), S.Size() - static_cast<int64_t>(10 + Name.size()));
    EXPECT_EQ(std::memcmp(P + 10 + Name.size(), "TPF0", 4), 0);
    S.SetPosition(0);
    EXPECT_EQ(ReadResourceHeader(&S), Name);
    TTestForm Copy(nullptr);
    TReader(&S).ReadRootComponent(&Copy);
    EXPECT_EQ(Copy.Name(), "MainForm");
    // A bare stream reads the same way.
    TStringStream Bare(Binary(&Form));
    EXPECT_EQ(ReadResourceHeader(&Bare), "");
    EXPECT_EQ(Bare.Position(), 0);
    // Broken headers.
    for (std::string Bad : {std::string("\xFF\x0B", 2), std::string("\xFF\x0A\x00NAME", 7),
                            std::string("\xFF\x0A\x00N\x00\x30\x10\xFF\xFF\x00\x00", 11), std::string("TP")}) {
        TStringStream B(Bad);
        EXPECT_THROW(ReadResourceHeader(&B), EReadError);
    }
}

TEST_F(Stream, TruncatedStreamsFailCleanlyAtEveryLength) {
    auto Form = Owned(new TTestForm(nullptr));
    Form->SetName("Form1");
    auto* B1 = new TTestComponent(Form.get());
    B1->SetName("Button1");
    FillEveryKind(B1);
    std::string Data = Binary(Form.get());
    for (size_t Len = 0; Len < Data.size(); ++Len) {
        std::string Cut = Data.substr(0, Len);
        EXPECT_THROW(ReadBinary(Cut), Exception) << Len;
        EXPECT_THROW(ObjectBinaryToText(Cut), Exception) << Len;
    }
    EXPECT_EQ(PendingFixupCount(), 0);
}

TEST_F(Stream, CorruptedStreamsNeverCrash) {
    auto Form = Owned(new TTestForm(nullptr));
    Form->SetName("Form1");
    auto* B1 = new TTestComponent(Form.get());
    B1->SetName("Button1");
    FillEveryKind(B1);
    std::string Data = Binary(Form.get());
    uint32_t Seed = 12345;
    for (int Round = 0; Round < 3000; ++Round) {
        std::string Bad = Data;
        for (int K = 0; K < 3; ++K) {
            Seed = Seed * 1103515245 + 12345;
            size_t Pos = 4 + (Seed >> 8) % (Bad.size() - 4);
            Seed = Seed * 1103515245 + 12345;
            Bad[Pos] = static_cast<char>(Seed >> 16);
        }
        try {
            auto Copy = Owned(ReadBinary(Bad));
        } catch (const Exception&) {
        }
        try {
            ObjectBinaryToText(Bad);
        } catch (const Exception&) {
        }
    }
    // Huge lengths are refused before anything is allocated.
    std::string Huge = "TPF0\x05TTest\x01X\x04"
                       "Blob\x0A\xFF\xFF\xFF\x7F";
    EXPECT_THROW(ObjectBinaryToText(Huge), EReadError);
    // Deep nesting is refused, not recursed into without bound.
    std::string Deep = "TPF0\x05TTest\x01X\x01P";
    Deep += std::string(100000, '\x01');
    EXPECT_THROW(ObjectBinaryToText(Deep), EReadError);
    EXPECT_EQ(PendingFixupCount(), 0);
}

namespace {
class TStateProbe : public TComponent {
    QRN_CLASS(TStateProbe, TComponent)
public:
    explicit TStateProbe(TComponent* AOwner)
        : TComponent(AOwner), LoadingAtBirth(ComponentState().Contains(csLoading)) {}
    bool LoadingAtBirth;
};
}  // namespace
QRN_PUBLISHED(TStateProbe) {}

TEST_F(Stream, ComponentsCreatedByTheReaderAreLoadingFromTheStart) {
    RegisterClass(TStateProbe::StaticClass());
    TTestForm Form(nullptr);
    ReadFormText("object F: TTestForm\r\n  object P: TStateProbe\r\n  end\r\nend\r\n", &Form);
    auto* P = dynamic_cast<TStateProbe*>(Form.FindComponent("P"));
    ASSERT_NE(P, nullptr);
    EXPECT_TRUE(P->LoadingAtBirth);
    EXPECT_FALSE(P->ComponentState().Contains(csLoading));
    TStateProbe Plain(nullptr);
    EXPECT_FALSE(Plain.LoadingAtBirth);
}

namespace {
// Builds a part of its own in its constructor, the way a panel makes its
// buttons: the reader never reads that part, so it must not be marked.
class TStateProbeHost : public TStateProbe {
    QRN_CLASS(TStateProbeHost, TStateProbe)
public:
    explicit TStateProbeHost(TComponent* AOwner) : TStateProbe(AOwner), Part(new TStateProbe(this)) {}
    TStateProbe* Part;
};
}  // namespace
QRN_PUBLISHED(TStateProbeHost) {}

TEST_F(Stream, PartsMadeByAStreamedConstructorAreNotLoading) {
    RegisterClass(TStateProbe::StaticClass());
    RegisterClass(TStateProbeHost::StaticClass());
    TTestForm Form(nullptr);
    ReadFormText("object F: TTestForm\r\n  object H: TStateProbeHost\r\n  end\r\n"
                 "  object P: TStateProbe\r\n  end\r\nend\r\n",
                 &Form);
    auto* H = dynamic_cast<TStateProbeHost*>(Form.FindComponent("H"));
    ASSERT_NE(H, nullptr);
    EXPECT_TRUE(H->LoadingAtBirth);
    EXPECT_FALSE(H->Part->LoadingAtBirth);
    EXPECT_FALSE(H->Part->ComponentState().Contains(csLoading));
    EXPECT_FALSE(H->ComponentState().Contains(csLoading));
    // The component read after it is still marked from the start.
    auto* P = dynamic_cast<TStateProbe*>(Form.FindComponent("P"));
    ASSERT_NE(P, nullptr);
    EXPECT_TRUE(P->LoadingAtBirth);
}

TEST_F(Stream, PartsMadeByAStreamedRootConstructorAreNotLoading) {
    RegisterClass(TStateProbeHost::StaticClass());
    auto Root = Owned(dynamic_cast<TStateProbeHost*>(ReadBinary(ObjectTextToBinary("object Root: TStateProbeHost\r\nend\r\n"))));
    ASSERT_NE(Root, nullptr);
    EXPECT_TRUE(Root->LoadingAtBirth);
    EXPECT_FALSE(Root->Part->LoadingAtBirth);
    EXPECT_FALSE(Root->Part->ComponentState().Contains(csLoading));
    EXPECT_FALSE(Root->ComponentState().Contains(csLoading));
}

TEST_F(Stream, RootClassNameCanBeReplacedForTheWrite) {
    TTestForm Form(nullptr);
    Form.SetName("Dialog");
    TMemoryStream S;
    TWriter W(&S);
    W.RootClassName = "TDialog";
    W.WriteRootComponent(&Form);
    std::string T = ObjectBinaryToText(Bytes(S));
    EXPECT_EQ(T, "object Dialog: TDialog\r\nend\r\n");
}

TEST_F(Stream, SingleComponentsCanBeWrittenAndReadIntoAnotherRoot) {
    TTestForm Source(nullptr);
    Source.SetName("Src");
    auto* Panel = new TTestPanel(&Source);
    Panel->SetName("Panel1");
    auto* B = new TTestControl(&Source);
    B->SetName("Button1");
    B->SetParentComponent(Panel);
    B->Number = 9;
    B->Link = Panel;
    TMemoryStream S;
    {
        TWriter W(&S);
        W.SetRoot(&Source);
        W.WriteSignature();
        W.WriteComponent(B);
    }
    S.SetPosition(0);
    TTestForm Target(nullptr);
    auto* TargetPanel = new TTestPanel(&Target);
    TargetPanel->SetName("Panel1");
    TComponent* Read = nullptr;
    {
        TReader R(&S);
        R.SetRoot(&Target);
        R.SetOwner(&Target);
        R.SetParent(TargetPanel);
        R.ReadSignature();
        Read = R.ReadComponent(nullptr);
        R.FixupReferences();
        EXPECT_TRUE(Read->ComponentState().Contains(csLoading));
    }
    EXPECT_FALSE(Read->ComponentState().Contains(csLoading));
    EXPECT_EQ(Target.Button1, Read);
    EXPECT_EQ(Target.Button1->Number, 9);
    EXPECT_EQ(Target.Button1->Link, TargetPanel);
    EXPECT_EQ(Read->GetParentComponent(), TargetPanel);
}

TEST_F(Stream, DesignPositionAndReferencesToOtherRootsAreWritten) {
    TTestForm Other(nullptr);
    Other.SetName("Form2");
    auto* Target = new TTestComponent(&Other);
    Target->SetName("Button9");
    TTestForm Form(nullptr);
    Form.SetName("Form1");
    auto* B = new TTestComponent(&Form);
    B->SetName("B");
    B->SetDesignInfo((20 << 16) | 10);
    B->Link = Target;
    B->FreeNotification(Target);
    std::string T = Text(&Form);
    EXPECT_NE(T.find("    Link = Form2.Button9\r\n"), std::string::npos);
    EXPECT_NE(T.find("    Left = 10\r\n    Top = 20\r\n"), std::string::npos);
    RegisterGlobalRoot(&Other);
    TTestForm Copy(nullptr);
    ReadFormText(T, &Copy);
    auto* C = static_cast<TTestComponent*>(Copy.FindComponent("B"));
    EXPECT_EQ(C->DesignInfo(), (20 << 16) | 10);
    EXPECT_EQ(C->Link, Target);
    UnregisterGlobalRoot(&Other);
    C->Link = nullptr;
}
