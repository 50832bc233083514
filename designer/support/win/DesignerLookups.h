#pragma once
// Finding the form, the design root and the designer of any component, and
// the roots on the screen. Used by the inspector, the engine and the
// property verbs.
#include <string>

#include "framework/design/DesignIntf.h"
#include "framework/rtl/List.h"

class TCustomForm;

// A control's parent form; else the component itself or the nearest owner
// that is a form; nullptr when none.
TCustomForm* FindOwnerForm(TComponent* Component);
// The component itself or the nearest owner that is a data module; else
// FindOwnerForm.
TComponent* FindDesignRootOf(TComponent* Component);
// The designer of the owner form (or of the wrapper form of the nearest
// data module); nullptr when there is none. A form whose designer is of
// another kind raises EInvalidCast.
TFormDesigner* FindFormDesignerOf(TComponent* Component);
// Tells the component's designer (when it has one) that it changed.
void NotifyComponentModified(TComponent* Component);
// "Root" or "Root.Name": the screen's forms, then its data modules. A root
// named Root answers with its component Name (maybe nullptr) and the
// search ends; nullptr when no root matches.
TComponent* FindComponentByPath(const std::string& Path);
// The first clears List; the second appends to ComponentList.
void CopyComponentListToList(const TDesignerSelectionList& ComponentList, TList* List);
void CopyListToComponentList(const TList& List, TDesignerSelectionList* ComponentList);
int ScreenFormCount();
TCustomForm* ScreenForm(int Index);
// True when Form is the front-most visible form apart from the main form
// and the tool windows (those that answer ToolWindowQueryMessage).
bool IsTopmostVisibleForm(TCustomForm* Form);
