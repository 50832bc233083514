#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillEditor.h"

namespace {
// Bold characters are twice as wide; an 'i' is half as wide.
class TUnevenWindow : public TFakeWindow {
public:
    int32_t TextWidth(const char* Text, int32_t Length) override {
        int32_t W = 0;
        for (int32_t k = 0; k < Length; ++k) W += Text[k] == 'i' ? 4 : 8;
        return (Style & qsBold) ? 2 * W : W;
    }
};
}  // namespace

TEST(Layout, WithoutAWindowEveryParagraphIsOneLineOfWidthZero) {
    TQuillEditor M(nullptr);
    LoadText(M, std::string(500, 'w') + "\r\nshort");
    M.FormatRange(0, 1, true);
    EXPECT_EQ(M.LineCount(), 2);
    EXPECT_EQ(M.ParagraphLineCount(0), 1);
    EXPECT_EQ(M.ParagraphLine(0, 0).Width, 0);
    EXPECT_EQ(M.ParagraphLine(0, 0).End, 500);
    M.CheckIntegrity();
}

TEST(Layout, LineToPixelAndBackGuardAZeroLineHeight) {
    TQuillEditor M(nullptr);
    EXPECT_EQ(M.EffectiveLineHeight(), 0);
    EXPECT_EQ(M.LineToPixel(5), 0);
    int32_t Rem = 0;
    EXPECT_EQ(M.PixelToLine(37, &Rem), 0);
    EXPECT_EQ(Rem, 37);
    M.SetLineHeight(10);
    EXPECT_EQ(M.LineToPixel(3), 30);
    EXPECT_EQ(M.PixelToLine(37, &Rem), 3);
    EXPECT_EQ(Rem, 7);
}

TEST(Layout, MeasuredLayoutWrapsAtWordsToTheClientWidth) {
    TQuillEditor M(nullptr);
    TFakeWindow W;  // 8 px per character; 200 px wide, margins 8 + 8: 184 px, 23 characters
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    LoadText(M, "aaaa bbbb cccc dddd eeee ffff gggg\r\nx");
    EXPECT_EQ(M.ParagraphLineCount(0), 2);
    EXPECT_EQ(M.Lines()->Get(0), "aaaa bbbb cccc dddd ");
    EXPECT_EQ(M.Lines()->Get(1), "eeee ffff gggg");
    EXPECT_EQ(M.LineCount(), 3);
    M.CheckIntegrity();
    M.SetWordWrap(false);
    EXPECT_EQ(M.ParagraphLineCount(0), 1);
    EXPECT_EQ(M.LineCount(), 2);
    EXPECT_GT(M.MaxWidth(), 184);
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

TEST(Layout, AWordWiderThanTheLineIsBrokenKeepingOneCharacterAtLeast) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    W.Width = 20;  // narrower than one character after the margins
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    LoadText(M, "abc");
    EXPECT_EQ(M.ParagraphLineCount(0), 3);
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

TEST(Layout, EditingRelayoutsTheChangedParagraph) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    LoadText(M, "short\r\nnext");
    M.SetSelStart(5);
    M.InsertTextAtSelection(" and a much longer tail that wraps");
    EXPECT_GT(M.ParagraphLineCount(0), 1);
    EXPECT_EQ(M.ParagraphFirstLine(1), M.ParagraphLineCount(0));
    M.CheckIntegrity();
    M.Undo();
    EXPECT_EQ(M.LineCount(), 2);
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

namespace {
// A clock that moves one millisecond each time it is read.
struct TStepClock {
    int64_t Now = 0;
    int64_t operator()() { return Now++; }
};
}  // namespace

TEST(Background, SlicesEndAfterTwentyFiveMillisecondsAndScheduleTheNextOne) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    auto Clock = std::make_shared<TStepClock>();
    M.Clock = [Clock] { return (*Clock)(); };
    M.SetWindowSide(&W);
    std::string T;
    for (int i = 0; i < 1000; ++i) T += "word word word word word word\r\n";
    LoadText(M, T);
    EXPECT_TRUE(M.BackgroundActive());
    EXPECT_EQ(W.Scheduled, 1);
    int Progress = -1, Calls = 0;
    M.OnProgress = [&](TObject*) {
        Progress = M.Progress();
        ++Calls;
    };
    M.FormatInBackground(true);
    int32_t After = M.LayoutFrontier();
    EXPECT_GT(After, 0);
    EXPECT_LT(After, 30);  // the clock allowed only a few paragraphs
    EXPECT_EQ(W.Scheduled, 2);
    M.CheckIntegrity();
    int Slices = 1;
    while (M.BackgroundActive() && Slices < 10000) {
        M.FormatInBackground(true);
        ++Slices;
    }
    EXPECT_FALSE(M.BackgroundActive());
    EXPECT_EQ(Progress, 100);
    EXPECT_GT(Slices, 10);
    for (int32_t p = 0; p < M.ParagraphCount(); ++p) ASSERT_TRUE(M.Layout(p).Formatted) << p;
    EXPECT_EQ(M.LineCount(), 2 * 1000 + 1);
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

TEST(Background, NothingRunsWhileUpdating) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    M.SetWindowSide(&W);
    LoadText(M, "a\r\nb");
    M.BeginUpdate();
    int32_t F = M.LayoutFrontier();
    M.FormatInBackground(false);
    EXPECT_EQ(M.LayoutFrontier(), F);
    M.EndUpdate();
    M.SetWindowSide(nullptr);
}

TEST(Layout, CaretLineAndLineTextFollowDisplayLines) {
    TQuillEditor M(nullptr);
    LoadText(M, "l0\r\nl1\r\nl2");
    M.SetCaretLine(2);
    EXPECT_EQ(M.GetSelStart(), M.ParagraphStart(2));
    EXPECT_EQ(M.CaretLine(), 2);
    EXPECT_EQ(M.GetLineText(1), "l1");
    EXPECT_EQ(M.GetLineText(3), "");
    EXPECT_EQ(M.GetLineText(-1), "");
    M.SetCaretParagraph(99);
    EXPECT_EQ(M.CaretParagraph(), 2);
}

TEST(Layout, AWordWiderThanTheWindowCostsItsLengthToOpenAndToTypeIn) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    std::string Line = "table db ";
    while (Line.size() < 40000) Line += "0,1,2,";
    auto Bound = static_cast<int64_t>(3 * Line.size());
    W.Measured = 0;
    LoadText(M, Line);
    EXPECT_LE(W.Measured, Bound);
    EXPECT_GT(M.ParagraphLineCount(0), 1000);
    W.Measured = 0;
    M.SetSelStart(20000);
    M.InsertTextAtSelection("9");
    EXPECT_LE(W.Measured, Bound);
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

TEST(Layout, AnEditBreaksAgainFromTheLineBeforeAndStopsWhereTheOldLinesResume) {
    TQuillEditor M(nullptr);
    TFakeWindow W;
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    std::string Par;
    while (Par.size() < 40000) Par += "abc de ";
    LoadText(M, "first\r\n" + Par + "\r\nlast");
    int32_t Lines = M.ParagraphLineCount(1);
    for (int32_t At : {20000, 7, 39990}) {
        W.Measured = 0;
        M.SetSelStart(M.ParagraphStart(1) + At);
        M.InsertTextAtSelection("x");
        EXPECT_LE(W.Measured, 200) << At;
        M.SetSelStart(M.ParagraphStart(1) + At);
        M.SetSelLength(1);
        M.ClearSelection();
        EXPECT_EQ(M.ParagraphLineCount(1), Lines);
    }
    M.CheckIntegrity();
    M.SetWindowSide(nullptr);
}

TEST(Layout, AFormatStopInsideAWordMeasuresEachPartInItsOwnFont) {
    TQuillEditor M(nullptr);
    TUnevenWindow W;
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    M.Keywords()->AddKeyword("MOV", 0, qsBold, 1, 0, -1, 65535);
    LoadText(M, "xMOVx");
    const TDisplayLine DL = M.ParagraphLine(0, 0);
    EXPECT_EQ(DL.Width, 8 + 48 + 8);
    // The caret and a click use the same measures as the layout.
    EXPECT_EQ(M.ColumnToX(M.Paragraph(0), 0, 5, 0), M.LeftMargin() + DL.Width);
    EXPECT_EQ(M.XToColumn(M.Paragraph(0), 0, false, M.LeftMargin() + 8 + 16 + 13, 0), 3);
    M.SetWindowSide(nullptr);
}

TEST(Layout, ALongWordOfUnevenWidthsFillsEveryLineAndTypingInItAgreesWithAFreshLayout) {
    TUnevenWindow W;  // 184 px for text
    auto Check = [](TQuillEditor& M) {
        const TParagraph& P = M.Paragraph(0);
        for (int32_t l = 1; l + 1 < M.ParagraphLineCount(0); ++l) {
            const TDisplayLine DL = M.ParagraphLine(0, l);
            EXPECT_LE(DL.Width, 184) << l;
            EXPECT_GT(DL.Width + (P.Text()[DL.End] == 'i' ? 4 : 8), 184) << l;
        }
    };
    std::string Word;
    for (int k = 0; k < 3000; ++k) Word += k % 7 < 3 ? 'i' : 'w';
    TQuillEditor M(nullptr);
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    LoadText(M, "table " + Word);
    Check(M);
    for (int32_t At : {1500, 40, 2900}) {
        M.SetSelStart(At);
        M.InsertTextAtSelection(At == 40 ? "ii" : "w");
    }
    Check(M);
    TQuillEditor Fresh(nullptr);
    Fresh.SetUpdateMode(umImmediate);
    Fresh.SetWindowSide(&W);
    LoadText(Fresh, M.GetTextRange(0, M.CharCount()));
    ASSERT_EQ(M.ParagraphLineCount(0), Fresh.ParagraphLineCount(0));
    for (int32_t l = 0; l < M.ParagraphLineCount(0); ++l)
        EXPECT_EQ(M.ParagraphLine(0, l).End, Fresh.ParagraphLine(0, l).End) << l;
    M.CheckIntegrity();
    Fresh.SetWindowSide(nullptr);
    M.SetWindowSide(nullptr);
}

TEST(Layout, KeepingTheColumnAClickOnATabStaysBeforeIt) {
    TQuillEditor M(nullptr);
    TFakeWindow W;  // tabs every 64 px
    M.SetUpdateMode(umImmediate);
    M.SetWindowSide(&W);
    LoadText(M, "a\tb");
    // Columns at 8, 16, 72 and 80: x 60 lies in the TAB's span, nearer its end.
    EXPECT_EQ(M.XToColumn(M.Paragraph(0), 0, false, 60, 0), 2);
    EXPECT_EQ(M.XToColumn(M.Paragraph(0), 0, true, 60, 0), 1);
    EXPECT_EQ(M.XToColumn(M.Paragraph(0), 0, true, 78, 0), 3);
    EXPECT_EQ(M.XToColumn(M.Paragraph(0), 0, true, 500, 0), 3);
    M.SetWindowSide(nullptr);
}
