// FormatDateTime and the date/time to text shortcuts.
#include <cmath>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"

namespace {

std::string Pad2(int V) { return V < 10 ? "0" + std::to_string(V) : std::to_string(V); }

bool StartsNoCase(std::string_view S, size_t At, std::string_view Prefix) {
    if (S.size() - At < Prefix.size()) return false;
    for (size_t i = 0; i < Prefix.size(); ++i)
        if (AsciiUpper(S[At + i]) != AsciiUpper(Prefix[i])) return false;
    return true;
}

class TDateFormatter {
public:
    TDateFormatter(TDateTime Value, const TFormatSettings& Settings) : V(Value), FS(Settings) {
        DecodeDate(V, Year, Month, Day);
        DecodeTime(V, Hour, Minute, Second, MSec);
    }

    void Append(std::string_view Fmt, int Level) {
        if (Level >= 3) return;  // settings that name each other must not loop
        if (Fmt.empty()) Fmt = "c";
        char lastToken = ' ';
        size_t p = 0;
        while (p < Fmt.size()) {
            const char starter = Fmt[p];
            char token = AsciiUpper(starter);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H') token = 'N';  // "m" after an hour is minutes
                lastToken = token;
            }
            size_t count = 1;
            auto countRun = [&] {
                count = 1;
                while (p + count < Fmt.size() && Fmt[p + count] == starter) ++count;
            };
            switch (token) {
                case 'Y':
                    countRun();
                    Out += count <= 2 ? Pad2(Year % 100) : Pad4(Year);
                    break;
                case 'M':
                    countRun();
                    if (count == 1)
                        Out += std::to_string(Month);
                    else if (count == 2)
                        Out += Pad2(Month);
                    else if (Month >= 1)
                        Out += count == 3 ? FS.ShortMonthNames[Month - 1] : FS.LongMonthNames[Month - 1];
                    break;
                case 'D':
                    countRun();
                    switch (count) {
                        case 1: Out += std::to_string(Day); break;
                        case 2: Out += Pad2(Day); break;
                        case 3: Out += FS.ShortDayNames[DayOfWeek(V) - 1]; break;
                        case 4: Out += FS.LongDayNames[DayOfWeek(V) - 1]; break;
                        case 5: Append(FS.ShortDateFormat, Level + 1); break;
                        default: Append(FS.LongDateFormat, Level + 1); break;
                    }
                    break;
                case 'H': {
                    countRun();
                    int h = Hour;
                    if (Uses12HourClock(Fmt, p + count)) {
                        h %= 12;
                        if (h == 0) h = 12;
                    }
                    Out += count == 1 ? std::to_string(h) : Pad2(h);
                    break;
                }
                case 'N':
                    countRun();
                    Out += count == 1 ? std::to_string(Minute) : Pad2(Minute);
                    break;
                case 'S':
                    countRun();
                    Out += count == 1 ? std::to_string(Second) : Pad2(Second);
                    break;
                case 'Z':
                    countRun();
                    Out += count <= 2 ? std::to_string(MSec) : Pad3(MSec);
                    break;
                case 'T':
                    countRun();
                    Append(count == 1 ? FS.ShortTimeFormat : FS.LongTimeFormat, Level + 1);
                    break;
                case 'C':
                    countRun();
                    Append(FS.ShortDateFormat, Level + 1);
                    if (Hour != 0 || Minute != 0 || Second != 0 || MSec != 0) {
                        Out += ' ';
                        Append(FS.LongTimeFormat, Level + 1);
                    }
                    break;
                case 'A':
                    if (StartsNoCase(Fmt, p, "AM/PM")) {
                        Out += Hour >= 12 ? Fmt.substr(p + 3, 2) : Fmt.substr(p, 2);
                        count = 5;
                    } else if (StartsNoCase(Fmt, p, "A/P")) {
                        Out += Hour >= 12 ? Fmt[p + 2] : Fmt[p];
                        count = 3;
                    } else if (StartsNoCase(Fmt, p, "AMPM")) {
                        Out += Hour >= 12 ? FS.TimePMString : FS.TimeAMString;
                        count = 4;
                    } else {
                        Out += starter;
                    }
                    break;
                case '/': Out += FS.DateSeparator; break;
                case ':': Out += FS.TimeSeparator; break;
                case '"':
                case '\'': {
                    size_t q = p + 1;
                    while (q < Fmt.size() && Fmt[q] != starter) ++q;
                    Out += Fmt.substr(p + 1, q - p - 1);
                    count = q < Fmt.size() ? q - p + 1 : q - p;  // an unclosed quote runs to the end
                    break;
                }
                default: Out += starter; break;
            }
            p += count;
        }
    }

    std::string Out;

private:
    static std::string Pad3(int V) {
        std::string s = std::to_string(V);
        return s.size() < 3 ? std::string(3 - s.size(), '0') + s : s;
    }
    static std::string Pad4(int V) {
        std::string s = std::to_string(V);
        return s.size() < 4 ? std::string(4 - s.size(), '0') + s : s;
    }

    // An hour shows on the 12-hour clock when an am/pm token follows it
    // before the next hour token (quoted text does not count).
    static bool Uses12HourClock(std::string_view Fmt, size_t From) {
        bool quoted = false;
        char quote = 0;
        for (size_t p = From; p < Fmt.size(); ++p) {
            const char c = Fmt[p];
            if (quoted) {
                if (c == quote) quoted = false;
                continue;
            }
            if (c == '"' || c == '\'') {
                quoted = true;
                quote = c;
            } else if (c == 'h' || c == 'H') {
                return false;
            } else if (c == 'a' || c == 'A') {
                return StartsNoCase(Fmt, p, "AM/PM") || StartsNoCase(Fmt, p, "A/P") || StartsNoCase(Fmt, p, "AMPM");
            }
        }
        return false;
    }

    TDateTime V;
    const TFormatSettings& FS;
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, MSec = 0;
};

}  // namespace

std::string FormatDateTime(std::string_view Fmt, TDateTime DateTime, const TFormatSettings& Settings) {
    TDateFormatter f(DateTime, Settings);
    f.Append(Fmt, 0);
    return f.Out;
}

std::string FormatDateTime(std::string_view Fmt, TDateTime DateTime) {
    return FormatDateTime(Fmt, DateTime, FormatSettings);
}

std::string DateToStr(TDateTime Date) { return FormatDateTime("ddddd", Date); }
std::string TimeToStr(TDateTime Time) { return FormatDateTime("tt", Time); }
std::string DateTimeToStr(TDateTime DateTime) { return FormatDateTime("c", DateTime); }
