#include "controls/MediaScrollModel.h"

#include <algorithm>
#include <limits>

#include "controls/MediaRoutines.h"

namespace {

int ToInt(int64_t V) {
    return static_cast<int>(std::clamp<int64_t>(V, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Clears a flag however the scope is left.
struct TFlagGuard {
    bool& Flag;
    explicit TFlagGuard(bool& F) : Flag(F) { Flag = true; }
    ~TFlagGuard() { Flag = false; }
};

}  // namespace

int TMediaScrollModel::ValidScrollSpeed(int Value) {
    Value = MediaRoutines.Clamp(Value, MinScrollSpeed, std::numeric_limits<int>::max());
    return Value - Value % MinScrollSpeed;
}

TPoint TMediaScrollModel::DibSize(int InnerWidth, int InnerHeight) {
    return Point(MediaRoutines.Max(InnerWidth, 4), MediaRoutines.Max(InnerHeight, 4));
}

TPoint TMediaScrollModel::AutoSizeExtent(int PictureWidth, int PictureHeight, int BevelWidth) {
    return Point(ToInt(int64_t{PictureWidth} + 2 * int64_t{BevelWidth}),
                 ToInt(int64_t{PictureHeight} + 2 * int64_t{BevelWidth}));
}

void TMediaScrollModel::SetTextMetrics(const std::vector<int>& LineWidths, int LineHeight) {
    FLineWidths = LineWidths;
    FLineHeight = std::max(LineHeight, 0);
    int Widest = 0;
    for (int W : FLineWidths) Widest = MediaRoutines.Max(Widest, W);
    FTextWidth = Widest;
    FTextHeight = ToInt(static_cast<int64_t>(FLineWidths.size()) * FLineHeight);
}

void TMediaScrollModel::SetInnerSize(int Width, int Height) {
    FInnerWidth = Width;
    FInnerHeight = Height;
}

int TMediaScrollModel::AlignmentOffset() const {
    switch (FAlignment) {
        case mlaRight: return FTextWidth;
        case mlaCenter: return FTextWidth / 2;
        default: return 0;
    }
}

bool TMediaScrollModel::SetScrollSpeed(int Value) {
    Value = ValidScrollSpeed(Value);
    if (Value == FScrollSpeed) return false;
    FScrollSpeed = Value;
    return true;
}

void TMediaScrollModel::SetHorizStart(TMediaHorizPos Value) {
    FHorizStart = Value;
    ResetPositions();
}

void TMediaScrollModel::SetHorizEnd(TMediaHorizPos Value) {
    FHorizEnd = Value;
    ResetPositions();
}

void TMediaScrollModel::SetVertStart(TMediaVertPos Value) {
    FVertStart = Value;
    ResetPositions();
}

void TMediaScrollModel::SetVertEnd(TMediaVertPos Value) {
    FVertEnd = Value;
    ResetPositions();
}

void TMediaScrollModel::SetStartPosX(int Value) {
    FUserStartX = Value;
    FHorizStart = hpUser;
    ResetPositions();
}

void TMediaScrollModel::SetEndPosX(int Value) {
    FUserEndX = Value;
    FHorizEnd = hpUser;
    ResetPositions();
}

void TMediaScrollModel::SetStartPosY(int Value) {
    FUserStartY = Value;
    FVertStart = vpUser;
    ResetPositions();
}

void TMediaScrollModel::SetEndPosY(int Value) {
    FUserEndY = Value;
    FVertEnd = vpUser;
    ResetPositions();
}

int TMediaScrollModel::HorizValue(TMediaHorizPos Mode, int User) const {
    const int64_t W = FInnerWidth, T = FTextWidth;
    switch (Mode) {
        case hpLeftLeft: return ToInt(-T);
        case hpLeftRight: return 0;
        case hpCenter: return ToInt((W - T) / 2);
        case hpRightLeft: return ToInt(W - T);
        case hpRightRight: return FInnerWidth;
        default: return User;
    }
}

int TMediaScrollModel::VertValue(TMediaVertPos Mode, int User) const {
    const int64_t H = FInnerHeight, T = FTextHeight;
    switch (Mode) {
        case vpTopTop: return ToInt(-T);
        case vpTopBottom: return 0;
        case vpCenter: return ToInt((H - T) / 2);
        case vpBottomTop: return ToInt(H - T);
        case vpBottomBottom: return FInnerHeight;
        default: return User;
    }
}

int TMediaScrollModel::ClampX(int64_t Value) const {
    const int Start = StartPosX();
    return MediaRoutines.Clamp(ToInt(Value), Start, MediaRoutines.Max(Start, EndPosX()));
}

int TMediaScrollModel::ClampY(int64_t Value) const {
    const int Start = StartPosY();
    return MediaRoutines.Clamp(ToInt(Value), Start, MediaRoutines.Max(Start, EndPosY()));
}

void TMediaScrollModel::ResetPositions() {
    FPosX = FStepX < 0 ? EndPosX() : StartPosX();
    FPosY = FStepY < 0 ? EndPosY() : StartPosY();
}

bool TMediaScrollModel::Step() {
    TFlagGuard Guard(FInTick);
    const int OldX = FPosX, OldY = FPosY;
    const bool MoveX = FStepX != 0 && StartPosX() < EndPosX();
    const bool MoveY = FStepY != 0 && StartPosY() < EndPosY();

    if (MoveX && ((FStepX > 0 && FPosX == StartPosX()) || (FStepX < 0 && FPosX == EndPosX())) && OnBegin)
        OnBegin(saHorizontal);
    if (MoveY && ((FStepY > 0 && FPosY == StartPosY()) || (FStepY < 0 && FPosY == EndPosY())) && OnBegin)
        OnBegin(saVertical);

    if (MoveX) FPosX = ClampX(static_cast<int64_t>(FPosX) + FStepX);
    if (MoveY) FPosY = ClampY(static_cast<int64_t>(FPosY) + FStepY);

    if (OnStep) OnStep();

    if (MoveX && ((FStepX > 0 && FPosX == EndPosX()) || (FStepX < 0 && FPosX == StartPosX()))) {
        bool Reset = true;
        if (OnEnd) OnEnd(saHorizontal, Reset);
        if (Reset) FPosX = FPosX == EndPosX() ? StartPosX() : EndPosX();
    }
    if (MoveY && ((FStepY > 0 && FPosY == EndPosY()) || (FStepY < 0 && FPosY == StartPosY()))) {
        bool Reset = true;
        if (OnEnd) OnEnd(saVertical, Reset);
        if (Reset) ResetPositions();
    }
    return FPosX != OldX || FPosY != OldY;
}

std::vector<TMediaScrollModel::TLinePlacement> TMediaScrollModel::VisibleLines(int DibWidth, int DibHeight) const {
    std::vector<TLinePlacement> Lines;
    const TRect Dib = Rect(0, 0, DibWidth, DibHeight);
    if (Dib.IsEmpty() || FLineHeight <= 0) return Lines;
    const int64_t Left = FPosX, Right = Left + FTextWidth;
    if (Right <= 0 || Left >= DibWidth || FTextWidth <= 0) return Lines;
    // Lines above the DIB are skipped without walking them.
    int64_t First = 0;
    if (FPosY < 0) First = (-static_cast<int64_t>(FPosY)) / FLineHeight;
    for (int64_t I = First; I < LineCount(); ++I) {
        const int64_t Y = FPosY + I * FLineHeight;
        if (Y >= DibHeight) break;
        if (Y + FLineHeight <= 0) continue;
        TLinePlacement P;
        P.Index = static_cast<int>(I);
        P.X = ToInt(Left + AlignmentOffset());
        P.Y = static_cast<int>(Y);
        P.Rect = Rect(FPosX, P.Y, ToInt(Right), ToInt(Y + FLineHeight));
        Lines.push_back(P);
    }
    return Lines;
}

TMediaScrollerCore::TMediaScrollerCore(TMediaSharedTimer& Timer, TMediaClock& Clock) : FTimer(Timer), FClock(Clock) {
    FClient = FTimer.RegisterClient(FModel.ScrollSpeed(), 1, &TMediaScrollerCore::TimerProc, this);
}

TMediaScrollerCore::~TMediaScrollerCore() {
    BeginDestroy();
    // Once this returns the timer no longer calls TimerProc with this.
    FTimer.UnregisterClient(FClient);
}

void TMediaScrollerCore::SetPostStep(TPostStep Post) {
    std::lock_guard<std::mutex> Guard(FPostLock);
    FPost = std::move(Post);
}

void TMediaScrollerCore::SetAutoScroll(bool Value) {
    if (Value == FAutoScroll) return;
    FAutoScroll = Value;
    if (Value) {
        FModel.ResetPositions();
        FTimer.SetClientPeriod(FClient, FModel.ScrollSpeed());
        FTimer.ResumeClient(FClient);
    } else {
        FTimer.PauseClient(FClient);
    }
}

bool TMediaScrollerCore::SetScrollSpeed(int Value) {
    if (!FModel.SetScrollSpeed(Value)) return false;
    if (FAutoScroll) FTimer.SetClientPeriod(FClient, FModel.ScrollSpeed());
    return true;
}

void TMediaScrollerCore::TimerProc(TMediaTimerClient*, void* Data) {
    auto* Self = static_cast<TMediaScrollerCore*>(Data);
    if (!Self->FEnabled.load() || Self->FDestroying.load()) return;
    bool Expected = true;
    if (!Self->FReady.compare_exchange_strong(Expected, false)) return;
    std::lock_guard<std::mutex> Guard(Self->FPostLock);
    // A message that could not be posted must not stop the scrolling for good.
    if (!Self->FPost || !Self->FPost()) Self->FReady.store(true);
}

bool TMediaScrollerCore::StepMessage() {
    struct TReadyAgain {
        std::atomic<bool>& Ready;
        ~TReadyAgain() { Ready.store(true); }
    } ReadyAgain{FReady};
    if (FModel.InTick()) return false;
    if (FStepped && MediaElapsed(FLastStep, FClock.Now()) < static_cast<uint32_t>(FModel.ScrollSpeed())) return false;
    const bool Changed = FModel.Step();
    FLastStep = FClock.Now();
    FStepped = true;
    return Changed;
}
