#include "framework/rtl/Exceptions.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Variant.h"

#include <gtest/gtest.h>

TEST(Variant, KindsAndConversions) {
    Variant e;
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(e.AsInteger(), 0);
    EXPECT_EQ(e.AsString(), "");
    EXPECT_FALSE(e.AsBoolean());

    Variant i(42);
    EXPECT_EQ(i.VarType(), varInteger);
    EXPECT_EQ(i.AsString(), "42");
    EXPECT_DOUBLE_EQ(i.AsDouble(), 42);
    EXPECT_TRUE(i.AsBoolean());

    Variant d(2.5);
    EXPECT_EQ(d.AsString(), "2.5");
    EXPECT_EQ(d.AsInteger(), 3) << "doubles round to the nearest integer";

    Variant b(true);
    EXPECT_EQ(b.AsString(), "True");
    EXPECT_EQ(b.AsInteger(), -1);

    Variant s("123");
    EXPECT_EQ(s.AsInteger(), 123);
    EXPECT_DOUBLE_EQ(Variant("1.5").AsDouble(), 1.5);
    EXPECT_TRUE(Variant("true").AsBoolean());
    EXPECT_FALSE(Variant("0").AsBoolean());
    EXPECT_EQ(static_cast<std::string>(Variant(int64_t(1) << 40)), "1099511627776");
}

TEST(Variant, ImpossibleConversionsRaise) {
    auto expectError = [](auto F) {
        try {
            F();
            ADD_FAILURE() << "no error";
        } catch (const EVariantError& e) {
            EXPECT_EQ(e.Message, "Invalid variant type conversion");
        }
    };
    expectError([] { Variant("abc").AsInteger(); });
    expectError([] { Variant("abc").AsBoolean(); });
    expectError([] { Variant::Null().AsString(); });
    expectError([] { Variant::Null().AsInteger(); });
    expectError([] { Variant(int64_t(1) << 40).AsInteger(); });  // out of Integer range
    expectError([] { Variant(1e300).AsInt64(); });
}

TEST(Variant, Comparison) {
    EXPECT_EQ(Variant(1), Variant(1.0));
    EXPECT_EQ(Variant(10), Variant("10"));
    EXPECT_LT(Variant(9), Variant("10")) << "numeric strings compare as numbers";
    EXPECT_LT(Variant("abc"), Variant("abd"));
    EXPECT_NE(Variant("a"), Variant("A"));
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_NE(Variant::Null(), Variant(0));
    EXPECT_EQ(Variant(), Variant(0));
    EXPECT_THROW(Variant::Null().Compare(Variant(1)), EVariantError);
    Variant v(5);
    v.Clear();
    EXPECT_TRUE(v.IsEmpty());
}

TEST(Variant, DatesAndCurrencyAreNumbersThatKeepTheirKind) {
    const Variant D = Variant::Date(36526.5);  // 1 Jan 2000, noon
    const Variant C = Variant::Currency(12.34);
    EXPECT_EQ(D.VarType(), varDate);
    EXPECT_EQ(C.VarType(), varCurrency);
    EXPECT_EQ(D.AsDouble(), 36526.5);
    EXPECT_EQ(C, Variant(12.34));
    EXPECT_LT(Variant(1), D);
    EXPECT_EQ(D.AsString(), DateTimeToStr(36526.5));
    EXPECT_STREQ(VarTypeName(C.VarType()), "Currency");
}
