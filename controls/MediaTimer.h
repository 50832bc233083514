#pragma once
// The shared multimedia timer: one system timer ticking every 25 ms serves
// any number of clients, each with its own period and pause count. The
// system timer calls Tick on a thread of its own; the client list is only
// touched under the lock, and a tick that starts while another is still
// running does nothing. Client procedures run on that thread, under the
// lock: they must only do thread-safe work (post a message, set a flag).
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// Milliseconds from a 32-bit clock that wraps after about 49.7 days.
class TMediaClock {
public:
    virtual ~TMediaClock() = default;
    virtual uint32_t Now() = 0;
};

// Time from Earlier to Later on a wrapping clock: right across the wrap as
// long as less than 2^32 ms passed.
constexpr uint32_t MediaElapsed(uint32_t Earlier, uint32_t Later) { return Later - Earlier; }

// The process's millisecond clock (the system's multimedia time on Windows).
TMediaClock& SystemMediaClock();

// The system side of the shared timer.
class TMediaTimerDriver {
public:
    virtual ~TMediaTimerDriver() = default;
    // Starts calling Tick every Interval ms on a system thread; false when
    // the system refuses.
    virtual bool Start(unsigned Interval, std::function<void()> Tick) = 0;
    // Stops the calls. When it returns no Tick runs or will run, except
    // when called from within Tick itself (which is then the last one).
    virtual void Stop() = 0;
};

// The system timer of this platform.
std::unique_ptr<TMediaTimerDriver> CreateSystemMediaTimerDriver();

struct TMediaTimerClient;
using TMediaTimerProc = void (*)(TMediaTimerClient* Client, void* Data);

// A client record; owned by the shared timer, changed only under its lock.
struct TMediaTimerClient {
    uint32_t Period = 25;  // ms, at least 25
    void* Data = nullptr;
    TMediaTimerProc Proc = nullptr;
    int PauseCount = 0;    // paused while above 0
    uint32_t Elapsed = 0;  // ms counted since the last call
    bool Removed = false;  // unregistered during a tick; freed when it ends
};

class TMediaSharedTimer {
public:
    static constexpr unsigned Interval = 25;  // ms between ticks; the shortest period

    explicit TMediaSharedTimer(std::unique_ptr<TMediaTimerDriver> Driver);
    ~TMediaSharedTimer();  // stops a timer that still runs and frees the clients
    TMediaSharedTimer(const TMediaSharedTimer&) = delete;
    TMediaSharedTimer& operator=(const TMediaSharedTimer&) = delete;

    // A new client at the end of the list, with period max(Period, 25) ms.
    // The first client starts the system timer; nullptr when that fails.
    // Call it on the user-interface thread.
    TMediaTimerClient* RegisterClient(int Period, int PauseCount, TMediaTimerProc Proc, void* Data);
    // These do nothing for nullptr, for a client not registered here, or
    // when no client is registered.
    void SetClientPeriod(TMediaTimerClient* Client, int Period);  // also restarts its count
    void PauseClient(TMediaTimerClient* Client);                  // pause count + 1, count restarts
    void ResumeClient(TMediaTimerClient* Client);                 // pause count - 1 while above 0
    // Removes and frees the client; the last one stops the system timer,
    // synchronously: no tick runs once this returns (a client may remove
    // itself from its own procedure).
    void UnregisterClient(TMediaTimerClient* Client);

    int ClientCount() const;
    bool Running() const;
    // The client's values (0 for an unknown client).
    unsigned ClientPeriod(TMediaTimerClient* Client) const;
    int ClientPauseCount(TMediaTimerClient* Client) const;
    unsigned ClientElapsed(TMediaTimerClient* Client) const;

    // One 25 ms tick: every unpaused client counts 25 ms more and, once its
    // period is reached, its procedure runs and its count restarts.
    void Tick();

private:
    TMediaTimerClient* Find(TMediaTimerClient* Client) const;
    void PurgeRemoved();

    std::unique_ptr<TMediaTimerDriver> FDriver;
    // Recursive: a client procedure, called under the lock, may change the list.
    mutable std::recursive_mutex FLock;
    std::atomic<int> FBusy{0};
    std::vector<std::unique_ptr<TMediaTimerClient>> FClients;  // in list order
    int FCount = 0;  // clients not removed
    bool FRunning = false;
    bool FTicking = false;      // a tick walks the list (on the tick's thread)
};

// The process-wide shared timer, on the system timer.
TMediaSharedTimer& MediaTimer();
