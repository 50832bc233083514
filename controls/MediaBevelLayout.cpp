#include "controls/MediaBevelLayout.h"

namespace {

int Positive(int W) { return W > 0 ? W : 0; }

void AddRing(TMediaBevelPlan& Plan, TRect& R, TColor Top, TColor Bottom, int Width) {
    if (Width <= 0) return;
    Plan.Rings.push_back({R, Top, Bottom, Width});
    R.Inflate(-Width, -Width);
}

void AddBevel(TMediaBevelPlan& Plan, TRect& R, TMediaRingKind Kind, TColor Light, TColor Shadow, int Width) {
    if (Kind == mrkLowered)
        AddRing(Plan, R, Shadow, Light, Width);
    else if (Kind == mrkRaised)
        AddRing(Plan, R, Light, Shadow, Width);
}

}  // namespace

int MediaBevelTotalWidth(const TMediaBevelValues& V) {
    int W = Positive(V.BorderWidth) + Positive(V.BorderSpace);
    if (V.BevelOuter != mrkNone) W += Positive(V.BevelOuterWidth);
    if (V.BevelInner != mrkNone) W += Positive(V.BevelInnerWidth);
    if (V.SingleBorder) W += 1;
    return W;
}

TRect MediaBevelInnerRect(const TMediaBevelValues& V, const TRect& Client) {
    TRect R = Client;
    const int W = MediaBevelTotalWidth(V);
    R.Inflate(-W, -W);
    return R;
}

TMediaBevelPlan MediaBevelLayout(const TMediaBevelValues& V, const TRect& Rect, bool DrawBorderRing) {
    TMediaBevelPlan Plan;
    TRect R = Rect;
    if (V.SingleBorder) AddRing(Plan, R, clWindowFrame, clWindowFrame, 1);
    AddBevel(Plan, R, V.BevelOuter, V.OuterLightColor, V.OuterShadowColor, V.BevelOuterWidth);
    if (DrawBorderRing)
        AddRing(Plan, R, V.BorderColor, V.BorderColor, V.BorderWidth);
    else if (V.BorderWidth > 0)
        R.Inflate(-V.BorderWidth, -V.BorderWidth);
    AddBevel(Plan, R, V.BevelInner, V.InnerLightColor, V.InnerShadowColor, V.BevelInnerWidth);
    AddRing(Plan, R, V.BorderSpaceColor, V.BorderSpaceColor, V.BorderSpace);
    Plan.Inner = R;
    return Plan;
}
