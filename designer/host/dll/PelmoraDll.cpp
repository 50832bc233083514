// The designer library's one export. Nothing may leave it as an exception:
// the caller is another program.
#include "designer/host/win/DesignerUnavailable.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/CallConv.h"

extern "C" bool QRN_CALL Execute(const char* ProjectFile) {
    try {
        ExecuteDesigner(ProjectFile ? ProjectFile : "");
    } catch (...) {
        try {
            Application->HandleException(nullptr);
        } catch (...) {
        }
    }
    return true;
}
