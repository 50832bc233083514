#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestClasses.h"

namespace {

// Logs the order of the destruction steps, and what its Notification
// override saw while its own members were still alive.
std::vector<std::string>* GLog = nullptr;

class TWatcher : public TComponent {
    QRN_CLASS(TWatcher, TComponent)
public:
    explicit TWatcher(TComponent* AOwner) : TComponent(AOwner), Member(std::make_unique<std::string>("alive")) {}
    ~TWatcher() override {
        if (GLog) GLog->push_back("~" + Name());
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (GLog && Operation == opRemove)
            GLog->push_back(Name() + " saw " + AComponent->Name() + " go (" + (Member ? *Member : "dead") + ")");
        if (GLog && Operation != opRemove && Operation != opInsert)
            GLog->push_back(Name() + " got " + std::to_string(static_cast<int>(Operation)));
        TComponent::Notification(AComponent, Operation);
    }
    std::unique_ptr<std::string> Member;
};

}  // namespace

QRN_PUBLISHED(TWatcher) {}

TEST(Component, OwnerListsAndFreesItsComponents) {
    auto* Root = new TComponent(nullptr);
    auto* A = new TComponent(Root);
    auto* B = new TComponent(Root);
    A->SetName("A");
    B->SetName("B");
    EXPECT_EQ(Root->ComponentCount(), 2);
    EXPECT_EQ(Root->Components(0), A);
    EXPECT_EQ(Root->Components(1), B);
    EXPECT_EQ(A->Owner(), Root);
    EXPECT_EQ(B->ComponentIndex(), 1);
    EXPECT_THROW(Root->Components(2), EListError);
    EXPECT_EQ(Root->FindComponent("b"), B);  // case-insensitive
    EXPECT_EQ(Root->FindComponent("C"), nullptr);
    B->Free();
    EXPECT_EQ(Root->ComponentCount(), 1);
    Root->Free();  // frees A too (ASan would report a leak otherwise)
}

TEST(Component, SetComponentIndexMovesWithinOwner) {
    TComponent Root(nullptr);
    auto* A = new TComponent(&Root);
    auto* B = new TComponent(&Root);
    auto* C = new TComponent(&Root);
    C->SetComponentIndex(0);
    EXPECT_EQ(Root.Components(0), C);
    EXPECT_EQ(Root.Components(1), A);
    EXPECT_EQ(Root.Components(2), B);
}

TEST(Component, NamesAreValidatedAndUniqueWithinOwner) {
    TComponent Root(nullptr);
    auto* A = new TComponent(&Root);
    auto* B = new TComponent(&Root);
    A->SetName("Button1");
    EXPECT_THROW(B->SetName("button1"), EComponentError);
    try {
        B->SetName("Button1");
        FAIL();
    } catch (const EComponentError& E) {
        EXPECT_EQ(E.Message, "A component named Button1 already exists");
    }
    EXPECT_EQ(B->Name(), "");
    try {
        B->SetName("1abc");
        FAIL();
    } catch (const EComponentError& E) {
        EXPECT_EQ(E.Message, "'1abc' is not a valid component name");
    }
    A->SetName("BUTTON1");  // a change of case is no clash with itself
    EXPECT_EQ(A->Name(), "BUTTON1");
    B->SetName("Button2");
    A->SetName("");
    B->SetName("Button1");  // the old name is free again
    // Components without an owner may share names.
    TComponent X(nullptr), Y(nullptr);
    X.SetName("Same");
    Y.SetName("Same");
}

TEST(Component, InsertingAComponentWithADuplicateNameFails) {
    TComponent Root(nullptr);
    auto* A = new TComponent(&Root);
    A->SetName("A");
    auto* Loose = new TComponent(nullptr);
    Loose->SetName("A");
    EXPECT_THROW(Root.InsertComponent(Loose), EComponentError);
    EXPECT_EQ(Loose->Owner(), nullptr);
    Loose->Free();
}

TEST(Component, FreeRunsNotificationsBeforeAnyDestructor) {
    std::vector<std::string> Log;
    GLog = &Log;
    auto* Form = new TWatcher(nullptr);
    Form->SetName("Form");
    auto* Child = new TWatcher(Form);
    Child->SetName("Child");
    Form->Free();
    GLog = nullptr;
    // The owner's override saw its child leave while its own member lived,
    // and only then did destructors run.
    ASSERT_EQ(Log.size(), 4u);
    EXPECT_EQ(Log[0], "Form saw Child go (alive)");
    EXPECT_EQ(Log[1], "Child saw Child go (alive)");
    EXPECT_EQ(Log[2], "~Child");
    EXPECT_EQ(Log[3], "~Form");
}

TEST(Component, DestroyingStateIsSetOnOwnedComponentsFirst) {
    struct TProbe : TComponent {
        using TComponent::TComponent;
        bool* SawDestroying = nullptr;
        void Notification(TComponent* C, TOperation Op) override {
            TComponent::Notification(C, Op);
            if (Op == opRemove && SawDestroying) *SawDestroying = ComponentState().Contains(csDestroying);
        }
    };
    bool Saw = false;
    auto* Owner = new TProbe(nullptr);
    Owner->SawDestroying = &Saw;
    new TComponent(Owner);
    Owner->Free();
    EXPECT_TRUE(Saw);
}

TEST(Component, FreeNotificationWorksBothWays) {
    TTestComponent RootA(nullptr), RootB(nullptr);
    auto* A = new TTestComponent(&RootA);
    A->SetName("A");
    auto* B = new TTestComponent(&RootB);
    B->SetName("B");
    A->Link = B;
    A->FreeNotification(B);
    B->Link = A;
    EXPECT_TRUE(A->ComponentState().Contains(csFreeNotification));
    B->Free();
    EXPECT_EQ(A->Link, nullptr);  // A heard that B went
    // The other direction.
    auto* C = new TTestComponent(&RootB);
    C->SetName("C");
    C->FreeNotification(A);
    C->Link = A;
    A->Free();
    EXPECT_EQ(C->Link, nullptr);
}

TEST(Component, RemoveFreeNotificationStopsTheNotice) {
    TTestComponent RootA(nullptr), RootB(nullptr);
    auto* A = new TTestComponent(&RootA);
    auto* B = new TTestComponent(&RootB);
    B->SetName("B");
    A->FreeNotification(B);
    A->RemoveFreeNotification(B);
    size_t Before = A->Notes.size();
    B->Free();
    EXPECT_EQ(A->Notes.size(), Before);
}

TEST(Component, OwnerPassesNotificationsToItsComponentsWithCustomCodes) {
    std::vector<std::string> Log;
    GLog = &Log;
    {
        TWatcher Form(nullptr);
        Form.SetName("Form");
        auto* Child = new TWatcher(&Form);
        Child->SetName("Child");
        Form.Notification(&Form, static_cast<TOperation>(64));
        GLog = nullptr;
    }
    ASSERT_EQ(Log.size(), 2u);
    EXPECT_EQ(Log[0], "Form got 64");
    EXPECT_EQ(Log[1], "Child got 64");
}

TEST(Component, InsertAndRemoveNotifyTheOwner) {
    TTestComponent Root(nullptr);
    auto* A = new TTestComponent(nullptr);
    A->SetName("A");
    Root.InsertComponent(A);
    ASSERT_FALSE(Root.Notes.empty());
    EXPECT_EQ(Root.Notes.back(), (std::pair<std::string, int>{"A", opInsert}));
    Root.RemoveComponent(A);
    EXPECT_EQ(Root.Notes.back(), (std::pair<std::string, int>{"A", opRemove}));
    EXPECT_EQ(A->Owner(), nullptr);
    A->Free();
}

TEST(Component, DesigningIsSetRecursivelyAndInheritedByNewComponents) {
    TComponent Root(nullptr);
    auto* A = new TComponent(&Root);
    auto* AA = new TComponent(A);
    Root.SetDesigning(true);
    EXPECT_TRUE(A->ComponentState().Contains(csDesigning));
    EXPECT_TRUE(AA->ComponentState().Contains(csDesigning));
    auto* Late = new TComponent(&Root);
    EXPECT_TRUE(Late->ComponentState().Contains(csDesigning));
    Root.SetDesigning(false, false);
    EXPECT_FALSE(Root.ComponentState().Contains(csDesigning));
    EXPECT_TRUE(A->ComponentState().Contains(csDesigning));
}

TEST(Component, TagAndStateFlags) {
    TComponent C(nullptr);
    EXPECT_EQ(C.Tag(), 0);
    C.SetTag(-42);
    EXPECT_EQ(C.Tag(), -42);
    C.Updating();
    EXPECT_TRUE(C.ComponentState().Contains(csUpdating));
    C.Updated();
    EXPECT_FALSE(C.ComponentState().Contains(csUpdating));
}

TEST(Component, FieldsFollowNamesOfOwnedComponents) {
    TTestForm Form(nullptr);
    auto* B = new TTestComponent(&Form);
    EXPECT_EQ(Form.Button1, nullptr);
    B->SetName("Button1");
    EXPECT_EQ(Form.Button1, B);
    B->SetName("Button2");
    EXPECT_EQ(Form.Button1, nullptr);
    EXPECT_EQ(Form.Button2, B);
    B->Free();
    EXPECT_EQ(Form.Button2, nullptr);
    // A component of the wrong class cannot take a field's name.
    auto* Plain = new TComponent(&Form);
    EXPECT_THROW(Plain->SetName("Button1"), EComponentError);
}

TEST(Component, GetNamePathOfOwnedParts) {
    TTestComponent C(nullptr);
    C.SetName("Grid1");
    EXPECT_EQ(C.GetNamePath(), "Grid1");
    auto* Item = C.Columns()->Add();
    EXPECT_EQ(C.Columns()->GetNamePath(), "Grid1.Columns");
    EXPECT_EQ(Item->GetNamePath(), "Grid1.Columns[0]");
}

TEST(Persistent, AssignWithoutSupportRaises) {
    TTestFont F;
    TStringList L;
    try {
        F.Assign(&L);
        FAIL();
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message, "Cannot assign a TStringList to a TTestFont");
    }
    try {
        F.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& E) {
        EXPECT_EQ(E.Message, "Cannot assign a nil to a TTestFont");
    }
    TTestFont G;
    G.Size = 12;
    F.Assign(&G);
    EXPECT_EQ(F.Size, 12);
}

TEST(Component, DestroyHookSeesEveryObject) {
    static std::vector<TObject*> Seen;
    Seen.clear();
    TObject::SetDestroyHook([](TObject* O) { Seen.push_back(O); });
    auto* C = new TComponent(nullptr);
    TObject* Addr = C;
    C->Free();
    TObject::SetDestroyHook(nullptr);
    ASSERT_FALSE(Seen.empty());
    EXPECT_EQ(Seen.back(), Addr);
}
