#pragma once
// The palette a DIB canvas builds when its DIB is rebuilt, and the colour
// table of its header: worked out here, handed to the system by the canvas.
#include <array>
#include <cstdint>

#include "controls/MediaRoutines.h"

// Palette entry flags, as the system defines them.
constexpr uint8_t MediaPcReserved = 0x01;
constexpr uint8_t MediaPcNoCollapse = 0x04;

struct TMediaCanvasPalette {
    TMediaPalette Entries{};                  // for the palette object
    std::array<uint8_t, 256 * 4> ColorTable{};  // blue, green, red, reserved per entry
    int UsableCount = 256;                    // entries a drawing may use
};

// Base is the default palette. With a Background palette its entries 10 to
// 244 are taken; otherwise with a UserTable its entries 10 to 246 are
// taken, flagged "no collapse". ReservedCount entries just below 247 then
// get the first RGB values not used elsewhere in the palette, flagged
// "reserved", and only the entries below them stay usable. The colour table
// marks entries 10 to 245 below the usable count with reserved byte 4.
TMediaCanvasPalette BuildMediaCanvasPalette(const TMediaPalette& Base, const TMediaPalette* Background,
                                            const TMediaPalette* UserTable, int ReservedCount);
