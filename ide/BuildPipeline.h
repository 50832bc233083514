#pragma once
// The window-free engine of Build Project, Build Debug Project, Force
// Compile, Run Project and Run in debugger. The tools are started through an
// injected runner and everything the user sees goes to an injected view, so
// the same sequence runs under the main window and in tests.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ide/BuildCommands.h"
#include "product/ProjectInfo.h"

class TStrings;

// Tool settings as read once at the start of a command.
struct TBuildSettings {
    TToolSettings Tools;
    int CleanFiles = 0;
};

// Starts the external programs.
class IToolRunner {
public:
    virtual ~IToolRunner() = default;
    // Runs CommandLine hidden in the current folder, waits for it and leaves
    // its standard output in Output; false when it could not be started.
    virtual bool Capture(const std::string& CommandLine, TStrings& Output) = 0;
    // After a Capture that could not start: what the user should read
    // besides the progress form's text ("" when there is nothing more).
    virtual std::string NotStartedReason() const { return {}; }
    // Starts CommandLine with its window shown, without waiting.
    virtual bool Start(const std::string& CommandLine) = 0;
};

// The status panels of the progress form.
enum class TProgressPanel { Project, Compiling, Linking, Lines };

// What the user sees of a build: the progress form, the Messages pane and
// the Full Output pane.
class IBuildView {
public:
    virtual ~IBuildView() = default;
    virtual void SaveAll() = 0;
    // Creates and shows the progress form with its Project panel set.
    virtual void ShowProgress(const std::string& ProjectText) = 0;
    // Brings the Messages page of the bottom page control to the front.
    virtual void ShowMessagesPage() = 0;
    virtual void SetMainWindowEnabled(bool Enabled) = 0;
    virtual void SetProgressText(TProgressPanel Panel, const std::string& Text) = 0;
    virtual void SetProgressButton(const std::string& Caption, bool Enabled) = 0;
    virtual void FocusProgress() = 0;
    // Processes pending messages and repaints the progress form.
    virtual void Refresh() = 0;
    // Full Output: appends and selects the line.
    virtual void AddOutput(const std::string& Line) = 0;
    // Messages: appends and selects the text.
    virtual void AddMessage(const std::string& Text) = 0;
};

// Disables the main window for a build. The main window stays disabled
// after the build, until the user closes the progress form; only a build
// that ends in an exception enables it again on the way out.
class TMainWindowGuard {
public:
    explicit TMainWindowGuard(std::function<void(bool Enabled)> SetMainWindowEnabled);
    ~TMainWindowGuard();
    TMainWindowGuard(const TMainWindowGuard&) = delete;
    TMainWindowGuard& operator=(const TMainWindowGuard&) = delete;

private:
    std::function<void(bool)> FSetEnabled;
    int FUncaught;
};

// One synthesised keyboard event.
struct TKeyStroke {
    uint8_t VirtualKey = 0;
    uint8_t ScanCode = 0;
    bool KeyUp = false;
    uint32_t ExtraInfo = 0;
    bool operator==(const TKeyStroke&) const = default;
};

// The desktop as the linker's window is dismissed through it.
class ILinkerWindowInput {
public:
    virtual ~ILinkerWindowInput() = default;
    virtual void Wait(int Milliseconds) = 0;
    // The top-level window with exactly this title; 0 when there is none.
    virtual uintptr_t FindTopLevelWindow(const std::string& Title) = 0;
    // True when Window is the foreground window afterwards.
    virtual bool BringToForeground(uintptr_t Window) = 0;
    // The system's scan code of a virtual key.
    virtual uint8_t ScanCodeOf(uint8_t VirtualKey) = 0;
    virtual void SendKeys(const std::vector<TKeyStroke>& Events) = 0;
};

// Control down, C down, Control up, C down, C up.
std::vector<TKeyStroke> ControlCKeyEvents(uint8_t ControlScanCode);

// Sends Control+C to the top-level window titled LinkerTitle. Synthesised
// keys go to whatever window is in front, so nothing is sent unless that
// window was found and is in front. True when the keys were sent.
bool DismissLinkerWindow(ILinkerWindowInput& Input, const std::string& LinkerTitle);

// What a build, run or force compile works with besides its inputs.
struct TBuildServices {
    IBuildView& View;
    IToolRunner& Runner;
    TShortPathFunc ShortPath;
    // Null: the linker's window is left alone (and no wait is made).
    ILinkerWindowInput* LinkerWindow = nullptr;
};

// The refusal for missing assembler or linker paths ("" when both are set).
std::string MissingBuildToolMessage(const TToolSettings& S);

struct TBuildResult {
    std::string Refusal;  // not empty: show it in an error box; nothing ran
    bool Success = false; // every step succeeded: the project is built
};

// Build Project (DebugBuild false) or Build Debug Project (true). The
// current directory is the project folder after a failed step and the one
// found at the start after a successful build.
TBuildResult BuildProject(const TProjectInfo& Project, const TBuildSettings& Settings, bool DebugBuild,
                          TBuildServices& Services);

// Force Compile.
struct TForceCompileOptions {
    std::string AssemblerSwitches;
    std::string LinkerSwitches;
    bool DontLink = false;
};

// The file Force Compile works on: a name without a folder of its own is
// taken from the project folder.
struct TForceCompilePlan {
    std::string Refusal;
    TForceCompileTarget Target;
};

// Checks the tool paths and resolves the window's file name. Refuses a file
// that has no folder (a bare name while no project folder is known): there
// would be nowhere to assemble and to clean.
TForceCompilePlan PlanForceCompile(const TToolSettings& S, const std::string& WindowFileName,
                                   const std::string& ProjectDir);

// Runs a planned Force Compile. It works on its own values: the open
// project's record is not touched. True when every step run succeeded.
bool ForceCompile(const TForceCompileTarget& Target, const TForceCompileOptions& Options,
                  const TBuildSettings& Settings, TBuildServices& Services);

// The switches last confirmed in the Force Compile dialog, for the run of
// the program.
struct TForceCompileMemory {
    std::string AssemblerSwitches;
    std::string LinkerSwitches;
};

// Run Project and Run in debugger: what to start, or why not.
struct TLaunchPlan {
    std::string Refusal;      // not empty: show it; nothing else happens
    std::string Folder;       // not empty: made current before the start
    std::string CommandLine;
};

TLaunchPlan PlanRunProject(const TProjectInfo& Project, bool ProjectBuilt);
TLaunchPlan PlanRunInDebugger(const TProjectInfo& Project, const TToolSettings& S,
                              const TShortPathFunc& ShortPath);

// Carries out a plan that was not refused; false when the folder could not
// be made current or the program could not be started.
bool Launch(const TLaunchPlan& Plan, IToolRunner& Runner);

// Wipes the map and object files of Folder, reporting before and after.
// An empty Folder wipes nothing (it would name the drive's root).
void CleanIntermediateFiles(const std::string& Folder, IBuildView& View);

// Windows: the runner over the capture runner and the plain runner, the
// desktop input for the linker's window, the settings from the registry.
IToolRunner& DefaultToolRunner();
ILinkerWindowInput& DefaultLinkerWindowInput();
TBuildSettings ReadBuildSettings();
