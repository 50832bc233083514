#pragma once
// One ActiveX control installed on the machine.
#include <string>

#include "framework/classes/Collection.h"
#include "framework/rtl/win/WinApi.h"

class TAxControlInfo : public TCollectionItem {
    QRN_CLASS(TAxControlInfo, TCollectionItem)
public:
    explicit TAxControlInfo(TCollection* Collection) : TCollectionItem(Collection) {}

    GUID ClassID{};
    std::string FileName;    // its in-process server
    std::string BitmapName;  // the toolbox bitmap resource of the file
    std::string Description;
    std::string Name;        // its ProgID
    GUID TypeLibID{};        // null without a type library

    // What the list of known controls holds for it: its type library, or
    // its class when it has none.
    const GUID& KnownKey() const { return IsEqualGUID(TypeLibID, GUID{}) ? ClassID : TypeLibID; }
};
