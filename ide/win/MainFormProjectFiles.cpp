// Changing the project's file list: Add file, Add new file, Del File and
// renaming in the Project Manager's list.
#include <algorithm>

#include "controls/UtilProcs.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "ide/IdeTexts.h"
#include "ide/ProjectFileIO.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/MainForm.h"

bool TMainForm::AskOverwrite(const std::string&) {
    return MessageDlg(std::string(IdeTexts::FileExistsOverwrite), mtError, {mbNo, mbIgnore}, 0) == mrIgnore;
}

void TMainForm::AddExistingFile() {
    if (!ProjectOpen) return;
    OpenDialog->SetFilter(std::string(IdeTexts::AddFileFilter));
    OpenDialog->SetFileName("");
    OpenDialog->SetInitialDir(Project.Dir);
    struct TRestore {
        TMainForm* F;
        ~TRestore() { F->OpenDialog->SetFilter(std::string(IdeTexts::OpenFilter)); }
    } Restore{this};
    if (!OpenDialog->Execute()) return;
    const std::string Source = OpenDialog->FileName();
    const std::string Name = ExtractFileName(Source);
    const std::string Dest = ProjectMemberPath(Project.Dir, Name);
    // A file already in the project folder is taken as it is; another one
    // of the same name there is only replaced when the user says so.
    if (!SameFileName(ExpandFileName(Source), ExpandFileName(Dest))) {
        if (FileExists(Dest) && !AskOverwrite(Dest)) return;
        if (!CopyFileKeepDate(Source, Dest)) {
            ProjectErrorBox("Cannot copy " + Source + " to " + Dest + " !");
            return;
        }
    }
    Project.Files.push_back(Name);
    RefreshFileList();
    ProjectUnchanged = false;
    FocusActiveEditor();
}

void TMainForm::AddNewFile(TNewFileKind Kind) {
    if (!ProjectOpen) return;
    std::string Name;
    if (!InputQuery(std::string(IdeTexts::NewFileTitle), std::string(IdeTexts::NewFilePrompt), Name)) return;
    if (Name.empty()) {
        ProjectErrorBox(std::string(IdeTexts::EmptyFileName));
        return;
    }
    Name = WithNewFileExtension(Name, Kind);
    const std::string Path = ProjectMemberPath(Project.Dir, Name);
    if (FileExists(Path) && !AskOverwrite(Path)) return;
    WriteSourceHeader(Path);
    if (Kind == TNewFileKind::Assembler) {
        Project.Files.push_back(Name);
        RefreshFileList();
        ProjectUnchanged = false;
    }
    OpenProjectFile(Name);
}

void TMainForm::DeleteSelectedFile() {
    TListItem* Item = FIleList->Selected();
    if (!Item) return;
    auto& Files = Project.Files;
    if (auto It = std::find(Files.begin(), Files.end(), Item->Caption()); It != Files.end()) Files.erase(It);
    RefreshFileList();
    ProjectUnchanged = false;
    FocusActiveEditor();
}

void TMainForm::FIleListEdited(TObject*, TListItem* Item, std::string& S) {
    const int Index = Item->Index();
    if (Index < 0 || Index >= static_cast<int>(Project.Files.size())) return;
    const std::string Old = Project.Files[static_cast<size_t>(Index)];
    if (S == Old) return;
    bool Shown = false;
    for (int I = 0; I < CodeWindowCount(); ++I)
        if (TCodeWindow* W = CodeWindows(I); W->FileName() == Old) {
            W->SetFileName(S);
            // Save All writes changed windows only; this one has a file to
            // create under the new name.
            W->SetModified(true);
            RenameWindowTab(W);
            Shown = true;
        }
    ProjectUnchanged = false;
    // The file on disk keeps its name; only a window that will save under
    // the new one carries the rename into the project. Without one the
    // list goes on showing the name the project holds.
    if (Shown) Project.Files[static_cast<size_t>(Index)] = S;
    else S = Old;
}

void TMainForm::FIleListDblClick(TObject*) {
    TListItem* Item = FIleList->Selected();
    if (!Item) return;
    if (TCodeWindow* W = FindCodeWindow(Item->Caption())) {
        W->BringToFront();
        W->FocusEditor();
        return;
    }
    OpenProjectFile(Item->Caption());
}

void TMainForm::ProjectAddFile1Click(TObject*) { AddExistingFile(); }
void TMainForm::btnAddFileClick(TObject*) { AddExistingFile(); }
void TMainForm::btnDelFileClick(TObject*) { DeleteSelectedFile(); }
void TMainForm::ProjectAddNewFileAssembler1Click(TObject*) { AddNewFile(TNewFileKind::Assembler); }
void TMainForm::ProjectAddNewFileInclude1Click(TObject*) { AddNewFile(TNewFileKind::Include); }
void TMainForm::ProjectAddNewFileMacro1Click(TObject*) { AddNewFile(TNewFileKind::Macro); }
