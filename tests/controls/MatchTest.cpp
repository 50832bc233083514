#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "controls/Match.h"

namespace {

bool Finds(std::string_view Pattern, std::string_view Text, bool CaseSensitive = false) {
    TMatchCore M;
    M.CaseSensitive = CaseSensitive;
    M.SetPattern(Pattern);
    M.SetSource(Text);
    return M.IsMatch();
}

TEST(Wildcard, WholeTextSemantics) {
    EXPECT_TRUE(WildcardMatches("abc", "abc", true));
    EXPECT_FALSE(WildcardMatches("abcd", "abc", true));
    EXPECT_FALSE(WildcardMatches("ab", "abc", true));
    EXPECT_TRUE(WildcardMatches("abc", "a?c", true));
    EXPECT_FALSE(WildcardMatches("ac", "a?c", true));
    EXPECT_TRUE(WildcardMatches("", "", true));
    EXPECT_FALSE(WildcardMatches("x", "", true));
    EXPECT_TRUE(WildcardMatches("", "*", true));
    EXPECT_TRUE(WildcardMatches("", "**", true));
    EXPECT_FALSE(WildcardMatches("", "?", true));
    EXPECT_TRUE(WildcardMatches("abc", "a*", true));
    EXPECT_TRUE(WildcardMatches("abc", "*c", true));
    EXPECT_TRUE(WildcardMatches("abcbc", "a*bc", true));
    EXPECT_FALSE(WildcardMatches("abcb", "a*bc", true));
    EXPECT_TRUE(WildcardMatches("mississippi", "m*iss*ppi", true));
    EXPECT_TRUE(WildcardMatches("a*b", "a*b", true));
    EXPECT_TRUE(WildcardMatches("ab", "a*?", true));
    EXPECT_FALSE(WildcardMatches("a", "a*?", true));
}

TEST(Wildcard, CaseFoldsAsciiLettersOnly) {
    EXPECT_TRUE(WildcardMatches("xabcx", "*ABC*", false));
    EXPECT_FALSE(WildcardMatches("xabcx", "*ABC*", true));
    EXPECT_FALSE(WildcardMatches("\xe4", "\xc4", false));  // letters beyond ASCII compare exactly
    EXPECT_FALSE(WildcardMatches("[", "{", false));
    EXPECT_FALSE(WildcardMatches("@", "`", false));
}

TEST(Wildcard, PathologicalPatternsStayFast) {
    std::string Text(20000, 'a');
    auto Start = std::chrono::steady_clock::now();
    EXPECT_FALSE(WildcardMatches(Text, "*a*a*a*a*b", true));
    EXPECT_FALSE(WildcardMatches(Text, "*a*a*a*a*a*a*a*a*a*a*a*a*b*", false));
    EXPECT_TRUE(WildcardMatches(Text + "b", "*a*a*a*a*b", true));
    EXPECT_FALSE(WildcardMatches(Text, "*?*?*?*?*?*?*?*?*?*?*b", true));
    auto Elapsed = std::chrono::steady_clock::now() - Start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Elapsed).count(), 2000);
}

TEST(MatchCore, PatternIsFoundAnywhere) {
    EXPECT_TRUE(Finds("a?c", "xxabcxx"));
    EXPECT_FALSE(Finds("abc", "ab"));
    EXPECT_TRUE(Finds("ABC", "xabcx"));
    EXPECT_FALSE(Finds("ABC", "xabcx", true));
    EXPECT_TRUE(Finds("b*d", "abcde"));
}

TEST(MatchCore, EmptyPatternMatchesEveryText) {
    TMatchCore M;
    M.SetPattern("");
    EXPECT_EQ(M.InternalPattern(), "**");
    EXPECT_EQ(M.Pattern(), "");
    M.SetSource("");
    EXPECT_TRUE(M.IsMatch());
    M.SetSource("anything");
    EXPECT_TRUE(M.IsMatch());
    // A fresh matcher behaves the same.
    EXPECT_TRUE(TMatchCore().IsMatch());
}

TEST(MatchCore, PatternPropertyReadsBackAsSet) {
    TMatchCore M;
    M.SetPattern("a*b?");
    EXPECT_EQ(M.InternalPattern(), "*a*b?*");
    EXPECT_EQ(M.Pattern(), "a*b?");
}

TEST(MatchCore, SourceListDropsEmptyEntriesAndModeSwitchDoesNotConvert) {
    TMatchCore M;
    M.SetSource("text;with;semicolons");
    M.SourceIsFile = true;
    EXPECT_TRUE(M.Files().empty());
    EXPECT_EQ(M.Source(), "");
    M.SetSource(";a.asm;;b.asm;");
    EXPECT_EQ(M.Files(), (std::vector<std::string>{"a.asm", "b.asm"}));
    EXPECT_EQ(M.Source(), "a.asm;b.asm");
    M.SourceIsFile = false;
    EXPECT_EQ(M.Source(), "text;with;semicolons");
}

TEST(LineMatching, EachLineIsTestedOnItsOwn) {
    EXPECT_TRUE(AnyLineMatches("first\r\nsecond\r\nneedle here", "*needle*", false));
    EXPECT_TRUE(AnyLineMatches("a\rneedle\rb", "*needle*", false));
    EXPECT_TRUE(AnyLineMatches("a\nb\nNEEDLE\n", "*needle*", false));
    EXPECT_FALSE(AnyLineMatches("nee\r\ndle", "*needle*", false));
    // The pattern never spans a line break.
    EXPECT_FALSE(AnyLineMatches("ab\ncd", "*b*c*", false));
}

TEST(LineMatching, EmptyLinesAndEmptyText) {
    EXPECT_FALSE(AnyLineMatches("", "**", false));
    EXPECT_TRUE(AnyLineMatches("\r\n", "**", false));
    EXPECT_TRUE(AnyLineMatches("x\r\n\r\ny", "", false));
    EXPECT_FALSE(AnyLineMatches("x\r\ny\r\n", "", false));
}

TEST(LineMatching, VeryLongLinesAreMatchedWhole) {
    std::string Line(100000, 'x');
    Line += "needle";
    EXPECT_TRUE(AnyLineMatches("short\r\n" + Line + "\r\n", "*needle*", false));
    EXPECT_TRUE(AnyLineMatches(Line, "*xneedle", true));
}

TEST(MatchCore, FilesAreSearchedLineByLine) {
    std::map<std::string, std::string> Disk{
        {"a.asm", "mov ax, bx\r\nret\r\n"},
        {"b.asm", "nothing\r\nat all\r\nbut the last line has CALL Foo"},
    };
    std::vector<std::string> Read;
    auto Reader = [&](const std::string& F) {
        Read.push_back(F);
        return Disk.at(F);
    };
    TMatchCore M;
    M.SourceIsFile = true;
    M.SetSource("a.asm;b.asm");
    M.SetPattern("call f?o");
    EXPECT_TRUE(M.IsMatch(Reader));
    EXPECT_EQ(Read, (std::vector<std::string>{"a.asm", "b.asm"}));

    M.CaseSensitive = true;
    EXPECT_FALSE(M.IsMatch(Reader));
    M.SetPattern("mov");
    Read.clear();
    EXPECT_TRUE(M.IsMatch(Reader));
    EXPECT_EQ(Read, std::vector<std::string>{"a.asm"});
}

TEST(MatchCore, NoFilesNoMatch) {
    TMatchCore M;
    M.SourceIsFile = true;
    M.SetSource(";;");
    EXPECT_FALSE(M.IsMatch([](const std::string&) -> std::string { throw std::runtime_error("no file"); }));
}

}  // namespace

namespace {

TEST(MatchLines, PlainTextPatternsAgreeWithTheLineByLineTest) {
    const char* Texts[] = {"", "abc", "xx Needle yy", "needle", "nEEdLE\r\n", "nee\r\ndle", "nee\ndle\r\n",
                           "line\r\nlast NEEDLE", "aNaNaNeedleN", "NNNNNNNNNeedl", "needl\re", "\r\n\r\n"};
    const char* Patterns[] = {"*needle*", "*Needle*", "*N*", "*nee*", "*a*"};
    for (const char* T : Texts)
        for (const char* P : Patterns)
            for (bool Case : {false, true})
                // A doubled star means the same but takes the line-by-line way.
                EXPECT_EQ(AnyLineMatches(T, P, Case), AnyLineMatches(T, std::string("*") + P, Case))
                    << T << " / " << P << " / " << Case;
}

TEST(MatchLines, PlainTextIsFoundAtEveryPlaceOfALongerText) {
    // Places on both sides of every 16-byte step of the block-wise search,
    // and characters one case bit apart that are not letters.
    for (size_t At = 0; At + 6 <= 70; ++At) {
        std::string Text(70, '.');
        Text.replace(At, 6, "Ne@dL_");
        for (const char* P : {"*ne@dl_*", "*Ne@dL_*", "*ne`dl_*", "*n*", "*_*", "*L_.*"})
            for (bool Case : {false, true})
                EXPECT_EQ(AnyLineMatches(Text, P, Case), AnyLineMatches(Text, std::string("*") + P, Case))
                    << At << " / " << P << " / " << Case;
    }
}

TEST(MatchLines, CaseFoldingSkipsToEitherCaseOfTheFirstLetter) {
    std::string Big(100000, 'f');
    Big += "FINDme";
    EXPECT_TRUE(AnyLineMatches(Big, "*findME*", false));
    EXPECT_FALSE(AnyLineMatches(Big, "*findME*", true));
    EXPECT_TRUE(AnyLineMatches(Big, "*FINDme*", true));
    EXPECT_FALSE(AnyLineMatches(Big, "*findmex*", false));
}

}  // namespace
