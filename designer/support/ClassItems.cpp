#include "designer/support/ClassItems.h"

#include "designer/support/FormFileHeader.h"

QRN_PUBLISHED(TClassItem) {}
QRN_PUBLISHED(TClassItems) {}

TClassItem* TClassItems::Find(const TClass* Class) const {
    for (int I = 0; I < Count(); ++I)
        if (ClassItems(I)->ComponentClass == Class) return ClassItems(I);
    return nullptr;
}

void TClassItems::RegisterClasses(const std::string& Page, const std::vector<const TClass*>& Classes,
                                  uint8_t Flags) {
    for (const TClass* Class : Classes) {
        if (!Class) continue;
        RegisterClassOnce(Class);
        TClassItem* Item = Find(Class);
        if (!Item) Item = static_cast<TClassItem*>(Add());
        Item->Flags |= Flags;
        Item->ComponentClass = Class;
        if (Item->PageName.empty()) Item->PageName = Page;
    }
}

bool TClassItems::HasDesignIcon(const TClass* Class) const {
    if (!Class) return true;
    for (int I = 0; I < Count(); ++I)
        if (Class->InheritsFrom(ClassItems(I)->ComponentClass)) return (ClassItems(I)->Flags & ClassWithoutIcon) == 0;
    return true;
}
