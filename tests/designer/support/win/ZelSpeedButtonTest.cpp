#include "designer/support/win/ZelSpeedButton.h"

#include <gtest/gtest.h>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Graphics.h"

TEST(ZelSpeedButton, AChangedGlyphKeepsOnlyItsStoredImage) {
    TZelSpeedButton Button(nullptr);
    TBitmap Source;
    Source.SetSize(16, 16);
    SetPixel(Source.Canvas()->Handle(), 3, 3, RGB(255, 0, 0));
    Button.SetGlyph(&Source);
    EXPECT_TRUE(Button.Glyph()->IsDormant());
    EXPECT_EQ(Button.Glyph()->Width(), 16);
    // Made again from the stored image when used.
    EXPECT_EQ(GetPixel(Button.Glyph()->Canvas()->Handle(), 3, 3), RGB(255, 0, 0));
}
