#include <gtest/gtest.h>

#include "ide/ProjectFile.h"

namespace {

const std::string Title = "Quorlen PRO v1.0a (Merivel 10:20:30)";

TProjectInfo SampleProject() {
    TProjectInfo P;
    P.Name = "demo";
    P.Kind = pkWin32Exe;
    P.Cpu = "80386";
    P.Files = {"main.asm", "util.asm"};
    P.Forms = {"main.zfm"};
    P.Directives = "/DDEBUG";
    return P;
}

TEST(ProjectFileWriter, WritesTheExactBytes) {
    EXPECT_EQ(ProjectFileText(SampleProject(), Title),
              "# Quorlen PRO v1.0a (Merivel 10:20:30) Automatically Generated Project.\r\n"
              "# DO NOT MODIFY ANYTHING BELOW THIS LINE !\r\n"
              "project demo\r\n"
              "addfile main.asm\r\n"
              "addfile util.asm\r\n"
              "addform main.zfm\r\n"
              "cpu 80386\r\n"
              "opts compile.opt\r\n"
              "kind 5\r\n"
              "directives /DDEBUG\r\n"
              "end\r\n");
}

TEST(ProjectFileWriter, EmptyValuesLeaveTheBlankAfterTheKeyword) {
    TProjectInfo P;
    EXPECT_EQ(ProjectFileText(P, "T"),
              "# T Automatically Generated Project.\r\n"
              "# DO NOT MODIFY ANYTHING BELOW THIS LINE !\r\n"
              "project \r\n"
              "cpu \r\n"
              "opts compile.opt\r\n"
              "kind 0\r\n"
              "directives \r\n"
              "end\r\n");
}

TEST(ProjectFileRoundTrip, ReadingTheWrittenFileGivesTheSameProject) {
    TProjectInfo P = SampleProject();
    EXPECT_EQ(ParseProjectFileText(ProjectFileText(P, Title)), P);
}

TEST(ProjectFileRoundTrip, ValuesKeepTheirBlanksAndCase) {
    TProjectInfo P;
    P.Name = "  My Project ";
    P.Cpu = "Pentium MMX";
    P.Files = {"Main File.ASM", " lead.asm"};
    P.Directives = "  ";
    P.Kind = pkWin32Dll;
    EXPECT_EQ(ParseProjectFileText(ProjectFileText(P, Title)), P);
}

TEST(ProjectFileRoundTrip, EmptyProjectSurvives) {
    TProjectInfo P;
    EXPECT_EQ(ParseProjectFileText(ProjectFileText(P, Title)), P);
}

TEST(ProjectFileReader, CapitalisedKeywordsReadLikeLowerCase) {
    TProjectInfo P = ParseProjectFileText("PROJECT Big\r\nKind 2\r\nAddFile A.asm\r\nCPU 8086\r\nADDFORM f.zfm\r\n"
                                          "Directives x\r\n");
    EXPECT_EQ(P.Name, "Big");
    EXPECT_EQ(P.Kind, 2);
    EXPECT_EQ(P.Files, std::vector<std::string>{"A.asm"});
    EXPECT_EQ(P.Cpu, "8086");
    EXPECT_EQ(P.Forms, std::vector<std::string>{"f.zfm"});
    EXPECT_EQ(P.Directives, "x");
}

TEST(ProjectFileReader, KeywordIsMatchedOnAPrefixAndTheValueStartsAfterItsBlank) {
    // "projectX a": the value begins at the column after "project ", which
    // here is the blank before the a.
    EXPECT_EQ(ParseProjectFileText("projectX a\r\n").Name, " a");
    EXPECT_EQ(ParseProjectFileText("addfiles.asm\r\n").Files, std::vector<std::string>{".asm"});
    EXPECT_EQ(ParseProjectFileText("cpu:486\r\n").Cpu, "486");
}

TEST(ProjectFileReader, KeywordWithoutValueGivesEmptyValue) {
    TProjectInfo P = ParseProjectFileText("project\r\ncpu\r\naddfile\r\ndirectives\r\n");
    EXPECT_EQ(P.Name, "");
    EXPECT_EQ(P.Cpu, "");
    EXPECT_EQ(P.Files, std::vector<std::string>{""});
    EXPECT_EQ(P.Directives, "");
}

TEST(ProjectFileReader, AcceptsLfOnlyCrOnlyAndMixedLineEnds) {
    const TProjectInfo Expected = [] {
        TProjectInfo P;
        P.Name = "p";
        P.Files = {"a.asm", "b.asm"};
        P.Kind = pkDosExe;
        return P;
    }();
    EXPECT_EQ(ParseProjectFileText("project p\naddfile a.asm\naddfile b.asm\nkind 1\nend\n"), Expected);
    EXPECT_EQ(ParseProjectFileText("project p\raddfile a.asm\raddfile b.asm\rkind 1\rend\r"), Expected);
    EXPECT_EQ(ParseProjectFileText("project p\r\naddfile a.asm\raddfile b.asm\nkind 1"), Expected);
}

TEST(ProjectFileReader, RepeatedSingleValuesKeepTheLastAndListsCollectAll) {
    TProjectInfo P = ParseProjectFileText(
        "project one\r\nproject two\r\ncpu 8086\r\ncpu 80486\r\nkind 1\r\nkind 3\r\n"
        "directives a\r\ndirectives b\r\naddfile x.asm\r\naddfile x.asm\r\naddform f\r\naddform g\r\n");
    EXPECT_EQ(P.Name, "two");
    EXPECT_EQ(P.Cpu, "80486");
    EXPECT_EQ(P.Kind, 3);
    EXPECT_EQ(P.Directives, "b");
    EXPECT_EQ(P.Files, (std::vector<std::string>{"x.asm", "x.asm"}));
    EXPECT_EQ(P.Forms, (std::vector<std::string>{"f", "g"}));
}

TEST(ProjectFileReader, IgnoresCommentsBlankLinesAndUnknownLines) {
    TProjectInfo P = ParseProjectFileText(
        "#project hidden\r\n\r\n\r\nopts compile.opt\r\n project indented\r\nend;\r\nend\r\nkind 2\r\n");
    EXPECT_EQ(P.Name, "");
    EXPECT_EQ(P.Kind, 2);
    EXPECT_TRUE(P.Files.empty());
}

TEST(ProjectFileReader, ReadsTheWizardsSubset) {
    TProjectInfo P = ParseProjectFileText(
        "# T Automatically Generated Project.\r\n# DO NOT MODIFY ANYTHING BELOW THIS LINE !\r\n"
        "project dos_app\r\naddfile dos_app.asm\r\ncpu PentiumMMX\r\nkind 2\r\nend;\r\n");
    EXPECT_EQ(P.Name, "dos_app");
    EXPECT_EQ(P.Files, std::vector<std::string>{"dos_app.asm"});
    EXPECT_EQ(P.Cpu, "PentiumMMX");
    EXPECT_EQ(P.Kind, 2);
    EXPECT_TRUE(P.Forms.empty());
    EXPECT_EQ(P.Directives, "");
}

TEST(ProjectFileReader, KindToleratesBlanksAroundTheNumber) {
    EXPECT_EQ(ParseProjectFileText("kind  4 \r\n").Kind, 4);
    EXPECT_EQ(ParseProjectFileText("kind 0\r\n").Kind, 0);
    EXPECT_EQ(ParseProjectFileText("kind 06\r\n").Kind, 6);
}

class ProjectFileBadKind : public ::testing::TestWithParam<const char*> {};

TEST_P(ProjectFileBadKind, FailsAsAWholeAndNamesTheLine) {
    std::string Text = std::string("project p\r\naddfile a.asm\r\nkind ") + GetParam() + "\r\nend\r\n";
    try {
        ParseProjectFileText(Text);
        FAIL() << "no error for kind '" << GetParam() << "'";
    } catch (const EProjectFileError& E) {
        EXPECT_EQ(E.Line, 3);
        EXPECT_NE(E.Message.find(std::string("'") + GetParam() + "'"), std::string::npos) << E.Message;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ProjectFileBadKind,
                         ::testing::Values("", "x", "1x", "7", "-1", "+1", "$1", "0x1", "99999999999", "1.0"));

TEST(ProjectFileReader, BadKindIsAConversionError) {
    EXPECT_THROW(ParseProjectFileText("kind five"), EConvertError);
    // A word that merely starts with "kind" is read as a kind line too.
    EXPECT_THROW(ParseProjectFileText("kindness 1"), EProjectFileError);
}

TEST(SourceHeader, HasTenLinesWithThePathOnTheThird) {
    std::string Path = ProjectMemberPath("C:\\Work\\Proj\\", "new.inc");
    EXPECT_EQ(Path, "C:\\Work\\Proj\\\\new.inc");
    std::string H = SourceHeaderText(Path);

    std::vector<std::string> Lines;
    size_t Start = 0;
    for (size_t P; (P = H.find("\r\n", Start)) != std::string::npos; Start = P + 2)
        Lines.push_back(H.substr(Start, P - Start));
    EXPECT_EQ(Start, H.size()) << "every line ends in CR LF";
    ASSERT_EQ(Lines.size(), 10u);
    EXPECT_EQ(Lines[0], "; File Automatically Generated By Quorlen");
    EXPECT_EQ(Lines[1], ";");
    EXPECT_EQ(Lines[2], "; C:\\Work\\Proj\\\\new.inc");
    EXPECT_EQ(Lines[3], ";");
    EXPECT_EQ(Lines[4].substr(0, 2), "; ");
    EXPECT_GT(Lines[4].size(), 2u);
    EXPECT_EQ(Lines[5], ";");
    EXPECT_EQ(Lines[6].substr(0, 2), "; ");
    EXPECT_GT(Lines[6].size(), 2u);
    EXPECT_EQ(Lines[7], ";");
    EXPECT_EQ(Lines[8], "; Put your code below");
    EXPECT_EQ(Lines[9], ";");
    EXPECT_EQ(H.find('\n'), H.find("\r\n") + 1);
}

TEST(NewFileExtension, AppendedUnlessTheNameEndsInIt) {
    EXPECT_EQ(WithNewFileExtension("main", TNewFileKind::Assembler), "main.asm");
    EXPECT_EQ(WithNewFileExtension("main.asm", TNewFileKind::Assembler), "main.asm");
    EXPECT_EQ(WithNewFileExtension("defs", TNewFileKind::Include), "defs.inc");
    EXPECT_EQ(WithNewFileExtension("defs.inc", TNewFileKind::Include), "defs.inc");
    EXPECT_EQ(WithNewFileExtension("macros", TNewFileKind::Macro), "macros.mac");
    EXPECT_EQ(WithNewFileExtension("ab", TNewFileKind::Macro), "ab.mac");
}

TEST(NewFileExtension, TestIsOnTheLastThreeCharactersExactly) {
    // Only the letters count, with or without the dot.
    EXPECT_EQ(WithNewFileExtension("listinc", TNewFileKind::Include), "listinc");
    // Case matters.
    EXPECT_EQ(WithNewFileExtension("MAIN.ASM", TNewFileKind::Assembler), "MAIN.ASM.asm");
    // Another kind's extension does not count.
    EXPECT_EQ(WithNewFileExtension("x.inc", TNewFileKind::Macro), "x.inc.mac");
}

}  // namespace
