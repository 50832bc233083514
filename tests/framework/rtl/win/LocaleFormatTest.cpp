#include <gtest/gtest.h>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/PlatformFormatSettings.h"
#include "framework/rtl/win/LocaleFormat.h"
#include "framework/rtl/win/WinApi.h"

TEST(LocaleFormat, TwelveHourPictureGetsMinutesAndAmPm) {
    EXPECT_EQ(TranslateLocaleTimeFormat("h:mm:ss tt"), "h:nn:ss AMPM");
    EXPECT_EQ(TranslateLocaleTimeFormat("tt hh:mm:ss"), "AMPM hh:nn:ss");
    EXPECT_EQ(TranslateLocaleTimeFormat("h:m:s t"), "h:n:s AMPM");
}

TEST(LocaleFormat, TwentyFourHourPicture) {
    EXPECT_EQ(TranslateLocaleTimeFormat("HH:mm:ss"), "hh:nn:ss");
    EXPECT_EQ(TranslateLocaleTimeFormat("H.mm.ss"), "h.nn.ss");
}

TEST(LocaleFormat, QuotedAndStrayLettersStayText) {
    EXPECT_EQ(TranslateLocaleTimeFormat("H' Uhr 'mm"), "h\" Uhr \"nn");
    EXPECT_EQ(TranslateLocaleTimeFormat("HH'h'mm"), "hh\"h\"nn");
    EXPECT_EQ(TranslateLocaleTimeFormat("HH 'o''clock'"), "hh \"o'clock\"");
}

TEST(LocaleFormat, DatePictures) {
    EXPECT_EQ(TranslateLocaleDateFormat("M/d/yyyy", '/'), "m/d/yyyy");
    EXPECT_EQ(TranslateLocaleDateFormat("dd.MM.yyyy", '.'), "dd/mm/yyyy");
    EXPECT_EQ(TranslateLocaleDateFormat("yy-MM-dd", '-'), "yy/mm/dd");
    EXPECT_EQ(TranslateLocaleDateFormat("gg y/M/d", '/'), " yy/m/d");
}

TEST(LocaleFormat, TranslatedPictureFormatsTheTime) {
    TFormatSettings Settings;
    Settings.LongTimeFormat = TranslateLocaleTimeFormat("h:mm:ss tt");
    EXPECT_EQ(FormatDateTime(Settings.LongTimeFormat, EncodeTime(13, 5, 9, 0), Settings), "1:05:09 PM");
    EXPECT_EQ(FormatDateTime(Settings.LongTimeFormat, 0.0, Settings), "12:00:00 AM");
}

TEST(LocaleFormat, SettingsComeFromTheUserLocale) {
    TFormatSettings Settings;
    Settings.LongTimeFormat.clear();
    Settings.ShortDateFormat.clear();
    GetLocaleFormatSettings(Settings);
    EXPECT_FALSE(Settings.LongTimeFormat.empty());
    EXPECT_FALSE(Settings.ShortDateFormat.empty());
    EXPECT_NE(Settings.LongTimeFormat.find('n'), std::string::npos);  // minutes, not months
    char Expected[16] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, Expected, sizeof(Expected));
    EXPECT_EQ(Settings.TimeSeparator, Expected[0]);
}

TEST(LocaleFormat, GlobalSettingsStartFromTheLocale) {
    TFormatSettings Locale;
    GetLocaleFormatSettings(Locale);
    EXPECT_EQ(PlatformFormatSettings().LongTimeFormat, Locale.LongTimeFormat);
    EXPECT_EQ(FormatSettings.LongTimeFormat, Locale.LongTimeFormat);
    EXPECT_EQ(FormatSettings.ShortDateFormat, Locale.ShortDateFormat);
    EXPECT_EQ(FormatSettings.TimeAMString, Locale.TimeAMString);
}
