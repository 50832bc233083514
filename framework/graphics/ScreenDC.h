#pragma once
// The screen's device context, taken once for the whole program. Fonts,
// bitmaps and text measuring ask for it hundreds of times while windows
// are made, and each GetDC of the screen is a round trip to the window
// system (a quarter of a millisecond under Wine). Whoever selects an
// object into it selects the old one back before returning.
#include "framework/rtl/win/WinApi.h"

HDC ScreenDC();
// Pixels per logical inch of the screen, vertically.
int ScreenPixelsPerInch();
