// The designer's own windows as a person sees them beside the designed
// window.
#include <gtest/gtest.h>

#include "designer/support/win/CompPalette.h"
#include "designer/support/win/PaletteGlyphs.h"
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
