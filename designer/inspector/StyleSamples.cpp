#include "designer/inspector/StyleSamples.h"

void DrawBrushSample(TCanvas* Canvas, const TRect& Sample, TBrushStyle Style) {
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetStyle(psSolid);
    if (Style == bsClear) {
        Canvas->Brush()->SetColor(clInfoBk);
        Canvas->Brush()->SetStyle(bsSolid);
    } else {
        Canvas->Brush()->SetColor(clBlack);
        Canvas->Brush()->SetStyle(Style);
    }
    SetBkColor(Canvas->Handle(), ColorToRGB(clWindow));
    Canvas->Rectangle(Sample);
    Canvas->Brush()->SetStyle(bsSolid);
}

void DrawPenSample(TCanvas* Canvas, const TRect& Sample, TPenStyle Style) {
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(Style);
    const int Y = (Sample.Top + Sample.Bottom) / 2;
    Canvas->MoveTo(Sample.Left, Y);
    Canvas->LineTo(Sample.Right, Y);
    Canvas->Pen()->SetStyle(psSolid);
}
