#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillEditor.h"

namespace {

constexpr int32_t Yellow = 65535, Grey = 8421504, Green = 65280;

// The code window's keys: MOV, ";" comments and quoted strings.
void AddCodeWindowKeys(TQuillEditor& M) {
    M.Keywords()->AddKeyword("MOV", koWholeWord, 0, 1, 0, -1, Yellow);
    M.StartStopKeys()->AddKey(";", "", true, Grey, -1, 0, 1, 0, 0);
    M.StartStopKeys()->AddKey("\"", "\"", true, Green, -1, 0, 1, 0, 0);
}

void HighlightAll(TQuillEditor& M) { M.FormatRange(0, M.ParagraphCount() - 1, false); }

// The foreground colour in force at each character of paragraph P
// (-2 where no highlighting stop is in force).
std::vector<int32_t> Colours(TQuillEditor& M, int32_t P) {
    std::vector<int32_t> R;
    TQuillNavigator N(&M);
    for (int32_t i = 0; i < M.Paragraph(P).Length; ++i) {
        N.ResetCache();
        N.Pos = M.ParagraphStart(P) + i;
        N.SkipStopsAtPos();
        const TFormatStop& S = N.CurrentStop();
        R.push_back(IsHighlightingStop(S) ? S.Foreground : -2);
    }
    return R;
}

std::vector<int32_t> Spans(std::initializer_list<std::pair<int, int32_t>> Parts) {
    std::vector<int32_t> R;
    for (auto [N, C] : Parts) R.insert(R.end(), static_cast<size_t>(N), C);
    return R;
}

}  // namespace

TEST(Highlight, WholeWordKeywordSkipsALongerWordAndALaterKeywordMatches) {
    TQuillEditor M(nullptr);
    M.Keywords()->AddKeyword("MOV", koWholeWord, 0, 1, 0, -1, Yellow);
    M.Keywords()->AddKeyword("MOVSB", koWholeWord, 0, 1, 0, -1, Green);
    LoadText(M, "MOVSB mov");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{5, Green}, {1, -2}, {3, Yellow}}));
    const TParagraph& P = M.Paragraph(0);
    ASSERT_GE(P.StopCount, 1);
    EXPECT_EQ(P.Stop(0).Kind, qkRegion);
    EXPECT_EQ(P.Stop(0).Depth, 0);
    EXPECT_EQ(P.Stop(0).Stack[0], 1);
    EXPECT_EQ(P.Stop(0).KeyLength, 5);
}

TEST(Highlight, EarlierKeywordWinsWhereKeywordsOverlap) {
    TQuillEditor M(nullptr);
    M.Keywords()->AddKeyword("AB", 0, 0, 1, 0, -1, Yellow);
    M.Keywords()->AddKeyword("BC", 0, 0, 1, 0, -1, Green);
    LoadText(M, "abc");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{2, Yellow}, {1, -2}}));
}

TEST(Highlight, MatchCaseKeywordsRespectCase) {
    TQuillEditor M(nullptr);
    M.Keywords()->AddKeyword("Ab", koMatchCase, 0, 1, 0, -1, Yellow);
    LoadText(M, "ab Ab AB");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{3, -2}, {2, Yellow}, {3, -2}}));
}

TEST(Highlight, KeywordsInsideCommentsAndStringsAreNotColoured) {
    TQuillEditor M(nullptr);
    AddCodeWindowKeys(M);
    LoadText(M, "mov a ; mov\r\n\"mov\" mov");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{3, Yellow}, {3, -2}, {5, Grey}}));
    EXPECT_EQ(Colours(M, 1), Spans({{5, Green}, {1, -2}, {3, Yellow}}));
}

TEST(Highlight, UnclosedStringEndsAtTheEndOfItsLine) {
    TQuillEditor M(nullptr);
    AddCodeWindowKeys(M);
    LoadText(M, "x \"abc\r\nmov");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{2, -2}, {4, Green}}));
    EXPECT_EQ(Colours(M, 1), Spans({{3, Yellow}}));
}

TEST(Highlight, KeywordWithContextZeroIsNeverApplied) {
    TQuillEditor M(nullptr);
    M.Keywords()->AddKeyword("MOV", 0, 0, 0, 0, -1, Yellow);
    LoadText(M, "mov");
    HighlightAll(M);
    EXPECT_EQ(M.Paragraph(0).StopCount, 0);
}

TEST(Highlight, ApplyKeyWordsOffLeavesKeywordsPlain) {
    TQuillEditor M(nullptr);
    AddCodeWindowKeys(M);
    M.SetApplyKeyWords(false);
    LoadText(M, "mov ;c");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{4, -2}, {2, Grey}}));
}

TEST(Highlight, RegionsRunAcrossParagraphsUntilTheirStopKey) {
    TQuillEditor M(nullptr);
    M.StartStopKeys()->AddKey("/*", "*/", false, Green, -1, 0, 1, 0, 0);
    LoadText(M, "a /* b\r\nc\r\nd */ e");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{2, -2}, {4, Green}}));
    EXPECT_EQ(Colours(M, 1), Spans({{1, Green}}));
    EXPECT_EQ(Colours(M, 2), Spans({{4, Green}, {2, -2}}));
}

TEST(Highlight, TypingAStartKeyRehighlightsOnlyUntilTheStateIsUnchanged) {
    TQuillEditor M(nullptr);
    M.StartStopKeys()->AddKey("/*", "*/", false, Green, -1, 0, 1, 0, 0);
    std::string T = "a\r\nb\r\nc */ d";
    for (int i = 0; i < 50; ++i) T += "\r\nline";
    LoadText(M, T);
    HighlightAll(M);
    M.SetSelStart(0);
    M.InsertTextAtSelection("/*");
    M.EnsureHighlighted(M.ParagraphCount() - 1);
    EXPECT_EQ(Colours(M, 1), Spans({{1, Green}}));
    EXPECT_EQ(Colours(M, 2), Spans({{4, Green}, {2, -2}}));
    // Paragraphs after the closing one kept their highlighting.
    for (int32_t p = 4; p < M.ParagraphCount(); ++p) EXPECT_TRUE(M.Paragraph(p).Parsed) << p;
}

TEST(Highlight, DeletingTheCloseOfARegionExtendsIt) {
    TQuillEditor M(nullptr);
    M.StartStopKeys()->AddKey("/*", "*/", false, Green, -1, 0, 1, 0, 0);
    LoadText(M, "/* a */\r\nb");
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 1), Spans({{1, -2}}));
    M.SetSelStart(5);
    M.SetSelLength(2);
    M.ClearSelection();
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 1), Spans({{1, Green}}));
}

TEST(Highlight, EmptyParagraphsAreMatchedSafely) {
    TQuillEditor M(nullptr);
    AddCodeWindowKeys(M);
    LoadText(M, "\r\n\r\n;\r\n");
    HighlightAll(M);
    EXPECT_EQ(M.Paragraph(0).StopCount, 0);
    EXPECT_EQ(Colours(M, 2), Spans({{1, Grey}}));
}

// Stops past 65535 characters do not fit the short stop records, nor past
// 255 the shortest: the paragraph keeps long ones, and shorter ones again
// as the text shrinks, and longer ones once it grows.
TEST(Highlight, StopsFarIntoALongParagraphKeepTheirPlaces) {
    TQuillEditor M(nullptr);
    AddCodeWindowKeys(M);
    std::string Long(70000, 'a');
    LoadText(M, "MOV " + Long + " MOV ; c");
    HighlightAll(M);
    const TParagraph& P = M.Paragraph(0);
    ASSERT_EQ(P.StopCount, 5);
    EXPECT_EQ(P.StopOffset(2), 70005);
    EXPECT_EQ(P.Stop(2).Foreground, Yellow);
    EXPECT_EQ(P.StopOffset(4), 70009);
    M.SetSelStart(4);
    M.SetSelLength(69000);
    M.ClearSelection();
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{3, Yellow}, {1002, -2}, {3, Yellow}, {1, -2}, {3, Grey}}));
    M.SetSelStart(4);
    M.SetSelLength(900);
    M.ClearSelection();
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{3, Yellow}, {102, -2}, {3, Yellow}, {1, -2}, {3, Grey}}));
    M.SetSelStart(4);
    M.InsertTextAtSelection(std::string(300, 'b'));
    HighlightAll(M);
    EXPECT_EQ(Colours(M, 0), Spans({{3, Yellow}, {402, -2}, {3, Yellow}, {1, -2}, {3, Grey}}));
}

// Short paragraphs keep their stops in the narrowest form: up to two in
// the record itself, with 8-bit states while few states are in use and
// 16-bit ones past the 255th; an edit moves them from one form to another.
TEST(Highlight, StopsKeepTheirStatesInEveryStoredForm) {
    TQuillEditor M(nullptr);
    std::string Text;
    for (int K = 0; K < 300; ++K) {
        std::string W = "k" + std::to_string(K);
        M.Keywords()->AddKeyword(W, koWholeWord, 0, 1, 0, -1, 1000 + K);
        Text += (K % 2 ? W + " " + W : W) + "\r\n";
    }
    LoadText(M, Text);
    HighlightAll(M);
    auto Want = [](int K, bool Twice) {
        auto L = static_cast<int>(std::to_string(K).size()) + 1;
        return Twice ? Spans({{L, 1000 + K}, {1, -2}, {L, 1000 + K}}) : Spans({{L, 1000 + K}});
    };
    for (int K = 0; K < 300; ++K) EXPECT_EQ(Colours(M, K), Want(K, K % 2)) << K;
    for (int K : {1, 299}) {
        int32_t End = M.ParagraphStart(K) + M.Paragraph(K).Length;
        M.SetSelStart(End - static_cast<int32_t>(std::to_string(K).size()) - 2);
        M.SetSelLength(static_cast<int32_t>(std::to_string(K).size()) + 2);
        M.ClearSelection();
        HighlightAll(M);
        EXPECT_EQ(Colours(M, K), Want(K, false)) << K;
        M.InsertTextAtSelection(" k" + std::to_string(K));
        HighlightAll(M);
        EXPECT_EQ(Colours(M, K), Want(K, true)) << K;
    }
}

TEST(KeyLists, KeysAreLimitedInLengthAndNumber) {
    TQuillEditor M(nullptr);
    EXPECT_THROW(M.Keywords()->Add(std::string(256, 'k')), EListError);
    EXPECT_THROW(M.StartStopKeys()->AddKey(std::string(256, 'k'), "", true, 0, 0, 0, 0, 0, 0), EListError);
    EXPECT_NO_THROW(M.Keywords()->Add(std::string(255, 'k')));
    TStartStopKeyList L;
    for (int i = 0; i < QuillMaxKeys; ++i) L.AddKey("a", "b", false, 0, 0, 0, 0, 0, 0);
    EXPECT_THROW(L.AddKey("a", "b", false, 0, 0, 0, 0, 0, 0), EListError);
}

TEST(KeyLists, SameStartLinkPointsAtTheFirstEqualKey) {
    TStartStopKeyList L;
    L.AddKey("x", "1", false, 0, 0, 0, 0, 0, 0);
    L.AddKey("y", "2", false, 0, 0, 0, 0, 0, 0);
    L.AddKey("X", "3", false, 0, 0, 0, 0, 0, 0);
    L.AddKey("x", "4", false, 0, 0, 0, 0, 0, koMatchCase);
    EXPECT_EQ(L.Key(0).SameStartLink, -1);
    EXPECT_EQ(L.Key(2).SameStartLink, 0);
    EXPECT_EQ(L.Key(3).SameStartLink, -1);
    EXPECT_EQ(L.MaxStopLength(), 1);
    L.AddKey("z", "", true, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(L.MaxStopLength(), 2);
}

TEST(KeyLists, KeywordsStreamFormatRoundTrips) {
    TKeywordList A, B;
    A.AddKeyword("MOV", 2, 0, 1, 0, -1, 65535);
    A.AddKeyword("push", 3, 5, 7, 2, 255, -1);
    TValueTape T;
    A.WriteData(T);
    B.AddKeyword("old", 0, 0, 1, 0, 0, 0);
    B.ReadData(T);
    ASSERT_EQ(B.GetCount(), 2);
    EXPECT_EQ(B.Get(1), "push");
    TKeywordInfo I = B.GetKeywordInfo(1);
    EXPECT_EQ(I.Options, 3);
    EXPECT_EQ(I.Style, 5);
    EXPECT_EQ(I.Context, 7);
    EXPECT_EQ(I.Cursor, 2);
    EXPECT_EQ(I.Background, 255);
    EXPECT_EQ(I.Foreground, -1);
    EXPECT_EQ(I.KeyLength, 4);
    EXPECT_EQ(B.MaxKeyLength(), 4);
    EXPECT_EQ(B.Compiled()[0], "MOV");
}

TEST(KeyLists, KeysStreamFormatRoundTripsWithOriginalTexts) {
    TStartStopKeyList A, B;
    A.AddKey(";", "", true, 8421504, -1, 0, 1, 0, 0);
    A.AddKey("rem", "end", false, 1, 2, 3, 4, 5, 2);
    TValueTape T;
    A.WriteData(T);
    EXPECT_EQ(T.Strings(), (std::vector<std::string>{";", "", "rem", "end"}));
    B.ReadData(T);
    ASSERT_EQ(B.Count(), 2);
    EXPECT_STREQ(B.Key(1).StartKey, "REM");
    EXPECT_EQ(B.OriginalStart(1), "rem");
    EXPECT_EQ(B.Key(1).Context, 4);
    EXPECT_EQ(B.Key(1).Style, 5);
    EXPECT_EQ(B.Key(0).EndsAtParEnd, 1);
    EXPECT_FALSE(B.Prepared());
}

TEST(KeyLists, AssignCopiesOnlyFromAnotherKeywordList) {
    TKeywordList A, B;
    A.AddKeyword("a", 1, 2, 3, 4, 5, 6);
    B.Assign(&A);
    EXPECT_EQ(B.GetCount(), 1);
    EXPECT_NE(B.Keyword(0), A.Keyword(0));
    EXPECT_EQ(B.GetKeywordInfo(0).Foreground, 6);
    TStringList Other;
    Other.Add("x");
    B.Assign(&Other);
    EXPECT_EQ(B.GetCount(), 1);
}

TEST(Separators, DefaultAndListedInCodeOrder) {
    TQuillEditor M(nullptr);
    EXPECT_EQ(M.Separators(), "\t ,.:;");
    M.SetSeparators("z a");
    EXPECT_EQ(M.Separators(), " az");
}

namespace {
// Which keyword claims each character: every keyword in list order,
// searched on its own, with earlier claims blanked out, and so is the text
// of strings whose context allows no keywords (-3: in a string).
std::vector<int> PlainSearch(const std::vector<std::pair<std::string, uint8_t>>& Keys, std::string Text,
                             const TSeparators& Seps, bool Strings, bool KeywordsInStrings) {
    std::vector<int> Owner(Text.size(), -1);
    std::vector<bool> InString(Text.size(), false);
    for (size_t i = 0; Strings && i < Text.size(); ++i)
        if (Text[i] == '"') {
            size_t Close = Text.find('"', i + 1);
            size_t End = Close == std::string::npos ? Text.size() : Close + 1;
            for (; i < End; ++i) InString[i] = true;
            --i;
        }
    std::string Upper = Text;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (InString[i] && !KeywordsInStrings) Text[i] = 5;
        Upper[i] = (Text[i] >= 'a' && Text[i] <= 'z') ? static_cast<char>(Text[i] - 32) : Text[i];
    }
    for (size_t k = 0; k < Keys.size(); ++k) {
        auto [Key, Opt] = Keys[k];
        if (!(Opt & koMatchCase))
            for (char& C : Key) C = (C >= 'a' && C <= 'z') ? static_cast<char>(C - 32) : C;
        const std::string& Buf = (Opt & koMatchCase) ? Text : Upper;
        auto Sep = [&](size_t I) { return Seps[static_cast<unsigned char>(Buf[I])]; };
        for (size_t Q = Buf.find(Key); Q != std::string::npos; Q = Buf.find(Key, Q + Key.size())) {
            if ((Opt & koWholeWord) && !((Q == 0 || Sep(Q - 1)) && (Q + Key.size() >= Buf.size() || Sep(Q + Key.size()))))
                continue;
            for (size_t i = Q; i < Q + Key.size(); ++i) {
                Owner[i] = static_cast<int>(k);
                Text[i] = Upper[i] = 5;
            }
        }
    }
    for (size_t i = 0; i < Text.size(); ++i)
        if (InString[i] && Owner[i] < 0) Owner[i] = -3;
    return Owner;
}
}  // namespace

// Random keywords and lines, some with strings that allow keywords or not
// (a word beside a string runs on into its blocked text). The colours also
// follow a keyword record changed in place once the text is highlighted
// again.
TEST(Highlight, KeywordsFoundInOnePassAgreeWithASearchPerKeyword) {
    uint32_t Seed = 7;
    auto Rand = [&](uint32_t N) { return ((Seed = Seed * 1103515245u + 12345u) >> 16) % N; };
    const std::string Alphabet = "abAB, .;:\"";
    constexpr int32_t StringColour = 100;
    for (int Round = 0; Round < 600; ++Round) {
        TQuillEditor M(nullptr);
        bool Strings = Round % 3 != 2, KeywordsInStrings = Rand(2) == 0;
        if (Strings) M.StartStopKeys()->AddKey("\"", "\"", true, StringColour, -1, 0, KeywordsInStrings ? 0 : 1, 0, 0);
        std::vector<std::pair<std::string, uint8_t>> Keys;
        for (int k = 0; k < 8; ++k) {
            std::string Key;
            for (uint32_t n = 1 + Rand(3); n > 0; --n) Key += Alphabet[Rand(Round % 3 == 0 ? 9 : 4)];
            auto Opt = static_cast<uint8_t>(Rand(4));
            Keys.emplace_back(Key, Opt);
            M.Keywords()->AddKeyword(Key, Opt, 0, 1, 0, -1, k);
        }
        std::string Line;
        for (int i = 0; i < 60; ++i) Line += Alphabet[Rand(Strings ? 10 : 9)];
        LoadText(M, Line);
        HighlightAll(M);
        std::vector<int> Want = PlainSearch(Keys, Line, M.SeparatorSet(), Strings, KeywordsInStrings);
        auto Colour = [&](int W) { return W == -3 ? StringColour : W < 0 ? -2 : W; };
        std::vector<int32_t> Got = Colours(M, 0);
        for (size_t i = 0; i < Line.size(); ++i) ASSERT_EQ(Got[i], Colour(Want[i])) << Round << " at " << i << " in " << Line;
        M.Keywords()->Keyword(0)->Foreground = 50;
        M.ReformatAll();
        HighlightAll(M);
        Got = Colours(M, 0);
        for (size_t i = 0; i < Line.size(); ++i)
            ASSERT_EQ(Got[i], Want[i] == 0 ? 50 : Colour(Want[i])) << Round << " changed, at " << i << " in " << Line;
    }
}
