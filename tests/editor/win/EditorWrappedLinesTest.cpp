// Wrapped and justified lines: where the caret shows and what a click hits
// must agree with what painting drew; Backspace in an indentation.
#include <vector>

#include "tests/editor/win/EditorWindowFixture.h"

namespace {

// Left edges of the runs of dark pixels in the band of display line Line
// (on screen), runs closer than MinGap pixels counting as one word.
std::vector<int> InkRuns(TQuillMemo* E, int32_t Line, int MinGap) {
    HDC DC = GetDC(E->Handle());
    int32_t LH = E->EffectiveLineHeight();
    int Y0 = E->LineToPixel(Line - E->TopLine());
    std::vector<int> Starts;
    int LastInk = -1000;
    for (int X = 0; X < E->ClientWidth(); ++X) {
        bool Ink = false;
        for (int Y = Y0; Y < Y0 + LH && !Ink; ++Y) {
            COLORREF P = GetPixel(DC, X, Y);
            Ink = GetRValue(P) + GetGValue(P) + GetBValue(P) < 300;
        }
        if (!Ink) continue;
        if (X - LastInk > MinGap) Starts.push_back(X);
        LastInk = X;
    }
    ReleaseDC(E->Handle(), DC);
    return Starts;
}

POINT ShownCaret() {
    POINT P{};
    GetCaretPos(&P);
    return P;
}

// The first line keeps "aa bb cc dd " and the long word goes to the next.
const char* const WrappedText = "aa bb cc dd wwwwwwwwwwwwwwwwwwwwwwwwwwwwww";

}  // namespace

TEST_F(EditorWindowTest, JustifiedLinePaintsCaretAndHitTestAlike) {
    Editor->SetWordWrap(true);
    Editor->SetJustified(true);
    LoadText(*Editor, WrappedText);
    ASSERT_GE(Editor->LineCount(), 2);
    Editor->Repaint();
    Pump();
    std::vector<int> Words = InkRuns(Editor, 0, 5);
    ASSERT_EQ(Words.size(), 4u);
    // The free width went into the spaces: the words spread over the line.
    EXPECT_GT(Words[3] - Words[2], 3 * Editor->AvgCharWidth());
    for (int W = 0; W < 4; ++W) {
        POINT Cell = PixelOf(3 * W);
        EXPECT_NEAR(Cell.x, Words[W], 2) << "word " << W;
    }
    // A click on the painted "dd" lands on it, and the caret shows there.
    POINT OnDd{Words[3] + 1, PixelOf(9).y};
    Mouse(WM_LBUTTONDOWN, OnDd, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, OnDd, 0);
    EXPECT_EQ(Editor->GetSelStart(), 9);
    EXPECT_NEAR(ShownCaret().x, Words[3], 2);
    // The paragraph's last line is not justified: it starts at the margin.
    EXPECT_EQ(PixelOf(12).x, Editor->LeftMargin());
}

TEST_F(EditorWindowTest, EndOnAWrappedLineStopsBehindItsLastCharacter) {
    Editor->SetWordWrap(true);
    LoadText(*Editor, WrappedText);
    ASSERT_GE(Editor->LineCount(), 2);
    int32_t LH = Editor->EffectiveLineHeight();
    Editor->SetSelStart(1);
    Key(VK_END);
    EXPECT_EQ(Editor->GetSelStart(), 12);  // behind "dd ", which is also the next line's start
    EXPECT_EQ(Editor->CaretDisplayLine(), 0);
    EXPECT_EQ(ShownCaret().y, Editor->LineToPixel(0));
    EXPECT_GT(ShownCaret().x, PixelOf(11).x);
    // Home and Down work from the line the caret shows on.
    Key(VK_HOME);
    EXPECT_EQ(Editor->GetSelStart(), 0);
    Key(VK_END, kmShift);
    EXPECT_EQ(Editor->GetSelText(), "aa bb cc dd ");
    Key(VK_END);
    Key(VK_DOWN);
    EXPECT_EQ(Editor->CaretDisplayLine(), 1);
    EXPECT_EQ(ShownCaret().y, Editor->LineToPixel(1));
    // A click right of a wrapped line's text goes behind its last character too.
    Mouse(WM_LBUTTONDOWN, {Editor->ClientWidth() - 2, LH / 2}, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, {Editor->ClientWidth() - 2, LH / 2}, 0);
    EXPECT_EQ(Editor->GetSelStart(), 12);
    EXPECT_EQ(ShownCaret().y, Editor->LineToPixel(0));
    // Typing there goes before the next line's first character.
    Type("x");
    EXPECT_EQ(Editor->GetParagraphText(0).substr(0, 14), "aa bb cc dd xw");
    EXPECT_EQ(Editor->GetSelStart(), 13);
}

TEST_F(EditorWindowTest, BackIndentReturnsToTheIndentationOfAnEarlierLine) {
    LoadText(*Editor, "a\r\n    b\r\n\r\n        c\r\n\td");
    TQuillMemoOptions O = Editor->Options();
    O.Include(pmoBackIndent);
    Editor->SetOptions(O);
    int32_t C = Editor->ParagraphStart(3);
    Editor->SetSelStart(C + 8);
    Key(VK_BACK);  // the blank line between does not count
    EXPECT_EQ(Editor->GetParagraphText(3), "    c");
    Key(VK_BACK);
    EXPECT_EQ(Editor->GetParagraphText(3), "c");
    Key('Z', kmCtrl);
    EXPECT_EQ(Editor->GetParagraphText(3), "    c");
    // A TAB is cut and the rest of the level filled with spaces.
    Editor->SetSelStart(Editor->ParagraphStart(4) + 1);
    Key(VK_BACK);
    EXPECT_EQ(Editor->GetParagraphText(4), "    d");
    // Outside the indentation Backspace deletes one character.
    Editor->SetSelStart(Editor->ParagraphStart(4) + 5);
    Key(VK_BACK);
    EXPECT_EQ(Editor->GetParagraphText(4), "    ");
    // Without the option it is one character everywhere.
    O.Exclude(pmoBackIndent);
    Editor->SetOptions(O);
    Editor->SetSelStart(Editor->ParagraphStart(1) + 4);
    Key(VK_BACK);
    EXPECT_EQ(Editor->GetParagraphText(1), "   b");
}

TEST_F(EditorWindowTest, WrappedTextTakesTheWidthLeftBesideABarThatAppears) {
    Editor->SetWordWrap(true);
    Editor->SetScrollBars(ssVertical);
    std::string Text;
    for (int P = 0; P < 20; ++P) {
        for (int W = 0; W < 300; ++W) Text += "a ";
        Text += "\r\n";
    }
    // The text outgrows the window while it is laid out: the bar appears
    // and takes its width from the client area.
    LoadText(*Editor, Text);
    Pump();
    int32_t Lines = Editor->LineCount();
    Editor->SetWordWrap(false);
    Editor->SetWordWrap(true);
    Pump();
    EXPECT_EQ(Editor->LineCount(), Lines) << "wrapped for the width the window had without the bar";
}

// Widths measured in one font serve no other: after a font change the text
// wraps as in an editor that had the new font from the start.
TEST_F(EditorWindowTest, AFontChangeWrapsAsTheNewFontDoesFromTheStart) {
    std::string Text;
    for (int i = 0; i < 40; ++i) Text += "mov eax, ebx ";
    Editor->SetWordWrap(true);
    LoadText(*Editor, Text);
    int32_t SmallLines = Editor->LineCount();
    Editor->Font()->SetHeight(-20);
    Pump();
    auto* Fresh = new TQuillMemo(Form);
    Fresh->SetParent(Form);
    Fresh->SetBounds(8, 8, 300, 200);
    Fresh->Font()->SetName("Courier New");
    Fresh->Font()->SetHeight(-20);
    Fresh->SetUpdateMode(umImmediate);
    Fresh->SetWordWrap(true);
    LoadText(*Fresh, Text);
    Pump();
    EXPECT_GT(Editor->LineCount(), SmallLines);
    ASSERT_EQ(Editor->LineCount(), Fresh->LineCount());
    for (int32_t L = 0; L < Fresh->LineCount(); ++L) EXPECT_EQ(Editor->ParagraphLine(0, L).End, Fresh->ParagraphLine(0, L).End) << L;
}
