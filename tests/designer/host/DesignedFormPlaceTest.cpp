#include <gtest/gtest.h>

#include "designer/host/DesignedFormPlace.h"
#include "framework/rtl/FileUtils.h"

namespace {

const std::string Folder = std::string("proj") + PathDelim + "app" + PathDelim;
const std::string Project = Folder + "app.qrn";

TEST(DesignedFormPlace, FirstExactAddformLineNamesTheForm) {
    TDesignedFormPlace P;
    EXPECT_EQ(FindDesignedForm(Project, {"project app", "ADDFORM x.frm", " addform y.frm", "addform  my form.frm",
                                         "addform other.frm"},
                               P),
              "");
    EXPECT_EQ(P.ProjectFolder, Folder);
    EXPECT_EQ(P.FormFilePath, Folder + "myform.frm");
    EXPECT_EQ(P.FormBasePath, Folder + "myform");
}

TEST(DesignedFormPlace, MissingFormOrNameGivesItsMessage) {
    TDesignedFormPlace P;
    EXPECT_EQ(FindDesignedForm(Project, {"project app", "addfile main.asm"}, P),
              "Cannot find forms in " + Project + " !");
    EXPECT_EQ(FindDesignedForm(Project, {"addform"}, P),
              "Well, I have a form but not a filename in " + Project + " !");
    EXPECT_EQ(FindDesignedForm(Project, {"addform   "}, P),
              "Well, I have a form but not a filename in " + Project + " !");
}

}  // namespace
