#pragma once
// The editor's window side: the fonts of its style combinations and the
// measuring and window effects the text model asks for.
#include <array>
#include <cstdint>
#include <vector>

#include "editor/QuillWindowSide.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/win/WinApi.h"

class TQuillMemo;

// One font per combination of the style bits that change the font (bold,
// italic, underline, strike-out, alternate font); the highlight bit only
// changes colours. Made on first use, dropped when a base font changes.
class TQuillFonts {
public:
    TQuillFonts(TFont* Base, TFont* Alt) : FBase(Base), FAlt(Alt) {}
    ~TQuillFonts() { Clear(); }
    TQuillFonts(const TQuillFonts&) = delete;
    TQuillFonts& operator=(const TQuillFonts&) = delete;
    HFONT Get(uint8_t Style);
    // The colour of text in this style without other colours.
    TColor Color(uint8_t Style) const { return (Style & 0x20) ? FAlt->Color() : FBase->Color(); }
    void Clear();

private:
    static constexpr int Slots = 64;
    TFont* FBase;
    TFont* FAlt;
    HFONT FFonts[Slots] = {};
};

class TQuillWindowSide : public IQuillWindowSide {
public:
    explicit TQuillWindowSide(TQuillMemo* AMemo);
    ~TQuillWindowSide() override;
    TQuillWindowSide(const TQuillWindowSide&) = delete;
    TQuillWindowSide& operator=(const TQuillWindowSide&) = delete;

    void SelectStyle(uint8_t Style) override;
    int32_t TextWidth(const char* Text, int32_t Length) override;
    int32_t CharWidth(char C) override;
    int32_t FontLineHeight() override;
    int32_t ClientWidth() override;
    int32_t ClientHeight() override;
    void InvalidateLines(int32_t FirstLine, int32_t LastLine) override;
    void MoveLinesBelow(int32_t OldFirstLine, int32_t Delta) override;
    void InvalidateAll() override;
    void PaintNow() override;
    void UpdateScrollRanges() override;
    void PlaceCaret() override;
    void ViewScrolled(int32_t OldY, int32_t OldX) override;
    void ScheduleFormatStep() override;
    bool InputPending() override;
    bool Terminating() override;

    // The layout timer: WM_TIMER comes after input and WM_PAINT; a posted
    // message would not. It is armed once for the slices of a tick (arming
    // is a round trip to the window server under Wine); Restart puts its
    // next tick a whole period (Delay) away.
    void ArmFormatTimer(bool Restart, unsigned Delay = USER_TIMER_MINIMUM);
    // A key was handled: layout waits till the user stops typing for a
    // moment, so that keys in a burst never wait for a running slice (the
    // first waits for at most one look at the queue).
    void HoldFormatForTyping();
    // At a tick: keys came less than a pause ago, and the timer is armed
    // for the rest of it.
    bool TypingHoldsFormat();
    // A tick's slices run with the timer off (a due timer counts as waiting
    // input) and arm it at the end (Again) a whole period away, so that the
    // loop goes idle first.
    void BeginFormatTick();
    void EndFormatTick(bool Again);
    // The window went, and its timer with it.
    void FormatTimerGone() { FTimerOn = FInTick = FTypingHold = false; }
    // InputPending found something waiting since the tick began.
    bool SawInput() const { return FSawInput; }

    // The measuring context (a memory context: usable before the window shows).
    HDC DC() const { return FDC; }
    void ForgetFont() {
        FSelected = -1;
        FWidths.clear();
        FWords.clear();
    }
    // While printing, layout sees the page's width and the window is left
    // alone; 0 ends it.
    void SetPrintWidth(int32_t W) { FPrintWidth = W; }
    bool Printing() const { return FPrintWidth > 0; }

private:
    TQuillMemo* FMemo;
    HDC FDC = nullptr;
    HGDIOBJ FOldFont = nullptr;
    int FSelected = -1;
    // Widths of single characters per selected font, -1 until measured.
    std::vector<std::array<int32_t, 256>> FWidths;
    // Widths of short texts (a source file's words recur line after line;
    // under Wine each measuring call costs a microsecond or more), by font
    // and text, in slots a new text takes over.
    struct TWordWidth {
        int32_t Width = -1;
        uint8_t Font = 0;
        uint8_t Length = 0;
        char Text[26] = {};
    };
    std::vector<TWordWidth> FWords;
    int32_t FPrintWidth = 0;
    bool FTimerOn = false;
    bool FInTick = false;
    bool FSawInput = false;
    bool FTypingHold = false;
    int64_t FLastKeyAt = 0;
};
