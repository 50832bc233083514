#pragma once
// What controls ask of the application object, which lives a layer above
// them and sets these while it exists. Null in a module without one.
#include "framework/rtl/win/WinApi.h"

class TControl;

// The application's window, which takes the messages a control sends to the
// application (CM_APPKEYDOWN); null in a library, whose host owns the keys.
extern HWND (*ApplicationHandleProc)();
// A control goes away: the application forgets it (hint, mouse, focus).
extern void (*ApplicationControlDestroyedProc)(TControl* Control);
