#include "controls/FileFind.h"

#include <atomic>
#include <mutex>
#include <new>
#include <thread>
#include <utility>

#include "controls/Brkapart.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"

namespace {

constexpr std::string_view ListSeparator = ";";

std::atomic<int> GLangType{ltFrench};

bool IsSeparatorChar(char C) { return C == '\\' || C == PathDelim; }

}  // namespace

// State the worker shares with the searcher that started it; one per
// search, so a stopped worker never mixes into a later search.
struct TFindShared {
    std::mutex Lock;
    std::vector<std::string> Pending;  // found, not yet taken over
    int Count = 0;                     // found so far, including hits held back for their order
    std::exception_ptr Error;
    std::atomic<bool> Stop{false};
};

// Whether the searcher still wants to hear about a search. Shared with the
// end jobs, which may run after the searcher is gone.
struct TFindLife {
    std::recursive_mutex Lock;
    TFileFind* Owner = nullptr;
    unsigned Generation = 0;

    void Finish(unsigned Search) {
        std::lock_guard<std::recursive_mutex> Guard(Lock);
        if (Owner && Generation == Search) Owner->SearchEnded();
    }
};

int FileAttrMask(TFileType Type) {
    static const int Values[] = {faReadOnly, faHidden, faSysFile, faVolumeID, faDirectory, faArchive, faAnyFile};
    int Mask = 0;
    for (int I = ftReadOnly; I <= ftNormal; ++I)
        if (Type.Contains(static_cast<TFileAttr>(I))) Mask |= Values[I];
    return Mask;
}

void SetFileFindLanguage(TLangType Lang) { GLangType = Lang; }

std::string FileFindOutOfResourcesText() {
    return GLangType.load() == ltEnglish ? "Too much files" : "Trop de fichiers";
}

std::string TrimStartDir(std::string_view Entry) {
    std::string S(Entry);
    const bool DriveRoot = S.size() == 3 && S[1] == ':' && IsSeparatorChar(S[2]);
    const bool RootAlone = S.size() == 1 && IsSeparatorChar(S[0]);
    if (!S.empty() && IsSeparatorChar(S.back()) && !DriveRoot && !RootAlone) S.pop_back();
    return S;
}

// ---- TFindThread ----

struct TFindThread::TImpl {
    std::shared_ptr<TFindShared> Shared;
    std::thread Thread;
};

namespace {

void WorkerBody(const TFindRequest& Request, const std::shared_ptr<TFindShared>& Shared, TThreadPriority Priority,
                const std::function<void()>& Finished) {
    try {
        ApplyCurrentThreadPriority(Priority);
        RunFileSearch(
            Request,
            [&Shared](const std::string& Path) {
                std::lock_guard<std::mutex> Guard(Shared->Lock);
                Shared->Pending.push_back(Path);
            },
            [&Shared] { return Shared->Stop.load(); },
            [&Shared] {
                std::lock_guard<std::mutex> Guard(Shared->Lock);
                ++Shared->Count;
            });
    } catch (...) {
        std::lock_guard<std::mutex> Guard(Shared->Lock);
        Shared->Error = std::current_exception();
    }
    if (Shared->Stop.load()) return;
    // Nothing may escape the thread: an escaping exception would end the
    // process.
    try {
        Finished();
    } catch (...) {
    }
}

}  // namespace

TFindThread::TFindThread(TFindRequest Request, std::shared_ptr<TFindShared> Shared, TThreadPriority Priority,
                         std::function<void()> Finished)
    : FImpl(std::make_unique<TImpl>()) {
    FImpl->Shared = Shared;
    // Everything the worker uses is handed over before it starts.
    FImpl->Thread = std::thread(
        [Request = std::move(Request), Shared = std::move(Shared), Priority, Finished = std::move(Finished)] {
            WorkerBody(Request, Shared, Priority, Finished);
        });
}

TFindThread::~TFindThread() {
    RequestStop();
    WaitFor();
}

void TFindThread::RequestStop() { FImpl->Shared->Stop = true; }

void TFindThread::WaitFor() {
    if (!FImpl->Thread.joinable()) return;
    if (FImpl->Thread.get_id() == std::this_thread::get_id())
        FImpl->Thread.detach();
    else
        FImpl->Thread.join();
}

// ---- TFileFind ----

QRN_PUBLISHED(TFileFind) {
    B.Prop("FilePattern", &TFileFind::FilePattern, &TFileFind::SetFilePattern);
    B.Prop("FileType", &TFileFind::FileType, &TFileFind::SetFileType).Default(TFileType{ftNormal});
    B.Prop("LangType", &TFileFind::LangType, &TFileFind::SetLangType).Default(ltFrench);
    B.Prop("MatchCaseSensitive", &TFileFind::MatchCaseSensitive, &TFileFind::SetMatchCaseSensitive).NoDefault();
    B.Prop("MatchEnabled", &TFileFind::MatchEnabled, &TFileFind::SetMatchEnabled).NoDefault();
    B.Prop("MatchString", &TFileFind::MatchString, &TFileFind::SetMatchString);
    B.Prop("Recursive", &TFileFind::Recursive, &TFileFind::SetRecursive).Default(true);
    B.Prop("StartDir", &TFileFind::StartDir, &TFileFind::SetStartDir);
    B.Prop("ThreadPriority", &TFileFind::ThreadPriority, &TFileFind::SetThreadPriority).NoDefault();
    B.Event("OnTerminated", &TFileFind::OnTerminated);
}

TFileFind::TFileFind(TComponent* AOwner)
    : TComponent(AOwner),
      FSplitter(new TBrkApart(this)),
      FMatch(new TMatch(this)),
      FFoundFiles(std::make_unique<TStringList>()),
      FLife(std::make_shared<TFindLife>()) {
    FSplitter->SetBreakString(std::string(ListSeparator));
    FSplitter->SetAllowEmptyString(false);
    FMatch->SetSourceIsFile(true);
    FLife->Owner = this;
}

TFileFind::~TFileFind() {
    // Plain delete skips BeforeDestruction; the worker must not outlive us.
    StopWorker();
}

void TFileFind::BeforeDestruction() {
    StopWorker();
    inherited::BeforeDestruction();
}

void TFileFind::StopWorker() {
    {
        std::lock_guard<std::recursive_mutex> Guard(FLife->Lock);
        FLife->Owner = nullptr;
    }
    if (FThread) {
        FThread->RequestStop();
        FThread->WaitFor();
        FThread.reset();
    }
    FSearching = false;
}

std::string TFileFind::FilePattern() const { return BuildStringFromItems(FPatterns, ListSeparator, false); }

void TFileFind::SetFilePattern(const std::string& Value) { FPatterns = BreakApartText(Value, ListSeparator, false); }

void TFileFind::SetFileType(TFileType Value) {
    if (Value == FFileType) return;
    FFileType = Value;
    FAttrMask = FileAttrMask(Value);
}

void TFileFind::SetLangType(TLangType Value) {
    FLangType = Value;
    SetFileFindLanguage(Value);
}

std::string TFileFind::StartDir() const { return BuildStringFromItems(FFolders, ListSeparator, false); }

void TFileFind::SetStartDir(const std::string& Value) {
    FFolders.clear();
    for (const std::string& Entry : BreakApartText(Value, ListSeparator, false)) FFolders.push_back(TrimStartDir(Entry));
}

void TFileFind::TakeOverFound() {
    if (!FShared) return;
    std::vector<std::string> Taken;
    {
        std::lock_guard<std::mutex> Guard(FShared->Lock);
        Taken.swap(FShared->Pending);
    }
    for (std::string& Path : Taken) FFoundFiles->Add(Path);
}

TStringList* TFileFind::FoundFiles() {
    TakeOverFound();
    return FFoundFiles.get();
}

int TFileFind::FoundCount() const {
    if (!FShared) return FFoundFiles->Count();
    std::lock_guard<std::mutex> Guard(FShared->Lock);
    return FShared->Count;
}

void TFileFind::Stop() {
    {
        std::lock_guard<std::recursive_mutex> Guard(FLife->Lock);
        ++FLife->Generation;  // end jobs already posted now do nothing
    }
    if (FThread) {
        FThread->RequestStop();
        FThread->WaitFor();
        FThread.reset();
    }
    TakeOverFound();
    FSearching = false;
}

void TFileFind::Execute() {
    Stop();

    FMatch->SetCaseSensitive(FMatchCaseSensitive);
    FMatch->SetPattern(FMatchString);

    TFindRequest Request;
    Request.Folders = FFolders;
    Request.Patterns = FPatterns;
    Request.AttrMask = FAttrMask;
    Request.MatchString = FMatchString;
    Request.MatchEnabled = FMatchEnabled;
    Request.MatchCaseSensitive = FMatchCaseSensitive;
    Request.Recursive = FRecursive;
    Request.ReadFile = ReadFile;
    Request.Priority = FThreadPriority;

    FFoundFiles->Clear();
    FLastError = nullptr;
    FLastErrorMessage.clear();
    FShared = std::make_shared<TFindShared>();

    // Held until the worker is stored: an end run at once on the worker
    // waits for it.
    std::lock_guard<std::recursive_mutex> Guard(FLife->Lock);
    const unsigned Search = ++FLife->Generation;
    std::function<void()> EndJob = [Life = FLife, Search] { Life->Finish(Search); };
    TUiThreadPoster Post = PostToUiThread;
    std::function<void()> Finished = [Post = std::move(Post), EndJob = std::move(EndJob)] {
        if (Post)
            Post(EndJob);
        else
            EndJob();
    };
    FSearching = true;
    FThread = std::make_unique<TFindThread>(std::move(Request), FShared, FThreadPriority, std::move(Finished));
}

void TFileFind::SearchEnded() {
    TakeOverFound();
    {
        std::lock_guard<std::mutex> Guard(FShared->Lock);
        FLastError = FShared->Error;
    }
    FLastErrorMessage.clear();
    if (FLastError) {
        try {
            std::rethrow_exception(FLastError);
        } catch (const std::exception& E) {
            FLastErrorMessage = E.what();
        } catch (...) {
            FLastErrorMessage = "Unknown error";
        }
    }
    // The worker has done its last step; let it go (joined later when run
    // on the worker itself).
    if (FThread) FThread->WaitFor();
    FSearching = false;

    // The handlers may free this searcher: nothing of it is touched after.
    TNotifyEvent Terminated = OnTerminated;
    if (FLastError && OnSearchError) {
        auto ErrorEvent = OnSearchError;
        std::string Message = FLastErrorMessage;
        std::shared_ptr<TFindLife> Life = FLife;
        ErrorEvent(this, Message);
        std::lock_guard<std::recursive_mutex> Guard(Life->Lock);
        if (!Life->Owner) return;
    }
    if (Terminated) Terminated(this);
}
