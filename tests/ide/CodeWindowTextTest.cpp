#include "ide/CodeWindowText.h"

#include <gtest/gtest.h>

#include "ide/CodeAssist.h"
#include "product/TextLines.h"

namespace {

using TLines = std::vector<std::string>;

TEST(CodeWindowText, IncludeNameLosesItsQuotes) {
    EXPECT_EQ(IncludeNameAt("include \"part1.inc\"", 12, CodeSeparators), "part1.inc");
    EXPECT_EQ(IncludeNameAt("include a\"b\"c.inc", 12, CodeSeparators), "abc.inc");
    EXPECT_EQ(IncludeNameAt("include ", 8, CodeSeparators), "");
}

TEST(CodeWindowText, ExtensionFilterOfAName) {
    EXPECT_EQ(ExtensionFilter("part1.inc"), ".inc Files | *.inc");
    EXPECT_EQ(ExtensionFilter("noext"), " Files | *");
}

TEST(CodeWindowText, ContextMenuStates) {
    TContextMenuChange C = ContextMenuChange("", "include \"a.inc\"", 10, CodeSeparators);
    EXPECT_EQ(C.CollapseVisible, false);
    EXPECT_EQ(C.ExpandVisible, false);
    C = ContextMenuChange("a\r\nb", "include \"a.inc\"", 10, CodeSeparators);
    EXPECT_EQ(C.CollapseVisible, true);
    EXPECT_EQ(C.ExpandVisible, false);
    C = ContextMenuChange("a.inc", "include \"a.inc\"", 10, CodeSeparators);
    EXPECT_FALSE(C.CollapseVisible.has_value());
    EXPECT_EQ(C.ExpandVisible, true);
    EXPECT_EQ(C.ExpandWord, "a.inc");
    // "Include" is not "include"; nothing changes then.
    C = ContextMenuChange("a.inc", "Include \"a.inc\"", 10, CodeSeparators);
    EXPECT_FALSE(C.CollapseVisible.has_value());
    EXPECT_FALSE(C.ExpandVisible.has_value());
}

TEST(CodeWindowText, IncludeFolderWithAndWithoutProject) {
    EXPECT_EQ(IncludeFolder("C:\\proj\\", "main.asm", "C:\\cur\\"), "C:\\proj\\");
    EXPECT_EQ(IncludeFolder("", "D:\\loose\\file.asm", "C:\\cur\\"), "D:\\loose\\");
    EXPECT_EQ(IncludeFolder("", "untitled.asm", "C:\\cur\\"), "C:\\cur\\");
    EXPECT_EQ(IncludeFilePath("D:\\loose\\", "part1.inc"), "D:\\loose\\\\part1.inc");
    EXPECT_EQ(IncludeFilePath("C:\\proj\\", "E:\\x\\p.inc"), "E:\\x\\p.inc");
}

TEST(CodeWindowText, TextBetweenPoints) {
    TLines L{"abc", "def", "ghi"};
    EXPECT_EQ(TextBetween(L, {0, 1}, {2, 2}), "bc\r\ndef\r\ngh");
    EXPECT_EQ(TextBetween(L, {1, 0}, {1, 3}), "def");
    EXPECT_EQ(TextBetween(L, {1, 0}, {2, 0}), "def\r\n");
}

TEST(Collapse, ThreeWholeLinesBecomeOneIncludeLine) {
    TLines L{"start:", "mov ax, 1", "mov bx, 2", "mov cx, 3", "ret"};
    TCollapse C = CollapseSelection(L, {1, 0}, {3, 9}, "part1");
    EXPECT_EQ(C.FileName, "part1.inc");
    EXPECT_EQ(C.FileText, "mov ax, 1\r\nmov bx, 2\r\nmov cx, 3\r\n");
    EXPECT_EQ(C.Lines, (TLines{"start:", "include \"part1.inc\"", "ret"}));
    EXPECT_EQ(C.IncludeLineIndex, 1);
}

TEST(Collapse, SelectionEndingAtALineStartKeepsTheOrder) {
    TLines L{"a", "b", "c", "d"};
    TCollapse C = CollapseSelection(L, {1, 0}, {3, 0}, "x.asm");
    EXPECT_EQ(C.FileName, "x.inc");
    EXPECT_EQ(C.FileText, "b\r\nc\r\n\r\n");
    EXPECT_EQ(C.Lines, (TLines{"a", "include \"x.inc\"", "d"}));
}

TEST(Collapse, TextBeforeTheSelectionKeepsTheIncludeBelowIt) {
    TLines L{"mov ax, 1 ; one", "two"};
    TCollapse C = CollapseSelection(L, {0, 10}, {1, 3}, "c");
    EXPECT_EQ(C.FileText, "; one\r\ntwo\r\n");
    EXPECT_EQ(C.Lines, (TLines{"mov ax, 1 ", "include \"c.inc\""}));
    EXPECT_EQ(C.IncludeLineIndex, 1);
}

TEST(Expand, CommentsTheIncludeAndInsertsTheFile) {
    TLines L{"start:", "include \"part1.inc\"", "ret"};
    TLines R = ExpandInclude(L, 1, {"mov ax, 1", "mov bx, 2"});
    EXPECT_EQ(R, (TLines{"start:", ";include \"part1.inc\"", "mov ax, 1", "mov bx, 2", "ret"}));
    EXPECT_EQ(ExpandInclude(L, 7, {"x"}), L);
}

TEST(CollapseExpand, RoundTripRestoresTheCode) {
    TLines L{"start:", "  mov ax, 1", "  int 21h", "  ret", "end start"};
    TCollapse C = CollapseSelection(L, {1, 0}, {3, 5}, "body");
    // The include file as written, read back as lines.
    TLines FileLines = SplitTextLines(C.FileText);
    TLines R = ExpandInclude(C.Lines, C.IncludeLineIndex, FileLines);
    TLines Expected = L;
    Expected.insert(Expected.begin() + 1, ";include \"body.inc\"");
    EXPECT_EQ(R, Expected);
}

}  // namespace
