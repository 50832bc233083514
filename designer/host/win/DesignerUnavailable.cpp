#include "designer/host/win/DesignerUnavailable.h"

#include "framework/controls/ModalHook.h"
#include "framework/rtl/win/WinApi.h"

const char* const DesignerUnavailableText = "The form designer is not part of this build.";
const char* const DesignerUnavailableCaption = "Form Designer";

bool ExecuteDesigner(const std::string&) {
    // Task-modal: the caller's windows wait for the answer as they would
    // for the designer's own window.
    ShowMessageBox(nullptr, DesignerUnavailableText, DesignerUnavailableCaption,
                   MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    return true;
}
