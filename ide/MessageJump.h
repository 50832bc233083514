#pragma once
// The jump from a line of the Messages pane to the source line it names,
// over an interface to the main window's code windows.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A code window as the panes hold it: they only hand it back to the host
// (TCodeWindow is one; tests have their own).
class ICodeWindow {
protected:
    ~ICodeWindow() = default;
};

// What the Messages and Full Output panes need of the main window.
class ICodeWindowHost {
public:
    virtual ~ICodeWindowHost() = default;
    // The open code windows, in MDI child order.
    virtual std::vector<ICodeWindow*> CodeWindows() = 0;
    // The path of the file a code window shows; a name the window holds
    // relative to the project comes with the project folder in front.
    virtual std::string CodeWindowPath(ICodeWindow* Window) = 0;
    // Opens Path in a new code window; null when it could not be opened
    // (the user has been told why).
    virtual ICodeWindow* OpenFile(const std::string& Path) = 0;
    // Puts the window's caret at the start of display line Line (from 0),
    // brings the window to the front, focuses its editor and scrolls the
    // caret into view.
    virtual void ShowCodeLine(ICodeWindow* Window, int Line) = 0;
    // Gives the keyboard focus to the active code window, if there is one.
    virtual void FocusActiveCodeWindow() = 0;
};

// A path's full long form (a relative path taken from the current folder,
// short 8.3 parts expanded); the full path as it is when the file cannot be
// found.
using TLongPathFunc = std::function<std::string(const std::string&)>;

enum class TJumpResult {
    NoLocation,  // not an "**Error**" or "*Warning*" line with a place
    NotOpened,   // the file could not be opened
    Shown,
};

// The tools name files lower-cased and in 8.3 form, while a window keeps
// the name the project lists: windows are matched on the long forms of
// both paths, without regard to case. Without a matching window the file
// is opened under its long form. Raises EConvertError when the line
// number is not a number.
TJumpResult JumpToMessage(std::string_view Line, ICodeWindowHost& Host, const TLongPathFunc& LongPath);
