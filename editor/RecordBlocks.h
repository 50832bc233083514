#pragma once
// Blocks of a few fixed sizes for the editor's record lists and stop
// storage, cut from page regions (see PageMemory.h): a big file's records
// fill whole regions, which the system can back with large pages (on
// Windows, which gives none, they are heap blocks). A freed
// block serves the next request of its size; a region goes back to the
// system once none of its blocks is in use (one with room is kept per size).
// Shared by the editors of the process, on the user-interface thread.
#include <cstddef>

// A block of Bytes, aligned for any record; throws EOutOfMemory.
void* AllocRecordBlock(size_t Bytes);
// Block was given for the same Bytes.
void FreeRecordBlock(void* Block, size_t Bytes);
