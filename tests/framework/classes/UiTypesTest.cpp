#include <gtest/gtest.h>

#include "framework/classes/UiTypes.h"

TEST(UiTypes, RectHelpers) {
    TRect R = Bounds(10, 20, 30, 40);
    EXPECT_EQ(R.Right, 40);
    EXPECT_TRUE(R.Contains(Point(10, 20)));
    EXPECT_FALSE(R.Contains(Point(40, 20)));
    EXPECT_EQ(IntersectRect(R, Rect(0, 0, 15, 25)), Rect(10, 20, 15, 25));
    EXPECT_TRUE(IntersectRect(R, Rect(0, 0, 5, 5)).IsEmpty());
    TShiftState S{ssShift, ssDouble};
    EXPECT_TRUE(S.Contains(ssDouble));
    S -= TShiftState{ssShift};
    EXPECT_EQ(S, TShiftState{ssDouble});
}
