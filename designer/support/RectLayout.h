#pragma once
// Placing a box inside a frame, as the designer's dialogs draw captions.
#include "framework/classes/UiTypes.h"

// Box's size inside Bounds, across by HAlign and down by VAlign: 1 starts
// at the near edge and ends no later than EndMargin before the far edge,
// 2 centres, 3 ends at the far edge and starts no earlier than StartMargin
// after the near edge; any other value takes Bounds' whole extent. The
// result is clipped to Bounds.
TRect AlignRectInRect(const TRect& Box, const TRect& Bounds, int HAlign, int VAlign, int EndMargin, int StartMargin);
