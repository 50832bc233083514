// The shared timer of the native build: a thread that ticks every interval.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "controls/MediaTimer.h"

namespace {

class TThreadMediaTimerDriver final : public TMediaTimerDriver {
public:
    ~TThreadMediaTimerDriver() override {
        Stop();
        Join();
    }

    bool Start(unsigned Interval, std::function<void()> Tick) override {
        Stop();
        Join();
        std::lock_guard<std::mutex> Guard(FLock);
        FStop = false;
        FThread = std::thread([this, Interval, Tick = std::move(Tick)] { Run(Interval, Tick); });
        return true;
    }

    void Stop() override {
        {
            std::lock_guard<std::mutex> Guard(FLock);
            FStop = true;
        }
        FWake.notify_all();
        // From the ticking thread itself the thread ends after this tick and
        // is joined by the next Start or the destructor.
        if (FThread.joinable() && FThread.get_id() != std::this_thread::get_id()) FThread.join();
    }

private:
    void Join() {
        if (FThread.joinable() && FThread.get_id() != std::this_thread::get_id()) FThread.join();
    }

    void Run(unsigned Interval, const std::function<void()>& Tick) {
        auto Next = std::chrono::steady_clock::now();
        std::unique_lock<std::mutex> Guard(FLock);
        while (!FStop) {
            Next += std::chrono::milliseconds(Interval);
            if (FWake.wait_until(Guard, Next, [this] { return FStop; })) break;
            Guard.unlock();
            Tick();
            Guard.lock();
        }
    }

    std::mutex FLock;
    std::condition_variable FWake;
    std::thread FThread;
    bool FStop = false;
};

class TSteadyMediaClock final : public TMediaClock {
public:
    uint32_t Now() override {
        const auto Ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<uint32_t>(Ms.count());
    }
};

}  // namespace

std::unique_ptr<TMediaTimerDriver> CreateSystemMediaTimerDriver() {
    return std::make_unique<TThreadMediaTimerDriver>();
}

TMediaClock& SystemMediaClock() {
    static TSteadyMediaClock Clock;
    return Clock;
}
