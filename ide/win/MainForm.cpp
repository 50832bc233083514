// TMainForm: creation, the menu's wiring, the window tabs, the edit and
// search commands on the active code window and the bottom pages.
#include "ide/win/MainForm.h"

#include "editor/QuillMemo.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Timer.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "ide/IdeTexts.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/QuillMemoCI.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int MinimizedDownPageHeight = 19;
constexpr int DefaultDownPageHeight = 123;
constexpr int ProjectManagerFullHeight = 173;
constexpr int ProjectManagerMinimizedHeight = 24;

void RegisterMainFormClasses() {
    RegisterComCtrls();
    RegisterStdCtrls();
    RegisterListControls();
    RegisterExtControls();
    RegisterClasses({TMainMenu::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass(),
                     TTimer::StaticClass(), TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                     TFindDialog::StaticClass()});
}

}  // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    MainForm = this;
    FProjectFiles = std::make_unique<TStringList>();
    FProjectForms = std::make_unique<TStringList>();
    Project.Files = FProjectFiles.get();
    Project.Forms = FProjectForms.get();
    RegisterMainFormClasses();
    ReadFormResource("MAINFORM");
    SetProjectManagerCaption(std::string(IdeTexts::NoProjectCaption));
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::FormCreate(TObject*) {
    Application->SetTitle(TitleString);
    SetCaption(TitleString);
    // The bottom pages' lists (recent and hot files, find in files) and
    // dropped files.
    CreateMediaPanes();
    // The main-window start-up continues here: the tools toolbar and the
    // saved layout.
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
    // The window closes whatever the answer to the project question.
    if (ProjectOpen) CloseProjectQuery();
    else CloseAllCodeWindows(false);
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

void TMainForm::WndProc(TMessage& Message) {
    TForm::WndProc(Message);
    // The frame's default handling stretches the client over the whole
    // window; put it back between the aligned controls.
    if (Message.Msg == WM_SIZE) PlaceMdiClient();
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

// ---- View and the bottom pages

void TMainForm::ViewProjectManager1Click(TObject*) {
    ViewProjectManager1->SetChecked(!ViewProjectManager1->Checked());
    ProjectManager->SetVisible(ViewProjectManager1->Checked());
}

void TMainForm::ViewFullOutput1Click(TObject*) {
    ViewFullOutput1->SetChecked(!ViewFullOutput1->Checked());
    tsFullOutput->SetTabVisible(ViewFullOutput1->Checked());
}

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

void TMainForm::PmanagerMinimize1Click(TObject*) {
    ProjectManager->SetHeight(ProjectManager->Height() == ProjectManagerFullHeight ? ProjectManagerMinimizedHeight
                                                                                   : ProjectManagerFullHeight);
}

std::string TMainForm::ProjectManagerCaption() const { return ProjectManager ? ProjectManager->Hint() : std::string(); }

void TMainForm::SetProjectManagerCaption(const std::string& Value) {
    if (ProjectManager) ProjectManager->SetHint(Value);
}

void TMainForm::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    if (!ProjectOpen && ProjectManagerCaption() != IdeTexts::NoProjectCaption) {
        SetProjectManagerCaption(std::string(IdeTexts::NoProjectCaption));
        SetCaption(TitleString);
    }
    Timer1->SetEnabled(true);
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
    QRN_MAINFORM_FIELD(tsFullOutput);
    QRN_MAINFORM_FIELD(FOut);
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
    QRN_MAINFORM_FIELD(Timer1);
    QRN_MAINFORM_FIELD(OpenDialog);
    QRN_MAINFORM_FIELD(SaveDialog);
    QRN_MAINFORM_FIELD(FindDialog1);
#undef QRN_MAINFORM_FIELD

#define QRN_MAINFORM_HANDLER(Name) B.Handler(#Name, &TMainForm::Name)
    QRN_MAINFORM_HANDLER(FormCreate);
    QRN_MAINFORM_HANDLER(FormClose);
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
    QRN_MAINFORM_HANDLER(btnAddFileClick);
    QRN_MAINFORM_HANDLER(btnDelFileClick);
    QRN_MAINFORM_HANDLER(FIleListDblClick);
    QRN_MAINFORM_HANDLER(FIleListEdited);
    QRN_MAINFORM_HANDLER(Timer1Timer);
#undef QRN_MAINFORM_HANDLER
}
