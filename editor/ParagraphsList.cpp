#include "editor/ParagraphsList.h"

#include <algorithm>
#include <cstring>

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
