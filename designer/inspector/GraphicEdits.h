#pragma once
// Painted value controls for the inner-edit place of the button edit: the
// value is text (WM_SETTEXT / WM_GETTEXT) and is shown as a sample, a colour
// swatch or a check box. The inspector paints rows that are not being
// edited with the same look through PaintValueMessage.
#include <string>

#include "framework/controls/Controls.h"
#include "framework/graphics/Bitmap.h"

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
    // A value text the control cannot draw (typed so far, or the empty cell
    // of values that differ) is drawn as text.
    void PaintAsText(TCanvas* Canvas, int X, int Y);
    std::string FValueText;

private:
    // Typing replaces the value text when all of it is selected (as after
    // the inspector shows a row), else extends it; the edit is then
    // modified, so that Enter commits the typed value.
    void TypeChar(char C);
    bool FModified = false;
    bool FAllSelected = false;
};

class TColorEdit : public TGraphicEdit {
    QRN_CLASS(TColorEdit, TGraphicEdit)
public:
    explicit TColorEdit(TComponent* AOwner);
    // A text that names no colour raises the conversion error and changes
    // nothing; the empty text (the cell of components whose colours differ)
    // is taken and shows no swatch.
    void SetValueText(const std::string& Text) override;
    // A text that names no colour (empty, or a value being typed) is drawn
    // as text.
    void PaintValue(TCanvas* Canvas, int X, int Y) override;
};

// A pen style as a line drawn with it.
class TPenStyleEdit : public TGraphicEdit {
    QRN_CLASS(TPenStyleEdit, TGraphicEdit)
public:
    explicit TPenStyleEdit(TComponent* AOwner);
    void PaintValue(TCanvas* Canvas, int X, int Y) override;
};

// A brush style as a pattern sample and its name.
class TBrushStyleEdit : public TGraphicEdit {
    QRN_CLASS(TBrushStyleEdit, TGraphicEdit)
public:
    explicit TBrushStyleEdit(TComponent* AOwner);
    void PaintValue(TCanvas* Canvas, int X, int Y) override;
};

// A graphic property shown stretched over the control; only inside a
// property-bound edit, whose property editor says what is edited.
class TGraphEdit : public TGraphicEdit {
    QRN_CLASS(TGraphEdit, TGraphicEdit)
public:
    using TGraphicEdit::TGraphicEdit;
    void WndProc(TMessage& Message) override;
    void PaintValue(TCanvas* Canvas, int X, int Y) override;
    virtual TGraphic* GetGraphic() = 0;

protected:
    // The object the owning edit's property holds (nullptr when none).
    TObject* EditedObject();
};

class TPictureEdit : public TGraphEdit {
    QRN_CLASS(TPictureEdit, TGraphEdit)
public:
    using TGraphEdit::TGraphEdit;
    TGraphic* GetGraphic() override;
};

class TImageEdit : public TGraphEdit {
    QRN_CLASS(TImageEdit, TGraphEdit)
public:
    using TGraphEdit::TGraphEdit;
    TGraphic* GetGraphic() override;
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
    // The box drawn flat rather than three-dimensional.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) {
        FFlat = Value;
        Invalidate();
    }

protected:
    void Paint() override { PaintCheck(Canvas()->Handle(), 0, 0); }
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void PaintCheck(HDC DC, int X, int Y);

private:
    bool FValue = false;
    bool FModified = false;
    bool FFlat = false;
};
