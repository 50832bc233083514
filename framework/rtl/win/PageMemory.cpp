#include "framework/rtl/PageMemory.h"

#include "framework/rtl/win/WinApi.h"

void* AllocPageRegion() { return VirtualAlloc(nullptr, PageRegionBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE); }

void FreePageRegion(void* Region) {
    if (Region) VirtualFree(Region, 0, MEM_RELEASE);
}
