#pragma once
// Memory straight from the system in large regions, for allocators that cut
// many records out of them. A big file's records are tens of megabytes
// written in one go; where the system can, such a region is backed by large
// pages, since every first touch of a small page is a fault (on a virtual
// machine several microseconds each: 40 MB of records cost some 100 ms).
#include <cstddef>

// Bytes of one region: a large page.
constexpr size_t PageRegionBytes = size_t{2} << 20;
// A zero-filled region of PageRegionBytes, or nullptr when there is none.
void* AllocPageRegion();
void FreePageRegion(void* Region);
