#include <gtest/gtest.h>

#include "controls/UtilProcs.h"

TEST(CutToken, SplitsAtFirstDelimiter) {
    std::string S = "addfile main.asm";
    std::string Token;
    CutToken(S, ' ', Token);
    EXPECT_EQ(Token, "addfile");
    EXPECT_EQ(S, "main.asm");
}

TEST(CutToken, OnlyTheFirstDelimiterIsConsumed) {
    std::string S = "a;b;;c";
    std::string Token;
    CutToken(S, ';', Token);
    EXPECT_EQ(Token, "a");
    EXPECT_EQ(S, "b;;c");
    CutToken(S, ';', Token);
    CutToken(S, ';', Token);
    EXPECT_EQ(Token, "");
    EXPECT_EQ(S, "c");
}

TEST(CutToken, MissingDelimiterTakesEverything) {
    std::string S = "main.asm";
    std::string Token = "old";
    CutToken(S, ' ', Token);
    EXPECT_EQ(Token, "main.asm");
    EXPECT_EQ(S, "");
}

TEST(CutToken, DelimiterFirstGivesEmptyTokenAndRemovesOnlyIt) {
    std::string S = " x y";
    std::string Token = "old";
    CutToken(S, ' ', Token);
    EXPECT_EQ(Token, "");
    EXPECT_EQ(S, "x y");
}

TEST(CutToken, EmptyTextGivesEmptyToken) {
    std::string S;
    std::string Token = "old";
    CutToken(S, ' ', Token);
    EXPECT_EQ(Token, "");
    EXPECT_EQ(S, "");
}

TEST(ReplaceChar, EmptyReplacementRemovesTheCharacter) {
    EXPECT_EQ(ReplaceChar(" T Main Form ", ' ', ""), "TMainForm");
}

TEST(ReplaceChar, LongerReplacementLengthensTheText) {
    EXPECT_EQ(ReplaceChar("a.b.c", '.', "::"), "a::b::c");
    EXPECT_EQ(ReplaceChar("a.b.c", '.', "::").size(), 7u);
}

TEST(ReplaceChar, TextWithoutTheCharacterIsUnchanged) {
    EXPECT_EQ(ReplaceChar("abc", 'x', "yz"), "abc");
    EXPECT_EQ(ReplaceChar("", 'x', "yz"), "");
}

TEST(ContainsStr, NeedleComesFirstAndCaseCounts) {
    EXPECT_TRUE(ContainsStr("Form", "TMainForm1"));
    EXPECT_FALSE(ContainsStr("TMainForm1", "Form"));
    EXPECT_FALSE(ContainsStr("form", "TMainForm1"));
    EXPECT_TRUE(ContainsStr("", "abc"));
}

TEST(LowerCaseStr, LowersLetters) {
#ifdef QRN_LOWERCASESTR_UPPER
    EXPECT_EQ(LowerCaseStr("Mov AX, bx"), "MOV AX, BX");
#else
    EXPECT_EQ(LowerCaseStr("Mov AX, bx"), "mov ax, bx");
#endif
}

TEST(AddBackSlash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(AddBackSlash("C:\\work"), "C:\\work\\");
    EXPECT_EQ(AddBackSlash("C:\\work\\"), "C:\\work\\");
}

TEST(AddBackSlash, EmptyTextBecomesABackslash) { EXPECT_EQ(AddBackSlash(""), "\\"); }

TEST(LastChar, GivesTheLastCharacter) {
    EXPECT_EQ(LastChar("abc"), 'c');
    EXPECT_EQ(LastChar("\\"), '\\');
    EXPECT_EQ(LastChar(""), '\0');
}

TEST(DeleteLastChar, RemovesOneCharacter) {
    std::string S = "ab";
    DeleteLastChar(S);
    EXPECT_EQ(S, "a");
    DeleteLastChar(S);
    EXPECT_EQ(S, "");
    DeleteLastChar(S);
    EXPECT_EQ(S, "");
}

TEST(ExtractFileBaseName, CutsOnlyTheLastExtension) {
    EXPECT_EQ(ExtractFileBaseName("C:\\src\\a.bc.b"), "a.bc");
    EXPECT_EQ(ExtractFileBaseName("prog.asm"), "prog");
}

TEST(ExtractFileBaseName, NameWithoutExtensionIsWhole) {
    EXPECT_EQ(ExtractFileBaseName("C:\\src\\makefile"), "makefile");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(ExtractFileBaseName("C:\\v1.0\\readme"), "readme");
}

TEST(ExtractFileBaseName, DriveColonSeparatesToo) {
    EXPECT_EQ(ExtractFileBaseName("A:prog.com"), "prog");
}

TEST(SplitRegPath, KeyKeepsItsTrailingBackslash) {
    std::string Key, Value;
    SplitRegPath("Software\\Quorlen PRO\\PmTop", Key, Value);
    EXPECT_EQ(Key, "Software\\Quorlen PRO\\");
    EXPECT_EQ(Value, "PmTop");
}

TEST(SplitRegPath, WithoutBackslashEverythingIsTheValueName) {
    std::string Key = "old", Value;
    SplitRegPath("PmTop", Key, Value);
    EXPECT_EQ(Key, "");
    EXPECT_EQ(Value, "PmTop");
}

TEST(SplitRegPath, TrailingBackslashGivesEmptyValueName) {
    std::string Key, Value = "old";
    SplitRegPath("Software\\X\\", Key, Value);
    EXPECT_EQ(Key, "Software\\X\\");
    EXPECT_EQ(Value, "");
}
