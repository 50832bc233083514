#pragma once
// TMediaNumberEdit: an edit for a whole number. It takes only digits,
// signs and control keys (beeping at anything else) and, when left,
// rewrites its text as its value limited to [MinValue, MaxValue].
#include "framework/stdctrls/StdCtrls.h"

class TMediaNumberEdit : public TCustomEdit {
    QRN_CLASS(TMediaNumberEdit, TCustomEdit)
public:
    explicit TMediaNumberEdit(TComponent* AOwner);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) { FMinValue = Value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { FMaxValue = Value; }
    // The text as a number (MinValue when it is none); writing stores the
    // limited value's text.
    int Value();
    void SetValue(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void KeyPress(char& Key) override;
    void DoExit() override;

private:
    int FMinValue = 0;
    int FMaxValue = 1000;
    TAlignment FAlignment = taLeftJustify;
};
