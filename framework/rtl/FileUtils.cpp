// The portable half of FileUtils: path text, wildcard matching and the
// atomic whole-file write. The operating-system calls are in win/ and posix/.
#include "framework/rtl/FileUtils.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileScan.h"
#include "framework/rtl/StrUtils.h"

namespace {
bool IsSeparator(char C) {
#ifdef _WIN32
    return C == '\\' || C == ':';
#else
    return C == '\\' || C == ':' || C == '/';
#endif
}

bool IsSlash(char C) {
#ifdef _WIN32
    return C == '\\';
#else
    return C == '\\' || C == '/';
#endif
}

// Index just after the last separator (0 when none).
size_t NameStart(std::string_view FileName) {
    size_t i = FileName.size();
    while (i > 0 && !IsSeparator(FileName[i - 1])) --i;
    return i;
}
}  // namespace

#ifdef _WIN32
const char PathDelim = '\\';
#else
const char PathDelim = '/';
#endif

bool IsPathDelimiter(std::string_view S, int Index) {
    return Index >= 1 && static_cast<size_t>(Index) <= S.size() && IsSlash(S[static_cast<size_t>(Index - 1)]);
}

std::string ExtractFilePath(std::string_view FileName) { return std::string(FileName.substr(0, NameStart(FileName))); }

std::string ExtractFileDir(std::string_view FileName) {
    size_t i = NameStart(FileName);
    // Keep the separator of a root ("C:\", "\"): removing it would name
    // the current folder of the drive instead.
    if (i > 1 && IsSlash(FileName[i - 1]) && !IsSeparator(FileName[i - 2])) --i;
    return std::string(FileName.substr(0, i));
}

std::string ExtractFileDrive(std::string_view FileName) {
    if (FileName.size() >= 2 && FileName[1] == ':') return std::string(FileName.substr(0, 2));
    if (FileName.size() >= 2 && IsSlash(FileName[0]) && IsSlash(FileName[1])) {
        // "\\server\share": up to the separator after the share name.
        int slashes = 0;
        size_t i = 2;
        for (; i < FileName.size(); ++i) {
            if (IsSlash(FileName[i]) && ++slashes == 2) break;
        }
        return slashes >= 1 ? std::string(FileName.substr(0, i)) : std::string();
    }
    return {};
}

std::string ExtractFileName(std::string_view FileName) { return std::string(FileName.substr(NameStart(FileName))); }

std::string ExtractFileExt(std::string_view FileName) {
    const size_t start = NameStart(FileName);
    const size_t dot = FileName.rfind('.');
    if (dot == std::string_view::npos || dot < start) return {};
    return std::string(FileName.substr(dot));
}

std::string ChangeFileExt(std::string_view FileName, std::string_view Extension) {
    const size_t start = NameStart(FileName);
    size_t dot = FileName.rfind('.');
    if (dot == std::string_view::npos || dot < start) dot = FileName.size();
    return std::string(FileName.substr(0, dot)) + std::string(Extension);
}

std::string IncludeTrailingBackslash(std::string_view S) {
    std::string r(S);
    if (r.empty() || !IsSlash(r.back())) r += PathDelim;
    return r;
}

std::string ExcludeTrailingBackslash(std::string_view S) {
    std::string r(S);
    if (!r.empty() && IsSlash(r.back())) r.pop_back();
    return r;
}

std::string IncludeTrailingPathDelimiter(std::string_view S) { return IncludeTrailingBackslash(S); }
std::string ExcludeTrailingPathDelimiter(std::string_view S) { return ExcludeTrailingBackslash(S); }

namespace {
bool WildMatch(std::string_view Name, std::string_view Mask) {
    size_t n = 0, m = 0;
    size_t starM = std::string_view::npos, starN = 0;
    while (n < Name.size()) {
        // A '*' in the mask is always a wildcard, even against a '*' in the
        // name: taking it literally would lose the backtrack point.
        if (m < Mask.size() && Mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (m < Mask.size() && (Mask[m] == '?' || AsciiUpper(Mask[m]) == AsciiUpper(Name[n]))) {
            ++n;
            ++m;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < Mask.size() && Mask[m] == '*') ++m;
    return m == Mask.size();
}
}  // namespace

bool MatchesMask(std::string_view Name, std::string_view Mask) {
    if (Mask == "*.*" || Mask == "*") return true;
    if (WildMatch(Name, Mask)) return true;
    // "name.*" also matches "name", and "*." matches names without a dot,
    // as on Windows.
    if (Name.find('.') == std::string_view::npos && Mask.size() >= 1) {
        if (Mask.size() >= 2 && Mask.substr(Mask.size() - 2) == ".*")
            return WildMatch(Name, Mask.substr(0, Mask.size() - 2));
        if (Mask.back() == '.') return WildMatch(Name, Mask.substr(0, Mask.size() - 1));
    }
    return false;
}

void WriteFileAtomic(const std::string& Path, std::string_view Data) {
    // A read-only target stays as it is: the rename alone would replace it
    // on some systems.
    const int attr = FileGetAttr(Path);
    if (attr != -1 && (attr & (faReadOnly | faDirectory)) != 0)
        throw EFCreateError("Cannot create file \"" + Path + "\"");
    // The temp file lives beside the target so the final rename never
    // crosses a volume. Its name is one no other writer (thread or process)
    // uses: created exclusively, with a fresh name on a clash.
    static std::atomic<unsigned> counter{0};
    const auto tick = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::string temp;
    THandle h = INVALID_FILE_HANDLE;
    for (int attempt = 0; attempt < 100 && h == INVALID_FILE_HANDLE; ++attempt) {
        temp = Path + ".~" + std::to_string((tick + ++counter) % 1000000007u) + ".tmp";
        h = FileCreateNew(temp);
        if (h == INVALID_FILE_HANDLE && !FileExists(temp)) break;  // not a clash: the folder refuses
    }
    if (h == INVALID_FILE_HANDLE) throw EFCreateError("Cannot create file \"" + Path + "\"");
    bool ok = true;
    size_t done = 0;
    while (ok && done < Data.size()) {
        const size_t chunk = std::min<size_t>(Data.size() - done, 1 << 30);
        const int32_t n = FileWrite(h, Data.data() + done, static_cast<int32_t>(chunk));
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    ok = FileFlush(h) && ok;
    FileClose(h);
    if (!ok || !RenameFileReplacing(temp, Path)) {
        RemoveFile(temp);
        throw EFCreateError("Cannot create file \"" + Path + "\"");
    }
}

std::string ReadFileToString(const std::string& Path) {
    std::string data;
    ReadWholeFile(Path, data);
    return data;
}

void ReadWholeFile(const std::string& Path, std::string& Data, int64_t SizeHint) {
    Data.clear();
    THandle h = FileOpenForReading(Path, SizeHint, SizeHint);
    if (h == INVALID_FILE_HANDLE) throw EFOpenError("Cannot open file \"" + Path + "\"");
    // One byte more than the expected size: a read that comes back short
    // has reached the end, so a file of known size takes a single read.
    constexpr size_t MinBlock = 65536;
    size_t want = SizeHint >= 0 ? static_cast<size_t>(SizeHint) + 1 : MinBlock;
    for (;;) {
        const size_t used = Data.size();
        want = std::min<size_t>(want, INT32_MAX);
        Data.resize(used + want);
        const int32_t n = FileRead(h, Data.data() + used, static_cast<int32_t>(want));
        if (n < 0) {
            FileClose(h);
            Data.clear();
            throw EReadError("Stream read error");
        }
        Data.resize(used + static_cast<size_t>(n));
        if (n == 0 || (SizeHint >= 0 && static_cast<size_t>(n) < want)) break;
        // The file grew, or its size is unknown: read on until its end.
        want = std::max(MinBlock, Data.size());
    }
    FileClose(h);
}

TSearchRec::TSearchRec(TSearchRec&& Other) noexcept
    : Time(Other.Time),
      Size(Other.Size),
      Attr(Other.Attr),
      Name(std::move(Other.Name)),
      ExcludeAttr(Other.ExcludeAttr),
      FindHandle(Other.FindHandle),
      Dir(std::move(Other.Dir)),
      Pending(std::move(Other.Pending)) {
    Other.FindHandle = -1;
}

TSearchRec& TSearchRec::operator=(TSearchRec&& Other) noexcept {
    if (this != &Other) {
        FindClose(*this);
        Time = Other.Time;
        Size = Other.Size;
        Attr = Other.Attr;
        Name = std::move(Other.Name);
        ExcludeAttr = Other.ExcludeAttr;
        FindHandle = Other.FindHandle;
        Dir = std::move(Other.Dir);
        Pending = std::move(Other.Pending);
        Other.FindHandle = -1;
    }
    return *this;
}

TSearchRec::~TSearchRec() { FindClose(*this); }

bool SameFileName(std::string_view S1, std::string_view S2) {
#ifdef _WIN32
    return AnsiSameText(S1, S2);
#else
    return S1 == S2;
#endif
}
