// Halvane: the IDE's entry point.
#include "controls/UtilProcs.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/win/MainForm.h"
#include "ide/win/StartUp.h"

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
        // The version string was built with the static objects.
        StartUp(GetExeDir(), [] {
            Application->CreateForm(MainForm);
            return MainForm;
        });
        if (const std::string Project = FirstArgument(); !Project.empty()) MainForm->OpenProject(Project);
        Application->Run();
    } catch (...) {
        Application->HandleException(nullptr);
    }
    DoneApplication();
    return 0;
}
