#pragma once
// Base routines of the multimedia controls: a table of small integer and
// memory routines reached through routine variables (so a faster version
// can be put in at start-up), the device-ID identifiers of form files, and
// the device-independent-bitmap arithmetic (row stride, default palette,
// bitmap header block) that needs no device.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/classes/TypeInfo.h"

// The routine table. Every entry starts out as the plain implementation.
struct TMediaRoutines {
    void (*SwapWord)(uint16_t& A, uint16_t& B);
    void (*SwapLong)(int32_t& A, int32_t& B);
    int (*Min)(int A, int B);
    int (*Max)(int A, int B);
    // Value limited to [Low, High]; Low wins when the bounds cross.
    int (*Clamp)(int Value, int Low, int High);
    // The same with the bounds in either order.
    int (*ClampAnyOrder)(int Value, int Bound1, int Bound2);
    bool (*InRange)(int Value, int Low, int High);
    bool (*InRangeAnyOrder)(int Value, int Bound1, int Bound2);
    void (*AddTo)(int& Variable, int Amount);
    // Fills Count bytes and returns the address just after them.
    uint8_t* (*FillByte)(uint8_t* Dest, size_t Count, uint8_t Value);
    // Fills Count 32-bit words (any alignment) with Pattern.
    void (*FillLong)(void* Dest, size_t Count, uint32_t Pattern);
    // Overlap-safe: copies backwards when Dest lies above Source.
    void (*MoveMem)(void* Dest, const void* Source, size_t Count);
    bool (*CompareMem)(const void* A, const void* B, size_t Count);
};

extern TMediaRoutines MediaRoutines;
// Puts the plain implementations back (tests that replaced an entry).
void ResetMediaRoutines();

// Multimedia device ids in form files: "InvalidId" (-2) and "MapperId" (-1).
QRN_NAMED_TYPE(TMediaDeviceID, int32_t)
constexpr int32_t MediaInvalidId = -2;
constexpr int32_t MediaMapperId = -1;
// Registers the two names with the type; runs once however often called.
void RegisterMediaDeviceIdents();

// Bytes of a DIB row of Bits bits: rounded up to whole 32-bit words.
constexpr int64_t DIBRowStride(int64_t Bits) { return ((Bits + 31) / 32) * 4; }

// Same layout as the system's PALETTEENTRY.
struct TMediaPaletteEntry {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    uint8_t Flags = 0;
    friend bool operator==(const TMediaPaletteEntry&, const TMediaPaletteEntry&) = default;
};
using TMediaPalette = std::array<TMediaPaletteEntry, 256>;

// The twenty static colours: entries 0-9 and 246-255 of the default palette.
extern const std::array<TMediaPaletteEntry, 20> MediaStaticColors;
// The default 256-entry palette: all zero except entries 0-9 and 246-255,
// which come from SystemEntries (the 20 system entries, in that order)
// when the screen is palette-based, else from the static colours.
TMediaPalette DefaultMediaPalette(const TMediaPaletteEntry* SystemEntries = nullptr);

// The sixteen standard colours of a 4- or 8-bit header's colour table.
extern const std::array<TMediaPaletteEntry, 16> MediaStandardColors;

// Bitmap header block: a 40-byte BITMAPINFOHEADER, 256 colour entries
// (blue, green, red, 0) and, when asked for, the pixels.
constexpr size_t DIBInfoHeaderSize = 40;
constexpr size_t DIBColorTableSize = 256 * 4;
constexpr size_t DIBHeaderBlockSize = DIBInfoHeaderSize + DIBColorTableSize;

struct TDIBHeaderValues {
    int32_t Width = 0;
    int32_t Height = 0;     // negative: rows run top-down
    uint16_t BitCount = 0;
    uint32_t SizeImage = 0;
    uint32_t ColorsUsed = 0;
};

// Builds the block for (bits per pixel, height, width, with pixel memory,
// rows). Width and rows are at least 1; more than 8 bits per pixel become
// 24. The height field is Height x Rows. The image size (and the pixel
// memory, when asked for) covers every row. An empty vector means the size
// does not fit in memory.
std::vector<uint8_t> MakeDIBHeaderBlock(int BitsPerPixel, int Height, int Width, bool WithPixels, int Rows);
// Reads the fields back out of a block.
TDIBHeaderValues ReadDIBHeader(const uint8_t* Block);
