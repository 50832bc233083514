#include "editor/ParagraphsList.h"

#include <cstring>

TParagraph& TParagraphsList::AddPar(const TParagraph& P) {
    int32_t I = Add(&P);
    return Par(I);
}

void TParagraphsList::InsertSlots(int32_t I, int32_t N) {
    if (N <= 0) return;
    int32_t Old = FCount;
    SetCount(FCount + N);
    for (int32_t k = Old - 1; k >= I; --k) std::memcpy(Slot(k + N), Slot(k), static_cast<size_t>(FItemSize));
    TParagraph Fresh;
    for (int32_t k = I; k < I + N; ++k) std::memcpy(Slot(k), &Fresh, sizeof(TParagraph));
}

void TParagraphsList::DeleteSlots(int32_t I, int32_t N) {
    if (N <= 0) return;
    for (int32_t k = I + N; k < FCount; ++k) std::memcpy(Slot(k - N), Slot(k), static_cast<size_t>(FItemSize));
    FCount -= N;
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
