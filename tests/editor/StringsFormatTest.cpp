#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillMemoStrings.h"
#include "editor/QuillStringsFormat.h"

namespace {
std::string RoundTrip(const std::string& Text, std::vector<std::string>* Written = nullptr) {
    TQuillEditor A(nullptr), B(nullptr);
    LoadText(A, Text);
    TValueTape Tape;
    static_cast<TQuillMemoStrings*>(A.Lines())->WriteData(Tape);
    if (Written) *Written = Tape.Strings();
    static_cast<TQuillMemoStrings*>(B.Lines())->ReadData(Tape);
    B.CheckIntegrity();
    return B.GetTextRange(0, B.CharCount());
}
}  // namespace

TEST(StringsFormat, LongParagraphIsWrittenInMarkedChunks) {
    std::string P(600, 'x');
    std::vector<std::string> W;
    EXPECT_EQ(RoundTrip(P, &W), P);
    ASSERT_EQ(W.size(), 3u);
    EXPECT_EQ(W[0], std::string(254, 'x') + '\x05');
    EXPECT_EQ(W[1], std::string(254, 'x') + '\x05');
    EXPECT_EQ(W[2], std::string(92, 'x'));
}

TEST(StringsFormat, ExactlyTwoHundredFiftyFiveCharactersIsOneString) {
    std::vector<std::string> W;
    std::string P(255, 'y');
    EXPECT_EQ(RoundTrip(P, &W), P);
    EXPECT_EQ(W.size(), 1u);
}

TEST(StringsFormat, EmptyParagraphsAreEmptyStrings) {
    std::vector<std::string> W;
    EXPECT_EQ(RoundTrip("a\r\n\r\nb\r\n", &W), "a\r\n\r\nb\r\n");
    EXPECT_EQ(W, (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(StringsFormat, ParagraphEndingInFiveSurvives) {
    std::string P = "abc\x05";
    EXPECT_EQ(RoundTrip(P + "\r\nnext"), P + "\r\nnext");
    std::string Long = std::string(254, 'z') + '\x05' + "q\x05";
    EXPECT_EQ(RoundTrip(Long + "\r\n\x05"), Long + "\r\n\x05");
}

TEST(StringsFormat, ReaderConcatenatesContinuedStrings) {
    TValueTape T;
    T.WriteListBegin();
    T.WriteString("ab\x05");
    T.WriteString("cd");
    T.WriteString("");
    T.WriteString("ef");
    T.WriteListEnd();
    TQuillEditor M(nullptr);
    LoadText(M, "replaced");
    static_cast<TQuillMemoStrings*>(M.Lines())->ReadData(T);
    EXPECT_EQ(Paragraphs(M), (std::vector<std::string>{"abcd", "", "ef"}));
}

TEST(ParaStrings, CountsParagraphsButNotAnEmptyLastOne) {
    TQuillEditor M(nullptr);
    LoadText(M, "a\r\nb\r\n");
    TStrings* P = M.ParaStrings();
    EXPECT_EQ(P->GetCount(), 2);
    EXPECT_EQ(P->Add("c"), 2);
    EXPECT_EQ(M.GetTextRange(0, M.CharCount()), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(P->Add("d"), 3);
    EXPECT_EQ(P->GetCount(), 4);
    P->Delete(0);
    EXPECT_EQ(M.GetTextRange(0, M.CharCount()), "b\r\nc\r\nd\r\n");
    P->Insert(1, "x");
    EXPECT_EQ(P->Get(1), "x");
    P->Put(0, "B");
    EXPECT_EQ(M.GetTextRange(0, M.CharCount()), "B\r\nx\r\nc\r\nd\r\n");
    EXPECT_THROW(P->Get(99), EStringListError);
}

TEST(ParaStrings, AddOnANonEmptyLastParagraphReturnsItsOwnLastIndex) {
    TQuillEditor M(nullptr);
    LoadText(M, "a");
    EXPECT_EQ(M.ParaStrings()->Add("b"), 1);
    EXPECT_EQ(M.GetTextRange(0, M.CharCount()), "a\r\nb");
}

TEST(ParaStrings, SetParagraphTextBeyondTheEndAppendsEmptyParagraphs) {
    TQuillEditor M(nullptr);
    M.SetParagraphText(3, "d");
    EXPECT_EQ(Paragraphs(M), (std::vector<std::string>{"", "", "", "d"}));
    M.CheckIntegrity();
}

TEST(LinesStrings, ViewsDisplayLines) {
    TQuillEditor M(nullptr);
    TStrings* L = M.Lines();
    L->SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(L->GetCount(), 3);
    EXPECT_EQ(L->Get(1), "two");
    L->Delete(1);
    EXPECT_EQ(L->Text(), "one\r\nthree");
    L->Insert(1, "2");
    EXPECT_EQ(L->Text(), "one\r\n2\r\nthree");
    L->Put(0, "1");
    EXPECT_EQ(L->Text(), "1\r\n2\r\nthree");
    EXPECT_EQ(L->Add("4"), 3);
    EXPECT_EQ(L->Text(), "1\r\n2\r\nthree\r\n4");
    L->Delete(99);  // ignored
    L->Clear();
    EXPECT_EQ(L->GetCount(), 0);
}

TEST(LinesStrings, BeginUpdateDefersLayout) {
    TQuillEditor M(nullptr);
    M.Lines()->BeginUpdate();
    EXPECT_EQ(M.UpdateCount(), 1);
    M.Lines()->Add("x");
    M.Lines()->EndUpdate();
    EXPECT_EQ(M.UpdateCount(), 0);
    M.CheckIntegrity();
}
