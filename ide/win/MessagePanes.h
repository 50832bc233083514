#pragma once
// The Messages and Full Output panes of the main window: filling them
// during a build, the jump from a message to its source line, and their
// mouse rules. The list boxes belong to the main form; the panes bind
// their events when created.
#include <string>

#include "framework/stdctrls/ListCtrls.h"
#include "ide/MessageJump.h"

class TMessagePanes {
public:
    TMessagePanes(TListBox* Messages, TListBox* Output, ICodeWindowHost& Host);
    TMessagePanes(const TMessagePanes&) = delete;
    TMessagePanes& operator=(const TMessagePanes&) = delete;

    TListBox* Messages() const { return FMessages; }
    TListBox* Output() const { return FOutput; }

    // Appends the text and selects it; a list that takes no more lines is
    // cleared instead.
    void AddMessage(const std::string& Text);
    void AddOutput(const std::string& Line);

    // Double click on Messages: an "**Error**" or "*Warning*" line opens its
    // file (or finds its window) and puts the caret on its line.
    void MessagesDblClick(TObject* Sender);
    // A right-button release clears Messages.
    void MessagesMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    // Full Output: a press clears the hint, a click shows the clicked line
    // as the hint (long lines can be read in the tool tip), a right-button
    // release clears the pane and any other release hands the focus back to
    // the active code window.
    void OutputMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OutputClick(TObject* Sender);
    void OutputMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

private:
    TListBox* FMessages;
    TListBox* FOutput;
    ICodeWindowHost& FHost;
};

// The full long form of a path as the system resolves it (relative paths
// against the current folder); the full path as it is when the file is
// not found.
std::string ResolvedLongPath(const std::string& Path);
