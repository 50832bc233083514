// Files and folders through the Win32 API.
#include <vector>

#include "framework/rtl/FileScan.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"

namespace {
HANDLE H(THandle Handle) { return reinterpret_cast<HANDLE>(Handle); }

int32_t DosDateOfFileTime(const FILETIME& Utc) {
    FILETIME local;
    WORD date, time;
    if (!FileTimeToLocalFileTime(&Utc, &local) || !FileTimeToDosDateTime(&local, &date, &time)) return -1;
    return static_cast<int32_t>((static_cast<uint32_t>(date) << 16) | time);
}

bool FileTimeOfDosDate(int32_t DosDate, FILETIME& Utc) {
    FILETIME local;
    const uint32_t d = static_cast<uint32_t>(DosDate);
    return DosDateTimeToFileTime(static_cast<WORD>(d >> 16), static_cast<WORD>(d & 0xFFFF), &local) &&
           LocalFileTimeToFileTime(&local, &Utc);
}
}  // namespace

THandle FileOpen(const std::string& FileName, unsigned Mode) {
    static const DWORD access[3] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    static const DWORD share[5] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE};
    const unsigned a = Mode & 3, s = (Mode & 0xF0) >> 4;
    if (a > 2 || s > 4) return INVALID_FILE_HANDLE;
    HANDLE h =
        CreateFileA(FileName.c_str(), access[a], share[s], nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? INVALID_FILE_HANDLE : reinterpret_cast<THandle>(h);
}

THandle FileOpenForReading(const std::string& FileName, int64_t SizeHint, int64_t& Size) {
    const THandle h = FileOpen(FileName, fmOpenRead | fmShareDenyNone);
    Size = SizeHint;
    LARGE_INTEGER n;
    if (h != INVALID_FILE_HANDLE && Size < 0 && GetFileSizeEx(H(h), &n)) Size = n.QuadPart;
    return h;
}

THandle FileCreate(const std::string& FileName) {
    HANDLE h = CreateFileA(FileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? INVALID_FILE_HANDLE : reinterpret_cast<THandle>(h);
}

THandle FileCreateNew(const std::string& FileName) {
    HANDLE h = CreateFileA(FileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? INVALID_FILE_HANDLE : reinterpret_cast<THandle>(h);
}

int32_t FileRead(THandle Handle, void* Buffer, int32_t Count) {
    DWORD n = 0;
    if (Count < 0 || !ReadFile(H(Handle), Buffer, static_cast<DWORD>(Count), &n, nullptr)) return -1;
    return static_cast<int32_t>(n);
}

int32_t FileWrite(THandle Handle, const void* Buffer, int32_t Count) {
    DWORD n = 0;
    if (Count < 0 || !WriteFile(H(Handle), Buffer, static_cast<DWORD>(Count), &n, nullptr)) return -1;
    return static_cast<int32_t>(n);
}

int64_t FileSeek(THandle Handle, int64_t Offset, int Origin) {
    LARGE_INTEGER off, pos;
    off.QuadPart = Offset;
    const DWORD method = Origin == 1 ? FILE_CURRENT : (Origin == 2 ? FILE_END : FILE_BEGIN);
    if (!SetFilePointerEx(H(Handle), off, &pos, method)) return -1;
    return pos.QuadPart;
}

bool FileTruncate(THandle Handle, int64_t Size) {
    const int64_t pos = FileSeek(Handle, 0, 1);
    if (pos < 0 || FileSeek(Handle, Size, 0) < 0) return false;
    const bool ok = SetEndOfFile(H(Handle)) != 0;
    FileSeek(Handle, pos < Size ? pos : Size, 0);
    return ok;
}

bool FileFlush(THandle Handle) { return FlushFileBuffers(H(Handle)) != 0; }

void FileClose(THandle Handle) {
    if (Handle != INVALID_FILE_HANDLE) CloseHandle(H(Handle));
}

int32_t FileGetDate(THandle Handle) {
    FILETIME written;
    if (!GetFileTime(H(Handle), nullptr, nullptr, &written)) return -1;
    return DosDateOfFileTime(written);
}

int FileSetDate(THandle Handle, int32_t DosDate) {
    FILETIME utc;
    if (!FileTimeOfDosDate(DosDate, utc)) return static_cast<int>(GetLastError());
    if (!SetFileTime(H(Handle), nullptr, nullptr, &utc)) return static_cast<int>(GetLastError());
    return 0;
}

int FileSetDate(const std::string& FileName, int32_t DosDate) {
    HANDLE h = CreateFileA(FileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
    const int r = FileSetDate(reinterpret_cast<THandle>(h), DosDate);
    CloseHandle(h);
    return r;
}

int32_t FileAge(const std::string& FileName) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(FileName.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return DosDateOfFileTime(data.ftLastWriteTime);
}

bool FileExists(const std::string& FileName) {
    const DWORD a = GetFileAttributesA(FileName.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& Name) {
    const DWORD a = GetFileAttributesA(Name.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(const std::string& Dir) { return CreateDirectoryA(Dir.c_str(), nullptr) != 0; }

bool ForceDirectories(const std::string& Dir) {
    const std::string d = ExcludeTrailingBackslash(Dir);
    if (d.empty()) return false;
    if (d.size() < 3 || DirectoryExists(d) || ExtractFilePath(d) == d) return DirectoryExists(d);
    const std::string parent = ExtractFileDir(d);
    if (!parent.empty() && parent != d && !ForceDirectories(parent)) return false;
    return CreateDir(d) || DirectoryExists(d);
}

bool RemoveDir(const std::string& Dir) { return RemoveDirectoryA(Dir.c_str()) != 0; }
bool RemoveFile(const std::string& FileName) { return DeleteFileA(FileName.c_str()) != 0; }

bool RenameFile(const std::string& OldName, const std::string& NewName) {
    return MoveFileA(OldName.c_str(), NewName.c_str()) != 0;
}

bool RenameFileReplacing(const std::string& OldName, const std::string& NewName) {
    return MoveFileExA(OldName.c_str(), NewName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::string GetCurrentDir() {
    const DWORD n = GetCurrentDirectoryA(0, nullptr);
    if (n == 0) return {};
    std::vector<char> buf(n + 1);
    const DWORD got = GetCurrentDirectoryA(static_cast<DWORD>(buf.size()), buf.data());
    return std::string(buf.data(), got < buf.size() ? got : 0);
}

bool SetCurrentDir(const std::string& Dir) { return SetCurrentDirectoryA(Dir.c_str()) != 0; }

std::string GetTempDir() {
    char buf[MAX_PATH + 1];
    const DWORD n = GetTempPathA(sizeof buf, buf);
    if (n == 0 || n > MAX_PATH) return IncludeTrailingBackslash(GetCurrentDir());
    return IncludeTrailingBackslash(std::string(buf, n));
}

int FileGetAttr(const std::string& FileName) {
    const DWORD a = GetFileAttributesA(FileName.c_str());
    return a == INVALID_FILE_ATTRIBUTES ? -1 : static_cast<int>(a & 0xFF);
}

std::string ExpandFileName(std::string_view FileName) {
    const std::string name(FileName);
    char* filePart = nullptr;
    const DWORD n = GetFullPathNameA(name.c_str(), 0, nullptr, &filePart);
    if (n == 0) return name;
    std::vector<char> buf(n + 1);
    const DWORD got = GetFullPathNameA(name.c_str(), static_cast<DWORD>(buf.size()), buf.data(), &filePart);
    if (got == 0 || got >= buf.size()) return name;
    return std::string(buf.data(), got);
}

namespace {
// Skips entries the caller did not ask for (hidden, system, folders).
int FindMatching(TSearchRec& F, const WIN32_FIND_DATAA& D) {
    const int attr = static_cast<int>(D.dwFileAttributes & 0xFF);
    if ((attr & F.ExcludeAttr) != 0) return -1;
    F.Attr = attr;
    F.Name = D.cFileName;
    F.Size = (static_cast<int64_t>(D.nFileSizeHigh) << 32) | D.nFileSizeLow;
    F.Time = DosDateOfFileTime(D.ftLastWriteTime);
    return 0;
}
}  // namespace

int FindFirst(const std::string& Path, int Attr, TSearchRec& F) {
    FindClose(F);
    F.ExcludeAttr = ~Attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA(Path.c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
    F.FindHandle = reinterpret_cast<intptr_t>(h);
    if (FindMatching(F, d) == 0) return 0;
    const int r = FindNext(F);
    if (r != 0) FindClose(F);
    return r;
}

int FindNext(TSearchRec& F) {
    if (F.FindHandle == -1) return ERROR_NO_MORE_FILES;
    WIN32_FIND_DATAA d;
    while (FindNextFileA(reinterpret_cast<HANDLE>(F.FindHandle), &d)) {
        if (FindMatching(F, d) == 0) return 0;
    }
    return static_cast<int>(GetLastError());
}

void FindClose(TSearchRec& F) {
    if (F.FindHandle != -1) {
        ::FindClose(reinterpret_cast<HANDLE>(F.FindHandle));
        F.FindHandle = -1;
    }
}

bool ListFolder(const std::string& Dir, std::vector<TFolderEntry>& Entries) {
    Entries.clear();
    const std::string pattern = IncludeTrailingPathDelimiter(Dir) + "*";
    WIN32_FIND_DATAA d;
    // The basic level skips the short names and the large fetch asks for
    // big batches: both cut the trips to the file system.
    HANDLE h = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &d, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)  // older systems
        h = FindFirstFileExA(pattern.c_str(), FindExInfoStandard, &d, FindExSearchNameMatch, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::string_view name = d.cFileName;
        if (name == "." || name == "..") continue;
        TFolderEntry entry;
        entry.Name = name;
        entry.Attr = static_cast<int>(d.dwFileAttributes & 0xFF);
        entry.Size = (entry.Attr & faDirectory) ? 0 : (static_cast<int64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
        Entries.push_back(std::move(entry));
    } while (FindNextFileA(h, &d));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    ::FindClose(h);
    return complete;
}
