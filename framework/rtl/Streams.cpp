#include "framework/rtl/Streams.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "framework/rtl/Exceptions.h"

int64_t TStream::Size() {
    const int64_t pos = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(int64_t) {}

void TStream::ReadBuffer(void* Buffer, int32_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

std::string TStream::ReadToEnd() {
    std::string Bytes(static_cast<size_t>(Size() - Position()), '\0');
    ReadBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
    return Bytes;
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    const int64_t result = Count;
    constexpr int32_t MaxBufSize = 0xF000;
    std::vector<char> buffer(static_cast<size_t>(std::min<int64_t>(Count, MaxBufSize)));
    while (Count > 0) {
        const int32_t n = static_cast<int32_t>(std::min<int64_t>(Count, MaxBufSize));
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        Count -= n;
    }
    return result;
}

// TCustomMemoryStream

int32_t TCustomMemoryStream::Read(void* Buffer, int32_t Count) {
    if (Count <= 0 || FPosition < 0 || FPosition >= FSize) return 0;
    const int64_t n = std::min<int64_t>(Count, FSize - FPosition);
    std::memcpy(Buffer, FMemory + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return static_cast<int32_t>(n);
}

int64_t TCustomMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    switch (Origin) {
        case soBeginning: FPosition = Offset; break;
        case soCurrent: FPosition += Offset; break;
        case soEnd: FPosition = FSize + Offset; break;
    }
    return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) {
    int64_t left = FSize;
    const char* p = FMemory;
    while (left > 0) {
        const int32_t n = static_cast<int32_t>(std::min<int64_t>(left, 1 << 30));
        Stream->WriteBuffer(p, n);
        p += n;
        left -= n;
    }
}

void TCustomMemoryStream::SaveToFile(const std::string& FileName) {
    WriteFileAtomic(FileName, std::string_view(FMemory ? FMemory : "", static_cast<size_t>(FSize)));
}

// TMemoryStream

void TMemoryStream::SetCapacity(int64_t NewCapacity) {
    if (NewCapacity < 0 || static_cast<uint64_t>(NewCapacity) > FBuffer.max_size()) throw EOutOfMemory("Out of memory");
    FBuffer.resize(static_cast<size_t>(NewCapacity));
    SetPointer(FBuffer.empty() ? nullptr : FBuffer.data(), FSize);
}

void TMemoryStream::SetSize(int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Stream size out of range");
    const int64_t oldPosition = FPosition;
    if (NewSize > Capacity()) SetCapacity(NewSize);
    FSize = NewSize;
    if (oldPosition > NewSize) FPosition = NewSize;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count) {
    if (Count <= 0 || FPosition < 0) return 0;
    const int64_t end = FPosition + Count;
    if (end > Capacity()) SetCapacity(std::max<int64_t>(end, std::max<int64_t>(Capacity() * 2, 256)));
    if (FPosition > FSize) std::memset(FMemory + FSize, 0, static_cast<size_t>(FPosition - FSize));
    std::memcpy(FMemory + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition = end;
    if (end > FSize) FSize = end;
    return Count;
}

void TMemoryStream::Clear() {
    std::vector<char>().swap(FBuffer);
    SetPointer(nullptr, 0);
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    Stream->SetPosition(0);
    const int64_t count = Stream->Size();
    SetSize(count);
    if (count != 0) {
        int64_t done = 0;
        while (done < count) {
            const int32_t n = static_cast<int32_t>(std::min<int64_t>(count - done, 1 << 30));
            Stream->ReadBuffer(FMemory + done, n);
            done += n;
        }
    }
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

// THandleStream

int32_t THandleStream::Read(void* Buffer, int32_t Count) {
    const int32_t n = FileRead(FHandle, Buffer, Count);
    return n < 0 ? 0 : n;
}

int32_t THandleStream::Write(const void* Buffer, int32_t Count) {
    const int32_t n = FileWrite(FHandle, Buffer, Count);
    return n < 0 ? 0 : n;
}

int64_t THandleStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    return FileSeek(FHandle, Offset, static_cast<int>(Origin));
}

void THandleStream::SetSize(int64_t NewSize) {
    if (NewSize < 0 || !FileTruncate(FHandle, NewSize)) throw EStreamError("Stream size out of range");
}

// TFileStream

namespace {
THandle OpenForStream(const std::string& FileName, uint16_t Mode) {
    if (Mode == fmCreate) {
        const THandle h = FileCreate(FileName);
        if (h == INVALID_FILE_HANDLE) throw EFCreateError("Cannot create file \"" + FileName + "\"");
        return h;
    }
    const THandle h = FileOpen(FileName, Mode);
    if (h == INVALID_FILE_HANDLE) throw EFOpenError("Cannot open file \"" + FileName + "\"");
    return h;
}
}  // namespace

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode)
    : THandleStream(OpenForStream(FileName, Mode)), FFileName(FileName) {}

TFileStream::~TFileStream() { FileClose(FHandle); }

// TStringStream

int32_t TStringStream::Read(void* Buffer, int32_t Count) {
    const int64_t size = Size();
    if (Count <= 0 || FPosition < 0 || FPosition >= size) return 0;
    const int64_t n = std::min<int64_t>(Count, size - FPosition);
    std::memcpy(Buffer, FDataString.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return static_cast<int32_t>(n);
}

int32_t TStringStream::Write(const void* Buffer, int32_t Count) {
    if (Count <= 0 || FPosition < 0) return 0;
    const size_t pos = static_cast<size_t>(FPosition);
    if (pos + static_cast<size_t>(Count) > FDataString.size()) FDataString.resize(pos + static_cast<size_t>(Count));
    std::memcpy(FDataString.data() + pos, Buffer, static_cast<size_t>(Count));
    FPosition += Count;
    return Count;
}

int64_t TStringStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    switch (Origin) {
        case soBeginning: FPosition = Offset; break;
        case soCurrent: FPosition += Offset; break;
        case soEnd: FPosition = Size() + Offset; break;
    }
    // A string cannot hold a gap: the position stays within the data.
    FPosition = std::clamp<int64_t>(FPosition, 0, Size());
    return FPosition;
}

void TStringStream::SetSize(int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Stream size out of range");
    FDataString.resize(static_cast<size_t>(NewSize));
    if (FPosition > NewSize) FPosition = NewSize;
}

std::string TStringStream::ReadString(int32_t Count) {
    const int64_t n = std::clamp<int64_t>(Size() - FPosition, 0, std::max(Count, 0));
    std::string r = FDataString.substr(static_cast<size_t>(FPosition), static_cast<size_t>(n));
    FPosition += n;
    return r;
}

void TStringStream::WriteString(std::string_view S) { WriteBuffer(S.data(), static_cast<int32_t>(S.size())); }
