#pragma once
// The ActiveX controls installed on the machine: every class of the
// system's "control" component category, as its class registration
// describes it.
#include <string>

#include "designer/support/win/AxControlInfo.h"
#include "framework/rtl/StringList.h"

class TAxControlCollection : public TCollection {
    QRN_CLASS(TAxControlCollection, TCollection)
public:
    // Enumerates at once.
    TAxControlCollection();
    void Enumerate();
    TAxControlInfo* Controls(int Index) const { return static_cast<TAxControlInfo*>(Items(Index)); }
};

// The entry whose type library or class is Id; nullptr when none is.
TAxControlInfo* FindAxControl(TAxControlCollection* Collection, const GUID& Id);
// One line per type library (its first control), named by the library's
// registered name or else the control's description; the entry is the
// line's object.
void FillAxControlList(TAxControlCollection* Collection, TStrings* Strings);
