#pragma once
// Draws the shaft of a window's themed scroll bar (the tracks and the
// thumb) as the system draws it, leaving the arrows alone.
#include <windows.h>

// Under Wine a themed bar's arrows take 4-6 ms each to draw (their images
// go through transparent blits), the shaft well under a millisecond: a bar
// whose thumb only moved is drawn here rather than by the system, which
// draws both arrows again. Before and After are the bar as it was and as it
// is (GetScrollBarInfo); false when only the system can draw the change:
// no theme, the bar moved or its arrows changed, a part pressed or off, or
// the pointer over the bar (the system shows hover states there).
bool DrawScrollBarShaft(HWND Wnd, int Bar, const SCROLLBARINFO& Before, const SCROLLBARINFO& After);
