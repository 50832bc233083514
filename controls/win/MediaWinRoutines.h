#pragma once
// The Windows side of the multimedia base routines: global memory, the
// default palette read from the screen, DIB header blocks in global memory
// and palette look-ups.
#include <cstddef>

#include "controls/MediaRoutines.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/uicore/Colors.h"

// Zero-initialised global memory, locked; raises EOutOfMemory on failure.
void* MediaGlobalAlloc(size_t Size, UINT Flags = GMEM_ZEROINIT);
// Unlocks and frees memory from MediaGlobalAlloc and clears the pointer;
// nothing for nullptr.
void MediaGlobalFree(void*& P);

// The default palette: entries 0-9 and 246-255 from the system palette
// when the screen is palette-based with at most 256 colours, else the
// twenty static colours; the rest zero.
TMediaPalette MediaScreenDefaultPalette();
// A LOGPALETTE block (version 0x300, 256 entries) from Entries; the caller
// frees it with MediaGlobalFree. Raises EOutOfMemory.
LOGPALETTE* MediaCreateLogPalette(const TMediaPalette& Entries);
// A palette object from Entries; nullptr when the system refuses.
HPALETTE MediaCreatePalette(const TMediaPalette& Entries);

// The DIB header block of MakeDIBHeaderBlock in moveable, zeroed global
// memory (free with MediaGlobalFree); nullptr when it cannot be had.
BITMAPINFO* MediaCreateDIBHeader(int BitsPerPixel, int Height, int Width, bool WithPixels, int Rows);

// The palette index nearest to Color as the system chooses it.
uint8_t MediaNearestPaletteIndex(HPALETTE Palette, TColor Color);
