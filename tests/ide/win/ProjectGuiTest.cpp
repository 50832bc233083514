// Projects in the main window: open, edit, save, close, and the changes of
// the file list, with every dialog answered by script.
#include "tests/ide/win/ProjectGuiFixture.h"

#include "framework/comctrls/ComCtrls.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/StringList.h"
#include "ide/IdeTexts.h"
#include "ide/ListTexts.h"
#include "ide/ProjectFileIO.h"
#include "ide/win/QuillMemoCI.h"
#include "product/Settings.h"
#include "tests/common/win/WinTestHelpers.h"

namespace {

std::vector<std::string> ListCaptions(TListView* L) {
    std::vector<std::string> R;
    for (int I = 0; I < L->Items()->Count(); ++I) R.push_back(L->Items()->Item(I)->Caption());
    return R;
}

using Strings = std::vector<std::string>;
using namespace std::string_literals;

TEST_F(ProjectGui, OpeningShowsTheFilesAndOpensTheFirstOne) {
    OpenHello();
    EXPECT_TRUE(Form->ProjectOpen);
    EXPECT_TRUE(Form->ProjectUnchanged);
    EXPECT_EQ(Form->Project.Name, "hello");
    EXPECT_EQ(Form->Project.Dir, Folder.Path());
    EXPECT_EQ(ListCaptions(Form->FIleList), (Strings{"main.asm", "print.asm"}));
    EXPECT_EQ(Form->ProjectManagerCaption(), "Project Manager - hello (8086)");
    // The frame adds " - [child]" while a child is maximised.
    EXPECT_EQ(Form->Caption().substr(0, TitleString.size() + 6), TitleString + " hello");
    ASSERT_EQ(Form->CodeWindowCount(), 1);
    TCodeWindow* W = Form->CodeWindows(0);
    EXPECT_EQ(W->FileName(), "main.asm");
    EXPECT_EQ(W->Caption(), "main.asm");
    EXPECT_FALSE(W->Modified());
    EXPECT_EQ(W->CodeEditor->GetParagraphText(0), "; main.asm - entry point of the hello example (DOS .exe)");
    EXPECT_TRUE(SameFileName(IncludeTrailingBackslash(GetCurrentDir()), Folder.Path()));
}

TEST_F(ProjectGui, AProjectWithoutFilesIsRefused) {
    const std::string Path = Folder.Write("empty.qrn", "project empty\r\ncpu 386\r\nkind 5\r\n");
    Dialogs.Answer(mrOk);
    EXPECT_FALSE(Form->OpenProject(Path));
    EXPECT_TRUE(Dialogs.Saw(std::string(IdeTexts::ProjectHasNoFiles)));
    EXPECT_FALSE(Form->ProjectOpen);
    EXPECT_EQ(Form->Project.Name, "");
    EXPECT_EQ(Form->FIleList->Items()->Count(), 0);
}

TEST_F(ProjectGui, ABadKindClosesThePreviousProjectAndOpensNothing) {
    OpenHello();
    const std::string Path = Folder.Write("bad.qrn", "project bad\r\naddfile main.asm\r\nkind five\r\n");
    Dialogs.Answer(mrOk);  // the conversion error
    EXPECT_FALSE(Form->OpenProject(Path));
    Pump();
    ASSERT_EQ(Dialogs.Texts.size(), 1u);
    EXPECT_NE(Dialogs.Texts[0].find("five"), std::string::npos);
    EXPECT_FALSE(Form->ProjectOpen);
    EXPECT_TRUE(Form->Project.Files.empty());
    EXPECT_EQ(Form->CodeWindowCount(), 0);
}

TEST_F(ProjectGui, SaveAllWritesTheWindowsAndTheProject) {
    OpenHello();
    TCodeWindow* W = Window("main.asm");
    ASSERT_NE(W, nullptr);
    W->CodeEditor->SetSelStart(0);
    W->CodeEditor->SetSelText("; edited\r\n");
    W->SetModified(true);
    Form->ProjectUnchanged = false;
    Form->Project.Cpu = "386";

    EXPECT_TRUE(Form->SaveAll());
    EXPECT_TRUE(ReadAll(Folder / "main.asm").starts_with("; edited\r\n; main.asm"));
    EXPECT_FALSE(W->Modified());
    EXPECT_TRUE(Form->ProjectUnchanged);
    const TProjectInfo Saved = LoadProjectFile(ProjectPath());
    EXPECT_EQ(Saved.Cpu, "386");
    EXPECT_EQ(Saved.Files, (Strings{"main.asm", "print.asm"}));
    EXPECT_TRUE(ReadAll(ProjectPath()).starts_with("# " + TitleString + " Automatically Generated Project.\r\n"));
}

TEST_F(ProjectGui, FilesNotLoadedWholeAreReadOnlyAndSaveAllLeavesEveryUnchangedFile) {
    const std::string Text = "mov ax,1\r\n\0junk after the NUL\r\nret\r\n"s;
    const std::string Binary = "MZ\x90\0\x03\0\0\0\x04\0\xff\xff\r\n\x1a"s;
    const std::string LfOnly = "; lf\nmov ax,2\n";
    Folder.Write("zero.asm", Text);
    Folder.Write("prog.exe", Binary);
    Folder.Write("lf.asm", LfOnly);
    const std::string Path =
        Folder.Write("odd.qrn", "project odd\r\naddfile zero.asm\r\naddfile prog.exe\r\naddfile lf.asm\r\nkind 1\r\n");
    Dialogs.Answer(mrOk);
    ASSERT_TRUE(Form->OpenProject(Path));
    Dialogs.Answer(mrOk);
    Form->OpenProjectFile("prog.exe");
    Form->OpenProjectFile("lf.asm");
    Pump();
    EXPECT_EQ(Dialogs.Texts, (Strings{ListTexts::NotLoadedWhole("zero.asm"), ListTexts::NotLoadedWhole("prog.exe")}));
    TCodeWindow* Nul = Window("zero.asm");
    ASSERT_NE(Nul, nullptr);
    EXPECT_TRUE(Nul->CodeEditor->ReadOnly());
    EXPECT_TRUE(Nul->ContextReadOnly1->Checked());
    EXPECT_EQ(Nul->Status->Panels()->Items(2)->Text(), std::string(ListTexts::ReadOnlyPanel));
    EXPECT_TRUE(Window("lf.asm")->LoadedWhole());
    EXPECT_FALSE(Window("lf.asm")->CodeEditor->ReadOnly());

    // What every build runs first.
    Form->ProjectUnchanged = false;
    EXPECT_TRUE(Form->SaveAll());
    EXPECT_EQ(ReadAll(Folder / "zero.asm"), Text);
    EXPECT_EQ(ReadAll(Folder / "prog.exe"), Binary);
    EXPECT_EQ(ReadAll(Folder / "lf.asm"), LfOnly);

    // Only after clearing Read Only and agreeing is the shortened text written.
    Dialogs.Answer(mrNo);
    Nul->ContextReadOnly1Click(nullptr);
    EXPECT_TRUE(Nul->CodeEditor->ReadOnly());
    Dialogs.Answer(mrYes);
    Nul->ContextReadOnly1Click(nullptr);
    EXPECT_EQ(Dialogs.Texts.back(), ListTexts::ShortenQuestion("zero.asm"));
    EXPECT_FALSE(Nul->CodeEditor->ReadOnly());
    Nul->CodeEditor->SetSelText("; ");
    EXPECT_TRUE(Form->SaveAll());
    EXPECT_EQ(ReadAll(Folder / "zero.asm"), "; mov ax,1\r\n");
    EXPECT_EQ(ReadAll(Folder / "prog.exe"), Binary);
}

TEST_F(ProjectGui, SaveAllWithoutAnyWindowWritesNothing) {
    OpenHello();
    Window("main.asm")->Close();
    Pump();
    ASSERT_EQ(Form->CodeWindowCount(), 0);
    const std::string Before = ReadAll(ProjectPath());
    Form->Project.Cpu = "386";
    Form->ProjectUnchanged = false;
    EXPECT_FALSE(Form->SaveAll());
    EXPECT_EQ(ReadAll(ProjectPath()), Before);
    EXPECT_FALSE(Form->ProjectUnchanged);
}

TEST_F(ProjectGui, AfterForceCompileSaveAllStillWritesTheProjectFile) {
    // Force Compile leaves the project's record alone, so Save All keeps
    // writing it and no project change is lost.
    const std::string OldKey = SettingsKeyPath();
    TScratchKey Empty;
    SetSettingsKeyPathForTesting(Empty.Path() + "\\");
    OpenHello();
    const std::string Dir = Form->Project.Dir;
    Dialogs.Answer(mrOk);  // no assembler path set
    Form->FileForceCompile1Click(nullptr);
    SetSettingsKeyPathForTesting(OldKey);
    EXPECT_EQ(Form->Project.Dir, Dir);
    EXPECT_EQ(Form->Project.Name, "hello");
    Form->Project.Cpu = "386";
    EXPECT_TRUE(Form->SaveAll());
    EXPECT_NE(ReadAll(ProjectPath()).find("\r\ncpu 386\r\n"), std::string::npos);
}

TEST_F(ProjectGui, ClosingAnUnchangedProjectAsksNothing) {
    OpenHello();
    EXPECT_TRUE(Form->CloseProjectQuery());
    Pump();
    EXPECT_TRUE(Dialogs.Texts.empty());
    EXPECT_FALSE(Form->ProjectOpen);
    EXPECT_EQ(Form->CodeWindowCount(), 0);
    EXPECT_EQ(Form->FIleList->Items()->Count(), 0);
    EXPECT_FALSE(Form->CloseProjectQuery());  // nothing left to close
}

TEST_F(ProjectGui, ClosingAChangedProjectAsksAndNoDropsTheEdits) {
    OpenHello();
    const std::string Before = ReadAll(Folder / "main.asm");
    TCodeWindow* W = Window("main.asm");
    W->CodeEditor->SetSelText("junk");
    W->SetModified(true);
    Form->ProjectUnchanged = false;
    Dialogs.Answer(mrNo);
    EXPECT_TRUE(Form->CloseProjectQuery());
    Pump();
    EXPECT_EQ(Dialogs.Texts, (Strings{std::string(IdeTexts::SaveProjectQuestion)}));
    EXPECT_EQ(ReadAll(Folder / "main.asm"), Before);
    EXPECT_EQ(Form->CodeWindowCount(), 0);
    EXPECT_FALSE(Form->ProjectOpen);
}

TEST_F(ProjectGui, ClosingAChangedProjectWithYesSavesFirst) {
    OpenHello();
    TCodeWindow* W = Window("main.asm");
    W->CodeEditor->SetSelText("; saved on close\r\n");
    W->SetModified(true);
    Form->ProjectUnchanged = false;
    Dialogs.Answer(mrYes);
    EXPECT_TRUE(Form->CloseProjectQuery());
    Pump();
    EXPECT_TRUE(ReadAll(Folder / "main.asm").starts_with("; saved on close\r\n"));
    EXPECT_FALSE(Form->ProjectOpen);
}

TEST_F(ProjectGui, CancellingTheCloseKeepsEverything) {
    OpenHello();
    Form->ProjectUnchanged = false;
    Dialogs.Answer(mrCancel);
    EXPECT_FALSE(Form->CloseProjectQuery());
    EXPECT_TRUE(Form->ProjectOpen);
    EXPECT_EQ(Form->CodeWindowCount(), 1);
    EXPECT_EQ(Form->FIleList->Items()->Count(), 2);
}

TEST_F(ProjectGui, AddNewAssemblerFileCreatesItWithTheHeaderAndAddsIt) {
    OpenHello();
    Dialogs.AnswerInput("extra");
    Form->AddNewFile(TNewFileKind::Assembler);
    Pump();
    const std::string Path = Folder / "extra.asm";
    EXPECT_EQ(ReadAll(Path), SourceHeaderText(Folder.Path() + "\\extra.asm"));
    EXPECT_EQ(Form->Project.Files, (Strings{"main.asm", "print.asm", "extra.asm"}));
    EXPECT_EQ(ListCaptions(Form->FIleList).back(), "extra.asm");
    EXPECT_FALSE(Form->ProjectUnchanged);
    EXPECT_NE(Window("extra.asm"), nullptr);
}

TEST_F(ProjectGui, AddNewIncludeFileIsOpenedButNotAddedToTheProject) {
    OpenHello();
    Dialogs.AnswerInput("macros.inc");
    Form->AddNewFile(TNewFileKind::Include);
    Pump();
    EXPECT_TRUE(FileExists(Folder / "macros.inc"));
    EXPECT_EQ(Form->Project.Files.size(), 2u);
    EXPECT_TRUE(Form->ProjectUnchanged);
    EXPECT_NE(Window("macros.inc"), nullptr);
}

TEST_F(ProjectGui, AddNewFileOverAnExistingOneAsksAndNoKeepsIt) {
    OpenHello();
    const std::string Before = ReadAll(Folder / "print.asm");
    Dialogs.AnswerInput("print");
    Dialogs.Answer(mrNo);
    Form->AddNewFile(TNewFileKind::Assembler);
    EXPECT_TRUE(Dialogs.Saw(std::string(IdeTexts::FileExistsOverwrite)));
    EXPECT_EQ(ReadAll(Folder / "print.asm"), Before);
    EXPECT_EQ(Form->Project.Files.size(), 2u);
}

TEST_F(ProjectGui, AddNewFileWithAnEmptyNameIsRefused) {
    OpenHello();
    Dialogs.AnswerInput("");
    Dialogs.Answer(mrOk);
    Form->AddNewFile(TNewFileKind::Macro);
    EXPECT_TRUE(Dialogs.Saw(std::string(IdeTexts::EmptyFileName)));
    EXPECT_EQ(Form->CodeWindowCount(), 1);
}

TEST_F(ProjectGui, AddFileCopiesTheChosenFileIntoTheProjectFolder) {
    OpenHello();
    TTestFolder Elsewhere;
    const std::string Source = Elsewhere.Write("util.asm", "; util\r\n");
    Dialogs.AnswerFile(Source);
    Form->AddExistingFile();
    EXPECT_EQ(ReadAll(Folder / "util.asm"), "; util\r\n");
    EXPECT_EQ(Form->Project.Files, (Strings{"main.asm", "print.asm", "util.asm"}));
    EXPECT_EQ(ListCaptions(Form->FIleList).size(), 3u);
    EXPECT_FALSE(Form->ProjectUnchanged);
    EXPECT_EQ(Form->OpenDialog->Filter(), std::string(IdeTexts::OpenFilter));
}

TEST_F(ProjectGui, AddFileOfANameAlreadyThereAsksBeforeReplacing) {
    OpenHello();
    TTestFolder Elsewhere;
    const std::string Before = ReadAll(Folder / "print.asm");
    Dialogs.AnswerFile(Elsewhere.Write("print.asm", "; other\r\n"));
    Dialogs.Answer(mrNo);
    Form->AddExistingFile();
    EXPECT_TRUE(Dialogs.Saw(std::string(IdeTexts::FileExistsOverwrite)));
    EXPECT_EQ(ReadAll(Folder / "print.asm"), Before);
    EXPECT_EQ(Form->Project.Files.size(), 2u);

    Dialogs.AnswerFile(Elsewhere / "print.asm");
    Dialogs.Answer(mrIgnore);
    Form->AddExistingFile();
    EXPECT_EQ(ReadAll(Folder / "print.asm"), "; other\r\n");
}

TEST_F(ProjectGui, AddFileFromTheProjectFolderAddsItWithoutCopying) {
    OpenHello();
    Dialogs.AnswerFile(Folder / "dos.inc");
    Form->AddExistingFile();
    EXPECT_EQ(Dialogs.Texts.size(), 1u);  // only the open dialog
    EXPECT_EQ(Form->Project.Files.back(), "dos.inc");
    EXPECT_EQ(ReadAll(Folder / "dos.inc"), ReadAll(std::string(QRN_SOURCE_DIR) + "/examples/hello/dos.inc"));
}

TEST_F(ProjectGui, DelFileRemovesTheSelectedEntryOnly) {
    OpenHello();
    Form->DeleteSelectedFile();  // nothing selected
    EXPECT_EQ(Form->Project.Files.size(), 2u);
    EXPECT_TRUE(Form->ProjectUnchanged);

    Form->FIleList->Items()->Item(1)->SetSelected(true);
    Form->DeleteSelectedFile();
    EXPECT_EQ(Form->Project.Files, (Strings{"main.asm"}));
    EXPECT_EQ(ListCaptions(Form->FIleList), (Strings{"main.asm"}));
    EXPECT_TRUE(FileExists(Folder / "print.asm"));
    EXPECT_FALSE(Form->ProjectUnchanged);
}

TEST_F(ProjectGui, RenamingAShownFileRenamesItsWindowAndEntry) {
    OpenHello();
    std::string NewName = "start.asm";
    Form->FIleListEdited(Form->FIleList, Form->FIleList->Items()->Item(0), NewName);
    EXPECT_EQ(NewName, "start.asm");
    EXPECT_EQ(Form->Project.Files, (Strings{"start.asm", "print.asm"}));
    TCodeWindow* W = Window("start.asm");
    ASSERT_NE(W, nullptr);
    EXPECT_EQ(W->Caption(), "start.asm");
    EXPECT_FALSE(Form->ProjectUnchanged);
    // The next save writes under the new name; the old file stays.
    EXPECT_TRUE(Form->SaveCodeWindow(W));
    EXPECT_TRUE(FileExists(Folder / "start.asm"));
    EXPECT_TRUE(FileExists(Folder / "main.asm"));
}

TEST_F(ProjectGui, RenamingAFileWithoutWindowKeepsTheProjectsName) {
    OpenHello();
    std::string NewName = "other.asm";
    Form->FIleListEdited(Form->FIleList, Form->FIleList->Items()->Item(1), NewName);
    EXPECT_EQ(NewName, "print.asm");
    EXPECT_EQ(Form->Project.Files, (Strings{"main.asm", "print.asm"}));
}

TEST_F(ProjectGui, DoubleClickFocusesAnOpenWindowOrOpensTheFile) {
    OpenHello();
    Form->FIleList->Items()->Item(1)->SetSelected(true);
    Form->FIleListDblClick(Form->FIleList);
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 2);
    Form->FIleListDblClick(Form->FIleList);
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 2);
    EXPECT_EQ(Form->tabWindowList->Tabs()->Count(), 2);
}

TEST_F(ProjectGui, AVanishedFileGivesItsMessageAndNoWindow) {
    OpenHello();
    Dialogs.Answer(mrOk);
    EXPECT_EQ(Form->OpenProjectFile("gone.asm"), nullptr);
    EXPECT_TRUE(Dialogs.Saw(IdeTexts::ProjectFileVanished("gone.asm")));
    Dialogs.Answer(mrOk);
    EXPECT_EQ(Form->OpenFile(Folder / "gone.asm"), nullptr);
    EXPECT_TRUE(Dialogs.Saw(IdeTexts::LooseFileVanished(Folder / "gone.asm")));
    EXPECT_EQ(Form->CodeWindowCount(), 1);
}

TEST_F(ProjectGui, OpenCommandOpensAProjectOrALooseFileByFilter) {
    Dialogs.AnswerFile(ProjectPath(), 1);
    Form->OpenCommand();
    EXPECT_TRUE(Form->ProjectOpen);
    Dialogs.AnswerFile(Folder / "dos.inc", 3);
    Form->OpenCommand();
    Pump();
    EXPECT_NE(Window(Folder / "dos.inc"), nullptr);
}

TEST_F(ProjectGui, SaveProjectAsWritesIntoTheNewFolder) {
    OpenHello();
    TTestFolder Target;
    Dialogs.AnswerFile(Target / "copy.qrn");
    Form->SaveProjectAs();
    EXPECT_EQ(Form->Project.FileName, Target / "copy.qrn");
    EXPECT_EQ(LoadProjectFile(Target / "copy.qrn").Files, (Strings{"main.asm", "print.asm"}));
    EXPECT_EQ(ReadAll(Target / "main.asm"), ReadAll(Folder / "main.asm"));
    EXPECT_EQ(Form->Project.Name, "hello");
}

}  // namespace
