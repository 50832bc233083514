#pragma once
// The picture editor behind TPicture, TBitmap and TIcon properties: the
// picture in an image, opened from or saved to a file, copied to or pasted
// from the clipboard, or cleared.
#include <memory>
#include <string>

#include "framework/design/PropEdits.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TGlyphEditForm : public TForm {
    QRN_CLASS(TGlyphEditForm, TForm)
public:
    explicit TGlyphEditForm(TComponent* AOwner);

    TPanel* Panel1 = nullptr;
    TImage* Image = nullptr;
    TPanel* Panel2 = nullptr;
    TButton* OkBut = nullptr;
    TButton* CancelBut = nullptr;
    TButton* HelpBut = nullptr;
    TPanel* Panel3 = nullptr;
    TSpeedButton* OpenButton = nullptr;
    TSpeedButton* SaveButton = nullptr;
    TSpeedButton* CopyButton = nullptr;
    TSpeedButton* PasteButton = nullptr;
    TSpeedButton* ClearButton = nullptr;

    void OpenButtonClick(TObject* Sender);
    void SaveButtonClick(TObject* Sender);
    void CopyButtonClick(TObject* Sender);
    void PasteButtonClick(TObject* Sender);
    void ClearButtonClick(TObject* Sender);
};

// Edits a picture-like property in the picture editor; the descendants say
// how the edited value goes into the editor's image and back.
class TGlyphEdit : public TPropertyEditor {
public:
    using TPropertyEditor::TPropertyEditor;
    TPropertyAttributes GetAttributes() override { return {paDialog}; }
    std::string GetValue() override;
    void Edit() override;
    virtual void LoadImage() = 0;
    virtual void StoreImage() = 0;
    // The editor's form while Edit runs (nullptr otherwise).
    TGlyphEditForm* Form() const { return FForm.get(); }

protected:
    TPicture* ImagePicture() const { return FForm->Image->Picture(); }

private:
    std::unique_ptr<TGlyphEditForm, TObjectFree> FForm;
};

// A TPicture property (the in-place painter of pictures is TPictureEdit).
class TPictureGlyphEdit : public TGlyphEdit {
public:
    using TGlyphEdit::TGlyphEdit;
    void LoadImage() override;
    void StoreImage() override;
};

class TBitmapEdit : public TGlyphEdit {
public:
    using TGlyphEdit::TGlyphEdit;
    void LoadImage() override;
    void StoreImage() override;
};

class TIconEdit : public TGlyphEdit {
public:
    using TGlyphEdit::TGlyphEdit;
    std::string GetValue() override { return "(TIcon)"; }
    void LoadImage() override;
    void StoreImage() override;
};
