#include "ide/win/BuildWindowView.h"

TBuildWindowView::TBuildWindowView(TCustomForm* MainForm, TMessagePanes& Panes, IBuildHost& Host)
    : TComponent(MainForm), FMainForm(MainForm), FPanes(Panes), FHost(Host) {}

void TBuildWindowView::SaveAll() { FHost.SaveAll(); }

void TBuildWindowView::ShowProgress(const std::string& ProjectText) {
    if (FProgress) {
        FProgress->Free();
        FProgress = nullptr;
    }
    FProgress = new TProgressFrm(FMainForm);
    FProgress->FreeNotification(this);
    FProgress->Project->SetCaption(ProjectText);
    Application->ProcessMessages();
    // Processing messages may have closed it already.
    if (!FProgress) return;
    FProgress->Repaint();
    FProgress->Show();
}

void TBuildWindowView::ShowMessagesPage() { FHost.ShowMessagesPage(); }

void TBuildWindowView::SetMainWindowEnabled(bool Enabled) {
    // Only closing the progress form enables the main window again after a
    // build; with no form to close, it must not be disabled at all.
    if (!Enabled && !FProgress) return;
    if (FMainForm) FMainForm->SetEnabled(Enabled);
    // The build is over, however it ended: the progress form must be
    // closable even when a failure cut the steps short.
    if (Enabled && FProgress) FProgress->Button->SetEnabled(true);
}

TPanel* TBuildWindowView::PanelOf(TProgressPanel Panel) const {
    switch (Panel) {
        case TProgressPanel::Project:
            return FProgress->Project;
        case TProgressPanel::Compiling:
            return FProgress->CompilingSt;
        case TProgressPanel::Linking:
            return FProgress->LinkingSt;
        case TProgressPanel::Lines:
            return FProgress->Lines;
    }
    return nullptr;
}

void TBuildWindowView::SetProgressText(TProgressPanel Panel, const std::string& Text) {
    if (!FProgress) return;
    if (TPanel* P = PanelOf(Panel)) P->SetCaption(Text);
}

void TBuildWindowView::SetProgressButton(const std::string& Caption, bool Enabled) {
    if (!FProgress) return;
    FProgress->Button->SetCaption(Caption);
    FProgress->Button->SetEnabled(Enabled);
}

void TBuildWindowView::FocusProgress() {
    if (FProgress && FProgress->CanFocus()) FProgress->SetFocus();
}

void TBuildWindowView::Refresh() {
    Application->ProcessMessages();
    if (FProgress) FProgress->Repaint();
}

void TBuildWindowView::AddOutput(const std::string& Line) { FPanes.AddOutput(Line); }

void TBuildWindowView::AddMessage(const std::string& Text) { FPanes.AddMessage(Text); }

void TBuildWindowView::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FProgress) FProgress = nullptr;
}

QRN_PUBLISHED(TBuildWindowView) {}
