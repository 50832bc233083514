#include "designer/support/win/PackageLoader.h"

#include "designer/support/PackageListText.h"
#include "designer/support/ZelVersion.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/controls/ModalHook.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/StrUtils.h"

QRN_PUBLISHED(TPackageListItem) {
    B.Prop("Handle", &TPackageListItem::Handle);
    B.Prop("Path", &TPackageListItem::Path);
    B.Prop("Desc", &TPackageListItem::Desc);
    B.Prop("Loaded", &TPackageListItem::Loaded);
    B.Prop("SkipUnload", &TPackageListItem::SkipUnload);
    B.Prop("RequirePackages", &TPackageListItem::RequirePackages, &TPackageListItem::SetRequirePackages);
    B.Prop("EditorGroup", &TPackageListItem::EditorGroup);
}
QRN_PUBLISHED(TPackageList) {}
QRN_PUBLISHED(TZelPackageLoader) {
    B.Prop("UseRegistry", &TZelPackageLoader::UseRegistry);
    B.Event("OnBeforeUnload", &TZelPackageLoader::OnBeforeUnload);
    B.Event("OnPackageUnloaded", &TZelPackageLoader::OnPackageUnloaded);
    B.Prop("Options", &TZelPackageLoader::Options);
    B.Prop("IniSection", &TZelPackageLoader::IniSection);
    B.Prop("IniFile", &TZelPackageLoader::IniFile);
    B.Event("OnLoaded", &TZelPackageLoader::OnLoaded);
    PublishZelVersion(B);
}

namespace {
TZelPackageLoader* GActive = nullptr;

void Tell(const std::string& Text) { ShowMessageBox(nullptr, Text, "Information", MB_OK | MB_ICONINFORMATION); }
}  // namespace

TPackageListItem::TPackageListItem(TCollection* Collection)
    : TCollectionItem(Collection), FRequire(std::make_unique<TStringList>()) {}

TPackageListItem::~TPackageListItem() = default;

void TPackageListItem::Assign(TPersistent* Source) {
    auto* S = dynamic_cast<TPackageListItem*>(Source);
    if (!S) {
        TCollectionItem::Assign(Source);
        return;
    }
    Handle = S->Handle;
    Path = S->Path;
    Desc = S->Desc;
    Loaded = S->Loaded;
    SkipUnload = S->SkipUnload;
    FRequire->Assign(S->FRequire.get());
    EditorGroup = S->EditorGroup;
}

TZelPackageLoader* ActivePackageLoader() { return GActive; }
bool PackagesAvailable() { return IsFrameworkPackageLoaded() || GActive; }

TZelPackageLoader::TZelPackageLoader(TComponent* AOwner)
    : TComponent(AOwner), FPackages(std::make_unique<TPackageList>()) {
    if (GActive) throw Exception("Only one instance of TZelPackageLoader can be created");
    GActive = this;
}

TZelPackageLoader::~TZelPackageLoader() {
    if (GActive == this) GActive = nullptr;
}

void TZelPackageLoader::BeforeDestruction() {
    if (!ComponentState().Contains(csDesigning) && Options.Contains(plAutoSave)) {
        try {
            WritePackageList();
        } catch (...) {
            // The list stays as it was stored last.
        }
    }
    while (PackageCount() > 0) {
        UnloadItem(Package(0));
        Package(0)->Free();
    }
    if (GActive == this) GActive = nullptr;
    TComponent::BeforeDestruction();
}

void TZelPackageLoader::Loaded() {
    TComponent::Loaded();
    if (OnLoaded) OnLoaded(this);
    if (ComponentState().Contains(csDesigning) || !Options.Contains(plAutoLoad)) return;
    ReadPackageList();
    FListRead = true;
    if (Options.Contains(plUpdateOnLoad)) WritePackageList();
}

std::string TZelPackageLoader::PackageDesc(int Index) const {
    const TPackageListItem* P = Package(Index);
    return P->Desc.empty() ? P->Path : P->Desc;
}

int TZelPackageLoader::AddPackage(const std::string& Path, bool Load) {
    const std::string Name = ExtractFileName(Path);
    for (int I = 0; I < PackageCount(); ++I)
        if (SameText(ExtractFileName(Package(I)->Path), Name)) {
            Tell(Format("Can't install package %s\r\nbecause package %s has the same base name",
                        {Path, Package(I)->Path}));
            return -1;
        }
    auto* Item = static_cast<TPackageListItem*>(FPackages->Add());
    Item->Path = Path;
    const int Index = Item->Index();
    SetLoaded(Index, Load);
    return Index;
}

void TZelPackageLoader::RemovePackage(int Index) {
    SetLoaded(Index, false);
    if (!Package(Index)->Loaded) Package(Index)->Free();
}

void TZelPackageLoader::SetLoaded(int Index, bool Value) {
    TPackageListItem* Item = Package(Index);
    if (Item->Loaded == Value) return;
    if (Value) LoadItem(Item);
    else UnloadItem(Item);
    const TComponentState S = ComponentState();
    if (Options.Contains(plAutoUpdate) && !S.Contains(csLoading) && !S.Contains(csReading) &&
        !S.Contains(csDestroying) && FListRead)
        WritePackageList();
}

void TZelPackageLoader::LoadItem(TPackageListItem* Item) {
    // Without the framework's own package module nothing can be loaded.
    if (!IsFrameworkPackageLoaded()) {
        if (!FNoPackagesWarned) {
            FNoPackagesWarned = true;
            Tell("Package Loader will not work if application was compiled without packages");
        }
        return;
    }
    (void)Item;
}

void TZelPackageLoader::UnloadItem(TPackageListItem* Item) {
    if (!Item->Loaded) return;
    bool Allow = true;
    if (OnBeforeUnload) OnBeforeUnload(this, Item->Handle, Allow);
    if (!Allow || !BroadcastUntilAnswered(this, QueryPackageUnloadMessage, Item->Handle, 0)) return;
    const intptr_t Handle = Item->Handle;
    BroadcastToListeners(this, PackageUnloadedMessage, Handle, 0);
    if (OnPackageUnloaded) OnPackageUnloaded(this, Handle);
    Item->Handle = 0;
    Item->Loaded = false;
}

std::string TZelPackageLoader::PackageListText() const {
    std::vector<TPackageLine> Lines;
    for (int I = 0; I < PackageCount(); ++I) Lines.push_back({Package(I)->Desc, Package(I)->Path, Package(I)->Loaded});
    return ::PackageListText(Lines);
}

std::string TZelPackageLoader::IniFileName() const {
    if (!IniFile.empty()) return IniFile;
    char Exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, Exe, MAX_PATH);
    return ChangeFileExt(Exe, ".INI");
}

void TZelPackageLoader::ReadPackageList() {
    std::string Text;
    if (UseRegistry) {
        Text = PackageTextFromRegistry(ReadFromRegistry(IniSection, Variant(std::string())).AsString());
    } else {
        std::string Buffer(32000, '\0');
        const DWORD N = GetPrivateProfileSectionA(IniSection.c_str(), Buffer.data(), 32000, IniFileName().c_str());
        Text = Buffer.substr(0, N) + std::string(2, '\0');
    }
    ParsePackageList(Text);
}

void TZelPackageLoader::ParsePackageList(const std::string& Text) {
    while (PackageCount() > 0) {
        UnloadItem(Package(0));
        Package(0)->Free();
    }
    for (const TPackageLine& L : ParsePackageListText(Text)) {
        if (!FileExists(L.Path)) continue;
        const int Index = AddPackage(L.Path, L.Loaded);
        if (Index >= 0 && !Package(Index)->Loaded) Package(Index)->Desc = L.Desc;
    }
}

void TZelPackageLoader::WritePackageList() {
    const std::string Text = PackageListText();
    if (UseRegistry) {
        WriteToRegistry(IniSection, Variant(PackageTextToRegistry(Text)));
        return;
    }
    const std::string File = IniFileName();
    WritePrivateProfileStringA(IniSection.c_str(), nullptr, nullptr, File.c_str());
    WritePrivateProfileSectionA(IniSection.c_str(), Text.c_str(), File.c_str());
}
