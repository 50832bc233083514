#include <gtest/gtest.h>

#include "designer/support/NamedItems.h"
#include "designer/support/win/DesignErrors.h"
#include "designer/support/win/OptionExt.h"
#include "designer/support/win/PaletteOptions.h"
#include "designer/support/win/RegistryPersistence.h"
#include "tests/designer/support/SupportTestClasses.h"
#include "tests/designer/support/win/DesignerKey.h"

using TSupportShades = TSmallSet<TSupportShade>;
QRN_SET_NAME(TSupportShades)

namespace {
class TGridPlace : public TPersistent {
    QRN_CLASS(TGridPlace, TPersistent)
public:
    int X = 0;
};

class TSampleOptions : public TOptionExt {
    QRN_CLASS(TSampleOptions, TOptionExt)
public:
    int Count = 0;
    int64_t Big = 0;
    bool Snap = false;
    double Ratio = 0;
    std::string Caption;
    TSupportShade Shade = shLight;
    TSupportShades Shades;
    TStringList* Lines() const { return FLines.get(); }
    TGridPlace* Place() const { return FPlace.get(); }
    TZelNamedItems* Items() const { return FItems.get(); }
    int Applied = 0;

    void SetDefaults() override {
        Count = 5;
        Caption = "default";
    }
    void Apply() override { ++Applied; }

private:
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
    std::unique_ptr<TGridPlace, TObjectFree> FPlace{new TGridPlace()};
    std::unique_ptr<TZelNamedItems, TObjectFree> FItems{new TZelNamedItems(nullptr, TZelNamedItem::StaticClass())};
};

struct OptionsTest : ::testing::Test {
    TDesignerScratchKey Base;
    std::vector<std::string> Reported;
    TDesignErrorReporter Old;
    void SetUp() override {
        Old = SetDesignErrorReporter([this](const std::string& M) { Reported.push_back(M); });
    }
    void TearDown() override {
        FreeGlobalOptions();
        SetDesignErrorReporter(Old);
    }
};
}  // namespace

QRN_PUBLISHED(TGridPlace) { B.Prop("X", &TGridPlace::X); }
QRN_PUBLISHED(TSampleOptions) {
    B.Prop("Count", &TSampleOptions::Count);
    B.Prop("Big", &TSampleOptions::Big);
    B.Prop("Snap", &TSampleOptions::Snap);
    B.Prop("Ratio", &TSampleOptions::Ratio);
    B.Prop("Caption", &TSampleOptions::Caption);
    B.Prop("Shade", &TSampleOptions::Shade);
    B.Prop("Shades", &TSampleOptions::Shades);
    B.Prop("Lines", &TSampleOptions::Lines);
    B.Prop("Place", &TSampleOptions::Place);
    B.Prop("Items", &TSampleOptions::Items);
}

TEST_F(OptionsTest, GlobalOptionsRoundTripThroughTheRegistry) {
    auto* G = TOptionExt::Global<TSampleOptions>();
    EXPECT_TRUE(G->IsGlobal());
    EXPECT_EQ(G->Count, 5);  // defaults, nothing stored yet
    EXPECT_EQ(G->Applied, 1);  // the load's bracket applies
    G->Count = 9;
    G->Big = (int64_t{3} << 40) + 7;
    G->Snap = true;
    G->Ratio = 0.75;
    G->Caption = "grid";
    G->Shade = shDark;
    G->Lines()->Add("a");
    G->Place()->X = 42;
    static_cast<TZelNamedItem*>(G->Items()->Add())->SetName("first");
    SaveGlobalOptions();
    EXPECT_EQ(Base.Open("SampleOptions").ReadInteger("Snap"), 1);
    EXPECT_EQ(Base.Open("SampleOptions\\Place").ReadInteger("X"), 42);
    FreeGlobalOptions();

    auto* Again = TOptionExt::Global<TSampleOptions>();
    EXPECT_NE(Again, nullptr);
    EXPECT_EQ(Again->Count, 9);
    EXPECT_EQ(Again->Big, (int64_t{3} << 40) + 7);
    EXPECT_TRUE(Again->Snap);
    EXPECT_EQ(Again->Ratio, 0.75);
    EXPECT_EQ(Again->Caption, "grid");
    EXPECT_EQ(Again->Shade, shDark);
    EXPECT_EQ(Again->Lines()->Text(), "a\r\n");
    EXPECT_EQ(Again->Place()->X, 42);
    ASSERT_EQ(Again->Items()->Count(), 1);
    EXPECT_EQ(static_cast<TZelNamedItem*>(Again->Items()->Items(0))->Name(), "first");
    EXPECT_TRUE(Reported.empty());
}

TEST_F(OptionsTest, OneBadValueKeepsItsDefaultAndTheRestLoads) {
    Base.Open("SampleOptions").WriteString("Count", "not a number");
    Base.Open("SampleOptions").WriteString("Caption", "stored");
    Base.Open("SampleOptions").WriteInteger("Ratio", 3);  // a float stored as an integer
    auto* G = TOptionExt::Global<TSampleOptions>();
    EXPECT_EQ(G->Count, 5);
    EXPECT_EQ(G->Ratio, 0);
    EXPECT_EQ(G->Caption, "stored");
    EXPECT_EQ(Reported.size(), 2u);
}

TEST_F(OptionsTest, StoredNumbersOutsideTheirTypesAreRefused) {
    Base.Open("SampleOptions").WriteInteger("Shade", INT32_MIN);  // DWORD 2147483648
    Base.Open("SampleOptions").WriteInteger("Shades", 0x86);      // shDark and two bits of no element
    auto* G = TOptionExt::Global<TSampleOptions>();
    EXPECT_EQ(G->Shade, shLight);
    EXPECT_EQ(G->Shades.Mask(), TSupportShades{shDark}.Mask());
    EXPECT_EQ(Reported.size(), 1u);
}

TEST_F(OptionsTest, LocalCopyReachesTheGlobalOnlyThroughChanged) {
    auto* G = TOptionExt::Global<TSampleOptions>();
    G->Count = 7;
    auto Local = TOptionExt::CreateLocal<TSampleOptions>();
    EXPECT_FALSE(Local->IsGlobal());
    EXPECT_EQ(Local->GlobalInstance(), G);
    EXPECT_TRUE(Local->IsLocalOrUpdating());
    EXPECT_EQ(Local->Count, 7);
    Local->Count = 11;
    EXPECT_EQ(G->Count, 7);
    Local->Changed();
    EXPECT_EQ(G->Count, 11);
    EXPECT_EQ(Local->Applied, 1);

    const int Before = G->Applied;
    G->BeginUpdate();
    G->BeginUpdate();
    G->EndUpdate();
    EXPECT_EQ(G->Applied, Before);
    EXPECT_TRUE(G->IsLocalOrUpdating());
    G->EndUpdate();
    G->EndUpdate();  // unmatched: nothing
    EXPECT_EQ(G->Applied, Before + 1);
    G->Changed();
    EXPECT_EQ(G->Applied, Before + 2);
}

TEST_F(OptionsTest, ComponentsAndPlainObjectsInOneValueAsTextOrBinary) {
    for (bool AsText : {true, false}) {
        TSupportProps Saved(nullptr);
        Saved.SetName("Saved");
        Saved.Count = 3;
        Saved.Text = "hello";
        SaveComponentToRegistry("Stored\\Comp", &Saved, AsText);
        TSupportProps Read(nullptr);
        LoadComponentFromRegistry("Stored\\Comp", &Read, AsText);
        EXPECT_EQ(Read.Count, 3);
        EXPECT_EQ(Read.Text, "hello");

        TGridPlace Place;
        Place.X = 17;
        SaveComponentToRegistry("Stored\\Place", &Place, AsText);
        TGridPlace PlaceBack;
        LoadComponentFromRegistry("Stored\\Place", &PlaceBack, AsText);
        EXPECT_EQ(PlaceBack.X, 17);
    }
    TSupportProps Untouched(nullptr);
    LoadComponentFromRegistry("Stored\\Missing", &Untouched);
    EXPECT_EQ(Untouched.Count, 0);
}

TEST_F(OptionsTest, PageListOptionsOfTheBaseClassHaveTheirOwnKey) {
    TOptionExt::Global<TPageControlOptions>()->PageItems()->Add("Mine=TButton");
    SaveGlobalOptions();
    EXPECT_EQ(Base.Open("PageControlOptions").ReadString("PageItems"), "Mine=TButton\r\n");
}
