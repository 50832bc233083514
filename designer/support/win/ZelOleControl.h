#pragma once
// The host control of an ActiveX control on a designed form; the designer
// engine implements it.
#include <functional>
#include <string>

#include "framework/controls/Controls.h"

struct IDispatch;

class TCustomZelOleControl : public TCustomControl {
    QRN_CLASS(TCustomZelOleControl, TCustomControl)
public:
    explicit TCustomZelOleControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    // An event of the control by its DispID.
    std::function<void(TObject* Sender, int DispID)> OnOleEvent;

    virtual std::string GetOleClassName() = 0;
    virtual IDispatch* GetOleObject() = 0;
    virtual void SetEventHandler(int DispID, const std::string& Handler) = 0;
    virtual std::string GetEventHandler(int DispID) = 0;
};
