#include "designer/engine/win/DataModuleWrapper.h"

#include <algorithm>

#include "designer/support/WrapperInfo.h"
#include "designer/support/win/FDesigner.h"
#include "framework/rtl/List.h"

QRN_PUBLISHED(TNotifier) {}
QRN_PUBLISHED(TDataModuleWrapper) {
    B.Message(DesignerModifiedMessage, &TDataModuleWrapper::DesignerModified);
}

void TNotifier::BeforeDestruction() {
    if (Wrapper) Wrapper->Notifier = nullptr;
    TControl::BeforeDestruction();
}

void TNotifier::Notification(TComponent* AComponent, TOperation Operation) {
    TControl::Notification(AComponent, Operation);
    if (!Wrapper) return;
    if (Operation == opRemove) {
        Wrapper->Removing = AComponent;
        Wrapper->UpdateScrollRange();
    }
    if (auto* Designer = Wrapper->Designer<TFDesigner>()) Designer->ComponentNotification(AComponent, Operation);
}

TDataModuleWrapper::TDataModuleWrapper(TComponent* AOwner) : TForm(AOwner) {
    SetColor(clWindow);
    SetVisible(false);
    AddListener(this);
}

void TDataModuleWrapper::BeforeDestruction() {
    SetDataModule(nullptr);
    RemoveListener(this);
    if (Notifier) Notifier->Free();
    TForm::BeforeDestruction();
}

void TDataModuleWrapper::SetDataModule(TDataModule* Value) {
    if (Value == FDataModule) return;
    if (FDataModule) {
        RemoveWrapperInfo(this);
        if (Notifier) {
            Notifier->Wrapper = nullptr;
            Notifier->Free();
            Notifier = nullptr;
        }
        FDataModule->RemoveFreeNotification(this);
    }
    FDataModule = Value;
    if (!FDataModule) return;
    Notifier = new TNotifier(FDataModule);
    Notifier->Wrapper = this;
    AddWrapperInfo(FDataModule, this);
    FDataModule->FreeNotification(this);
    SetCaption(FDataModule->Name());
    const TPoint At = FDataModule->DesignOffset();
    const TPoint Size = FDataModule->DesignSize();
    SetBounds(At.X, At.Y, Size.X, Size.Y);
}

void TDataModuleWrapper::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataModule) {
        Notifier = nullptr;  // the data module frees it
        SetDataModule(nullptr);
    }
}

void TDataModuleWrapper::StorePlace() {
    if (!FDataModule) return;
    FDataModule->SetDesignOffset({Left(), Top()});
    FDataModule->SetDesignSize({Width(), Height()});
}

void TDataModuleWrapper::WndProc(TMessage& Message) {
    TForm::WndProc(Message);
    // The data module keeps its place and size on screen.
    if (Message.Msg == WM_MOVE || Message.Msg == WM_SIZE) StorePlace();
}

void TDataModuleWrapper::DesignerModified(TZelMessage& Message) {
    const auto* List = reinterpret_cast<const TList*>(Message.WParam);
    // A rename of the data module shows at once.
    if (FDataModule && List && List->Count() == 1 && List->Items(0) == FDataModule) SetCaption(FDataModule->Name());
}

void TDataModuleWrapper::UpdateScrollRange() {
    if (!FDataModule) return;
    int MaxLeft = 0, MaxTop = 0;
    for (int I = 0; I < FDataModule->ComponentCount(); ++I) {
        TComponent* C = FDataModule->Components(I);
        if (C == Removing || C == Notifier) continue;
        // Icon positions are signed: an icon left of or above the origin
        // does not stretch the range.
        const auto Info = static_cast<uint32_t>(C->DesignInfo());
        MaxLeft = std::max(MaxLeft, static_cast<int>(static_cast<int16_t>(Info & 0xFFFF)));
        MaxTop = std::max(MaxTop, static_cast<int>(static_cast<int16_t>(Info >> 16)));
    }
    FHorzRange = 28 + MaxLeft;
    FVertRange = 28 + MaxTop;
    if (HandleAllocated()) {
        SetScrollRange(Handle(), SB_HORZ, 0, FHorzRange, TRUE);
        SetScrollRange(Handle(), SB_VERT, 0, FVertRange, TRUE);
    }
}
