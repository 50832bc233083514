#include "ide/win/FindFilesPane.h"

#include "framework/controls/ModalHook.h"
#include "framework/rtl/StringList.h"
#include "ide/FindInFiles.h"

namespace {

// How often the status line follows the running count.
constexpr unsigned StatusInterval = 250;

}  // namespace

TFindFilesPane::TFindFilesPane(TComponent* AOwner, const TFindFilesControls& Controls)
    : TComponent(AOwner), FControls(Controls), FJobs(std::make_unique<TUiJobWindow>()) {
    FFileFinder = new TFileFind(this);
    FFileFinder->PostToUiThread = FJobs->Poster();
    FFileFinder->OnTerminated = TNotifyEvent(this, &TFindFilesPane::FinderTerminated);
    FFileFinder->OnSearchError = decltype(FFileFinder->OnSearchError)(this, &TFindFilesPane::FinderError);
    FStatusTimer = new TTimer(this);
    FStatusTimer->SetInterval(StatusInterval);
    FStatusTimer->SetOnTimer(TNotifyEvent(this, &TFindFilesPane::StatusTimer));

    TComponent* Bound[] = {FControls.FindWhat, FControls.FindCase, FControls.btnFindStart, FControls.findstat,
                           FControls.SearchResults};
    for (TComponent* C : Bound)
        if (C) C->FreeNotification(this);
    if (FControls.btnFindStart) FControls.btnFindStart->OnClick = TNotifyEvent(this, &TFindFilesPane::StartClick);
    if (FControls.SearchResults)
        FControls.SearchResults->OnDblClick = TNotifyEvent(this, &TFindFilesPane::ResultsDblClick);
    UpdateStatus();
    UpdateStartButton();
}

void TFindFilesPane::BeforeDestruction() {
    // The worker goes before anything its end would touch; no end event
    // fires from here on.
    if (FFileFinder) FFileFinder->Stop();
    FJobs.reset();
    TComponent::BeforeDestruction();
}

TFindFilesPane::~TFindFilesPane() = default;

void TFindFilesPane::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FControls.FindWhat) FControls.FindWhat = nullptr;
    if (AComponent == FControls.FindCase) FControls.FindCase = nullptr;
    if (AComponent == FControls.btnFindStart) FControls.btnFindStart = nullptr;
    if (AComponent == FControls.findstat) FControls.findstat = nullptr;
    if (AComponent == FControls.SearchResults) FControls.SearchResults = nullptr;
    if (AComponent == FFileFinder) FFileFinder = nullptr;
    if (AComponent == FStatusTimer) FStatusTimer = nullptr;
}

void TFindFilesPane::SetProjectDir(const std::string& Dir) {
    FProjectDir = Dir;
    UpdateStartButton();
}

bool TFindFilesPane::Searching() const { return FFileFinder && FFileFinder->Tag() != 0; }

void TFindFilesPane::UpdateStartButton() {
    if (FControls.btnFindStart) FControls.btnFindStart->SetEnabled(!FProjectDir.empty() && !Searching());
}

void TFindFilesPane::UpdateStatus() {
    if (FControls.findstat && FFileFinder) FControls.findstat->SetCaption(FindStatusText(*FFileFinder));
}

void TFindFilesPane::Start() {
    if (FProjectDir.empty() || Searching() || !FFileFinder) return;
    const std::string What = FControls.FindWhat ? FControls.FindWhat->Text() : std::string();
    const bool CaseSensitive = FControls.FindCase && FControls.FindCase->Checked();
    PrepareFindInFiles(*FFileFinder, FProjectDir, What, CaseSensitive);
    UpdateStartButton();
    UpdateStatus();
    FFileFinder->Execute();
}

void TFindFilesPane::StartClick(TObject*) { Start(); }

void TFindFilesPane::FinderTerminated(TObject*) {
    if (FControls.SearchResults) FControls.SearchResults->Items()->Assign(FFileFinder->FoundFiles());
    FFileFinder->SetTag(0);
    UpdateStatus();
    UpdateStartButton();
}

void TFindFilesPane::FinderError(TObject*, const std::string& Message) {
    if (OnSearchFailed) {
        OnSearchFailed(Message);
        return;
    }
    HWND Owner = nullptr;
    if (FControls.SearchResults && FControls.SearchResults->HandleAllocated())
        Owner = GetAncestor(FControls.SearchResults->Handle(), GA_ROOT);
    ShowMessageBox(Owner, Message, "Find In Files", MB_OK | MB_ICONERROR);
}

void TFindFilesPane::ResultsDblClick(TObject*) {
    TListBox* List = FControls.SearchResults;
    if (!List || !OnOpenFile) return;
    const int Index = List->ItemIndex();
    if (Index < 0 || Index >= List->Items()->Count()) return;
    OnOpenFile(List->Items()->Strings(Index));
}

void TFindFilesPane::StatusTimer(TObject*) { UpdateStatus(); }

QRN_PUBLISHED(TFindFilesPane) {}
