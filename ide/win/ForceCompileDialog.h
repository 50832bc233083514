#pragma once
// The Force Compile dialog: extra assembler and linker switches and
// whether to link at all.
#include "controls/win/BtChkBox.h"
#include "controls/win/TransBtn.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"
#include "ide/BuildPipeline.h"

class TCompilerOptions : public TForm {
    QRN_CLASS(TCompilerOptions, TForm)
public:
    explicit TCompilerOptions(TComponent* AOwner);

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* ftasm = nullptr;
    TEdit* flink = nullptr;
    TBitCheckBox* dontlink = nullptr;
    TTransparentButton* OkBtn = nullptr;
    TTransparentButton* CancelBtn = nullptr;

    void OkBtnClick(TObject* Sender);
    void CancelBtnClick(TObject* Sender);
    // Enter confirms and Escape cancels from each of the three fields.
    void FieldKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
};

// Shows the dialog (owned by Owner while it is open) with the switches
// confirmed last time. On OK the switches are remembered in Memory and the
// choices returned in Options; false when the dialog was not confirmed.
bool AskForceCompileOptions(TComponent* Owner, TForceCompileMemory& Memory, TForceCompileOptions& Options);
