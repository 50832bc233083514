// The designer library's one export. Nothing may leave it as an exception:
// the caller is another program. The library starts on the call and is
// ended, its options saved, before the call returns.
#include "designer/host/win/DesignerHost.h"
#include "designer/support/win/DesignLibrary.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/CallConv.h"

extern "C" bool QRN_CALL Execute(const char* ProjectFile) {
    try {
        TDesignLibrarySession Session;
        ExecuteDesigner(ProjectFile ? ProjectFile : "");
    } catch (...) {
        try {
            Application->HandleException(nullptr);
        } catch (...) {
        }
    }
    return true;
}
