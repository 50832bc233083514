#pragma once
// TBlockList: records in blocks of at most PerBlock, each block its own
// allocation, with a small directory of where each block starts. Records
// carry keys that grow with the index (a paragraph's start, its first
// display line); a key is the record's base plus its block's shift, so
// "every key from I on grows by D" writes the rest of I's block and one
// shift per later block. Inserting or deleting records moves the records
// of one block at most (and whole blocks' directory entries); blocks split
// when they overflow and join a neighbour when they fall below a quarter.
// Records move between blocks: a reference to one holds until the next
// insertion or deletion.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "editor/RecordBlocks.h"
#include "framework/rtl/Exceptions.h"

template <class TRec, int32_t PerBlock, auto... KeyFields> class TBlockList {
    static_assert(std::is_trivially_copyable_v<TRec>, "records are moved as bytes");
    static_assert(PerBlock >= 4);

public:
    static constexpr int KeyCount = sizeof...(KeyFields);

    TBlockList() = default;
    TBlockList(const TBlockList&) = delete;
    TBlockList& operator=(const TBlockList&) = delete;

    int32_t Count() const { return FCount; }
    // Record I; sequential reads find their block at once.
    TRec& operator[](int32_t I) const {
        const TBlock& B = FBlocks[BlockOf(I)];
        return B.Data()[I - B.First];
    }
    template <int K> int32_t Key(int32_t I) const {
        const TBlock& B = FBlocks[BlockOf(I)];
        return Wrap(B.Data()[I - B.First].*Field<K>(), B.Shift[K]);
    }
    template <int K> void SetKey(int32_t I, int32_t V) {
        const TBlock& B = FBlocks[BlockOf(I)];
        B.Data()[I - B.First].*Field<K>() = Wrap(V, -static_cast<int64_t>(B.Shift[K]));
    }
    // Every key from record From on grows by D.
    template <int K> void AddToKeys(int32_t From, int32_t D) {
        if (From >= FCount || D == 0) return;
        size_t b = BlockOf(From);
        TBlock& B = FBlocks[b];
        for (int32_t j = From - B.First; j < B.Count; ++j) B.Data()[j].*Field<K>() = Wrap(B.Data()[j].*Field<K>(), D);
        for (size_t k = b + 1; k < FBlocks.size(); ++k) FBlocks[k].Shift[K] = Wrap(FBlocks[k].Shift[K], D);
    }
    // Gives records First..Last running keys from First's, each the one
    // before plus Step of that one; every later key moves by as much as the
    // record after Last moved.
    template <int K, class TStep> void RunKeys(int32_t First, int32_t Last, TStep Step) {
        int64_t Run = Key<K>(First);
        for (int32_t p = First; p <= Last; ++p) {
            SetKey<K>(p, static_cast<int32_t>(Run));
            Run += Step(p);
        }
        if (Last + 1 < FCount) AddToKeys<K>(Last + 1, static_cast<int32_t>(Run - Key<K>(Last + 1)));
    }
    // The last record whose key is at or before V (0 when none is).
    template <int K> int32_t LastAtOrBefore(int32_t V) const {
        if (FBlocks.empty()) return 0;
        size_t Lo = 0, Hi = FBlocks.size() - 1;
        while (Lo < Hi) {
            size_t Mid = Lo + (Hi - Lo + 1) / 2;
            const TBlock& B = FBlocks[Mid];
            if (Wrap(B.Data()[0].*Field<K>(), B.Shift[K]) <= V)
                Lo = Mid;
            else
                Hi = Mid - 1;
        }
        const TBlock& B = FBlocks[Lo];
        int32_t L = 0, H = B.Count - 1;
        while (L < H) {
            int32_t Mid = L + (H - L + 1) / 2;
            if (Wrap(B.Data()[Mid].*Field<K>(), B.Shift[K]) <= V)
                L = Mid;
            else
                H = Mid - 1;
        }
        FLast = Lo;
        return B.First + L;
    }

    // Appends R, whose keys are given as they are to read.
    TRec& Add(const TRec& R) {
        if (FBlocks.empty() || FBlocks.back().Count == PerBlock) FBlocks.push_back(NewBlock(FCount, FBlocks));
        TBlock& B = FBlocks.back();
        TRec& Slot = B.Data()[B.Count++];
        Slot = R;
        ((Slot.*KeyFields = Wrap(R.*KeyFields, -static_cast<int64_t>(B.Shift[IndexOf<KeyFields>()]))), ...);
        ++FCount;
        return Slot;
    }
    // Opens N records equal to Fresh at I (later records move up); their
    // keys are left for the caller to set.
    void Insert(int32_t I, int32_t N, const TRec& Fresh) {
        if (I < 0 || I > FCount) IndexError();
        if (N <= 0) return;
        if (FBlocks.empty()) FBlocks.push_back(NewBlock(0, FBlocks));
        size_t b = I == FCount ? FBlocks.size() - 1 : BlockOf(I);
        TBlock& B = FBlocks[b];
        int32_t Off = I - B.First;
        if (B.Count + N <= PerBlock) {
            std::memmove(B.Data() + Off + N, B.Data() + Off, static_cast<size_t>(B.Count - Off) * sizeof(TRec));
            std::fill(B.Data() + Off, B.Data() + Off + N, Fresh);
            B.Count += N;
        } else
            Spread(b, Off, N, Fresh);
        FCount += N;
        Renumber(b);
    }
    // Closes N records at I.
    void Delete(int32_t I, int32_t N) {
        if (N <= 0) return;
        if (I < 0 || N > FCount - I) IndexError();
        size_t b = BlockOf(I);
        int32_t Off = I - FBlocks[b].First;
        // Whole blocks inside the range go; the first and last lose a part.
        size_t e = b;
        int32_t Left = N;
        while (Left > 0) {
            TBlock& B = FBlocks[e];
            int32_t From = e == b ? Off : 0;
            int32_t Take = std::min(Left, B.Count - From);
            std::memmove(B.Data() + From, B.Data() + From + Take,
                         static_cast<size_t>(B.Count - From - Take) * sizeof(TRec));
            B.Count -= Take;
            Left -= Take;
            ++e;
        }
        size_t Keep = FBlocks[b].Count > 0 ? b + 1 : b;
        size_t Drop = e > Keep && FBlocks[e - 1].Count > 0 ? e - 1 : e;
        if (Drop > Keep)
            FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(Keep),
                          FBlocks.begin() + static_cast<std::ptrdiff_t>(Drop));
        FCount -= N;
        Renumber(b);
        // The blocks on both sides of the cut may have fallen below a quarter.
        Balance(b + 1);
        Balance(b);
    }
    void Clear() {
        FBlocks.clear();
        FCount = 0;
        FLast = 0;
    }
    int32_t BlockCount() const { return static_cast<int32_t>(FBlocks.size()); }

private:
    static constexpr size_t BlockBytes = PerBlock * sizeof(TRec);
    struct TFree {
        void operator()(TRec* P) const { FreeRecordBlock(P, BlockBytes); }
    };
    struct TBlock {
        std::unique_ptr<TRec[], TFree> Owner;
        TRec* Data() const { return Owner.get(); }
        int32_t First = 0;
        int32_t Count = 0;
        std::array<int32_t, KeyCount> Shift{};
    };

    template <int K> static constexpr auto Field() {
        constexpr std::array<int32_t TRec::*, KeyCount> Fields{KeyFields...};
        return Fields[K];
    }
    template <auto F> static constexpr int IndexOf() {
        constexpr std::array<int32_t TRec::*, KeyCount> Fields{KeyFields...};
        for (int k = 0; k < KeyCount; ++k)
            if (Fields[static_cast<size_t>(k)] == F) return k;
        return -1;
    }
    // Keys and shifts add modulo 2^32: a base may lie outside int32 while
    // base plus shift does not.
    static int32_t Wrap(int32_t A, int64_t B) {
        return static_cast<int32_t>(static_cast<uint32_t>(A) + static_cast<uint32_t>(B));
    }
    [[noreturn]] static void IndexError() { throw ERangeError("List index out of bounds"); }

    // A block holding nothing yet, with the shifts of its neighbour (so
    // that records moved between them keep their bases).
    static TBlock NewBlock(int32_t First, const std::vector<TBlock>& Near, size_t Like = SIZE_MAX) {
        TBlock B;
        B.Owner.reset(static_cast<TRec*>(AllocRecordBlock(BlockBytes)));
        B.First = First;
        if (Like < Near.size()) B.Shift = Near[Like].Shift;
        return B;
    }

    size_t BlockOf(int32_t I) const {
        if (I < 0 || I >= FCount) IndexError();
        if (FLast < FBlocks.size()) {
            const TBlock& B = FBlocks[FLast];
            if (I >= B.First && I - B.First < B.Count) return FLast;
            if (FLast + 1 < FBlocks.size() && I >= B.First + B.Count &&
                I - B.First - B.Count < FBlocks[FLast + 1].Count)
                return ++FLast;
        }
        size_t Lo = 0, Hi = FBlocks.size() - 1;
        while (Lo < Hi) {
            size_t Mid = Lo + (Hi - Lo + 1) / 2;
            if (FBlocks[Mid].First <= I)
                Lo = Mid;
            else
                Hi = Mid - 1;
        }
        FLast = Lo;
        return Lo;
    }
    void Renumber(size_t From) {
        int32_t First = From > 0 && From - 1 < FBlocks.size() ? FBlocks[From - 1].First + FBlocks[From - 1].Count : 0;
        for (size_t k = From; k < FBlocks.size(); ++k) {
            FBlocks[k].First = First;
            First += FBlocks[k].Count;
        }
    }

    // Block b's records with N copies of Fresh at Off no longer fit: they
    // are spread evenly over b and as many new blocks after it as needed.
    void Spread(size_t b, int32_t Off, int32_t N, const TRec& Fresh) {
        TRec* Old = FBlocks[b].Data();
        int32_t OldCount = FBlocks[b].Count;
        std::vector<TRec> Tail(Old + Off, Old + OldCount);
        int64_t Total = static_cast<int64_t>(OldCount) + N;
        auto Blocks = static_cast<size_t>((Total + PerBlock - 1) / PerBlock);
        // Everything that may fail comes before the first record moves.
        std::vector<TBlock> Made;
        Made.reserve(Blocks - 1);
        for (size_t k = 1; k < Blocks; ++k) Made.push_back(NewBlock(0, FBlocks, b));
        FBlocks.reserve(FBlocks.size() + Blocks - 1);
        // Element v of the new order: the old head, the fresh records, the old tail.
        auto Place = [&](int64_t v, TRec& To) {
            if (v < Off) {
                if (&To != Old + v) To = Old[v];
            } else if (v < Off + N)
                To = Fresh;
            else
                To = Tail[static_cast<size_t>(v - Off - N)];
        };
        int64_t v = 0;
        for (size_t k = 0; k < Blocks; ++k) {
            auto Size = static_cast<int32_t>(Total / static_cast<int64_t>(Blocks) +
                                             (static_cast<int64_t>(k) < Total % static_cast<int64_t>(Blocks) ? 1 : 0));
            TBlock& To = k == 0 ? FBlocks[b] : Made[k - 1];
            // Block b keeps its head where it is; head records that go on
            // to later blocks lie past all that b is given, so they are
            // read before anything overwrites them.
            for (int32_t j = 0; j < Size; ++j, ++v) Place(v, To.Data()[j]);
            To.Count = Size;
        }
        FBlocks.insert(FBlocks.begin() + static_cast<std::ptrdiff_t>(b + 1), std::make_move_iterator(Made.begin()),
                       std::make_move_iterator(Made.end()));
    }

    // Moves records of block From (its first or last Take) to the end or
    // start of its neighbour To, keeping their keys.
    void MoveRecords(size_t From, size_t To, int32_t Take) {
        TBlock& S = FBlocks[From];
        TBlock& D = FBlocks[To];
        TRec* Moved;
        if (To < From) {
            Moved = D.Data() + D.Count;
            std::memcpy(Moved, S.Data(), static_cast<size_t>(Take) * sizeof(TRec));
            std::memmove(S.Data(), S.Data() + Take, static_cast<size_t>(S.Count - Take) * sizeof(TRec));
        } else {
            std::memmove(D.Data() + Take, D.Data(), static_cast<size_t>(D.Count) * sizeof(TRec));
            Moved = D.Data();
            std::memcpy(Moved, S.Data() + S.Count - Take, static_cast<size_t>(Take) * sizeof(TRec));
        }
        S.Count -= Take;
        D.Count += Take;
        std::array<int64_t, KeyCount> Diff;
        for (int k = 0; k < KeyCount; ++k)
            Diff[static_cast<size_t>(k)] =
                static_cast<int64_t>(S.Shift[static_cast<size_t>(k)]) - D.Shift[static_cast<size_t>(k)];
        for (int32_t j = 0; j < Take; ++j)
            ((Moved[j].*KeyFields = Wrap(Moved[j].*KeyFields, Diff[static_cast<size_t>(IndexOf<KeyFields>())])), ...);
    }

    // A block below a quarter joins its next (or previous) neighbour, or
    // takes records from it when both together overflow.
    void Balance(size_t b) {
        if (b >= FBlocks.size() || FBlocks.size() < 2 || FBlocks[b].Count >= PerBlock / 4) return;
        size_t n = b + 1 < FBlocks.size() ? b + 1 : b - 1;
        int32_t Sum = FBlocks[b].Count + FBlocks[n].Count;
        if (Sum <= PerBlock) {
            MoveRecords(b, n, FBlocks[b].Count);
            FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(b));
            FLast = 0;
            Renumber(std::min(b, n));
        } else {
            MoveRecords(n, b, FBlocks[n].Count - Sum / 2);
            Renumber(std::min(b, n));
        }
    }

    std::vector<TBlock> FBlocks;
    int32_t FCount = 0;
    mutable size_t FLast = 0;
};
