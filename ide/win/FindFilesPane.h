#pragma once
// The Find In Files page: "Start" searches the open project's folder for
// the assembler, include and macro files holding the typed text, on the
// searcher's worker thread; the status line counts the files found while
// it runs and reads "Idle" otherwise; a double click on a result opens it.
// The controls belong to the main window's form; the pane binds to them.
#include <functional>
#include <memory>
#include <string>

#include "controls/FileFind.h"
#include "controls/win/TransBtn.h"
#include "controls/win/UiJobWindow.h"
#include "framework/controls/Timer.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

struct TFindFilesControls {
    TEdit* FindWhat = nullptr;
    TCheckBox* FindCase = nullptr;
    TTransparentButton* btnFindStart = nullptr;
    TLabel* findstat = nullptr;
    TListBox* SearchResults = nullptr;
};

class TFindFilesPane : public TComponent {
    QRN_CLASS(TFindFilesPane, TComponent)
public:
    // Takes over the controls' OnClick / OnDblClick.
    TFindFilesPane(TComponent* AOwner, const TFindFilesControls& Controls);
    ~TFindFilesPane() override;
    void BeforeDestruction() override;

    TFileFind* FileFinder() const { return FFileFinder; }
    const TFindFilesControls& Controls() const { return FControls; }
    // The open project's folder; empty while no project is open ("Start"
    // is then disabled).
    void SetProjectDir(const std::string& Dir);
    const std::string& ProjectDir() const { return FProjectDir; }
    bool Searching() const;

    // "Start".
    void Start();
    // The status line as the main window's timer shows it.
    void UpdateStatus();

    // Opens a result as a loose file.
    std::function<void(const std::string& FileName)> OnOpenFile;
    // A search that failed (its worker raised): the default shows the
    // error in a message box.
    std::function<void(const std::string& Message)> OnSearchFailed;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void StartClick(TObject* Sender);
    void ResultsDblClick(TObject* Sender);
    void FinderTerminated(TObject* Sender);
    void FinderError(TObject* Sender, const std::string& Message);
    void StatusTimer(TObject* Sender);
    void UpdateStartButton();

    TFindFilesControls FControls;
    std::unique_ptr<TUiJobWindow> FJobs;
    TFileFind* FFileFinder = nullptr;  // owned component
    TTimer* FStatusTimer = nullptr;     // owned component
    std::string FProjectDir;
};
