#pragma once
// TPrefsForm: the modal "Options" dialog of the options library. One page
// for the tool settings, one for the tools toolbar list, one for the code
// templates; OK and Cancel close it with mrOk and mrCancel.
#include "framework/comctrls/ComCtrls.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"
#include "prefs/win/PrefsStore.h"

class TPrefsForm : public TForm {
    QRN_CLASS(TPrefsForm, TForm)
public:
    explicit TPrefsForm(TComponent* AOwner);

    void SetValues(const TPrefsValues& Values);
    TPrefsValues Values();

    TPageControl* Pages = nullptr;
    TEdit* TasmPathEdit = nullptr;
    TEdit* TLinkPathEdit = nullptr;
    TEdit* TdPathEdit = nullptr;
    TEdit* IncludesEdit = nullptr;
    TEdit* ObjectsEdit = nullptr;
    TEdit* LibraryEdit = nullptr;
    TButton* IncludesBrowse = nullptr;
    TButton* ObjectsBrowse = nullptr;
    TButton* LibraryBrowse = nullptr;
    TEdit* TasmParamsEdit = nullptr;
    TEdit* TLinkParamsEdit = nullptr;
    TCheckBox* CleanFilesCheck = nullptr;
    TMemo* ToolsMemo = nullptr;
    TMemo* TemplatesMemo = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;

    void IncludesBrowseClick(TObject* Sender);
    void ObjectsBrowseClick(TObject* Sender);
    void LibraryBrowseClick(TObject* Sender);

private:
    void BrowseInto(TEdit* Edit, const std::string& Title);
};

// Shows the dialog on the settings and data files of DataDir and saves
// what it holds when the user confirms; returns whether it was confirmed.
bool RunPrefsDialog(const std::string& DataDir);
