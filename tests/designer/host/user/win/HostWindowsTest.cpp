// The designer's own windows as a person sees them beside the designed
// window.
#include <gtest/gtest.h>

#include <algorithm>

#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "framework/graphics/Bitmap.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

// Whether the button shows the glyph of a class that has none: every
// pixel of that glyph but its transparent ones is on the screen.
bool ShowsUnknownGlyph(TPaletteButton* B, TDesignerSession& S) {
    TBitmap Unknown;
    LoadUnknownGlyph(&Unknown);
    HDC DC = Unknown.Canvas()->Handle();
    const COLORREF Transparent = GetPixel(DC, 0, Unknown.Height() - 1);
    const TPoint Origin = B->ClientToScreen({(B->Width() - Unknown.Width()) / 2, (B->Height() - Unknown.Height()) / 2});
    for (int Y = 0; Y < Unknown.Height(); ++Y)
        for (int X = 0; X < Unknown.Width(); ++X)
            if (const COLORREF C = GetPixel(DC, X, Y);
                C != Transparent && S.ScreenPixel({Origin.X + X, Origin.Y + Y}) != C)
                return false;
    return true;
}

}  // namespace

TEST(HostWindows, EveryPaletteButtonShowsItsGlyph) {
    TDesignerSession S;
    S.BuildForm([](TForm*) {});
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Designed() && S.Host()->objpanel->Showing(); }});
        co_await Pause(300);
        auto* Palette = static_cast<TZelCompPalette*>(S.Host()->ZelCompPalette1);
        auto* Sheet = static_cast<TZelPaletteSheet*>(Palette->ActivePage());
        SCRIPT_ASSERT(Sheet);
        const std::vector<TPaletteButton*> Buttons = Palette->SheetButtons(Sheet);
        SCRIPT_ASSERT(!Buttons.empty());
        for (TPaletteButton* B : Buttons) EXPECT_FALSE(ShowsUnknownGlyph(B, S)) << B->NameText << " shows no glyph";
        co_await S.CloseDesigned();
    }));
}

namespace {

bool Dark(COLORREF C) { return GetRValue(C) + GetGValue(C) + GetBValue(C) < 3 * 128; }

// What the screen shows in Area, copied at once into Into.
void CopyScreen(TBitmap& Into, TRect Area) {
    Into.SetWidth(Area.Width());
    Into.SetHeight(Area.Height());
    HDC Screen = GetDC(nullptr);
    BitBlt(Into.Canvas()->Handle(), 0, 0, Area.Width(), Area.Height(), Screen, Area.Left, Area.Top, SRCCOPY);
    ReleaseDC(nullptr, Screen);
}

// The dark pixels of Text written in Font, relative to their top-left one.
std::vector<TPoint> TextPixels(TFont* Font, const std::string& Text) {
    TBitmap B;
    B.SetWidth(200);
    B.SetHeight(40);
    TCanvas* C = B.Canvas();
    C->Brush()->SetColor(clWhite);
    C->FillRect({0, 0, 200, 40});
    C->Font()->Assign(Font);
    C->Font()->SetColor(clBlack);
    C->TextOut(4, 4, Text);
    std::vector<TPoint> All;
    TPoint Min{1000, 1000};
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 200; ++X)
            if (Dark(GetPixel(C->Handle(), X, Y))) {
                All.push_back({X, Y});
                Min = {std::min(Min.X, X), std::min(Min.Y, Y)};
            }
    for (TPoint& P : All) P = {P.X - Min.X, P.Y - Min.Y};
    return All;
}

}  // namespace

TEST(HostWindows, TheInspectorShowsTheWholeCaptionOfTheWindow) {
    TDesignerSession S;
    S.BuildForm([](TForm*) {});
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint("Caption").has_value(); }});
        co_await Pause(300);
        TCustomObjectInspector* I = S.Inspector();
        int Row = 0;
        while (Row < I->InfoCount() && I->Info(Row).PropName != "Caption") ++Row;
        const TRect Cell = I->CellRect(1, Row);
        const TPoint Origin = I->ClientToScreen({Cell.Left, Cell.Top});
        // The text's pixels past its first letter (an edit draws that one
        // a pixel apart from plain text), wherever in the cell the text
        // begins: the best fit counts those not on the screen.
        std::vector<TPoint> Text = TextPixels(I->Font(), "Main Window");
        std::erase_if(Text, [](TPoint P) { return P.X < 8; });
        TBitmap Seen;
        CopyScreen(Seen, {Origin.X, Origin.Y, Origin.X + Cell.Width(), Origin.Y + Cell.Height()});
        int Missing = static_cast<int>(Text.size());
        for (int DY = 0; DY < Cell.Height() / 2; ++DY)
            for (int DX = 1; DX < 10; ++DX) {
                int M = 0;
                for (TPoint P : Text) M += !Dark(GetPixel(Seen.Canvas()->Handle(), DX + P.X, DY + P.Y));
                Missing = std::min(Missing, M);
            }
        EXPECT_EQ(Missing, 0) << "cell " << Cell.Width() << " wide, the text "
                              << I->Canvas()->TextWidth("Main Window");
        co_await S.CloseDesigned();
    }));
}

TEST(HostWindows, TheToolbarButtonsShowTheirGlyphs) {
    TDesignerSession S;
    S.BuildForm([](TForm*) {});
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Designed() && S.Host()->Play_des->Enabled(); }});
        co_await Pause(300);
        // The run button's green arrow, where the button is on the screen.
        TControl* Run = S.Host()->Play_des;
        bool Green = false;
        for (int Y = 0; Y < Run->Height() && !Green; ++Y)
            for (int X = 0; X < Run->Width() && !Green; ++X)
                Green = S.ScreenPixel(Run->ClientToScreen({X, Y})) == RGB(0, 128, 0);
        EXPECT_TRUE(Green);
        co_await S.CloseDesigned();
    }));
}

namespace {

// Whether any pixel of the top-level window around Control shows Color.
bool WindowShows(TControl* Control, COLORREF Color) {
    RECT R;
    GetWindowRect(GetAncestor(static_cast<TWinControl*>(Control)->Handle(), GA_ROOT), &R);
    TBitmap Seen;
    CopyScreen(Seen, {R.left, R.top, R.right, R.bottom});
    for (int Y = 0; Y < Seen.Height(); ++Y)
        for (int X = 0; X < Seen.Width(); ++X)
            if (GetPixel(Seen.Canvas()->Handle(), X, Y) == Color) return true;
    return false;
}

}  // namespace

TEST(HostWindows, TheStayOnTopWindowsStayAboveTheDesignedWindow) {
    TDesignerSession S;
    // A yellow window under the whole of the host, inspector and palette.
    S.BuildForm([](TForm* Window) {
        Window->SetColor(clYellow);
        Window->SetBounds(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 40);
    });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Designed() && S.Host()->objpanel->Showing(); }});
        co_await Pause(300);
        RECT Host;
        GetWindowRect(S.Host()->Handle(), &Host);
        // The host made active by its caption, then the window by a click.
        co_await S.Click({(Host.left + Host.right) / 2, Host.top + 6});
        co_await Pause(300);
        const TPoint Free = S.Designed()->ClientToScreen({S.Designed()->ClientWidth() - 60, 30});
        co_await S.Click(Free);
        co_await Pause(500);
        for (TControl* C : std::vector<TControl*>{S.Host(), S.Host()->ZelCompPalette1, S.Host()->objpanel})
            EXPECT_FALSE(WindowShows(C, RGB(255, 255, 0))) << C->Name() << "'s window is covered";
        co_await S.CloseDesigned();
    }));
}
