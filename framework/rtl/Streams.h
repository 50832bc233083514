#pragma once
// Byte streams: the abstract TStream and its memory, handle, file and
// string-backed kinds.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/FileUtils.h"
#include "framework/rtl/Object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    // Read and Write move as many bytes as they can and return the count.
    virtual int32_t Read(void* Buffer, int32_t Count) = 0;
    virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
    virtual int64_t Size();
    virtual void SetSize(int64_t NewSize);

    // All or nothing: raise EReadError "Stream read error" /
    // EWriteError "Stream write error" when fewer bytes move.
    void ReadBuffer(void* Buffer, int32_t Count);
    void WriteBuffer(const void* Buffer, int32_t Count);
    // The bytes from the position to the end (a file format read whole).
    std::string ReadToEnd();
    // Copies Count bytes from Source's position; Count 0 copies the whole of
    // Source from its start. Returns the bytes copied.
    int64_t CopyFrom(TStream* Source, int64_t Count);
};

// A stream over a block of memory it does not manage itself.
class TCustomMemoryStream : public TStream {
public:
    int32_t Read(void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return FSize; }
    void SaveToStream(TStream* Stream);
    void SaveToFile(const std::string& FileName);  // written whole or not at all
    void* Memory() const { return FMemory; }

protected:
    void SetPointer(void* Ptr, int64_t Size) {
        FMemory = static_cast<char*>(Ptr);
        FSize = Size;
    }
    char* FMemory = nullptr;
    int64_t FSize = 0;
    int64_t FPosition = 0;
};

// A growable in-memory stream; capacity doubles as it grows.
class TMemoryStream : public TCustomMemoryStream {
public:
    int32_t Write(const void* Buffer, int32_t Count) override;
    void SetSize(int64_t NewSize) override;
    void Clear();
    void LoadFromStream(TStream* Stream);  // the whole of Stream, from its start
    void LoadFromFile(const std::string& FileName);
    int64_t Capacity() const { return static_cast<int64_t>(FBuffer.size()); }

private:
    void SetCapacity(int64_t NewCapacity);
    std::vector<char> FBuffer;
};

// A stream over an operating-system file handle it does not own.
class THandleStream : public TStream {
public:
    explicit THandleStream(THandle AHandle) : FHandle(AHandle) {}
    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    void SetSize(int64_t NewSize) override;
    THandle Handle() const { return FHandle; }

protected:
    THandle FHandle;
};

// A stream over a named file; the file is closed when the stream goes.
// Raises EFCreateError "Cannot create file \"%s\"" / EFOpenError
// "Cannot open file \"%s\"".
class TFileStream : public THandleStream {
public:
    TFileStream(const std::string& FileName, uint16_t Mode);
    ~TFileStream() override;
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
};

// A stream over a std::string.
class TStringStream : public TStream {
public:
    explicit TStringStream(std::string AString = {}) : FDataString(std::move(AString)) {}
    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return static_cast<int64_t>(FDataString.size()); }
    void SetSize(int64_t NewSize) override;
    std::string ReadString(int32_t Count);
    void WriteString(std::string_view S);
    const std::string& DataString() const { return FDataString; }

private:
    std::string FDataString;
    int64_t FPosition = 0;
};
