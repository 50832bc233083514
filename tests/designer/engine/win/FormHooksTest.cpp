// The chain of form hooks and the caption buttons built on it, driven
// through messages (title bars are not drawn without a window manager).
#include <gtest/gtest.h>

#include "designer/engine/win/CaptionButton.h"
#include "designer/engine/win/FormHooks.h"
#include "framework/controls/ScreenCapture.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/Pump.h"

namespace {
constexpr uint32_t Probe = WM_USER + 77;

class FormHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 400, 200);
        Form->Show();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    // A hook that writes its mark and passes the probe on.
    TFormHook* Mark(char C) {
        TFormHook** Self = new TFormHook*(nullptr);
        Owned.emplace_back(Self);
        *Self = AddFormHook(Form, [this, C, Self](TMessage& M) {
            if (M.Msg == Probe) Trace += C;
            (*Self)->Default(M);
        });
        return *Self;
    }
    LPARAM ScreenPoint(TZelCaptionButton* B) {
        RECT W{};
        GetWindowRect(Form->Handle(), &W);
        const TRect& R = B->ButtonRect();
        return MAKELPARAM(W.left + (R.Left + R.Right) / 2, W.top + (R.Top + R.Bottom) / 2);
    }
    LPARAM ClientPoint(LPARAM Screen) {
        POINT P{static_cast<short>(LOWORD(Screen)), static_cast<short>(HIWORD(Screen))};
        ScreenToClient(Form->Handle(), &P);
        return MAKELPARAM(P.x, P.y);
    }

    TForm* Form = nullptr;
    std::string Trace;
    std::vector<std::unique_ptr<TFormHook*>> Owned;
};
}  // namespace

TEST_F(FormHooksTest, MessagesFlowThroughTheChainAndSurviveANewWindow) {
    TFormHook* A = Mark('a');
    TFormHook* B = Mark('b');
    Mark('c');
    Form->Perform(Probe, 0, 0);
    EXPECT_EQ(Trace, "cba");  // the newest first
    RemoveFormHook(B);        // from the middle
    Trace.clear();
    SendMessageA(Form->Handle(), Probe, 0, 0);
    EXPECT_EQ(Trace, "ca");
    Form->SetBorderStyle(bsToolWindow);  // makes the window again
    Trace.clear();
    SendMessageA(Form->Handle(), Probe, 0, 0);
    EXPECT_EQ(Trace, "ca");
    RemoveFormHook(FindFormHooks(Form) ? A : nullptr);
    EXPECT_EQ(FindFormHooks(Form)->Count(), 1);
}

TEST_F(FormHooksTest, TheLastHookGoneRestoresTheFormsOwnHandling) {
    TFormHook* A = Mark('a');
    RemoveFormHook(A);
    EXPECT_EQ(FindFormHooks(Form), nullptr);
    Form->SetCaption("still answers");
    EXPECT_EQ(Form->Perform(WM_GETTEXTLENGTH, 0, 0), 13);
}

TEST_F(FormHooksTest, TwoButtonsStandSideBySideLeftOfTheSystemButtons) {
    auto* First = new TZelCaptionButton(Form);
    auto* Second = new TZelCaptionButton(Form);
    const int S = GetSystemMetrics(SM_CXSIZE) - 2;
    const int Right = Form->Width() - GetSystemMetrics(SM_CXFRAME) - 2 - S - 2 - 2 * S - 2;
    EXPECT_EQ(First->ButtonRect().Right, Right);
    EXPECT_EQ(First->ButtonRect().Width(), S);
    EXPECT_EQ(Second->ButtonRect().Right, First->ButtonRect().Left);
    EXPECT_EQ(Second->ButtonRect().Width(), S);
    EXPECT_EQ(First->ButtonRect().Top, GetSystemMetrics(SM_CYFRAME) + 2);
    Second->SetWidth(40);
    EXPECT_EQ(Second->ButtonRect().Width(), 40);
    Second->SetWidth(-7);
    EXPECT_EQ(Second->Width(), -1);
    First->SetVisible(false);
    EXPECT_EQ(Second->ButtonRect().Right, Right);
}

TEST_F(FormHooksTest, TheFramesOwnPaintingLeavesOutTheButtonsAndTheTitle) {
    // A hook installed before the buttons sees what the frame painting gets.
    std::vector<bool> InRegion;  // the right button, the left one, the title, the bottom frame
    TFormHook** Self = new TFormHook*(nullptr);
    Owned.emplace_back(Self);
    TZelCaptionButton* Right = nullptr;
    TZelCaptionButton* Left = nullptr;
    *Self = AddFormHook(Form, [&, Self](TMessage& M) {
        if (M.Msg == WM_NCPAINT) {
            RECT W{};
            GetWindowRect(Form->Handle(), &W);
            auto In = [&](LPARAM P) {
                return PtInRegion(reinterpret_cast<HRGN>(M.WParam), static_cast<short>(LOWORD(P)),
                                  static_cast<short>(HIWORD(P))) != FALSE;
            };
            InRegion = {In(ScreenPoint(Right)), In(ScreenPoint(Left)),
                        In(MAKELPARAM(W.left + 12, HIWORD(ScreenPoint(Left)))), In(MAKELPARAM(W.left + 40, W.bottom - 2))};
        }
        (*Self)->Default(M);
    });
    Right = new TZelCaptionButton(Form);
    Left = new TZelCaptionButton(Form);
    Form->Perform(WM_NCPAINT, 1, 0);
    EXPECT_EQ(InRegion, (std::vector<bool>{false, false, false, true}));
    // A region of the caller is cut the same way and stays the caller's.
    RECT W{};
    GetWindowRect(Form->Handle(), &W);
    HRGN Given = CreateRectRgn(W.left, W.top, W.right, W.bottom);
    Form->Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(Given), 0);
    EXPECT_EQ(InRegion, (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(PtInRegion(Given, static_cast<short>(LOWORD(ScreenPoint(Right))), static_cast<short>(HIWORD(ScreenPoint(Right)))));
    DeleteObject(Given);
    RemoveFormHook(*Self);
}

TEST_F(FormHooksTest, APressDoesNotMoveTheWindowAndOnlyAReleaseInsideClicks) {
    auto* Button = new TZelCaptionButton(Form);
    int Clicks = 0;
    Button->OnClick = [&](TObject*) { ++Clicks; };
    const LPARAM At = ScreenPoint(Button);
    EXPECT_EQ(SendMessageA(Form->Handle(), WM_NCHITTEST, 0, At), HTBORDER);
    SendMessageA(Form->Handle(), WM_NCLBUTTONDOWN, HTBORDER, At);
    EXPECT_TRUE(Button->Pressing());
    EXPECT_TRUE(Button->Down());
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, ClientPoint(At));
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Button->Pressing());

    SendMessageA(Form->Handle(), WM_NCLBUTTONDOWN, HTBORDER, At);
    SendMessageA(Form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 150));
    EXPECT_FALSE(Button->Down());  // the pressed look follows the cursor
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 150));
    EXPECT_EQ(Clicks, 1);

    Form->SetBorderStyle(bsSingle);  // a new window: the button still works
    const LPARAM Again = ScreenPoint(Button);
    EXPECT_EQ(SendMessageA(Form->Handle(), WM_NCHITTEST, 0, Again), HTBORDER);
    SendMessageA(Form->Handle(), WM_NCLBUTTONDOWN, HTBORDER, Again);
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, ClientPoint(Again));
    EXPECT_EQ(Clicks, 2);
    Button->Free();
    EXPECT_EQ(FindFormHooks(Form), nullptr);
}

TEST_F(FormHooksTest, PressesGoOnToTheFrameAndCarryTheShiftKeys) {
    // A hook made before the button is the frame's handling behind it.
    int Reached = 0;
    TFormHook* Behind = nullptr;
    Behind = AddFormHook(Form, [&](TMessage& M) {
        if (M.Msg == WM_NCLBUTTONDOWN || M.Msg == WM_NCLBUTTONDBLCLK) ++Reached;
        Behind->Default(M);
    });
    auto* Button = new TZelCaptionButton(Form);
    TShiftState Seen;
    Button->OnMouseDown = [&](TObject*, TMouseButton, TShiftState Shift, int, int) { Seen = Shift; };
    const LPARAM At = ScreenPoint(Button);
    SendMessageA(Form->Handle(), WM_NCMOUSEMOVE, HTBORDER, At);
    EXPECT_TRUE(Button->Hot());
    BYTE Keys[256] = {};
    GetKeyboardState(Keys);
    const BYTE Was = Keys[VK_SHIFT];
    Keys[VK_SHIFT] = 0x80;
    SetKeyboardState(Keys);
    SendMessageA(Form->Handle(), WM_NCLBUTTONDOWN, HTBORDER, At);
    Keys[VK_SHIFT] = Was;
    SetKeyboardState(Keys);
    EXPECT_TRUE(Seen.Contains(ssShift));
    EXPECT_EQ(Reached, 1);
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, ClientPoint(At));
    SendMessageA(Form->Handle(), WM_NCLBUTTONDBLCLK, HTBORDER, At);
    EXPECT_EQ(Reached, 2);
    SendMessageA(Form->Handle(), WM_LBUTTONUP, 0, ClientPoint(At));
    SendMessageA(Form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(110, 110));
    EXPECT_FALSE(Button->Hot());
    Button->Free();
    RemoveFormHook(Behind);
}

TEST_F(FormHooksTest, Screenshot) {
    Form->SetCaption("Designed window");
    auto* Glyph = new TZelCaptionButton(Form);
    Glyph->Glyph()->LoadFromResourceName(FrameworkInstance(), "ALIGN_LEFTEDGES");
    auto* Text = new TZelCaptionButton(Form);
    Text->SetCaption("?");
    SendMessageA(Form->Handle(), WM_NCPAINT, 1, 0);
    Pump();
    const std::string File = TestProgramFolder() + "CaptionButtons.png";
    CaptureWindowToFile(Form->Handle(), File, true);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
}
