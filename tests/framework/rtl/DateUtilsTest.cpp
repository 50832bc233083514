#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(DateEncoding, EpochAndKnownDays) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DateEncoding, InvalidPartsRaiseOrFail) {
    TDateTime d = 7;
    EXPECT_FALSE(TryEncodeDate(2001, 2, 29, d));
    EXPECT_TRUE(TryEncodeDate(2000, 2, 29, d)) << "2000 is a leap year";
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, d)) << "1900 is not";
    EXPECT_FALSE(TryEncodeDate(2000, 13, 1, d));
    EXPECT_FALSE(TryEncodeDate(0, 1, 1, d));
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, d));
    EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, d));
    EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, d));
    EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(25, 0, 0, 0), EConvertError);
}

TEST(DateEncoding, DecodeRoundTripsAcrossCenturies) {
    for (int y : {1, 1600, 1899, 1900, 1999, 2000, 2024, 2100, 9999})
        for (int m : {1, 2, 12}) {
            const int last = DaysInAMonth(y, m);
            for (int d : {1, last}) {
                int yy, mm, dd;
                DecodeDate(EncodeDate(y, m, d), yy, mm, dd);
                EXPECT_EQ(yy * 10000 + mm * 100 + dd, y * 10000 + m * 100 + d);
            }
        }
}

TEST(DateEncoding, DecodeTimeRoundsToTheMillisecond) {
    int h, n, s, ms;
    DecodeTime(EncodeDate(2020, 1, 1) + EncodeTime(23, 59, 59, 999), h, n, s, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 235959999);
    // 0.1 s short of midnight is still the same day.
    int y, m, d;
    const TDateTime t = EncodeDate(2020, 1, 1) + (MSecsPerDay - 100) / MSecsPerDay;
    DecodeDate(t, y, m, d);
    EXPECT_EQ(d, 1);
    // Before the epoch, the fraction is still the time of day.
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(h, 6);
    DecodeDate(-1.25, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 1)), 2);  // a Monday
    EXPECT_EQ(DayOfWeek(0), 7);                       // 30 Dec 1899, a Saturday
    DecodeDate(NAN, y, m, d);                         // garbage must not overflow the conversion
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991230);
    DecodeDate(1e300, y, m, d);
    EXPECT_EQ(y, 1899);
}

TEST(DosDates, RoundTripKeepsEvenSeconds) {
    const TDateTime t = EncodeDate(2004, 2, 29) + EncodeTime(13, 7, 44, 0);
    const int32_t packed = DateTimeToFileDate(t);
    EXPECT_EQ(static_cast<uint32_t>(packed), ((24u << 25) | (2u << 21) | (29u << 16) | (13u << 11) | (7u << 5) | 22u));
    EXPECT_DOUBLE_EQ(FileDateToDateTime(packed), t);
}

TEST(DosDates, OddSecondsRoundDownToTwo) {
    const TFormatSettings saved = FormatSettings;
    FormatSettings = TFormatSettings{};
    const int32_t odd = DateTimeToFileDate(EncodeDate(2010, 6, 1) + EncodeTime(8, 0, 59, 999));
    EXPECT_EQ(FormatDateTime("hh:nn:ss", FileDateToDateTime(odd)), "08:00:58");
    FormatSettings = saved;
}

TEST(DosDates, InvalidOrOutOfRangeGiveZero) {
    EXPECT_EQ(FileDateToDateTime(0), 0.0);
    EXPECT_EQ(FileDateToDateTime(-1), 0.0);                      // month 15, day 31, hour 31
    EXPECT_EQ(FileDateToDateTime((2 << 21) | (30 << 16)), 0.0);  // 30 Feb 1980
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(1979, 12, 31)), 0);
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(2108, 1, 1)), 0);
    EXPECT_NE(DateTimeToFileDate(EncodeDate(2107, 12, 31)), 0);
}

class DateFormatting : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = FormatSettings;
        FormatSettings = TFormatSettings{};  // the built-in defaults, whatever the locale
    }
    void TearDown() override { FormatSettings = Saved; }
    TFormatSettings Saved;
    // Tuesday 5 March 2024, 14:07:09.045
    const TDateTime T = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
};

TEST_F(DateFormatting, DateTokens) {
    EXPECT_EQ(FormatDateTime("d/m/yy", T), "5/3/24");
    EXPECT_EQ(FormatDateTime("dd-mm-yyyy", T), "05-03-2024");
    EXPECT_EQ(FormatDateTime("ddd dddd", T), "Tue Tuesday");
    EXPECT_EQ(FormatDateTime("mmm mmmm", T), "Mar March");
    EXPECT_EQ(FormatDateTime("ddddd", T), "05/03/2024");
    EXPECT_EQ(FormatDateTime("dddddd", T), "Tuesday, 5 March 2024");
    EXPECT_EQ(FormatDateTime("YYYY.MM.DD", T), "2024.03.05");
}

TEST_F(DateFormatting, TimeTokensAndMinuteVersusMonth) {
    EXPECT_EQ(FormatDateTime("h:n:s", T), "14:7:9");
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", T), "14:07:09.045");
    EXPECT_EQ(FormatDateTime("z", T), "45");
    EXPECT_EQ(FormatDateTime("hh:mm", T), "14:07") << "m after an hour is the minute";
    EXPECT_EQ(FormatDateTime("hh mm", T), "14 07");
    EXPECT_EQ(FormatDateTime("mm hh", T), "03 14") << "m before an hour is the month";
    EXPECT_EQ(FormatDateTime("hh:mm dd/mm", T), "14:07 05/03");
    EXPECT_EQ(FormatDateTime("t", T), "14:07");
    EXPECT_EQ(FormatDateTime("tt", T), "14:07:09");
}

TEST_F(DateFormatting, TwelveHourClock) {
    EXPECT_EQ(FormatDateTime("h:nn am/pm", T), "2:07 pm");
    EXPECT_EQ(FormatDateTime("hh:nn AM/PM", T), "02:07 PM");
    EXPECT_EQ(FormatDateTime("h a/p", T), "2 p");
    EXPECT_EQ(FormatDateTime("h A/P", EncodeTime(0, 30, 0, 0)), "12 A") << "midnight is 12 am";
    EXPECT_EQ(FormatDateTime("h ampm", EncodeTime(12, 0, 0, 0)), "12 PM");
    FormatSettings.TimeAMString = "vorm.";
    EXPECT_EQ(FormatDateTime("h ampm", EncodeTime(9, 0, 0, 0)), "9 vorm.");
    EXPECT_EQ(FormatDateTime("hh \"am/pm\"", T), "14 am/pm") << "quoted am/pm is text";
    EXPECT_EQ(FormatDateTime("hh:nn ax", T), "14:07 ax") << "an 'a' that is no am/pm token is text";
}

TEST_F(DateFormatting, LiteralsSeparatorsAndDefaults) {
    EXPECT_EQ(FormatDateTime("\"day\" d 'of' mmmm", T), "day 5 of March");
    EXPECT_EQ(FormatDateTime("'open", T), "open");
    FormatSettings.DateSeparator = '.';
    FormatSettings.TimeSeparator = '-';
    EXPECT_EQ(FormatDateTime("dd/mm hh:nn", T), "05.03 14-07");
    EXPECT_EQ(FormatDateTime("c", T), "05.03.2024 14-07-09");
    EXPECT_EQ(FormatDateTime("", EncodeDate(2024, 3, 5)), "05.03.2024") << "midnight shows no time";
    EXPECT_EQ(DateToStr(T), "05.03.2024");
    EXPECT_EQ(TimeToStr(T), "14-07-09");
}

TEST_F(DateFormatting, SelfReferringSettingsDoNotLoop) {
    FormatSettings.ShortDateFormat = "c";
    EXPECT_NO_THROW(FormatDateTime("c", T));
}

TEST(DateNow, NowIsTodayPlusTime) {
    const TDateTime before = Now();
    const TDateTime d = Date(), t = Time();
    EXPECT_EQ(d, std::trunc(d));
    EXPECT_GE(t, 0);
    EXPECT_LT(t, 1);
    EXPECT_GT(before, EncodeDate(2020, 1, 1));
    EXPECT_NEAR(d + t, before, 1.0 / 24);
}
