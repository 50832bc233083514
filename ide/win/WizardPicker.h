#pragma once
// TWizzardContainer: the New Project dialog that lists the wizard plug-ins.
// OK or a double click on the list closes it with 1, Cancel with 2; in the
// list Enter gives 1 and Escape 2.
#include <vector>

#include "framework/forms/Forms.h"
#include "ide/WizardHostEntry.h"

class TGroupBox;
class TListBox;
class TTransparentButton;

class TWizzardContainer : public TForm {
    QRN_CLASS(TWizzardContainer, TForm)
public:
    explicit TWizzardContainer(TComponent* AOwner);

    TGroupBox* GroupBox1 = nullptr;
    TListBox* WizzardList = nullptr;
    TTransparentButton* OkBtn = nullptr;
    TTransparentButton* CancelBtn = nullptr;

    void OkBtnClick(TObject* Sender);
    void CancelBtnClick(TObject* Sender);
    void WizzardListDblClick(TObject* Sender);
    void WizzardListKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
};

// Lists the entries (the first one selected) in a new dialog owned by
// Owner and shows it modally. The index of the chosen entry, or -1 when
// the dialog was cancelled or nothing was selected.
int PickWizzard(TComponent* Owner, const std::vector<TWizzardEntry>& Entries);
