// The About box: the splash form with its credits scrolling over the
// picture, captured to a screenshot, and the modal run with its music.
#include <gtest/gtest.h>

#include <string>

#include "framework/controls/ModalHook.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/forms/Forms.h"
#include "ide/win/AboutForm.h"
#include "ide/win/Splash.h"
#include "product/ProductTitle.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/Pump.h"

namespace {

TEST(SplashForm, ReadsItsFormAndScrollsUpOverThePicture) {
    TSplash* Splash = new TSplash(nullptr);
    EXPECT_EQ(Splash->ClientWidth(), 480);
    EXPECT_EQ(Splash->ClientHeight(), 360);
    EXPECT_EQ(Splash->BorderStyle(), bsNone);
    EXPECT_EQ(Splash->FormStyle(), fsStayOnTop);
    TMediaScroller* S = Splash->MediaScroller;
    ASSERT_NE(S, nullptr);
    EXPECT_TRUE(S->AutoScroll());
    EXPECT_EQ(S->ScrollSpeed(), 50);
    EXPECT_EQ(S->ScrollStepY(), -1);
    EXPECT_EQ(S->Bevel()->TotalWidth(), 0);
    EXPECT_TRUE(S->UseBackGroundDIB());
    EXPECT_GT(S->Lines()->Count(), 5);
    // Starts below the bottom edge and climbs.
    EXPECT_EQ(S->ScrollPosY(), S->Model().InnerHeight());

    Splash->Show();
    const DWORD Start = GetTickCount();
    while (S->ScrollPosY() > S->Model().InnerHeight() - 120 && GetTickCount() - Start < 15000) PumpFor(20);
    EXPECT_LE(S->ScrollPosY(), S->Model().InnerHeight() - 120);
    Splash->Repaint();
    PumpFor(20);

    // Some credits are drawn over the picture, which shows around them.
    const TDIBBits& Bits = S->DIBCanvas()->Bits();
    int Differ = 0;
    const TDIBBits& Back = S->DIBCanvas()->BackgroundBits();
    for (int Y = 0; Y < Bits.Height(); ++Y)
        for (int X = 0; X < Bits.Width(); ++X)
            if (Bits.Pixel(X, Y) != Back.Pixel(X, Y)) ++Differ;
    EXPECT_GT(Differ, 50);
    EXPECT_LT(Differ, Bits.Width() * Bits.Height() / 2);

    const std::string File = TestProgramFolder() + "AboutBox.png";
    DeleteFileA(File.c_str());
    CaptureWindowToFile(Splash->Handle(), File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
    Splash->Free();
}

TEST(SplashForm, ClickOnThePictureClosesTheModalBox) {
    TSplash* Splash = new TSplash(nullptr);
    Splash->Image1->Click();
    EXPECT_EQ(Splash->ModalResult(), mrOk);
    Splash->Free();
}

TEST(AboutBox, VersionHeadsTheCreditsAndTheMusicFailsQuietly) {
    const std::string OldTitle = TitleString;
    TitleString = "Quorlen PRO v1.0a (Merivel 12:00:00)";
    std::string FirstLine;
    int Shown = 0;
    auto Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkModalForm) return std::nullopt;
        ++Shown;
        auto* Splash = dynamic_cast<TSplash*>(R.Form);
        if (Splash) FirstLine = Splash->MediaScroller->Lines()->Strings(0);
        return mrOk;
    });
    auto Owner = std::make_unique<TForm>(nullptr);
    // The shipped tune (whatever the machine can do with it) and a missing one.
    ShowAboutBox(Owner.get(), std::string(QRN_SOURCE_DIR) + "/data/back.mid");
    ShowAboutBox(Owner.get(), AboutMusicPath("Z:\\no\\such\\folder\\"));
    SetModalDialogHook(Old);
    TitleString = OldTitle;
    EXPECT_EQ(Shown, 2);
    EXPECT_EQ(FirstLine, "Quorlen PRO v1.0a (Merivel 12:00:00)");
    EXPECT_EQ(Owner->ComponentCount(), 0);  // each splash was freed
}

}  // namespace
