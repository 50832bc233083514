// Locale-aware case mapping and comparison for the native build: the C
// library's current locale (the "C" locale unless the program changes it).
#include <cctype>
#include <cstring>

#include "framework/rtl/StrUtils.h"

std::string AnsiUpperCase(std::string_view S) {
    std::string r(S);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::string AnsiLowerCase(std::string_view S) {
    std::string r(S);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

int AnsiCompareStr(std::string_view S1, std::string_view S2) { return CompareStr(S1, S2); }

int AnsiCompareText(std::string_view S1, std::string_view S2) {
    return CompareStr(AnsiLowerCase(S1), AnsiLowerCase(S2));
}
