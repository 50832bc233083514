#pragma once
// Saves what a window shows to a PNG or BMP file (by the file's
// extension), so tests and people can look at real screens. The whole
// window with its frame when WholeWindow, else the client area.
#include <string>

#include "framework/rtl/win/WinApi.h"

void CaptureWindowToFile(HWND Wnd, const std::string& FileName, bool WholeWindow = true);
