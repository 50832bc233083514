// The step panel on a form read from a text form.
#include <gtest/gtest.h>

#include "tests/wizards/dos/win/WizardTestHelpers.h"
#include "wizards/dos/win/StepPages.h"

#include <commctrl.h>

namespace {

class TStepsForm : public TForm {
    QRN_CLASS(TStepsForm, TForm)
public:
    explicit TStepsForm(TComponent* AOwner) : TForm(AOwner) {
        RegisterClasses({TxdkSteps::StaticClass(), TxdkStepTab::StaticClass()});
        ReadFormResource("STEPSFORM");
    }
    TxdkSteps* Steps = nullptr;
    TxdkStepTab* PageA = nullptr;
    TxdkStepTab* PageB = nullptr;
    TxdkStepTab* PageC = nullptr;
    std::string Log;
    void StepsAbout(TObject*) { Log += "about;"; }
    void StepsFinish(TObject*) { Log += "finish;"; }
    void StepsCancel(TObject*) { Log += "cancel;"; }
    void PageBack(TObject* Sender) { Log += "back " + static_cast<TComponent*>(Sender)->Name() + ";"; }
    void PageNext(TObject* Sender) { Log += "next " + static_cast<TComponent*>(Sender)->Name() + ";"; }
};

}  // namespace

QRN_PUBLISHED(TStepsForm) {
    B.Field("Steps", &TStepsForm::Steps);
    B.Field("PageA", &TStepsForm::PageA);
    B.Field("PageB", &TStepsForm::PageB);
    B.Field("PageC", &TStepsForm::PageC);
    B.Handler("StepsAbout", &TStepsForm::StepsAbout);
    B.Handler("StepsFinish", &TStepsForm::StepsFinish);
    B.Handler("StepsCancel", &TStepsForm::StepsCancel);
    B.Handler("PageBack", &TStepsForm::PageBack);
    B.Handler("PageNext", &TStepsForm::PageNext);
}

namespace {

class StepPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        F = new TStepsForm(nullptr);
        F->Show();
        Pump();
    }
    void TearDown() override {
        if (F) F->Free();
        Pump();
    }
    // Clicks a step button the way the mouse would, through its window.
    void Press(TButton* Button) {
        SendMessageA(Button->Handle(), BM_CLICK, 0, 0);
        Pump();
    }
    bool NextIsBold() { return F->Steps->NextButton()->Font()->Style().Contains(fsBold); }
    TStepsForm* F = nullptr;
};

TEST_F(StepPanelTest, PagesLandOnThePageControlWithoutTabs) {
    TPageControl* Pages = F->Steps->PageControl();
    ASSERT_EQ(Pages->PageCount(), 3);
    EXPECT_EQ(Pages->Pages(0), F->PageA);
    EXPECT_EQ(Pages->Pages(2), F->PageC);
    EXPECT_EQ(Pages->ActivePage(), F->PageA);
    EXPECT_EQ(SendMessageA(Pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_TRUE(F->PageA->Showing());
    EXPECT_FALSE(F->PageB->Showing());
}

TEST_F(StepPanelTest, NextAndBackWalkTheStepsInTheCaption) {
    TxdkSteps* S = F->Steps;
    EXPECT_EQ(F->Caption(), "Steps : Step 1 of 3");
    EXPECT_FALSE(S->BackButton()->Visible());
    EXPECT_EQ(S->NextButton()->Caption(), "Next >");
    EXPECT_TRUE(S->NextButton()->Default());
    EXPECT_FALSE(NextIsBold());

    Press(S->NextButton());
    EXPECT_EQ(F->Caption(), "Steps : Step 2 of 3");
    EXPECT_TRUE(S->BackButton()->Visible());
    EXPECT_EQ(S->PageControl()->ActivePage(), F->PageB);
    EXPECT_EQ(S->NextButton()->Caption(), "Next >");

    Press(S->NextButton());
    EXPECT_EQ(F->Caption(), "Steps : Step 3 of 3");
    EXPECT_EQ(S->NextButton()->Caption(), "Finish");
    EXPECT_TRUE(NextIsBold());
    EXPECT_EQ(F->Log, "next PageA;next PageB;");

    // Next on the last page finishes and stays.
    Press(S->NextButton());
    EXPECT_EQ(F->Log, "next PageA;next PageB;finish;");
    EXPECT_EQ(S->PageControl()->ActivePage(), F->PageC);

    F->Log.clear();
    Press(S->BackButton());
    EXPECT_EQ(F->Caption(), "Steps : Step 2 of 3");
    EXPECT_EQ(S->NextButton()->Caption(), "Next >");
    EXPECT_FALSE(NextIsBold());
    Press(S->BackButton());
    EXPECT_EQ(F->Caption(), "Steps : Step 1 of 3");
    EXPECT_FALSE(S->BackButton()->Visible());
    EXPECT_EQ(F->Log, "back PageC;back PageB;");
    // Back on the first page does nothing.
    S->Back();
    EXPECT_EQ(F->Log, "back PageC;back PageB;");
}

TEST_F(StepPanelTest, AboutAndCancelReachTheirEvents) {
    Press(F->Steps->AboutButton());
    Press(F->Steps->CancelButton());
    EXPECT_EQ(F->Log, "about;cancel;");
}

TEST_F(StepPanelTest, ButtonsStandBelowThePages) {
    TxdkSteps* S = F->Steps;
    const int W = S->Width(), H = S->Height();
    EXPECT_EQ(W, 420);
    EXPECT_EQ(S->PageControl()->Height(), H - 33);
    EXPECT_EQ(S->AboutButton()->Left(), 4);
    EXPECT_EQ(S->BackButton()->Left(), W - 239);
    EXPECT_EQ(S->NextButton()->Left(), W - 164);
    EXPECT_EQ(S->CancelButton()->Left(), W - 79);
    for (TButton* B : {S->AboutButton(), S->BackButton(), S->NextButton(), S->CancelButton()})
        EXPECT_EQ(B->Top(), H - 29);
    // A smaller form is made large enough for the panel.
    F->SetClientSize(200, 100);
    Pump();
    EXPECT_GE(S->Width(), 360);
    EXPECT_GE(S->Height(), 160);
    EXPECT_GE(F->ClientWidth(), 360);
    EXPECT_EQ(S->CancelButton()->Left(), S->Width() - 79);
}

TEST_F(StepPanelTest, FreeingThePanelGivesTheFormItsCaptionBack) {
    F->Steps->Next();
    EXPECT_EQ(F->Caption(), "Steps : Step 2 of 3");
    F->Steps->Free();
    F->Steps = nullptr;
    EXPECT_EQ(F->Caption(), "Steps");
}

TEST(StepPanelAlone, NextOnTheOnlyPageFinishes) {
    TForm* Form = new TForm(nullptr);
    Form->SetCaption("One");
    auto* Steps = new TxdkSteps(Form);
    Steps->SetParent(Form);
    auto* Page = new TxdkStepTab(Form);
    Page->SetPageControl(Steps->PageControl());
    int Finished = 0;
    Steps->OnFinish = [&](TObject*) { ++Finished; };
    Steps->Next();
    EXPECT_EQ(Finished, 1);
    Form->Free();
}

}  // namespace
