// Scale from the designer's popup menu: the dialog takes a percentage
// through the integer editor, refuses what is none (or would shrink the
// controls to nothing) with the editor's message and stays open.
#include <gtest/gtest.h>

#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {
int ScreenWidth(TControl* C) {
    RECT R{};
    GetWindowRect(static_cast<TWinControl*>(C)->Handle(), &R);
    return R.right - R.left;
}
}  // namespace

TEST(DesignerScale, DialogRefusesWhatIsNoPercentageAndScalesByWhatIs) {
    TDesignerSession S;
    S.BuildForm([](TForm* W) { PlaceControl<TButton>(W, "Button1", 40, 40, 100, 30); });
    std::vector<std::string> Refusals;
    bool StayedOpen = true;
    EXPECT_TRUE(S.Run([&](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Button1") != nullptr; }});
        co_await S.RightClick(S.Designed()->ClientToScreen({400, 300}));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.MenuItemPoint("Scale...").has_value(); }});
        co_await S.Click(*S.MenuItemPoint("Scale..."));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.WindowTitled("Scale") != nullptr; }});
        HWND Dialog = S.WindowTitled("Scale");
        SCRIPT_ASSERT(co_await TUntil{[&] { return IsChild(Dialog, GetFocus()); }});
        for (const char* Typed : {"abc", "0", "-50"}) {
            co_await S.TypeOver(Typed);
            co_await S.Key(VK_RETURN);
            SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() != nullptr; }});
            Refusals.push_back(S.BoxText(S.Box()));
            co_await S.Key(VK_RETURN);
            SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() == nullptr; }});
            co_await Pause(100);
            StayedOpen = StayedOpen && IsWindowVisible(Dialog);
            SCRIPT_ASSERT(IsWindowVisible(Dialog));
            EXPECT_EQ(ScreenWidth(S.Control("Button1")), 100) << Typed;
            SCRIPT_ASSERT(co_await TUntil{[&] { return IsChild(Dialog, GetFocus()); }});
        }
        co_await S.TypeOver("150");
        co_await S.Key(VK_RETURN);
        SCRIPT_ASSERT(co_await TUntil{[&] { return !IsWindowVisible(Dialog); }});
        EXPECT_TRUE(co_await TUntil{[&] { return ScreenWidth(S.Control("Button1")) == 150; }});
        // The whole face is drawn again: where the old right edge was is
        // face colour now.
        TControl* B = S.Control("Button1");
        EXPECT_TRUE(co_await TUntil{[&] {
            return S.ScreenPixel(B->ClientToScreen({99, 4})) == S.ScreenPixel(B->ClientToScreen({20, 4}));
        }});
        co_await S.CloseDesigned();
    }));
    ASSERT_EQ(Refusals.size(), 3u);
    EXPECT_NE(Refusals[0].find("'abc' is not a valid integer value"), std::string::npos) << Refusals[0];
    for (size_t I = 1; I < 3; ++I)
        EXPECT_NE(Refusals[I].find("Value must be between 1 and"), std::string::npos) << Refusals[I];
    EXPECT_TRUE(StayedOpen);
    const TSavedForm Saved(S.FormFile());
    EXPECT_EQ(Saved.Text("Button1", "Width"), "150");
    EXPECT_EQ(Saved.Text("Button1", "Height"), "45");
}
