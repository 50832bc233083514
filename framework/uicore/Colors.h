#pragma once
// Colour values and their names. A TColor is 0x00BBGGRR for a plain colour;
// values with the top bit set name a system colour by its index, so the
// colour follows the user's scheme; clNone and clDefault are markers.
#include <cstdint>
#include <functional>
#include <string>

using TColor = int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);

constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

inline bool IsSystemColor(TColor C) { return C < 0; }
inline uint8_t RedOf(TColor C) { return static_cast<uint8_t>(C & 0xFF); }
inline uint8_t GreenOf(TColor C) { return static_cast<uint8_t>((C >> 8) & 0xFF); }
inline uint8_t BlueOf(TColor C) { return static_cast<uint8_t>((C >> 16) & 0xFF); }
inline TColor RGBColor(int R, int G, int B) { return (R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16); }

// "clBtnFace" for a named colour, else "$00BBGGRR".
std::string ColorToString(TColor Color);
// Accepts a colour name (any case) or an integer ("$00FF0000", "255");
// throws EConvertError for anything else.
TColor StringToColor(const std::string& S);
// StringToColor without the error: false for a text that names no colour.
bool TryStringToColor(const std::string& S, TColor& Color);
bool IdentToColor(const std::string& Ident, TColor& Color);
bool ColorToIdent(TColor Color, std::string& Ident);
// Calls Proc with every colour name, in the order the colour editors list them.
void GetColorValues(const std::function<void(const std::string&)>& Proc);
