#pragma once
// The build as the user sees it in the IDE: the progress form, the
// Messages and Full Output panes and the main window's enabled state.
#include <string>

#include "framework/forms/Forms.h"
#include "ide/BuildPipeline.h"
#include "ide/win/MessagePanes.h"
#include "ide/win/ProgressForm.h"

// What the build and run commands need of the main window.
class IBuildHost {
public:
    virtual ~IBuildHost() = default;
    virtual bool ProjectOpen() = 0;
    virtual TProjectInfo Project() = 0;
    // Set by a successful build, cleared by opening a project; Run needs it.
    virtual bool ProjectBuilt() = 0;
    virtual void SetProjectBuilt(bool Value) = 0;
    // The file name (caption) of the active code window; empty when none.
    virtual std::string ActiveCodeWindowFileName() = 0;
    // Saves every code window and the project file.
    virtual void SaveAll() = 0;
    // Brings the Messages page of the bottom page control to the front.
    virtual void ShowMessagesPage() = 0;
};

// Owned by the main form. The progress form of each build is owned by the
// main form too; the user may close it while a step still reports, so the
// view follows it with a free notification.
class TBuildWindowView : public TComponent, public IBuildView {
    QRN_CLASS(TBuildWindowView, TComponent)
public:
    TBuildWindowView(TCustomForm* MainForm, TMessagePanes& Panes, IBuildHost& Host);

    // The progress form of the last build while it is open.
    TProgressFrm* Progress() const { return FProgress; }

    void SaveAll() override;
    // A progress form left open by an earlier build is closed first.
    void ShowProgress(const std::string& ProjectText) override;
    void ShowMessagesPage() override;
    // Enabling (the end of a build) also enables the progress form's button.
    void SetMainWindowEnabled(bool Enabled) override;
    void SetProgressText(TProgressPanel Panel, const std::string& Text) override;
    void SetProgressButton(const std::string& Caption, bool Enabled) override;
    void FocusProgress() override;
    void Refresh() override;
    void AddOutput(const std::string& Line) override;
    void AddMessage(const std::string& Text) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TPanel* PanelOf(TProgressPanel Panel) const;

    TCustomForm* FMainForm;
    TMessagePanes& FPanes;
    IBuildHost& FHost;
    TProgressFrm* FProgress = nullptr;
};
