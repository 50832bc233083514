// Halvane: the IDE's entry point.
#include "framework/forms/Forms.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/win/MainForm.h"

namespace {

// The first command-line argument, without its quotes ("" when none).
std::string FirstArgument() {
    int Count = 0;
    LPWSTR* Args = CommandLineToArgvW(GetCommandLineW(), &Count);
    std::string Result;
    if (Args && Count > 1) {
        const int Size = WideCharToMultiByte(CP_ACP, 0, Args[1], -1, nullptr, 0, nullptr, nullptr);
        if (Size > 1) {
            Result.resize(static_cast<size_t>(Size - 1));
            WideCharToMultiByte(CP_ACP, 0, Args[1], -1, Result.data(), Size, nullptr, nullptr);
        }
    }
    if (Args) LocalFree(Args);
    return Result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        // Start-up: the splash form is shown before the application is
        // initialised and freed once the main window exists.
        Application->Initialize();
        Application->ProcessMessages();
        Application->SetTitle("Quorlen");
        Application->CreateForm(MainForm);
        // Start-up: the keys.dat check runs here, before the message loop.
        if (const std::string Project = FirstArgument(); !Project.empty()) MainForm->OpenProject(Project);
        Application->Run();
    } catch (...) {
        Application->HandleException(nullptr);
    }
    DoneApplication();
    return 0;
}
