#include "wizards/dos/NumberEditRules.h"

#include <algorithm>

#include "framework/rtl/StrUtils.h"

bool NumberEditAcceptsChar(char Ch, bool Enabled) {
    const unsigned char C = static_cast<unsigned char>(Ch);
    const bool Accepted = Ch == '+' || Ch == '-' || (Ch >= '0' && Ch <= '9') || (C < 32 && Ch != '\r');
    if (!Accepted) return false;
    if (!Enabled && (C >= 32 || Ch == '\b')) return false;
    return true;
}

int ClampNumber(int Value, int MinValue, int MaxValue) {
    if (MinValue == MaxValue) return Value;
    // Limits given the wrong way round still make a range.
    return std::clamp(Value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

int NumberFromText(std::string_view Text, int MinValue) { return StrToIntDef(Text, MinValue); }
