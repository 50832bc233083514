#include "designer/inspector/core/InspectorColors.h"

void TOIColors::Set(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TOIColors::Assign(TPersistent* Source) {
    auto* S = dynamic_cast<TOIColors*>(Source);
    if (!S) {
        TPersistent::Assign(Source);
        return;
    }
    FBackColor = S->FBackColor;
    FCol0Color = S->FCol0Color;
    FCol1Color = S->FCol1Color;
    FVertLineColor = S->FVertLineColor;
    FHorzLineColor = S->FHorzLineColor;
    FHighlightColor = S->FHighlightColor;
    FHighlightBkgnd = S->FHighlightBkgnd;
    if (OnChange) OnChange(this);
}

TStyleLook ApplyStyleColors(TOIColors& Colors, TInspectorStyle Style) {
    if (Style == isCustom) return {Colors.BackColor(), SolidLine};
    const bool VB = Style == isVB;
    const TColor Back = VB ? clWindow : clBtnFace;
    const TColor Lines = VB ? TColor{0xC0C0C0} : clBtnShadow;
    Colors.SetBackColor(Back);
    Colors.SetCol0Color(clBlack);
    Colors.SetCol1Color(VB ? clBlack : clNavy);
    Colors.SetVertLineColor(Lines);
    Colors.SetHorzLineColor(Lines);
    Colors.SetHighlightColor(clBlack);
    Colors.SetHighlightBkgnd(Back);
    return {Back, VB ? SolidLine : DottedLine};
}

QRN_PUBLISHED(TOIColors) {
    B.Prop("BackColor", &TOIColors::BackColor, &TOIColors::SetBackColor).Type(QRN_TYPE(TColor));
    B.Prop("Col0Color", &TOIColors::Col0Color, &TOIColors::SetCol0Color).Type(QRN_TYPE(TColor));
    B.Prop("Col1Color", &TOIColors::Col1Color, &TOIColors::SetCol1Color).Type(QRN_TYPE(TColor));
    B.Prop("VertLineColor", &TOIColors::VertLineColor, &TOIColors::SetVertLineColor).Type(QRN_TYPE(TColor));
    B.Prop("HorzLineColor", &TOIColors::HorzLineColor, &TOIColors::SetHorzLineColor).Type(QRN_TYPE(TColor));
    B.Prop("HighlightColor", &TOIColors::HighlightColor, &TOIColors::SetHighlightColor).Type(QRN_TYPE(TColor));
    B.Prop("HighlightBkgnd", &TOIColors::HighlightBkgnd, &TOIColors::SetHighlightBkgnd).Type(QRN_TYPE(TColor));
}
