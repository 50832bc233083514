#pragma once
// What a code window needs of the main window; the main form implements
// it and hands itself to each code window it opens.
#include <string>

class TCodeWindow;

class ICodeWindowSite {
public:
    // The window got the keyboard focus: its tab becomes the selected one.
    virtual void CodeWindowFocused(TCodeWindow* Window) = 0;
    // The window's text changed: the project now has unsaved changes.
    virtual void CodeWindowEdited(TCodeWindow* Window) = 0;
    // The window closes and is no longer counted.
    virtual void CodeWindowClosed(TCodeWindow* Window) = 0;
    // Saves the window's file; false when it could not be written (the user
    // has been told why).
    virtual bool SaveCodeWindow(TCodeWindow* Window) = 0;
    // Opens Path in a new code window; null when it could not be opened.
    virtual TCodeWindow* OpenFile(const std::string& Path) = 0;
    // The open project's folder; empty without a project.
    virtual std::string ProjectFolder() const = 0;

protected:
    ~ICodeWindowSite() = default;
};
