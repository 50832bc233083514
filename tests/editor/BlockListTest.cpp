#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/BlockList.h"
#include "editor/RecordBlocks.h"

namespace {
struct TRec {
    int32_t Id;
    int32_t A;
    int32_t B;
};
// Blocks of 8 records: a few hundred records split and join blocks often.
using TList = TBlockList<TRec, 8, &TRec::A, &TRec::B>;

int32_t StepA(const TRec& R) { return R.Id % 5 + 1; }
int32_t StepB(const TRec& R) { return R.Id % 3 + 1; }
}  // namespace

// Random insertions, deletions and changed steps against a vector of ids
// whose keys are the running sums of the steps, as the editor keeps starts
// and first lines: only the changed records are given keys, every later
// one moves through the shifts.
TEST(BlockList, RecordsAndKeysFollowAVectorModel) {
    TList L;
    std::vector<int32_t> Model;
    uint32_t X = 11;
    auto Rand = [&](uint32_t N) {
        X = X * 1103515245u + 12345u;
        return static_cast<int32_t>((X >> 8) % N);
    };
    auto Run = [&](int32_t First, int32_t Last) {
        auto StA = [&](int32_t P) { return StepA(L[P]); };
        auto StB = [&](int32_t P) { return StepB(L[P]); };
        L.RunKeys<0>(First, Last, StA);
        L.RunKeys<1>(First, Last, StB);
    };
    int32_t NextId = 0;
    for (int Step = 0; Step < 3000; ++Step) {
        auto Count = static_cast<int32_t>(Model.size());
        int Op = Rand(10);
        // Growth wins until a few hundred records, then both balance.
        bool Grow = Count < 300 ? Op < 6 : Op < 4;
        if (Count == 0 || Grow) {
            int32_t At = Rand(static_cast<uint32_t>(Count) + 1);
            int32_t N = Rand(8) == 0 ? 1 + Rand(40) : 1 + Rand(3);
            L.Insert(At, N, TRec{-1, 77, 77});
            for (int32_t k = 0; k < N; ++k) {
                L[At + k].Id = NextId;
                Model.insert(Model.begin() + At + k, NextId++);
            }
            if (At == 0) {
                L.SetKey<0>(0, 0);
                L.SetKey<1>(0, 0);
            }
            Run(std::max(At - 1, 0), At + N - 1);
        } else if (Op < 8) {
            int32_t At = Rand(static_cast<uint32_t>(Count));
            int32_t N = std::min(Count - At, Rand(8) == 0 ? 1 + Rand(40) : 1 + Rand(3));
            L.Delete(At, N);
            Model.erase(Model.begin() + At, Model.begin() + At + N);
            if (At > 0)
                Run(At - 1, At - 1);
            else if (!Model.empty()) {
                L.AddToKeys<0>(0, -L.Key<0>(0));
                L.AddToKeys<1>(0, -L.Key<1>(0));
            }
        } else {
            // A record's step changes (a typed key, a paragraph laid out again).
            int32_t At = Rand(static_cast<uint32_t>(Count));
            L[At].Id = Model[static_cast<size_t>(At)] = NextId++;
            Run(At, At);
        }
        ASSERT_EQ(L.Count(), static_cast<int32_t>(Model.size()));
        // Every block but a lone one keeps a quarter at least.
        ASSERT_LE(L.BlockCount(), std::max(1, L.Count() / 2)) << Step;
        int32_t KA = 0, KB = 0;
        std::vector<int32_t> KeysA;
        for (int32_t i = 0; i < L.Count(); ++i) {
            ASSERT_EQ(L[i].Id, Model[static_cast<size_t>(i)]) << Step << " " << i;
            ASSERT_EQ(L.Key<0>(i), KA) << Step << " " << i;
            ASSERT_EQ(L.Key<1>(i), KB) << Step << " " << i;
            KeysA.push_back(KA);
            KA += StepA(L[i]);
            KB += StepB(L[i]);
        }
        if (!Model.empty()) {
            int32_t V = Rand(static_cast<uint32_t>(KA) + 2);
            auto Expect = static_cast<int32_t>(std::upper_bound(KeysA.begin(), KeysA.end(), V) - KeysA.begin()) - 1;
            ASSERT_EQ(L.LastAtOrBefore<0>(V), Expect) << Step << " " << V;
        }
    }
    EXPECT_THROW(L[L.Count()], ERangeError);
    L.Clear();
    EXPECT_EQ(L.Count(), 0);
}

// Blocks of two sizes over several regions, freed in a mixed order and
// asked for again: each block keeps what was written into it while others
// come and go (the pool hands freed blocks out again and gives emptied
// regions back), and a block larger than the pool's is a plain allocation.
TEST(BlockList, RecordBlocksKeepTheirContentsWhileOthersComeAndGo) {
    struct TLive {
        size_t Bytes;
        unsigned char* Data;
        unsigned char Mark;
    };
    std::vector<TLive> Live;
    uint32_t X = 5;
    auto Rand = [&](uint32_t N) {
        X = X * 1103515245u + 12345u;
        return (X >> 8) % N;
    };
    unsigned char Mark = 0;
    auto Take = [&](size_t Bytes) {
        auto* D = static_cast<unsigned char*>(AllocRecordBlock(Bytes));
        ++Mark;
        std::fill(D, D + Bytes, Mark);
        Live.push_back({Bytes, D, Mark});
    };
    auto Check = [&] {
        for (const TLive& L : Live)
            ASSERT_TRUE(std::all_of(L.Data, L.Data + L.Bytes, [&](unsigned char C) { return C == L.Mark; }));
    };
    constexpr size_t Big = 256 * 1024, Small = 8 * 1024 + 8;  // 8 and 254 a region
    for (int Round = 0; Round < 3; ++Round) {
        for (int i = 0; i < 40; ++i) Take(Big);
        for (int i = 0; i < 700; ++i) Take(Small);
        Take(4 << 20);
        ASSERT_NO_FATAL_FAILURE(Check());
        // Every other block goes, then most of the rest.
        for (size_t i = 0; i < Live.size(); i += 2) {
            FreeRecordBlock(Live[i].Data, Live[i].Bytes);
            Live[i].Data = nullptr;
        }
        Live.erase(std::remove_if(Live.begin(), Live.end(), [](const TLive& L) { return !L.Data; }), Live.end());
        ASSERT_NO_FATAL_FAILURE(Check());
        while (Live.size() > 50) {
            size_t i = Rand(static_cast<uint32_t>(Live.size()));
            FreeRecordBlock(Live[i].Data, Live[i].Bytes);
            Live.erase(Live.begin() + static_cast<std::ptrdiff_t>(i));
        }
        ASSERT_NO_FATAL_FAILURE(Check());
    }
    for (const TLive& L : Live) FreeRecordBlock(L.Data, L.Bytes);
}
