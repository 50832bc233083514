#pragma once
// The component classes registered with the designer, with how they were
// registered (flags) and their palette page. The application object holds
// the one list; the framework's registration calls reach it through the
// handlers of the designer library.
#include <cstdint>
#include <string>
#include <vector>

#include "designer/support/PackagedCollection.h"
#include "framework/classes/TypeInfo.h"

// How a class was registered.
inline constexpr uint8_t ClassOnPage = 8;
inline constexpr uint8_t ClassWithoutIcon = 4;
inline constexpr uint8_t ClassNonActiveX = 1;

class TClassItem : public TPackagedCollectionItem {
    QRN_CLASS(TClassItem, TPackagedCollectionItem)
public:
    using TPackagedCollectionItem::TPackagedCollectionItem;
    const TClass* ComponentClass = nullptr;
    uint8_t Flags = 0;
    std::string PageName;
};

class TClassItems : public TPackagedCollection {
    QRN_CLASS(TClassItems, TPackagedCollection)
public:
    TClassItems() : TPackagedCollection(TClassItem::StaticClass()) {}
    TClassItem* ClassItems(int Index) const { return static_cast<TClassItem*>(Items(Index)); }
    // The item of exactly that class; nullptr when none.
    TClassItem* Find(const TClass* Class) const;
    // Each class is registered for creation by name, its item found or
    // added, Flags ORed in; a first page stays.
    void RegisterClasses(const std::string& Page, const std::vector<const TClass*>& Classes, uint8_t Flags);
    // False when the first item for the class or an ancestor says "without
    // an icon"; True otherwise.
    bool HasDesignIcon(const TClass* Class) const;
};
