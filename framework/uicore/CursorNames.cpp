#include "framework/uicore/CursorNames.h"

#include <array>
#include <cstdint>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

namespace {

struct TCursorName {
    TCursor Value;
    const char* Name;
};

// crSize shares its value with crSizeAll: only the newer name is written.
constexpr std::array<TCursorName, 22> CursorNames{{
    {crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},   {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
}};

}  // namespace

bool CursorToIdent(int Cursor, std::string& Ident) {
    for (const auto& N : CursorNames) {
        if (N.Value == Cursor) {
            Ident = N.Name;
            return true;
        }
    }
    return false;
}

bool IdentToCursor(const std::string& Ident, int& Cursor) {
    for (const auto& N : CursorNames) {
        if (SameText(Ident, N.Name)) {
            Cursor = N.Value;
            return true;
        }
    }
    if (SameText(Ident, "crSize")) {
        Cursor = crSize;
        return true;
    }
    return false;
}

std::string CursorToString(TCursor Cursor) {
    std::string Ident;
    if (CursorToIdent(Cursor, Ident)) return Ident;
    return IntToStr(Cursor);
}

TCursor StringToCursor(const std::string& S) {
    int Cursor = 0;
    if (IdentToCursor(Trim(S), Cursor)) return static_cast<TCursor>(Cursor);
    int64_t V = 0;
    if (!TryStrToInt64(Trim(S), V) || V < INT16_MIN || V > INT16_MAX)
        throw EConvertError("'" + S + "' is not a valid cursor value");
    return static_cast<TCursor>(V);
}

void GetCursorValues(const std::function<void(const std::string&)>& Proc) {
    for (const auto& N : CursorNames) Proc(N.Name);
}

void RegisterCursorIdents() {
    static const bool Done = [] {
        RegisterIntegerConsts(
            QRN_TYPE(TCursor),
            [](const std::string& Ident, int64_t& Value) {
                int C = 0;
                if (!IdentToCursor(Ident, C)) return false;
                Value = C;
                return true;
            },
            [](int64_t Value, std::string& Ident) { return CursorToIdent(static_cast<int>(Value), Ident); });
        return true;
    }();
    (void)Done;
}
