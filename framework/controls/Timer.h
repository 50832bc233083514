#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled, on the
// thread's message loop.
#include "framework/classes/Component.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/win/WinApi.h"

class TTimer : public TComponent {
    QRN_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned Value);
    TNotifyEvent OnTimer;
    void SetOnTimer(TNotifyEvent Value);

protected:
    virtual void Timer();
    void Loaded() override;

private:
    void UpdateTimer();
    bool FEnabled = true;
    unsigned FInterval = 1000;
    HWND FWindow = nullptr;
    bool FRunning = false;
};
