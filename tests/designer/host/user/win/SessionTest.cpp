// The session itself: a script that only closes the designed window ends
// the run with the form saved and the files written.
#include <gtest/gtest.h>

#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"

TEST(DesignerSession, ClosingTheDesignedWindowSavesAndEndsTheRun) {
    TDesignerSession S;
    S.UseExampleForm();
    EXPECT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Button1") != nullptr; }});
        co_await S.CloseDesigned();
    }));
    EXPECT_EQ(TSavedForm(S.FormFile()).Text("Button1", "Caption"), "Button1");
    EXPECT_TRUE(FileExists(S.Dir / "wmcreate.inc"));
}
