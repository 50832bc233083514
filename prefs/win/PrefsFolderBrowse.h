#pragma once
// The shell's folder browser for the options dialog's folder fields.
#include <string>

#include "framework/rtl/win/WinApi.h"

// Shows the browser, starting at Folder when it names one. True when the
// user chose a file-system folder; Folder then holds it. Goes through the
// modal dialog hook first (kind dkCommonDialog, class "TFolderBrowser",
// Value pointing at Folder).
bool BrowseForFolder(HWND Owner, const std::string& Title, std::string& Folder);
