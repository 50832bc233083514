#pragma once
// Calls into the two libraries Halvane binds through its import table: the
// form designer (Pelmora.dll) and the options library (prefs.dll). The
// program registers the two entry points at start-up (imports/); the IDE's
// own code never names the imports, so its tests run without the libraries.
// No exception crosses a call: a failure goes to the application's
// exception handler.
#include <functional>
#include <string>

#include "framework/rtl/CallConv.h"
#include "product/ProjectKind.h"

using TPelmoraExecuteProc = bool(QRN_CALL*)(const char* ProjectFile);
using TPrefsExecuteProc = void(QRN_CALL*)();

struct TPluginEntryPoints {
    TPelmoraExecuteProc PelmoraExecute = nullptr;
    TPrefsExecuteProc PrefsExecute = nullptr;
};

void SetPluginEntryPoints(const TPluginEntryPoints& Points);
const TPluginEntryPoints& PluginEntryPoints();

// Form Designer: for an open project of kind "Win32 Exe" only, the
// designer runs on ProjectFile and returns when its window has closed;
// then FocusEditor gives the keyboard focus back to the active code
// window. Returns whether the designer was called.
bool CallFormDesigner(bool ProjectOpen, ProjectKind Kind, const std::string& ProjectFile,
                      const std::function<void()>& FocusEditor);

// Options: the library's dialog, then the tools toolbar is loaded again
// and, with at least one code window open, the shared code templates.
void CallOptionsLibrary(const std::function<void()>& ReloadTools, int CodeWindowCount,
                        const std::function<void()>& ReloadTemplates);
