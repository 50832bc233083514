#include "designer/support/RectLayout.h"

#include <algorithm>

namespace {
// One axis: the box's extent Size inside [Near, Far).
void AlignSpan(int Size, int Near, int Far, int Align, int EndMargin, int StartMargin, int32_t& Start, int32_t& End) {
    switch (Align) {
        case 1:
            Start = Near;
            End = std::min(Near + Size, Far - EndMargin);
            break;
        case 2:
            Start = Near + (Far - Near - Size) / 2;
            End = Start + Size;
            break;
        case 3:
            End = Far;
            Start = std::max(Far - Size, Near + StartMargin);
            break;
        default:
            Start = Near;
            End = Far;
            break;
    }
    Start = std::max(Start, Near);
    End = std::min(End, Far);
}
}  // namespace

TRect AlignRectInRect(const TRect& Box, const TRect& Bounds, int HAlign, int VAlign, int EndMargin, int StartMargin) {
    TRect R;
    AlignSpan(Box.Width(), Bounds.Left, Bounds.Right, HAlign, EndMargin, StartMargin, R.Left, R.Right);
    AlignSpan(Box.Height(), Bounds.Top, Bounds.Bottom, VAlign, EndMargin, StartMargin, R.Top, R.Bottom);
    return R;
}
