#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillEditor.h"

TEST(Navigator, EmptyEditorHasOneParagraphAndOneLine) {
    TQuillEditor M(nullptr);
    EXPECT_EQ(M.ParagraphCount(), 1);
    EXPECT_EQ(M.CharCount(), 0);
    EXPECT_EQ(M.LineCount(), 1);
    EXPECT_EQ(M.ParaStrings()->GetCount(), 0);
    EXPECT_EQ(M.Lines()->GetCount(), 0);
    M.CheckIntegrity();
}

TEST(Navigator, EveryParagraphEndReadsAsCrLf) {
    TQuillEditor M(nullptr);
    LoadText(M, "abc\r\nde");
    TQuillNavigator N(&M);
    N.SetPos(3);
    EXPECT_EQ(N.GetChar(), '\r');
    N.SetPos(4);
    EXPECT_EQ(N.GetChar(), '\n');
    N.SetPos(5);
    EXPECT_EQ(N.GetChar(), 'd');
    EXPECT_EQ(N.GetPar(), 1);
    EXPECT_EQ(M.ParagraphStart(1), 5);
    EXPECT_EQ(M.CharCount(), 7);
}

TEST(Navigator, LocatesParagraphsFromBarePositions) {
    TQuillEditor M(nullptr);
    std::string T;
    for (int i = 0; i < 500; ++i) T += std::string(static_cast<size_t>(i % 7), 'x') + "\r\n";
    LoadText(M, T);
    TQuillNavigator N(&M);
    for (int32_t p = 0; p < M.ParagraphCount(); p += 13) {
        N.ResetCache();
        N.Pos = M.ParagraphStart(p) + M.Paragraph(p).Length;  // on the CR
        EXPECT_EQ(N.LocatePar(), p);
        N.ResetCache();
        N.Pos = M.ParagraphStart(p) + M.Paragraph(p).Length + 1;  // on the LF
        EXPECT_EQ(N.LocatePar(), p);
    }
}

TEST(Navigator, SetLineNbPastTheEndGoesToTheLastLine) {
    TQuillEditor M(nullptr);
    LoadText(M, "a\r\nbb\r\nccc");
    TQuillNavigator N(&M);
    N.SetLineNb(99);
    EXPECT_EQ(N.GetPar(), 2);
    EXPECT_EQ(N.Pos, M.ParagraphStart(2));
    EXPECT_EQ(N.SetColumn(10), M.CharCount());
}

TEST(Navigator, ForAnObjectThatIsNotAnEditorRaises) {
    TPersistent NotAnEditor;
    try {
        TQuillNavigator N(&NotAnEditor);
        FAIL();
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message, "Internal error: component is not a TQuillMemo");
    }
}

TEST(Navigator, FormatStopsInsertAndDeleteAtTheNavigator) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcdef");
    TQuillNavigator N(&M);
    N.SetPos(2);
    TFormatStop S;
    S.Kind = 0xC0;
    N.InsertFormatStop(S);
    EXPECT_EQ(M.Paragraph(0).StopCount, 1);
    EXPECT_EQ(M.Paragraph(0).StopOffset(0), 2);
    EXPECT_EQ(N.GetStopIndex(), 1);
    EXPECT_EQ(N.CurrentStop().Kind, 0xC0);
    N.SetPos(3);
    try {
        N.ResetCache();
        N.Pos = 3;
        N.DeleteFormatStop();
        FAIL();
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message, "Internal QuillMemo error");
    }
    EXPECT_EQ(M.Paragraph(0).StopCount, 1);
    N.ResetCache();
    N.Pos = 2;
    N.DeleteFormatStop();
    EXPECT_EQ(M.Paragraph(0).StopCount, 0);
}

TEST(Navigator, StaysOnItsTextWhileTextChangesBeforeIt) {
    TQuillEditor M(nullptr);
    LoadText(M, "one\r\ntwo\r\nthree");
    TQuillNavigator N(&M);
    N.SetPos(M.ParagraphStart(2) + 2);  // "th|ree"
    ASSERT_EQ(N.GetChar(), 'r');
    M.SetSelStart(1);
    M.InsertTextAtSelection("XX\r\nYY\r\n");
    EXPECT_EQ(N.GetChar(), 'r');
    EXPECT_EQ(N.GetPar(), 4);
    M.SetSelStart(0);
    M.SetSelLength(M.ParagraphStart(3));
    M.ClearSelection();
    EXPECT_EQ(N.GetChar(), 'r');
    EXPECT_EQ(N.GetPar(), 1);
    M.CheckIntegrity();
}

TEST(Navigator, InsideADeletedRangeMovesToItsStart) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcdef");
    TQuillNavigator N(&M);
    N.SetPos(4);
    M.SetSelStart(2);
    M.SetSelLength(3);
    M.ClearSelection();
    EXPECT_EQ(N.Pos, 2);
    EXPECT_EQ(N.GetChar(), 'f');
}

TEST(Navigator, OutlivesItsEditorDetached) {
    auto M = std::make_unique<TQuillEditor>(nullptr);
    TQuillNavigator N(M.get());
    M.reset();
    EXPECT_EQ(N.Editor, nullptr);
}

TEST(Navigator, StyleFollowsInTextCodesFromTheLineStart) {
    TQuillEditor M(nullptr);
    LoadText(M, std::string("a\x02") + "bc\x02" + "d");
    TQuillNavigator N(&M);
    N.SetPos(3);
    EXPECT_EQ(N.GetStyle(), qsBold);
    N.SetPos(5);
    EXPECT_EQ(N.GetStyle(), 0);
    M.SetStaticFormat(false);
    N.ResetCache();
    N.Pos = 3;
    EXPECT_EQ(N.GetStyle(), 0);
}

TEST(Navigator, NextAndPrevStopWalkAcrossParagraphsWithinTheLimit) {
    TQuillEditor M(nullptr);
    M.StartStopKeys()->AddKey("\"", "\"", true, 1, -1, 0, 1, 0, 0);
    LoadText(M, "a \"b\" c\r\nxx\r\n\"d\"");
    M.FormatRange(0, 2, false);
    // Stops: paragraph 0 at 2 (open) and 5 (close); paragraph 2 at 0 and 3.
    TQuillNavigator N(&M);
    N.SetPos(0);
    ASSERT_TRUE(N.NextStop(M.CharCount()));
    EXPECT_EQ(N.Pos, 2);
    N.SkipStopsAtPos();
    ASSERT_TRUE(N.NextStop(M.CharCount()));
    EXPECT_EQ(N.Pos, 5);
    N.SkipStopsAtPos();
    EXPECT_FALSE(N.NextStop(M.ParagraphStart(2) - 1));
    EXPECT_EQ(N.Pos, 5);
    ASSERT_TRUE(N.NextStop(M.CharCount()));
    EXPECT_EQ(N.Pos, M.ParagraphStart(2));
    EXPECT_EQ(N.GetPar(), 2);
    ASSERT_TRUE(N.PrevStop(0));
    EXPECT_EQ(N.Pos, 5);
    ASSERT_TRUE(N.PrevStop(0));
    EXPECT_EQ(N.Pos, 2);
    EXPECT_FALSE(N.PrevStop(0));
    EXPECT_EQ(N.Pos, 2);
}
