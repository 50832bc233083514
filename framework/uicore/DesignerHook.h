#pragma once
// What a designed form needs of its designer: the few calls the form and
// its controls make into it. The designer library implements them through
// TDesigner (framework/design/DesignIntf.h), which extends this interface.
#include <string>

#include "framework/classes/Component.h"

class TControl;
struct TMessage;

class IDesignerHook {
public:
    virtual ~IDesignerHook() = default;
    // Offered every message of a designed control before the control sees
    // it; true when the designer took it.
    virtual bool IsDesignMessage(TControl* Sender, TMessage& Message) = 0;
    // Something on the designed form changed.
    virtual void NotifyModified() = 0;
    // A component was inserted into or removed from the designed form.
    virtual void ComponentNotification(TComponent* AComponent, TOperation Operation) = 0;
    // Paints the designed form's background (the form's canvas is ready).
    virtual void PaintGrid() = 0;
    // A component of the form (nullptr: the form itself) is renamed; raise
    // to refuse the name.
    virtual void NotifyRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) = 0;
};
