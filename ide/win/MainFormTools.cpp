// The tools toolbar of the main window: built from tools.dat at creation
// and after Options, one button per tool with its program's icon.
#include "docking/win/DockingControls.h"
#include "framework/graphics/ImageList.h"
#include "ide/win/MainForm.h"
#include "ide/win/ToolsToolbar.h"

void TMainForm::LoadToolsBar(const std::string& FileName) {
    TToolsToolbarHost Host;
    Host.FreeToolbar = [this] {
        if (!ToolsBar) return;
        ToolsBar->Free();
        ToolsBar = nullptr;
    };
    Host.ClearImages = [this] { ToolImgs->Clear(); };
    Host.CreateToolbar = [this] {
        ToolsBar = new TQToolbar(this);
        ToolsBar->SetCaption("Tools");
        ToolsBar->SetCloseButton(false);
        ToolsBar->SetShowHint(true);
    };
    Host.AddImage = [this](HICON Icon) {
        TIcon Image;
        Image.SetHandle(CopyIcon(Icon));
        return ToolImgs->AddIcon(&Image);
    };
    Host.AddButton = [this](const TToolEntry& Tool, int ImageIndex) {
        // Owned by the toolbar, so a reload takes the buttons with it.
        auto* Button = new TQToolbarButton(ToolsBar);
        Button->SetPath(Tool.Line);
        Button->SetImages(ToolImgs);
        Button->SetImageIndex(ImageIndex);
        Button->SetHint(Tool.Program);
        Button->SetShowHint(true);
        Button->OnClick = TNotifyEvent(this, &TMainForm::ToolButtonClick);
        Button->SetParent(ToolsBar);
    };
    Host.DockToolbar = [this] {
        // Right after the main toolbar: a bar's default position would put
        // it first.
        ToolsBar->SetDockPos(MainToolbar->DockedTo() == TopDock ? MainToolbar->Left() + MainToolbar->Width() : 0);
        ToolsBar->SetDockedTo(TopDock);
        MainToolbar->SetDockPos(0);
    };
    LoadToolsToolbar(FileName, Host);
}

void TMainForm::ToolButtonClick(TObject* Sender) {
    if (auto* Button = dynamic_cast<TQToolbarButton*>(Sender)) RunToolLine(Handle(), Button->Path());
}
