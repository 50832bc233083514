#pragma once
// Stand-ins for the system timer and clock: the test decides when a tick
// happens and what time it is.
#include <functional>
#include <memory>

#include "controls/MediaTimer.h"

struct TFakeDriverLog {
    int Starts = 0;
    int Stops = 0;
    unsigned Interval = 0;
    bool Running = false;
    bool FailStart = false;
};

class TFakeMediaTimerDriver : public TMediaTimerDriver {
public:
    explicit TFakeMediaTimerDriver(TFakeDriverLog& Log) : FLog(Log) {}
    bool Start(unsigned Interval, std::function<void()>) override {
        if (FLog.FailStart) return false;
        ++FLog.Starts;
        FLog.Interval = Interval;
        FLog.Running = true;
        return true;
    }
    void Stop() override {
        ++FLog.Stops;
        FLog.Running = false;
    }

private:
    TFakeDriverLog& FLog;
};

class TFakeMediaClock : public TMediaClock {
public:
    uint32_t Now() override { return Time; }
    uint32_t Time = 0;
};

inline std::unique_ptr<TMediaTimerDriver> FakeDriver(TFakeDriverLog& Log) {
    return std::make_unique<TFakeMediaTimerDriver>(Log);
}
