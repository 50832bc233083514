#include "wizards/dos/win/MediaEdit.h"

#include "framework/rtl/StrUtils.h"
#include "framework/rtl/win/WinApi.h"
#include "wizards/dos/NumberEditRules.h"

TMediaNumberEdit::TMediaNumberEdit(TComponent* AOwner) : TCustomEdit(AOwner) { SetText("0"); }

int TMediaNumberEdit::Value() { return NumberFromText(Text(), FMinValue); }

void TMediaNumberEdit::SetValue(int Value) { SetText(IntToStr(ClampNumber(Value, FMinValue, FMaxValue))); }

void TMediaNumberEdit::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TMediaNumberEdit::CreateParams(TCreateParams& Params) {
    TCustomEdit::CreateParams(Params);
    // Multi-line so that the alignment styles take effect on every system.
    static constexpr DWORD AlignStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN | AlignStyles[FAlignment];
}

void TMediaNumberEdit::KeyPress(char& Key) {
    if (!NumberEditAcceptsChar(Key, Enabled())) {
        Key = '\0';
        MessageBeep(0);
        return;
    }
    TCustomEdit::KeyPress(Key);
}

void TMediaNumberEdit::DoExit() {
    SetValue(Value());
    TCustomEdit::DoExit();
}

void TMediaNumberEdit::WndProc(TMessage& Message) {
    // Pasted text is not checked; it is taken only where typing would be.
    if ((Message.Msg == WM_CUT || Message.Msg == WM_PASTE) && (!Enabled() || ReadOnly())) {
        Message.Result = 0;
        return;
    }
    TCustomEdit::WndProc(Message);
}

QRN_PUBLISHED(TMediaNumberEdit) {
    B.Prop("MinValue", &TMediaNumberEdit::MinValue, &TMediaNumberEdit::SetMinValue).Default(0);
    B.Prop("MaxValue", &TMediaNumberEdit::MaxValue, &TMediaNumberEdit::SetMaxValue).Default(1000);
    B.Prop("Value", &TMediaNumberEdit::Value, &TMediaNumberEdit::SetValue).Stored([](TObject*) { return false; });
    B.Prop("Alignment", &TMediaNumberEdit::Alignment, &TMediaNumberEdit::SetAlignment).Default(taLeftJustify);
}
