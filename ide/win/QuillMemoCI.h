#pragma once
// TQuillMemoCI: the editor with code assistance for assembly code. Ctrl+J
// expands the code template named under the caret (templates.dat),
// Ctrl+Space opens the list of the macro file's macros, and a parameter
// hint above the caret shows the chosen macro's parameters while they are
// typed. It works by filtering the editor's window messages before the
// editor sees them, and writes the caret's row and column into its code
// window's status bar.
#include <memory>
#include <string>

#include "editor/win/QuillMemo.h"
#include "ide/CodeAssist.h"

class TListBox;
class TCustomForm;
class TStatusBar;

class TQuillMemoCI : public TQuillMemo {
    QRN_CLASS(TQuillMemoCI, TQuillMemo)
public:
    enum TAssistMode { amNormal = 0, amList = 1, amHint = 2 };

    explicit TQuillMemoCI(TComponent* AOwner);
    ~TQuillMemoCI() override;

    const std::string& ProcsFile() const { return FProcsFile; }
    void SetProcsFile(const std::string& Value) { FProcsFile = Value; }
    // Where the caret's row and column are shown (the code window's).
    void SetStatusBar(TStatusBar* Value) { FStatus = Value; }

    // Refills the templates every editor shares from templates.dat beside
    // the program; a missing file changes nothing.
    static void LoadTemplates();
    static bool WeHaveTemplates();

    TAssistMode AssistMode() const { return FAssistMode; }
    TListBox* MacroList() const { return FList; }
    TCustomForm* HintWindow() const { return FHintForm; }
    const TParamHintTracker& ParamHint() const { return FHint; }

    // The caret's display line and the word under the caret.
    std::string CaretLineText();
    std::string WordUnderCaret();

    void WndProc(TMessage& Message) override;
    void Change() override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Each returns true when the message was used up.
    bool FilterNormal(TMessage& Message);
    bool FilterList(TMessage& Message);
    void FilterHint(TMessage& Message);

    void ExpandTemplate();
    void OpenMacroList();
    void HideMacroList();
    void AcceptListItem();
    void MoveListSelection(int Delta, bool ToEnd = false);
    void TryShowParamHint(const std::string& Item);
    void ShowParamHint();
    void HideParamHint(bool Refresh);
    void RepaintHint();
    void PaintHint(TObject* Sender);
    void ListDblClick(TObject* Sender);
    void CaretMoved(TObject* Sender);
    void ShowCaretPlace();
    void StatusTick();
    void DoHintAction(THintAction Action);
    TPoint CaretPixel();
    char CharLeftOfCaret();
    // Replaces the characters [From, From + Length) of the caret's display
    // line with nothing and leaves the caret there.
    void DeleteInCaretLine(int From, int Length);

    std::string FProcsFile;
    TListBox* FList = nullptr;         // owned as a child component
    TCustomForm* FHintForm = nullptr;  // no owner: freed here
    TStatusBar* FStatus = nullptr;
    bool FStatusDue = false;    // the status timer runs
    bool FStatusStale = false;  // the caret moved since the status showed it
    int64_t FCaretMovedAt = 0;
    TAssistMode FAssistMode = amNormal;
    bool FCtrlDown = false;
    bool FListLoaded = false;
    TParamHintTracker FHint;
};
