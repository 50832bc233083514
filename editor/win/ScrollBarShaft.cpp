#include "editor/win/ScrollBarShaft.h"

#include <algorithm>
#include <initializer_list>

#include <vssym32.h>

namespace {
// GetScrollBarInfo's parts: the bar, the arrow before the shaft, the track
// before the thumb, the thumb, the track after it, the arrow after it.
enum { BarPart, FirstArrow, FirstTrack, ThumbPart, LastTrack, LastArrow };

bool OnlyThumbMoved(const SCROLLBARINFO& Before, const SCROLLBARINFO& After) {
    if (!EqualRect(&Before.rcScrollBar, &After.rcScrollBar)) return false;
    for (int Part : {BarPart, FirstArrow, LastArrow})
        if (Before.rgstate[Part] != After.rgstate[Part]) return false;
    constexpr DWORD Special = STATE_SYSTEM_PRESSED | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    for (const SCROLLBARINFO* I : {&Before, &After})
        if ((I->rgstate[BarPart] | I->rgstate[FirstArrow] | I->rgstate[ThumbPart] | I->rgstate[LastArrow]) & Special)
            return false;
    return true;
}

struct TWindowDC {
    HWND Wnd;
    HDC DC;
    explicit TWindowDC(HWND W) : Wnd(W), DC(GetWindowDC(W)) {}
    ~TWindowDC() {
        if (DC) ReleaseDC(Wnd, DC);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
};
}  // namespace

HTHEME TScrollBarTheme::Get(HWND Wnd) {
    if (!FOpened) {
        FTheme = OpenThemeData(Wnd, L"SCROLLBAR");
        FOpened = true;
    }
    return FTheme;
}

void TScrollBarTheme::Close() {
    if (FTheme) CloseThemeData(FTheme);
    FTheme = nullptr;
    FOpened = false;
}

bool DrawScrollBarShaft(HWND Wnd, TScrollBarTheme& Theme, int Bar, const SCROLLBARINFO& Before,
                        const SCROLLBARINFO& After) {
    if (!OnlyThumbMoved(Before, After)) return false;
    // Where the pointer was at the last message (asking where it is now
    // costs a round trip to the display under Wine): moving onto the bar
    // sends the window a message.
    const DWORD At = GetMessagePos();
    const POINT Mouse{static_cast<short>(LOWORD(At)), static_cast<short>(HIWORD(At))};
    if (PtInRect(&After.rcScrollBar, Mouse)) return false;
    const bool Vert = Bar == SB_VERT;
    // The bar in window coordinates, measured along its length.
    RECT WR{};
    GetWindowRect(Wnd, &WR);
    RECT R = After.rcScrollBar;
    OffsetRect(&R, -WR.left, -WR.top);
    const int Start = Vert ? R.top : R.left, Length = Vert ? R.bottom - R.top : R.right - R.left;
    const int Arrow = GetSystemMetrics(Vert ? SM_CYVSCROLL : SM_CXHSCROLL);
    const int ThumbFrom = After.xyThumbTop, ThumbTo = After.xyThumbBottom;
    if (ThumbFrom < Arrow || ThumbTo > Length - Arrow || ThumbFrom >= ThumbTo) return false;
    const HTHEME Th = Theme.Get(Wnd);
    if (!Th) return false;
    TWindowDC T(Wnd);
    if (!T.DC) return false;
    auto Span = [&](int From, int To) {
        RECT S = R;
        (Vert ? S.top : S.left) = Start + From;
        (Vert ? S.bottom : S.right) = Start + To;
        return S;
    };
    // Only where the thumb was and where it is now do pixels change: the
    // tracks are drawn as a whole (as the system draws them) but clipped
    // there. A thumb that jumps far leaves the long track between alone.
    const int OldFrom = Before.xyThumbTop, OldTo = Before.xyThumbBottom;
    RECT Changed[2] = {Span(std::min(OldFrom, ThumbFrom), std::max(OldTo, ThumbTo)), {}};
    if (OldTo < ThumbFrom || ThumbTo < OldFrom) {
        Changed[0] = Span(OldFrom, OldTo);
        Changed[1] = Span(ThumbFrom, ThumbTo);
    }
    auto Draw = [&](int Part, const RECT& S) {
        for (const RECT& C : Changed) {
            RECT Clip{};
            if (IntersectRect(&Clip, &S, &C)) DrawThemeBackground(Th, T.DC, Part, SCRBS_NORMAL, &S, &Clip);
        }
    };
    Draw(Vert ? SBP_UPPERTRACKVERT : SBP_UPPERTRACKHORZ, Span(Arrow, ThumbFrom));
    const RECT Thumb = Span(ThumbFrom, ThumbTo);
    Draw(Vert ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ, Thumb);
    const int Gripper = Vert ? SBP_GRIPPERVERT : SBP_GRIPPERHORZ;
    SIZE G{};
    if (SUCCEEDED(GetThemePartSize(Th, T.DC, Gripper, SCRBS_NORMAL, nullptr, TS_TRUE, &G)) &&
        (Vert ? G.cy : G.cx) <= ThumbTo - ThumbFrom)
        Draw(Gripper, Thumb);
    Draw(Vert ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ, Span(ThumbTo, Length - Arrow));
    return true;
}
