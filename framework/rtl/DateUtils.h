#pragma once
// Dates and times: TDateTime counts days since 30 Dec 1899, the time of day
// as the fraction.
#include <cstdint>
#include <string>
#include <string_view>

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = 24 * 60;
constexpr double SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = SecsPerDay * 1000;

bool IsLeapYear(int Year);
int DaysInAMonth(int Year, int Month);

// Raise EConvertError "Invalid argument to date encode" /
// "Invalid argument to time encode".
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime Date);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Packed DOS date-time: date in the high word (year-1980:7, month:4,
// day:5), time in the low word (hour:5, minute:6, seconds/2:5).
// 0 or an invalid value gives 0.0.
TDateTime FileDateToDateTime(int32_t FileDate);
// Seconds round down to even; dates outside 1980..2107 give 0.
int32_t DateTimeToFileDate(TDateTime DateTime);

struct TFormatSettings {
    std::string LongTimeFormat = "hh:nn:ss";
    std::string ShortTimeFormat = "hh:nn";
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd, d mmmm yyyy";
    char TimeSeparator = ':';
    char DateSeparator = '/';
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    // Money ("%m"): CurrencyFormat 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $";
    // NegCurrFormat 0..15 the classic negative patterns, 0 = "($1)".
    std::string CurrencyString = "$";
    int CurrencyFormat = 0;
    int NegCurrFormat = 0;
    int CurrencyDecimals = 2;
    std::string ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
    std::string ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::string LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
};
extern TFormatSettings FormatSettings;

// Formats with the tokens c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz t tt am/pm a/p ampm / : and "..." or '...' literals.
// "m" right after an hour token means minutes.
std::string FormatDateTime(std::string_view Fmt, TDateTime DateTime);
std::string FormatDateTime(std::string_view Fmt, TDateTime DateTime, const TFormatSettings& Settings);
std::string DateToStr(TDateTime Date);
std::string TimeToStr(TDateTime Time);
std::string DateTimeToStr(TDateTime DateTime);
