// TButton, TCheckBox and TRadioButton over the system BUTTON window. The
// check box and radio button use the manual button styles: the control
// owns the state and the window only shows it.
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/uicore/Hotkeys.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
    FTabStop = true;
    // Clicks come from the window's BN_CLICKED, not from the mouse
    // messages, or a click would be reported twice.
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
}

void TButtonControl::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "BUTTON");
    // Double clicks arrive as clicks. The class keeps its redraw styles: a
    // button made larger (scaled or sized in the designer) draws its whole
    // face again.
    Params.WindowClass.style &= ~static_cast<UINT>(CS_DBLCLKS);
}

// ---- TButton

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& Params) {
    TButtonControl::CreateParams(Params);
    Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
    if (Value == FDefault) return;
    FDefault = Value;
    UpdateDefaultStyle();
}

void TButton::UpdateDefaultStyle() {
    if (!FHandle) return;
    const bool Bold = AnswersEnter();
    SendMessageA(FHandle, BM_SETSTYLE, Bold ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

bool TButton::AnswersEnter() {
    TWinControl* Focus = FindControl(GetFocus());
    if (Focus && dynamic_cast<TButton*>(Focus)) return Focus == this;
    return FDefault;
}

void TButton::Click() {
    if (FModalResult != 0)
        if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CN_COMMAND:
            if (HIWORD(Message.WParam) == BN_CLICKED) Click();
            return;
        case CM_DIALOGKEY: {
            const bool Hit = (Message.WParam == VK_RETURN && AnswersEnter()) || (Message.WParam == VK_ESCAPE && FCancel);
            if (Hit && GetShiftState().Empty() && CanFocus()) {
                Click();
                Message.Result = 1;
                return;
            }
            break;
        }
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<unsigned>(Message.WParam), GetText()) && CanFocus()) {
                Click();
                Message.Result = 1;
                return;
            }
            break;
        case CM_FOCUSCHANGED:
            UpdateDefaultStyle();
            break;
    }
    TButtonControl::WndProc(Message);
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::CreateParams(TCreateParams& Params) {
    TButtonControl::CreateParams(Params);
    Params.Style |= BS_3STATE;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCheckBox::SetState(TCheckBoxState Value) {
    if (Value == FState) return;
    FState = Value;
    if (FHandle) SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(Value), 0);
    if (!ComponentState().Contains(csLoading)) Click();
}

void TCheckBox::SetAlignment(TAlignment Value) {
    if (Value == taCenter) Value = taRightJustify;  // the box sits left or right only
    if (Value == FAlignment) return;
    FAlignment = Value;
    RecreateWnd();
}

void TCheckBox::Toggle() {
    switch (FState) {
        case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
        case cbChecked: SetState(cbUnchecked); break;
        case cbGrayed: SetState(cbChecked); break;
    }
}

void TCheckBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CN_COMMAND:
            if (HIWORD(Message.WParam) == BN_CLICKED) Toggle();
            return;
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<unsigned>(Message.WParam), GetText()) && CanFocus()) {
                SetFocus();
                if (Focused()) Toggle();
                Message.Result = 1;
                return;
            }
            break;
    }
    TButtonControl::WndProc(Message);
}

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& Params) {
    TButtonControl::CreateParams(Params);
    Params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SendMessageA(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    // Only the checked button of a group is a tab stop.
    SetTabStop(Value);
    if (FHandle) SendMessageA(FHandle, BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!Value) return;
    if (FParent) {
        for (int I = 0; I < FParent->ControlCount(); ++I) {
            auto* R = dynamic_cast<TRadioButton*>(FParent->Controls(I));
            if (R && R != this) R->SetChecked(false);
        }
    }
    if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::SetAlignment(TAlignment Value) {
    if (Value == taCenter) Value = taRightJustify;
    if (Value == FAlignment) return;
    FAlignment = Value;
    RecreateWnd();
}

void TRadioButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CN_COMMAND:
            if (HIWORD(Message.WParam) == BN_CLICKED || HIWORD(Message.WParam) == BN_DOUBLECLICKED) SetChecked(true);
            return;
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<unsigned>(Message.WParam), GetText()) && CanFocus()) {
                SetFocus();
                if (Focused()) SetChecked(true);
                Message.Result = 1;
                return;
            }
            break;
    }
    TButtonControl::WndProc(Message);
}

QRN_PUBLISHED(TButtonControl) {}

QRN_PUBLISHED(TButton) {
    // See TLabel: buttons get their Ctl3D symbol from the generated code.
    B.Unpublish("Ctl3D");
    B.Unpublish("ParentCtl3D");
    B.Prop("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    B.Prop("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    B.Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Type(QRN_TYPE(TModalResult)).Default(0);
}

QRN_PUBLISHED(TCheckBox) {
    B.Prop("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify);
    B.Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
    B.Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Stored(false);
    B.Prop("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
}

QRN_PUBLISHED(TRadioButton) {
    B.Prop("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify);
    B.Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
}
