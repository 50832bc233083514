#pragma once
// The drop-down lists of the button edit: a plain list of the property's
// values, and the colour, brush-style and pen-style lists that fill
// themselves and draw a sample beside each name.
#include <memory>
#include <string>

#include "designer/inspector/ZelListBox.h"

class TPopupListBox : public TZelListBox {
    QRN_CLASS(TPopupListBox, TZelListBox)
public:
    explicit TPopupListBox(TComponent* AOwner);
    // Empty here: the value lists fill themselves.
    virtual void FillItems() {}
    // Tells the owning edit to close the list (and take its value).
    virtual void ClosePopup(bool Accept);
    void WndProc(TMessage& Message) override;
    bool DisplayNames() const { return FDisplayNames; }
    void SetDisplayNames(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateHandle() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    // The client width the value lists want for their samples and names.
    virtual int SampleWidth() { return 0; }
    // The text the owning edit shows for the selected item.
    virtual std::string SelectedText();
    void FitHeight();

    bool FDisplayNames = false;
};

// A value list: names of a fixed set drawn with a sample beside them.
class TPopupValueBox : public TPopupListBox {
    QRN_CLASS(TPopupValueBox, TPopupListBox)
public:
    explicit TPopupValueBox(TComponent* AOwner);
    void WndProc(TMessage& Message) override;
    void Click() override;

protected:
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    virtual void DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) = 0;
    // Characters of the item text that the drawn name leaves out.
    virtual size_t PrefixLength() const { return 2; }
    virtual std::string WidestName() const = 0;
    int SampleWidth() override;
};

class TPopupColorBox : public TPopupValueBox {
    QRN_CLASS(TPopupColorBox, TPopupValueBox)
public:
    using TPopupValueBox::TPopupValueBox;
    void FillItems() override;
    TColor Value() const { return FValue; }

protected:
    void DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) override;
    std::string WidestName() const override { return "clInactiveCaptionText"; }
    std::string SelectedText() override;

private:
    TColor FValue = clBlack;
};

class TPopupBrushBox : public TPopupValueBox {
    QRN_CLASS(TPopupBrushBox, TPopupValueBox)
public:
    using TPopupValueBox::TPopupValueBox;
    void FillItems() override;

protected:
    void DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) override;
    std::string WidestName() const override { return "Horizontal"; }
};

class TPopupPenBox : public TPopupValueBox {
    QRN_CLASS(TPopupPenBox, TPopupValueBox)
public:
    using TPopupValueBox::TPopupValueBox;
    void FillItems() override;

protected:
    void DrawSample(TCanvas* Canvas, const TRect& Sample, int Index) override;
    std::string WidestName() const override { return "InsideFrame"; }
};
