#pragma once
// Painting text into a rectangle without painting any pixel twice.
#include <string>

#include "framework/classes/UiTypes.h"

class TCanvas;

// Fills, with the canvas brush, the four bands of Outer outside Inner.
void FillRectBorder(TCanvas* Canvas, const TRect& Outer, const TRect& Inner);
// Draws Text placed in Rect by DT_CENTER, DT_VCENTER and DT_BOTTOM among
// Flags, and fills the rest of Rect; empty text only fills.
void DrawTextInRect(TCanvas* Canvas, const TRect& Rect, const std::string& Text, unsigned Flags);
