// The adaptor between the test seam's plain callback and the framework's
// modal dialog hook of this library.
#include "wizards/dos/win/dll/TindrelTestSeam.h"

#include "controls/win/TransBtn.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

// Visible and enabled on its form (the form itself is not shown yet while
// the hook is asked).
bool IsShown(TControl* C) {
    for (TControl* P = C; P->Parent(); P = P->Parent())
        if (!P->Visible()) return false;
    return C->Enabled();
}

TControl* FindButton(TWinControl* Parent, const std::string& Caption) {
    for (int I = 0; I < Parent->ControlCount(); ++I) {
        TControl* C = Parent->Controls(I);
        if ((dynamic_cast<TButton*>(C) || dynamic_cast<TTransparentButton*>(C)) && C->Caption() == Caption &&
            IsShown(C))
            return C;
        if (auto* W = dynamic_cast<TWinControl*>(C))
            if (TControl* Found = FindButton(W, Caption)) return Found;
    }
    return nullptr;
}

int ClickButton(void* Form, const char* Caption) {
    try {
        TControl* Button = FindButton(static_cast<TCustomForm*>(Form), Caption);
        if (!Button) return 0;
        Button->Click();
        return 1;
    } catch (...) {
        HandleCallbackException(nullptr);
        return 0;
    }
}

int SetEditText(void* Form, const char* Name, const char* Text) {
    try {
        auto* Edit = dynamic_cast<TCustomEdit*>(static_cast<TCustomForm*>(Form)->FindComponent(Name));
        if (!Edit) return 0;
        Edit->SetText(Text);
        return 1;
    } catch (...) {
        HandleCallbackException(nullptr);
        return 0;
    }
}

int FormModalResult(void* Form) { return static_cast<TCustomForm*>(Form)->ModalResult(); }

}  // namespace

extern "C" void QRN_CALL SetWizzardDialogHook(TWizzardDialogHook Hook, void* Context) {
    try {
        if (!Hook) {
            SetModalDialogHook(nullptr);
            return;
        }
        SetModalDialogHook([Hook, Context](const TDialogRequest& R) -> std::optional<int> {
            TWizzardDialogRequest C{R.Kind, R.Caption.c_str(), R.Text.c_str(), R.Form,
                                    ClickButton, SetEditText, FormModalResult};
            const int Answer = Hook(Context, &C);
            if (Answer < 0) return std::nullopt;
            return Answer;
        });
    } catch (...) {
        // Nothing to report to: the hook simply stays as it was.
    }
}
