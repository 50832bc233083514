// The multimedia controls' cursors 2001-2031 become the screen's cursors.
#include <gtest/gtest.h>

#include <set>

#include "controls/win/MediaCursors.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/win/WinApi.h"

TEST(MediaCursors, AllThirtyOneAreInstalledUnderTheirNumbersAsDrawings) {
    ASSERT_NE(Screen, nullptr);
    InstallMediaCursors();
    const HCURSOR Arrow = LoadCursorA(nullptr, IDC_ARROW);
    std::set<HCURSOR> Seen;
    for (int Id = FirstMediaCursor; Id <= LastMediaCursor; ++Id) {
        const HCURSOR C = Screen->Cursors(Id);
        EXPECT_NE(C, nullptr) << Id;
        EXPECT_NE(C, Arrow) << Id;
        Seen.insert(C);
    }
    EXPECT_EQ(Seen.size(), 31u);
}
