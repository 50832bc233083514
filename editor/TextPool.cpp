#include "editor/TextPool.h"

#include <algorithm>
#include <vector>

#include "framework/rtl/Exceptions.h"

namespace {

constexpr int GranuleBits = 16;
constexpr size_t GranuleSize = size_t{1} << GranuleBits;
constexpr size_t MaxGranules = size_t{1} << (32 - GranuleBits);

// Each granule's address, null while free; granule 0 is never handed out.
// Never destroyed: documents may outlive static destruction order.
std::vector<char*>& Granules() {
    static auto* G = new std::vector<char*>(1, nullptr);
    return *G;
}

}  // namespace

char** QuillPoolGranules = Granules().data();

TPoolBlock::TPoolBlock(size_t Size) : FData(new char[Size]), FSize(Size) {
    std::vector<char*>& G = Granules();
    size_t Need = std::max<size_t>(1, (Size + GranuleSize - 1) / GranuleSize);
    // The first run of free granules long enough, else the end of the table.
    size_t Run = 0, At = G.size();
    for (size_t i = 1; i < G.size() && Run < Need; ++i) {
        if (G[i])
            Run = 0;
        else if (Run++ == 0)
            At = i;
    }
    if (Run < Need) {
        At = G.size() - Run;
        if (At + Need > MaxGranules) throw EOutOfMemory("Out of memory");
        G.resize(At + Need, nullptr);
        QuillPoolGranules = G.data();
    }
    for (size_t j = 0; j < Need; ++j) G[At + j] = FData.get() + j * GranuleSize;
    FBase = static_cast<uint32_t>(At << GranuleBits);
}

TPoolBlock::~TPoolBlock() {
    std::vector<char*>& G = Granules();
    size_t At = FBase >> GranuleBits;
    size_t Need = std::max<size_t>(1, (FSize + GranuleSize - 1) / GranuleSize);
    std::fill(G.begin() + static_cast<std::ptrdiff_t>(At), G.begin() + static_cast<std::ptrdiff_t>(At + Need), nullptr);
    while (G.size() > 1 && !G.back()) G.pop_back();
}
