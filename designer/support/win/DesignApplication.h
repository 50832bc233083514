#pragma once
// The designer library's application object: it holds the registered
// component classes, the property verbs and the ActiveX controls chosen
// for the palette (by type library, kept in the registry). While it lives
// the framework's component registrations reach its class list.
#include <memory>
#include <string>

#include "framework/rtl/StringList.h"
#include "framework/rtl/win/WinApi.h"

class TAxControlInfo;
class TActionsList;
class TClassItems;

class TZelApplication : public TObject {
public:
    TZelApplication();
    ~TZelApplication() override;

    // Created on first use.
    TClassItems* ClassItems();
    TActionsList* ActionsList();

    // Sorted GUID texts, read from the "KnownActiveXs" value on first use.
    TStringList* KnownActiveXs();
    bool IsKnownActiveX(const GUID& Id);
    // Adds the control's type library (once), tells the listeners (2032)
    // and saves the list.
    void AddKnownActiveX(TAxControlInfo* Info);
    // Only for a known type library: removes it, tells (2033), saves.
    void RemoveKnownActiveX(TAxControlInfo* Info);

private:
    void SaveKnownActiveXs();
    std::unique_ptr<TStringList> FKnownActiveXs;
    std::unique_ptr<TClassItems, TObjectFree> FClassItems;
    std::unique_ptr<TActionsList, TObjectFree> FActionsList;
};

// The one instance while the library runs; nullptr otherwise.
extern TZelApplication* DesignApplication;
