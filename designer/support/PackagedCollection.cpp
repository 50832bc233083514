#include "designer/support/PackagedCollection.h"

#include "designer/support/MessageBus.h"
#include "designer/support/ObjectParams.h"
#include "framework/design/PropEdits.h"

QRN_PUBLISHED(TPackagedCollectionItem) {}
QRN_PUBLISHED(TPackagedCollection) { B.Message(ModuleUnloadingMessage, &TPackagedCollection::ModuleUnloading); }

TPackagedCollectionItem::TPackagedCollectionItem(TCollection* Collection)
    : TCollectionItem(Collection), Module(ObjectParamsModule()), EditorGroup(CurrentEditorGroup()) {}

TPackagedCollection::TPackagedCollection(const TClass* ItemClass) : TCollection(ItemClass) { AddListener(this); }

TPackagedCollection::~TPackagedCollection() { RemoveListener(this); }

void TPackagedCollection::ModuleUnloading(TZelMessage& Message) {
    for (int I = Count() - 1; I >= 0; --I)
        if (static_cast<TPackagedCollectionItem*>(Items(I))->EditorGroup == Message.WParam) Delete(I);
}

TCollectionItem* LastCollectionItem(const TCollection* Collection) {
    return Collection && Collection->Count() > 0 ? Collection->Items(Collection->Count() - 1) : nullptr;
}
