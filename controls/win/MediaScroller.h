#pragma once
// The text scroller: lines of text drawn into a DIB and moved step by step
// between a start and an end position, paced by the shared multimedia
// timer. The timer's thread only posts a step message to a hidden window
// (at most one pending); stepping, drawing and events run on the
// user-interface thread.
#include <memory>

#include "controls/MediaScrollModel.h"
#include "controls/win/MediaDIBCanvas.h"
#include "framework/rtl/StringList.h"
#include "framework/stdctrls/StdCtrls.h"

using TMediaEndNotifyEvent = TEvent<void(TObject* Sender, bool& Reset)>;

class TMediaCustomScroller : public TMediaDIBGraphicControl {
    QRN_CLASS(TMediaCustomScroller, TMediaDIBGraphicControl)
public:
    // The message the timer posts for a step; LParam is the scroller.
    static constexpr uint32_t StepMessageNumber = WM_APP + 1;

    explicit TMediaCustomScroller(TComponent* AOwner);
    ~TMediaCustomScroller() override;
    void BeforeDestruction() override;

    // The lines (published as Text; assigning copies).
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* Value) { FLines->Assign(Value); }
    TAlignment Alignment() const { return static_cast<TAlignment>(Model().Alignment()); }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool AutoScroll() const;
    void SetAutoScroll(bool Value);
    int ScrollSpeed() const { return Model().ScrollSpeed(); }
    void SetScrollSpeed(int Value) { FCore->SetScrollSpeed(Value); }
    int ScrollStepX() const { return Model().ScrollStepX(); }
    void SetScrollStepX(int Value) { FCore->Model().SetScrollStepX(Value); }
    int ScrollStepY() const { return Model().ScrollStepY(); }
    void SetScrollStepY(int Value) { FCore->Model().SetScrollStepY(Value); }
    int ScrollPosX() const { return Model().ScrollPosX(); }
    void SetScrollPosX(int Value);
    int ScrollPosY() const { return Model().ScrollPosY(); }
    void SetScrollPosY(int Value);
    TMediaHorizPos HorizStart() const { return Model().HorizStart(); }
    void SetHorizStart(TMediaHorizPos Value);
    TMediaHorizPos HorizEnd() const { return Model().HorizEnd(); }
    void SetHorizEnd(TMediaHorizPos Value);
    TMediaVertPos VertStart() const { return Model().VertStart(); }
    void SetVertStart(TMediaVertPos Value);
    TMediaVertPos VertEnd() const { return Model().VertEnd(); }
    void SetVertEnd(TMediaVertPos Value);
    int StartPosX() const { return Model().StartPosX(); }
    void SetStartPosX(int Value);
    int EndPosX() const { return Model().EndPosX(); }
    void SetEndPosX(int Value);
    int StartPosY() const { return Model().StartPosY(); }
    void SetStartPosY(int Value);
    int EndPosY() const { return Model().EndPosY(); }
    void SetEndPosY(int Value);
    int TextWidth() const { return Model().TextWidth(); }
    int TextHeight() const { return Model().TextHeight(); }

    TNotifyEvent OnBeginX, OnBeginY;
    TMediaEndNotifyEvent OnEndX, OnEndY;
    TNotifyEvent OnStep;

    const TMediaScrollModel& Model() const { return FCore->Model(); }
    TMediaScrollerCore& Core() { return *FCore; }
    // One step at once, as the timer's message makes it (tests, callers
    // that drive the scroller themselves). True when a position changed.
    bool StepNow();
    HWND StepWindow() const { return FWindow; }

protected:
    virtual void DoBegin(TMediaScrollAxis Axis);
    virtual bool DoEnd(TMediaScrollAxis Axis);
    virtual void DoStep();
    void Paint() override;
    void Loaded() override;
    void SizeCanvas() override;
    void BevelChanged() override;
    void WndProc(TMessage& Message) override;

private:
    void WindowMessage(TMessage& Message);
    void LinesChanged(TObject* Sender);
    void MeasureText();
    void PositionsChanged();
    void DrawText();
    void ApplyAutoSize();
    void Redraw();

    std::unique_ptr<TMediaScrollerCore> FCore;
    std::unique_ptr<TStringList> FLines;
    HWND FWindow = nullptr;
    bool FAutoSize = true;
    bool FLoadedAutoScroll = false;
};

class TMediaScroller : public TMediaCustomScroller {
    QRN_CLASS(TMediaScroller, TMediaCustomScroller)
public:
    explicit TMediaScroller(TComponent* AOwner) : TMediaCustomScroller(AOwner) {}
};
