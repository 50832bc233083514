#include "controls/MediaCanvasPalette.h"

#include <algorithm>
#include <unordered_set>

namespace {

uint32_t RGBKey(const TMediaPaletteEntry& E) {
    return static_cast<uint32_t>(E.Red) | (static_cast<uint32_t>(E.Green) << 8) | (static_cast<uint32_t>(E.Blue) << 16);
}

}  // namespace

TMediaCanvasPalette BuildMediaCanvasPalette(const TMediaPalette& Base, const TMediaPalette* Background,
                                            const TMediaPalette* UserTable, int ReservedCount) {
    TMediaCanvasPalette Result;
    TMediaPalette& P = Result.Entries;
    P = Base;
    if (Background) {
        for (int I = 10; I <= 244; ++I) P[I] = {(*Background)[I].Red, (*Background)[I].Green, (*Background)[I].Blue, 0};
    } else if (UserTable) {
        for (int I = 10; I <= 246; ++I)
            P[I] = {(*UserTable)[I].Red, (*UserTable)[I].Green, (*UserTable)[I].Blue, MediaPcNoCollapse};
    }

    // Reserved entries sit just below 247, above the ten static ones.
    ReservedCount = std::clamp(ReservedCount, 0, 247 - 10);
    if (ReservedCount > 0) {
        const int First = 247 - ReservedCount;
        std::unordered_set<uint32_t> Used;
        for (int I = 0; I < 256; ++I)
            if (I < First || I > 246) Used.insert(RGBKey(P[I]));
        uint32_t Candidate = 0;
        for (int I = First; I <= 246; ++I) {
            while (Used.count(Candidate)) ++Candidate;
            P[I] = {static_cast<uint8_t>(Candidate), static_cast<uint8_t>(Candidate >> 8),
                    static_cast<uint8_t>(Candidate >> 16), MediaPcReserved};
            Used.insert(Candidate);
        }
        Result.UsableCount = First;
    }

    for (int I = 0; I < 256; ++I) {
        uint8_t* Q = &Result.ColorTable[4 * I];
        Q[0] = P[I].Blue;
        Q[1] = P[I].Green;
        Q[2] = P[I].Red;
        Q[3] = (I >= 10 && I <= 245 && I < Result.UsableCount) ? 4 : 0;
    }
    return Result;
}
