#include "designer/support/win/ZelHint.h"

#include <algorithm>

#include "designer/support/MarkedText.h"
#include "framework/graphics/ScreenDC.h"

QRN_PUBLISHED(TZelHintWindow) {}
QRN_PUBLISHED(TZelHint) {
    B.Prop("AutoHide", &TZelHint::AutoHide, &TZelHint::SetAutoHide).Default(true);
    B.Prop("Interval", &TZelHint::Interval, &TZelHint::SetInterval).Default(50);
    B.Prop("Immediate", &TZelHint::Immediate, &TZelHint::SetImmediate).Default(true);
    B.Prop("BoldFont", &TZelHint::BoldFont, &TZelHint::SetBoldFont);
    B.Prop("Visible", &TZelHint::Visible, &TZelHint::SetVisible).Default(false);
    B.Prop("Caption", &TZelHint::Caption, &TZelHint::SetCaption);
    B.Event("OnVisibleChanged", &TZelHint::OnVisibleChanged);
}

namespace {
SIZE PartExtent(HDC DC, TFont* Font, const std::string& Part) {
    SIZE S{0, 0};
    HGDIOBJ Old = SelectObject(DC, Font->Handle());
    GetTextExtentPoint32A(DC, Part.c_str(), static_cast<int>(Part.size()), &S);
    SelectObject(DC, Old);
    return S;
}

// The three parts of a text around its marked stretch.
struct TParts {
    std::string Before, Marked, After;
};
TParts SplitAt(const std::string& Text, int Start, int Length) {
    if (Start <= 0) return {Text, {}, {}};
    const size_t From = std::min(Text.size(), static_cast<size_t>(Start - 1));
    const size_t Count = std::min(Text.size() - From, static_cast<size_t>(std::max(Length, 0)));
    return {Text.substr(0, From), Text.substr(From, Count), Text.substr(From + Count)};
}
}  // namespace

void DrawMarkedText(HDC DC, TFont* Font, TFont* BoldFont, bool FromRight, int Start, int Length,
                    const std::string& Text, const TRect& Rect) {
    const TParts P = SplitAt(Text, Start, Length);
    RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    const UINT Format = DT_SINGLELINE | DT_NOPREFIX | (FromRight ? DT_RIGHT : DT_LEFT);
    auto Draw = [&](const std::string& Part, TFont* F) {
        if (Part.empty()) return;
        HGDIOBJ Old = SelectObject(DC, F->Handle());
        DrawTextA(DC, Part.c_str(), static_cast<int>(Part.size()), &R, Format);
        SelectObject(DC, Old);
        const int Width = PartExtent(DC, F, Part).cx;
        if (FromRight) R.right -= Width;
        else R.left += Width;
    };
    if (FromRight) {
        Draw(P.After, Font);
        Draw(P.Marked, BoldFont);
        Draw(P.Before, Font);
    } else {
        Draw(P.Before, Font);
        Draw(P.Marked, BoldFont);
        Draw(P.After, Font);
    }
}

TSize MeasureMarkedText(HDC DC, TFont* Font, TFont* BoldFont, const std::string& Text) {
    const TMarkedText M = SplitMarkedText(Text);
    const TParts P = SplitAt(M.Plain, M.Start, M.Length);
    const SIZE First = PartExtent(DC, Font, P.Before);
    TSize S{};
    S.cx = First.cx + PartExtent(DC, BoldFont, P.Marked).cx + PartExtent(DC, Font, P.After).cx;
    S.cy = First.cy;
    return S;
}

TZelHintWindow::TZelHintWindow(TComponent* AOwner)
    : THintWindow(AOwner), FBoldFont(std::make_unique<TFont>()) {}

TZelHintWindow::~TZelHintWindow() = default;

void TZelHintWindow::CreateWnd() {
    THintWindow::CreateWnd();
    if (Application) SetColor(Application->HintColor());
    FBoldFont->Assign(Font());
    FBoldFont->SetStyle(Font()->Style() + TFontStyles{fsBold});
}

int TZelHintWindow::MeasureWidth(const std::string& Text) {
    HDC DC = ScreenDC();
    const int Width = MeasureMarkedText(DC, Font(), FBoldFont.get(), Text).cx;
    return Width;
}

void TZelHintWindow::SetTextInternal(const std::string& Value) {
    THintWindow::SetTextInternal(Value);
    if (!FSizing) SetWidth(MeasureWidth(Value) + 8);
}

void TZelHintWindow::Paint() {
    TCanvas* C = Canvas();
    C->Font()->Assign(Font());
    C->Font()->SetColor(clInfoText);
    C->Brush()->SetColor(Color());
    C->FillRect(ClientRect());
    C->Brush()->SetStyle(bsClear);
    C->TextExtent("");  // selects the canvas's font and colours
    HDC DC = C->Handle();
    SetTextColor(DC, ColorToRGB(clInfoText));
    SetBkMode(DC, TRANSPARENT);
    const TMarkedText M = SplitMarkedText(FText);
    TRect R = ClientRect();
    R.Offset(2, 0);
    DrawMarkedText(DC, Font(), FBoldFont.get(), false, M.Start, M.Length, M.Plain, R);
}

void TZelHintWindow::NCPaint(HDC DC) {
    RECT R{0, 0, Width(), Height()};
    DrawEdge(DC, &R, BDR_RAISEDOUTER, BF_RECT);
}

void TZelHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
    FSizing = true;
    try {
        SetText(AHint);
        Rect.Bottom += 4;
        const int ScreenW = GetSystemMetrics(SM_CXSCREEN), ScreenH = GetSystemMetrics(SM_CYSCREEN);
        if (Rect.Right > ScreenW) Rect.Offset(ScreenW - Rect.Right, 0);
        if (Rect.Bottom > ScreenH) Rect.Offset(0, ScreenH - Rect.Bottom);
        if (Rect.Left < 0) Rect.Offset(-Rect.Left, 0);
        if (Rect.Top < 0) Rect.Offset(0, -Rect.Top);
        SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
        SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        Invalidate();
    } catch (...) {
        FSizing = false;
        throw;
    }
    FSizing = false;
}

TZelHint::TZelHint(TComponent* AOwner)
    : TComponent(AOwner), FWindow(new TZelHintWindow(this)), FTimer(new TTimer(this)) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(static_cast<unsigned>(FInterval));
    FTimer->SetOnTimer(TNotifyEvent(this, &TZelHint::Tick));
    FWindow->BoldFont()->SetStyle(TFontStyles{fsBold});
}

TZelHint::~TZelHint() = default;

void TZelHint::SetInterval(int Value) {
    FInterval = Value;
    FTimer->SetInterval(static_cast<unsigned>(std::max(Value, 1)));
}

bool TZelHint::Visible() const { return FWindow->HandleAllocated() && IsWindowVisible(FWindow->Handle()); }

void TZelHint::SetVisible(bool Value) {
    if (Value) ShowAtCursor(FCaption);
    else CloseHint();
}

void TZelHint::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (Visible()) {
        FHintRect.Right = FHintRect.Left + FWindow->MeasureWidth(Value) + 8;
        TRect R = FHintRect;
        R.Offset(0, FOffset);
        FWindow->ActivateHint(R, Value);
    }
}

void TZelHint::ShowAt(TPoint P, const std::string& Text) {
    if (Text.empty()) {
        CloseHint();
        return;
    }
    HDC DC = ScreenDC();
    const TSize S = MeasureMarkedText(DC, FWindow->Font(), FWindow->BoldFont(), Text);
    FHintRect = {P.X, P.Y, P.X + S.cx + 8, P.Y + S.cy};
    FTimer->SetEnabled(true);
    FState = hsWaiting;
    FCaption = Text;
    // Shown at once, the window still takes the offset the last hint had:
    // a hint that follows the cursor stays clear of it.
    if (FImmediate) TimerTick();
    FOffset = 0;
}

void TZelHint::ShowAtCursor(const std::string& Text) {
    POINT P{};
    GetCursorPos(&P);
    ShowAt({P.x, P.y}, Text);
    FOffset = 20;
}

void TZelHint::HideWindow() {
    const bool WasVisible = Visible();
    if (FWindow->HandleAllocated()) ShowWindow(FWindow->Handle(), SW_HIDE);
    if (WasVisible) DoVisibleChanged();
}

void TZelHint::CloseHint() {
    HideWindow();
    FTicks = 0;
    FTimer->SetEnabled(false);
}

bool TZelHint::CursorInside() const {
    POINT P{};
    GetCursorPos(&P);
    TRect Area = FHintRect;
    Area.Top -= FHintRect.Height();
    return Area.Contains({P.x, P.y});
}

void TZelHint::TimerTick() {
    const int Elapsed = FTicks * FInterval;
    switch (FState) {
        case hsWaiting: {
            if (FAutoHide && !CursorInside()) {
                FState = hsHiding;
                break;
            }
            const int Pause = Visible() ? Application->HintShortPause() : Application->HintPause();
            if (FImmediate || Elapsed >= Pause) {
                const bool WasVisible = Visible();
                TRect R = FHintRect;
                R.Offset(0, FOffset);
                FWindow->ActivateHint(R, FCaption);
                if (!WasVisible) DoVisibleChanged();
                FTicks = 0;
                FState = hsShown;
                return;
            }
            break;
        }
        case hsShown:
            if (FAutoHide && (!CursorInside() || Elapsed > Application->HintHidePause())) {
                HideWindow();
                FTicks = 0;
                FState = hsHiding;
                return;
            }
            break;
        case hsHiding:
            HideWindow();
            FTicks = 0;
            if (!CursorInside()) FTimer->SetEnabled(false);
            return;
    }
    ++FTicks;
}

void TZelHint::DoVisibleChanged() {
    if (OnVisibleChanged) OnVisibleChanged(this);
}
