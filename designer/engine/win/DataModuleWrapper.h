#pragma once
// A data module has no window: while it is designed, a plain form stands
// for it on screen (the wrapper), and a hidden control inside the data
// module (the notifier) passes the data module's component notifications
// on to the wrapper and its designer.
#include "designer/support/MessageBus.h"
#include "framework/classes/DataModule.h"
#include "framework/forms/Forms.h"

class TDataModuleWrapper;

class TNotifier : public TControl {
    QRN_CLASS(TNotifier, TControl)
public:
    explicit TNotifier(TComponent* AOwner) : TControl(AOwner) {}
    void BeforeDestruction() override;
    TDataModuleWrapper* Wrapper = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
};

class TDataModuleWrapper : public TForm {
    QRN_CLASS(TDataModuleWrapper, TForm)
public:
    explicit TDataModuleWrapper(TComponent* AOwner);
    void BeforeDestruction() override;

    TDataModule* DataModule() const { return FDataModule; }
    void SetDataModule(TDataModule* Value);
    // 28 beyond the farthest component icon of the data module.
    void UpdateScrollRange();
    int HorzRange() const { return FHorzRange; }
    int VertRange() const { return FVertRange; }

    TNotifier* Notifier = nullptr;
    TComponent* Removing = nullptr;  // left out of the scroll range

    void WndProc(TMessage& Message) override;
    void DesignerModified(TZelMessage& Message);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void StorePlace();

    TDataModule* FDataModule = nullptr;
    int FHorzRange = 0;
    int FVertRange = 0;
};
