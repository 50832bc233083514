#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillEditor.h"
#include "framework/classes/TypeInfo.h"

namespace {
std::string All(TQuillEditor& M) { return M.GetTextRange(0, M.CharCount()); }
}  // namespace

TEST(Edit, InsertingLineBreaksSplitsParagraphs) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcdef");
    M.SetSelStart(3);
    M.InsertTextAtSelection("1\r\n2\r3\n4");
    // Every kind of line end splits, as loading does.
    EXPECT_EQ(Paragraphs(M), (std::vector<std::string>{"abc1", "2", "3", "4def"}));
    EXPECT_EQ(M.GetSelStart(), 3 + 1 + 2 + 1 + 2 + 1 + 2 + 1);
    M.CheckIntegrity();
    M.SetSelStart(0);
    M.InsertTextAtSelection("a\n\rb\n\nc\r\rd\n");
    EXPECT_EQ(Paragraphs(M), (std::vector<std::string>{"a", "b", "", "c", "", "d", "abc1", "2", "3", "4def"}));
    M.CheckIntegrity();
    M.Undo();
    EXPECT_EQ(Paragraphs(M), (std::vector<std::string>{"abc1", "2", "3", "4def"}));
}

TEST(Edit, ReplacingASelectionAcrossParagraphsJoinsThem) {
    TQuillEditor M(nullptr);
    LoadText(M, "one\r\ntwo\r\nthree");
    M.SetSelStart(2);
    M.SetSelLength(M.ParagraphStart(2) + 1 - 2);
    EXPECT_EQ(M.GetSelText(), "e\r\ntwo\r\nt");
    M.InsertTextAtSelection("X");
    EXPECT_EQ(All(M), "onXhree");
    EXPECT_EQ(M.ParagraphCount(), 1);
    M.CheckIntegrity();
}

TEST(Edit, BackwardSelectionKeepsTheCaretAtItsAnchor) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcdef");
    M.SetSelStart(4);
    M.SetSelLength(-3);
    EXPECT_EQ(M.GetSelStart(), 4);
    EXPECT_EQ(M.GetSelText(), "bcd");
    M.SetSelLength(-99);
    EXPECT_EQ(M.SelLength(), -4);
}

TEST(Edit, GetSelTextBufBoundsItsCopy) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcdef");
    M.SetSelStart(1);
    M.SetSelLength(4);
    char Buf[8] = "zzzzzzz";
    EXPECT_EQ(M.GetSelTextBuf(Buf, 0), 0);
    EXPECT_EQ(Buf[0], 'z');
    EXPECT_EQ(M.GetSelTextBuf(Buf, -5), 0);
    EXPECT_EQ(M.GetSelTextBuf(Buf, 3), 2);
    EXPECT_STREQ(Buf, "bc");
    EXPECT_EQ(M.GetSelTextBuf(Buf, 8), 4);
    EXPECT_STREQ(Buf, "bcde");
}

TEST(Edit, GetTextRangeClampsAndWritesCrLf) {
    TQuillEditor M(nullptr);
    LoadText(M, "ab\r\ncd");
    EXPECT_EQ(M.GetTextRange(-5, 99), "ab\r\ncd");
    EXPECT_EQ(M.GetTextRange(3, 5), "\nc");
    EXPECT_EQ(M.GetTextRange(4, 4), "");
}

TEST(Edit, DeletingAnUnclosedBoldCodeAddsAClosingCode) {
    TQuillEditor M(nullptr);
    LoadText(M, std::string("a\x02") + "bold\x02" + "z");
    M.SetSelStart(1);
    M.SetSelLength(3);  // the code and "bo"
    M.ClearSelection();
    EXPECT_EQ(M.GetParagraphText(0), std::string("a\x02") + "ld\x02" + "z");
}

TEST(Edit, WrapSelectionSurroundsItWithStyleCodes) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcd");
    M.SetSelStart(1);
    M.SetSelLength(2);
    M.ToggleBold();
    EXPECT_EQ(M.GetParagraphText(0), std::string("a\x02") + "bc\x02" + "d");
    EXPECT_EQ(M.GetSelStart(), 1);
    EXPECT_EQ(M.SelLength(), 4);
    M.SetSelStart(0);
    M.ToggleItalic();
    EXPECT_EQ(M.GetSelStart(), 1);
    EXPECT_EQ(M.GetParagraphText(0).substr(0, 2), "\x01\x01");
}

TEST(Edit, CurrentWordOnASeparatorIsTheWordBefore) {
    TQuillEditor M(nullptr);
    LoadText(M, "mov eax, ebx");
    M.SetSelStart(1);
    EXPECT_EQ(M.GetCurrentWord(), "mov");
    M.SetSelStart(3);
    EXPECT_EQ(M.GetCurrentWord(), "mov");
    M.SetSelStart(7);
    EXPECT_EQ(M.GetCurrentWord(), "eax");
}

TEST(Edit, MegabyteInsertsKeepTheModelConsistent) {
    TQuillEditor M(nullptr);
    LoadText(M, "abc");
    M.SetSelStart(1);
    std::string Big(1 << 20, 'x');
    for (int i = 0; i < 3; ++i) M.InsertTextAtSelection(Big);
    EXPECT_EQ(M.Paragraph(0).Length, 3 + 3 * (1 << 20));
    M.CheckIntegrity();
}

TEST(Undo, TypingOneKeyAtATimeMakesOneRecord) {
    TQuillEditor M(nullptr);
    Type(M, "abc");
    EXPECT_EQ(M.UndoCount(), 1);
    M.Undo();
    EXPECT_EQ(All(M), "");
    M.Redo();
    EXPECT_EQ(All(M), "abc");
}

TEST(Undo, MovingTheCaretBetweenKeysMakesTwoRecords) {
    TQuillEditor M(nullptr);
    Type(M, "ab");
    M.SetSelStart(2);  // as a mouse click would
    Type(M, "c");
    EXPECT_EQ(M.UndoCount(), 2);
    M.Undo();
    EXPECT_EQ(All(M), "ab");
}

TEST(Undo, PasteStartsANewRecordAndSoDoesTypingAfterIt) {
    TQuillEditor M(nullptr);
    TFakeClipboard C;
    M.SetClipboard(&C);
    Type(M, "ab");
    C.SetText("XY");
    M.PasteFromClipboard();
    Type(M, "cd");
    EXPECT_EQ(All(M), "abXYcd");
    EXPECT_EQ(M.UndoCount(), 3);
    M.Undo();
    EXPECT_EQ(All(M), "abXY");
    M.Undo();
    EXPECT_EQ(All(M), "ab");
}

TEST(Undo, LinkedRecordsAreUndoneAndRedoneTogether) {
    TQuillEditor M(nullptr);
    Type(M, "ab");
    M.SetSelectionMoved();
    Type(M, "cd");
    // Make the second record part of the first, as grouped changes do.
    const_cast<TUndoRecord&>(M.UndoRecord(1)).Link = true;
    M.Undo();
    EXPECT_EQ(All(M), "");
    EXPECT_EQ(M.UndoIndex(), 0);
    EXPECT_FALSE(M.CanUndo());
    M.Redo();
    EXPECT_EQ(All(M), "abcd");
    EXPECT_FALSE(M.CanRedo());
    M.Undo();
    EXPECT_EQ(All(M), "");
}

TEST(Undo, UndoOfADeletionAcrossParagraphsRestoresThem) {
    TQuillEditor M(nullptr);
    LoadText(M, "one\r\ntwo\r\nthree");
    M.SetSelStart(1);
    M.SetSelLength(10);
    M.ClearSelection();
    M.Undo();
    EXPECT_EQ(All(M), "one\r\ntwo\r\nthree");
    EXPECT_TRUE(M.CanRedo());
    M.Redo();
    EXPECT_EQ(All(M), "ohree");
    M.CheckIntegrity();
}

TEST(Undo, NewEditAfterUndoDropsTheRedoPart) {
    TQuillEditor M(nullptr);
    Type(M, "ab");
    M.SetSelectionMoved();
    Type(M, "cd");
    M.Undo();
    Type(M, "x");
    EXPECT_FALSE(M.CanRedo());
    EXPECT_EQ(All(M), "abx");
}

TEST(Undo, UndoSetTooHigh) {
    TQuillEditor M(nullptr);
    try {
        M.SetUndoMaxLevel(134217728);
        FAIL();
    } catch (const EListError& E) {
        EXPECT_EQ(E.Message, "Undo set too high");
    }
    EXPECT_EQ(M.UndoMaxLevel(), 256);
    M.SetUndoMaxLevel(134217727);
    EXPECT_EQ(M.UndoMaxLevel(), 134217727);
}

TEST(Undo, MaxLevelDropsTheOldestRecords) {
    TQuillEditor M(nullptr);
    for (int i = 0; i < 5; ++i) {
        M.SetSelectionMoved();
        Type(M, "k");
    }
    M.SetUndoMaxLevel(2);
    EXPECT_EQ(M.UndoCount(), 2);
    M.Undo();
    M.Undo();
    M.Undo();
    EXPECT_EQ(All(M), "kkk");
}

TEST(Undo, TooLargeRemovedTextClearsTheListInsteadOfTruncating) {
    TQuillEditor M(nullptr);
    M.SetUndoMaxSpace(100);
    LoadText(M, std::string(500, 'a'));
    Type(M, "x");
    ASSERT_TRUE(M.CanUndo());
    M.SetSelStart(0);
    M.SetSelLength(400);
    M.ClearSelection();
    EXPECT_FALSE(M.CanUndo());
    EXPECT_EQ(M.UndoCount(), 0);
    EXPECT_EQ(M.UndoSize(), 0);
}

TEST(Undo, MaxSpaceTrimsOldestButKeepsTheRecordBeingReplayed) {
    TQuillEditor M(nullptr);
    M.SetUndoMaxSpace(60);
    LoadText(M, std::string(40, 'a'));
    M.SetSelStart(0);
    M.SetSelLength(40);
    M.ClearSelection();  // a record of 12 + 40 + 1 bytes
    EXPECT_EQ(M.UndoSize(), 53);
    Type(M, "b");  // 13 more bytes: the oldest record goes
    EXPECT_EQ(M.UndoCount(), 1);
    EXPECT_EQ(M.UndoSize(), 13);
    M.Undo();
    EXPECT_EQ(All(M), "");
    EXPECT_FALSE(M.CanUndo());
    ASSERT_TRUE(M.CanRedo());
    M.Redo();
    EXPECT_EQ(All(M), "b");
    M.SetUndoMaxSpace(10);  // smaller than the one record left
    EXPECT_EQ(M.UndoCount(), 0);
    M.CheckIntegrity();
}

TEST(Clipboard, CopyCutAndPasteGoThroughTheClipboardInterface) {
    TQuillEditor M(nullptr);
    TFakeClipboard C;
    M.SetClipboard(&C);
    LoadText(M, "ab\r\ncd");
    M.CopyToClipboard();
    EXPECT_FALSE(C.Has);
    M.SetSelStart(1);
    M.SetSelLength(3);
    M.CutToClipboard();
    EXPECT_EQ(C.Text, "b\r\n");
    EXPECT_EQ(All(M), "acd");
    C.Text = std::string("Q\0junk", 6);
    M.PasteFromClipboard();
    EXPECT_EQ(All(M), "aQcd");
}

TEST(Clipboard, CutKeepsWhatNoClipboardTook) {
    TQuillEditor M(nullptr);
    LoadText(M, "abcd");
    M.SetSelStart(1);
    M.SetSelLength(2);
    M.CutToClipboard();  // no clipboard at all
    EXPECT_EQ(All(M), "abcd");
    TFakeClipboard C;
    C.Refuses = true;
    M.SetClipboard(&C);
    M.CutToClipboard();
    EXPECT_EQ(All(M), "abcd");
    EXPECT_EQ(M.SelLength(), 2);
}

TEST(Find, ForwardFindsTheNextOccurrenceAfterAHit) {
    TQuillEditor M(nullptr);
    LoadText(M, "abc abc\r\nxx abc");
    M.SetSelStart(0);
    ASSERT_TRUE(M.FindText("abc", true, false, true));
    EXPECT_EQ(M.GetSelStart(), 3);
    EXPECT_EQ(M.SelLength(), -3);
    ASSERT_TRUE(M.FindText("abc", true, false, true));
    EXPECT_EQ(M.GetSelStart(), 7);
    ASSERT_TRUE(M.FindText("ABC", true, false, false));
    EXPECT_EQ(M.GetSelStart(), M.ParagraphStart(1) + 6);
    EXPECT_FALSE(M.FindText("abc", true, false, true));
    EXPECT_EQ(M.GetSelStart(), M.ParagraphStart(1) + 6);
}

TEST(Find, BackwardFindsEarlierMatchesAndNothingFromTheStart) {
    TQuillEditor M(nullptr);
    LoadText(M, "abc abc\r\nxx abc");
    M.SetSelStart(M.CharCount());
    ASSERT_TRUE(M.FindText("abc", false, false, true));
    EXPECT_EQ(M.GetSelStart(), M.ParagraphStart(1) + 3);
    EXPECT_EQ(M.SelLength(), 3);
    ASSERT_TRUE(M.FindText("abc", false, false, true));
    EXPECT_EQ(M.GetSelStart(), 4);
    ASSERT_TRUE(M.FindText("abc", false, false, true));
    EXPECT_EQ(M.GetSelStart(), 0);
    EXPECT_FALSE(M.FindText("abc", false, false, true));
    M.SetSelStart(0);
    EXPECT_FALSE(M.FindText("abc", false, false, true));
}

TEST(Find, WholeWordNeedsSeparatorsOnBothSides) {
    TQuillEditor M(nullptr);
    LoadText(M, "movsb mov");
    M.SetSelStart(0);
    ASSERT_TRUE(M.FindText("MOV", true, true, false));
    EXPECT_EQ(M.GetSelStart(), 9);
    EXPECT_FALSE(M.FindText("mov", true, true, true));
}

TEST(Integrity, ReportsABrokenInvariant) {
    TQuillEditor M(nullptr);
    LoadText(M, "ab\r\ncd");
    M.Paragraph(1).StartBase = 3;
    try {
        M.CheckIntegrity();
        FAIL();
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message, "Error 2 in " + M.Version());
    }
    M.Paragraph(1).StartBase = 4;
}

TEST(Properties, DefaultsAtCreation) {
    TQuillEditor M(nullptr);
    EXPECT_TRUE(M.WordWrap());
    EXPECT_EQ(M.Alignment(), qaLeftJustify);
    EXPECT_FALSE(M.Justified());
    EXPECT_EQ(M.LeftMargin(), 8);
    EXPECT_EQ(M.RightMargin(), 8);
    EXPECT_EQ(M.TabStops(), 8);
    EXPECT_EQ(M.UpdateMode(), umBackground);
    EXPECT_EQ(M.NullReplacement(), '\0');
    EXPECT_TRUE(M.StaticFormat());
    EXPECT_EQ(M.Options(), (TQuillMemoOptions{pmoWrapCaret, pmoInsertKeyActive, pmoWideOverwriteCaret, pmoLargeWordSelect,
                                               pmoAutoScrollBars}));
    EXPECT_EQ(M.UndoMaxSpace(), 65536);
    EXPECT_EQ(M.UndoMaxLevel(), 256);
    EXPECT_TRUE(M.HideSelection());
    EXPECT_TRUE(M.WantTabs());
    EXPECT_TRUE(M.EnableHotKeys());
    EXPECT_TRUE(M.ApplyKeyWords());
    EXPECT_TRUE(M.ApplyStartStopKeys());
    EXPECT_EQ(M.HighlightColor(), 255);
    EXPECT_FALSE(M.DisplayOnly());
    EXPECT_FALSE(M.Overwrite());
    EXPECT_TRUE(M.PassOverCodes());
    EXPECT_FALSE(M.ReadOnly());
    EXPECT_TRUE(M.ShowEndParSelected());
    EXPECT_EQ(M.Highlighter(), nullptr);
    M.SetVersion("x");
    EXPECT_NE(M.Version(), "x");
}

TEST(Properties, PublishedUnderTheirNames) {
    TQuillEditor M(nullptr);
    EXPECT_EQ(GetPropValue(&M, "WordWrap"), "True");
    EXPECT_EQ(GetPropValue(&M, "Alignment"), "taLeftJustify");
    EXPECT_EQ(GetPropValue(&M, "UpdateMode"), "umBackground");
    EXPECT_EQ(GetPropValue(&M, "UndoMaxSpace"), "65536");
    SetPropValue(&M, "TabStops", "4");
    EXPECT_EQ(M.TabStops(), 4);
    SetPropValue(&M, "Options", "[pmoWrapCaret,pmoDiscardTrailingSpaces]");
    EXPECT_TRUE(M.HasOption(pmoDiscardTrailingSpaces));
    EXPECT_FALSE(M.HasOption(pmoAutoScrollBars));
    SetPropValue(&M, "Version", "changed");
    EXPECT_EQ(M.Version(), GetPropValue(&M, "Version"));
}
