// The build engine's links to the system: the tool runners, the linker's
// window on the desktop and the tool settings in the registry.
#include "controls/UtilProcs.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/BuildPipeline.h"
#include "ide/ToolShell.h"
#include "product/Settings.h"

namespace {

// Where CreateProcess would find the program: beside this program, in the
// current folder, the system folders, then the PATH.
std::string FindProgram(const std::string& Program) {
    char Buf[MAX_PATH];
    const DWORD Len = SearchPathA(nullptr, Program.c_str(), ".exe", MAX_PATH, Buf, nullptr);
    if (Len == 0 || Len >= MAX_PATH) return std::string();
    return std::string(Buf, Len);
}

std::string EnvironmentValue(const char* Name) {
    const DWORD Size = GetEnvironmentVariableA(Name, nullptr, 0);
    if (Size == 0) return std::string();
    std::string Value(Size, '\0');
    const DWORD Len = GetEnvironmentVariableA(Name, Value.data(), Size);
    Value.resize(Len < Size ? Len : 0);
    return Value;
}

class TSystemToolRunner : public IToolRunner {
public:
    bool Capture(const std::string& CommandLine, TStrings& Output) override {
        const TShellCommand Shell = ShellCommandFor(CommandLine, FindProgram, EnvironmentValue("COMSPEC"));
        FNotStarted = Shell.Failure;
        if (!FNotStarted.empty()) {
            Output.Clear();
            return false;
        }
        return RunAndCapture(Shell.CommandLine, Output);
    }
    std::string NotStartedReason() const override { return FNotStarted; }
    bool Start(const std::string& CommandLine) override { return RunProgram(CommandLine, false, false); }

private:
    std::string FNotStarted;
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
