#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>
#include <vector>

#include "MediaFakes.h"
#include "controls/MediaScrollModel.h"

namespace {

// A 200 x 100 inner area with three lines of text, widest 50, 10 high.
TMediaScrollModel MakeModel() {
    TMediaScrollModel M;
    M.SetInnerSize(200, 100);
    M.SetTextMetrics({30, 50, 20}, 10);
    return M;
}

TEST(ScrollerSpeed, RoundedDownToWholeTicks) {
    EXPECT_EQ(TMediaScrollModel::ValidScrollSpeed(60), 50);
    EXPECT_EQ(TMediaScrollModel::ValidScrollSpeed(10), 25);
    EXPECT_EQ(TMediaScrollModel::ValidScrollSpeed(-100), 25);
    EXPECT_EQ(TMediaScrollModel::ValidScrollSpeed(100), 100);
    EXPECT_EQ(TMediaScrollModel::ValidScrollSpeed(INT_MAX), INT_MAX - INT_MAX % 25);
    TMediaScrollModel M;
    EXPECT_EQ(M.ScrollSpeed(), 100);
    EXPECT_FALSE(M.SetScrollSpeed(110));  // still 100
    EXPECT_TRUE(M.SetScrollSpeed(60));
    EXPECT_EQ(M.ScrollSpeed(), 50);
}

TEST(ScrollerMetrics, WidestLineAndLineCountTimesHeight) {
    TMediaScrollModel M = MakeModel();
    EXPECT_EQ(M.TextWidth(), 50);
    EXPECT_EQ(M.TextHeight(), 30);
    M.SetTextMetrics({}, 10);
    EXPECT_EQ(M.TextWidth(), 0);
    EXPECT_EQ(M.TextHeight(), 0);
}

TEST(ScrollerPositions, EachModeGivesItsPlace) {
    TMediaScrollModel M = MakeModel();
    const std::pair<TMediaHorizPos, int> H[] = {
        {hpLeftLeft, -50}, {hpLeftRight, 0}, {hpCenter, 75}, {hpRightLeft, 150}, {hpRightRight, 200}};
    for (auto [Mode, Value] : H) {
        M.SetHorizStart(Mode);
        EXPECT_EQ(M.StartPosX(), Value) << Mode;
        M.SetHorizEnd(Mode);
        EXPECT_EQ(M.EndPosX(), Value) << Mode;
    }
    const std::pair<TMediaVertPos, int> V[] = {
        {vpTopTop, -30}, {vpTopBottom, 0}, {vpCenter, 35}, {vpBottomTop, 70}, {vpBottomBottom, 100}};
    for (auto [Mode, Value] : V) {
        M.SetVertStart(Mode);
        EXPECT_EQ(M.StartPosY(), Value) << Mode;
        M.SetVertEnd(Mode);
        EXPECT_EQ(M.EndPosY(), Value) << Mode;
    }
}

TEST(ScrollerPositions, SettingAPositionSwitchesToUserMode) {
    TMediaScrollModel M = MakeModel();
    M.SetStartPosX(-7);
    EXPECT_EQ(M.HorizStart(), hpUser);
    EXPECT_EQ(M.StartPosX(), -7);
    M.SetEndPosY(44);
    EXPECT_EQ(M.VertEnd(), vpUser);
    EXPECT_EQ(M.EndPosY(), 44);
    // The positions were reset to the (new) start.
    EXPECT_EQ(M.ScrollPosX(), -7);
    EXPECT_EQ(M.ScrollPosY(), 35);
}

TEST(ScrollerPositions, ScrollPosIsClampedBetweenStartAndEnd) {
    TMediaScrollModel M = MakeModel();
    M.SetHorizStart(hpLeftLeft);
    M.SetHorizEnd(hpRightRight);
    M.SetScrollPosX(500);
    EXPECT_EQ(M.ScrollPosX(), 200);
    M.SetScrollPosX(-500);
    EXPECT_EQ(M.ScrollPosX(), -50);
    // Start above end: only the start is allowed.
    M.SetHorizStart(hpRightRight);
    M.SetHorizEnd(hpLeftLeft);
    M.SetScrollPosX(0);
    EXPECT_EQ(M.ScrollPosX(), 200);
}

TEST(ScrollerPositions, ResetGoesToTheEndForNegativeSteps) {
    TMediaScrollModel M = MakeModel();
    M.SetHorizStart(hpLeftLeft);
    M.SetHorizEnd(hpRightRight);
    M.SetScrollStepX(-2);
    M.ResetPositions();
    EXPECT_EQ(M.ScrollPosX(), 200);
    M.SetScrollStepX(2);
    M.ResetPositions();
    EXPECT_EQ(M.ScrollPosX(), -50);
}

struct TEventLog {
    std::vector<std::string> Events;
    bool ResetX = true, ResetY = true;
    void Bind(TMediaScrollModel& M) {
        M.OnBegin = [this](TMediaScrollAxis A) { Events.push_back(A == saHorizontal ? "beginX" : "beginY"); };
        M.OnEnd = [this](TMediaScrollAxis A, bool& Reset) {
            Events.push_back(A == saHorizontal ? "endX" : "endY");
            Reset = A == saHorizontal ? ResetX : ResetY;
        };
        M.OnStep = [this] { Events.push_back("step"); };
    }
    int Count(const std::string& E) const {
        int N = 0;
        for (const auto& S : Events) N += S == E;
        return N;
    }
};

TEST(ScrollerStep, UpwardCreditsRestartFromTheBottom) {
    TMediaScrollModel M = MakeModel();
    TEventLog Log;
    Log.Bind(M);
    M.SetScrollStepY(-1);
    M.SetVertStart(vpTopTop);
    M.SetVertEnd(vpBottomBottom);
    EXPECT_EQ(M.ScrollPosY(), 100);
    EXPECT_TRUE(M.Step());
    EXPECT_EQ(M.ScrollPosY(), 99);
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"beginY", "step"}));
    // 130 steps from 100 reach -30, where the pass ends and starts over.
    for (int I = 1; I < 130; ++I) M.Step();
    EXPECT_EQ(M.ScrollPosY(), 100);
    EXPECT_EQ(Log.Count("endY"), 1);
    EXPECT_EQ(Log.Count("beginY"), 1);
    EXPECT_EQ(Log.Count("step"), 130);
    M.Step();
    EXPECT_EQ(M.ScrollPosY(), 99);
    EXPECT_EQ(Log.Count("beginY"), 2);
}

TEST(ScrollerStep, EndWithoutResetStaysAtTheFarEnd) {
    TMediaScrollModel M = MakeModel();
    TEventLog Log;
    Log.ResetY = false;
    Log.Bind(M);
    M.SetScrollStepY(25);
    M.SetVertStart(vpTopTop);    // -30
    M.SetVertEnd(vpTopBottom);   // 0
    M.Step();
    EXPECT_EQ(M.ScrollPosY(), -5);
    M.Step();
    EXPECT_EQ(M.ScrollPosY(), 0);  // clamped to the end, not past it
    EXPECT_EQ(Log.Count("endY"), 1);
    EXPECT_FALSE(M.Step());
    EXPECT_EQ(M.ScrollPosY(), 0);
}

TEST(ScrollerStep, HorizontalPassJumpsToTheOtherEnd) {
    TMediaScrollModel M = MakeModel();
    TEventLog Log;
    Log.Bind(M);
    M.SetScrollStepX(100);
    M.SetHorizStart(hpLeftLeft);     // -50
    M.SetHorizEnd(hpRightRight);     // 200
    M.Step();
    EXPECT_EQ(M.ScrollPosX(), 50);
    M.Step();
    EXPECT_EQ(M.ScrollPosX(), 150);
    M.Step();  // reaches 200: the end, and jumps back to the start
    EXPECT_EQ(M.ScrollPosX(), -50);
    EXPECT_EQ(Log.Count("endX"), 1);
    EXPECT_EQ(Log.Count("beginX"), 1);
    M.Step();
    EXPECT_EQ(Log.Count("beginX"), 2);
}

TEST(ScrollerStep, AxisWithStartNotBelowEndDoesNotMove) {
    TMediaScrollModel M = MakeModel();
    TEventLog Log;
    Log.Bind(M);
    M.SetScrollStepX(5);
    M.SetScrollStepY(-5);  // centre to centre: start equals end
    M.SetHorizStart(hpRightRight);
    M.SetHorizEnd(hpLeftLeft);
    EXPECT_FALSE(M.Step());
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"step"}));
}

TEST(ScrollerStep, ThrowingEventLeavesTheStep) {
    TMediaScrollModel M = MakeModel();
    M.SetScrollStepX(1);
    M.SetHorizStart(hpLeftLeft);
    M.SetHorizEnd(hpRightRight);
    M.OnStep = [&] {
        EXPECT_TRUE(M.InTick());
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(M.Step(), std::runtime_error);
    EXPECT_FALSE(M.InTick());
}

TEST(ScrollerLayout, OnlyLinesInsideTheDibAreListed) {
    TMediaScrollModel M = MakeModel();
    M.SetTextMetrics({30, 50, 20, 40, 10}, 10);
    M.SetAlignment(mlaCenter);
    M.SetStartPosX(5);
    M.SetStartPosY(-15);
    M.SetEndPosY(0);
    const auto Lines = M.VisibleLines(60, 20);
    ASSERT_EQ(Lines.size(), 3u);  // lines 1, 2, 3 meet rows 0 to 19
    EXPECT_EQ(Lines[0].Index, 1);
    EXPECT_EQ(Lines[0].Y, -5);
    EXPECT_EQ(Lines[0].X, 5 + 25);
    EXPECT_EQ(Lines[0].Rect, Rect(5, -5, 55, 5));
    EXPECT_EQ(Lines[2].Index, 3);
    EXPECT_EQ(Lines[2].Y, 15);
    M.SetAlignment(mlaRight);
    EXPECT_EQ(M.VisibleLines(60, 20)[0].X, 55);
    M.SetAlignment(mlaLeft);
    EXPECT_EQ(M.VisibleLines(60, 20)[0].X, 5);
    // Text block right of the DIB: nothing to draw.
    M.SetStartPosX(60);
    EXPECT_TRUE(M.VisibleLines(60, 20).empty());
}

TEST(ScrollerLayout, FarAwayBlockIsSkippedWithoutOverflow) {
    TMediaScrollModel M;
    M.SetInnerSize(10, 10);
    M.SetTextMetrics(std::vector<int>(1000, 5), 1000000);
    M.SetStartPosY(INT_MIN);
    M.SetEndPosY(0);
    EXPECT_EQ(M.TextHeight(), 1000000000);
    EXPECT_TRUE(M.VisibleLines(10, 10).empty());
}

class ScrollerCoreTest : public ::testing::Test {
protected:
    TFakeDriverLog Log;
    TMediaSharedTimer Timer{FakeDriver(Log)};
    TFakeMediaClock Clock;
    int Posted = 0;
    bool PostWorks = true;

    void Attach(TMediaScrollerCore& Core) {
        Core.SetPostStep([this] {
            if (!PostWorks) return false;
            ++Posted;
            return true;
        });
        TMediaScrollModel& M = Core.Model();
        M.SetInnerSize(100, 100);
        M.SetTextMetrics({40}, 10);
        M.SetScrollStepY(-1);
        M.SetVertStart(vpTopTop);
        M.SetVertEnd(vpBottomBottom);
    }
    void Ticks(int N) {
        for (int I = 0; I < N; ++I) Timer.Tick();
    }
};

TEST_F(ScrollerCoreTest, PausedWithoutAutoScroll) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    ASSERT_NE(Core.Client(), nullptr);
    EXPECT_EQ(Timer.ClientPauseCount(Core.Client()), 1);
    Ticks(20);
    EXPECT_EQ(Posted, 0);
}

TEST_F(ScrollerCoreTest, OneMessagePendingAtATime) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    Core.SetAutoScroll(true);
    EXPECT_EQ(Timer.ClientPauseCount(Core.Client()), 0);
    EXPECT_EQ(Timer.ClientPeriod(Core.Client()), 100u);
    Ticks(4);
    EXPECT_EQ(Posted, 1);
    EXPECT_FALSE(Core.Ready());
    Ticks(12);
    EXPECT_EQ(Posted, 1);  // nothing more until the message is handled
    Clock.Time = 1000;
    EXPECT_TRUE(Core.StepMessage());
    EXPECT_TRUE(Core.Ready());
    EXPECT_EQ(Core.Model().ScrollPosY(), 99);
    Ticks(4);
    EXPECT_EQ(Posted, 2);
}

TEST_F(ScrollerCoreTest, StepsAreThrottledAcrossTheClockWrap) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    Core.SetAutoScroll(true);
    Clock.Time = 0xFFFFFFF0u;
    EXPECT_TRUE(Core.StepMessage());
    Clock.Time = 0x40;  // 80 ms later
    EXPECT_FALSE(Core.StepMessage());
    EXPECT_TRUE(Core.Ready());
    Clock.Time = 0x54;  // 100 ms later
    EXPECT_TRUE(Core.StepMessage());
    EXPECT_EQ(Core.Model().ScrollPosY(), 98);
}

TEST_F(ScrollerCoreTest, AutoScrollActsOnlyOnChange) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    Core.SetAutoScroll(false);
    Core.SetAutoScroll(false);
    Core.SetAutoScroll(true);
    EXPECT_EQ(Timer.ClientPauseCount(Core.Client()), 0);
    Core.SetAutoScroll(true);
    Core.SetAutoScroll(false);
    EXPECT_EQ(Timer.ClientPauseCount(Core.Client()), 1);
}

TEST_F(ScrollerCoreTest, SpeedFollowsToTheRunningClient) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    EXPECT_TRUE(Core.SetScrollSpeed(60));
    EXPECT_EQ(Timer.ClientPeriod(Core.Client()), 100u);  // paused: taken when scrolling starts
    Core.SetAutoScroll(true);
    EXPECT_EQ(Timer.ClientPeriod(Core.Client()), 50u);
    Core.SetScrollSpeed(250);
    EXPECT_EQ(Timer.ClientPeriod(Core.Client()), 250u);
}

TEST_F(ScrollerCoreTest, FailedPostDoesNotStallScrolling) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    Core.SetAutoScroll(true);
    PostWorks = false;
    Ticks(4);
    EXPECT_TRUE(Core.Ready());
    PostWorks = true;
    Ticks(4);
    EXPECT_EQ(Posted, 1);
}

TEST_F(ScrollerCoreTest, DisabledOrDestroyingScrollerAsksForNothing) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    Core.SetAutoScroll(true);
    Core.SetEnabled(false);
    Ticks(8);
    EXPECT_EQ(Posted, 0);
    Core.SetEnabled(true);
    Core.BeginDestroy();
    Ticks(8);
    EXPECT_EQ(Posted, 0);
}

TEST_F(ScrollerCoreTest, DestructionRemovesTheClient) {
    {
        TMediaScrollerCore Core(Timer, Clock);
        Attach(Core);
        EXPECT_EQ(Timer.ClientCount(), 1);
    }
    EXPECT_EQ(Timer.ClientCount(), 0);
    EXPECT_FALSE(Log.Running);
}

TEST_F(ScrollerCoreTest, StepMessageDuringAStepIsIgnored) {
    TMediaScrollerCore Core(Timer, Clock);
    Attach(Core);
    int Nested = 0;
    Core.Model().OnStep = [&] {
        Clock.Time += 10000;
        if (Core.StepMessage()) ++Nested;
    };
    Clock.Time = 500;
    EXPECT_TRUE(Core.StepMessage());
    EXPECT_EQ(Nested, 0);
    EXPECT_EQ(Core.Model().ScrollPosY(), 99);
}

}  // namespace

namespace {

TEST(ScrollerSizes, DibAtLeastFourAndAutoSizeAddsTheBevel) {
    EXPECT_EQ(TMediaScrollModel::DibSize(2, 50), Point(4, 50));
    EXPECT_EQ(TMediaScrollModel::DibSize(-10, 0), Point(4, 4));
    EXPECT_EQ(TMediaScrollModel::AutoSizeExtent(120, 80, 3), Point(126, 86));
}

}  // namespace
