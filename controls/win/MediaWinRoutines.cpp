#include "controls/win/MediaWinRoutines.h"

#include <cstring>

#include "framework/rtl/Exceptions.h"
#include "framework/graphics/ScreenDC.h"

void* MediaGlobalAlloc(size_t Size, UINT Flags) {
    HGLOBAL Handle = GlobalAlloc(Flags | GMEM_ZEROINIT, Size);
    void* P = Handle ? GlobalLock(Handle) : nullptr;
    if (!P) {
        if (Handle) GlobalFree(Handle);
        throw EOutOfMemory("Out of memory");
    }
    return P;
}

void MediaGlobalFree(void*& P) {
    if (!P) return;
    HGLOBAL Handle = GlobalHandle(P);
    P = nullptr;
    if (!Handle) return;
    GlobalUnlock(Handle);
    GlobalFree(Handle);
}

TMediaPalette MediaScreenDefaultPalette() {
    HDC DC = ScreenDC();
    if (!DC) return DefaultMediaPalette();
    TMediaPalette Result;
    const bool Paletted = (GetDeviceCaps(DC, RASTERCAPS) & RC_PALETTE) != 0 && GetDeviceCaps(DC, SIZEPALETTE) <= 256;
    if (Paletted) {
        PALETTEENTRY System[20] = {};
        GetSystemPaletteEntries(DC, 0, 10, System);
        GetSystemPaletteEntries(DC, 246, 10, System + 10);
        TMediaPaletteEntry Entries[20];
        for (int I = 0; I < 20; ++I) {
            Entries[I] = {System[I].peRed, System[I].peGreen, System[I].peBlue, 0};
        }
        Result = DefaultMediaPalette(Entries);
    } else {
        Result = DefaultMediaPalette();
    }
    return Result;
}

LOGPALETTE* MediaCreateLogPalette(const TMediaPalette& Entries) {
    static_assert(sizeof(PALETTEENTRY) == sizeof(TMediaPaletteEntry));
    const size_t Size = sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY);
    auto* Log = static_cast<LOGPALETTE*>(MediaGlobalAlloc(Size));
    Log->palVersion = 0x300;
    Log->palNumEntries = 256;
    std::memcpy(Log->palPalEntry, Entries.data(), 256 * sizeof(PALETTEENTRY));
    return Log;
}

HPALETTE MediaCreatePalette(const TMediaPalette& Entries) {
    void* Log = MediaCreateLogPalette(Entries);
    HPALETTE Palette = CreatePalette(static_cast<LOGPALETTE*>(Log));
    MediaGlobalFree(Log);
    return Palette;
}

BITMAPINFO* MediaCreateDIBHeader(int BitsPerPixel, int Height, int Width, bool WithPixels, int Rows) {
    const std::vector<uint8_t> Block = MakeDIBHeaderBlock(BitsPerPixel, Height, Width, WithPixels, Rows);
    if (Block.empty()) return nullptr;
    HGLOBAL Handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, Block.size());
    void* P = Handle ? GlobalLock(Handle) : nullptr;
    if (!P) {
        if (Handle) GlobalFree(Handle);
        return nullptr;
    }
    std::memcpy(P, Block.data(), Block.size());
    return static_cast<BITMAPINFO*>(P);
}

uint8_t MediaNearestPaletteIndex(HPALETTE Palette, TColor Color) {
    const UINT Index = GetNearestPaletteIndex(Palette, static_cast<COLORREF>(Color & 0xFFFFFF));
    return Index == CLR_INVALID ? 0 : static_cast<uint8_t>(Index);
}
