// Copy and paste on the designed window with the keys a person presses.
#include <gtest/gtest.h>

#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignerSession.h"

TEST(Clipboard, APastedControlIsDrawnAtOnce) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) { Add<TEdit>(F, "Edit1", "", 24, 24, 97, 21)->SetColor(clYellow); });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Edit1"); }});
        co_await S.Click(S.Middle("Edit1"));
        co_await S.Key('C', kmCtrl);
        co_await S.Key('V', kmCtrl);
        // A second copy goes one grid step on, off the original.
        co_await S.Key('V', kmCtrl);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Edit3"); }});
        co_await Pause(300);
        TControl* Copy = S.Control("Edit3");
        const TPoint Corner = Copy->ClientToScreen({Copy->ClientWidth() - 3, Copy->ClientHeight() - 3});
        SCRIPT_ASSERT(!S.Control("Edit1")->BoundsRect().Contains(S.Designed()->ScreenToClient(Corner)));
        EXPECT_EQ(S.ScreenPixel(Corner), RGB(255, 255, 0));
        co_await S.CloseDesigned();
    }));
}
