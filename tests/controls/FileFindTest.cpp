#include "controls/FileFind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "tests/common/TestFolder.h"

#ifdef _WIN32
#include "framework/rtl/win/WinApi.h"
#endif

namespace {

using namespace std::chrono_literals;

// Stands in for the window side: the worker posts jobs, the test thread
// runs them as a message loop would.
class TUiQueue {
public:
    TUiThreadPoster Poster() {
        return [this](std::function<void()> Job) {
            {
                std::lock_guard<std::mutex> L(FLock);
                FJobs.push_back(std::move(Job));
            }
            FWake.notify_all();
        };
    }
    // Runs posted jobs until Done() holds; false on time-out.
    bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Limit = 10s) {
        const auto End = std::chrono::steady_clock::now() + Limit;
        while (!Done()) {
            std::function<void()> Job;
            {
                std::unique_lock<std::mutex> L(FLock);
                if (!FWake.wait_until(L, End, [this] { return !FJobs.empty(); })) return false;
                Job = std::move(FJobs.front());
                FJobs.pop_front();
            }
            Job();
        }
        return true;
    }
    // Runs whatever is posted within the given time.
    void PumpFor(std::chrono::milliseconds Time) { PumpUntil([] { return false; }, Time); }
    size_t Waiting() {
        std::lock_guard<std::mutex> L(FLock);
        return FJobs.size();
    }

private:
    std::mutex FLock;
    std::condition_variable FWake;
    std::deque<std::function<void()>> FJobs;
};

std::string Native(const std::string& Path) {
    std::string R = Path;
    for (char& C : R)
        if (C == '/' || C == '\\') C = PathDelim;
    return R;
}

std::vector<std::string> Items(TStringList* L) {
    std::vector<std::string> R;
    for (int I = 0; I < L->Count(); ++I) R.push_back(L->Strings(I));
    return R;
}

class FileFindTest : public ::testing::Test {
protected:
    void SetUp() override {
        Root = TrimStartDir(Dir.Path());
        Finder = std::make_unique<TFileFind>(nullptr);
        Finder->PostToUiThread = Ui.Poster();
        Finder->OnTerminated = [this](TObject* Sender) {
            EXPECT_EQ(Sender, Finder.get());
            ++Ended;
        };
        Finder->OnSearchError = [this](TObject*, const std::string& Message) { ErrorText = Message; };
    }
    void Make(const std::string& Name, const std::string& Data = "") {
        std::filesystem::create_directories(std::filesystem::path(Dir / Native(Name)).parent_path());
        Dir.Write(Native(Name), Data);
    }
    std::string P(const std::string& Name) const { return Dir.Path() + Native(Name); }
    // Starts a search and runs the UI queue until it has ended.
    std::vector<std::string> Search() {
        const int Before = Ended;
        Finder->Execute();
        EXPECT_TRUE(Ui.PumpUntil([&] { return Ended > Before; }));
        EXPECT_FALSE(Finder->Searching());
        return Items(Finder->FoundFiles());
    }

    TTestFolder Dir;
    std::string Root;
    TUiQueue Ui;  // outlives the searcher, whose worker posts to it
    std::unique_ptr<TFileFind> Finder;
    int Ended = 0;
    std::string ErrorText;
};

TEST_F(FileFindTest, OrdersByStartFolderThenPatternThenDepthFirst) {
    Make("a.asm");
    Make("b.inc");
    Make("z.txt");
    Make("sub1/c.asm");
    Make("sub1/deep/d.asm");
    Make("sub2/e.inc");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm;*.inc");
    EXPECT_EQ(Search(), (std::vector<std::string>{P("a.asm"), P("sub1/c.asm"), P("sub1/deep/d.asm"), P("b.inc"),
                                                  P("sub2/e.inc")}));
    EXPECT_TRUE(Finder->LastErrorMessage().empty());
    EXPECT_EQ(Finder->FoundCount(), 5);
}

TEST_F(FileFindTest, NotRecursiveStaysInTheStartFolders) {
    Make("a.asm");
    Make("sub/c.asm");
    Make("other/x.asm");
    Finder->SetStartDir(Root + ";" + P("other"));
    Finder->SetFilePattern("*.asm");
    Finder->SetRecursive(false);
    EXPECT_EQ(Search(), (std::vector<std::string>{P("a.asm"), P("other/x.asm")}));
}

TEST_F(FileFindTest, AFileMatchingTwoPatternsIsListedTwice) {
    Make("a.asm");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm;a.*");
    EXPECT_EQ(Search(), (std::vector<std::string>{P("a.asm"), P("a.asm")}));
}

TEST_F(FileFindTest, ContentTestFindsTheLastLineWithoutLineBreak) {
    Make("hit.asm", "mov ax, bx\r\nnop\r\ncall WriteText");
    Make("miss.asm", "mov ax, bx\r\n");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("writetext");
    EXPECT_EQ(Search(), (std::vector<std::string>{P("hit.asm")}));
}

TEST_F(FileFindTest, ContentTestMatchesLinesLongerThan8192Bytes) {
    std::string Long(9000, 'x');
    Long += "needle";
    Long += std::string(5000, 'y');
    Make("long.inc", "first\r\n" + Long + "\r\nlast\r\n");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.inc");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x?needle*y");
    EXPECT_EQ(Search(), (std::vector<std::string>{P("long.inc")}));
}

TEST_F(FileFindTest, CaseSensitivityOfTheContentTest) {
    Make("a.asm", "Label1:\r\n");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("LABEL1");
    EXPECT_EQ(Search().size(), 1u);
    Finder->SetMatchCaseSensitive(true);
    EXPECT_TRUE(Search().empty());
    Finder->SetMatchString("Label1");
    EXPECT_EQ(Search().size(), 1u);
}

TEST_F(FileFindTest, MatchEnabledWithEmptyTextListsEveryFile) {
    Make("a.asm", "");
    Make("b.asm", "text");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->ReadFile = [](const std::string&) -> std::string { throw EFOpenError("must not be read"); };
    EXPECT_EQ(Search().size(), 2u);
}

TEST_F(FileFindTest, FoldersMatchingThePatternAreListedButNeverRead) {
    Make("x.asm/inner.txt");
    Make("y.asm", "needle");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetRecursive(false);
    EXPECT_EQ(Search(), (std::vector<std::string>{P("x.asm"), P("y.asm")}));
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("needle");
    EXPECT_EQ(Search(), (std::vector<std::string>{P("y.asm")}));
    EXPECT_TRUE(Finder->LastErrorMessage().empty());
}

TEST_F(FileFindTest, HiddenEntriesNeedTheirAttributeAndHiddenFoldersAreNotEntered) {
    Make("v.asm");
    Make(".h.asm");  // a dot-name is hidden natively
    Make(".hs/x.asm");
#ifdef _WIN32
    SetFileAttributesA(P(".h.asm").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(P(".hs").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
#endif
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetFileType(TFileType{ftArchive});
    EXPECT_EQ(Search(), std::vector<std::string>{P("v.asm")});
    Finder->SetFileType(TFileType{ftNormal});
    std::vector<std::string> Found = Search();
    std::sort(Found.begin(), Found.end());
    EXPECT_EQ(Found, (std::vector<std::string>{P(".h.asm"), P("v.asm")}));
}

TEST_F(FileFindTest, MissingStartFolderEndsTheSearchAndKeepsEarlierResults) {
    Make("a.asm");
    Finder->SetStartDir(Root + ";" + P("missing"));
    Finder->SetFilePattern("*.asm");
    EXPECT_EQ(Search(), (std::vector<std::string>{P("a.asm")}));
    ASSERT_TRUE(Finder->LastError());
    EXPECT_THROW(std::rethrow_exception(Finder->LastError()), EFileFindChDir);
    EXPECT_FALSE(Finder->LastErrorMessage().empty());
    EXPECT_EQ(ErrorText, Finder->LastErrorMessage());
    EXPECT_EQ(Ended, 1);
}

TEST_F(FileFindTest, RelativeStartFolderUsesButKeepsTheCurrentDirectory) {
    Make("rel/a.asm");
    const std::string Saved = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(Root));
    Finder->SetStartDir("rel");
    Finder->SetFilePattern("*.asm");
    std::vector<std::string> Found = Search();
    const std::string After = GetCurrentDir();
    SetCurrentDir(Saved);
    ASSERT_EQ(Found.size(), 1u);
    EXPECT_TRUE(SameFileName(Found[0], P("rel/a.asm"))) << Found[0];
    EXPECT_TRUE(SameFileName(ExcludeTrailingPathDelimiter(After), Root));
}

TEST_F(FileFindTest, AReaderErrorEndsTheSearchAndIsReported) {
    Make("a.asm", "x");
    Make("b.asm", "x");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetRecursive(false);
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x");
    int Reads = 0;
    Finder->ReadFile = [&](const std::string& F) -> std::string {
        if (++Reads == 2) throw EFOpenError("Cannot open file \"" + F + "\"");
        return "x";
    };
    std::vector<std::string> Found = Search();
    EXPECT_EQ(Found.size(), 1u);
    EXPECT_EQ(Ended, 1);
    EXPECT_THROW(std::rethrow_exception(Finder->LastError()), EFOpenError);
    EXPECT_NE(ErrorText.find("Cannot open file"), std::string::npos);
}

TEST_F(FileFindTest, AnyExceptionInTheWorkerIsCaught) {
    Make("a.asm", "x");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x");
    Finder->ReadFile = [](const std::string&) -> std::string { throw 42; };
    EXPECT_TRUE(Search().empty());
    EXPECT_TRUE(Finder->LastError());
    EXPECT_FALSE(Finder->LastErrorMessage().empty());
}

TEST_F(FileFindTest, OutOfResourcesUsesTheLanguageText) {
    Make("a.asm", "x");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x");
    Finder->ReadFile = [](const std::string&) -> std::string { throw EOutOfResources("out"); };
    Finder->SetLangType(ltEnglish);
    Search();
    EXPECT_THROW(std::rethrow_exception(Finder->LastError()), EFileFindOutOfResources);
    EXPECT_EQ(Finder->LastErrorMessage(), "Too much files");
    Finder->SetLangType(ltFrench);
    Search();
    EXPECT_EQ(Finder->LastErrorMessage(), "Trop de fichiers");
}

// A reader that blocks until the test lets it go, to hold the worker in
// the middle of a search.
struct TGate {
    std::mutex Lock;
    std::condition_variable Wake;
    bool Entered = false;
    bool Open = false;
    void Enter() {
        std::unique_lock<std::mutex> L(Lock);
        Entered = true;
        Wake.notify_all();
        Wake.wait(L, [this] { return Open; });
    }
    void WaitEntered() {
        std::unique_lock<std::mutex> L(Lock);
        Wake.wait(L, [this] { return Entered; });
    }
    void Release() {
        std::lock_guard<std::mutex> L(Lock);
        Open = true;
        Wake.notify_all();
    }
};

TEST_F(FileFindTest, DestroyingMidSearchJoinsTheWorkerAndFiresNothing) {
    for (int I = 0; I < 20; ++I) Make("f" + std::to_string(I) + ".asm", "x");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x");
    TGate Gate;
    std::atomic<int> Reads{0};
    Finder->ReadFile = [&](const std::string&) -> std::string {
        ++Reads;
        Gate.Enter();
        return "x";
    };
    Finder->Execute();
    Gate.WaitEntered();
    std::thread Releaser([&] {
        std::this_thread::sleep_for(50ms);
        Gate.Release();
    });
    TFileFind* Raw = Finder.release();
    Raw->Free();  // returns only once the worker has ended
    const int ReadsAtEnd = Reads;
    Releaser.join();
    Ui.PumpFor(100ms);
    EXPECT_EQ(Ended, 0);
    EXPECT_EQ(Reads, ReadsAtEnd);
    EXPECT_LT(ReadsAtEnd, 20);
}

TEST_F(FileFindTest, AnEndPostedBeforeDestructionDoesNothingAfterIt) {
    Make("a.asm");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->Execute();
    // Wait until the end job is queued, then destroy before running it.
    for (int I = 0; I < 1000 && Ui.Waiting() == 0; ++I) std::this_thread::sleep_for(5ms);
    ASSERT_EQ(Ui.Waiting(), 1u);
    Finder.reset();
    Ui.PumpFor(50ms);
    EXPECT_EQ(Ended, 0);
}

TEST_F(FileFindTest, ExecuteDuringASearchReplacesItAndReportsOnce) {
    Make("a.asm", "x");
    Make("b.asm", "x");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x");
    TGate Gate;
    Finder->ReadFile = [&](const std::string&) -> std::string {
        Gate.Enter();
        return "x";
    };
    Finder->Execute();
    Gate.WaitEntered();
    std::thread Releaser([&] {
        std::this_thread::sleep_for(30ms);
        Gate.Release();
    });
    Finder->SetRecursive(false);
    std::vector<std::string> Found = Search();
    Releaser.join();
    Ui.PumpFor(50ms);
    EXPECT_EQ(Ended, 1);
    EXPECT_EQ(Found, (std::vector<std::string>{P("a.asm"), P("b.asm")}));
}

TEST_F(FileFindTest, ResultsCanBeReadWhileTheSearchRuns) {
    for (int I = 0; I < 5; ++I) Make("f" + std::to_string(I) + ".asm", "x");
    Finder->SetStartDir(Root);
    Finder->SetFilePattern("*.asm");
    Finder->SetMatchEnabled(true);
    Finder->SetMatchString("x");
    TGate Gate;
    std::atomic<int> Reads{0};
    Finder->ReadFile = [&](const std::string&) -> std::string {
        if (++Reads == 3) Gate.Enter();
        return "x";
    };
    Finder->Execute();
    Gate.WaitEntered();
    EXPECT_TRUE(Finder->Searching());
    EXPECT_EQ(Finder->FoundCount(), 2);
    EXPECT_EQ(Finder->FoundFiles()->Count(), 2);
    Gate.Release();
    EXPECT_TRUE(Ui.PumpUntil([&] { return Ended == 1; }));
    EXPECT_EQ(Finder->FoundFiles()->Count(), 5);
}

TEST_F(FileFindTest, TheDirectDefaultReportsOnTheWorker) {
    Make("a.asm");
    std::mutex Lock;
    std::condition_variable Wake;
    bool Done = false;
    std::thread::id EndThread;
    TFileFind Local(nullptr);
    Local.OnTerminated = [&](TObject*) {
        std::lock_guard<std::mutex> L(Lock);
        EndThread = std::this_thread::get_id();
        Done = true;
        Wake.notify_all();
    };
    Local.SetStartDir(Root);
    Local.SetFilePattern("*.asm");
    Local.Execute();
    std::unique_lock<std::mutex> L(Lock);
    ASSERT_TRUE(Wake.wait_for(L, 10s, [&] { return Done; }));
    EXPECT_NE(EndThread, std::this_thread::get_id());
}

TEST_F(FileFindTest, AHandlerMayFreeTheSearcher) {
    Make("a.asm");
    TFileFind* Raw = Finder.release();
    Raw->OnTerminated = [&](TObject* Sender) {
        ++Ended;
        static_cast<TFileFind*>(Sender)->Free();
    };
    Raw->SetStartDir(Root);
    Raw->SetFilePattern("*.asm");
    Raw->Execute();
    EXPECT_TRUE(Ui.PumpUntil([&] { return Ended == 1; }));
}

TEST(FileFindProperties, StartDirLosesOneTrailingSeparatorExceptAtRoots) {
    TFileFind F(nullptr);
    F.SetStartDir("C:\\;D:\\work\\;;\\;E:\\a\\\\");
    EXPECT_EQ(F.Folders(), (std::vector<std::string>{"C:\\", "D:\\work", "\\", "E:\\a\\"}));
    EXPECT_EQ(F.StartDir(), "C:\\;D:\\work;\\;E:\\a\\");
}

TEST(FileFindProperties, EmptyPatternEntriesVanish) {
    TFileFind F(nullptr);
    F.SetFilePattern(";;*.asm;");
    EXPECT_EQ(F.Patterns(), (std::vector<std::string>{"*.asm"}));
    EXPECT_EQ(F.FilePattern(), "*.asm");
}

TEST(FileFindProperties, AttributeMaskFollowsTheFileType) {
    TFileFind F(nullptr);
    EXPECT_EQ(F.AttrMask(), 63);
    F.SetFileType(TFileType{ftReadOnly, ftDirectory});
    EXPECT_EQ(F.AttrMask(), 17);
    EXPECT_EQ(FileAttrMask(TFileType{ftHidden, ftSystem, ftVolumeID, ftArchive}), 2 + 4 + 8 + 32);
    EXPECT_EQ(FileAttrMask(TFileType{}), 0);
}

TEST(FileFindProperties, PublishedWithTheirDefaults) {
    TFileFind F(nullptr);
    const TClass* C = F.ClassType();
    for (const char* Name : {"FilePattern", "FileType", "LangType", "MatchCaseSensitive", "MatchEnabled",
                             "MatchString", "Recursive", "StartDir", "ThreadPriority", "OnTerminated"})
        EXPECT_NE(C->FindProperty(Name), nullptr) << Name;
    EXPECT_TRUE(IsDefaultPropValue(&F, C->FindProperty("Recursive")));
    EXPECT_TRUE(IsDefaultPropValue(&F, C->FindProperty("FileType")));
    EXPECT_TRUE(IsDefaultPropValue(&F, C->FindProperty("LangType")));
    EXPECT_FALSE(IsDefaultPropValue(&F, C->FindProperty("ThreadPriority")));
    EXPECT_EQ(GetPropValue(&F, "ThreadPriority"), "tpIdle");
    EXPECT_EQ(GetPropValue(&F, "FileType"), "[ftNormal]");
    SetPropValue(&F, "Recursive", "False");
    EXPECT_FALSE(F.Recursive());
    SetPropValue(&F, "ThreadPriority", "tpNormal");
    EXPECT_EQ(F.ThreadPriority(), tpNormal);
}

TEST(FileFindProperties, RunFileSearchStopsWhenAsked) {
    TTestFolder Dir;
    Dir.Write("a.asm", "");
    Dir.Write("b.asm", "");
    TFindRequest R;
    R.Folders = {Dir.Path()};
    R.Patterns = {"*.asm"};
    int Found = 0;
    RunFileSearch(R, [&](const std::string&) { ++Found; }, [&] { return Found == 1; });
    EXPECT_EQ(Found, 1);
}

}  // namespace
