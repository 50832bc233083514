#pragma once
// The docking classes for form files: after RegisterDockingControls a form
// resource may place TQDock, TQToolbar, TQToolWindow, TQToolbarButton and
// TQToolbarSep.
#include "docking/win/QDock.h"
#include "docking/win/QToolWindow.h"
#include "docking/win/QToolbar.h"
#include "docking/win/QToolbarButton.h"

void RegisterDockingControls();
