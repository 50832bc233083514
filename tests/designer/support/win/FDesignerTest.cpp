#include "designer/support/win/FDesigner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/support/MessageBus.h"
#include "designer/support/WrapperInfo.h"
#include "designer/support/win/DesignerLookups.h"
#include "framework/classes/ClassErrors.h"
#include "framework/classes/DataModule.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {
// Records what the designer tells the bus.
class TDesignerEar : public TObject {
    QRN_CLASS(TDesignerEar, TObject)
public:
    TDesignerEar() { AddListener(this); }
    ~TDesignerEar() override { RemoveListener(this); }
    struct THeard {
        uint32_t Msg;
        std::vector<void*> Items;  // the list's entries, or the component
        intptr_t LParam;
        std::string Text;
    };
    std::vector<THeard> Heard;

    void OnList(TZelMessage& M) {
        auto* List = reinterpret_cast<TList*>(M.WParam);
        Heard.push_back({M.Msg, {List->List(), List->List() + List->Count()}, M.LParam, {}});
    }
    void OnComponent(TZelMessage& M) {
        Heard.push_back({M.Msg, {reinterpret_cast<void*>(M.WParam)}, M.LParam,
                         M.Msg == ComponentRenamedMessage ? reinterpret_cast<const char*>(M.LParam) : ""});
    }
};

struct FDesignerTest : ::testing::Test {
    TForm* Form = new TForm(nullptr);
    TButton* Button = new TButton(Form);
    TPanel* Panel = new TPanel(Form);
    TFDesigner Designer;
    TDesignerEar Ear;

    FDesignerTest() {
        Form->SetName("Form1");
        Button->SetName("Button1");
        Button->SetParent(Form);
        Panel->SetName("Panel1");
        Panel->SetParent(Form);
        Designer.SetForm(Form);
        Form->SetDesigner(&Designer);
    }
    ~FDesignerTest() override {
        Form->SetDesigner(nullptr);
        Form->Free();
        ShutdownWrapperInfoList();
    }
    void* Entry(TComponent* C) { return static_cast<TPersistent*>(C); }
    std::vector<void*> Selection() {
        TList* L = Designer.SelectionList();
        return {L->List(), L->List() + L->Count()};
    }
};
}  // namespace

QRN_PUBLISHED(TDesignerEar) {
    B.Message(SelectionChangedMessage, &TDesignerEar::OnList);
    B.Message(DesignerModifiedMessage, &TDesignerEar::OnList);
    B.Message(ComponentRenamedMessage, &TDesignerEar::OnComponent);
    B.Message(ComponentInsertedMessage, &TDesignerEar::OnComponent);
}

TEST_F(FDesignerTest, SelectionChangesBroadcastOnceNormalised) {
    Designer.SelectSingle(Button);
    ASSERT_EQ(Ear.Heard.size(), 1u);
    EXPECT_EQ(Ear.Heard[0].Msg, SelectionChangedMessage);
    EXPECT_EQ(Ear.Heard[0].Items, std::vector<void*>{Entry(Button)});
    EXPECT_EQ(Ear.Heard[0].LParam, reinterpret_cast<intptr_t>(&Designer));

    // An empty selection stands for the root, unless a container is designed.
    TDesignerSelectionList None;
    Designer.SetSelectedComponents(&None);
    EXPECT_EQ(Ear.Heard.back().Items, std::vector<void*>{Entry(Form)});
    Designer.SetDesignContainer(Panel);
    Designer.SetSelectedComponents(&None);
    EXPECT_TRUE(Ear.Heard.back().Items.empty());
    EXPECT_THROW(Designer.SetDesignContainer(Button), EPropertyError);
    EXPECT_EQ(Designer.GetDesignContainer(), Panel);
    Designer.SetDesignContainer(nullptr);

    // A data module's wrapper form is broadcast as the data module.
    TDataModule Module(nullptr);
    TForm* Wrapper = new TForm(nullptr);
    AddWrapperInfo(&Module, Wrapper);
    TDesignerSelectionList Two;
    Two.Add(Button);
    Two.Add(Wrapper);
    Designer.SetSelectedComponents(&Two);
    EXPECT_EQ(Ear.Heard.back().Items, (std::vector<void*>{Entry(Button), Entry(&Module)}));
    TDesignerSelectionList Back;
    Designer.GetSelectedComponents(&Back);
    EXPECT_EQ(Back.Count(), 2);
    RemoveWrapperInfo(Wrapper);
    Wrapper->Free();
}

TEST_F(FDesignerTest, ModifiedRenamedAndInsertedReachTheBus) {
    Designer.NotifyModified();  // nothing selected: the root stands in for one call
    ASSERT_EQ(Ear.Heard.size(), 1u);
    EXPECT_EQ(Ear.Heard[0].Msg, DesignerModifiedMessage);
    EXPECT_EQ(Ear.Heard[0].Items, std::vector<void*>{Entry(Form)});
    EXPECT_EQ(Designer.SelectionList()->Count(), 0);
    Designer.SelectSingle(Button);
    Designer.NotifyModified();
    EXPECT_EQ(Ear.Heard.back().Items, std::vector<void*>{Entry(Button)});
    EXPECT_EQ(Selection(), std::vector<void*>{Entry(Button)});

    Ear.Heard.clear();
    Button->SetName("OkButton");
    auto* Edit = new TEdit(Form);
    TComponent Elsewhere(nullptr);
    new TEdit(&Elsewhere);  // not on the designed root: not announced
    ASSERT_EQ(Ear.Heard.size(), 2u);
    EXPECT_EQ(Ear.Heard[0].Msg, ComponentRenamedMessage);
    EXPECT_EQ(Ear.Heard[0].Items[0], static_cast<void*>(Button));
    EXPECT_EQ(Ear.Heard[0].Text, "OkButton");
    EXPECT_EQ(Ear.Heard[1].Msg, ComponentInsertedMessage);
    EXPECT_EQ(Ear.Heard[1].Items[0], static_cast<void*>(Edit));
}

TEST_F(FDesignerTest, NamesAcrossRootsAndOwners) {
    TComponent Project(nullptr);
    TForm* Form2 = new TForm(&Project);
    Form2->SetName("Form2");
    auto* Edit1 = new TEdit(Form2);
    Edit1->SetName("Edit1");
    (new TButton(Form2))->SetName("Button2");
    (new TComponent(&Project))->SetName("Button3");  // the root's owner uses it
    TFDesigner Other;
    Other.SetForm(Form2);
    EXPECT_EQ(Other.MakeUniqueName("Button"), "Button1");
    (new TButton(Form2))->SetName("Button1");
    EXPECT_EQ(Other.MakeUniqueName("Button"), "Button4");

    EXPECT_EQ(Designer.FindComponentByName("Form2.Edit1"), Edit1);
    EXPECT_EQ(Designer.FindComponentByName("Form2.Nothing"), nullptr);
    EXPECT_EQ(Designer.FindComponentByName("FORM1"), Form);
    EXPECT_EQ(Designer.FindComponentByName("button1"), Button);
    EXPECT_EQ(Designer.GetQualifiedName(Edit1), "Form2.Edit1");
    EXPECT_EQ(Designer.GetQualifiedName(Button), "Button1");
    EXPECT_EQ(Designer.GetQualifiedName(Form), "Form1");

    std::vector<std::string> Names;
    Designer.EnumComponentNames(TTypeInfoOf<TButton*>::Get(), [&](const std::string& N) { Names.push_back(N); });
    EXPECT_EQ(Names, std::vector<std::string>{"Button1"});

    TList Empty;
    EXPECT_TRUE(Designer.CanShowPropertyForAll(&Empty, "Caption"));
    EXPECT_EQ(DesignerList().Count(), 2);
    EXPECT_EQ(GetDesignerListItem(DesignerList(), 1), &Other);
    EXPECT_TRUE(IsFDesigner(&Other));

    // Lookups from any component.
    EXPECT_EQ(FindOwnerForm(Button), Form);
    EXPECT_EQ(FindFormDesignerOf(Button), &Designer);
    EXPECT_EQ(FindFormDesignerOf(Edit1), nullptr);
    TDataModule Module(nullptr);
    TComponent Inner(&Module);
    EXPECT_EQ(FindDesignRootOf(&Inner), &Module);
    Form2->Free();
}
