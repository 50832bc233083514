#pragma once
// The tools toolbar: one button per line of tools.dat, each showing the
// shell's icon of its program and starting the program through the shell.
// The toolbar itself lives on the main window; the loader drives it
// through TToolsToolbarHost, so it works with whatever toolbar class the
// window uses.
#include <functional>
#include <string>

#include "framework/rtl/win/WinApi.h"
#include "product/ToolsFile.h"

// What the loader asks of the main window.
struct TToolsToolbarHost {
    std::function<void()> FreeToolbar;      // frees the tools toolbar, if any
    std::function<void()> ClearImages;      // empties ToolImgs
    std::function<void()> CreateToolbar;    // a new toolbar owned by the main form, without close button
    std::function<int(HICON Icon)> AddImage;  // adds to ToolImgs (copies the icon); returns the index
    // A button: Path = the whole line, hint = the program, the image, and
    // a click that runs the line.
    std::function<void(const TToolEntry& Tool, int ImageIndex)> AddButton;
    std::function<void()> DockToolbar;      // to TopDock, MainToolbar moved to position 0
};

// Builds the toolbar from FileName: nothing changes when the file is
// missing; otherwise the old toolbar goes and, unless the file has no
// lines, a new one with a button per line comes. True when it changed.
bool LoadToolsToolbar(const std::string& FileName, const TToolsToolbarHost& Host);

// The shell's icon for a program file (nullptr when it has none); the
// caller destroys it.
HICON ProgramIcon(const std::string& Program);

// The shell call that starts a tool (replaceable in tests).
using TShellOpen = std::function<void(HWND Owner, const std::string& Verb, const std::string& File,
                                      const std::string& Parameters, const std::string& Directory, int Show)>;
TShellOpen SetToolShellOpen(TShellOpen Open);

// A tool button's click: the line cut at its first "|", the program opened
// by the shell with the verb "OPEN", the rest as parameters, no working
// folder, shown normally (5). Failures are the shell's to report.
void RunToolLine(HWND Owner, const std::string& Line);
