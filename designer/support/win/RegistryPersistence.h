#pragma once
// Whole objects in the registry: a component (or any persistent object,
// carried by a holder component) streamed into one binary value, and an
// object's published properties stored as one value each.
#include <string>

#include "framework/classes/Component.h"

// Carries an object that is not a component through the component stream.
class TPersHolder : public TComponent {
    QRN_CLASS(TPersHolder, TComponent)
public:
    using TComponent::TComponent;
    TPersistent* P() const { return FP; }
    void SetP(TPersistent* Value) { FP = Value; }

private:
    TPersistent* FP = nullptr;
};

// Replaces the value at Path with the object's stream (in text form when
// AsText). Raises when the value cannot be written.
void SaveComponentToRegistry(const std::string& Path, TPersistent* Obj, bool AsText = true);
// Reads the stored stream into Obj; an empty or missing value leaves it.
void LoadComponentFromRegistry(const std::string& Path, TPersistent* Obj, bool AsText = true);

// One value per stored published property below Key: plain values as
// registry values, string lists as one string, collections as a text
// stream, other objects as a sub-key named after the property. Loading
// keeps a property's current value when its stored value is missing or
// bad, and goes on with the others.
void SaveObjectToRegistry(TObject* Obj, const std::string& Key);
void LoadObjectFromRegistry(TObject* Obj, const std::string& Key);
