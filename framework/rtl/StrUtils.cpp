#include "framework/rtl/StrUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Format.h"

int Pos(std::string_view Sub, std::string_view S) { return PosEx(Sub, S, 1); }

int PosEx(std::string_view Sub, std::string_view S, int Offset) {
    if (Sub.empty() || Offset < 1 || static_cast<size_t>(Offset) > S.size()) return 0;
    size_t at = S.find(Sub, static_cast<size_t>(Offset - 1));
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Copy(std::string_view S, int Index, int Count) {
    if (Index < 1) Index = 1;
    const int64_t len = static_cast<int64_t>(S.size());
    if (Count <= 0 || Index > len) return {};
    const int64_t n = std::min<int64_t>(Count, len - Index + 1);
    return std::string(S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(n)));
}

void Delete(std::string& S, int Index, int Count) {
    const int64_t len = static_cast<int64_t>(S.size());
    if (Index < 1 || Index > len || Count <= 0) return;
    const int64_t n = std::min<int64_t>(Count, len - Index + 1);
    S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(n));
}

void Insert(std::string_view Sub, std::string& S, int Index) {
    if (Index < 1) Index = 1;
    const size_t at = std::min<size_t>(static_cast<size_t>(Index - 1), S.size());
    S.insert(at, Sub);
}

std::string StringOfChar(char Ch, int Count) {
    return Count > 0 ? std::string(static_cast<size_t>(Count), Ch) : std::string();
}

namespace {
bool IsBlank(char C) { return static_cast<unsigned char>(C) <= ' '; }
}  // namespace

std::string Trim(std::string_view S) { return TrimRight(TrimLeft(S)); }

std::string TrimLeft(std::string_view S) {
    size_t i = 0;
    while (i < S.size() && IsBlank(S[i])) ++i;
    return std::string(S.substr(i));
}

std::string TrimRight(std::string_view S) {
    size_t n = S.size();
    while (n > 0 && IsBlank(S[n - 1])) --n;
    return std::string(S.substr(0, n));
}

std::string UpperCase(std::string_view S) {
    std::string r(S);
    for (char& c : r) c = AsciiUpper(c);
    return r;
}

std::string LowerCase(std::string_view S) {
    std::string r(S);
    for (char& c : r) c = AsciiLower(c);
    return r;
}

int CompareStr(std::string_view S1, std::string_view S2) {
    const size_t n = std::min(S1.size(), S2.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = static_cast<unsigned char>(S1[i]) - static_cast<unsigned char>(S2[i]);
        if (d != 0) return d;
    }
    return S1.size() < S2.size() ? -1 : (S1.size() > S2.size() ? 1 : 0);
}

int CompareText(std::string_view S1, std::string_view S2) {
    const size_t n = std::min(S1.size(), S2.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = static_cast<unsigned char>(AsciiUpper(S1[i])) - static_cast<unsigned char>(AsciiUpper(S2[i]));
        if (d != 0) return d;
    }
    return S1.size() < S2.size() ? -1 : (S1.size() > S2.size() ? 1 : 0);
}

bool SameStr(std::string_view S1, std::string_view S2) { return S1 == S2; }
bool SameText(std::string_view S1, std::string_view S2) { return S1.size() == S2.size() && CompareText(S1, S2) == 0; }
bool AnsiSameText(std::string_view S1, std::string_view S2) { return AnsiCompareText(S1, S2) == 0; }
bool AnsiSameStr(std::string_view S1, std::string_view S2) { return AnsiCompareStr(S1, S2) == 0; }

bool StartsText(std::string_view SubText, std::string_view Text) {
    return SubText.size() <= Text.size() && AnsiSameText(SubText, Text.substr(0, SubText.size()));
}

bool EndsText(std::string_view SubText, std::string_view Text) {
    return SubText.size() <= Text.size() && AnsiSameText(SubText, Text.substr(Text.size() - SubText.size()));
}

std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags) {
    if (OldPattern.empty()) return std::string(S);
    const bool ignoreCase = Flags.Contains(rfIgnoreCase);
    // Searching an upper-cased copy keeps positions aligned: the mapping
    // is one byte to one byte.
    const std::string hay = ignoreCase ? AnsiUpperCase(S) : std::string(S);
    const std::string needle = ignoreCase ? AnsiUpperCase(OldPattern) : std::string(OldPattern);
    std::string result;
    size_t from = 0;
    for (;;) {
        const size_t at = hay.find(needle, from);
        if (at == std::string::npos) break;
        result.append(S.substr(from, at - from));
        result.append(NewPattern);
        from = at + needle.size();
        if (!Flags.Contains(rfReplaceAll)) break;
    }
    result.append(S.substr(from));
    return result;
}

std::string QuotedStr(std::string_view S) { return AnsiQuotedStr(S, '\''); }

std::string AnsiQuotedStr(std::string_view S, char Quote) {
    std::string r;
    r.reserve(S.size() + 2);
    r += Quote;
    for (char c : S) {
        if (c == Quote) r += Quote;
        r += c;
    }
    r += Quote;
    return r;
}

std::string AnsiDequotedStr(std::string_view S, char Quote) {
    if (S.empty() || S[0] != Quote) return std::string(S);
    std::string r;
    size_t i = 1;
    while (i < S.size()) {
        if (S[i] == Quote) {
            if (i + 1 < S.size() && S[i + 1] == Quote) {
                r += Quote;
                i += 2;
                continue;
            }
            return r;  // closing quote; anything after it is ignored
        }
        r += S[i++];
    }
    return r;  // no closing quote: the text as far as it goes
}

std::string IntToStr(int64_t Value) { return std::to_string(Value); }

std::string IntToHexBits(uint64_t Bits, int Digits) {
    static const char hex[] = "0123456789ABCDEF";
    std::string r;
    do {
        r.insert(r.begin(), hex[Bits & 15]);
        Bits >>= 4;
    } while (Bits != 0);
    if (Digits > 32) Digits = 32;
    if (static_cast<int>(r.size()) < Digits) r.insert(0, static_cast<size_t>(Digits) - r.size(), '0');
    return r;
}

std::string IntToHex(int64_t Value, int Digits) { return IntToHexBits(static_cast<uint64_t>(Value), Digits); }
std::string IntToHex(int Value, int Digits) { return IntToHexBits(static_cast<uint32_t>(Value), Digits); }

namespace {
// Parses an integer of Bits width (32 or 64). Decimal must fit the signed
// range; hexadecimal may use the full unsigned range and wraps.
bool ParseInteger(std::string_view S, int Bits, int64_t& Out) {
    size_t i = 0;
    while (i < S.size() && (S[i] == ' ' || S[i] == '\t')) ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == '+' || S[i] == '-')) {
        negative = S[i] == '-';
        ++i;
    }
    bool hexa = false;
    if (i < S.size() && S[i] == '$') {
        hexa = true;
        ++i;
    } else if (i + 1 < S.size() && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
        hexa = true;
        i += 2;
    } else if (i < S.size() && (S[i] == 'x' || S[i] == 'X')) {
        hexa = true;
        ++i;
    }
    if (i >= S.size()) return false;
    const uint64_t unsignedMax = Bits == 32 ? 0xFFFFFFFFull : ~0ull;
    const uint64_t signedLimit = (Bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull) + (negative ? 1 : 0);
    uint64_t v = 0;
    for (; i < S.size(); ++i) {
        const char c = S[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hexa && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hexa && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        const uint64_t base = hexa ? 16 : 10;
        const uint64_t limit = hexa ? unsignedMax : signedLimit;
        if (v > (limit - static_cast<uint64_t>(d)) / base) return false;
        v = v * base + static_cast<uint64_t>(d);
    }
    if (negative) v = 0 - v;
    Out = Bits == 32 ? static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(v))) : static_cast<int64_t>(v);
    return true;
}

[[noreturn]] void InvalidInteger(std::string_view S) {
    throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
}
}  // namespace

bool TryStrToInt(std::string_view S, int& Value) {
    int64_t v;
    if (!ParseInteger(S, 32, v)) return false;
    Value = static_cast<int>(v);
    return true;
}

int StrToInt(std::string_view S) {
    int v;
    if (!TryStrToInt(S, v)) InvalidInteger(S);
    return v;
}

int StrToIntDef(std::string_view S, int Default) {
    int v;
    return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToInt64(std::string_view S, int64_t& Value) { return ParseInteger(S, 64, Value); }

int64_t StrToInt64(std::string_view S) {
    int64_t v;
    if (!TryStrToInt64(S, v)) InvalidInteger(S);
    return v;
}

int64_t StrToInt64Def(std::string_view S, int64_t Default) {
    int64_t v;
    return TryStrToInt64(S, v) ? v : Default;
}

std::string FloatToStr(double Value) { return FloatToStrF(Value, ffGeneral, 15, 0); }

bool TryStrToFloat(std::string_view S, double& Value) {
    const std::string t = Trim(S);
    // Validate the shape ourselves: strtod would also take "inf", "nan",
    // hexadecimal and the C locale's '.' regardless of our separator.
    std::string c;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) c += t[i++];
    int digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') c += t[i++], ++digits;
    if (i < t.size() && t[i] == FormatSettings.DecimalSeparator) {
        c += '.';
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') c += t[i++], ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) c += t[i++];
        int expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') c += t[i++], ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != t.size()) return false;
    const double v = std::strtod(c.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    Value = v;
    return true;
}

double StrToFloat(std::string_view S) {
    double v;
    if (!TryStrToFloat(S, v)) throw EConvertError("'" + std::string(S) + "' is not a valid floating point value");
    return v;
}

double StrToFloatDef(std::string_view S, double Default) {
    double v;
    return TryStrToFloat(S, v) ? v : Default;
}

std::string BoolToStr(bool B, bool UseBoolStrs) {
    if (UseBoolStrs) return B ? "True" : "False";
    return B ? "-1" : "0";
}
