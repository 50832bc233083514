#include <gtest/gtest.h>

#include "TestClasses.h"
#include "framework/classes/FormText.h"

namespace {

// Texts in the writer's own layout: converting them to binary and back
// must give the same bytes.
const char* const Corpus[] = {
    "object Form1: TForm1\r\n"
    "  Left = 8\r\n"
    "  Top = -300\r\n"
    "  Width = 100000\r\n"
    "  Size = 5000000000\r\n"
    "  Caption = 'OK'#13#10'second line'\r\n"
    "  Quote = 'it''s'\r\n"
    "  Empty = ''\r\n"
    "  High = #200'x'#9\r\n"
    "  Wide = 'a'#8364'b'\r\n"
    "  Font.Style = [fsBold, fsItalic]\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  NoStyle = []\r\n"
    "  Items.Strings = (\r\n"
    "    'one'\r\n"
    "    'two')\r\n"
    "  EmptyList = ()\r\n"
    "  Nested = (\r\n"
    "    1\r\n"
    "    (\r\n"
    "      'a'\r\n"
    "      b))\r\n"
    "  OnClick = Button1Click\r\n"
    "  Link = Form2.Button1\r\n"
    "  Visible = True\r\n"
    "  Enabled = False\r\n"
    "  Nothing = nil\r\n"
    "  Data = {0A000000FF}\r\n"
    "  NoData = {}\r\n"
    "  Ratio = 0.1\r\n"
    "  Whole = 3.0\r\n"
    "  Tiny = -1.5e-300\r\n"
    "  Scale = 1.5s\r\n"
    "  Price = 12.3456c\r\n"
    "  Round = -7.0c\r\n"
    "  When = 36526.5d\r\n"
    "  Columns = <\r\n"
    "    item\r\n"
    "      Width = 40\r\n"
    "    end\r\n"
    "    item [3]\r\n"
    "      Caption = 'x'\r\n"
    "    end\r\n"
    "    item\r\n"
    "    end>\r\n"
    "  NoColumns = <>\r\n"
    "  object Child1: TPanel\r\n"
    "  end\r\n"
    "  inherited Child2: TPanel [2]\r\n"
    "    Tag = 1\r\n"
    "    inline Frame1: TFrame1\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n",

    "object TDataModule\r\n"
    "end\r\n",

    "object Long: TLong\r\n"
    "  Hint = \r\n"
    "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\r\n"
    "    'bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb' +\r\n"
    "    'c'#13#10\r\n"
    "  Blob = {\r\n"
    "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\r\n"
    "    2021}\r\n"
    "end\r\n",
};

std::string RoundTrip(const std::string& Text) { return ObjectBinaryToText(ObjectTextToBinary(Text)); }

std::string ParseError(const std::string& Text) {
    try {
        ObjectTextToBinary(Text);
    } catch (const EParserError& E) {
        return E.Message;
    }
    return "no error";
}

}  // namespace

TEST(FormText, CorpusRoundTripsByteExact) {
    for (const char* T : Corpus) EXPECT_EQ(RoundTrip(T), T);
}

TEST(FormText, BinaryLayoutOfASmallForm) {
    std::string B = ObjectTextToBinary("object A: TB\r\n  X = 1\r\n  S = 'hi'\r\n  object C: TD\r\n  end\r\nend\r\n");
    EXPECT_EQ(B, std::string("TPF0\x02TB\x01"
                             "A\x01X\x02\x01\x01S\x06\x02hi\x00"
                             "\x02TD\x01"
                             "C\x00\x00\x00",
                             28));
}

TEST(FormText, LongStringsBecomeLStringsAndAreSplitInText) {
    std::string Long(300, 'z');
    std::string B = ObjectTextToBinary("object A: TB\r\n  S = '" + Long + "'\r\nend\r\n");
    EXPECT_EQ(static_cast<uint8_t>(B[11]), 12);  // vaLString after "TPF0", header and "S"
    std::string T = ObjectBinaryToText(B);
    EXPECT_NE(T.find("  S = \r\n    'zzzz"), std::string::npos);
    EXPECT_EQ(RoundTrip(T), T);
}

TEST(FormText, HexNumbersAndLooseLayoutAreAccepted) {
    std::string T = RoundTrip("OBJECT a : tb X=$10 Y = - 5 S='a'+'b' + #65 L=( 1 2 ) end");
    EXPECT_EQ(T, "object a: tb\r\n  X = 16\r\n  Y = -5\r\n  S = 'abA'\r\n  L = (\r\n    1\r\n    2)\r\nend\r\n");
}

TEST(FormText, MalformedTextRaisesParserErrorsWithLineNumbers) {
    EXPECT_EQ(ParseError(""), "'object' expected on line 1");
    EXPECT_EQ(ParseError("object A: TB\r\n  X 1\r\nend"), "'=' expected on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = 'open\r\nend"), "Unterminated string on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n\r\n  X = {12G}\r\nend"), "Invalid binary value on line 3");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = {123}\r\nend"), "Invalid binary value on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = [a b]\r\nend"), "',' expected on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = <item X = 1>\r\nend"), "Identifier expected on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = 99999999999999999999\r\nend"), "Number out of range on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = #9999999\r\nend"), "Invalid string constant on line 2");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = (1 2\r\n"), "')' expected on line 3");
    EXPECT_EQ(ParseError("object A: TB\r\nend\r\nend"), "End of file expected on line 3");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = 'a' +\r\nend"), "String expected on line 3");
    EXPECT_EQ(ParseError("object A: TB\r\n  X = =\r\nend"), "Invalid property value on line 2");
    std::string Deep = "object A: TB\r\n  X = " + std::string(5000, '(');
    EXPECT_EQ(ParseError(Deep), "Nesting too deep on line 2");
    std::string DeepObjects;
    for (int I = 0; I < 500; ++I) DeepObjects += "object A: TB\r\n";
    EXPECT_EQ(ParseError(DeepObjects), "Nesting too deep on line 201");
}

TEST(FormText, ClipboardTextConvertsOneBlockPerCall) {
    // Two copied components, as the clipboard gives them: NUL-terminated.
    std::string Text = "object A: TB\r\n  X = 1\r\nend\r\nobject C: TD\r\nend\r\n";
    Text.push_back('\0');
    TStringStream In(Text);
    std::vector<std::string> Blocks;
    while (In.Position() < In.Size()) {
        TStringStream Out;
        ObjectTextToBinary(&In, &Out);
        Blocks.push_back(ObjectBinaryToText(Out.DataString()));
    }
    EXPECT_EQ(Blocks, (std::vector<std::string>{"object A: TB\r\n  X = 1\r\nend\r\n", "object C: TD\r\nend\r\n"}));
}

TEST(FormText, ResourceConversionsBothWays) {
    std::string Text = "object Main: TMainForm\r\n  X = 1\r\nend\r\n";
    TStringStream In(Text), Res;
    ObjectTextToResource(&In, &Res);
    EXPECT_EQ(Res.DataString().substr(0, 9), std::string("\xFF\x0A\x00TMAIN\x00", 9));
    Res.SetPosition(0);
    TStringStream Back;
    ObjectResourceToText(&Res, &Back);
    EXPECT_EQ(Back.DataString(), Text);
}

TEST(FormText, TextOfARealComponentTreeReadsBack) {
    RegisterTestClasses();
    TTestForm Form(nullptr);
    Form.SetName("Form1");
    auto* B = new TTestComponent(&Form);
    B->SetName("Button1");
    B->Styles = TTestStyles{tyItalic};
    B->Lines()->Add("x'y");
    B->Caption = "Tab\there";
    B->Color = 0x123456;
    TMemoryStream S;
    TWriter(&S).WriteRootComponent(&Form);
    S.SetPosition(0);
    TStringStream T;
    ObjectBinaryToText(&S, &T);
    EXPECT_EQ(T.DataString(),
              "object Form1: TTestForm\r\n"
              "  object Button1: TTestComponent\r\n"
              "    Big = 0\r\n"
              "    Styles = [tyItalic]\r\n"
              "    Caption = 'Tab'#9'here'\r\n"
              "    Color = 1193046\r\n"
              "    Hidden = 0\r\n"
              "    Lines.Strings = (\r\n"
              "      'x''y')\r\n"
              "  end\r\n"
              "end\r\n");
    TTestForm Copy(nullptr);
    T.SetPosition(0);
    TMemoryStream Bin;
    ObjectTextToBinary(&T, &Bin);
    Bin.SetPosition(0);
    TReader(&Bin).ReadRootComponent(&Copy);
    ASSERT_NE(Copy.Button1, nullptr);
    EXPECT_EQ(Copy.Button1->Lines()->Strings(0), "x'y");
    EXPECT_EQ(Copy.Button1->Caption, "Tab\there");
}

TEST(FormText, IntegerConstantNamesAreUsedBothWays) {
    RegisterIntegerConsts(
        QRN_TYPE(TColor),
        [](const std::string& S, int64_t& V) {
            if (S == "clTestRed") {
                V = 0xFF;
                return true;
            }
            return false;
        },
        [](int64_t V, std::string& S) {
            if (V == 0xFF) {
                S = "clTestRed";
                return true;
            }
            return false;
        });
    RegisterTestClasses();
    TTestForm Form(nullptr);
    Form.SetName("F");
    auto* B = new TTestComponent(&Form);
    B->SetName("B");
    B->Color = 0xFF;
    TMemoryStream S;
    TWriter(&S).WriteRootComponent(&Form);
    std::string T = ObjectBinaryToText(std::string(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size())));
    EXPECT_NE(T.find("Color = clTestRed"), std::string::npos);
    S.SetPosition(0);
    TTestForm Copy(nullptr);
    TReader(&S).ReadRootComponent(&Copy);
    EXPECT_EQ(Copy.Button1, nullptr);
    EXPECT_EQ(static_cast<TTestComponent*>(Copy.FindComponent("B"))->Color, 0xFF);
    RegisterIntegerConsts(QRN_TYPE(TColor), nullptr, nullptr);
}
