// The options library's exports. Nothing may leave them as an exception:
// the caller is another program.
#include "controls/UtilProcs.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/CallConv.h"
#include "prefs/dll/PrefsDataDir.h"
#include "prefs/win/PrefsForm.h"

std::string& PrefsDataDirOverride() {
    static std::string Dir;
    return Dir;
}

extern "C" void QRN_CALL Execute() {
    try {
        RunPrefsDialog(PrefsDataDirOverride().empty() ? GetExeDir() : PrefsDataDirOverride());
    } catch (...) {
        try {
            Application->HandleException(nullptr);
        } catch (...) {
        }
    }
}
