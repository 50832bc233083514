#include "designer/support/EditorClassRegistry.h"

#include <memory>

#include "designer/support/FormFileHeader.h"

QRN_PUBLISHED(TPropertyClassInfo) {}
QRN_PUBLISHED(TPopupClassInfo) {}
QRN_PUBLISHED(TEditClassInfo) {}
QRN_PUBLISHED(TEditSourceClassInfo) {}

namespace {
using TRegistryPtr = std::unique_ptr<TPackagedCollection, TObjectFree>;
TRegistryPtr GPopups, GEdits, GEditSources;

TPackagedCollection& Registry(TRegistryPtr& Ptr, const TClass* ItemClass) {
    if (!Ptr) Ptr.reset(new TPackagedCollection(ItemClass));
    return *Ptr;
}

template <class T>
T* AddEntry(TPackagedCollection& Registry, const TTypeInfo* PropertyType, const TClass* ComponentClass,
            const std::string& PropName, const TClass* RegisteredClass) {
    RegisterClassOnce(RegisteredClass);
    auto* Info = static_cast<T*>(Registry.Add());
    Info->PropertyType = PropertyType;
    Info->ComponentClass = ComponentClass;
    Info->PropName = PropName;
    return Info;
}

bool TypeFits(const TTypeInfo* Entry, const TTypeInfo* Type) {
    if (!Entry || Entry == Type) return true;
    if (!Type || Entry->Kind != tkClass || Type->Kind != tkClass) return false;
    const TClass* Base = Entry->ClassType();
    const TClass* Derived = Type->ClassType();
    return Base && Derived && Derived->InheritsFrom(Base);
}
}  // namespace

bool TPropertyClassInfo::Matches(const TTypeInfo* Type, const TPersistent* Component, const std::string& Name) const {
    return TypeFits(PropertyType, Type) && (!ComponentClass || (Component && Component->InheritsFrom(ComponentClass))) &&
           (PropName.empty() || PropName == Name);
}

TPackagedCollection& PopupClassRegistry() { return Registry(GPopups, TPopupClassInfo::StaticClass()); }
TPackagedCollection& EditClassRegistry() { return Registry(GEdits, TEditClassInfo::StaticClass()); }
TPackagedCollection& EditSourceClassRegistry() {
    return Registry(GEditSources, TEditSourceClassInfo::StaticClass());
}

void ShutdownEditorClassRegistries() {
    GPopups.reset();
    GEdits.reset();
    GEditSources.reset();
}

void RegisterPopupClass(const TTypeInfo* PropertyType, const TClass* ComponentClass, const std::string& PropName,
                        const TClass* PopupClass) {
    AddEntry<TPopupClassInfo>(PopupClassRegistry(), PropertyType, ComponentClass, PropName, PopupClass)->PopupClass =
        PopupClass;
}

void RegisterEditClass(const TTypeInfo* PropertyType, const TClass* ComponentClass, const std::string& PropName,
                       const TClass* EditClass) {
    AddEntry<TEditClassInfo>(EditClassRegistry(), PropertyType, ComponentClass, PropName, EditClass)->EditClass =
        EditClass;
}

void RegisterInplaceOnlyEditClass(const TTypeInfo* PropertyType, const TClass* ComponentClass,
                                  const std::string& PropName, const TClass* EditClass) {
    RegisterEditClass(PropertyType, ComponentClass, PropName, EditClass);
    static_cast<TEditClassInfo*>(LastCollectionItem(&EditClassRegistry()))->InplaceOnly = true;
}

bool IsInplaceOnlyEditClass(const TClass* EditClass) {
    const TCollection& R = EditClassRegistry();
    for (int I = R.Count() - 1; I >= 0; --I) {
        auto* Info = static_cast<const TEditClassInfo*>(R.Items(I));
        if (Info->EditClass == EditClass && Info->InplaceOnly) return true;
    }
    return false;
}

TPropertyClassInfo* FindPropertyClassInfo(const TCollection& Registry, const TTypeInfo* PropertyType,
                                          const TPersistent* Component, const std::string& PropName) {
    for (int I = Registry.Count() - 1; I >= 0; --I) {
        auto* Info = static_cast<TPropertyClassInfo*>(Registry.Items(I));
        if (Info->Matches(PropertyType, Component, PropName)) return Info;
    }
    return nullptr;
}
