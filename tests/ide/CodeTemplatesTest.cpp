#include "product/CodeTemplates.h"

#include <gtest/gtest.h>

#include "tests/common/TestFolder.h"

namespace {

const char* const Sample =
    "_TEMPLATESTART_ prologue|the longer one\r\n"
    "push ebp\r\n"
    "_TEMPLATEEND_\r\n"
    "_TEMPLATESTART_ prolog|stack frame\r\n"
    "push bp\r\n"
    "mov bp, sp\r\n"
    "_TEMPLATEEND_\r\n"
    "_TEMPLATESTART_ Loop\r\n"
    "@@l: dec cx\r\n"
    "  _TEMPLATEEND_\r\n"
    "jnz @@l\r\n";

TEST(CodeTemplates, NamesInFileOrderUpToTheBar) {
    TCodeTemplates T;
    T.Load(Sample);
    EXPECT_TRUE(T.HasTemplates());
    EXPECT_EQ(T.Names(), (std::vector<std::string>{"prologue", "prolog", "Loop"}));
    EXPECT_TRUE(T.IsTemplateName("PROLOG"));
    EXPECT_TRUE(T.IsTemplateName("loop"));
    EXPECT_FALSE(T.IsTemplateName("pro"));
}

TEST(CodeTemplates, BodyOfTheExactNameNotALongerOne) {
    TCodeTemplates T;
    T.Load(Sample);
    EXPECT_EQ(T.Body("prolog"), (std::vector<std::string>{"push bp", "mov bp, sp"}));
    EXPECT_EQ(T.Body("PROLOGUE"), (std::vector<std::string>{"push ebp"}));
    EXPECT_TRUE(T.Body("nothing").empty());
}

TEST(CodeTemplates, WithoutItsExactEndLineTheBodyRunsToTheFileEnd) {
    TCodeTemplates T;
    T.Load(Sample);
    // "  _TEMPLATEEND_" is not the end line.
    EXPECT_EQ(T.Body("loop"), (std::vector<std::string>{"@@l: dec cx", "  _TEMPLATEEND_", "jnz @@l"}));
}

TEST(CodeTemplates, HeaderWithoutNameAndMarkerInsideALine) {
    std::string Name;
    EXPECT_TRUE(TemplateHeaderName("_TEMPLATESTART_", Name));
    EXPECT_EQ(Name, "");
    EXPECT_TRUE(TemplateHeaderName("; _TEMPLATESTART_ x|y", Name));
    EXPECT_EQ(Name, "x");
    EXPECT_FALSE(TemplateHeaderName("_templatestart_ x", Name));
}

TEST(CodeTemplates, MissingFileKeepsTheTemplates) {
    TTestFolder Dir;
    TCodeTemplates T;
    T.Load(Sample);
    EXPECT_FALSE(T.LoadFromFile(TemplatesPath(Dir.Path())));
    EXPECT_EQ(T.Names().size(), 3u);
    Dir.Write("templates.dat", "_TEMPLATESTART_ one\nbody\n_TEMPLATEEND_\n");
    EXPECT_TRUE(T.LoadFromFile(TemplatesPath(Dir.Path())));
    EXPECT_EQ(T.Names(), (std::vector<std::string>{"one"}));
    Dir.Write("templates.dat", "");
    EXPECT_TRUE(T.LoadFromFile(TemplatesPath(Dir.Path())));
    EXPECT_FALSE(T.HasTemplates());
}

}  // namespace
