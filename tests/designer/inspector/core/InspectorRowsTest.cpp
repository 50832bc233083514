#include <gtest/gtest.h>

#include "designer/inspector/core/InspectorRows.h"

namespace {

class TShape : public TPersistent {
    QRN_CLASS(TShape, TPersistent)
public:
    int Depth = 1;
    int Span = 2;
};

class TSample : public TComponent {
    QRN_CLASS(TSample, TComponent)
public:
    explicit TSample(TComponent* AOwner) : TComponent(AOwner) {}
    std::string Caption;
    int Left = 0, Width = 0;
    TShape* Shape() const { return FShape.get(); }

private:
    std::unique_ptr<TShape> FShape = std::make_unique<TShape>();
};

}  // namespace

QRN_PUBLISHED(TShape) {
    B.Prop("Depth", &TShape::Depth);
    B.Prop("Span", &TShape::Span);
}
QRN_PUBLISHED(TSample) {
    B.Prop("Caption", &TSample::Caption);
    B.Prop("Left", &TSample::Left);
    B.Prop("Width", &TSample::Width);
    B.Prop("Shape", &TSample::Shape);
}

namespace {

class InspectorRows : public ::testing::Test {
protected:
    void SetUp() override {
        Sample = new TSample(nullptr);
        Sample->SetName("Sample1");
        Selection.Add(Sample);
    }
    void TearDown() override { Sample->Free(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> Result;
        for (int I = 0; I < Rows.Count(); ++I)
            Result.push_back(std::string(static_cast<size_t>(Rows.Row(I).Level), ' ') + Rows.Row(I).DisplayName);
        return Result;
    }
    TSample* Sample = nullptr;
    TDesignerSelectionList Selection;
    TInspectorRows Rows;
};

// Without alias groups every row falls into the "other" group, whose
// header is dropped: a plain list by name, Caption current at first.
TEST_F(InspectorRows, PlainSortedListWithoutGroups) {
    Rows.Rules.HiddenProps = {"tag"};
    Rows.Aliases.Parse({}, true, "Other");
    const int Current = Rows.Rebuild(Selection, nullptr, -1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Caption", "Left", "Name", "Shape", "Width"}));
    EXPECT_EQ(Current, 0);
    EXPECT_EQ(Rows.Row(3).ExpandState, 2);
    EXPECT_TRUE(Rows.HasExpandableRows());
    EXPECT_EQ(Rows.Rebuild(TDesignerSelectionList(), nullptr, Current), -1);
    EXPECT_EQ(Rows.Count(), 0);
}

// Groups in the order of the group list, rows renamed and placed by their
// alias; a NEVERSHOW entry hides a property also as a sub-property.
TEST_F(InspectorRows, GroupsAliasesAndHiddenSubProperties) {
    Rows.Aliases.Parse({"[Position]", "Left=X", "Width,READONLY", "[Look]", "Caption", "Depth,NEVERSHOW", "Tag,NEVERSHOW"},
                       true, "Other");
    Rows.Rebuild(Selection, nullptr, -1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Look", " Caption", "Other", " Name", " Shape", "Position", " Width",
                                                 " X"}));
    EXPECT_TRUE(Rows.Row(6).ReadOnlyRow);
    EXPECT_EQ(Rows.Row(7).ParentRow, 5);
    EXPECT_EQ(Rows.PathName(0), "::Look");
    Rows.ToggleExpand(4);  // Shape
    EXPECT_EQ(Names()[5], "  Span");
    EXPECT_EQ(Rows.PathName(5), "Shape.Span");
    EXPECT_EQ(Rows.Row(5).ParentRow, 4);
}

// What was open or closed stays so across a rebuild, and the current
// property stays current; a closed group keeps its rows for later; a row
// that cannot be closed stays open.
TEST_F(InspectorRows, RebuildKeepsOpenRowsAndTheCurrentProperty) {
    Rows.Aliases.Parse({"[Position]", "Left", "Width"}, true, "Other");
    Rows.Rebuild(Selection, nullptr, -1);
    Rows.ToggleExpand(Rows.FindRow("Shape"));
    Rows.ToggleExpand(0);  // close "Other"
    EXPECT_EQ(Names(), (std::vector<std::string>{"Other", "Position", " Left", " Width"}));
    int Current = Rows.Rebuild(Selection, nullptr, 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Other", "Position", " Left", " Width"}));
    EXPECT_EQ(Rows.Row(Current).PropName, "Width");
    Rows.ToggleExpand(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Other", " Caption", " Name", " Shape", " Tag", "Position", " Left",
                                                 " Width"}));
    Rows.ToggleExpand(3);
    EXPECT_EQ(Names()[4], "  Depth");
    Rows.Rules.KeepExpanded = true;
    Rows.ToggleExpand(3);
    EXPECT_EQ(Rows.Count(), 10);
    Rows.Rules.KeepExpanded = false;
    Rows.ToggleExpand(3);
    EXPECT_EQ(Rows.Count(), 8);
    Current = Rows.Rebuild(Selection, nullptr, -1);
    EXPECT_EQ(Rows.Row(Current).PropName, "Caption");
}

}  // namespace
