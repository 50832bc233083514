// The smaller services of the main window: the recent and hot files pages,
// find in files, files dropped on the window and the About box.
#include <vector>

#include "controls/UtilProcs.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/FileUtils.h"
#include "framework/stdctrls/StdCtrls.h"
#include "ide/HotFiles.h"
#include "ide/ListTexts.h"
#include "ide/RecentFiles.h"
#include "ide/win/AboutForm.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/DroppedFiles.h"
#include "ide/win/FindFilesPane.h"
#include "ide/win/MainForm.h"
#include "ide/win/QuillMemoCI.h"

namespace {

TMenuItem* AddMenuItem(TPopupMenu* Menu, const std::string& Caption, TNotifyEvent OnClick) {
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption(Caption);
    Item->OnClick = OnClick;
    Menu->Items()->Add(Item);
    return Item;
}

TListView* MakeFileList(TComponent* Owner, TWinControl* Parent, TCustomImageList* Images) {
    auto* List = new TListView(Owner);
    List->SetParent(Parent);
    List->SetAlign(alClient);
    List->SetViewStyle(vsList);
    List->SetReadOnly(true);
    List->SetHideSelection(false);
    List->SetSmallImages(Images);
    return List;
}

// The full path an item stands for (its sub-item).
std::string ItemPath(TListItem* Item) {
    return Item && Item->SubItems()->Count() > 0 ? Item->SubItems()->Strings(0) : std::string();
}

void AddListItem(TListView* List, const std::string& Caption, const std::string& Path, int Image) {
    TListItem* Item = List->Items()->Add();
    Item->SetCaption(Caption);
    Item->SubItems()->Add(Path);
    Item->SetImageIndex(Image);
}

}  // namespace

class TMainForm::TMediaPanes : public TComponent {
public:
    explicit TMediaPanes(TMainForm* Form) : TComponent(Form), F(Form) {
        CreateRecentPage();
        CreateHotPage();
        CreateFindPage();
        F->SetAcceptFiles(true);
        F->OnDropFiles = TDropFilesEvent(this, &TMediaPanes::FormDropFiles);
        F->OnDragOver = TDragOverEvent(this, &TMediaPanes::FormDragOver);
        F->OnDragDrop = TDragDropEvent(this, &TMediaPanes::FormDragDrop);
    }

    // ---- recent files
    void LoadRecent() {
        const auto Items = ::LoadRecentFiles(RecentFilesPath(GetExeDir()), [](const std::string& P) {
            return FileExists(P);
        });
        if (!Items) return;
        RecentFiles->Items()->Clear();
        for (const TRecentItem& I : *Items) AddListItem(RecentFiles, I.Caption, I.Path, I.ImageIndex);
    }
    std::vector<TRecentItem> RecentItems() const {
        std::vector<TRecentItem> Items;
        for (int I = 0; I < RecentFiles->Items()->Count(); ++I) {
            TListItem* Item = RecentFiles->Items()->Item(I);
            Items.push_back({Item->Caption(), ItemPath(Item), Item->ImageIndex()});
        }
        return Items;
    }
    void SaveRecent() { SaveRecentFiles(RecentFilesPath(GetExeDir()), RecentItems()); }
    void AddRecent(const std::string& Path) {
        std::vector<TRecentItem> Items = RecentItems();
        if (!::AddRecentFile(Items, Path)) return;
        const TRecentItem& Added = Items.back();
        AddListItem(RecentFiles, Added.Caption, Added.Path, Added.ImageIndex);
        SaveRecent();
    }
    void RecentOpen(TObject*) {
        const std::string Path = ItemPath(RecentFiles->Selected());
        if (Path.empty()) return;
        if (IsProjectFileName(Path))
            F->OpenProject(Path);
        else
            F->OpenFile(Path);
    }
    void RecentDelete(TObject*) {
        TListItem* Item = RecentFiles->Selected();
        if (!Item) return;
        Item->Delete();
        SaveRecent();
    }
    void RecentClick(TObject*) { RecentFiles->SetHint(ItemPath(RecentFiles->Selected())); }
    void RecentKeyDown(TObject* Sender, uint16_t& Key, TShiftState) {
        if (Key == VK_DELETE) RecentDelete(Sender);
    }
    void RecentPopup(TObject*) {
        const bool Selected = RecentFiles->Selected() != nullptr;
        RecentOpenItem->SetEnabled(Selected);
        RecentDeleteItem->SetEnabled(Selected);
    }

    // ---- hot files
    void LoadHot() {
        const auto Items = ::LoadHotFiles(HotFilesPath(GetExeDir()));
        if (!Items) return;
        HotFiles->Items()->Clear();
        for (const THotItem& I : *Items) AddListItem(HotFiles, I.Caption, I.Path, I.ImageIndex);
    }
    void SaveHot() {
        std::vector<THotItem> Items;
        for (int I = 0; I < HotFiles->Items()->Count(); ++I) {
            TListItem* Item = HotFiles->Items()->Item(I);
            Items.push_back({Item->Caption(), ItemPath(Item), Item->ImageIndex()});
        }
        SaveHotFiles(HotFilesPath(GetExeDir()), Items);
    }
    void AddHot(const THotItem& Item) {
        AddListItem(HotFiles, Item.Caption, Item.Path, Item.ImageIndex);
        SaveHot();
    }
    bool CodeWindowActive() const { return F->ProjectOpen && F->ActiveCodeWindow() != nullptr; }
    void HotPopup(TObject*) {
        const bool Selected = HotFiles->Selected() != nullptr;
        HotOpenItem->SetEnabled(Selected);
        HotIncludeItem->SetEnabled(Selected && CodeWindowActive());
        HotAddToProjectItem->SetEnabled(Selected && CodeWindowActive());
        HotDeleteItem->SetEnabled(Selected);
        HotAddCurrentItem->SetEnabled(CodeWindowActive());
    }
    void HotOpen(TObject*) {
        const std::string Path = ItemPath(HotFiles->Selected());
        if (!Path.empty()) F->OpenFile(Path);
    }
    void HotInclude(TObject*) {
        TCodeWindow* Window = F->ActiveCodeWindow();
        const std::string Path = ItemPath(HotFiles->Selected());
        if (!Window || Path.empty()) return;
        TQuillMemoCI* Editor = Window->CodeEditor;
        Editor->SetSelLength(0);
        Editor->SetSelText(IncludeStatement(GetShortPath(Path)));
        Window->FocusEditor();
    }
    void HotAddToProject(TObject*) {
        TListItem* Item = HotFiles->Selected();
        if (!Item || !F->ProjectOpen) return;
        // The full path stays as it is: joining it with the project folder
        // leaves an absolute entry alone.
        F->Project.Files.push_back(ProjectEntryForHotFile({Item->Caption(), ItemPath(Item), Item->ImageIndex()}));
        F->ProjectUnchanged = false;
        F->RefreshFileList();
    }
    void HotDelete(TObject*) {
        TListItem* Item = HotFiles->Selected();
        if (!Item) return;
        Item->Delete();
        SaveHot();
        LoadHot();
    }
    void HotAddFile(TObject*) {
        TOpenDialog* Dialog = F->OpenDialog;
        if (!Dialog) return;
        const std::string OldFilter = Dialog->Filter();
        Dialog->SetFilter(std::string(ListTexts::HotFileFilter));
        Dialog->SetFileName("");
        Dialog->SetInitialDir(F->Project.Dir);
        const bool Chosen = Dialog->Execute();
        Dialog->SetFilter(OldFilter);
        if (Chosen) AddHot(HotItemForFile(Dialog->FileName()));
    }
    void HotAddCurrent(TObject*) {
        TCodeWindow* Window = F->ActiveCodeWindow();
        if (!Window) return;
        AddHot(HotItemForWindow(Window->FileName(), F->Project.Dir));
    }
    void HotClick(TObject*) { HotFiles->SetHint(ItemPath(HotFiles->Selected())); }

    // ---- dropping
    TDropOpeners Openers() {
        return {[this](const std::string& P) { F->OpenProject(P); }, [this](const std::string& P) { F->OpenFile(P); }};
    }
    void FormDropFiles(TObject*, const std::vector<std::string>& Files, int, int) { OpenShellDrop(Files, Openers()); }
    void FormDragOver(TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; }
    void FormDragDrop(TObject*, TObject* Source, int, int) {
        if (!dynamic_cast<TListView*>(Source)) return;
        const std::string Path = DraggedListPath(Source);
        if (!Path.empty()) OpenHotFileDrop(Path, Openers(), F->Handle());
    }

    TListView* RecentFiles = nullptr;
    TListView* HotFiles = nullptr;
    TFindFilesPane* Find = nullptr;

private:
    void CreateRecentPage() {
        RecentFiles = MakeFileList(this, F->tsRecentFiles, F->ImageList1);
        auto* Popup = new TPopupMenu(this);
        RecentOpenItem = AddMenuItem(Popup, "Open", TNotifyEvent(this, &TMediaPanes::RecentOpen));
        RecentDeleteItem = AddMenuItem(Popup, "Delete", TNotifyEvent(this, &TMediaPanes::RecentDelete));
        Popup->OnPopup = TNotifyEvent(this, &TMediaPanes::RecentPopup);
        RecentFiles->SetPopupMenu(Popup);
        RecentFiles->OnClick = TNotifyEvent(this, &TMediaPanes::RecentClick);
        RecentFiles->OnDblClick = TNotifyEvent(this, &TMediaPanes::RecentOpen);
        RecentFiles->OnKeyDown = TKeyEvent(this, &TMediaPanes::RecentKeyDown);
        RecentFiles->SetShowHint(true);
    }
    void CreateHotPage() {
        HotFiles = MakeFileList(this, F->tsHotFiles, F->ImageList1);
        HotFiles->SetDragMode(dmAutomatic);
        auto* Popup = new TPopupMenu(this);
        HotOpenItem = AddMenuItem(Popup, "Open File", TNotifyEvent(this, &TMediaPanes::HotOpen));
        HotIncludeItem = AddMenuItem(Popup, "Include File", TNotifyEvent(this, &TMediaPanes::HotInclude));
        HotAddToProjectItem = AddMenuItem(Popup, "Add to project", TNotifyEvent(this, &TMediaPanes::HotAddToProject));
        HotDeleteItem = AddMenuItem(Popup, "Delete File", TNotifyEvent(this, &TMediaPanes::HotDelete));
        AddMenuItem(Popup, "Add File ...", TNotifyEvent(this, &TMediaPanes::HotAddFile));
        HotAddCurrentItem = AddMenuItem(Popup, "Add Current File", TNotifyEvent(this, &TMediaPanes::HotAddCurrent));
        Popup->OnPopup = TNotifyEvent(this, &TMediaPanes::HotPopup);
        HotFiles->SetPopupMenu(Popup);
        HotFiles->OnClick = TNotifyEvent(this, &TMediaPanes::HotClick);
        HotFiles->SetShowHint(true);
    }
    void CreateFindPage() {
        auto* Bar = new TPanel(this);
        Bar->SetParent(F->tsFindInFiles);
        Bar->SetAlign(alTop);
        Bar->SetHeight(34);
        Bar->SetBevelOuter(bvNone);
        Bar->SetCaption("");
        auto* Caption = new TLabel(this);
        Caption->SetParent(Bar);
        Caption->SetBounds(8, 10, 60, 13);
        Caption->SetCaption("Find What :");
        TFindFilesControls C;
        C.FindWhat = new TEdit(this);
        C.FindWhat->SetParent(Bar);
        C.FindWhat->SetBounds(72, 6, 240, 21);
        C.FindCase = new TCheckBox(this);
        C.FindCase->SetParent(Bar);
        C.FindCase->SetBounds(320, 8, 110, 17);
        C.FindCase->SetCaption("Case Sensitive");
        C.btnFindStart = new TTransparentButton(this);
        C.btnFindStart->SetParent(Bar);
        C.btnFindStart->SetBounds(436, 4, 75, 25);
        C.btnFindStart->SetCaption("Start");
        C.btnFindStart->SetFrameStyle(fsRegular);
        C.btnFindStart->SetTransparent(false);
        C.findstat = new TLabel(this);
        C.findstat->SetParent(Bar);
        C.findstat->SetBounds(520, 10, 240, 13);
        C.SearchResults = new TListBox(this);
        C.SearchResults->SetParent(F->tsFindInFiles);
        C.SearchResults->SetAlign(alClient);
        Find = new TFindFilesPane(this, C);
        Find->OnOpenFile = [this](const std::string& Path) { F->OpenFile(Path); };
    }

    TMainForm* F;
    TMenuItem* RecentOpenItem = nullptr;
    TMenuItem* RecentDeleteItem = nullptr;
    TMenuItem* HotOpenItem = nullptr;
    TMenuItem* HotIncludeItem = nullptr;
    TMenuItem* HotAddToProjectItem = nullptr;
    TMenuItem* HotDeleteItem = nullptr;
    TMenuItem* HotAddCurrentItem = nullptr;
};

void TMainForm::CreateMediaPanes() { MediaPanes = new TMediaPanes(this); }
void TMainForm::LoadRecentFiles() { MediaPanes->LoadRecent(); }
void TMainForm::LoadHotFiles() { MediaPanes->LoadHot(); }

TFindFilesPane* TMainForm::FindPane() const { return MediaPanes->Find; }

void TMainForm::UpdateFindInFiles() {
    // "Start" follows the open project; the status line the searcher.
    MediaPanes->Find->SetProjectDir(ProjectOpen ? Project.Dir : std::string());
    MediaPanes->Find->UpdateStatus();
}

void TMainForm::HelpAbout1Click(TObject*) { ShowAboutBox(this, AboutMusicPath(GetExeDir())); }

void TMainForm::AddRecentFile(const std::string& Path) { MediaPanes->AddRecent(Path); }
