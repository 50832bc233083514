#include "controls/UtilProcs.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Streams.h"

std::string LowerCaseStr(const std::string& S) {
#ifdef QRN_LOWERCASESTR_UPPER
    return AnsiUpperCase(S);
#else
    return AnsiLowerCase(S);
#endif
}

std::string AddBackSlash(const std::string& S) {
    if (LastChar(S) == '\\') return S;
    return S + '\\';
}

void CutToken(std::string& S, char Delimiter, std::string& Token) {
    const size_t P = S.find(Delimiter);
    if (P == std::string::npos) {
        Token = S;
        S.clear();
        return;
    }
    Token = S.substr(0, P);
    S.erase(0, P + 1);
}

bool ContainsStr(const std::string& Sub, const std::string& S) {
    return S.find(Sub) != std::string::npos;
}

std::string ReplaceChar(const std::string& S, char C, const std::string& R) {
    std::string Result;
    Result.reserve(S.size());
    for (char Ch : S) {
        if (Ch == C) {
            Result += R;
        } else {
            Result += Ch;
        }
    }
    return Result;
}

char LastChar(const std::string& S) { return S.empty() ? '\0' : S.back(); }

void DeleteLastChar(std::string& S) {
    if (!S.empty()) S.pop_back();
}

std::string ExtractFileBaseName(const std::string& Path) {
    std::string Name = ExtractFileName(Path);
    Name.resize(Name.size() - ExtractFileExt(Name).size());
    return Name;
}

int64_t FileSizeByName(const std::string& Path) {
    TSearchRec Found;
    int64_t Size = 0;
    if (FindFirst(Path, faAnyFile, Found) == 0) Size = Found.Size;
    FindClose(Found);
    return Size;
}

TDateTime GetFileDate(const std::string& Path) {
    TSearchRec Found;
    TDateTime Date = 0;
    if (FindFirst(Path, faAnyFile, Found) == 0) Date = FileDateToDateTime(Found.Time);
    FindClose(Found);
    return Date;
}

namespace {

// Closes a framework file handle when it goes out of scope.
class TFileHandle {
public:
    explicit TFileHandle(THandle H) : FHandle(H) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    THandle Get() const { return FHandle; }
    bool Valid() const { return FHandle >= 0; }
    void Close() {
        if (Valid()) FileClose(FHandle);
        FHandle = INVALID_FILE_HANDLE;
    }

private:
    THandle FHandle;
};

constexpr int32_t CopyBlockSize = 16384;
constexpr int32_t WipeChunkSize = 65536;

}  // namespace

void WipeFile(const std::string& Path) {
    const int64_t Size = FileSizeByName(Path);
    {
        TFileHandle File(FileOpen(Path, fmOpenReadWrite));
        if (File.Valid() && FileSeek(File.Get(), 0, 0) == 0) {
            const std::vector<char> Xs(static_cast<size_t>(std::min<int64_t>(Size, WipeChunkSize)), 'X');
            for (int64_t Left = Size; Left > 0;) {
                const int32_t Chunk = static_cast<int32_t>(std::min<int64_t>(Left, WipeChunkSize));
                const int32_t Written = FileWrite(File.Get(), Xs.data(), Chunk);
                if (Written <= 0) break;
                Left -= Written;
            }
        }
    }
    RemoveFile(Path);
}

void DeleteFilesByMask(const std::string& Folder, const std::string& Mask) {
    TSearchRec Found;
    if (FindFirst(Folder + Mask, faAnyFile, Found) == 0) {
        do {
            // Folders cannot be wiped; and the search also matches longer
            // extensions through their short names ("*.map" finds "a.mapx").
            if ((Found.Attr & faDirectory) == 0 && MatchesMask(Found.Name, Mask)) {
                WipeFile(Folder + Found.Name);
            }
        } while (FindNext(Found) == 0);
    }
    FindClose(Found);
}

bool CopyFileKeepDate(const std::string& Source, const std::string& Dest) {
    TFileHandle Src(FileOpen(Source, fmOpenRead | fmShareDenyNone));
    if (!Src.Valid()) return false;
    TFileHandle Dst(FileCreate(Dest));
    if (!Dst.Valid()) return false;

    std::vector<char> Buffer(CopyBlockSize);
    bool Complete = FileSeek(Src.Get(), 0, 0) == 0;
    while (Complete) {
        const int32_t Read = FileRead(Src.Get(), Buffer.data(), CopyBlockSize);
        if (Read < 0) {
            Complete = false;
            break;
        }
        const int32_t Written = Read > 0 ? FileWrite(Dst.Get(), Buffer.data(), Read) : 0;
        Complete = Written == Read;
        if (Read == 0) break;
    }
    FileSetDate(Dst.Get(), FileGetDate(Src.Get()));
    return Complete;
}

void SplitRegPath(const std::string& Path, std::string& KeyPath, std::string& ValueName) {
    const size_t Sep = Path.rfind('\\');
    if (Sep == std::string::npos) {
        KeyPath.clear();
        ValueName = Path;
        return;
    }
    KeyPath = Path.substr(0, Sep + 1);
    ValueName = Path.substr(Sep + 1);
}
