#pragma once
// The rectangle the designer draws on the screen while something is
// dragged: XOR mix, so drawing the same frame twice erases it.
#include "framework/classes/UiTypes.h"

// ScreenRect in screen coordinates, clipped to ClipRect (screen too). A
// sizing frame is a white pen 2 pixels wide, else a dotted black pen. An
// empty rectangle draws nothing.
void DrawDragFrame(const TRect& ScreenRect, const TRect& ClipRect, bool Sizing);
