#include <gtest/gtest.h>

#include "framework/graphics/Bitmap.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/Streams.h"

namespace {

std::string TempPath(const std::string& Name) { return IncludeTrailingPathDelimiter(GetTempDir()) + "qrn_ui_" + Name; }

TColor PixelOf(TBitmap& B, int X, int Y) { return B.Canvas()->Pixel(X, Y) & 0xFFFFFF; }

std::unique_ptr<TBitmap> Filled(int W, int H, TColor C, TPixelFormat F = pf24bit) {
    auto B = std::make_unique<TBitmap>();
    B->SetPixelFormat(F);
    B->SetSize(W, H);
    B->Canvas()->Brush()->SetColor(C);
    B->Canvas()->FillRect(Rect(0, 0, W, H));
    return B;
}

}  // namespace

TEST(Font, SizeAndHeightFollowEachOther) {
    TFont F;
    F.SetPixelsPerInch(96);
    F.SetSize(12);
    EXPECT_EQ(F.Height(), -16);
    EXPECT_EQ(F.Size(), 12);
    F.SetHeight(-11);
    EXPECT_EQ(F.Size(), 8);
}

TEST(Font, HandleIsCachedUntilAPropertyChanges) {
    TFont F;
    int Changes = 0;
    F.OnChange = [&](TObject*) { ++Changes; };
    HFONT H1 = F.Handle();
    EXPECT_EQ(F.Handle(), H1);
    F.SetStyle({fsBold});
    EXPECT_EQ(Changes, 1);
    LOGFONTA LF{};
    GetObjectA(F.Handle(), sizeof LF, &LF);
    EXPECT_GE(LF.lfWeight, FW_BOLD);
    F.SetStyle({fsBold});  // no change, no event
    EXPECT_EQ(Changes, 1);
}

TEST(Font, AssignCopiesEverythingAndNotifies) {
    TFont A, B;
    A.SetName("Courier New");
    A.SetSize(10);
    A.SetColor(clRed);
    A.SetStyle({fsItalic, fsUnderline});
    bool Changed = false;
    B.OnChange = [&](TObject*) { Changed = true; };
    B.Assign(&A);
    EXPECT_TRUE(Changed);
    EXPECT_EQ(B.Name(), "Courier New");
    EXPECT_EQ(B.Size(), 10);
    EXPECT_EQ(B.Color(), clRed);
    EXPECT_EQ(B.Style(), (TFontStyles{fsItalic, fsUnderline}));
}

TEST(Colors, SystemColoursResolveThroughTheSystem) {
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
}

TEST(Canvas, FillRectAndPixels) {
    auto B = Filled(10, 10, clWhite);
    B->Canvas()->Brush()->SetColor(clBlue);
    B->Canvas()->FillRect(Rect(2, 2, 5, 5));
    EXPECT_EQ(PixelOf(*B, 2, 2), clBlue);
    EXPECT_EQ(PixelOf(*B, 4, 4), clBlue);
    EXPECT_EQ(PixelOf(*B, 5, 5), clWhite);
}

TEST(Canvas, XorPenUndoesItself) {
    auto B = Filled(20, 20, clWhite);
    TCanvas* C = B->Canvas();
    C->Pen()->SetMode(pmXor);
    C->Pen()->SetColor(clWhite);
    C->MoveTo(0, 5);
    C->LineTo(20, 5);
    EXPECT_EQ(PixelOf(*B, 10, 5), clBlack);
    C->MoveTo(0, 5);
    C->LineTo(20, 5);
    EXPECT_EQ(PixelOf(*B, 10, 5), clWhite);
}

TEST(Canvas, ToolChangesTakeEffectOnNextDraw) {
    auto B = Filled(10, 10, clWhite);
    TCanvas* C = B->Canvas();
    C->Brush()->SetColor(clRed);
    C->FillRect(Rect(0, 0, 5, 10));
    C->Brush()->SetColor(clLime);
    C->FillRect(Rect(5, 0, 10, 10));
    EXPECT_EQ(PixelOf(*B, 1, 1), clRed);
    EXPECT_EQ(PixelOf(*B, 8, 1), clLime);
}

TEST(Canvas, TextMeasuresGrowWithText) {
    auto B = Filled(10, 10, clWhite);
    TCanvas* C = B->Canvas();
    EXPECT_GT(C->TextWidth("WWWW"), C->TextWidth("W"));
    EXPECT_GT(C->TextHeight("Xy"), 0);
    TSize S = C->TextExtent("");
    EXPECT_EQ(S.cx, 0);
}

TEST(Canvas, FrameRectAndFrame3D) {
    auto B = Filled(10, 10, clWhite);
    TRect R = Rect(0, 0, 10, 10);
    Frame3D(B->Canvas(), R, clRed, clBlue, 2);
    EXPECT_EQ(R, Rect(2, 2, 8, 8));
    EXPECT_EQ(PixelOf(*B, 0, 5), clRed);   // left
    EXPECT_EQ(PixelOf(*B, 5, 0), clRed);   // top
    EXPECT_EQ(PixelOf(*B, 9, 5), clBlue);  // right
    EXPECT_EQ(PixelOf(*B, 5, 9), clBlue);  // bottom
    EXPECT_EQ(PixelOf(*B, 1, 1), clRed);   // second ring
    EXPECT_EQ(PixelOf(*B, 5, 5), clWhite);
}

TEST(Canvas, ClipRectLimitsDrawing) {
    auto B = Filled(10, 10, clWhite);
    TCanvas* C = B->Canvas();
    C->SetClipRect(Rect(0, 0, 5, 5));
    C->Brush()->SetColor(clBlack);
    C->FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(PixelOf(*B, 2, 2), clBlack);
    EXPECT_EQ(PixelOf(*B, 7, 7), clWhite);
    C->SetClipRect({});
}

TEST(Canvas, WithoutAContextDrawingFails) {
    TCanvas C;
    EXPECT_THROW(C.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST(Canvas, LockCounts) {
    TCanvas C;
    C.Lock();
    EXPECT_EQ(C.LockCount(), 1);
    EXPECT_TRUE(C.TryLock());
    EXPECT_EQ(C.LockCount(), 2);
    C.Unlock();
    C.Unlock();
    EXPECT_EQ(C.LockCount(), 0);
}

TEST(Bitmap, DrawCopiesAndStretchDrawScales) {
    auto Src = Filled(4, 4, clRed);
    auto Dst = Filled(20, 20, clWhite);
    Dst->Canvas()->Draw(1, 1, Src.get());
    EXPECT_EQ(PixelOf(*Dst, 1, 1), clRed);
    EXPECT_EQ(PixelOf(*Dst, 5, 5), clWhite);
    Dst->Canvas()->StretchDraw(Rect(10, 10, 20, 20), Src.get());
    EXPECT_EQ(PixelOf(*Dst, 19, 19), clRed);
}

TEST(Bitmap, TransparentDrawKeepsTheBackground) {
    auto Src = Filled(4, 4, clFuchsia);
    Src->Canvas()->Brush()->SetColor(clBlue);
    Src->Canvas()->FillRect(Rect(1, 1, 3, 3));
    Src->SetTransparent(true);  // bottom-left pixel (fuchsia) is the transparent colour
    EXPECT_EQ(Src->TransparentColor(), clFuchsia);
    auto Dst = Filled(4, 4, clLime);
    Dst->Canvas()->Draw(0, 0, Src.get());
    EXPECT_EQ(PixelOf(*Dst, 0, 0), clLime);
    EXPECT_EQ(PixelOf(*Dst, 2, 2), clBlue);
}

TEST(Bitmap, BrushCopyPaintsOneColourWithTheBrush) {
    auto Src = Filled(4, 4, clWhite);
    Src->Canvas()->Brush()->SetColor(clRed);
    Src->Canvas()->FillRect(Rect(0, 0, 2, 4));
    auto Dst = Filled(4, 4, clBlack);
    Dst->Canvas()->Brush()->SetColor(clYellow);
    Dst->Canvas()->BrushCopy(Rect(0, 0, 4, 4), Src.get(), Rect(0, 0, 4, 4), clWhite);
    EXPECT_EQ(PixelOf(*Dst, 0, 0), clRed);
    EXPECT_EQ(PixelOf(*Dst, 3, 3), clYellow);
}

TEST(Bitmap, SaveAndLoadRoundTripThroughAFile) {
    auto B = Filled(7, 5, clWhite);
    B->Canvas()->SetPixel(3, 2, clRed);
    const std::string Path = TempPath("round.bmp");
    B->SaveToFile(Path);
    TBitmap L;
    L.LoadFromFile(Path);
    EXPECT_EQ(L.Width(), 7);
    EXPECT_EQ(L.Height(), 5);
    EXPECT_EQ(PixelOf(L, 3, 2), clRed);
    EXPECT_EQ(PixelOf(L, 0, 0), clWhite);
    RemoveFile(Path);
}

TEST(Bitmap, EveryPixelFormatSurvivesAStream) {
    for (TPixelFormat F : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
        auto B = Filled(9, 3, clWhite, F);
        B->Canvas()->SetPixel(4, 1, clBlack);
        TMemoryStream S;
        B->SaveToStream(&S);
        S.SetPosition(0);
        TBitmap L;
        L.LoadFromStream(&S);
        EXPECT_EQ(L.PixelFormat(), F);
        EXPECT_EQ(PixelOf(L, 4, 1), clBlack) << F;
        EXPECT_EQ(PixelOf(L, 5, 1), clWhite) << F;
    }
}

TEST(Bitmap, GarbageStreamIsRefused) {
    TStringStream S("BMnot really a bitmap at all, just some text here");
    TBitmap B;
    EXPECT_THROW(B.LoadFromStream(&S), EInvalidGraphic);
    // A header claiming more pixels than the file holds.
    auto Good = Filled(8, 8, clRed);
    TStringStream Out;
    Good->SaveToStream(&Out);
    std::string Bytes = Out.DataString();
    Bytes.resize(Bytes.size() - 10);
    TStringStream Cut(Bytes);
    EXPECT_THROW(B.LoadFromStream(&Cut), EInvalidGraphic);
}

TEST(Bitmap, DormantKeepsTheImage) {
    auto B = Filled(6, 6, clNavy);
    B->Dormant();
    EXPECT_TRUE(B->IsDormant());
    EXPECT_FALSE(B->HandleAllocated());
    EXPECT_EQ(B->Width(), 6);
    EXPECT_EQ(PixelOf(*B, 3, 3), clNavy);
    EXPECT_FALSE(B->IsDormant());
    B->FreeImage();
    EXPECT_EQ(PixelOf(*B, 3, 3), clNavy);
}

TEST(Bitmap, ResizeKeepsTheTopLeftAndPixelFormatConvertsPixels) {
    auto B = Filled(4, 4, clRed);
    B->SetSize(8, 8);
    EXPECT_EQ(PixelOf(*B, 1, 1), clRed);
    EXPECT_EQ(PixelOf(*B, 6, 6), clWhite);
    B->SetPixelFormat(pf8bit);
    EXPECT_EQ(PixelOf(*B, 1, 1), clRed);
    EXPECT_NE(B->Palette(), nullptr);
    B->SetMonochrome(true);
    EXPECT_TRUE(B->Monochrome());
}

TEST(Bitmap, AssignMakesAnIndependentCopy) {
    auto A = Filled(3, 3, clGreen);
    TBitmap B;
    B.Assign(A.get());
    A->Canvas()->SetPixel(1, 1, clRed);
    EXPECT_EQ(PixelOf(B, 1, 1), clGreen);
    B.Assign(nullptr);
    EXPECT_TRUE(B.Empty());
}

TEST(Bitmap, MissingResourceIsAnError) {
    TBitmap B;
    EXPECT_THROW(B.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"), EInvalidOperation);
    // A system bitmap resource of user32 (the check-box strip) loads by ordinal.
    HMODULE User = GetModuleHandleA("user32.dll");
    if (FindResourceA(User, MAKEINTRESOURCEA(32759), MAKEINTRESOURCEA(2))) {
        B.LoadFromResourceID(User, 32759);
        EXPECT_FALSE(B.Empty());
    }
}

TEST(Icon, SavedIconLoadsBack) {
    TIcon I;
    I.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    ASSERT_GT(I.Width(), 0);
    TMemoryStream S;
    I.SaveToStream(&S);
    S.SetPosition(0);
    TIcon L;
    L.LoadFromStream(&S);
    EXPECT_EQ(L.Width(), I.Width());
    EXPECT_EQ(L.Height(), I.Height());
    auto Dst = Filled(64, 64, clWhite);
    Dst->Canvas()->Draw(0, 0, &L);
}

TEST(Picture, ChoosesTheGraphicByExtension) {
    auto B = Filled(5, 5, clMaroon);
    const std::string Path = TempPath("pic.bmp");
    B->SaveToFile(Path);
    TPicture P;
    int Changes = 0;
    P.OnChange = [&](TObject*) { ++Changes; };
    P.LoadFromFile(Path);
    EXPECT_NE(dynamic_cast<TBitmap*>(P.Graphic()), nullptr);
    EXPECT_EQ(P.Width(), 5);
    EXPECT_GT(Changes, 0);
    EXPECT_THROW(P.LoadFromFile(TempPath("pic.xyz")), EInvalidGraphic);
    RemoveFile(Path);
}

TEST(Brush, PatternBitmapIsCopiedAndUsedForFills) {
    auto Pattern = Filled(8, 8, clWhite);
    Pattern->Canvas()->SetPixel(0, 0, clBlack);
    auto B = Filled(16, 16, clRed);
    B->Canvas()->Brush()->SetBitmap(Pattern.get());
    Pattern->Canvas()->SetPixel(1, 1, clBlack);  // the brush kept its own copy
    B->Canvas()->FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(PixelOf(*B, 0, 0), clBlack);
    EXPECT_EQ(PixelOf(*B, 8, 8), clBlack);
    EXPECT_EQ(PixelOf(*B, 1, 1), clWhite);
    B->Canvas()->Brush()->SetBitmap(nullptr);
    B->Canvas()->Brush()->SetColor(clBlue);
    B->Canvas()->FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(PixelOf(*B, 0, 0), clBlue);
}

TEST(Canvas, CopyRectCopiesBetweenCanvases) {
    auto Src = Filled(8, 8, clGreen);
    auto Dst = Filled(8, 8, clWhite);
    Dst->Canvas()->CopyRect(Rect(0, 0, 4, 4), Src->Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(PixelOf(*Dst, 1, 1), clGreen);
    EXPECT_EQ(PixelOf(*Dst, 6, 6), clWhite);
}

namespace {

// An .ico file of one image of the given size, made by the icon itself.
std::string OneImageIco(int Size) {
    TIcon I;
    I.SetHandle(static_cast<HICON>(CopyImage(LoadIconA(nullptr, IDI_APPLICATION), IMAGE_ICON, Size, Size, 0)));
    TStringStream S;
    I.SaveToStream(&S);
    return S.DataString();
}

// Joins one-image .ico files into one file listing every image.
std::string JoinIcos(const std::vector<std::string>& Files) {
    const uint32_t Count = static_cast<uint32_t>(Files.size());
    std::string Dir("\0\0\1\0", 4);
    Dir += static_cast<char>(Count);
    Dir += '\0';
    std::string Images;
    uint32_t Offset = 6 + 16 * Count;
    for (const std::string& F : Files) {
        std::string Entry = F.substr(6, 16);
        const uint32_t Size = static_cast<uint32_t>(F.size() - 22);
        memcpy(Entry.data() + 8, &Size, 4);
        memcpy(Entry.data() + 12, &Offset, 4);
        Dir += Entry;
        Images += F.substr(22);
        Offset += Size;
    }
    return Dir + Images;
}

}  // namespace

TEST(Icon, TheImageOfTheSystemIconSizeIsChosenAndAllAreKept) {
    const std::string File = JoinIcos({OneImageIco(16), OneImageIco(48), OneImageIco(32)});
    TStringStream In(File);
    TIcon I;
    I.LoadFromStream(&In);
    EXPECT_EQ(I.Width(), GetSystemMetrics(SM_CXICON));
    TStringStream Out;
    I.SaveToStream(&Out);
    EXPECT_EQ(Out.DataString(), File);  // every image goes back out
}

TEST(Icon, ABrokenDirectoryIsRefusedAndTheOldImageStays) {
    TIcon I;
    TStringStream Good(OneImageIco(32));
    I.LoadFromStream(&Good);
    std::string Bad = JoinIcos({OneImageIco(16), OneImageIco(32)});
    Bad.resize(Bad.size() - 10);  // the last image runs past the end
    TStringStream In(Bad);
    EXPECT_THROW(I.LoadFromStream(&In), EInvalidGraphic);
    EXPECT_EQ(I.Width(), 32);
    EXPECT_NE(I.Handle(), nullptr);
}
