// The search beneath TFileFind (RunFileSearch).
//
// Each start folder is walked once for all patterns: every folder is
// listed once and its entries are matched against the patterns in memory.
// The walk is planned first (the folders of one depth listed side by side)
// into the list of entries that match some pattern, in the order a
// depth-first walk meets them. The content test then reads those files on
// a few threads at once: the time per file goes mostly to waiting on the
// system (and under Wine on its server), which overlaps well. Results are
// still reported in the walk's order, pattern by pattern.
#include <algorithm>
#include <atomic>
#include <exception>
#include <new>
#include <mutex>
#include <thread>

#include "controls/FileFind.h"
#include "framework/rtl/FileScan.h"
#include "framework/rtl/FileUtils.h"

namespace {

// Threads that list folders and test files together.
constexpr unsigned SearchThreads = 4;

// Runs Job(0, Slot) .. Job(Count - 1, Slot) on up to SearchThreads
// threads, the calling one among them; Slot (below SearchThreads) tells
// the threads apart. The helpers run at Priority. Job must not throw.
template <class TJob>
void ForEachOnThreads(size_t Count, TThreadPriority Priority, const TJob& Job) {
    std::atomic<size_t> Next{0};
    auto Work = [&](size_t Slot) {
        for (size_t I; (I = Next.fetch_add(1)) < Count;) Job(I, Slot);
    };
    std::vector<std::thread> Helpers;
    const size_t Extra = Count > 1 ? std::min<size_t>(SearchThreads, Count) - 1 : 0;
    try {
        for (size_t T = 1; T <= Extra; ++T) Helpers.emplace_back([&Work, Priority, T] {
            ApplyCurrentThreadPriority(Priority);
            Work(T);
        });
    } catch (...) {
        // No more threads to be had: the ones running finish the work.
    }
    Work(0);
    for (std::thread& T : Helpers) T.join();
}

// A folder of the planned walk.
struct TFolderNode {
    std::string Path;  // with a trailing separator
    std::vector<TFolderEntry> Entries;
    std::vector<size_t> Subfolders;  // node numbers, in listing order
};

// An entry that matches at least one pattern.
struct TCandidate {
    std::string Path;
    size_t NameAt = 0;  // where the name starts in Path
    const TFolderEntry* Entry = nullptr;
    int Outcome = -1;  // content test: -1 not yet made, 0 failed, 1 passed
    std::exception_ptr Error;
};

class TSearcher {
public:
    TSearcher(const TFindRequest& Request, const TFoundPath& Found, const std::function<bool()>& ShouldStop,
              const std::function<void()>& Matched)
        : R(Request), Found(Found), ShouldStop(ShouldStop), Matched(Matched) {
        Matcher.CaseSensitive = R.MatchCaseSensitive;
        Matcher.SetPattern(R.MatchString);
        TestContents = R.MatchEnabled && !R.MatchString.empty();
        // As FindFirst with the attribute mask: hidden, system, volume and
        // folder entries only when asked for.
        ExcludeAttr = ~R.AttrMask & (faHidden | faSysFile | faVolumeID | faDirectory);
    }

    void Run() {
        for (const std::string& Folder : R.Folders) {
            if (ShouldStop()) return;
            const std::string Abs = ExpandFileName(Folder);
            std::string Error;
            if (!CanEnterFolder(Abs, Error)) throw EFileFindChDir(Error);
            Held.assign(R.Patterns.size(), {});
            try {
                SearchTree(IncludeTrailingPathDelimiter(Abs));
            } catch (...) {
                // What was found before the error stays found.
                ReleaseHeld();
                throw;
            }
            ReleaseHeld();
        }
    }

private:
    void SearchTree(const std::string& Root) {
        Nodes.clear();
        Nodes.push_back({Root, {}, {}});
        ListTree();
        std::vector<TCandidate> Plan;
        PlanWalk(0, Plan);
        // A reader handed in by the caller is asked in order, one file at a
        // time, between the reports.
        if (TestContents && !R.ReadFile) TestAll(Plan);
        for (TCandidate& C : Plan) {
            if (ShouldStop()) return;
            Report(C);
        }
    }

    // Lists the tree depth by depth, the folders of one depth side by side.
    void ListTree() {
        std::vector<size_t> Depth = {0};
        while (!Depth.empty() && !ShouldStop()) {
            std::mutex Lock;
            std::exception_ptr Error;
            ForEachOnThreads(Depth.size(), R.Priority, [&](size_t I, size_t) {
                TFolderNode& Node = Nodes[Depth[I]];
                try {
                    // A subfolder that cannot be listed has nothing to show.
                    if (!ListFolder(Node.Path, Node.Entries)) Node.Entries.clear();
                } catch (...) {
                    std::lock_guard<std::mutex> Guard(Lock);
                    if (!Error) Error = std::current_exception();
                }
            });
            if (Error) std::rethrow_exception(Error);
            std::vector<size_t> Next;
            for (size_t N : Depth) {
                if (!R.Recursive) break;
                std::vector<std::string> Paths;
                for (const TFolderEntry& E : Nodes[N].Entries)
                    // Entered as a "*.*" folder listing would return them.
                    if ((E.Attr & faDirectory) != 0 && (E.Attr & (faHidden | faSysFile | faVolumeID)) == 0)
                        Paths.push_back(Nodes[N].Path + E.Name + PathDelim);
                for (std::string& Path : Paths) {
                    Nodes[N].Subfolders.push_back(Nodes.size());
                    Next.push_back(Nodes.size());
                    Nodes.push_back({std::move(Path), {}, {}});
                }
            }
            Depth.swap(Next);
        }
    }

    // Each folder's matching entries, then its subfolders', depth first.
    void PlanWalk(size_t N, std::vector<TCandidate>& Plan) {
        const TFolderNode& Node = Nodes[N];
        for (const TFolderEntry& E : Node.Entries)
            if ((E.Attr & ExcludeAttr) == 0 && MatchedPatterns(E.Name) > 0)
                Plan.push_back({Node.Path + E.Name, Node.Path.size(), &E, -1, nullptr});
        for (size_t Sub : Node.Subfolders) PlanWalk(Sub, Plan);
    }

    size_t MatchedPatterns(std::string_view Name) const {
        return static_cast<size_t>(std::count_if(R.Patterns.begin(), R.Patterns.end(),
                                                 [&](const std::string& P) { return MatchesMask(Name, P); }));
    }

    // The content test of every planned file, on several threads. Hits are
    // counted as they are found; an error stops the testing of the files
    // after it, which will not be reported.
    void TestAll(std::vector<TCandidate>& Plan) {
        std::atomic<size_t> FirstError{Plan.size()};
        std::vector<std::string> Buffers(SearchThreads);
        ForEachOnThreads(Plan.size(), R.Priority, [&](size_t I, size_t Slot) {
            TCandidate& C = Plan[I];
            if (I > FirstError.load() || ShouldStop()) return;
            try {
                C.Outcome = Passes(C, Buffers[Slot]) ? 1 : 0;
                if (C.Outcome == 1 && Matched)
                    for (size_t K = MatchedPatterns(std::string_view(C.Path).substr(C.NameAt)); K > 0; --K) Matched();
            } catch (...) {
                C.Error = std::current_exception();
                size_t Seen = FirstError.load();
                while (I < Seen && !FirstError.compare_exchange_weak(Seen, I)) {
                }
            }
        });
        CountedAhead = true;
    }

    bool Passes(const TCandidate& C, std::string& Contents) const {
        if (!TestContents) return true;
        // A folder has no lines to match.
        if ((C.Entry->Attr & faDirectory) != 0) return false;
        if (R.ReadFile)
            Contents = R.ReadFile(C.Path);
        else
            ReadWholeFile(C.Path, Contents, C.Entry->Size);
        return AnyLineMatches(Contents, Matcher.InternalPattern(), Matcher.CaseSensitive);
    }

    void Report(TCandidate& C) {
        try {
            if (C.Error) std::rethrow_exception(C.Error);
            if (C.Outcome < 0) C.Outcome = Passes(C, Contents) ? 1 : 0;
            if (C.Outcome == 0) return;
            const std::string_view Name = std::string_view(C.Path).substr(C.NameAt);
            for (size_t P = 0; P < R.Patterns.size(); ++P) {
                if (!MatchesMask(Name, R.Patterns[P])) continue;
                if (Matched && !CountedAhead) Matched();
                // The first pattern's paths go out at once; the others wait
                // for the end of the start folder.
                if (P == 0)
                    Found(C.Path);
                else
                    Held[P].push_back(C.Path);
            }
        } catch (const EOutOfResources&) {
            throw EFileFindOutOfResources(FileFindOutOfResourcesText());
        } catch (const std::bad_alloc&) {
            throw EFileFindOutOfResources(FileFindOutOfResourcesText());
        }
    }

    void ReleaseHeld() {
        for (std::vector<std::string>& Paths : Held) {
            for (const std::string& Path : Paths) Found(Path);
            Paths.clear();
        }
    }

    const TFindRequest& R;
    const TFoundPath& Found;
    const std::function<bool()>& ShouldStop;
    const std::function<void()>& Matched;
    TMatchCore Matcher;
    bool TestContents = false;
    bool CountedAhead = false;  // the content test counted the hits already
    int ExcludeAttr = 0;
    std::vector<TFolderNode> Nodes;
    std::vector<std::vector<std::string>> Held;  // per pattern; the first is never held
    std::string Contents;                        // for files read in order
};

}  // namespace

void RunFileSearch(const TFindRequest& Request, const TFoundPath& Found, const std::function<bool()>& ShouldStop,
                   const std::function<void()>& Matched) {
    TSearcher(Request, Found, ShouldStop, Matched).Run();
}
