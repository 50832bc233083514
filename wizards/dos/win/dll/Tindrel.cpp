// The exports through which the IDE lists and runs this wizard. Strings
// cross as null-terminated ANSI text; no exception leaves an export.
#include <cstdint>
#include <string>

#include "framework/forms/Forms.h"
#include "framework/rtl/CallConv.h"
#include "wizards/dos/win/DosSteps.h"

namespace {

// The last path handed out: valid until the next call or the unload.
std::string& LastProjectPath() {
    static std::string Path;
    return Path;
}

}  // namespace

extern "C" const char* QRN_CALL WizzardName(char* /*Buffer: the host's, unused*/) { return DosWizardName; }

extern "C" uint16_t QRN_CALL WizzardVersion() { return 0x0100; }

extern "C" const char* QRN_CALL ExecuteWizzard(char* /*Buffer: the host's, unused*/) {
    std::string& Path = LastProjectPath();
    Path.clear();
    try {
        Path = RunDosWizard();
    } catch (...) {
        Path.clear();
        HandleCallbackException(Application);
    }
    return Path.c_str();
}
