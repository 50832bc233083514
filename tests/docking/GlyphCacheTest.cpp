#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "docking/DockTexts.h"
#include "docking/GlyphCache.h"
#include "framework/rtl/Exceptions.h"

namespace {

// An image list of 16 x 16 images whose entries are labels; the masked add
// splits a wider image into one entry per 16 pixels, as the platform does.
class TFakeStore : public TGlyphImageStore {
public:
    std::vector<std::string> Entries;
    TExtent Size{16, 16};
    int AddingWidth = 16;
    std::string AddingLabel = "img";
    bool FailAppend = false;
    bool FailReplace = false;
    int ChangedCount = 0;

    bool HasHandle() const override { return true; }
    TExtent ImageSize() const override { return Size; }
    int ImageCount() const override { return static_cast<int>(Entries.size()); }
    void AppendEmpty() override { Entries.push_back(""); }
    bool AppendImageMasked() override {
        if (FailAppend) return false;
        for (int X = 0; X + Size.Width <= AddingWidth; X += Size.Width)
            Entries.push_back(AddingLabel + "@" + std::to_string(X));
        return true;
    }
    bool ReplaceWithEntry(int Target, int Source) override {
        if (FailReplace) return false;
        Entries.at(static_cast<size_t>(Target)) = Entries.at(static_cast<size_t>(Source));
        return true;
    }
    void DeleteEntry(int Index) override { Entries.erase(Entries.begin() + Index); }
    void Changed() override { ++ChangedCount; }

    int Add(TGlyphSlots& Slots, const std::string& Label, int Width = 16) {
        AddingLabel = Label;
        AddingWidth = Width;
        return GlyphListAddMasked(Slots, *this, {Width, Size.Height});
    }
};

}  // namespace

TEST(GlyphListAddMasked, PutsTheImageAtTheFirstFreeIndex) {
    TFakeStore Store;
    TGlyphSlots Slots;
    EXPECT_EQ(Store.Add(Slots, "a"), 0);
    EXPECT_EQ(Store.Add(Slots, "b"), 1);
    EXPECT_EQ(Store.Entries, (std::vector<std::string>{"a@0", "b@0"}));
    EXPECT_EQ(Slots.Count(), 2);
    EXPECT_EQ(Store.ChangedCount, 2);
}

TEST(GlyphListAddMasked, FreedIndicesAreReused) {
    TFakeStore Store;
    TGlyphSlots Slots;
    Store.Add(Slots, "a");
    Store.Add(Slots, "b");
    Store.Add(Slots, "c");
    Slots.MarkFree(1);
    EXPECT_EQ(Slots.Count(), 2);
    EXPECT_EQ(Store.Add(Slots, "d"), 1);
    EXPECT_EQ(Store.Entries, (std::vector<std::string>{"a@0", "d@0", "c@0"}));
    EXPECT_EQ(Slots.Count(), 3);
    Slots.MarkFree(1);
    Slots.MarkFree(1);  // freeing twice counts once
    EXPECT_EQ(Slots.Count(), 2);
}

TEST(GlyphListAddMasked, LargerImageLeavesNoAppendedEntriesBehind) {
    TFakeStore Store;
    TGlyphSlots Slots;
    Store.Add(Slots, "a");
    // A 48-pixel image comes back from the platform as three entries; all
    // of them must go again.
    EXPECT_EQ(Store.Add(Slots, "wide", 48), 1);
    EXPECT_EQ(Store.Entries, (std::vector<std::string>{"a@0", "wide@0"}));
    EXPECT_EQ(Store.Add(Slots, "next"), 2);
    EXPECT_EQ(Store.ImageCount(), 3);
}

TEST(GlyphListAddMasked, SmallerImageIsRefused) {
    TFakeStore Store;
    TGlyphSlots Slots;
    try {
        GlyphListAddMasked(Slots, Store, {15, 16});
        FAIL() << "no exception";
    } catch (const EInvalidOperation& E) {
        EXPECT_EQ(E.Message, SInvalidImageSize);
    }
    EXPECT_THROW(GlyphListAddMasked(Slots, Store, {16, 8}), EInvalidOperation);
    EXPECT_EQ(Slots.Count(), 0);
    // The empty entry made for it is reused by the next add.
    EXPECT_EQ(Store.Add(Slots, "a"), 0);
    EXPECT_EQ(Store.Entries, (std::vector<std::string>{"a@0"}));
}

TEST(GlyphListAddMasked, PlatformFailureIsReportedAndCleansUp) {
    TFakeStore Store;
    TGlyphSlots Slots;
    Store.FailReplace = true;
    Store.AddingWidth = 32;
    try {
        GlyphListAddMasked(Slots, Store, {32, 16});
        FAIL() << "no exception";
    } catch (const EInvalidOperation& E) {
        EXPECT_EQ(E.Message, SUnableToReplaceImage);
    }
    EXPECT_EQ(Store.ImageCount(), 1);  // only the empty entry taken for it
    EXPECT_EQ(Slots.Count(), 0);
    Store.FailReplace = false;
    Store.FailAppend = true;
    EXPECT_THROW(GlyphListAddMasked(Slots, Store, {16, 16}), EInvalidOperation);
    EXPECT_EQ(Store.ImageCount(), 1);
}

namespace {

struct TCountedList {
    static int Alive;
    TExtent Size;
    explicit TCountedList(TExtent S) : Size(S) { ++Alive; }
    ~TCountedList() { --Alive; }
};
int TCountedList::Alive = 0;

}  // namespace

TEST(GlyphCache, ListsAreSharedBySizeAndFreedWithTheirLastUser) {
    TCountedList::Alive = 0;
    TGlyphCache<TCountedList> Cache([](TExtent S) { return std::make_unique<TCountedList>(S); });
    TCountedList* A = Cache.Acquire({16, 16});
    TCountedList* B = Cache.Acquire({16, 16});
    TCountedList* Disabled = Cache.Acquire({17, 17});
    EXPECT_EQ(A, B);
    EXPECT_NE(A, Disabled);
    EXPECT_EQ(Disabled->Size, (TExtent{17, 17}));
    EXPECT_EQ(TCountedList::Alive, 2);
    Cache.Release(A);
    EXPECT_EQ(TCountedList::Alive, 2);
    Cache.Release(B);
    EXPECT_EQ(TCountedList::Alive, 1);
    Cache.Release(Disabled);
    EXPECT_TRUE(Cache.Empty());
    EXPECT_EQ(TCountedList::Alive, 0);
    Cache.Release(nullptr);  // unknown lists are ignored
}
