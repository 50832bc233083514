#include <gtest/gtest.h>

#include "controls/UtilProcs.h"
#include "framework/rtl/win/WinApi.h"

TEST(LowerCaseStr, FollowsTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page";
#ifdef QRN_LOWERCASESTR_UPPER
    EXPECT_EQ(LowerCaseStr("\xe4gypten"), "\xc4GYPTEN");
#else
    EXPECT_EQ(LowerCaseStr("\xc4GYPTEN"), "\xe4gypten");
#endif
}
