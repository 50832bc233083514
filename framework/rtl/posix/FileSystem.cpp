// Files and folders through POSIX calls, for the native build. Windows
// conventions are kept where callers depend on them: '\\' is accepted as a
// separator, names match wildcards case-insensitively, renames do not
// replace, dot-files count as hidden, and listings come in name order.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/FileScan.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"

namespace {
// Native paths use '/'; callers may still hand us '\\'.
std::string Native(const std::string& Name) {
    std::string r = Name;
    for (char& c : r)
        if (c == '\\') c = '/';
    return r;
}

int32_t DosDateOf(time_t T) {
    struct tm lt {};
    if (!localtime_r(&T, &lt)) return -1;
    if (lt.tm_year < 80 || lt.tm_year > 207) return -1;
    return static_cast<int32_t>(((static_cast<uint32_t>(lt.tm_year - 80) << 25) |
                                 (static_cast<uint32_t>(lt.tm_mon + 1) << 21) |
                                 (static_cast<uint32_t>(lt.tm_mday) << 16) | (static_cast<uint32_t>(lt.tm_hour) << 11) |
                                 (static_cast<uint32_t>(lt.tm_min) << 5) | (static_cast<uint32_t>(lt.tm_sec) >> 1)));
}

bool TimeOfDosDate(int32_t DosDate, time_t& T) {
    const uint32_t d = static_cast<uint32_t>(DosDate);
    struct tm lt {};
    lt.tm_year = static_cast<int>((d >> 25) & 0x7F) + 80;
    lt.tm_mon = static_cast<int>((d >> 21) & 0x0F) - 1;
    lt.tm_mday = static_cast<int>((d >> 16) & 0x1F);
    lt.tm_hour = static_cast<int>((d >> 11) & 0x1F);
    lt.tm_min = static_cast<int>((d >> 5) & 0x3F);
    lt.tm_sec = static_cast<int>(d & 0x1F) * 2;
    lt.tm_isdst = -1;
    if (lt.tm_mon < 0 || lt.tm_mon > 11 || lt.tm_mday < 1 || lt.tm_hour > 23 || lt.tm_min > 59 || lt.tm_sec > 59)
        return false;
    T = mktime(&lt);
    return T != static_cast<time_t>(-1);
}

int AttrOf(const std::string& Name, const struct stat& St) {
    int attr = 0;
    if (S_ISDIR(St.st_mode)) attr |= faDirectory;
    if (access(Name.c_str(), W_OK) != 0 && errno == EACCES) attr |= faReadOnly;
    const std::string base = ExtractFileName(Name);
    if (!base.empty() && base[0] == '.' && base != "." && base != "..") attr |= faHidden;
    return attr;
}
}  // namespace

THandle FileOpen(const std::string& FileName, unsigned Mode) {
    int flags;
    switch (Mode & 3) {
        case 0: flags = O_RDONLY; break;
        case 1: flags = O_WRONLY; break;
        case 2: flags = O_RDWR; break;
        default: return INVALID_FILE_HANDLE;
    }
    const int fd = open(Native(FileName).c_str(), flags | O_CLOEXEC);
    if (fd < 0) return INVALID_FILE_HANDLE;
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {  // a folder is not a file
        close(fd);
        return INVALID_FILE_HANDLE;
    }
    return fd;
}

THandle FileOpenForReading(const std::string& FileName, int64_t SizeHint, int64_t& Size) {
    const int fd = open(Native(FileName).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return INVALID_FILE_HANDLE;
    // The look that tells a folder from a file gives the size as well.
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return INVALID_FILE_HANDLE;
    }
    Size = S_ISREG(st.st_mode) ? static_cast<int64_t>(st.st_size) : SizeHint;
    return fd;
}

THandle FileCreate(const std::string& FileName) {
    const int fd = open(Native(FileName).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd < 0 ? INVALID_FILE_HANDLE : fd;
}

THandle FileCreateNew(const std::string& FileName) {
    const int fd = open(Native(FileName).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd < 0 ? INVALID_FILE_HANDLE : fd;
}

int32_t FileRead(THandle Handle, void* Buffer, int32_t Count) {
    if (Count < 0) return -1;
    ssize_t n;
    do n = read(static_cast<int>(Handle), Buffer, static_cast<size_t>(Count));
    while (n < 0 && errno == EINTR);
    return static_cast<int32_t>(n);
}

int32_t FileWrite(THandle Handle, const void* Buffer, int32_t Count) {
    if (Count < 0) return -1;
    ssize_t n;
    do n = write(static_cast<int>(Handle), Buffer, static_cast<size_t>(Count));
    while (n < 0 && errno == EINTR);
    return static_cast<int32_t>(n);
}

int64_t FileSeek(THandle Handle, int64_t Offset, int Origin) {
    const int whence = Origin == 1 ? SEEK_CUR : (Origin == 2 ? SEEK_END : SEEK_SET);
    return static_cast<int64_t>(lseek(static_cast<int>(Handle), static_cast<off_t>(Offset), whence));
}

bool FileTruncate(THandle Handle, int64_t Size) {
    return ftruncate(static_cast<int>(Handle), static_cast<off_t>(Size)) == 0;
}

bool FileFlush(THandle Handle) { return fsync(static_cast<int>(Handle)) == 0; }

void FileClose(THandle Handle) {
    if (Handle != INVALID_FILE_HANDLE) close(static_cast<int>(Handle));
}

int32_t FileGetDate(THandle Handle) {
    struct stat st {};
    if (fstat(static_cast<int>(Handle), &st) != 0) return -1;
    return DosDateOf(st.st_mtime);
}

int FileSetDate(THandle Handle, int32_t DosDate) {
    time_t t;
    if (!TimeOfDosDate(DosDate, t)) return EINVAL;
    struct timespec times[2];
    times[0].tv_sec = t;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    return futimens(static_cast<int>(Handle), times) == 0 ? 0 : errno;
}

int FileSetDate(const std::string& FileName, int32_t DosDate) {
    time_t t;
    if (!TimeOfDosDate(DosDate, t)) return EINVAL;
    struct timespec times[2];
    times[0].tv_sec = t;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    return utimensat(AT_FDCWD, Native(FileName).c_str(), times, 0) == 0 ? 0 : errno;
}

int32_t FileAge(const std::string& FileName) {
    struct stat st {};
    if (stat(Native(FileName).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
    return DosDateOf(st.st_mtime);
}

bool FileExists(const std::string& FileName) {
    struct stat st {};
    return stat(Native(FileName).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& Name) {
    struct stat st {};
    return stat(Native(Name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& Dir) { return mkdir(Native(Dir).c_str(), 0777) == 0; }

bool ForceDirectories(const std::string& Dir) {
    const std::string d = ExcludeTrailingBackslash(Native(Dir));
    if (d.empty()) return false;
    if (DirectoryExists(d)) return true;
    const std::string parent = ExtractFileDir(d);
    if (!parent.empty() && parent != d && !ForceDirectories(parent)) return false;
    return CreateDir(d) || DirectoryExists(d);
}

bool RemoveDir(const std::string& Dir) { return rmdir(Native(Dir).c_str()) == 0; }

bool RemoveFile(const std::string& FileName) {
    if (DirectoryExists(FileName)) return false;
    return unlink(Native(FileName).c_str()) == 0;
}

bool RenameFile(const std::string& OldName, const std::string& NewName) {
    struct stat st {};
    if (lstat(Native(NewName).c_str(), &st) == 0) return false;
    return rename(Native(OldName).c_str(), Native(NewName).c_str()) == 0;
}

bool RenameFileReplacing(const std::string& OldName, const std::string& NewName) {
    return rename(Native(OldName).c_str(), Native(NewName).c_str()) == 0;
}

std::string GetCurrentDir() {
    std::vector<char> buf(4096);
    for (;;) {
        if (getcwd(buf.data(), buf.size())) return buf.data();
        if (errno != ERANGE) return {};
        buf.resize(buf.size() * 2);
    }
}

bool SetCurrentDir(const std::string& Dir) { return chdir(Native(Dir).c_str()) == 0; }

std::string GetTempDir() {
    const char* t = std::getenv("TMPDIR");
    std::string d = (t && *t) ? t : "/tmp";
    return IncludeTrailingBackslash(d);
}

int FileGetAttr(const std::string& FileName) {
    const std::string n = Native(FileName);
    struct stat st {};
    if (stat(n.c_str(), &st) != 0) return -1;
    return AttrOf(n, st);
}

std::string ExpandFileName(std::string_view FileName) {
    std::string name = Native(std::string(FileName));
    if (name.empty() || name[0] != '/') name = GetCurrentDir() + "/" + name;
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= name.size()) {
        size_t j = name.find('/', i);
        if (j == std::string::npos) j = name.size();
        const std::string part = name.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    std::string r;
    for (const auto& p : parts) r += "/" + p;
    if (r.empty() || (!name.empty() && name.back() == '/')) r += "/";
    return r;
}

namespace {
constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorNoMoreFiles = 18;

// Reports the next pending name that passes the attribute filter.
int FindMatching(TSearchRec& F) {
    while (!F.Pending.empty()) {
        const std::string name = std::move(F.Pending.back());
        F.Pending.pop_back();
        const std::string full = F.Dir + name;
        struct stat st {};
        if (stat(full.c_str(), &st) != 0) continue;  // vanished or a dangling link
        const int attr = AttrOf(full, st);
        if ((attr & F.ExcludeAttr) != 0) continue;
        F.Name = name;
        F.Attr = attr;
        F.Size = S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
        F.Time = DosDateOf(st.st_mtime);
        return 0;
    }
    return ErrorNoMoreFiles;
}

// Case-insensitive name order; names equal but for case by bytes.
bool NameBefore(const std::string& A, const std::string& B) {
    const int c = CompareText(A, B);
    return c != 0 ? c < 0 : A < B;
}
}  // namespace

int FindFirst(const std::string& Path, int Attr, TSearchRec& F) {
    FindClose(F);
    const std::string native = Native(Path);
    F.Dir = ExtractFilePath(native);
    const std::string pattern = ExtractFileName(native);
    F.ExcludeAttr = ~Attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(F.Dir.empty() ? "." : F.Dir.c_str()), closedir);
    if (!dir) return ErrorPathNotFound;
    while (struct dirent* e = readdir(dir.get()))
        if (MatchesMask(e->d_name, pattern)) F.Pending.emplace_back(e->d_name);
    // Kept in reverse so that the next name comes off the back.
    std::sort(F.Pending.begin(), F.Pending.end(),
              [](const std::string& A, const std::string& B) { return NameBefore(B, A); });
    F.FindHandle = 0;
    if (FindMatching(F) != 0) {
        FindClose(F);
        return ErrorFileNotFound;
    }
    return 0;
}

int FindNext(TSearchRec& F) {
    if (F.FindHandle == -1) return ErrorNoMoreFiles;
    return FindMatching(F);
}

void FindClose(TSearchRec& F) {
    F.Pending.clear();
    F.FindHandle = -1;
}

bool ListFolder(const std::string& Dir, std::vector<TFolderEntry>& Entries) {
    Entries.clear();
    const std::string native = Native(Dir);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(native.empty() ? "." : native.c_str()), closedir);
    if (!dir) return false;
    while (struct dirent* e = readdir(dir.get())) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") continue;
        TFolderEntry entry;
        entry.Name = name;
        if (e->d_type == DT_DIR) {
            entry.Attr = faDirectory;
        } else if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            // Only a link's target, or a file system that does not tell the
            // kind in its listing, needs a look of its own.
            struct stat st {};
            if (fstatat(dirfd(dir.get()), e->d_name, &st, 0) != 0) continue;  // dangling link
            if (S_ISDIR(st.st_mode)) entry.Attr = faDirectory;
            else entry.Size = static_cast<int64_t>(st.st_size);
        }
        if (name[0] == '.') entry.Attr |= faHidden;
        Entries.push_back(std::move(entry));
    }
    std::sort(Entries.begin(), Entries.end(),
              [](const TFolderEntry& A, const TFolderEntry& B) { return NameBefore(A.Name, B.Name); });
    return true;
}
