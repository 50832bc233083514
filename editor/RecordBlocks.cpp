#include "editor/RecordBlocks.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/PageMemory.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define QRN_POISON(P, N) ASAN_POISON_MEMORY_REGION(P, N)
#define QRN_UNPOISON(P, N) ASAN_UNPOISON_MEMORY_REGION(P, N)
#else
#define QRN_POISON(P, N) ((void)(P), (void)(N))
#define QRN_UNPOISON(P, N) ((void)(P), (void)(N))
#endif

namespace {

// Larger blocks would leave too much of a region unused.
constexpr size_t MaxPooled = PageRegionBytes / 4;
// Windows gives a program large pages only with a privilege users lack:
// there regions save no faults, and a 3M-line load beside them took longer
// under Wine. Blocks come from the heap there.
#ifdef _WIN32
constexpr bool UseRegions = false;
#else
constexpr bool UseRegions = true;
#endif
constexpr size_t Align = 16;
constexpr size_t NoSlot = SIZE_MAX;

struct TRegion {
    char* Base = nullptr;
    uint32_t Count = 0;     // blocks the region holds
    uint32_t Used = 0;      // blocks handed out
    uint32_t Fresh = 0;     // blocks from here on were never handed out
    void* Free = nullptr;   // freed blocks, each holding the next one's address
    size_t Slot = NoSlot;   // index in its size's list of regions with room
};

// The regions of one block size.
struct TSize {
    std::vector<TRegion*> Open;  // those with room; capacity for all of them
    size_t Regions = 0;
};

struct TPool {
    std::map<size_t, TSize> Sizes;
    std::map<uintptr_t, std::unique_ptr<TRegion>> Regions;  // by base

    static void Leave(std::vector<TRegion*>& List, TRegion* R) {
        List[R->Slot] = List.back();
        List[R->Slot]->Slot = R->Slot;
        List.pop_back();
        R->Slot = NoSlot;
    }
    static void Join(std::vector<TRegion*>& List, TRegion* R) {
        R->Slot = List.size();
        List.push_back(R);
    }

    void* Alloc(size_t Bytes) {
        TSize& S = Sizes[Bytes];
        std::vector<TRegion*>& List = S.Open;
        if (List.empty()) {
            // A region that fills up and gets room again joins the list
            // again while a block is freed: that must not need memory.
            List.reserve(S.Regions + 1);
            void* Mem = AllocPageRegion();
            if (!Mem) throw EOutOfMemory("Out of memory");
            auto R = std::make_unique<TRegion>();
            R->Base = static_cast<char*>(Mem);
            R->Count = static_cast<uint32_t>(PageRegionBytes / Bytes);
            QRN_POISON(Mem, PageRegionBytes);
            TRegion* Made = R.get();
            try {
                Regions.emplace(reinterpret_cast<uintptr_t>(Mem), std::move(R));
            } catch (...) {
                FreePageRegion(Mem);
                throw;
            }
            ++S.Regions;
            Join(List, Made);
        }
        TRegion* R = List.back();
        void* Block;
        if (R->Free) {
            Block = R->Free;
            QRN_UNPOISON(Block, Bytes);
            std::memcpy(&R->Free, Block, sizeof(void*));
        } else {
            Block = R->Base + static_cast<size_t>(R->Fresh++) * Bytes;
            QRN_UNPOISON(Block, Bytes);
        }
        if (++R->Used == R->Count) Leave(List, R);
        return Block;
    }

    void Release(void* Block, size_t Bytes) {
        auto It = Regions.upper_bound(reinterpret_cast<uintptr_t>(Block));
        TRegion* R = std::prev(It)->second.get();
        std::memcpy(Block, &R->Free, sizeof(void*));
        R->Free = Block;
        QRN_POISON(Block, Bytes);
        TSize& S = Sizes.find(Bytes)->second;
        if (R->Used-- == R->Count) {
            Join(S.Open, R);
        } else if (R->Used == 0 && S.Open.size() > 1) {
            Leave(S.Open, R);
            QRN_UNPOISON(R->Base, PageRegionBytes);
            FreePageRegion(R->Base);
            Regions.erase(std::prev(It));
            --S.Regions;
        }
    }
};

// Never destroyed: editors may outlive static destruction order.
TPool& Pool() {
    static auto* P = new TPool;
    return *P;
}

size_t Rounded(size_t Bytes) { return (std::max<size_t>(Bytes, 1) + Align - 1) / Align * Align; }

}  // namespace

void* AllocRecordBlock(size_t Bytes) {
    Bytes = Rounded(Bytes);
    if (Bytes > MaxPooled || !UseRegions) {
        void* P = std::malloc(Bytes);
        if (!P) throw EOutOfMemory("Out of memory");
        return P;
    }
    return Pool().Alloc(Bytes);
}

void FreeRecordBlock(void* Block, size_t Bytes) {
    if (!Block) return;
    Bytes = Rounded(Bytes);
    if (Bytes > MaxPooled || !UseRegions)
        std::free(Block);
    else
        Pool().Release(Block, Bytes);
}
