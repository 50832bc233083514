#pragma once
// Keyboard short-cuts: a virtual-key code in the low byte and the modifier
// flags above it, shown and read as text such as "Ctrl+Shift+F11".
#include <cstdint>
#include <string>

#include "framework/classes/UiTypes.h"

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);
// Modifiers in the order Shift, Ctrl, Alt, then the key's name; "" for 0.
std::string ShortCutToText(TShortCut ShortCut);
// Reads modifiers in any order and any case; 0 when the text names no key.
TShortCut TextToShortCut(const std::string& Text);
