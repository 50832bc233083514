// TMainForm: creation, showing and closing, the menu's wiring, the window
// tabs, the edit and search commands on the active code window, the bottom
// pages, the tool windows and the command-state timer.
#include "ide/win/MainForm.h"

#include <memory>

#include "controls/UtilProcs.h"
#include "controls/win/TransBtn.h"
#include "docking/win/DockingControls.h"
#include "editor/win/QuillMemo.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Timer.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "ide/IdeTexts.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/MdiClientClicks.h"
#include "ide/win/QuillMemoCI.h"
#include "product/ProductTitle.h"
#include "product/ToolsFile.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int MinimizedDownPageHeight = 19;
constexpr int DefaultDownPageHeight = 123;
// The Project Manager's client height, full and reduced to its buttons.
constexpr int ProjectManagerFullHeight = 173;
constexpr int ProjectManagerMinimizedHeight = 24;
// Where FormShow puts the tool windows relative to the main window.
constexpr int ToolWindowGapTop = 25;
constexpr int ToolWindowGapRight = 30;

constexpr int GlyphSize = 16;
// Cells of the MAINGLYPHS strip after the main toolbar's ten glyphs.
constexpr int SourceFileImageCell = 10;
constexpr int ProjectFileImageCell = 11;

void RegisterMainFormClasses() {
    RegisterComCtrls();
    RegisterStdCtrls();
    RegisterListControls();
    RegisterExtControls();
    RegisterDockingControls();
    RegisterClasses({TMainMenu::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass(),
                     TTimer::StaticClass(), TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                     TFindDialog::StaticClass(), TImageList::StaticClass(), TTransparentButton::StaticClass()});
}

std::unique_ptr<TBitmap> GlyphCell(TBitmap* Strip, int Index) {
    auto Cell = std::make_unique<TBitmap>();
    Cell->SetSize(GlyphSize, GlyphSize);
    Cell->Canvas()->CopyRect(TRect{0, 0, GlyphSize, GlyphSize}, Strip->Canvas(),
                             TRect{Index * GlyphSize, 0, (Index + 1) * GlyphSize, GlyphSize});
    return Cell;
}

}  // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    MainForm = this;
    RegisterMainFormClasses();
    ReadFormResource("MAINFORM");
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::LoadGlyphs() {
    TBitmap Strip;
    Strip.LoadFromResourceName(FrameworkInstance(), "MAINGLYPHS");
    // The strip's cells in button order.
    TQToolbarButton* const Buttons[] = {NewBtn,      btnOpen,   btnSave,        btnSaveAll, btnClose,
                                        CompileProj, BUildProj, btnRunDebugger, btnRun,     btnDesigner};
    for (int I = 0; I < static_cast<int>(std::size(Buttons)); ++I) Buttons[I]->SetGlyph(GlyphCell(&Strip, I).get());
    ImageList1->AddMasked(GlyphCell(&Strip, SourceFileImageCell).get(), clFuchsia);
    ImageList1->AddMasked(GlyphCell(&Strip, ProjectFileImageCell).get(), clFuchsia);
}

void TMainForm::FormCreate(TObject*) {
    // The identity list (FWindowTabs) lives with the form.
    Application->SetTitle(TitleString);
    SetCaption(TitleString);
    SetProjectManagerCaption(std::string(IdeTexts::NoProjectCaption));
    LoadGlyphs();
    // The bottom pages' lists and files dropped on the window.
    CreateMediaPanes();
    CreateBuildLinks();
    LoadToolsBar(ToolsFilePath(GetExeDir()));
    LoadRecentFiles();
    LoadLayout();
}

void TMainForm::FormShow(TObject*) {
    // The window (maximised by its form) would take its maximised bounds
    // only after this event; the tool windows belong inside the edge the
    // user will see.
    if (!IsWindowVisible(Handle())) ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    // Beside the main window's right edge, below its docks and tabs; the
    // sizes restored by LoadLayout stay.
    const int PmLeft = Left() + Width() - ProjectManager->Width() - ToolWindowGapRight;
    const int PmTop = TopDock->Height() + Top() + tabWindowList->Height() + ToolWindowGapTop;
    ProjectManager->SetBounds(PmLeft, PmTop, ProjectManager->Width(), ProjectManager->Height());
    Output->SetBounds(PmLeft, PmTop + ProjectManager->Height(), Output->Width(), Output->Height());
    LoadHotFiles();
}

void TMainForm::FormClose(TObject*, TCloseAction& Action) {
    // Cancel on the project's save question (or on a code window's own)
    // keeps the IDE open, so no edit is lost.
    if (ProjectOpen) {
        if (!CloseProjectQuery()) {
            Action = caNone;
            return;
        }
    } else {
        // The frame's close query has already put each window's own save
        // question (a Cancel there never reaches this point): asking again
        // here would repeat it for every window answered No.
        CloseAllCodeWindows(true);
    }
    FWindowTabs.clear();
    Project.Files.clear();
    SaveLayout();
}

// ---- code windows

int TMainForm::CodeWindowCount() {
    int N = 0;
    for (int I = 0; I < MDIChildCount(); ++I)
        if (auto* W = dynamic_cast<TCodeWindow*>(MDIChildren(I)); W && !W->Closing()) ++N;
    return N;
}

TCodeWindow* TMainForm::CodeWindows(int Index) {
    for (int I = 0; I < MDIChildCount(); ++I)
        if (auto* W = dynamic_cast<TCodeWindow*>(MDIChildren(I)); W && !W->Closing() && Index-- == 0) return W;
    return nullptr;
}

TCodeWindow* TMainForm::ActiveCodeWindow() {
    auto* W = dynamic_cast<TCodeWindow*>(ActiveMDIChild());
    return W && !W->Closing() ? W : nullptr;
}

TCodeWindow* TMainForm::FindCodeWindow(const std::string& Text) {
    for (int I = 0; I < CodeWindowCount(); ++I)
        if (TCodeWindow* W = CodeWindows(I); W->FileName() == Text) return W;
    return nullptr;
}

void TMainForm::FocusActiveEditor() {
    if (TCodeWindow* W = ActiveCodeWindow()) W->FocusEditor();
}

void TMainForm::CloseAllCodeWindows(bool WithProject) {
    std::vector<TCodeWindow*> Windows;
    for (int I = 0; I < CodeWindowCount(); ++I) Windows.push_back(CodeWindows(I));
    for (TCodeWindow* W : Windows) {
        W->ClosingWithProject = WithProject;
        W->Close();
    }
}

// ---- window tabs

void TMainForm::AddWindowTab(TCodeWindow* Window) {
    FWindowTabs.push_back(Window);
    tabWindowList->Tabs()->Add(Window->Caption());
    tabWindowList->SetTabIndex(static_cast<int>(FWindowTabs.size()) - 1);
}

void TMainForm::RemoveWindowTab(TCodeWindow* Window) {
    for (size_t I = 0; I < FWindowTabs.size(); ++I)
        if (FWindowTabs[I] == Window) {
            FWindowTabs.erase(FWindowTabs.begin() + static_cast<std::ptrdiff_t>(I));
            tabWindowList->Tabs()->Delete(static_cast<int>(I));
            return;
        }
}

void TMainForm::SelectWindowTab(TCodeWindow* Window) {
    for (size_t I = 0; I < FWindowTabs.size(); ++I)
        if (FWindowTabs[I] == Window && tabWindowList->TabIndex() != static_cast<int>(I))
            tabWindowList->SetTabIndex(static_cast<int>(I));
}

void TMainForm::RenameWindowTab(TCodeWindow* Window) {
    for (size_t I = 0; I < FWindowTabs.size(); ++I)
        if (FWindowTabs[I] == Window) tabWindowList->Tabs()->Put(static_cast<int>(I), Window->Caption());
}

void TMainForm::tabWindowListChange(TObject*) {
    const int I = tabWindowList->TabIndex();
    if (I >= 0 && I < static_cast<int>(FWindowTabs.size())) FWindowTabs[static_cast<size_t>(I)]->BringToFront();
}

void TMainForm::WindowTabsCascade1Click(TObject*) { Cascade(); }

void TMainForm::WindowTabsTileVertically1Click(TObject*) {
    if (ClientHandle()) SendMessageA(ClientHandle(), WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TMainForm::WindowTabsTileHorizontally1Click(TObject*) {
    if (ClientHandle()) SendMessageA(ClientHandle(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

// ---- the MDI client takes what the aligned controls leave

void TMainForm::AlignControls(TControl* AControl, TRect& Rect) {
    TForm::AlignControls(AControl, Rect);
    FMdiClientRect = Rect;
    PlaceMdiClient();
}

void TMainForm::PlaceMdiClient() {
    if (!ClientHandle() || FMdiClientRect.Right <= FMdiClientRect.Left) return;
    MoveWindow(ClientHandle(), FMdiClientRect.Left, FMdiClientRect.Top, FMdiClientRect.Right - FMdiClientRect.Left,
               FMdiClientRect.Bottom - FMdiClientRect.Top, TRUE);
}

void TMainForm::CreateWnd() {
    TForm::CreateWnd();
    if (!FClientClicks) FClientClicks = std::make_unique<TMdiClientClicks>([this] { DblClick(); });
    FClientClicks->Watch(ClientHandle());
}

void TMainForm::DefaultHandler(void* Message) {
    // The frame's default handling of a new size stretches the client over
    // the whole window, after the realignment has put it between the
    // aligned controls: moved twice, it would lay out and paint its
    // children twice.
    auto& M = *static_cast<TMessage*>(Message);
    if (M.Msg == WM_SIZE && ClientHandle()) {
        M.Result = 0;
        return;
    }
    TForm::DefaultHandler(Message);
}

// ---- File and Edit commands

void TMainForm::FileOpenProject1Click(TObject*) { OpenCommand(); }
void TMainForm::FileSaveProjectAs1Click(TObject*) { SaveProjectAs(); }
void TMainForm::FileCloseProject1Click(TObject*) { CloseProjectQuery(); }
void TMainForm::FileSaveAll1Click(TObject*) { SaveAll(); }
void TMainForm::FileExit1Click(TObject*) { Close(); }

void TMainForm::EditUndo1Click(TObject*) {
    if (TCodeWindow* W = ActiveCodeWindow(); W && W->CodeEditor->CanUndo()) W->CodeEditor->Undo();
}

void TMainForm::EditRedo1Click(TObject*) {
    if (TCodeWindow* W = ActiveCodeWindow(); W && W->CodeEditor->CanRedo()) W->CodeEditor->Redo();
}

void TMainForm::EditCut1Click(TObject*) {
    if (TCodeWindow* W = ActiveCodeWindow()) W->CodeEditor->CutToClipboard();
}

void TMainForm::EditCopy1Click(TObject*) {
    if (TCodeWindow* W = ActiveCodeWindow()) W->CodeEditor->CopyToClipboard();
}

void TMainForm::EditPaste1Click(TObject*) {
    if (TCodeWindow* W = ActiveCodeWindow()) W->CodeEditor->PasteFromClipboard();
}

void TMainForm::EditFind1Click(TObject*) {
    if (ActiveCodeWindow()) FindDialog1->Execute();
}

namespace {

// Searches the window's editor with the dialog's text and options.
bool FindInEditor(TCodeWindow* W, TFindDialog* Dialog) {
    const TFindOptions O = Dialog->Options();
    const bool Found = W->CodeEditor->FindText(Dialog->FindText(), O.Contains(frDown), O.Contains(frWholeWord),
                                               O.Contains(frMatchCase));
    if (Found) W->CodeEditor->ScrollCaretIntoView();
    return Found;
}

void SearchNotFound() { MessageDlg("Search string not found !", mtError, {mbOK}, 0); }

}  // namespace

void TMainForm::FindDialog1Find(TObject*) {
    TCodeWindow* W = ActiveCodeWindow();
    if (!W) return;
    const bool Found = FindInEditor(W, FindDialog1);
    FindDialog1->CloseDialog();
    if (!Found) SearchNotFound();
    W->FocusEditor();
}

void TMainForm::EditFindAgain1Click(TObject*) {
    TCodeWindow* W = ActiveCodeWindow();
    if (!W) return;
    if (!FindInEditor(W, FindDialog1)) SearchNotFound();
    W->FocusEditor();
}

// ---- View, the tool windows and the bottom pages

void TMainForm::ViewProjectManager1Click(TObject*) {
    ViewProjectManager1->SetChecked(!ViewProjectManager1->Checked());
    ProjectManager->SetVisible(ViewProjectManager1->Checked());
}

void TMainForm::ViewFullOutput1Click(TObject*) {
    ViewFullOutput1->SetChecked(!ViewFullOutput1->Checked());
    Output->SetVisible(ViewFullOutput1->Checked());
}

void TMainForm::ProjectManagerClose(TObject*) { ViewProjectManager1->SetChecked(false); }
void TMainForm::OutputClose(TObject*) { ViewFullOutput1->SetChecked(false); }

void TMainForm::TabControlDefaultSize1Click(TObject*) {
    DownPage->SetHeight(DefaultDownPageHeight);
    TabControlMinimize1->SetCaption("Minimize");
}

void TMainForm::TabControlMinimize1Click(TObject*) {
    if (DownPage->Height() == MinimizedDownPageHeight) {
        DownPage->SetHeight(FStoredDownPageHeight);
        TabControlMinimize1->SetCaption("Minimize");
    } else {
        FStoredDownPageHeight = DownPage->Height();
        DownPage->SetHeight(MinimizedDownPageHeight);
        TabControlMinimize1->SetCaption("Maximize");
    }
}

void TMainForm::DownPageChanging(TObject*, bool& AllowChange) {
    // Only the tabs show while minimised.
    if (DownPage->Height() == MinimizedDownPageHeight) AllowChange = false;
}

void TMainForm::PmanagerMinimize1Click(TObject*) {
    ProjectManager->SetClientAreaHeight(ProjectManager->ClientAreaHeight() == ProjectManagerFullHeight
                                            ? ProjectManagerMinimizedHeight
                                            : ProjectManagerFullHeight);
}

std::string TMainForm::ProjectManagerCaption() const { return ProjectManager->Caption(); }

void TMainForm::SetProjectManagerCaption(const std::string& Value) { ProjectManager->SetCaption(Value); }

void TMainForm::btnSaveClick(TObject*) {
    if (TCodeWindow* W = ActiveCodeWindow()) SaveCodeWindow(W);
}

// ---- the command-state timer

void TMainForm::Timer1Timer(TObject*) {
    // Off while it runs, so a message box shown from here cannot stack
    // up further ticks; back on however the handler ends.
    Timer1->SetEnabled(false);
    struct TRestart {
        TTimer* Timer;
        ~TRestart() { Timer->SetEnabled(true); }
    } Restart{Timer1};
    if (!ProjectOpen && ProjectManagerCaption() != IdeTexts::NoProjectCaption) {
        SetProjectManagerCaption(std::string(IdeTexts::NoProjectCaption));
        SetCaption(TitleString);
    }
    for (TQToolbarButton* B : {btnSave, btnSaveAll, btnClose, CompileProj, BUildProj, btnRunDebugger, btnRun})
        B->SetEnabled(ProjectOpen);
    btnDesigner->SetEnabled(ProjectOpen && Project.Kind == pkWin32Exe);
    UpdateFindInFiles();
}

QRN_PUBLISHED(TMainForm) {
#define QRN_MAINFORM_FIELD(Name) B.Field(#Name, &TMainForm::Name)
    QRN_MAINFORM_FIELD(MainMenu);
    QRN_MAINFORM_FIELD(File1);
    QRN_MAINFORM_FIELD(FileNewProject1);
    QRN_MAINFORM_FIELD(FileOpenProject1);
    QRN_MAINFORM_FIELD(FileSaveProjectAs1);
    QRN_MAINFORM_FIELD(FileCloseProject1);
    QRN_MAINFORM_FIELD(FileSaveAll1);
    QRN_MAINFORM_FIELD(FileForceCompile1);
    QRN_MAINFORM_FIELD(FilePrint1);
    QRN_MAINFORM_FIELD(FilePrintSetup1);
    QRN_MAINFORM_FIELD(FilePrintPreview1);
    QRN_MAINFORM_FIELD(FileExit1);
    QRN_MAINFORM_FIELD(Edit1);
    QRN_MAINFORM_FIELD(EditUndo1);
    QRN_MAINFORM_FIELD(EditRedo1);
    QRN_MAINFORM_FIELD(EditCut1);
    QRN_MAINFORM_FIELD(EditCopy1);
    QRN_MAINFORM_FIELD(EditPaste1);
    QRN_MAINFORM_FIELD(EditFind1);
    QRN_MAINFORM_FIELD(EditFindAgain1);
    QRN_MAINFORM_FIELD(EditReplace1);
    QRN_MAINFORM_FIELD(Project1);
    QRN_MAINFORM_FIELD(ProjectAddFile1);
    QRN_MAINFORM_FIELD(ProjectAddNewFile1);
    QRN_MAINFORM_FIELD(ProjectAddNewFileAssembler1);
    QRN_MAINFORM_FIELD(ProjectAddNewFileInclude1);
    QRN_MAINFORM_FIELD(ProjectAddNewFileMacro1);
    QRN_MAINFORM_FIELD(ProjectBuildProject1);
    QRN_MAINFORM_FIELD(ProjectBuildDebugProject1);
    QRN_MAINFORM_FIELD(ProjectRunProject1);
    QRN_MAINFORM_FIELD(ProjectRunInDebugger1);
    QRN_MAINFORM_FIELD(ProjectOptions1);
    QRN_MAINFORM_FIELD(View1);
    QRN_MAINFORM_FIELD(ViewProjectManager1);
    QRN_MAINFORM_FIELD(ViewFullOutput1);
    QRN_MAINFORM_FIELD(ViewFormDesigner1);
    QRN_MAINFORM_FIELD(Help1);
    QRN_MAINFORM_FIELD(HelpAbout1);
    QRN_MAINFORM_FIELD(TopDock);
    QRN_MAINFORM_FIELD(MainToolbar);
    QRN_MAINFORM_FIELD(NewBtn);
    QRN_MAINFORM_FIELD(btnOpen);
    QRN_MAINFORM_FIELD(btnSave);
    QRN_MAINFORM_FIELD(btnSaveAll);
    QRN_MAINFORM_FIELD(ToolbarSep1);
    QRN_MAINFORM_FIELD(btnClose);
    QRN_MAINFORM_FIELD(ToolbarSep2);
    QRN_MAINFORM_FIELD(CompileProj);
    QRN_MAINFORM_FIELD(BUildProj);
    QRN_MAINFORM_FIELD(ToolbarSep3);
    QRN_MAINFORM_FIELD(btnRunDebugger);
    QRN_MAINFORM_FIELD(btnRun);
    QRN_MAINFORM_FIELD(btnDesigner);
    QRN_MAINFORM_FIELD(LeftDock);
    QRN_MAINFORM_FIELD(RightDock);
    QRN_MAINFORM_FIELD(tabWindowList);
    QRN_MAINFORM_FIELD(WindowTabsPopup);
    QRN_MAINFORM_FIELD(WindowTabsCascade1);
    QRN_MAINFORM_FIELD(WindowTabsTileVertically1);
    QRN_MAINFORM_FIELD(WindowTabsTileHorizontally1);
    QRN_MAINFORM_FIELD(WindowTabsCloseProject1);
    QRN_MAINFORM_FIELD(Splitter1);
    QRN_MAINFORM_FIELD(DownPage);
    QRN_MAINFORM_FIELD(TabControlPopup);
    QRN_MAINFORM_FIELD(TabControlDefaultSize1);
    QRN_MAINFORM_FIELD(TabControlMinimize1);
    QRN_MAINFORM_FIELD(tsMessages);
    QRN_MAINFORM_FIELD(Messages);
    QRN_MAINFORM_FIELD(tsFindInFiles);
    QRN_MAINFORM_FIELD(tsHotFiles);
    QRN_MAINFORM_FIELD(tsRecentFiles);
    QRN_MAINFORM_FIELD(ProjectManager);
    QRN_MAINFORM_FIELD(PmButtons);
    QRN_MAINFORM_FIELD(btnAddFile);
    QRN_MAINFORM_FIELD(btnDelFile);
    QRN_MAINFORM_FIELD(btnPmOptions);
    QRN_MAINFORM_FIELD(FIleList);
    QRN_MAINFORM_FIELD(PmanagerPopup);
    QRN_MAINFORM_FIELD(PmanagerMinimize1);
    QRN_MAINFORM_FIELD(Output);
    QRN_MAINFORM_FIELD(FOut);
    QRN_MAINFORM_FIELD(Timer1);
    QRN_MAINFORM_FIELD(OpenDialog);
    QRN_MAINFORM_FIELD(SaveDialog);
    QRN_MAINFORM_FIELD(FindDialog1);
    QRN_MAINFORM_FIELD(ToolImgs);
    QRN_MAINFORM_FIELD(ImageList1);
#undef QRN_MAINFORM_FIELD

#define QRN_MAINFORM_HANDLER(Name) B.Handler(#Name, &TMainForm::Name)
    QRN_MAINFORM_HANDLER(FormCreate);
    QRN_MAINFORM_HANDLER(FormShow);
    QRN_MAINFORM_HANDLER(FormClose);
    QRN_MAINFORM_HANDLER(btnSaveClick);
    QRN_MAINFORM_HANDLER(FileNewProject1Click);
    QRN_MAINFORM_HANDLER(FileOpenProject1Click);
    QRN_MAINFORM_HANDLER(FileSaveProjectAs1Click);
    QRN_MAINFORM_HANDLER(FileCloseProject1Click);
    QRN_MAINFORM_HANDLER(FileSaveAll1Click);
    QRN_MAINFORM_HANDLER(FileForceCompile1Click);
    QRN_MAINFORM_HANDLER(FileExit1Click);
    QRN_MAINFORM_HANDLER(EditUndo1Click);
    QRN_MAINFORM_HANDLER(EditRedo1Click);
    QRN_MAINFORM_HANDLER(EditCut1Click);
    QRN_MAINFORM_HANDLER(EditCopy1Click);
    QRN_MAINFORM_HANDLER(EditPaste1Click);
    QRN_MAINFORM_HANDLER(EditFind1Click);
    QRN_MAINFORM_HANDLER(EditFindAgain1Click);
    QRN_MAINFORM_HANDLER(FindDialog1Find);
    QRN_MAINFORM_HANDLER(ProjectAddFile1Click);
    QRN_MAINFORM_HANDLER(ProjectAddNewFileAssembler1Click);
    QRN_MAINFORM_HANDLER(ProjectAddNewFileInclude1Click);
    QRN_MAINFORM_HANDLER(ProjectAddNewFileMacro1Click);
    QRN_MAINFORM_HANDLER(ProjectBuildProject1Click);
    QRN_MAINFORM_HANDLER(ProjectBuildDebugProject1Click);
    QRN_MAINFORM_HANDLER(ProjectRunProject1Click);
    QRN_MAINFORM_HANDLER(ProjectRunInDebugger1Click);
    QRN_MAINFORM_HANDLER(ProjectOptions1Click);
    QRN_MAINFORM_HANDLER(ViewProjectManager1Click);
    QRN_MAINFORM_HANDLER(ViewFullOutput1Click);
    QRN_MAINFORM_HANDLER(ViewFormDesigner1Click);
    QRN_MAINFORM_HANDLER(HelpAbout1Click);
    QRN_MAINFORM_HANDLER(tabWindowListChange);
    QRN_MAINFORM_HANDLER(WindowTabsCascade1Click);
    QRN_MAINFORM_HANDLER(WindowTabsTileVertically1Click);
    QRN_MAINFORM_HANDLER(WindowTabsTileHorizontally1Click);
    QRN_MAINFORM_HANDLER(TabControlDefaultSize1Click);
    QRN_MAINFORM_HANDLER(TabControlMinimize1Click);
    QRN_MAINFORM_HANDLER(PmanagerMinimize1Click);
    QRN_MAINFORM_HANDLER(DownPageChanging);
    QRN_MAINFORM_HANDLER(ProjectManagerClose);
    QRN_MAINFORM_HANDLER(OutputClose);
    QRN_MAINFORM_HANDLER(btnAddFileClick);
    QRN_MAINFORM_HANDLER(btnDelFileClick);
    QRN_MAINFORM_HANDLER(FIleListDblClick);
    QRN_MAINFORM_HANDLER(FIleListEdited);
    QRN_MAINFORM_HANDLER(Timer1Timer);
#undef QRN_MAINFORM_HANDLER
}
