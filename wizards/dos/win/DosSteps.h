#pragma once
// The DOS application wizard's form: three steps (target CPU; program
// type, memory model and stack; project name and folder). Finish writes
// the project file and the assembler skeleton.
#include <string>

#include "framework/forms/Forms.h"

class TxdkSteps;
class TxdkStepTab;
class TRadioGroup;
class TEdit;
class TImage;
class TMediaNumberEdit;
class TBitCheckBox;
class TTransparentButton;
class TBrowseFolder;

// The wizard's name as the host lists it.
extern const char* const DosWizardName;

class TMainForm : public TForm {
    QRN_CLASS(TMainForm, TForm)
public:
    explicit TMainForm(TComponent* AOwner);

    // Set by a successful Finish.
    const std::string& ProjectFolder() const { return FProjectFolder; }
    const std::string& ProjectFilePath() const { return FProjectFilePath; }

    TxdkSteps* xdkSteps1 = nullptr;
    TxdkStepTab* Step1 = nullptr;
    TxdkStepTab* Step2 = nullptr;
    TxdkStepTab* Step3 = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TRadioGroup* cpu = nullptr;
    TRadioGroup* Exetype = nullptr;
    TRadioGroup* Model = nullptr;
    TMediaNumberEdit* Stack = nullptr;
    TEdit* pname = nullptr;
    TEdit* ppath = nullptr;
    TBitCheckBox* cf = nullptr;
    TEdit* fname = nullptr;
    TTransparentButton* BrowseButton = nullptr;
    TBrowseFolder* Browser = nullptr;

    void FormCreate(TObject* Sender);
    void BrowseButtonClick(TObject* Sender);
    void ExetypeClick(TObject* Sender);
    void xdkSteps1About(TObject* Sender);
    void xdkSteps1Cancel(TObject* Sender);
    void xdkSteps1Finish(TObject* Sender);

private:
    void Complain(const std::string& Text);
    std::string FProjectFolder;
    std::string FProjectFilePath;
};

// Runs the wizard modally; the new project file's path, or "" when the
// user cancelled.
std::string RunDosWizard();
