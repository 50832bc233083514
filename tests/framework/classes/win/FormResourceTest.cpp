#include <gtest/gtest.h>

#include "../TestClasses.h"
#include "framework/classes/FormResource.h"

TEST(FormResource, EmbeddedTextFormFillsAnExistingRoot) {
    RegisterTestClasses();
    ASSERT_TRUE(FormResourceExists(nullptr, "TESTFORM"));
    TTestForm Form(nullptr);
    LoadFormResource(nullptr, "TESTFORM", &Form);
    EXPECT_EQ(Form.Name(), "ResForm");
    ASSERT_NE(Form.Button1, nullptr);
    EXPECT_EQ(Form.Button1->Caption, "From resource");
    EXPECT_EQ(Form.Button1->Styles, TTestStyles{tyBold});
    Form.Button1->OnClick(Form.Button1);
    EXPECT_EQ(Form.Clicks, 1);
}

TEST(FormResource, MissingResourceRaises) {
    TTestForm Form(nullptr);
    EXPECT_FALSE(FormResourceExists(nullptr, "NOSUCHFORM"));
    EXPECT_THROW(LoadFormResource(nullptr, "NOSUCHFORM", &Form), EResNotFound);
}
