#include "editor/DynArray.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>

namespace {
[[noreturn]] void IndexError() { throw ERangeError("List index out of bounds"); }
}  // namespace

TDynArray::TDynArray(int16_t AItemSize, int16_t AStride) : FItemSize(AItemSize), FStride(AStride) {}

TDynArray::~TDynArray() { std::free(FData); }

void TDynArray::IndexError() { ::IndexError(); }

void TDynArray::SetCapacity(int32_t N) {
    if (N < 0) N = 0;
    if (2147483647 / FStride < N) throw EOutOfMemory("Out of memory");
    if (N == FCapacity) return;
    void* P = std::realloc(FData, static_cast<size_t>(N) * static_cast<size_t>(FStride));
    if (!P && N > 0) throw EOutOfMemory("Out of memory");
    FData = static_cast<char*>(P);
    if (N > FCapacity)
        std::memset(FData + static_cast<size_t>(FCapacity) * FStride, 0, static_cast<size_t>(N - FCapacity) * FStride);
    FCapacity = N;
    if (FCount > N) FCount = N;
}

void TDynArray::SetCount(int32_t N) {
    if (N < 0) N = 0;
    if (N > FCapacity) SetCapacity(N);
    FCount = N;
}

int32_t TDynArray::Add(const void* Item) {
    SetCount(FCount + 1);
    std::memcpy(Items(FCount - 1), Item, static_cast<size_t>(FItemSize));
    return FCount - 1;
}

TDynArray2::TDynArray2(int16_t AItemSize, int16_t AStride, int16_t APerBlock)
    : FItemSize(AItemSize), FStride(AStride), FPerBlock(APerBlock) {}

TDynArray2::~TDynArray2() {
    for (char* B : FBlocks) std::free(B);
}

void TDynArray2::IndexError() { ::IndexError(); }

void* TDynArray2::Items(int32_t I) const {
    if (I < 0 || I >= FCount) IndexError();
    return Slot(I);
}

void TDynArray2::SetCapacity(int32_t N) {
    if (N < 0) N = 0;
    size_t Blocks = N == 0 ? 0 : static_cast<size_t>((N - 1) / FPerBlock + 1);
    while (FBlocks.size() > Blocks) {
        std::free(FBlocks.back());
        FBlocks.pop_back();
    }
    if (FBlocks.capacity() < Blocks) FBlocks.reserve(std::max(Blocks, FBlocks.capacity() * 2));
    while (FBlocks.size() < Blocks) {
        auto* B = static_cast<char*>(std::malloc(BlockSize));  // slots are written before use
        if (!B) throw EOutOfMemory("Out of memory");
        FBlocks.push_back(B);
    }
    FCapacity = static_cast<int32_t>(Blocks) * FPerBlock;
    if (FCount > FCapacity) FCount = FCapacity;
}

void TDynArray2::SetCount(int32_t N) {
    if (N < 0) N = 0;
    if (N > FCapacity) SetCapacity(N);
    FCount = N;
}

int32_t TDynArray2::Add(const void* Item) {
    SetCount(FCount + 1);
    std::memcpy(Slot(FCount - 1), Item, static_cast<size_t>(FItemSize));
    return FCount - 1;
}

void TDynArray2::ReadItem(int32_t I, void* Buffer) const { std::memcpy(Buffer, Items(I), static_cast<size_t>(FItemSize)); }

void TDynArray2::WriteItem(int32_t I, const void* Buffer) { std::memcpy(Items(I), Buffer, static_cast<size_t>(FItemSize)); }

QRN_PUBLISHED(TDynArray) {}
