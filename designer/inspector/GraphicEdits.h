#pragma once
// Painted value controls for the inner-edit place of the button edit: the
// value is text (WM_SETTEXT / WM_GETTEXT) and is shown as a sample, a colour
// swatch or a check box. The inspector paints rows that are not being
// edited with the same look through PaintValueMessage.
#include <string>

#include "framework/controls/Controls.h"

// WParam: a device context; LParam: X in the low word, Y in the high word.
inline constexpr UINT PaintValueMessage = 0xB0C8;

class TGraphicEdit : public TCustomControl {
    QRN_CLASS(TGraphicEdit, TCustomControl)
public:
    explicit TGraphicEdit(TComponent* AOwner);
    void WndProc(TMessage& Message) override;
    virtual void PaintValue(TCanvas* Canvas, int X, int Y) = 0;
    virtual void SetValueText(const std::string& Text) { FValueText = Text; }
    virtual std::string GetValueText() { return FValueText; }

protected:
    void Paint() override { PaintValue(Canvas(), 0, 0); }
    // The owning edit shows a focus rectangle only when focused and not flat.
    bool ShowsFocus();
    std::string FValueText;
};

class TColorEdit : public TGraphicEdit {
    QRN_CLASS(TColorEdit, TGraphicEdit)
public:
    explicit TColorEdit(TComponent* AOwner);
    // A text that names no colour raises the conversion error and changes nothing.
    void SetValueText(const std::string& Text) override;
    void PaintValue(TCanvas* Canvas, int X, int Y) override;
};

// A Boolean as a check box: "True" or "False".
class TCheckEdit : public TCustomControl {
    QRN_CLASS(TCheckEdit, TCustomControl)
public:
    explicit TCheckEdit(TComponent* AOwner);
    void WndProc(TMessage& Message) override;
    bool Value() const { return FValue; }
    void Toggle();
    void Click() override;

protected:
    void Paint() override { PaintCheck(Canvas()->Handle(), 0, 0); }
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void PaintCheck(HDC DC, int X, int Y);

private:
    bool FValue = false;
    bool FModified = false;
};
