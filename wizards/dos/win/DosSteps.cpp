#include "wizards/dos/win/DosSteps.h"

#include <memory>

#include "controls/UtilProcs.h"
#include "controls/win/BtChkBox.h"
#include "controls/win/TransBtn.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/Exceptions.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "wizards/dos/ProjectGenerator.h"
#include "wizards/dos/win/BrowseFolder.h"
#include "wizards/dos/win/MediaEdit.h"
#include "wizards/dos/win/StepPages.h"
#include "wizards/dos/win/WizardPictures.h"
#include "wizards/dos/win/WizardTitle.h"

const char* const DosWizardName = "DOS Application Wizzard";

namespace {

const char* const FormCaption = "Dos Application Wizzard";

void RegisterWizardClasses() {
    RegisterComCtrls();
    RegisterExtControls();
    RegisterClasses({TxdkSteps::StaticClass(), TxdkStepTab::StaticClass(), TMediaNumberEdit::StaticClass(),
                     TBrowseFolder::StaticClass(), TTransparentButton::StaticClass(), TBitCheckBox::StaticClass()});
}

}  // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterWizardClasses();
    ReadFormResource("DOSSTEPS");
}

void TMainForm::FormCreate(TObject*) {
    Browser->SetDirectory(GetExeDir());
    ppath->SetText(GetExeDir());
    TImage* Images[] = {Image1, Image2, Image3};
    for (int I = 0; I < 3; ++I) PaintStepPicture(Images[I]->Picture()->Bitmap(), I + 1);
}

void TMainForm::BrowseButtonClick(TObject*) {
    if (Browser->RunDialog()) ppath->SetText(Browser->Directory());
}

void TMainForm::ExetypeClick(TObject*) { Stack->SetEnabled(Exetype->ItemIndex() == 0); }

void TMainForm::xdkSteps1About(TObject*) {
    ShowMessageBox(Handle(),
                   "DOS Project Wizzard\n\nCreates a DOS EXE or COM project with its assembler skeleton.\n"
                   "Part of Quorlen PRO, written by the Quorlen PRO team.",
                   "About", MB_OK | MB_ICONINFORMATION);
}

void TMainForm::xdkSteps1Cancel(TObject*) { SetModalResult(mrCancel); }

void TMainForm::Complain(const std::string& Text) { ShowMessageBox(Handle(), Text, FormCaption, MB_OK | MB_ICONSTOP); }

void TMainForm::xdkSteps1Finish(TObject*) {
    // As leaving the edit would: the stack size written is the one shown.
    Stack->SetValue(Stack->Value());
    TDosWizardChoices Choices;
    Choices.Cpu = cpu->ItemIndex();
    Choices.ComFile = Exetype->ItemIndex() == 1;
    Choices.Model = Model->ItemIndex();
    Choices.Stack = Stack->Text();
    Choices.ProjectName = pname->Text();
    Choices.ProjectPath = ppath->Text();
    Choices.CreateFolder = cf->Checked();
    TDosProject Project;
    try {
        Project = GenerateDosProject(Choices, WizardTitleString());
        WriteDosProject(Project);
    } catch (const Exception& E) {
        // Nothing written (or a file that could not be): the user may
        // mend the choice and press Finish again.
        Complain(E.what());
        return;
    }
    FProjectFolder = Project.ProjectFolder;
    FProjectFilePath = Project.ProjectFilePath;
    SetModalResult(mrOk);
}

QRN_PUBLISHED(TMainForm) {
    B.Field("xdkSteps1", &TMainForm::xdkSteps1);
    B.Field("Step1", &TMainForm::Step1);
    B.Field("Step2", &TMainForm::Step2);
    B.Field("Step3", &TMainForm::Step3);
    B.Field("Image1", &TMainForm::Image1);
    B.Field("Image2", &TMainForm::Image2);
    B.Field("Image3", &TMainForm::Image3);
    B.Field("cpu", &TMainForm::cpu);
    B.Field("Exetype", &TMainForm::Exetype);
    B.Field("Model", &TMainForm::Model);
    B.Field("Stack", &TMainForm::Stack);
    B.Field("pname", &TMainForm::pname);
    B.Field("ppath", &TMainForm::ppath);
    B.Field("cf", &TMainForm::cf);
    B.Field("fname", &TMainForm::fname);
    B.Field("BrowseButton", &TMainForm::BrowseButton);
    B.Field("Browser", &TMainForm::Browser);
    B.Handler("FormCreate", &TMainForm::FormCreate);
    B.Handler("BrowseButtonClick", &TMainForm::BrowseButtonClick);
    B.Handler("ExetypeClick", &TMainForm::ExetypeClick);
    B.Handler("xdkSteps1About", &TMainForm::xdkSteps1About);
    B.Handler("xdkSteps1Cancel", &TMainForm::xdkSteps1Cancel);
    B.Handler("xdkSteps1Finish", &TMainForm::xdkSteps1Finish);
}

std::string RunDosWizard() {
    struct TFormFree {
        void operator()(TMainForm* F) const { F->Free(); }
    };
    std::unique_ptr<TMainForm, TFormFree> Form(new TMainForm(nullptr));
    return Form->ShowModal() == mrOk ? Form->ProjectFilePath() : std::string();
}
