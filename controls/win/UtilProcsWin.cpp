// The utility routines that talk to Windows directly.
#include <string>
#include <utility>
#include <vector>

#include "controls/UtilProcs.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/Registry.h"
#include "framework/rtl/win/WinApi.h"

namespace {

// CreateProcessA may write into the command line it is given.
std::vector<char> WritableCopy(const std::string& S) {
    std::vector<char> Copy(S.begin(), S.end());
    Copy.push_back('\0');
    return Copy;
}

// Waits for a started program to finish, then releases its handles.
void WaitAndRelease(PROCESS_INFORMATION& Process, bool Wait) {
    if (Wait) {
        WaitForInputIdle(Process.hProcess, INFINITE);
        WaitForSingleObject(Process.hProcess, INFINITE);
    }
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
}

class TWinHandle {
public:
    explicit TWinHandle(HANDLE H) : FHandle(H) {}
    ~TWinHandle() { Close(); }
    TWinHandle(const TWinHandle&) = delete;
    TWinHandle& operator=(const TWinHandle&) = delete;
    HANDLE Get() const { return FHandle; }
    bool Valid() const { return FHandle != INVALID_HANDLE_VALUE && FHandle != nullptr; }
    void Close() {
        if (Valid()) CloseHandle(FHandle);
        FHandle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE FHandle;
};

// How long a handle left open by a finished child's console is waited for.
// Under Wine a console program's console host keeps the capture file open
// some 40-60 ms after the program has ended.
constexpr DWORD HeldFileWaitMs = 2000;
constexpr DWORD HeldFileRetryMs = 20;

bool IsSharingFailure(DWORD Error) {
    return Error == ERROR_SHARING_VIOLATION || Error == ERROR_LOCK_VIOLATION || Error == ERROR_ACCESS_DENIED;
}

// Deletes a file when it goes out of scope, whatever happened before; a
// file another process still holds open is retried for a bounded time.
class TFileRemover {
public:
    explicit TFileRemover(std::string Path) : FPath(std::move(Path)) {}
    ~TFileRemover() {
        const DWORD Start = GetTickCount();
        while (!DeleteFileA(FPath.c_str()) && IsSharingFailure(GetLastError()) &&
               GetTickCount() - Start < HeldFileWaitMs)
            Sleep(HeldFileRetryMs);
    }
    TFileRemover(const TFileRemover&) = delete;
    TFileRemover& operator=(const TFileRemover&) = delete;

private:
    std::string FPath;
};

// The whole file, read with full sharing so that a handle still open in
// another process cannot refuse it.
bool ReadSharedFile(const std::string& Path, std::string& Text) {
    TWinHandle File(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!File.Valid()) return false;
    Text.clear();
    char Buf[16384];
    DWORD Got = 0;
    while (ReadFile(File.Get(), Buf, sizeof(Buf), &Got, nullptr) && Got > 0) Text.append(Buf, Got);
    return true;
}

// Attempts at a temporary name before giving up: each failure means a file
// with the wanted extension already holds that name.
constexpr int TempNameAttempts = 1024;

}  // namespace

// The running program's file; empty when it cannot be told.
std::string GetExePath() {
    std::vector<char> Buf(MAX_PATH);
    for (;;) {
        const DWORD Len = GetModuleFileNameA(nullptr, Buf.data(), static_cast<DWORD>(Buf.size()));
        if (Len == 0) return std::string();
        if (Len < Buf.size()) return std::string(Buf.data(), Len);
        Buf.resize(Buf.size() * 2);
    }
}

std::string GetExeDir() { return ExtractFilePath(GetExePath()); }

std::string GetShortPath(const std::string& Path) {
    char Buf[256];
    const DWORD Len = GetShortPathNameA(Path.c_str(), Buf, 255);
    // A result of 255 or more is the size a larger buffer would need.
    if (Len == 0 || Len >= 255) return Path;
    return std::string(Buf, Len);
}

std::string GetTempFileNameExt(const std::string& Ext) {
    char TempDir[1024];
    const DWORD DirLen = GetTempPathA(1023, TempDir);
    if (DirLen == 0 || DirLen >= 1023) return std::string();
    // Names whose renamed form was taken stay reserved (as empty files)
    // until the end, so that each attempt is given a new number.
    std::vector<std::string> Strays;
    std::string Result;
    for (int Attempt = 0; Attempt < TempNameAttempts && Result.empty(); ++Attempt) {
        char Created[1024];
        if (GetTempFileNameA(TempDir, "TMP", 0, Created) == 0) break;
        const std::string Renamed = ChangeFileExt(Created, Ext);
        if (SameText(Renamed, Created)) {
            // Same file; at most its extension's case changes.
            if (Renamed != Created) MoveFileA(Created, Renamed.c_str());
            Result = Renamed;
        } else if (MoveFileA(Created, Renamed.c_str())) {
            // MoveFileA never replaces: an existing file is not ours to hand out.
            Result = Renamed;
        } else {
            Strays.emplace_back(Created);
        }
    }
    for (const std::string& Stray : Strays) DeleteFileA(Stray.c_str());
    return Result;
}

bool RunProgram(const std::string& CommandLine, bool Hidden, bool Wait) {
    STARTUPINFOA Startup{};
    Startup.cb = sizeof(STARTUPINFOA);
    Startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK;
    Startup.wShowWindow = Hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION Process{};
    std::vector<char> Command = WritableCopy(CommandLine);
    if (!CreateProcessA(nullptr, Command.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &Startup, &Process)) {
        return false;
    }
    WaitAndRelease(Process, Wait);
    return true;
}

bool RunAndCapture(const std::string& CommandLine, TStrings& Lines) {
    Lines.Clear();
    const std::string TempName = GetTempFileNameExt(".tmp");
    if (TempName.empty()) return false;
    TFileRemover Remover(TempName);  // declared first: runs after the close below

    SECURITY_ATTRIBUTES Inheritable{};
    Inheritable.nLength = sizeof(Inheritable);
    Inheritable.bInheritHandle = TRUE;
    TWinHandle Output(CreateFileA(TempName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &Inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!Output.Valid()) return false;

    STARTUPINFOA Startup{};
    Startup.cb = sizeof(STARTUPINFOA);
    Startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEONFEEDBACK | STARTF_USESTDHANDLES;
    Startup.wShowWindow = SW_HIDE;
    Startup.hStdInput = INVALID_HANDLE_VALUE;
    Startup.hStdOutput = Output.Get();
    Startup.hStdError = INVALID_HANDLE_VALUE;
    PROCESS_INFORMATION Process{};
    std::vector<char> Command = WritableCopy(CommandLine);
    const bool Created = CreateProcessA(nullptr, Command.data(), nullptr, nullptr, TRUE,
                                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &Startup,
                                        &Process) != FALSE;
    if (Created) WaitAndRelease(Process, true);
    Output.Close();
    std::string Text;
    if (!ReadSharedFile(TempName, Text)) throw EFOpenError("Cannot open file \"" + TempName + "\"");
    Lines.SetText(Text);
    return Created;
}

std::string ReadRegString(HKEY Root, const std::string& Path) {
    std::string KeyPath, ValueName;
    SplitRegPath(Path, KeyPath, ValueName);
    TRegistry Reg;
    Reg.SetRootKey(Root);
    if (!Reg.OpenKey(KeyPath, true)) return std::string();
    return Reg.ReadString(ValueName);
}

void WriteRegString(HKEY Root, const std::string& Path, const std::string& Value) {
    std::string KeyPath, ValueName;
    SplitRegPath(Path, KeyPath, ValueName);
    TRegistry Reg;
    Reg.SetRootKey(Root);
    // Writing beside the intended key would lose the value silently.
    if (!Reg.OpenKey(KeyPath, true)) throw ERegistryException("Failed to set data for '" + ValueName + "'");
    Reg.WriteString(ValueName, Value);
}
