#pragma once
// The main window's build and run commands: Build Project, Build Debug
// Project, Run Project, Run in debugger and Force Compile, with the panes
// and the progress form they report to.
#include <string>

#include "framework/forms/Forms.h"
#include "framework/stdctrls/ListCtrls.h"
#include "ide/BuildPipeline.h"
#include "ide/MessageJump.h"
#include "ide/win/BuildWindowView.h"
#include "ide/win/MessagePanes.h"

// Made by the main form once its panes exist. The main form frees its
// components (panes, view, progress form) before its members, so the
// controller never touches them on its way out.
class TBuildController {
public:
    TBuildController(TCustomForm* MainForm, TListBox* Messages, TListBox* Output, IBuildHost& Host,
                     ICodeWindowHost& Windows, IToolRunner& Runner = DefaultToolRunner(),
                     ILinkerWindowInput* LinkerWindow = &DefaultLinkerWindowInput());
    TBuildController(const TBuildController&) = delete;
    TBuildController& operator=(const TBuildController&) = delete;

    TMessagePanes& Panes() { return FPanes; }
    TBuildWindowView* View() const { return FView; }

    // The switches last confirmed in the Force Compile dialog.
    const TForceCompileMemory& ForceCompileSwitches() const { return FForceSwitches; }

    // Each command does nothing while its subject (an open project, for
    // Force Compile an active code window) is missing, and refuses with an
    // error box when a setting or the build is missing.
    void BuildProject(bool DebugBuild);
    void RunProject();
    void RunInDebugger();
    void ForceCompile();

private:
    TBuildServices Services();
    void ShowError(const std::string& Text);

    TCustomForm* FMainForm;
    IBuildHost& FHost;
    IToolRunner& FRunner;
    ILinkerWindowInput* FLinkerWindow;
    TMessagePanes FPanes;
    TBuildWindowView* FView;  // owned by the main form
    TForceCompileMemory FForceSwitches;
};
