// The grey marks of a multiple selection, where a person sees them: on the
// selected controls' own windows, kept when a control paints itself again
// and gone when the selection is single again.
#include <gtest/gtest.h>

#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

const COLORREF Grey = RGB(128, 128, 128);

// Four of a control's eight marks: corners and edge midpoints.
std::vector<TPoint> MarkPoints(TControl* C) {
    const int W = C->ClientWidth(), H = C->ClientHeight();
    return {Point(1, 1), Point((W - 4) / 2 + 1, 1), Point(W - 3, H - 3), Point(1, (H - 4) / 2 + 2)};
}

}  // namespace

TEST(SelectSeveral, MarksShowOnWindowedControls) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) {
        Add<TButton>(F, "A", "One", 24, 24);
        Add<TButton>(F, "B", "Two", 24, 80);
        // Edits have a border: their marks lie inside it.
        Add<TEdit>(F, "E1", "", 200, 24, 97, 21);
        Add<TEdit>(F, "E2", "", 200, 80, 97, 21);
    });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("E2"); }});
        auto ExpectMarks = [&](const char* Name, const char* When) {
            TControl* C = S.Control(Name);
            for (TPoint M : MarkPoints(C))
                EXPECT_EQ(S.ScreenPixel(C->ClientToScreen(M)), Grey)
                    << Name << " " << When << " at " << M.X << "," << M.Y;
        };
        co_await S.Click(S.Middle("A"));
        co_await S.ClickWith(S.Middle("B"), kmShift);
        co_await Pause(300);
        for (const char* Name : {"A", "B"}) ExpectMarks(Name, "selected");
        // The button paints itself again (as when a window uncovered it):
        // its marks are still there.
        InvalidateRect(static_cast<TWinControl*>(S.Control("B"))->Handle(), nullptr, TRUE);
        co_await Pause(300);
        ExpectMarks("B", "repainted");
        // A click on a control outside the selection selects it alone.
        co_await S.Click(S.Middle("E1"));
        co_await Pause(300);
        for (const char* Name : {"A", "B"})
            EXPECT_NE(S.ScreenPixel(S.Control(Name)->ClientToScreen({1, 1})), Grey) << Name;
        co_await S.ClickWith(S.Middle("E2"), kmShift);
        co_await Pause(300);
        for (const char* Name : {"E1", "E2"}) ExpectMarks(Name, "selected");
        co_await S.CloseDesigned();
    }));
}
