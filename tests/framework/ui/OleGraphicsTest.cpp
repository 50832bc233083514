#include <gtest/gtest.h>

#include "framework/graphics/OleGraphics.h"

namespace {

struct TOleSession {
    TOleSession() { OleInitialize(nullptr); }
    ~TOleSession() { OleUninitialize(); }
};

// A font survives the trip through its OLE form (the name of an installed
// font: the OLE font reports the face it realised): name, size, every style
// bit and the character set.
TEST(OleGraphics, FontRoundTrip) {
    TOleSession Ole;
    TFont Source;
    Source.SetName("Liberation Mono");
    Source.SetSize(13);
    Source.SetStyle(TFontStyles{fsBold, fsUnderline, fsStrikeOut});
    Source.SetCharset(ANSI_CHARSET);
    IFontDisp* OleFont = nullptr;
    ASSERT_EQ(GetOleFont(&Source, &OleFont), S_OK);
    TFont Back;
    SetOleFont(&Back, OleFont);
    OleFont->Release();
    EXPECT_EQ(Back.Name(), "Liberation Mono");
    EXPECT_EQ(Back.Size(), 13);
    EXPECT_TRUE(Back.Style() == (TFontStyles{fsBold, fsUnderline, fsStrikeOut}));
    EXPECT_EQ(Back.Charset(), ANSI_CHARSET);
}

// Bitmaps and icons come back as the same kind with their own handle (the
// OLE picture frees its copy); an empty picture gives an empty one.
TEST(OleGraphics, PictureRoundTripKeepsKindAndPixels) {
    TOleSession Ole;
    TPicture Source;
    TBitmap B;
    B.SetSize(8, 6);
    B.Canvas()->Brush()->SetColor(clRed);
    B.Canvas()->FillRect({0, 0, 8, 6});
    Source.SetGraphic(&B);
    IPictureDisp* OlePicture = nullptr;
    ASSERT_EQ(GetOlePicture(&Source, &OlePicture), S_OK);
    TPicture Back;
    SetOlePicture(&Back, OlePicture);
    OlePicture->Release();
    auto* BackBitmap = dynamic_cast<TBitmap*>(Back.Graphic());
    ASSERT_NE(BackBitmap, nullptr);
    EXPECT_EQ(BackBitmap->Width(), 8);
    EXPECT_EQ(BackBitmap->Height(), 6);
    EXPECT_EQ(GetPixel(BackBitmap->Canvas()->Handle(), 3, 3), RGB(255, 0, 0));

    TIcon I;
    I.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    Source.SetGraphic(&I);
    ASSERT_EQ(GetOlePicture(&Source, &OlePicture), S_OK);
    SetOlePicture(&Back, OlePicture);
    OlePicture->Release();
    auto* BackIcon = dynamic_cast<TIcon*>(Back.Graphic());
    ASSERT_NE(BackIcon, nullptr);
    EXPECT_NE(BackIcon->Handle(), nullptr);

    Source.SetGraphic(nullptr);
    ASSERT_EQ(GetOlePicture(&Source, &OlePicture), S_OK);
    SHORT Type = -1;
    IPicture* P = nullptr;
    ASSERT_EQ(OlePicture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&P)), S_OK);
    P->get_Type(&Type);
    P->Release();
    SetOlePicture(&Back, OlePicture);
    OlePicture->Release();
    EXPECT_EQ(Type, PICTYPE_NONE);
    EXPECT_EQ(Back.Graphic(), nullptr);
}

}  // namespace
