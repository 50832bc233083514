// The package loader without framework packages, its stored list, and the
// "Packages/ActiveX" dialog on the machine's installed ActiveX controls.
#include <gtest/gtest.h>

#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/PackCfgForm.h"
#include "designer/support/win/PackageLoader.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/controls/ModalHook.h"
#include "framework/rtl/Exceptions.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
class PackagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            if (R.Kind != dkMessageBox) return std::nullopt;
            Messages.push_back(R.Text);
            return IDOK;
        });
    }
    void TearDown() override {
        SetModalDialogHook({});
        Pump();
    }
    TDesignerScratchKey Key;
    TTestFolder Folder;
    std::vector<std::string> Messages;
};
}  // namespace

TEST_F(PackagesTest, WithoutFrameworkPackagesNothingLoadsAndTheUserIsToldOnce) {
    std::unique_ptr<TZelPackageLoader, TObjectFree> Loader(new TZelPackageLoader(nullptr));
    EXPECT_THROW(TZelPackageLoader Second(nullptr), Exception);
    Folder.Write("one.kvx", "x");
    Folder.Write("two.kvx", "x");
    EXPECT_EQ(Loader->AddPackage(Folder.Path() + "\\one.kvx", true), 0);
    EXPECT_EQ(Loader->AddPackage(Folder.Path() + "\\two.kvx", true), 1);
    EXPECT_FALSE(Loader->PackageLoaded(0));
    EXPECT_EQ(Messages, (std::vector<std::string>{
                            "Package Loader will not work if application was compiled without packages"}));
    EXPECT_EQ(Loader->AddPackage("D:\\elsewhere\\ONE.KVX", false), -1);
    EXPECT_EQ(Messages.back(), "Can't install package D:\\elsewhere\\ONE.KVX\r\nbecause package " + Folder.Path() +
                                   "\\one.kvx has the same base name");
    EXPECT_TRUE(PackagesAvailable());
}

TEST_F(PackagesTest, TheRegistryListHoldsOnesAndDropsVanishedFiles) {
    std::unique_ptr<TZelPackageLoader, TObjectFree> Loader(new TZelPackageLoader(nullptr));
    Loader->UseRegistry = true;
    Folder.Write("kept.kvx", "x");
    Loader->AddPackage(Folder.Path() + "\\kept.kvx", false);
    Loader->SetPackageDesc(0, "Kept");
    Loader->AddPackage(Folder.Path() + "\\gone.kvx", false);
    Loader->WritePackageList();
    const std::string Stored = ReadFromRegistry("Packages", Variant(std::string())).AsString();
    EXPECT_EQ(Stored.back(), '\1');
    EXPECT_EQ(Stored.find('\0'), std::string::npos);
    Loader->ReadPackageList();
    ASSERT_EQ(Loader->PackageCount(), 1);
    EXPECT_EQ(Loader->PackageDesc(0), "Kept");
}

TEST_F(PackagesTest, TheIniListIsTheSectionsBodyAndWritingReplacesOnlyThatSection) {
    std::unique_ptr<TZelPackageLoader, TObjectFree> Loader(new TZelPackageLoader(nullptr));
    const std::string Kept = Folder.Write("kept.kvx", "x");
    Loader->IniFile = Folder.Write("designer.ini", "[Packages]\r\nKept," + Kept + ",0\r\nGone," + Folder.Path() +
                                                       "gone.kvx,0\r\n[Other]\r\nkept=1\r\n");
    Loader->ReadPackageList();
    ASSERT_EQ(Loader->PackageCount(), 1);
    EXPECT_EQ(Loader->PackageDesc(0), "Kept");
    EXPECT_EQ(Loader->PackagePath(0), Kept);
    Loader->WritePackageList();
    // The section's old body is replaced; the rest of the file stays.
    char Body[512] = {};
    const std::string Written(Body, GetPrivateProfileSectionA("Packages", Body, sizeof Body, Loader->IniFile.c_str()));
    EXPECT_EQ(Written.find("Gone"), std::string::npos);
    EXPECT_EQ(GetPrivateProfileIntA("Other", "kept", 0, Loader->IniFile.c_str()), 1);
}

TEST_F(PackagesTest, TheDialogWithoutALoaderShowsTheInstalledActiveXControls) {
    TDesignLibrarySession Session;
    ShowPackagesDialog();
    TPackCfgForm* Dialog = PackagesDialog();
    ASSERT_NE(Dialog, nullptr);
    EXPECT_EQ(Dialog->Caption(), "Packages/ActiveX");
    EXPECT_FALSE(Dialog->PackagesSheet->TabVisible());
    EXPECT_EQ(Dialog->Pages->ActivePage(), Dialog->ActiveXSheet);
    EXPECT_FALSE(Dialog->DeleteButton->Enabled());
    // The machine's controls, one row per type library.
    EXPECT_GE(Dialog->Controls()->Count(), Dialog->ActiveXList->Items()->Count());
    if (Dialog->ActiveXList->Items()->Count() > 0) {
        Dialog->ActiveXList->SetItemIndex(0);
        Dialog->ActiveXList->ToggleCheck(0);
        auto* Info = static_cast<TAxControlInfo*>(Dialog->ActiveXList->Items()->Objects(0));
        EXPECT_EQ(DesignApplication->KnownActiveXs()->Count(), 1);
        Dialog->ActiveXList->ToggleCheck(0);
        EXPECT_EQ(DesignApplication->KnownActiveXs()->Count(), 0);
        (void)Info;
    }
    Dialog->Free();
    EXPECT_EQ(PackagesDialog(), nullptr);
}
