#pragma once
// Draws the shaft of a window's themed scroll bar (the tracks and the
// thumb) as the system draws it, leaving the arrows alone.
#include <windows.h>

#include <uxtheme.h>

// A window's scroll bar theme, kept from its first use until the window goes
// or the system's theme changes: opening it for every drawing cost a round
// trip to the window server under Wine, 0.1-0.3 ms in a key that moved the
// thumb.
class TScrollBarTheme {
public:
    TScrollBarTheme() = default;
    ~TScrollBarTheme() { Close(); }
    TScrollBarTheme(const TScrollBarTheme&) = delete;
    TScrollBarTheme& operator=(const TScrollBarTheme&) = delete;
    // Null when the window's bars are not themed.
    HTHEME Get(HWND Wnd);
    void Close();

private:
    HTHEME FTheme = nullptr;
    bool FOpened = false;
};

// Under Wine a themed bar's arrows take 4-6 ms each to draw (their images
// go through transparent blits), the shaft well under a millisecond: a bar
// whose thumb only moved is drawn here rather than by the system, which
// draws both arrows again. Before and After are the bar as it was and as it
// is (GetScrollBarInfo); only the pixels where the thumb was and where it
// is now are drawn. False when only the system can draw the change:
// no theme, the bar moved or its arrows changed, a part pressed or off, or
// the pointer over the bar (the system shows hover states there).
bool DrawScrollBarShaft(HWND Wnd, TScrollBarTheme& Theme, int Bar, const SCROLLBARINFO& Before,
                        const SCROLLBARINFO& After);
