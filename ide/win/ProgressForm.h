#pragma once
// The progress form of a build or force compile: four status lines and a
// button that closes it once the tools are done.
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

class TProgressFrm : public TForm {
    QRN_CLASS(TProgressFrm, TForm)
public:
    explicit TProgressFrm(TComponent* AOwner);

    TPanel* Panel1 = nullptr;
    TPanel* Project = nullptr;
    TPanel* CompilingSt = nullptr;
    TPanel* LinkingSt = nullptr;
    TPanel* Lines = nullptr;
    TButton* Button = nullptr;

    void ButtonClick(TObject* Sender);
    // Frees the form and enables its owner, the main window, again.
    void FormClose(TObject* Sender, TCloseAction& Action);
};
