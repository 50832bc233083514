#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <chrono>
#include <thread>
#include <vector>

#include "MediaFakes.h"
#include "controls/MediaTimer.h"

namespace {

struct TCounter {
    int Calls = 0;
    std::vector<TMediaTimerClient*> Seen;
};

void CountProc(TMediaTimerClient* Client, void* Data) {
    auto* C = static_cast<TCounter*>(Data);
    ++C->Calls;
    C->Seen.push_back(Client);
}

class MediaTimerTest : public ::testing::Test {
protected:
    TFakeDriverLog Log;
    TMediaSharedTimer Timer{FakeDriver(Log)};

    void Ticks(int N) {
        for (int I = 0; I < N; ++I) Timer.Tick();
    }
};

TEST_F(MediaTimerTest, FirstClientStartsAndLastStopsTheSystemTimer) {
    TCounter C;
    EXPECT_FALSE(Timer.Running());
    auto* A = Timer.RegisterClient(100, 0, CountProc, &C);
    auto* B = Timer.RegisterClient(100, 0, CountProc, &C);
    ASSERT_TRUE(A && B);
    EXPECT_EQ(Log.Starts, 1);
    EXPECT_EQ(Log.Interval, 25u);
    EXPECT_EQ(Timer.ClientCount(), 2);
    Timer.UnregisterClient(A);
    EXPECT_TRUE(Log.Running);
    Timer.UnregisterClient(B);
    EXPECT_EQ(Log.Stops, 1);
    EXPECT_FALSE(Log.Running);
    EXPECT_FALSE(Timer.Running());
    // A new first client starts it again.
    auto* D = Timer.RegisterClient(25, 0, CountProc, &C);
    EXPECT_EQ(Log.Starts, 2);
    Timer.UnregisterClient(D);
}

TEST_F(MediaTimerTest, RefusedSystemTimerGivesNoClient) {
    Log.FailStart = true;
    TCounter C;
    EXPECT_EQ(Timer.RegisterClient(50, 0, CountProc, &C), nullptr);
    EXPECT_EQ(Timer.ClientCount(), 0);
    Log.FailStart = false;
    EXPECT_NE(Timer.RegisterClient(50, 0, CountProc, &C), nullptr);
    EXPECT_EQ(Timer.ClientCount(), 1);
}

TEST_F(MediaTimerTest, ProcedureRunsOncePerPeriod) {
    TCounter C;
    auto* A = Timer.RegisterClient(100, 0, CountProc, &C);
    Ticks(3);
    EXPECT_EQ(C.Calls, 0);
    EXPECT_EQ(Timer.ClientElapsed(A), 75u);
    Ticks(1);
    EXPECT_EQ(C.Calls, 1);
    EXPECT_EQ(Timer.ClientElapsed(A), 0u);
    Ticks(8);
    EXPECT_EQ(C.Calls, 3);
    ASSERT_FALSE(C.Seen.empty());
    EXPECT_EQ(C.Seen[0], A);
}

TEST_F(MediaTimerTest, PeriodIsAtLeastOneTick) {
    TCounter C;
    auto* A = Timer.RegisterClient(3, 0, CountProc, &C);
    EXPECT_EQ(Timer.ClientPeriod(A), 25u);
    Ticks(4);
    EXPECT_EQ(C.Calls, 4);
    Timer.SetClientPeriod(A, -10);
    EXPECT_EQ(Timer.ClientPeriod(A), 25u);
    Timer.SetClientPeriod(A, 60);  // calls at 75 ms: the first tick past 60
    C.Calls = 0;
    Ticks(6);
    EXPECT_EQ(C.Calls, 2);
}

TEST_F(MediaTimerTest, SetPeriodRestartsTheCount) {
    TCounter C;
    auto* A = Timer.RegisterClient(100, 0, CountProc, &C);
    Ticks(3);
    Timer.SetClientPeriod(A, 100);
    Ticks(3);
    EXPECT_EQ(C.Calls, 0);
    Ticks(1);
    EXPECT_EQ(C.Calls, 1);
}

TEST_F(MediaTimerTest, PausedClientsDoNotCount) {
    TCounter C;
    auto* A = Timer.RegisterClient(50, 1, CountProc, &C);
    Ticks(10);
    EXPECT_EQ(C.Calls, 0);
    EXPECT_EQ(Timer.ClientElapsed(A), 0u);
    Timer.ResumeClient(A);
    Ticks(1);
    Timer.PauseClient(A);  // pause drops what was counted
    Timer.PauseClient(A);
    EXPECT_EQ(Timer.ClientPauseCount(A), 2);
    Timer.ResumeClient(A);
    Ticks(4);
    EXPECT_EQ(C.Calls, 0);
    Timer.ResumeClient(A);
    Timer.ResumeClient(A);  // not below 0
    EXPECT_EQ(Timer.ClientPauseCount(A), 0);
    Ticks(1);
    EXPECT_EQ(C.Calls, 0);
    Ticks(1);
    EXPECT_EQ(C.Calls, 1);
}

TEST_F(MediaTimerTest, UnknownClientsAreIgnored) {
    TCounter C;
    Timer.SetClientPeriod(nullptr, 100);
    Timer.PauseClient(nullptr);
    Timer.UnregisterClient(nullptr);
    auto* A = Timer.RegisterClient(25, 0, CountProc, &C);
    auto* B = Timer.RegisterClient(25, 0, CountProc, &C);
    Timer.UnregisterClient(A);
    // A second removal of the same record must neither free twice nor stop the timer.
    Timer.UnregisterClient(A);
    Timer.PauseClient(A);
    EXPECT_EQ(Timer.ClientCount(), 1);
    EXPECT_TRUE(Log.Running);
    Ticks(1);
    EXPECT_EQ(C.Calls, 1);
    Timer.UnregisterClient(B);
}

struct TSelfRemover {
    TMediaSharedTimer* Timer = nullptr;
    TMediaTimerClient* Victim = nullptr;
    int Calls = 0;
};

void RemoveProc(TMediaTimerClient*, void* Data) {
    auto* R = static_cast<TSelfRemover*>(Data);
    ++R->Calls;
    R->Timer->UnregisterClient(R->Victim);
}

TEST_F(MediaTimerTest, ClientMayRemoveItselfDuringATick) {
    TSelfRemover R{&Timer};
    TCounter C;
    auto* A = Timer.RegisterClient(25, 0, RemoveProc, &R);
    R.Victim = A;
    Timer.RegisterClient(25, 0, CountProc, &C);
    Ticks(1);
    EXPECT_EQ(R.Calls, 1);
    EXPECT_EQ(C.Calls, 1);  // the client after it still ran
    EXPECT_EQ(Timer.ClientCount(), 1);
    Ticks(2);
    EXPECT_EQ(R.Calls, 1);
    EXPECT_EQ(C.Calls, 3);
}

TEST_F(MediaTimerTest, ClientRemovedByAnEarlierOneIsNotCalled) {
    TSelfRemover R{&Timer};
    TCounter C;
    Timer.RegisterClient(25, 0, RemoveProc, &R);
    R.Victim = Timer.RegisterClient(25, 0, CountProc, &C);
    Ticks(1);
    EXPECT_EQ(C.Calls, 0);
    EXPECT_EQ(Timer.ClientCount(), 1);
}

TEST_F(MediaTimerTest, LastClientRemovingItselfStopsTheTimer) {
    TSelfRemover R{&Timer};
    R.Victim = Timer.RegisterClient(25, 0, RemoveProc, &R);
    Ticks(1);
    EXPECT_EQ(Log.Stops, 1);
    EXPECT_EQ(Timer.ClientCount(), 0);
    EXPECT_FALSE(Timer.Running());
    Ticks(1);
    EXPECT_EQ(R.Calls, 1);
}

struct TAdder {
    TMediaSharedTimer* Timer = nullptr;
    TCounter Added;
    TMediaTimerClient* New = nullptr;
};

void AddProc(TMediaTimerClient*, void* Data) {
    auto* A = static_cast<TAdder*>(Data);
    if (!A->New) A->New = A->Timer->RegisterClient(25, 0, CountProc, &A->Added);
}

TEST_F(MediaTimerTest, ClientAddedDuringATickStartsWithTheNextOne) {
    TAdder A;
    A.Timer = &Timer;
    Timer.RegisterClient(25, 0, AddProc, &A);
    Ticks(1);
    ASSERT_NE(A.New, nullptr);
    EXPECT_EQ(A.Added.Calls, 0);
    EXPECT_EQ(Timer.ClientElapsed(A.New), 0u);
    Ticks(1);
    EXPECT_EQ(A.Added.Calls, 1);
}

struct TReentrant {
    TMediaSharedTimer* Timer = nullptr;
    int Calls = 0;
};

void ReentrantProc(TMediaTimerClient*, void* Data) {
    auto* R = static_cast<TReentrant*>(Data);
    ++R->Calls;
    R->Timer->Tick();  // an overlapping callback does nothing
}

TEST_F(MediaTimerTest, OverlappingTickDoesNothing) {
    TReentrant R{&Timer};
    Timer.RegisterClient(25, 0, ReentrantProc, &R);
    Ticks(3);
    EXPECT_EQ(R.Calls, 3);
}

void ThrowingProc(TMediaTimerClient*, void*) { throw std::runtime_error("boom"); }

TEST_F(MediaTimerTest, ThrowingProcedureDoesNotEscapeTheTick) {
    TCounter C;
    Timer.RegisterClient(25, 0, ThrowingProc, nullptr);
    Timer.RegisterClient(25, 0, CountProc, &C);
    EXPECT_NO_THROW(Ticks(2));
    EXPECT_EQ(C.Calls, 2);
}

TEST(MediaTimerLifetime, DestroyingTheTimerStopsIt) {
    TFakeDriverLog Log;
    TCounter C;
    {
        TMediaSharedTimer Timer(FakeDriver(Log));
        Timer.RegisterClient(25, 0, CountProc, &C);
    }
    EXPECT_EQ(Log.Stops, 1);
    EXPECT_FALSE(Log.Running);
}

TEST(MediaClock, ElapsedTimeCrossesTheWrap) {
    EXPECT_EQ(MediaElapsed(0xFFFFFFF0u, 0x10u), 0x20u);
    EXPECT_EQ(MediaElapsed(0xFFFFFFFFu, 0u), 1u);
    EXPECT_EQ(MediaElapsed(100u, 100u), 0u);
    EXPECT_EQ(MediaElapsed(5u, 0xFFFFFFFFu), 0xFFFFFFFAu);
}

// The real system timer of this platform, driven for a moment.
struct TSlowClient {
    std::atomic<int> Calls{0};
    std::atomic<bool> Inside{false};
};

void SlowProc(TMediaTimerClient*, void* Data) {
    auto* S = static_cast<TSlowClient*>(Data);
    S->Inside = true;
    ++S->Calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    S->Inside = false;
}

TEST(MediaSystemTimer, TicksAndStopsSynchronously) {
    TMediaSharedTimer Timer(CreateSystemMediaTimerDriver());
    TSlowClient S;
    auto* A = Timer.RegisterClient(25, 0, SlowProc, &S);
    ASSERT_NE(A, nullptr);
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (S.Calls < 3 && std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GE(S.Calls.load(), 3);
    Timer.UnregisterClient(A);
    // No procedure is running or will run once the last client is gone.
    EXPECT_FALSE(S.Inside.load());
    const int After = S.Calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ(S.Calls.load(), After);
    EXPECT_FALSE(Timer.Running());
}

TEST(MediaSystemTimer, SystemClockAdvances) {
    TMediaClock& Clock = SystemMediaClock();
    const uint32_t T0 = Clock.Now();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    const uint32_t Elapsed = MediaElapsed(T0, Clock.Now());
    EXPECT_GE(Elapsed, 40u);
    EXPECT_LT(Elapsed, 5000u);
}

}  // namespace

namespace {

struct TOneShot {
    TMediaSharedTimer* Timer = nullptr;
    TMediaTimerClient* Self = nullptr;
    std::atomic<int> Calls{0};
};

void OneShotProc(TMediaTimerClient* Client, void* Data) {
    auto* O = static_cast<TOneShot*>(Data);
    ++O->Calls;
    O->Timer->UnregisterClient(Client);
}

TEST(MediaSystemTimer, LastClientMayRemoveItselfOnTheTimerThread) {
    TMediaSharedTimer Timer(CreateSystemMediaTimerDriver());
    for (int Round = 0; Round < 2; ++Round) {
        TOneShot O;
        O.Timer = &Timer;
        ASSERT_NE(Timer.RegisterClient(25, 0, OneShotProc, &O), nullptr);
        const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (Timer.ClientCount() > 0 && std::chrono::steady_clock::now() < Deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(Timer.ClientCount(), 0);
        EXPECT_FALSE(Timer.Running());
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        EXPECT_EQ(O.Calls.load(), 1);
    }
}

}  // namespace

namespace {

void NothingProc(TMediaTimerClient*, void* Data) { static_cast<std::atomic<int>*>(Data)->fetch_add(1); }

// Clients come and go on this thread while the system timer ticks on its
// own; the sanitizers see any record used after it was freed.
TEST(MediaSystemTimer, ClientsComeAndGoWhileItTicks) {
    TMediaSharedTimer Timer(CreateSystemMediaTimerDriver());
    std::atomic<int> Calls{0};
    std::vector<TMediaTimerClient*> Clients;
    for (int Round = 0; Round < 40; ++Round) {
        for (int I = 0; I < 4; ++I) {
            auto* C = Timer.RegisterClient(25, 0, NothingProc, &Calls);
            ASSERT_NE(C, nullptr);
            Clients.push_back(C);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(Round % 3 == 0 ? 30 : 2));
        // Remove every other one now, the rest in the next rounds.
        for (size_t I = 0; I < Clients.size(); I += 2) Timer.UnregisterClient(Clients[I]);
        std::vector<TMediaTimerClient*> Rest;
        for (size_t I = 1; I < Clients.size(); I += 2) Rest.push_back(Clients[I]);
        Clients.swap(Rest);
    }
    for (auto* C : Clients) Timer.UnregisterClient(C);
    EXPECT_EQ(Timer.ClientCount(), 0);
    EXPECT_FALSE(Timer.Running());
    EXPECT_GT(Calls.load(), 0);
}

}  // namespace
