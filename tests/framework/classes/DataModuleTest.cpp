#include "framework/classes/DataModule.h"

#include <gtest/gtest.h>

#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/rtl/Streams.h"

TEST(DataModule, KeepsDesignPlaceThroughTheStreamAndIsListed) {
    const int Before = DataModuleCount();
    std::string Binary;
    {
        TDataModule Module(nullptr);
        EXPECT_EQ(DataModuleCount(), Before + 1);
        EXPECT_EQ(DataModules(Before), &Module);
        Module.SetDesignOffset({10, 20});
        Module.SetDesignSize({300, 200});
        TMemoryStream S;
        TWriter W(&S);
        W.WriteRootComponent(&Module);
        Binary.assign(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size()));
    }
    EXPECT_EQ(DataModuleCount(), Before);
    const std::string Text = ObjectBinaryToText(Binary);
    EXPECT_NE(Text.find("Width = 300"), std::string::npos) << Text;

    TDataModule Read(nullptr);
    TStringStream S(Binary);
    TReader R(&S);
    R.ReadRootComponent(&Read);
    EXPECT_EQ(Read.DesignOffset(), (TPoint{10, 20}));
    EXPECT_EQ(Read.DesignSize(), (TPoint{300, 200}));
}
