#include <gtest/gtest.h>

#include "framework/rtl/Exceptions.h"
#include "ide/ToolMessages.h"

namespace {

using Lines = std::vector<std::string>;

TEST(AssemblerOutput, ReportsErrorsFatalsAndWarnings) {
    TToolOutputReport R = FilterAssemblerOutput(Lines{
        "Turbo Assembler  Version 4.1",
        "Assembling file:   main.asm",
        "*Warning* main.asm(3) Reserved word used as symbol: NAME",
        "**Error** main.asm(12) Undefined symbol: FOO",
        "Error messages:    1",
        "**Fatal** Command line: Can't locate file: nothere.asm",
    });
    EXPECT_TRUE(R.ErrorSeen);
    EXPECT_EQ(R.Reported, (Lines{"*Warning* main.asm(3) Reserved word used as symbol: NAME",
                                 "**Error** main.asm(12) Undefined symbol: FOO",
                                 "**Fatal** Command line: Can't locate file: nothere.asm"}));
}

TEST(AssemblerOutput, WarningsAloneAreNoError) {
    TToolOutputReport R = FilterAssemblerOutput(Lines{"*Warning* a.asm(1) x", "Warning messages: 1"});
    EXPECT_FALSE(R.ErrorSeen);
    EXPECT_EQ(R.Reported, Lines{"*Warning* a.asm(1) x"});
}

TEST(AssemblerOutput, MarksAreCaseSensitiveSubstringsAnywhere) {
    TToolOutputReport R = FilterAssemblerOutput(Lines{"**error** a", "**ERROR** b", "note: **Error** inside", "Error: c"});
    EXPECT_TRUE(R.ErrorSeen);
    EXPECT_EQ(R.Reported, Lines{"note: **Error** inside"});
}

TEST(AssemblerOutput, LineWithTwoMarksIsReportedTwice) {
    TToolOutputReport R = FilterAssemblerOutput(Lines{"**Error** x *Warning* y"});
    EXPECT_TRUE(R.ErrorSeen);
    EXPECT_EQ(R.Reported, (Lines{"**Error** x *Warning* y", "**Error** x *Warning* y"}));
}

TEST(AssemblerOutput, EmptyOutputIsSuccess) {
    TToolOutputReport R = FilterAssemblerOutput(Lines{});
    EXPECT_FALSE(R.ErrorSeen);
    EXPECT_TRUE(R.Reported.empty());
}

TEST(LinkerOutput, ReportsItsOwnMarks) {
    TToolOutputReport R = FilterLinkerOutput(Lines{
        "Turbo Link  Version 7.1",
        "Warning: No stack",
        "Error: Undefined symbol FOO in module main.asm",
        "Fatal: Unable to open file 'util.obj'",
        "**Error** assembler style is not the linker's",
    });
    EXPECT_TRUE(R.ErrorSeen);
    EXPECT_EQ(R.Reported, (Lines{"Warning: No stack", "Error: Undefined symbol FOO in module main.asm",
                                 "Fatal: Unable to open file 'util.obj'"}));
}

TEST(LinkerOutput, WarningOnlyLinkSucceeds) {
    TToolOutputReport R = FilterLinkerOutput(Lines{"Warning: No stack"});
    EXPECT_FALSE(R.ErrorSeen);
    EXPECT_EQ(R.Reported.size(), 1u);
}

TEST(LinkerOutput, FatalAloneIsAnError) {
    EXPECT_TRUE(FilterLinkerOutput(Lines{"Fatal: Out of memory"}).ErrorSeen);
    EXPECT_FALSE(FilterLinkerOutput(Lines{"fatal: lower case"}).ErrorSeen);
}

TEST(MessageLocation, ErrorLineWithFullPath) {
    auto L = ParseMessageLocation("**Error** c:\\proj\\main.asm(12) Undefined symbol: FOO");
    ASSERT_TRUE(L);
    EXPECT_EQ(L->File, "c:\\proj\\main.asm");
    EXPECT_EQ(L->Line, 12);
    EXPECT_EQ(MessageFileName(L->File), "main.asm");
    EXPECT_EQ(EditorLineOfMessage(L->Line), 11);
}

TEST(MessageLocation, WarningLineWithBareName) {
    auto L = ParseMessageLocation("*Warning* util.asm(3) Argument needs type override");
    ASSERT_TRUE(L);
    EXPECT_EQ(L->File, "util.asm");
    EXPECT_EQ(L->Line, 3);
    EXPECT_EQ(MessageFileName(L->File), "util.asm");
}

TEST(MessageLocation, LowerCasedShortPath) {
    auto L = ParseMessageLocation("**Error** c:\\progra~1\\myproj~1\\main.asm(7) Illegal instruction");
    ASSERT_TRUE(L);
    EXPECT_EQ(L->File, "c:\\progra~1\\myproj~1\\main.asm");
    EXPECT_EQ(MessageFileName(L->File), "main.asm");
    EXPECT_EQ(L->Line, 7);
}

TEST(MessageLocation, PathWithBlanks) {
    auto L = ParseMessageLocation("**Error** C:\\My Projects\\Demo\\main.asm(40) Extra characters on line");
    ASSERT_TRUE(L);
    EXPECT_EQ(L->File, "C:\\My Projects\\Demo\\main.asm");
    EXPECT_EQ(L->Line, 40);
}

TEST(MessageLocation, FolderWithParenthesesUsesTheNumberGroup) {
    auto L = ParseMessageLocation("**Error** C:\\Program Files (x86)\\p\\a.asm(5) Bad (thing)");
    ASSERT_TRUE(L);
    EXPECT_EQ(L->File, "C:\\Program Files (x86)\\p\\a.asm");
    EXPECT_EQ(L->Line, 5);
}

TEST(MessageLocation, OnlyErrorAndWarningLinesPoint) {
    EXPECT_FALSE(ParseMessageLocation("**Fatal** main.asm(3) Out of memory"));
    EXPECT_FALSE(ParseMessageLocation("Error: Undefined symbol FOO in module main.asm(1)"));
    EXPECT_FALSE(ParseMessageLocation(" **Error** main.asm(3) indented"));
    EXPECT_FALSE(ParseMessageLocation("**error** main.asm(3) lower case"));
    EXPECT_FALSE(ParseMessageLocation(""));
    EXPECT_FALSE(ParseMessageLocation("**Error**"));
}

TEST(MessageLocation, NoLineNumberGivesNoLocation) {
    EXPECT_FALSE(ParseMessageLocation("**Error** Too many errors"));
    EXPECT_FALSE(ParseMessageLocation("*Warning* main.asm: something"));
    EXPECT_FALSE(ParseMessageLocation("**Error** main.asm(12"));
}

TEST(MessageLocation, NonNumericParenthesesAreAConversionError) {
    EXPECT_THROW(ParseMessageLocation("**Error** main.asm(abc) Bad"), EConvertError);
    EXPECT_THROW(ParseMessageLocation("**Error** main.asm() x"), EConvertError);
    EXPECT_THROW(ParseMessageLocation("**Error** main.asm(99999999999) x"), EConvertError);
}

TEST(MessageLocation, ZeroOrNegativeLineGoesToTheFirstLine) {
    auto L = ParseMessageLocation("**Error** main.asm(0) x");
    ASSERT_TRUE(L);
    EXPECT_EQ(L->Line, 0);
    EXPECT_EQ(EditorLineOfMessage(L->Line), 0);
    L = ParseMessageLocation("**Error** main.asm(-4) x");
    ASSERT_TRUE(L);
    EXPECT_EQ(EditorLineOfMessage(L->Line), 0);
    EXPECT_EQ(EditorLineOfMessage(1), 0);
    EXPECT_EQ(EditorLineOfMessage(2), 1);
}

TEST(MessageLocation, NameAfterDriveColonOrSlash) {
    EXPECT_EQ(MessageFileName("c:main.asm"), "main.asm");
    EXPECT_EQ(MessageFileName("sub/main.asm"), "main.asm");
    EXPECT_EQ(MessageFileName("main.asm"), "main.asm");
}

TEST(MessageLocation, LowerCasedNameFindsTheProjectsWindow) {
    auto L = ParseMessageLocation("**Error** c:\\proj\\main.asm(2) x");
    ASSERT_TRUE(L);
    EXPECT_TRUE(SameMessageFileName("Main.ASM", MessageFileName(L->File)));
    EXPECT_TRUE(SameMessageFileName("C:\\Proj\\Main.asm", L->File));
    EXPECT_FALSE(SameMessageFileName("main.asm", L->File));
    EXPECT_FALSE(SameMessageFileName("main.as", "main.asm"));
    EXPECT_FALSE(SameMessageFileName("m\xe4in.asm", "m\xc4in.asm"));
}

}  // namespace
