// Find in files against grep: a generated tree of 20,000 assembler,
// include and macro files (plus some other files) searched for a text on
// the file searcher's worker thread, then with `grep -r` on the same tree.
// Prints both times and the throughput ratio (searcher / grep).
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>

#include "controls/FileFind.h"
#include "framework/rtl/StringList.h"

namespace {

namespace fs = std::filesystem;

double Ms(std::chrono::steady_clock::time_point A, std::chrono::steady_clock::time_point B) {
    return std::chrono::duration<double, std::milli>(B - A).count();
}

// About 60 lines of assembler per file; every 50th file holds the text.
std::string FileText(int Index) {
    static const char* Ops[] = {"mov", "add", "sub", "push", "pop", "cmp", "jne", "call", "lea", "xor"};
    static const char* Regs[] = {"eax", "ebx", "ecx", "edx", "esi", "edi"};
    std::string S;
    for (int L = 0; L < 60; ++L) {
        S += "    ";
        S += Ops[(Index + L) % 10];
        S += ' ';
        S += Regs[L % 6];
        S += ", ";
        S += Regs[(L + Index) % 6];
        S += "    ; step ";
        S += std::to_string(L);
        S += "\r\n";
    }
    if (Index % 50 == 0) S += "    call FindMeHere\r\n";
    return S;
}

size_t Generate(const fs::path& Root, int Files) {
    static const char* Exts[] = {".asm", ".inc", ".mac", ".asm"};
    size_t Bytes = 0;
    for (int I = 0; I < Files; ++I) {
        const fs::path Dir = Root / ("d" + std::to_string(I / 400)) / ("s" + std::to_string(I / 40 % 10));
        if (I % 40 == 0) fs::create_directories(Dir);
        const std::string Text = FileText(I);
        std::ofstream(Dir / ("f" + std::to_string(I) + Exts[I % 4]), std::ios::binary) << Text;
        Bytes += Text.size();
        if (I % 100 == 0) std::ofstream(Dir / ("notes" + std::to_string(I) + ".txt")) << "FindMeHere\n";
    }
    return Bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const int Files = argc > 1 ? std::atoi(argv[1]) : 20000;
    const fs::path Root = fs::temp_directory_path() / ("qrn-bench-find-" + std::to_string(std::rand()));
    fs::remove_all(Root);
    const size_t Bytes = Generate(Root, Files);
    std::printf("tree: %d files, %.1f MB of sources in %s\n", Files, static_cast<double>(Bytes) / 1048576.0,
                Root.string().c_str());

    // Warm the file cache once for both sides.
    std::string Warm = "grep -r -l --include='*.asm' --include='*.inc' --include='*.mac' FindMeHere '" +
                       Root.string() + "' > /dev/null";
    if (std::system(Warm.c_str()) < 0) return 1;

    double Best = 1e300;
    int Found = 0;
    for (int Run = 0; Run < 3; ++Run) {
        TFileFind Finder(nullptr);
        std::mutex Lock;
        std::condition_variable Ended;
        bool Done = false;
        Finder.OnTerminated = TNotifyEvent([&](TObject*) {
            std::lock_guard<std::mutex> G(Lock);
            Done = true;
            Ended.notify_all();
        });
        Finder.SetStartDir(Root.string() + "/");
        Finder.SetFilePattern("*.asm;*.inc;*.mac");
        Finder.SetMatchEnabled(true);
        Finder.SetMatchCaseSensitive(false);
        Finder.SetMatchString("FindMeHere");
        const auto T0 = std::chrono::steady_clock::now();
        Finder.Execute();
        {
            std::unique_lock<std::mutex> G(Lock);
            Ended.wait(G, [&] { return Done; });
        }
        const auto T1 = std::chrono::steady_clock::now();
        Best = std::min(Best, Ms(T0, T1));
        Found = Finder.FoundFiles()->Count();
    }

    double GrepBest = 1e300;
    const std::string Grep = "grep -r -l -i --include='*.asm' --include='*.inc' --include='*.mac' FindMeHere '" +
                             Root.string() + "' > /dev/null";
    for (int Run = 0; Run < 3; ++Run) {
        const auto T0 = std::chrono::steady_clock::now();
        if (std::system(Grep.c_str()) < 0) return 1;
        const auto T1 = std::chrono::steady_clock::now();
        GrepBest = std::min(GrepBest, Ms(T0, T1));
    }

    std::printf("find in files: %.1f ms, %d files found\n", Best, Found);
    std::printf("grep -r -l -i: %.1f ms\n", GrepBest);
    std::printf("throughput ratio (find in files / grep): %.2f\n", GrepBest / Best);
    fs::remove_all(Root);
    return 0;
}
