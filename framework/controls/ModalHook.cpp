#include "framework/controls/ModalHook.h"

#include <utility>

#include "framework/controls/TaskModal.h"
#include "framework/rtl/win/WinApi.h"

namespace {
TModalDialogHook& CurrentHook() {
    static TModalDialogHook Hook;
    return Hook;
}
}  // namespace

TModalDialogHook SetModalDialogHook(TModalDialogHook Hook) {
    return std::exchange(CurrentHook(), std::move(Hook));
}

std::optional<int> AskModalDialogHook(const TDialogRequest& Request) {
    // A copy: the hook may replace itself while it runs.
    TModalDialogHook Hook = CurrentHook();
    if (!Hook) return std::nullopt;
    return Hook(Request);
}

int ShowMessageBox(void* OwnerWnd, const std::string& Text, const std::string& Caption, unsigned Flags) {
    TDialogRequest R;
    R.Kind = dkMessageBox;
    R.Caption = Caption;
    R.Text = Text;
    R.Flags = Flags;
    if (auto Answer = AskModalDialogHook(R)) return *Answer;
    const TTaskWindowsDisabled Modal;
    return MessageBoxA(static_cast<HWND>(OwnerWnd), Text.c_str(), Caption.c_str(), Flags);
}
