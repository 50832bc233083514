#include <gtest/gtest.h>

#include "product/ProjectKind.h"

TEST(ProjectKindNames, AreTheSevenKindsInFileOrder) {
    ASSERT_EQ(ProjectKindNames.size(), 7u);
    EXPECT_EQ(ProjectKindNames[pkUnknown], "Unknown");
    EXPECT_EQ(ProjectKindNames[pkDosCom], "Dos Com");
    EXPECT_EQ(ProjectKindNames[pkWin16Dll], "Win16 Dll");
    EXPECT_EQ(ProjectKindNames[pkWin32Dll], "Win32 Dll");
}

TEST(ProjectKindName, OutsideTheKindsIsUnknown) {
    EXPECT_EQ(ProjectKindName(pkWin32Exe), "Win32 Exe");
    EXPECT_EQ(ProjectKindName(-1), "Unknown");
    EXPECT_EQ(ProjectKindName(ProjectKindCount), "Unknown");
}
