#include <gtest/gtest.h>

#include <cstring>

#include "designer/support/FormFiler.h"
#include "framework/classes/ClassPatches.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "tests/designer/support/SupportTestClasses.h"

namespace {
// One handler shared by two components, a second on a third.
// (Properties without a default are written every time.)
#define QRN_PLAIN "    Count = 0\n    Flag = False\n    Shade = shLight\n"
const char* const DesignedForm =
    "object Form1: TForm1\n"
    "  Count = 3\n  Flag = False\n  Shade = shLight\n"
    "  object A: TSupportProps\n" QRN_PLAIN "    OnPing = SharedPing\n  end\n"
    "  object B: TSupportProps\n" QRN_PLAIN "    OnPing = sharedping\n  end\n"
    "  object C: TSupportProps\n" QRN_PLAIN "    OnPing = OtherPing\n  end\n"
    "end\n";
#undef QRN_PLAIN

std::string WithHeader(const std::string& Binary) {
    TMemoryStream S;
    WriteResourceHeader(&S, "TFORM1", static_cast<uint32_t>(Binary.size()));
    S.WriteBuffer(Binary.data(), static_cast<int32_t>(Binary.size()));
    return std::string(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size()));
}

std::string ReadInto(TCompFiler& Filer, TComponent* Root, const std::string& Bytes) {
    TMemoryStream S;
    S.WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
    S.SetPosition(0);
    std::string RootName;
    Filer.ReadForm(&S, Root, RootName);
    return RootName;
}

TSupportProps* Child(TComponent* Root, const char* Name) {
    return static_cast<TSupportProps*>(Root->FindComponent(Name));
}

struct FormFilerTest : ::testing::Test {
    void SetUp() override { RegisterClass(TSupportProps::StaticClass()); }
    void TearDown() override { ReaderErrorProc = nullptr; }
};
}  // namespace

TEST_F(FormFilerTest, HandlersBecomeCodesInOrderAndWriteBackByteForByte) {
    const std::string Binary = ObjectTextToBinary(DesignedForm);
    TCompFiler Filer;
    int Loaded = 0;
    Filer.OnLoaded = [&](TObject*) { ++Loaded; };
    // The designed root has a class of its own; its components do not.
    TSupportChild Root(nullptr);
    EXPECT_EQ(ReadInto(Filer, &Root, WithHeader(Binary)), "Form1");
    EXPECT_EQ(Loaded, 1);
    EXPECT_EQ(Filer.MethodCodeOf("SHAREDPING"), 1);
    EXPECT_EQ(Filer.MethodCodeOf("OtherPing"), 2);
    EXPECT_EQ(Filer.MethodNameOf(2), "OtherPing");
    EXPECT_EQ(Filer.MethodNameOf(3), "");
    // Named but not bound: nothing to call, so calling does nothing.
    EXPECT_FALSE(Child(&Root, "C")->OnPing.Callable());
    Child(&Root, "C")->OnPing(&Root);

    Filer.PatchClass(&Root);
    TMemoryStream Out;
    {
        TWriter Writer(&Out);
        Writer.WriteRootComponent(&Root);
    }
    Filer.RestoreClass(&Root);
    EXPECT_EQ(std::string(static_cast<const char*>(Out.Memory()), static_cast<size_t>(Out.Size())), Binary);
    EXPECT_EQ(ClassNamePatch(Root.ClassType()), nullptr);
    EXPECT_EQ(GetClassMethodTable(Root.ClassType()), nullptr);

    // A bare stream reads the same; codes start again from 1.
    TSupportChild Again(nullptr);
    Filer.MethodCodeOf("Stale");
    ReadInto(Filer, &Again, Binary);
    EXPECT_EQ(Filer.MethodNameCount(), 2);
    EXPECT_EQ(Filer.MethodNameOf(1), "SharedPing");
}

TEST_F(FormFilerTest, MethodTableLayoutAndPatchPairing) {
    TCompFiler Filer;
    TSupportProps Root(nullptr);
    Root.SetName("Main");
    // Without handler names only the class name is patched.
    Filer.PatchClass(&Root);
    EXPECT_STREQ(ClassNamePatch(Root.ClassType()), "TMain");
    EXPECT_EQ(GetClassMethodTable(Root.ClassType()), nullptr);
    Filer.RestoreClass(&Root);
    EXPECT_EQ(ClassNamePatch(Root.ClassType()), nullptr);

    Filer.MethodCodeOf("Go");
    Filer.MethodCodeOf("Stop");
    const unsigned char Expected[] = {2, 0, 9, 0, 1, 0, 0, 0, 2, 'G', 'o', 11, 0, 2, 0, 0, 0, 4, 'S', 't', 'o', 'p'};
    Filer.PatchClass(&Root);
    const void* Table = GetClassMethodTable(Root.ClassType());
    ASSERT_NE(Table, nullptr);
    EXPECT_EQ(std::memcmp(Table, Expected, sizeof(Expected)), 0);
    Filer.RestoreClass(&Root);
    EXPECT_EQ(GetClassMethodTable(Root.ClassType()), nullptr);
}

TEST_F(FormFilerTest, ReaderErrorsWithIgnoreAllOnErrorAndNoHandler) {
    const std::string Broken = ObjectTextToBinary(
        "object Form1: TForm1\n  Missing = 1\n  object A: TSupportProps\n    Gone = 2\n    Count = 5\n  end\nend\n");
    static int Asked;
    Asked = 0;
    ReaderErrorProc = [](const std::string& Message, bool& Ignore, bool& IgnoreAll) {
        ++Asked;
        EXPECT_NE(Message.find("Missing"), std::string::npos);
        Ignore = true;
        IgnoreAll = true;
    };
    TCompFiler Filer;
    TSupportProps Root(nullptr);
    ReadInto(Filer, &Root, Broken);
    EXPECT_EQ(Asked, 1);
    EXPECT_TRUE(Filer.ErrorOccurred);
    EXPECT_TRUE(Filer.IgnoreAll);
    EXPECT_EQ(Child(&Root, "A")->Count, 5);

    // The next read asks again.
    TSupportProps Second(nullptr);
    ReadInto(Filer, &Second, Broken);
    EXPECT_EQ(Asked, 2);

    // OnError decides alone: the flags stay untouched.
    int Seen = 0;
    Filer.OnError = [&](TReader*, const std::string&, bool& Handled) {
        ++Seen;
        Handled = true;
    };
    TSupportProps Third(nullptr);
    ReadInto(Filer, &Third, Broken);
    EXPECT_EQ(Seen, 2);
    EXPECT_EQ(Asked, 2);
    EXPECT_FALSE(Filer.ErrorOccurred);

    // Nobody asks: the error ends the read.
    Filer.OnError = nullptr;
    ReaderErrorProc = nullptr;
    TSupportProps Fourth(nullptr);
    EXPECT_THROW(ReadInto(Filer, &Fourth, Broken), EReadError);
}
