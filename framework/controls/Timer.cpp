#include "framework/controls/Timer.h"

#include "framework/controls/Controls.h"
#include "framework/rtl/Exceptions.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    FWindow = AllocateHWnd([this](TMessage& M) {
        if (M.Msg == WM_TIMER) {
            M.Result = 1;
            try {
                Timer();
            } catch (...) {
                HandleCallbackException(this);
            }
        }
    });
}

TTimer::~TTimer() {
    FEnabled = false;
    if (FWindow) {
        KillTimer(FWindow, 1);
        DeallocateHWnd(FWindow);
    }
}

void TTimer::UpdateTimer() {
    if (!FWindow) return;
    if (FRunning) KillTimer(FWindow, 1);
    FRunning = false;
    if (FEnabled && FInterval != 0 && !ComponentState().Contains(csLoading) &&
        !ComponentState().Contains(csDesigning)) {
        if (!SetTimer(FWindow, 1, FInterval, nullptr)) throw EOutOfResources("Not enough timers available");
        FRunning = true;
    }
}

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
    if (Value == FInterval) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    OnTimer = std::move(Value);
    UpdateTimer();
}

void TTimer::Loaded() {
    inherited::Loaded();
    UpdateTimer();
}

void TTimer::Timer() {
    if (FEnabled && OnTimer) OnTimer(this);
}

QRN_PUBLISHED(TTimer) {
    B.Prop("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    B.Prop("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    B.Event("OnTimer", [](TTimer* T) { return T->OnTimer; }, [](TTimer* T, TNotifyEvent E) { T->SetOnTimer(std::move(E)); });
}
