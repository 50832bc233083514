// The Messages and Full Output panes' mouse rules and the progress form,
// without running tools.
#include <gtest/gtest.h>

#include "ide/IdeTexts.h"
#include "tests/ide/win/BuildGuiFixture.h"

namespace {

using BuildGuiPanes = TBuildGuiTest;

LPARAM Centre(TListBox* List, int Index) {
    const TRect R = List->ItemRect(Index);
    return MAKELPARAM((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
}

}  // namespace

TEST_F(BuildGuiPanes, AddingSelectsTheNewLine) {
    Ctl->Panes().AddMessage("one");
    Ctl->Panes().AddMessage("two");
    Ctl->Panes().AddOutput("out");
    EXPECT_EQ(Items(Messages), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Messages->ItemIndex(), 1);
    EXPECT_EQ(Output->ItemIndex(), 0);
}

TEST_F(BuildGuiPanes, RightButtonReleaseClearsMessagesOnly) {
    Ctl->Panes().AddMessage("one");
    Ctl->Panes().AddOutput("out");
    SendMessageA(Messages->Handle(), WM_LBUTTONUP, 0, Centre(Messages, 0));
    EXPECT_EQ(Messages->Items()->Count(), 1);
    SendMessageA(Messages->Handle(), WM_RBUTTONUP, 0, Centre(Messages, 0));
    EXPECT_EQ(Messages->Items()->Count(), 0);
    EXPECT_EQ(Output->Items()->Count(), 1);
    EXPECT_EQ(Ide.Focuses, 0);
}

TEST_F(BuildGuiPanes, FullOutputClearsOnRightReleaseAndHandsTheFocusBackOtherwise) {
    Ctl->Panes().AddOutput("first");
    Ctl->Panes().AddOutput("second");
    SendMessageA(Output->Handle(), WM_MBUTTONUP, 0, Centre(Output, 0));
    EXPECT_EQ(Ide.Focuses, 1);
    SendMessageA(Output->Handle(), WM_RBUTTONUP, 0, Centre(Output, 0));
    EXPECT_EQ(Output->Items()->Count(), 0);
    EXPECT_EQ(Ide.Focuses, 1);
}

TEST_F(BuildGuiPanes, AClickShowsTheClickedLineAsTheHintAndAPressClearsIt) {
    const std::string Long(300, 'x');
    Ctl->Panes().AddOutput("short");
    Ctl->Panes().AddOutput(Long);
    Output->SetHint("Full output. Right-Click to clear the contents.");
    HWND W = Output->Handle();
    SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Output, 0));
    SendMessageA(W, WM_LBUTTONUP, 0, Centre(Output, 0));
    EXPECT_EQ(Output->Hint(), "short");
    EXPECT_EQ(Ide.Focuses, 1);
    SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Output, 1));
    SendMessageA(W, WM_LBUTTONUP, 0, Centre(Output, 1));
    EXPECT_EQ(Output->Hint(), Long);
    // A press on the line already selected leaves no hint behind.
    SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, Centre(Output, 1));
    EXPECT_EQ(Output->Hint(), "");
    SendMessageA(W, WM_LBUTTONUP, 0, Centre(Output, 1));
}

TEST_F(BuildGuiPanes, ProgressFormLooksAsDesigned) {
    Ctl->View()->ShowProgress("   Project : Demo");
    TProgressFrm* P = Progress();
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->Owner(), Form);
    EXPECT_EQ(P->Caption(), IdeTexts::ProgressCaption);
    EXPECT_EQ(P->ClientWidth(), 312);
    EXPECT_EQ(P->ClientHeight(), 174);
    EXPECT_EQ(P->FormStyle(), fsStayOnTop);
    EXPECT_EQ(P->BorderStyle(), bsSingle);
    EXPECT_TRUE(P->BorderIcons().Empty());
    EXPECT_EQ(P->Position(), poScreenCenter);
    EXPECT_TRUE(P->Showing());
    EXPECT_NE(GetWindowLongPtrA(P->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(P->Project->Caption(), "   Project : Demo");
    EXPECT_EQ(P->CompilingSt->Caption(), "   Compiling :");
    EXPECT_EQ(P->LinkingSt->Caption(), "   Linking :");
    EXPECT_EQ(P->Lines->Caption(), "");
    for (TPanel* Panel : {P->Project, P->CompilingSt, P->LinkingSt, P->Lines}) {
        EXPECT_EQ(Panel->Width(), 267);
        EXPECT_EQ(Panel->Height(), 19);
        EXPECT_EQ(Panel->BevelOuter(), bvLowered);
        EXPECT_EQ(Panel->Alignment(), taLeftJustify);
        EXPECT_EQ(Panel->Parent(), P->Panel1);
    }
    EXPECT_EQ(P->Button->Caption(), "Cancel");
    EXPECT_TRUE(P->Button->Default());
    EXPECT_FALSE(P->Button->Enabled());
}

TEST_F(BuildGuiPanes, ClosingTheProgressFormEnablesTheMainWindowAndTheViewForgetsIt) {
    Ctl->View()->ShowProgress("   Project : Demo");
    Ctl->View()->SetMainWindowEnabled(false);
    EXPECT_FALSE(MainEnabled());
    Ctl->View()->SetProgressButton("Done", true);
    Progress()->Button->Click();
    Pump();
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_TRUE(MainEnabled());
    // Later reports of a build whose form the user closed go nowhere.
    Ctl->View()->SetProgressText(TProgressPanel::Linking, "   Linking : Done");
    Ctl->View()->SetProgressButton("Ok", true);
    Ctl->View()->FocusProgress();
    Ctl->View()->Refresh();
    Ctl->View()->AddMessage("still listed");
    EXPECT_EQ(Last(Messages), "still listed");
}

TEST_F(BuildGuiPanes, ANewBuildReplacesAProgressFormLeftOpen) {
    Ctl->View()->ShowProgress("   Project : One");
    int Forms = 0;
    Ctl->View()->ShowProgress("   Project : Two");
    for (int I = 0; I < Form->ComponentCount(); ++I)
        if (dynamic_cast<TProgressFrm*>(Form->Components(I))) ++Forms;
    EXPECT_EQ(Forms, 1);
    EXPECT_NE(Progress(), nullptr);
    EXPECT_EQ(Progress()->Project->Caption(), "   Project : Two");
}

TEST_F(BuildGuiPanes, TheEndOfABuildLeavesTheProgressFormClosable) {
    Ctl->View()->ShowProgress("   Project : Demo");
    Ctl->View()->SetMainWindowEnabled(false);
    Ctl->View()->SetMainWindowEnabled(true);
    EXPECT_TRUE(MainEnabled());
    EXPECT_TRUE(Progress()->Button->Enabled());
}
