#include <gtest/gtest.h>

#include "TestClasses.h"
#include "framework/classes/FormText.h"

TEST(Collection, AddInsertDeleteAndIndexes) {
    TTestComponent Owner(nullptr);
    TTestCollection* C = Owner.Columns();
    auto* A = static_cast<TTestItem*>(C->Add());
    auto* B = static_cast<TTestItem*>(C->Add());
    auto* X = static_cast<TTestItem*>(C->Insert(0));
    ASSERT_EQ(C->Count(), 3);
    EXPECT_EQ(C->Items(0), X);
    EXPECT_EQ(A->Index(), 1);
    EXPECT_EQ(B->Index(), 2);
    EXPECT_EQ(A->Collection(), C);
    EXPECT_EQ(A->GetOwner(), C);
    EXPECT_EQ(C->GetOwner(), &Owner);
    EXPECT_NE(A->ID(), B->ID());
    EXPECT_EQ(C->FindItemID(B->ID()), B);
    B->SetIndex(0);
    EXPECT_EQ(C->Items(0), B);
    EXPECT_THROW(B->SetIndex(5), EListError);
    C->Delete(0);
    EXPECT_EQ(C->Count(), 2);
    EXPECT_THROW(C->Items(2), EListError);
    EXPECT_THROW(C->Delete(-1), EListError);
    delete A;  // an item removes itself from its collection
    EXPECT_EQ(C->Count(), 1);
    C->Clear();
    EXPECT_EQ(C->Count(), 0);
}

TEST(Collection, DisplayNameDefaultsToTheClassName) {
    TTestComponent Owner(nullptr);
    auto* I = static_cast<TTestItem*>(Owner.Columns()->Add());
    EXPECT_EQ(I->DisplayName(), "TTestItem");
    I->Caption = "Width";
    EXPECT_EQ(I->DisplayName(), "Width");
}

TEST(Collection, UpdateIsCalledOnceForABatch) {
    TTestComponent Owner(nullptr);
    TTestCollection* C = Owner.Columns();
    C->Updates.clear();
    C->Add();
    EXPECT_EQ(C->Updates.size(), 1u);
    C->Updates.clear();
    C->BeginUpdate();
    C->Add();
    C->Add();
    C->Delete(0);
    EXPECT_TRUE(C->Updates.empty());
    C->EndUpdate();
    EXPECT_EQ(C->Updates, (std::vector<TCollectionItem*>{nullptr}));
}

TEST(Collection, UpdateOnlyEverSeesCompleteItems) {
    TTestComponent Owner(nullptr);
    TTestCollection* C = Owner.Columns();
    C->Add();
    C->Insert(0);
    new TTestItem(C);  // joins silently; the collection owns it
    EXPECT_FALSE(C->SawHalfBuiltItem);
    EXPECT_EQ(C->Count(), 3);
}

TEST(Collection, ItemsMoveBetweenCollections) {
    TTestComponent A(nullptr), B(nullptr);
    TCollectionItem* I = A.Columns()->Add();
    I->SetCollection(B.Columns());
    EXPECT_EQ(A.Columns()->Count(), 0);
    EXPECT_EQ(B.Columns()->Count(), 1);
    EXPECT_EQ(I->Collection(), B.Columns());
}

TEST(Collection, AssignCopiesItemsThroughTheirProperties) {
    TTestComponent A(nullptr), B(nullptr);
    static_cast<TTestItem*>(A.Columns()->Add())->Width = 7;
    B.Columns()->Add();
    B.Columns()->Add();
    // TTestItem has no Assign of its own: the base refuses.
    EXPECT_THROW(B.Columns()->Assign(A.Columns()), EConvertError);
    TStringList L;
    EXPECT_THROW(B.Columns()->Assign(&L), EConvertError);
}

TEST(Collection, ReadingReplacesTheItems) {
    RegisterTestClasses();
    TTestForm Form(nullptr);
    auto* B = new TTestComponent(&Form);
    B->SetName("Button1");
    B->Columns()->Add();
    B->Columns()->Add();
    B->Columns()->Add();
    TStringStream T(
        "object F: TTestForm\r\n  object Button1: TTestComponent\r\n    Columns = <\r\n      item\r\n"
        "        Width = 1\r\n      end>\r\n  end\r\nend\r\n");
    TMemoryStream Bin;
    ObjectTextToBinary(&T, &Bin);
    Bin.SetPosition(0);
    TReader(&Bin).ReadRootComponent(&Form);
    ASSERT_EQ(B->Columns()->Count(), 1);
    EXPECT_EQ(static_cast<TTestItem*>(B->Columns()->Items(0))->Width, 1);
}
