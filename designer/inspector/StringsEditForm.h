#pragma once
// The string-list editor behind every TStrings property: the lines in a
// memo whose font can be changed in place, loaded from or saved to a text
// file, with the line count in the caption.
#include <string>

#include "framework/design/PropEdits.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TZelPropEditor;

class TStringsEditForm : public TForm {
    QRN_CLASS(TStringsEditForm, TForm)
public:
    explicit TStringsEditForm(TComponent* AOwner);

    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* CodeButton = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TPanel* Panel3 = nullptr;
    TButton* ButtonOk = nullptr;
    TButton* CancelBut = nullptr;
    TButton* HelpBut = nullptr;
    TPanel* Panel4 = nullptr;
    TZelPropEditor* ZelPropEditor1 = nullptr;
    TZelPropEditor* ZelPropEditor2 = nullptr;
    TSpeedButton* OpenButton = nullptr;
    TSpeedButton* SaveButton = nullptr;

    TComponent* EditedComponent = nullptr;
    bool CodeEdit = false;
    std::string DisplayName;
    std::string PropName;

    // "Editing <name> (<n> lines)".
    void UpdateCaption();
    void FormShow(TObject* Sender);
    void Memo1Change(TObject* Sender);
    void ButtonLoadClick(TObject* Sender);
    void ButtonSaveClick(TObject* Sender);
    void CodeButtonClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
};

class TStringListEdit : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override { return {paDialog, paMultiSelect, paReadOnly}; }
    std::string GetValue() override { return "(" + GetPropType()->TypeName() + ")"; }
    void Edit() override;
};
