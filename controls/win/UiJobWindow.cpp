#include "controls/win/UiJobWindow.h"

#include <memory>

#include "framework/controls/Controls.h"

namespace {

constexpr UINT JobMessage = WM_APP + 0x31;
using TJob = std::function<void()>;

}  // namespace

TUiJobWindow::TUiJobWindow() {
    FWindow = AllocateHWnd([this](TMessage& Message) {
        if (Message.Msg != JobMessage) {
            Message.Result = DefWindowProcA(FWindow, Message.Msg, Message.WParam, Message.LParam);
            return;
        }
        std::unique_ptr<TJob> Job(reinterpret_cast<TJob*>(Message.LParam));
        try {
            if (Job && *Job) (*Job)();
        } catch (...) {
            HandleCallbackException(nullptr);
        }
    });
}

TUiJobWindow::~TUiJobWindow() {
    if (!FWindow) return;
    MSG Pending;
    while (PeekMessageA(&Pending, FWindow, JobMessage, JobMessage, PM_REMOVE))
        delete reinterpret_cast<TJob*>(Pending.lParam);
    DeallocateHWnd(FWindow);
}

TUiThreadPoster TUiJobWindow::Poster() const {
    HWND Window = FWindow;
    return [Window](std::function<void()> Job) {
        auto* Copy = new TJob(std::move(Job));
        if (!PostMessageA(Window, JobMessage, 0, reinterpret_cast<LPARAM>(Copy))) delete Copy;
    };
}
