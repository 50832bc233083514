#pragma once
// TZelOLEControl: the component the designer puts on a form for an
// ActiveX control. It hosts the control in an inner TOleControl, streams
// the class id, the control's own state and the handler names attached to
// its events, and passes the control's events to OnOleEvent at run time.
#include <string>
#include <vector>

#include "designer/support/win/ZelOleControl.h"
#include "framework/ole/OleControl.h"

class TOLEEventDispatch;
class TStream;

// The inner control: created from the class id alone.
class TZelOleControl_ : public TOleControl {
    QRN_CLASS(TZelOleControl_, TOleControl)
public:
    TZelOleControl_(TComponent* AOwner, const GUID& AClassID);

protected:
    void CreateWnd() override;
};

// One handler name attached to an event of the control's default source
// interface.
struct TEventInfo {
    int DispID = 0;
    std::string Name;
};

class TZelOLEControl : public TCustomZelOleControl {
    QRN_CLASS(TZelOLEControl, TCustomZelOleControl)
public:
    // As a form stream creates it: no control until "CGUID" is read.
    explicit TZelOLEControl(TComponent* AOwner);
    // Hosts the control of AClassID at once (raises when it cannot be
    // created).
    TZelOLEControl(TComponent* AOwner, const GUID& AClassID);
    ~TZelOLEControl() override;
    void BeforeDestruction() override;

    std::string GetOleClassName() override { return FOleClassName; }
    IUnknown* GetOleObject() override;
    void SetEventHandler(int DispID, const std::string& Name) override;
    std::string GetEventHandler(int DispID) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    const GUID& ClassID() const { return FClassID; }
    TZelOleControl_* Control() const { return FControl; }
    const std::vector<TEventInfo>& Events() const { return FEvents; }
    DWORD EventConnection() const { return FEventConnection; }
    TOLEEventDispatch* EventSink() const { return FEventSink.Get(); }

protected:
    void DefineProperties(TFiler* Filer) override;
    void CreateHandle() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void CreateOleControl();
    void DisconnectSink();
    int FindEventEntry(int DispID) const;
    void ReadEvents(TStream* Stream);
    void WriteEvents(TStream* Stream);
    void ReadControlData(TStream* Stream);
    void WriteControlData(TStream* Stream);

    GUID FClassID{};
    TZelOleControl_* FControl = nullptr;  // owned as a component
    std::string FOleClassName;
    TComPtr<TOLEEventDispatch> FEventSink;
    DWORD FEventConnection = 0;
    std::vector<TEventInfo> FEvents;
    bool FInSetBounds = false;
};

// The class name a component the designer adds is named after: a
// wrapper's is that of the control it hosts ("TGauge" gives Gauge1).
std::string NamingClassName(TComponent* Component);
