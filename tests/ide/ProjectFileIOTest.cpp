#include <gtest/gtest.h>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "ide/ProjectFileIO.h"
#include "tests/common/TestFolder.h"

namespace {

class ProjectFileOnDisk : public ::testing::Test {
protected:
    std::string PathOf(const std::string& Name) const { return Folder / Name; }

    TTestFolder Folder;
    TProjectInfo Info;
};

TEST_F(ProjectFileOnDisk, WrittenRecordReadsBackTheSame) {
    Info.Name = "demo";
    Info.Kind = pkDosCom;
    Info.Cpu = "80486";
    Info.Files = {"main.asm", "io.asm"};
    Info.Forms = {"dlg.zfm"};
    Info.Directives = "-d";
    Info.FileName = PathOf("demo.qrn");
    WriteProjectFile(Info);

    std::string Text = ReadFileToString(Info.FileName);
    EXPECT_EQ(Text.substr(0, 2 + TitleString.size()), "# " + TitleString);
    EXPECT_EQ(Text.substr(Text.size() - 5), "end\r\n");

    TProjectInfo Read;
    CommitProjectData(LoadProjectFile(Info.FileName), Info.FileName, Read);
    EXPECT_EQ(Read.Dir, ExtractFilePath(Info.FileName));
    EXPECT_FALSE(Read.Dir.empty());
    Info.Dir = Read.Dir;
    EXPECT_EQ(Read, Info);
}

TEST_F(ProjectFileOnDisk, CommitReplacesThePreviousProjectsLists) {
    Info.Files = {"old1.asm", "old2.asm"};
    Info.Forms = {"old.zfm"};
    TProjectInfo P;
    P.Name = "new";
    P.Files = {"new.asm"};
    CommitProjectData(P, PathOf("new.qrn"), Info);
    EXPECT_EQ(Info.Files, std::vector<std::string>{"new.asm"});
    EXPECT_TRUE(Info.Forms.empty());
    EXPECT_EQ(Info.Name, "new");
}

TEST_F(ProjectFileOnDisk, BadKindLeavesTheRecordUntouched) {
    WriteFileAtomic(PathOf("bad.qrn"), "project other\r\naddfile x.asm\r\nkind seven\r\nend\r\n");
    Info.Name = "keep";
    Info.Files = {"keep.asm"};
    try {
        CommitProjectData(LoadProjectFile(PathOf("bad.qrn")), PathOf("bad.qrn"), Info);
        FAIL() << "the bad kind was accepted";
    } catch (const EProjectFileError& E) {
        EXPECT_EQ(E.Line, 3);
    }
    EXPECT_EQ(Info.Name, "keep");
    EXPECT_EQ(Info.Files, std::vector<std::string>{"keep.asm"});
}

TEST_F(ProjectFileOnDisk, ErrorsNameTheFileAndTheLineAndAnEmptyFileSaysSo) {
    const std::string Bad = PathOf("bad.qrn");
    WriteFileAtomic(Bad, "project p\r\naddfile x.asm\r\nkind abc\r\n");
    try {
        LoadProjectFile(Bad);
        FAIL() << "the bad kind was accepted";
    } catch (const EProjectFileError& E) {
        EXPECT_EQ(E.Message, "Error in the project file " + Bad + ", line 3 : 'abc' is not a valid integer value");
    }
    for (const char* Text : {"", "\r\n \r\n\t"}) {
        const std::string Empty = PathOf("empty.qrn");
        WriteFileAtomic(Empty, Text);
        try {
            LoadProjectFile(Empty);
            FAIL() << "an empty project was accepted";
        } catch (const EProjectFileError& E) {
            EXPECT_EQ(E.Message, "The project file " + Empty + " is empty !");
        }
    }
}

TEST_F(ProjectFileOnDisk, MissingFileRaisesOpenError) {
    EXPECT_THROW(LoadProjectFile(PathOf("none.qrn")), EFOpenError);
}

TEST_F(ProjectFileOnDisk, RecordWithoutListsWritesNoFileLines) {
    TProjectInfo Bare;
    Bare.Name = "p";
    Bare.FileName = PathOf("p.qrn");
    WriteProjectFile(Bare);
    EXPECT_EQ(ReadFileToString(Bare.FileName).find("addfile"), std::string::npos);
}

TEST_F(ProjectFileOnDisk, SourceHeaderReplacesAnExistingFile) {
    std::string Path = PathOf("new.asm");
    WriteFileAtomic(Path, "old contents that must vanish\r\n");
    WriteSourceHeader(Path);
    EXPECT_EQ(ReadFileToString(Path), SourceHeaderText(Path));
}

}  // namespace
