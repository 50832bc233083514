#include "framework/uicore/Colors.h"

#include <array>
#include <cstdio>
#include <utility>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

namespace {

struct TColorName {
    TColor Value;
    const char* Name;
};

// Plain colours first, then the system colours: the order colour pickers show.
constexpr std::array<TColorName, 42> ColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
}};

// Accepted when reading but never produced: clLtGray and clDkGray share
// their values with clSilver and clGray; clDefault is a marker.
constexpr std::array<TColorName, 3> ExtraNames{{
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clDefault, "clDefault"},
}};

}  // namespace

bool ColorToIdent(TColor Color, std::string& Ident) {
    for (const auto& N : ColorNames) {
        if (N.Value == Color) {
            Ident = N.Name;
            return true;
        }
    }
    if (Color == clDefault) {
        Ident = "clDefault";
        return true;
    }
    return false;
}

bool IdentToColor(const std::string& Ident, TColor& Color) {
    for (const auto& N : ColorNames) {
        if (SameText(Ident, N.Name)) {
            Color = N.Value;
            return true;
        }
    }
    for (const auto& N : ExtraNames) {
        if (SameText(Ident, N.Name)) {
            Color = N.Value;
            return true;
        }
    }
    return false;
}

std::string ColorToString(TColor Color) {
    std::string Ident;
    if (ColorToIdent(Color, Ident)) return Ident;
    char Buf[16];
    std::snprintf(Buf, sizeof Buf, "$%08X", static_cast<unsigned>(Color));
    return Buf;
}

bool TryStringToColor(const std::string& S, TColor& Color) {
    if (IdentToColor(Trim(S), Color)) return true;
    int64_t V = 0;
    if (!TryStrToInt64(Trim(S), V) || V < INT32_MIN || V > UINT32_MAX) return false;
    Color = static_cast<TColor>(static_cast<uint32_t>(V));
    return true;
}

TColor StringToColor(const std::string& S) {
    TColor Color = 0;
    if (!TryStringToColor(S, Color)) throw EConvertError("'" + S + "' is not a valid color value");
    return Color;
}

void GetColorValues(const std::function<void(const std::string&)>& Proc) {
    for (const auto& N : ColorNames) Proc(N.Name);
}
