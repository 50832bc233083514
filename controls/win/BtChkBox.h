#pragma once
// TBitCheckBox: a windowed check box whose box is a bitmap, one for each
// of the checked, grayed and unchecked states.
#include <memory>

#include "controls/BitCheckLayout.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/StdCtrls.h"

// taRightJustify: box at the left edge, caption to its right;
// taLeftJustify: caption at the left, box at the right edge.
using TLeftRight = TAlignment;

class TBitCheckBox : public TCustomControl {
    QRN_CLASS(TBitCheckBox, TCustomControl)
public:
    explicit TBitCheckBox(TComponent* AOwner);
    ~TBitCheckBox() override;

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);

    // Assigning nullptr brings back the default image.
    TBitmap* CheckedGlyph() const { return FGlyphs[cbChecked].get(); }
    void SetCheckedGlyph(TBitmap* Value) { SetGlyph(cbChecked, Value); }
    TBitmap* GrayedGlyph() const { return FGlyphs[cbGrayed].get(); }
    void SetGrayedGlyph(TBitmap* Value) { SetGlyph(cbGrayed, Value); }
    TBitmap* UncheckedGlyph() const { return FGlyphs[cbUnchecked].get(); }
    void SetUncheckedGlyph(TBitmap* Value) { SetGlyph(cbUnchecked, Value); }
    int CheckedNumGlyphs() const { return FNumGlyphs[cbChecked]; }
    void SetCheckedNumGlyphs(int Value) { SetNumGlyphs(cbChecked, Value); }
    int GrayedNumGlyphs() const { return FNumGlyphs[cbGrayed]; }
    void SetGrayedNumGlyphs(int Value) { SetNumGlyphs(cbGrayed, Value); }
    int UncheckedNumGlyphs() const { return FNumGlyphs[cbUnchecked]; }
    void SetUncheckedNumGlyphs(int Value) { SetNumGlyphs(cbUnchecked, Value); }

    // Advances the state without firing OnClick.
    virtual void Toggle();
    void Click() override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyPress(char& Key) override;

private:
    void SetGlyph(TCheckBoxState Which, TBitmap* Value);
    void SetNumGlyphs(TCheckBoxState Which, int Value);
    void LoadDefaultGlyph(TCheckBoxState Which);

    TLeftRight FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
    std::unique_ptr<TBitmap> FGlyphs[3];
    int FNumGlyphs[3] = {1, 1, 1};
};
