#include "ide/win/Splash.h"

#include "framework/classes/ClassRegistry.h"

namespace {

constexpr const char* ProductName = "Quorlen PRO";

}  // namespace

void RegisterSplashClasses() {
    RegisterClasses({TImage::StaticClass(), TMediaScroller::StaticClass(), TMediaPlayer::StaticClass()});
}

TSplash::TSplash(TComponent* AOwner) : TForm(AOwner) {
    RegisterSplashClasses();
    ReadFormResource("SPLASH");
    PaintPicture();
}

// The picture: a night-blue gradient with the product name on top. The
// scroller's background is the part of it the scroller covers, so the
// credits seem to run over the picture itself.
void TSplash::PaintPicture() {
    TBitmap* Picture = Image1->Picture()->Bitmap();
    Picture->SetSize(PictureWidth, PictureHeight);
    TCanvas* C = Picture->Canvas();
    for (int Y = 0; Y < PictureHeight; ++Y) {
        const int Level = Y * 96 / PictureHeight;
        C->Brush()->SetColor(RGBColor(static_cast<uint8_t>(Level / 3), static_cast<uint8_t>(Level / 2),
                                      static_cast<uint8_t>(64 + Level)));
        C->FillRect(Rect(0, Y, PictureWidth, Y + 1));
    }
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetName("Arial");
    C->Font()->SetHeight(-32);
    C->Font()->SetStyle(TFontStyles{fsBold});
    C->Font()->SetColor(RGBColor(255, 220, 96));
    const int TextW = C->TextWidth(ProductName);
    C->TextOut((PictureWidth - TextW) / 2, 12, ProductName);
    C->Pen()->SetColor(RGBColor(255, 220, 96));
    C->MoveTo(40, 54);
    C->LineTo(PictureWidth - 40, 54);

    // True colour: the picture behind the credits keeps its gradient.
    MediaScroller->SetBitsPerPixel(24);
    const TRect Area = MediaScroller->BoundsRect();
    TBitmap Back;
    Back.SetSize(Area.Width(), Area.Height());
    Back.Canvas()->CopyRect(Rect(0, 0, Area.Width(), Area.Height()), C, Area);
    MediaScroller->SetBackGroundDIB(&Back);
    MediaScroller->SetUseBackGroundDIB(true);
    Image1->Invalidate();
}

void TSplash::Image1Click(TObject*) { SetModalResult(mrOk); }

QRN_PUBLISHED(TSplash) {
    B.Field("Image1", &TSplash::Image1);
    B.Field("MediaScroller", &TSplash::MediaScroller);
    B.Field("MediaPlayer1", &TSplash::MediaPlayer1);
    B.Handler("Image1Click", &TSplash::Image1Click);
}
