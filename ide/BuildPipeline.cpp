#include "ide/BuildPipeline.h"

#include <exception>
#include <utility>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "ide/IdeTexts.h"
#include "ide/ProjectFile.h"
#include "ide/ToolMessages.h"
#include "product/ProjectInfo.h"

namespace {

constexpr int LinkerWindowDelayMs = 500;
constexpr uint8_t VkControl = 0x11;
constexpr uint8_t VkC = 0x43;
constexpr uint8_t ScanC = 0x2E;

const std::string OkCaption = "Ok";
const std::string DoneCaption = "Done";

std::string Str(std::string_view S) { return std::string(S); }

// The file name without its folder.
std::string NamePart(const std::string& Path) { return Path.substr(FolderPartOf(Path).size()); }

// Appends every line to Full Output and the filtered ones to Messages;
// true when no error line was seen.
bool ReportToolOutput(const TStrings& Lines, const TToolOutputReport& Report, IBuildView& View) {
    for (int I = 0; I < Lines.Count(); ++I) View.AddOutput(Lines[I]);
    for (const std::string& Line : Report.Reported) View.AddMessage(Line);
    return !Report.ErrorSeen;
}

// One step of a build that failed or ended: its panel text and the button.
void EndStep(IBuildView& View, TProgressPanel Panel, std::string_view Text, const std::string& Caption,
             bool Enabled) {
    View.SetProgressText(Panel, Str(Text));
    View.SetProgressButton(Caption, Enabled);
    View.FocusProgress();
    View.Refresh();
}

void Fail(IBuildView& View, TProgressPanel Panel, std::string_view Text) {
    EndStep(View, Panel, Text, OkCaption, true);
}

// Runs a tool in Folder; a tool that could not start fails the step on
// Panel with Text, the runner's reason (when it has one) in Messages.
bool CaptureStarted(bool InFolder, const std::string& CommandLine, TStrings& Output, TBuildServices& Svc,
                    TProgressPanel Panel, std::string_view Text) {
    if (InFolder && Svc.Runner.Capture(CommandLine, Output)) return true;
    const std::string Reason = InFolder ? Svc.Runner.NotStartedReason() : std::string();
    if (!Reason.empty()) Svc.View.AddMessage(Reason);
    Fail(Svc.View, Panel, Text);
    return false;
}

// Runs the assembler in Folder; the panels and messages as the build and
// Force Compile show them. On failure the current directory stays Folder.
bool AssembleOne(const std::string& Folder, const std::string& ShownName, const std::string& KindLine,
                 const std::string& CommandLine, TStrings& Output, TBuildServices& Svc) {
    IBuildView& View = Svc.View;
    const std::string Remembered = GetCurrentDir();
    const bool InFolder = SetCurrentDir(Folder);
    View.SetProgressText(TProgressPanel::Compiling, IdeTexts::ProgressCompiling(ShownName));
    View.SetProgressText(TProgressPanel::Lines, KindLine);
    View.AddMessage(IdeTexts::CompilingMessage(ShownName));
    View.Refresh();
    View.AddMessage(IdeTexts::ExecutingMessage(CommandLine));
    // A tool started outside the project folder would write its files
    // elsewhere: a folder that cannot be entered counts as not started.
    if (!CaptureStarted(InFolder, CommandLine, Output, Svc, TProgressPanel::Compiling, IdeTexts::CompilingNotStarted))
        return false;
    if (!ReportToolOutput(Output, FilterAssemblerOutput(Output), View)) {
        Fail(View, TProgressPanel::Compiling, IdeTexts::CompilingGotErrors);
        return false;
    }
    EndStep(View, TProgressPanel::Compiling, IdeTexts::CompilingDone, DoneCaption, false);
    SetCurrentDir(Remembered);
    return true;
}

// Runs the linker in Folder. On failure the current directory stays Folder.
bool LinkOne(const std::string& Folder, const std::string& PanelName, const std::string& MessageName,
             const std::string& CommandLine, const std::string& LinkerTitle, TBuildServices& Svc) {
    IBuildView& View = Svc.View;
    const std::string Remembered = GetCurrentDir();
    const bool InFolder = SetCurrentDir(Folder);
    View.SetProgressText(TProgressPanel::Linking, IdeTexts::ProgressLinking(PanelName));
    View.AddMessage(IdeTexts::LinkingMessage(MessageName));
    View.Refresh();
    View.AddMessage(IdeTexts::ExecutingMessage(CommandLine));
    TStringList Output;
    if (!CaptureStarted(InFolder, CommandLine, Output, Svc, TProgressPanel::Linking, IdeTexts::LinkingNotStarted))
        return false;
    if (Svc.LinkerWindow) {
        Svc.LinkerWindow->Wait(LinkerWindowDelayMs);
        DismissLinkerWindow(*Svc.LinkerWindow, LinkerTitle);
    }
    // The linker has run: the form can be closed from now on.
    View.SetProgressButton(DoneCaption, true);
    View.AddOutput(Str(IdeTexts::LinkingBanner));
    if (!ReportToolOutput(Output, FilterLinkerOutput(Output), View)) {
        Fail(View, TProgressPanel::Linking, IdeTexts::LinkingGotErrors);
        return false;
    }
    EndStep(View, TProgressPanel::Linking, IdeTexts::LinkingDone, DoneCaption, true);
    SetCurrentDir(Remembered);
    return true;
}

void ReportSuccess(IBuildView& View) {
    View.AddOutput(Str(IdeTexts::Success));
    View.AddMessage(Str(IdeTexts::Success));
}

}  // namespace

TMainWindowGuard::TMainWindowGuard(std::function<void(bool)> SetMainWindowEnabled)
    : FSetEnabled(std::move(SetMainWindowEnabled)), FUncaught(std::uncaught_exceptions()) {
    if (FSetEnabled) FSetEnabled(false);
}

TMainWindowGuard::~TMainWindowGuard() {
    if (!FSetEnabled || std::uncaught_exceptions() == FUncaught) return;
    try {
        FSetEnabled(true);
    } catch (...) {
        // A destructor must not throw; the window is gone anyway then.
    }
}

std::vector<TKeyStroke> ControlCKeyEvents(uint8_t ControlScanCode) {
    const uint32_t ControlInfo = static_cast<uint32_t>(ControlScanCode) * 256;
    const uint32_t CInfo = static_cast<uint32_t>(ScanC) * 256 + 1;
    return {
        {VkControl, ControlScanCode, false, ControlInfo + 1},
        {VkC, ScanC, false, CInfo},
        {VkControl, 0, true, ControlInfo | 0xC0000000u},
        {VkC, ScanC, false, CInfo},
        {VkC, ScanC, true, CInfo},
    };
}

bool DismissLinkerWindow(ILinkerWindowInput& Input, const std::string& LinkerTitle) {
    if (LinkerTitle.empty()) return false;
    const uintptr_t Window = Input.FindTopLevelWindow(LinkerTitle);
    if (Window == 0 || !Input.BringToForeground(Window)) return false;
    Input.SendKeys(ControlCKeyEvents(Input.ScanCodeOf(VkControl)));
    return true;
}

std::string MissingBuildToolMessage(const TToolSettings& S) {
    if (S.TasmPath.empty()) return Str(IdeTexts::TasmPathMissing);
    if (S.TLinkPath.empty()) return Str(IdeTexts::TLinkPathMissing);
    return {};
}

void CleanIntermediateFiles(const std::string& Folder, IBuildView& View) {
    if (Folder.empty()) return;
    View.AddMessage(Str(IdeTexts::Cleaning));
    const std::string Dir = IncludeTrailingPathDelimiter(Folder);
    DeleteFilesByMask(Dir, "*.map");
    DeleteFilesByMask(Dir, "*.obj");
    View.AddMessage(Str(IdeTexts::DoneCleaning));
}

TBuildResult BuildProject(const TProjectInfo& Project, const TBuildSettings& Settings, bool DebugBuild,
                          TBuildServices& Svc) {
    TBuildResult Result;
    Result.Refusal = MissingBuildToolMessage(Settings.Tools);
    if (!Result.Refusal.empty()) return Result;

    IBuildView& View = Svc.View;
    View.SaveAll();
    View.ShowProgress(IdeTexts::ProgressProject(Project.Name));
    TMainWindowGuard Guard([&View](bool Enabled) { View.SetMainWindowEnabled(Enabled); });
    if (!DebugBuild) View.ShowMessagesPage();

    const std::string& KindName = ProjectKindName(Project.Kind);
    TStringList Output;  // reused for every file
    for (const std::string& File : Project.Files) {
        const std::string Line =
            AssemblerCommandLine(Settings.Tools, Project.Kind, Project.Dir, File, DebugBuild, Svc.ShortPath);
        if (!AssembleOne(Project.Dir, File, IdeTexts::ProgressKind(KindName), Line, Output, Svc)) return Result;
    }

    const std::string LinkLine =
        LinkerCommandLine(Settings.Tools, Project.Kind, Project.Files, DebugBuild, Svc.ShortPath);
    if (!LinkOne(Project.Dir, Project.Name, Project.Name, LinkLine, Settings.Tools.TLinkPath, Svc)) return Result;

    ReportSuccess(View);
    Result.Success = true;
    if (Settings.CleanFiles != 0) CleanIntermediateFiles(Project.Dir, View);
    return Result;
}

TForceCompilePlan PlanForceCompile(const TToolSettings& S, const std::string& WindowFileName,
                                   const std::string& ProjectDir) {
    TForceCompilePlan Plan;
    Plan.Refusal = MissingBuildToolMessage(S);
    if (!Plan.Refusal.empty()) return Plan;
    if (IsAbsoluteFileEntry(WindowFileName)) {
        Plan.Target.FullPath = WindowFileName;
    } else if (!ProjectDir.empty()) {
        Plan.Target.FullPath = IncludeTrailingBackslash(ProjectDir) + WindowFileName;
    } else {
        Plan.Refusal = IdeTexts::ForceCompileWithoutFolder(WindowFileName);
        return Plan;
    }
    Plan.Target.Folder = FolderPartOf(Plan.Target.FullPath);
    return Plan;
}

bool ForceCompile(const TForceCompileTarget& Target, const TForceCompileOptions& Options,
                  const TBuildSettings& Settings, TBuildServices& Svc) {
    // A Force Compile runs outside any project: these names are its own.
    const std::string Name = Str(IdeTexts::ForceCompileProjectName);
    IBuildView& View = Svc.View;
    View.SaveAll();
    View.ShowProgress(IdeTexts::ProgressProject(Name));
    TMainWindowGuard Guard([&View](bool Enabled) { View.SetMainWindowEnabled(Enabled); });

    const std::string Remembered = GetCurrentDir();
    const std::string FileName = NamePart(Target.FullPath);
    TStringList Output;
    const std::string AsmLine =
        ForceAssemblerCommandLine(Settings.Tools, Options.AssemblerSwitches, Target.FullPath, Svc.ShortPath);
    if (!AssembleOne(Target.Folder, FileName, Str(IdeTexts::ForceCompileKindLine), AsmLine, Output, Svc))
        return false;
    if (!Options.DontLink) {
        const std::string LinkLine =
            ForceLinkerCommandLine(Settings.Tools, Options.LinkerSwitches, Target.FullPath, Svc.ShortPath);
        if (!LinkOne(Target.Folder, FileName, Name, LinkLine, Settings.Tools.TLinkPath, Svc)) return false;
    }
    SetCurrentDir(Remembered);
    if (Options.DontLink) View.SetProgressText(TProgressPanel::Linking, Str(IdeTexts::LinkingNotSelected));
    View.SetProgressButton(OkCaption, true);
    View.Refresh();
    ReportSuccess(View);
    if (Settings.CleanFiles != 0) CleanIntermediateFiles(Target.Folder, View);
    return true;
}

TLaunchPlan PlanRunProject(const TProjectInfo& Project, bool ProjectBuilt) {
    TLaunchPlan Plan;
    if (!ProjectBuilt) {
        Plan.Refusal = Str(IdeTexts::ProjectNotBuilt);
    } else if (Project.Kind == pkWin32Dll) {
        Plan.Refusal = Str(IdeTexts::CannotRunDll);
    } else if (auto Target = RunTargetPath(Project.Kind, Project.Dir, Project.Files)) {
        Plan.CommandLine = RunCommandLine(*Target);
    } else {
        Plan.Refusal = Str(IdeTexts::ProjectHasNoFiles);
    }
    return Plan;
}

TLaunchPlan PlanRunInDebugger(const TProjectInfo& Project, const TToolSettings& S,
                              const TShortPathFunc& ShortPath) {
    TLaunchPlan Plan;
    if (S.TdPath.empty()) {
        Plan.Refusal = Str(IdeTexts::TdPathMissing);
    } else if (Project.Kind == pkWin32Dll) {
        Plan.Refusal = Str(IdeTexts::CannotRunDll);
    } else if (auto Target = RunTargetPath(Project.Kind, Project.Dir, Project.Files)) {
        Plan.Folder = Project.Dir;
        Plan.CommandLine = DebuggerCommandLine(S, Project.Kind, *Target, ShortPath);
    } else {
        Plan.Refusal = Str(IdeTexts::ProjectHasNoFiles);
    }
    return Plan;
}

bool Launch(const TLaunchPlan& Plan, IToolRunner& Runner) {
    if (!Plan.Refusal.empty() || Plan.CommandLine.empty()) return false;
    if (!Plan.Folder.empty() && !SetCurrentDir(Plan.Folder)) return false;
    return Runner.Start(Plan.CommandLine);
}
