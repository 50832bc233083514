#include <gtest/gtest.h>

#include <filesystem>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "wizards/dos/ProjectGenerator.h"

namespace {

class DosProjectOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = (std::filesystem::temp_directory_path() / "qrn_dos_wizard_test").string();
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }
    std::string Folder;
};

TEST_F(DosProjectOnDisk, WritesBothFilesIntoThePath) {
    TDosWizardChoices C;
    C.ProjectPath = Folder;
    TDosProject P = GenerateDosProject(C, "T");
    WriteDosProject(P);
    EXPECT_EQ(ReadFileToString(Folder + "\\dos_app.qrn"), P.ProjectText);
    EXPECT_EQ(ReadFileToString(Folder + "\\dos_app.asm"), P.SourceText);
}

TEST_F(DosProjectOnDisk, CreatesTheProjectFolderAndToleratesAnExistingOne) {
    TDosWizardChoices C;
    C.ProjectPath = Folder;
    C.ProjectName = "hello";
    C.CreateFolder = true;
    TDosProject P = GenerateDosProject(C, "T");
    WriteDosProject(P);
    EXPECT_TRUE(DirectoryExists(Folder + "\\hello"));
    EXPECT_EQ(ReadFileToString(Folder + "\\hello\\hello.qrn"), P.ProjectText);
    // A second Finish into the same folder replaces the files.
    C.ComFile = true;
    TDosProject Q = GenerateDosProject(C, "T");
    WriteDosProject(Q);
    EXPECT_EQ(ReadFileToString(Folder + "\\hello\\hello.asm"), Q.SourceText);
}

TEST_F(DosProjectOnDisk, UnwritableFolderRaises) {
    TDosWizardChoices C;
    C.ProjectPath = Folder + "\\missing\\deeper";
    C.CreateFolder = true;  // only one level is created
    EXPECT_THROW(WriteDosProject(GenerateDosProject(C, "T")), EStreamError);
}

}  // namespace
