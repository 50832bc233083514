// The shared timer on the system's multimedia timer: timeBeginPeriod(25)
// while it runs, one periodic timeSetEvent, timeKillEvent to stop it.
#include <atomic>
#include <utility>

#include "controls/MediaTimer.h"
#include "framework/rtl/win/WinApi.h"

namespace {

// Set while this thread runs the timer callback: a stop from there must
// not wait for the callback to end.
thread_local bool InTimerCallback = false;

class TWinMediaTimerDriver final : public TMediaTimerDriver {
public:
    ~TWinMediaTimerDriver() override { Stop(); }

    bool Start(unsigned Interval, std::function<void()> Tick) override {
        Stop();
        FTick = std::move(Tick);
        FInterval = Interval;
        timeBeginPeriod(FInterval);
        FActive.store(true);
        FId = timeSetEvent(FInterval, 0, &TWinMediaTimerDriver::Callback, reinterpret_cast<DWORD_PTR>(this),
                           TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
        if (FId == 0) {
            FActive.store(false);
            timeEndPeriod(FInterval);
            return false;
        }
        return true;
    }

    void Stop() override {
        if (FId == 0) return;
        // A callback that already passed the FActive check is waited for;
        // any later one sees FActive false and leaves the client list alone.
        FActive.store(false);
        timeKillEvent(FId);
        FId = 0;
        if (!InTimerCallback)
            while (FInCallback.load() > 0) Sleep(1);
        timeEndPeriod(FInterval);
    }

private:
    static void CALLBACK Callback(UINT, UINT, DWORD_PTR User, DWORD_PTR, DWORD_PTR) {
        auto* Self = reinterpret_cast<TWinMediaTimerDriver*>(User);
        Self->FInCallback.fetch_add(1);
        if (Self->FActive.load()) {
            InTimerCallback = true;
            try {
                Self->FTick();
            } catch (...) {
            }
            InTimerCallback = false;
        }
        Self->FInCallback.fetch_sub(1);
    }

    std::function<void()> FTick;
    unsigned FInterval = 25;
    UINT FId = 0;
    std::atomic<bool> FActive{false};
    std::atomic<int> FInCallback{0};
};

class TWinMediaClock final : public TMediaClock {
public:
    uint32_t Now() override { return timeGetTime(); }
};

}  // namespace

std::unique_ptr<TMediaTimerDriver> CreateSystemMediaTimerDriver() { return std::make_unique<TWinMediaTimerDriver>(); }

TMediaClock& SystemMediaClock() {
    static TWinMediaClock Clock;
    return Clock;
}
