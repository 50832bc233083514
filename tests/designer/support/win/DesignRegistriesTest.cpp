#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/support/ClassItems.h"
#include "designer/support/EditorClassRegistry.h"
#include "designer/support/MessageBus.h"
#include "designer/support/PropertyVerbList.h"
#include "designer/support/Verbs.h"
#include "designer/support/win/CommonPropEditors.h"
#include "designer/support/win/ComponentRegistration.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/DesignPopupMenu.h"
#include "designer/support/win/FDesigner.h"
#include "designer/support/win/PackCfgForm.h"
#include "designer/support/win/PropertyVerbs.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/graphics/Graphics.h"
#include "framework/menus/Menus.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
class TVerbTarget : public TComponent {
    QRN_CLASS(TVerbTarget, TComponent)
public:
    using TComponent::TComponent;
    std::string FileName;
    std::string Items;
};

std::vector<std::string> GLog;

class TTwoVerbEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    int GetVerbCount() override { return 2; }
    std::string GetVerb(int Index) override { return Index == 0 ? "Verb A" : "Verb B"; }
    void ExecuteVerb(int Index) override { GLog.push_back("verb " + std::to_string(Index)); }
};

class TItemsEditor : public TStringProperty {
public:
    using TStringProperty::TStringProperty;
    void Edit() override { GLog.push_back("edit " + GetName()); }
};

class TRegisteredHeard : public TObject {
    QRN_CLASS(TRegisteredHeard, TObject)
public:
    int Count = 0;
    void Heard(TZelMessage&) { ++Count; }
};

std::vector<std::string> Captions(TPopupMenu& Menu) {
    std::vector<std::string> Result;
    for (int I = 0; I < Menu.Items()->Count(); ++I) Result.push_back(Menu.Items()->Items(I)->Caption());
    return Result;
}

TPropertyEditorClass EditorOf(TPersistent* Instance, const std::string& PropName) {
    return GetEditorClass(Instance->ClassType()->FindProperty(PropName), Instance);
}

struct DesignRegistriesTest : ::testing::Test {
    TDesignerScratchKey Base;
    void SetUp() override { GLog.clear(); }
};
}  // namespace

QRN_PUBLISHED(TVerbTarget) {
    B.Prop("FileName", &TVerbTarget::FileName);
    B.Prop("Items", &TVerbTarget::Items);
}
QRN_PUBLISHED(TRegisteredHeard) { B.Message(ClassesRegisteredMessage, &TRegisteredHeard::Heard); }

TEST_F(DesignRegistriesTest, PopupMenuPutsEditorAndPropertyVerbsOverTheDefaultItems) {
    TDesignLibrarySession Session;
    RegisterPropertyVerb("&Items Editor...", TVerbTarget::StaticClass(), "Items");
    RegisterPropertyVerb("Other", TFont::StaticClass(), "Size");
    RegisterPropertyEditor(TTypeInfoOf<std::string>::Get(), TVerbTarget::StaticClass(), "Items",
                           PropertyEditorClass<TItemsEditor>());
    TComponent Owner(nullptr);
    auto* Target = new TVerbTarget(&Owner);
    auto* Default = new TPopupMenu(&Owner);
    int Copies = 0;
    for (const char* Caption : {"-", "Align", "-", "-", "Copy", "-"}) {
        auto* Item = new TMenuItem(&Owner);
        Item->SetCaption(Caption);
        Item->SetName(std::string(Caption) == "Copy" ? "CopyItem" : "");
        if (std::string(Caption) == "Copy") Item->OnClick = [&](TObject*) { ++Copies; };
        Default->Items()->Add(Item);
    }
    TPopupMenu Menu(nullptr);
    Menu.OnPopup = [](TObject*) {};
    TFDesigner Designer;
    TTwoVerbEditor Editor(Target, &Designer);
    BuildDesignPopupMenu(Default, &Menu, &Editor);

    EXPECT_EQ(Captions(Menu), (std::vector<std::string>{"Verb A", "Verb B", "&Items Editor...", "-", "Align", "-",
                                                        "Copy"}));
    EXPECT_FALSE(Menu.OnPopup);
    EXPECT_EQ(Menu.Items()->Items(6)->Name(), "");  // copies are unnamed
    Menu.Items()->Items(1)->Click();
    Menu.Items()->Items(2)->Click();
    Menu.Items()->Items(6)->Click();
    EXPECT_EQ(GLog, (std::vector<std::string>{"verb 1", "edit Items"}));
    EXPECT_EQ(Copies, 1);

    // Without a component editor: only the cleaned default items.
    BuildDesignPopupMenu(Default, &Menu, nullptr);
    EXPECT_EQ(Captions(Menu), (std::vector<std::string>{"Align", "-", "Copy"}));
}

TEST_F(DesignRegistriesTest, StartRegistersEditorsAndClassesInItsGroupAndEndUndoesThem) {
    TVerbTarget Target(nullptr);
    TFont Font;
    TRegisteredHeard Heard;
    for (int Round = 0; Round < 2; ++Round) {
        TDesignLibrarySession Session;
        EXPECT_FALSE(SkipDesignRegistration);
        EXPECT_TRUE(StandardEditorsRegistered());
        EXPECT_EQ(EditorOf(&Target, "FileName"), PropertyEditorClass<TFileNameEdit>());
        EXPECT_EQ(EditorOf(&Font, "Size"), PropertyEditorClass<TFontSizePropEdit>());
        EXPECT_NE(GetClass("TPropFileSystem"), nullptr);  // streamed by name
        // The library's own property verb: the check list box's items.
        TZelCheckListBox CheckList(nullptr);
        TActionEditor CheckListVerbs(&CheckList, nullptr);
        ASSERT_EQ(CheckListVerbs.GetVerbCount(), 1);
        EXPECT_EQ(CheckListVerbs.GetVerb(0), "&Items Editor...");
        EXPECT_EQ(TActionEditor(&Target, nullptr).GetVerbCount(), 0);

        AddListener(&Heard);
        RegisterComponents("Samples", {TVerbTarget::StaticClass()});
        RegisterNoIcon({TVerbTarget::StaticClass()});
        EXPECT_EQ(Heard.Count, 2);
        EXPECT_EQ(DesignApplication->ClassItems()->ClassItems(0)->Flags, ClassOnPage | ClassWithoutIcon);
        EXPECT_FALSE(ClassHasDesignIcon(TVerbTarget::StaticClass()));
        Heard.Count = 0;

        // A package's group: freeing it takes its entries from every registry.
        const int Package = NewEditorGroup();
        RegisterEditClass(nullptr, nullptr, "", TVerbTarget::StaticClass());
        RegisterPropertyVerb("Pkg", nullptr, "FileName");
        RegisterVerb("Pkg.Verb", nullptr, nullptr);
        FreeEditorGroup(Package);
        EXPECT_EQ(EditClassRegistry().Count(), 0);
        EXPECT_EQ(DesignApplication->ActionsList()->Count(), 1);  // the library's own stays
        TVerbStateProc State;
        TVerbExecuteProc Run;
        EXPECT_EQ(FindVerb("Pkg.Verb", State, Run), nullptr);
    }
    EXPECT_EQ(RegisterComponentsProc, nullptr);
    EXPECT_FALSE(StandardEditorsRegistered());
    EXPECT_EQ(DesignerList().Count(), 0);

    // A host that registered the standard editors itself: the library's
    // registrations are skipped.
    const int Host = NewEditorGroup();
    RegisterPropertyEditor(QRN_TYPE(TColor), nullptr, "", PropertyEditorClass<TColorProperty>());
    {
        TDesignLibrarySession Session;
        EXPECT_TRUE(SkipDesignRegistration);
        EXPECT_EQ(EditorOf(&Target, "FileName"), PropertyEditorClass<TStringProperty>());
        EXPECT_EQ(EditorOf(&Font, "Size"), PropertyEditorClass<TIntegerProperty>());
        EXPECT_EQ(DesignApplication->ActionsList()->Count(), 0);
    }
    FreeEditorGroup(Host);
}
