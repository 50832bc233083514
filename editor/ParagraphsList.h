#pragma once
#include <algorithm>
// The paragraph list and the display-line view of one paragraph.
#include "editor/DynArray.h"
#include "editor/QuillTypes.h"

class TParagraphsList : public TDynArray2 {
public:
    static constexpr int16_t ParStride = static_cast<int16_t>((sizeof(TParagraph) + 7) / 8 * 8);
    static constexpr int32_t ParPerBlock = BlockSize / ParStride;
    TParagraphsList() : TDynArray2(static_cast<int16_t>(sizeof(TParagraph)), ParStride, static_cast<int16_t>(ParPerBlock)) {}
    // Items with the block size known here: no run-time division.
    TParagraph& Par(int32_t I) const {
        if (I < 0 || I >= FCount) IndexError();
        return *reinterpret_cast<TParagraph*>(FBlocks[static_cast<size_t>(I / ParPerBlock)] +
                                              static_cast<size_t>(I % ParPerBlock) * ParStride);
    }
    // Calls F for every paragraph from I on, a block at a time.
    template <class TFunc> void ForEachFrom(int32_t I, TFunc F) {
        for (int32_t B = I / ParPerBlock; I < FCount; ++B) {
            auto* Recs = reinterpret_cast<TParagraph*>(FBlocks[static_cast<size_t>(B)]);
            int32_t End = std::min(FCount, (B + 1) * ParPerBlock);
            for (; I < End; ++I) F(*reinterpret_cast<TParagraph*>(reinterpret_cast<char*>(Recs) + static_cast<size_t>(I % ParPerBlock) * ParStride));
        }
    }
    // Appends a copy of P; returns its record.
    TParagraph& AddPar(const TParagraph& P);
    // Opens N fresh slots at I (later records move up) / closes N slots at I.
    void InsertSlots(int32_t I, int32_t N);
    void DeleteSlots(int32_t I, int32_t N);
};

class TLinesList : public TObject {
public:
    explicit TLinesList(TParagraph* APar = nullptr) : Par(APar) {}
    int32_t Count() const { return Par ? Par->LineCount() : 0; }
    // The stored line; the paragraph keeps its lines explicitly from then on.
    TDisplayLine& Items(int32_t I) const;
    void ReadLine(int32_t I, TDisplayLine& L) const;
    void WriteLine(int32_t I, const TDisplayLine& L) { Items(I) = L; }
    void SetCount(int32_t N);
    void AddLine(const TDisplayLine& L);

    TParagraph* Par;
};
