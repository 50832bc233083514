#pragma once
// A component that watches one other object, component or not, and hears
// when it is freed.
#include <functional>

#include "framework/classes/Component.h"

class TZelLinkedComponent : public TComponent {
    QRN_CLASS(TZelLinkedComponent, TComponent)
public:
    // With an owner, the owner's Notification hears of the linked object
    // when it is a component (a freed plain object is no component to give).
    explicit TZelLinkedComponent(TComponent* AOwner);
    ~TZelLinkedComponent() override;

    // The object (its former address once freed) and the operation.
    std::function<void(TObject* Object, TOperation Operation)> OnLinkNotification;

    TObject* LinkedObject() const { return FLinkedObject; }
    void SetLinkedObject(TObject* Value);

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void LinkedObjectFreed(const void* Address);
    // Live: the object as a component that still lives; nullptr once freed.
    void Tell(TObject* Object, TComponent* Live, TOperation Operation);

    TObject* FLinkedObject = nullptr;
    // The live component being told of, for the owner's relay.
    TComponent* FToldComponent = nullptr;
    // The owner's Notification passes every notification back to its
    // components, this one included: telling it again would never end.
    bool FTelling = false;
};
