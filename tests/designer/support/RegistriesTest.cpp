#include <gtest/gtest.h>

#include "designer/support/ClassItems.h"
#include "designer/support/EditorClassRegistry.h"
#include "designer/support/MessageBus.h"
#include "designer/support/PCNotifiers.h"
#include "designer/support/PropertyVerbList.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/design/PropEdits.h"
#include "framework/rtl/List.h"
#include "tests/designer/support/SupportTestClasses.h"

namespace {
struct RegistriesTest : ::testing::Test {
    void TearDown() override {
        ShutdownEditorClassRegistries();
        ShutdownListeners();
    }
    static const TClass* EditFor(const TPersistent* Component, const std::string& PropName) {
        auto* Info = static_cast<TEditClassInfo*>(
            FindPropertyClassInfo(EditClassRegistry(), TTypeInfoOf<std::string>::Get(), Component, PropName));
        return Info ? Info->EditClass : nullptr;
    }
};
}  // namespace

TEST_F(RegistriesTest, NewestEditClassWinsUntilItsGroupIsFreed) {
    TSupportProps Props(nullptr);
    TSupportChild Child(nullptr);
    const TTypeInfo* Str = TTypeInfoOf<std::string>::Get();
    NewEditorGroup();
    RegisterEditClass(Str, nullptr, "", TSupportOther::StaticClass());
    const int Newer = NewEditorGroup();
    RegisterInplaceOnlyEditClass(Str, TSupportProps::StaticClass(), "Text", TSupportChild::StaticClass());
    EXPECT_EQ(EditFor(&Child, "Text"), TSupportChild::StaticClass());  // a descendant component fits
    EXPECT_EQ(EditFor(&Props, "text"), TSupportOther::StaticClass());  // names compare exactly
    EXPECT_EQ(EditFor(&Props, "Text"), TSupportChild::StaticClass());
    EXPECT_TRUE(IsInplaceOnlyEditClass(TSupportChild::StaticClass()));
    EXPECT_FALSE(IsInplaceOnlyEditClass(TSupportOther::StaticClass()));
    EXPECT_NE(GetClass("TSupportChild"), nullptr);  // creatable by name

    BroadcastToListeners(nullptr, ModuleUnloadingMessage, Newer, 0);
    EXPECT_EQ(EditFor(&Props, "Text"), TSupportOther::StaticClass());
    EXPECT_EQ(EditClassRegistry().Count(), 1);
    EXPECT_EQ(FindPropertyClassInfo(PopupClassRegistry(), Str, &Props, "Text"), nullptr);
}

TEST_F(RegistriesTest, ClassItemsKeepTheFirstPageAndOrTheFlags) {
    TClassItems Items;
    Items.RegisterClasses("", {TSupportProps::StaticClass()}, ClassWithoutIcon);
    Items.RegisterClasses("Standard", {TSupportProps::StaticClass(), TSupportOther::StaticClass()}, ClassOnPage);
    Items.RegisterClasses("Extra", {TSupportOther::StaticClass()}, ClassNonActiveX);
    ASSERT_EQ(Items.Count(), 2);
    EXPECT_EQ(Items.ClassItems(0)->Flags, ClassWithoutIcon | ClassOnPage);
    EXPECT_EQ(Items.ClassItems(0)->PageName, "Standard");
    EXPECT_EQ(Items.ClassItems(1)->Flags, ClassOnPage | ClassNonActiveX);
    EXPECT_EQ(Items.ClassItems(1)->PageName, "Standard");
    // Only an ancestor registered without an icon: the descendant has none either.
    EXPECT_FALSE(Items.HasDesignIcon(TSupportChild::StaticClass()));
    EXPECT_TRUE(Items.HasDesignIcon(TSupportOther::StaticClass()));
    EXPECT_TRUE(Items.HasDesignIcon(TComponent::StaticClass()));
}

TEST_F(RegistriesTest, PropertyVerbsMatchByClassInListOrder) {
    TActionsList Verbs;
    Verbs.Add("&Items Editor...", TSupportChild::StaticClass(), "Text");
    Verbs.Add("Any", nullptr, "Name");
    Verbs.Add("Props", TSupportProps::StaticClass(), "Count");
    TSupportProps Props(nullptr);
    TSupportChild Child(nullptr);
    EXPECT_EQ(Verbs.MatchingCount(&Props), 2);
    EXPECT_EQ(Verbs.Matching(&Props, 1)->Caption, "Props");
    EXPECT_EQ(Verbs.MatchingCount(&Child), 3);
    EXPECT_EQ(Verbs.Matching(&Child, 0)->PropName, "Text");
    EXPECT_EQ(Verbs.Matching(&Child, 3), nullptr);
}

TEST_F(RegistriesTest, ModifiedObjectsReachTheirNotifiers) {
    CreatePCNotifiers();
    TSupportProps A(nullptr), B(nullptr);
    std::vector<TPersistent*> Heard;
    PCNotifiers()->Add(&A, [&](TPersistent* P) { Heard.push_back(P); });
    PCNotifiers()->Add(&B, [&](TPersistent* P) {
        Heard.push_back(P);
        PCNotifiers()->Remove(&B);  // one call only
    });
    TList Modified;
    Modified.Add(static_cast<TPersistent*>(&B));
    Modified.Add(static_cast<TPersistent*>(&A));
    BroadcastToListeners(nullptr, DesignerModifiedMessage, reinterpret_cast<intptr_t>(&Modified), 0);
    BroadcastToListeners(nullptr, DesignerModifiedMessage, reinterpret_cast<intptr_t>(&Modified), 0);
    EXPECT_EQ(Heard, (std::vector<TPersistent*>{&B, &A, &A}));
    FreePCNotifiers();
    EXPECT_EQ(ListenerCount(), 0);
}
