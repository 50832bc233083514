#pragma once
// Keeps the program's stay-on-top windows above a window shown after them.
// The system's window order already has them above; under Wine the window
// system's stacking does not follow it (a window shown later is mapped on
// top of the X stack, and only the window at the top of the order is
// restacked), so the tool windows of the designer went under a window made
// again. Placing each as topmost again, lowest first, restacks them in the
// order the system keeps; where the stacking follows it, nothing changes.
#include "framework/rtl/win/WinApi.h"

void RaiseStayOnTopWindows(HWND Shown);
