#include <gtest/gtest.h>

#include "framework/rtl/win/Registry.h"
#include "tests/common/win/WinTestHelpers.h"

TEST(Registry, StartsAtTheCurrentUserWithNoKeyOpen) {
    TRegistry Reg;
    EXPECT_EQ(Reg.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(Reg.CurrentKey(), nullptr);
    EXPECT_EQ(Reg.CurrentPath(), "");
}

TEST(Registry, OpenKeyWithoutCreateFailsOnAMissingKey) {
    TScratchKey Key;
    TRegistry Reg;
    EXPECT_FALSE(Reg.OpenKey(Key.Path() + "\\Missing", false));
    EXPECT_FALSE(Reg.KeyExists(Key.Path() + "\\Missing"));
}

TEST(Registry, RelativeKeysNestBelowTheCurrentOne) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey("\\" + Key.Path() + "\\", true));
    EXPECT_EQ(Reg.CurrentPath(), Key.Path());
    ASSERT_TRUE(Reg.OpenKey("Child\\Grandchild\\", true));
    EXPECT_EQ(Reg.CurrentPath(), Key.Path() + "\\Child\\Grandchild");
    Reg.WriteString("Where", "deep");
    // A leading backslash starts again from the root.
    ASSERT_TRUE(Reg.OpenKey("\\" + Key.Path() + "\\Child\\Grandchild", false));
    EXPECT_EQ(Reg.ReadString("Where"), "deep");
    Reg.CloseKey();
    EXPECT_EQ(Reg.CurrentPath(), "");
}

TEST(Registry, StringsAndIntegersRoundTrip) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    Reg.WriteString("Text", "C:\\TOOLS\\BIN\\ASM.EXE");
    Reg.WriteString("Empty", "");
    Reg.WriteInteger("Number", -5);
    EXPECT_EQ(Reg.ReadString("Text"), "C:\\TOOLS\\BIN\\ASM.EXE");
    EXPECT_EQ(Reg.ReadString("Empty"), "");
    EXPECT_EQ(Reg.ReadInteger("Number"), -5);
    EXPECT_EQ(Reg.ReadString("Missing"), "");
}

TEST(Registry, StringWithoutTerminatingZeroReadsWhole) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    ASSERT_EQ(RegSetValueExA(Reg.CurrentKey(), "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3),
              ERROR_SUCCESS);
    EXPECT_EQ(Reg.ReadString("Bare"), "abc");
}

TEST(Registry, ExpandableStringsReadAsStrings) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    const char Data[] = "%TEMP%\\x";
    ASSERT_EQ(RegSetValueExA(Reg.CurrentKey(), "Exp", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(Data),
                             sizeof(Data)),
              ERROR_SUCCESS);
    EXPECT_EQ(Reg.ReadString("Exp"), "%TEMP%\\x");
}

TEST(Registry, WrongTypeRaisesWithTheValueName) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    Reg.WriteInteger("Dword", 1);
    Reg.WriteString("Str", "1");
    EXPECT_THROW(
        {
            try {
                Reg.ReadString("Dword");
            } catch (const ERegistryException& E) {
                EXPECT_EQ(E.Message, "Invalid data type for 'Dword'");
                throw;
            }
        },
        ERegistryException);
    EXPECT_THROW(Reg.ReadInteger("Str"), ERegistryException);
    EXPECT_THROW(Reg.ReadInteger("Missing"), ERegistryException);
}

TEST(Registry, ValuesCanBeTestedAndDeleted) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    Reg.WriteString("Gone", "x");
    EXPECT_TRUE(Reg.ValueExists("Gone"));
    EXPECT_TRUE(Reg.DeleteValue("Gone"));
    EXPECT_FALSE(Reg.ValueExists("Gone"));
    EXPECT_FALSE(Reg.DeleteValue("Gone"));
}

TEST(Registry, DeleteKeyRemovesSubkeys) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path() + "\\Tree\\A\\B", true));
    Reg.WriteString("Leaf", "1");
    ASSERT_TRUE(Reg.OpenKey("\\" + Key.Path() + "\\Tree\\C", true));
    Reg.CloseKey();
    EXPECT_TRUE(Reg.KeyExists(Key.Path() + "\\Tree\\A\\B"));
    EXPECT_TRUE(Reg.DeleteKey("\\" + Key.Path() + "\\Tree"));
    EXPECT_FALSE(Reg.KeyExists(Key.Path() + "\\Tree"));
    EXPECT_TRUE(Reg.KeyExists(Key.Path()));
}

TEST(Registry, RelativeKeyExistsLooksBelowTheCurrentKey) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path() + "\\Inner", true));
    ASSERT_TRUE(Reg.OpenKey("\\" + Key.Path(), false));
    EXPECT_TRUE(Reg.KeyExists("Inner"));
    EXPECT_FALSE(Reg.KeyExists("Outer"));
}

TEST(Registry, ChangingTheRootClosesTheKey) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    Reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(Reg.CurrentKey(), nullptr);
    EXPECT_EQ(Reg.CurrentPath(), "");
    EXPECT_EQ(Reg.RootKey(), HKEY_LOCAL_MACHINE);
}

TEST(Registry, BooleansEightByteValuesAndBinaryBlocks) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
    Reg.WriteBool("On", true);
    Reg.WriteFloat("Ratio", 0.25);
    Reg.WriteDateTime("When", 36526.5);
    Reg.WriteCurrency("Price", 12.3456);
    EXPECT_EQ(Reg.ReadInteger("On"), 1);
    EXPECT_TRUE(Reg.ReadBool("On"));
    EXPECT_EQ(Reg.ReadFloat("Ratio"), 0.25);
    EXPECT_EQ(Reg.ReadDateTime("When"), 36526.5);
    EXPECT_EQ(Reg.ReadCurrency("Price"), 12.3456);
    EXPECT_EQ(Reg.GetDataSize("Price"), 8);
    EXPECT_EQ(Reg.GetDataSize("Missing"), -1);
    EXPECT_THROW(Reg.ReadFloat("On"), ERegistryException);  // another data kind
    EXPECT_THROW(Reg.ReadInteger("Ratio"), ERegistryException);

    std::string Block(5000, 'x');
    Block[4999] = 'z';
    Reg.WriteBinaryData("Block", Block.data(), static_cast<int>(Block.size()));
    std::string Back(6000, '\0');
    EXPECT_EQ(Reg.ReadBinaryData("Block", Back.data(), 6000), 5000);
    EXPECT_EQ(Back.substr(0, 5000), Block);
    char Head[3] = {};
    EXPECT_EQ(Reg.ReadBinaryData("Block", Head, 3), 3);
    EXPECT_EQ(Reg.ReadBinaryData("Missing", Head, 3), 0);
}

TEST(Registry, FirstSubKeyAndReadOnlyKeys) {
    TScratchKey Key;
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Key.Path() + "\\Lib\\2.0", true));
    Reg.WriteString("", "Sample Library");
    ASSERT_TRUE(Reg.OpenKeyReadOnly("\\" + Key.Path() + "\\Lib"));
    EXPECT_EQ(Reg.FirstKeyName(), "2.0");
    ASSERT_TRUE(Reg.OpenKeyReadOnly("2.0"));
    EXPECT_EQ(Reg.ReadString(""), "Sample Library");
    EXPECT_EQ(Reg.FirstKeyName(), "");
    EXPECT_FALSE(Reg.OpenKeyReadOnly("\\" + Key.Path() + "\\Missing"));
    Reg.SetRootKey(HKEY_CLASSES_ROOT);
    EXPECT_TRUE(Reg.OpenKeyReadOnly("\\CLSID"));
}
