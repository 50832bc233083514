// The build engine's links to the system: the tool runners, the linker's
// window on the desktop and the tool settings in the registry.
#include "controls/UtilProcs.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/BuildPipeline.h"
#include "product/Settings.h"

namespace {

class TSystemToolRunner : public IToolRunner {
public:
    bool Capture(const std::string& CommandLine, TStrings& Output) override {
        return RunAndCapture(CommandLine, Output);
    }
    bool Start(const std::string& CommandLine) override { return RunProgram(CommandLine, false, false); }
};

class TDesktopInput : public ILinkerWindowInput {
public:
    void Wait(int Milliseconds) override { Sleep(static_cast<DWORD>(Milliseconds)); }
    uintptr_t FindTopLevelWindow(const std::string& Title) override {
        return reinterpret_cast<uintptr_t>(FindWindowA(nullptr, Title.c_str()));
    }
    bool BringToForeground(uintptr_t Window) override {
        HWND Wnd = reinterpret_cast<HWND>(Window);
        SetForegroundWindow(Wnd);
        return GetForegroundWindow() == Wnd;
    }
    uint8_t ScanCodeOf(uint8_t VirtualKey) override {
        return static_cast<uint8_t>(MapVirtualKeyA(VirtualKey, 0));
    }
    void SendKeys(const std::vector<TKeyStroke>& Events) override {
        for (const TKeyStroke& E : Events) {
            keybd_event(E.VirtualKey, E.ScanCode, E.KeyUp ? KEYEVENTF_KEYUP : 0, static_cast<ULONG_PTR>(E.ExtraInfo));
        }
    }
};

}  // namespace

IToolRunner& DefaultToolRunner() {
    static TSystemToolRunner Runner;
    return Runner;
}

ILinkerWindowInput& DefaultLinkerWindowInput() {
    static TDesktopInput Input;
    return Input;
}

TBuildSettings ReadBuildSettings() {
    TBuildSettings S;
    S.Tools = ReadToolSettings();
    S.CleanFiles = GetCleanFiles();
    return S;
}
