#include "designer/support/PropertyHelpers.h"

#include <gtest/gtest.h>

#include "framework/rtl/Exceptions.h"
#include "tests/designer/support/SupportTestClasses.h"

TEST(PropertyHelpers, CopyTakesSameKindWithSetterAndNeverEvents) {
    TSupportProps Source(nullptr), Dest(nullptr);
    Source.Count = 4;
    Source.Flag = true;
    Source.Ratio = 2.5;
    Source.Text = "t";
    Source.Shade = shDark;
    Source.Ref = &Dest;
    Source.OnPing = [](TObject*) {};
    TStringList Exclude;
    Exclude.Add("Flag");
    CopyObjectProperties(&Source, &Dest, &Exclude);
    EXPECT_EQ(Dest.Count, 4);
    EXPECT_FALSE(Dest.Flag);
    EXPECT_EQ(Dest.Ratio, 2.5);
    EXPECT_EQ(Dest.Text, "t");
    EXPECT_EQ(Dest.Shade, shDark);
    EXPECT_EQ(Dest.Ref, &Dest);
    EXPECT_FALSE(Dest.OnPing);

    // Another kind under the same name, or no setter: left alone.
    TSupportOther Other(nullptr);
    CopyObjectProperties(&Source, &Other);
    EXPECT_EQ(Other.Count, "unchanged");
    EXPECT_EQ(Other.Text, "t");

    // Self and nil copy nothing (and do not fail).
    CopyObjectProperties(&Source, &Source);
    CopyObjectProperties(nullptr, &Dest);
    CopyObjectProperties(&Source, nullptr);
}

TEST(PropertyHelpers, VariantConversionsByKind) {
    TSupportProps P(nullptr);
    const TClass* C = P.ClassType();
    SetPropertyFromVariant(&P, C->FindProperty("Count"), Variant(true));
    EXPECT_EQ(P.Count, 1);
    SetPropertyFromVariant(&P, C->FindProperty("Count"), Variant("12"));
    EXPECT_EQ(P.Count, 12);
    EXPECT_THROW(SetPropertyFromVariant(&P, C->FindProperty("Count"), Variant("x")), EConvertError);
    SetPropertyFromVariant(&P, C->FindProperty("Flag"), Variant(1));
    EXPECT_TRUE(P.Flag);
    SetPropertyFromVariant(&P, C->FindProperty("Ratio"), Variant("0.5"));
    EXPECT_EQ(P.Ratio, 0.5);
    SetPropertyFromVariant(&P, nullptr, Variant(1));

    EXPECT_EQ(GetPropertyAsVariant(&P, C->FindProperty("Flag")).VarType(), varInteger);
    EXPECT_EQ(GetPropertyAsVariant(&P, C->FindProperty("Ratio")).AsDouble(), 0.5);
    EXPECT_TRUE(GetPropertyAsVariant(&P, nullptr).IsEmpty());

    std::vector<std::string> Floats;
    ForEachPropertyOfKinds(&P, {tkFloat, tkLString}, true,
                           [&](TObject*, const TPropInfo* Prop) { Floats.push_back(Prop->Name); });
    EXPECT_EQ(Floats, (std::vector<std::string>{"Ratio", "Text"}));
}

TEST(PropertyHelpers, VariantAndWideIntegerPropertiesAsThemselves) {
    TSupportWide Source(nullptr), Dest(nullptr);
    const TClass* C = Source.ClassType();
    SetPropertyFromVariant(&Source, C->FindProperty("Value"), Variant("text"));
    EXPECT_EQ(Source.Value.VarType(), varString);
    const int64_t Wide = int64_t{5} << 40;
    SetPropertyFromVariant(&Source, C->FindProperty("Big"), Variant(Wide));
    EXPECT_EQ(Source.Big, Wide);

    const Variant Got = GetPropertyAsVariant(&Source, C->FindProperty("Value"));
    EXPECT_EQ(Got.VarType(), varString);
    EXPECT_EQ(Got.AsString(), "text");
    EXPECT_EQ(GetPropertyAsVariant(&Source, C->FindProperty("Big")).AsInt64(), Wide);

    CopyObjectProperties(&Source, &Dest);
    EXPECT_EQ(Dest.Value.VarType(), varString);
    EXPECT_EQ(Dest.Value.AsString(), "text");
    EXPECT_EQ(Dest.Big, Wide);
}
