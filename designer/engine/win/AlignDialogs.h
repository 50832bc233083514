#pragma once
// The modal dialogs of the designer's align and size commands. They return
// the align and size codes (AlignLayout.h) the commands apply to the
// selected controls.
#include "designer/engine/AlignLayout.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

class TAlignmentForm : public TForm {
    QRN_CLASS(TAlignmentForm, TForm)
public:
    explicit TAlignmentForm(TComponent* AOwner);
    TRadioGroup* HorizontalAlignment = nullptr;
    TRadioGroup* VerticalAlignment = nullptr;
    TButton* OkBut = nullptr;
    TButton* CancelBut = nullptr;
    TButton* HelpBut = nullptr;
    void FormShow(TObject* Sender);
    // The codes of the two groups' choices.
    int HorizontalCode() const;
    int VerticalCode() const;
};

class TSizeForm : public TForm {
    QRN_CLASS(TSizeForm, TForm)
public:
    explicit TSizeForm(TComponent* AOwner);
    TRadioGroup* HorizontalSize = nullptr;
    TRadioGroup* VerticalSize = nullptr;
    TEdit* SizeWidth = nullptr;
    TEdit* SizeHeight = nullptr;
    TButton* OkBut = nullptr;
    TButton* CancelBut = nullptr;
    TButton* HelpBut = nullptr;
    void SizeWidthEnter(TObject* Sender);
    void SizeHeightEnter(TObject* Sender);
    // The codes of the two directions; a typed size that is not a
    // non-negative integer raises the conversion error.
    int WidthCode();
    int HeightCode();
};

// True on OK; the codes are the groups' choices either way.
bool RunAlignmentDialog(int& Horizontal, int& Vertical);
// True on OK with the codes of both directions; Cancel leaves both at
// szNoChange. A bad typed size raises EConvertError and changes nothing.
bool RunSizeDialog(int& Width, int& Height);
