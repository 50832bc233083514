#include "designer/support/win/DrawingHelpers.h"

#include <algorithm>

#include "framework/graphics/Graphics.h"

namespace {
void FillIfAny(TCanvas* Canvas, const TRect& R) {
    if (!R.IsEmpty()) Canvas->FillRect(R);
}
}  // namespace

void FillRectBorder(TCanvas* Canvas, const TRect& Outer, const TRect& Inner) {
    FillIfAny(Canvas, {Outer.Left, Outer.Top, Inner.Left, Outer.Bottom});
    FillIfAny(Canvas, {Inner.Right, Outer.Top, Outer.Right, Outer.Bottom});
    FillIfAny(Canvas, {Inner.Left, Outer.Top, Inner.Right, Inner.Top});
    FillIfAny(Canvas, {Inner.Left, Inner.Bottom, Inner.Right, Outer.Bottom});
}

void DrawTextInRect(TCanvas* Canvas, const TRect& Rect, const std::string& Text, unsigned Flags) {
    if (Text.empty()) {
        FillIfAny(Canvas, Rect);
        return;
    }
    const unsigned Placing = DT_CENTER | DT_VCENTER | DT_BOTTOM;
    const unsigned DrawFlags = Flags & ~Placing;
    RECT Measured{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    DrawTextA(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &Measured, DrawFlags | DT_CALCRECT);
    const int Width = std::min<int>(Measured.right - Measured.left, Rect.Width());
    const int Height = std::min<int>(Measured.bottom - Measured.top, Rect.Height());
    TRect Placed{Rect.Left, Rect.Top, Rect.Left + Width, Rect.Top + Height};
    if (Flags & DT_CENTER) Placed.Offset((Rect.Width() - Width) / 2, 0);
    if (Flags & DT_BOTTOM)
        Placed.Offset(0, Rect.Height() - Height);
    else if (Flags & DT_VCENTER)
        Placed.Offset(0, (Rect.Height() - Height) / 2);
    FillRectBorder(Canvas, Rect, Placed);
    RECT Target{Placed.Left, Placed.Top, Placed.Right, Placed.Bottom};
    DrawTextA(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &Target, DrawFlags);
}
