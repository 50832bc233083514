#pragma once
#include <algorithm>
// The paragraph list and the display-line view of one paragraph.
#include "editor/DynArray.h"
#include "editor/QuillTypes.h"

// The paragraph records keep a gap (free slots) where paragraphs were last
// inserted or deleted: Enter pressed again and again in the middle of a big
// file moves only the records between the old place and the new one.
class TParagraphsList : public TDynArray2 {
public:
    static constexpr int16_t ParStride = static_cast<int16_t>((sizeof(TParagraph) + 7) / 8 * 8);
    static constexpr int32_t ParPerBlock = BlockSize / ParStride;
    TParagraphsList() : TDynArray2(static_cast<int16_t>(sizeof(TParagraph)), ParStride, static_cast<int16_t>(ParPerBlock)) {}
    // Items with the block size known here: no run-time division.
    TParagraph& Par(int32_t I) const {
        if (I < 0 || I >= FCount) IndexError();
        size_t Ph = static_cast<size_t>(I < FGapAt ? I : I + FGapLen);
        return *reinterpret_cast<TParagraph*>(FBlocks[Ph / ParPerBlock] + Ph % ParPerBlock * ParStride);
    }
    // Appends a copy of P; returns its record.
    TParagraph& AddPar(const TParagraph& P);
    // Opens N fresh slots at I (later records move up) / closes N slots at I.
    void InsertSlots(int32_t I, int32_t N);
    void DeleteSlots(int32_t I, int32_t N);
    // No records, room for a few.
    void Clear();
    // Gives back memory once far more slots are free than used.
    void Trim();

private:
    // Moves the gap to logical index To.
    void MoveGap(int32_t To);
    // At the end the gap is only spare room.
    void GapToEnd();
    int32_t FGapAt = 0;
    int32_t FGapLen = 0;
};

// The last paragraph whose key (its start or its first line, both growing
// with the index) is at or before V.
template <class TKey>
int32_t LastParagraphAtOrBefore(int32_t Count, int32_t V, TKey Key) {
    int32_t Lo = 0, Hi = Count - 1;
    while (Lo < Hi) {
        int32_t Mid = Lo + (Hi - Lo + 1) / 2;
        if (Key(Mid) <= V)
            Lo = Mid;
        else
            Hi = Mid - 1;
    }
    return Lo;
}

// A shift applied lazily: paragraphs from From on are Shift later than
// their bases say. Moving the boundary to To (0..Count) hands the shift to
// the bases in between; at the end the shift is spent.
template <class TBase>
void MoveLazyShift(int32_t& From, int32_t To, int32_t Count, int32_t& Shift, TBase Base) {
    To = std::clamp(To, 0, Count);
    if (Shift == 0) {
        From = To;
        return;
    }
    int32_t Old = std::min(From, Count);
    for (int32_t p = Old; p < To; ++p) Base(p) += Shift;
    for (int32_t p = To; p < Old; ++p) Base(p) -= Shift;
    From = To;
    if (To >= Count) Shift = 0;
}

// Gives paragraphs First..Last running bases from First's, each the one
// before plus that one's Step; returns what the paragraph after Last
// would get.
template <class TBase, class TStep>
int64_t RunBases(int32_t First, int32_t Last, TBase Base, TStep Step) {
    int64_t Run = Base(First);
    for (int32_t p = First; p <= Last; ++p) {
        Base(p) = static_cast<int32_t>(Run);
        Run += Step(p);
    }
    return Run;
}

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
