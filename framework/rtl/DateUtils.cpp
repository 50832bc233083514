#include "framework/rtl/DateUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/PlatformFormatSettings.h"

// Initialised here, in the file that defines it, so no other static
// initialiser can see it unset.
TFormatSettings FormatSettings = PlatformFormatSettings();

namespace {
const int DaysBeforeMonth[2][13] = {{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
                                    {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335}};
// Days from 1 Jan 0001 to 30 Dec 1899.
constexpr int DateDelta = 693594;
}  // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
    static const int days[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month)) return false;
    const int y = Year - 1;
    const int days = y * 365 + y / 4 - y / 100 + y / 400 + DaysBeforeMonth[IsLeapYear(Year)][Month] + Day;
    Date = static_cast<double>(days - DateDelta);
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
    TDateTime d;
    if (!TryEncodeDate(Year, Month, Day, d)) throw EConvertError("Invalid argument to date encode");
    return d;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999) return false;
    Time = (Hour * 3600000.0 + Min * 60000.0 + Sec * 1000.0 + MSec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
    TDateTime t;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, t)) throw EConvertError("Invalid argument to time encode");
    return t;
}

namespace {
// Splits into whole days and milliseconds of the day, rounding to the
// nearest millisecond. Dates before 1899 count time forwards from the
// (negative) day as well: -1.25 is 29 Dec 1899 06:00.
void SplitDateTime(TDateTime DateTime, int64_t& Days, int64_t& MSecs) {
    // Garbage (NaN, far outside 0001..9999) decodes as the epoch rather
    // than overflowing the integer conversion.
    if (!std::isfinite(DateTime) || std::fabs(DateTime) > 1e7) DateTime = 0;
    const double whole = std::trunc(DateTime);
    const double frac = std::fabs(DateTime - whole);
    Days = static_cast<int64_t>(whole);
    MSecs = static_cast<int64_t>(std::llround(frac * MSecsPerDay));
    if (MSecs >= static_cast<int64_t>(MSecsPerDay)) {
        MSecs -= static_cast<int64_t>(MSecsPerDay);
        Days += DateTime < 0 ? -1 : 1;
    }
}
}  // namespace

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
    int64_t days, msecs;
    SplitDateTime(Date, days, msecs);
    int64_t t = days + DateDelta;  // days since 1 Jan 0001, 1-based below
    if (t <= 0 || t > 3652059) {
        Year = Month = Day = 0;
        return;
    }
    --t;
    int64_t y = 1;
    y += (t / 146097) * 400;
    t %= 146097;
    int64_t i = t / 36524;
    if (i == 4) i = 3;  // last day of a 400-year cycle
    y += i * 100;
    t -= i * 36524;
    y += (t / 1461) * 4;
    t %= 1461;
    i = t / 365;
    if (i == 4) i = 3;  // last day of a leap cycle
    y += i;
    t -= i * 365;
    Year = static_cast<int>(y);
    const bool leap = IsLeapYear(Year);
    int m = 1;
    while (m < 12 && t >= DaysBeforeMonth[leap][m + 1]) ++m;
    Month = m;
    Day = static_cast<int>(t - DaysBeforeMonth[leap][m]) + 1;
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
    int64_t days, msecs;
    SplitDateTime(Time, days, msecs);
    Hour = static_cast<int>(msecs / 3600000);
    Min = static_cast<int>(msecs / 60000 % 60);
    Sec = static_cast<int>(msecs / 1000 % 60);
    MSec = static_cast<int>(msecs % 1000);
}

int DayOfWeek(TDateTime Date) {
    int64_t days, msecs;
    SplitDateTime(Date, days, msecs);
    // 30 Dec 1899 was a Saturday (7).
    int64_t d = (days + 6) % 7;
    if (d < 0) d += 7;
    return static_cast<int>(d) + 1;
}

TDateTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const time_t t = system_clock::to_time_t(now);
    const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    struct tm lt {};
#ifdef _WIN32
    localtime_s(&lt, &t);
#else
    localtime_r(&t, &lt);
#endif
    return EncodeDate(lt.tm_year + 1900, lt.tm_mon + 1, lt.tm_mday) +
           EncodeTime(lt.tm_hour, lt.tm_min, lt.tm_sec > 59 ? 59 : lt.tm_sec, ms < 0 ? 0 : ms);
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
    const TDateTime n = Now();
    return n - std::trunc(n);
}

TDateTime FileDateToDateTime(int32_t FileDate) {
    const uint32_t d = static_cast<uint32_t>(FileDate);
    const int year = static_cast<int>((d >> 25) & 0x7F) + 1980;
    const int month = static_cast<int>((d >> 21) & 0x0F);
    const int day = static_cast<int>((d >> 16) & 0x1F);
    const int hour = static_cast<int>((d >> 11) & 0x1F);
    const int minute = static_cast<int>((d >> 5) & 0x3F);
    const int sec = static_cast<int>(d & 0x1F) * 2;
    TDateTime date, time;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, sec, 0, time)) return 0.0;
    return date + time;
}

int32_t DateTimeToFileDate(TDateTime DateTime) {
    int year, month, day, hour, minute, sec, msec;
    DecodeDate(DateTime, year, month, day);
    if (year < 1980 || year > 2107) return 0;
    DecodeTime(DateTime, hour, minute, sec, msec);
    return static_cast<int32_t>((static_cast<uint32_t>(year - 1980) << 25) | (static_cast<uint32_t>(month) << 21) |
                                (static_cast<uint32_t>(day) << 16) | (static_cast<uint32_t>(hour) << 11) |
                                (static_cast<uint32_t>(minute) << 5) | (static_cast<uint32_t>(sec) >> 1));
}
