// The open project: opening, closing, saving and the code windows of its
// files.
#include "controls/win/SystemErrorText.h"
#include "editor/win/QuillMemo.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/Streams.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/IdeTexts.h"
#include "ide/ProjectFileIO.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/MainForm.h"
#include "ide/win/QuillMemoCI.h"

// ---- opening and closing

bool TMainForm::OpenProject(const std::string& Path) {
    if (ProjectOpen && !CloseProjectQuery()) return false;
    TProjectInfo Data;
    try {
        // Read as a whole first: a file that cannot be taken leaves no half
        // of it behind.
        Data = LoadProjectFile(Path);
    } catch (const Exception& E) {
        ProjectErrorBox(E.what());
        return false;
    }
    CommitProjectData(Data, Path, Project);
    ProjectOpen = true;
    ProjectUnchanged = true;
    ProjectBuilt = false;
    SetProjectManagerCaption(IdeTexts::ProjectManagerCaption(Project.Name, Project.Cpu));
    RefreshFileList();
    if (Project.Files.empty()) {
        ProjectErrorBox(std::string(IdeTexts::ProjectHasNoFiles));
        ResetProject();
        return false;
    }
    SetCaption(TitleString + " " + Project.Name);
    Project.Dir = ExtractFilePath(Path);
    OpenProjectFile(Project.Files.front());
    if (!SetCurrentDir(Project.Dir)) {
        // The system's reason; the project goes again with what it opened.
        ProjectErrorBox(SystemErrorText(GetLastError()));
        CloseAllCodeWindows(true);
        ResetProject();
        return false;
    }
    AddRecentFile(Path);
    return true;
}

bool TMainForm::CloseProjectQuery() {
    // A project without a name is still open and must be closable, so the
    // open flag decides rather than the name.
    if (!ProjectOpen) return false;
    TModalResult Answer = mrNo;
    if (!ProjectUnchanged)
        Answer = MessageDlg(std::string(IdeTexts::SaveProjectQuestion), mtConfirmation, mbYesNoCancel, 0);
    if (Answer == mrCancel || Answer == mrNone) return false;
    // A project whose files could not be saved stays open, so nothing is
    // dropped behind the user's back.
    if (Answer == mrYes && SaveAllFiles() == TSaveAllResult::Failed) return false;
    CloseAllCodeWindows(true);
    FIleList->Items()->Clear();
    ResetProject();
    return true;
}

void TMainForm::ResetProject() {
    ProjectOpen = false;
    Project = TProjectInfo();
    FIleList->Items()->Clear();
}

void TMainForm::RefreshFileList() {
    TListItems* Items = FIleList->Items();
    Items->BeginUpdate();
    Items->Clear();
    for (const std::string& File : Project.Files) Items->Add()->SetCaption(File);
    Items->EndUpdate();
}

// ---- code windows of files

TCodeWindow* TMainForm::NewCodeWindow(const std::string& FilePath, const std::string& Caption) {
    auto* W = new TCodeWindow(this, this);
    try {
        W->LoadFile(FilePath);
    } catch (...) {
        W->Free();
        throw;
    }
    W->SetModified(false);
    W->SetFileName(Caption);
    W->FocusEditor();
    AddWindowTab(W);
    AddRecentFile(FilePath);
    W->GuardPartialText();
    return W;
}

TCodeWindow* TMainForm::OpenProjectFile(const std::string& Name) {
    if (Project.Dir.empty()) {
        ProjectErrorBox(std::string(IdeTexts::ProjectWithoutPath));
        return nullptr;
    }
    const std::string Path = ProjectMemberPath(Project.Dir, Name);
    if (!FileExists(Path)) {
        ProjectErrorBox(IdeTexts::ProjectFileVanished(Name));
        return nullptr;
    }
    return NewCodeWindow(Path, Name);
}

TCodeWindow* TMainForm::OpenFile(const std::string& Path) {
    if (!FileExists(Path)) {
        ProjectErrorBox(IdeTexts::LooseFileVanished(Path));
        return nullptr;
    }
    return NewCodeWindow(Path, Path);
}

// ---- saving

std::string TMainForm::CodeWindowPath(const TCodeWindow* Window) const {
    const std::string& Name = Window->FileName();
    // A name with a folder is a loose file's full path.
    if (Name.find_first_of("\\/:") != std::string::npos) return Name;
    return ProjectMemberPath(Project.Dir, Name);
}

bool TMainForm::SaveCodeWindow(TCodeWindow* Window) {
    // The file holds more than the window shows: writing would cut it.
    // Nothing the user typed is lost, as the window is read-only until the
    // user agrees to the shortening.
    if (!Window->MayWriteBack()) return true;
    try {
        TMemoryStream Stream;
        Window->CodeEditor->SaveToStream(&Stream);
        Stream.SaveToFile(CodeWindowPath(Window));
    } catch (const Exception& E) {
        ProjectErrorBox(E.what());
        return false;
    }
    Window->SetModified(false);
    return true;
}

TSaveAllResult TMainForm::SaveAllFiles() {
    const int Count = CodeWindowCount();
    if (Count == 0) return TSaveAllResult::NothingOpen;
    bool Failed = false;
    // An unchanged window matches its file already; every build runs Save
    // All, and rewriting would still change line ends or drop bytes the
    // editor does not keep.
    for (int I = 0; I < Count; ++I)
        if (TCodeWindow* W = CodeWindows(I); W->Modified() && !SaveCodeWindow(W)) Failed = true;
    // Loose files may be open without a project; there is no project file
    // to write then.
    if (ProjectOpen) {
        try {
            WriteProjectFile(Project);
        } catch (const Exception& E) {
            ProjectErrorBox(E.what());
            Failed = true;
        }
    }
    if (Failed) return TSaveAllResult::Failed;
    ProjectUnchanged = true;
    return TSaveAllResult::Saved;
}

bool TMainForm::SaveAll() { return SaveAllFiles() == TSaveAllResult::Saved; }

void TMainForm::SaveProjectAs() {
    if (!ProjectOpen) return;
    SaveDialog->SetFilter(std::string(IdeTexts::ProjectFilter));
    if (!SaveDialog->Execute()) return;
    Project.FileName = SaveDialog->FileName();
    Project.Dir = ExtractFilePath(Project.FileName);
    for (int I = 0; I < CodeWindowCount(); ++I) SaveCodeWindow(CodeWindows(I));
    try {
        WriteProjectFile(Project);
    } catch (const Exception& E) {
        ProjectErrorBox(E.what());
    }
}

// ---- the Open command

void TMainForm::OpenCommand() {
    OpenDialog->SetTitle(std::string(IdeTexts::OpenDialogTitle));
    OpenDialog->SetFilter(std::string(IdeTexts::OpenFilter));
    OpenDialog->SetDefaultExt("*.qrn");
    OpenDialog->SetOptions({ofHideReadOnly, ofPathMustExist, ofFileMustExist});
    if (!OpenDialog->Execute()) return;
    if (OpenDialog->FilterIndex() == 1) OpenProject(OpenDialog->FileName());
    else OpenFile(OpenDialog->FileName());
}
