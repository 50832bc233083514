// Several components selected with the mouse: nothing of theirs changes,
// and the program goes on.
#include <gtest/gtest.h>

#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

// Two controls with captions, each pair selected with Shift+click and with
// a rubber band: their captions stay on screen, in the inspector's
// reselection and in the saved form.
void ExpectSelectingKeepsCaptions(const std::function<void(TForm*)>& Make) {
    TDesignerSession S;
    S.BuildForm(Make);
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("A") && S.Control("B"); }});
        auto Captions = [&] {
            return S.TextOf(static_cast<TWinControl*>(S.Control("A"))->Handle()) + "|" +
                   S.TextOf(static_cast<TWinControl*>(S.Control("B"))->Handle());
        };
        co_await S.Click(S.Middle("A"));
        co_await S.ClickWith(S.Middle("B"), kmShift);
        co_await Pause(200);
        EXPECT_EQ(Captions(), "One|Two") << "after Shift+click";
        // A rubber band from the form's free corner over both.
        TControl* A = S.Control("A");
        const TPoint From = S.Designed()->ClientToScreen({A->Left() - 6, A->Top() - 6});
        const TPoint To = S.Middle("B");
        co_await S.Click(S.Designed()->ClientToScreen({600, 400}));
        co_await S.Drag(From, To);
        co_await Pause(200);
        EXPECT_EQ(Captions(), "One|Two") << "after the rubber band";
        co_await S.Click(S.Middle("A"));
        co_await S.CloseDesigned();
    }));
    const TSavedForm Saved(S.FormFile());
    EXPECT_EQ(Saved.Text("A", "Caption"), "One");
    EXPECT_EQ(Saved.Text("B", "Caption"), "Two");
}

}  // namespace

TEST(SelectSeveral, CaptionsStayWhateverThePairOfControls) {
    ExpectSelectingKeepsCaptions([](TForm* F) {
        Add<TButton>(F, "A", "One", 24, 24);
        Add<TButton>(F, "B", "Two", 24, 80);
    });
    ExpectSelectingKeepsCaptions([](TForm* F) {
        Add<TCheckBox>(F, "A", "One", 24, 24);
        Add<TRadioButton>(F, "B", "Two", 24, 80);
    });
}

TEST(SelectSeveral, ControlsOfDifferentColoursKeepTheProgramAndTheirColours) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) {
        Add<TButton>(F, "A", "One", 24, 24);
        Add<TEdit>(F, "B", "", 24, 80, 97, 21)->SetColor(clYellow);
    });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("B"); }});
        co_await S.Click(S.Middle("A"));
        co_await S.ClickWith(S.Middle("B"), kmShift);
        // The Color row of the two is empty; leaving it commits nothing.
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint("Color").has_value(); }});
        co_await Pause(GetDoubleClickTime());
        co_await S.Click(*S.RowPoint("Color"));
        co_await S.Key(VK_DOWN);
        co_await S.Click(S.Middle("A"));
        EXPECT_EQ(S.ScreenPixel(S.Control("B")->ClientToScreen({40, 10})), RGB(255, 255, 0));
        co_await S.CloseDesigned();
    }));
    const TSavedForm Saved(S.FormFile());
    EXPECT_EQ(Saved.Text("B", "Color"), "clYellow");
    EXPECT_EQ(Saved.Text("A", "Caption"), "One");
}
