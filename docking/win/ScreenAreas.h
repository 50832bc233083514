#pragma once
// The work area a rectangle or point belongs to: the nearest monitor's
// when the system has several (the monitor functions looked up by name),
// else the desktop's work area, else the screen.
#include "framework/classes/UiTypes.h"

TRect WorkAreaOfRect(const TRect& R);
TRect WorkAreaOfPoint(TPoint P);
bool HasSeveralMonitors();
