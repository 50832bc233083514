// Times a program from its launch to its text on screen, as a user sees it:
// the X screen is read again and again while the program starts, and the
// text counts as shown at the first moment the screen holds most of the
// "ink" (sharp changes of brightness) it holds once everything has settled. The same rule serves any
// program (the IDE under Wine, another editor natively), so their figures
// compare. Also reports the peak resident memory of the program's process.
//
//   launch_to_text [--process NAME] [--settle MS] [--timeout MS] -- COMMAND...
//
// NAME is the process to measure and to stop at the end (its /proc comm,
// e.g. "Halvane.exe" under Wine); by default the launched process itself.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <dirent.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point T0) { return std::chrono::duration<double, std::milli>(TClock::now() - T0).count(); }

// The screen read through shared memory: a read is a few milliseconds, so
// the moment the text appears is known to about that.
class TScreen {
public:
    TScreen(Display* D, int W, int H) : FD(D), FW(W), FH(H) {
        Screen* S = DefaultScreenOfDisplay(D);
        FImage = XShmCreateImage(D, DefaultVisualOfScreen(S), static_cast<unsigned>(DefaultDepthOfScreen(S)), ZPixmap, nullptr,
                                 &FInfo, static_cast<unsigned>(W), static_cast<unsigned>(H));
        FInfo.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(FImage->bytes_per_line) * static_cast<size_t>(H), IPC_CREAT | 0600);
        FInfo.shmaddr = FImage->data = static_cast<char*>(shmat(FInfo.shmid, nullptr, 0));
        FInfo.readOnly = False;
        XShmAttach(D, &FInfo);
        XSync(D, False);
        shmctl(FInfo.shmid, IPC_RMID, nullptr);  // goes when both sides detach
    }
    ~TScreen() {
        XShmDetach(FD, &FInfo);
        XDestroyImage(FImage);
        shmdt(FInfo.shmaddr);
    }
    // Text is where brightness changes sharply from one pixel to the next,
    // whatever its colours (dark on light or light on dark); plain window
    // backgrounds have none of that.
    long Ink() {
        if (!XShmGetImage(FD, DefaultRootWindow(FD), FImage, 0, 0, AllPlanes)) return -1;
        long Ink = 0;
        for (int y = 0; y < FH; ++y) {
            const auto* Row = reinterpret_cast<const uint32_t*>(FImage->data + static_cast<long>(y) * FImage->bytes_per_line);
            int Last = 0;
            for (int x = 0; x < FW; ++x) {
                uint32_t P = Row[x];
                int Lum = static_cast<int>(((P >> 16) & 255) * 299 + ((P >> 8) & 255) * 587 + (P & 255) * 114) / 1000;
                if (x > 0 && std::abs(Lum - Last) > 64) ++Ink;
                Last = Lum;
            }
        }
        return Ink;
    }

private:
    Display* FD;
    int FW, FH;
    XShmSegmentInfo FInfo{};
    XImage* FImage;
};

std::string Comm(pid_t P) {
    std::ifstream F("/proc/" + std::to_string(P) + "/comm");
    std::string S;
    std::getline(F, S);
    return S;
}

// The process group of P (field 5 of its stat line; the name in field 2
// is in parentheses and may hold blanks).
pid_t GroupOf(pid_t P) {
    std::ifstream F("/proc/" + std::to_string(P) + "/stat");
    std::string L;
    std::getline(F, L);
    size_t At = L.rfind(')');
    if (At == std::string::npos) return -1;
    char State;
    int Parent, Group;
    return std::sscanf(L.c_str() + At + 1, " %c %d %d", &State, &Parent, &Group) == 3 ? Group : -1;
}

// Only the launched program's own processes are candidates: others on the
// machine may run a program of the same name.
pid_t FindProcess(const std::string& Name, pid_t Group) {
    DIR* D = opendir("/proc");
    if (!D) return -1;
    pid_t Found = -1;
    while (dirent* E = readdir(D)) {
        pid_t P = std::atoi(E->d_name);
        if (P > 0 && GroupOf(P) == Group && Comm(P) == Name) Found = P;
    }
    closedir(D);
    return Found;
}

long PeakKb(pid_t P) {
    std::ifstream F("/proc/" + std::to_string(P) + "/status");
    std::string L;
    while (std::getline(F, L))
        if (L.rfind("VmHWM:", 0) == 0) return std::atol(L.c_str() + 6);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string Name;
    double SettleMs = 3000, TimeoutMs = 180000;
    int A = 1;
    for (; A < argc && std::strcmp(argv[A], "--") != 0; ++A) {
        std::string O = argv[A];
        if (O == "--process" && A + 1 < argc) Name = argv[++A];
        else if (O == "--settle" && A + 1 < argc) SettleMs = std::atof(argv[++A]);
        else if (O == "--timeout" && A + 1 < argc) TimeoutMs = std::atof(argv[++A]);
    }
    if (A + 1 >= argc) {
        std::fprintf(stderr, "usage: launch_to_text [--process NAME] [--settle MS] [--timeout MS] -- COMMAND...\n");
        return 2;
    }
    Display* D = XOpenDisplay(nullptr);
    if (!D) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    struct TCloser {  // after the screen reader, which uses the display to the end
        Display* D;
        ~TCloser() { XCloseDisplay(D); }
    } Closer{D};
    Window Root = DefaultRootWindow(D);
    XWindowAttributes WA;
    XGetWindowAttributes(D, Root, &WA);
    // A white screen: only what the program draws is ink.
    XSetWindowBackground(D, Root, WhitePixel(D, DefaultScreen(D)));
    XClearWindow(D, Root);
    XSync(D, False);
    TScreen Screen(D, WA.width, WA.height);
    long Before = Screen.Ink();

    auto T0 = TClock::now();
    pid_t Child = fork();
    if (Child == 0) {
        setpgid(0, 0);
        execvp(argv[A + 1], argv + A + 1);
        _exit(127);
    }
    struct TSample {
        double Ms;
        long Ink;
    };
    std::vector<TSample> Samples;
    double ExitMs = -1, StableSince = 0;
    long StableInk = 0;
    const long Tolerance = 400;
    long Peak = -1;
    pid_t Target = Name.empty() ? Child : -1;
    while (MsSince(T0) < TimeoutMs) {
        long Ink = Screen.Ink();
        double Now = MsSince(T0);
        // A blinking caret changes a few pixels: settled is within that.
        if (Samples.empty() || std::labs(Ink - StableInk) > Tolerance) {
            StableSince = Now;
            StableInk = Ink;
        }
        Samples.push_back({Now, Ink});
        if (Target < 0) Target = FindProcess(Name, Child);
        if (Target > 0) Peak = std::max(Peak, PeakKb(Target));
        int ChildStatus;
        if (ExitMs < 0 && waitpid(Child, &ChildStatus, WNOHANG) == Child) ExitMs = Now;
        if (std::labs(Ink - Before) > Tolerance && Now - StableSince >= SettleMs) break;
        if (ExitMs >= 0 && Name.empty()) break;  // nothing left to watch
    }
    long Final = Samples.empty() ? 0 : Samples.back().Ink;
    // Drawn text is the ink the program added; most of it must be there.
    long Wanted = Before + (Final - Before) * 9 / 10;
    double TextMs = -1;
    for (const TSample& S : Samples)
        if (S.Ink >= Wanted && Final > Before + Tolerance) {
            TextMs = S.Ms;
            break;
        }
    if (Target > 0) kill(Target, SIGKILL);
    kill(-Child, SIGKILL);
    waitpid(Child, nullptr, 0);
    std::printf("text %.0f ms, settled %.0f ms, exit %.0f ms, ink %ld, samples %zu, peak %.1f MB\n", TextMs, StableSince,
                ExitMs, Final - Before, Samples.size(), Peak > 0 ? static_cast<double>(Peak) / 1024.0 : -1.0);
    return TextMs >= 0 ? 0 : 1;
}
