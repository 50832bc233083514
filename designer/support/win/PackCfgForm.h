#pragma once
// The "Packages/ActiveX" dialog: installed packages (only with a package
// loader) and the installed ActiveX controls the palette shows; it also
// registers ActiveX control files.
#include <memory>

#include "designer/support/win/AxControlCollection.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/CheckListBox.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

// A check list box with the "&Items Editor..." property verb on its Items.
class TZelCheckListBox : public TCheckListBox {
    QRN_CLASS(TZelCheckListBox, TCheckListBox)
public:
    explicit TZelCheckListBox(TComponent* AOwner) : TCheckListBox(AOwner) {}
};

class TPackCfgForm : public TForm {
    QRN_CLASS(TPackCfgForm, TForm)
public:
    explicit TPackCfgForm(TComponent* AOwner);
    void BeforeDestruction() override;

    TPanel* TopPanel = nullptr;
    TSpeedButton* AddButton = nullptr;
    TSpeedButton* DeleteButton = nullptr;
    TSpeedButton* compbutton = nullptr;
    TPageControl* Pages = nullptr;
    TTabSheet* PackagesSheet = nullptr;
    TTabSheet* ActiveXSheet = nullptr;
    TZelCheckListBox* PackageList = nullptr;
    TZelCheckListBox* ActiveXList = nullptr;
    TStatusBar* StatusBar = nullptr;
    TOpenDialog* OpenDialog = nullptr;

    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void AddButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);
    void PagesChange(TObject* Sender);
    void PackageListClick(TObject* Sender);
    void PackageListClickCheck(TObject* Sender);
    void ActiveXListClick(TObject* Sender);
    void ActiveXListClickCheck(TObject* Sender);

    void FillPackageList();
    void FillActiveXList();
    TAxControlCollection* Controls() const { return FControls.get(); }

private:
    void ShowStatus(const std::string& Text);
    std::unique_ptr<TAxControlCollection, TObjectFree> FControls;
};

// The single dialog, made on first use (owned by the application).
TPackCfgForm* PackagesDialog();
void ShowPackagesDialog();
// "View.PackagesActiveX" and "View.PackagesConfig".
void RegisterPackageVerbs();
// The check list box's property verb (through CallRegisterProc).
void RegisterCheckListBoxVerb();
