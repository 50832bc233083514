#pragma once
// TCodeWindow: the MDI child in which one source file is edited, with its
// code-assistance editor, status bar and context menu (Read Only, Collapse
// into an include file, Expand an include line), Ctrl+Enter to open the
// file named under the caret, and the save question on closing.
//
// The window's caption and hint are its file name; its Tag is its
// modified flag (1 modified, 0 saved), set when the editor's text changes.
#include <string>

#include "framework/forms/Forms.h"
#include "ide/MessageJump.h"

class TQuillMemoCI;
class TQuillGutter;
class TStatusBar;
class TPopupMenu;
class TMenuItem;
class ICodeWindowSite;

class TCodeWindow : public TForm, public ICodeWindow {
    QRN_CLASS(TCodeWindow, TForm)
public:
    // Site: the main window the code window reports to (none in a window
    // made on its own).
    explicit TCodeWindow(TComponent* AOwner, ICodeWindowSite* Site = nullptr);
    ~TCodeWindow() override;

    TQuillGutter* Gutter = nullptr;
    TQuillMemoCI* CodeEditor = nullptr;
    TStatusBar* Status = nullptr;
    TPopupMenu* ContextMenu = nullptr;
    TMenuItem* ContextCut1 = nullptr;
    TMenuItem* ContextCopy1 = nullptr;
    TMenuItem* ContextPaste1 = nullptr;
    TMenuItem* ContextSep1 = nullptr;
    TMenuItem* ContextReadOnly1 = nullptr;
    TMenuItem* ContextCollapse1 = nullptr;
    TMenuItem* ContextExpand1 = nullptr;

    // The file name: relative to the project folder for a project file, a
    // full path for a loose one. Caption and hint both show it.
    const std::string& FileName() const { return Hint(); }
    void SetFileName(const std::string& Value);
    bool Modified() const { return Tag() == 1; }
    void SetModified(bool Value) { SetTag(Value ? 1 : 0); }
    // Set by the main form before it closes every window with the project:
    // the window then closes without its save question.
    bool ClosingWithProject = false;
    // The window has agreed to close and frees itself once the messages
    // being handled are done; the main form no longer counts it.
    bool Closing() const { return FClosing; }

    // Reads the file into the editor (read-only access); raises on failure.
    // The text ends at the file's first NUL byte.
    void LoadFile(const std::string& Path);
    // False when the file holds more than the editor shows (it stopped at
    // a NUL byte).
    bool LoadedWhole() const { return FLoadedWhole; }
    // A window not loaded whole: tells the user, once, and turns Read Only
    // on. Nothing happens for a window that holds its whole file.
    void GuardPartialText();
    // Whether saving may replace the file with the editor's text: a file not
    // loaded whole is written back only after the user agreed to shorten it.
    bool MayWriteBack() const { return FLoadedWhole || FShortenConfirmed; }
    // Read Only: the context-menu check, the editor and the status panel.
    void SetReadOnly(bool Value);
    void FocusEditor();

    // Ctrl+Enter: opens the file named under the caret.
    void OpenFileUnderCaret();
    // Context-menu commands.
    void Collapse();
    void Expand();
    void UpdateContextMenu();

    // Handlers of CodeWindow.qfm.
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void CodeEditorClick(TObject* Sender);
    void CodeEditorKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void CodeEditorChange(TObject* Sender);
    void ContextMenuPopup(TObject* Sender);
    void ContextReadOnly1Click(TObject* Sender);
    void ContextCollapse1Click(TObject* Sender);
    void ContextExpand1Click(TObject* Sender);

protected:
    void WndProc(TMessage& Message) override;

private:
    // The folder include files are written to and read from.
    std::string IncludeFolder() const;
    // Asks "File ... was not found ... look for it ?" and shows the open
    // dialog; the chosen path, or "" (Asked tells whether Yes was given).
    std::string LookForFile(const std::string& Name, bool PresetName, bool& Asked);
    void InsertIncludeFile(const std::string& Path);

    ICodeWindowSite* FSite;
    bool FClosing = false;
    bool FLoading = false;
    bool FLoadedWhole = true;
    bool FShortenConfirmed = false;
};
