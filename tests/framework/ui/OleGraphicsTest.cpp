#include <gtest/gtest.h>

#include "framework/graphics/OleGraphics.h"
#include "framework/graphics/Metafile.h"

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

// An enhanced metafile comes back as one of the same size; a kind the
// framework has no graphic for (an old-style metafile) leaves the picture
// as it was.
TEST(OleGraphics, MetafilesComeBackAndUnknownKindsChangeNothing) {
    TOleSession Ole;
    HDC DC = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    Rectangle(DC, 0, 0, 40, 30);
    TMetafile M;
    M.SetHandle(CloseEnhMetaFile(DC));
    TPicture Source;
    Source.SetGraphic(&M);
    IPictureDisp* OlePicture = nullptr;
    ASSERT_EQ(GetOlePicture(&Source, &OlePicture), S_OK);
    TPicture Back;
    SetOlePicture(&Back, OlePicture);
    OlePicture->Release();
    auto* BackMetafile = dynamic_cast<TMetafile*>(Back.Graphic());
    ASSERT_NE(BackMetafile, nullptr);
    EXPECT_NE(BackMetafile->Handle(), M.Handle());
    EXPECT_EQ(BackMetafile->Width(), M.Width());
    EXPECT_EQ(BackMetafile->Height(), M.Height());

    HDC Old = CreateMetaFileA(nullptr);
    Rectangle(Old, 0, 0, 10, 10);
    PICTDESC Desc{};
    Desc.cbSizeofstruct = sizeof(Desc);
    Desc.picType = PICTYPE_METAFILE;
    Desc.wmf.hmeta = CloseMetaFile(Old);
    Desc.wmf.xExt = Desc.wmf.yExt = 1000;
    ASSERT_EQ(OleCreatePictureIndirect(&Desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&OlePicture)), S_OK);
    SetOlePicture(&Back, OlePicture);
    OlePicture->Release();
    EXPECT_NE(dynamic_cast<TMetafile*>(Back.Graphic()), nullptr);
}

}  // namespace
