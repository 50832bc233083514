#pragma once
// Components that hear whenever a window of the UI thread gains the focus.
// The first one installs a thread message hook, the last one removes it.
#include <string>

#include "framework/classes/Component.h"

class TCustomActiveNotifier : public TComponent {
    QRN_CLASS(TCustomActiveNotifier, TComponent)
public:
    explicit TCustomActiveNotifier(TComponent* AOwner);
    ~TCustomActiveNotifier() override;

    // The default calls OnActiveChanged.
    virtual void ActiveChanged();

    std::string Version() const { return "1.0"; }
    void SetVersion(const std::string&) {}

protected:
    TNotifyEvent FOnActiveChanged;
};

class TActiveNotifier : public TCustomActiveNotifier {
    QRN_CLASS(TActiveNotifier, TCustomActiveNotifier)
public:
    using TCustomActiveNotifier::TCustomActiveNotifier;
    TNotifyEvent& OnActiveChanged() { return FOnActiveChanged; }
};

// Tells the verbs that their state may have changed.
class TIDEActiveNotifier : public TCustomActiveNotifier {
    QRN_CLASS(TIDEActiveNotifier, TCustomActiveNotifier)
public:
    using TCustomActiveNotifier::TCustomActiveNotifier;
    void ActiveChanged() override;
};

// The library's one TIDEActiveNotifier, made on first request.
TIDEActiveNotifier* IDEActiveNotifier();
void FreeIDEActiveNotifier();
int ActiveNotifierCount();
