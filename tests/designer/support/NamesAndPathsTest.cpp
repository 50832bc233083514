#include <gtest/gtest.h>

#include "designer/support/ComponentNames.h"
#include "designer/support/DesignStrings.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/RectLayout.h"
#include "framework/classes/FormText.h"
#include "framework/rtl/Streams.h"
#include "tests/designer/support/SupportTestClasses.h"

TEST(NamesAndPaths, UniqueNamesLookAtEveryOwnerAbove) {
    TComponent Module(nullptr);
    auto* Form = new TComponent(&Module);
    Form->SetName("Form1");
    EXPECT_EQ(MakeUniqueName(Form, "Button"), "Button1");
    auto* Taken = new TComponent(&Module);
    Taken->SetName("Button1");
    EXPECT_FALSE(IsNameFree(Form, "button1"));
    EXPECT_EQ(MakeUniqueName(Form, "Button"), "Button2");
    EXPECT_EQ(MakeUniqueName(nullptr, "Button"), "Button1");

    auto* Other = new TComponent(&Module);
    Other->SetName("Form2");
    (new TSupportProps(Form))->SetName("Edit1");
    (new TSupportProps(Other))->SetName("Edit2");
    (new TComponent(Other))->SetName("Plain");
    std::vector<std::string> Names;
    EnumQualifiedComponentNames({Form, Other}, Form, TSupportProps::StaticClass(),
                                [&](const std::string& N) { Names.push_back(N); });
    EXPECT_EQ(Names, (std::vector<std::string>{"Edit1", "Form2.Edit2"}));
}

TEST(NamesAndPaths, CommonAncestorClass) {
    TSupportChild Child(nullptr);
    TSupportProps Props(nullptr);
    TSupportOther Other(nullptr);
    EXPECT_EQ(CommonAncestorClass({}), nullptr);
    EXPECT_EQ(CommonAncestorClass({&Child}), TSupportChild::StaticClass());
    EXPECT_EQ(CommonAncestorClass({&Child, &Props}), TSupportProps::StaticClass());
    EXPECT_EQ(CommonAncestorClass({&Child, &Other}), TComponent::StaticClass());
    EXPECT_TRUE(ObjectInheritsFromName(&Child, "tsupportprops"));
    EXPECT_FALSE(ObjectInheritsFromName(&Props, "TSupportChild"));
    TComponent Owner(nullptr);
    auto* Owned = new TComponent(&Owner);
    TObject Plain;
    EXPECT_EQ(OwnerOfPersistent(Owned), &Owner);
    EXPECT_EQ(OwnerOfPersistent(&Plain), nullptr);
}

TEST(NamesAndPaths, AlignRectInRectPerAxis) {
    const TRect Box{0, 0, 40, 10};
    const TRect Bounds{100, 200, 200, 300};
    const TRect Near = AlignRectInRect(Box, Bounds, 1, 1, 70, 0);
    EXPECT_EQ(Near.Left, 100);
    EXPECT_EQ(Near.Right, 130);  // no later than the end margin
    EXPECT_EQ(Near.Bottom, 210);
    const TRect Centre = AlignRectInRect(Box, Bounds, 2, 2, 0, 0);
    EXPECT_EQ(Centre.Left, 130);
    EXPECT_EQ(Centre.Top, 245);
    const TRect Far = AlignRectInRect(Box, Bounds, 3, 0, 0, 80);
    EXPECT_EQ(Far.Left, 180);  // no earlier than the start margin
    EXPECT_EQ(Far.Right, 200);
    EXPECT_EQ(Far.Top, 200);
    EXPECT_EQ(Far.Bottom, 300);  // other values: the whole extent
    const TRect Clipped = AlignRectInRect({0, 0, 300, 10}, Bounds, 2, 1, 0, 0);
    EXPECT_EQ(Clipped.Left, 100);
    EXPECT_EQ(Clipped.Right, 200);
}

TEST(NamesAndPaths, StringAndPathRoutines) {
    EXPECT_EQ(MiddleNamePart("a.b.c"), "b");
    EXPECT_EQ(MiddleNamePart("a.b"), "b");
    EXPECT_EQ(MiddleNamePart("abc"), "abc");
    EXPECT_EQ(MakeBackupFileName("c:\\x\\form.wfm"), "c:\\x\\form.~wf");
    EXPECT_EQ(MakeBackupFileName("c:\\x\\readme"), "c:\\x\\readme.~");
    EXPECT_EQ(MakeBackupFileName("a.x"), "a.~x");
    EXPECT_EQ(ValueAfterEquals("Name=Value"), "Value");
    EXPECT_EQ(ValueAfterEquals("Name="), "");
    EXPECT_EQ(ValueAfterEquals("Name"), "");
    EXPECT_EQ(AddBackslash("Designer"), "Designer\\");
    EXPECT_EQ(AddBackslash("Designer\\"), "Designer\\");
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(PosFrom("ab", "xabab", 3), 4);
    EXPECT_EQ(PosFrom("ab", "xabab", 5), 0);
    EXPECT_EQ(PosFrom("abcdef", "abc", 1), 0);
    EXPECT_EQ(DeleteCharsInSet("a-b_c", "-_"), "abc");
}

TEST(NamesAndPaths, ResourceHeaderIsSkippedOrLeft) {
    TMemoryStream WithHeader;
    WriteResourceHeader(&WithHeader, "TFORM1", 4);
    WithHeader.WriteBuffer("TPF0", 4);
    WithHeader.SetPosition(0);
    EXPECT_TRUE(SkipResourceHeader(&WithHeader, true));
    EXPECT_EQ(WithHeader.Position(), 0);
    EXPECT_TRUE(SkipResourceHeader(&WithHeader, false));
    EXPECT_EQ(WithHeader.Position(), 16);

    TMemoryStream Bare;
    Bare.WriteBuffer("TPF0", 4);
    Bare.SetPosition(0);
    EXPECT_FALSE(SkipResourceHeader(&Bare, false));
    EXPECT_EQ(Bare.Position(), 0);
}
