// The gutter beside the editor: bookmarks by keys through the relay,
// following the text and the editor's scrolling.
#include <algorithm>

#include "editor/win/QuillGutter.h"
#include "tests/editor/win/EditorWindowFixture.h"

namespace {

class GutterTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        Gutter = new TQuillGutter(Form);
        Gutter->SetParent(Form);
        Gutter->SetBounds(320, 8, 30, 200);
        Gutter->SetQuillMemo(Editor);
        std::string Text;
        for (int I = 0; I < 60; ++I) Text += "line " + std::to_string(I) + "\r\n";
        LoadText(*Editor, Text);
        Pump();
    }
    TQuillGutter* Gutter = nullptr;
};

// Records what the editor relays, to check the order of delivery.
class TRelayProbe : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<uint32_t> Seen;
    TQuillMemo* Memo = nullptr;
    int ContextNumber = 0;
    std::string ContextText;
    void Notification(TComponent* C, TOperation Op) override {
        if (Op == static_cast<TOperation>(QuillRelayOperation) && C == Memo) {
            const TMessage& M = Memo->RelayedMessage();
            Seen.push_back(M.Msg);
            if (M.Msg == QM_CONTEXTCLICK) {
                ContextNumber = static_cast<int>(M.WParam);
                ContextText = *reinterpret_cast<const std::string*>(M.LParam);
            }
            return;
        }
        TComponent::Notification(C, Op);
    }
};

}  // namespace

TEST_F(GutterTest, CtrlShiftDigitSetsMovesAndClearsABookmark) {
    Editor->SetCaretLine(4);
    Key('3', kmCtrl | kmShift);
    EXPECT_EQ(Gutter->BookmarkLine(3), 4);
    EXPECT_EQ(Gutter->BookmarkAtLine(4), 3);
    Key('3', kmCtrl | kmShift);
    EXPECT_EQ(Gutter->BookmarkLine(3), -1);
    Key('3', kmCtrl | kmShift);
    Editor->SetCaretLine(9);
    Key('3', kmCtrl | kmShift);
    EXPECT_EQ(Gutter->BookmarkLine(3), 9);
    EXPECT_EQ(Gutter->BookmarkAtLine(4), -1);
    // Another bookmark cannot share the line.
    Key('4', kmCtrl | kmShift);
    EXPECT_EQ(Gutter->BookmarkLine(4), -1);
    EXPECT_FALSE(Gutter->ToggleBookmark(9, 4));
    EXPECT_FALSE(Gutter->ToggleBookmark(1, 10));
    EXPECT_FALSE(Gutter->ToggleBookmark(1, -1));
}

TEST_F(GutterTest, CtrlDigitJumpsToTheBookmark) {
    Gutter->ToggleBookmark(40, 5);
    Editor->SetCaretLine(2);
    Key('5', kmCtrl);
    EXPECT_EQ(Editor->CaretLine(), 40);
    EXPECT_GT(Editor->ScrollY(), 0);
    // Without bookmark 6 nothing happens.
    Key('6', kmCtrl);
    EXPECT_EQ(Editor->CaretLine(), 40);
    EXPECT_EQ(SavedText(*Editor).substr(0, 6), "line 0");
}

TEST_F(GutterTest, ABookmarkFollowsItsTextAndDropsWithAnotherEditor) {
    Gutter->ToggleBookmark(10, 1);
    Editor->SetSelStart(0);
    Type("\r\r");
    EXPECT_EQ(Gutter->BookmarkLine(1), 12);
    auto* Second = new TQuillMemo(Form);
    Second->SetParent(Form);
    Gutter->SetQuillMemo(Second);
    EXPECT_EQ(Gutter->BookmarkLine(1), -1);
    EXPECT_EQ(Editor->AttachedCount(), 0);
    EXPECT_EQ(Second->AttachedCount(), 1);
    Second->Free();
    EXPECT_EQ(Gutter->QuillMemo(), nullptr);
}

TEST_F(GutterTest, FreeingTheEditorEmptiesTheGutter) {
    Gutter->ToggleBookmark(3, 2);
    Editor->Free();
    Editor = nullptr;
    EXPECT_EQ(Gutter->QuillMemo(), nullptr);
    EXPECT_EQ(Gutter->BookmarkLine(2), -1);
    Gutter->Repaint();
    Pump();
}

TEST_F(GutterTest, AttachedControlsSeeMessagesBeforeTheEditorInOrder) {
    auto* Probe = new TRelayProbe(Form);
    Probe->Memo = Editor;
    Editor->AttachControl(Probe);
    Probe->Seen.clear();
    Editor->SetSelStart(0);
    Type("x");
    bool SawChar = false, SawChange = false;
    for (uint32_t M : Probe->Seen) {
        SawChar |= M == WM_CHAR;
        SawChange |= M == QM_TEXTCHANGED;
    }
    EXPECT_TRUE(SawChar);
    EXPECT_TRUE(SawChange);
    Probe->Seen.clear();
    Editor->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    ASSERT_GE(Probe->Seen.size(), 2u);
    EXPECT_EQ(Probe->Seen[0], static_cast<uint32_t>(WM_VSCROLL));
    EXPECT_NE(std::find(Probe->Seen.begin(), Probe->Seen.end(), QM_VSCROLLED), Probe->Seen.end());
    Probe->Free();
    EXPECT_EQ(Editor->AttachedCount(), 1);
}

TEST_F(GutterTest, PaintsNumbersAndIconsInStepWithTheEditor) {
    Gutter->ToggleBookmark(0, 0);
    Form->Repaint();
    Pump();
    Editor->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    EXPECT_EQ(Editor->TopLine(), 1);
    // The first row now shows line 2's number in the window's text colour.
    HDC DC = GetDC(Form->Handle());
    int Dark = 0;
    int32_t LH = Editor->EffectiveLineHeight();
    for (int Y = 8 + 2; Y < 8 + 2 + LH; ++Y)
        for (int X = 320; X < 348; ++X)
            if ((GetPixel(DC, X, Y) & 0xFFFFFF) == 0) ++Dark;
    ReleaseDC(Form->Handle(), DC);
    EXPECT_GT(Dark, 0);
}

// Only rows whose number or mark changed are painted again, and the numbers
// move with the editor's pixels: after lines added and removed in the
// middle and at the end, a bookmark moved by them and the view scrolled,
// the gutter looks as a full redraw paints it.
TEST_F(GutterTest, RowsPaintedAfterEditsAndScrollingEqualAFullRedraw) {
    auto Pixels = [&] {
        HDC DC = GetDC(Form->Handle());
        std::vector<COLORREF> P;
        for (int Y = 8; Y < 208; ++Y)
            for (int X = 320; X < 350; ++X) P.push_back(GetPixel(DC, X, Y));
        ReleaseDC(Form->Handle(), DC);
        return P;
    };
    Gutter->ToggleBookmark(52, 2);
    Key(VK_END, kmCtrl);
    Form->Repaint();
    Pump();
    Editor->SetCaretLine(50);
    Type("\r\r");
    Key(VK_BACK);
    Key(VK_END, kmCtrl);
    Type("\r");
    Editor->Perform(WM_VSCROLL, SB_LINEUP, 0);
    Pump();
    ASSERT_EQ(Gutter->BookmarkLine(2), 53);
    const std::vector<COLORREF> Shown = Pixels();
    Form->Repaint();
    Pump();
    EXPECT_EQ(Shown, Pixels());
}

TEST_F(GutterTest, AClickOnAContextRegionSendsItsTextToAttachedControls) {
    Editor->Keywords()->AddKeyword("INVOKE", koWholeWord, 0, 9, 0, -1, 255);
    LoadText(*Editor, "x invoke y");
    auto* Probe = new TRelayProbe(Form);
    Probe->Memo = Editor;
    Editor->AttachControl(Probe);
    POINT P = PixelOf(4);
    Mouse(WM_LBUTTONDOWN, P, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, P, 0);
    EXPECT_EQ(Probe->ContextNumber, 9);
    EXPECT_EQ(Probe->ContextText, "invoke");
}
