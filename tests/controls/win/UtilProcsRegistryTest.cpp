#include <gtest/gtest.h>

#include "controls/UtilProcs.h"
#include "framework/rtl/win/Registry.h"
#include "tests/common/win/WinTestHelpers.h"

TEST(ReadRegString, MissingValueIsEmptyAndTheKeyIsCreated) {
    TScratchKey Key;
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\Sub\\Missing"), "");
    TRegistry Reg;
    EXPECT_TRUE(Reg.KeyExists("\\" + Key.Path() + "\\Sub"));
}

TEST(ReadRegString, ReadsWhatWriteRegStringWrote) {
    TScratchKey Key;
    WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\Includes", "C:\\TOOLS\\INCLUDE");
    WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\Deeper\\Objects", "");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\Includes"), "C:\\TOOLS\\INCLUDE");
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\Deeper\\Objects"), "");
    // The key path keeps its trailing backslash, as SplitRegPath leaves it.
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\\\Includes"), "C:\\TOOLS\\INCLUDE");
}

TEST(WriteRegString, StoresAStringValue) {
    TScratchKey Key;
    WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\PmTop", "120");
    HKEY Raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Key.Path().c_str(), 0, KEY_READ, &Raw), ERROR_SUCCESS);
    DWORD Type = 0;
    char Buf[16] = {};
    DWORD Size = sizeof(Buf);
    EXPECT_EQ(RegQueryValueExA(Raw, "PmTop", nullptr, &Type, reinterpret_cast<BYTE*>(Buf), &Size),
              ERROR_SUCCESS);
    RegCloseKey(Raw);
    EXPECT_EQ(Type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(Buf, "120");
}

TEST(ReadRegString, ValueOfAnotherTypeRaises) {
    TScratchKey Key;
    {
        TRegistry Reg;
        ASSERT_TRUE(Reg.OpenKey(Key.Path(), true));
        Reg.WriteInteger("CleanFiles", 1);
    }
    try {
        ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\CleanFiles");
        FAIL() << "no exception";
    } catch (const ERegistryException& E) {
        EXPECT_EQ(E.Message, "Invalid data type for 'CleanFiles'");
    }
}
