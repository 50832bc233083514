// A big file in the window: while the rest is laid out in the background,
// a real key press and painting get through.
#include "tests/editor/win/EditorWindowFixture.h"

TEST_F(EditorWindowTest, KeysAndPaintingGetThroughWhileABigFileIsLaidOut) {
    Editor->SetUpdateMode(umBackground);
    Editor->SetWordWrap(true);
    std::string T;
    for (int i = 0; i < 200000; ++i) T += "        mov     ax, bx      ; a comment long enough to wrap here\r\n";
    LoadText(*Editor, T);
    ASSERT_TRUE(Editor->BackgroundActive());
    // Through the input queue, as a person types.
    INPUT In[2] = {};
    In[0].type = In[1].type = INPUT_KEYBOARD;
    In[0].ki.wVk = In[1].ki.wVk = 'Q';
    In[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, In, sizeof(INPUT)), 2u);
    EXPECT_TRUE(PumpUntil([&] { return Editor->GetParagraphText(0)[0] == 'q'; }, 3000));
    EXPECT_TRUE(PumpUntil([&] { return !GetUpdateRect(Editor->Handle(), nullptr, FALSE); }, 1000));
    EXPECT_TRUE(Editor->BackgroundActive());
}

TEST_F(EditorWindowTest, LayoutAboveTheViewLeavesTheViewPainted) {
    // Slices run by hand here: the view is at the end, layout at the start.
    Editor->SetUpdateMode(umOnNeed);
    std::string T;
    for (int i = 0; i < 200000; ++i) T += "\tmov ax, bx\r\n";
    LoadText(*Editor, T);
    Key(VK_END, kmCtrl);
    ASSERT_TRUE(PumpUntil([&] { return !GetUpdateRect(Editor->Handle(), nullptr, FALSE); }, 1000));
    Editor->FormatInBackground(true);
    ASSERT_LT(Editor->LayoutFrontier(), Editor->TopLine());
    EXPECT_FALSE(GetUpdateRect(Editor->Handle(), nullptr, FALSE));
}
