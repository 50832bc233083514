#pragma once
// The test seam of Tindrel.dll. The library has its own copy of the
// framework, and so its own modal dialog hook; a test program installs a
// plain callback into it through the export SetWizzardDialogHook and
// drives the wizard's form through the functions the request carries.
// No host calls this export; only test builds have it.
#include "framework/rtl/CallConv.h"

struct TWizzardDialogRequest {
    int Kind;             // TDialogKind of the framework
    const char* Caption;  // title bar text
    const char* Text;     // message text (message boxes)
    void* Form;           // the modal form (opaque), or null
    // Clicks the visible, enabled button (push or transparent) of Form
    // captioned Caption; 0 when there is none.
    int (*ClickButton)(void* Form, const char* Caption);
    // Sets the text of Form's edit named Name; 0 when there is none.
    int (*SetEditText)(void* Form, const char* Name, const char* Text);
    // Form's modal result as the clicks left it.
    int (*ModalResult)(void* Form);
};

// Returns the answer (a button id, a modal result), or -1 to let the
// dialog run as usual.
using TWizzardDialogHook = int (*)(void* Context, const TWizzardDialogRequest* Request);
// A null Hook removes it.
using TSetWizzardDialogHook = void(QRN_CALL*)(TWizzardDialogHook Hook, void* Context);
