#include "framework/rtl/PageMemory.h"

#include <sys/mman.h>

#include <cstdint>

void* AllocPageRegion() {
    // Large pages need an aligned region: twice the size is mapped and the
    // ends beside the aligned part are given back.
    size_t Span = 2 * PageRegionBytes;
    void* M = mmap(nullptr, Span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (M == MAP_FAILED) return nullptr;
    auto Base = reinterpret_cast<uintptr_t>(M);
    uintptr_t At = (Base + PageRegionBytes - 1) & ~(uintptr_t{PageRegionBytes} - 1);
    if (At > Base) munmap(M, At - Base);
    if (At + PageRegionBytes < Base + Span) munmap(reinterpret_cast<void*>(At + PageRegionBytes), Base + Span - At - PageRegionBytes);
    auto* Region = reinterpret_cast<void*>(At);
#ifdef MADV_HUGEPAGE
    madvise(Region, PageRegionBytes, MADV_HUGEPAGE);  // advice only: small pages serve as well
#endif
    return Region;
}

void FreePageRegion(void* Region) {
    if (Region) munmap(Region, PageRegionBytes);
}
