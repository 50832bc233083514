// The machine's own floor under a key typed under Wine. A key there is a few
// round trips from the program to other processes (the Wine server, the X
// server) with a little work between; this times the same shape natively,
// with neither Wine nor X: a "key" is N round trips over pipes to two echo
// processes and 0.4 ms of work, keys 20-45 ms apart as a typist's, or back
// to back. Where the host holds back the virtual processors that the waking
// processes need, keys stall for milliseconds however little they do, and
// more often the more round trips they make: stalls of that size under Wine
// are the platform's, not the editor's.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point T) { return std::chrono::duration<double, std::milli>(TClock::now() - T).count(); }

// A process that answers each byte with one; it ends when its input closes.
class TEcho {
public:
    TEcho() {
        int In[2], Out[2];
        if (pipe(In) != 0 || pipe(Out) != 0) std::exit(2);
        FPid = fork();
        if (FPid == 0) {
            close(In[1]);
            close(Out[0]);
            char C;
            while (read(In[0], &C, 1) == 1 && write(Out[1], &C, 1) == 1) {
            }
            _exit(0);
        }
        close(In[0]);
        close(Out[1]);
        FTo = In[1];
        FFrom = Out[0];
    }
    ~TEcho() {
        close(FTo);
        close(FFrom);
        waitpid(FPid, nullptr, 0);
    }
    TEcho(const TEcho&) = delete;
    TEcho& operator=(const TEcho&) = delete;
    void RoundTrip() {
        char C = 'k';
        if (write(FTo, &C, 1) != 1 || read(FFrom, &C, 1) != 1) std::exit(2);
    }

private:
    pid_t FPid;
    int FTo, FFrom;
};

void Work(double Ms) {
    const auto T = TClock::now();
    while (MsSince(T) < Ms) {
    }
}

// Keys of Trips round trips (two in three to the first process, as to the
// Wine server, the rest to the second, as to the X server) and 0.4 ms of work.
void Run(int Keys, int Trips, bool Spaced) {
    TEcho Server, Display;
    constexpr double KeyWork = 0.4;
    std::vector<double> T;
    for (int K = 0; K < Keys; ++K) {
        if (Spaced) std::this_thread::sleep_for(std::chrono::milliseconds(20 + K % 7 * 4));
        const auto Start = TClock::now();
        if (Trips == 0) Work(KeyWork);
        for (int I = 0; I < Trips; ++I) {
            (I % 3 == 2 ? Display : Server).RoundTrip();
            Work(KeyWork / Trips);
        }
        T.push_back(MsSince(Start));
    }
    std::sort(T.begin(), T.end());
    auto Over = [&](double Ms) { return std::count_if(T.begin(), T.end(), [Ms](double X) { return X > Ms; }); };
    std::printf("%2d round trips, %-12s %6.3f ms median, worst %6.2f ms; over 3 ms %3td, over 5 ms %3td of %d keys\n",
                Trips, Spaced ? "spaced:" : "back to back:", T[T.size() / 2], T.back(), Over(3), Over(5), Keys);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int Keys = argc > 1 ? std::atoi(argv[1]) : 400;
    for (int Trips : {0, 2, 10, 30}) Run(Keys, Trips, true);
    Run(Keys, 10, false);
    return 0;
}
