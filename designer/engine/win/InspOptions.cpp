#include "designer/engine/win/InspOptions.h"

namespace {
bool GHideEvents = false;
}

QRN_PUBLISHED(TInspOptions) {
    B.Prop("HideEvents", &TInspOptions::HideEvents, &TInspOptions::SetHideEvents).Default(false);
}

void TInspOptions::SetHideEvents(bool Value) {
    if (Value == FHideEvents) return;
    FHideEvents = Value;
    GHideEvents = Value;
}

void TInspOptions::Assign(TPersistent* Source) {
    if (auto* S = dynamic_cast<TInspOptions*>(Source)) {
        SetHideEvents(S->HideEvents());
        return;
    }
    TPersistent::Assign(Source);
}

bool InspectorHidesEvents() { return GHideEvents; }
