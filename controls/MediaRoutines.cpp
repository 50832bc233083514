#include "controls/MediaRoutines.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>

#include "framework/rtl/StrUtils.h"

namespace {

void PlainSwapWord(uint16_t& A, uint16_t& B) { std::swap(A, B); }
void PlainSwapLong(int32_t& A, int32_t& B) { std::swap(A, B); }
int PlainMin(int A, int B) { return A < B ? A : B; }
int PlainMax(int A, int B) { return A > B ? A : B; }

int PlainClamp(int Value, int Low, int High) {
    if (Value > High) Value = High;
    if (Value < Low) Value = Low;
    return Value;
}

int PlainClampAnyOrder(int Value, int Bound1, int Bound2) {
    if (Bound1 > Bound2) std::swap(Bound1, Bound2);
    return PlainClamp(Value, Bound1, Bound2);
}

bool PlainInRange(int Value, int Low, int High) { return Value >= Low && Value <= High; }

bool PlainInRangeAnyOrder(int Value, int Bound1, int Bound2) {
    if (Bound1 > Bound2) std::swap(Bound1, Bound2);
    return PlainInRange(Value, Bound1, Bound2);
}

// Wraps like the machine's addition instead of overflowing.
void PlainAddTo(int& Variable, int Amount) {
    Variable = static_cast<int>(static_cast<uint32_t>(Variable) + static_cast<uint32_t>(Amount));
}

uint8_t* PlainFillByte(uint8_t* Dest, size_t Count, uint8_t Value) {
    if (Count) std::memset(Dest, Value, Count);
    return Dest + Count;
}

void PlainFillLong(void* Dest, size_t Count, uint32_t Pattern) {
    auto* P = static_cast<uint8_t*>(Dest);
    for (size_t I = 0; I < Count; ++I, P += 4) std::memcpy(P, &Pattern, 4);
}

void PlainMoveMem(void* Dest, const void* Source, size_t Count) {
    if (Count) std::memmove(Dest, Source, Count);
}

bool PlainCompareMem(const void* A, const void* B, size_t Count) {
    return Count == 0 || std::memcmp(A, B, Count) == 0;
}

const TMediaRoutines PlainRoutines = {
    PlainSwapWord, PlainSwapLong,  PlainMin,      PlainMax,        PlainClamp,   PlainClampAnyOrder, PlainInRange,
    PlainInRangeAnyOrder, PlainAddTo, PlainFillByte, PlainFillLong, PlainMoveMem, PlainCompareMem,
};

void PutLE16(uint8_t* P, uint16_t V) {
    P[0] = static_cast<uint8_t>(V);
    P[1] = static_cast<uint8_t>(V >> 8);
}

void PutLE32(uint8_t* P, uint32_t V) {
    for (int I = 0; I < 4; ++I) P[I] = static_cast<uint8_t>(V >> (8 * I));
}

uint16_t GetLE16(const uint8_t* P) { return static_cast<uint16_t>(P[0] | (P[1] << 8)); }

uint32_t GetLE32(const uint8_t* P) {
    return static_cast<uint32_t>(P[0]) | (static_cast<uint32_t>(P[1]) << 8) | (static_cast<uint32_t>(P[2]) << 16) |
           (static_cast<uint32_t>(P[3]) << 24);
}

}  // namespace

TMediaRoutines MediaRoutines = PlainRoutines;

void ResetMediaRoutines() { MediaRoutines = PlainRoutines; }

void RegisterMediaDeviceIdents() {
    static std::once_flag Once;
    std::call_once(Once, [] {
        RegisterIntegerConsts(
            QRN_TYPE(TMediaDeviceID),
            [](const std::string& Ident, int64_t& Value) {
                if (SameText(Ident, "InvalidId")) {
                    Value = MediaInvalidId;
                    return true;
                }
                if (SameText(Ident, "MapperId")) {
                    Value = MediaMapperId;
                    return true;
                }
                return false;
            },
            [](int64_t Value, std::string& Ident) {
                if (Value == MediaInvalidId) {
                    Ident = "InvalidId";
                    return true;
                }
                if (Value == MediaMapperId) {
                    Ident = "MapperId";
                    return true;
                }
                return false;
            });
    });
}

const std::array<TMediaPaletteEntry, 20> MediaStaticColors = {{
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
    {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
    {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},
    {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
}};

const std::array<TMediaPaletteEntry, 16> MediaStandardColors = {{
    {0, 0, 0, 0},       {128, 0, 0, 0},   {0, 128, 0, 0},   {128, 128, 0, 0}, {0, 0, 128, 0},   {128, 0, 128, 0},
    {0, 128, 128, 0},   {192, 192, 192, 0}, {128, 128, 128, 0}, {255, 0, 0, 0}, {0, 255, 0, 0},   {255, 255, 0, 0},
    {0, 0, 255, 0},     {255, 0, 255, 0}, {0, 255, 255, 0}, {255, 255, 255, 0},
}};

TMediaPalette DefaultMediaPalette(const TMediaPaletteEntry* SystemEntries) {
    TMediaPalette P{};
    const TMediaPaletteEntry* Source = SystemEntries ? SystemEntries : MediaStaticColors.data();
    for (int I = 0; I < 10; ++I) {
        P[I] = Source[I];
        P[246 + I] = Source[10 + I];
    }
    return P;
}

std::vector<uint8_t> MakeDIBHeaderBlock(int BitsPerPixel, int Height, int Width, bool WithPixels, int Rows) {
    Width = std::max(Width, 1);
    Rows = std::max(Rows, 1);
    if (BitsPerPixel > 8) BitsPerPixel = 24;
    const int64_t TotalHeight = static_cast<int64_t>(Height) * Rows;
    const int64_t Stride = DIBRowStride(static_cast<int64_t>(Width) * BitsPerPixel);
    const int64_t AbsHeight = TotalHeight < 0 ? -TotalHeight : TotalHeight;
    const int64_t ImageSize = Stride * AbsHeight;
    // The header fields are 32 bits wide; a size they cannot hold is no bitmap.
    if (TotalHeight < std::numeric_limits<int32_t>::min() || TotalHeight > std::numeric_limits<int32_t>::max() ||
        ImageSize > std::numeric_limits<int32_t>::max())
        return {};

    std::vector<uint8_t> Block(DIBHeaderBlockSize + (WithPixels ? static_cast<size_t>(ImageSize) : 0), 0);
    uint8_t* H = Block.data();
    PutLE32(H + 0, static_cast<uint32_t>(DIBInfoHeaderSize));
    PutLE32(H + 4, static_cast<uint32_t>(Width));
    PutLE32(H + 8, static_cast<uint32_t>(static_cast<int32_t>(TotalHeight)));
    PutLE16(H + 12, 1);
    PutLE16(H + 14, static_cast<uint16_t>(BitsPerPixel));
    PutLE32(H + 16, 0);  // BI_RGB
    PutLE32(H + 20, WithPixels ? static_cast<uint32_t>(ImageSize) : 0);
    if (BitsPerPixel == 4 || BitsPerPixel == 8) {
        const int Colors = BitsPerPixel == 4 ? 16 : 256;
        PutLE32(H + 32, static_cast<uint32_t>(Colors));
        uint8_t* Table = H + DIBInfoHeaderSize;
        for (int I = 0; I < Colors; ++I) {
            const TMediaPaletteEntry& C = MediaStandardColors[I % 16];
            Table[4 * I + 0] = C.Blue;
            Table[4 * I + 1] = C.Green;
            Table[4 * I + 2] = C.Red;
        }
    }
    return Block;
}

TDIBHeaderValues ReadDIBHeader(const uint8_t* Block) {
    TDIBHeaderValues V;
    V.Width = static_cast<int32_t>(GetLE32(Block + 4));
    V.Height = static_cast<int32_t>(GetLE32(Block + 8));
    V.BitCount = GetLE16(Block + 14);
    V.SizeImage = GetLE32(Block + 20);
    V.ColorsUsed = GetLE32(Block + 32);
    return V;
}
