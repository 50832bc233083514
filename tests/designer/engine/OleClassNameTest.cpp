#include <gtest/gtest.h>

#include "designer/engine/OleClassName.h"

TEST(OleClassName, MiddlePartOfTheProgIDOrTheWrapperName) {
    EXPECT_EQ(OleClassNameOf("QrnFake.Gauge.1"), "TGauge");
    EXPECT_EQ(OleClassNameOf("Lib.Grid"), "TGrid");
    EXPECT_EQ(OleClassNameOf("Lib..1"), "TZelOleControl");
    EXPECT_EQ(OleClassNameOf(""), "TZelOleControl");
    EXPECT_EQ(OleClassNameOf("Lib.My Grid.1"), "TZelOleControl");
}
