// Printing onto a stand-in printer whose pages are memory bitmaps: how many
// pages, which line bands carry text, and that the window's layout and view
// come back afterwards.
#include <vector>

#include "editor/win/QuillPrinter.h"
#include "tests/editor/win/EditorWindowFixture.h"

namespace {

// One bitmap page at the screen's resolution; each finished page is
// summarised by the rows that hold dark pixels and the red pixels on it.
class TBitmapPrinter : public IQuillPrinter {
public:
    TBitmapPrinter(int W, int H) : FW(W), FH(H) {
        FDC = CreateCompatibleDC(nullptr);
        BITMAPINFO BI{};
        BI.bmiHeader.biSize = sizeof(BI.bmiHeader);
        BI.bmiHeader.biWidth = W;
        BI.bmiHeader.biHeight = -H;
        BI.bmiHeader.biPlanes = 1;
        BI.bmiHeader.biBitCount = 32;
        FBitmap = CreateDIBSection(FDC, &BI, DIB_RGB_COLORS, reinterpret_cast<void**>(&FBits), nullptr, 0);
        FOld = SelectObject(FDC, FBitmap);
    }
    ~TBitmapPrinter() override {
        SelectObject(FDC, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    bool BeginDoc(const std::string& Title) override {
        this->Title = Title;
        return true;
    }
    HDC PageDC() override { return FDC; }
    SIZE PageSize() override { return {FW, FH}; }
    bool StartPage() override {
        if (static_cast<int>(Pages.size()) == FailAtPage) return false;
        PatBlt(FDC, 0, 0, FW, FH, WHITENESS);
        return true;
    }
    bool EndPage() override {
        GdiFlush();
        TPage P;
        for (int Y = 0; Y < FH; ++Y) {
            bool Ink = false;
            for (int X = 0; X < FW; ++X) {
                uint32_t Px = FBits[Y * FW + X];
                int R = (Px >> 16) & 0xFF, G = (Px >> 8) & 0xFF, B = Px & 0xFF;
                Ink = Ink || R + G + B < 300;
                if (R > 150 && G < 90 && B < 90) ++P.Red;
            }
            P.InkRows.push_back(Ink);
        }
        Pages.push_back(P);
        return true;
    }
    void EndDoc(bool WasAborted) override {
        Ended = true;
        Aborted = WasAborted;
    }

    struct TPage {
        std::vector<bool> InkRows;
        int Red = 0;
        // Line bands of height LH that hold any text.
        int InkedBands(int LH) const {
            int N = 0;
            for (size_t Top = 0; Top + LH <= InkRows.size(); Top += LH) {
                bool Any = false;
                for (int k = 0; k < LH; ++k) Any = Any || InkRows[Top + k];
                N += Any;
            }
            return N;
        }
    };
    std::vector<TPage> Pages;
    std::string Title;
    bool Ended = false, Aborted = false;
    int FailAtPage = -1;

private:
    int FW, FH;
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
    uint32_t* FBits = nullptr;
};

}  // namespace

TEST_F(EditorWindowTest, PrintingFillsPagesWithWholeLinesAndKeepsTheView) {
    std::string Text;
    for (int I = 0; I < 25; ++I) Text += "line " + std::to_string(I) + "\r\n";
    Text += "last";
    LoadText(*Editor, Text);  // 26 lines
    Editor->ScrollTo(3 * Editor->EffectiveLineHeight(), 0);
    int32_t LH = Editor->EffectiveLineHeight();
    TBitmapPrinter Printer(300, 10 * LH + LH / 2);  // ten whole lines a page
    ASSERT_TRUE(Editor->Print("listing", &Printer));
    EXPECT_EQ(Printer.Title, "listing");
    EXPECT_TRUE(Printer.Ended);
    EXPECT_FALSE(Printer.Aborted);
    ASSERT_EQ(Printer.Pages.size(), 3u);
    EXPECT_EQ(Printer.Pages[0].InkedBands(LH), 10);
    EXPECT_EQ(Printer.Pages[1].InkedBands(LH), 10);
    EXPECT_EQ(Printer.Pages[2].InkedBands(LH), 6);
    // Nothing below the last whole line, and no end-of-text mark.
    for (size_t Y = 10 * LH; Y < Printer.Pages[0].InkRows.size(); ++Y) EXPECT_FALSE(Printer.Pages[0].InkRows[Y]);
    EXPECT_EQ(Printer.Pages[2].Red, 0);
    EXPECT_EQ(Editor->ScrollY(), 3 * LH);
    EXPECT_EQ(Editor->LineCount(), 26);
}

TEST_F(EditorWindowTest, PrintingWrapsForThePageAndLaysOutForTheWindowAgain) {
    Editor->SetWordWrap(true);
    const COLORREF Red = RGB(255, 0, 0);
    Editor->Keywords()->AddKeyword("mov", koWholeWord, 0, 1, 0, -1, Red);
    std::string Para;
    for (int I = 0; I < 12; ++I) Para += "mov eax, ebx ";
    LoadText(*Editor, Para);
    int32_t ScreenLines = Editor->LineCount();
    ASSERT_GT(ScreenLines, 1);
    Editor->SetSelStart(20);
    int32_t LH = Editor->EffectiveLineHeight();
    TBitmapPrinter Printer(150, 40 * LH);
    ASSERT_TRUE(Editor->Print("narrow", &Printer));
    ASSERT_EQ(Printer.Pages.size(), 1u);
    // Half the width: more lines, each one with text.
    EXPECT_GT(Printer.Pages[0].InkedBands(LH), ScreenLines + 2);
    EXPECT_GT(Printer.Pages[0].Red, 5);
    EXPECT_EQ(Editor->LineCount(), ScreenLines);
    EXPECT_EQ(Editor->GetSelStart(), 20);
    EXPECT_NO_THROW(Editor->CheckIntegrity());
}

TEST_F(EditorWindowTest, APageThatCannotStartAbortsThePrint) {
    std::string Text;
    for (int I = 0; I < 30; ++I) Text += "row\r\n";
    LoadText(*Editor, Text);
    TBitmapPrinter Printer(200, 5 * Editor->EffectiveLineHeight());
    Printer.FailAtPage = 1;
    EXPECT_FALSE(Editor->Print("fails", &Printer));
    EXPECT_EQ(Printer.Pages.size(), 1u);
    EXPECT_TRUE(Printer.Ended);
    EXPECT_TRUE(Printer.Aborted);
    EXPECT_EQ(Editor->LineCount(), 31);
}
