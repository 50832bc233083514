#pragma once
// The check box's own default box images, 19 x 14, one row per string:
// '.' background (the transparent colour, also the bottom-left pixel),
// 'S' shadow, 'D' dark shadow, 'H' highlight, 'F' face, 'W' window,
// 'K' check mark, 'G' grey check mark.
#include "controls/BitCheckLayout.h"

constexpr int CheckGlyphWidth = 19;
constexpr int CheckGlyphHeight = 14;

// CheckGlyphHeight rows of CheckGlyphWidth characters.
const char* const* CheckGlyphArt(int State);
// The resource name the box image of a state may be overridden by.
const char* CheckGlyphResourceName(int State);
