#pragma once
// TMediaGraphicControl: a windowless control framed by a TMediaBevel. It
// paints the bevel and fills what is left inside with its Color, unless a
// subclass paints the inside itself.
#include <memory>

#include "controls/MediaObj.h"
#include "framework/controls/Controls.h"

class TMediaGraphicControl : public TGraphicControl {
    QRN_CLASS(TMediaGraphicControl, TGraphicControl)
public:
    explicit TMediaGraphicControl(TComponent* AOwner);
    ~TMediaGraphicControl() override;

    TMediaBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(TMediaBevel* Value) { FBevel->Assign(Value); }
    // Pixels the bevel takes on each side (0 without bevel).
    int BevelWidth() const { return FBevel ? FBevel->TotalWidth() : 0; }
    // The client rectangle less the bevel.
    TRect InnerRect();

protected:
    void Paint() override;
    // Draws the bevel around the client rectangle; returns the inner rectangle.
    TRect PaintBevel();
    // The bevel changed: repaint.
    virtual void BevelChanged();
    // Set by a subclass that paints the inside itself.
    bool FPaintsInside = false;

private:
    void BevelChange(TObject* Sender);
    std::unique_ptr<TMediaBevel> FBevel;
};
