#pragma once
// What a load leaves of the paragraphs that have no record yet: records
// are made when first asked for, in order (see TQuillDocument), since
// writing a big file's records at once held its first screen back.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TLoadedParagraphs {
public:
    // Paragraphs are added in order by the start a load gives them.
    void Add(int32_t Start) {
        if ((FCount & ChunkMask) == 0) FChunks.emplace_back(new int32_t[ChunkSize]);
        FChunks.back()[FCount & ChunkMask] = Start;
        ++FCount;
    }
    int32_t Count() const { return FCount; }
    int32_t Start(int32_t I) const { return FChunks[static_cast<size_t>(I >> ChunkBits)][I & ChunkMask]; }
    int32_t Length(int32_t I) const { return I + 1 < FCount ? Start(I + 1) - Start(I) - 2 : Chars - Start(I); }
    // Paragraphs from Next on have no record.
    int32_t Left() const { return FCount - Next; }
    // The last paragraph from Next on whose start is at or before V.
    int32_t LastAtOrBefore(int32_t V) const {
        int32_t Lo = Next, Hi = FCount - 1;
        while (Lo < Hi) {
            int32_t Mid = Lo + (Hi - Lo + 1) / 2;
            if (Start(Mid) <= V)
                Lo = Mid;
            else
                Hi = Mid - 1;
        }
        return Lo;
    }
    // Paragraph Next has its record now; starts no longer needed go.
    void Advance() {
        ++Next;
        if ((Next & ChunkMask) == 0) FChunks[static_cast<size_t>(Next >> ChunkBits) - 1].reset();
    }

    // Loaded paragraphs whose text does not follow the one before's (and
    // its zero) in the pool, and where it lies (a pool reference).
    std::vector<std::pair<int32_t, uint32_t>> Jumps;
    // Loaded paragraphs that start in an in-text style other than plain.
    std::vector<std::pair<int32_t, uint8_t>> Styles;
    int32_t Chars = 0;         // the load's positions
    int32_t Next = 0;          // the first paragraph without a record
    uint32_t NextText = 0;     // where its text lies, unless a jump says otherwise
    size_t NextJump = 0, NextStyle = 0;

private:
    static constexpr int ChunkBits = 16;
    static constexpr int32_t ChunkSize = 1 << ChunkBits;
    static constexpr int32_t ChunkMask = ChunkSize - 1;
    std::vector<std::unique_ptr<int32_t[]>> FChunks;
    int32_t FCount = 0;
};
