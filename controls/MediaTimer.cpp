#include "controls/MediaTimer.h"

#include <algorithm>
#include <limits>

namespace {

uint32_t ValidPeriod(int Period) {
    return static_cast<uint32_t>(std::max(Period, static_cast<int>(TMediaSharedTimer::Interval)));
}

}  // namespace

TMediaSharedTimer::TMediaSharedTimer(std::unique_ptr<TMediaTimerDriver> Driver) : FDriver(std::move(Driver)) {}

TMediaSharedTimer::~TMediaSharedTimer() {
    bool WasRunning;
    {
        std::lock_guard<std::recursive_mutex> Guard(FLock);
        WasRunning = FRunning;
        FRunning = false;
    }
    // Outside the lock: a tick waiting for it must be able to finish.
    if (WasRunning && FDriver) FDriver->Stop();
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    FClients.clear();
    FCount = 0;
}

TMediaTimerClient* TMediaSharedTimer::Find(TMediaTimerClient* Client) const {
    if (!Client) return nullptr;
    for (const auto& C : FClients)
        if (C.get() == Client && !C->Removed) return Client;
    return nullptr;
}

TMediaTimerClient* TMediaSharedTimer::RegisterClient(int Period, int PauseCount, TMediaTimerProc Proc, void* Data) {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (FCount == 0 && !FRunning) {
        if (!FDriver || !FDriver->Start(Interval, [this] { Tick(); })) return nullptr;
        FRunning = true;
    }
    auto Client = std::make_unique<TMediaTimerClient>();
    Client->Period = ValidPeriod(Period);
    Client->PauseCount = PauseCount;
    Client->Proc = Proc;
    Client->Data = Data;
    TMediaTimerClient* Result = Client.get();
    FClients.push_back(std::move(Client));
    ++FCount;
    return Result;
}

void TMediaSharedTimer::SetClientPeriod(TMediaTimerClient* Client, int Period) {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (!Find(Client)) return;
    Client->Period = ValidPeriod(Period);
    Client->Elapsed = 0;
}

void TMediaSharedTimer::PauseClient(TMediaTimerClient* Client) {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (!Find(Client)) return;
    if (Client->PauseCount < std::numeric_limits<int>::max()) ++Client->PauseCount;
    Client->Elapsed = 0;
}

void TMediaSharedTimer::ResumeClient(TMediaTimerClient* Client) {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (!Find(Client)) return;
    if (Client->PauseCount > 0) --Client->PauseCount;
}

void TMediaSharedTimer::UnregisterClient(TMediaTimerClient* Client) {
    bool StopNow = false;
    {
        std::lock_guard<std::recursive_mutex> Guard(FLock);
        if (!Find(Client)) return;
        if (FTicking) {
            // Called from a client procedure: the tick still walks the list.
            Client->Removed = true;
            Client->Proc = nullptr;
        } else {
            std::erase_if(FClients, [Client](const auto& C) { return C.get() == Client; });
        }
        if (--FCount == 0 && FRunning) {
            FRunning = false;
            // Inside a tick the driver is told from its own thread and does
            // not wait for itself; otherwise it is stopped below, unlocked.
            if (FTicking)
                FDriver->Stop();
            else
                StopNow = true;
        }
    }
    if (StopNow) FDriver->Stop();
}

void TMediaSharedTimer::PurgeRemoved() {
    std::erase_if(FClients, [](const auto& C) { return C->Removed; });
}

int TMediaSharedTimer::ClientCount() const {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    return FCount;
}

bool TMediaSharedTimer::Running() const {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    return FRunning;
}

unsigned TMediaSharedTimer::ClientPeriod(TMediaTimerClient* Client) const {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    return Find(Client) ? Client->Period : 0;
}

int TMediaSharedTimer::ClientPauseCount(TMediaTimerClient* Client) const {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    return Find(Client) ? Client->PauseCount : 0;
}

unsigned TMediaSharedTimer::ClientElapsed(TMediaTimerClient* Client) const {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    return Find(Client) ? Client->Elapsed : 0;
}

void TMediaSharedTimer::Tick() {
    if (FBusy.fetch_add(1) == 0) {
        std::lock_guard<std::recursive_mutex> Guard(FLock);
        if (!FTicking) {
            FTicking = true;
            // Clients added by a procedure during this tick start counting
            // with the next one.
            const size_t Count = FClients.size();
            for (size_t I = 0; I < Count; ++I) {
                TMediaTimerClient* C = FClients[I].get();
                if (C->Removed || C->PauseCount > 0) continue;
                C->Elapsed += Interval;
                if (C->Elapsed < C->Period) continue;
                C->Elapsed = 0;
                // Nothing may unwind into the system's timer thread.
                try {
                    if (C->Proc) C->Proc(C, C->Data);
                } catch (...) {
                }
            }
            FTicking = false;
            PurgeRemoved();
        }
    }
    FBusy.fetch_sub(1);
}

TMediaSharedTimer& MediaTimer() {
    static TMediaSharedTimer Instance(CreateSystemMediaTimerDriver());
    return Instance;
}
