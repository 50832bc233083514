// The editor as a window: creation, the message relay to attached
// controls, focus and caret, font metrics and the window-side properties.
#include <algorithm>

#include "editor/QuillHighlighter.h"
#include "editor/win/QuillClipboardWin.h"
#include "editor/win/QuillGutter.h"
#include "editor/win/QuillMemo.h"
#include "editor/win/QuillWindowSideWin.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/uicore/Colors.h"

TQuillMemo::TQuillMemo(TComponent* AOwner) : TQuillEditor(AOwner) {
    FAltFont = std::make_unique<TFont>();
    FAltFont->Assign(Font());
    FAltFont->OnChange = [this](TObject*) {
        if (FFonts) FFonts->Clear();
        if (FSide) FSide->ForgetFont();
        FullRelayout();
    };
    FEndOfTextMark = std::make_unique<TPen>();
    FEndOfTextMark->SetColor(clRed);
    FEndOfTextMark->OnChange = [this](TObject*) { Invalidate(); };
    FFonts = std::make_unique<TQuillFonts>(Font(), FAltFont.get());
    SetBounds(Left(), Top(), 100, 60);
    SetCursor(crIBeam);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
}

TQuillMemo::~TQuillMemo() {
    // The window's last messages must still find the whole editor.
    DestroyHandle();
    FWindow = nullptr;
}

void TQuillMemo::Notification(TComponent* AComponent, TOperation Operation) {
    TQuillEditor::Notification(AComponent, Operation);
    if (Operation == opRemove) DetachControl(AComponent);
}

void TQuillMemo::Change() {
    if (!FAttached.empty()) Perform(QM_TEXTCHANGED, 0, 0);
    TQuillEditor::Change();
}

void TQuillMemo::LineHeightChanged() {
    if (HandleAllocated()) FontChanged();
}

void TQuillMemo::HideSelectionChanged() {
    if (HandleAllocated() && !Focused() && FSelLength != 0) InvalidateSelection();
}

// The caret's shape follows its width and the overwrite mode; with the
// focus it is made again.
void TQuillMemo::CaretShapeChanged() { UpdateCaret(true); }

void TQuillMemo::DisplayOnlyChanged() {
    if (HandleAllocated() && Focused()) SetFocusCaret(!FDisplayOnly);
}

// ---- window-side properties

void TQuillMemo::SetAltFont(TFont* V) { FAltFont->Assign(V); }

void TQuillMemo::SetEndOfTextMark(TPen* V) { FEndOfTextMark->Assign(V); }

void TQuillMemo::SetBorderStyle(TQuillBorderStyle V) {
    if (V == FBorderStyle) return;
    FBorderStyle = V;
    RecreateWnd();
}

void TQuillMemo::SetScrollBars(TScrollStyle V) {
    if (V == FScrollBars) return;
    FScrollBars = V;
    RecreateWnd();
}

// ---- attached controls

void TQuillMemo::AttachControl(TComponent* C) {
    if (!C || std::find(FAttached.begin(), FAttached.end(), C) != FAttached.end()) return;
    FAttached.push_back(C);
    C->FreeNotification(this);
}

void TQuillMemo::DetachControl(TComponent* C) { std::erase(FAttached, C); }

// ---- window

void TQuillMemo::CreateParams(TCreateParams& Params) {
    TQuillMemoBase::CreateParams(Params);
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
    // A DC of its own: a typed key paints through it without the server
    // working out the window's visible region again.
    Params.WindowClass.style |= CS_OWNDC;
    if (FBorderStyle == qbsSingle) {
        if (Ctl3D())
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            Params.Style |= WS_BORDER;
    }
}

void TQuillMemo::CreateHandle() {
    TQuillMemoBase::CreateHandle();
    MakeLineBitmap();
    // Opened now rather than in the first key that moves a bar's thumb.
    if (FScrollBars != ssNone) FScrollTheme.Get(FHandle);
    FVirtualColumns = 0;
    FRememberedX = -1;
    if (!FSide) {
        FSide = std::make_unique<TQuillWindowSide>(this);
        FWindow = FSide.get();
    }
    // The system clipboard, unless another was set; it keeps no state, so
    // every editor shares one.
    static TQuillClipboardWin SystemClipboard;
    if (!FClipboard) FClipboard = &SystemClipboard;
    try {
        Perform(QM_FONTCHANGED, 0, 0);
    } catch (...) {
        // A font the system cannot measure leaves the old metrics.
    }
}

void TQuillMemo::DestroyWindowHandle() {
    FreeLineBitmap();
    FLastV = FLastH = SCROLLINFO{};
    FScrollTheme.Close();
    FPaintedOnce = false;
    FHasCaret = false;
    FCaretMoveInPaint = FCaretMoveDue = false;
    FTypedPaint = FSystemDue = FTypingCaret = FTypingCaretDrawn = false;
    FTypedRect = RECT{};
    StopAutoScroll();
    // The window's timers go with it: the next window starts layout afresh.
    FBackgroundActive = false;
    if (FSide) FSide->FormatTimerGone();
    TQuillMemoBase::DestroyWindowHandle();
}

void TQuillMemo::MakeLineBitmap() {
    FreeLineBitmap();
    if (!HandleAllocated()) return;
    HDC WinDC = GetDC(FHandle);
    FLineBitmapWidth = std::max(ClientWidth(), 1);
    FLineDC = CreateCompatibleDC(WinDC);
    FLineBitmap = CreateCompatibleBitmap(WinDC, FLineBitmapWidth, std::max(FLineHeightPx, 1));
    ReleaseDC(FHandle, WinDC);
    FOldLineBitmap = SelectObject(FLineDC, FLineBitmap);
    SetTextAlign(FLineDC, TA_BASELINE | TA_UPDATECP);
}

void TQuillMemo::FreeLineBitmap() {
    if (FLineDC) {
        SelectObject(FLineDC, FOldLineBitmap);
        DeleteDC(FLineDC);
        FLineDC = nullptr;
    }
    if (FLineBitmap) {
        DeleteObject(FLineBitmap);
        FLineBitmap = nullptr;
    }
}

void TQuillMemo::FontChanged() {
    if (FFonts) FFonts->Clear();
    if (FSide) FSide->ForgetFont();
    int32_t Descent = 0, Internal = 0, Height = Font()->Height() < 0 ? -Font()->Height() : Font()->Height();
    if (FSide) {
        FSide->SelectStyle(0);
        TEXTMETRICA TM{};
        GetTextMetricsA(FSide->DC(), &TM);
        Height = TM.tmHeight;
        Descent = TM.tmDescent;
        Internal = TM.tmInternalLeading;
    }
    MeasureFont();
    if (FLineHeight <= 0) FLineHeightPx = Height + 1;
    FBaselineOffset = FLineHeightPx - Descent - 1;
    if (FBaselineOffset < Height - Descent - Internal) {
        FBaselineOffset = FLineHeightPx - Internal;
        if (FBaselineOffset < Height - Descent - Internal) FBaselineOffset = FLineHeightPx;
    }
    MakeLineBitmap();
    StartFullFormat();
    ScrollTo(0, 0);
    UpdateScrollBars();
    if (HandleAllocated()) InvalidateClient(nullptr);
    if (OnVScroll) OnVScroll(this);
    UpdateCaret(true);
}

// ---- focus and caret

void TQuillMemo::SetFocusCaret(bool Focused) {
    if (Focused && !FDisplayOnly) {
        FHasCaret = true;
        UpdateCaret(true);
    } else if (FHasCaret) {
        EndTypingCaret();
        FHasCaret = false;
        DestroyCaret();
    }
    if (FHideSelection && FSelLength != 0 && FUpdateCount == 0) InvalidateSelection();
}

void TQuillMemo::InvalidateSelection() {
    TQuillNavigator A(this), B(this);
    A.SetPos(SelStartNav()->Pos);
    B.SetPos(SelEndNav()->Pos);
    InvalidateLines(A.GetLineNb(), B.GetLineNb());
}

bool TQuillMemo::CaretAtLineEnd() {
    if (FLineEndCaret < 0) return false;
    TQuillNavigator* C = Caret();
    if (C->Pos != FLineEndCaret) return false;
    C->LocatePar();
    // Still the start of a wrapped paragraph's later line (layout may have changed).
    return C->GetLineInPar() > 0 && C->GetColumn() == 0;
}

int32_t TQuillMemo::CaretDisplayLine() { return Caret()->GetLineNb() - (CaretAtLineEnd() ? 1 : 0); }

int32_t TQuillMemo::CaretX() {
    TQuillNavigator* C = Caret();
    int32_t P = C->LocatePar();
    if (CaretAtLineEnd()) {
        int32_t Prev = C->GetLineInPar() - 1;
        const TDisplayLine DL = ParagraphLine(P, Prev);
        return ColumnToX(*C->Paragraph(), P, DL.End - DL.Start, Prev);
    }
    return ColumnToX(*C->Paragraph(), P, C->GetColumn(), C->GetLineInPar()) + FVirtualColumns * FAvgCharWidth;
}

void TQuillMemo::PlaceDueCaret() {
    if (!FCaretMoveDue) return;
    FCaretMoveDue = false;
    if (!FHasCaret) return;
    SetCaretPos(FCaretAtX, FCaretAtY);
    // A key that moved the caret and painted nothing (a blank kept as a
    // virtual column) moves the editor's caret too.
    if (FTypingCaretDrawn) {
        EraseTypingCaret(nullptr);
        DrawTypingCaret(nullptr);
    }
}

void TQuillMemo::UpdateCaret(bool Recreate) {
    if (!HandleAllocated() || FUpdateCount > 0 || !FWindow) return;
    // A caret moved other than by a typed key's paint is the system's again.
    if (!FCaretMoveInPaint) EndTypingCaret();
    TQuillNavigator* C = Caret();
    int32_t P = C->LocatePar();
    if (!Layout(P).Formatted) FormatRange(P, P, false);
    if (C->Pos != FLineEndCaret) FLineEndCaret = -1;
    FCaretPixelX = CaretX();
    FCaretPixelY = LineToPixel(CaretDisplayLine() - TopLine());
    // The caret exists only while the window has the focus (WM_SETFOCUS makes
    // it, WM_KILLFOCUS destroys it), so asking the system again is not needed.
    if (FHasCaret) {
        bool Wide = FOverwrite && HasOption(pmoWideOverwriteCaret);
        if (Recreate || Wide) {
            int32_t W = CaretWidth();
            if (Wide && FSelLength == 0) {
                char Ch = CharAt(C->Pos);
                if (Ch && Ch != '\r') {
                    FWindow->SelectStyle(C->GetStyle());
                    W = std::max(FWindow->TextWidth(&Ch, 1), 1);
                }
            }
            if (Recreate || W != FCaretW) {
                // A caret made again shows at once: the editor's goes.
                EndTypingCaret();
                FCaretW = W;
                CreateCaret(FHandle, nullptr, W, FLineHeightPx);
                ShowCaret(FHandle);
                FCaretAtX = -1;
            }
        }
        int32_t X = FCaretPixelX;
        if (FWordWrap && X >= ClientWidth()) X = ClientWidth() - 1;
        if (X != FCaretAtX || FCaretPixelY != FCaretAtY) {
            FCaretAtX = X;
            FCaretAtY = FCaretPixelY;
            if (FCaretMoveInPaint)
                FCaretMoveDue = true;
            else
                SetCaretPos(X, FCaretPixelY);
        }
    }
    if (C->Pos != FLastCaretPos) {
        FLastCaretPos = C->Pos;
        if (OnSelMove) OnSelMove(this);
    }
    int Style = C->GetStyle();
    if (Style != FLastCaretStyle) {
        FLastCaretStyle = Style;
        if (OnStyleChange) OnStyleChange(this);
    }
}

// ---- the window procedure

void TQuillMemo::FormatTimerTick() {
    // Slices follow each other while nothing else waits, so layout runs at
    // full speed when the user does nothing and yields within one slice. A
    // slice that stopped for waiting input has just asked: not again. While
    // updates are held nothing is laid out, and the timer waits for them.
    if (FSide->TypingHoldsFormat()) return;
    FSide->BeginFormatTick();
    int64_t Until = Now() + 250;
    try {
        do
            FormatInBackground(true);
        while (!FSide->SawInput() && FBackgroundActive && FUpdateMode == umBackground && FUpdateCount == 0 &&
               !FSide->InputPending() && Now() < Until);
    } catch (...) {
        FSide->EndFormatTick(false);
        throw;
    }
    FSide->EndFormatTick(FBackgroundActive && FUpdateMode == umBackground);
}

void TQuillMemo::WndProc(TMessage& Message) {
    if (!FAttached.empty()) {
        FRelay = Message;
        // A control may detach while being told: walk a copy.
        std::vector<TComponent*> Controls = FAttached;
        for (TComponent* C : Controls)
            if (std::find(FAttached.begin(), FAttached.end(), C) != FAttached.end())
                C->Notification(this, static_cast<TOperation>(QuillRelayOperation));
    }
    switch (Message.Msg) {
        case WM_SETFOCUS:
            TQuillMemoBase::WndProc(Message);
            SetFocusCaret(true);
            return;
        case WM_KILLFOCUS:
            TQuillMemoBase::WndProc(Message);
            SetFocusCaret(false);
            return;
        case WM_GETDLGCODE:
            TQuillMemoBase::WndProc(Message);
            // Arrows, characters, selection handling and all keys; Tab only
            // when it is typed into the text.
            Message.Result = (FWantTabs && !FDisplayOnly) ? 135 : 133;
            return;
        case WM_ERASEBKGND:
            Message.Result = 1;
            return;
        case WM_THEMECHANGED:
            FScrollTheme.Close();
            TQuillMemoBase::WndProc(Message);
            return;
        case WM_PAINT: {
            // The width the text was laid out for is known from the first
            // paint on (the window may have been sized before it existed).
            if (FWidthCheckDue || FLastClientWidth < 0) ClientWidthChanged();
            PAINTSTRUCT PS{};
            if (!Message.WParam) EraseTypingCaret(nullptr);
            HDC DC = Message.WParam ? reinterpret_cast<HDC>(Message.WParam) : BeginPaint(FHandle, &PS);
            RECT R = PS.rcPaint;
            if (Message.WParam) GetClientRect(FHandle, &R);
            try {
                Paint(DC, R);
            } catch (...) {
                if (!Message.WParam) EndPaint(FHandle, &PS);
                throw;
            }
            if (!Message.WParam) {
                PlaceDueCaret();
                // EndPaint shows the caret through the window's own DC while
                // that is still clipped to what was painted: a caret drawn
                // there in part is later erased whole, which leaves pixels
                // inverted. It is shown once the DC is the window's again.
                if (FHasCaret) HideCaret(FHandle);
                EndPaint(FHandle, &PS);
                if (FHasCaret) ShowCaret(FHandle);
                FPaintDue = FSystemDue = false;
                DrawTypingCaret(nullptr);
                // The text is on the screen: the bars follow it.
                if (!FPaintedOnce) {
                    FPaintedOnce = true;
                    UpdateScrollBars();
                }
            }
            return;
        }
        case WM_KEYDOWN:
        case WM_CHAR:
            TQuillMemoBase::WndProc(Message);
            // Background layout waits: the loop finds nothing to do first,
            // and under Wine that is when the painted key reaches the screen;
            // the next keys of a burst find no slice running.
            if (FBackgroundActive && FSide) FSide->HoldFormatForTyping();
            return;
        case WM_VSCROLL:
            VScroll(LOWORD(Message.WParam));
            return;
        case WM_HSCROLL:
            HScroll(LOWORD(Message.WParam));
            return;
        case WM_TIMER:
            if (Message.WParam == QuillFormatTimer)
                FormatTimerTick();
            else if (Message.WParam == QuillTypingCaretTimer)
                TypingCaretTick();
            else
                AutoScrollTick();
            return;
        case WM_SETCURSOR:
            if (FShownCursor && LOWORD(Message.LParam) == HTCLIENT) {
                ::SetCursor(FShownCursor);
                Message.Result = 1;
                return;
            }
            break;
        case WM_CANCELMODE:
            StopAutoScroll();
            FMouseSelecting = false;
            break;
        case QM_FORMATSTEP:
            FormatInBackground(Message.WParam != 0);
            return;
        case QM_FONTCHANGED:
            TQuillMemoBase::WndProc(Message);
            FontChanged();
            return;
        case CM_CTL3DCHANGED:
            TQuillMemoBase::WndProc(Message);
            RecreateWnd();
            return;
    }
    TQuillMemoBase::WndProc(Message);
}

// Forms name the editor and the gutter; registering here links both in
// wherever the editor is used.
void RegisterQuillControls() { RegisterClasses({TQuillMemo::StaticClass(), TQuillGutter::StaticClass()}); }

namespace {
struct TQuillRegistration {
    TQuillRegistration() { RegisterQuillControls(); }
} QuillRegistration;
}  // namespace
