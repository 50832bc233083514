// Build, run and debug commands of the main form: the menu handlers and
// the form's side of the build controller (project, code windows, panes).
#include <memory>

#include "framework/comctrls/ComCtrls.h"
#include "ide/win/BuildController.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/MainForm.h"
#include "ide/win/QuillMemoCI.h"

class TMainForm::TBuildLinks : public TComponent, public IBuildHost, public ICodeWindowHost {
    QRN_CLASS(TBuildLinks, TComponent)
public:
    explicit TBuildLinks(TMainForm* AOwner)
        : TComponent(AOwner), FForm(AOwner),
          FCommands(std::make_unique<TBuildController>(AOwner, AOwner->Messages, AOwner->FOut, *this, *this)) {}

    TBuildController& Commands() { return *FCommands; }

    // IBuildHost
    bool ProjectOpen() override { return FForm->ProjectOpen; }
    TProjectInfo Project() override { return FForm->Project; }
    bool ProjectBuilt() override { return FForm->ProjectBuilt; }
    void SetProjectBuilt(bool Value) override { FForm->ProjectBuilt = Value; }
    std::string ActiveCodeWindowFileName() override {
        TCodeWindow* W = FForm->ActiveCodeWindow();
        return W ? W->FileName() : std::string();
    }
    void SaveAll() override { FForm->SaveAll(); }
    void ShowMessagesPage() override { FForm->DownPage->SetActivePage(FForm->tsMessages); }

    // ICodeWindowHost
    std::vector<ICodeWindow*> CodeWindows() override {
        std::vector<ICodeWindow*> R;
        for (int I = 0; I < FForm->CodeWindowCount(); ++I) R.push_back(FForm->CodeWindows(I));
        return R;
    }
    std::string CodeWindowPath(ICodeWindow* Window) override {
        return FForm->CodeWindowPath(static_cast<TCodeWindow*>(Window));
    }
    ICodeWindow* OpenFile(const std::string& Path) override { return FForm->OpenFile(Path); }
    void ShowCodeLine(ICodeWindow* Window, int Line) override {
        auto* W = static_cast<TCodeWindow*>(Window);
        W->BringToFront();
        W->CodeEditor->SetCaretLine(Line);
        W->FocusEditor();
        W->CodeEditor->ScrollCaretIntoView();
    }
    void FocusActiveCodeWindow() override { FForm->FocusActiveEditor(); }

private:
    TMainForm* FForm;
    std::unique_ptr<TBuildController> FCommands;
};

QRN_PUBLISHED(TMainForm::TBuildLinks) {}

void TMainForm::CreateBuildLinks() { BuildLinks = new TBuildLinks(this); }

void TMainForm::FileForceCompile1Click(TObject*) { BuildLinks->Commands().ForceCompile(); }

void TMainForm::ProjectBuildProject1Click(TObject*) { BuildLinks->Commands().BuildProject(false); }

void TMainForm::ProjectBuildDebugProject1Click(TObject*) { BuildLinks->Commands().BuildProject(true); }

void TMainForm::ProjectRunProject1Click(TObject*) { BuildLinks->Commands().RunProject(); }

void TMainForm::ProjectRunInDebugger1Click(TObject*) { BuildLinks->Commands().RunInDebugger(); }
