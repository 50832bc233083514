// Find in files against grep on a generated tree (see bench/README.md).
//
// Native build, the driver: bench_findfiles TREE [--text T] [--runs N]
// [--win PATH\TO\bench_findfiles.exe]. Times `grep -rli` with the same
// three --include filters and the native file searcher, run by run side by
// side; with --win it also starts the Windows build under Wine, which times
// its searcher and the IDE's Find In Files page there. grep always runs
// natively, from here. Prints the medians and the three ratios.
//
// Windows build, the worker: bench_findfiles.exe TREE [--text T]
// [--runs N] prints one "finder MS FOUND" and one "floor MS OPENED" line
// per run (the searcher, then only listing the folders and opening and
// closing the selected files), then one "page MS FOUND" line per run of the
// main window's Find In Files page.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/FindFilesTiming.h"

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fcntl.h>

extern char** environ;
#endif

namespace {

struct TOptions {
    TFindBenchCase Case;
    int Runs = 5;
    std::string WinExe;
};

bool ParseOptions(int argc, char** argv, TOptions& O) {
    for (int I = 1; I < argc; ++I) {
        const std::string A = argv[I];
        const bool HasValue = I + 1 < argc;
        if (A == "--text" && HasValue)
            O.Case.Text = argv[++I];
        else if (A == "--runs" && HasValue)
            O.Runs = std::max(1, std::atoi(argv[++I]));
        else if (A == "--win" && HasValue)
            O.WinExe = argv[++I];
        else if (O.Case.Tree.empty() && A.rfind("--", 0) != 0)
            O.Case.Tree = A;
        else
            return false;
    }
    return !O.Case.Tree.empty();
}

#ifdef _WIN32

int RunWorker(const TOptions& O) {
    for (int Run = 0; Run < O.Runs; ++Run) {
        const TFindTiming T = TimeFileFinder(O.Case);
        std::printf("finder %.3f %d\n", T.Ms, T.Found);
        const TFindTiming F = TimeOpenCloseFloor(O.Case);
        std::printf("floor %.3f %d\n", F.Ms, F.Found);
        std::fflush(stdout);
    }
    for (const TFindTiming& T : TimeFindInFilesPage(O.Case, O.Runs)) std::printf("page %.3f %d\n", T.Ms, T.Found);
    return 0;
}

#else

// One run of grep with stdout to Out; its wall time in ms, or -1.
double TimeGrep(const TOptions& O, std::string* Out = nullptr) {
    const std::string Tmp = std::filesystem::temp_directory_path() / "qrn-bench-grep.out";
    std::vector<std::string> Args = {"grep", "-r", "-l", "-i", "--include=*.asm", "--include=*.inc",
                                     "--include=*.mac", "-e", O.Case.Text, O.Case.Tree};
    std::vector<char*> Argv;
    for (std::string& A : Args) Argv.push_back(A.data());
    Argv.push_back(nullptr);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 1, Out ? Tmp.c_str() : "/dev/null", O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    // Bytes and ASCII letters, as the searcher compares.
    std::vector<char*> Env = {const_cast<char*>("LC_ALL=C"), nullptr};
    const auto T0 = std::chrono::steady_clock::now();
    pid_t Pid = 0;
    const int Rc = posix_spawnp(&Pid, "grep", &Actions, nullptr, Argv.data(), Env.data());
    posix_spawn_file_actions_destroy(&Actions);
    int Status = 0;
    if (Rc != 0 || waitpid(Pid, &Status, 0) < 0) return -1;
    const auto T1 = std::chrono::steady_clock::now();
    if (Out) {
        Out->clear();
        if (FILE* F = std::fopen(Tmp.c_str(), "rb")) {
            char Buf[4096];
            for (size_t N; (N = std::fread(Buf, 1, sizeof Buf, F)) > 0;) Out->append(Buf, N);
            std::fclose(F);
        }
        std::remove(Tmp.c_str());
    }
    return std::chrono::duration<double, std::milli>(T1 - T0).count();
}

// The Windows form of a native absolute path (Wine shows / as Z:).
std::string WinePath(std::string Path) {
    Path = std::filesystem::absolute(Path).lexically_normal().string();
    for (char& C : Path)
        if (C == '/') C = '\\';
    return "Z:" + Path;
}

// Runs the Windows worker under Wine; false when it could not be run.
bool RunWine(const TOptions& O, std::vector<double>& Finder, std::vector<double>& Floor, std::vector<double>& Page,
             int& FinderFound, int& PageFound) {
    const char* Wine = std::getenv("QRN_WINE");
    std::string Cmd = std::string(Wine ? Wine : "wine") + " '" + O.WinExe + "' '" + WinePath(O.Case.Tree) +
                      "' --runs " + std::to_string(O.Runs) + " --text '" + O.Case.Text + "' 2>/dev/null";
    FILE* P = popen(Cmd.c_str(), "r");
    if (!P) return false;
    char Line[256];
    while (std::fgets(Line, sizeof Line, P)) {
        char Kind[16] = {};
        double Ms = 0;
        int Found = 0;
        if (std::sscanf(Line, "%15s %lf %d", Kind, &Ms, &Found) != 3) continue;
        if (std::strcmp(Kind, "finder") == 0) {
            Finder.push_back(Ms);
            FinderFound = Found;
        } else if (std::strcmp(Kind, "floor") == 0) {
            Floor.push_back(Ms);
        } else if (std::strcmp(Kind, "page") == 0) {
            Page.push_back(Ms);
            PageFound = Found;
        }
    }
    return pclose(P) == 0 && !Finder.empty();
}

int RunDriver(const TOptions& O) {
    std::string Listed;
    if (TimeGrep(O, &Listed) < 0) {  // also warms the file cache for both
        std::fprintf(stderr, "grep could not be run\n");
        return 1;
    }
    int GrepFound = 0;
    for (char C : Listed) GrepFound += C == '\n';

    std::vector<double> Grep, Native;
    int NativeFound = 0;
    for (int Run = 0; Run < O.Runs; ++Run) {
        Grep.push_back(TimeGrep(O));
        const TFindTiming T = TimeFileFinder(O.Case);
        Native.push_back(T.Ms);
        NativeFound = T.Found;
    }
    const double GrepMs = Median(Grep), NativeMs = Median(Native);
    std::printf("tree %s, text \"%s\", %d runs, medians\n", O.Case.Tree.c_str(), O.Case.Text.c_str(), O.Runs);
    std::printf("grep -rli (3 --include)  %9.1f ms  %d files\n", GrepMs, GrepFound);
    std::printf("finder, native           %9.1f ms  %d files  %.2fx grep's throughput\n", NativeMs, NativeFound,
                GrepMs / NativeMs);
    if (O.WinExe.empty()) return 0;

    std::vector<double> Finder, Floor, Page;
    int FinderFound = 0, PageFound = 0;
    if (!RunWine(O, Finder, Floor, Page, FinderFound, PageFound)) {
        std::fprintf(stderr, "the Windows build could not be run under Wine\n");
        return 1;
    }
    const double WineMs = Median(Finder);
    std::printf("finder, Windows on Wine  %9.1f ms  %d files  %.2fx grep's throughput\n", WineMs, FinderFound,
                GrepMs / WineMs);
    if (!Floor.empty()) {
        const double FloorMs = Median(Floor);
        std::printf("open+close only, on Wine %9.1f ms  (%.2fx grep's throughput at best; the finder takes %.2fx this)\n",
                    FloorMs, GrepMs / FloorMs, WineMs / FloorMs);
    }
    if (Page.empty()) {
        std::fprintf(stderr, "the Find In Files page could not be timed\n");
        return 1;
    }
    const double PageMs = Median(Page);
    std::printf("IDE page, on Wine        %9.1f ms  %d files  %.2fx the finder's time\n", PageMs, PageFound,
                PageMs / WineMs);
    return 0;
}

#endif

}  // namespace

int main(int argc, char** argv) {
    TOptions O;
    if (!ParseOptions(argc, argv, O)) {
        std::fprintf(stderr, "usage: bench_findfiles TREE [--text T] [--runs N] [--win bench_findfiles.exe]\n");
        return 2;
    }
#ifdef _WIN32
    return RunWorker(O);
#else
    return RunDriver(O);
#endif
}
