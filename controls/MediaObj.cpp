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

// Every value is stored: the bevel has no defaults in its type information.
QRN_PUBLISHED(TMediaBevel) {
    using B_ = TMediaBevel;
    B.Prop("BevelInner", &B_::BevelInner, &B_::SetBevelInner).NoDefault();
    B.Prop("BevelOuter", &B_::BevelOuter, &B_::SetBevelOuter).NoDefault();
    B.Prop("BevelInnerWidth", &B_::BevelInnerWidth, &B_::SetBevelInnerWidth).NoDefault();
    B.Prop("BevelOuterWidth", &B_::BevelOuterWidth, &B_::SetBevelOuterWidth).NoDefault();
    B.Prop("BorderStyle", &B_::BorderStyle, &B_::SetBorderStyle).NoDefault();
    B.Prop("BorderWidth", &B_::BorderWidth, &B_::SetBorderWidth).NoDefault();
    B.Prop("BorderSpace", &B_::BorderSpace, &B_::SetBorderSpace).NoDefault();
    B.Prop("BorderColor", &B_::BorderColor, &B_::SetBorderColor).Type(QRN_TYPE(TColor)).NoDefault();
    B.Prop("BorderSpaceColor", &B_::BorderSpaceColor, &B_::SetBorderSpaceColor).Type(QRN_TYPE(TColor)).NoDefault();
    B.Prop("InnerLightColor", &B_::InnerLightColor, &B_::SetInnerLightColor).Type(QRN_TYPE(TColor)).NoDefault();
    B.Prop("OuterLightColor", &B_::OuterLightColor, &B_::SetOuterLightColor).Type(QRN_TYPE(TColor)).NoDefault();
    B.Prop("InnerShadowColor", &B_::InnerShadowColor, &B_::SetInnerShadowColor).Type(QRN_TYPE(TColor)).NoDefault();
    B.Prop("OuterShadowColor", &B_::OuterShadowColor, &B_::SetOuterShadowColor).Type(QRN_TYPE(TColor)).NoDefault();
}

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
