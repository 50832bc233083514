// The start-up sequence with the real main window: the splash shows while
// the main window is created and is gone afterwards; a program folder
// without keys.dat gets one error box, once the main window exists.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/controls/ModalHook.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "ide/win/MainForm.h"
#include "ide/win/Splash.h"
#include "ide/win/StartUp.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/Pump.h"

namespace {

TSplash* FindSplash() {
    for (int I = 0; I < Screen->FormCount(); ++I)
        if (auto* S = dynamic_cast<TSplash*>(Screen->Forms(I))) return S;
    return nullptr;
}

class StartUpTest : public ::testing::Test {
protected:
    struct TBox {
        TDialogKind Kind;
        std::string Text;
        int DlgType;
        unsigned Buttons;
        bool MainWindowExisted;
        bool SplashExisted;
    };

    void SetUp() override {
        FOldMain = Application->MainForm();
        FOldTitle = Application->Title();
        FOldHook = SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            Boxes.push_back({R.Kind, R.Text, R.DlgType, R.Buttons,
                             Main != nullptr && Application->MainForm() == Main, FindSplash() != nullptr});
            return mrOk;
        });
    }
    void TearDown() override {
        if (Main) Main->Free();
        Application->SetMainForm(FOldMain);
        Application->SetTitle(FOldTitle);
        Pump();
        SetModalDialogHook(FOldHook);
    }

    // Creates the main window the way the program does, noting what the
    // user saw at that moment.
    TCustomForm* CreateMain() {
        TSplash* Splash = FindSplash();
        SplashWindow = Splash && Splash->HandleAllocated() ? Splash->Handle() : nullptr;
        SplashVisibleDuringCreation = SplashWindow && IsWindowVisible(SplashWindow);
        TitleDuringCreation = Application->Title();
        Main = new TMainForm(Application);
        Application->SetMainForm(Main);
        return Main;
    }

    TTestFolder Program;
    TMainForm* Main = nullptr;
    std::vector<TBox> Boxes;
    HWND SplashWindow = nullptr;
    bool SplashVisibleDuringCreation = false;
    std::string TitleDuringCreation;

private:
    TCustomForm* FOldMain = nullptr;
    std::string FOldTitle;
    TModalDialogHook FOldHook;
};

}  // namespace

TEST_F(StartUpTest, MissingKeywordDataIsReportedOnceAfterTheMainWindowExists) {
    TCustomForm* Result = StartUp(Program.Path(), [this] { return CreateMain(); });
    ASSERT_NE(Main, nullptr);
    EXPECT_EQ(Result, Main);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Kind, dkMessageDlg);
    EXPECT_EQ(Boxes[0].Text,
              "The keyword data was not found ! You will not be able to use syntax highlighting.\r"
              "It is likely you have erased keys.dat or the file is corrupted !");
    EXPECT_EQ(Boxes[0].DlgType, mtError);
    EXPECT_EQ(Boxes[0].Buttons, TMsgDlgButtons{mbOK}.Mask());
    EXPECT_TRUE(Boxes[0].MainWindowExisted);
    EXPECT_FALSE(Boxes[0].SplashExisted);
    // Start-up goes on: the main window stays.
    EXPECT_EQ(Application->MainForm(), Main);
}

TEST_F(StartUpTest, SplashShowsWhileTheMainWindowIsCreatedAndGoesAfterwards) {
    Program.Write("keys.dat", "keywords\r\n");
    StartUp(Program.Path(), [this] { return CreateMain(); });
    EXPECT_TRUE(Boxes.empty());
    ASSERT_NE(SplashWindow, nullptr);
    EXPECT_TRUE(SplashVisibleDuringCreation);
    EXPECT_EQ(TitleDuringCreation, "Quorlen");
    EXPECT_FALSE(IsWindow(SplashWindow));
    EXPECT_EQ(FindSplash(), nullptr);
}

TEST_F(StartUpTest, SplashGoesWhenTheMainWindowCannotBeCreated) {
    EXPECT_THROW(StartUp(Program.Path(), []() -> TCustomForm* { throw std::runtime_error("no main window"); }),
                 std::runtime_error);
    EXPECT_EQ(FindSplash(), nullptr);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(StartUpTest, KeywordCheckTakesAFolderWithOrWithoutTrailingBackslash) {
    Program.Write("keys.dat", "");
    std::string Bare = Program.Path();
    Bare.pop_back();
    EXPECT_TRUE(CheckKeywordData(Bare));
    EXPECT_TRUE(CheckKeywordData(Program.Path()));
    EXPECT_FALSE(CheckKeywordData(Program / "elsewhere"));
    EXPECT_EQ(Boxes.size(), 1u);
}
