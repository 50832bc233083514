// Times keystrokes as a user sees them: each key is sent through XTest to
// whatever window has the keyboard focus, and timed from its press until the
// screen has changed and settled. The X server reports every drawing on the
// screen through the DAMAGE extension (raw rectangles on the root window,
// which take in all windows below it), so the same rule times any program:
// the IDE under Wine and another editor natively.
//
//   keys_to_screen [--keys N] [--label TEXT] [--quiet MS] [--seed N]
//
// N keys (default 200) are letters, every 40th an Enter, each pressed 20-45
// ms after the one before (at random, as a typist's) but never before the
// one before has settled, and released untimed then. A key's drawings are
// those that follow its press until MS (default 30) pass without any. Two
// figures per key: "drawn", the end of the first pass of drawing (pieces
// less than 5 ms apart, as one paint sends them), and "settled", the last
// drawing (what a program draws later, from a timer, included). Prints one
// line: median, worst and keys over 3 and over 5 ms of both, and the keys
// that drew nothing within 5 s (left out of the figures).
// QRN_BENCH_TRACE=1 lists every key's drawings (time and rectangle).
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double MsBetween(TClock::time_point From, TClock::time_point To) {
    return std::chrono::duration<double, std::milli>(To - From).count();
}

TClock::time_point After(TClock::time_point From, double Ms) {
    return From + std::chrono::microseconds(static_cast<long>(Ms * 1000));
}

// A key that draws nothing is reported, not waited on for ever; one whose
// drawing never settles is cut off.
constexpr double NoDamageMs = 5000, LongestBurstMs = 10000;
// One paint's pieces reach the server within about a millisecond of each
// other; a longer gap is a later pass.
constexpr double OnePassGapMs = 5;

struct TDrawing {
    TClock::time_point At;
    XRectangle Area;
};

class TDamageWatch {
public:
    explicit TDamageWatch(Display* D) : FD(D) {}
    bool Start() {
        int Error;
        if (!XDamageQueryExtension(FD, &FEventBase, &Error)) return false;
        XDamageCreate(FD, DefaultRootWindow(FD), XDamageReportRawRectangles);
        XSync(FD, False);
        return true;
    }
    // Drops what was drawn before now (a caret blinking between keys).
    void Forget() {
        XSync(FD, False);
        while (XPending(FD)) {
            XEvent E;
            XNextEvent(FD, &E);
        }
    }
    // The next drawing, if one comes before Deadline; timed as it arrives.
    std::optional<TDrawing> Next(TClock::time_point Deadline) {
        for (;;) {
            while (XPending(FD)) {
                XEvent E;
                XNextEvent(FD, &E);
                if (E.type == FEventBase + XDamageNotify)
                    return TDrawing{TClock::now(), reinterpret_cast<XDamageNotifyEvent&>(E).area};
            }
            double Left = MsBetween(TClock::now(), Deadline);
            if (Left <= 0) return std::nullopt;
            pollfd P{ConnectionNumber(FD), POLLIN, 0};
            poll(&P, 1, static_cast<int>(Left) + 1);
        }
    }

private:
    Display* FD;
    int FEventBase = 0;
};

struct TKeyTime {
    double Drawn, Settled;
};

// Presses the key and collects the drawings that follow until the screen
// has been quiet for QuietMs; releases it then. None if nothing was drawn.
std::optional<TKeyTime> TimeKey(Display* D, TDamageWatch& Watch, KeyCode Code, double QuietMs, bool Trace) {
    Watch.Forget();
    auto Pressed = TClock::now();
    XTestFakeKeyEvent(D, Code, True, 0);
    XFlush(D);
    std::vector<double> Times;
    for (;;) {
        auto Deadline = Times.empty() ? After(Pressed, NoDamageMs) : After(Pressed, Times.back() + QuietMs);
        auto Drawing = Watch.Next(Deadline);
        if (!Drawing) break;
        Times.push_back(MsBetween(Pressed, Drawing->At));
        if (Trace)
            std::fprintf(stderr, "  %8.2f ms  %d,%d %ux%u\n", Times.back(), Drawing->Area.x, Drawing->Area.y,
                         Drawing->Area.width, Drawing->Area.height);
        if (Times.back() > LongestBurstMs) break;
    }
    XTestFakeKeyEvent(D, Code, False, 0);
    XFlush(D);
    if (Times.empty()) return std::nullopt;
    size_t Pass = 1;
    while (Pass < Times.size() && Times[Pass] - Times[Pass - 1] < OnePassGapMs) ++Pass;
    return TKeyTime{Times[Pass - 1], Times.back()};
}

struct TSummary {
    double Median, Worst;
    long Over3, Over5;
};

TSummary Summarise(std::vector<double> Ms) {
    if (Ms.empty()) return {-1, -1, 0, 0};
    std::sort(Ms.begin(), Ms.end());
    auto Over = [&](double Limit) { return static_cast<long>(Ms.end() - std::upper_bound(Ms.begin(), Ms.end(), Limit)); };
    return {Ms[Ms.size() / 2], Ms.back(), Over(3), Over(5)};
}

}  // namespace

int main(int argc, char** argv) {
    int Keys = 200;
    unsigned Seed = 1;
    double QuietMs = 30;
    std::string Label = "keys";
    for (int A = 1; A < argc; ++A) {
        std::string O = argv[A];
        if (O == "--keys" && A + 1 < argc) Keys = std::atoi(argv[++A]);
        else if (O == "--label" && A + 1 < argc) Label = argv[++A];
        else if (O == "--quiet" && A + 1 < argc) QuietMs = std::atof(argv[++A]);
        else if (O == "--seed" && A + 1 < argc) Seed = static_cast<unsigned>(std::atol(argv[++A]));
        else {
            std::fprintf(stderr, "usage: keys_to_screen [--keys N] [--label TEXT] [--quiet MS] [--seed N]\n");
            return 2;
        }
    }
    Display* D = XOpenDisplay(nullptr);
    if (!D) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int Unused;
    TDamageWatch Watch(D);
    if (!XTestQueryExtension(D, &Unused, &Unused, &Unused, &Unused) || !Watch.Start()) {
        std::fprintf(stderr, "the X server lacks XTest or DAMAGE\n");
        XCloseDisplay(D);
        return 2;
    }
    // A typist's key is up long before the server would repeat it; a key held
    // while a slow program draws must not repeat either.
    XKeyboardState Keyboard;
    XGetKeyboardControl(D, &Keyboard);
    XAutoRepeatOff(D);
    bool Trace = std::getenv("QRN_BENCH_TRACE") != nullptr;
    std::mt19937 Random(Seed);
    std::uniform_int_distribution<int> Letter(0, 25), GapMs(20, 45);
    KeyCode Enter = XKeysymToKeycode(D, XK_Return);
    std::vector<double> Drawn, Settled;
    int Silent = 0;
    auto NextPress = TClock::now();
    for (int K = 1; K <= Keys; ++K) {
        KeyCode Code = K % 40 == 0 ? Enter : XKeysymToKeycode(D, XK_a + static_cast<KeySym>(Letter(Random)));
        while (TClock::now() < NextPress) poll(nullptr, 0, 1);
        NextPress = After(TClock::now(), GapMs(Random));
        if (Trace) std::fprintf(stderr, "key %d\n", K);
        if (auto Time = TimeKey(D, Watch, Code, QuietMs, Trace)) {
            Drawn.push_back(Time->Drawn);
            Settled.push_back(Time->Settled);
        } else {
            ++Silent;
        }
    }
    if (Keyboard.global_auto_repeat == AutoRepeatModeOn) XAutoRepeatOn(D);
    XCloseDisplay(D);
    TSummary A = Summarise(Drawn), B = Summarise(Settled);
    std::printf("%s: %d keys; drawn median %.2f ms, worst %.2f ms, over 3 ms %ld, over 5 ms %ld; "
                "settled median %.2f ms, worst %.2f ms, over 3 ms %ld, over 5 ms %ld; no damage %d\n",
                Label.c_str(), Keys, A.Median, A.Worst, A.Over3, A.Over5, B.Median, B.Worst, B.Over3, B.Over5, Silent);
    return Drawn.empty() ? 1 : 0;
}
