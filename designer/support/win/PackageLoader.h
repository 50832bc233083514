#pragma once
// The installed run-time packages of the designer and their stored list.
// The framework is linked into each binary, so no framework package module
// can ever be loaded here: loading always takes the "compiled without
// packages" path, and the list is only kept, shown and stored.
#include <memory>
#include <string>

#include "designer/support/MessageBus.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/rtl/StringList.h"

class TPackageListItem : public TCollectionItem {
    QRN_CLASS(TPackageListItem, TCollectionItem)
public:
    explicit TPackageListItem(TCollection* Collection);
    ~TPackageListItem() override;
    void Assign(TPersistent* Source) override;

    intptr_t Handle = 0;
    std::string Path;
    std::string Desc;
    bool Loaded = false;
    bool SkipUnload = false;
    TStrings* RequirePackages() const { return FRequire.get(); }
    void SetRequirePackages(TStrings* Value) { FRequire->Assign(Value); }
    intptr_t EditorGroup = 0;

private:
    std::unique_ptr<TStringList> FRequire;
};

// The loader's packages, one item each.
class TPackageList : public TCollection {
    QRN_CLASS(TPackageList, TCollection)
public:
    TPackageList() : TCollection(TPackageListItem::StaticClass()) {}
    TPackageListItem* Package(int Index) const { return static_cast<TPackageListItem*>(Items(Index)); }
};

enum TZelPackageLoaderOption { plAutoSave, plUpdateOnLoad, plAutoLoad, plAutoUpdate };
QRN_ENUM(TZelPackageLoaderOption, plAutoSave, plUpdateOnLoad, plAutoLoad, plAutoUpdate)
using TZelPackageLoaderOptions = TSmallSet<TZelPackageLoaderOption>;
QRN_SET_NAME(TZelPackageLoaderOptions)

using TOnBeforeUnloadEvent = TEvent<void(TObject* Sender, intptr_t Handle, bool& Allow)>;
using TPackageUnloadedEvent = TEvent<void(TObject* Sender, intptr_t Handle)>;

class TZelPackageLoader : public TComponent {
    QRN_CLASS(TZelPackageLoader, TComponent)
public:
    // A second loader raises "Only one instance of TZelPackageLoader can
    // be created".
    explicit TZelPackageLoader(TComponent* AOwner);
    ~TZelPackageLoader() override;
    void BeforeDestruction() override;

    bool UseRegistry = false;
    TZelPackageLoaderOptions Options;
    std::string IniSection = "Packages";
    // Empty: the program's path with the extension ".INI".
    std::string IniFile;
    TOnBeforeUnloadEvent OnBeforeUnload;
    TPackageUnloadedEvent OnPackageUnloaded;
    TNotifyEvent OnLoaded;

    TPackageList* Packages() const { return FPackages.get(); }
    TPackageListItem* Package(int Index) const { return FPackages->Package(Index); }
    int PackageCount() const { return FPackages->Count(); }
    std::string PackageDesc(int Index) const;
    std::string PackagePath(int Index) const { return Package(Index)->Path; }
    bool PackageLoaded(int Index) const { return Package(Index)->Loaded; }
    void SetPackageDesc(int Index, const std::string& Text) { Package(Index)->Desc = Text; }

    // -1 (after telling the user) when a package of the same file name is
    // installed; else the new item's index.
    int AddPackage(const std::string& Path, bool Load);
    void RemovePackage(int Index);
    void SetLoaded(int Index, bool Value);
    std::string PackageListText() const;
    void ReadPackageList();
    void ParsePackageList(const std::string& Text);
    void WritePackageList();
    bool ListRead() const { return FListRead; }

protected:
    void Loaded() override;

private:
    void LoadItem(TPackageListItem* Item);
    void UnloadItem(TPackageListItem* Item);
    std::string IniFileName() const;

    std::unique_ptr<TPackageList> FPackages;
    bool FListRead = false;
    bool FNoPackagesWarned = false;
};

TZelPackageLoader* ActivePackageLoader();
// Framework packages cannot exist in a statically linked framework.
inline bool IsFrameworkPackageLoaded() { return false; }
// Packages are available when the framework's package is loaded or a
// loader is active.
bool PackagesAvailable();
