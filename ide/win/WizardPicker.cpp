#include "ide/win/WizardPicker.h"

#include "controls/win/TransBtn.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

QRN_PUBLISHED(TWizzardContainer) {
    B.Field("GroupBox1", &TWizzardContainer::GroupBox1);
    B.Field("WizzardList", &TWizzardContainer::WizzardList);
    B.Field("OkBtn", &TWizzardContainer::OkBtn);
    B.Field("CancelBtn", &TWizzardContainer::CancelBtn);
    B.Handler("OkBtnClick", &TWizzardContainer::OkBtnClick);
    B.Handler("CancelBtnClick", &TWizzardContainer::CancelBtnClick);
    B.Handler("WizzardListDblClick", &TWizzardContainer::WizzardListDblClick);
    B.Handler("WizzardListKeyDown", &TWizzardContainer::WizzardListKeyDown);
}

TWizzardContainer::TWizzardContainer(TComponent* AOwner) : TForm(AOwner) {
    RegisterClasses({TGroupBox::StaticClass(), TListBox::StaticClass(), TTransparentButton::StaticClass()});
    ReadFormResource("WIZARDPICKER");
}

void TWizzardContainer::OkBtnClick(TObject*) { SetModalResult(1); }
void TWizzardContainer::CancelBtnClick(TObject*) { SetModalResult(2); }
void TWizzardContainer::WizzardListDblClick(TObject*) { SetModalResult(1); }

void TWizzardContainer::WizzardListKeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_RETURN) SetModalResult(1);
    if (Key == VK_ESCAPE) SetModalResult(2);
}

int PickWizzard(TComponent* Owner, const std::vector<TWizzardEntry>& Entries) {
    std::unique_ptr<TWizzardContainer, TObjectFree> Picker(new TWizzardContainer(Owner));
    TStrings* Items = Picker->WizzardList->Items();
    Items->Clear();
    for (const TWizzardEntry& Entry : Entries) Items->Add(WizzardEntryText(Entry));
    if (!Entries.empty()) Picker->WizzardList->SetItemIndex(0);
    if (Picker->ShowModal() != 1) return -1;
    // OK on an empty list, or with nothing selected, chooses nothing.
    const int Index = Picker->WizzardList->ItemIndex();
    return Index >= 0 && Index < static_cast<int>(Entries.size()) ? Index : -1;
}
