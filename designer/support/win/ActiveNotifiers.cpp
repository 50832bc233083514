#include "designer/support/win/ActiveNotifiers.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "designer/support/Verbs.h"
#include "designer/support/win/DesignErrors.h"
#include "framework/rtl/win/WinApi.h"

QRN_PUBLISHED(TCustomActiveNotifier) {
    B.Prop("Version", &TCustomActiveNotifier::Version, &TCustomActiveNotifier::SetVersion).Stored(false);
}
QRN_PUBLISHED(TActiveNotifier) {
    B.Event("OnActiveChanged", [](TObject* O) { return static_cast<TActiveNotifier*>(O)->OnActiveChanged(); },
            [](TObject* O, const TNotifyEvent& E) { static_cast<TActiveNotifier*>(O)->OnActiveChanged() = E; });
}
QRN_PUBLISHED(TIDEActiveNotifier) {}

namespace {
std::vector<TCustomActiveNotifier*> GNotifiers;  // in creation order
HHOOK GHook = nullptr;
std::unique_ptr<TIDEActiveNotifier, TObjectFree> GIDENotifier;

LRESULT CALLBACK FocusHook(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HC_ACTION && reinterpret_cast<const CWPRETSTRUCT*>(LParam)->message == WM_SETFOCUS) {
        // A notifier may free notifiers: serve a copy, skipping the gone.
        const std::vector<TCustomActiveNotifier*> Snapshot = GNotifiers;
        for (TCustomActiveNotifier* N : Snapshot) {
            if (std::find(GNotifiers.begin(), GNotifiers.end(), N) == GNotifiers.end()) continue;
            try {
                N->ActiveChanged();
            } catch (...) {
                ReportDesignError();
            }
        }
    }
    return CallNextHookEx(GHook, Code, WParam, LParam);
}
}  // namespace

TCustomActiveNotifier::TCustomActiveNotifier(TComponent* AOwner) : TComponent(AOwner) {
    if (GNotifiers.empty()) GHook = SetWindowsHookExA(WH_CALLWNDPROCRET, &FocusHook, nullptr, GetCurrentThreadId());
    GNotifiers.push_back(this);
}

TCustomActiveNotifier::~TCustomActiveNotifier() {
    GNotifiers.erase(std::remove(GNotifiers.begin(), GNotifiers.end(), this), GNotifiers.end());
    if (GNotifiers.empty() && GHook) {
        UnhookWindowsHookEx(GHook);
        GHook = nullptr;
    }
}

void TCustomActiveNotifier::ActiveChanged() {
    if (FOnActiveChanged) FOnActiveChanged(this);
}

void TIDEActiveNotifier::ActiveChanged() { VerbsChanged(); }

TIDEActiveNotifier* IDEActiveNotifier() {
    if (!GIDENotifier) GIDENotifier.reset(new TIDEActiveNotifier(nullptr));
    return GIDENotifier.get();
}

void FreeIDEActiveNotifier() { GIDENotifier.reset(); }

int ActiveNotifierCount() { return static_cast<int>(GNotifiers.size()); }
