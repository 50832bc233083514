#pragma once
// The designer as a person uses it: the designer run of the library's
// Execute on a project in a temporary folder, with a user script (see
// UserScript.h) that acts on the real windows while the run goes on. The
// run ends when the script has ended: the host is closed if the script
// left it open, and a script that hangs is cut off.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "designer/host/win/DesignerHost.h"
#include "tests/common/TestFolder.h"
#include "tests/designer/host/user/win/UserScript.h"

class TCustomObjectInspector;

class TDesignerSession {
public:
    TDesignerSession();
    ~TDesignerSession();
    TDesignerSession(const TDesignerSession&) = delete;
    TDesignerSession& operator=(const TDesignerSession&) = delete;

    TTestFolder Dir;
    // The project's form: "window1.frm" in Dir (absent: a new window).
    std::string FormFile() const { return Dir / "window1.frm"; }
    // Copies the example project's form into Dir.
    void UseExampleForm();
    // Saves the form file of a window "Window1" ("Main Window", 640 x 480)
    // whose controls AddControls makes, as the designer saves it.
    void BuildForm(const std::function<void(TForm* Window)>& AddControls);

    // Runs the designer with the script; false when the script failed,
    // hung or the run ended before the script did.
    bool Run(const std::function<TUserScript(TDesignerSession&)>& Script, DWORD LimitMs = 60000);

    // ---- what the person sees (valid while the run goes on)
    TForm1* Host() const;
    TForm* Designed() const;
    TControl* Control(const std::string& Name) const;
    TCustomObjectInspector* Inspector() const;
    // The middle of a control (or the point X, Y of its client area) on
    // the screen.
    TPoint Middle(TControl* C) const;
    TPoint Middle(const std::string& Name) const { return Middle(Control(Name)); }
    // The value cell (Column 1) or name cell (0) of a property's row in
    // the properties inspector, scrolled into view as a person would
    // (the mouse wheel); nullopt when no row shows the property. The
    // middle of the cell, or AtX pixels into it.
    std::optional<TPoint> RowPoint(const std::string& PropName, int Column = 1, int AtX = -1);
    // The same in another inspector (the events inspector).
    std::optional<TPoint> RowPoint(TCustomObjectInspector* In, const std::string& PropName, int Column = 1,
                                   int AtX = -1);
    // The properties inspector's in-place editor: the text it shows, and
    // the middle of its button ("..." or the drop-down arrow) when it has one.
    std::string EditorText() const;
    std::optional<TPoint> EditorButton() const;
    // The item of the open drop-down list that reads Text, scrolled into
    // view as a person would (the mouse wheel); nullopt while not shown.
    std::optional<TPoint> ListItem(const std::string& Text) const;
    // The middle of a page control's tab.
    static TPoint TabPoint(TWinControl* Pages, int Index);
    // The middle of the item of the open popup menu whose caption (without
    // "&") is Caption; nullopt while no such menu shows.
    static std::optional<TPoint> MenuItemPoint(const std::string& Caption);
    // The screen rectangles of the grab handles on show.
    static std::vector<TRect> GrabHandles();
    // The items of a list box window, as it lists them.
    static std::vector<std::string> ListItems(HWND List);
    // The screen's pixel at P, as displayed.
    COLORREF ScreenPixel(TPoint P) const;
    // The visible top-level window of this thread with that caption (a
    // dialog of the designer's own).
    static HWND WindowTitled(const char* Title);
    // The open message box or dialog of this thread, and its text.
    HWND Box(const char* Title = nullptr) const;
    // A shown top-level window of this thread whose title starts with
    // Title (a form of the designer).
    HWND Window(const std::string& Title) const;
    // The middle of the child window of Parent that reads Text (a button).
    static std::optional<TPoint> ChildPoint(HWND Parent, const std::string& Text);
    static std::string BoxText(HWND Box);
    static std::string TextOf(HWND Window);

    // ---- what the person does
    TActions Click(TPoint P) const;
    // The pointer moved to P, no button pressed.
    TActions Hover(TPoint P) const;
    TActions DoubleClick(TPoint P) const;
    TActions RightClick(TPoint P) const;
    // With Shift (or Ctrl) held: posted to the window under the point.
    TActions ClickWith(TPoint P, int Mods) const;
    TActions Drag(TPoint From, TPoint To) const;
    // A key to the window that has the focus (Mods: kmShift, kmCtrl, kmAlt).
    TActions Key(WORD Vk, int Mods = 0) const;
    TActions Type(const std::string& Text) const;
    // The row of a property made current with a click on its value cell
    // (after a pause, so that it is no double click): the in-place editor
    // is over it with its text selected.
    TUserScript ClickRow(std::string PropName);
    // A value typed into the row and committed with Enter.
    TUserScript TypeValue(std::string PropName, std::string Text);
    // A value picked from the row's drop-down list with the mouse.
    TUserScript PickValue(std::string PropName, std::string Item);
    // Selects all of the focused edit's text and types Text over it.
    TActions TypeOver(const std::string& Text) const;
    // Closes the designed window as its close box does: the form is saved
    // and the files are generated, and the run ends. A script's last step.
    TActions CloseDesigned() const;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    std::optional<TUserScript> FScript;
    bool FInStep = false;
    bool FFailed = false;
    bool FEnding = false;
    DWORD FStart = 0;
    DWORD FLimit = 0;
};

// A control of class T named Name on the window, for BuildForm.
template <class T>
T* PlaceControl(TForm* Window, const std::string& Name, int Left, int Top, int Width, int Height) {
    auto* C = new T(Window);
    C->SetName(Name);
    C->SetParent(Window);
    C->SetBounds(Left, Top, Width, Height);
    return C;
}

// The same with its caption (an edit's text), 97 x 25 unless sized.
template <class T>
T* Add(TForm* Window, const std::string& Name, const std::string& Caption, int X, int Y, int Width = 97,
       int Height = 25) {
    T* C = PlaceControl<T>(Window, Name, X, Y, Width, Height);
    C->SetCaption(Caption);
    return C;
}

// Saves the screen beside the test program as Name.png, for a person to
// look at what the script saw.
void SaveScreen(const std::string& Name);

// An assertion for scripts (a coroutine cannot return from a test): the
// screen at that moment is saved as script-failed.png.
#define SCRIPT_ASSERT(Cond)                                  \
    if (!(Cond)) {                                           \
        ADD_FAILURE() << "script stopped: " << #Cond;        \
        SaveScreen("script-failed");                         \
        co_return;                                           \
    }
