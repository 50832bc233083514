#include "designer/support/win/DesignApplication.h"

#include "designer/support/ClassItems.h"
#include "designer/support/ListHelpers.h"
#include "designer/support/PropertyVerbList.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/ActiveXSupport.h"
#include "designer/support/win/AxControlInfo.h"
#include "designer/support/win/CommonPropEditors.h"
#include "designer/support/win/ComponentRegistration.h"
#include "designer/support/win/DesignPopupMenu.h"
#include "designer/support/win/RegistryValues.h"

QRN_PUBLISHED(TAxControlInfo) {}

TZelApplication* DesignApplication = nullptr;

namespace {
constexpr const char* KnownActiveXsValue = "KnownActiveXs";
}

TZelApplication::TZelApplication() {
    DesignApplication = this;
    HookComponentRegistration();
    RegisterStandardPropertyEditors();
}

TZelApplication::~TZelApplication() {
    UnhookComponentRegistration();
    FreeDesignPopupTarget();
    if (DesignApplication == this) DesignApplication = nullptr;
}

TClassItems* TZelApplication::ClassItems() {
    if (!FClassItems) FClassItems.reset(new TClassItems());
    return FClassItems.get();
}

TActionsList* TZelApplication::ActionsList() {
    if (!FActionsList) FActionsList.reset(new TActionsList());
    return FActionsList.get();
}

TStringList* TZelApplication::KnownActiveXs() {
    if (!FKnownActiveXs) {
        auto List = CreateSortedStringList();
        LoadStringsFromRegistry(KnownActiveXsValue, List.get());
        FKnownActiveXs = std::move(List);
    }
    return FKnownActiveXs.get();
}

bool TZelApplication::IsKnownActiveX(const GUID& Id) { return KnownActiveXs()->IndexOf(CLSIDToString(Id)) >= 0; }

void TZelApplication::AddKnownActiveX(TAxControlInfo* Info) {
    KnownActiveXs()->Add(CLSIDToString(Info->KnownKey()));
    BroadcastToListeners(nullptr, ActiveXAddedMessage, reinterpret_cast<intptr_t>(Info), 0);
    SaveKnownActiveXs();
}

void TZelApplication::RemoveKnownActiveX(TAxControlInfo* Info) {
    const int Index = KnownActiveXs()->IndexOf(CLSIDToString(Info->KnownKey()));
    if (Index < 0) return;
    KnownActiveXs()->Delete(Index);
    BroadcastToListeners(nullptr, ActiveXRemovedMessage, reinterpret_cast<intptr_t>(Info), 0);
    SaveKnownActiveXs();
}

void TZelApplication::SaveKnownActiveXs() { SaveStringsToRegistry(KnownActiveXsValue, FKnownActiveXs.get()); }
