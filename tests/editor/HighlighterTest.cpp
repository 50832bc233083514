#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillHighlighter.h"
#include "editor/QuillEditor.h"

namespace {
class TCountingHighlighter : public TQuillHighlighter {
public:
    using TQuillHighlighter::TQuillHighlighter;
    void ParseKeywords(TQuillNavigator* From, TQuillNavigator* To, int) override {
        ++Calls;
        LastFrom = From->Pos;
        LastTo = To->Pos;
    }
    int Calls = 0;
    int32_t LastFrom = -1, LastTo = -1;
};
}  // namespace

TEST(Highlighter, ParseHookRunsForEveryParagraphLaidOut) {
    TQuillEditor M(nullptr);
    TCountingHighlighter H(nullptr);
    M.SetHighlighter(&H);
    EXPECT_EQ(H.Editors().size(), 1u);
    LoadText(M, "ab\r\ncd");
    M.FormatRange(0, 1, false);
    EXPECT_EQ(H.Calls, 2);
    EXPECT_EQ(H.LastFrom, 4);
    EXPECT_EQ(H.LastTo, 6);
    M.SetHighlighter(nullptr);
    EXPECT_TRUE(H.Editors().empty());
}

TEST(Highlighter, DestroyingTheHighlighterClearsItInItsEditors) {
    TQuillEditor M(nullptr);
    {
        TCountingHighlighter H(nullptr);
        M.SetHighlighter(&H);
    }
    EXPECT_EQ(M.Highlighter(), nullptr);
    LoadText(M, "x");
    M.FormatRange(0, 0, false);
}

TEST(Highlighter, DestroyingTheEditorLeavesTheHighlighter) {
    TCountingHighlighter H(nullptr);
    {
        TQuillEditor M(nullptr);
        M.SetHighlighter(&H);
    }
    EXPECT_TRUE(H.Editors().empty());
}

TEST(Loaded, ClearsTheHistoryAndAppliesTheKeys) {
    TQuillEditor M(nullptr);
    M.StartStopKeys()->AddKey(";", "", true, 1, -1, 0, 1, 0, 0);
    Type(M, "a;b");
    ASSERT_TRUE(M.CanUndo());
    M.Loaded();
    EXPECT_FALSE(M.CanUndo());
    M.FormatRange(0, 0, false);
    EXPECT_EQ(M.Paragraph(0).StopCount, 1);
}

namespace {
// Opens a region of its own at '<' and closes it after '>'.
class TAngleHighlighter : public TQuillHighlighter {
public:
    using TQuillHighlighter::TQuillHighlighter;
    bool FindStart(TQuillNavigator* From, TQuillNavigator* To, int) override {
        ++Starts;
        const TParagraph& P = *From->Paragraph();
        for (int32_t i = From->ParOffset; i < To->ParOffset; ++i)
            if (P.Text()[i] == '<') {
                TFormatStop S = From->CurrentStop();
                S.Kind = qkRegion;
                S.Depth = static_cast<int8_t>(StopContext(S) + 1);
                S.Stack[S.Depth] = 7;
                S.Foreground = 255;
                S.Context = 1;
                S.KeyLength = 1;
                From->PlaceAt(From->ParNb, i);
                From->InsertFormatStop(S);
                return true;
            }
        return false;
    }
    bool FindStop(TQuillNavigator* At, TQuillNavigator* Limit, int) override {
        const TParagraph& P = *At->Paragraph();
        for (int32_t i = At->ParOffset; i < Limit->ParOffset; ++i)
            if (P.Text()[i] == '>') {
                At->PlaceAt(At->ParNb, i + 1);
                At->InsertFormatStop(TFormatStop{});
                return true;
            }
        return false;
    }
    int Starts = 0;
};
}  // namespace

TEST(Highlighter, ItsStartAndStopHooksOpenAndCloseRegionsBesideTheKeys) {
    TQuillEditor M(nullptr);
    TAngleHighlighter H(nullptr);
    M.SetHighlighter(&H);
    M.StartStopKeys()->AddKey(";", "", true, 8421504, -1, 0, 1, 0, 0);
    LoadText(M, "ab<cd>ef ; x<y>\r\n<open\r\nstill>");
    M.FormatRange(0, 2, false);
    const TParagraph& P = M.Paragraph(0);
    ASSERT_EQ(P.StopCount, 3);
    EXPECT_EQ(P.StopOffset(0), 2);
    EXPECT_EQ(P.Stop(0).Foreground, 255);
    EXPECT_EQ(P.StopOffset(1), 6);
    EXPECT_EQ(P.Stop(1).Kind, 0);
    EXPECT_EQ(P.StopOffset(2), 9);  // the comment holds no region of the highlighter
    // A region left open runs on into the next paragraph until closed.
    EXPECT_EQ(M.Paragraph(1).StopOffset(0), 0);
    EXPECT_EQ(M.Paragraph(2).StartContext->Foreground, 255);
    EXPECT_EQ(M.Paragraph(2).StopCount, 1);
    EXPECT_EQ(M.Paragraph(2).StopOffset(0), 6);
    EXPECT_GT(H.Starts, 0);
    M.SetHighlighter(nullptr);
}
