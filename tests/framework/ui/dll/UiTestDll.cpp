// A library with its own copy of the framework, loaded and unloaded by
// the tests to check that nothing of it stays behind.
#include "framework/controls/Timer.h"
#include "framework/forms/Forms.h"
#include "tests/common/win/Pump.h"

namespace {

int HookCalls = 0;

LRESULT CALLBACK GetMessageHook(int Code, WPARAM WParam, LPARAM LParam) {
    ++HookCalls;
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

class TDllForm : public TForm {
    QRN_CLASS(TDllForm, TForm)
public:
    explicit TDllForm(TComponent* AOwner) : TForm(AOwner) {}
};

}  // namespace

QRN_PUBLISHED(TDllForm) {}

// Shows a form of the library's own class with a running timer for a
// moment, closes it and reports the module (for the class check).
extern "C" __declspec(dllexport) int RunDllForm(void** Module) {
    try {
        auto* F = new TDllForm(nullptr);
        F->SetCaption("In the library");
        auto* T = new TTimer(F);
        int Ticks = 0;
        T->SetInterval(5);
        T->OnTimer = [&](TObject*) { ++Ticks; };
        // Left installed on purpose too: unloading must remove it.
        SetFrameworkHook(WH_GETMESSAGE, GetMessageHook);
        F->Show();
        PumpUntil([&] { return Ticks >= 2; }, 250);
        *Module = FrameworkInstance();
        const bool IsLib = Application->IsLibrary();
        // Left open on purpose: unloading must clean it up.
        return Ticks >= 1 && IsLib && HookCalls > 0 ? 1 : 0;
    } catch (...) {
        return -1;
    }
}

// Runs the library's own application loop with a main form that a timer
// closes; returns the number of timer ticks seen (at least 2).
extern "C" __declspec(dllexport) int RunDllApplication() {
    try {
        TDllForm* Main = nullptr;
        Application->CreateForm(Main);
        Main->SetCaption("Library main form");
        auto* T = new TTimer(Main);
        int Ticks = 0;
        T->SetInterval(5);
        T->OnTimer = [&](TObject*) {
            if (++Ticks == 2) Main->Close();
        };
        Application->Run();
        const int Result = Application->Terminated() ? Ticks : -2;
        DoneApplication();
        return Result;
    } catch (...) {
        return -1;
    }
}

// The library links no cursor resources: the framework's own drag cursor
// falls back to a system cursor. Returns 1 when it does.
extern "C" __declspec(dllexport) int DragCursorIsSystemArrow() {
    try {
        return Screen->Cursors(crDrag) == LoadCursorA(nullptr, IDC_ARROW) ? 1 : 0;
    } catch (...) {
        return -1;
    }
}
