#pragma once
// The text scroller without its window: where the text block stands, how
// it steps between its start and end positions, which lines are visible,
// and (TMediaScrollerCore) the timer client that paces the steps. The
// control feeds it the text metrics measured with its font and the inner
// size of its bevel, and draws what it says.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "controls/MediaTimer.h"
#include "framework/classes/TypeInfo.h"
#include "framework/classes/UiTypes.h"

enum TMediaHorizPos { hpLeftLeft, hpLeftRight, hpCenter, hpRightLeft, hpRightRight, hpUser };
QRN_ENUM(TMediaHorizPos, hpLeftLeft, hpLeftRight, hpCenter, hpRightLeft, hpRightRight, hpUser)
enum TMediaVertPos { vpTopTop, vpTopBottom, vpCenter, vpBottomTop, vpBottomBottom, vpUser };
QRN_ENUM(TMediaVertPos, vpTopTop, vpTopBottom, vpCenter, vpBottomTop, vpBottomBottom, vpUser)

enum TMediaScrollAxis { saHorizontal, saVertical };
// Same order as the framework's TAlignment (left, right, centre).
enum TMediaLineAlign { mlaLeft, mlaRight, mlaCenter };

class TMediaScrollModel {
public:
    static constexpr int MinScrollSpeed = 25;
    // ScrollSpeed as stored: limited to [25, 2147483647], rounded down to
    // a multiple of 25.
    static int ValidScrollSpeed(int Value);
    // The DIB behind the inner rectangle is at least 4 x 4.
    static TPoint DibSize(int InnerWidth, int InnerHeight);
    // AutoSize: the background picture plus the bevel on every side.
    static TPoint AutoSizeExtent(int PictureWidth, int PictureHeight, int BevelWidth);

    // Text metrics: one width per line and the height of "A".
    void SetTextMetrics(const std::vector<int>& LineWidths, int LineHeight);
    int LineCount() const { return static_cast<int>(FLineWidths.size()); }
    int LineHeight() const { return FLineHeight; }
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }
    // The inner rectangle's size (client less bevel).
    void SetInnerSize(int Width, int Height);
    int InnerWidth() const { return FInnerWidth; }
    int InnerHeight() const { return FInnerHeight; }

    TMediaLineAlign Alignment() const { return FAlignment; }
    void SetAlignment(TMediaLineAlign Value) { FAlignment = Value; }
    // X offset of a line's alignment point from the block's left edge.
    int AlignmentOffset() const;

    int ScrollSpeed() const { return FScrollSpeed; }
    // True when the stored value changed.
    bool SetScrollSpeed(int Value);
    int ScrollStepX() const { return FStepX; }
    int ScrollStepY() const { return FStepY; }
    void SetScrollStepX(int Value) { FStepX = Value; }
    void SetScrollStepY(int Value) { FStepY = Value; }

    // Modes and positions; every change resets the positions.
    TMediaHorizPos HorizStart() const { return FHorizStart; }
    TMediaHorizPos HorizEnd() const { return FHorizEnd; }
    TMediaVertPos VertStart() const { return FVertStart; }
    TMediaVertPos VertEnd() const { return FVertEnd; }
    void SetHorizStart(TMediaHorizPos Value);
    void SetHorizEnd(TMediaHorizPos Value);
    void SetVertStart(TMediaVertPos Value);
    void SetVertEnd(TMediaVertPos Value);
    // The positions the modes give now (the set value in user mode).
    int StartPosX() const { return HorizValue(FHorizStart, FUserStartX); }
    int EndPosX() const { return HorizValue(FHorizEnd, FUserEndX); }
    int StartPosY() const { return VertValue(FVertStart, FUserStartY); }
    int EndPosY() const { return VertValue(FVertEnd, FUserEndY); }
    // Store the value and switch that mode to user.
    void SetStartPosX(int Value);
    void SetEndPosX(int Value);
    void SetStartPosY(int Value);
    void SetEndPosY(int Value);

    int ScrollPosX() const { return FPosX; }
    int ScrollPosY() const { return FPosY; }
    // Clamped into [start, max(start, end)] of the axis.
    void SetScrollPosX(int Value) { FPosX = ClampX(Value); }
    void SetScrollPosY(int Value) { FPosY = ClampY(Value); }
    // Each axis to its end when its step is negative, else to its start.
    void ResetPositions();

    // One step; true when a position changed. The events may throw: the
    // step then ends where it was.
    bool Step();
    bool InTick() const { return FInTick; }

    std::function<void(TMediaScrollAxis Axis)> OnBegin;
    // Reset starts true; left true, the pass starts over.
    std::function<void(TMediaScrollAxis Axis, bool& Reset)> OnEnd;
    std::function<void()> OnStep;

    // A line to draw: its index, the alignment point to draw it at and the
    // rectangle it takes (TextWidth wide, one line high).
    struct TLinePlacement {
        int Index = 0;
        int X = 0;
        int Y = 0;
        TRect Rect;
        friend bool operator==(const TLinePlacement&, const TLinePlacement&) = default;
    };
    // The lines whose rectangle meets a DIB of the given size, top first.
    std::vector<TLinePlacement> VisibleLines(int DibWidth, int DibHeight) const;

private:
    int HorizValue(TMediaHorizPos Mode, int User) const;
    int VertValue(TMediaVertPos Mode, int User) const;
    int ClampX(int64_t Value) const;
    int ClampY(int64_t Value) const;

    std::vector<int> FLineWidths;
    int FLineHeight = 0;
    int FTextWidth = 0;
    int FTextHeight = 0;
    int FInnerWidth = 0;
    int FInnerHeight = 0;
    TMediaLineAlign FAlignment = mlaCenter;
    int FScrollSpeed = 100;
    int FStepX = 0;
    int FStepY = 0;
    TMediaHorizPos FHorizStart = hpCenter;
    TMediaHorizPos FHorizEnd = hpCenter;
    TMediaVertPos FVertStart = vpCenter;
    TMediaVertPos FVertEnd = vpCenter;
    int FUserStartX = 0, FUserEndX = 0, FUserStartY = 0, FUserEndY = 0;
    int FPosX = 0;
    int FPosY = 0;
    bool FInTick = false;
};

// The model paced by a client of the shared timer. The client is made
// paused at creation; AutoScroll resumes it. On the timer's thread the
// client only asks for a step message (PostStep) when none is pending; the
// control, on its own thread, answers the message with StepMessage.
class TMediaScrollerCore {
public:
    // Posts the step message; false when it could not be posted.
    using TPostStep = std::function<bool()>;

    TMediaScrollerCore(TMediaSharedTimer& Timer, TMediaClock& Clock);
    ~TMediaScrollerCore();
    TMediaScrollerCore(const TMediaScrollerCore&) = delete;
    TMediaScrollerCore& operator=(const TMediaScrollerCore&) = delete;

    TMediaScrollModel& Model() { return FModel; }
    const TMediaScrollModel& Model() const { return FModel; }
    TMediaTimerClient* Client() const { return FClient; }

    // Set before scrolling starts; called on the timer's thread.
    void SetPostStep(TPostStep Post);
    void SetEnabled(bool Value) { FEnabled.store(Value); }
    // No step messages are asked for from now on (the control is going).
    void BeginDestroy() { FDestroying.store(true); }

    bool AutoScroll() const { return FAutoScroll; }
    // On: positions reset, the client's period becomes ScrollSpeed and it
    // resumes. Off: the client pauses. Only a change acts.
    void SetAutoScroll(bool Value);
    // True when the stored speed changed; the running client follows.
    bool SetScrollSpeed(int Value);

    bool Ready() const { return FReady.load(); }
    // The step message: steps when ScrollSpeed ms passed since the last
    // step (on the wrapping clock) and no step is running, then allows the
    // next message. True when a position changed.
    bool StepMessage();

private:
    static void TimerProc(TMediaTimerClient* Client, void* Data);

    TMediaScrollModel FModel;
    TMediaSharedTimer& FTimer;
    TMediaClock& FClock;
    TMediaTimerClient* FClient = nullptr;  // owned by the shared timer
    std::mutex FPostLock;  // FPost is read on the timer thread
    TPostStep FPost;
    std::atomic<bool> FEnabled{true};
    std::atomic<bool> FDestroying{false};
    std::atomic<bool> FReady{true};
    bool FAutoScroll = false;
    bool FStepped = false;  // a step was made: FLastStep holds its time
    uint32_t FLastStep = 0;
};
