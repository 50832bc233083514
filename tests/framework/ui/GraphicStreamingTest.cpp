// Pictures, glyphs and icons written into a form stream and read back.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/rtl/Streams.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "tests/common/FormAsText.h"

namespace {

class TPictureForm : public TForm {
    QRN_CLASS(TPictureForm, TForm)
public:
    explicit TPictureForm(TComponent* AOwner) : TForm(AOwner) {}
    TImage* Image1 = nullptr;
    TSpeedButton* Button1 = nullptr;
};

std::unique_ptr<TBitmap> Pattern() {
    auto B = std::make_unique<TBitmap>();
    B->SetPixelFormat(pf24bit);
    B->SetSize(5, 3);
    B->Canvas()->Brush()->SetColor(clWhite);
    B->Canvas()->FillRect(Rect(0, 0, 5, 3));
    SetPixel(B->Canvas()->Handle(), 1, 2, RGB(200, 10, 30));
    SetPixel(B->Canvas()->Handle(), 4, 0, RGB(5, 160, 70));
    return B;
}

// A form holding an image and a speed button, both empty.
TPictureForm* MakeForm() {
    RegisterExtControls();
    auto* F = new TPictureForm(nullptr);
    F->Image1 = new TImage(F);
    F->Image1->SetName("Image1");
    F->Image1->SetParent(F);
    F->Button1 = new TSpeedButton(F);
    F->Button1->SetName("Button1");
    F->Button1->SetParent(F);
    return F;
}

// Reads a form text into a new form of the test class.
TPictureForm* ReadBack(const std::string& Text) {
    TStringStream In(ObjectTextToBinary(Text));
    auto* F = new TPictureForm(nullptr);
    try {
        TReader(&In).ReadRootComponent(F);
    } catch (...) {
        F->Free();
        throw;
    }
    return F;
}

}  // namespace

QRN_PUBLISHED(TPictureForm) {
    B.Field("Image1", &TPictureForm::Image1);
    B.Field("Button1", &TPictureForm::Button1);
}

TEST(GraphicStreaming, PictureAndGlyphSurviveTheFormStream) {
    auto* F = MakeForm();
    auto P = Pattern();
    F->Image1->Picture()->SetGraphic(P.get());
    F->Button1->SetGlyph(P.get());
    const std::string Text = FormAsText(F);
    F->Free();
    // The picture names its graphic's class; the glyph is a bare bitmap
    // whose 32-bit length comes first.
    EXPECT_NE(Text.find("Picture.Data = {\r\n      07544269746D6170"), std::string::npos) << Text;
    EXPECT_NE(Text.find("Glyph.Data = {"), std::string::npos);
    auto* G = ReadBack(Text);
    ASSERT_NE(G->Image1, nullptr);
    auto* Read = dynamic_cast<TBitmap*>(G->Image1->Picture()->Graphic());
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->Width(), 5);
    EXPECT_EQ(Read->Height(), 3);
    EXPECT_EQ(GetPixel(Read->Canvas()->Handle(), 1, 2), RGB(200, 10, 30));
    EXPECT_EQ(GetPixel(Read->Canvas()->Handle(), 4, 0), RGB(5, 160, 70));
    ASSERT_NE(G->Button1, nullptr);
    EXPECT_EQ(G->Button1->Glyph()->Width(), 5);
    EXPECT_EQ(GetPixel(G->Button1->Glyph()->Canvas()->Handle(), 1, 2), RGB(200, 10, 30));
    G->Free();
}

TEST(GraphicStreaming, EmptyPicturesAndGlyphsAreNotWritten) {
    auto* F = MakeForm();
    const std::string Text = FormAsText(F);
    F->Free();
    EXPECT_EQ(Text.find(".Data"), std::string::npos);
}

TEST(GraphicStreaming, AnIconPictureKeepsItsImage) {
    auto* F = MakeForm();
    TIcon Icon;
    Icon.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    F->Image1->Picture()->SetGraphic(&Icon);
    const std::string Text = FormAsText(F);
    F->Free();
    EXPECT_NE(Text.find("Picture.Data = {\r\n      055449636F6E"), std::string::npos);  // "\5TIcon"
    auto* G = ReadBack(Text);
    auto* Read = dynamic_cast<TIcon*>(G->Image1->Picture()->Graphic());
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->Width(), Icon.Width());
    EXPECT_NE(Read->Handle(), nullptr);
    G->Free();
}

TEST(GraphicStreaming, APictureOfAnUnknownKindOrACutBitmapIsAnError) {
    RegisterExtControls();
    // "\4TGif" then nothing.
    const std::string Unknown =
        "object PictureForm: TPictureForm\r\n  object Image1: TImage\r\n    Picture.Data = {\r\n      0454476966}\r\n  end\r\nend\r\n";
    EXPECT_ANY_THROW(ReadBack(Unknown)->Free());
    // A bitmap that says it has 1000 bytes and has 2.
    const std::string Cut = "object PictureForm: TPictureForm\r\n  object Image1: TImage\r\n    Picture.Data = {\r\n"
                            "      07544269746D6170E80300004241}\r\n  end\r\nend\r\n";
    EXPECT_ANY_THROW(ReadBack(Cut)->Free());
    Pump();
}
