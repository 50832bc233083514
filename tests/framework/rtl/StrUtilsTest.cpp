#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

#include <gtest/gtest.h>

TEST(StrUtilsPositions, PosCountsFromOneAndZeroMeansAbsent) {
    EXPECT_EQ(Pos("c", "abc"), 3);
    EXPECT_EQ(Pos("ab", "xabab"), 2);
    EXPECT_EQ(Pos("z", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abcd", "abc"), 0);
    EXPECT_EQ(PosEx("ab", "xabab", 3), 4);
    EXPECT_EQ(PosEx("ab", "xabab", 9), 0);
}

TEST(StrUtilsPositions, CopyClampsIndexAndCount) {
    EXPECT_EQ(Copy("hello", 2, 3), "ell");
    EXPECT_EQ(Copy("hello", 0, 2), "he");  // index below 1 counts as 1
    EXPECT_EQ(Copy("hello", -5, 2), "he");
    EXPECT_EQ(Copy("hello", 4, 100), "lo");  // count runs to the end only
    EXPECT_EQ(Copy("hello", 6, 1), "");
    EXPECT_EQ(Copy("hello", 2, -1), "");
    EXPECT_EQ(Copy("hello", 1, 0x7FFFFFFF), "hello");  // no overflow on huge counts
    EXPECT_EQ(Copy("", 1, 1), "");
}

TEST(StrUtilsPositions, DeleteIgnoresOutOfRangeAndClampsCount) {
    std::string s = "hello";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "hlo");
    s = "hello";
    Delete(s, 0, 2);  // index 0 deletes nothing
    EXPECT_EQ(s, "hello");
    Delete(s, 6, 1);
    EXPECT_EQ(s, "hello");
    Delete(s, 4, 0x7FFFFFFF);
    EXPECT_EQ(s, "hel");
    Delete(s, 1, -3);
    EXPECT_EQ(s, "hel");
}

TEST(StrUtilsPositions, InsertClampsPosition) {
    std::string s = "ac";
    Insert("b", s, 2);
    EXPECT_EQ(s, "abc");
    Insert("<", s, -4);
    EXPECT_EQ(s, "<abc");
    Insert(">", s, 100);
    EXPECT_EQ(s, "<abc>");
}

TEST(StrUtilsText, TrimRemovesControlCharactersToo) {
    EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a \n"), "  a");
    EXPECT_EQ(Trim("   "), "");
}

TEST(StrUtilsText, CaseMappingAndComparison) {
    EXPECT_EQ(UpperCase("abc-XYZ\xE4"), "ABC-XYZ\xE4");  // ASCII only
    EXPECT_EQ(LowerCase("ABC-xyz"), "abc-xyz");
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_LT(CompareText("abc", "abd"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
    EXPECT_LT(CompareText("a", "_"), 0);  // compared upper-cased: 'A' < '_'
    EXPECT_LT(CompareStr("ABC", "abc"), 0);
    EXPECT_GT(CompareStr("\xE4", "a"), 0);  // bytes compare unsigned
    EXPECT_TRUE(SameText("Hello", "hELLO"));
    EXPECT_FALSE(SameText("Hello", "Hello "));
    EXPECT_TRUE(AnsiSameText("Form1", "FORM1"));
    EXPECT_EQ(AnsiUpperCase("abc"), "ABC");
    EXPECT_EQ(AnsiLowerCase("ABC"), "abc");
    EXPECT_TRUE(StartsText("hal", "Halvane"));
    EXPECT_TRUE(EndsText(".PAS", "unit1.pas"));
}

TEST(StrUtilsText, StringReplaceHonoursFlags) {
    EXPECT_EQ(StringReplace("a-b-c", "-", "+"), "a+b-c");
    EXPECT_EQ(StringReplace("a-b-c", "-", "+", rfReplaceAll), "a+b+c");
    EXPECT_EQ(StringReplace("Abc abc", "ABC", "x", rfReplaceAll | rfIgnoreCase), "x x");
    EXPECT_EQ(StringReplace("Abc abc", "ABC", "x", {rfIgnoreCase}), "x abc");
    EXPECT_EQ(StringReplace("aaa", "a", "aa", rfReplaceAll), "aaaaaa");  // no rescanning of replacements
    EXPECT_EQ(StringReplace("abc", "", "x", rfReplaceAll), "abc");
}

TEST(StrUtilsText, QuotingRoundTrips) {
    EXPECT_EQ(QuotedStr("It's"), "'It''s'");
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(AnsiDequotedStr("'It''s' tail", '\''), "It's");
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(AnsiDequotedStr("'open", '\''), "open");
}

TEST(StrUtilsNumbers, IntToStrAndHex) {
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");  // int keeps its 32-bit width
    EXPECT_EQ(IntToHex(int64_t(-1), 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(static_cast<short>(-1), 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(uint64_t(0x123456789A), 1), "123456789A");
}

TEST(StrUtilsNumbers, StrToIntAcceptsSignHexAndLeadingBlanks) {
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("  -17"), -17);
    EXPECT_EQ(StrToInt("+5"), 5);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);  // hex covers the unsigned range
    EXPECT_EQ(StrToInt("$80000005"), static_cast<int>(0x80000005u));
    EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
}

TEST(StrUtilsNumbers, StrToIntRejectsOverflowAndJunk) {
    for (const char* bad : {"", " ", "-", "+", "$", "0x", "2147483648", "-2147483649", "$100000000", "12a", "1 2",
                            "12 ", "1.0", "99999999999999999999"}) {
        int v = 77;
        EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
        EXPECT_EQ(v, 77) << "a failed conversion leaves the target alone";
        EXPECT_EQ(StrToIntDef(bad, -3), -3) << bad;
    }
    int64_t v64;
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", v64));
    EXPECT_FALSE(TryStrToInt64("$10000000000000000", v64));
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'abc' is not a valid integer value");
    }
}

TEST(StrUtilsNumbers, FloatConversionsUseTheDecimalSeparator) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings{};
    EXPECT_EQ(FloatToStr(1.5), "1.5");
    EXPECT_EQ(FloatToStr(0.1), "0.1");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(-0.0001), "-0.0001");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(123456789012345678.0), "1.23456789012346E17");
    EXPECT_EQ(FloatToStr(999999999999999.9), "1E15");  // rounding carries into a new digit
    EXPECT_EQ(FloatToStr(1.25e-10), "1.25E-10");
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
    EXPECT_DOUBLE_EQ(StrToFloat(" 2.5e3 "), 2500);
    EXPECT_DOUBLE_EQ(StrToFloat("-.5"), -0.5);
    double d = 9;
    EXPECT_FALSE(TryStrToFloat("inf", d));
    EXPECT_FALSE(TryStrToFloat("nan", d));
    EXPECT_FALSE(TryStrToFloat("1e", d));
    EXPECT_FALSE(TryStrToFloat("0x10", d));
    EXPECT_FALSE(TryStrToFloat("1e999", d));
    EXPECT_EQ(d, 9);
    EXPECT_THROW(StrToFloat("1,5"), EConvertError);

    FormatSettings.DecimalSeparator = ',';
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_FALSE(TryStrToFloat("1.5", d));
    FormatSettings = saved;
}
