#pragma once
// Bookkeeping of the glyph cache: image lists shared by all button glyphs,
// one per image size, and inside each list which indices hold an image.
// The window code supplies the image list itself through TGlyphImageStore.
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "docking/DockGeometry.h"

// Which indices of a glyph list hold an image; freed ones are reused.
class TGlyphSlots {
public:
    // The first index below ImageCount that holds no image, -1 when none.
    int FirstFreeIndex(int ImageCount) const;
    bool IsUsed(int Index) const;
    void MarkUsed(int Index);
    // Frees an index (the image stays in the list for reuse).
    void MarkFree(int Index);
    int Count() const { return FCount; }

private:
    std::vector<bool> FUsed;
    int FCount = 0;
};

// The operations of an image list that the masked add needs.
class TGlyphImageStore {
public:
    virtual ~TGlyphImageStore() = default;
    virtual bool HasHandle() const = 0;
    virtual TExtent ImageSize() const = 0;
    virtual int ImageCount() const = 0;
    virtual void AppendEmpty() = 0;
    // Appends the image being added with its mask colour the way the
    // platform does (an image wider than the list's yields several
    // entries); False when it failed.
    virtual bool AppendImageMasked() = 0;
    // Draws entry Source (colour and mask) into entry Target.
    virtual bool ReplaceWithEntry(int Target, int Source) = 0;
    virtual void DeleteEntry(int Index) = 0;
    virtual void Changed() {}
};

// AddMasked of the glyph list: puts an image of ImageSize into the first
// free index and returns it. Every entry the platform's masked add appended
// is removed again, however many there were. Raises EInvalidOperation
// "Invalid image size" for an image smaller than the list's images and
// "Unable to Replace Image" when the platform fails.
int GlyphListAddMasked(TGlyphSlots& Slots, TGlyphImageStore& Store, TExtent ImageSize);

// Glyph lists shared by size: the first user of a size creates its list,
// the last one to release it frees it.
template <class TList>
class TGlyphCache {
public:
    using TFactory = std::function<std::unique_ptr<TList>(TExtent)>;

    explicit TGlyphCache(TFactory Make) : FMake(std::move(Make)) {}

    TList* Acquire(TExtent Size) {
        auto It = FLists.find(Key(Size));
        if (It == FLists.end()) It = FLists.emplace(Key(Size), TEntry{FMake(Size), 0}).first;
        ++It->second.Uses;
        return It->second.List.get();
    }

    void Release(TList* List) {
        for (auto It = FLists.begin(); It != FLists.end(); ++It)
            if (It->second.List.get() == List) {
                if (--It->second.Uses <= 0) FLists.erase(It);
                return;
            }
    }

    bool Empty() const { return FLists.empty(); }
    int ListCount() const { return static_cast<int>(FLists.size()); }

private:
    struct TEntry {
        std::unique_ptr<TList> List;
        int Uses = 0;
    };
    static std::pair<int, int> Key(TExtent S) { return {S.Width, S.Height}; }

    TFactory FMake;
    std::map<std::pair<int, int>, TEntry> FLists;
};
