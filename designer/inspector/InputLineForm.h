#pragma once
// A one-line input bound to one of the form's own published properties, so
// the class library's property editor checks what is typed (the Scale
// command asks for a percentage through it).
#include <string>

#include "designer/inspector/PropEdit.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

class TInputLineForm : public TForm {
    QRN_CLASS(TInputLineForm, TForm)
public:
    explicit TInputLineForm(TComponent* AOwner);

    TButton* OkBut = nullptr;
    TButton* CancelBut = nullptr;
    TButton* HelpBut = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* InputLabel = nullptr;
    TZelPropEditor* PropEdit = nullptr;

    int IntProp = 0;
    std::string StrProp;
    // The help topic of the dialog.
    int HelpContext = 0;
};

// A dialog (owned by the application) with that caption, prompt and help
// topic.
TInputLineForm* CreateInputLine(const std::string& Caption, const std::string& Prompt, int HelpContext);
// Asks for a scaling percentage: 150 gives 1.5. False (and 1.0) when cancelled.
bool ShowScaleDialog(double& Factor);
