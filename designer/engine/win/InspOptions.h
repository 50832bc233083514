#pragma once
// The inspector settings a designer component carries in its form file.
#include "framework/classes/TypeInfo.h"

class TInspOptions : public TPersistent {
    QRN_CLASS(TInspOptions, TPersistent)
public:
    bool HideEvents() const { return FHideEvents; }
    // A change also becomes the library-wide value.
    void SetHideEvents(bool Value);
    void Assign(TPersistent* Source) override;

private:
    bool FHideEvents = false;
};

// The library-wide flag the last changed HideEvents left.
bool InspectorHidesEvents();
