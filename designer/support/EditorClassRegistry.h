#pragma once
// Which drop-down list, in-place edit and edit source the inspector uses for
// a property. Entries are kept per package (freed with its editor group);
// a lookup takes the newest entry that fits, so a later registration
// overrides an earlier one for the same property.
#include <string>

#include "designer/support/PackagedCollection.h"
#include "framework/classes/TypeInfo.h"

// What an entry is for: a property type (nullptr: any; a class type also
// covers its descendants), a component class (nullptr: any, else that class
// and its descendants) and a property name (empty: any; exact case).
class TPropertyClassInfo : public TPackagedCollectionItem {
    QRN_CLASS(TPropertyClassInfo, TPackagedCollectionItem)
public:
    using TPackagedCollectionItem::TPackagedCollectionItem;
    bool Matches(const TTypeInfo* Type, const TPersistent* Component, const std::string& Name) const;

    const TTypeInfo* PropertyType = nullptr;
    std::string PropName;
    const TClass* ComponentClass = nullptr;
};

class TPopupClassInfo : public TPropertyClassInfo {
    QRN_CLASS(TPopupClassInfo, TPropertyClassInfo)
public:
    using TPropertyClassInfo::TPropertyClassInfo;
    const TClass* PopupClass = nullptr;
};

class TEditClassInfo : public TPropertyClassInfo {
    QRN_CLASS(TEditClassInfo, TPropertyClassInfo)
public:
    using TPropertyClassInfo::TPropertyClassInfo;
    const TClass* EditClass = nullptr;
    // Used only while a row is edited, never to paint the other rows.
    bool InplaceOnly = false;
};

class TEditSourceClassInfo : public TPropertyClassInfo {
    QRN_CLASS(TEditSourceClassInfo, TPropertyClassInfo)
public:
    using TPropertyClassInfo::TPropertyClassInfo;
    const TClass* EditSourceClass = nullptr;
};

// The registries, created on first use.
TPackagedCollection& PopupClassRegistry();
TPackagedCollection& EditClassRegistry();
TPackagedCollection& EditSourceClassRegistry();
void ShutdownEditorClassRegistries();

// Each class is also registered for creation by name.
void RegisterPopupClass(const TTypeInfo* PropertyType, const TClass* ComponentClass, const std::string& PropName,
                        const TClass* PopupClass);
void RegisterEditClass(const TTypeInfo* PropertyType, const TClass* ComponentClass, const std::string& PropName,
                       const TClass* EditClass);
void RegisterInplaceOnlyEditClass(const TTypeInfo* PropertyType, const TClass* ComponentClass,
                                  const std::string& PropName, const TClass* EditClass);
bool IsInplaceOnlyEditClass(const TClass* EditClass);

// The newest entry of Registry that fits the property; nullptr when none.
TPropertyClassInfo* FindPropertyClassInfo(const TCollection& Registry, const TTypeInfo* PropertyType,
                                          const TPersistent* Component, const std::string& PropName);
