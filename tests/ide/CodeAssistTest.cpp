#include "ide/CodeAssist.h"

#include <gtest/gtest.h>

namespace {

TEST(WordUnderCaret, RunsFromThePreviousToTheNextSeparator) {
    const std::string Line = "  mov ax, WriteText";
    EXPECT_EQ(WordAt(Line, 4, CodeSeparators), "mov");
    EXPECT_EQ(WordAt(Line, 2, CodeSeparators), "mov");
    EXPECT_EQ(WordAt(Line, 19, CodeSeparators), "WriteText");
    // On a separator: the word that ends there.
    EXPECT_EQ(WordAt(Line, 8, CodeSeparators), "ax");
    EXPECT_EQ(WordAt(Line, 9, CodeSeparators), "");
    EXPECT_EQ(WordAt("", 0, CodeSeparators), "");
    EXPECT_EQ(WordAt("abc", 99, CodeSeparators), "abc");
    EXPECT_EQ(WordAt("include \"a.inc\"", 10, CodeSeparators), "\"a.inc\"");
}

TEST(TemplateExpansion, RemovesTheOccurrenceUnderTheCaret) {
    // The same word earlier on the line stays.
    const TLineEdit E = RemoveWordAtCaret("prolog ; prolog", 15, CodeSeparators);
    EXPECT_EQ(E.Line, "prolog ; ");
    EXPECT_EQ(E.Caret, 9);
    EXPECT_EQ(RemoveWordAtCaret("prolog", 6, CodeSeparators), (TLineEdit{"", 0}));
    EXPECT_EQ(TemplateInsertText({"push bp", "mov bp, sp"}), "push bp\r\nmov bp, sp\r\n");
    EXPECT_EQ(TemplateInsertText({}), "");
}

TEST(ListAccept, RemovesWhatWasTypedSinceTheLastBlank) {
    EXPECT_EQ(RemoveTypedWord("  mov ax, Wri", 13), (TLineEdit{"  mov ax, ", 10}));
    EXPECT_EQ(RemoveTypedWord("Wri", 3), (TLineEdit{"", 0}));
    // An earlier occurrence of the same letters is not touched.
    EXPECT_EQ(RemoveTypedWord("Wri Wri", 7), (TLineEdit{"Wri ", 4}));
    // The character just left of the caret is not taken as the blank.
    EXPECT_EQ(RemoveTypedWord("mov ", 4), (TLineEdit{"", 0}));
    EXPECT_EQ(RemoveTypedWord("ab cd ef", 5), (TLineEdit{"ab  ef", 3}));
    EXPECT_EQ(RemoveTypedWord("", 0), (TLineEdit{"", 0}));
}

TEST(ParamHint, ParseParamsCountsCommas) {
    TParamInfo P = ParseParams("WriteText x, y, color ");
    EXPECT_EQ(P.HintText, "x, y, color");
    EXPECT_EQ(P.ParamCount, 3);
    EXPECT_TRUE(P.Accepted());
    P = ParseParams("One a ");
    EXPECT_EQ(P.ParamCount, 0);
    EXPECT_FALSE(P.Accepted());
    EXPECT_EQ(HintPieces("x,  y, color"), (std::vector<std::string>{"x,", "y,", "color"}));
}

TEST(ParamHint, EachCommaMovesTheMarkerAndTheLastOneHides) {
    TParamHintTracker T;
    ASSERT_TRUE(T.Open("WriteText x, y, color ", 10, 4));
    EXPECT_EQ(T.CurrentParam(), 1);
    EXPECT_EQ(T.CaretMoved(11, 4, 'a'), THintAction::None);
    EXPECT_EQ(T.CaretMoved(12, 4, ','), THintAction::Repaint);
    EXPECT_EQ(T.CurrentParam(), 2);
    EXPECT_EQ(T.CaretMoved(13, 4, ','), THintAction::Repaint);
    EXPECT_EQ(T.CurrentParam(), 3);
    EXPECT_EQ(T.CaretMoved(14, 4, ','), THintAction::Hide);
    EXPECT_FALSE(T.Visible());
    EXPECT_EQ(T.CaretMoved(15, 4, ','), THintAction::None);
}

TEST(ParamHint, OneParameterMacroShowsNoHint) {
    TParamHintTracker T;
    EXPECT_FALSE(T.Open("Push1 a ", 6, 0));
    EXPECT_FALSE(T.Visible());
}

TEST(ParamHint, LeavingTheLineOrGoingLeftOfTheStartHides) {
    TParamHintTracker T;
    T.Open("M a, b ", 5, 2);
    EXPECT_EQ(T.CaretMoved(6, 3, 'x'), THintAction::HideAndRefresh);
    T.Open("M a, b ", 5, 2);
    EXPECT_EQ(T.CaretMoved(4, 2, 'x'), THintAction::Hide);
    T.Open("M a, b ", 5, 2);
    EXPECT_EQ(T.FocusLost(), THintAction::Hide);
    EXPECT_EQ(T.FocusLost(), THintAction::None);
}

TEST(ParamHint, BlankHidesWhenOneParameterIsLeft) {
    TParamHintTracker T;
    T.Open("M a, b ", 5, 2);
    EXPECT_EQ(T.CaretMoved(7, 2, ' '), THintAction::Hide);
    T.Open("M a, b, c ", 5, 2);
    EXPECT_EQ(T.CaretMoved(7, 2, ' '), THintAction::None);
}

TEST(ParamHint, LeftOverACommaStepsBackButNeverBeforeTheFirst) {
    TParamHintTracker T;
    T.Open("M a, b, c ", 5, 0);
    T.CaretMoved(7, 0, ',');
    EXPECT_EQ(T.CurrentParam(), 2);
    EXPECT_EQ(T.KeyLeft(','), THintAction::Repaint);
    EXPECT_EQ(T.CurrentParam(), 1);
    EXPECT_EQ(T.KeyLeft(','), THintAction::None);
    EXPECT_EQ(T.CurrentParam(), 1);
    EXPECT_EQ(T.KeyLeft('x'), THintAction::None);
}

TEST(ParamHint, BackspaceStepsBackAndSkipsTheNextCaretMove) {
    TParamHintTracker T;
    T.Open("M a, b, c ", 5, 0);
    T.CaretMoved(8, 0, ',');
    EXPECT_EQ(T.KeyBackspace(8, ','), THintAction::Repaint);
    EXPECT_EQ(T.CurrentParam(), 1);
    // The caret move of the deletion itself is not tracked...
    EXPECT_EQ(T.CaretMoved(7, 0, ','), THintAction::None);
    EXPECT_EQ(T.CurrentParam(), 1);
    // ...until another key is pressed.
    T.OtherKey();
    EXPECT_EQ(T.CaretMoved(8, 0, ','), THintAction::Repaint);
    EXPECT_EQ(T.CurrentParam(), 2);
    // Backspace right after the macro name closes the hint.
    EXPECT_EQ(T.KeyBackspace(6, 'x'), THintAction::Hide);
    EXPECT_FALSE(T.Visible());
}

}  // namespace

namespace {

// Every character 6 pixels wide, 7 in bold.
int FixedWidth(const std::string& Text, bool Bold) { return static_cast<int>(Text.size()) * (Bold ? 7 : 6); }

TEST(ParamHint, LayoutMarksTheCurrentParameterAndAdvancesByItsWidth) {
    auto Pieces = LayoutHint("x, y, color", 2, FixedWidth);
    ASSERT_EQ(Pieces.size(), 3u);
    EXPECT_EQ(Pieces[0].Text, "x,");
    EXPECT_EQ(Pieces[0].X, 5);
    EXPECT_FALSE(Pieces[0].Bold);
    EXPECT_EQ(Pieces[1].X, 5 + 12 + 2);
    EXPECT_TRUE(Pieces[1].Bold);
    EXPECT_EQ(Pieces[2].X, 19 + 14 + 2);
    EXPECT_FALSE(Pieces[2].Bold);
    EXPECT_EQ(HintWindowWidth("x, y, color", 3, FixedWidth), 11 * 6 + 15 + 15);
}

}  // namespace
