#include "designer/inspector/InputLineForm.h"

#include <memory>

#include "designer/inspector/InspectorTexts.h"
#include "designer/inspector/InspectorUnits.h"
#include "designer/support/win/SharedRoutines.h"

TInputLineForm::TInputLineForm(TComponent* AOwner) : TForm(AOwner) {
    InitInspectorUnits();
    ReadFormResource("INPUTLINEFORM");
    ApplyMainFormFont(this);
    SetCaption(SGoToLineCaption);
    InputLabel->SetCaption(SEnterLineNumber);
    OkBut->SetCaption(SOk);
    CancelBut->SetCaption(SCancel);
    HelpBut->SetCaption(SHelp);
    PropEdit->SetComponent(this);
}

namespace {
// A count from 1 (a percentage, a line number): the integer editor refuses
// anything smaller with its range message, and the dialog stays open.
const TTypeInfo* CountFromOne() {
    static const TTypeInfo Info = [] {
        TTypeInfo T = *TTypeInfoOf<int>::Get();
        T.MinValue = 1;
        return T;
    }();
    return &Info;
}
}  // namespace

QRN_PUBLISHED(TInputLineForm) {
    B.Field("OkBut", &TInputLineForm::OkBut);
    B.Field("CancelBut", &TInputLineForm::CancelBut);
    B.Field("HelpBut", &TInputLineForm::HelpBut);
    B.Field("Panel1", &TInputLineForm::Panel1);
    B.Field("InputLabel", &TInputLineForm::InputLabel);
    B.Field("PropEdit", &TInputLineForm::PropEdit);
    B.Prop("IntProp", &TInputLineForm::IntProp).Type(CountFromOne());
    B.Prop("StrProp", &TInputLineForm::StrProp);
}

// The dialogs have no help to show: the help context goes nowhere.
TInputLineForm* CreateInputLine(const std::string& Caption, const std::string& Prompt, int HelpContext) {
    auto* Form = new TInputLineForm(Application);
    Form->SetCaption(Caption);
    Form->InputLabel->SetCaption(Prompt);
    Form->HelpContext = HelpContext;
    return Form;
}

bool ShowScaleDialog(double& Factor) {
    Factor = 1.0;
    std::unique_ptr<TInputLineForm, TObjectFree> Form(CreateInputLine(SScale, SScalingFactor, 0));
    Form->IntProp = 100;
    Form->PropEdit->SetPropName("IntProp");
    if (Form->ShowModal() != 1) return false;
    Factor = Form->IntProp * 0.01;
    return true;
}
