#include "ide/win/BuildController.h"

#include "controls/UtilProcs.h"
#include "ide/win/ForceCompileDialog.h"
#include "ide/win/ErrorBox.h"

TBuildController::TBuildController(TCustomForm* MainForm, TListBox* Messages, TListBox* Output, IBuildHost& Host,
                                   ICodeWindowHost& Windows, IToolRunner& Runner,
                                   ILinkerWindowInput* LinkerWindow)
    : FMainForm(MainForm), FHost(Host), FRunner(Runner), FLinkerWindow(LinkerWindow),
      FPanes(Messages, Output, Windows), FView(new TBuildWindowView(MainForm, FPanes, Host)) {}

TBuildServices TBuildController::Services() { return TBuildServices{*FView, FRunner, GetShortPath, FLinkerWindow}; }

void TBuildController::ShowError(const std::string& Text) { ProjectErrorBox(Text); }

void TBuildController::BuildProject(bool DebugBuild) {
    if (!FHost.ProjectOpen()) return;
    TBuildServices Svc = Services();
    const TBuildResult Result = ::BuildProject(FHost.Project(), ReadBuildSettings(), DebugBuild, Svc);
    if (!Result.Refusal.empty()) ShowError(Result.Refusal);
    if (Result.Success) FHost.SetProjectBuilt(true);
}

void TBuildController::RunProject() {
    if (!FHost.ProjectOpen()) return;
    const TLaunchPlan Plan = PlanRunProject(FHost.Project(), FHost.ProjectBuilt());
    if (!Plan.Refusal.empty()) {
        ShowError(Plan.Refusal);
        return;
    }
    Launch(Plan, FRunner);
}

void TBuildController::RunInDebugger() {
    if (!FHost.ProjectOpen()) return;
    const TLaunchPlan Plan = PlanRunInDebugger(FHost.Project(), ReadBuildSettings().Tools, GetShortPath);
    if (!Plan.Refusal.empty()) {
        ShowError(Plan.Refusal);
        return;
    }
    Launch(Plan, FRunner);
}

void TBuildController::ForceCompile() {
    const std::string FileName = FHost.ActiveCodeWindowFileName();
    if (FileName.empty()) return;
    const TBuildSettings Settings = ReadBuildSettings();
    const std::string ProjectDir = FHost.ProjectOpen() ? FHost.Project().Dir : std::string();
    const TForceCompilePlan Plan = PlanForceCompile(Settings.Tools, FileName, ProjectDir);
    if (!Plan.Refusal.empty()) {
        ShowError(Plan.Refusal);
        return;
    }
    TForceCompileOptions Options;
    if (!AskForceCompileOptions(FMainForm, FForceSwitches, Options)) return;
    TBuildServices Svc = Services();
    ::ForceCompile(Plan.Target, Options, Settings, Svc);
}
