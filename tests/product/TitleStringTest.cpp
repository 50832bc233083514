// The version string shared by the IDE and its wizard: only the time of
// day of the program's date shows, in the given long time format.
#include <gtest/gtest.h>

#include "product/ProductTitle.h"

TEST(FormatTitleString, ShowsTheTimeOfDayOnly) {
    TFormatSettings S;
    S.LongTimeFormat = "hh:nn:ss";
    const TDateTime Date = EncodeDate(2026, 12, 9) + EncodeTime(14, 5, 7, 0);
    EXPECT_EQ(FormatTitleString(Date, S), "Quorlen PRO v1.0a (Merivel 14:05:07)");
}

TEST(FormatTitleString, FollowsTheLocalesFormat) {
    TFormatSettings S;
    S.LongTimeFormat = "h.nn.ss ampm";
    S.TimePMString = "pm";
    // Even a format holding date tokens shows the day zero, not the date.
    EXPECT_EQ(FormatTitleString(EncodeDate(1999, 3, 4) + EncodeTime(21, 0, 9, 0), S),
              "Quorlen PRO v1.0a (Merivel 9.00.09 pm)");
    S.LongTimeFormat = "yyyy hh:nn";
    EXPECT_EQ(FormatTitleString(EncodeDate(1999, 3, 4) + EncodeTime(1, 2, 0, 0), S),
              "Quorlen PRO v1.0a (Merivel 1899 01:02)");
}

TEST(FormatTitleString, NoDateGivesMidnight) {
    TFormatSettings S;
    S.LongTimeFormat = "hh:nn:ss";
    EXPECT_EQ(FormatTitleString(0, S), "Quorlen PRO v1.0a (Merivel 00:00:00)");
}

TEST(TitleString, NamesTheProductVersion) {
    EXPECT_EQ(TitleString.rfind("Quorlen PRO v1.0a (Merivel", 0), 0u);
    ASSERT_FALSE(TitleString.empty());
    EXPECT_EQ(TitleString.back(), ')');
}
