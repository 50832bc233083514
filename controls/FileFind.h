#pragma once
// The threaded file searcher: TFileFind lists the files of one or more
// folders (optionally with their subfolders) whose names match patterns
// and, optionally, whose lines match a wildcard text. The search runs on a
// worker thread (TFindThread); its end is reported through OnTerminated on
// the user-interface thread.
//
// Handing the end over to the UI thread: the worker calls PostToUiThread
// with a job. The window side sets it to a function that posts a message
// to a window of the UI thread and runs the job when that message arrives
// (the job itself must run on the UI thread; what an event handler raises
// comes out of the job, to be handled like any handler's error). The
// default runs the job at once, on the worker: good for programs and
// tests without windows; then OnTerminated runs on the worker and the
// searcher must not be touched by another thread until it has run.
//
// Threads: FoundFiles, Execute, Stop and the properties belong to the UI
// thread. The worker keeps its found paths aside under a lock; FoundFiles()
// and FoundCount() take them over, so the UI may look at the results while
// a search runs. Destroying the searcher stops and joins the worker and no
// end event fires afterwards.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/FileFindPlatform.h"
#include "controls/Match.h"
#include "framework/classes/Component.h"
#include "framework/rtl/Exceptions.h"

class TStringList;
class TBrkApart;

QRN_ENUM(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)

enum TFileAttr { ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal };
QRN_ENUM(TFileAttr, ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal)
using TFileType = TSmallSet<TFileAttr>;
QRN_SET_NAME(TFileType)

enum TLangType { ltFrench, ltEnglish };
QRN_ENUM(TLangType, ltFrench, ltEnglish)

QRN_DECLARE_EXCEPTION(EFileFind, Exception)
QRN_DECLARE_EXCEPTION(EFileFindChDir, EFileFind)
QRN_DECLARE_EXCEPTION(EFileFindOutOfResources, EFileFind)

// The FindFirst attribute mask of a file type: the OR of the members'
// values (ftNormal stands for every attribute).
int FileAttrMask(TFileType Type);

// The out-of-resources text is one for all searchers: the last language
// set wins ("Trop de fichiers" / "Too much files").
void SetFileFindLanguage(TLangType Lang);
std::string FileFindOutOfResourcesText();

// A start folder as it is kept: one trailing separator removed unless the
// entry is a drive root ("C:\") or the separator alone.
std::string TrimStartDir(std::string_view Entry);

// Reads a file for the content test.
using TFindFileReader = std::function<std::string(const std::string& FileName)>;

// Everything one search needs, copied when it starts.
struct TFindRequest {
    std::vector<std::string> Folders;
    std::vector<std::string> Patterns;
    int AttrMask = 0x3F;
    std::string MatchString;
    bool MatchEnabled = false;
    bool MatchCaseSensitive = false;
    bool Recursive = true;
    TFindFileReader ReadFile;  // empty: read from disk
    TThreadPriority Priority = tpNormal;  // of the threads that help the search
};

using TFoundPath = std::function<void(const std::string& Path)>;

// The search itself, on the calling thread: Found gets every path in
// order (grouped by start folder, then pattern, then folder depth first).
// To keep that order from a single walk, paths of a later pattern reach
// Found only when their start folder has been walked (or the search ends
// in an error); Matched, when given, is called as each path is found, for
// a running count. Files are read on a few threads at once (one at a
// time, in order, when the request has its own reader): ShouldStop and
// Matched may be called from any of them. ShouldStop true ends the search
// quietly. Raises EFileFindChDir for a start folder that cannot be
// entered, EFileFindOutOfResources when memory runs out and the reader's
// error for a file that cannot be read. Relative folders are taken
// against the current directory, which is never changed.
void RunFileSearch(const TFindRequest& Request, const TFoundPath& Found, const std::function<bool()>& ShouldStop,
                   const std::function<void()>& Matched = {});

using TUiThreadPoster = std::function<void(std::function<void()> Job)>;

struct TFindShared;

// The worker of one search. It runs only on values it was handed (copies
// and shared state), so a finished worker outlives nothing.
class TFindThread {
public:
    TFindThread(TFindRequest Request, std::shared_ptr<TFindShared> Shared, TThreadPriority Priority,
                std::function<void()> Finished);
    ~TFindThread();  // stops and joins
    TFindThread(const TFindThread&) = delete;
    TFindThread& operator=(const TFindThread&) = delete;

    void RequestStop();
    // Joins, or lets the thread end on its own when called on the worker
    // itself (an end handler run there).
    void WaitFor();

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

struct TFindLife;

class TFileFind : public TComponent {
    QRN_CLASS(TFileFind, TComponent)
public:
    explicit TFileFind(TComponent* AOwner);
    ~TFileFind() override;
    void BeforeDestruction() override;

    std::string FilePattern() const;
    void SetFilePattern(const std::string& Value);
    TFileType FileType() const { return FFileType; }
    void SetFileType(TFileType Value);
    int AttrMask() const { return FAttrMask; }
    TLangType LangType() const { return FLangType; }
    void SetLangType(TLangType Value);
    bool MatchCaseSensitive() const { return FMatchCaseSensitive; }
    void SetMatchCaseSensitive(bool Value) { FMatchCaseSensitive = Value; }
    bool MatchEnabled() const { return FMatchEnabled; }
    void SetMatchEnabled(bool Value) { FMatchEnabled = Value; }
    const std::string& MatchString() const { return FMatchString; }
    void SetMatchString(const std::string& Value) { FMatchString = Value; }
    bool Recursive() const { return FRecursive; }
    void SetRecursive(bool Value) { FRecursive = Value; }
    std::string StartDir() const;
    void SetStartDir(const std::string& Value);
    TThreadPriority ThreadPriority() const { return FThreadPriority; }
    void SetThreadPriority(TThreadPriority Value) { FThreadPriority = Value; }
    TNotifyEvent OnTerminated;

    // An error that ended the search, fired on the UI thread just before
    // OnTerminated with the error's text.
    TEvent<void(TObject* Sender, const std::string& Message)> OnSearchError;

    // The kept lists.
    const std::vector<std::string>& Patterns() const { return FPatterns; }
    const std::vector<std::string>& Folders() const { return FFolders; }

    // Results of the last search (absolute paths), brought up to date with
    // what the worker has found so far. UI thread only.
    TStringList* FoundFiles();
    // Number of paths found so far (for a status line); UI thread only.
    int FoundCount() const;
    bool Searching() const { return FSearching; }
    // The error that ended the last search (null when none) and its text.
    std::exception_ptr LastError() const { return FLastError; }
    const std::string& LastErrorMessage() const { return FLastErrorMessage; }

    // Starts a search and returns at once. A search still running is
    // stopped first and its end is never reported.
    void Execute();
    // Stops a running search and waits for the worker; no end event fires.
    void Stop();

    // See the top of this file. Read when a search starts.
    TUiThreadPoster PostToUiThread;
    // Reads files for the content test (default: from disk). Read when a
    // search starts.
    TFindFileReader ReadFile;

private:
    friend struct TFindLife;
    void SearchEnded();
    void TakeOverFound();
    void StopWorker();

    std::vector<std::string> FPatterns;
    std::vector<std::string> FFolders;
    TFileType FFileType{ftNormal};
    int FAttrMask = 0x3F;
    TLangType FLangType = ltFrench;
    bool FMatchCaseSensitive = false;
    bool FMatchEnabled = false;
    std::string FMatchString;
    bool FRecursive = true;
    TThreadPriority FThreadPriority = tpIdle;

    TBrkApart* FSplitter;  // owned component: splits the two ";" lists
    TMatch* FMatch;        // owned component: the content test's settings
    std::unique_ptr<TStringList> FFoundFiles;
    std::shared_ptr<TFindShared> FShared;
    std::shared_ptr<TFindLife> FLife;
    std::unique_ptr<TFindThread> FThread;
    bool FSearching = false;
    std::exception_ptr FLastError;
    std::string FLastErrorMessage;
};
