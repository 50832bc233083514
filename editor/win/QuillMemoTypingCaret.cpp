// The caret while the user types. The system's caret is hidden around every
// paint and drawn again after it, and each of those steps is a round trip
// to the window server under Wine (with the blink timer's, six per key).
// From a typed key on the system's caret stays hidden (still placed, for
// GetCaretPos and input methods) and the editor inverts the caret's pixels
// itself, as the system does: taken off before its pixels are painted over
// or moved, put back after. A caret stays on while keys come, as the
// system's does; once they pause for a blink's time the system's caret
// takes over again.
#include "editor/win/QuillMemo.h"

namespace {
// How often the pause after the last key is looked at.
constexpr UINT TypingCaretCheck = 100;

void Invert(HWND Wnd, HDC DC, const RECT& R) {
    HDC Use = DC ? DC : GetDC(Wnd);
    PatBlt(Use, R.left, R.top, R.right - R.left, R.bottom - R.top, DSTINVERT);
    if (!DC) ReleaseDC(Wnd, Use);
}
}  // namespace

void TQuillMemo::BeginTypingCaret() {
    FLastTypedAt = Now();
    if (FTypingCaret || !FHasCaret) return;
    HideCaret(FHandle);
    FTypingCaret = true;
    SetTimer(FHandle, QuillTypingCaretTimer, TypingCaretCheck, nullptr);
}

void TQuillMemo::EndTypingCaret() {
    if (!FTypingCaret) return;
    FTypingCaret = false;
    KillTimer(FHandle, QuillTypingCaretTimer);
    EraseTypingCaret(nullptr);
    if (FHasCaret) ShowCaret(FHandle);
}

void TQuillMemo::TypingCaretTick() {
    if (!FTypingCaret || Now() - FLastTypedAt >= static_cast<int64_t>(GetCaretBlinkTime())) EndTypingCaret();
}

void TQuillMemo::EraseTypingCaret(HDC DC) {
    if (!FTypingCaretDrawn) return;
    FTypingCaretDrawn = false;
    Invert(FHandle, DC, FTypingCaretAt);
}

void TQuillMemo::DrawTypingCaret(HDC DC) {
    if (!FTypingCaret || FTypingCaretDrawn || !FHasCaret || FCaretAtX < 0) return;
    FTypingCaretAt = RECT{FCaretAtX, FCaretAtY, FCaretAtX + FCaretW, FCaretAtY + FLineHeightPx};
    FTypingCaretDrawn = true;
    Invert(FHandle, DC, FTypingCaretAt);
}
