#include "designer/inspector/GlyphEditForm.h"

#include "designer/inspector/InspectorTexts.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/controls/Clipboard.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/uicore/Hotkeys.h"

TGlyphEditForm::TGlyphEditForm(TComponent* AOwner) : TForm(AOwner) {
    InitInspectorUnits();
    ReadFormResource("GLYPHEDITFORM");
    ApplyMainFormFont(this);
    OkBut->SetCaption(SOk);
    CancelBut->SetCaption(SCancel);
    HelpBut->SetCaption(SHelp);
    // The buttons carry their hints as captions: the library has no glyphs for them.
    const std::pair<TSpeedButton*, std::string> Hints[] = {{OpenButton, SOpenHint},
                                                           {SaveButton, StripHotkey(SSave)},
                                                           {CopyButton, SCopyHint},
                                                           {PasteButton, SPasteHint},
                                                           {ClearButton, StripHotkey(SClear)}};
    for (const auto& [Button, Hint] : Hints) {
        Button->SetHint(Hint);
        Button->SetCaption(Hint);
    }
    SetSpeedButtonsFlat({OpenButton, SaveButton, CopyButton, PasteButton, ClearButton}, true);
}

void TGlyphEditForm::OpenButtonClick(TObject*) {
    std::unique_ptr<TOpenPictureDialog, TObjectFree> Dialog(new TOpenPictureDialog(this));
    Dialog->SetOptions(Dialog->Options() + TOpenOptions{ofFileMustExist});
    if (Dialog->Execute()) Image->Picture()->LoadFromFile(Dialog->FileName());
}

void TGlyphEditForm::SaveButtonClick(TObject*) {
    std::unique_ptr<TSavePictureDialog, TObjectFree> Dialog(new TSavePictureDialog(this));
    Dialog->SetOptions(Dialog->Options() + TOpenOptions{ofOverwritePrompt});
    if (Dialog->Execute()) Image->Picture()->SaveToFile(Dialog->FileName());
}

void TGlyphEditForm::CopyButtonClick(TObject*) {
    // The clipboard takes bitmaps; asking an icon picture for its bitmap would replace the icon.
    if (auto* Bitmap = dynamic_cast<TBitmap*>(Image->Picture()->Graphic())) Clipboard()->SetBitmap(Bitmap);
}

void TGlyphEditForm::PasteButtonClick(TObject*) {
    TBitmap Pasted;
    if (Clipboard()->GetBitmap(&Pasted)) Image->Picture()->SetGraphic(&Pasted);
}

void TGlyphEditForm::ClearButtonClick(TObject*) { Image->Picture()->SetGraphic(nullptr); }

QRN_PUBLISHED(TGlyphEditForm) {
    B.Field("Panel1", &TGlyphEditForm::Panel1);
    B.Field("Image", &TGlyphEditForm::Image);
    B.Field("Panel2", &TGlyphEditForm::Panel2);
    B.Field("OkBut", &TGlyphEditForm::OkBut);
    B.Field("CancelBut", &TGlyphEditForm::CancelBut);
    B.Field("HelpBut", &TGlyphEditForm::HelpBut);
    B.Field("Panel3", &TGlyphEditForm::Panel3);
    B.Field("OpenButton", &TGlyphEditForm::OpenButton);
    B.Field("SaveButton", &TGlyphEditForm::SaveButton);
    B.Field("CopyButton", &TGlyphEditForm::CopyButton);
    B.Field("PasteButton", &TGlyphEditForm::PasteButton);
    B.Field("ClearButton", &TGlyphEditForm::ClearButton);
    B.Handler("OpenButtonClick", &TGlyphEditForm::OpenButtonClick);
    B.Handler("SaveButtonClick", &TGlyphEditForm::SaveButtonClick);
    B.Handler("CopyButtonClick", &TGlyphEditForm::CopyButtonClick);
    B.Handler("PasteButtonClick", &TGlyphEditForm::PasteButtonClick);
    B.Handler("ClearButtonClick", &TGlyphEditForm::ClearButtonClick);
}

// ---- the property editors

std::string TGlyphEdit::GetValue() { return GetObjValue() ? "(TBitmap)" : "(None)"; }

void TGlyphEdit::Edit() {
    FForm.reset(new TGlyphEditForm(nullptr));
    auto* Component = dynamic_cast<TComponent*>(GetComponent(0));
    FForm->SetCaption(Component ? Component->Name() + "." + GetName() : GetName());
    LoadImage();
    const bool Accepted = FForm->ShowModal() == 1;
    if (Accepted) {
        StoreImage();
        Modified();
    }
    FForm.reset();
}

void TPictureGlyphEdit::LoadImage() { ImagePicture()->Assign(dynamic_cast<TPicture*>(GetObjValue())); }

void TPictureGlyphEdit::StoreImage() {
    if (auto* Edited = dynamic_cast<TPicture*>(GetObjValue())) Edited->Assign(ImagePicture());
}

void TBitmapEdit::LoadImage() {
    if (auto* Edited = dynamic_cast<TBitmap*>(GetObjValue())) ImagePicture()->Assign(Edited);
}

void TBitmapEdit::StoreImage() {
    // A cleared picture gives an empty bitmap.
    if (auto* Edited = dynamic_cast<TBitmap*>(GetObjValue())) Edited->Assign(ImagePicture()->Bitmap());
}

void TIconEdit::LoadImage() {
    if (auto* Edited = dynamic_cast<TIcon*>(GetObjValue())) ImagePicture()->Icon()->Assign(Edited);
}

void TIconEdit::StoreImage() {
    if (auto* Edited = dynamic_cast<TIcon*>(GetObjValue())) Edited->Assign(ImagePicture()->Icon());
}
