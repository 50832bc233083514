#pragma once
// The top-level windows of the calling thread, as the system lists them.
#include <vector>

#include "framework/rtl/win/WinApi.h"

std::vector<HWND> ThreadWindows();
