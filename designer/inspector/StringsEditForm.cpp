#include "designer/inspector/StringsEditForm.h"

#include <memory>

#include "designer/inspector/InspectorTexts.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/inspector/PropEdit.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/uicore/Hotkeys.h"

TStringsEditForm::TStringsEditForm(TComponent* AOwner) : TForm(AOwner) {
    InitInspectorUnits();
    ReadFormResource("STRINGSEDITFORM");
    ApplyMainFormFont(this);
    SetCaption(SStringListEditor);
    CodeButton->SetCaption(SCodeEdit);
    ButtonOk->SetCaption(SOk);
    CancelBut->SetCaption(SCancel);
    HelpBut->SetCaption(SHelp);
    OpenButton->SetHint(SOpenHint);
    SaveButton->SetHint(StripHotkey(SSave));
    SetSpeedButtonsFlat({OpenButton, SaveButton}, true);
}

void TStringsEditForm::UpdateCaption() {
    SetCaption(SEditing + DisplayName + " (" + std::to_string(Memo1->Lines()->Count()) + SLines);
}

void TStringsEditForm::FormShow(TObject*) {
    UpdateCaption();
    SendMessageA(Memo1->Handle(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
}

void TStringsEditForm::Memo1Change(TObject*) { UpdateCaption(); }

void TStringsEditForm::ButtonLoadClick(TObject*) {
    if (OpenDialog1->Execute()) Memo1->Lines()->LoadFromFile(OpenDialog1->FileName());
}

void TStringsEditForm::ButtonSaveClick(TObject*) {
    if (SaveDialog1->Execute()) Memo1->Lines()->SaveToFile(SaveDialog1->FileName());
}

void TStringsEditForm::CodeButtonClick(TObject*) {
    CodeEdit = true;
    SetModalResult(1);
}

void TStringsEditForm::FormKeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_ESCAPE) SetModalResult(2);
}

QRN_PUBLISHED(TStringsEditForm) {
    B.Field("Panel1", &TStringsEditForm::Panel1);
    B.Field("Panel2", &TStringsEditForm::Panel2);
    B.Field("Memo1", &TStringsEditForm::Memo1);
    B.Field("CodeButton", &TStringsEditForm::CodeButton);
    B.Field("OpenDialog1", &TStringsEditForm::OpenDialog1);
    B.Field("SaveDialog1", &TStringsEditForm::SaveDialog1);
    B.Field("Panel3", &TStringsEditForm::Panel3);
    B.Field("ButtonOk", &TStringsEditForm::ButtonOk);
    B.Field("CancelBut", &TStringsEditForm::CancelBut);
    B.Field("HelpBut", &TStringsEditForm::HelpBut);
    B.Field("Panel4", &TStringsEditForm::Panel4);
    B.Field("ZelPropEditor1", &TStringsEditForm::ZelPropEditor1);
    B.Field("ZelPropEditor2", &TStringsEditForm::ZelPropEditor2);
    B.Field("OpenButton", &TStringsEditForm::OpenButton);
    B.Field("SaveButton", &TStringsEditForm::SaveButton);
    B.Handler("FormShow", &TStringsEditForm::FormShow);
    B.Handler("Memo1Change", &TStringsEditForm::Memo1Change);
    B.Handler("ButtonLoadClick", &TStringsEditForm::ButtonLoadClick);
    B.Handler("ButtonSaveClick", &TStringsEditForm::ButtonSaveClick);
    B.Handler("CodeButtonClick", &TStringsEditForm::CodeButtonClick);
    B.Handler("FormKeyDown", &TStringsEditForm::FormKeyDown);
}

void TStringListEdit::Edit() {
    std::unique_ptr<TStringsEditForm, TObjectFree> Form(new TStringsEditForm(Application));
    auto* Component = dynamic_cast<TComponent*>(GetComponent(0));
    Form->DisplayName = Component ? Component->Name() + "." + GetName() : GetName();
    Form->Memo1->Lines()->Assign(dynamic_cast<TPersistent*>(GetObjValue()));
    Form->UpdateCaption();
    if (Component) {
        Form->EditedComponent = Component;
        Form->PropName = GetName();
        Form->CodeButton->SetEnabled(false);
    }
    if (Form->ShowModal() != 1) return;
    for (int I = 0; I < PropCount(); ++I)
        if (auto* Lines = dynamic_cast<TStrings*>(GetObjValue(I))) Lines->Assign(Form->Memo1->Lines());
    if (Form->Memo1->Modified()) Modified();
    if (Form->CodeEdit)
        BroadcastToListeners(nullptr, StringListEditorMessage, reinterpret_cast<intptr_t>(Form->EditedComponent),
                             reinterpret_cast<intptr_t>(Form->PropName.c_str()));
}
