#include "designer/support/win/PackCfgForm.h"

#include "designer/support/Verbs.h"
#include "designer/support/ZelVersion.h"
#include "designer/support/win/ActiveXSupport.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/FormPlacement.h"
#include "designer/support/win/PackageLoader.h"
#include "designer/support/win/PropertyVerbs.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"

QRN_PUBLISHED(TZelCheckListBox) { PublishZelVersion(B); }
QRN_PUBLISHED(TPackCfgForm) {
    B.Field("TopPanel", &TPackCfgForm::TopPanel);
    B.Field("AddButton", &TPackCfgForm::AddButton);
    B.Field("DeleteButton", &TPackCfgForm::DeleteButton);
    B.Field("compbutton", &TPackCfgForm::compbutton);
    B.Field("Pages", &TPackCfgForm::Pages);
    B.Field("PackagesSheet", &TPackCfgForm::PackagesSheet);
    B.Field("ActiveXSheet", &TPackCfgForm::ActiveXSheet);
    B.Field("PackageList", &TPackCfgForm::PackageList);
    B.Field("ActiveXList", &TPackCfgForm::ActiveXList);
    B.Field("StatusBar", &TPackCfgForm::StatusBar);
    B.Field("OpenDialog", &TPackCfgForm::OpenDialog);
    B.Handler("FormClose", &TPackCfgForm::FormClose);
    B.Handler("FormKeyDown", &TPackCfgForm::FormKeyDown);
    B.Handler("AddButtonClick", &TPackCfgForm::AddButtonClick);
    B.Handler("DeleteButtonClick", &TPackCfgForm::DeleteButtonClick);
    B.Handler("PagesChange", &TPackCfgForm::PagesChange);
    B.Handler("PackageListClick", &TPackCfgForm::PackageListClick);
    B.Handler("PackageListClickCheck", &TPackCfgForm::PackageListClickCheck);
    B.Handler("ActiveXListClick", &TPackCfgForm::ActiveXListClick);
    B.Handler("ActiveXListClickCheck", &TPackCfgForm::ActiveXListClickCheck);
}

namespace {
constexpr const char* PlacementName = "PackageConfig";
constexpr const char* PackageExt = ".KVX";

TPackCfgForm* GDialog = nullptr;
}  // namespace

TPackCfgForm::TPackCfgForm(TComponent* AOwner) : TForm(AOwner) {
    RegisterClasses({TPanel::StaticClass(), TSpeedButton::StaticClass(), TPageControl::StaticClass(),
                     TTabSheet::StaticClass(), TZelCheckListBox::StaticClass(), TStatusBar::StaticClass(),
                     TOpenDialog::StaticClass()});
    ReadFormResource("PACKCFGFORM");
    ApplyMainFormFont(this);
    SetOwnedSpeedButtonsFlat(this, true);
    RestoreFormPlacement(this, PlacementName);
    const std::string Ext = LowerCase(PackageExt);
    std::string Filter = "ActiveX (*.ocx)|*.ocx|All files (*.*)|*.*";
    if (ActivePackageLoader()) Filter = "Packages (*" + Ext + ")|*" + Ext + "|" + Filter;
    OpenDialog->SetFilter(Filter);
    OpenDialog->SetDefaultExt(Ext.substr(1));
    if (ActivePackageLoader()) {
        FillPackageList();
    } else {
        DeleteButton->SetEnabled(false);
        PackagesSheet->SetTabVisible(false);
        Pages->SetActivePage(ActiveXSheet);
    }
    FControls.reset(new TAxControlCollection());
    FillActiveXList();
}

void TPackCfgForm::BeforeDestruction() {
    if (GDialog == this) GDialog = nullptr;
    SaveFormPlacementQuietly(this, PlacementName);
    TForm::BeforeDestruction();
}

void TPackCfgForm::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TPackCfgForm::FormKeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_INSERT) AddButtonClick(this);
    else if (Key == VK_DELETE && DeleteButton->Enabled()) DeleteButtonClick(this);
    else return;
    Key = 0;
}

void TPackCfgForm::ShowStatus(const std::string& Text) { StatusBar->Panels()->Items(0)->SetText(Text); }

void TPackCfgForm::FillPackageList() {
    TZelPackageLoader* Loader = ActivePackageLoader();
    PackageList->Items()->Clear();
    if (!Loader) return;
    for (int I = 0; I < Loader->PackageCount(); ++I) {
        PackageList->Items()->Add(Loader->PackageDesc(I));
        PackageList->SetChecked(I, Loader->PackageLoaded(I));
    }
}

void TPackCfgForm::FillActiveXList() {
    TStringList Lines;
    FillAxControlList(FControls.get(), &Lines);
    ActiveXList->Items()->Assign(&Lines);
    for (int I = 0; I < ActiveXList->Items()->Count(); ++I) {
        auto* Info = static_cast<TAxControlInfo*>(ActiveXList->Items()->Objects(I));
        ActiveXList->SetChecked(I, DesignApplication && DesignApplication->IsKnownActiveX(Info->KnownKey()));
    }
}

void TPackCfgForm::AddButtonClick(TObject*) {
    if (!OpenDialog->Execute()) return;
    bool Registered = false;
    for (int I = 0; I < OpenDialog->Files()->Count(); ++I) {
        const std::string File = OpenDialog->Files()->Strings(I);
        if (!SameText(ExtractFileExt(File), PackageExt)) {
            try {
                RegisterActiveXServer(File);
                Registered = true;
            } catch (...) {
                // The user is told why the file was not registered; the
                // other files go on.
                Application->HandleException(this);
            }
            continue;
        }
        if (TZelPackageLoader* Loader = ActivePackageLoader()) {
            const int Index = Loader->AddPackage(File, true);
            if (Index < 0) continue;
            FillPackageList();
            PackageList->SetItemIndex(Index);
        }
    }
    PagesChange(this);
    if (Registered) {
        FControls->Enumerate();
        FillActiveXList();
    }
}

void TPackCfgForm::DeleteButtonClick(TObject*) {
    TZelPackageLoader* Loader = ActivePackageLoader();
    const int Row = PackageList->ItemIndex();
    if (!Loader || Row < 0) return;
    Loader->RemovePackage(Row);
    FillPackageList();
    const int Count = PackageList->Items()->Count();
    if (Count > 0) PackageList->SetItemIndex(std::min(Row, Count - 1));
}

void TPackCfgForm::PagesChange(TObject*) {
    if (Pages->ActivePage() == ActiveXSheet) ActiveXListClick(this);
    else PackageListClick(this);
}

void TPackCfgForm::PackageListClick(TObject*) {
    TZelPackageLoader* Loader = ActivePackageLoader();
    const int Row = PackageList->ItemIndex();
    ShowStatus(Loader && Row >= 0 && Row < Loader->PackageCount() ? Loader->PackagePath(Row) : std::string());
}

void TPackCfgForm::PackageListClickCheck(TObject*) {
    TZelPackageLoader* Loader = ActivePackageLoader();
    const int Row = PackageList->ItemIndex();
    if (!Loader || Row < 0) return;
    Loader->SetLoaded(Row, PackageList->Checked(Row));
    FillPackageList();
    PackageList->SetItemIndex(Row);
}

void TPackCfgForm::ActiveXListClick(TObject*) {
    const int Row = ActiveXList->ItemIndex();
    ShowStatus(Row >= 0 ? static_cast<TAxControlInfo*>(ActiveXList->Items()->Objects(Row))->Description : std::string());
}

void TPackCfgForm::ActiveXListClickCheck(TObject*) {
    const int Row = ActiveXList->ItemIndex();
    if (Row < 0 || !DesignApplication) return;
    auto* Info = static_cast<TAxControlInfo*>(ActiveXList->Items()->Objects(Row));
    if (ActiveXList->Checked(Row)) DesignApplication->AddKnownActiveX(Info);
    else DesignApplication->RemoveKnownActiveX(Info);
}

TPackCfgForm* PackagesDialog() { return GDialog; }

void ShowPackagesDialog() {
    if (!GDialog) GDialog = new TPackCfgForm(Application);
    GDialog->Show();
}

void RegisterPackageVerbs() {
    RegisterVerb("View.PackagesActiveX", nullptr, &ShowPackagesDialog);
    RegisterVerb(
        "View.PackagesConfig",
        [](uint8_t& State) {
            if (!PackagesAvailable()) State &= static_cast<uint8_t>(~2);
        },
        [] {
            if (!PackagesAvailable()) return;
            ShowPackagesDialog();
            GDialog->ActiveXSheet->SetTabVisible(false);
        });
}

void RegisterCheckListBoxVerb() { RegisterPropertyVerb("&Items Editor...", TZelCheckListBox::StaticClass(), "Items"); }
