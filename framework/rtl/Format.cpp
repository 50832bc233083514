#include "framework/rtl/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"

namespace {

// A decimal view of a double: Value = 0.Digits * 10^(Exponent + 1), that is
// the first digit stands for 10^Exponent. Rounding works on these digits,
// half away from zero, so 2.5 shows as 3 and 0.125 as 0.13 whatever the C
// library's rounding.
struct TDecimal {
    std::string Digits;  // no trailing zeros; empty for zero
    int Exponent = 0;
    bool Negative = false;

    static TDecimal Of(double Value) {
        TDecimal r;
        r.Negative = std::signbit(Value);
        if (Value == 0) return r;
        char buf[64];
        // 18 significant digits, like an extended-precision conversion.
        const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(Value), std::chars_format::scientific, 17);
        const std::string s(buf, res.ptr);
        const size_t e = s.find('e');
        for (size_t i = 0; i < e; ++i)
            if (s[i] != '.') r.Digits += s[i];
        r.Exponent = std::atoi(s.c_str() + e + 1);
        r.Trim();
        return r;
    }

    // Keeps the first Keep digits, rounding half away from zero.
    void RoundTo(int Keep) {
        if (Keep >= static_cast<int>(Digits.size())) return;
        if (Keep < 0) {
            Digits.clear();
            return;
        }
        const bool up = Digits[static_cast<size_t>(Keep)] >= '5';
        Digits.resize(static_cast<size_t>(Keep));
        if (up) {
            int i = Keep - 1;
            while (i >= 0 && Digits[static_cast<size_t>(i)] == '9') Digits[static_cast<size_t>(i--)] = '0';
            if (i >= 0) {
                ++Digits[static_cast<size_t>(i)];
            } else {
                Digits.insert(Digits.begin(), '1');
                ++Exponent;
            }
        }
        Trim();
    }

    char DigitFor(int Power) const {  // the digit standing for 10^Power
        const int i = Exponent - Power;
        return (i >= 0 && i < static_cast<int>(Digits.size())) ? Digits[static_cast<size_t>(i)] : '0';
    }

    bool IsZero() const { return Digits.empty(); }

private:
    void Trim() {
        while (!Digits.empty() && Digits.back() == '0') Digits.pop_back();
        if (Digits.empty()) Exponent = 0;
    }
};

std::string ExponentText(int Exponent, int MinDigits, bool AlwaysSign) {
    std::string d = std::to_string(std::abs(Exponent));
    if (static_cast<int>(d.size()) < MinDigits) d.insert(0, static_cast<size_t>(MinDigits) - d.size(), '0');
    if (Exponent < 0) return "E-" + d;
    return (AlwaysSign ? "E+" : "E") + d;
}

// Fixed notation of |D| with Decimals places.
std::string FixedText(const TDecimal& D, int Decimals, char DecimalSep, char ThousandSep) {
    std::string intPart;
    for (int p = std::max(D.Exponent, 0); p >= 0; --p) intPart += D.DigitFor(p);
    if (ThousandSep != 0) {
        std::string grouped;
        const int n = static_cast<int>(intPart.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) grouped += ThousandSep;
            grouped += intPart[static_cast<size_t>(i)];
        }
        intPart = grouped;
    }
    if (Decimals <= 0) return intPart;
    std::string r = intPart + DecimalSep;
    for (int p = -1; p >= -Decimals; --p) r += D.DigitFor(p);
    return r;
}

TDecimal RoundedFixed(double Value, int Decimals) {
    TDecimal d = TDecimal::Of(Value);
    d.RoundTo(d.Exponent + 1 + Decimals);
    return d;
}

std::string CurrencyText(double Value, int Decimals) {
    const TFormatSettings& fs = FormatSettings;
    const TDecimal d = RoundedFixed(Value, Decimals);
    const std::string num = FixedText(d, Decimals, fs.DecimalSeparator, fs.ThousandSeparator);
    const std::string& c = fs.CurrencyString;
    if (!d.Negative || d.IsZero()) {
        switch (fs.CurrencyFormat) {
            case 1: return num + c;
            case 2: return c + " " + num;
            case 3: return num + " " + c;
            default: return c + num;
        }
    }
    switch (fs.NegCurrFormat) {
        case 1: return "-" + c + num;
        case 2: return c + "-" + num;
        case 3: return c + num + "-";
        case 4: return "(" + num + c + ")";
        case 5: return "-" + num + c;
        case 6: return num + "-" + c;
        case 7: return num + c + "-";
        case 8: return "-" + num + " " + c;
        case 9: return "-" + c + " " + num;
        case 10: return num + " " + c + "-";
        case 11: return c + " " + num + "-";
        case 12: return c + " -" + num;
        case 13: return num + "- " + c;
        case 14: return "(" + c + " " + num + ")";
        case 15: return "(" + num + " " + c + ")";
        default: return "(" + c + num + ")";
    }
}

}  // namespace

std::string FloatToStrF(double Value, TFloatFormat Fmt, int Precision, int Digits) {
    if (std::isnan(Value)) return "NAN";
    if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
    const char sep = FormatSettings.DecimalSeparator;
    if (Precision < 1) Precision = 1;
    if (Precision > 18) Precision = 18;
    if (Digits < 0) Digits = 0;
    switch (Fmt) {
        case ffGeneral: {
            TDecimal d = TDecimal::Of(Value);
            d.RoundTo(Precision);
            if (d.IsZero()) return "0";
            std::string r = d.Negative ? "-" : "";
            if (d.Exponent >= Precision || d.Exponent < -4) {
                r += d.Digits[0];
                if (d.Digits.size() > 1) r += sep + d.Digits.substr(1);
                return r + ExponentText(d.Exponent, Digits, false);
            }
            r += FixedText(d, 0, sep, 0);
            const int decimals = static_cast<int>(d.Digits.size()) - d.Exponent - 1;
            if (decimals > 0) {
                r += sep;
                for (int p = -1; p >= -decimals; --p) r += d.DigitFor(p);
            }
            return r;
        }
        case ffExponent: {
            TDecimal d = TDecimal::Of(Value);
            d.RoundTo(Precision);
            std::string digits = d.Digits.empty() ? "0" : d.Digits;
            digits.resize(static_cast<size_t>(Precision), '0');
            std::string r = d.Negative && !d.IsZero() ? "-" : "";
            r += digits[0];
            if (digits.size() > 1) r += sep + digits.substr(1);
            return r + ExponentText(d.Exponent, Digits, true);
        }
        case ffFixed:
        case ffNumber: {
            if (Digits > 18) Digits = 18;
            if (std::fabs(Value) >= 1e18) return FloatToStrF(Value, ffGeneral, Precision, 0);
            const TDecimal d = RoundedFixed(Value, Digits);
            const std::string num = FixedText(d, Digits, sep, Fmt == ffNumber ? FormatSettings.ThousandSeparator : 0);
            return d.Negative && !d.IsZero() ? "-" + num : num;
        }
        case ffCurrency:
            if (Digits > 18) Digits = 18;
            if (std::fabs(Value) >= 1e18) return FloatToStrF(Value, ffGeneral, Precision, 0);
            return CurrencyText(Value, Digits);
    }
    return {};
}

namespace {

[[noreturn]] void FormatError(std::string_view Fmt) {
    throw EConvertError("Format '" + std::string(Fmt) + "' invalid or incompatible with argument");
}

class TFormatter {
public:
    TFormatter(std::string_view Fmt, const TVarRec* Args, size_t Count) : F(Fmt), A(Args), N(Count) {}

    std::string Run() {
        std::string out;
        size_t i = 0;
        while (i < F.size()) {
            const char c = F[i++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (i >= F.size()) FormatError(F);
            if (F[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            out += Directive(i);
        }
        return out;
    }

private:
    std::string_view F;
    const TVarRec* A;
    size_t N;
    size_t Next = 0;  // index of the next argument

    const TVarRec& TakeArg() {
        if (Next >= N) FormatError(F);
        return A[Next++];
    }

    // Reads a number or '*' (taken from the arguments); -1 when neither.
    int Number(size_t& i) {
        if (i < F.size() && F[i] == '*') {
            ++i;
            const TVarRec& v = TakeArg();
            if (v.Kind != TVarRec::vtInteger && v.Kind != TVarRec::vtInt64) FormatError(F);
            if (v.I < 0 || v.I > 0xFFFF) return 0;  // negative or absurd sizes mean none
            return static_cast<int>(v.I);
        }
        if (i >= F.size() || F[i] < '0' || F[i] > '9') return -1;
        int n = 0;
        while (i < F.size() && F[i] >= '0' && F[i] <= '9') {
            n = n * 10 + (F[i++] - '0');
            if (n > 0xFFFF) FormatError(F);
        }
        return n;
    }

    std::string Directive(size_t& i) {
        bool left = false;
        int width = -1, precision = -1;
        // index ":" — a number followed by ':' selects the argument.
        {
            size_t j = i;
            const int n = Number(j);
            if (n >= 0 && j < F.size() && F[j] == ':') {
                Next = static_cast<size_t>(n);
                i = j + 1;
            } else if (n >= 0) {
                width = n;
                i = j;
            }
        }
        if (width < 0) {
            if (i < F.size() && F[i] == '-') {
                left = true;
                ++i;
            }
            width = Number(i);
        }
        if (i < F.size() && F[i] == '.') {
            ++i;
            precision = Number(i);
            if (precision < 0) FormatError(F);
        }
        if (i >= F.size()) FormatError(F);
        const char type = static_cast<char>(F[i++] | 0x20);  // lower case
        std::string text = Convert(type, precision);
        if (width > 0 && static_cast<int>(text.size()) < width) {
            const std::string pad(static_cast<size_t>(width) - text.size(), ' ');
            text = left ? text + pad : pad + text;
        }
        return text;
    }

    std::string Convert(char Type, int Precision) {
        switch (Type) {
            case 'd': {
                const TVarRec& v = TakeArg();
                bool negative;
                uint64_t magnitude;
                if (v.Kind == TVarRec::vtInteger || v.Kind == TVarRec::vtInt64) {
                    negative = v.I < 0;
                    magnitude = negative ? 0 - static_cast<uint64_t>(v.I) : static_cast<uint64_t>(v.I);
                } else if (v.Kind == TVarRec::vtUInt64) {
                    negative = false;
                    magnitude = v.U;
                } else {
                    FormatError(F);
                }
                std::string digits = std::to_string(magnitude);
                if (Precision > static_cast<int>(digits.size()))
                    digits.insert(0, static_cast<size_t>(Precision) - digits.size(), '0');
                return negative ? "-" + digits : digits;
            }
            case 'u': {
                const TVarRec& v = TakeArg();
                uint64_t u;
                if (v.Kind == TVarRec::vtInteger)
                    u = static_cast<uint32_t>(v.I);
                else if (v.Kind == TVarRec::vtInt64)
                    u = static_cast<uint64_t>(v.I);
                else if (v.Kind == TVarRec::vtUInt64)
                    u = v.U;
                else
                    FormatError(F);
                std::string digits = std::to_string(u);
                if (Precision > static_cast<int>(digits.size()))
                    digits.insert(0, static_cast<size_t>(Precision) - digits.size(), '0');
                return digits;
            }
            case 'x': {
                const TVarRec& v = TakeArg();
                uint64_t u;
                if (v.Kind == TVarRec::vtInteger)
                    u = static_cast<uint32_t>(v.I);
                else if (v.Kind == TVarRec::vtInt64)
                    u = static_cast<uint64_t>(v.I);
                else if (v.Kind == TVarRec::vtUInt64)
                    u = v.U;
                else
                    FormatError(F);
                static const char hex[] = "0123456789ABCDEF";
                std::string digits;
                do {
                    digits.insert(digits.begin(), hex[u & 15]);
                    u >>= 4;
                } while (u != 0);
                if (Precision > static_cast<int>(digits.size()))
                    digits.insert(0, static_cast<size_t>(Precision) - digits.size(), '0');
                return digits;
            }
            case 'e':
            case 'f':
            case 'g':
            case 'n':
            case 'm': {
                const TVarRec& v = TakeArg();
                if (v.Kind != TVarRec::vtExtended) FormatError(F);
                switch (Type) {
                    case 'e': return FloatToStrF(v.D, ffExponent, Precision < 0 ? 15 : Precision, 3);
                    case 'f': return FloatToStrF(v.D, ffFixed, 18, Precision < 0 ? 2 : Precision);
                    case 'g': return FloatToStrF(v.D, ffGeneral, Precision < 0 ? 15 : Precision, 3);
                    case 'n': return FloatToStrF(v.D, ffNumber, 18, Precision < 0 ? 2 : Precision);
                    default:
                        return FloatToStrF(v.D, ffCurrency, 18,
                                           Precision < 0 ? FormatSettings.CurrencyDecimals : Precision);
                }
            }
            case 's': {
                const TVarRec& v = TakeArg();
                if (v.Kind != TVarRec::vtString && v.Kind != TVarRec::vtChar) FormatError(F);
                if (Precision >= 0 && Precision < static_cast<int>(v.S.size()))
                    return v.S.substr(0, static_cast<size_t>(Precision));
                return v.S;
            }
            case 'p': {
                const TVarRec& v = TakeArg();
                if (v.Kind != TVarRec::vtPointer) FormatError(F);
                static const char hex[] = "0123456789ABCDEF";
                uintptr_t u = reinterpret_cast<uintptr_t>(v.P);
                std::string digits(sizeof(void*) * 2, '0');
                for (size_t k = digits.size(); k-- > 0; u >>= 4) digits[k] = hex[u & 15];
                return digits;
            }
            default: FormatError(F);
        }
    }
};

}  // namespace

std::string FormatArgs(std::string_view Fmt, const TVarRec* Args, size_t ArgCount) {
    return TFormatter(Fmt, Args, ArgCount).Run();
}

std::string Format(std::string_view Fmt, std::initializer_list<TVarRec> Args) {
    return FormatArgs(Fmt, Args.begin(), Args.size());
}
