#include <gtest/gtest.h>

#include "designer/support/win/RegistryStream.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/rtl/Exceptions.h"
#include "tests/designer/support/win/DesignerKey.h"

TEST(DesignerRegistry, PathsNameValuesBelowTheOverridableBaseKey) {
    EXPECT_STREQ(DefaultDesignerBaseKey, "Software\\Quorlen PRO\\Designer\\1.0");
    TDesignerScratchKey Base;
    std::string Key, Value;
    SplitRegistryPath("Designer\\GridX", Key, Value);
    EXPECT_EQ(Key, Base.Path() + "\\Designer\\");
    EXPECT_EQ(Value, "GridX");
    SplitRegistryPath("Width", Key, Value);
    EXPECT_EQ(Key, Base.Path() + "\\");
    EXPECT_EQ(Value, "Width");

    WriteToRegistry("Designer\\GridX", Variant(8));
    WriteToRegistry("Width", Variant(640));
    WriteToRegistry("Designer\\ScratchProbe", Variant(1));
    EXPECT_EQ(Base.Open("Designer").ReadInteger("GridX"), 8);
    EXPECT_EQ(Base.Open("").ReadInteger("Width"), 640);
    // Nothing reached the real key (which a designer run in a test running
    // beside this one may hold for a while): a value only this test writes.
    TRegistry User;
    EXPECT_FALSE(User.OpenKeyReadOnly("\\" + std::string(DefaultDesignerBaseKey) + "\\Designer") &&
                 User.ValueExists("ScratchProbe"));
}

TEST(DesignerRegistry, EveryValueKindRoundTripsByTheDefaultsKind) {
    TDesignerScratchKey Base;
    WriteToRegistry("V\\Int", Variant(-3));
    WriteToRegistry("V\\Bool", Variant(true));
    WriteToRegistry("V\\Float", Variant(2.5));
    WriteToRegistry("V\\Date", Variant::Date(36526.5));
    WriteToRegistry("V\\Money", Variant::Currency(1.25));
    WriteToRegistry("V\\Text", Variant("abc"));
    EXPECT_EQ(Base.Open("V").ReadInteger("Bool"), 1);
    EXPECT_EQ(ReadFromRegistry("V\\Int", Variant(0)).AsInteger(), -3);
    const Variant Bool = ReadFromRegistry("V\\Bool", Variant(false));
    EXPECT_EQ(Bool.VarType(), varBoolean);
    EXPECT_TRUE(Bool.AsBoolean());
    EXPECT_EQ(ReadFromRegistry("V\\Float", Variant(0.0)).AsDouble(), 2.5);
    EXPECT_EQ(ReadFromRegistry("V\\Date", Variant::Date(0)).VarType(), varDate);
    EXPECT_EQ(ReadFromRegistry("V\\Money", Variant::Currency(0)).AsDouble(), 1.25);
    EXPECT_EQ(ReadFromRegistry("V\\Text", Variant("")).AsString(), "abc");

    // Missing: the default, untouched. Another data kind: the registry's error.
    const Variant Missing = ReadFromRegistry("V\\Missing", Variant(true));
    EXPECT_EQ(Missing.VarType(), varBoolean);
    EXPECT_TRUE(Missing.AsBoolean());
    EXPECT_THROW(ReadFromRegistry("V\\Text", Variant(0)), ERegistryException);
    for (const Variant& Bad : {Variant(), Variant::Null()}) {
        try {
            WriteToRegistry("V\\Bad", Bad);
            ADD_FAILURE() << "written";
        } catch (const Exception& E) {
            EXPECT_EQ(E.Message, "This type isn't supported by WriteToRegistry");
        }
    }
    EXPECT_THROW(ReadFromRegistry("V\\Int", Variant()), Exception);

    TStringList Lines;
    Lines.Add("one");
    Lines.Add("two");
    SaveStringsToRegistry("V\\Lines", &Lines);
    EXPECT_EQ(Base.Open("V").ReadString("Lines"), "one\r\ntwo\r\n");
    TStringList Back;
    LoadStringsFromRegistry("V\\Lines", &Back);
    EXPECT_EQ(Back.Text(), Lines.Text());
    LoadStringsFromRegistry("V\\Missing", &Back);
    EXPECT_EQ(Back.Count(), 2);
}

TEST(DesignerRegistry, BinaryValuesAndTheirSize) {
    TDesignerScratchKey Base;
    EXPECT_EQ(GetRegistryDataSize("Nowhere\\Block"), -1);
    char Buffer[4] = {};
    EXPECT_EQ(ReadRegistryBinary("Nowhere\\Block", Buffer, 4), 0);
    WriteRegistryBinary("Bin\\Block", "abcdef", 6);
    EXPECT_EQ(GetRegistryDataSize("Bin\\Block"), 6);
    EXPECT_EQ(ReadRegistryBinary("Bin\\Block", Buffer, 4), 4);
    EXPECT_EQ(std::string(Buffer, 4), "abcd");
    WriteRegistryBinary("", "x", 1);  // an empty path does nothing
}

TEST(DesignerRegistry, StreamWritesOnlyWhatChangedAndReplacesAtTheEnd) {
    TDesignerScratchKey Base;
    {
        TRegistryStream S("S\\Data", 0);
        EXPECT_EQ(S.StoredSize(), -1);
        S.WriteBuffer("hello", 5);
    }
    EXPECT_EQ(GetRegistryDataSize("S\\Data"), 5);

    {
        TRegistryStream S("S\\Data", 0);
        EXPECT_EQ(S.Size(), 5);
        EXPECT_EQ(S.Position(), 0);
        // Changed behind the stream's back: an unchanged stream must not undo it.
        WriteRegistryBinary("S\\Data", "other!", 6);
    }
    EXPECT_EQ(GetRegistryDataSize("S\\Data"), 6);

    {
        TRegistryStream S("S\\Data", 0);
        S.SetSize(2);
    }
    char Back[8] = {};
    EXPECT_EQ(ReadRegistryBinary("S\\Data", Back, 8), 2);
    EXPECT_EQ(std::string(Back, 2), "ot");

    {
        TRegistryStream S("S\\Data", RegistryStreamCreate);
        EXPECT_EQ(S.StoredSize(), 0);
        S.WriteBuffer("new", 3);
        EXPECT_EQ(GetRegistryDataSize("S\\Data"), 2);  // the old value until stored
        S.Store();
        EXPECT_EQ(GetRegistryDataSize("S\\Data"), 3);
    }
}
