#include "controls/win/MediaScroller.h"

#include <vector>


TMediaCustomScroller::TMediaCustomScroller(TComponent* AOwner)
    : TMediaDIBGraphicControl(AOwner),
      FCore(std::make_unique<TMediaScrollerCore>(MediaTimer(), SystemMediaClock())),
      FLines(std::make_unique<TStringList>()) {
    TMediaScrollModel& M = FCore->Model();
    M.OnBegin = [this](TMediaScrollAxis Axis) { DoBegin(Axis); };
    M.OnEnd = [this](TMediaScrollAxis Axis, bool& Reset) { Reset = DoEnd(Axis); };
    M.OnStep = [this] { DoStep(); };
    FWindow = AllocateHWnd([this](TMessage& Message) { WindowMessage(Message); });
    HWND Window = FWindow;
    // Runs on the timer's thread: only posts.
    FCore->SetPostStep([Window, this] {
        return PostMessageA(Window, StepMessageNumber, 0, reinterpret_cast<LPARAM>(this)) != FALSE;
    });
    FLines->OnChange = TNotifyEvent(this, &TMediaCustomScroller::LinesChanged);
    SetBounds(Left(), Top(), 100, 100);
    SizeCanvas();
}

void TMediaCustomScroller::BeforeDestruction() {
    if (FCore) {
        FCore->BeginDestroy();
        // Unregisters the timer client: no procedure runs for it afterwards.
        FCore.reset();
    }
    if (FWindow) {
        MSG Pending;
        while (PeekMessageA(&Pending, FWindow, StepMessageNumber, StepMessageNumber, PM_REMOVE)) {
        }
        DeallocateHWnd(FWindow);
        FWindow = nullptr;
    }
    TMediaDIBGraphicControl::BeforeDestruction();
}

TMediaCustomScroller::~TMediaCustomScroller() {
    if (FLines) FLines->OnChange = TNotifyEvent();
}

void TMediaCustomScroller::WindowMessage(TMessage& Message) {
    if (Message.Msg == StepMessageNumber && Message.LParam == reinterpret_cast<LPARAM>(this)) {
        try {
            if (FCore && FCore->StepMessage()) Redraw();
        } catch (...) {
            HandleCallbackException(this);
        }
        return;
    }
    Message.Result = DefWindowProcA(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

bool TMediaCustomScroller::StepNow() {
    if (!FCore || FCore->Model().InTick()) return false;
    const bool Changed = FCore->Model().Step();
    if (Changed) Redraw();
    return Changed;
}

void TMediaCustomScroller::Redraw() { PaintThrough(); }

void TMediaCustomScroller::DoBegin(TMediaScrollAxis Axis) {
    TNotifyEvent& Event = Axis == saHorizontal ? OnBeginX : OnBeginY;
    if (Event) Event(this);
}

bool TMediaCustomScroller::DoEnd(TMediaScrollAxis Axis) {
    bool Reset = true;
    TMediaEndNotifyEvent& Event = Axis == saHorizontal ? OnEndX : OnEndY;
    if (Event) Event(this, Reset);
    return Reset;
}

void TMediaCustomScroller::DoStep() {
    if (OnStep) OnStep(this);
}

bool TMediaCustomScroller::AutoScroll() const {
    if (ComponentState().Contains(csLoading)) return FLoadedAutoScroll;
    return FCore && FCore->AutoScroll();
}

void TMediaCustomScroller::SetAutoScroll(bool Value) {
    if (ComponentState().Contains(csLoading)) {
        FLoadedAutoScroll = Value;
        return;
    }
    FCore->SetAutoScroll(Value);
    Invalidate();
}

void TMediaCustomScroller::SetAlignment(TAlignment Value) {
    FCore->Model().SetAlignment(static_cast<TMediaLineAlign>(Value));
    Invalidate();
}

void TMediaCustomScroller::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    ApplyAutoSize();
}

void TMediaCustomScroller::ApplyAutoSize() {
    if (!FAutoSize || BackGroundDIB()->Empty()) return;
    const TPoint Size =
        TMediaScrollModel::AutoSizeExtent(BackGroundDIB()->Width(), BackGroundDIB()->Height(), BevelWidth());
    SetBounds(Left(), Top(), Size.X, Size.Y);
}

void TMediaCustomScroller::SetScrollPosX(int Value) {
    FCore->Model().SetScrollPosX(Value);
    if (!Model().InTick() && !ComponentState().Contains(csLoading)) Invalidate();
}

void TMediaCustomScroller::SetScrollPosY(int Value) {
    FCore->Model().SetScrollPosY(Value);
    if (!Model().InTick() && !ComponentState().Contains(csLoading)) Invalidate();
}

void TMediaCustomScroller::PositionsChanged() {
    FCore->Model().ResetPositions();
    Invalidate();
}

void TMediaCustomScroller::SetHorizStart(TMediaHorizPos Value) {
    FCore->Model().SetHorizStart(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetHorizEnd(TMediaHorizPos Value) {
    FCore->Model().SetHorizEnd(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetVertStart(TMediaVertPos Value) {
    FCore->Model().SetVertStart(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetVertEnd(TMediaVertPos Value) {
    FCore->Model().SetVertEnd(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetStartPosX(int Value) {
    FCore->Model().SetStartPosX(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetEndPosX(int Value) {
    FCore->Model().SetEndPosX(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetStartPosY(int Value) {
    FCore->Model().SetStartPosY(Value);
    PositionsChanged();
}
void TMediaCustomScroller::SetEndPosY(int Value) {
    FCore->Model().SetEndPosY(Value);
    PositionsChanged();
}

void TMediaCustomScroller::LinesChanged(TObject*) {
    MeasureText();
    PositionsChanged();
}

// Line widths and the height of "A" with the control's font, measured on
// the DIB canvas the text is drawn on.
void TMediaCustomScroller::MeasureText() {
    if (!FCore) return;
    TMediaDIBCanvas* C = DIBCanvas();
    C->SetFont(Font());
    std::vector<int> Widths;
    Widths.reserve(static_cast<size_t>(FLines->Count()));
    for (int I = 0; I < FLines->Count(); ++I) Widths.push_back(C->TextWidth(FLines->Strings(I)));
    FCore->Model().SetTextMetrics(Widths, C->TextHeight("A"));
}

void TMediaCustomScroller::SizeCanvas() {
    if (!FCore) {
        TMediaDIBGraphicControl::SizeCanvas();
        return;
    }
    const TRect Inner = InnerRect();
    FCore->Model().SetInnerSize(Inner.Width(), Inner.Height());
    const TPoint Dib = TMediaScrollModel::DibSize(Inner.Width(), Inner.Height());
    DIBCanvas()->SetSize(Dib.X, Dib.Y);
    if (!DIBCanvas()->Drawing()) MeasureText();
    Invalidate();
}

void TMediaCustomScroller::BevelChanged() {
    SizeCanvas();
    TMediaDIBGraphicControl::BevelChanged();
}

void TMediaCustomScroller::Loaded() {
    TMediaDIBGraphicControl::Loaded();
    ApplyAutoSize();
    SizeCanvas();
    FCore->Model().ResetPositions();
    FCore->SetAutoScroll(FLoadedAutoScroll);
}

void TMediaCustomScroller::WndProc(TMessage& Message) {
    TMediaDIBGraphicControl::WndProc(Message);
    switch (Message.Msg) {
        case CM_FONTCHANGED:
            MeasureText();
            PositionsChanged();
            break;
        case CM_ENABLEDCHANGED:
            if (FCore) FCore->SetEnabled(Enabled());
            break;
        default:
            break;
    }
}

void TMediaCustomScroller::Paint() {
    const TRect Inner = PaintBevel();
    TMediaDIBCanvas* C = DIBCanvas();
    C->BeginDraw();
    struct TEnd {
        TMediaDIBCanvas* C;
        ~TEnd() { C->EndDraw(); }
    } Guard{C};
    DrawBackground();
    DrawText();
    C->CopyTo(Canvas()->Handle(), Inner, 0, 0);
}

void TMediaCustomScroller::DrawText() {
    TMediaDIBCanvas* C = DIBCanvas();
    const auto Lines = Model().VisibleLines(C->Width(), C->Height());
    if (Lines.empty()) return;
    GdiFlush();
    C->SetFont(Font());
    C->Brush()->SetStyle(bsClear);
    HDC DC = C->Handle();
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, ColorToRGB(Font()->Color()));
    static constexpr UINT Align[] = {TA_LEFT, TA_RIGHT, TA_CENTER};
    const UINT OldAlign = SetTextAlign(DC, Align[Model().Alignment()] | TA_TOP);
    for (const auto& Line : Lines) {
        const std::string& Text = FLines->Strings(Line.Index);
        const RECT R = ToRECT(Line.Rect);
        ExtTextOutA(DC, Line.X, Line.Y, ETO_CLIPPED, &R, Text.data(), static_cast<UINT>(Text.size()), nullptr);
    }
    SetTextAlign(DC, OldAlign);
    GdiFlush();
}

QRN_PUBLISHED(TMediaCustomScroller) {}

QRN_PUBLISHED(TMediaScroller) {
    using S = TMediaScroller;
    B.Prop("Bevel", &S::Bevel, &S::SetBevel);
    B.Prop("UseBackGroundDIB", &S::UseBackGroundDIB, &S::SetUseBackGroundDIB).Default(false);
    B.Prop("BackGroundDIB", &S::BackGroundDIB, &S::SetBackGroundDIB);
    B.Prop("PaletteRealize", &S::PaletteRealize, &S::SetPaletteRealize).Default(false);
    B.Prop("PaletteMapped", &S::PaletteMapped, &S::SetPaletteMapped).Default(false);
    B.Prop("Text", &S::Lines, &S::SetLines);
    B.Prop("Alignment", &S::Alignment, &S::SetAlignment).Default(taCenter);
    B.Prop("AutoSize", &S::AutoSize, &S::SetAutoSize).Default(true);
    B.Prop("AutoScroll", &S::AutoScroll, &S::SetAutoScroll).Default(false);
    B.Prop("ScrollSpeed", &S::ScrollSpeed, &S::SetScrollSpeed).Default(100);
    B.Prop("ScrollStepX", &S::ScrollStepX, &S::SetScrollStepX).Default(0);
    B.Prop("ScrollStepY", &S::ScrollStepY, &S::SetScrollStepY).Default(0);
    B.Prop("ScrollPosX", &S::ScrollPosX, &S::SetScrollPosX).NoDefault().Stored([](TObject* O) {
        auto* Self = static_cast<S*>(O);
        return !Self->AutoScroll() && Self->ScrollPosX() != 0;
    });
    B.Prop("ScrollPosY", &S::ScrollPosY, &S::SetScrollPosY).NoDefault().Stored([](TObject* O) {
        auto* Self = static_cast<S*>(O);
        return !Self->AutoScroll() && Self->ScrollPosY() != 0;
    });
    B.Prop("HorizStart", &S::HorizStart, &S::SetHorizStart).Default(hpCenter);
    B.Prop("HorizEnd", &S::HorizEnd, &S::SetHorizEnd).Default(hpCenter);
    B.Prop("VertStart", &S::VertStart, &S::SetVertStart).Default(vpCenter);
    B.Prop("VertEnd", &S::VertEnd, &S::SetVertEnd).Default(vpCenter);
    B.Prop("StartPosX", &S::StartPosX, &S::SetStartPosX).NoDefault().Stored([](TObject* O) {
        return static_cast<S*>(O)->HorizStart() == hpUser;
    });
    B.Prop("StartPosY", &S::StartPosY, &S::SetStartPosY).NoDefault().Stored([](TObject* O) {
        return static_cast<S*>(O)->VertStart() == vpUser;
    });
    B.Prop("EndPosX", &S::EndPosX, &S::SetEndPosX).NoDefault().Stored([](TObject* O) {
        return static_cast<S*>(O)->HorizEnd() == hpUser;
    });
    B.Prop("EndPosY", &S::EndPosY, &S::SetEndPosY).NoDefault().Stored([](TObject* O) {
        return static_cast<S*>(O)->VertEnd() == vpUser;
    });
    B.Prop("TextWidth", &S::TextWidth).NoDefault().Stored(false);
    B.Prop("TextHeight", &S::TextHeight).NoDefault().Stored(false);
    B.Event("OnBeginX", &S::OnBeginX);
    B.Event("OnBeginY", &S::OnBeginY);
    B.Event("OnEndX", &S::OnEndX);
    B.Event("OnEndY", &S::OnEndY);
    B.Event("OnStep", &S::OnStep);
}
