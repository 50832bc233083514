#pragma once
// A control's pop-up menu, as the control uses it. The menu class lives in
// the menus layer, above controls: it implements this interface and
// registers its class record in PopupMenuClassProc once it is linked in.
#include "framework/controls/Messages.h"

class TClass;
class TControl;

class IControlPopupMenu {
public:
    // Whether a right click on the control opens the menu by itself.
    virtual bool AutoPopup() const = 0;
    // Opens the menu for Control at a screen point.
    virtual void PopupFor(TControl* Control, int X, int Y) = 0;
    // True when one of the menu's items takes the key as its short-cut.
    virtual bool IsShortCut(TMessage& Message) = 0;

protected:
    ~IControlPopupMenu() = default;
};

// The class record of the pop-up menu (nullptr while no menu class is
// linked into the binary).
extern const TClass* (*PopupMenuClassProc)();
