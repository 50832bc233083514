#include "designer/support/LinkedComponent.h"

#include "designer/support/FreeNotifiers.h"

QRN_PUBLISHED(TZelLinkedComponent) {}

TZelLinkedComponent::TZelLinkedComponent(TComponent* AOwner) : TComponent(AOwner) {
    if (AOwner) {
        OnLinkNotification = [AOwner](TObject* Object, TOperation Operation) {
            // Only the address is compared: the object may be gone.
            AOwner->Notification(reinterpret_cast<TComponent*>(Object), Operation);
        };
    }
}

TZelLinkedComponent::~TZelLinkedComponent() {
    RemoveFreeNotifier(FLinkedObject, FreeNotifyMethod<&TZelLinkedComponent::LinkedObjectFreed>(this));
}

void TZelLinkedComponent::SetLinkedObject(TObject* Value) {
    if (Value == FLinkedObject) return;
    RemoveFreeNotifier(FLinkedObject, FreeNotifyMethod<&TZelLinkedComponent::LinkedObjectFreed>(this));
    FLinkedObject = Value;
    AddFreeNotifier(FLinkedObject, FreeNotifyMethod<&TZelLinkedComponent::LinkedObjectFreed>(this));
}

void TZelLinkedComponent::LinkedObjectFreed(const void* Address) {
    if (Address != FLinkedObject) return;
    TObject* Former = FLinkedObject;
    FLinkedObject = nullptr;
    Tell(Former, opRemove);
}

void TZelLinkedComponent::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (!AComponent || static_cast<TObject*>(AComponent) != FLinkedObject) return;
    // Dropping the link also drops its watch, which would otherwise
    // outlive this component when the object is only removed, not freed.
    if (Operation == opRemove) SetLinkedObject(nullptr);
    Tell(AComponent, Operation);
}

void TZelLinkedComponent::Tell(TObject* Object, TOperation Operation) {
    if (!OnLinkNotification || FTelling) return;
    FTelling = true;
    try {
        OnLinkNotification(Object, Operation);
    } catch (...) {
        FTelling = false;
        throw;
    }
    FTelling = false;
}
