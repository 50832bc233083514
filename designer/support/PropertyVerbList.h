#pragma once
// Property verbs: extra popup-menu commands of a component class that
// open the property editor of one of its properties ("&Items Editor...").
#include <string>

#include "designer/support/PackagedCollection.h"
#include "framework/classes/TypeInfo.h"

class TActionListItem : public TPackagedCollectionItem {
    QRN_CLASS(TActionListItem, TPackagedCollectionItem)
public:
    using TPackagedCollectionItem::TPackagedCollectionItem;
    std::string Caption;
    const TClass* ComponentClass = nullptr;  // nullptr: every component
    std::string PropName;
};

class TActionsList : public TPackagedCollection {
    QRN_CLASS(TActionsList, TPackagedCollection)
public:
    TActionsList() : TPackagedCollection(TActionListItem::StaticClass()) {}
    void Add(const std::string& Caption, const TClass* ComponentClass, const std::string& PropName);
    // The verbs for Component, in list order; Index counts only those.
    int MatchingCount(const TObject* Component) const;
    // nullptr when Index is beyond the matching verbs.
    TActionListItem* Matching(const TObject* Component, int Index) const;
};
