#include "bench/FindFilesTiming.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "controls/FileFind.h"
#include "framework/rtl/FileScan.h"
#include "framework/rtl/StringList.h"

TFindTiming TimeFileFinder(const TFindBenchCase& Case) {
    TFileFind Finder(nullptr);
    std::mutex Lock;
    std::condition_variable Ended;
    bool Done = false;
    // Without a window the end is reported on the worker itself.
    Finder.OnTerminated = TNotifyEvent([&](TObject*) {
        std::lock_guard<std::mutex> G(Lock);
        Done = true;
        Ended.notify_all();
    });
    Finder.SetStartDir(Case.Tree);
    Finder.SetFilePattern("*.asm;*.inc;*.mac");
    Finder.SetMatchEnabled(true);
    Finder.SetMatchCaseSensitive(false);
    Finder.SetMatchString(Case.Text);
    const auto T0 = std::chrono::steady_clock::now();
    Finder.Execute();
    {
        std::unique_lock<std::mutex> G(Lock);
        Ended.wait(G, [&] { return Done; });
    }
    const auto T1 = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(T1 - T0).count(), Finder.FoundFiles()->Count()};
}

TFindTiming TimeOpenCloseFloor(const TFindBenchCase& Case) {
    const auto T0 = std::chrono::steady_clock::now();
    int Opened = 0;
    std::vector<std::string> Folders = {Case.Tree};
    std::vector<TFolderEntry> Entries;
    while (!Folders.empty()) {
        const std::string Dir = IncludeTrailingPathDelimiter(Folders.back());
        Folders.pop_back();
        if (!ListFolder(Dir, Entries)) continue;
        for (const TFolderEntry& E : Entries) {
            if (E.Attr & faDirectory) {
                Folders.push_back(Dir + E.Name);
                continue;
            }
            if (!MatchesMask(E.Name, "*.asm") && !MatchesMask(E.Name, "*.inc") && !MatchesMask(E.Name, "*.mac"))
                continue;
            int64_t Size = 0;
            const THandle H = FileOpenForReading(Dir + E.Name, E.Size, Size);
            if (H == INVALID_FILE_HANDLE) continue;
            FileClose(H);
            ++Opened;
        }
    }
    const auto T1 = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(T1 - T0).count(), Opened};
}

double Median(std::vector<double> Values) {
    if (Values.empty()) return 0;
    std::sort(Values.begin(), Values.end());
    const size_t N = Values.size();
    return N % 2 ? Values[N / 2] : (Values[N / 2 - 1] + Values[N / 2]) / 2;
}
