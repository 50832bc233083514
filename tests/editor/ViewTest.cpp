// The view over the text: what it shows stays put while layout changes the
// line count above it, and a jump ends with the caret on screen.
#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillEditor.h"

namespace {
// Paragraphs of 59 characters: three display lines each in the fake
// window's 23 characters, two when it is 400 pixels wide.
std::string WrappedParagraphs(int N) {
    std::string T;
    for (int i = 0; i < N; ++i) {
        std::string P = "p" + std::to_string(100000 + i) + " aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj";
        T += P.substr(0, 59) + "\r\n";
    }
    return T;
}

void RunBackground(TQuillEditor& M) {
    for (int i = 0; i < 100000 && M.BackgroundActive(); ++i) M.FormatInBackground(false);
}

// Paragraph and line within it of the view's first line.
std::pair<int32_t, int32_t> TopPlace(TQuillEditor& M) {
    TQuillNavigator N(&M);
    N.SetLineNb(M.TopLine());
    return {N.ParNb, N.LineInPar};
}
}  // namespace

TEST(View, TheTopLineKeepsItsTextWhenLinesAboveItAreLaidOutAgain) {
    for (TUpdateMode Mode : {umImmediate, umBackground}) {
        TQuillEditor M(nullptr);
        TFakeWindow W;
        M.SetUpdateMode(Mode);
        M.SetWindowSide(&W);
        LoadText(M, WrappedParagraphs(300));
        RunBackground(M);
        ASSERT_EQ(M.ParagraphFirstLine(1), 3);
        M.ScrollTo(M.ParagraphFirstLine(150) * M.EffectiveLineHeight(), 0);
        W.Width = 400;
        M.SetLeftMargin(4);  // everything is laid out again, narrower paragraphs first
        RunBackground(M);
        EXPECT_EQ(M.ParagraphFirstLine(1), 2) << Mode;
        EXPECT_EQ(TopPlace(M), std::make_pair(150, 0)) << Mode;
        EXPECT_EQ(M.TopLine(), M.ParagraphFirstLine(150)) << Mode;
        M.CheckIntegrity();
        M.SetWindowSide(nullptr);
    }
}

TEST(View, AJumpDuringBackgroundLayoutEndsWithTheCaretOnScreen) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    M.SetWindowSide(&W);
    LoadText(M, WrappedParagraphs(3000) + "last");
    ASSERT_TRUE(M.BackgroundActive());
    M.SetSelStart(M.CharCount());
    M.ScrollCaretIntoView();
    RunBackground(M);
    int32_t Line = M.CaretLine();
    EXPECT_EQ(Line, M.LineCount() - 1);
    EXPECT_GE(Line, M.TopLine());
    EXPECT_LT(Line, M.TopLine() + M.VisibleLines() - 1);
    // Back to the top and a jump into the middle while nothing is laid out.
    W.Width = 300;
    M.SetLeftMargin(6);
    M.SetSelStart(M.ParagraphStart(1500) + 40);
    M.ScrollCaretIntoView();
    RunBackground(M);
    Line = M.CaretLine();
    EXPECT_GE(Line, M.TopLine());
    EXPECT_LT(Line, M.TopLine() + M.VisibleLines() - 1);
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

TEST(View, AChangedMarginClampsTheTopLineAndRepaintsAtOnce) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    LoadText(M, WrappedParagraphs(40));
    M.ScrollTo((M.LineCount() - 2) * M.EffectiveLineHeight(), 0);
    W.Width = 400;
    int Paints = W.Painted;
    M.SetLeftMargin(4);
    EXPECT_LE(M.TopLine(), M.LineCount() - M.VisibleLines() + 1);
    EXPECT_GT(W.Painted, Paints);
    M.SetWindowSide(nullptr);
}
