#include <gtest/gtest.h>

#include "editor/win/QuillMemo.h"
#include "editor/win/QuillClipboardWin.h"
#include "framework/rtl/win/WinApi.h"

TEST(ClipboardWin, CutAndPasteRoundTripThroughCfText) {
    if (!OpenClipboard(nullptr)) GTEST_SKIP() << "no clipboard in this session";
    CloseClipboard();
    TQuillClipboardWin Clip;
    TQuillMemo M(nullptr);
    M.SetClipboard(&Clip);
    M.ReplaceAllText("one\r\ntwo");
    M.SetSelStart(2);
    M.SetSelLength(4);
    M.CutToClipboard();
    ASSERT_TRUE(Clip.HasText());
    EXPECT_EQ(Clip.GetText(), "e\r\nt");
    M.SetSelStart(M.CharCount());
    M.PasteFromClipboard();
    EXPECT_EQ(M.GetTextRange(0, M.CharCount()), "onwoe\r\nt");
    M.CheckIntegrity();
}
