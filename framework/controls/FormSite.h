#pragma once
// What a control asks of the form it sits on. Forms live a layer above
// controls: the form class implements this interface, and a control finds
// it by walking up its parents.
#include "framework/controls/Messages.h"

class TControl;
class TWinControl;

class IFormSite {
public:
    // The form itself, as the windowed control it is.
    virtual TWinControl* FormControl() = 0;
    // Whether the form sees its controls' keys before they do.
    virtual bool KeyPreview() const = 0;
    virtual void FocusControl(TWinControl* Control) = 0;
    virtual bool SetFocusedControl(TWinControl* Control) = 0;
    // A focused control (or one holding the focus below it) goes away.
    virtual void DefocusControl(TWinControl* Control, bool Removing) = 0;
    // True when a menu of the form takes the key as its short-cut.
    virtual bool IsShortCut(TMessage& Message) = 0;

protected:
    ~IFormSite() = default;
};

// The form a control sits on (the control itself when it is a form);
// nullptr when it sits on none.
IFormSite* FormSiteOf(TControl* Control);
