#pragma once
// The pattern samples the brush- and pen-style lists and edits draw.
#include "framework/graphics/Graphics.h"

// A black-framed rectangle filled with Style in black; the clear style
// shows as a solid info-tip colour so it is not mistaken for the background.
void DrawBrushSample(TCanvas* Canvas, const TRect& Sample, TBrushStyle Style);
// A black horizontal line of Style across the middle of Sample.
void DrawPenSample(TCanvas* Canvas, const TRect& Sample, TPenStyle Style);
