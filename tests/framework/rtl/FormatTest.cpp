#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Format.h"

#include <gtest/gtest.h>

#include <string>

namespace {
void ExpectFormatError(std::string_view Fmt, std::initializer_list<TVarRec> Args) {
    try {
        Format(Fmt, Args);
        ADD_FAILURE() << "no error for " << Fmt;
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "Format '" + std::string(Fmt) + "' invalid or incompatible with argument");
    }
}

// Every case runs with the built-in settings, whatever the user's locale.
class Formatting : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = FormatSettings;
        FormatSettings = TFormatSettings{};
    }
    void TearDown() override { FormatSettings = Saved; }
    TFormatSettings Saved;
};
}  // namespace

TEST_F(Formatting, PlainDirectives) {
    const std::string name = "Button1";
    EXPECT_EQ(Format("Control '%s' has no parent window", {name}), "Control 'Button1' has no parent window");
    EXPECT_EQ(Format("%d items, %s", {3, "ok"}), "3 items, ok");
    EXPECT_EQ(Format("%d", {-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(Format("%d", {INT64_MAX}), "9223372036854775807");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("%x", {255}), "FF");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%X", {int64_t(-1)}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%s%s", {'a', std::string_view("b")}), "ab");
    EXPECT_EQ(Format("%D", {7}), "7");
}

TEST_F(Formatting, WidthPrecisionAndJustification) {
    EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
    EXPECT_EQ(Format("[%-5d]", {42}), "[42   ]");
    EXPECT_EQ(Format("[%.4d]", {42}), "[0042]");
    EXPECT_EQ(Format("[%.4d]", {-42}), "[-0042]");  // sign in front of the zeros
    EXPECT_EQ(Format("[%6.4x]", {255}), "[  00FF]");
    EXPECT_EQ(Format("[%.3s]", {"abcdef"}), "[abc]");
    EXPECT_EQ(Format("[%-8.3s]", {"abcdef"}), "[abc     ]");
    EXPECT_EQ(Format("[%2s]", {"abcdef"}), "[abcdef]");  // width never truncates
}

TEST_F(Formatting, StarTakesWidthAndPrecisionFromArguments) {
    EXPECT_EQ(Format("[%*d]", {5, 42}), "[   42]");
    EXPECT_EQ(Format("[%-*d]", {5, 42}), "[42   ]");
    EXPECT_EQ(Format("[%*.*f]", {8, 3, 3.14159}), "[   3.142]");
    EXPECT_EQ(Format("[%.*s]", {2, "abc"}), "[ab]");
    ExpectFormatError("%*d", {"x", 1});  // width must be an integer
}

TEST_F(Formatting, IndexSelectsArgumentAndContinuesFromIt) {
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");
    EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
    EXPECT_EQ(Format("%1:5s|", {"a", "b"}), "    b|");
    ExpectFormatError("%2:s", {"a", "b"});
}

TEST_F(Formatting, FloatDirectives) {
    EXPECT_EQ(Format("%f", {1.5}), "1.50");
    EXPECT_EQ(Format("%.0f", {2.5}), "3");  // halves round away from zero
    EXPECT_EQ(Format("%.2f", {0.125}), "0.13");
    EXPECT_EQ(Format("%.2f", {-0.125}), "-0.13");
    EXPECT_EQ(Format("%.1f", {9.96}), "10.0");
    EXPECT_EQ(Format("%.1f", {-0.04}), "0.0");  // no "-0.0"
    EXPECT_EQ(Format("%.3f", {-1.0005}), "-1.000");
    EXPECT_EQ(Format("%e", {1.5}), "1.50000000000000E+000");
    EXPECT_EQ(Format("%.3e", {-123456.0}), "-1.23E+005");
    EXPECT_EQ(Format("%g", {0.5}), "0.5");
    EXPECT_EQ(Format("%g", {1e20}), "1E020");
    EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
    EXPECT_EQ(Format("%.0n", {-999.0}), "-999");
    EXPECT_EQ(Format("%m", {12.5}), "$12.50");
    EXPECT_EQ(Format("%m", {-12.5}), "($12.50)");
}

TEST_F(Formatting, FloatsFollowFormatSettings) {
    FormatSettings.DecimalSeparator = ',';
    FormatSettings.ThousandSeparator = '.';
    FormatSettings.CurrencyString = "EUR";
    FormatSettings.CurrencyFormat = 3;
    FormatSettings.NegCurrFormat = 8;
    EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
    EXPECT_EQ(Format("%m", {1234.5}), "1.234,50 EUR");
    EXPECT_EQ(Format("%m", {-1.0}), "-1,00 EUR");
}

TEST_F(Formatting, PointerHasFullWidth) {
    const std::string p = Format("%p", {reinterpret_cast<const void*>(0x1234)});
    EXPECT_EQ(p.size(), sizeof(void*) * 2);
    EXPECT_EQ(p.substr(p.size() - 4), "1234");
}

TEST_F(Formatting, BadDirectivesAndWrongArgumentsRaise) {
    ExpectFormatError("%", {});
    ExpectFormatError("%d", {});  // missing argument
    ExpectFormatError("%d %d", {1});
    ExpectFormatError("%d", {"text"});  // wrong type
    ExpectFormatError("%d", {1.5});
    ExpectFormatError("%f", {1});  // integers are not floats
    ExpectFormatError("%s", {42});
    ExpectFormatError("%s", {true});
    ExpectFormatError("%p", {1});
    ExpectFormatError("%k", {1});  // unknown type
    ExpectFormatError("%5", {1});
    ExpectFormatError("%.s", {"a"});
    ExpectFormatError("%99999999d", {1});  // absurd width
}
