// Painting: highlighted text shows its colours; a screenshot of assembler.
#include <string>
#include <vector>

#include "editor/win/QuillGutter.h"
#include "framework/controls/ScreenCapture.h"
#include "tests/editor/win/EditorWindowFixture.h"

namespace {

// Text may be drawn smoothed: a pixel counts when its colour leans clearly
// towards C's strongest channel (C is pure red, green or blue in tone).
bool Leans(COLORREF P, COLORREF C) {
    int Ch[3] = {GetRValue(P), GetGValue(P), GetBValue(P)};
    int Want[3] = {GetRValue(C), GetGValue(C), GetBValue(C)};
    int Main = Want[1] > Want[0] ? (Want[2] > Want[1] ? 2 : 1) : (Want[2] > Want[0] ? 2 : 0);
    for (int I = 0; I < 3; ++I)
        if (I != Main && Ch[Main] <= 2 * Ch[I] + 40) return false;
    return true;
}

int CountPixels(HWND Wnd, const RECT& R, COLORREF C, bool Exact = false) {
    HDC DC = GetDC(Wnd);
    int N = 0;
    for (int Y = R.top; Y < R.bottom; ++Y)
        for (int X = R.left; X < R.right; ++X) {
            COLORREF P = GetPixel(DC, X, Y) & 0xFFFFFF;
            if (Exact ? P == C : Leans(P, C)) ++N;
        }
    ReleaseDC(Wnd, DC);
    return N;
}

void AddAssemblerKeys(TQuillMemo* E) {
    for (const char* K : {"mov", "push", "pop", "call", "ret", "invoke"})
        E->Keywords()->AddKeyword(K, koWholeWord, qsBold, 1, 0, -1, RGB(0, 0, 160));
    for (const char* K : {"eax", "ebx", "ecx", "edx", "esi", "edi"})
        E->Keywords()->AddKeyword(K, koWholeWord, 0, 1, 0, -1, RGB(160, 0, 0));
    E->StartStopKeys()->AddKey(";", "", true, RGB(0, 128, 0), -1, 0, 1, 0, 0);
    E->StartStopKeys()->AddKey("\"", "\"", true, RGB(128, 0, 128), -1, 0, 1, 0, 0);
}

}  // namespace

TEST_F(EditorWindowTest, AKeywordIsPaintedInItsColour) {
    const COLORREF Red = RGB(255, 0, 0);
    Editor->Keywords()->AddKeyword("mov", koWholeWord, 0, 1, 0, -1, Red);
    LoadText(*Editor, "\tmov eax, 1\r\nplain text");
    Editor->Repaint();
    Pump();
    int32_t LH = Editor->EffectiveLineHeight();
    RECT First{0, 0, Editor->ClientWidth(), LH};
    RECT Second{0, LH, Editor->ClientWidth(), 2 * LH};
    EXPECT_GT(CountPixels(Editor->Handle(), First, Red), 5);
    EXPECT_EQ(CountPixels(Editor->Handle(), Second, Red), 0);
}

TEST_F(EditorWindowTest, TheSelectionIsPaintedInverted) {
    LoadText(*Editor, "abc");
    Other->SetFocus();
    Pump();
    RECT Line{0, 0, Editor->ClientWidth(), Editor->EffectiveLineHeight()};
    const COLORREF Black = RGB(0, 0, 0);
    int Before = CountPixels(Editor->Handle(), Line, Black, true);
    Editor->SetHideSelection(false);
    Editor->SetSelStart(0);
    Editor->SetSelLength(3);
    Editor->Repaint();
    Pump();
    EXPECT_GT(CountPixels(Editor->Handle(), Line, Black, true), Before + 10);
}

TEST_F(EditorWindowTest, ScreenshotOfHighlightedAssembler) {
    Form->SetBounds(40, 40, 560, 380);
    Editor->SetBounds(36, 8, 500, 320);
    Editor->SetScrollBars(ssBoth);
    auto* Gutter = new TQuillGutter(Form);
    Gutter->SetParent(Form);
    Gutter->SetBounds(8, 8, 26, 320);
    Gutter->SetQuillMemo(Editor);
    AddAssemblerKeys(Editor);
    LoadText(*Editor,
             "; prints a greeting\r\n"
             "start:\r\n"
             "\tpush ebx\r\n"
             "\tmov eax, 4\r\n"
             "\tmov ebx, 1\r\n"
             "\tmov ecx, msg   ; the text\r\n"
             "\tcall Print\r\n"
             "\tpop ebx\r\n"
             "\tret\r\n"
             "msg db \"Hello, world\", 0\r\n");
    Gutter->ToggleBookmark(3, 1);
    Editor->SetSelStart(70);
    Editor->SetSelLength(8);
    Form->Repaint();
    Pump();
    char Exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, Exe, MAX_PATH);
    std::string Dir = Exe;
    Dir.erase(Dir.find_last_of("\\/") + 1);
    const std::string File = Dir + "EditorAssembler.png";
    CaptureWindowToFile(Form->Handle(), File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
    // Above the end-of-text mark (a red line).
    RECT All{0, 0, Editor->ClientWidth(), (Editor->LineCount() - 1) * Editor->EffectiveLineHeight()};
    EXPECT_GT(CountPixels(Editor->Handle(), All, RGB(0, 128, 0)), 5);   // comments
    EXPECT_GT(CountPixels(Editor->Handle(), All, RGB(160, 0, 0)), 5);   // registers
}

// Scroll bars are set without drawing when their picture stays the same,
// and a thumb that moved is drawn by the editor with its tracks: jumps,
// sideways moves and typed lines must leave both bars as the system's full
// redraw shows them.
TEST_F(EditorWindowTest, TheScrollBarsShowTheThumbWhereTheViewIs) {
    std::string Text;
    for (int I = 0; I < 3000; ++I) Text += "line " + std::to_string(I) + "\r\n";
    Text += std::string(400, 'w');
    Editor->SetScrollBars(ssBoth);
    LoadText(*Editor, Text);
    Pump();
    auto BarPixels = [&](LONG Object) {
        SCROLLBARINFO Info{};
        Info.cbSize = sizeof(Info);
        EXPECT_TRUE(GetScrollBarInfo(Editor->Handle(), Object, &Info));
        RECT W{};
        GetWindowRect(Editor->Handle(), &W);
        HDC DC = GetWindowDC(Editor->Handle());
        std::vector<COLORREF> Pixels;
        for (LONG Y = Info.rcScrollBar.top; Y < Info.rcScrollBar.bottom; ++Y)
            for (LONG X = Info.rcScrollBar.left; X < Info.rcScrollBar.right; ++X)
                Pixels.push_back(GetPixel(DC, X - W.left, Y - W.top));
        ReleaseDC(Editor->Handle(), DC);
        return Pixels;
    };
    auto ExpectBarsAsRedrawn = [&](const char* After) {
        Pump();
        const std::vector<COLORREF> V = BarPixels(OBJID_VSCROLL), H = BarPixels(OBJID_HSCROLL);
        RedrawWindow(Editor->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        Pump();
        EXPECT_EQ(V, BarPixels(OBJID_VSCROLL)) << After;
        EXPECT_EQ(H, BarPixels(OBJID_HSCROLL)) << After;
    };
    const std::vector<COLORREF> AtTop = BarPixels(OBJID_VSCROLL), AtLeft = BarPixels(OBJID_HSCROLL);
    Key(VK_END, kmCtrl);
    ExpectBarsAsRedrawn("Ctrl+End");
    EXPECT_NE(BarPixels(OBJID_VSCROLL), AtTop);
    EXPECT_NE(BarPixels(OBJID_HSCROLL), AtLeft);
    Key(VK_HOME);
    ExpectBarsAsRedrawn("Home");
    EXPECT_EQ(BarPixels(OBJID_HSCROLL), AtLeft);
    for (int I = 0; I < 40; ++I) Key(VK_RETURN);
    ExpectBarsAsRedrawn("Enter");
    Key(VK_PRIOR);
    ExpectBarsAsRedrawn("Page Up");
}

// A keystroke repaints only its own line unless later lines move or change
// colour: a region opened on one line recolours the lines after it at once.
TEST_F(EditorWindowTest, AKeyRepaintsTheLaterLinesItRecolours) {
    const COLORREF Green = RGB(0, 160, 0);
    Editor->StartStopKeys()->AddKey("/*", "*/", false, Green, -1, 0, 1, 0, 0);
    LoadText(*Editor, "xx\r\nmmmm\r\nmmmm */ x\r\nmmmm");
    Editor->Repaint();
    Pump();
    const int32_t LH = Editor->EffectiveLineHeight();
    auto GreenOn = [&](int Line) {
        return CountPixels(Editor->Handle(), RECT{0, Line * LH, Editor->ClientWidth(), (Line + 1) * LH}, Green);
    };
    EXPECT_EQ(GreenOn(1), 0);
    Editor->SetSelStart(1);
    Type("/*");
    EXPECT_GT(GreenOn(1), 5);
    EXPECT_GT(GreenOn(2), 5);
    EXPECT_EQ(GreenOn(3), 0);
}

namespace {
// The client area's pixels, the caret hidden so that its blinking does not count.
std::vector<uint32_t> ClientPixels(HWND Wnd) {
    RECT R{};
    GetClientRect(Wnd, &R);
    HideCaret(Wnd);
    HDC DC = GetDC(Wnd);
    HDC Mem = CreateCompatibleDC(DC);
    BITMAPINFO BI{};
    BI.bmiHeader.biSize = sizeof(BI.bmiHeader);
    BI.bmiHeader.biWidth = R.right;
    BI.bmiHeader.biHeight = -R.bottom;
    BI.bmiHeader.biPlanes = 1;
    BI.bmiHeader.biBitCount = 32;
    uint32_t* Bits = nullptr;
    HBITMAP Bitmap = CreateDIBSection(DC, &BI, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits), nullptr, 0);
    HGDIOBJ Old = SelectObject(Mem, Bitmap);
    BitBlt(Mem, 0, 0, R.right, R.bottom, DC, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> Pixels(Bits, Bits + static_cast<size_t>(R.right) * static_cast<size_t>(R.bottom));
    SelectObject(Mem, Old);
    DeleteObject(Bitmap);
    DeleteDC(Mem);
    ReleaseDC(Wnd, DC);
    ShowCaret(Wnd);
    return Pixels;
}

size_t PixelsDiffer(const std::vector<uint32_t>& A, const std::vector<uint32_t>& B) {
    size_t N = 0;
    for (size_t I = 0; I < A.size() && I < B.size(); ++I) N += A[I] != B[I];
    return N + (A.size() > B.size() ? A.size() - B.size() : B.size() - A.size());
}
}  // namespace

// Enter and a joining Backspace or Delete move the lines below by scrolling
// their pixels: the window must look as a full redraw paints it, also with a
// view that starts inside a line, and the caret must stand on its new line.
TEST_F(EditorWindowTest, LinesMovedByAnEditLookAsAFullRedrawShowsThem) {
    AddAssemblerKeys(Editor);
    std::string Text;
    for (int I = 0; I < 60; ++I) Text += I % 3 ? "\tmov eax, " + std::to_string(I) + "\r\n" : "; note " + std::to_string(I) + "\r\n";
    LoadText(*Editor, Text);
    const int32_t LH = Editor->EffectiveLineHeight();
    for (int32_t ScrollY : {0, 2 * LH + 5}) {
        Editor->ScrollTo(ScrollY, 0);
        Editor->Repaint();
        Pump();
        Editor->SetSelStart(static_cast<int32_t>(Editor->GetTextRange(0, Editor->CharCount()).find("mov eax, 7") + 4));
        for (WORD Vk : {VK_RETURN, VK_RETURN, VK_BACK, VK_LEFT, VK_DELETE}) {
            Key(Vk);
            Pump();
            const std::vector<uint32_t> Shown = ClientPixels(Editor->Handle());
            POINT Caret{};
            GetCaretPos(&Caret);
            POINT Want = PixelOf(Editor->GetSelStart());
            EXPECT_EQ(Caret.y, Want.y - LH / 2) << ScrollY << " " << Vk;
            GUITHREADINFO Info{};
            Info.cbSize = sizeof(Info);
            ASSERT_TRUE(GetGUIThreadInfo(0, &Info));
            EXPECT_EQ(Info.hwndCaret, Editor->Handle());
            Editor->Repaint();
            Pump();
            EXPECT_EQ(PixelsDiffer(Shown, ClientPixels(Editor->Handle())), 0u)
                << "after key " << Vk << " with the view at " << ScrollY;
        }
    }
    // A typed key that moves the view paints what the view then shows: a
    // letter typed at a caret below the view, Enter on the view's last line;
    // keywords typed on the line it opened are coloured as they come.
    Editor->ScrollTo(0, 0);
    Editor->Repaint();
    Pump();
    Editor->SetSelStart(Editor->CharCount() - 4);
    for (const char* Keys : {"x", "\r", "\r", "mov", "\r", "\tmov eax"}) {
        const int32_t Top = Editor->TopLine();
        if (Keys[0] == '\r') {
            Key(VK_RETURN);
        } else if (Keys[0] == '\t') {
            Key(VK_TAB);
            Type(Keys + 1);
        } else {
            Type(Keys);
        }
        Pump();
        if (Keys[0] == '\r' || Keys[0] == 'x') {
            EXPECT_GT(Editor->TopLine(), Top);
        }
        const std::vector<uint32_t> Shown = ClientPixels(Editor->Handle());
        Editor->Repaint();
        Pump();
        EXPECT_EQ(Shown, ClientPixels(Editor->Handle())) << Keys;
    }
}

// Typed letters, Backspace and Delete are painted by the key itself and,
// while keys come, the editor draws the caret: the window must look as a
// full redraw paints it
// (no caret left where the last keys put it), the caret shown where the
// next letter goes and placed there for the system; once the keys pause,
// the system's caret takes over and nothing of the editor's caret is left.
TEST_F(EditorWindowTest, TypedLettersLookAsAFullRedrawAndTheCaretFollows) {
    AddAssemblerKeys(Editor);
    std::string Text;
    for (int I = 0; I < 30; ++I) Text += "\tmov eax, " + std::to_string(I) + "\r\n";
    LoadText(*Editor, Text);
    Editor->Repaint();
    Pump();
    const int32_t LH = Editor->EffectiveLineHeight();
    RECT Client{};
    GetClientRect(Editor->Handle(), &Client);
    auto At = [&](const std::vector<uint32_t>& Pixels, POINT P) {
        return Pixels[static_cast<size_t>(P.y) * static_cast<size_t>(Client.right) + static_cast<size_t>(P.x)] & 0xFFFFFF;
    };
    Editor->SetSelStart(static_cast<int32_t>(Editor->GetTextRange(0, Editor->CharCount()).find("eax, 7") + 6));
    // "\b" stands for Backspace, "\x7f" for Delete.
    for (const std::string Letters : {"a", "bc", "def", "\b", "\x7f"}) {
        if (Letters == "\b" || Letters == "\x7f") {
            Key(Letters == "\b" ? VK_BACK : VK_DELETE);
            Pump();
        } else {
            Type(Letters);
        }
        const std::vector<uint32_t> Shown = ClientPixels(Editor->Handle());
        POINT Caret{};
        GetCaretPos(&Caret);
        const POINT Want = PixelOf(Editor->GetSelStart());
        EXPECT_EQ(Caret.x, Want.x) << Letters;
        EXPECT_EQ(Caret.y, Want.y - LH / 2) << Letters;
        // The system's caret is hidden for the capture: what shows there is
        // the editor's, white behind the line's end turned dark.
        EXPECT_EQ(At(Shown, Want), 0u) << Letters;
        Editor->Repaint();
        Pump();
        EXPECT_EQ(PixelsDiffer(Shown, ClientPixels(Editor->Handle())), 0u) << "after typing " << Letters;
    }
    // A pause longer than a blink: the system's caret again.
    Sleep(GetCaretBlinkTime() + 300);
    Pump();
    const std::vector<uint32_t> Paused = ClientPixels(Editor->Handle());
    Editor->Repaint();
    Pump();
    EXPECT_EQ(PixelsDiffer(Paused, ClientPixels(Editor->Handle())), 0u);
    const POINT Want = PixelOf(Editor->GetSelStart());
    EXPECT_NE(At(Paused, Want), 0u);
}

// The caret on a line the view shows only in part, then a page away and
// back: nothing of the caret is left where it stood.
TEST_F(EditorWindowTest, PagingLeavesNoCaretBehind) {
    AddAssemblerKeys(Editor);
    std::string Text;
    for (int I = 0; I < 200; ++I) Text += "\tmov eax, " + std::to_string(I) + "\r\n";
    LoadText(*Editor, Text);
    const int32_t LH = Editor->EffectiveLineHeight();
    for (int32_t Shown : {LH - 2, 2}) {
        Editor->ScrollTo(30 * LH + LH - Shown, 0);
        Editor->SetSelStart(Editor->ParagraphStart(30) + 4);
        Editor->Repaint();
        Pump();
        for (WORD Vk : {VK_PRIOR, VK_NEXT, VK_NEXT, VK_PRIOR}) {
            Key(Vk);
            Pump();
            const std::vector<uint32_t> After = ClientPixels(Editor->Handle());
            Editor->Repaint();
            Pump();
            EXPECT_EQ(PixelsDiffer(After, ClientPixels(Editor->Handle())), 0u)
                << "key " << Vk << " from a line shown " << Shown << " px";
        }
    }
}
