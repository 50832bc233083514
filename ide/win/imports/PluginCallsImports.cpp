// Binds the designer's and the options library's Execute, imported under
// the aliases of their import libraries, to the IDE's plug-in calls. Linked
// into Halvane only: the program then does not start without both files.
#include "ide/win/PluginCalls.h"

extern "C" bool QRN_CALL PelmoraExecute(const char* ProjectFile);
extern "C" void QRN_CALL PrefsExecute();

namespace {

const bool Bound = [] {
    SetPluginEntryPoints({&PelmoraExecute, &PrefsExecute});
    return true;
}();

}  // namespace
