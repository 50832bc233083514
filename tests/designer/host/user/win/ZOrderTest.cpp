// What lies above what on the designed window, as a person sees it where
// two controls overlap: a later control above an earlier one, and the
// order set by Bring To Front kept by saving and opening again.
#include <gtest/gtest.h>

#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

// Back (an empty edit, white) and Front (a button without caption, button
// face) overlap around (122, 34) of the window. The tab order is the other
// way round: it must not decide what lies above.
void BuildOverlap(TDesignerSession& S) {
    S.BuildForm([](TForm* F) {
        Add<TEdit>(F, "Back", "", 24, 24, 120, 21);
        Add<TButton>(F, "Front", "", 100, 20, 97, 30)->SetTabOrder(0);
    });
}

struct TOverlap {
    COLORREF Seen, Back, Front;
};

// The pixel where the two overlap, and one of each where it lies alone.
TOverlap ReadOverlap(TDesignerSession& S) {
    TControl* Back = S.Control("Back");
    TControl* Front = S.Control("Front");
    return {S.ScreenPixel(S.Designed()->ClientToScreen({122, 34})),
            S.ScreenPixel(Back->ClientToScreen({20, Back->ClientHeight() / 2})),
            S.ScreenPixel(Front->ClientToScreen({Front->ClientWidth() - 20, Front->ClientHeight() / 2}))};
}

}  // namespace

TEST(ZOrder, BringToFrontSurvivesSavingAndOpeningAgain) {
    TDesignerSession S;
    BuildOverlap(S);
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Front"); }});
        co_await Pause(300);
        TOverlap O = ReadOverlap(S);
        SCRIPT_ASSERT(O.Back != O.Front);
        EXPECT_EQ(O.Seen, O.Front) << "the later control lies above";
        const TPoint OnBack = S.Control("Back")->ClientToScreen({20, 10});
        co_await S.Click(OnBack);
        co_await S.RightClick(OnBack);
        co_await S.Key('F');  // Bring To &Front
        co_await Pause(300);
        O = ReadOverlap(S);
        EXPECT_EQ(O.Seen, O.Back) << "brought to front";
        co_await S.CloseDesigned();
    }));
    EXPECT_EQ(TSavedForm(S.FormFile()).ControlOrder(), (std::vector<std::string>{"Front", "Back"}));
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Front"); }});
        co_await Pause(300);
        const TOverlap O = ReadOverlap(S);
        EXPECT_EQ(O.Seen, O.Back) << "opened again";
        co_await S.CloseDesigned();
    }));
}
