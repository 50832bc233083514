#include "designer/support/LinkedComponent.h"

#include "designer/support/FreeNotifiers.h"

QRN_PUBLISHED(TZelLinkedComponent) {}

TZelLinkedComponent::TZelLinkedComponent(TComponent* AOwner) : TComponent(AOwner) {
    if (AOwner) {
        // The owner's Notification may call on the component it is given:
        // it hears of components while they live, never of a freed object.
        OnLinkNotification = [this, AOwner](TObject*, TOperation Operation) {
            if (FToldComponent) AOwner->Notification(FToldComponent, Operation);
        };
    }
}

TZelLinkedComponent::~TZelLinkedComponent() {
    RemoveFreeNotifier(FLinkedObject, FreeNotifyMethod<&TZelLinkedComponent::LinkedObjectFreed>(this));
}

void TZelLinkedComponent::SetLinkedObject(TObject* Value) {
    if (Value == FLinkedObject) return;
    RemoveFreeNotifier(FLinkedObject, FreeNotifyMethod<&TZelLinkedComponent::LinkedObjectFreed>(this));
    if (Owner())
        if (auto* Old = dynamic_cast<TComponent*>(FLinkedObject)) Old->RemoveFreeNotification(this);
    FLinkedObject = Value;
    AddFreeNotifier(FLinkedObject, FreeNotifyMethod<&TZelLinkedComponent::LinkedObjectFreed>(this));
    // The owner's relay needs a component that still lives: free-notified,
    // a component tells of its end before it is freed. Without an owner
    // nothing needs that, and the component is not told of this link.
    if (auto* New = dynamic_cast<TComponent*>(Value); New && Owner()) New->FreeNotification(this);
}

void TZelLinkedComponent::LinkedObjectFreed(const void* Address) {
    if (Address != FLinkedObject) return;
    TObject* Former = FLinkedObject;
    FLinkedObject = nullptr;
    Tell(Former, nullptr, opRemove);
}

void TZelLinkedComponent::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (!AComponent || static_cast<TObject*>(AComponent) != FLinkedObject) return;
    // Dropping the link also drops its watch, which would otherwise
    // outlive this component when the object is only removed, not freed.
    if (Operation == opRemove) SetLinkedObject(nullptr);
    Tell(AComponent, AComponent, Operation);
}

void TZelLinkedComponent::Tell(TObject* Object, TComponent* Live, TOperation Operation) {
    if (!OnLinkNotification || FTelling) return;
    FTelling = true;
    FToldComponent = Live;
    try {
        OnLinkNotification(Object, Operation);
    } catch (...) {
        FTelling = false;
        FToldComponent = nullptr;
        throw;
    }
    FTelling = false;
    FToldComponent = nullptr;
}
