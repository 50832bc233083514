#pragma once
// What the editor needs from a window. Without a window none is attached
// and the editor lays out every paragraph as one line of width 0; the
// windowed control (or a test) supplies an implementation.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

class IQuillWindowSide {
public:
    virtual ~IQuillWindowSide() = default;
    // Measuring, in the font of the given style bits (bit 5: the alternate font).
    virtual void SelectStyle(uint8_t Style) = 0;
    virtual int32_t TextWidth(const char* Text, int32_t Length) = 0;
    // One character's width in the selected font (a window may cache it).
    virtual int32_t CharWidth(char C) { return TextWidth(&C, 1); }
    virtual int32_t FontLineHeight() = 0;
    virtual int32_t ClientWidth() = 0;
    virtual int32_t ClientHeight() = 0;
    // Effects on the window; all may do nothing.
    virtual void InvalidateLines(int32_t /*FirstLine*/, int32_t /*LastLine*/) {}
    // The display lines from OldFirstLine on (numbered as the window still
    // shows them) now stand Delta lines further down: a window moves their
    // pixels rather than painting them again.
    virtual void MoveLinesBelow(int32_t OldFirstLine, int32_t Delta) {
        InvalidateLines(std::min(OldFirstLine, OldFirstLine + Delta), INT32_MAX);
    }
    virtual void InvalidateAll() {}
    // Paints what is invalid now, without waiting for the message loop.
    virtual void PaintNow() {}
    virtual void UpdateScrollRanges() {}
    virtual void PlaceCaret() {}
    // The view offsets changed from (OldY, OldX) to the editor's ScrollY/ScrollX.
    virtual void ViewScrolled(int32_t /*OldY*/, int32_t /*OldX*/) {}
    // Asks for one background layout slice once the window's input and
    // painting have been handled (a timer: posted messages would go first).
    virtual void ScheduleFormatStep() {}
    // True when input or painting waits: background layout then yields.
    virtual bool InputPending() { return false; }
    virtual bool Terminating() { return false; }
};

// The clipboard's text format (CF_TEXT on Windows).
class IQuillClipboard {
public:
    virtual ~IQuillClipboard() = default;
    virtual bool HasText() = 0;
    // The clipboard's text, bounded by its memory size.
    virtual std::string GetText() = 0;
    // False when the clipboard did not take the text.
    virtual bool SetText(const std::string& Text) = 0;
};
