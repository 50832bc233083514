// Stored changes: the difference from the snapshot, and that difference
// written and read back into a fresh copy of the form.
#include <gtest/gtest.h>

#include <memory>

#include "designer/engine/win/CompChanges.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

std::unique_ptr<TForm, TObjectFree> LoadedForm() {
    std::unique_ptr<TForm, TObjectFree> F(new TForm(nullptr));
    F->SetName("Form1");
    for (const char* Name : {"Button1", "Label1"}) {
        TControl* C = std::string(Name) == "Button1" ? static_cast<TControl*>(new TButton(F.get()))
                                                     : static_cast<TControl*>(new TLabel(F.get()));
        C->SetName(Name);
        C->SetParent(F.get());
        C->SetBounds(8, 8, 75, 25);
    }
    return F;
}

std::string Bytes(TMemoryStream& S) { return std::string(static_cast<const char*>(S.Memory()), S.Size()); }

}  // namespace

TEST(CompChanges, NothingChangedStoresThreeEmptyTextsAndTwoZeroCounts) {
    auto F = LoadedForm();
    TZelCompChanges Changes;
    Changes.TakeSnapshot(F.get());
    Changes.CollectChanges();
    TMemoryStream S;
    Changes.WriteChanges(&S);
    EXPECT_EQ(Bytes(S), std::string("\x06\x00\x06\x00\x06\x00\x02\x00\x02\x00", 10));
}

TEST(CompChanges, DeletedAddedAndMovedComponentsComeBackInAFreshForm) {
    auto F = LoadedForm();
    TZelCompChanges Changes;
    Changes.TakeSnapshot(F.get());
    F->FindComponent("Label1")->Free();
    static_cast<TControl*>(F->FindComponent("Button1"))->SetLeft(40);
    auto* Panel = new TPanel(F.get());
    Panel->SetName("Panel1");
    Panel->SetParent(F.get());
    auto* Inner = new TButton(F.get());
    Inner->SetName("Button2");
    Inner->SetParent(Panel);
    Changes.CollectChanges();
    EXPECT_EQ(Changes.DeletedNames()->Text(), "Label1\r\n");
    // The new button travels inside the new panel.
    EXPECT_EQ(Changes.AddedComponents(), (std::vector<TComponent*>{Panel}));
    EXPECT_EQ(Changes.ChangedComponents(), (std::vector<TComponent*>{F->FindComponent("Button1")}));

    TMemoryStream S;
    Changes.WriteChanges(&S);
    S.SetPosition(0);
    auto Copy = LoadedForm();
    TZelCompChanges Reader;
    Reader.ReadChanges(Copy.get(), &S);
    EXPECT_EQ(Copy->FindComponent("Label1"), nullptr);
    EXPECT_EQ(static_cast<TControl*>(Copy->FindComponent("Button1"))->Left(), 40);
    auto* Panel2 = dynamic_cast<TPanel*>(Copy->FindComponent("Panel1"));
    ASSERT_NE(Panel2, nullptr);
    EXPECT_EQ(Panel2->Parent(), Copy.get());
    auto* Inner2 = dynamic_cast<TButton*>(Copy->FindComponent("Button2"));
    ASSERT_NE(Inner2, nullptr);
    EXPECT_EQ(Inner2->Parent(), Panel2);
}
