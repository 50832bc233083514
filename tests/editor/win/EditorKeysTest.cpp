// Keys reach the editor as real messages with the keyboard state set.
#include "tests/editor/win/EditorWindowFixture.h"

TEST_F(EditorWindowTest, CtrlBWithoutSelectionInsertsABoldPairAroundTheCaret) {
    LoadText(*Editor, "abc");
    Editor->SetSelStart(1);
    Key('B', kmCtrl);
    EXPECT_EQ(Editor->GetParagraphText(0), std::string("a\x02\x02") + "bc");
    EXPECT_EQ(Editor->GetSelStart(), 2);
    EXPECT_EQ(Editor->SelLength(), 0);
}

TEST_F(EditorWindowTest, CtrlBWithHotKeysOffDoesNothing) {
    LoadText(*Editor, "abc");
    Editor->SetSelStart(1);
    Editor->SetEnableHotKeys(false);
    Key('B', kmCtrl);
    EXPECT_EQ(Editor->GetParagraphText(0), "abc");
    EXPECT_EQ(Editor->GetSelStart(), 1);
    EXPECT_EQ(Editor->UndoCount(), 0);
}

TEST_F(EditorWindowTest, TypingEnterBackspaceAndDelete) {
    LoadText(*Editor, "");
    Type("ab");
    Key(VK_RETURN);
    Type("cd");
    EXPECT_EQ(SavedText(*Editor), "ab\r\ncd");
    // The shown caret follows the typed text (it is moved inside the paint).
    POINT Shown{};
    GetCaretPos(&Shown);
    POINT End = PixelOf(6);
    EXPECT_EQ(Shown.x, End.x);
    EXPECT_EQ(Shown.y, End.y - Editor->EffectiveLineHeight() / 2);
    Key(VK_LEFT);
    Key(VK_BACK);
    EXPECT_EQ(SavedText(*Editor), "ab\r\nd");
    Key(VK_BACK);  // joins the paragraphs: CR LF is one step
    EXPECT_EQ(SavedText(*Editor), "abd");
    Key(VK_DELETE);
    EXPECT_EQ(SavedText(*Editor), "ab");
    Key('Z', kmCtrl);
    EXPECT_EQ(SavedText(*Editor), "abd");
}

TEST_F(EditorWindowTest, ReadOnlyCopiesAndMovesButDoesNotEdit) {
    LoadText(*Editor, "hello\r\nworld");
    Editor->SetReadOnly(true);
    Editor->SetSelStart(0);
    Key(VK_RIGHT, kmShift);
    Key(VK_RIGHT, kmShift);
    EXPECT_EQ(Editor->GetSelText(), "he");
    Key('C', kmCtrl);
    EXPECT_EQ(Clip.Text, "he");
    Key(VK_DOWN);
    EXPECT_EQ(Editor->CaretLine(), 1);
    Type("x");
    Key(VK_RETURN);
    Key(VK_BACK);
    Key(VK_DELETE);
    Key(VK_TAB);
    EXPECT_EQ(SavedText(*Editor), "hello\r\nworld");
}

TEST_F(EditorWindowTest, DisplayOnlyArrowsScrollWithoutACaret) {
    std::string Text;
    for (int I = 0; I < 100; ++I) Text += "line " + std::to_string(I) + "\r\n";
    LoadText(*Editor, Text);
    Editor->SetDisplayOnly(true);
    Other->SetFocus();
    Editor->SetFocus();
    Pump();
    EXPECT_EQ(Editor->ScrollY(), 0);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Editor->ScrollY(), 2 * Editor->EffectiveLineHeight());
    EXPECT_EQ(Editor->GetSelStart(), 0);
    Key(VK_NEXT);
    EXPECT_GT(Editor->ScrollY(), 2 * Editor->EffectiveLineHeight());
    Key(VK_PRIOR, kmCtrl);
    EXPECT_EQ(Editor->ScrollY(), 0);
    EXPECT_EQ(Editor->Perform(WM_GETDLGCODE, 0, 0), 133);
}

TEST_F(EditorWindowTest, TabLeavesTheEditorWhenWantTabsIsFalse) {
    LoadText(*Editor, "abc");
    Editor->SetWantTabs(false);
    EXPECT_EQ(Editor->Perform(WM_GETDLGCODE, 0, 0), 133);
    Key(VK_TAB);
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(SavedText(*Editor), "abc");
}

TEST_F(EditorWindowTest, TabIsTypedWhenWantTabsIsTrue) {
    LoadText(*Editor, "abc");
    EXPECT_EQ(Editor->Perform(WM_GETDLGCODE, 0, 0), 135);
    Key(VK_TAB);
    EXPECT_TRUE(Editor->Focused());
    EXPECT_EQ(SavedText(*Editor), "\tabc");
}

TEST_F(EditorWindowTest, HomeEndAndWordMovesWithShiftSelect) {
    LoadText(*Editor, "mov eax, ebx");
    Editor->SetSelStart(5);
    Key(VK_HOME);
    EXPECT_EQ(Editor->GetSelStart(), 0);
    Key(VK_RIGHT, kmCtrl);
    EXPECT_EQ(Editor->GetSelStart(), 4);
    Key(VK_END, kmShift);
    EXPECT_EQ(Editor->GetSelText(), "eax, ebx");
    Key(VK_LEFT, kmCtrl);
    EXPECT_EQ(Editor->SelLength(), 0);
    EXPECT_EQ(Editor->GetSelStart(), 9);
    Key(VK_END, kmCtrl);
    EXPECT_EQ(Editor->GetSelStart(), Editor->CharCount());
}

TEST_F(EditorWindowTest, InsertTogglesOverwriteAndTypingReplaces) {
    LoadText(*Editor, "abcd");
    Editor->SetSelStart(1);
    Key(VK_INSERT);
    EXPECT_TRUE(Editor->Overwrite());
    Type("XY");
    EXPECT_EQ(SavedText(*Editor), "aXYd");
    Key(VK_INSERT);
    Type("Z");
    EXPECT_EQ(SavedText(*Editor), "aXYZd");
}

TEST_F(EditorWindowTest, MovingTheCaretScrollsItIntoView) {
    std::string Text;
    for (int I = 0; I < 200; ++I) Text += "row " + std::to_string(I) + "\r\n";
    Editor->SetScrollBars(ssBoth);
    LoadText(*Editor, Text);
    Editor->SetFocus();
    Pump();
    Key(VK_END, kmCtrl);
    EXPECT_GT(Editor->ScrollY(), 0);
    int32_t LH = Editor->EffectiveLineHeight();
    int32_t Y = Editor->LineToPixel(Editor->CaretLine() - Editor->TopLine());
    EXPECT_GE(Y, 0);
    EXPECT_LE(Y + LH, Editor->ClientHeight());
    SCROLLINFO SI{};
    SI.cbSize = sizeof(SI);
    SI.fMask = SIF_ALL;
    GetScrollInfo(Editor->Handle(), SB_VERT, &SI);
    EXPECT_LE(SI.nMax, 32760);
    Key(VK_HOME, kmCtrl);
    EXPECT_EQ(Editor->ScrollY(), 0);
}

TEST_F(EditorWindowTest, CtrlDeleteClearsFromTheSelectionStartToTheEndOfItsLine) {
    LoadText(*Editor, "hello world\r\nnext line");
    Editor->SetSelStart(2);
    Editor->SetSelLength(3);
    Key(VK_DELETE, kmCtrl);
    EXPECT_EQ(SavedText(*Editor), "he\r\nnext line");
    // A selection over two lines is deleted as it is.
    Editor->SetSelStart(1);
    Editor->SetSelLength(6);
    Key(VK_DELETE, kmCtrl);
    EXPECT_EQ(SavedText(*Editor), "ht line");
}
