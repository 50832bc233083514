#include "editor/ParagraphsList.h"

#include <algorithm>
#include <cstring>

namespace {
void CheckLine(const TParLayout* L, int32_t I) {
    if (!L || I < 0 || I >= L->LineCount()) throw ERangeError("List index out of bounds");
}
}  // namespace

TDisplayLine& TLinesList::Items(int32_t I) const {
    CheckLine(Layout, I);
    return LayoutLineRef(*Layout, Length, I);
}

void TLinesList::ReadLine(int32_t I, TDisplayLine& L) const {
    CheckLine(Layout, I);
    L = LayoutLine(*Layout, Length, I);
}

void TLinesList::SetCount(int32_t N) {
    if (Layout) SetLayoutLineCount(*Layout, Length, N);
}

void TLinesList::AddLine(const TDisplayLine& L) {
    if (!Layout) return;
    int32_t N = Layout->LineCount() + 1;
    SetLayoutLineCount(*Layout, Length, N);
    LayoutLineRef(*Layout, Length, N - 1) = L;
}
