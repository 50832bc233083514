#pragma once
// Files dropped on the main window: from the shell (only the first file
// counts) and hot files dragged out of their list. A project file (exact
// ".qrn" extension) opens as a project; anything else as a loose file; a
// hot project is refused.
#include <functional>
#include <string>
#include <vector>

#include "framework/rtl/win/WinApi.h"

class TObject;

struct TDropOpeners {
    std::function<void(const std::string& FileName)> OpenProject;
    std::function<void(const std::string& FileName)> OpenFile;
};

// The names of a shell drop (the form's OnDropFiles, which reads them
// whole and releases the drop): opens the first. False when there was none.
bool OpenShellDrop(const std::vector<std::string>& Files, const TDropOpeners& Open);

// The path of what is dragged from a list view (in practice the hot
// files): the selected item's sub-item; empty for any other source or
// without a selection.
std::string DraggedListPath(TObject* Source);

// A hot file dropped on the window: a loose file opens; a project gives
// the error box "Hot Projects are not alloweded in this version.Sorry :(".
void OpenHotFileDrop(const std::string& Path, const TDropOpeners& Open, HWND Owner);
