#pragma once
// Blocks of loaded text addressed by 32-bit references, so that a paragraph
// record holds 4 bytes where a pointer took 8 (a big file has millions).
// The references of all the process's documents share one space of 64 KB
// granules: a block takes whole granules, and a reference is its granule's
// base plus the offset. Used on the user-interface thread only.
#include <cstddef>
#include <cstdint>
#include <memory>

extern char** QuillPoolGranules;
inline char* PoolText(uint32_t Ref) { return QuillPoolGranules[Ref >> 16] + (Ref & 0xFFFF); }

// One block of a document's load pool with its place in the reference space.
class TPoolBlock {
public:
    // Raises EOutOfMemory when the memory or the reference space is exhausted.
    explicit TPoolBlock(size_t Size);
    ~TPoolBlock();
    TPoolBlock(const TPoolBlock&) = delete;
    TPoolBlock& operator=(const TPoolBlock&) = delete;

    char* Data() const { return FData.get(); }
    size_t Size() const { return FSize; }
    // The reference of the character at P, which lies in this block.
    uint32_t RefOf(const char* P) const { return FBase + static_cast<uint32_t>(P - FData.get()); }

private:
    std::unique_ptr<char[]> FData;
    size_t FSize;
    uint32_t FBase;
};
