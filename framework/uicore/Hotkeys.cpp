#include "framework/uicore/Hotkeys.h"

#include <cctype>

std::string StripHotkey(const std::string& Text) {
    std::string Result;
    for (size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '&') {
            if (I + 1 < Text.size() && Text[I + 1] == '&') Result += '&';
            ++I;
            if (I < Text.size() && Text[I] != '&') Result += Text[I];
            continue;
        }
        Result += Text[I];
    }
    return Result;
}

char GetHotkey(const std::string& Text) {
    for (size_t I = 0; I + 1 < Text.size(); ++I) {
        if (Text[I] != '&') continue;
        if (Text[I + 1] == '&') {
            ++I;
            continue;
        }
        return Text[I + 1];
    }
    return '\0';
}

bool IsAccel(unsigned Key, const std::string& Text) {
    const char H = GetHotkey(Text);
    if (!H || Key > 255) return false;
    return std::toupper(static_cast<unsigned char>(H)) == std::toupper(static_cast<int>(Key));
}
