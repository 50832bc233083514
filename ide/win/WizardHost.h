#pragma once
// The host side of the wizard plug-ins in the "wizzards" folder beside the
// program. A library is loaded only for the length of one call; what it
// returns is copied before it is unloaded. No exception crosses a call.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/rtl/CallConv.h"
#include "ide/WizardHostEntry.h"

class TComponent;
class TStrings;
class TStringList;

// The plug-in exports. The buffers are the host's, WizzardBufferSize bytes.
using TWizzardNameProc = const char*(QRN_CALL*)(char* Buffer);
using TWizzardVersionProc = uint16_t(QRN_CALL*)();
using TExecuteWizzardProc = const char*(QRN_CALL*)(char* Buffer);
constexpr size_t WizzardBufferSize = 1024;

// The wizard's name; empty when the library does not load or lacks the
// export.
std::string GetWizzardName(const std::string& LibraryPath);
// Its version; 0 when the library or the export is missing.
uint16_t GetWizzardVersion(const std::string& LibraryPath);
// Runs the wizard: the new project file's path, empty when the user
// cancelled or the library or the export is missing (a failure inside the
// call is reported through the application's exception handler).
std::string RunWizzard(const std::string& LibraryPath);

// Folder (ending in a backslash) + each file: the libraries with a
// non-empty name, in the given order.
std::vector<TWizzardEntry> CollectWizzards(const std::string& Folder, const TStrings& FileNames);

// The program's "wizzards" folder, ending in a backslash.
std::string WizzardFolder();

// File names (no folder) of the plug-ins in WizzardFolder, in directory
// order.
std::unique_ptr<TStringList> ListWizzards();

// The New Project command on the libraries of Folder: the picker lists
// them; on OK with an entry chosen, CloseProject runs (its answer does not
// stop the command), the chosen library's wizard runs, and a path it
// returns goes to OpenProject.
void NewProjectFromWizzard(TComponent* Owner, const std::string& Folder, const TStrings& FileNames,
                           const std::function<void()>& CloseProject,
                           const std::function<void(const std::string&)>& OpenProject);
