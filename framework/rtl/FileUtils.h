#pragma once
// Files and folders: low-level handles, path helpers, directory search and
// the atomic file write every saved file goes through.
//
// Path helpers treat '\\' and ':' as separators everywhere and also '/' in
// the native (non-Windows) build.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using THandle = intptr_t;
constexpr THandle INVALID_FILE_HANDLE = -1;

// Open or create modes of FileOpen and TFileStream: one access mode
// or'ed with one share mode, or fmCreate on its own.
constexpr uint16_t fmCreate = 0xFFFF;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

THandle FileOpen(const std::string& FileName, unsigned Mode);
// Creates (or truncates) for reading and writing.
THandle FileCreate(const std::string& FileName);
// Creates for reading and writing only when no such file exists yet.
THandle FileCreateNew(const std::string& FileName);
int32_t FileRead(THandle Handle, void* Buffer, int32_t Count);         // -1 on error
int32_t FileWrite(THandle Handle, const void* Buffer, int32_t Count);  // -1 on error
// Origin 0 = from start, 1 = from current, 2 = from end. Returns the new
// position or -1.
int64_t FileSeek(THandle Handle, int64_t Offset, int Origin);
bool FileTruncate(THandle Handle, int64_t Size);
// Pushes written data to the disk.
bool FileFlush(THandle Handle);
void FileClose(THandle Handle);
// Packed DOS date-time of the file (-1 on error); FileSetDate returns 0 on
// success or an error code.
int32_t FileGetDate(THandle Handle);
int FileSetDate(THandle Handle, int32_t DosDate);
int FileSetDate(const std::string& FileName, int32_t DosDate);
// Packed DOS date-time of a named file, -1 if it does not exist.
int32_t FileAge(const std::string& FileName);

bool FileExists(const std::string& FileName);
bool DirectoryExists(const std::string& Name);
// Creates every missing folder of Dir; true when it exists afterwards.
bool ForceDirectories(const std::string& Dir);
bool CreateDir(const std::string& Dir);
bool RemoveDir(const std::string& Dir);
bool RemoveFile(const std::string& FileName);
// Fails when NewName exists (as on Windows).
bool RenameFile(const std::string& OldName, const std::string& NewName);
// Renames, replacing NewName if it exists.
bool RenameFileReplacing(const std::string& OldName, const std::string& NewName);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& Dir);
// The temp folder, with a trailing separator.
std::string GetTempDir();
// File attributes (faXXX) or -1 when the file does not exist.
int FileGetAttr(const std::string& FileName);

// The platform's path separator ('\\' on Windows, '/' natively).
extern const char PathDelim;
bool IsPathDelimiter(std::string_view S, int Index);  // 1-based

std::string ExtractFilePath(std::string_view FileName);   // up to and with the last separator
std::string ExtractFileDir(std::string_view FileName);    // same without a trailing separator
std::string ExtractFileDrive(std::string_view FileName);  // "C:" or "\\\\server\\share"
std::string ExtractFileName(std::string_view FileName);
std::string ExtractFileExt(std::string_view FileName);  // from the last '.', with it
std::string ChangeFileExt(std::string_view FileName, std::string_view Extension);
// Absolute form with "." and ".." resolved (against the current folder).
std::string ExpandFileName(std::string_view FileName);
// Same file name: case-insensitive on Windows, exact natively.
bool SameFileName(std::string_view S1, std::string_view S2);
// Add or remove one trailing separator (PathDelim is the one added).
std::string IncludeTrailingBackslash(std::string_view S);
std::string ExcludeTrailingBackslash(std::string_view S);
std::string IncludeTrailingPathDelimiter(std::string_view S);
std::string ExcludeTrailingPathDelimiter(std::string_view S);

// Writes Data to Path whole or not at all: a temp file in the same folder,
// then a rename over the target. Raises EFCreateError on failure.
void WriteFileAtomic(const std::string& Path, std::string_view Data);
// Reads a whole file; raises EFOpenError when it cannot be opened.
std::string ReadFileToString(const std::string& Path);

// Directory search.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

// Closes its search when it goes (FindClose may also be called earlier).
struct TSearchRec {
    TSearchRec() = default;
    TSearchRec(const TSearchRec&) = delete;
    TSearchRec& operator=(const TSearchRec&) = delete;
    TSearchRec(TSearchRec&& Other) noexcept;
    TSearchRec& operator=(TSearchRec&& Other) noexcept;
    ~TSearchRec();

    int Time = 0;  // packed DOS date-time
    int64_t Size = 0;
    int Attr = 0;
    std::string Name;
    int ExcludeAttr = 0;
    // Platform search state: the find handle on Windows; natively 0 while
    // a search is open, with the folder's matching names still to report
    // (read at FindFirst, in case-insensitive name order as NTFS lists them).
    intptr_t FindHandle = -1;
    std::string Dir;
    std::vector<std::string> Pending;
};

// 0 when an entry was found, an error code otherwise. Entries with the
// hidden, system or directory attribute are returned only when Attr asks
// for them. Wildcards '*' and '?' match case-insensitively.
int FindFirst(const std::string& Path, int Attr, TSearchRec& F);
int FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);

// Case-insensitive wildcard match ('*' any run, '?' one character).
bool MatchesMask(std::string_view Name, std::string_view Mask);
