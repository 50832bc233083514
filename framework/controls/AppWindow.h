#pragma once
// The application's window, which takes the messages a control sends to the
// application (CM_APPKEYDOWN). Set by the application object; null in a
// library, whose host owns the keys.
#include "framework/rtl/win/WinApi.h"

extern HWND (*ApplicationHandleProc)();
