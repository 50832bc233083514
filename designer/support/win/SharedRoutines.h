#pragma once
// Small routines the designer's dialogs, tool windows and engine share.
#include <vector>

#include "framework/forms/Forms.h"
#include "framework/graphics/ImageList.h"

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
void SetComponentDesigning(TComponent* Component, bool Value);
// Makes the windows of the owner's hidden or disabled windowed controls
// again.
void RecreateOwnedWindows(TComponent* Owner);
// The height of one image of the system's check-box bitmap.
int CheckBoxGlyphHeight();
// Clears List and adds the design root (a data module or form) of every
// object that a published class-typed property of Root or of its
// components refers to, other than Root itself.
void GetUsedModules(TComponent* Root, std::vector<TComponent*>& List);
// Draws the bitmap over BackColor, its top-left pixel's colour
// transparent, through a bitmap of the rect's size.
void StretchBlitTransparent(TCanvas* Canvas, TBitmap* Source, TColor BackColor, const TRect& Rect);
// The same with an image of an image list.
void DrawTransparentGlyph(TCanvas* Canvas, TCustomImageList* Images, TColor BackColor, int ImageIndex,
                          const TRect& Rect);
