// Locale-aware case mapping and comparison through the Windows ANSI code
// page and the user's locale.
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/win/WinApi.h"

#include <climits>

std::string AnsiUpperCase(std::string_view S) {
    std::string r(S);
    if (!r.empty()) CharUpperBuffA(r.data(), static_cast<DWORD>(r.size()));
    return r;
}

std::string AnsiLowerCase(std::string_view S) {
    std::string r(S);
    if (!r.empty()) CharLowerBuffA(r.data(), static_cast<DWORD>(r.size()));
    return r;
}

namespace {
int LocaleCompare(DWORD Flags, std::string_view S1, std::string_view S2) {
    if (S1.size() > INT_MAX || S2.size() > INT_MAX) return CompareStr(S1, S2);
    const int r = CompareStringA(LOCALE_USER_DEFAULT, Flags, S1.data(), static_cast<int>(S1.size()), S2.data(),
                                 static_cast<int>(S2.size()));
    if (r == 0) return CompareStr(S1, S2);  // the call failed: fall back to bytes
    return r - CSTR_EQUAL;
}
}  // namespace

int AnsiCompareStr(std::string_view S1, std::string_view S2) { return LocaleCompare(0, S1, S2); }
int AnsiCompareText(std::string_view S1, std::string_view S2) { return LocaleCompare(NORM_IGNORECASE, S1, S2); }
