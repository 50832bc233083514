#include <gtest/gtest.h>

#include "designer/support/win/DrawingHelpers.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphics.h"

namespace {
// Pixels of the rectangle that are not the fill colour.
int Inked(HDC DC, const TRect& R, COLORREF Fill) {
    int Count = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
        for (int X = R.Left; X < R.Right; ++X) Count += GetPixel(DC, X, Y) != Fill;
    return Count;
}
}  // namespace

TEST(DrawingHelpers, TextIsPlacedByItsFlagsAndTheRestFilled) {
    TBitmap Bitmap;
    Bitmap.SetSize(200, 60);
    TCanvas* C = Bitmap.Canvas();
    HDC DC = C->Handle();
    const COLORREF Fill = RGB(255, 0, 0);
    C->Brush()->SetColor(0x0000FF);  // red
    SetBkColor(DC, RGB(255, 255, 255));
    SetTextColor(DC, RGB(0, 0, 0));
    const TRect Whole{0, 0, 200, 60};

    DrawTextInRect(C, Whole, "", DT_CENTER);
    EXPECT_EQ(Inked(DC, Whole, Fill), 0);

    DrawTextInRect(C, Whole, "Wg", DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    // Centred across and at the bottom: the left and right edges and the top
    // band are fill only, the middle of the bottom row holds the text.
    EXPECT_EQ(Inked(DC, {0, 0, 60, 60}, Fill), 0);
    EXPECT_EQ(Inked(DC, {140, 0, 200, 60}, Fill), 0);
    EXPECT_EQ(Inked(DC, {0, 0, 200, 30}, Fill), 0);
    EXPECT_GT(Inked(DC, {60, 30, 140, 60}, Fill), 0);
}
