#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillDocument.h"
#include "editor/QuillEditor.h"

using Strings = std::vector<std::string>;

TEST(Load, AllLineEndStylesGiveTheSameParagraphs) {
    for (const char* Sep : {"\r\n", "\n", "\r", "\n\r"}) {
        TQuillEditor M(nullptr);
        std::string S = Sep;
        LoadText(M, "one" + S + "two" + S + "three");
        EXPECT_EQ(Paragraphs(M), (Strings{"one", "two", "three"})) << "separator " << static_cast<int>(Sep[0]);
        M.CheckIntegrity();
    }
}

TEST(Load, DoubledLineBreaksMakeEmptyParagraphs) {
    TQuillEditor M(nullptr);
    LoadText(M, "a\r\rb\n\nc\r\n\r\nd");
    EXPECT_EQ(Paragraphs(M), (Strings{"a", "", "b", "", "c", "", "d"}));
}

TEST(Load, NulEndsTheTextAndLeavesTheStreamAfterIt) {
    TQuillEditor M(nullptr);
    TStringStream S(std::string("xx") + "ab\r\ncd" + std::string(1, '\0') + "rest");
    S.SetPosition(2);
    M.LoadFromStream(&S);
    EXPECT_EQ(Paragraphs(M), (Strings{"ab", "cd"}));
    EXPECT_EQ(S.Position(), 2 + 7);
}

TEST(Load, NullReplacementTurnsNulIntoItsCharacter) {
    TQuillEditor M(nullptr);
    M.SetNullReplacement(' ');
    LoadText(M, std::string("a") + '\0' + "b");
    EXPECT_EQ(Paragraphs(M), (Strings{"a b"}));
}

// Lines are scanned and copied many characters at a time: every length
// around those steps, each line end, across reading blocks (no empty lines:
// one between two different line ends would be read as a single end).
TEST(Load, LinesOfEveryShortLengthAndLineEndComeBackWhole) {
    const char* Ends[] = {"\r\n", "\n", "\r", "\n\r"};
    Strings Lines;
    std::string Text;
    for (int I = 0; Text.size() < 3 * 65500; ++I) {
        std::string Line;
        for (int C = 0; C <= I % 83; ++C) Line += static_cast<char>('!' + (I * 7 + C) % 90);
        Lines.push_back(Line);
        Text += Line + Ends[I % 4];
    }
    Lines.push_back("last");
    Text += "last";
    TQuillEditor M(nullptr);
    LoadText(M, Text);
    EXPECT_EQ(Paragraphs(M), Lines);
    M.CheckIntegrity();
}

TEST(Load, ParagraphsSpanReadingBlocks) {
    TQuillEditor M(nullptr);
    std::string Long(200000, 'q');
    Long[70000] = 'Z';
    LoadText(M, "head\r\n" + Long + "\r\ntail");
    ASSERT_EQ(M.ParagraphCount(), 3);
    EXPECT_EQ(M.GetParagraphText(1), Long);
    EXPECT_EQ(M.GetParagraphText(2), "tail");
    M.CheckIntegrity();
}

// Loaded texts share pool blocks of 16 MB; a paragraph still open when its
// block is full (here one that spans reading blocks) moves whole to the
// next one, and one longer than a block grows.
TEST(Load, TextsStayWholeAndZeroTerminatedAcrossPoolBlocks) {
    std::vector<std::string> Lines{"a"};
    std::string Text = "a \t\r\n";
    for (int I = 0; Text.size() < (size_t{17} << 20); ++I) {
        Lines.push_back(std::to_string(I) + std::string(100000, static_cast<char>('a' + I % 26)));
        Text += Lines.back() + "\r\n";
    }
    Lines.push_back("");
    std::string Long(size_t{17} << 20, 'x');
    for (const auto& [T, Want] : {std::pair{Text, Lines}, std::pair{"a\r\n" + Long + "\nb", Strings{"a", Long, "b"}}}) {
        TQuillDocument D;
        TStringStream S(T);
        D.LoadText(S, {.DiscardTrailingBlanks = true}, nullptr);
        ASSERT_EQ(D.ParagraphCount(), static_cast<int32_t>(Want.size()));
        int32_t Start = 0;
        for (int32_t I = 0; I < D.ParagraphCount(); ++I) {
            const TParagraph& P = D.Paragraph(I);
            ASSERT_TRUE(D.GetParagraphText(I) == Want[static_cast<size_t>(I)]) << "paragraph " << I;
            if (P.Length > 0) {
                ASSERT_EQ(P.Text()[P.Length], 0) << I;
            }
            ASSERT_EQ(D.ParagraphStart(I), Start) << I;
            Start += P.Length + 2;
        }
        EXPECT_EQ(D.CharCount(), Start - 2);
    }
}

// Paragraphs hold 32-bit references into the load pools, which all
// documents share, or into their own blocks once edited: documents loaded,
// edited, undone, reloaded and freed in turn keep their own texts.
TEST(Load, TextReferencesOfSeveralDocumentsStayApartAcrossEditsAndReloads) {
    auto Lines = [](char C, int N) {
        std::string T;
        for (int I = 0; I < N; ++I) T += std::string(1 + I % 70, C) + "\r\n";
        return T;
    };
    auto Load = [](TQuillDocument& D, const std::string& T) {
        TStringStream S(T);
        D.LoadText(S, {}, nullptr);
    };
    auto Whole = [](const TQuillDocument& D) { return D.GetTextRange(0, D.CharCount()); };
    std::string A = Lines('a', 3000), B = Lines('b', 5000);
    TQuillDocument DA, DB;
    Load(DA, A);
    Load(DB, B);
    DA.Replace(1, 1, "XY\r\nZ", true, false);
    DB.Replace(10, 12, "", true, false);
    EXPECT_EQ(Whole(DA), A.substr(0, 1) + "XY\r\nZ" + A.substr(1));
    EXPECT_EQ(Whole(DB), B.substr(0, 10) + B.substr(12));
    DA.Undo();
    DB.Undo();
    EXPECT_EQ(Whole(DA), A);
    EXPECT_EQ(Whole(DB), B);
    {
        // A third document takes the pool space and gives it back.
        TQuillDocument DC;
        Load(DC, Lines('c', 100000));
        EXPECT_EQ(DC.GetParagraphText(99999), std::string(1 + 99999 % 70, 'c'));
    }
    std::string A2 = Lines('d', 4000);
    Load(DA, A2);
    DA.Replace(DA.CharCount(), DA.CharCount(), "end", true, false);
    EXPECT_EQ(Whole(DA), A2 + "end");
    EXPECT_EQ(Whole(DB), B);
}

// A load keeps its paragraphs' starts in chunks that go as the records
// are made: paragraphs far below, in later chunks, are still found, before
// and after an edit.
TEST(Load, ParagraphsFarBelowTheRecordsMadeAreFound) {
    TQuillDocument D;
    std::string Text;
    for (int I = 0; I < 200000; ++I) Text += "abc\r\n";
    TStringStream S(Text);
    D.LoadText(S, {}, nullptr);
    EXPECT_EQ(D.ParagraphAt(5 * 170000 + 1), 170000);
    EXPECT_EQ(D.ParagraphStart(190000), 5 * 190000);
    EXPECT_EQ(D.Paragraph(140000).Length, 3);
    EXPECT_EQ(D.ParagraphAt(5 * 199999 + 2), 199999);
    D.Replace(5 * 150000, 5 * 150000, "x\r\n", true, false);
    EXPECT_EQ(D.ParagraphAt(5 * 199999 + 5), 200000);
    EXPECT_EQ(D.ParagraphStart(200000), 5 * 199999 + 3);
    EXPECT_EQ(D.GetParagraphText(200000), "abc");
    EXPECT_EQ(D.ParagraphCount(), 200002);
    Text.insert(5 * 150000, "x\r\n");
    EXPECT_EQ(D.GetTextRange(0, D.CharCount()), Text);
}

TEST(Load, ALineBreakAtABlockBoundaryPairsWithTheNextBlock) {
    TQuillEditor M(nullptr);
    std::string T(65499, 'a');
    T += "\r\nb";  // CR is the last byte of the first block, LF the first of the next
    LoadText(M, T);
    EXPECT_EQ(M.ParagraphCount(), 2);
    EXPECT_EQ(M.GetParagraphText(1), "b");
}

TEST(Load, TrailingLineBreakGivesAnEmptyLastParagraphAndSavesBack) {
    TQuillEditor M(nullptr);
    LoadText(M, "a b \r\n\tc\r\n");
    EXPECT_EQ(Paragraphs(M), (Strings{"a b ", "\tc", ""}));
    EXPECT_EQ(SavedText(M), "a b \r\n\tc\r\n");
    EXPECT_EQ(M.ParaStrings()->GetCount(), 2);
}

TEST(Load, DiscardTrailingSpacesOnLoadAndSave) {
    TQuillEditor M(nullptr);
    M.SetOptions(M.Options() + TQuillMemoOptions{pmoDiscardTrailingSpaces});
    LoadText(M, "a  \r\nb\t \r\nc  ");
    EXPECT_EQ(Paragraphs(M), (Strings{"a", "b", "c  "}));
    EXPECT_EQ(SavedText(M), "a\r\nb\r\nc");
}

TEST(Save, StaticFormatDropsCancellingStyleCodes) {
    TQuillEditor M(nullptr);
    LoadText(M, std::string("x\x02\x02y\x02\x01\x02z"));
    EXPECT_EQ(SavedText(M), std::string("xy\x01z"));
    // Without static format the codes are plain characters and stay.
    M.SetStaticFormat(false);
    EXPECT_EQ(SavedText(M), std::string("x\x02\x02y\x02\x01\x02z"));
}

TEST(Load, ResetsSelectionNavigatorsAndUndo) {
    TQuillEditor M(nullptr);
    LoadText(M, "hello");
    M.SetSelStart(5);
    Type(M, "!!");
    ASSERT_TRUE(M.CanUndo());
    TQuillNavigator N(&M);
    N.SetPos(4);
    LoadText(M, "x\r\ny");
    EXPECT_FALSE(M.CanUndo());
    EXPECT_EQ(N.Pos, 0);
    EXPECT_EQ(M.GetSelStart(), 0);
    EXPECT_EQ(M.SelLength(), 0);
}

namespace {
// A stream that fails after handing out some bytes.
class TFailingStream : public TStringStream {
public:
    using TStringStream::TStringStream;
    int32_t Read(void* Buffer, int32_t Count) override {
        if (Calls++ > 0) throw EReadError("Stream read error");
        return TStringStream::Read(Buffer, std::min(Count, 65500));
    }
    int Calls = 0;
};
}  // namespace

TEST(Load, AFailingStreamLeavesAnEmptyEditor) {
    TQuillEditor M(nullptr);
    LoadText(M, "old text");
    TFailingStream S(std::string(70000, 'a'));
    EXPECT_THROW(M.LoadFromStream(&S), EReadError);
    EXPECT_EQ(M.ParagraphCount(), 1);
    EXPECT_EQ(M.CharCount(), 0);
    EXPECT_EQ(M.LineCount(), 1);
    M.CheckIntegrity();
    Type(M, "ok");
    EXPECT_EQ(M.GetParagraphText(0), "ok");
}

TEST(Load, ReplaceAllTextOfNothingOnAnEmptyEditorDoesNothing) {
    TQuillEditor M(nullptr);
    int Changes = 0;
    M.OnChange = [&](TObject*) { ++Changes; };
    M.ReplaceAllText("");
    EXPECT_EQ(Changes, 0);
    M.ReplaceAllText("a\r\nb");
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(M.Lines()->Text(), "a\r\nb");
}
