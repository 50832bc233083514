#include "docking/GlyphCache.h"

#include "docking/DockTexts.h"
#include "framework/rtl/Exceptions.h"

int TGlyphSlots::FirstFreeIndex(int ImageCount) const {
    for (int I = 0; I < ImageCount; ++I)
        if (!IsUsed(I)) return I;
    return -1;
}

bool TGlyphSlots::IsUsed(int Index) const {
    return Index >= 0 && Index < static_cast<int>(FUsed.size()) && FUsed[static_cast<size_t>(Index)];
}

void TGlyphSlots::MarkUsed(int Index) {
    if (Index < 0 || IsUsed(Index)) return;
    if (Index >= static_cast<int>(FUsed.size())) FUsed.resize(static_cast<size_t>(Index) + 1, false);
    FUsed[static_cast<size_t>(Index)] = true;
    ++FCount;
}

void TGlyphSlots::MarkFree(int Index) {
    if (!IsUsed(Index)) return;
    FUsed[static_cast<size_t>(Index)] = false;
    --FCount;
}

namespace {

// Removes, whatever happens, the entries the masked add appended past
// the count it started from.
class TAppendedEntries {
public:
    TAppendedEntries(TGlyphImageStore& Store, int CountBefore) : FStore(Store), FCountBefore(CountBefore) {}
    ~TAppendedEntries() {
        for (int I = FStore.ImageCount() - 1; I >= FCountBefore; --I) FStore.DeleteEntry(I);
    }
    TAppendedEntries(const TAppendedEntries&) = delete;
    TAppendedEntries& operator=(const TAppendedEntries&) = delete;

private:
    TGlyphImageStore& FStore;
    int FCountBefore;
};

}  // namespace

int GlyphListAddMasked(TGlyphSlots& Slots, TGlyphImageStore& Store, TExtent ImageSize) {
    int Index = Slots.FirstFreeIndex(Store.ImageCount());
    if (Index < 0) {
        Index = Store.ImageCount();
        Store.AppendEmpty();
    }
    if (Store.HasHandle()) {
        const TExtent ListSize = Store.ImageSize();
        if (ImageSize.Width < ListSize.Width || ImageSize.Height < ListSize.Height)
            throw EInvalidOperation(SInvalidImageSize);
        bool Replaced = false;
        {
            const int Appended = Store.ImageCount();
            TAppendedEntries Cleanup(Store, Appended);
            if (Store.AppendImageMasked() && Store.ImageCount() > Appended)
                Replaced = Store.ReplaceWithEntry(Index, Appended);
        }
        if (!Replaced) throw EInvalidOperation(SUnableToReplaceImage);
    }
    Store.Changed();
    Slots.MarkUsed(Index);
    return Index;
}
