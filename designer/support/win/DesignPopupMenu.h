#pragma once
// The popup menu of a designed component: the designer's default items
// with the component editor's verbs and the property verbs on top.
#include "framework/design/ComponentEditors.h"

class TControl;
class TPopupMenu;

// Menu's items become unnamed copies of DefaultMenu's (through the form
// stream); each top item takes the OnClick of DefaultMenu's item at its
// index.
void CopyMenuThroughStream(TPopupMenu* DefaultMenu, TPopupMenu* Menu);
// The copy, Menu's OnPopup cleared, then (with ComponentEditor) its verbs
// (tags 1000 + index), the component's property verbs (tags 2000 + index)
// and a separator at the top; no leading, trailing or doubled separators.
// Clicking a verb item runs it through ComponentEditor, which the caller
// keeps alive while the menu can be used.
void BuildDesignPopupMenu(TPopupMenu* DefaultMenu, TPopupMenu* Menu, TComponentEditor* ComponentEditor);
// The popup menu of the control or of its nearest parent that has one.
TPopupMenu* FindControlPopupMenu(TControl* Control);
// Forgets the component editor of the verb items (the library's end).
void FreeDesignPopupTarget();
