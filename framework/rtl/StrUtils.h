#pragma once
// String helpers. Positions count from 1 like the rest of the framework's
// string routines; out-of-range arguments are clamped, never undefined.
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// 1-based position of Sub in S; 0 when not found (or Sub is empty).
int Pos(std::string_view Sub, std::string_view S);
// Pos starting the search at 1-based Offset.
int PosEx(std::string_view Sub, std::string_view S, int Offset = 1);
// Count characters from 1-based Index, clamped to the string.
std::string Copy(std::string_view S, int Index, int Count);
void Delete(std::string& S, int Index, int Count);
void Insert(std::string_view Sub, std::string& S, int Index);
std::string StringOfChar(char Ch, int Count);

// Remove characters <= ' ' (blanks and control characters).
std::string Trim(std::string_view S);
std::string TrimLeft(std::string_view S);
std::string TrimRight(std::string_view S);

// ASCII-only case mapping.
// Case folding of ASCII letters only; every other byte stays as it is.
constexpr char AsciiUpper(char C) { return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C; }
constexpr char AsciiLower(char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C; }
std::string UpperCase(std::string_view S);
std::string LowerCase(std::string_view S);
// Case mapping in the current ANSI locale (platform file).
std::string AnsiUpperCase(std::string_view S);
std::string AnsiLowerCase(std::string_view S);

// Comparisons returning <0, 0 or >0.
int CompareStr(std::string_view S1, std::string_view S2);
int CompareText(std::string_view S1, std::string_view S2);  // ASCII case-insensitive
bool SameStr(std::string_view S1, std::string_view S2);
bool SameText(std::string_view S1, std::string_view S2);
int AnsiCompareStr(std::string_view S1, std::string_view S2);
int AnsiCompareText(std::string_view S1, std::string_view S2);  // locale case-insensitive
bool AnsiSameText(std::string_view S1, std::string_view S2);
bool AnsiSameStr(std::string_view S1, std::string_view S2);
bool StartsText(std::string_view SubText, std::string_view Text);
bool EndsText(std::string_view SubText, std::string_view Text);

// Small flag set for StringReplace.
enum TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
class TReplaceFlags {
public:
    constexpr TReplaceFlags() = default;
    constexpr TReplaceFlags(TReplaceFlag F) : Bits(F) {}
    constexpr TReplaceFlags(std::initializer_list<TReplaceFlag> Fs) {
        for (auto F : Fs) Bits |= F;
    }
    constexpr bool Contains(TReplaceFlag F) const { return (Bits & F) != 0; }
    constexpr TReplaceFlags operator|(TReplaceFlag F) const {
        TReplaceFlags R = *this;
        R.Bits |= F;
        return R;
    }

private:
    unsigned Bits = 0;
};
inline constexpr TReplaceFlags operator|(TReplaceFlag A, TReplaceFlag B) { return TReplaceFlags{A, B}; }

std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags = {});

// 'It''s' style quoting.
std::string QuotedStr(std::string_view S);
std::string AnsiQuotedStr(std::string_view S, char Quote);
// Reverses AnsiQuotedStr; returns S unchanged when it does not start with Quote.
std::string AnsiDequotedStr(std::string_view S, char Quote);

// Number conversions.
std::string IntToStr(int64_t Value);
// At least Digits hex digits (upper case). Negative values show their two's
// complement in the width of the argument's type (int -1 -> "FFFFFFFF").
std::string IntToHex(int64_t Value, int Digits);
std::string IntToHex(int Value, int Digits);
std::string IntToHexBits(uint64_t Bits, int Digits);
template <std::integral T>
std::string IntToHex(T Value, int Digits) {
    if constexpr (sizeof(T) <= 4)
        return IntToHexBits(static_cast<uint32_t>(Value), Digits);
    else
        return IntToHexBits(static_cast<uint64_t>(Value), Digits);
}
// Accepts leading blanks, a sign, and '$' / "0x" hexadecimal (hex may use
// the full unsigned range of the type: "$FFFFFFFF" is -1). Trailing text,
// trailing blanks included, makes the value invalid.
// Raises EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view S);
int StrToIntDef(std::string_view S, int Default);
bool TryStrToInt(std::string_view S, int& Value);
int64_t StrToInt64(std::string_view S);
int64_t StrToInt64Def(std::string_view S, int64_t Default);
bool TryStrToInt64(std::string_view S, int64_t& Value);
// Shortest text that reads back to the same value (up to 15 significant
// digits), using FormatSettings.DecimalSeparator.
std::string FloatToStr(double Value);
// Raises EConvertError "'%s' is not a valid floating point value".
double StrToFloat(std::string_view S);
double StrToFloatDef(std::string_view S, double Default);
bool TryStrToFloat(std::string_view S, double& Value);
// "True"/"False".
std::string BoolToStr(bool B, bool UseBoolStrs = true);
