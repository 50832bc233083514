// Floating bars on the docking test form: their activation shown on the
// form's caption and handed on when they hide, alternate pairs, and a
// screenshot of the form with docked and floating bars.
#include <gtest/gtest.h>

#include "DockingTestSupport.h"
#include "docking/win/PixelBitmaps.h"
#include "framework/rtl/FileUtils.h"
#include "framework/uicore/ImageEncode.h"
#include "tests/common/win/ProgramFolder.h"

namespace {

using FloatingBarTest = DockFormFixture;

// The form with the bars floating over it, put together as the screen
// shows them (each window is read from its own picture, the floating
// ones last), saved to File; the pixels are returned.
TPixelImage CaptureAsOnScreen(TForm* Form, const std::vector<TWinControl*>& Floating, const std::string& File) {
    RECT F{};
    GetWindowRect(Form->Handle(), &F);
    TBitmap Shot;
    Shot.SetSize(F.right - F.left, F.bottom - F.top);
    auto Copy = [&](HWND Wnd) {
        RECT R{};
        GetWindowRect(Wnd, &R);
        HDC DC = GetWindowDC(Wnd);
        BitBlt(Shot.Canvas()->Handle(), R.left - F.left, R.top - F.top, R.right - R.left, R.bottom - R.top, DC, 0, 0,
               SRCCOPY);
        ReleaseDC(Wnd, DC);
    };
    Copy(Form->Handle());
    for (TWinControl* C : Floating) Copy(C->Handle());
    const TPixelImage Pixels = ReadPixels(&Shot);
    // The encoder takes 0x00RRGGBB.
    std::vector<uint32_t> Rgb = Pixels.Pixels;
    for (uint32_t& P : Rgb) P = ((P & 0xFF) << 16) | (P & 0xFF00) | ((P >> 16) & 0xFF);
    WriteFileAtomic(File, EncodePng(Pixels.Width, Pixels.Height, Rgb));
    return Pixels;
}

}  // namespace

TEST_F(FloatingBarTest, AnActiveFloatingBarShowsOnTheFormsCaptionAndHandsActivationOnWhenHidden) {
    // Only the tool window floats, so the form is the one window to go back to.
    Form->FloatBar->SetVisible(false);
    SetActiveWindow(Form->Handle());
    Pump();
    HWND Tools = Form->Tools->Handle();
    Form->CaptionActive.clear();
    SetActiveWindow(Tools);
    Pump();
    ASSERT_EQ(GetActiveWindow(), Tools);
    // The form lost activation and drew itself inactive, then active again.
    ASSERT_GE(Form->CaptionActive.size(), 2u);
    EXPECT_FALSE(Form->CaptionActive.front());
    EXPECT_TRUE(Form->CaptionActive.back());
    // Hidden while active: the form takes the activation.
    Form->Tools->SetVisible(false);
    Pump();
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_TRUE(Form->CaptionActive.back());
    // The bar shown and active again gives way to another form: both the
    // bar and its form show inactive.
    Form->Tools->SetVisible(true);
    Pump();
    SetActiveWindow(Tools);
    Pump();
    ASSERT_EQ(GetActiveWindow(), Tools);
    auto* Other = new TForm(nullptr);
    Other->SetBounds(600, 400, 200, 100);
    Other->Show();
    SetActiveWindow(Other->Handle());
    Pump();
    EXPECT_EQ(GetActiveWindow(), Other->Handle());
    EXPECT_FALSE(Form->CaptionActive.back());
    Other->Free();
    Pump();
}

TEST_F(FloatingBarTest, AnAlternatePairShowsTheMemberForTheOrientation) {
    TQToolbar* Bar = Form->EditBar;
    const int Height = Bar->ClientHeight();
    auto* Wide = new TQToolbarButton(Form);
    Wide->SetBounds(0, 0, 60, 22);
    Wide->SetParent(Bar);
    auto* Tall = new TQToolbarButton(Form);
    Tall->SetBounds(0, 0, 22, 60);
    Tall->SetParent(Bar);
    Bar->AddAlternatePair(Wide, Tall);
    Pump();
    // On the top dock the wide member shows; the tall one takes no room.
    EXPECT_TRUE(Wide->Visible());
    EXPECT_FALSE(Tall->Visible());
    EXPECT_EQ(Bar->ClientHeight(), Height);
    Bar->SetDockedTo(Form->LeftDock);
    Pump();
    EXPECT_FALSE(Wide->Visible());
    EXPECT_TRUE(Tall->Visible());
    EXPECT_LT(Bar->ClientWidth(), 60);
    EXPECT_EQ(Tall->Left() + Tall->Width() / 2, Bar->ClientWidth() / 2);
    // Floating is horizontal.
    Bar->SetDockedTo(nullptr);
    Pump();
    ASSERT_TRUE(Bar->Floating());
    EXPECT_TRUE(Wide->Visible());
    EXPECT_FALSE(Tall->Visible());
    // A freed member ends the pair: the other is left as it is.
    Wide->Free();
    Bar->SetDockedTo(Form->LeftDock);
    Pump();
    EXPECT_FALSE(Tall->Visible());
}

TEST_F(FloatingBarTest, ScreenshotOfTheFormWithDockedAndFloatingBars) {
    // Bars on the top and the left dock, a toolbar and a tool window
    // floating over the form.
    Form->SetBounds(40, 40, 560, 400);
    Form->EditBar->SetDockedTo(Form->LeftDock);
    const TPoint Client = Form->ClientOrigin();
    Form->FloatBar->SetBounds(Client.X + 260, Client.Y + 220, Form->FloatBar->Width(), Form->FloatBar->Height());
    Form->Tools->SetBounds(Client.X + 200, Client.Y + 60, Form->Tools->Width(), Form->Tools->Height());
    SetActiveWindow(Form->Handle());
    Form->Repaint();
    Pump();
    ASSERT_TRUE(Form->FloatBar->Floating());
    ASSERT_TRUE(IsWindowVisible(Form->FloatBar->Handle()));
    ASSERT_TRUE(IsWindowVisible(Form->Tools->Handle()));
    ASSERT_EQ(Form->EditBar->DockedTo(), Form->LeftDock);
    const std::string File = TestProgramFolder() + "DockingFormWithFloatingBars.png";
    const TPixelImage Shot = CaptureAsOnScreen(Form, {Form->Tools, Form->FloatBar}, File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
    // The bar that turned to the left dock has its frame drawn at its new
    // size: the raised edge's dark bottom line.
    RECT F{}, B{};
    GetWindowRect(Form->Handle(), &F);
    GetWindowRect(Form->EditBar->Handle(), &B);
    EXPECT_EQ(Shot.At((B.left + B.right) / 2 - F.left, B.bottom - 1 - F.top), GetSysColor(COLOR_3DDKSHADOW));
}

TEST_F(FloatingBarTest, AFloatingBarLeftBelowItsForegroundFormComesBackAboveIt) {
    Form->FloatBar->SetVisible(false);
    SetForegroundWindow(Form->Handle());
    Pump();
    HWND Tools = Form->Tools->Handle();
    ASSERT_TRUE(IsWindowVisible(Tools));
    // What a restack without messages leaves behind: the bar under its form.
    SetWindowPos(Tools, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    auto Above = [&] {
        for (HWND W = GetWindow(Form->Handle(), GW_HWNDPREV); W; W = GetWindow(W, GW_HWNDPREV))
            if (W == Tools) return true;
        return false;
    };
    ASSERT_FALSE(Above());
    EXPECT_TRUE(PumpUntil(Above, 2000));
}

TEST_F(FloatingBarTest, ANewCaptionIsDrawnOnAFloatingBarAtOnce) {
    Form->FloatBar->SetVisible(false);
    Pump();
    auto CaptionPixels = [&] {
        const std::string File = TestProgramFolder() + "FloatingCaption.png";
        return CaptureAsOnScreen(Form, {Form->Tools}, File).Pixels;
    };
    const auto Before = CaptionPixels();
    Form->Tools->SetCaption("A caption long enough to be seen");
    Pump();
    EXPECT_NE(CaptionPixels(), Before);
}
