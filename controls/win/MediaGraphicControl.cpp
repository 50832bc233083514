#include "controls/win/MediaGraphicControl.h"

TMediaGraphicControl::TMediaGraphicControl(TComponent* AOwner)
    : TGraphicControl(AOwner), FBevel(std::make_unique<TMediaBevel>()) {
    TControlStyle Style = ControlStyle();
    Style.Include(csOpaque);
    SetControlStyle(Style);
    FBevel->OnChange = TNotifyEvent(this, &TMediaGraphicControl::BevelChange);
}

TMediaGraphicControl::~TMediaGraphicControl() {
    FBevel->OnChange = TNotifyEvent();
    FBevel.reset();
}

TRect TMediaGraphicControl::InnerRect() {
    const TRect Client = ClientRect();
    return FBevel ? FBevel->InnerRect(Client) : Client;
}

TRect TMediaGraphicControl::PaintBevel() {
    const TMediaBevelPlan Plan = FBevel->Layout(ClientRect(), true);
    for (const TMediaBevelRing& Ring : Plan.Rings) {
        TRect R = Ring.Rect;
        Frame3D(Canvas(), R, Ring.TopColor, Ring.BottomColor, Ring.Width);
    }
    return Plan.Inner;
}

void TMediaGraphicControl::Paint() {
    const TRect Inner = PaintBevel();
    if (FPaintsInside) return;
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(Inner);
}

void TMediaGraphicControl::BevelChanged() { Invalidate(); }

void TMediaGraphicControl::BevelChange(TObject*) { BevelChanged(); }

QRN_PUBLISHED(TMediaGraphicControl) {}
