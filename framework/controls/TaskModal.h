#pragma once
// The other windows of the thread are disabled while a modal dialog runs
// (a modal form, a message box, a common dialog), as the owner alone is
// by the system: input then reaches only the dialog, so nothing its caller
// holds (a property editor, a selection) can be freed by a click elsewhere
// before the dialog returns.
#include <vector>

#include "framework/rtl/win/WinApi.h"

class TTaskWindowsDisabled {
public:
    // Except stays enabled (the modal form itself).
    explicit TTaskWindowsDisabled(HWND Except = nullptr);
    ~TTaskWindowsDisabled();
    TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
    TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

private:
    std::vector<HWND> FDisabled;
    HWND FExcept;
    static BOOL CALLBACK DisableOne(HWND Wnd, LPARAM Data);
};
