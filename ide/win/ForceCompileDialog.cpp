#include "ide/win/ForceCompileDialog.h"

#include <memory>

#include "framework/classes/ClassRegistry.h"

TCompilerOptions::TCompilerOptions(TComponent* AOwner) : TForm(AOwner) {
    RegisterClasses({TTransparentButton::StaticClass(), TBitCheckBox::StaticClass()});
    ReadFormResource("FORCECOMPILE");
}

void TCompilerOptions::OkBtnClick(TObject*) { SetModalResult(mrOk); }

void TCompilerOptions::CancelBtnClick(TObject*) { SetModalResult(mrCancel); }

void TCompilerOptions::FieldKeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_RETURN) {
        Key = 0;
        SetModalResult(mrOk);
    } else if (Key == VK_ESCAPE) {
        Key = 0;
        SetModalResult(mrCancel);
    }
}

QRN_PUBLISHED(TCompilerOptions) {
    B.Field("Label1", &TCompilerOptions::Label1);
    B.Field("Label2", &TCompilerOptions::Label2);
    B.Field("ftasm", &TCompilerOptions::ftasm);
    B.Field("flink", &TCompilerOptions::flink);
    B.Field("dontlink", &TCompilerOptions::dontlink);
    B.Field("OkBtn", &TCompilerOptions::OkBtn);
    B.Field("CancelBtn", &TCompilerOptions::CancelBtn);
    B.Handler("OkBtnClick", &TCompilerOptions::OkBtnClick);
    B.Handler("CancelBtnClick", &TCompilerOptions::CancelBtnClick);
    B.Handler("FieldKeyDown", &TCompilerOptions::FieldKeyDown);
}

bool AskForceCompileOptions(TComponent* Owner, TForceCompileMemory& Memory, TForceCompileOptions& Options) {
    std::unique_ptr<TCompilerOptions, TObjectFree> Dialog(new TCompilerOptions(Owner));
    Dialog->ftasm->SetText(Memory.AssemblerSwitches);
    Dialog->flink->SetText(Memory.LinkerSwitches);
    if (Dialog->ShowModal() != mrOk) return false;
    Memory.AssemblerSwitches = Dialog->ftasm->Text();
    Memory.LinkerSwitches = Dialog->flink->Text();
    Options.AssemblerSwitches = Memory.AssemblerSwitches;
    Options.LinkerSwitches = Memory.LinkerSwitches;
    Options.DontLink = Dialog->dontlink->Checked();
    return true;
}
