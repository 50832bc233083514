#pragma once
// TMainForm: the IDE's MDI frame. It holds the open project, the menu of
// every command, the tab strip of code windows, the Project Manager's file
// list and the bottom pages. The commands live in files of their own
// (MainFormProject*.cpp, MainFormBuild.cpp, MainFormPlugins.cpp,
// MainFormMedia.cpp); this unit only wires them to the menu.
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/Forms.h"
#include "ide/ProjectFile.h"
#include "ide/win/CodeWindowSite.h"
#include "ide/win/ErrorBox.h"
#include "product/ProjectInfo.h"

class TMainMenu;
class TMenuItem;
class TPopupMenu;
class TTabControl;
class TPageControl;
class TTabSheet;
class TListBox;
class TListView;
class TListItem;
class TPanel;
class TButton;
class TTransparentButton;
class TSplitter;
class TTimer;
class TOpenDialog;
class TSaveDialog;
class TFindDialog;
class TCodeWindow;
class TStringList;
class TImageList;
class TQDock;
class TQToolbar;
class TQToolbarButton;
class TQToolbarSep;
class TQToolWindow;
class TFindFilesPane;
class TMdiClientClicks;

enum class TSaveAllResult { NothingOpen, Saved, Failed };

class TMainForm : public TForm, public ICodeWindowSite {
    QRN_CLASS(TMainForm, TForm)
public:
    explicit TMainForm(TComponent* AOwner);
    ~TMainForm() override;

    // ---- components of MainForm.qfm
    TMainMenu* MainMenu = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* FileNewProject1 = nullptr;
    TMenuItem* FileOpenProject1 = nullptr;
    TMenuItem* FileSaveProjectAs1 = nullptr;
    TMenuItem* FileCloseProject1 = nullptr;
    TMenuItem* FileSaveAll1 = nullptr;
    TMenuItem* FileForceCompile1 = nullptr;
    TMenuItem* FilePrint1 = nullptr;
    TMenuItem* FilePrintSetup1 = nullptr;
    TMenuItem* FilePrintPreview1 = nullptr;
    TMenuItem* FileExit1 = nullptr;
    TMenuItem* Edit1 = nullptr;
    TMenuItem* EditUndo1 = nullptr;
    TMenuItem* EditRedo1 = nullptr;
    TMenuItem* EditCut1 = nullptr;
    TMenuItem* EditCopy1 = nullptr;
    TMenuItem* EditPaste1 = nullptr;
    TMenuItem* EditFind1 = nullptr;
    TMenuItem* EditFindAgain1 = nullptr;
    TMenuItem* EditReplace1 = nullptr;
    TMenuItem* Project1 = nullptr;
    TMenuItem* ProjectAddFile1 = nullptr;
    TMenuItem* ProjectAddNewFile1 = nullptr;
    TMenuItem* ProjectAddNewFileAssembler1 = nullptr;
    TMenuItem* ProjectAddNewFileInclude1 = nullptr;
    TMenuItem* ProjectAddNewFileMacro1 = nullptr;
    TMenuItem* ProjectBuildProject1 = nullptr;
    TMenuItem* ProjectBuildDebugProject1 = nullptr;
    TMenuItem* ProjectRunProject1 = nullptr;
    TMenuItem* ProjectRunInDebugger1 = nullptr;
    TMenuItem* ProjectOptions1 = nullptr;
    TMenuItem* View1 = nullptr;
    TMenuItem* ViewProjectManager1 = nullptr;
    TMenuItem* ViewFullOutput1 = nullptr;
    TMenuItem* ViewFormDesigner1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* HelpAbout1 = nullptr;

    TQDock* TopDock = nullptr;
    TQToolbar* MainToolbar = nullptr;
    TQToolbarButton* NewBtn = nullptr;
    TQToolbarButton* btnOpen = nullptr;
    TQToolbarButton* btnSave = nullptr;
    TQToolbarButton* btnSaveAll = nullptr;
    TQToolbarSep* ToolbarSep1 = nullptr;
    TQToolbarButton* btnClose = nullptr;
    TQToolbarSep* ToolbarSep2 = nullptr;
    TQToolbarButton* CompileProj = nullptr;
    TQToolbarButton* BUildProj = nullptr;
    TQToolbarSep* ToolbarSep3 = nullptr;
    TQToolbarButton* btnRunDebugger = nullptr;
    TQToolbarButton* btnRun = nullptr;
    TQToolbarButton* btnDesigner = nullptr;
    TQDock* LeftDock = nullptr;
    TQDock* RightDock = nullptr;

    TTabControl* tabWindowList = nullptr;
    TPopupMenu* WindowTabsPopup = nullptr;
    TMenuItem* WindowTabsCascade1 = nullptr;
    TMenuItem* WindowTabsTileVertically1 = nullptr;
    TMenuItem* WindowTabsTileHorizontally1 = nullptr;
    TMenuItem* WindowTabsCloseProject1 = nullptr;

    TSplitter* Splitter1 = nullptr;
    TPageControl* DownPage = nullptr;
    TPopupMenu* TabControlPopup = nullptr;
    TMenuItem* TabControlDefaultSize1 = nullptr;
    TMenuItem* TabControlMinimize1 = nullptr;
    TTabSheet* tsMessages = nullptr;
    TListBox* Messages = nullptr;
    TTabSheet* tsFindInFiles = nullptr;
    TTabSheet* tsHotFiles = nullptr;
    TTabSheet* tsRecentFiles = nullptr;

    // The two floating tool windows.
    TQToolWindow* ProjectManager = nullptr;
    TPanel* PmButtons = nullptr;
    TTransparentButton* btnAddFile = nullptr;
    TTransparentButton* btnDelFile = nullptr;
    TTransparentButton* btnPmOptions = nullptr;
    TListView* FIleList = nullptr;
    TPopupMenu* PmanagerPopup = nullptr;
    TMenuItem* PmanagerMinimize1 = nullptr;
    TQToolWindow* Output = nullptr;
    TListBox* FOut = nullptr;

    TTimer* Timer1 = nullptr;
    TOpenDialog* OpenDialog = nullptr;
    TSaveDialog* SaveDialog = nullptr;
    TFindDialog* FindDialog1 = nullptr;
    TImageList* ToolImgs = nullptr;    // the tools toolbar's program icons
    TImageList* ImageList1 = nullptr;  // the file lists' images: 0 source, 1 project

    // The tools toolbar built from tools.dat; none while the file is
    // missing or empty.
    TQToolbar* ToolsBar = nullptr;

    // ---- the open project (MainFormProject*.cpp)
    TProjectInfo Project;
    bool ProjectOpen = false;
    // Nothing changed since the project was opened or saved.
    bool ProjectUnchanged = true;
    bool ProjectBuilt = false;

    // Closes an open project first; false when it stays closed.
    bool OpenProject(const std::string& Path);
    // Asks, closes every code window and resets; false when cancelled or
    // when no project is open.
    bool CloseProjectQuery();
    void ResetProject();
    // A new code window for a project file (Name relative to Dir) or a
    // loose file (full path); none after a message.
    TCodeWindow* OpenProjectFile(const std::string& Name);
    TCodeWindow* OpenFile(const std::string& Path) override;
    // The first code window, in MDI child order, whose file name is Text.
    TCodeWindow* FindCodeWindow(const std::string& Text);
    // False (after a message) when the file could not be written. A window
    // whose file was not loaded whole is not written (result true) until
    // the user agreed to shorten the file.
    bool SaveCodeWindow(TCodeWindow* Window) override;
    // Writes the changed windows and the project file. False when no code
    // window is open (nothing is written then) or a file could not be
    // written.
    bool SaveAll();
    TSaveAllResult SaveAllFiles();
    // Where a code window's file lives: its name when that holds a folder,
    // otherwise the project folder + "\" + name.
    std::string CodeWindowPath(const TCodeWindow* Window) const;
    void RefreshFileList();
    // The Project Manager's caption ("Project Manager - ...").
    std::string ProjectManagerCaption() const;
    void SetProjectManagerCaption(const std::string& Value);
    // Adds a file the user chose to the project (Add file), or creates a
    // new one (Add new file).
    void AddExistingFile();
    void AddNewFile(TNewFileKind Kind);
    void DeleteSelectedFile();
    void SaveProjectAs();
    void OpenCommand();

    TCodeWindow* ActiveCodeWindow();
    int CodeWindowCount();
    TCodeWindow* CodeWindows(int Index);
    // Gives the keyboard focus to the active code window's editor.
    void FocusActiveEditor();

    // ---- window tabs (one per code window, in the order they opened)
    void AddWindowTab(TCodeWindow* Window);
    void RemoveWindowTab(TCodeWindow* Window);
    void SelectWindowTab(TCodeWindow* Window);
    void RenameWindowTab(TCodeWindow* Window);

    // ---- what the code windows tell the main window
    void CodeWindowFocused(TCodeWindow* Window) override { SelectWindowTab(Window); }
    void CodeWindowEdited(TCodeWindow*) override { ProjectUnchanged = false; }
    void CodeWindowClosed(TCodeWindow* Window) override { RemoveWindowTab(Window); }
    std::string ProjectFolder() const override { return Project.Dir; }

    // ---- menu and control handlers of this unit
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnSaveClick(TObject* Sender);
    void FileOpenProject1Click(TObject* Sender);
    void FileSaveProjectAs1Click(TObject* Sender);
    void FileCloseProject1Click(TObject* Sender);
    void FileSaveAll1Click(TObject* Sender);
    void FileExit1Click(TObject* Sender);
    void EditUndo1Click(TObject* Sender);
    void EditRedo1Click(TObject* Sender);
    void EditCut1Click(TObject* Sender);
    void EditCopy1Click(TObject* Sender);
    void EditPaste1Click(TObject* Sender);
    void EditFind1Click(TObject* Sender);
    void EditFindAgain1Click(TObject* Sender);
    void FindDialog1Find(TObject* Sender);
    void ProjectAddFile1Click(TObject* Sender);
    void ProjectAddNewFileAssembler1Click(TObject* Sender);
    void ProjectAddNewFileInclude1Click(TObject* Sender);
    void ProjectAddNewFileMacro1Click(TObject* Sender);
    void ViewProjectManager1Click(TObject* Sender);
    void ViewFullOutput1Click(TObject* Sender);
    void tabWindowListChange(TObject* Sender);
    void WindowTabsCascade1Click(TObject* Sender);
    void WindowTabsTileVertically1Click(TObject* Sender);
    void WindowTabsTileHorizontally1Click(TObject* Sender);
    void TabControlDefaultSize1Click(TObject* Sender);
    void TabControlMinimize1Click(TObject* Sender);
    void PmanagerMinimize1Click(TObject* Sender);
    void DownPageChanging(TObject* Sender, bool& AllowChange);
    void ProjectManagerClose(TObject* Sender);
    void OutputClose(TObject* Sender);
    void btnAddFileClick(TObject* Sender);
    void btnDelFileClick(TObject* Sender);
    void FIleListDblClick(TObject* Sender);
    void FIleListEdited(TObject* Sender, TListItem* Item, std::string& S);
    void Timer1Timer(TObject* Sender);

    // ---- layout in the registry (MainFormLayout.cpp): the bottom pages'
    // height, the tool windows' bounds and the toolbars' docks.
    void SaveLayout();
    void LoadLayout();
    // The dock whose Tag is Value; TopDock for anything else.
    TQDock* DockForTag(int Value) const;
    // Rebuilds the tools toolbar from FileName (nothing changes while the
    // file is missing).
    void LoadToolsBar(const std::string& FileName);

    // --- build and run (MainFormBuild.cpp)
    void FileForceCompile1Click(TObject* Sender);
    void ProjectBuildProject1Click(TObject* Sender);
    void ProjectBuildDebugProject1Click(TObject* Sender);
    void ProjectRunProject1Click(TObject* Sender);
    void ProjectRunInDebugger1Click(TObject* Sender);
    // The build commands' links to this form: the Messages and Full Output
    // panes, the progress form and the project. FormCreate makes them, so
    // the panes' mouse rules work from the start.
    void CreateBuildLinks();
    class TBuildLinks;
    TBuildLinks* BuildLinks = nullptr;  // owned component
    // --- end build and run

    // --- plugins (MainFormPlugins.cpp)
    void FileNewProject1Click(TObject* Sender);
    void ProjectOptions1Click(TObject* Sender);
    void ViewFormDesigner1Click(TObject* Sender);
    // --- end plugins

    // --- about, find, tools (MainFormMedia.cpp)
    void HelpAbout1Click(TObject* Sender);
    // Adds a path to the recent files.
    void AddRecentFile(const std::string& Path);
    // Fills the Find In Files, Hot Files and Recent Files pages and takes
    // files dropped on the window. Called once, from FormCreate, before
    // the lists are loaded.
    void CreateMediaPanes();
    void LoadRecentFiles();
    void LoadHotFiles();
    // The timer's part on the Find In Files page: "Start" and the status.
    void UpdateFindInFiles();
    TFindFilesPane* FindPane() const;
    class TMediaPanes;
    TMediaPanes* MediaPanes = nullptr;  // owned component
    // --- end about, find, tools

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void DefaultHandler(void* Message) override;
    void CreateWnd() override;

private:
    // The main window's double-click event comes from its MDI client area.
    std::unique_ptr<TMdiClientClicks> FClientClicks;
    void LoadGlyphs();
    void ToolButtonClick(TObject* Sender);
    TCodeWindow* NewCodeWindow(const std::string& FilePath, const std::string& Caption);
    void CloseAllCodeWindows(bool WithProject);
    bool AskOverwrite(const std::string& Path);
    void PlaceMdiClient();


    std::vector<TCodeWindow*> FWindowTabs;  // parallel to tabWindowList's tabs
    TRect FMdiClientRect{};
    int FStoredDownPageHeight = 120;
};

extern TMainForm* MainForm;
