#include <gtest/gtest.h>

#include "framework/graphics/ImageList.h"
#include "framework/rtl/Exceptions.h"

namespace {

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Back, TColor Spot) {
    auto B = std::make_unique<TBitmap>();
    B->SetPixelFormat(pf24bit);
    B->SetSize(W, H);
    B->Canvas()->Brush()->SetColor(Back);
    B->Canvas()->FillRect(Rect(0, 0, W, H));
    B->Canvas()->Brush()->SetColor(Spot);
    B->Canvas()->FillRect(Rect(4, 4, 8, 8));
    return B;
}

TColor PixelAt(TBitmap& B, int X, int Y) { return B.Canvas()->Pixel(X, Y) & 0xFFFFFF; }

}  // namespace

TEST(ImageList, MaskedAddDrawsOnlyTheShape) {
    TImageList List(nullptr);
    auto Img = Solid(16, 16, clFuchsia, clBlue);
    EXPECT_EQ(List.AddMasked(Img.get(), clFuchsia), 0);
    EXPECT_EQ(List.Count(), 1);
    EXPECT_EQ(PixelAt(*Img, 0, 0), clFuchsia);  // the caller's image is left alone
    TBitmap Target;
    Target.SetPixelFormat(pf24bit);
    Target.SetSize(16, 16);
    Target.Canvas()->Brush()->SetColor(clLime);
    Target.Canvas()->FillRect(Rect(0, 0, 16, 16));
    List.Draw(Target.Canvas(), 0, 0, 0);
    EXPECT_EQ(PixelAt(Target, 0, 0), clLime);
    EXPECT_EQ(PixelAt(Target, 5, 5), clBlue);
}

TEST(ImageList, WideBitmapAddsSeveralImagesAndReplaceDeleteWork) {
    TImageList List(nullptr);
    auto Strip = Solid(48, 16, clWhite, clRed);  // three images
    EXPECT_EQ(List.Add(Strip.get(), nullptr), 0);
    EXPECT_EQ(List.Count(), 3);
    auto Other = Solid(16, 16, clBlack, clYellow);
    List.Replace(1, Other.get(), nullptr);
    TBitmap Out;
    List.GetBitmap(1, &Out);
    EXPECT_EQ(PixelAt(Out, 5, 5), clYellow);
    List.Delete(0);
    EXPECT_EQ(List.Count(), 2);
    List.GetBitmap(0, &Out);
    EXPECT_EQ(PixelAt(Out, 5, 5), clYellow);
    EXPECT_THROW(List.Delete(5), EInvalidOperation);
    EXPECT_THROW(List.Replace(7, Other.get(), nullptr), EInvalidOperation);
    List.Clear();
    EXPECT_EQ(List.Count(), 0);
}

TEST(ImageList, ChangeLinksHearOfChangesUntilTheyGo) {
    TImageList List(nullptr);
    int Heard = 0;
    {
        TChangeLink Link;
        Link.OnChange = [&](TObject*) { ++Heard; };
        List.RegisterChanges(&Link);
        EXPECT_EQ(Link.Sender(), &List);
        auto Img = Solid(16, 16, clWhite, clRed);
        List.Add(Img.get(), nullptr);
        EXPECT_EQ(Heard, 1);
    }
    auto Img = Solid(16, 16, clWhite, clRed);
    List.Add(Img.get(), nullptr);  // the link is gone: nothing called
    EXPECT_EQ(Heard, 1);
    List.SetWidth(24);  // a new size empties the list
    EXPECT_EQ(List.Count(), 0);
}

TEST(ImageList, DisabledDrawStaysInsideTheImage) {
    TImageList List(nullptr);
    auto Img = Solid(16, 16, clFuchsia, clBlue);
    List.AddMasked(Img.get(), clFuchsia);
    TBitmap Target;
    Target.SetPixelFormat(pf24bit);
    Target.SetSize(20, 20);
    Target.Canvas()->Brush()->SetColor(clLime);
    Target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    List.Draw(Target.Canvas(), 0, 0, 0, false);
    EXPECT_EQ(PixelAt(Target, 0, 0), clLime);
    EXPECT_NE(PixelAt(Target, 5, 5), clBlue);
    EXPECT_EQ(PixelAt(Target, 19, 19), clLime);
}
