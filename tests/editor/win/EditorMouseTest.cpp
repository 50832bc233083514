// Mouse selection, word selection, dragging the selection and context clicks.
#include "tests/editor/win/EditorWindowFixture.h"

TEST_F(EditorWindowTest, PressMoveReleaseSelectsFromThePressToThePointer) {
    LoadText(*Editor, "first line\r\nsecond line");
    POINT From = PixelOf(2);
    POINT To = PixelOf(12 + 3);
    Mouse(WM_LBUTTONDOWN, From, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, To, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, To, 0);
    EXPECT_EQ(Editor->GetSelText(), "rst line\r\nsec");
    // Shift+click extends from the same anchor.
    Mouse(WM_LBUTTONDOWN, PixelOf(12 + 6), MK_LBUTTON | MK_SHIFT);
    Mouse(WM_LBUTTONUP, PixelOf(12 + 6), MK_SHIFT);
    EXPECT_EQ(Editor->GetSelText(), "rst line\r\nsecond");
    // A plain click clears the selection and places the caret.
    Mouse(WM_LBUTTONDOWN, PixelOf(4), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, PixelOf(4), 0);
    EXPECT_EQ(Editor->SelLength(), 0);
    EXPECT_EQ(Editor->GetSelStart(), 4);
}

TEST_F(EditorWindowTest, ClickBelowTheTextGoesToItsEnd) {
    LoadText(*Editor, "one\r\ntwo");
    Mouse(WM_LBUTTONDOWN, {40, 150}, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, {40, 150}, 0);
    EXPECT_EQ(Editor->GetSelStart(), Editor->CharCount());
}

TEST_F(EditorWindowTest, DoubleClickSelectsTheWordAndDraggingGrowsByWords) {
    LoadText(*Editor, "mov eax, ebx ; load");
    TQuillMemoOptions O = Editor->Options();
    O.Exclude(pmoLargeWordSelect);
    Editor->SetOptions(O);
    POINT P = PixelOf(5);
    Mouse(WM_LBUTTONDOWN, P, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, P, 0);
    Mouse(WM_LBUTTONDBLCLK, P, MK_LBUTTON);
    EXPECT_EQ(Editor->GetSelText(), "eax");
    Mouse(WM_MOUSEMOVE, PixelOf(10), MK_LBUTTON);
    EXPECT_EQ(Editor->GetSelText(), "eax, ebx");
    Mouse(WM_LBUTTONUP, PixelOf(10), 0);
}

TEST_F(EditorWindowTest, LargeWordSelectTakesTheSeparatorsAfterTheWord) {
    LoadText(*Editor, "mov eax, ebx");
    POINT P = PixelOf(5);
    Mouse(WM_LBUTTONDOWN, P, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, P, 0);
    Mouse(WM_LBUTTONDBLCLK, P, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, P, 0);
    EXPECT_EQ(Editor->GetSelText(), "eax, ");
}

TEST_F(EditorWindowTest, DraggingTheSelectionMovesItAsOneUndoStep) {
    LoadText(*Editor, "alpha beta gamma");
    Editor->SetSelStart(0);
    Editor->SetSelLength(6);  // "alpha "
    POINT Inside = PixelOf(2);
    Mouse(WM_MOUSEMOVE, Inside, 0);  // over the selection: dragging becomes possible
    Mouse(WM_LBUTTONDOWN, Inside, MK_LBUTTON);
    EXPECT_TRUE(Editor->Dragging());
    POINT Drop = PixelOf(11);
    Mouse(WM_MOUSEMOVE, Drop, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, Drop, 0);
    EXPECT_FALSE(Editor->Dragging());
    EXPECT_EQ(SavedText(*Editor), "beta alpha gamma");
    EXPECT_EQ(Editor->GetSelText(), "alpha ");
    Editor->Undo();
    EXPECT_EQ(SavedText(*Editor), "alpha beta gamma");
}

TEST_F(EditorWindowTest, DraggingWithCtrlCopies) {
    LoadText(*Editor, "ab cd");
    Editor->SetSelStart(0);
    Editor->SetSelLength(2);
    Mouse(WM_MOUSEMOVE, PixelOf(1), 0);
    Mouse(WM_LBUTTONDOWN, PixelOf(1), MK_LBUTTON | MK_CONTROL);
    Mouse(WM_MOUSEMOVE, PixelOf(5), MK_LBUTTON | MK_CONTROL);
    Mouse(WM_LBUTTONUP, PixelOf(5), MK_CONTROL);
    EXPECT_EQ(SavedText(*Editor), "ab cdab");
}

TEST_F(EditorWindowTest, ReadOnlyTextCannotBeDragged) {
    LoadText(*Editor, "ab cd");
    Editor->SetReadOnly(true);
    Editor->SetSelStart(0);
    Editor->SetSelLength(2);
    Mouse(WM_MOUSEMOVE, PixelOf(1), 0);
    Mouse(WM_LBUTTONDOWN, PixelOf(1), MK_LBUTTON);
    EXPECT_FALSE(Editor->Dragging());
    Mouse(WM_LBUTTONUP, PixelOf(1), 0);
}

TEST_F(EditorWindowTest, ClickOnARegionWithAContextReportsIt) {
    Editor->Keywords()->AddKeyword("CALL", koWholeWord, 0, 7, 0, -1, 255);
    LoadText(*Editor, "  call Print");
    int Context = 0;
    int32_t From = -1, To = -1;
    Editor->OnContext = [&](TObject*, int C, int32_t S, int32_t E) {
        Context = C;
        From = S;
        To = E;
    };
    POINT P = PixelOf(3);
    Mouse(WM_LBUTTONDOWN, P, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, P, 0);
    EXPECT_EQ(Context, 7);
    EXPECT_EQ(From, 2);
    EXPECT_EQ(To, 6);
}

TEST_F(EditorWindowTest, SelectingBeyondTheBottomScrollsFromTheTimer) {
    std::string Text;
    for (int I = 0; I < 100; ++I) Text += "line " + std::to_string(I) + "\r\n";
    LoadText(*Editor, Text);
    Mouse(WM_LBUTTONDOWN, PixelOf(0), MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, {20, Editor->ClientHeight() + 40}, MK_LBUTTON);
    for (int I = 0; I < 40 && Editor->ScrollY() < 3 * Editor->EffectiveLineHeight(); ++I) Pump();
    EXPECT_GE(Editor->ScrollY(), 3 * Editor->EffectiveLineHeight());
    EXPECT_LT(Editor->SelLength(), 0);  // the caret is below the anchor
    Mouse(WM_LBUTTONUP, {20, Editor->ClientHeight() + 40}, 0);
    int32_t Y = Editor->ScrollY();
    Pump();
    Pump();
    EXPECT_EQ(Editor->ScrollY(), Y);
}
