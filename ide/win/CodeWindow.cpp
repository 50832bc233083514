// TCodeWindow: loading, the modified flag, Ctrl+Enter, the context menu
// and the close question.
#include "ide/win/CodeWindow.h"

#include "controls/UtilProcs.h"
#include "editor/win/QuillGutter.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/Streams.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "ide/CodeWindowText.h"
#include "ide/ListTexts.h"
#include "ide/MacroFile.h"
#include "ide/win/CodeWindowSite.h"
#include "ide/win/ErrorBox.h"
#include "ide/win/QuillMemoCI.h"
#include "product/TextLines.h"

namespace {

constexpr int ReadOnlyPanel = 2;

void RegisterCodeWindowClasses() {
    RegisterComCtrls();
    RegisterStdCtrls();
    RegisterListControls();
    RegisterExtControls();
    RegisterQuillControls();
    RegisterClasses({TQuillMemoCI::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass()});
}

std::vector<std::string> EditorParagraphs(TQuillMemo* E) {
    std::vector<std::string> Lines;
    Lines.reserve(static_cast<size_t>(E->ParagraphCount()));
    for (int32_t I = 0; I < E->ParagraphCount(); ++I) Lines.push_back(E->GetParagraphText(I));
    return Lines;
}

// Puts Lines in place of the editor's whole text as one undoable change
// and leaves the caret at the start of paragraph CaretPar.
void ReplaceEditorText(TQuillMemo* E, const std::vector<std::string>& Lines, int CaretPar) {
    std::string Text = JoinLinesCrLf(Lines);
    if (Text.size() >= 2) Text.resize(Text.size() - 2);  // paragraphs: no break after the last
    E->SetSelStart(0);
    E->SetSelLength(E->CharCount());
    E->SetSelText(Text);
    E->SetCaretParagraph(std::clamp(CaretPar, 0, std::max(E->ParagraphCount() - 1, 0)));
}

}  // namespace

TCodeWindow::TCodeWindow(TComponent* AOwner, ICodeWindowSite* Site) : TForm(AOwner), FSite(Site) {
    RegisterCodeWindowClasses();
    ReadFormResource("CODEWINDOW");
    CodeEditor->SetProcsFile(MacroFilePath(GetExeDir()));
    CodeEditor->SetStatusBar(Status);
}

TCodeWindow::~TCodeWindow() = default;

void TCodeWindow::SetFileName(const std::string& Value) {
    SetHint(Value);
    SetCaption(Value);
}

void TCodeWindow::LoadFile(const std::string& Path) {
    TFileStream Stream(Path, fmOpenRead | fmShareDenyWrite);
    FLoading = true;
    try {
        CodeEditor->LoadFromStream(&Stream);
    } catch (...) {
        FLoading = false;
        throw;
    }
    FLoading = false;
    // The editor leaves the stream where its text ended.
    FLoadedWhole = Stream.Position() >= Stream.Size();
    FShortenConfirmed = false;
}

void TCodeWindow::GuardPartialText() {
    if (FLoadedWhole) return;
    SetReadOnly(true);
    MessageDlg(ListTexts::NotLoadedWhole(FileName()), mtWarning, {mbOK}, 0);
}

void TCodeWindow::SetReadOnly(bool Value) {
    ContextReadOnly1->SetChecked(Value);
    CodeEditor->SetReadOnly(Value);
    Status->Panels()->Items(ReadOnlyPanel)->SetText(Value ? std::string(ListTexts::ReadOnlyPanel) : std::string());
}

void TCodeWindow::FocusEditor() {
    if (CodeEditor->CanFocus()) CodeEditor->SetFocus();
}

void TCodeWindow::WndProc(TMessage& Message) {
    if (Message.Msg == WM_SETFOCUS && FSite) FSite->CodeWindowFocused(this);
    TForm::WndProc(Message);
}

// ---- typing

void TCodeWindow::CodeEditorClick(TObject*) { FocusEditor(); }

// The modified flag follows the text: keys that change nothing (caret
// moves, Copy) leave it as it is.
void TCodeWindow::CodeEditorChange(TObject*) {
    if (FLoading) return;
    if (FSite) FSite->CodeWindowEdited(this);
    SetModified(true);
}

void TCodeWindow::CodeEditorKeyDown(TObject*, uint16_t& Key, TShiftState Shift) {
    if (Key == VK_RETURN && Shift.Contains(ssCtrl)) OpenFileUnderCaret();
}

std::string TCodeWindow::LookForFile(const std::string& Name, bool PresetName, bool& Asked) {
    Asked = MessageDlg(ListTexts::NotFoundQuestion(Name), mtConfirmation, {mbYes, mbNo}, 0) == mrYes;
    if (!Asked) return {};
    TOpenDialog Dialog(nullptr);
    Dialog.SetOptions({ofFileMustExist});
    Dialog.SetFilter(ExtensionFilter(Name));
    if (PresetName) Dialog.SetFileName(Name);
    return Dialog.Execute() ? Dialog.FileName() : std::string();
}

void TCodeWindow::OpenFileUnderCaret() {
    const std::string Name = IncludeNameAt(CodeEditor->CaretLineText(), CodeEditor->CaretColumn(), CodeSeparators);
    if (Name.empty() || !FSite) return;
    if (FileExists(Name)) {
        // The window keeps the full path, so that saving it later does not
        // depend on the current folder.
        FSite->OpenFile(ExpandFileName(Name));
        return;
    }
    bool Asked = false;
    const std::string Chosen = LookForFile(Name, false, Asked);
    if (!Chosen.empty()) FSite->OpenFile(Chosen);
}

// ---- context menu

void TCodeWindow::UpdateContextMenu() {
    const TContextMenuChange C = ContextMenuChange(CodeEditor->GetSelText(), CodeEditor->CaretLineText(),
                                                   CodeEditor->CaretColumn(), CodeSeparators);
    if (C.CollapseVisible) ContextCollapse1->SetVisible(*C.CollapseVisible);
    if (C.ExpandVisible) ContextExpand1->SetVisible(*C.ExpandVisible);
    if (C.ExpandWord) {
        ContextExpand1->SetCaption(ListTexts::ExpandCaption(*C.ExpandWord));
        ContextExpand1->SetHint(*C.ExpandWord);
    }
}

void TCodeWindow::ContextMenuPopup(TObject*) { UpdateContextMenu(); }

void TCodeWindow::ContextReadOnly1Click(TObject*) {
    const bool Clearing = ContextReadOnly1->Checked();
    if (Clearing && !MayWriteBack()) {
        if (MessageDlg(ListTexts::ShortenQuestion(FileName()), mtConfirmation, {mbYes, mbNo}, 0) != mrYes) return;
        FShortenConfirmed = true;
    }
    SetReadOnly(!Clearing);
}

std::string TCodeWindow::IncludeFolder() const {
    const std::string Dir = FSite ? FSite->ProjectFolder() : std::string();
    return ::IncludeFolder(Dir, FileName(), IncludeTrailingBackslash(GetCurrentDir()));
}

void TCodeWindow::Collapse() {
    std::string Name;
    if (!InputQuery(std::string(ListTexts::CollapseTitle), std::string(ListTexts::CollapsePrompt), Name)) return;
    TQuillNavigator* S = CodeEditor->SelStartNav();
    TQuillNavigator* E = CodeEditor->SelEndNav();
    const TTextPoint Start{S->LocatePar(), S->ParOffset};
    const TTextPoint End{E->LocatePar(), E->ParOffset};
    const TCollapse C = CollapseSelection(EditorParagraphs(CodeEditor), Start, End, Name);
    try {
        WriteFileAtomic(IncludeFilePath(IncludeFolder(), C.FileName), C.FileText);
    } catch (const Exception& Ex) {
        ProjectErrorBox(Ex.what());
        return;
    }
    ReplaceEditorText(CodeEditor, C.Lines, C.IncludeLineIndex);
    SetModified(true);
}

void TCodeWindow::InsertIncludeFile(const std::string& Path) {
    const std::vector<std::string> FileLines = SplitTextLines(ReadFileToString(Path));
    CodeEditor->ClearSelection();
    const int Line = CodeEditor->CaretParagraph();
    ReplaceEditorText(CodeEditor, ExpandInclude(EditorParagraphs(CodeEditor), Line, FileLines), Line);
    SetModified(true);
}

void TCodeWindow::Expand() {
    const std::string Word = ContextExpand1->Hint();
    if (Word.empty()) return;
    const std::string Path = IncludeFilePath(IncludeFolder(), Word);
    if (FileExists(Path)) {
        InsertIncludeFile(Path);
        return;
    }
    bool Asked = false;
    const std::string Chosen = LookForFile(Word, true, Asked);
    if (!Chosen.empty()) InsertIncludeFile(Chosen);
}

void TCodeWindow::ContextCollapse1Click(TObject*) { Collapse(); }
void TCodeWindow::ContextExpand1Click(TObject*) { Expand(); }

// ---- closing

void TCodeWindow::FormCloseQuery(TObject*, bool& CanClose) {
    if (ClosingWithProject) {
        SetModified(false);
    } else if (Modified()) {
        const TModalResult Answer =
            MessageDlg(std::string(ListTexts::SaveModifiedQuestion), mtConfirmation, mbYesNoCancel, 0);
        // A file that could not be saved keeps its window.
        if (Answer == mrCancel || Answer == mrNone || (Answer == mrYes && FSite && !FSite->SaveCodeWindow(this))) {
            CanClose = false;
            return;
        }
    }
    CanClose = true;
}

void TCodeWindow::FormClose(TObject*, TCloseAction& Action) {
    if (FSite) FSite->CodeWindowClosed(this);
    FClosing = true;
    Action = caFree;
}

QRN_PUBLISHED(TCodeWindow) {
    B.Field("Gutter", &TCodeWindow::Gutter);
    B.Field("CodeEditor", &TCodeWindow::CodeEditor);
    B.Field("Status", &TCodeWindow::Status);
    B.Field("ContextMenu", &TCodeWindow::ContextMenu);
    B.Field("ContextCut1", &TCodeWindow::ContextCut1);
    B.Field("ContextCopy1", &TCodeWindow::ContextCopy1);
    B.Field("ContextPaste1", &TCodeWindow::ContextPaste1);
    B.Field("ContextSep1", &TCodeWindow::ContextSep1);
    B.Field("ContextReadOnly1", &TCodeWindow::ContextReadOnly1);
    B.Field("ContextCollapse1", &TCodeWindow::ContextCollapse1);
    B.Field("ContextExpand1", &TCodeWindow::ContextExpand1);
    B.Handler("FormCloseQuery", &TCodeWindow::FormCloseQuery);
    B.Handler("FormClose", &TCodeWindow::FormClose);
    B.Handler("CodeEditorClick", &TCodeWindow::CodeEditorClick);
    B.Handler("CodeEditorKeyDown", &TCodeWindow::CodeEditorKeyDown);
    B.Handler("CodeEditorChange", &TCodeWindow::CodeEditorChange);
    B.Handler("ContextMenuPopup", &TCodeWindow::ContextMenuPopup);
    B.Handler("ContextReadOnly1Click", &TCodeWindow::ContextReadOnly1Click);
    B.Handler("ContextCollapse1Click", &TCodeWindow::ContextCollapse1Click);
    B.Handler("ContextExpand1Click", &TCodeWindow::ContextExpand1Click);
}
