#pragma once
// Growable arrays of fixed-size records: TDynArray keeps them in one heap
// block, TDynArray2 in 32768-byte blocks so that records never move.
#include <cstdint>
#include <vector>

#include "framework/classes/TypeInfo.h"
#include "framework/rtl/Object.h"
#include "framework/rtl/Exceptions.h"

class TDynArray : public TPersistent {
    QRN_CLASS(TDynArray, TPersistent)
public:
    TDynArray(int16_t AItemSize, int16_t AStride);
    ~TDynArray() override;
    // Inline: highlighting reads a key record at every place a key may start.
    void* Items(int32_t I) const {
        if (I < 0 || I >= FCount) IndexError();
        return FData + static_cast<size_t>(I) * static_cast<size_t>(FStride);
    }
    void SetCapacity(int32_t N);
    void SetCount(int32_t N);
    int32_t Add(const void* Item);
    int32_t Count() const { return FCount; }
    int32_t Capacity() const { return FCapacity; }
    int16_t ItemSize() const { return FItemSize; }
    int16_t Stride() const { return FStride; }

protected:
    [[noreturn]] static void IndexError();
    int16_t FItemSize;
    int16_t FStride;
    char* FData = nullptr;
    int32_t FCount = 0;
    int32_t FCapacity = 0;
};

class TDynArray2 : public TObject {
public:
    static constexpr int32_t BlockSize = 32768;
    TDynArray2(int16_t AItemSize, int16_t AStride, int16_t APerBlock);
    ~TDynArray2() override;
    void* Items(int32_t I) const;
    void SetCapacity(int32_t N);
    void SetCount(int32_t N);
    int32_t Add(const void* Item);
    void ReadItem(int32_t I, void* Buffer) const;
    void WriteItem(int32_t I, const void* Buffer);
    int32_t Count() const { return FCount; }
    int32_t Capacity() const { return FCapacity; }
    int16_t PerBlock() const { return FPerBlock; }
    // Address of slot I without the range check (I < Capacity).
    void* Slot(int32_t I) const {
        return FBlocks[static_cast<size_t>(I / FPerBlock)] + static_cast<size_t>(I % FPerBlock) * static_cast<size_t>(FStride);
    }

protected:
    [[noreturn]] static void IndexError();
    int16_t FItemSize;
    int16_t FStride;
    int16_t FPerBlock;
    std::vector<char*> FBlocks;
    int32_t FCount = 0;
    int32_t FCapacity = 0;
};
