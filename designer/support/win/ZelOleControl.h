#pragma once
// The host control of an ActiveX control on a designed form; the designer
// engine implements it.
#include <functional>
#include <string>

#include "framework/controls/Controls.h"

struct IUnknown;
struct tagVARIANT;

class TCustomZelOleControl : public TCustomControl {
    QRN_CLASS(TCustomZelOleControl, TCustomControl)
public:
    explicit TCustomZelOleControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    // An event of the control at run time: the handler name attached to
    // it, the arguments in the order of the event's parameters followed by
    // the control's automation object, and a result the handler may set.
    // The designer never assigns it.
    std::function<void(const char* Name, int ArgCount, tagVARIANT* Args, tagVARIANT& Result)> OnOleEvent;

    virtual std::string GetOleClassName() = 0;
    // The control's automation object, nil when there is none; the
    // reference stays the control's (no AddRef).
    virtual IUnknown* GetOleObject() = 0;
    // An empty name detaches the handler.
    virtual void SetEventHandler(int DispID, const std::string& Name) = 0;
    virtual std::string GetEventHandler(int DispID) = 0;
};
