#pragma once
// Registry collections whose entries go away with the package that made
// them: every item remembers the package being loaded and the editor group
// open when it was added, and the collection listens on the bus for
// ModuleUnloadingMessage to free the items of a group being freed.
#include <cstdint>

#include "framework/classes/Collection.h"

struct TZelMessage;

class TPackagedCollectionItem : public TCollectionItem {
    QRN_CLASS(TPackagedCollectionItem, TCollectionItem)
public:
    explicit TPackagedCollectionItem(TCollection* Collection);

    intptr_t Module = 0;
    int EditorGroup = 0;
};

class TPackagedCollection : public TCollection {
    QRN_CLASS(TPackagedCollection, TCollection)
public:
    explicit TPackagedCollection(const TClass* ItemClass);
    ~TPackagedCollection() override;

    // Frees the items of the group in WParam, newest first.
    void ModuleUnloading(TZelMessage& Message);
};

// The newest item; nullptr for an empty collection.
TCollectionItem* LastCollectionItem(const TCollection* Collection);
