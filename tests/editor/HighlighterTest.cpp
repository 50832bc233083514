#include <gtest/gtest.h>

#include "EditorTestUtil.h"
#include "editor/QuillHighlighter.h"
#include "editor/QuillMemo.h"

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
    TQuillMemo M(nullptr);
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
    TQuillMemo M(nullptr);
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
        TQuillMemo M(nullptr);
        M.SetHighlighter(&H);
    }
    EXPECT_TRUE(H.Editors().empty());
}

TEST(Loaded, ClearsTheHistoryAndAppliesTheKeys) {
    TQuillMemo M(nullptr);
    M.StartStopKeys()->AddKey(";", "", true, 1, -1, 0, 1, 0, 0);
    Type(M, "a;b");
    ASSERT_TRUE(M.CanUndo());
    M.Loaded();
    EXPECT_FALSE(M.CanUndo());
    M.FormatRange(0, 0, false);
    EXPECT_EQ(M.Paragraph(0).StopCount, 1);
}
