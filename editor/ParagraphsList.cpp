#include "editor/ParagraphsList.h"

#include <algorithm>
#include <cstring>

TParagraph& TParagraphsList::AddPar(const TParagraph& P) {
    GapToEnd();
    int32_t I = Add(&P);
    return Par(I);
}

void TParagraphsList::MoveGap(int32_t To) {
    auto Move = [&](int32_t From, int32_t Dest) { std::memcpy(Slot(Dest), Slot(From), static_cast<size_t>(FItemSize)); };
    if (FGapLen > 0) {
        if (To < FGapAt)
            for (int32_t k = FGapAt - 1; k >= To; --k) Move(k, k + FGapLen);
        else
            for (int32_t k = FGapAt; k < To; ++k) Move(k + FGapLen, k);
    }
    FGapAt = To;
}

void TParagraphsList::GapToEnd() {
    MoveGap(FCount);
    FGapLen = 0;
}

void TParagraphsList::InsertSlots(int32_t I, int32_t N) {
    if (N <= 0) return;
    if (FGapLen < N) {
        // The spare room after the records becomes the gap, with room for
        // as many more insertions as about a 64th of the records.
        GapToEnd();
        int32_t Want = FCount + N + std::max(N, FCount / 64 + 16);
        if (FCapacity < Want) SetCapacity(Want);
        FGapAt = FCount;
        FGapLen = FCapacity - FCount;
    }
    MoveGap(I);
    TParagraph Fresh;
    for (int32_t k = I; k < I + N; ++k) std::memcpy(Slot(k), &Fresh, sizeof(TParagraph));
    FGapAt += N;
    FGapLen -= N;
    FCount += N;
}

void TParagraphsList::DeleteSlots(int32_t I, int32_t N) {
    if (N <= 0) return;
    MoveGap(I);
    FGapLen += N;
    FCount -= N;
    if (FGapAt == FCount) FGapLen = 0;
}

void TParagraphsList::Clear() {
    FGapAt = FGapLen = 0;
    SetCount(0);
    SetCapacity(4);
}

void TParagraphsList::Trim() {
    int32_t Keep = FCount + FCount / 32 + 4;
    // Capacity comes in whole blocks: only a block to give back is worth
    // moving the gap to the end.
    if (FCapacity <= FCount + FCount / 16 + 8 || (Keep - 1) / ParPerBlock + 1 >= static_cast<int32_t>(FBlocks.size())) return;
    GapToEnd();
    SetCapacity(Keep);
}

namespace {
void CheckLine(const TParagraph* Par, int32_t I) {
    if (!Par || I < 0 || I >= Par->LineCount()) throw ERangeError("List index out of bounds");
}
}  // namespace

TDisplayLine& TLinesList::Items(int32_t I) const {
    CheckLine(Par, I);
    return ParagraphLineRef(*Par, I);
}

void TLinesList::ReadLine(int32_t I, TDisplayLine& L) const {
    CheckLine(Par, I);
    L = ParagraphLine(*Par, I);
}

void TLinesList::SetCount(int32_t N) {
    if (Par) SetParagraphLineCount(*Par, N);
}

void TLinesList::AddLine(const TDisplayLine& L) {
    if (!Par) return;
    int32_t N = Par->LineCount() + 1;
    SetParagraphLineCount(*Par, N);
    ParagraphLineRef(*Par, N - 1) = L;
}
