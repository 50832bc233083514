#include "controls/MediaObj.h"

QRN_PUBLISHED(TMediaObject) {}

void TMediaObject::BeginUpdate() {
    if (++FUpdateCount == 1) ChangedState(true);
}

void TMediaObject::EndUpdate() {
    if (FUpdateCount <= 0) return;
    if (--FUpdateCount == 0) ChangedState(false);
}

void TMediaObject::Changed() {
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TMediaObject::ChangedState(bool Entering) {
    if (!Entering) Changed();
}

// The published table needs the framework's panel-bevel and border-style
// types; the windowed unit adds it.
QRN_PUBLISHED(TMediaBevel) {}

void TMediaBevel::Assign(TPersistent* Source) {
    auto* Other = dynamic_cast<TMediaBevel*>(Source);
    if (!Other) {
        TMediaObject::Assign(Source);
        return;
    }
    BeginUpdate();
    try {
        SetBevelInner(Other->BevelInner());
        SetBevelOuter(Other->BevelOuter());
        SetBevelInnerWidth(Other->BevelInnerWidth());
        SetBevelOuterWidth(Other->BevelOuterWidth());
        SetSingleBorder(Other->SingleBorder());
        SetBorderWidth(Other->BorderWidth());
        SetBorderSpace(Other->BorderSpace());
        SetBorderColor(Other->BorderColor());
        SetBorderSpaceColor(Other->BorderSpaceColor());
        SetInnerLightColor(Other->InnerLightColor());
        SetOuterLightColor(Other->OuterLightColor());
        SetInnerShadowColor(Other->InnerShadowColor());
        SetOuterShadowColor(Other->OuterShadowColor());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
