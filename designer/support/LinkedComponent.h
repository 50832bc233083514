#pragma once
// A component that watches one other object, component or not, and hears
// when it is freed.
#include <functional>

#include "framework/classes/Component.h"

class TZelLinkedComponent : public TComponent {
    QRN_CLASS(TZelLinkedComponent, TComponent)
public:
    // With an owner, the owner's Notification hears of the link.
    explicit TZelLinkedComponent(TComponent* AOwner);
    ~TZelLinkedComponent() override;

    // The object (its former address once freed) and the operation.
    std::function<void(TObject* Object, TOperation Operation)> OnLinkNotification;

    TObject* LinkedObject() const { return FLinkedObject; }
    void SetLinkedObject(TObject* Value);

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void LinkedObjectFreed(const void* Address);
    void Tell(TObject* Object, TOperation Operation);

    TObject* FLinkedObject = nullptr;
    // The owner's Notification passes every notification back to its
    // components, this one included: telling it again would never end.
    bool FTelling = false;
};
