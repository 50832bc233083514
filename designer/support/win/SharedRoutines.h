#pragma once
// Small routines the designer's dialogs, tool windows and engine share.
#include <vector>

#include "framework/forms/Forms.h"

class TSpeedButton;

// WM_SETREDRAW off and on (on repaints); nothing without a window.
void DisableControlRedraw(TControl* Control);
void EnableControlRedraw(TControl* Control);
// Shows the form in front, then passes ShowCmd to the system; a designed
// form keeps its Visible.
void ShowFormWithCommand(TCustomForm* Form, int ShowCmd);
void SetSpeedButtonsFlat(const std::vector<TSpeedButton*>& Buttons, bool Flat);
void SetOwnedSpeedButtonsFlat(TComponent* Owner, bool Flat);

// The library's switches: dialogs take the main form's font (on by
// default); tool windows stay on top (off by default).
extern bool UseMainFormFont;
extern bool ToolWindowsStayOnTop;
// Every dialog of the designer calls this when created.
void ApplyMainFormFont(TCustomForm* Form);
TFormStyle ToolWindowFormStyle();
// The control of a window or of its nearest parent window.
TWinControl* FindControlOfWindow(HWND Handle);
